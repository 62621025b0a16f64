#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/random.h"
#include "common/records.h"
#include "fake_host.h"
#include "game/jigsaw.h"
#include "gift_fixture.h"
#include "jpeg_samples.h"

namespace quill {
namespace {

using testing::FakeHost;

class BuildPuzzleTest : public ::testing::Test {
 protected:
  std::unique_ptr<TJigsaw> Build(int width, int height, uint16_t pieces) {
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = pieces;
    GiftParts parts;
    parts.Picture = testing::SceneJpeg(width, height, 7, 80);
    auto game = std::make_unique<TJigsaw>(host, testing::MakeGiftFile(host.Temp(), header, parts).string());
    game->LoadGift();
    game->BuildPuzzle();
    return game;
  }

  std::vector<PieceSides> Outlines(TJigsaw& game) {
    std::vector<PieceSides> all;
    SetRandSeed(PuzzleRecord.Seed);
    game.GenerateOutlines([&](TFormPiece&, const PieceSides& sides) { all.push_back(sides); });
    return all;
  }

  FakeHost host;
};

TEST_F(BuildPuzzleTest, GridOfTheWorkedExample) {
  auto game = Build(540, 670, 35);
  EXPECT_EQ(PuzzleRecord.Columns, 5);
  EXPECT_EQ(PuzzleRecord.Rows, 7);
  EXPECT_EQ(PuzzleRecord.PieceCount, 35);
  EXPECT_EQ(game->Count(), 35);
  EXPECT_EQ(game->Unscaled().Width(), 540);
  EXPECT_EQ(game->Piece(0).ShapeClass, ShapeKind::Corner);
  EXPECT_EQ(game->Piece(6).ShapeClass, ShapeKind::Middle);
}

TEST_F(BuildPuzzleTest, NeighboursShareTheirEdgesAndRebuildsAreIdentical) {
  auto game = Build(400, 300, 12);
  const auto first = Outlines(*game);
  const auto second = Outlines(*game);
  ASSERT_EQ(first.size(), 12u);
  const int columns = PuzzleRecord.Columns;
  for (size_t i = 0; i < first.size(); ++i) {
    for (int side = 0; side < 4; ++side) {
      const SidePoints& a = first[i][side];
      const SidePoints& b = second[i][side];
      ASSERT_EQ(a.Count, b.Count);
      EXPECT_TRUE(std::equal(a.Points.begin(), a.Points.begin() + a.Count, b.Points.begin()));
    }
    // The right side of a piece is the left side of the piece to its right.
    if ((i + 1) % columns != 0) {
      const SidePoints& right = first[i][1];
      const SidePoints& left = first[i + 1][3];
      ASSERT_EQ(right.Count, left.Count);
      EXPECT_TRUE(std::equal(right.Points.begin(), right.Points.begin() + right.Count, left.Points.begin()));
    }
  }
}

TEST_F(BuildPuzzleTest, PictureThatDoesNotDecodeFailsClearly) {
  GiftHeader header = DefaultGiftHeader();
  TJigsaw game(host, testing::MakeGiftFile(host.Temp(), header).string());
  game.LoadGift();
  try {
    game.BuildPuzzle();
    FAIL();
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find("The picture could not be read"), std::string::npos);
  }
}

// The picture's size is judged from its JPEG header: a picture declaring more than the
// player can cut is refused with the size message, before the decoder would take
// memory for its pixels (30000 × 30000 would need 2.7 GB) or judge it by its own rule.
TEST_F(BuildPuzzleTest, TooLargePictureIsRefusedByItsDeclaredSize) {
  for (const auto& [width, height] : {std::pair{30000, 30000}, std::pair{8192, 64}, std::pair{64, 9000}}) {
    GiftParts parts;
    parts.Picture = testing::WithDeclaredSize(testing::SceneJpeg(64, 64, 7, 80), static_cast<uint16_t>(width),
                                              static_cast<uint16_t>(height));
    TJigsaw game(host, testing::MakeGiftFile(host.Temp(), DefaultGiftHeader(), parts).string());
    game.LoadGift();
    try {
      game.BuildPuzzle();
      ADD_FAILURE() << width << " x " << height << " was built";
    } catch (const UserError& e) {
      EXPECT_STREQ(e.what(),
                   "The picture of this jigsaw is too large: at most 8191 pixels wide and high can be cut into pieces")
          << width << " x " << height;
    }
  }
}

}  // namespace
}  // namespace quill
