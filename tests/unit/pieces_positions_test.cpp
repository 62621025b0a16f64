// Board positions of the piece collection: normalised positions, keeping groups
// in view and on the board, and fitting groups back into an area.
#include <gtest/gtest.h>

#include "pieces_fixture.h"

namespace quill {
namespace {

using testing::PiecesFixture;

class PiecesPositions : public PiecesFixture {
 protected:
  PiecesPositions() { Build(3, 3); }  // picture 300 × 300
};

TEST_F(PiecesPositions, NormalisedPositionsAreInPictureUnits) {
  const Rect area{20, 10, 620, 610};  // the picture's size doubled
  P(4).X = 320;
  P(4).Y = 110;
  pieces->StoreNormalised(List({4}), area);
  EXPECT_DOUBLE_EQ(P(4).NormX, 170.0);  // 300 × 300 / 600 + 20
  EXPECT_DOUBLE_EQ(P(4).NormY, 60.0);   // 300 × 100 / 600 + 10

  P(4).X = P(4).Y = 0;
  pieces->RestoreNormalised(P(4), area);
  EXPECT_EQ(P(4).X, 320);
  EXPECT_EQ(P(4).Y, 110);

  pieces->RestoreNormalised(P(4), Rect{20, 10, 320, 310});  // the picture's own size
  EXPECT_EQ(P(4).X, 170);
  EXPECT_EQ(P(4).Y, 60);
}

TEST_F(PiecesPositions, RestoringRoundsHalvesToEven) {
  struct Case {
    int32_t stored;  // on a board twice the picture's size
    int32_t restored;
  };
  const Case cases[] = {{321, 160}, {323, 162}, {-321, -160}, {-323, -162}, {324, 162}};
  for (const Case& c : cases) {
    P(0).X = c.stored;
    P(0).Y = c.stored;
    pieces->StoreNormalised(List({0}), Rect{0, 0, 600, 600});
    pieces->RestoreNormalised(P(0), Rect{0, 0, 300, 300});
    EXPECT_EQ(P(0).X, c.restored) << c.stored;
    EXPECT_EQ(P(0).Y, c.restored) << c.stored;
  }
}

TEST_F(PiecesPositions, MoveToStoresTheNormalisedPosition) {
  const Rect area{0, 0, 900, 600};
  pieces->MoveTo(P(2), 450, 200, area);
  EXPECT_EQ(P(2).BoardRect(), (Rect{450, 200, 550, 300}));
  EXPECT_DOUBLE_EQ(P(2).NormX, 150.0);
  EXPECT_DOUBLE_EQ(P(2).NormY, 100.0);
}

TEST_F(PiecesPositions, KeepInArea) {
  // Board 800 × 600; with cells of 100 the margin is 40, with cells of 50 it is 25.
  struct Case {
    const char* name;
    uint16_t cell;
    Rect rect;
    Rect expected;
  };
  const Case cases[] = {
      {"inside", 100, {100, 100, 200, 200}, {100, 100, 200, 200}},
      {"overlapping by the margin", 100, {-60, 100, 40, 200}, {-60, 100, 40, 200}},
      {"above", 100, {100, -300, 200, -200}, {100, -60, 200, 40}},
      {"below", 100, {100, 700, 200, 800}, {100, 560, 200, 660}},
      {"left", 100, {-150, 100, -50, 200}, {-60, 100, 40, 200}},
      {"right", 100, {900, 100, 1000, 200}, {760, 100, 860, 200}},
      {"right, small cells", 50, {900, 100, 950, 150}, {775, 100, 825, 150}},
      // Sticking out on both axes, the larger sideways push replaces the first one.
      {"above and left", 100, {-300, -300, -200, -200}, {-40, -60, 60, 40}},
      {"larger than the area: the smaller push wins", 100, {-100, -50, 900, 650}, {-100, -60, 900, 640}},
      {"larger than the area: a tie pushes sideways", 100, {-100, -300, 900, 700}, {-160, -300, 840, 700}},
  };
  const Rect area{0, 0, 800, 600};
  for (const Case& c : cases) {
    PuzzleRecord.CellWidth = PuzzleRecord.CellHeight = c.cell;
    Rect rect = c.rect;
    EXPECT_EQ(pieces->KeepInArea(rect, area), c.rect != c.expected) << c.name;
    EXPECT_EQ(rect, c.expected) << c.name;
  }
}

TEST_F(PiecesPositions, KeepOnBoardLetsPiecesStickOutByHalfACell) {
  pieces->Config().BoardWidth = 800;
  pieces->Config().BoardHeight = 600;
  struct Case {
    const char* name;
    Rect rect;
    Rect expected;
  };
  const Case cases[] = {
      {"inside", {100, 100, 200, 200}, {100, 100, 200, 200}},
      {"half out on the left", {-50, 100, 50, 200}, {-50, 100, 50, 200}},
      {"too far left", {-80, 100, 20, 200}, {-50, 100, 50, 200}},
      {"too far up and left", {-60, -70, 40, 30}, {-50, -50, 50, 50}},
      {"too far down and right", {750, 560, 870, 660}, {730, 550, 850, 650}},
      {"wider than the board: the right edge wins", {-100, 0, 900, 100}, {-150, 0, 850, 100}},
  };
  for (const Case& c : cases) {
    Rect rect = c.rect;
    EXPECT_EQ(pieces->KeepOnBoard(rect), c.rect != c.expected) << c.name;
    EXPECT_EQ(rect, c.expected) << c.name;
  }
}

TEST_F(PiecesPositions, OffsetListHiddenAndPlaced) {
  const TPieceList list = List({1, 2});
  TPieces::OffsetList(list, 5, -7);
  EXPECT_EQ(P(1).BoardRect(), (Rect{105, -7, 205, 93}));
  EXPECT_EQ(P(2).BoardRect(), (Rect{205, -7, 305, 93}));
  TPieces::SetHidden(list, true);
  TPieces::SetPlaced(list, true);
  EXPECT_TRUE(P(1).Hidden && P(2).Hidden && P(2).Placed);
  EXPECT_FALSE(P(0).Hidden || P(0).Placed);
}

TEST_F(PiecesPositions, FitGroupsRebuildsShapesAndPullsLostGroupsBack) {
  const Rect area{0, 0, 800, 600};
  // Group 0: pieces 0 and 1, piece 1 strayed; it is rebuilt to the right of 0.
  Group({0, 1});
  P(1).X = 900;
  // Group 4: pieces 4 and 5 turned twice and far off to the right; 5 goes to the left
  // of 4 and the pair comes back until it overlaps the area by 40.
  Group({4, 5});
  P(4).Rotation = P(5).Rotation = 2;
  P(4).X = 1500;
  P(4).Y = 100;
  // Group 8: a single piece still on the board.
  P(8).X = 700;
  P(8).Y = 500;

  pieces->FitGroups(List({0, 1, 4, 5, 8}), area, false);

  EXPECT_EQ(P(0).BoardRect(), (Rect{0, 0, 100, 100}));
  EXPECT_EQ(P(1).BoardRect(), (Rect{100, 0, 200, 100}));
  EXPECT_EQ(P(5).BoardRect(), (Rect{760, 100, 860, 200}));
  EXPECT_EQ(P(4).BoardRect(), (Rect{860, 100, 960, 200}));
  EXPECT_EQ(P(8).BoardRect(), (Rect{700, 500, 800, 600}));
}

TEST_F(PiecesPositions, FitGroupsCanRestoreTheAnchorFirst) {
  const Rect area{0, 0, 600, 600};
  Group({4, 5});
  P(4).NormX = 50;  // (100, 200) on a board twice the picture's size
  P(4).NormY = 100;
  pieces->FitGroups(List({4, 5}), area, true);
  EXPECT_EQ(P(4).BoardRect(), (Rect{100, 200, 200, 300}));
  EXPECT_EQ(P(5).BoardRect(), (Rect{200, 200, 300, 300}));
}

}  // namespace
}  // namespace quill
