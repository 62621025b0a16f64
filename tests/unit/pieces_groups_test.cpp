// Joining, detaching and ordering groups, joined sides and the at-home test.
#include <gtest/gtest.h>

#include <vector>

#include "pieces_fixture.h"

namespace quill {
namespace {

using testing::PiecesFixture;

class PiecesGroups : public PiecesFixture {
 protected:
  PiecesGroups() { Build(3, 3); }
  std::vector<int32_t> Groups() {
    std::vector<int32_t> groups;
    for (const TFormPiece* piece : pieces->AllPieces()) groups.push_back(piece->Group);
    return groups;
  }
};

// Piece 4 is dropped at (410, 95); its right neighbour 5 lies loose at (500, 300).
// Piece 4 fits 100 pixels left of 5, at (400, 300): offset (-10, 205).
TEST_F(PiecesGroups, JoiningALoosePieceBringsItToTheDroppedPiece) {
  struct Case {
    const char* name;
    bool droppedWasJoined;
    int expectedCount;
  };
  const Case cases[] = {{"two single pieces", false, 2}, {"a single piece to a group", true, 3}};
  for (const Case& c : cases) {
    Build(3, 3);
    if (c.droppedWasJoined) {
      Group({4, 1});
      P(1).X = 410;
      P(1).Y = -5;
      PuzzleRecord.JoinedCount = 2;
    }
    P(4).X = 410;
    P(4).Y = 95;
    P(5).X = 500;
    P(5).Y = 300;
    Rect dirty;
    sounds.clear();
    pieces->joins = 0;
    pieces->JoinPieces(P(4), P(5), dirty);

    EXPECT_EQ(P(4).X, 410) << c.name;
    EXPECT_EQ(P(4).Y, 95) << c.name;
    EXPECT_EQ(P(5).X, 510) << c.name;
    EXPECT_EQ(P(5).Y, 95) << c.name;
    EXPECT_EQ(P(5).Group, P(4).Group) << c.name;
    EXPECT_TRUE(P(4).Joined && P(5).Joined) << c.name;
    EXPECT_EQ(PuzzleRecord.JoinedCount, c.expectedCount) << c.name;
    EXPECT_EQ(dirty, (Rect{500, 95, 610, 400})) << c.name;
    EXPECT_EQ(P(4).JoinedSides, 1 << kRight) << c.name;
    EXPECT_EQ(P(5).JoinedSides, 1 << kLeft) << c.name;
    EXPECT_EQ(pieces->joins, 1) << c.name;
    EXPECT_TRUE(sounds.empty()) << "the collection reports the join; the game plays its sound";
    EXPECT_FALSE(pieces->AllJoined) << c.name;
  }
}

TEST_F(PiecesGroups, JoiningAFixedGroupMovesTheDroppedGroupOntoIt) {
  // 5 and 8 are a joined group at home; 4 and 3 are dropped 10 right and 5 down.
  Group({5, 8});
  P(5).AtHome = P(8).AtHome = true;
  Group({4, 3});
  for (int i : {4, 3}) P(i).Offset(10, 5);
  PuzzleRecord.JoinedCount = 4;
  P(0).Joined = true;  // stale flags elsewhere count too: the count is recomputed

  Rect dirty;
  pieces->JoinPieces(P(4), P(5), dirty);

  for (int i : {3, 4}) {
    EXPECT_EQ(P(i).X, P(i).HomeX);
    EXPECT_EQ(P(i).Y, P(i).HomeY);
    EXPECT_EQ(P(i).Group, P(5).Group);
    EXPECT_TRUE(P(i).AtHome);
  }
  EXPECT_EQ(P(5).X, 200);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 5);
  EXPECT_EQ(dirty, (Rect{0, 100, 210, 205}));
  EXPECT_EQ(P(4).JoinedSides, (1 << kRight) | (1 << kLeft));
}

TEST_F(PiecesGroups, JoiningTheLastPieceSetsAllJoinedAndWoodGrowsTheDirtyRect) {
  Build(2, 1);
  pieces->Config().OutlineStyle = kOutlineWood;
  pieces->Thickness = 7;
  Rect dirty;
  pieces->JoinPieces(P(0), P(1), dirty);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_TRUE(pieces->AllJoined);
  EXPECT_EQ(dirty, (Rect{100, 0, 200, 107}));
}

TEST_F(PiecesGroups, DetachingFromATwoPieceGroupFreesBoth) {
  Group({4, 5});
  Group({1, 2});  // another group next to piece 4
  PuzzleRecord.JoinedCount = 4;
  P(4).Placed = P(5).Placed = true;
  P(4).Surrounded = P(1).Surrounded = true;
  PuzzleRecord.NextGroup = 20;
  pieces->UpdateAllJoinedSides();
  ASSERT_EQ(P(5).JoinedSides, 1 << kLeft);

  pieces->DetachPiece(P(4));

  EXPECT_EQ(P(4).Group, 20);
  EXPECT_EQ(PuzzleRecord.NextGroup, 21);
  EXPECT_FALSE(P(4).Joined || P(4).Placed);
  EXPECT_FALSE(P(5).Joined) << "the piece left behind alone";
  EXPECT_FALSE(P(5).Placed);
  EXPECT_TRUE(P(1).Joined) << "a neighbour in another group stays joined";
  EXPECT_FALSE(P(1).Surrounded);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_EQ(P(5).JoinedSides, 0);
}

TEST_F(PiecesGroups, DetachingFromALargerGroupLeavesTheRestJoined) {
  Group({3, 4, 5});
  PuzzleRecord.JoinedCount = 3;
  pieces->UpdateAllJoinedSides();
  pieces->DetachPiece(P(5));
  EXPECT_FALSE(P(5).Joined);
  EXPECT_TRUE(P(3).Joined && P(4).Joined);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_EQ(P(4).JoinedSides, 1 << kLeft);
  EXPECT_EQ(P(5).JoinedSides, 0);
}

TEST_F(PiecesGroups, SendGroupToBack) {
  Group({4, 5});
  pieces->SendGroupToBack(P(5));
  EXPECT_EQ(Groups(), (std::vector<int32_t>{1, 2, 3, 4, 0, 0, 7, 8, 9}));
  EXPECT_EQ(PuzzleRecord.NextGroup, 10);
  EXPECT_EQ(pieces->GroupSize(P(4)), 2);
  EXPECT_EQ(pieces->GroupSize(P(8)), 1);
}

TEST_F(PiecesGroups, RenumberGroupsGivesEachRunTheNextId) {
  P(0).Group = P(1).Group = 3;
  P(2).Group = 7;
  P(3).Group = P(4).Group = 9;
  PuzzleRecord.NextGroup = 20;
  pieces->RenumberGroups(List({0, 1, 2, 3, 4}));
  EXPECT_EQ(Groups(), (std::vector<int32_t>{20, 20, 21, 22, 22, 5, 6, 7, 8}));
  EXPECT_EQ(PuzzleRecord.NextGroup, 23);

  pieces->RenumberGroups({});
  EXPECT_EQ(PuzzleRecord.NextGroup, 23);
}

TEST_F(PiecesGroups, JoinedSidesMarkBothPiecesOfEverySharedEdge) {
  Group({4, 1, 5});
  pieces->UpdateAllJoinedSides();
  EXPECT_EQ(P(4).JoinedSides, (1 << kTop) | (1 << kRight));
  EXPECT_EQ(P(1).JoinedSides, 1 << kBottom);
  EXPECT_EQ(P(5).JoinedSides, 1 << kLeft);
  EXPECT_EQ(P(2).JoinedSides, 0);

  P(1).Group = 99;
  pieces->UpdateJoinedSides(P(4));
  EXPECT_EQ(P(4).JoinedSides, 1 << kRight);
  EXPECT_EQ(P(1).JoinedSides, 0);
}

TEST_F(PiecesGroups, TestAtHome) {
  // The picture's top-left lies at (50, 30) on the board; piece 4's home is (100, 100).
  struct Case {
    const char* name;
    bool joined, placed;
    uint8_t rotation;
    int dx, dy;
    bool expected;
  };
  const Case cases[] = {
      {"joined, exactly home", true, false, 0, 0, 0, true},
      {"placed, two pixels off", false, true, 0, 2, -2, true},
      {"three pixels off", true, false, 0, 3, 0, false},
      {"loose piece on its place", false, false, 0, 0, 0, false},
      {"turned piece on its place", true, false, 2, 0, 0, false},
  };
  for (const Case& c : cases) {
    TFormPiece& piece = P(4);
    piece.Joined = c.joined;
    piece.Placed = c.placed;
    piece.Rotation = c.rotation;
    piece.X = 150 + c.dx;
    piece.Y = 130 + c.dy;
    piece.AtHome = !c.expected;
    EXPECT_EQ(pieces->TestAtHome(piece, 50, 30), c.expected) << c.name;
    EXPECT_EQ(piece.AtHome, c.expected) << c.name;
  }
}

TEST_F(PiecesGroups, MoveHomePiecesPutsAtHomePiecesOnTheirPlace) {
  P(4).AtHome = true;
  P(5).X = 700;
  const Rect area{0, 0, 600, 600};  // twice the picture's 300 × 300
  pieces->MoveHomePieces(List({4, 5}), 50, 30, area);
  EXPECT_EQ(P(4).X, 150);
  EXPECT_EQ(P(4).Y, 130);
  EXPECT_DOUBLE_EQ(P(4).NormX, 75.0);
  EXPECT_DOUBLE_EQ(P(4).NormY, 65.0);
  EXPECT_EQ(P(5).X, 700) << "not at home";
}

}  // namespace
}  // namespace quill
