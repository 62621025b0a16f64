// Drawing pieces: a hand-made 4 × 4 piece composed onto a board in each outline
// style and option (smoothing, auto hide, joined sides, clipping, hidden pieces,
// masks), the wood edge of a hand-made mask, the wood texture resource, and whole
// puzzles cut from a picture: the solved picture drawn back, masks tiling the
// picture, square cells, wood edges on the last row, turned pieces lit anew and the
// same pieces whatever the number of threads.
#include "pieces/piece_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "common/errors.h"
#include "common/random.h"
#include "common/records.h"
#include "common/resources.h"
#include "demo_scene.h"
#include "fake_host.h"
#include "game/jigsaw.h"
#include "pieces/cover_map.h"
#include "pieces/cutting.h"
#include "pieces_fixture.h"
#include "raster/blit.h"
#include "raster/quarter_turns.h"

namespace quill {
namespace {

constexpr uint32_t kWood = 4;

uint32_t Word(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// The pixel bytes of a run-length sprite (0 where transparent).
std::vector<uint8_t> Decode(const SpriteBlock& block, int width, int height) {
  std::vector<uint8_t> out(static_cast<size_t>(width * height), 0);
  const uint8_t* row = block.data();
  for (int y = 0; y < height && row < block.data() + block.size(); ++y) {
    const uint8_t* end = row + (Word(row) & 0xFFFF);
    int x = 0;
    for (const uint8_t* run = row + 4; run < end;) {
      const uint32_t header = Word(run);
      const int length = static_cast<int>(header & 0xFFFF);
      run += 4;
      if (header >> 16 == 2) {
        std::copy(run, run + length, out.begin() + y * width + x);
        run += length;
      }
      x += length;
    }
    row = end;
  }
  return out;
}

// ---- One hand-made piece ----

// A 4 × 4 piece at (2, 2) of an 8 × 8 board, all of it inside its mask. Its top row
// is an edge of side 0 with coverages 7, 8, 4, 12, its bottom row an edge of side 2
// with coverage 4; row 1 is lit by 20 levels (side 0), row 2 darkened by 20 (side 2).
class HandMadePiece : public testing::PiecesFixture {
 protected:
  static constexpr Colour kPiece = MakeColour(200, 100, 50);
  static constexpr Colour kBoard = MakeColour(20, 40, 60);

  HandMadePiece() {
    Build(1, 1);
    TFormPiece& piece = P(0);
    piece.SetHome(0, 0, 4, 4);
    piece.X = piece.Y = 2;
    pieces->Picture = Bitmap(8, 8);
    pieces->MaskAtlas = Bitmap(8, 8, PixelFormat::Mono1);
    pieces->MaskAtlas.Fill(0xFF);
    pieces->CellBackup = Bitmap(8, 8);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        pieces->Picture.SetPixel(x, y, kPiece);
        pieces->MaskAtlas.SetPixel(x, y, 0);
      }
    }
    const std::array<uint8_t, 16> edge{7, 8, 4, 12, 0, 0, 0, 0, 0, 0, 0, 0, 128 + 4, 128 + 4, 128 + 4, 128 + 4};
    const std::array<uint8_t, 16> shade{0, 0, 0, 0, 52, 52, 52, 52, 128 + 22, 128 + 22, 128 + 22, 128 + 22, 0, 0, 0, 0};
    pieces->Sprite.Encode(piece.EdgeSprite, 4, edge.data(), 4, 4);
    pieces->Sprite.Encode(piece.ShadeSprite, 4, shade.data(), 4, 4);
    board.Fill(0);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) board.SetPixel(x, y, kBoard);
  }

  void Options(uint32_t style, bool smooth, bool autoHide) {
    pieces->Config().OutlineStyle = style;
    pieces->Config().AutoHide = autoHide;
    pieces->Sprite.SetSmooth(smooth);
  }
  // The board colour at piece pixel (x, y).
  Colour At(int x, int y) const { return static_cast<Colour>(board.PixelAt(2 + x, 2 + y)); }
  static Colour Blend(Colour c, int f) {
    const auto mix = [f](int b, int p) { return static_cast<uint8_t>(b + (p - b) * f / 16); };
    return MakeColour(mix(RedOf(kBoard), RedOf(c)), mix(GreenOf(kBoard), GreenOf(c)), mix(BlueOf(kBoard), BlueOf(c)));
  }
  static Colour Lit(int d) {
    const auto add = [d](int c) { return static_cast<uint8_t>(std::clamp(c + d, 0, 255)); };
    return MakeColour(add(RedOf(kPiece)), add(GreenOf(kPiece)), add(BlueOf(kPiece)));
  }

  Bitmap board{8, 8};
};

TEST_F(HandMadePiece, SmoothingOffShowsTheBoardBelowHalfCoverage) {
  Options(3, false, false);
  pieces->DrawPiece(P(0), board, nullptr);
  EXPECT_EQ(At(0, 0), kBoard);  // coverage 7
  EXPECT_EQ(At(1, 0), kPiece);  // coverage 8
  EXPECT_EQ(At(2, 0), kBoard);
  EXPECT_EQ(At(3, 0), kPiece);
  EXPECT_EQ(At(0, 3), kBoard);
  EXPECT_EQ(At(0, 1), Lit(40));  // (52 − 32) × 2
  EXPECT_EQ(At(0, 2), Lit(-20));
  EXPECT_EQ(board.PixelAt(1, 1), kBoard);  // outside the piece
}

TEST_F(HandMadePiece, SmoothingBlendsByCoverage) {
  Options(3, true, false);
  pieces->DrawPiece(P(0), board, nullptr);
  EXPECT_EQ(At(0, 0), Blend(kPiece, 7));
  EXPECT_EQ(At(3, 0), Blend(kPiece, 12));
  EXPECT_EQ(At(2, 3), Blend(kPiece, 4));
}

TEST_F(HandMadePiece, AutoHideHidesBevelAndBlendOnJoinedSidesOnly) {
  Options(3, true, true);
  TFormPiece& piece = P(0);
  piece.Joined = true;
  piece.JoinedSides = 1 << kTop;
  pieces->DrawPiece(piece, board, nullptr);
  EXPECT_EQ(At(0, 1), kPiece);  // no bevel on a joined piece
  EXPECT_EQ(At(0, 2), kPiece);
  EXPECT_EQ(At(0, 0), kBoard);  // joined side: hard edge
  EXPECT_EQ(At(1, 0), kPiece);
  EXPECT_EQ(At(2, 3), Blend(kPiece, 4));  // loose side: still blended
}

TEST_F(HandMadePiece, AutoHideLeavesALoosePieceAlone) {
  Options(3, true, true);
  pieces->DrawPiece(P(0), board, nullptr);
  EXPECT_EQ(At(0, 1), Lit(40));
  EXPECT_EQ(At(0, 0), Blend(kPiece, 7));
}

// Style None draws no bevel and never blends joined sides, yet still smooths the rest.
TEST_F(HandMadePiece, NoneStyleSmoothsOnlyOpenSides) {
  Options(0, true, false);
  TFormPiece& piece = P(0);
  piece.Joined = true;
  piece.JoinedSides = 1 << kTop;
  pieces->DrawPiece(piece, board, nullptr);
  EXPECT_EQ(At(0, 1), kPiece);
  EXPECT_EQ(At(0, 0), kBoard);
  EXPECT_EQ(At(3, 0), kPiece);
  EXPECT_EQ(At(1, 3), Blend(kPiece, 4));
}

TEST_F(HandMadePiece, ClipAndHiddenPiecesLimitTheDrawing) {
  Options(3, false, false);
  const Rect leftHalf{0, 0, 4, 8};
  pieces->DrawPiece(P(0), board, &leftHalf);
  EXPECT_EQ(At(1, 1), Lit(40));
  EXPECT_EQ(At(2, 1), kBoard);
  EXPECT_EQ(At(3, 0), kBoard);

  Bitmap before = board;
  P(0).Hidden = true;
  pieces->DrawPieces(pieces->AllPieces(), board, nullptr);
  EXPECT_EQ(board.PixelAt(3, 3), before.PixelAt(3, 3));
}

TEST_F(HandMadePiece, MasksDrawTheShapeInBlack) {
  Bitmap target(8, 8);
  target.Fill(0xFF);
  pieces->DrawPieceMasks(pieces->AllPieces(), target);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(target.PixelAt(x, y), x >= 2 && x < 6 && y >= 2 && y < 6 ? kBlack : kWhite) << x << "," << y;
}

// The piece's pixels come from the picture: where the box reaches past the picture's
// edge (its last row and column), the pixels inside the mask are black, at every
// rotation of the piece.
TEST_F(HandMadePiece, PixelsPastThePicturesEdgeAreBlack) {
  Options(0, false, false);
  pieces->Picture = Bitmap(3, 3);
  pieces->Picture.Fill(0xFF);  // white
  P(0).EdgeSprite.clear();
  struct Case {
    int rotation;
    bool (*past)(int x, int y);
  };
  const Case cases[] = {
      {0, [](int x, int y) { return x == 3 || y == 3; }},
      {1, [](int x, int y) { return x == 0 || y == 3; }},
      {2, [](int x, int y) { return x == 0 || y == 0; }},
      {3, [](int x, int y) { return x == 3 || y == 0; }},
  };
  for (const Case& c : cases) {
    P(0).Rotation = static_cast<uint8_t>(c.rotation);
    pieces->DrawPiece(P(0), board, nullptr);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(At(x, y), c.past(x, y) ? kBlack : kWhite) << "turn " << c.rotation << " at " << x << "," << y;
  }
}

// A turned piece shows the picture of its home box turned as the quarter-turn copy
// turns it, pixel for pixel, at every rotation, wide and tall.
TEST(PictureWalk, FollowsTheQuarterTurnCopy) {
  Bitmap picture(23, 17);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.SetPixel(x, y, MakeColour(static_cast<uint8_t>(x * 11), static_cast<uint8_t>(y * 13), 7));
  for (const auto& [w, h] : {std::pair{5, 3}, std::pair{4, 7}}) {
    for (int rotation = 0; rotation < 4; ++rotation) {
      TFormPiece piece;
      const bool odd = rotation % 2 == 1;
      piece.SetHome(6, 4, odd ? h : w, odd ? w : h);
      piece.Rotation = static_cast<uint8_t>(rotation);
      Bitmap turned(piece.Width, piece.Height);
      if (rotation == 0) BitBlt(turned, 0, 0, w, h, picture, 6, 4);
      else RotateCopy24(picture, turned, Rect{6, 4, 6 + w, 4 + h}, rotation, turned.Bounds());
      const PictureWalk walk = PictureWalkOf(piece);
      for (int y = 0; y < piece.Height; ++y)
        for (int x = 0; x < piece.Width; ++x) {
          const Point p = walk.At(x, y);
          ASSERT_EQ(picture.PixelAt(p.X, p.Y), turned.PixelAt(x, y)) << w << "x" << h << " turn " << rotation;
        }
    }
  }
}

// ---- Wood ----

// A 4 × 4 texture whose pixel (x, y) has palette index 1 + x + 4y.
Bitmap NumberedTexture() {
  Bitmap texture(4, 4, PixelFormat::Pal8);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) texture.SetPixel(x, y, static_cast<uint32_t>(1 + x + 4 * y));
  return texture;
}

TEST(WoodEdge, EveryRunInAColumnGetsABandBelowIt) {
  // Column 5 of the mask: inside at rows 0–2 and 4; column 6 outside throughout.
  const std::vector<uint8_t> mask{0xFB, 0xFB, 0xFB, 0xFF, 0xFB, 0xFF};
  const TSprite sprite(0);
  std::vector<uint8_t> scratch;
  SpriteBlock solid;
  BuildWoodEdge(sprite, NumberedTexture(), MaskCell{mask.data(), 1, 5, 0}, 2, 6, 2, scratch, solid);
  const std::vector<uint8_t> pixels = Decode(solid, 2, 8);
  // Texture column 5 mod 4 = 1: index 2 + 4 × (row mod 4). Row 2 is the run's own
  // last pixel; rows 3, then 4 (the next run's last), 5 and 6 hang below.
  const std::vector<uint8_t> expected{0, 0, 0, 0, 10, 0, 14, 0, 2, 0, 6, 0, 10, 0, 0, 0};
  EXPECT_EQ(pixels, expected);
  EXPECT_TRUE(std::all_of(scratch.begin(), scratch.end(), [](uint8_t b) { return b == 0; }));
}

TEST(WoodEdge, TextureResourceIsAPalettedPictureWithoutTheTransparentIndex) {
  const Bitmap texture = LoadSolidTexture();
  ASSERT_EQ(texture.Width(), kWoodTextureSize);
  ASSERT_EQ(texture.Height(), kWoodTextureSize);
  ASSERT_EQ(texture.Format(), PixelFormat::Pal8);
  for (int y = 0; y < texture.Height(); ++y)
    for (int x = 0; x < texture.Width(); ++x) ASSERT_NE(texture.ValueAt(x, y), 0u) << x << "," << y;
  // Warm browns: more red than blue in the middle of the picture.
  const Colour middle = static_cast<Colour>(texture.PixelAt(48, 48));
  EXPECT_GT(RedOf(middle), BlueOf(middle) + 40);
}

TEST(WoodEdge, MissingResourcesAreReportedByName) {
  try {
    LoadResourceStream("Oak", "JPG");
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "Can't load resource: Oak");
  }
  EXPECT_FALSE(LoadResourceStream("solid", "jpg").empty());
}

// ---- Whole puzzles ----

struct PieceData {
  int32_t homeX, homeY, width, height;
  SpriteBlock shade, edge, solid;
  friend bool operator==(const PieceData&, const PieceData&) = default;
};

class CutPuzzle : public ::testing::Test {
 protected:
  CutPuzzle() : saved_(PuzzleRecord) {}
  ~CutPuzzle() override {
    game.reset();
    PuzzleRecord = saved_;
  }

  // Cuts a demo picture into columns × rows Classic pieces and renders the atlases;
  // `turns` gives each piece its rotation before cutting.
  void Cut(int width, int height, int columns, int rows, uint32_t style, int threads = 0, bool turns = false) {
    game = std::make_unique<TJigsaw>(host, "");
    game->Picture = Bitmap(width, height);
    PaintDemoScene(game->Picture, 3);
    PuzzleRecord = TPuzzleRecord{};
    PuzzleRecord.Columns = static_cast<uint16_t>(columns);
    PuzzleRecord.Rows = static_cast<uint16_t>(rows);
    PuzzleRecord.PieceCount = static_cast<uint16_t>(columns * rows);
    PuzzleRecord.PictureWidth = PuzzleRecord.ScaledWidth = static_cast<uint16_t>(width);
    PuzzleRecord.PictureHeight = PuzzleRecord.ScaledHeight = static_cast<uint16_t>(height);
    PuzzleRecord.PieceStyle = 1;
    PuzzleRecord.Oddness = 7;
    PuzzleRecord.Seed = 12345;
    game->CreatePieceList();
    game->Config().OutlineStyle = style;
    game->ImagingThreads = threads;
    if (turns)
      for (TFormPiece* piece : game->AllPieces()) piece->Rotation = static_cast<uint8_t>((piece->Index * 5 + 1) % 4);
    SetRandSeed(PuzzleRecord.Seed);
    game->CutPieces(game->AllPieces(), true);
    game->RenderAtlases(game->MaskBuffer);
  }

  // Every piece drawn at its solved place on a board of one colour.
  Bitmap SolvedBoard(Colour colour) {
    Bitmap board(game->Picture.Width(), game->Picture.Height());
    for (int y = 0; y < board.Height(); ++y)
      for (int x = 0; x < board.Width(); ++x) board.SetPixel(x, y, colour);
    for (TFormPiece* piece : game->AllPieces()) {
      piece->X = piece->HomeX;
      piece->Y = piece->HomeY;
    }
    game->DrawPieces(game->AllPieces(), board, nullptr);
    return board;
  }

  // For every picture pixel, the coverage (0..16) of each piece that covers it.
  std::vector<std::vector<int>> Coverage() const {
    std::vector<std::vector<int>> cover(static_cast<size_t>(game->Picture.Width() * game->Picture.Height()));
    for (const TFormPiece* piece : game->AllPieces()) {
      const std::vector<uint8_t> edge = Decode(piece->EdgeSprite, piece->Width, piece->Height);
      for (int y = 0; y < piece->Height; ++y) {
        for (int x = 0; x < piece->Width; ++x) {
          if (game->MaskAtlas.ValueAt(piece->AtlasX + x, piece->AtlasY + y) != 0) continue;
          const uint8_t e = edge[static_cast<size_t>(y * piece->Width + x)];
          cover[static_cast<size_t>((piece->HomeY + y) * game->Picture.Width() + piece->HomeX + x)].push_back(
              e == 0 ? 16 : e & 63);
        }
      }
    }
    return cover;
  }

  // Whether any piece shades picture pixel (x, y).
  std::vector<bool> Shaded() const {
    std::vector<bool> shaded(static_cast<size_t>(game->Picture.Width() * game->Picture.Height()), false);
    for (const TFormPiece* piece : game->AllPieces()) {
      const std::vector<uint8_t> shade = Decode(piece->ShadeSprite, piece->Width, piece->Height);
      for (int y = 0; y < piece->Height; ++y)
        for (int x = 0; x < piece->Width; ++x)
          if (shade[static_cast<size_t>(y * piece->Width + x)] != 0)
            shaded[static_cast<size_t>((piece->HomeY + y) * game->Picture.Width() + piece->HomeX + x)] = true;
    }
    return shaded;
  }

  std::vector<PieceData> Pieces() const {
    std::vector<PieceData> all;
    for (const TFormPiece* p : game->AllPieces())
      all.push_back({p->HomeX, p->HomeY, p->Width, p->Height, p->ShadeSprite, p->EdgeSprite, p->SolidSprite});
    return all;
  }

  testing::FakeHost host;
  std::unique_ptr<TJigsaw> game;

 private:
  TPuzzleRecord saved_;
};

// Neighbours share the sub-pixels of their common outline, so a pixel it crosses is
// in both masks. Every sub-pixel of the picture belongs to some piece (the
// coverages at a pixel add up to 16 or more), and no pixel lies wholly inside two.
TEST_F(CutPuzzle, MasksTileThePictureOverlappingOnlyAtTheirOutlines) {
  Cut(240, 180, 4, 3, 3);
  const auto cover = Coverage();
  for (size_t i = 0; i < cover.size(); ++i) {
    int sum = 0, whole = 0;
    for (int c : cover[i]) {
      sum += c;
      whole += c == 16 ? 1 : 0;
    }
    ASSERT_GE(sum, 16) << "gap at " << i % 240 << "," << i / 240;
    ASSERT_LE(whole, 1) << "overlap at " << i % 240 << "," << i / 240;
  }
}

// With style None and smoothing off every pixel shows the picture where some piece
// covers at least half of it.
TEST_F(CutPuzzle, SolvedPictureIsExactWithoutOutlinesOrSmoothing) {
  Cut(240, 180, 4, 3, 0);
  game->Sprite.SetSmooth(false);
  const Bitmap board = SolvedBoard(MakeColour(0, 255, 0));
  const auto cover = Coverage();
  for (int y = 0; y < 180; ++y) {
    for (int x = 0; x < 240; ++x) {
      const auto& c = cover[static_cast<size_t>(y * 240 + x)];
      if (std::any_of(c.begin(), c.end(), [](int f) { return f >= 8; })) {
        ASSERT_EQ(board.PixelAt(x, y), game->Picture.PixelAt(x, y)) << x << "," << y;
      }
    }
  }
}

TEST_F(CutPuzzle, SolvedPictureShowsThroughAwayFromEdgesAndBevels) {
  Cut(240, 180, 4, 3, 3);
  const Bitmap board = SolvedBoard(MakeColour(0, 255, 0));
  const auto cover = Coverage();
  const auto shaded = Shaded();
  int compared = 0;
  for (int y = 0; y < 180; ++y) {
    for (int x = 0; x < 240; ++x) {
      const size_t at = static_cast<size_t>(y * 240 + x);
      if (shaded[at] || cover[at] != std::vector<int>{16}) continue;
      ASSERT_EQ(board.PixelAt(x, y), game->Picture.PixelAt(x, y)) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 240 * 180 / 2);
}

TEST_F(CutPuzzle, CellsAreSquareEvenForWidePieces) {
  Cut(400, 60, 4, 1, 3);  // pieces of 100 × 60 pixels
  const int32_t cell = PuzzleRecord.CellWidth;
  EXPECT_EQ(PuzzleRecord.CellHeight, cell);
  EXPECT_EQ(cell % 8, 0);
  EXPECT_EQ(PuzzleRecord.AtlasWidth % 16, 0);
  EXPECT_GE(PuzzleRecord.AtlasWidth, 4 * cell);
  EXPECT_EQ(PuzzleRecord.AtlasHeight, cell);
  int32_t widest = 0;
  for (const TFormPiece* piece : game->AllPieces()) {
    widest = std::max<int32_t>(widest, piece->Width);
    EXPECT_LT(piece->Height, piece->Width);
    EXPECT_EQ(piece->AtlasX, piece->Index * cell);
  }
  EXPECT_EQ(cell, (widest + 7) / 8 * 8);
  EXPECT_EQ(PuzzleRecord.ImageBufferSize, PuzzleRecord.AtlasWidth / 8 * (cell + game->Thickness));
}

TEST_F(CutPuzzle, LastRowOfCellsGetsItsWoodEdge) {
  Cut(240, 180, 4, 3, kWood);
  const int32_t thickness = game->Thickness;
  ASSERT_GE(thickness, 1);
  for (int index = 8; index < 12; ++index) {
    const TFormPiece& piece = game->Piece(index);
    const int w = piece.Width, h = piece.Height;
    const std::vector<uint8_t> wood = Decode(piece.SolidSprite, w, h + thickness);
    int columns = 0;
    for (int x = 0; x < w; ++x) {
      if (game->MaskAtlas.ValueAt(piece.AtlasX + x, piece.AtlasY + h - 1) != 0) continue;
      ++columns;
      for (int y = h - 1; y < h + thickness; ++y) ASSERT_NE(wood[static_cast<size_t>(y * w + x)], 0) << index;
    }
    EXPECT_GT(columns, w / 2) << index;
  }
}

TEST_F(CutPuzzle, ThreadsMakeNoDifference) {
  Cut(320, 240, 6, 5, kWood, 1, true);
  const std::vector<PieceData> alone = Pieces();
  const std::vector<uint8_t> masks = game->MaskBuffer;
  Cut(320, 240, 6, 5, kWood, 3, true);
  EXPECT_TRUE(Pieces() == alone);
  EXPECT_EQ(game->MaskBuffer, masks);
}

// A large board of many overlapping pieces is composed by bands of rows on several
// threads: every pixel comes out as when one thread draws it all, in the Card and
// Wood styles (whose edges hang into the next band), with turned and joined pieces,
// auto hide and a clip that cuts bands unevenly.
TEST_F(CutPuzzle, ComposingInBandsMakesNoDifference) {
  for (const uint32_t style : {3u, kWood}) {
    SCOPED_TRACE(style);
    Cut(640, 480, 12, 9, style, 1, true);
    game->Config().AutoHide = true;
    TPieceList list = game->AllPieces();
    SetRandSeed(7);
    for (TFormPiece* piece : list) {
      piece->X = Random(700) - 40;
      piece->Y = Random(560) - 40;
      piece->Group = piece->Index / 3;  // runs of three, drawn in list order
      piece->Joined = piece->Index % 3 != 0;
      piece->JoinedSides = static_cast<uint8_t>(piece->Index % 16);
    }
    const auto compose = [&](int threads, const Rect* clip) {
      game->ImagingThreads = threads;
      Bitmap board(660, 520);
      board.Fill(0x5A);
      game->DrawPieces(list, board, clip);
      return board;
    };
    const Rect clip{13, 7, 651, 517};
    for (const Rect* area : {static_cast<const Rect*>(nullptr), &clip}) {
      const Bitmap alone = compose(1, area), banded = compose(3, area);
      ASSERT_TRUE(std::equal(alone.Bits(), alone.Bits() + alone.Stride() * alone.Height(), banded.Bits()));
    }
  }
}

// Pieces piled deep: composing passes over the pieces that those drawn after them
// cover, and the pixels are those of drawing every piece in turn, in each style, with
// smoothing on and off, auto hide on joined pieces, and clipped.
TEST_F(CutPuzzle, PiecesCoveredByOthersAreLeftOutUnseen) {
  struct Case {
    uint32_t style;
    bool smooth;
  };
  for (const Case c : {Case{3, true}, Case{0, false}, Case{kWood, true}, Case{1, false}}) {
    SCOPED_TRACE(c.style);
    Cut(640, 480, 10, 8, c.style, 1, true);  // wood edges 4 pixels deep
    game->Config().AutoHide = true;
    game->Sprite.SetSmooth(c.smooth);
    TPieceList list = game->AllPieces();
    SetRandSeed(11);
    for (TFormPiece* piece : list) {
      piece->X = Random(160) - 20;
      piece->Y = Random(120) - 20;
      piece->Group = piece->Index / 2;
      piece->Joined = piece->Index % 2 == 1;
      piece->JoinedSides = static_cast<uint8_t>(piece->Index % 16);
    }
    list[40]->Hidden = true;
    const Rect area{0, 0, 300, 220};
    const std::vector<bool> covered = PiecesCoveredInArea(list, area, game->MaskAtlas, game->Thickness);
    ASSERT_GT(std::count(covered.begin(), covered.end(), true), 12) << "the pile is not deep enough to test";
    const Rect clip{7, 5, 201, 157};
    for (const Rect* within : {static_cast<const Rect*>(nullptr), &clip}) {
      Bitmap composed(300, 220), oneByOne(300, 220);
      composed.Fill(0x5A);
      oneByOne.Fill(0x5A);
      game->DrawPieces(list, composed, within);
      // Every piece drawn, group by group: wood edges first, then the faces.
      for (size_t start = 0; start < list.size(); start += 2) {
        if (c.style == kWood)
          for (size_t i = start; i < start + 2; ++i) game->DrawPieceSolid(*list[i], oneByOne, within);
        for (size_t i = start; i < start + 2; ++i) game->DrawPiece(*list[i], oneByOne, within);
      }
      ASSERT_TRUE(std::equal(composed.Bits(), composed.Bits() + composed.Stride() * composed.Height(),
                             oneByOne.Bits()));
    }
  }
}

// After a piece is turned its bevel must still be bright at the top and left.
TEST_F(CutPuzzle, TurnedPieceGetsNewShadeAndEdgeSprites) {
  Cut(240, 180, 4, 3, 3);
  TFormPiece& piece = game->Piece(5);
  const SpriteBlock oldShade = piece.ShadeSprite, oldEdge = piece.EdgeSprite;
  const std::vector<uint8_t> masks = game->MaskBuffer;
  const SpriteBlock neighbourShade = game->Piece(6).ShadeSprite;
  game->RotatePieces({&piece}, 1, false, false);
  game->CutPieces({&piece}, false);
  EXPECT_NE(piece.ShadeSprite, oldShade);
  EXPECT_NE(piece.EdgeSprite, oldEdge);
  EXPECT_EQ(game->MaskBuffer, masks);
  EXPECT_EQ(game->Piece(6).ShadeSprite, neighbourShade);

  // The new bevel brightens the top rows and left columns and darkens the bottom
  // rows and right columns.
  const int w = piece.Width, h = piece.Height;
  const std::vector<uint8_t> shade = Decode(piece.ShadeSprite, w, h);
  const auto light = [&](int x0, int y0, int x1, int y1) {
    int sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (const uint8_t s = shade[static_cast<size_t>(y * w + x)]; s != 0) sum += (s & 63) - 32;
    return sum;
  };
  EXPECT_GT(light(w / 3, 0, 2 * w / 3, h / 2), 0);
  EXPECT_LT(light(w / 3, h / 2, 2 * w / 3, h), 0);
  EXPECT_GT(light(0, h / 3, w / 2, 2 * h / 3), 0);
  EXPECT_LT(light(w / 2, h / 3, w, 2 * h / 3), 0);
}

}  // namespace
}  // namespace quill
