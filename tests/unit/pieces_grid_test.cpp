// Grid questions of the piece collection: neighbours, classification, fit
// positions, snap rectangles and the point and area searches.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pieces_fixture.h"

namespace quill {
namespace {

using testing::PiecesFixture;

class PiecesGrid : public PiecesFixture {
 protected:
  // The index of a neighbour, -1 for none.
  int NeighbourIndex(int index, int direction) {
    const TFormPiece* q = pieces->Neighbour(P(index), direction);
    return q == nullptr ? -1 : q->Index;
  }
  int TowardsIndex(int index, Point point) {
    const TFormPiece* q = pieces->NeighbourTowards(P(index), point);
    return q == nullptr ? -1 : q->Index;
  }
};

TEST_F(PiecesGrid, CreatePieceListMakesOneBlankPiecePerIndex) {
  PuzzleRecord.PieceCount = 6;
  pieces->CreatePieceList();
  ASSERT_EQ(pieces->Count(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(P(i).Index, i);
    EXPECT_EQ(P(i).Group, 0);
    EXPECT_FALSE(P(i).Joined);
  }
  pieces->FreePieceList();
  EXPECT_EQ(pieces->Count(), 0);
}

TEST_F(PiecesGrid, NeighboursFollowTheGridAndStopAtItsBorder) {
  Build(3, 2);  // 0 1 2 / 3 4 5
  struct Case {
    int index;
    std::array<int, 4> expected;  // top, right, bottom, left
  };
  const Case cases[] = {
      {0, {-1, 1, 3, -1}}, {1, {-1, 2, 4, 0}}, {2, {-1, -1, 5, 1}},
      {3, {0, 4, -1, -1}}, {4, {1, 5, -1, 3}}, {5, {2, -1, -1, 4}},
  };
  for (const Case& c : cases) {
    for (int d = kTop; d <= kLeft; ++d) {
      EXPECT_EQ(NeighbourIndex(c.index, d), c.expected[static_cast<size_t>(d)]) << "piece " << c.index << " dir " << d;
    }
  }
}

TEST_F(PiecesGrid, ClassifyPieces) {
  struct Case {
    const char* name;
    int columns, rows;
    int funPiece;  // index given a custom template, -1 for none
    std::vector<uint8_t> expected;
  };
  const Case cases[] = {
      {"2 x 2: all corners", 2, 2, -1, {0, 0, 0, 0}},
      {"one row: ends are corners, the rest top sides", 4, 1, -1, {0, 1, 1, 0}},
      {"one column: the middle counts as a right side", 1, 3, -1, {0, 2, 0}},
      {"4 x 3 with a fun piece", 4, 3, 5, {0, 1, 1, 0, 4, 5, 6, 2, 0, 3, 3, 0}},
  };
  for (const Case& c : cases) {
    Build(c.columns, c.rows);
    if (c.funPiece >= 0) P(c.funPiece).TemplateNo = 2;
    pieces->ClassifyPieces(pieces->AllPieces());
    std::vector<uint8_t> classes;
    for (const TFormPiece* piece : pieces->AllPieces()) classes.push_back(static_cast<uint8_t>(piece->ShapeClass));
    EXPECT_EQ(classes, c.expected) << c.name;
  }
  EXPECT_TRUE(P(4).IsEdgePiece());
  EXPECT_TRUE(P(5).IsFunPiece());
  EXPECT_FALSE(P(6).IsEdgePiece());
}

// Piece 130,40 60 × 90 against other 100,20 40 × 70 (sizes unturned), other at
// (500, 300). Turning the pair about other's box puts piece's box, relative to
// other's top-left, at (30, 20) unturned, (-40, 30) after one clockwise quarter
// turn, (-50, -40) after a half turn and (20, -50) after three quarter turns.
TEST_F(PiecesGrid, FitPositionTurnsWithTheOtherPiece) {
  struct Case {
    uint8_t rotation;
    Point expected;
  };
  const Case cases[] = {{0, {530, 320}}, {1, {460, 330}}, {2, {450, 260}}, {3, {520, 250}}};
  for (const Case& c : cases) {
    TFormPiece piece;
    TFormPiece other;
    piece.SetHome(130, 40, 60, 90);
    other.SetHome(100, 20, 40, 70);
    other.X = 500;
    other.Y = 300;
    piece.Rotation = other.Rotation = c.rotation;
    if (c.rotation % 2 == 1) {
      std::swap(piece.Width, piece.Height);
      std::swap(other.Width, other.Height);
    }
    EXPECT_EQ(TPieces::FitPosition(piece, other), c.expected) << "rotation " << int{c.rotation};
  }
}

TEST_F(PiecesGrid, NeighbourTowardsAPoint) {
  Build(3, 3);  // piece 4 spans (100,100)-(200,200), centre (150,150)
  struct Case {
    const char* name;
    uint8_t rotation;
    Point point;
    int expected;
  };
  const Case cases[] = {
      {"above", 0, {150, 40}, 1},
      {"right", 0, {260, 150}, 5},
      {"below", 0, {150, 260}, 7},
      {"left", 0, {40, 150}, 3},
      {"diagonal counts as horizontal", 0, {250, 250}, 5},
      {"turned once: the left side faces up", 1, {150, 40}, 3},
      {"turned twice: the left side faces right", 2, {260, 150}, 3},
      {"turned three times: the top faces left", 3, {40, 150}, 1},
  };
  for (const Case& c : cases) {
    P(4).Rotation = c.rotation;
    EXPECT_EQ(TowardsIndex(4, c.point), c.expected) << c.name;
  }
}

TEST_F(PiecesGrid, NeighbourTowardsFallsBackToOtherSides) {
  Build(3, 3);
  Group({4, 1});
  EXPECT_EQ(TowardsIndex(4, {150, 40}), 5) << "above is in the group: the first other side in order";

  Group({4, 1, 5, 7, 3});
  EXPECT_EQ(TowardsIndex(4, {150, 40}), 3) << "all in the group: the left neighbour";

  Group({3, 0, 4, 6});
  EXPECT_EQ(TowardsIndex(3, {150, 40}), -1) << "all in the group in the first column: none";
}

TEST_F(PiecesGrid, NeighbourSnapRectsSurroundTheFittingPlaces) {
  Build(3, 3);
  P(4).X = 400;
  P(4).Y = 400;
  const TNeighbourSnaps snaps = pieces->NeighbourSnapRects(4);
  // Every neighbour lies at home, so the fitting place is piece 4's home (100, 100);
  // the half-size is cell height 100 div snap divisor 4.
  const Rect expected{75, 75, 125, 125};
  const int neighbours[] = {1, 5, 7, 3};
  for (size_t d = 0; d < 4; ++d) {
    ASSERT_NE(snaps[d].Piece, nullptr);
    EXPECT_EQ(snaps[d].Piece->Index, neighbours[d]);
    EXPECT_EQ(snaps[d].Snap, expected);
  }
  EXPECT_FALSE(P(4).Surrounded);

  const TNeighbourSnaps corner = pieces->NeighbourSnapRects(0);
  EXPECT_EQ(corner[kTop].Piece, nullptr);
  EXPECT_EQ(corner[kLeft].Piece, nullptr);
  EXPECT_EQ(corner[kRight].Piece, &P(1));

  Group({0, 1, 3});
  pieces->NeighbourSnapRects(0);
  EXPECT_TRUE(P(0).Surrounded);
}

TEST_F(PiecesGrid, FindAtHomeTakesTheFirstPieceInIndexOrder) {
  Build(3, 3);
  P(0).Width = 150;  // overlaps piece 1's place
  struct Case {
    Point point;
    int expected;
  };
  const Case cases[] = {{{150, 250}, 7}, {{120, 50}, 0}, {{160, 50}, 1}, {{299, 299}, 8}, {{300, 0}, -1}, {{-1, 0}, -1}};
  for (const Case& c : cases) {
    const TFormPiece* found = pieces->FindAtHome(c.point.X, c.point.Y);
    EXPECT_EQ(found == nullptr ? -1 : found->Index, c.expected) << c.point.X << "," << c.point.Y;
  }
}

TEST_F(PiecesGrid, FindInAreaNeedsMoreThanHalfACellAndTriesBothEnds) {
  Build(4, 1);
  const Rect area{0, 0, 800, 600};  // shrunk by 50 on each side: (50, 50)-(750, 550)
  for (TFormPiece* piece : pieces->AllPieces()) {
    piece->X = -60;  // overlaps the area by 40 only
    piece->Y = 0;
  }
  EXPECT_EQ(pieces->FindInArea(pieces->AllPieces(), area), nullptr);

  P(1).X = -40;  // overlaps by 60
  EXPECT_EQ(pieces->FindInArea(pieces->AllPieces(), area), &P(1));

  P(3).X = 400;  // the far end is tried before the second piece
  EXPECT_EQ(pieces->FindInArea(pieces->AllPieces(), area), &P(3));

  const TPieceList three = List({0, 2, 1});  // odd length: the middle is tried last
  EXPECT_EQ(pieces->FindInArea(three, area), &P(1));
  EXPECT_EQ(pieces->FindInArea({}, area), nullptr);
}

TEST_F(PiecesGrid, IsOpaqueAtLooksUpTheMaskAtlas) {
  Build(2, 1);
  pieces->MaskAtlas = Bitmap(200, 100, PixelFormat::Mono1);
  pieces->MaskAtlas.Fill(0xFF);        // white: outside every piece
  pieces->MaskAtlas.SetPixel(110, 20, 0);  // black: inside
  TFormPiece& piece = P(1);
  piece.AtlasX = 100;
  piece.AtlasY = 0;
  piece.X = 500;
  piece.Y = 300;
  EXPECT_TRUE(pieces->IsOpaqueAt(piece, 510, 320));
  EXPECT_FALSE(pieces->IsOpaqueAt(piece, 511, 320));
  EXPECT_FALSE(pieces->IsOpaqueAt(piece, 510, 400)) << "outside the atlas";
}

}  // namespace
}  // namespace quill
