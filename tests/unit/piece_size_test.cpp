// The size and shape of the pieces: which scales the piece size dialog accepts, the
// preview of one piece, Apply with its fallbacks, and "&Piece Size..." with its undo
// step and the shape put back on Cancel.
#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "common/records.h"
#include "pieces/shape_preview.h"
#include "play_fixture.h"

namespace quill {
namespace {

using testing::DifferingPixels;
using testing::PointText;

// ---- The scale check ------------------------------------------------------------

struct ScaleCase {
  const char* What;
  uint16_t PictureWidth, PictureHeight, Columns, Rows;
  int32_t Scale;
  bool Valid;
};

class ScaleCheckTest : public testing::PlayFixture {};

TEST_F(ScaleCheckTest, CellsFrom8To512AndAPictureTheOutlinesCanHold) {
  Start();
  const ScaleCase cases[] = {
      // 540 × 670 in 5 × 7: cells of 108 × 95 at 100 %.
      {"the gift's own size", 540, 670, 5, 7, 100, true},
      {"cells 9 x 8", 540, 670, 5, 7, 9, true},
      {"cells 8 x 7: too low", 540, 670, 5, 7, 8, false},
      {"cells 511 x 453", 540, 670, 5, 7, 474, true},
      {"cells 513 x 454: too wide", 540, 670, 5, 7, 475, false},
      // 400 × 300 in 4 × 3: cells of 100 × 100 at 100 %.
      {"cells 8 x 8", 400, 300, 4, 3, 8, true},
      {"cells 7 x 7", 400, 300, 4, 3, 7, false},
      {"cells 512 x 512", 400, 300, 4, 3, 512, true},
      {"cells 513 x 513", 400, 300, 4, 3, 513, false},
      // 8000 × 100 in 100 × 1: small cells, but a picture near the outlines' limit.
      {"a picture 8160 wide", 8000, 100, 100, 1, 102, true},
      {"a picture 8240 wide", 8000, 100, 100, 1, 103, false},
      {"a picture 8191 high", 100, 8191, 1, 100, 100, true},
      {"a picture 8272 high", 100, 8191, 1, 100, 101, false},
      {"a negative scale", 400, 300, 4, 3, -100, false},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.What);
    PuzzleRecord.PictureWidth = c.PictureWidth;
    PuzzleRecord.PictureHeight = c.PictureHeight;
    PuzzleRecord.Columns = c.Columns;
    PuzzleRecord.Rows = c.Rows;
    EXPECT_EQ(game->DrawShapePreview(nullptr, c.Scale, 1, 0), c.Valid);
    Bitmap box(40, 40);
    Canvas canvas(box);
    EXPECT_EQ(game->DrawShapePreview(&canvas, c.Scale, 1, 0), c.Valid);
  }
}

// ---- The preview ----------------------------------------------------------------

// A white paint box with the preview of a cell × cell piece drawn on it.
Bitmap Preview(int cell, int style, int oddness, int size = 200) {
  Bitmap box(size, size);
  box.Fill(0xFF);
  Canvas canvas(box);
  canvas.Brush().Color = kWhite;
  DrawPreviewPiece(canvas, cell, cell, style, oddness);
  return box;
}

bool Red(const Bitmap& box, int x, int y) { return box.PixelAt(x, y) == kPreviewRed; }

int RedPixels(const Bitmap& box, const Rect& area) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) count += Red(box, x, y) ? 1 : 0;
  return count;
}

// A square piece of a 40-pixel cell starts a quarter cell in, at (10, 10), and ends at
// (50, 50), both ends drawn: 41 × 41 red pixels, the corner at (50, 50) closed.
TEST(ShapePreviewTest, SquarePieceIsASolidRedSquareAQuarterCellIn) {
  const Bitmap box = Preview(40, 3, 0, 100);
  EXPECT_EQ(RedPixels(box, box.Bounds()), 41 * 41);
  EXPECT_EQ(RedPixels(box, {10, 10, 51, 51}), 41 * 41);
  EXPECT_TRUE(Red(box, 50, 50));
}

// From oddness 2 on the bottom right corner moves out as a jittered lattice point;
// oddness 1 leaves it where oddness 0 has it.
TEST(ShapePreviewTest, OddnessFromTwoOnSlantsTheRightAndBottomEdges) {
  const Bitmap straight = Preview(40, 3, 0, 100);
  EXPECT_EQ(DifferingPixels(Preview(40, 3, 1, 100), straight), 0);
  const Bitmap slanted = Preview(40, 3, 2, 100);
  // right2 = bottom2 = 50 + 40 × 20 ÷ 400 = 52.
  EXPECT_TRUE(Red(slanted, 52, 52));
  EXPECT_FALSE(Red(slanted, 53, 53));
  EXPECT_FALSE(Red(slanted, 52, 10)) << "the top right corner stays";
  EXPECT_GT(RedPixels(slanted, slanted.Bounds()), 41 * 41);
}

// With positive depths the piece's tabs stick out down and left, its blanks bite into
// the top and the right; the Round style's sides curve the other way, so its tab is on
// the right and its blank on the left.
TEST(ShapePreviewTest, TabsStickOutAndBlanksBiteInAsTheStyleCurves) {
  // A cell of 80: the piece's lines run at x 20 and 100, y 20 and 100.
  const struct {
    int Style;
    const char* Name;
    bool LeftTab, RightTab;
  } styles[] = {{1, "Classic", true, false}, {2, "Blip", true, false}, {4, "Star", true, false},
                {5, "Round", false, true}};
  for (const auto& s : styles) {
    SCOPED_TRACE(s.Name);
    const Bitmap box = Preview(80, s.Style, 0);
    EXPECT_TRUE(Red(box, 60, 60)) << "inside";
    EXPECT_FALSE(Red(box, 60, 23)) << "the top blank";
    EXPECT_TRUE(Red(box, 60, 103)) << "the bottom tab";
    EXPECT_EQ(Red(box, 17, 60), s.LeftTab) << "left of the left line";
    EXPECT_EQ(Red(box, 23, 60), s.LeftTab) << "right of the left line";
    EXPECT_EQ(Red(box, 97, 60), s.RightTab) << "left of the right line";
    EXPECT_EQ(Red(box, 103, 60), s.RightTab) << "right of the right line";
  }
}

// The mixture draws a Blip top, a Classic left, a Star bottom and a Round right: each
// side's part of the picture is that of the style's own preview.
TEST(ShapePreviewTest, MixtureTakesEachSideFromItsStyle) {
  const Bitmap mix = Preview(80, 6, 0);
  const Bitmap square = Preview(80, 3, 0);
  const struct {
    const char* Side;
    Rect Area;
    int Style;
  } sides[] = {
      {"top", {45, 0, 75, 45}, 2},        // the blank under the top line, away from the sides
      {"left", {0, 30, 20, 90}, 1},       // the tab left of the left line
      {"bottom", {30, 101, 90, 200}, 4},  // the tab below the bottom line
      {"right", {101, 30, 200, 90}, 5},   // the tab right of the right line
  };
  for (const auto& side : sides) {
    SCOPED_TRACE(side.Side);
    const Bitmap own = Preview(80, side.Style, 0);
    int differing = 0;
    for (int y = side.Area.Top; y < side.Area.Bottom; ++y)
      for (int x = side.Area.Left; x < side.Area.Right; ++x) differing += Red(mix, x, y) != Red(own, x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    EXPECT_NE(RedPixels(mix, side.Area), RedPixels(square, side.Area)) << "the side has a shape of its own";
  }
}

TEST(ShapePreviewTest, TheBrushColourIsGivenBack) {
  Bitmap box(100, 100);
  Canvas canvas(box);
  canvas.Brush().Color = MakeColour(1, 2, 3);
  DrawPreviewPiece(canvas, 40, 40, 1, 5);
  EXPECT_EQ(canvas.Brush().Color, MakeColour(1, 2, 3));
}

// ---- Apply and "&Piece Size..." ----------------------------------------------------

// The game with a host whose status line fails once when armed, as a cutting that
// cannot get its bitmaps does.
class PieceSizeTest : public testing::PlayFixture {
 protected:
  struct Cut {
    PieceShape Shape;
    int PictureWidth;
    std::vector<std::vector<uint8_t>> Shades;
    friend bool operator==(const Cut&, const Cut&) = default;
  };
  Cut Current() {
    Cut cut{game->CurrentPieceShape(), game->Picture.Width(), {}};
    for (const TFormPiece* p : game->AllPieces()) cut.Shades.push_back(p->ShadeSprite);
    return cut;
  }
  std::vector<std::string>& Messages() { return host.messages; }
};

TEST_F(PieceSizeTest, ApplyCutsThePiecesAtTheNewShape) {
  Start();
  const Cut before = Current();
  game->ApplyPieceShape({.Scale = 50, .Style = 9, .Oddness = 7, .Fun = 2});
  EXPECT_EQ(game->CurrentPieceShape(), (PieceShape{50, 6, 7, 2})) << "the style is pinned to the mixture";
  EXPECT_EQ(game->Picture.Width(), 200);
  EXPECT_NE(Current().Shades, before.Shades);
  EXPECT_TRUE(Messages().empty());
}

// Cancel puts back what Apply changed; OK keeps it; a dialog that applied nothing
// changes nothing either way. Every run leaves a "size/shape" step.
TEST_F(PieceSizeTest, CancelAfterApplyPutsTheShapeBack) {
  const struct {
    const char* What;
    std::optional<PieceShape> Applied;
    bool Ok;
    bool KeepsApplied;
  } cases[] = {
      {"Cancel after Apply", PieceShape{150, 2, 4, 1}, false, false},
      {"OK after Apply", PieceShape{150, 2, 4, 1}, true, true},
      {"Cancel without Apply", std::nullopt, false, false},
      {"OK without Apply", std::nullopt, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Start();
    const Cut before = Current();
    Cut applied;
    game->ChangePieceSize([&] {
      if (c.Applied) game->ApplyPieceShape(*c.Applied);
      applied = Current();
      return c.Ok;
    });
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoSizeShape});
    EXPECT_TRUE(Current() == (c.KeepsApplied ? applied : before));
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(PieceSizeTest, UndoOfTheStepGivesBackTheShapeAndRedoTheNewOne) {
  Start();
  const Cut before = Current();
  Cut applied;
  game->ChangePieceSize([&] {
    game->ApplyPieceShape({.Scale = 60, .Style = 4, .Oddness = 3, .Fun = 0});
    applied = Current();
    return true;
  });
  game->UndoRedo(true);
  EXPECT_TRUE(Current() == before);
  EXPECT_EQ(host.MainForm().Get("RedoItem").Hint, "Redo size/shape");
  game->UndoRedo(false);
  EXPECT_TRUE(Current() == applied);
}

// A band selection waiting on the board is put down before the pieces are cut anew
// (its drag image shows the old cut); while pieces are carried on the pointer the
// command does nothing.
TEST_F(PieceSizeTest, SelectionGoesDownFirstAndCarriedPiecesWait) {
  Start();
  SpreadOut();
  const Rect box = P(5).BoardRect();
  Run("drag " + PointText({box.Left - 5, box.Top - 5}) + " " + PointText({box.Right + 5, box.Bottom + 5}) +
      " left\n");
  ASSERT_EQ(game->FDragState, DragState::BandSelected);
  game->ChangePieceSize([&] {
    game->ApplyPieceShape({.Scale = 70, .Style = 1, .Oddness = 0, .Fun = 0});
    return true;
  });
  EXPECT_EQ(PuzzleRecord.Scale, 70);
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_FALSE(P(5).Hidden);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "no trails";

  const Point grab = OnPiece(P(2));
  Run("press " + PointText(grab) + " middle\nrelease " + PointText(grab) + " middle\n");
  ASSERT_TRUE(game->FCarrying);
  game->undoKinds.clear();
  bool ran = false;
  game->ChangePieceSize([&] { return ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_TRUE(game->undoKinds.empty());
  EXPECT_TRUE(game->FCarrying);
}

// The cutting cannot get its bitmaps: the message says so and the pieces are cut at
// 100 % with the new shape.
TEST_F(PieceSizeTest, NoBitmapsFallsBackToFullSizeWithItsMessage) {
  Start();
  bool armed = true;
  host.onRepaintStatus = [&armed] {
    if (armed) {
      armed = false;
      throw std::bad_alloc();
    }
  };
  game->ApplyPieceShape({.Scale = 200, .Style = 2, .Oddness = 3, .Fun = 0});
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0],
            "Insufficient graphics resources to set such a large piece size - reducing the number of colors of your "
            "desktop may help. Setting scale factor back to 100%...");
  EXPECT_EQ(game->CurrentPieceShape(), (PieceShape{100, 2, 3, 0}));
  EXPECT_EQ(game->Picture.Width(), 400);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// Any other failure is no shortage of bitmaps: it is shown as it is, and the shape
// before Apply comes back.
TEST_F(PieceSizeTest, OtherFailuresShowTheirOwnTextAndKeepTheShapeBefore) {
  Start();
  game->ApplyPieceShape({.Scale = 80, .Style = 1, .Oddness = 2, .Fun = 0});
  const Cut before = Current();
  game->ApplyPieceShape({.Scale = 3000, .Style = 5, .Oddness = 9, .Fun = 0});
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], "The pieces cannot be cut at 3000%: the picture would be larger than 8191 pixels wide or high");
  EXPECT_TRUE(Current() == before);
}

}  // namespace
}  // namespace quill
