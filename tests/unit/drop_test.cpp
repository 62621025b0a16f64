#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "move_fixture.h"

namespace quill {
namespace {

using testing::DifferingPixels;

class DropTest : public testing::MoveFixture {
 protected:
  Point At(const TFormPiece& piece) const { return {piece.X, piece.Y}; }
  Point FitOf(int piece, int other) { return TPieces::FitPosition(P(piece), P(other)); }
  static Point Plus(Point p, int32_t dx, int32_t dy) { return {p.X + dx, p.Y + dy}; }
  // Turns pieces as the game does, their sprites cut again for the new rotation.
  void Turn(const TPieceList& list, int turns) {
    game->RotatePieces(list, turns, false, false);
    game->RebuildShading(list);
    Recompose();
  }

  // Every piece of the list lies where it fits `anchor`.
  void ExpectInShape(int anchor, std::initializer_list<int> pieces) {
    for (int i : pieces) EXPECT_EQ(At(P(i)), FitOf(i, anchor)) << "piece " << i << " against " << anchor;
  }
};

TEST_F(DropTest, SinglePieceMovesOntoTheGroupItIsDroppedNextTo) {
  FormGroup(5, {6, 9});
  const Point group = At(P(5));
  DropPieceAt(P(10), Plus(FitOf(10, 9), 3, -2));

  EXPECT_TRUE(P(10).Joined);
  EXPECT_EQ(P(10).Group, P(5).Group);
  EXPECT_EQ(At(P(5)), group) << "the group stays";
  ExpectInShape(5, {6, 9, 10});
  EXPECT_EQ(PuzzleRecord.JoinedCount, 4);
  EXPECT_EQ(sounds, std::vector<int>{1});
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(DropTest, SingleNeighbourComesToTheDroppedGroup) {
  FormGroup(5, {6, 9});
  const Point dropped = Plus(FitOf(5, 4), -4, 5);
  DropPieceAt(P(5), dropped);

  EXPECT_EQ(At(P(5)), dropped) << "the dropped group stays where it was put";
  ExpectInShape(5, {4, 6, 9});
  EXPECT_EQ(P(4).Group, P(5).Group);
}

// The snap square around a fitting place reaches s = cell height div 4 to the left
// and up, and stops short of s to the right and down; across and down alike, also
// when cells are wider than high.
TEST_F(DropTest, SnapDistanceIsHalfOpenAndTakenFromTheCellHeight) {
  const struct {
    int32_t dx, dy;
    bool joins;
  } cases[] = {
      {-1, 0, true},  {1, 0, false}, {0, -1, true}, {0, 1, false}, {-1, -1, true},
      {0, 0, true},   {1, -1, false}, {-1, 1, false},
  };
  for (const auto& c : cases) {
    Build();
    PuzzleRecord.CellWidth = static_cast<uint16_t>(2 * PuzzleRecord.CellHeight);
    const int32_t s = SnapDistance();
    const int32_t dx = c.dx * s, dy = c.dy * s;
    DropPieceAt(P(6), Plus(FitOf(6, 5), dx, dy));
    EXPECT_EQ(P(6).Joined, c.joins) << "offset " << dx << "," << dy;
    if (c.joins) ExpectInShape(5, {6});
  }
}

TEST_F(DropTest, JustInsideTheSnapSquareJoins) {
  const int32_t s = SnapDistance();
  DropPieceAt(P(6), Plus(FitOf(6, 5), s - 1, s - 1));
  EXPECT_TRUE(P(6).Joined);
  ExpectInShape(5, {6});
}

TEST_F(DropTest, TurnedDifferentlyOrInAnotherTrayNeverJoins) {
  // Piece 5 turned a quarter: piece 6 unturned at 5's fitting place stays apart.
  Turn({&P(5)}, 1);
  DropPieceAt(P(6), FitOf(6, 5));
  EXPECT_NE(P(6).Group, P(5).Group);
  EXPECT_FALSE(P(5).Joined);

  // Turned the same way it joins.
  Build();
  Turn({&P(5), &P(6)}, 1);
  DropPieceAt(P(6), FitOf(6, 5));
  EXPECT_TRUE(P(6).Joined);

  // A neighbour in a tray is not joined from the board; inside its tray it is.
  Build();
  TBox& tray = game->NewTray(game->BoardBitmap);
  const Rect inner = tray.InnerRect();
  game->MovePiecesToTray({&P(5)}, tray);
  P(5).X = inner.Left + 5;
  P(5).Y = inner.Top + 5;
  Recompose();
  DropPieceAt(P(6), FitOf(6, 5));
  EXPECT_FALSE(P(6).Joined);
  EXPECT_EQ(P(6).Tray, 0);
  DropPieceAt(P(6), FitOf(6, 5), &tray);
  EXPECT_TRUE(P(6).Joined);
  EXPECT_EQ(P(6).Tray, tray.Number());
  EXPECT_FALSE(P(6).Placed) << "pieces in trays are not placed";
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// Piece 5 fits piece 4 (left) and piece 6 (right, in a group of five): the smaller
// side joins first, so the group of five never moves.
TEST_F(DropTest, SmallerNeighbourJoinsFirstThenTheLargerGroup) {
  FormGroup(6, {7, 10, 11, 2});
  const Point five = At(P(6));
  // Piece 4 lies a little off the place the group gives it, within snapping reach.
  const Point place4 = TPieces::FitPosition(P(4), P(6));
  P(4).X = place4.X + 3;
  P(4).Y = place4.Y - 2;
  Recompose();
  DropPieceAt(P(5), Plus(FitOf(5, 6), 2, 1));

  EXPECT_EQ(At(P(6)), five);
  ExpectInShape(6, {2, 4, 5, 7, 10, 11});
  EXPECT_EQ(P(4).Group, P(6).Group);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 7);
  EXPECT_EQ(sounds, (std::vector<int>{1, 1}));
}

TEST_F(DropTest, PairJoinsBeforeTheGroupOfFiveSoTheFiveStay) {
  FormGroup(6, {7, 10, 11, 2});
  FormGroup(4, {8});
  const Point five = At(P(6));
  const Point place4 = TPieces::FitPosition(P(4), P(6));
  game->PickGroup(&P(4));
  DragBy(place4.X + 3 - P(4).X, place4.Y + 4 - P(4).Y);
  game->DropSelection(&game->BoardTray(), false);
  DropPieceAt(P(5), Plus(FitOf(5, 6), -2, 2));

  EXPECT_EQ(At(P(6)), five) << "the group of five does not move";
  ExpectInShape(6, {2, 4, 5, 7, 8, 10, 11});
}

TEST_F(DropTest, DropNearItsPlaceSnapsOntoTheGhost) {
  const struct {
    const char* name;
    bool ghost;
    int turns;
    int windows;  // window half-widths (cell width div 4) to the left
    int32_t dx, dy;
    bool snaps;
  } cases[] = {
      {"inside the window", true, 0, 0, 5, -7, true},
      {"ghost off", false, 0, 0, 5, -7, false},
      {"turned", true, 1, 0, 5, -7, false},
      {"a window away", true, 0, 1, 0, 0, false},
      {"just inside", true, 0, 1, 1, 0, true},
  };
  for (const auto& c : cases) {
    Build();
    game->Config().Ghost = c.ghost;
    if (c.turns != 0) Turn({&P(5)}, c.turns);
    const Rect ghost = game->FMural.GhostRect();
    const Point home{ghost.Left + P(5).HomeX, ghost.Top + P(5).HomeY};
    const int32_t dx = c.dx - c.windows * (PuzzleRecord.CellWidth / 4);
    DropPieceAt(P(5), Plus(home, dx, c.dy));
    EXPECT_EQ(At(P(5)) == home, c.snaps) << c.name;
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 6), c.snaps ? 1 : 0) << c.name;
    if (c.snaps) {
      EXPECT_TRUE(P(5).AtHome) << c.name;
      for (const TFormPiece* other : game->AllPieces()) {
        if (other == &P(5)) continue;
        EXPECT_GT(other->Group, P(5).Group) << "its group goes to the back";
      }
    }
  }
}

TEST_F(DropTest, DropThatJoinedDoesNotSnapOntoTheGhost) {
  game->Config().Ghost = true;
  const Rect ghost = game->FMural.GhostRect();
  const Point home6{ghost.Left + P(6).HomeX, ghost.Top + P(6).HomeY};
  // Piece 5 lies 10 pixels off its solved place, so 6 fits it 10 pixels off its own.
  P(5).X = ghost.Left + P(5).HomeX + 10;
  P(5).Y = ghost.Top + P(5).HomeY;
  Recompose();
  DropPieceAt(P(6), Plus(home6, 8, 0));
  EXPECT_TRUE(P(6).Joined);
  EXPECT_NE(At(P(6)), home6);
  ExpectInShape(5, {6});
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 6), 0);
}

// A group dropped against a fixed group fits it along several sides at once: every
// side between pieces now in one group is joined, not only the dropped piece's, so
// with outline style None no seam stays inside the group.
TEST_F(DropTest, GroupJoiningAlongSeveralSidesHasNoSeamInside) {
  const struct {
    const char* name;
    std::vector<int> fixed, dropped;  // the first piece of each is the anchor
    int fitting, against;  // the dropped piece that is put where it fits `against`
  } cases[] = {
      {"a pair under a pair", {0, 1}, {4, 5}, 4, 0},
      {"a pair into a corner", {0, 1, 2, 4}, {5, 6}, 5, 4},
      {"a column beside a column", {1, 5, 9}, {0, 4, 8}, 8, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Build();
    for (const std::vector<int>& group : {c.fixed, c.dropped}) {
      Rect dirty;
      for (size_t i = 1; i < group.size(); ++i) game->JoinPieces(P(group[0]), P(group[i]), dirty);
    }
    Recompose();
    DropPieceAt(P(c.fitting), Plus(FitOf(c.fitting, c.against), 2, -1));

    ASSERT_EQ(P(c.fitting).Group, P(c.against).Group);
    for (TFormPiece* piece : game->AllPieces()) {
      for (int d = kTop; d <= kLeft; ++d) {
        const TFormPiece* q = game->Neighbour(*piece, d);
        if (q == nullptr) continue;
        EXPECT_EQ((piece->JoinedSides >> d) & 1, piece->Group == q->Group ? 1 : 0)
            << "piece " << piece->Index << " side " << d;
      }
    }
    const Bitmap shown = game->BoardBitmap;
    game->UpdateAllJoinedSides();
    EXPECT_EQ(DifferingPixels(shown, FreshBoard()), 0);
  }
}

TEST_F(DropTest, TurningAGroupKeepsItInShape) {
  FormGroup(5, {6, 9, 10});
  for (int turns : {1, 3, 3}) {
    game->TurnSelection(&P(6), turns, false);
    EXPECT_TRUE(game->FSelection.empty());
    ExpectInShape(6, {5, 9, 10});
    for (int i : {5, 6, 9, 10}) EXPECT_FALSE(P(i).Hidden);
  }
  for (int i : {5, 6, 9, 10}) EXPECT_EQ(P(i).Rotation, 3) << i;
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(DropTest, CarriedSelectionTurnsUnderThePointer) {
  game->PickGroup(&P(5));
  game->FCarrying = true;
  const Point grab{P(5).X + 30, P(5).Y + 30};
  game->FollowPointer(grab.X, grab.Y, DragState::Picked);
  game->FollowPointer(grab.X + 100, grab.Y + 50, DragState::Picked);
  host.pointer = {grab.X + 100, grab.Y + 50};
  game->TurnSelection(nullptr, 1, true);

  EXPECT_EQ(game->FSelection, TPieceList{&P(5)});
  EXPECT_TRUE(P(5).Hidden) << "still carried";
  EXPECT_EQ(P(5).Rotation, 1);
  const Point before = game->SelectionOrigin();
  game->FollowPointer(host.pointer.X, host.pointer.Y, DragState::Picked);
  EXPECT_EQ(game->SelectionOrigin(), before) << "the pointer did not move, nor does the selection";
}

using GlideTest = DropTest;

// The glide draws its frames on the animation ticks; here a tick comes at every
// millisecond of the host's clock.
TEST_F(GlideTest, OnTimeClockDrawsEveryFrame) {
  game->PickGroup(&P(0));
  const Point from = game->SelectionOrigin();
  host.shownAtOnce.clear();
  host.tick = 1;
  const int64_t began = host.now;
  game->Glide(from.X, from.Y, false, 6, from.X + 600, from.Y);
  testing::RunAnimations(*game);
  // The first and last frames and one every 6 pixels, 4 ms apart.
  EXPECT_EQ(host.shownAtOnce.size(), 102u);
  EXPECT_GE(host.now - began, 400);
  EXPECT_LE(host.now - began, 410);
  EXPECT_EQ(game->SelectionOrigin(), Point(from.X + 600, from.Y));
}

TEST_F(GlideTest, LateClockSkipsFramesButDrawsTheEnd) {
  game->PickGroup(&P(0));
  const Point from = game->SelectionOrigin();
  host.shownAtOnce.clear();
  host.tick = 5;
  game->Glide(from.X, from.Y, false, 6, from.X + 600, from.Y + 90);
  testing::RunAnimations(*game);
  EXPECT_LT(host.shownAtOnce.size(), 102u);
  EXPECT_EQ(game->SelectionOrigin(), Point(from.X + 600, from.Y + 90));
  EXPECT_TRUE(host.shownAtOnce.back().Contains(from.X + 600, from.Y + 90));
}

// Ticks that come late (a busy window) leave frames out but never the timing: the
// glide ends when its clock says, whatever the ticks' pace.
TEST_F(GlideTest, SparseTicksKeepTheGlidesLength) {
  for (int64_t gap : {1, 7, 16, 50}) {
    SCOPED_TRACE(gap);
    game->PickGroup(&P(0));
    const Point from = game->SelectionOrigin();
    host.tick = 0;
    const int64_t began = host.now;
    game->Glide(from.X, from.Y, false, 6, from.X + 600, from.Y);
    while (game->Gliding()) {
      host.now += gap;
      game->AdvanceGlide(host.now);
    }
    EXPECT_GE(host.now - began, 400);
    EXPECT_LT(host.now - began, 400 + gap);
    EXPECT_EQ(game->SelectionOrigin(), Point(from.X + 600, from.Y));
    game->CancelLift();
  }
}

// A click during a glide: one that may be ended stops where it is; any other jumps
// to its end. Either way the glide is over.
TEST_F(GlideTest, ClickEndsOnlyAnAbortableGlideEarly) {
  const struct {
    const char* name;
    bool abortable;
    bool reachesTheEnd;
  } cases[] = {
      {"abortable", true, false},
      {"not abortable", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    game->PickGroup(&P(0));
    const Point from = game->SelectionOrigin();
    host.tick = 1;
    game->Glide(from.X, from.Y, c.abortable, 6, from.X + 600, from.Y);
    for (int i = 0; i < 20; ++i) game->AdvanceGlide(host.Milliseconds());
    const Point midway = game->SelectionOrigin();
    ASSERT_GT(midway.X, from.X);
    ASSERT_LT(midway.X, from.X + 600);
    game->ClickDuringGlide();
    EXPECT_FALSE(game->Gliding());
    EXPECT_EQ(game->SelectionOrigin(), c.reachesTheEnd ? Point(from.X + 600, from.Y) : midway);
    game->CancelLift();
  }
}

TEST_F(DropTest, LargestBoardGroupIsTheEarliestLongestRun) {
  const struct {
    std::vector<int> groups;  // of pieces 0, 1, 2, ... in list order
    BoardGroupRun expected;
  } cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {0, 1, 1, 0}},
      {{1, 2, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 2, 2}},
      {{1, 2, 3, 3, 3, 4, 4, 4, 4, 5, 6, 7}, {5, 4, 3, 4}},
  };
  for (const auto& c : cases) {
    TPieceList& list = game->BoardTray().FPieces;
    for (size_t i = 0; i < list.size(); ++i) {
      list[i]->Group = c.groups[i];
      list[i]->Surrounded = false;
    }
    list[6]->Surrounded = true;
    const BoardGroupRun run = game->LargestBoardGroup();
    EXPECT_EQ(run.Start, c.expected.Start);
    EXPECT_EQ(run.Length, c.expected.Length);
    EXPECT_EQ(run.Loose, c.expected.Loose);
    EXPECT_EQ(run.Group, c.expected.Group);
  }
}

TEST_F(DropTest, RestorePlacesPutsEachGroupByItsFirstPiece) {
  FormGroup(5, {6});
  const Rect ghost = game->FMural.GhostRect();
  P(5).X = ghost.Left + P(5).HomeX;
  P(5).Y = ghost.Top + P(5).HomeY;
  P(6).AtHome = false;
  PuzzleRecord.LayoutWidth = kBoardWidth;
  PuzzleRecord.LayoutHeight = kBoardHeight;
  game->StoreNormalised(game->AllPieces(), game->BoardTray().BoxRect());
  P(5).X = P(5).Y = 0;

  game->RestorePlaces();
  EXPECT_EQ(At(P(5)), Point(ghost.Left + P(5).HomeX, ghost.Top + P(5).HomeY));
  EXPECT_TRUE(P(5).AtHome);
  EXPECT_TRUE(P(6).AtHome) << "the group's other pieces copy the first one";
}

}  // namespace
}  // namespace quill
