// Sorting, colour ranking, random and pending quarter turns, and scattering of the
// piece collection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/random.h"
#include "common/records.h"
#include "demo_scene.h"
#include "pieces/arrangement.h"
#include "pieces/tab_codes.h"
#include "pieces_fixture.h"
#include "raster/blit.h"
#include "raster_pictures.h"

namespace quill {
namespace {

using testing::PiecesFixture;
using Rows = std::vector<std::string>;

std::vector<int> Indexes(const TPieceList& list) {
  std::vector<int> indexes;
  for (const TFormPiece* piece : list) indexes.push_back(piece->Index);
  return indexes;
}

// Everything a progress report was called with.
struct ProgressLog {
  struct Call {
    int done;
    int total;
    std::string caption;  // "(end)" for the closing call
    friend bool operator==(const Call&, const Call&) = default;
  };
  std::vector<Call> calls;
  ProgressReport Report() {
    return [this](int done, int total, const char* caption) {
      calls.push_back({done, total, caption ? caption : "(end)"});
    };
  }
};

// ---- Sorting ----

class ArrangementSort : public PiecesFixture {
 protected:
  ArrangementSort() {
    Build(6, 1);
    struct Fields {
      int32_t group;
      ShapeKind shapeClass;
      uint8_t tabCode;
      int32_t colour;
      int16_t sortKey;
    };
    const Fields table[] = {
        {5, ShapeKind::Middle, 3, 40, 100},    // piece 0
        {2, ShapeKind::Corner, 7, 10, -5},     // piece 1
        {5, ShapeKind::Middle, 1, 30, 32767},  // piece 2
        {9, ShapeKind::Corner, 2, 50, -32768}, // piece 3
        {2, ShapeKind::BottomSide, 0, 20, 0},  // piece 4
        {0, ShapeKind::Middle, 1, 5, 7},       // piece 5: same shape and tab code as piece 2
    };
    for (int i = 0; i < 6; ++i) {
      P(i).Group = table[i].group;
      P(i).ShapeClass = table[i].shapeClass;
      P(i).TabCode = table[i].tabCode;
      P(i).Colour = table[i].colour;
      P(i).SortKey = table[i].sortKey;
    }
  }
};

TEST_F(ArrangementSort, SortsByEachKey) {
  struct Case {
    const char* name;
    int key;
    std::vector<int> list;
    std::vector<int> expected;
  };
  const std::vector<int> all{0, 1, 2, 3, 4, 5};
  const Case cases[] = {
      {"group, then index", kSortByGroup, all, {5, 1, 4, 0, 2, 3}},
      // Without piece 5, no two pieces share shape and tab code.
      {"shape, then tab code", kSortByShape, {0, 1, 2, 3, 4}, {3, 1, 4, 2, 0}},
      {"colour", kSortByColour, all, {5, 1, 4, 2, 0, 3}},
      {"shape, tab code, then colour", kSortByShapeColour, all, {3, 1, 4, 5, 2, 0}},
      {"random key, the full signed range", kSortByRandomKey, all, {3, 1, 4, 5, 0, 2}},
      {"only the low 7 bits count: 128 + 2", 0x82, all, {5, 1, 4, 2, 0, 3}},
      {"only the low 7 bits count: 128 + 4", 0x84, all, {3, 1, 4, 5, 0, 2}},
      {"unknown key 5 leaves the list", 5, {3, 0, 5}, {3, 0, 5}},
      {"unknown key 127 leaves the list", 127, {3, 0, 5}, {3, 0, 5}},
      {"an empty list stays empty", kSortByGroup, {}, {}},
  };
  for (const Case& c : cases) {
    TPieceList list;
    for (int i : c.list) list.push_back(&P(i));
    TPieces::SortPieces(list, c.key);
    EXPECT_EQ(Indexes(list), c.expected) << c.name;
  }
}

// ---- Colour ranking ----

TEST(ArrangementColourSamples, AveragesEveryFourthPixelFromTheFourth) {
  // White everywhere except the four pixels a box at (1, 1) of 9 × 9 samples:
  // (5, 5), (9, 5), (5, 9) and (9, 9).
  Bitmap picture(12, 12);
  picture.Fill(0xFF);
  picture.SetPixel(5, 5, MakeColour(255, 0, 0));
  picture.SetPixel(9, 5, MakeColour(0, 255, 0));
  picture.SetPixel(5, 9, MakeColour(0, 0, 255));
  picture.SetPixel(9, 9, MakeColour(1, 2, 3));
  struct Case {
    const char* name;
    PieceBox box;
    Colour expected;
  };
  const Case cases[] = {
      // (255 + 1) / 4, (255 + 2) / 4, (255 + 3) / 4, each truncated.
      {"four samples", {1, 1, 9, 9}, MakeColour(64, 64, 64)},
      // x = 8 is not < 8: only (5, 5) and (5, 9).
      {"the far edge is outside", {1, 1, 8, 9}, MakeColour(127, 0, 127)},
      {"too narrow for a sample", {1, 1, 4, 9}, MakeColour(0, 0, 0)},
      // (9, 9) and three samples beyond the picture, which read as white.
      {"hanging off the picture", {5, 5, 9, 9}, MakeColour(191, 191, 192)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<Colour>(SampleAverageColour(picture, c.box)), c.expected) << c.name;
  }
}

class ArrangementColourChain : public PiecesFixture {};

// Eight pieces in a row, each cell painted one colour. The chain, worked by hand
// (d = floor of the colour distance, k = the threshold at which a search stops):
//   rank 0: piece 0 (100,0,0), k 0. Its successor 1 is searched last: 2 d100, 3 d70,
//           4 d100, 5 d10 (√116), 6 d67, 7 d69, 1 d10 — not nearer than 5. Next 5; k 1.
//   rank 1: piece 5, k 1: 7 d59, 1 d20, 2 d90, 3 d60, 4 d110, 6 d57. Next 1; k 2.
//   rank 2: piece 1, k 2: 3 d80, 4 d90, 6 d77, 7 d79, 2 d110. Next 6; k 3.
//   rank 3: piece 6, k 3: 2 d33, 3 d3 ≤ k stops the search before 7 (d2). Next 3.
//   rank 4: piece 3: 7 d1 ≤ k. Next 7.
//   rank 5: piece 7: 4 d169, 2 d31. Next 2; k 4.
//   rank 6: piece 2: 4. rank 7: piece 4.
TEST_F(ArrangementColourChain, RanksAHandMadePicture) {
  Build(8, 1);
  const Colour colours[] = {MakeColour(100, 0, 0), MakeColour(110, 0, 0), MakeColour(0, 0, 0),
                            MakeColour(30, 0, 0),  MakeColour(200, 0, 0), MakeColour(90, 4, 0),
                            MakeColour(33, 0, 0),  MakeColour(31, 0, 0)};
  Bitmap picture(8 * kCell, kCell);
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < 8 * kCell; ++x) picture.SetPixel(x, y, colours[x / kCell]);

  ProgressLog log;
  pieces->SortByColour(picture, log.Report());

  const int expectedRanks[] = {0, 2, 6, 4, 7, 1, 3, 5};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(P(i).Colour, expectedRanks[i]) << "piece " << i;
  ASSERT_EQ(log.calls.size(), 10u);
  EXPECT_EQ(log.calls.front(), (ProgressLog::Call{0, 8, "Sorting colors: "}));
  for (int done = 1; done <= 8; ++done) EXPECT_EQ(log.calls[done], (ProgressLog::Call{done, 8, "Sorting colors: "}));
  EXPECT_EQ(log.calls.back(), (ProgressLog::Call{0, 0, "(end)"}));
}

TEST_F(ArrangementColourChain, StartsWithPieceZeroAndRanksEveryPieceOnce) {
  // A photograph-like picture, so piece 0 is far from the first rank's nearest colour.
  Build(8, 6);
  Bitmap picture(8 * kCell, 6 * kCell);
  PaintDemoScene(picture, 3);
  pieces->SortByColour(picture);

  std::vector<bool> seen(48, false);
  for (const TFormPiece* piece : pieces->AllPieces()) {
    ASSERT_GE(piece->Colour, 0);
    ASSERT_LT(piece->Colour, 48);
    EXPECT_FALSE(seen[static_cast<size_t>(piece->Colour)]) << "rank " << piece->Colour << " twice";
    seen[static_cast<size_t>(piece->Colour)] = true;
  }
  EXPECT_EQ(P(0).Colour, 0);
}

// ---- Random and pending turns ----

class ArrangementRotation : public PiecesFixture {
 protected:
  ArrangementRotation() { Build(3, 2); }
};

TEST_F(ArrangementRotation, RandomTurnsNeedRotatingPieces) {
  pieces->Config().Rotating = false;
  P(2).Rotation = 1;
  P(3).PendingTurns = 2;
  SetRandSeed(99);
  pieces->RandomiseRotation(pieces->AllPieces(), true);
  pieces->RandomiseRotation(pieces->AllPieces(), false);
  for (const TFormPiece* piece : pieces->AllPieces()) {
    EXPECT_EQ(piece->Rotation, piece->Index == 2 ? 1 : 0) << piece->Index;
    EXPECT_EQ(piece->PendingTurns, piece->Index == 3 ? 2 : 0) << piece->Index;
  }
  EXPECT_EQ(RandSeed(), 99) << "no number drawn";
}

TEST_F(ArrangementRotation, RandomTurnsGoToLoosePiecesInListOrder) {
  pieces->Config().Rotating = true;
  for (const bool direct : {true, false}) {
    Build(3, 2);
    Group({1, 4});
    SetRandSeed(2024);
    const int first = Random(4), second = Random(4), third = Random(4);
    SetRandSeed(2024);
    pieces->RandomiseRotation(List({5, 4, 0, 1, 3}), direct);
    const int expected[6] = {second, 0, 0, third, 0, first};  // by index; 1 and 4 are joined
    for (int i = 0; i < 6; ++i) {
      const TFormPiece& piece = P(i);
      EXPECT_EQ(direct ? piece.Rotation : piece.PendingTurns, expected[i]) << "piece " << i << " direct " << direct;
      EXPECT_EQ(direct ? piece.PendingTurns : piece.Rotation, 0) << "piece " << i << " direct " << direct;
    }
  }
}

TEST_F(ArrangementRotation, TurningUpdatesRotationSizeTabCodeAndAtHome) {
  struct Case {
    const char* name;
    uint8_t rotation;
    uint8_t pending;
    int extra;
    uint8_t expectedRotation;
    bool exchanged;
  };
  const Case cases[] = {
      {"one extra quarter turn", 0, 0, 1, 1, true},
      {"one extra quarter turn from 3", 3, 0, 1, 0, true},
      {"pending half turn", 1, 2, 0, 3, false},
      {"pending three quarters", 2, 3, 0, 1, true},
      {"three extra quarter turns", 1, 0, 3, 0, true},
  };
  for (const Case& c : cases) {
    Build(3, 2);
    TFormPiece& piece = P(4);
    piece.SetHome(100, 100, 60, 80);
    piece.Rotation = c.rotation;
    piece.PendingTurns = c.pending;
    piece.TabCode = TabCodeOfPattern(0b0001);  // a tab on top
    piece.AtHome = true;
    pieces->RotatePieces(List({4}), c.extra, false, false);
    const int turns = (c.pending + c.extra) % 4;
    EXPECT_EQ(piece.Rotation, c.expectedRotation) << c.name;
    EXPECT_EQ(piece.PendingTurns, 0) << c.name;
    EXPECT_EQ(piece.Width, c.exchanged ? 80 : 60) << c.name;
    EXPECT_EQ(piece.Height, c.exchanged ? 60 : 80) << c.name;
    EXPECT_EQ(piece.TabCode, TabCodeOfPattern(static_cast<uint8_t>(1 << turns))) << c.name;
    EXPECT_FALSE(piece.AtHome) << c.name;
  }
}

TEST_F(ArrangementRotation, NoTurnLeavesThePieceAlone) {
  P(4).SetHome(100, 100, 60, 80);
  P(4).Rotation = 2;
  P(4).TabCode = 5;
  P(4).AtHome = true;
  pieces->RotatePieces(List({4}), 0, false, false);
  EXPECT_EQ(P(4).Rotation, 2);
  EXPECT_EQ(P(4).Width, 60);
  EXPECT_EQ(P(4).TabCode, 5);
  EXPECT_TRUE(P(4).AtHome);
}

TEST_F(ArrangementRotation, PendingTurnsAreListedInIndexOrder) {
  P(5).PendingTurns = 1;
  P(0).PendingTurns = 3;
  P(2).PendingTurns = 2;
  TPieceList list = List({4});
  pieces->ListPendingRotation(list);
  EXPECT_EQ(Indexes(list), (std::vector<int>{4, 0, 2, 5}));
}

// Two cells of 4 × 4 side by side. Piece 1 is 3 × 2 in the right cell: its picture
// RGB / YCM at (4, 0), mask 001 / 011 (0 inside); the rest of its cell holds 0 bits.
// Piece 0 fills the left cell with an all-inside mask.
class ArrangementAtlasTurns : public PiecesFixture {
 protected:
  ArrangementAtlasTurns() {
    Build(2, 1);
    PuzzleRecord.CellWidth = PuzzleRecord.CellHeight = 4;
    P(0).SetHome(0, 0, 4, 4);
    pieces->Picture = test::Picture({"GGGGRGBW", "GGGGYCMW", "GGGGWWWW", "GGGGWWWW"});
    Reset();
  }
  void Reset() {
    P(1).SetHome(4, 0, 3, 2);
    P(1).AtlasX = 4;
    P(1).Rotation = 0;
    pieces->MaskAtlas = test::Picture(PixelFormat::Mono1, {"00000010", "00000110", "00000000", "00000000"});
  }
  static Rows Cell(const Bitmap& atlas, int left) {
    Bitmap cell(4, 4, atlas.Format());
    BitBlt(cell, 0, 0, 4, 4, atlas, left, 0);
    return test::Text(cell);
  }
  // Piece 1 drawn at the top-left of a black 4 × 4 board.
  Rows Drawn() {
    Bitmap board(4, 4);
    pieces->CellBackup = Bitmap(4, 4);
    P(1).X = P(1).Y = 0;
    pieces->DrawPiece(P(1), board, nullptr);
    return test::Text(board);
  }
};

TEST_F(ArrangementAtlasTurns, TurnsTheMaskBitsAndThePiecesPixels) {
  struct Case {
    int turns;
    Rows mask;
    Rows drawn;
  };
  // Only the 3 × 3 square that holds the piece before and after the turn is written
  // back, with a white (1) mask where the turned piece does not reach. The last
  // column and row keep what the cell held.
  const Case cases[] = {
      {1, {"0010", "1010", "1110", "0000"}, {"YR..", ".G..", "....", "...."}},
      {2, {"1100", "1000", "1110", "0000"}, {"..Y.", ".GR.", "....", "...."}},
      {3, {"1110", "0110", "0010", "0000"}, {"....", "G...", "RY..", "...."}},
  };
  for (const Case& c : cases) {
    Reset();
    pieces->RotatePieces(List({1}), c.turns, false, false);
    EXPECT_EQ(Cell(pieces->MaskAtlas, 4), c.mask) << "turns " << c.turns;
    EXPECT_EQ(Drawn(), c.drawn) << "turns " << c.turns;
    EXPECT_EQ(Cell(pieces->MaskAtlas, 0), Rows(4, "0000")) << "turns " << c.turns;
  }
}

TEST_F(ArrangementAtlasTurns, TurningTwiceByOneEqualsAHalfTurn) {
  pieces->RotatePieces(List({1}), 1, false, false);
  pieces->RotatePieces(List({1}), 1, false, false);
  EXPECT_EQ(P(1).Width, 3);
  EXPECT_EQ(P(1).Rotation, 2);
  EXPECT_EQ(Cell(pieces->MaskAtlas, 4), (Rows{"1100", "1000", "1110", "0000"}));
  EXPECT_EQ(Drawn(), (Rows{"..Y.", ".GR.", "....", "...."}));
}

TEST_F(ArrangementAtlasTurns, ReportsTheWaitCursorAndProgressWhenAsked) {
  struct Case {
    const char* name;
    bool waitCursor;
    bool progress;
    std::vector<ProgressLog::Call> expected;
  };
  const ProgressLog::Call begin{0, 2, "Rotating: "}, end{0, 0, "(end)"};
  const ProgressLog::Call second{2, 2, "Rotating: "};  // piece 0 has no turn to make
  const Case cases[] = {
      {"both", true, true, {begin, second, end}},
      {"cursor only", true, false, {begin, end}},
      {"progress only", false, true, {second, end}},
      {"neither", false, false, {end}},
  };
  for (const Case& c : cases) {
    Reset();
    P(1).PendingTurns = 1;
    ProgressLog log;
    pieces->RotatePieces(List({0, 1}), 0, c.waitCursor, c.progress, log.Report());
    EXPECT_EQ(log.calls, c.expected) << c.name;
  }
  // A single piece never shows the wait cursor.
  Reset();
  ProgressLog log;
  pieces->RotatePieces(List({1}), 1, true, false, log.Report());
  EXPECT_EQ(log.calls, (std::vector<ProgressLog::Call>{end}));
}

// ---- Scattering ----

class ArrangementScatter : public PiecesFixture {
 protected:
  ArrangementScatter() { Build(4, 3); }
  static constexpr Rect kArea{20, 10, 620, 410};
  // Pieces land at Left + Random(width − m + 1), m = 100 − 100 div 8 = 88.
  static constexpr int32_t kXRange = 600 - 88 + 1;
  static constexpr int32_t kYRange = 400 - 88 + 1;
};

TEST_F(ArrangementScatter, DrawsXThenYThenSortKeyForEachLoosePieceInListOrder) {
  Group({5, 6});
  for (TFormPiece* piece : pieces->AllPieces()) {
    piece->Placed = true;
    piece->AtHome = true;
    piece->ShapeClass = static_cast<ShapeKind>(99);
  }
  const TPieceList list = List({11, 6, 3, 5, 0});
  SetRandSeed(77);
  struct Draws {
    int32_t x, y, key;
  };
  std::vector<Draws> draws;
  for (int i = 0; i < 3; ++i) {
    const int32_t x = Random(kXRange), y = Random(kYRange), key = Random(65535);
    draws.push_back({x, y, key});
  }
  SetRandSeed(77);
  pieces->ScatterPieces(list, kArea);

  const int loose[] = {11, 3, 0};
  for (int n = 0; n < 3; ++n) {
    const TFormPiece& piece = P(loose[n]);
    EXPECT_EQ(piece.Group, 12 + n) << "piece " << loose[n];
    EXPECT_EQ(piece.X, kArea.Left + draws[n].x) << "piece " << loose[n];
    EXPECT_EQ(piece.Y, kArea.Top + draws[n].y) << "piece " << loose[n];
    EXPECT_EQ(piece.SortKey, static_cast<int16_t>(draws[n].key)) << "piece " << loose[n];
    EXPECT_DOUBLE_EQ(piece.NormX, 400.0 * (piece.X - 20) / 600 + 20) << "piece " << loose[n];
    EXPECT_FALSE(piece.Placed || piece.AtHome) << "piece " << loose[n];
  }
  EXPECT_EQ(PuzzleRecord.NextGroup, 15);
  // Joined pieces stay where they were, keep their group and flags, but are classified.
  for (const int i : {5, 6}) {
    EXPECT_EQ(P(i).X, P(i).HomeX) << i;
    EXPECT_EQ(P(i).Y, P(i).HomeY) << i;
    EXPECT_EQ(P(i).Group, 5) << i;
    EXPECT_TRUE(P(i).Placed) << i;
  }
  EXPECT_EQ(P(5).ShapeClass, ShapeKind::Middle);
  EXPECT_EQ(P(11).ShapeClass, ShapeKind::Corner);
  EXPECT_EQ(P(3).ShapeClass, ShapeKind::Corner);
  EXPECT_EQ(P(1).ShapeClass, static_cast<ShapeKind>(99)) << "not in the list";
}

TEST_F(ArrangementScatter, KeepsPiecesInTheArea) {
  // Pieces of 100 land with X in Left .. Right − 88 and Y in Top .. Bottom − 88.
  struct Case {
    const char* name;
    Rect area;
    Rect corners;  // the smallest and largest X and Y allowed, both inclusive
  };
  const Case cases[] = {
      {"a board", {0, 0, 800, 600}, {0, 0, 712, 512}},
      {"a tray's inside", {300, 200, 520, 350}, {300, 200, 432, 262}},
      // Narrower than a piece: Random(≤ 0) gives 0, and keeping the piece in view
      // then pulls it 10 left, so it overlaps the strip's right edge by 40.
      {"a strip", {50, 50, 80, 700}, {40, 50, 40, 612}},
  };
  for (const Case& c : cases) {
    for (const int32_t seed : {1, 2, 3}) {
      Build(4, 3);
      SetRandSeed(seed);
      pieces->ScatterPieces(pieces->AllPieces(), c.area);
      for (const TFormPiece* piece : pieces->AllPieces()) {
        EXPECT_GE(piece->X, c.corners.Left) << c.name << ", piece " << piece->Index;
        EXPECT_LE(piece->X, c.corners.Right) << c.name << ", piece " << piece->Index;
        EXPECT_GE(piece->Y, c.corners.Top) << c.name << ", piece " << piece->Index;
        EXPECT_LE(piece->Y, c.corners.Bottom) << c.name << ", piece " << piece->Index;
      }
    }
  }
}

TEST_F(ArrangementScatter, RandomKeyOrderIsRepeatableForTheSameSeed) {
  auto scatteredOrder = [this](int32_t seed) {
    Build(4, 3);
    SetRandSeed(seed);
    pieces->ScatterPieces(pieces->AllPieces(), kArea);
    TPieceList list = pieces->AllPieces();
    TPieces::SortPieces(list, kSortByRandomKey);
    for (size_t i = 1; i < list.size(); ++i) EXPECT_LE(list[i - 1]->SortKey, list[i]->SortKey);
    return Indexes(list);
  };
  const std::vector<int> first = scatteredOrder(5);
  EXPECT_EQ(scatteredOrder(5), first);
  EXPECT_NE(scatteredOrder(6), first);
  EXPECT_NE(first, Indexes(pieces->AllPieces())) << "the order is random";
}

}  // namespace
}  // namespace quill
