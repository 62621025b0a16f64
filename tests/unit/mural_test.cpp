// The board backdrop: keeping the ghost on the board, its place across resizes, the
// gradient, the low-colour reduction and the faded ghost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "board/mural.h"
#include "common/config.h"
#include "common/records.h"
#include "common/util.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

// A picture of one colour.
Bitmap Plain(int width, int height, Colour colour) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, colour);
  return picture;
}

// Clears the puzzle record and gives the process a configuration whose drawn ghost
// level the tests set; both are put back afterwards.
class MuralTest : public ::testing::Test {
 protected:
  MuralTest() : savedRecord_(PuzzleRecord), savedConfig_(JigConfig) {
    PuzzleRecord = TPuzzleRecord{};
    DefineMainForm(menus_);
    config_ = std::make_unique<TJigConfig>(menus_);
    config_->DrawnGhostLevel = 5;
    JigConfig = config_.get();
  }
  ~MuralTest() override {
    JigConfig = savedConfig_;
    PuzzleRecord = savedRecord_;
  }

  void SetGhostLevel(int level) { config_->DrawnGhostLevel = level; }
  Colour At(int x, int y) const { return static_cast<Colour>(mural.Board().PixelAt(x, y)); }

  TMural mural;

 private:
  TPuzzleRecord savedRecord_;
  TJigConfig* savedConfig_;
  UiState menus_;
  std::unique_ptr<TJigConfig> config_;
};

// --- Keeping the ghost on the board ---------------------------------------------

struct KeepVisibleCase {
  std::string name;
  Rect dragged;
  Rect held;
};

TEST_F(MuralTest, KeepGhostVisibleLeavesThirtyTwoPixelsOnEverySide) {
  mural.Resize(640, 480);
  const std::vector<KeepVisibleCase> cases{
      {"right edge dragged to 10 is held at 32", {-90, 100, 10, 200}, {-68, 100, 32, 200}},
      {"right edge exactly at 32 stays", {-68, 100, 32, 200}, {-68, 100, 32, 200}},
      {"left edge dragged past the right side stops at 607", {700, 100, 800, 200}, {607, 100, 707, 200}},
      {"left edge exactly at 607 stays", {607, 100, 707, 200}, {607, 100, 707, 200}},
      {"bottom edge dragged above the top is held at 32", {100, -95, 200, 5}, {100, -68, 200, 32}},
      {"top edge dragged below the bottom stops at 447", {100, 470, 200, 570}, {100, 447, 200, 547}},
      {"both ways at once", {-500, -500, -400, -400}, {-68, -68, 32, 32}},
      {"a ghost inside the board is not moved", {10, 20, 110, 120}, {10, 20, 110, 120}},
  };
  for (const auto& c : cases) {
    Rect rect = c.dragged;
    mural.KeepGhostVisible(rect);
    EXPECT_EQ(rect, c.held) << c.name;
  }
}

TEST_F(MuralTest, AGhostDraggedAcrossTheBoardNeverLeavesIt) {
  mural.Resize(640, 480);
  for (int left = -300; left <= 1000; ++left) {
    Rect rect{left, 50, left + 100, 150};
    mural.KeepGhostVisible(rect);
    EXPECT_LE(rect.Left, 607) << left;
    EXPECT_GE(rect.Right, 32) << left;
    EXPECT_EQ(rect.Width(), 100) << left;
  }
}

// --- Placing the ghost --------------------------------------------------------------

struct CentreCase {
  std::string name;
  int boardWidth, boardHeight, pictureWidth, pictureHeight;
  Rect ghost;
};

TEST_F(MuralTest, SetPictureCentresTheGhostWithTruncatingHalves) {
  const std::vector<CentreCase> cases{
      {"smaller picture", 800, 600, 300, 200, {250, 200, 550, 400}},
      {"odd leftover rounds towards zero", 800, 600, 301, 201, {249, 199, 550, 400}},
      {"larger picture: negative halves round towards zero", 640, 480, 1023, 767, {-191, -143, 832, 624}},
  };
  for (const auto& c : cases) {
    const Bitmap picture(c.pictureWidth, c.pictureHeight);
    mural.Resize(c.boardWidth, c.boardHeight);
    mural.SetPicture(&picture, true);
    EXPECT_EQ(mural.GhostRect(), c.ghost) << c.name;
  }
}

TEST_F(MuralTest, SetPictureWithoutCentringKeepsThePlaceAndTakesTheNewSize) {
  const Bitmap large(200, 100), small(50, 40);
  mural.Resize(800, 600);
  mural.SetPicture(&large, true);
  mural.SetPicture(&small, false);
  EXPECT_EQ(mural.GhostRect(), (Rect{300, 250, 350, 290}));
}

TEST_F(MuralTest, PlaceGhostStoresTheCentreAsFractionsOfTheBoard) {
  const Bitmap picture(201, 100);
  mural.Resize(800, 400);
  mural.SetPicture(&picture, false);
  mural.PlaceGhost(100, 50);
  // Centre (100 + 201 div 2, 50 + 100 div 2) = (200, 100).
  EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreX, 0.25f);
  EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreY, 0.25f);
  EXPECT_EQ(mural.GhostRect(), (Rect{100, 50, 301, 150}));
}

TEST_F(MuralTest, PlaceGhostOnABoardWithoutAreaCentresTheFractions) {
  const Bitmap picture(20, 10);
  mural.SetPicture(&picture, false);
  for (const auto& [width, height] : std::vector<std::pair<int, int>>{{0, 0}, {100, 0}, {0, 100}}) {
    PuzzleRecord.GhostCentreX = PuzzleRecord.GhostCentreY = 0;
    mural.Resize(width, height);
    mural.PlaceGhost(7, 9);
    EXPECT_EQ(PuzzleRecord.GhostCentreX, 0.5f) << width << "x" << height;
    EXPECT_EQ(PuzzleRecord.GhostCentreY, 0.5f) << width << "x" << height;
  }
}

TEST_F(MuralTest, OnGhostIsHalfOpen) {
  const Bitmap picture(100, 50);
  mural.Resize(800, 600);
  mural.SetPicture(&picture, false);
  mural.PlaceGhost(10, 20);
  const std::vector<std::tuple<int, int, bool>> cases{
      {10, 20, true}, {109, 69, true}, {110, 20, false}, {10, 70, false}, {9, 20, false}, {10, 19, false}};
  for (const auto& [x, y, inside] : cases) EXPECT_EQ(mural.OnGhost(x, y), inside) << x << "," << y;
}

// --- Resizing --------------------------------------------------------------------

struct ResizeCase {
  std::string name;
  int fromWidth, fromHeight;
  Point placed;  // ghost top-left before; (-1, -1): centred
  int toWidth, toHeight;
  Rect ghost;
  float centreX, centreY;
};

TEST_F(MuralTest, ResizeKeepsTheGhostsRelativePlace) {
  const Bitmap picture(200, 100);
  const std::vector<ResizeCase> cases{
      {"a centred ghost stays centred", 800, 600, {-1, -1}, 400, 300, {100, 100, 300, 200}, 0.5f, 0.5f},
      {"a centre at 25 % stays at 25 %", 800, 600, {100, 100}, 400, 300, {0, 25, 200, 125}, 0.25f, 0.25f},
      // 401 × 0.5 = 200.5 and 301 × 0.5 = 150.5 round to the even neighbours 200, 150.
      {"half-way centres round to even", 800, 600, {-1, -1}, 401, 301, {100, 100, 300, 200}, 200.0f / 401,
       150.0f / 301},
      // The centre fraction 467 / 400 would put the left edge at 834 on the wider board.
      {"a ghost pushed off the board is held on it", 400, 300, {367, 10}, 800, 600, {767, 70, 967, 170},
       867.0f / 800, 120.0f / 600},
  };
  for (const auto& c : cases) {
    mural.Resize(c.fromWidth, c.fromHeight);
    const bool centred = c.placed.X < 0;
    mural.SetPicture(&picture, centred);
    if (!centred) mural.PlaceGhost(c.placed.X, c.placed.Y);
    mural.Resize(c.toWidth, c.toHeight);
    EXPECT_EQ(mural.Board().Width(), c.toWidth) << c.name;
    EXPECT_EQ(mural.Board().Height(), c.toHeight) << c.name;
    EXPECT_EQ(mural.GhostRect(), c.ghost) << c.name;
    EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreX, c.centreX) << c.name;
    EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreY, c.centreY) << c.name;
  }
}

TEST_F(MuralTest, ResizeWithoutAPictureOnlyResizes) {
  PuzzleRecord.GhostCentreX = 0.3f;
  mural.Resize(300, 200);
  EXPECT_EQ(mural.Board().Width(), 300);
  EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreX, 0.3f);
  EXPECT_EQ(mural.GhostRect(), (Rect{}));
}

// --- The board colour -------------------------------------------------------------

TEST_F(MuralTest, GradientRunsFromFullColourToThreeQuarters) {
  mural.Resize(5, 400);
  mural.SetColour(MakeColour(255, 0, 0));
  mural.Render(false);
  const std::vector<std::pair<int, Colour>> rows{
      {0, MakeColour(255, 0, 0)},
      {3, MakeColour(255, 0, 0)},
      {4, MakeColour(254, 0, 0)},  // 399 × 255 div 400
      {200, MakeColour(223, 0, 0)},  // 350 × 255 div 400
      {399, MakeColour(191, 0, 0)},  // 301 × 255 div 400
  };
  for (const auto& [y, colour] : rows)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(x, y), colour) << x << "," << y;
}

TEST_F(MuralTest, GradientScalesEveryChannel) {
  mural.Resize(2, 8);
  mural.SetColour(MakeColour(200, 100, 40));
  mural.Render(false);
  // Row 7: (8 − 1) ÷ 8 of each channel, rounded down.
  EXPECT_EQ(At(1, 7), MakeColour(175, 87, 35));
}

TEST_F(MuralTest, WithoutGradientTheBoardIsOneColour) {
  mural.Resize(3, 50);
  mural.SetGradient(false);
  mural.SetLowColour(true);  // only gradient rows are reduced
  mural.SetColour(MakeColour(201, 37, 99));
  mural.Render(false);
  for (int y = 0; y < 50; ++y) EXPECT_EQ(At(2, y), MakeColour(201, 37, 99)) << y;
}

TEST_F(MuralTest, LowColourRowsAlternateBetweenMultiplesOfEightKeepingTheAverage) {
  constexpr int kHeight = 400;
  mural.Resize(2, kHeight);
  mural.SetColour(MakeColour(124, 124, 124));
  mural.SetLowColour(true);
  mural.Render(false);
  // The top four rows are 124 exactly: 128 and 120 by turns.
  for (int y = 0; y < 4; ++y) EXPECT_EQ(RedOf(At(0, y)), y % 2 == 0 ? 128 : 120) << y;

  int drift = 0;
  for (int y = 0; y < kHeight; ++y) {
    const int exact = (kHeight - y / 4) * 124 / kHeight;
    const int shown = RedOf(At(1, y));
    const int below = exact / 8 * 8;  // a neighbouring multiple of 8, from below or above
    EXPECT_TRUE(shown == below || shown == below + 8) << y << ": " << shown << " for " << exact;
    drift += shown - exact;
    EXPECT_LE(std::abs(drift), 4) << y;  // the carried error never builds up
  }
}

TEST_F(MuralTest, LowColourRowsStayBelowTheTopOfTheRange) {
  mural.Resize(1, 40);
  mural.SetColour(MakeColour(255, 254, 252));
  mural.SetLowColour(true);
  mural.Render(false);
  for (int y = 0; y < 40; ++y) {
    for (const int channel : {RedOf(At(0, y)), GreenOf(At(0, y)), BlueOf(At(0, y))}) {
      EXPECT_TRUE(channel % 8 == 0 || channel == 255) << y << ": " << channel;
    }
  }
  EXPECT_EQ(At(0, 0), MakeColour(255, 255, 255));
}

TEST_F(MuralTest, EveryLowColourRenderStartsWithoutCarriedError) {
  mural.Resize(2, 90);
  mural.SetColour(MakeColour(124, 60, 13));
  mural.SetLowColour(true);
  mural.Render(false);
  const Bitmap first = mural.Board();
  DitherColor(MakeColour(3, 3, 3));  // another gradient, such as a tray's, leaves an error
  mural.Render(false);
  EXPECT_TRUE(std::equal(first.Bits(), first.Bits() + first.Stride() * first.Height(), mural.Board().Bits()));
}

// --- The ghost --------------------------------------------------------------------

struct FadeCase {
  std::string name;
  int level;
  Colour board;
  int boardHeight;
  int row;
  Colour pixel;
  Colour shown;
};

TEST_F(MuralTest, GhostPixelsFadeTowardsTheRowsReferenceColour) {
  const Colour white = MakeColour(255, 255, 255), red = MakeColour(255, 0, 0);
  const std::vector<FadeCase> cases{
      {"level 10, black on white: 255 + floor(-172 × 120 ÷ 128)", 10, white, 40, 0, kBlack, MakeColour(93, 93, 93)},
      {"level 1, black on white: 255 + floor(-172 × 12 ÷ 128)", 1, white, 40, 0, kBlack, MakeColour(238, 238, 238)},
      {"level 10, white on white rounds down: 255 + floor(-41.25)", 10, white, 40, 0, white,
       MakeColour(213, 213, 213)},
      {"level 5, white on black: floor(211 × 60 ÷ 128)", 5, kBlack, 40, 0, white, MakeColour(98, 98, 98)},
      {"mid grey keeps its contrast centre: 128 becomes 148", 10, kBlack, 40, 0, MakeColour(128, 128, 128),
       MakeColour(138, 138, 138)},
      // Bottom row of a red board 400 high: reference red (400 − 199) × 255 div 400 = 128.
      {"bottom row of red: black fades towards red 128", 5, red, 400, 399, kBlack, MakeColour(106, 38, 38)},
      {"bottom row of red: red 89 (contrast 128) shows the reference", 3, red, 400, 399, MakeColour(89, 0, 0),
       MakeColour(128, 23, 23)},
  };
  for (const auto& c : cases) {
    SetGhostLevel(c.level);
    const Bitmap picture = Plain(4, c.boardHeight, c.pixel);
    mural.Resize(4, c.boardHeight);
    mural.SetColour(c.board);
    mural.SetPicture(&picture, false);
    mural.PlaceGhost(0, 0);
    mural.Render(true);
    EXPECT_EQ(At(2, c.row), c.shown) << c.name;
  }
}

TEST_F(MuralTest, GhostReferenceDarkensTwiceAsFastAsTheBoard) {
  SetGhostLevel(3);
  mural.Resize(8, 400);
  mural.SetColour(MakeColour(255, 0, 0));
  const Bitmap picture = Plain(4, 400, MakeColour(89, 0, 0));  // contrast 128: shows the reference
  mural.SetPicture(&picture, false);
  mural.PlaceGhost(0, 0);
  mural.Render(true);
  EXPECT_EQ(RedOf(At(6, 399)), 191);  // board beside the ghost
  EXPECT_EQ(RedOf(At(1, 399)), 128);  // ghost reference on the same row
  EXPECT_EQ(RedOf(At(1, 200)), 173);  // reference (400 − 100) × 255 div 400 = 191; 191 + floor(-63 × 36 ÷ 128)
}

TEST_F(MuralTest, WithoutGradientTheGhostFadesTowardsTheBoardColour) {
  SetGhostLevel(10);
  mural.Resize(4, 300);
  mural.SetGradient(false);
  mural.SetColour(MakeColour(255, 255, 255));
  const Bitmap picture = Plain(4, 300, kBlack);
  mural.SetPicture(&picture, true);
  mural.Render(true);
  EXPECT_EQ(At(0, 0), MakeColour(93, 93, 93));
  EXPECT_EQ(At(0, 299), MakeColour(93, 93, 93));
}

TEST_F(MuralTest, GhostReferenceIsNotReducedOnLowColourScreens) {
  SetGhostLevel(7);
  mural.Resize(4, 400);
  mural.SetColour(MakeColour(124, 124, 124));
  mural.SetLowColour(true);
  const Bitmap picture = Plain(2, 2, MakeColour(81, 81, 81));  // contrast 124
  mural.SetPicture(&picture, false);
  mural.PlaceGhost(0, 0);
  mural.Render(true);
  EXPECT_EQ(At(0, 0), MakeColour(124, 124, 124));
  EXPECT_EQ(At(1, 1), MakeColour(124, 124, 124));
  EXPECT_EQ(At(2, 1), MakeColour(120, 120, 120));  // the reduced board beside it
}

TEST_F(MuralTest, GhostIsClippedToTheBoard) {
  SetGhostLevel(10);
  mural.Resize(10, 10);
  mural.SetGradient(false);
  mural.SetColour(MakeColour(255, 255, 255));
  const Bitmap picture = Plain(6, 6, kBlack);
  mural.SetPicture(&picture, false);
  mural.PlaceGhost(-3, 7);
  mural.Render(true);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool onGhost = x < 3 && y >= 7;
      EXPECT_EQ(At(x, y), onGhost ? MakeColour(93, 93, 93) : kWhite) << x << "," << y;
    }
  }
}

TEST_F(MuralTest, GhostIsLeftOutWhenHiddenOrTheBoardIsTooSmall) {
  SetGhostLevel(10);
  const Bitmap picture = Plain(4, 4, kBlack);
  mural.SetGradient(false);
  mural.SetColour(kWhite);
  const std::vector<std::tuple<std::string, int, int, bool>> cases{
      {"hidden", 4, 4, false}, {"one pixel wide", 1, 4, true}, {"one pixel high", 4, 1, true}};
  for (const auto& [name, width, height, withGhost] : cases) {
    mural.Resize(width, height);
    mural.SetPicture(&picture, false);
    mural.PlaceGhost(0, 0);
    mural.Render(withGhost);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) EXPECT_EQ(At(x, y), kWhite) << name;
  }
}

TEST_F(MuralTest, CopyToCopiesOneRectangleToTheSamePlace) {
  mural.Resize(20, 20);
  mural.SetGradient(false);
  mural.SetColour(MakeColour(10, 20, 30));
  mural.Render(false);
  Bitmap board = Plain(20, 20, kWhite);
  const Rect rect{5, 6, 9, 8};
  mural.CopyTo(rect, board);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(static_cast<Colour>(board.PixelAt(x, y)), rect.Contains(x, y) ? MakeColour(10, 20, 30) : kWhite)
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace quill
