// Undo and redo: the history's ring of ten steps with its menu items, and the game's
// snapshots of a small puzzle being played: drags, trays, turns, cheats, the clock
// and the piece size come back as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "game/undo.h"
#include "play_fixture.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

using testing::DifferingPixels;

// ---- The history ----------------------------------------------------------------

// A position that is one number; a snapshot holds it in its stream.
class NumberTarget : public TUndoTarget {
 public:
  NumberTarget() { DefineMainForm(menus); }
  void TakeSnapshot(TUndoEvent& event) override { event.Stream.assign(1, static_cast<uint8_t>(position)); }
  void ApplySnapshot(const TUndoEvent& event) override {
    position = event.Stream.at(0);
    ++applied;
  }
  UiState& UndoMenus() override { return menus; }

  // A step of `kind` before the position becomes `next`.
  void Change(TUndo& history, int32_t kind, int next) {
    history.Record(*this, kind);
    position = next;
  }

  bool Enabled(const char* item) const { return menus.Get(item).Enabled; }
  std::string Hint(const char* item) const { return menus.Get(item).Hint; }

  UiState menus;
  int position = 0;
  int applied = 0;
};

class UndoHistoryTest : public ::testing::Test {
 protected:
  TUndo history;
  NumberTarget game;
};

TEST_F(UndoHistoryTest, StepNamesOfEveryKind) {
  const char* names[] = {"size/shape",    "arrange",      "arrange tray", "disarrange", "disarrange tray",
                         "tray operation", "auto-solve",  "move ghost",   "move pieces", "rotate pieces",
                         "right way up",  "cheat"};
  for (int kind = 0; kind < 12; ++kind) EXPECT_STREQ(UndoStepName(kind), names[kind]) << kind;
  EXPECT_STREQ(UndoStepName(-1), "");
  EXPECT_STREQ(UndoStepName(12), "");
}

TEST_F(UndoHistoryTest, ItemsStartDisabledAndFollowTheSteps) {
  EXPECT_FALSE(game.Enabled("UndoItem"));
  EXPECT_FALSE(game.Enabled("RedoItem"));

  game.Change(history, 9, 1);
  game.Change(history, 8, 2);
  EXPECT_TRUE(game.Enabled("UndoItem"));
  EXPECT_EQ(game.Hint("UndoItem"), "Undo move pieces");
  EXPECT_FALSE(game.Enabled("RedoItem"));

  history.Undo(game);
  EXPECT_EQ(game.position, 1);
  EXPECT_EQ(game.Hint("UndoItem"), "Undo rotate pieces");
  EXPECT_TRUE(game.Enabled("RedoItem"));
  EXPECT_EQ(game.Hint("RedoItem"), "Redo move pieces");

  history.Undo(game);
  EXPECT_EQ(game.position, 0);
  EXPECT_FALSE(game.Enabled("UndoItem"));
  EXPECT_EQ(game.Hint("UndoItem"), "");
  EXPECT_EQ(game.Hint("RedoItem"), "Redo rotate pieces");

  history.Redo(game);
  EXPECT_EQ(game.position, 1);
  EXPECT_EQ(game.Hint("UndoItem"), "Undo rotate pieces");
  EXPECT_EQ(game.Hint("RedoItem"), "Redo move pieces");

  history.Redo(game);
  EXPECT_EQ(game.position, 2) << "the last redo returns to the position before the first undo";
  EXPECT_FALSE(game.Enabled("RedoItem"));
  EXPECT_EQ(game.Hint("RedoItem"), "");
  EXPECT_TRUE(game.Enabled("UndoItem"));
  EXPECT_EQ(game.Hint("UndoItem"), "Undo move pieces");
}

TEST_F(UndoHistoryTest, KeepsTheLastTenSteps) {
  for (int step = 1; step <= 11; ++step) game.Change(history, 8, step);
  EXPECT_EQ(history.Count(), 10);
  for (int undo = 1; undo <= 10; ++undo) {
    history.Undo(game);
    EXPECT_EQ(game.position, 11 - undo);
    EXPECT_EQ(game.Enabled("UndoItem"), undo < 10) << undo;
  }
  history.Undo(game);
  EXPECT_EQ(game.position, 1) << "the first step is forgotten";
  EXPECT_EQ(game.applied, 10);

  for (int redo = 1; redo <= 10; ++redo) history.Redo(game);
  EXPECT_EQ(game.position, 11);
  EXPECT_FALSE(game.Enabled("RedoItem"));
  history.Redo(game);
  EXPECT_EQ(game.applied, 20) << "nothing left to redo";
}

TEST_F(UndoHistoryTest, NewStepAfterUndoDropsTheRedoSteps) {
  for (int step = 1; step <= 4; ++step) game.Change(history, 8, step);
  history.Undo(game);
  history.Undo(game);
  EXPECT_EQ(history.Undone(), 2);
  game.Change(history, 11, 7);
  EXPECT_EQ(history.Count(), 3) << "two steps dropped before the new one was added";
  EXPECT_EQ(history.Undone(), 0);
  EXPECT_FALSE(game.Enabled("RedoItem"));
  EXPECT_EQ(game.Hint("RedoItem"), "");
  EXPECT_EQ(game.Hint("UndoItem"), "Undo cheat");

  const int applied = game.applied;
  history.Redo(game);
  EXPECT_EQ(game.applied, applied);
  history.Undo(game);
  EXPECT_EQ(game.position, 2);
  history.Undo(game);
  EXPECT_EQ(game.position, 1);
  history.Redo(game);
  history.Redo(game);
  EXPECT_EQ(game.position, 7);
}

// The ring wraps while steps are undone and new ones recorded.
TEST_F(UndoHistoryTest, RingWrapsAcrossUndoAndRecord) {
  for (int step = 1; step <= 9; ++step) game.Change(history, 8, step);
  history.Undo(game);
  history.Undo(game);
  for (int step = 20; step < 25; ++step) game.Change(history, 9, step);
  EXPECT_EQ(history.Count(), 10);
  std::vector<int> seen;
  while (history.Count() > history.Undone()) {
    history.Undo(game);
    seen.push_back(game.position);
  }
  EXPECT_EQ(seen, (std::vector<int>{23, 22, 21, 20, 7, 6, 5, 4, 3, 2}));
}

TEST_F(UndoHistoryTest, AnotherPuzzleFindsTheHistoryEmpty) {
  history.Bind("gift A");
  game.Change(history, 8, 1);
  history.Bind("gift A");
  EXPECT_EQ(history.Count(), 1) << "a restart of the same puzzle keeps the steps";
  history.Bind("gift B");
  EXPECT_EQ(history.Count(), 0);
  history.Undo(game);
  EXPECT_EQ(game.applied, 0);
  EXPECT_FALSE(game.Enabled("UndoItem"));
}

// ---- The game's snapshots ---------------------------------------------------------

// What undo must give back of a piece: its place, the first piece of its group (a
// drag's step is taken once the press has brought the group to the front with a new
// number), its tray, whether it is joined, its turn and size.
using PiecePlace = std::tuple<int32_t, int32_t, int32_t, int32_t, bool, uint8_t, uint16_t, uint16_t>;

std::vector<PiecePlace> Places(const TJigsaw& game) {
  const TPieceList all = game.AllPieces();
  std::vector<PiecePlace> places;
  for (const TFormPiece* p : all) {
    const auto first = std::find_if(all.begin(), all.end(), [p](const TFormPiece* q) { return q->Group == p->Group; });
    places.emplace_back(p->X, p->Y, (*first)->Index, p->Tray, p->Joined, p->Rotation, p->Width, p->Height);
  }
  return places;
}

// A tray as the player sees it.
using TrayLook = std::tuple<int32_t, int32_t, int32_t, uint16_t, uint16_t, bool, std::string, std::vector<int>>;

std::vector<TrayLook> Trays(const TJigsaw& game) {
  std::vector<TrayLook> trays;
  for (int32_t i = 0; i < game.TrayListCount(); ++i) {
    const TBox& tray = game.TrayNo(i);
    std::vector<int> pieces;
    for (const TFormPiece* p : tray.FPieces) pieces.push_back(p->Index);
    trays.emplace_back(tray.Number(), tray.FLeft, tray.FTop, tray.FWidth, tray.FHeight, tray.FOpen, tray.FDescription,
                       pieces);
  }
  return trays;
}

using testing::PointText;

class UndoGameTest : public testing::PlayFixture {
 protected:
  void StartSpread(testing::PuzzleSetup setup = {}) {
    Start(setup);
    SpreadOut();
  }

  // Drags piece 5 to where it fits piece 6, so the two join.
  void JoinFiveToSix() {
    const Point grab = OnPiece(P(5));
    const Point fit = TPieces::FitPosition(P(5), P(6));
    const Point to{grab.X + fit.X + 3 - P(5).X, grab.Y + fit.Y - 2 - P(5).Y};
    Run("drag " + PointText(grab) + " " + PointText(to) + " left\n");
  }

  // The shared tray of the fixture, described, so that undo must bring the text back.
  TBox& TrayWith(std::initializer_list<int> pieces) {
    TBox& tray = PlayFixture::TrayWith(pieces);
    tray.SetDescription("Sky");
    return tray;
  }

  void Undo() { game->UndoRedo(true); }
  void Redo() { game->UndoRedo(false); }
  bool Enabled(const char* item) { return host.MainForm().Get(item).Enabled; }
  std::string Hint(const char* item) { return host.MainForm().Get(item).Hint; }
  int Trails() { return DifferingPixels(game->BoardBitmap, FreshBoard()); }
};

TEST_F(UndoGameTest, DragThatJoinedIsUndoneAndRedone) {
  StartSpread();
  const auto before = Places(*game);
  JoinFiveToSix();
  ASSERT_EQ(P(5).Group, P(6).Group);
  ASSERT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_EQ(Hint("UndoItem"), "Undo move pieces");
  const auto joined = Places(*game);

  Undo();
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
  EXPECT_EQ(P(5).JoinedSides, 0);
  EXPECT_EQ(Trails(), 0) << "the board shows the pieces where they are now";
  EXPECT_FALSE(Enabled("UndoItem"));
  EXPECT_EQ(Hint("RedoItem"), "Redo move pieces");

  Redo();
  EXPECT_EQ(Places(*game), joined);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_NE(P(5).JoinedSides, 0);
  EXPECT_EQ(Trails(), 0);
  EXPECT_FALSE(Enabled("RedoItem"));

  // The pieces can be dragged on from the restored position.
  const Point grab = OnPiece(P(6));
  Run("drag " + PointText(grab) + " " + PointText({grab.X + 20, grab.Y + 15}) + " left\n");
  EXPECT_EQ(P(5).X, std::get<0>(joined[5]) + 20);
  EXPECT_EQ(Trails(), 0);
}

// Undo draws again only the places of the pieces that changed: a piece dragged onto
// another and one lifted from beneath a third (which brings it to the top) go back
// under them, each frame of the board as a whole redraw would show it, and nothing
// else of the board is shown again.
TEST_F(UndoGameTest, UndoOfAMoveDrawsOnlyThePiecesPlacesAgain) {
  StartSpread();
  P(7).X = P(3).X + 25;
  P(7).Y = P(3).Y + 30;
  Recompose();
  const Point onThree = OnPiece(P(3));
  Run("drag " + PointText(OnPiece(P(5))) + " " + PointText({onThree.X + 10, onThree.Y}) + " left\n");
  const Point grabThree = OnPiece(P(3));
  Run("drag " + PointText(grabThree) + " " + PointText({grabThree.X + 1, grabThree.Y}) + " left\n");
  const auto moved = Places(*game);
  const Bitmap movedBoard = game->BoardBitmap;

  for (int step = 0; step < 2; ++step) {
    host.shown.clear();
    Undo();
    EXPECT_EQ(Trails(), 0) << "undo " << step;
    ASSERT_FALSE(host.shown.empty());
    for (const Rect& rect : host.shown)
      EXPECT_LT(int64_t{rect.Width()} * rect.Height(), int64_t{game->BoardBitmap.Width()} * game->BoardBitmap.Height() / 4)
          << "undo " << step << " showed the whole board";
  }
  Redo();
  EXPECT_EQ(Trails(), 0);
  Redo();
  EXPECT_EQ(Places(*game), moved);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, movedBoard), 0);
}

TEST_F(UndoGameTest, DeletedTrayComesBackWithItsPieces) {
  StartSpread();
  TrayWith({0, 1, 7});
  const auto trays = Trays(*game);
  const auto places = Places(*game);
  host.answerYes = true;

  game->RecordUndoPoint(kUndoTrayOperation);
  game->RemoveTray();
  ASSERT_EQ(game->TrayListCount(), 1);
  const auto deleted = Places(*game);

  Undo();
  EXPECT_EQ(Trays(*game), trays);
  EXPECT_EQ(Places(*game), places);
  EXPECT_TRUE(host.MainForm().Has(game->TrayNo(1).ButtonName())) << "the tray's button is back";
  EXPECT_EQ(game->CurrentTray(), &game->BoardTray());
  EXPECT_EQ(Trails(), 0);

  Redo();
  EXPECT_EQ(game->TrayListCount(), 1);
  EXPECT_EQ(Places(*game), deleted);
  EXPECT_EQ(Trails(), 0);
}

TEST_F(UndoGameTest, PiecesTakenIntoATrayGoBackToTheBoard) {
  StartSpread();
  TrayWith({});
  const auto trays = Trays(*game);
  const auto places = Places(*game);

  game->RecordUndoPoint(kUndoTrayOperation);
  game->GetPieces(1);
  ASSERT_FALSE(game->TrayNo(1).FPieces.empty());
  const auto taken = Trays(*game);

  Undo();
  EXPECT_EQ(Trays(*game), trays);
  EXPECT_EQ(Places(*game), places);
  EXPECT_EQ(Trails(), 0);
  Redo();
  EXPECT_EQ(Trays(*game), taken);
  EXPECT_EQ(Trails(), 0);
}

// A tray made after the step is gone again after the undo, and its piece is back on
// the board where it was dragged from.
TEST_F(UndoGameTest, PieceDraggedIntoANewTrayIsBackOnTheBoard) {
  StartSpread();
  const auto before = Places(*game);
  const int trays = game->TrayListCount();
  TBox& tray = TrayWith({});
  const Point grab = OnPiece(P(2));
  Run("drag " + PointText(grab) + " " + PointText({tray.FLeft + 150, tray.FTop + 150}) + " left\n");
  ASSERT_EQ(P(2).Tray, tray.Number());

  Undo();
  EXPECT_EQ(game->TrayListCount(), trays + 1) << "making the tray was no step of its own";
  EXPECT_EQ(P(2).Tray, 0);
  EXPECT_EQ(std::get<0>(Places(*game)[2]), std::get<0>(before[2]));
  EXPECT_EQ(std::get<1>(Places(*game)[2]), std::get<1>(before[2]));
  EXPECT_TRUE(game->TrayNo(1).FPieces.empty());
  EXPECT_EQ(Trails(), 0);
}

TEST_F(UndoGameTest, WheelTurnsOfOnePieceAreUndoneAsOneStep) {
  StartSpread({.Rotating = true});
  host.MainForm().SetChecked("Rotation", true);
  const auto before = Places(*game);
  host.pointer = OnPiece(P(5));
  for (int turn = 0; turn < 3; ++turn) game->BoardMouseWheel(120);
  ASSERT_NE(P(5).Rotation, std::get<5>(before[5]));
  EXPECT_EQ(UndoHistory().Count(), 1);
  const auto turned = Places(*game);

  Undo();
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(game->FWheelPiece, -1) << "the next turn of the piece is a step of its own";
  EXPECT_EQ(Hint("RedoItem"), "Redo rotate pieces");
  EXPECT_EQ(Trails(), 0);

  Redo();
  EXPECT_EQ(Places(*game), turned);
  EXPECT_EQ(Trails(), 0);
  host.pointer = OnPiece(P(5));
  game->BoardMouseWheel(120);
  EXPECT_EQ(UndoHistory().Count(), 2);
}

// The neighbour cheat fetches piece 6 to piece 5 and counts itself; the undo takes
// back the join and the count, the redo brings both again.
TEST_F(UndoGameTest, UndoingACheatTakesBackItsJoinAndCount) {
  StartSpread();
  game->Config().Cheating = true;
  game->runCheats = true;
  PuzzleRecord.CheatCount = 2;
  const auto before = Places(*game);
  const Rect box = P(5).BoardRect();
  const Point towardsSix{(box.Left + box.Right) / 2 + 10, (box.Top + box.Bottom) / 2};
  Run("key shift down\npress " + PointText(towardsSix) + "\nrelease " + PointText(towardsSix) + "\nkey shift up\n");
  ASSERT_EQ(game->cheats, std::vector<std::string>{"FetchNeighbour"});
  ASSERT_EQ(P(5).Group, P(6).Group);
  EXPECT_EQ(PuzzleRecord.CheatCount, 3);
  EXPECT_EQ(Hint("UndoItem"), "Undo cheat");
  const auto fetched = Places(*game);

  Undo();
  EXPECT_EQ(PuzzleRecord.CheatCount, 2);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(Hint("RedoItem"), "Redo cheat");
  EXPECT_EQ(Trails(), 0);
  Redo();
  EXPECT_EQ(PuzzleRecord.CheatCount, 3);
  EXPECT_EQ(Places(*game), fetched);
  EXPECT_EQ(Trails(), 0);
}

// The redo returns to the moment of the undo, the clock included.
TEST_F(UndoGameTest, ClockGoesBackAndComesAgain) {
  StartSpread();
  PuzzleRecord.Elapsed = 50;
  JoinFiveToSix();
  PuzzleRecord.Elapsed = 80;
  Undo();
  EXPECT_EQ(PuzzleRecord.Elapsed, 50);
  PuzzleRecord.Elapsed = 95;  // the clock ran on and nothing was recorded
  Redo();
  EXPECT_EQ(PuzzleRecord.Elapsed, 80);
}

TEST_F(UndoGameTest, NothingIsUndoneWhilePiecesAreCarried) {
  StartSpread();
  JoinFiveToSix();
  const Point grab = OnPiece(P(0));
  Run("press " + PointText(grab) + " middle\nrelease " + PointText(grab) + " middle\n");
  ASSERT_TRUE(game->FCarrying);
  const auto carried = Places(*game);
  Undo();
  EXPECT_EQ(Places(*game), carried);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_EQ(UndoHistory().Undone(), 0);
}

// A piece held on a pressed button waits for its release; a pointer resting on a
// tray's border does not hold the undo back.
TEST_F(UndoGameTest, UndoWaitsForAPressedDragButNotForAPointerOnATrayBorder) {
  StartSpread();
  TBox& tray = TrayWith({});
  const auto before = Places(*game);
  const Point grab = OnPiece(P(0));
  Run("drag " + PointText(grab) + " " + PointText({grab.X + 15, grab.Y + 10}) + " left\n");
  ASSERT_NE(Places(*game), before);

  Run("press " + PointText(grab) + "\n");
  ASSERT_EQ(game->FDragState, DragState::Picked);
  Undo();
  EXPECT_EQ(UndoHistory().Undone(), 0);
  Run("release " + PointText(grab) + "\n");

  const Point border{tray.FLeft + tray.FWidth - 2, tray.FTop + tray.FHeight / 2};
  Run("move " + PointText(border) + "\n");
  ASSERT_EQ(game->FDragState, DragState::OverTrayBorder);
  Undo();
  Undo();
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(host.cursor, CursorShape::Default);
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(Trails(), 0);
}

// A band selection waiting on the board is put back before the step is undone.
TEST_F(UndoGameTest, WaitingBandSelectionIsPutBackBeforeUndo) {
  StartSpread();
  const auto before = Places(*game);
  JoinFiveToSix();
  const Rect box = P(0).BoardRect();
  Run("drag " + PointText({box.Left - 5, box.Top - 5}) + " " + PointText({box.Right + 5, box.Bottom + 5}) +
      " left\n");
  ASSERT_EQ(game->FDragState, DragState::BandSelected);
  Undo();
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_FALSE(P(0).Hidden);
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(Trails(), 0);
}

// A size step regenerates the pieces at the former scale, with their former shapes.
TEST_F(UndoGameTest, PieceSizeStepGivesBackScaleAndShapes) {
  StartSpread();
  const auto shade = P(5).ShadeSprite;
  const auto before = Places(*game);
  game->RecordUndoPoint(0);
  game->SetScale(50);
  ASSERT_EQ(PuzzleRecord.Scale, 50);
  ASSERT_NE(P(5).ShadeSprite, shade);

  Undo();
  EXPECT_EQ(PuzzleRecord.Scale, 100);
  EXPECT_EQ(game->Picture.Width(), 400);
  EXPECT_EQ(P(5).ShadeSprite, shade);
  EXPECT_EQ(Places(*game), before);
  EXPECT_EQ(Hint("RedoItem"), "Redo size/shape");
  EXPECT_EQ(Trails(), 0);

  Redo();
  EXPECT_EQ(PuzzleRecord.Scale, 50);
  EXPECT_EQ(game->Picture.Width(), 200);
  EXPECT_EQ(Trails(), 0);
}

// The history outlives the game object: after a restart of the same gift the steps
// of the game before can be undone into the new one.
TEST_F(UndoGameTest, RestartedGameUndoesTheStepsOfTheOneBefore) {
  StartSpread();
  TrayWith({0, 1, 7});
  const auto trays = Trays(*game);
  const auto places = Places(*game);
  game->RecordUndoPoint(kUndoTrayOperation);
  host.answerYes = true;
  game->RemoveTray();

  StartSpread();
  ASSERT_EQ(game->TrayListCount(), 1);
  EXPECT_TRUE(Enabled("UndoItem"));
  Undo();
  EXPECT_EQ(Trays(*game), trays);
  EXPECT_EQ(Places(*game), places);
  EXPECT_EQ(Trails(), 0);
}

// Snapshots go by puzzle: a new game of another gift does not undo into the old one.
TEST_F(UndoGameTest, AnotherGiftStartsWithNoSteps) {
  StartSpread();
  JoinFiveToSix();
  ASSERT_EQ(UndoHistory().Count(), 1);
  StartSpread({.Pieces = 20});
  const auto places = Places(*game);
  Undo();
  EXPECT_EQ(UndoHistory().Count(), 0);
  EXPECT_EQ(Places(*game), places);
}

}  // namespace
}  // namespace quill
