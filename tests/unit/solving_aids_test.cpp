// The solving aids on a small puzzle being played: hints, flashing, solving single
// pieces, neighbours, turning the right way up and the auto-solve. The host's clock
// advances on every reading, so flashes and glides take no real time; every aid must
// leave the board as a fresh drawing would show it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "play_fixture.h"

namespace quill::testing {
namespace {

class SolvingAidsTest : public PlayFixture {
 protected:
  void StartSpread(PuzzleSetup setup = {}) {
    Start(setup);
    SpreadOut();
    game->runCheats = true;
    host.shown.clear();
  }

  // Spreads the pieces with piece 4 on its place already, and solves piece 5, its
  // right neighbour, which glides there and joins it.
  void StartSolvingPieceFiveBesideFour() {
    StartSpread();
    P(4).X = HomeOnGhost(P(4)).X;
    P(4).Y = HomeOnGhost(P(4)).Y;
    Recompose();
    game->FPiece = &P(5);
    game->SolveOnePiece();
  }

  // Top-left corners of the board rectangles shown since the last clear.
  std::set<std::pair<int, int>> ShownCorners() const {
    std::set<std::pair<int, int>> corners;
    for (const Rect& r : host.shown) corners.insert({r.Left, r.Top});
    return corners;
  }
  bool WasShownAt(const TFormPiece& piece) const { return ShownCorners().count({piece.X, piece.Y}) > 0; }

  Point GhostTopLeft() const {
    const Rect ghost = game->FMural.GhostRect();
    return {ghost.Left, ghost.Top};
  }
  Point HomeOnGhost(const TFormPiece& piece) const {
    const Point g = GhostTopLeft();
    return {g.X + piece.HomeX, g.Y + piece.HomeY};
  }

  // "&New Tray" leaves the current tray as it was; a right press on the new tray's
  // button makes it the current one, as the tray commands need.
  TBox& NewCurrentTray() {
    game->AddTray();
    TBox& tray = game->TrayNo(game->TrayListCount() - 1);
    game->SetCurrentTray(&tray);
    return tray;
  }

  void ExpectBoardClean() { EXPECT_EQ(DifferingPixels(FreshBoard(), game->BoardBitmap), 0) << "trails on the board"; }

  // Turns a piece with its group by quarter turns, joining nothing.
  void Turn(int index, int quarterTurns) { game->TurnSelection(&P(index), quarterTurns, false); }
  // Every piece the right way up, as a game without rotation starts.
  void Upright() {
    for (TFormPiece* piece : game->AllPieces())
      if (piece->Rotation != 0) Turn(piece->Index, 4 - piece->Rotation);
    Recompose();
  }

  std::vector<Point> Places() {
    std::vector<Point> places;
    for (TFormPiece* piece : game->AllPieces()) places.push_back(At(*piece));
    return places;
  }

 public:
  // Input that reaches the game between ticks: a plain left press on an empty spot
  // of the board, a command that changes nothing of the position ("&New Tray"),
  // clicks on the tray bar's first tray button and on its scroll button, and the
  // hint asked for again.
  void Press() {
    game->BoardMouseDown(MouseButton::Left, 2, 2);
    game->BoardMouseUp(MouseButton::Left, 2, 2);
  }
  void Command() {
    game->CompleteAnimation();
    game->AddTray();
  }
  void TrayButtonClick() { host.MainForm().Click(game->TrayNo(1).ButtonName()); }
  void ScrollButtonClick() { host.MainForm().Click("SpeedBoxRight"); }
  void Again() { game->Hint(); }

 protected:

  bool AllInOneGroup() {
    const auto all = game->AllPieces();
    return std::all_of(all.begin(), all.end(), [&](const TFormPiece* p) { return p->Group == P(0).Group; });
  }
};

// ---- Hint ----

TEST_F(SolvingAidsTest, HintOnSinglePiecesFlashesTheFirstBoardPieceAndItsFirstNeighbour) {
  StartSpread();
  TFormPiece& first = *game->BoardTray().FPieces.front();
  // Its first neighbour in the order top, right, bottom, left.
  TFormPiece* neighbour = nullptr;
  for (int d = 0; d < 4 && neighbour == nullptr; ++d) neighbour = game->Neighbour(first, d);
  ASSERT_NE(neighbour, nullptr);
  const auto before = Places();

  game->Hint();

  Animate();

  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_TRUE(WasShownAt(first));
  EXPECT_TRUE(WasShownAt(*neighbour));
  for (TFormPiece* other : game->AllPieces())
    if (other != &first && other != neighbour) { EXPECT_FALSE(WasShownAt(*other)) << "piece " << other->Index; }
  EXPECT_EQ(Places(), before) << "a hint moves nothing";
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, HintPicksARimPieceOfTheLargestGroupAndItsNeighbourOutside) {
  StartSpread();
  FormGroup(5, {6});  // row 1, columns 1 and 2 of the 4 × 3 grid
  game->Hint();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  // Piece 5's first outside neighbour is 1 above it; piece 6's is 2 above it.
  const bool fromFive = WasShownAt(P(5)) && WasShownAt(P(1));
  const bool fromSix = WasShownAt(P(6)) && WasShownAt(P(2));
  EXPECT_NE(fromFive, fromSix) << "exactly one pair flashes";
  for (int other : {0, 3, 4, 7, 8, 9, 10, 11}) EXPECT_FALSE(WasShownAt(P(other))) << "piece " << other;
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, HintCountsOnlyWhenItCanLook) {
  StartSpread();
  // A drag in progress: nothing.
  game->FDragState = DragState::Picked;
  game->Hint();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 0);
  game->FDragState = DragState::Idle;

  // Every piece on the board in one group: solved, nothing counts.
  FormGroup(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  ASSERT_EQ(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount);
  game->Hint();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 0);
}

TEST_F(SolvingAidsTest, HintWithEveryPieceInATrayCountsAndShowsNothing) {
  StartSpread();
  NewCurrentTray();
  game->GetPieces(1);
  ASSERT_TRUE(game->BoardTray().FPieces.empty());
  const Bitmap before = game->BoardBitmap;
  host.shown.clear();
  game->Hint();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_EQ(DifferingPixels(before, game->BoardBitmap), 0);
}

// ---- Flashing a solution, solving a piece ----

TEST_F(SolvingAidsTest, FlashSolutionShowsThePieceAndItsPlaceThenTheBoardAsItWas) {
  StartSpread();
  game->Config().Shadows = false;
  game->FPiece = &P(7);
  game->FlashSolution();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_TRUE(WasShownAt(P(7)));
  const Point home = HomeOnGhost(P(7));
  EXPECT_TRUE(ShownCorners().count({home.X, home.Y}) > 0) << "the place on the ghost flashed";
  EXPECT_FALSE(game->Config().Shadows) << "the shadow option comes back";
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, FlashSolutionOffThePictureCountsAndShowsNothing) {
  StartSpread();
  game->FPiece = nullptr;
  game->FMouse = {GhostTopLeft().X - 5, GhostTopLeft().Y - 5};
  const Bitmap before = game->BoardBitmap;
  game->FlashSolution();
  Animate();
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_EQ(DifferingPixels(before, game->BoardBitmap), 0);
}

TEST_F(SolvingAidsTest, FlashSolutionOpensTheClosedTrayHoldingThePiece) {
  StartSpread();
  NewCurrentTray();
  game->GetPieces(1);
  TBox& tray = game->TrayOf(P(3));
  ASSERT_FALSE(tray.IsBoard());
  if (tray.IsOpen()) tray.ToggleOpen();
  ASSERT_FALSE(tray.IsOpen());
  game->FPiece = &P(3);
  game->FlashSolution();
  Animate();
  EXPECT_TRUE(tray.IsOpen());
  ExpectBoardClean();
}

// A piece shown by an aid is shown in its tray: a minimised one is opened first.
TEST_F(SolvingAidsTest, AidsOpenTheMinimisedTrayOfThePieceTheyShow) {
  const struct {
    const char* name;
    std::function<void(CountingGame&)> run;
  } aids[] = {
      {"hint", [](CountingGame& g) { g.Hint(); }},
      {"show neighbour", [](CountingGame& g) { g.ShowNeighbour(); }},
  };
  for (const auto& aid : aids) {
    SCOPED_TRACE(aid.name);
    StartSpread();
    // The hint's pair on single pieces: the board's first piece and its first neighbour.
    TFormPiece& first = *game->BoardTray().FPieces.front();
    TFormPiece* neighbour = nullptr;
    for (int d = 0; d < 4 && neighbour == nullptr; ++d) neighbour = game->Neighbour(first, d);
    ASSERT_NE(neighbour, nullptr);
    TBox& tray = NewCurrentTray();
    game->MovePiecesToTray({neighbour}, tray);
    neighbour->X = tray.InnerRect().Left;
    neighbour->Y = tray.InnerRect().Top;
    game->StoreTrayPlaces(tray);
    tray.ToggleOpen();
    ASSERT_FALSE(tray.IsOpen());
    Recompose();
    game->FPiece = &first;
    game->FNeighbour = neighbour;
    host.shown.clear();
    aid.run(*game);
    Animate();
    EXPECT_TRUE(tray.IsOpen());
    EXPECT_TRUE(WasShownAt(*neighbour));
    ExpectBoardClean();
  }
}

TEST_F(SolvingAidsTest, SolveOnePieceGlidesItOntoItsGhostPlaceAndJoinsWhatFits) {
  StartSolvingPieceFiveBesideFour();
  EXPECT_TRUE(host.ticksWanted) << "the glide runs on the ticks";
  Animate();
  EXPECT_FALSE(host.ticksWanted) << "no ticks once it is over";
  EXPECT_EQ(At(P(5)), HomeOnGhost(P(5)));
  EXPECT_EQ(P(5).Group, P(4).Group);
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_EQ(game->FDragState, DragState::Idle);
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, SolveOnePieceFindsThePieceByItsPlaceOnTheGhost) {
  struct Case {
    const char* name;
    Point offset;   // from the middle of piece 9's cell on the ghost
    bool solved;
    int cheats;
  };
  const Case cases[] = {
      {"on the place", {0, 0}, true, 1},
      {"off the picture", {-400, -400}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartSpread();
    const Point before = At(P(9));
    const Point home = HomeOnGhost(P(9));
    game->FPiece = nullptr;
    // Piece 9 is cut from column 1, row 2 of the grid. The grid's pitch is the picture
    // size over the columns and rows; `CellWidth` is the larger atlas cell.
    const Point g = GhostTopLeft();
    const int32_t pitchX = PuzzleRecord.ScaledWidth / PuzzleRecord.Columns;
    const int32_t pitchY = PuzzleRecord.ScaledHeight / PuzzleRecord.Rows;
    const Point middle{g.X + pitchX * 3 / 2, g.Y + pitchY * 5 / 2};
    game->FMouse = {middle.X + c.offset.X, middle.Y + c.offset.Y};
    game->SolveOnePiece();
    Animate();
    EXPECT_EQ(At(P(9)), c.solved ? home : before);
    EXPECT_EQ(PuzzleRecord.CheatCount, c.cheats);
    ExpectBoardClean();
  }
}

TEST_F(SolvingAidsTest, SolveOnePieceTurnsATurnedGroupTheRightWayUp) {
  StartSpread({.Rotating = true});
  Upright();
  FormGroup(5, {6});
  Turn(5, 3);
  ASSERT_EQ(P(6).Rotation, 3);
  Recompose();
  game->FPiece = &P(6);
  game->SolveOnePiece();
  Animate();
  EXPECT_EQ(P(5).Rotation, 0);
  EXPECT_EQ(P(6).Rotation, 0);
  EXPECT_EQ(At(P(6)), HomeOnGhost(P(6)));
  EXPECT_EQ(At(P(5)), HomeOnGhost(P(5))) << "the group keeps its shape";
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, CtrlShiftClickSolvesThroughTheBoardWithACheatUndoStep) {
  StartSpread();
  game->Config().Ghost = true;
  host.shift = host.ctrl = true;
  const Point on = OnPiece(P(2));
  game->BoardMouseDown(MouseButton::Left, on.X, on.Y);
  Animate();
  EXPECT_EQ(At(P(2)), HomeOnGhost(P(2)));
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoCheat});
}

// ---- Neighbours ----

TEST_F(SolvingAidsTest, FetchNeighbourTurnsAndGlidesTheNeighbourToFitAndJoins) {
  StartSpread({.Rotating = true});
  Upright();
  FormGroup(6, {7});
  Turn(6, 2);  // the neighbour's group lies upside down
  Recompose();
  game->FPiece = &P(5);
  game->FNeighbour = &P(6);
  game->FTray = &game->BoardTray();
  const Point anchor = At(P(5));
  game->FetchNeighbour();
  Animate();
  EXPECT_EQ(At(P(5)), anchor) << "the piece stays";
  EXPECT_EQ(P(6).Rotation, P(5).Rotation);
  EXPECT_EQ(At(P(6)), game->FitPosition(P(6), P(5)));
  EXPECT_EQ(P(6).Group, P(5).Group);
  EXPECT_EQ(P(7).Group, P(5).Group) << "the neighbour came with its group";
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, FetchNeighbourFromATrayPutsItOnTheBoard) {
  StartSpread();
  NewCurrentTray();
  game->GetPieces(1);
  TBox& tray = game->TrayOf(P(1));
  game->EmptyTrayOntoBoard(tray);  // all back on the board but piece 1
  game->MovePiecesToTray({&P(1)}, tray);
  game->RepaintRect(game->BoardBitmap.Bounds());
  game->FlushDirty();
  game->FPiece = &P(0);
  game->FNeighbour = &P(1);
  game->FTray = &game->BoardTray();
  game->FetchNeighbour();
  Animate();
  EXPECT_EQ(P(1).Tray, 0);
  EXPECT_EQ(P(1).Group, P(0).Group);
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, ShowNeighbourFlashesBothAndMovesNothing) {
  StartSpread();
  game->FPiece = &P(5);
  game->FNeighbour = &P(9);
  const auto before = Places();
  game->ShowNeighbour();
  Animate();
  EXPECT_TRUE(WasShownAt(P(5)));
  EXPECT_TRUE(WasShownAt(P(9)));
  EXPECT_EQ(Places(), before);
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, CheatClicksAreRefusedWithCheatingOff) {
  StartSpread();
  game->Config().Cheating = false;
  game->Config().Ghost = true;
  const auto before = Places();
  for (bool ctrl : {false, true}) {
    host.shift = true;
    host.ctrl = ctrl;
    const Point on = OnPiece(P(5));
    game->BoardMouseDown(MouseButton::Right, on.X, on.Y);
    game->BoardMouseUp(MouseButton::Right, on.X, on.Y);
  }
  EXPECT_TRUE(game->cheats.empty());
  EXPECT_EQ(PuzzleRecord.CheatCount, 0);
  EXPECT_EQ(Places(), before);
}

// The pointer lies to the right of piece 5 (row 1, column 1 of the 4 × 3 grid). Its
// neighbour that way is taken unless it is in the piece's group; then the first
// outside neighbour in the order top, right, bottom, left; with none outside, the left
// one. A piece turned a quarter has its grid top facing right.
TEST_F(SolvingAidsTest, PiecePopupEnablesTheCheatItemsThatApply) {
  struct Case {
    const char* name;
    bool cheating;
    std::vector<int> group;  // joined to piece 5
    bool turned;
    int neighbour;
    bool neighbourItems;
    bool rightWayUp;
  };
  const Case cases[] = {
      {"single pieces", true, {}, false, 6, true, false},
      {"neighbour towards the pointer in the group", true, {6}, false, 1, true, false},
      {"every neighbour in the group", true, {1, 4, 6, 9}, false, 4, false, false},
      {"turned piece", true, {}, true, 1, true, true},
      {"cheating off", false, {}, true, 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartSpread({.Rotating = true});
    Upright();
    for (int member : c.group) FormGroup(5, {member});
    if (c.turned) Turn(5, 1);
    const Rect box = P(5).BoardRect();
    game->Config().Cheating = c.cheating;
    game->FPiece = &P(5);
    game->FMouse = {box.Right + 20, (box.Top + box.Bottom) / 2};
    game->PreparePiecePopup();
    EXPECT_EQ(game->FNeighbour, &P(c.neighbour));
    UiState& form = host.MainForm();
    EXPECT_EQ(form.Get("ShowNeighbor").Enabled, c.neighbourItems);
    EXPECT_EQ(form.Get("FetchNeighbor").Enabled, c.neighbourItems);
    EXPECT_EQ(form.Get("RightWayUp2").Enabled, c.rightWayUp);
    EXPECT_EQ(form.Get("ShowSolution").Enabled, c.cheating);
    EXPECT_EQ(form.Get("SolvePiece").Enabled, c.cheating);
  }
}

// Every menu item and tool button that runs a cheat.
constexpr const char* kCheatItems[] = {"Hint1",      "Hint2",        "SpeedHint",  "RightWayUp1",
                                       "RightWayUp2", "Solve1",      "Solve2",     "ShowSolution",
                                       "SolvePiece", "FindPiece",    "FetchPiece", "ShowNeighbor",
                                       "FetchNeighbor"};

TEST_F(SolvingAidsTest, GameStartAppliesTheCheatingOption) {
  for (bool cheating : {false, true}) {
    SCOPED_TRACE(cheating ? "cheating on" : "cheating off");
    Start();
    game->Config().Cheating = cheating;
    game->SetGameState(GameState::Playing);
    for (const char* name : kCheatItems) EXPECT_EQ(host.MainForm().Get(name).Enabled, cheating) << name;
  }
}

TEST_F(SolvingAidsTest, AllowCheatingSwitchesEveryCheatItem) {
  StartSpread();
  for (bool cheating : {false, true, false}) {
    SCOPED_TRACE(cheating ? "ticked" : "unticked");
    game->SetCheating(cheating, true);
    EXPECT_EQ(game->Config().Cheating, cheating);
    for (const char* name : kCheatItems) EXPECT_EQ(host.MainForm().Get(name).Enabled, cheating) << name;
  }
}

// With the option unticked an aid reached by any road (a shortcut, a menu opened
// before unticking) counts nothing, moves nothing and shows nothing.
TEST_F(SolvingAidsTest, EveryAidDoesNothingWithCheatingOff) {
  const struct {
    const char* name;
    std::function<void(CountingGame&)> run;
  } aids[] = {
      {"Hint", [](CountingGame& g) { g.Hint(); }},
      {"FlashSolution", [](CountingGame& g) { g.FlashSolution(); }},
      {"SolveOnePiece", [](CountingGame& g) { g.SolveOnePiece(); }},
      {"ShowNeighbour", [](CountingGame& g) { g.ShowNeighbour(); }},
      {"FetchNeighbour", [](CountingGame& g) { g.FetchNeighbour(); }},
      {"RightWayUp", [](CountingGame& g) { g.RightWayUp(); }},
      {"AllRightWayUp", [](CountingGame& g) { g.AllRightWayUp(); }},
      {"AutoSolve", [](CountingGame& g) { g.AutoSolve([] { return 10; }); }},
  };
  for (const auto& aid : aids) {
    SCOPED_TRACE(aid.name);
    StartSpread({.Rotating = true});
    Turn(6, 1);
    Recompose();
    game->SetCheating(false, true);
    game->FPiece = &P(6);
    game->FNeighbour = &P(5);
    game->FMouse = HomeOnGhost(P(6));
    const auto before = Places();
    game->undoKinds.clear();
    host.shown.clear();
    aid.run(*game);
    Animate();
    EXPECT_EQ(PuzzleRecord.CheatCount, 0);
    EXPECT_FALSE(PuzzleRecord.AutoSolved);
    EXPECT_EQ(Places(), before);
    EXPECT_NE(P(6).Rotation, 0);
    EXPECT_TRUE(game->undoKinds.empty());
    EXPECT_TRUE(host.shown.empty()) << "something flashed";
  }
}

// Switching rotation off may still turn every piece the right way up: that is the
// option's own question, not a cheat command.
TEST_F(SolvingAidsTest, RotationSwitchTurnsPiecesUprightWithCheatingOff) {
  StartSpread({.Rotating = true});
  Turn(6, 1);
  Recompose();
  game->SetCheating(false, true);
  host.answerYes = true;
  EXPECT_FALSE(game->SetRotating(false, "Press 'Yes' to turn all pieces the right way up."));
  EXPECT_EQ(P(6).Rotation, 0);
}

// ---- Right way up ----

TEST_F(SolvingAidsTest, RightWayUpTurnsThePieceWithItsGroupBack) {
  StartSpread({.Rotating = true});
  Upright();
  FormGroup(5, {9});
  Turn(9, 1);
  Recompose();
  game->FPiece = &P(9);
  game->RightWayUp();
  Animate();
  EXPECT_EQ(P(9).Rotation, 0);
  EXPECT_EQ(P(5).Rotation, 0);
  EXPECT_EQ(At(P(5)), game->FitPosition(P(5), P(9))) << "the group keeps its shape";
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  ExpectBoardClean();
}

TEST_F(SolvingAidsTest, AllRightWayUpTurnsEveryPieceAndRecordsAStep) {
  struct Case {
    const char* name;
    bool turnSome;
  };
  for (const Case& c : {Case{"turned pieces", true}, Case{"nothing turned", false}}) {
    SCOPED_TRACE(c.name);
    StartSpread({.Rotating = true});
    Upright();
    if (c.turnSome) {
      FormGroup(5, {6});
      Turn(5, 1);
      Turn(0, 2);
      Turn(11, 3);
      Recompose();
    }
    game->undoKinds.clear();
    game->AllRightWayUp();
    for (TFormPiece* piece : game->AllPieces()) EXPECT_EQ(piece->Rotation, 0) << "piece " << piece->Index;
    if (c.turnSome) { EXPECT_EQ(At(P(6)), game->FitPosition(P(6), P(5))); }
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoRightWayUp});
    EXPECT_EQ(PuzzleRecord.CheatCount, 1);
    ExpectBoardClean();
  }
}

// ---- Auto-solve ----

class AutoSolveTest : public SolvingAidsTest {
 protected:
  // Runs the auto-solve at full speed on the animation ticks; `eachTick` runs after
  // every tick, where the window's events would; a runaway solve is stopped after
  // many ticks.
  void Solve(std::function<void(int tick)> eachTick = {}) {
    game->AutoSolve([] { return 10; }, [this](int32_t percent) { percents.push_back(percent); });
    Animate([this, eachTick](int tick) {
      if (eachTick) eachTick(tick);
      if (tick > 4000) game->StopAutoSolve();
    });
  }
  std::vector<int32_t> percents;
};

TEST_F(AutoSolveTest, SolvesASmallPuzzleAndMarksIt) {
  StartSpread();
  Solve();
  EXPECT_EQ(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount);
  EXPECT_TRUE(AllInOneGroup());
  EXPECT_TRUE(PuzzleRecord.AutoSolved);
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
  EXPECT_FALSE(game->FAutoSolving);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoAutoSolve});
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.front(), 0);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_EQ(std::adjacent_find(percents.begin(), percents.end()), percents.end()) << "told only on changes";
  ExpectBoardClean();
}

TEST_F(AutoSolveTest, SolvesTurnedPiecesAndPiecesInTrays) {
  StartSpread({.Rotating = true});
  Turn(3, 1);
  Turn(8, 2);
  NewCurrentTray();
  game->GetPieces(1);  // every piece into the tray: the solve starts from piece 0
  TBox& tray = game->TrayOf(P(0));
  ASSERT_FALSE(tray.IsBoard());
  Solve();
  EXPECT_EQ(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount);
  EXPECT_TRUE(AllInOneGroup());
  for (TFormPiece* piece : game->AllPieces()) {
    EXPECT_EQ(piece->Rotation, 0) << "piece " << piece->Index;
    EXPECT_EQ(piece->Tray, 0) << "piece " << piece->Index;
  }
  EXPECT_FALSE(tray.IsOpen()) << "the emptied tray is closed";
  ExpectBoardClean();
}

TEST_F(AutoSolveTest, AnchorGoesToItsPlaceOnTheGhostWhenShown) {
  StartSpread();
  game->Config().Ghost = true;
  Solve();
  ASSERT_TRUE(AllInOneGroup());
  EXPECT_EQ(At(P(0)), HomeOnGhost(P(0)));
}

TEST_F(AutoSolveTest, AnchorGoesWhereTheCentredPictureWouldBeWithoutGhost) {
  StartSpread();
  Solve();
  ASSERT_TRUE(AllInOneGroup());
  const Point origin{(kBoardWidth - PuzzleRecord.ScaledWidth) / 2, (kBoardHeight - PuzzleRecord.ScaledHeight) / 2};
  EXPECT_EQ(At(P(0)), (Point{origin.X + P(0).HomeX, origin.Y + P(0).HomeY}));
}

TEST_F(AutoSolveTest, StopEndsAfterTheCurrentPiece) {
  StartSpread();
  Solve([this](int tick) {
    if (tick == 3) game->StopAutoSolve();
  });
  EXPECT_FALSE(game->FAutoSolving);
  EXPECT_LT(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount);
  EXPECT_TRUE(PuzzleRecord.AutoSolved);
  ExpectBoardClean();
}

TEST_F(AutoSolveTest, LeavingPlayEndsTheSolve) {
  StartSpread();
  Solve([this](int tick) {
    if (tick == 3) game->SetGameState(GameState::Idle);
  });
  EXPECT_FALSE(game->FAutoSolving);
  EXPECT_LT(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount);
}

TEST_F(AutoSolveTest, HoldingTheLeftButtonPausesIt) {
  StartSpread();
  int joinedWhileHeld = -1;
  Solve([this, &joinedWhileHeld](int tick) {
    if (tick == 2) {
      host.leftHeld = true;
      joinedWhileHeld = PuzzleRecord.JoinedCount;
    }
    if (tick > 2 && tick < 40) { EXPECT_EQ(PuzzleRecord.JoinedCount, joinedWhileHeld) << "tick " << tick; }
    if (tick == 40) host.leftHeld = false;
  });
  EXPECT_EQ(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount) << "released, it carries on to the end";
}

// The solve lets the window's events run between its moves. A command among them
// that changes the position or the cheats stops the solve first, so the solve never
// goes on over the command's work.
TEST_F(AutoSolveTest, CommandsDuringTheSolveStopItFirst) {
  const struct {
    const char* name;
    std::function<void(CountingGame&)> command;
  } commands[] = {
      {"arrange in grid", [](CountingGame& g) { g.GridLayout("ArrangeInGrid", false, false); }},
      {"arrange at edge", [](CountingGame& g) { g.EdgeLayout("ArrangeAtEdge", false, false); }},
      {"disarrange", [](CountingGame& g) { g.DisarrangePieces("Disarrange", false); }},
      {"rotation switch", [](CountingGame& g) { g.SetRotating(true, ""); }},
      {"hint", [](CountingGame& g) { g.Hint(); }},
      {"flash solution", [](CountingGame& g) { g.FlashSolution(); }},
      {"solve piece", [](CountingGame& g) { g.SolveOnePiece(); }},
      {"show neighbour", [](CountingGame& g) { g.ShowNeighbour(); }},
      {"fetch neighbour", [](CountingGame& g) { g.FetchNeighbour(); }},
      {"right way up", [](CountingGame& g) { g.RightWayUp(); }},
      {"all right way up", [](CountingGame& g) { g.AllRightWayUp(); }},
      {"cheating unticked", [](CountingGame& g) { g.SetCheating(false, true); }},
  };
  for (const auto& c : commands) {
    SCOPED_TRACE(c.name);
    StartSpread();
    game->FPiece = &P(11);
    game->FNeighbour = &P(10);
    Solve([this, &c](int tick) {
      if (tick == 3) c.command(*game);
    });
    EXPECT_FALSE(game->FAutoSolving);
    EXPECT_LT(PuzzleRecord.JoinedCount, PuzzleRecord.PieceCount) << "the solve went on";
    EXPECT_TRUE(PuzzleRecord.AutoSolved) << "the solve's cheat stays on record";
    EXPECT_GE(PuzzleRecord.CheatCount, 1);
  }
}

// Undo stops the solve and takes it back whole: the pieces, the clock and the cheats
// as they were before it.
TEST_F(AutoSolveTest, UndoDuringTheSolveTakesItBackWhole) {
  StartSpread();
  PuzzleRecord.Elapsed = 42;
  const auto before = Places();
  Solve([this](int tick) {
    if (tick == 3) game->UndoRedo(true);
  });
  EXPECT_FALSE(game->FAutoSolving);
  EXPECT_EQ(Places(), before);
  EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
  EXPECT_EQ(PuzzleRecord.CheatCount, 0);
  EXPECT_FALSE(PuzzleRecord.AutoSolved);
  EXPECT_EQ(PuzzleRecord.Elapsed, 42);
  game->Tick();
  EXPECT_TRUE(host.congratulations.empty());
  ExpectBoardClean();
}

TEST_F(AutoSolveTest, DoesNotStartTwice) {
  StartSpread();
  int nested = 0;
  Solve([this, &nested](int tick) {
    if (tick == 3) {
      game->AutoSolve([] { return 10; });
      ++nested;
    }
  });
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoAutoSolve});
  EXPECT_EQ(PuzzleRecord.CheatCount, 1);
}

}  // namespace
}  // namespace quill::testing

namespace quill::testing {
namespace {

// ---- The user's input while an animation runs ----

// Between the ticks the window is the user's: presses, moves and commands reach the
// game while a glide or a flash is under way, and follow one rule.
TEST_F(AutoSolveTest, InputWhileAnAnimationRuns) {
  const struct {
    const char* name;
    std::function<void(CountingGame&)> start;   // starts the animation
    void (SolvingAidsTest::*input)();             // comes after a few ticks
    bool flashOver, solving;
  } cases[] = {
      {"a press ends the hint's flash", [](CountingGame& g) { g.Hint(); },
       &SolvingAidsTest::Press, true, false},
      {"a command ends the flash", [](CountingGame& g) { g.ShowNeighbour(); },
       &SolvingAidsTest::Command, true, false},
      {"a hint asked for again is let be", [](CountingGame& g) { g.Hint(); },
       &SolvingAidsTest::Again, false, false},
      {"a press puts the solve's piece down where it is; the solve goes on",
       [](CountingGame& g) { g.AutoSolve([] { return 1; }); }, &SolvingAidsTest::Press, true, true},
      {"a command other than a cheat lets the solve go on",
       [](CountingGame& g) { g.AutoSolve([] { return 1; }); }, &SolvingAidsTest::Command, true, true},
      {"a tray button is a command: it ends the flash",
       [](CountingGame& g) {
         g.AddTray();
         g.ShowNeighbour();
       },
       &SolvingAidsTest::TrayButtonClick, true, false},
      {"a scroll button of the tray bar is a command too", [](CountingGame& g) { g.ShowNeighbour(); },
       &SolvingAidsTest::ScrollButtonClick, true, false},
      {"a tray button completes the solve's glide; the solve goes on",
       [](CountingGame& g) {
         g.AddTray();
         g.AutoSolve([] { return 1; });
       },
       &SolvingAidsTest::TrayButtonClick, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartSpread();
    game->FPiece = &P(5);
    game->FNeighbour = &P(6);
    game->Config().Shadows = false;
    c.start(*game);
    for (int i = 0; i < 30; ++i) game->AnimationTick();
    ASSERT_TRUE(game->MovingOrFlashing());
    (this->*c.input)();
    EXPECT_EQ(!game->MovingOrFlashing(), c.flashOver);
    EXPECT_EQ(game->FAutoSolving, c.solving);
    EXPECT_EQ(PuzzleRecord.CheatCount, 1);
    if (c.solving) game->StopAutoSolve();
    Animate();
    EXPECT_FALSE(game->Config().Shadows) << "the shadow option comes back";
    EXPECT_TRUE(game->FSelection.empty());
    ExpectBoardClean();
  }
}

// Pointer moves, releases and the wheel are left alone while a glide runs: the
// gliding selection never follows the pointer.
TEST_F(SolvingAidsTest, PointerMovesDuringAGlideLeaveItAlone) {
  StartSolvingPieceFiveBesideFour();
  for (int i = 0; i < 10; ++i) game->AnimationTick();
  ASSERT_TRUE(game->Gliding());
  const Point midway = game->SelectionOrigin();
  game->BoardMouseMove(5, 5);
  game->BoardMouseWheel(120);
  game->BoardMouseUp(MouseButton::Left, 5, 5);
  EXPECT_EQ(game->SelectionOrigin(), midway);
  Animate();
  EXPECT_EQ(At(P(5)), HomeOnGhost(P(5)));
  EXPECT_EQ(P(5).Group, P(4).Group);
  ExpectBoardClean();
}

}  // namespace
}  // namespace quill::testing
