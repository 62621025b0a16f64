#include <gtest/gtest.h>

#include "board_views.h"
#include "demo_scene.h"
#include "fake_host.h"
#include "gift_fixture.h"
#include "jpeg_writer.h"

namespace quill {
namespace {

// Pixels at least this far from every piece edge show the picture unchanged: the
// bevels, smoothing and wood edges all lie closer to the edges.
constexpr int kEdgeDistance = 5;

class SolvedBoardTest : public ::testing::TestWithParam<int> {
 protected:
  std::unique_ptr<TJigsaw> BuildInStyle(int style) {
    Bitmap picture(320, 240, PixelFormat::Rgb24);
    PaintDemoScene(picture, 3);
    GiftParts parts;
    WriteJpeg(picture, 90, parts.Picture);
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 12;
    header.OutlineIndex = style;
    header.RotationOn = 1;  // turned pieces must come home the right way up
    auto game = std::make_unique<TJigsaw>(host, testing::MakeGiftFile(host.Temp(), header, parts).string());
    game->LoadGift();
    game->BuildPuzzle();
    return game;
  }

  testing::FakeHost host;
};

// Which piece covers each board pixel (-1 none, -2 more than one: pixels that an
// outline crosses belong to the pieces on both sides of it).
std::vector<int> Owners(TJigsaw& game, int width, int height) {
  std::vector<int> owner(static_cast<size_t>(width) * height, -1);
  for (TFormPiece* piece : game.AllPieces())
    for (int y = piece->Y; y < piece->Y + piece->Height; ++y)
      for (int x = piece->X; x < piece->X + piece->Width; ++x)
        if (x >= 0 && y >= 0 && x < width && y < height && game.IsOpaqueAt(*piece, x, y)) {
          int& o = owner[static_cast<size_t>(y) * width + x];
          o = o == -1 ? piece->Index : -2;
        }
  return owner;
}

TEST_P(SolvedBoardTest, ReproducesThePictureAwayFromPieceEdges) {
  auto game = BuildInStyle(GetParam());
  const SolvedBoard solved = ComposeSolvedBoard(*game);
  const Bitmap& picture = game->Picture;
  const int w = solved.Board.Width(), h = solved.Board.Height();
  const std::vector<int> owner = Owners(*game, w, h);
  auto ownerAt = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? -1 : owner[static_cast<size_t>(y) * w + x]; };

  int compared = 0, differing = 0, uncovered = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const int bx = x + solved.Origin.X, by = y + solved.Origin.Y;
      const int o = ownerAt(bx, by);
      if (o == -1) ++uncovered;
      if (o < 0) continue;
      bool interior = true;
      for (int dy = -kEdgeDistance; dy <= kEdgeDistance && interior; dy += kEdgeDistance)
        for (int dx = -kEdgeDistance; dx <= kEdgeDistance && interior; dx += kEdgeDistance)
          interior = ownerAt(bx + dx, by + dy) == o;
      if (!interior) continue;
      ++compared;
      if (solved.Board.PixelAt(bx, by) != picture.PixelAt(x, y)) ++differing;
    }
  }
  EXPECT_EQ(uncovered, 0) << "every picture pixel belongs to a piece";
  EXPECT_GT(compared, picture.Width() * picture.Height() / 3);
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(OutlineStyles, SolvedBoardTest, ::testing::Values(0, 1, 2, 3, 4));

class WoodTurnTest : public SolvedBoardTest {
 protected:
  // Near-white, which the wood texture never is.
  static constexpr uint8_t kUnpaintedByte = 0xFE;
  static constexpr int64_t kUnpainted = 0xFEFEFE;

  // Which pixels of width × (height + Thickness) the piece's wood image paints.
  static std::vector<bool> WoodPixels(TJigsaw& game, const TFormPiece& piece) {
    Bitmap canvas(piece.Width, piece.Height + game.Thickness, PixelFormat::Rgb24);
    canvas.Fill(kUnpaintedByte);
    game.Sprite.Draw(SpriteMode::Palette, piece.SolidSprite, nullptr, nullptr, canvas.Height(), canvas.Width(), 0, 0,
                     canvas);
    std::vector<bool> painted;
    for (int y = 0; y < canvas.Height(); ++y)
      for (int x = 0; x < canvas.Width(); ++x) painted.push_back(canvas.PixelAt(x, y) != kUnpainted);
    return painted;
  }
};

// The wood hangs below the piece as it lies now: just under the lowest piece pixel
// of every column there is wood, whichever way the piece was turned.
TEST_F(WoodTurnTest, TurnedPieceGetsTheWoodOfItsNewShape) {
  auto game = BuildInStyle(4);
  ASSERT_GE(game->Thickness, 2);
  TFormPiece* piece = nullptr;
  for (TFormPiece* p : game->AllPieces())
    if (p->Width != p->Height) piece = p;
  ASSERT_NE(piece, nullptr);
  const SpriteBlock original = piece->SolidSprite;

  game->RotatePieces({piece}, 1, false, false);
  const std::vector<bool> wood = WoodPixels(*game, *piece);
  const int width = piece->Width;
  int columns = 0;
  for (int x = 0; x < width; ++x) {
    int lowest = -1;
    for (int y = 0; y < piece->Height; ++y)
      if (game->IsOpaqueAt(*piece, piece->X + x, piece->Y + y)) lowest = y;
    if (lowest < 0) continue;
    ++columns;
    EXPECT_TRUE(wood[static_cast<size_t>(lowest + 1) * width + x]) << "column " << x;
  }
  EXPECT_GT(columns, width / 2);

  game->RotatePieces({piece}, 3, false, false);
  EXPECT_EQ(piece->SolidSprite, original) << "a whole turn gives back the same wood";
}

}  // namespace
}  // namespace quill
