// The board's mouse control driven as the main window drives it: presses, moves,
// releases and wheel turns on a small puzzle being played.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "play_fixture.h"

namespace quill {
namespace {

using testing::DifferingPixels;
using testing::PointText;

std::string DragLine(Point from, Point to, const std::string& button = "left") {
  return "drag " + PointText(from) + " " + PointText(to) + " " + button + "\n";
}

class BoardMouseTest : public testing::PlayFixture {
 protected:
  void StartSpread(testing::PuzzleSetup setup = {}) {
    Start(setup);
    SpreadOut();
  }

  // The point that comes to `to` when the piece's top-left moves there, for a grab
  // at `grab`.
  static Point Carry(Point grab, const TFormPiece& piece, Point to) {
    return {grab.X + to.X - piece.X, grab.Y + to.Y - piece.Y};
  }

  // A board point that no piece and no tray covers.
  Point EmptyBoardPoint() {
    const Point p{kBoardWidth - 5, kBoardHeight - 5};
    for (TFormPiece* piece : game->AllPieces()) EXPECT_FALSE(piece->BoardRect().Contains(p.X, p.Y));
    EXPECT_TRUE(game->TrayAt(p.X, p.Y).IsBoard());
    return p;
  }

  // A new tray 300 × 200 with its top-left at `at`, in front of the board's pieces.
  TBox& NewTrayAt(Point at) {
    game->AddTray();
    TBox& tray = game->TrayNo(game->TrayListCount() - 1);
    game->MoveTray(tray, at.X - tray.FLeft, at.Y - tray.FTop);
    tray.FWidth = 300;
    tray.FHeight = 200;
    game->RepaintRect(game->BoardBitmap.Bounds());
    return tray;
  }

  // A wheel turn of `notches` with the pointer on the piece.
  void WheelOn(const TFormPiece& piece, int notches) {
    host.pointer = OnPiece(piece);
    game->BoardMouseWheel(notches * 120);
  }

  static uint8_t Turned(uint8_t rotation, int quarterTurns) { return static_cast<uint8_t>((rotation + quarterTurns) % 4); }
};

// ---- Picking up and putting down ----

TEST_F(BoardMouseTest, PieceDraggedNextToItsFittingNeighbourJoinsIt) {
  StartSpread();
  const Point grab = OnPiece(P(5));
  const Point fit = TPieces::FitPosition(P(5), P(6));
  Run(DragLine(grab, Carry(grab, P(5), {fit.X + 3, fit.Y - 2})));

  EXPECT_TRUE(P(5).Joined);
  EXPECT_EQ(P(5).Group, P(6).Group);
  EXPECT_EQ(At(P(5)), TPieces::FitPosition(P(5), P(6))) << "the two lie where they fit";
  EXPECT_EQ(PuzzleRecord.JoinedCount, 2);
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDrag});
  EXPECT_EQ(host.cursor, CursorShape::Default);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "no trails of the drag";
}

TEST_F(BoardMouseTest, BandSelectionDroppedNextToAFittingNeighbourIsNotJoined) {
  StartSpread();
  const Rect box = P(5).BoardRect();
  Run(DragLine({box.Left - 5, box.Top - 5}, {box.Right + 5, box.Bottom + 5}));
  ASSERT_EQ(game->FDragState, DragState::BandSelected);
  ASSERT_EQ(game->FSelection, TPieceList{&P(5)});

  const Point grab = OnPiece(P(5));
  const Point fit = TPieces::FitPosition(P(5), P(6));
  const Point dropped{fit.X + 3, fit.Y - 2};
  Run("press " + PointText(grab) + "\n");
  EXPECT_EQ(game->FDragState, DragState::BandSelection);
  EXPECT_EQ(host.cursor, CursorShape::Grab);
  const Point to = Carry(grab, P(5), dropped);
  Run("move " + PointText(to) + "\nrelease " + PointText(to) + "\n");

  EXPECT_FALSE(P(5).Joined);
  EXPECT_NE(P(5).Group, P(6).Group);
  EXPECT_EQ(At(P(5)), dropped) << "put down where it was let go";
  EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDrag});
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// The band grows by a third of a cell on every side unless it is exact; a piece is
// taken only when its box lies wholly inside. The band starts off the piece at one
// corner and ends inside its box at the other.
TEST_F(BoardMouseTest, BandTakesPiecesWhollyInsideItsEnlargedRectangle) {
  const struct {
    bool endTopLeft;  // the band ends near the box's top-left, else its bottom-right
    bool exact;
    int beyond;       // how much further inside the box than the growth the band ends
    bool taken;
  } cases[] = {
      {false, false, 0, true}, {false, false, 1, false}, {true, false, 0, true}, {true, false, 1, false},
      {false, true, 0, true},  {false, true, 1, false},  {true, true, 1, false},
  };
  StartSpread();
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "top-left " << c.endTopLeft << ", exact " << c.exact << ", beyond " << c.beyond);
    game->MouseOpts.ExactBand = c.exact;
    const int insetX = (c.exact ? 0 : PuzzleRecord.CellWidth / 3) + c.beyond;
    const int insetY = (c.exact ? 0 : PuzzleRecord.CellHeight / 3) + c.beyond;
    const Rect box = P(5).BoardRect();
    const Point from = c.endTopLeft ? Point{box.Right + 5, box.Bottom + 5} : Point{box.Left - 5, box.Top - 5};
    const Point to = c.endTopLeft ? Point{box.Left + insetX, box.Top + insetY}
                                  : Point{box.Right - insetX, box.Bottom - insetY};
    Run(DragLine(from, to));
    EXPECT_EQ(game->FDragState, c.taken ? DragState::BandSelected : DragState::Idle);
    EXPECT_EQ(game->FSelection, c.taken ? TPieceList{&P(5)} : TPieceList{});
    EXPECT_EQ(P(5).Hidden, c.taken) << "taken pieces are lifted";
    game->ReleaseSelection();
    EXPECT_FALSE(P(5).Hidden);
    EXPECT_EQ(game->FDragState, DragState::Idle);
  }
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "the band leaves no lines";
}

// The band is drawn into the board bitmap: every step of it must reach the screen.
TEST_F(BoardMouseTest, RubberBandIsShownWhileDrawn) {
  StartSpread();
  const Point from{kBoardWidth - 5, kBoardHeight - 5};
  const Point to{from.X - 120, from.Y - 100};
  Run("press " + PointText(from) + "\n");
  const Bitmap before = game->BoardBitmap;
  host.shown.clear();
  Run("move " + PointText(to) + "\n");
  ASSERT_EQ(game->FDragState, DragState::BandDrawing);
  const Rect band{to.X, to.Y, from.X + 1, from.Y + 1};
  for (int y = 0; y < before.Height(); ++y)
    for (int x = 0; x < before.Width(); ++x)
      if (game->BoardBitmap.PixelAt(x, y) != before.PixelAt(x, y)) {
        ASSERT_TRUE(band.Contains(x, y)) << x << ", " << y;
        ASSERT_TRUE(std::any_of(host.shown.begin(), host.shown.end(), [&](const Rect& r) { return r.Contains(x, y); }))
            << "band pixel " << x << ", " << y << " drawn but not shown";
      }
  Run("release " + PointText(to) + "\n");
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(BoardMouseTest, BandLeavesJoinedPiecesInsideIt) {
  StartSpread();
  FormGroup(5, {6});
  const Rect around = Union(Union(P(5).BoardRect(), P(6).BoardRect()), P(9).BoardRect());
  // The press must start the band, not pick a piece: just outside the three boxes.
  const Point from{around.Left - 2, around.Top - 2};
  ASSERT_TRUE(game->BoardTray().PieceAt(from.X, from.Y, true) == nullptr);
  Run(DragLine(from, {around.Right, around.Bottom}));

  ASSERT_EQ(game->FDragState, DragState::BandSelected);
  EXPECT_NE(std::find(game->FSelection.begin(), game->FSelection.end(), &P(9)), game->FSelection.end());
  for (TFormPiece* piece : game->FSelection) EXPECT_FALSE(piece->Joined) << "piece " << piece->Index;
  EXPECT_FALSE(P(5).Hidden);
  EXPECT_FALSE(P(6).Hidden);
}

TEST_F(BoardMouseTest, PressOutsideABandSelectionPutsItBack) {
  StartSpread();
  const Rect box = P(5).BoardRect();
  Run(DragLine({box.Left - 5, box.Top - 5}, {box.Right + 5, box.Bottom + 5}));
  ASSERT_EQ(game->FDragState, DragState::BandSelected);
  const Point empty = EmptyBoardPoint();
  Run("press " + PointText(empty) + "\nrelease " + PointText(empty) + "\n");

  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_FALSE(P(5).Hidden);
  EXPECT_EQ(At(P(5)), (Point{box.Left, box.Top}));
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_TRUE(game->undoKinds.empty());
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// ---- Carrying with the middle button ----

// The middle button's release keeps the selection on the pointer; the wheel turns
// the carried selection, not the piece that happens to lie under the pointer; a
// left release, or a second middle release, puts it down.
TEST_F(BoardMouseTest, MiddleReleaseCarriesUntilALeftOrSecondMiddleRelease) {
  for (const std::string putDown : {"left", "middle"}) {
    SCOPED_TRACE(putDown);
    StartSpread({.Rotating = true});
    const uint8_t rotation5 = P(5).Rotation, rotation6 = P(6).Rotation;
    const Point grab = OnPiece(P(5));
    const Point away{grab.X + 40, grab.Y + 30};
    Run("press " + PointText(grab) + " middle\nmove " + PointText(away) + "\nrelease " + PointText(away) +
        " middle\n");
    EXPECT_TRUE(game->FCarrying);
    EXPECT_EQ(game->FDragState, DragState::Picked);
    EXPECT_EQ(game->FSelection, TPieceList{&P(5)});

    // Over piece 6 now, still carrying piece 5.
    const Point over6 = OnPiece(P(6));
    Run("move " + PointText(over6) + "\nwheel 1\n");
    EXPECT_EQ(P(5).Rotation, Turned(rotation5, 3)) << "a wheel turn away turns left";
    EXPECT_EQ(P(6).Rotation, rotation6);
    EXPECT_TRUE(game->FCarrying);
    EXPECT_EQ(game->FSelection, TPieceList{&P(5)});
    EXPECT_TRUE(game->FDragRect.Contains(over6.X, over6.Y)) << "turned in place under the pointer";

    const Point end{over6.X + 20, over6.Y + 20};
    Run("move " + PointText(end) + "\npress " + PointText(end) + " " + putDown + "\n");
    EXPECT_TRUE(game->FCarrying) << "the press alone does not put it down";
    Run("release " + PointText(end) + " " + putDown + "\n");
    EXPECT_FALSE(game->FCarrying);
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_TRUE(game->FSelection.empty());
    EXPECT_FALSE(P(5).Hidden);
    EXPECT_TRUE(P(5).BoardRect().Contains(end.X, end.Y)) << "put down under the pointer";
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDrag}) << "turning a carried piece is part of the drag";
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(BoardMouseTest, MiddleButtonSwitchedOffOnlyExplains) {
  StartSpread();
  game->MouseOpts.MiddleButton = false;
  const Point grab = OnPiece(P(5));
  Run("press " + PointText(grab) + " middle\n");
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_EQ(StatusLine(), "To use the scroll wheel, enable it in the Advanced Mouse options screen");
}

// ---- The wheel ----

TEST_F(BoardMouseTest, WheelTurnsByDirectionAndSetting) {
  const struct {
    int notches;
    bool forward;
    int turns;
  } cases[] = {{1, true, 3}, {-1, true, 1}, {1, false, 1}, {-1, false, 3}};
  StartSpread({.Rotating = true});
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.notches << " notches, forward " << c.forward);
    game->MouseOpts.WheelForward = c.forward;
    const uint8_t before = P(5).Rotation;
    WheelOn(P(5), c.notches);
    EXPECT_EQ(P(5).Rotation, Turned(before, c.turns));
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_TRUE(game->FSelection.empty());
  }
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// Fine wheels and touchpads send parts of a notch (120): the parts add up and each
// whole notch turns once; turning the other way drops the part gathered so far, and
// so does a press.
TEST_F(BoardMouseTest, WheelTurnsOncePerNotchOfGatheredMovement) {
  const struct {
    const char* what;
    std::vector<int> deltas;  // 0 stands for a press and release on the empty board
    int turns;                // quarter turns clockwise
    size_t undoSteps;
  } cases[] = {
      {"one notch", {120}, 3, 1},
      {"four quarter notches", {30, 30, 30, 30}, 3, 1},
      {"three quarter notches", {30, 30, 30}, 0, 0},
      {"two notches at once", {240}, 2, 1},
      {"a notch and a half back", {-90, -90}, 1, 1},
      {"turning back drops the part", {90, -30, 60}, 0, 0},
      {"a press drops the part", {60, 0, 60}, 0, 0},
      {"five notches in small steps", std::vector<int>(50, 12), 3 * 5 % 4, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StartSpread({.Rotating = true});
    const uint8_t before = P(5).Rotation;
    for (const int delta : c.deltas) {
      if (delta == 0) {
        const Point empty = EmptyBoardPoint();
        Run("press " + PointText(empty) + "\nrelease " + PointText(empty) + "\n");
        continue;
      }
      host.pointer = OnPiece(P(5));
      game->BoardMouseWheel(delta);
    }
    EXPECT_EQ(P(5).Rotation, Turned(before, c.turns));
    EXPECT_EQ(game->undoKinds.size(), c.undoSteps);
  }
}

TEST_F(BoardMouseTest, WheelTurnsOfOnePieceMakeOneUndoStepUntilAPress) {
  StartSpread({.Rotating = true});
  const uint8_t before = P(5).Rotation;
  WheelOn(P(5), 1);
  WheelOn(P(5), 1);
  WheelOn(P(5), -1);
  EXPECT_EQ(P(5).Rotation, Turned(before, 3 + 3 + 1));
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoTurn});

  WheelOn(P(6), 1);
  EXPECT_EQ(game->undoKinds, (std::vector<int32_t>{kUndoTurn, kUndoTurn})) << "another piece, another step";
  WheelOn(P(5), 1);
  EXPECT_EQ(game->undoKinds.size(), 3u);

  const Point empty = EmptyBoardPoint();
  Run("press " + PointText(empty) + "\nrelease " + PointText(empty) + "\n");
  WheelOn(P(5), 1);
  EXPECT_EQ(game->undoKinds.size(), 4u) << "a press in between starts a new step";
}

TEST_F(BoardMouseTest, WheelRefusalsExplainAndTurnNothing) {
  const struct {
    bool wheelRotates;
    bool rotating;
    const char* status;
  } cases[] = {
      {false, true, "To use the scroll wheel, enable it in the Advanced Mouse options screen"},
      {true, false, "Rotation is currently disabled in the Options menu"},
  };
  StartSpread({.Rotating = true});
  for (const auto& c : cases) {
    game->MouseOpts.WheelRotates = c.wheelRotates;
    game->Config().Rotating = c.rotating;
    const uint8_t before = P(5).Rotation;
    WheelOn(P(5), 1);
    EXPECT_EQ(P(5).Rotation, before);
    EXPECT_EQ(StatusLine(), c.status);
    EXPECT_TRUE(game->undoKinds.empty());
  }
}

TEST_F(BoardMouseTest, PieceAtHomeStaysWhileTheGhostIsShown) {
  StartSpread({.Rotating = true});
  P(5).AtHome = true;
  game->Config().Ghost = true;
  const uint8_t before = P(5).Rotation;
  WheelOn(P(5), 1);
  EXPECT_EQ(P(5).Rotation, before);
  EXPECT_TRUE(game->undoKinds.empty());

  game->Config().Ghost = false;
  WheelOn(P(5), 1);
  EXPECT_EQ(P(5).Rotation, Turned(before, 3));
}

TEST_F(BoardMouseTest, WheelIsIgnoredWhileABandIsDrawn) {
  StartSpread({.Rotating = true});
  const Point empty = EmptyBoardPoint();
  Run("press " + PointText(empty) + "\n");
  ASSERT_EQ(game->FDragState, DragState::BandDrawing);
  const uint8_t before = P(5).Rotation;
  WheelOn(P(5), 1);
  EXPECT_EQ(P(5).Rotation, before);
}

// A wheel turn while a button drags pieces turns them on the pointer; the release
// puts them down where it happens, in the tray under it, as one undo step.
TEST_F(BoardMouseTest, WheelDuringADragTurnsThePiecesAndTheReleasePutsThemDown) {
  struct Case {
    const char* name;
    bool fromTray;
    bool intoTray;
    bool bandSelection;  // the piece was chosen by the rubber band first
  };
  const Case cases[] = {
      {"tray to board", true, false, false},
      {"board to board", false, false, false},
      {"board to tray", false, true, false},
      {"band selection, board to board", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartSpread({.Rotating = true});
    TBox& tray = NewTrayAt({200, 380});
    if (c.fromTray) {
      game->MovePiecesToTray({&P(0)}, tray);
      P(0).X = tray.FLeft + 40;
      P(0).Y = tray.FTop + 40;
      game->StoreTrayPlaces(tray);
      Recompose();
    }
    if (c.bandSelection) {
      ASSERT_TRUE(game->SelectInRect(0, P(0).BoardRect()));
      game->FDragState = DragState::BandSelected;
    }
    TBox& target = c.intoTray ? tray : game->BoardTray();
    const Point to = c.intoTray ? Point{tray.FLeft + 150, tray.FTop + 100} : Point{650, 560};
    const Point grab = OnPiece(P(0));
    const Point midway{(grab.X + to.X) / 2, (grab.Y + to.Y) / 2};
    const uint8_t before = P(0).Rotation;
    game->undoKinds.clear();

    Run("press " + PointText(grab) + "\nmove " + PointText(midway) + "\nwheel 1\n");
    EXPECT_EQ(P(0).Rotation, Turned(before, 3));
    EXPECT_FALSE(game->FSelection.empty()) << "still on the pointer";
    Run("move " + PointText(to) + "\nrelease " + PointText(to) + "\n");

    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_TRUE(game->FSelection.empty());
    EXPECT_FALSE(P(0).Hidden);
    EXPECT_EQ(P(0).Tray, target.Number());
    EXPECT_NE(std::find(target.FPieces.begin(), target.FPieces.end(), &P(0)), target.FPieces.end());
    EXPECT_FALSE(Intersection(P(0).BoardRect(), target.InnerRect()).IsEmpty()) << "out of sight";
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDrag});
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

// ---- Turn clicks and the cheats ----

TEST_F(BoardMouseTest, CtrlClickTurnsThePieceUnderThePointer) {
  const struct {
    const char* button;
    int turns;
  } cases[] = {{"left", 3}, {"right", 1}, {"middle", 0}};
  StartSpread({.Rotating = true});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    game->undoKinds.clear();
    const uint8_t before = P(5).Rotation;
    const Point on = OnPiece(P(5));
    Run("key ctrl down\npress " + PointText(on) + " " + c.button + "\nrelease " + PointText(on) + " " + c.button +
        "\nkey ctrl up\n");
    EXPECT_EQ(P(5).Rotation, Turned(before, c.turns));
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoTurn});
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_TRUE(host.popups.empty());
  }
}

TEST_F(BoardMouseTest, CtrlClickOffThePiecesOpensTheTrayMenu) {
  StartSpread({.Rotating = true});
  const Point empty = EmptyBoardPoint();
  Run("key ctrl down\npress " + PointText(empty) + "\n");
  EXPECT_EQ(host.popups, std::vector<std::string>{"PopupPlay"});
  EXPECT_TRUE(game->undoKinds.empty());
}

// With Rotating Pieces off a Ctrl press is a plain press: it picks, starts the band
// or drags a tray.
TEST_F(BoardMouseTest, CtrlPressWithRotationOffIsAPlainPress) {
  enum Where { kOnPiece, kOnEmptyBoard, kOnTrayTitle };
  const struct {
    Where where;
    DragState state;
    CursorShape cursor;
  } cases[] = {
      {kOnPiece, DragState::Picked, CursorShape::Grab},
      {kOnEmptyBoard, DragState::BandDrawing, CursorShape::Default},
      {kOnTrayTitle, DragState::Tray, CursorShape::SizeAll},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.where));
    StartSpread({.Rotating = true});
    game->Config().Rotating = false;
    TBox& tray = NewTrayAt({20, 395});
    const uint8_t before = P(5).Rotation;
    const Point press = c.where == kOnPiece       ? OnPiece(P(5))
                        : c.where == kOnEmptyBoard ? EmptyBoardPoint()
                                                   : Point{tray.FLeft + 40, tray.FTop + 10};
    host.cursor = CursorShape::Default;
    Run("key ctrl down\npress " + PointText(press) + "\n");
    EXPECT_EQ(game->FDragState, c.state);
    EXPECT_EQ(host.cursor, c.cursor);
    EXPECT_EQ(P(5).Rotation, before);
    Run("release " + PointText(press) + "\n");
    EXPECT_EQ(game->FDragState, DragState::Idle);
  }
}

// The neighbour towards the pointer, or failing that the first one in another group;
// nothing when every neighbour is in the piece's group.
TEST_F(BoardMouseTest, ShiftPressFetchesOrShowsTheNeighbourTowardsThePointer) {
  const struct {
    const char* button;
    bool cheating;
    std::initializer_list<int> group;  // joined to piece 5 first
    const char* cheat;                 // nullptr: none
    int neighbour;
  } cases[] = {
      {"left", true, {}, "FetchNeighbour", 6},
      {"right", true, {}, "ShowNeighbour", 6},
      {"left", true, {6}, "FetchNeighbour", 1},
      {"left", true, {1, 4, 6, 9}, nullptr, 0},
      {"left", false, {}, nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.button << ", cheating " << c.cheating << ", group of " << c.group.size());
    StartSpread();
    game->Config().Cheating = c.cheating;
    if (c.group.size() > 0) FormGroup(5, c.group);
    // Just right of the middle of piece 5: towards piece 6, off piece 6's box.
    const Rect box = P(5).BoardRect();
    const Point press{(box.Left + box.Right) / 2 + 10, (box.Top + box.Bottom) / 2};
    ASSERT_EQ(game->BoardTray().PieceAt(press.X, press.Y, false), &P(5));
    Run("key shift down\npress " + PointText(press) + " " + c.button + "\n");
    if (c.cheat != nullptr) {
      EXPECT_EQ(game->cheats, std::vector<std::string>{c.cheat});
      EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoCheat});
      EXPECT_EQ(game->FPiece, &P(5));
      EXPECT_EQ(game->FNeighbour, &P(c.neighbour));
    } else {
      EXPECT_TRUE(game->cheats.empty());
      EXPECT_EQ(std::count(game->undoKinds.begin(), game->undoKinds.end(), kUndoCheat), 0);
    }
    EXPECT_EQ(game->FDragState, c.cheating ? DragState::Idle : DragState::Picked) << "without cheating a plain press";
  }
}

TEST_F(BoardMouseTest, ShiftCtrlPressSolvesOntoTheGhost) {
  StartSpread();
  game->Config().Ghost = true;
  const Point on = OnPiece(P(5));
  Run("key shift down\nkey ctrl down\npress " + PointText(on) + "\n");
  EXPECT_EQ(game->cheats, std::vector<std::string>{"SolveOnePiece"});
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoCheat});
  const Rect ghost = game->FMural.GhostRect();
  EXPECT_EQ(game->FMouse, (Point{ghost.Left + P(5).HomeX, ghost.Top + P(5).HomeY}));

  // Off the pieces and off the ghost nothing happens.
  const Point empty = EmptyBoardPoint();
  ASSERT_FALSE(game->FMural.OnGhost(empty.X, empty.Y));
  Run("press " + PointText(empty) + " right\n");
  EXPECT_EQ(game->cheats.size(), 1u);
  EXPECT_EQ(game->undoKinds.size(), 1u);
}

TEST_F(BoardMouseTest, MouseHelpFollowsTheHeldKeysAndOptions) {
  const char* const neighbour = "Mouse: Left=Fetch neighbor, Right=Show neighbor";
  const char* const rotate = "Mouse: Left=Rotate left, Right=Rotate right";
  const char* const noCheating = "Cheating is currently disabled in the Options menu";
  const char* const noRotation = "Rotation is currently disabled in the Options menu";
  const char* const solve = "Mouse: Left=Solve piece onto ghost, Right=Flash solution";
  const char* const noGhost = "Enable the background ghost to use these shortcuts";
  const struct {
    ShiftState held;
    bool cheating, rotating, ghost;
    const char* text;
  } cases[] = {
      {{}, true, true, true, ""},
      {{.Shift = true}, true, false, false, neighbour},
      {{.Shift = true}, false, true, true, noCheating},
      {{.Ctrl = true}, false, true, false, rotate},
      {{.Ctrl = true}, true, false, true, noRotation},
      {{.Shift = true, .Ctrl = true}, true, false, true, solve},
      {{.Shift = true, .Ctrl = true}, true, true, false, noGhost},
      {{.Shift = true, .Ctrl = true}, false, true, true, noCheating},
      {{.Alt = true}, true, true, true, ""},
      {{.Ctrl = true, .Alt = true}, true, true, true, ""},
      {{.Shift = true, .AnyButton = true}, true, true, true, ""},
      {{.AnyButton = true}, true, true, true, ""},
  };
  Start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    host.MainForm().SetCaption("StatusLine", "before");
    game->Config().Cheating = c.cheating;
    game->Config().Rotating = c.rotating;
    game->Config().Ghost = c.ghost;
    game->ShowMouseHelp(c.held);
    EXPECT_EQ(StatusLine(), c.text);
  }
}

// ---- Right presses and menus ----

TEST_F(BoardMouseTest, RightPressOpensTheMenuOfWhatIsUnderIt) {
  StartSpread();
  TBox& tray = NewTrayAt({20, 395});
  const Point inTray{tray.FLeft + 150, tray.FTop + 100};
  const Point onTitle{tray.FLeft + 40, tray.FTop + 10};
  const Point empty = EmptyBoardPoint();
  const Point onPiece = OnPiece(P(6));
  const struct {
    Point at;
    const char* menu;
    TBox* tray;
  } cases[] = {
      {inTray, "PopupTray", &tray},
      {onTitle, "PopupTray", &tray},
      {empty, "PopupPlay", &game->BoardTray()},
      {onPiece, "PopupPiece", &game->BoardTray()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.menu);
    host.popups.clear();
    Run("press " + PointText(c.at) + " right\nrelease " + PointText(c.at) + " right\n");
    EXPECT_EQ(host.popups, std::vector<std::string>{c.menu});
    EXPECT_EQ(game->FTray, c.tray) << "the menu acts on this tray";
    EXPECT_EQ(game->FMouse, c.at);
    EXPECT_EQ(game->FDragState, DragState::Idle);
  }
}

TEST_F(BoardMouseTest, PieceMenuRaisesThePieceAloneWhileShown) {
  StartSpread();
  FormGroup(5, {6});
  const Point at5 = At(P(5)), at6 = At(P(6));
  TPieceList lifted;
  host.whilePopupShown = [&](const std::string&) { lifted = game->FSelection; };
  Run("press " + PointText(OnPiece(P(5))) + " right\n");

  EXPECT_EQ(host.popups, std::vector<std::string>{"PopupPiece"});
  EXPECT_EQ(lifted, TPieceList{&P(5)}) << "not its group";
  EXPECT_EQ(game->FPiece, &P(5));
  EXPECT_TRUE(game->FSelection.empty()) << "put back after the menu";
  EXPECT_FALSE(P(5).Hidden);
  EXPECT_EQ(At(P(5)), at5);
  EXPECT_EQ(At(P(6)), at6);
  EXPECT_EQ(P(5).Group, P(6).Group);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(BoardMouseTest, RightPressWhileCarryingDoesNothing) {
  StartSpread();
  const Point grab = OnPiece(P(5));
  Run("press " + PointText(grab) + " middle\nrelease " + PointText(grab) + " middle\n");
  ASSERT_TRUE(game->FCarrying);
  Run("press " + PointText(grab) + " right\nrelease " + PointText(grab) + " right\n");
  EXPECT_TRUE(host.popups.empty());
  EXPECT_TRUE(game->FCarrying);
  EXPECT_EQ(game->FSelection, TPieceList{&P(5)});
}

// ---- Trays ----

TEST_F(BoardMouseTest, MinimiseButtonActsOnlyWhenReleasedOnIt) {
  const struct {
    bool moveOff;
    bool open;
  } cases[] = {{true, true}, {false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.moveOff ? "moved off" : "released on it");
    StartSpread();
    TBox& tray = NewTrayAt({20, 395});
    const Rect button = tray.MinimiseRect();
    const Point on{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    Run("press " + PointText(on) + "\n");
    EXPECT_EQ(game->FDragState, DragState::TrayButtonHeld);
    EXPECT_TRUE(tray.FButtonDown) << "drawn pressed";
    const Point release = c.moveOff ? Point{button.Left - 30, on.Y} : on;
    Run("move " + PointText(release) + "\nrelease " + PointText(release) + "\n");
    EXPECT_EQ(tray.IsOpen(), c.open);
    EXPECT_EQ(tray.FButtonDown, !c.open) << "the button shows the tray's state";
    EXPECT_EQ(game->FDragState, DragState::Idle);
  }
}

// Dragging a corner far inwards stops at 100 × 75 with the opposite corner fixed;
// outwards the tray takes the new size.
TEST_F(BoardMouseTest, TrayResizedByItsBorderKeepsItsMinimumSize) {
  enum Corner { kBottomRight, kTopLeft };
  const struct {
    Corner corner;
    int dx, dy;
    Rect expected;  // relative to the tray's old rectangle (0, 0, 300, 200)
  } cases[] = {
      {kBottomRight, -400, -400, {0, 0, 100, 75}},
      {kTopLeft, 400, 400, {200, 125, 300, 200}},
      {kBottomRight, 50, 40, {0, 0, 350, 240}},
      {kTopLeft, -20, -10, {-20, -10, 300, 200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "corner " << c.corner << " by " << c.dx << ", " << c.dy);
    StartSpread();
    TBox& tray = NewTrayAt({200, 200});
    const Rect old = tray.BoxRect();
    const Point press = c.corner == kBottomRight ? Point{old.Right - 3, old.Bottom - 3} : Point{old.Left + 3, old.Top + 2};
    Run("move " + PointText(press) + "\n");
    EXPECT_EQ(game->FDragState, DragState::OverTrayBorder);
    EXPECT_EQ(host.cursor, CursorShape::SizeNorthWestSouthEast);
    Run(DragLine(press, {press.X + c.dx, press.Y + c.dy}));
    EXPECT_EQ(tray.BoxRect(), c.expected.Offset(old.Left, old.Top));
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_EQ(host.cursor, CursorShape::Default);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(BoardMouseTest, MovingOffATrayBorderGivesTheCursorBack) {
  StartSpread();
  TBox& tray = NewTrayAt({200, 200});
  const Rect box = tray.BoxRect();
  Run("move " + PointText({box.Right - 3, box.Top + 100}) + "\n");
  EXPECT_EQ(game->FDragState, DragState::OverTrayBorder);
  EXPECT_EQ(host.cursor, CursorShape::SizeHorizontal);
  Run("move " + PointText({box.Right - 50, box.Top + 100}) + "\n");
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(host.cursor, CursorShape::Default);
}

TEST_F(BoardMouseTest, TrayDraggedByItsTitleTakesItsPiecesAlong) {
  StartSpread();
  TBox& tray = NewTrayAt({200, 200});
  game->MovePiecesToTray({&P(0)}, tray);
  P(0).X = tray.FLeft + 20;
  P(0).Y = tray.FTop + 40;
  Recompose();
  const Rect old = tray.BoxRect();
  const Point title{old.Left + 40, old.Top + 10};
  Run(DragLine(title, {title.X + 100, title.Y + 50}));

  EXPECT_EQ(tray.BoxRect(), old.Offset(100, 50));
  EXPECT_EQ(At(P(0)), (Point{old.Left + 120, old.Top + 90}));
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(host.cursor, CursorShape::Default);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// Shrinking a tray pulls its pieces into the smaller inner area.
TEST_F(BoardMouseTest, ShrunkTrayKeepsItsPiecesInside) {
  StartSpread();
  TBox& tray = NewTrayAt({100, 100});
  tray.FWidth = 500;
  tray.FHeight = 400;
  game->MovePiecesToTray({&P(0)}, tray);
  P(0).X = tray.FLeft + 330;
  P(0).Y = tray.FTop + 230;
  game->StoreTrayPlaces(tray);
  Recompose();
  const Rect old = tray.BoxRect();
  const Point corner{old.Right - 3, old.Bottom - 3};
  Run("move " + PointText(corner) + "\n" + DragLine(corner, {old.Left, old.Top}));

  ASSERT_EQ(tray.BoxRect(), (Rect{old.Left, old.Top, old.Left + 100, old.Top + 75}));
  EXPECT_FALSE(Intersection(P(0).BoardRect(), tray.InnerRect()).IsEmpty()) << "piece 0 left behind";
  EXPECT_EQ(P(0).Tray, tray.Number());
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(BoardMouseTest, PieceDroppedOnATrayGoesIntoIt) {
  StartSpread();
  TBox& tray = NewTrayAt({200, 380});
  const Point grab = OnPiece(P(0));
  const Point into{tray.FLeft + 150, tray.FTop + 100};
  Run(DragLine(grab, into));
  EXPECT_EQ(P(0).Tray, tray.Number());
  EXPECT_EQ(tray.FPieces, TPieceList{&P(0)});
  EXPECT_TRUE(P(0).BoardRect().Contains(into.X, into.Y));
  EXPECT_FALSE(P(0).Joined);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// A band drawn inside a tray takes that tray's pieces only, not board pieces that
// lie under the tray.
TEST_F(BoardMouseTest, BandInATrayTakesOnlyThatTraysPieces) {
  StartSpread();
  TBox& tray = NewTrayAt({180, 190});
  tray.FWidth = 450;
  tray.FHeight = 400;
  game->MovePiecesToTray({&P(2)}, tray);
  P(2).X = tray.FLeft + 240;
  P(2).Y = tray.FTop + 40;
  game->StoreTrayPlaces(tray);
  Recompose();
  // Piece 5 of the board lies under the tray, inside the band too.
  const Rect inner = tray.InnerRect();
  ASSERT_EQ(Union(P(5).BoardRect(), inner), inner);
  Run(DragLine({inner.Left + 1, inner.Top + 1}, {inner.Right - 2, inner.Bottom - 2}));
  EXPECT_EQ(game->FDragState, DragState::BandSelected);
  EXPECT_EQ(game->FSelection, TPieceList{&P(2)});
  EXPECT_FALSE(P(5).Hidden);
}

TEST_F(BoardMouseTest, TrayCarriedWithTheMiddleButtonIsPutDownByALeftRelease) {
  StartSpread();
  TBox& tray = NewTrayAt({200, 200});
  const Rect old = tray.BoxRect();
  const Point title{old.Left + 40, old.Top + 10};
  Run("press " + PointText(title) + " middle\nrelease " + PointText(title) + " middle\n");
  EXPECT_TRUE(game->FCarrying);
  EXPECT_EQ(game->FDragState, DragState::Tray);
  Run("move " + PointText({title.X + 30, title.Y + 20}) + "\nwheel 1\n");
  EXPECT_EQ(game->FDragState, DragState::Tray) << "the wheel does nothing to a tray";
  Run("press " + PointText({title.X + 30, title.Y + 20}) + "\nrelease " + PointText({title.X + 30, title.Y + 20}) +
      "\n");
  EXPECT_FALSE(game->FCarrying);
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(tray.BoxRect(), old.Offset(30, 20));
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(BoardMouseTest, NothingHappensWhileNotPlaying) {
  Start();
  game->SetGameState(GameState::Idle);
  const Point on = OnPiece(P(5));
  const Point at = At(P(5));
  Run(DragLine(on, {on.X + 100, on.Y}) + "press " + PointText(on) + " right\n");
  EXPECT_EQ(At(P(5)), at);
  EXPECT_TRUE(host.popups.empty());
  EXPECT_TRUE(game->undoKinds.empty());
  host.MainForm().SetCaption("StatusLine", "unchanged");
  game->ShowMouseHelp({.Ctrl = true});
  EXPECT_EQ(StatusLine(), "unchanged");
}

}  // namespace
}  // namespace quill
