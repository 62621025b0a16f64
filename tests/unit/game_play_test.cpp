// The game while it is played: starting a new game, the board's size, the picture's
// scale, painting, the one-second tick with completion, solving by the board's mouse
// control, and the tray commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board_views.h"
#include "common/average_colour.h"
#include "common/errors.h"
#include "play_fixture.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

using testing::DifferingPixels;

// What a piece's shape and first place are made of.
struct PieceSnapshot {
  int32_t HomeX, HomeY, X, Y, Group;
  uint16_t Width, Height;
  uint8_t Rotation, TabCode;
  ShapeKind ShapeClass;
  std::vector<uint8_t> Shade, Edge;
  friend bool operator==(const PieceSnapshot&, const PieceSnapshot&) = default;
};

std::vector<PieceSnapshot> Snapshot(const TJigsaw& game) {
  std::vector<PieceSnapshot> pieces;
  for (const TFormPiece* p : game.AllPieces())
    pieces.push_back({p->HomeX, p->HomeY, p->X, p->Y, p->Group, p->Width, p->Height, p->Rotation, p->TabCode,
                      p->ShapeClass, p->ShadeSprite, p->EdgeSprite});
  return pieces;
}

bool SameGroup(const TJigsaw& game) {
  const TPieceList all = game.AllPieces();
  return std::all_of(all.begin(), all.end(), [&](const TFormPiece* p) { return p->Group == all.front()->Group; });
}

class GamePlayTest : public testing::PlayFixture {};

// ---- Starting ----

TEST_F(GamePlayTest, SameGiftBuiltTwiceGivesTheSameShapesAndFirstLayout) {
  Start({.Rotating = true});
  const std::vector<PieceSnapshot> first = Snapshot(*game);
  const Bitmap firstBoard = game->BoardBitmap;
  ASSERT_TRUE(std::any_of(first.begin(), first.end(), [](const PieceSnapshot& p) { return p.Rotation != 0; }))
      << "the test needs turned pieces";

  game.reset();
  Start({.Rotating = true});
  EXPECT_TRUE(Snapshot(*game) == first);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, firstBoard), 0);
}

// Board scripts and the solving drags are written for a new game: a game saved
// beside the gift is left alone, neither read nor reported.
TEST_F(GamePlayTest, ScriptsPlayANewGameEvenBesideASavedOne) {
  Start();
  const std::vector<PieceSnapshot> fresh = Snapshot(*game);
  game->MoveTo(P(3), P(3).X + 50, P(3).Y + 20, game->BoardTray().BoxRect());
  game->SaveGame();
  ASSERT_TRUE(std::filesystem::exists(game->SavedGameFile()));

  game.reset();
  Start();
  EXPECT_TRUE(Snapshot(*game) == fresh);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(game->IsPlaying());
  std::filesystem::remove(game->SavedGameFile());
}

TEST_F(GamePlayTest, NewGameScattersEveryPieceOnTheBoardAlone) {
  Start();
  EXPECT_TRUE(game->IsPlaying());
  EXPECT_EQ(game->Count(), 12);
  std::set<int32_t> groups;
  for (const TFormPiece* p : game->AllPieces()) {
    groups.insert(p->Group);
    EXPECT_FALSE(p->Joined);
    EXPECT_EQ(p->Tray, 0);
    EXPECT_FALSE(Intersection(p->BoardRect(), game->BoardBounds()).IsEmpty()) << "piece " << p->Index;
  }
  EXPECT_EQ(groups.size(), 12u);
  EXPECT_EQ(game->BoardBitmap.Width(), kBoardWidth);
  EXPECT_EQ(game->BoardBitmap.Height(), kBoardHeight);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(GamePlayTest, PlayingEnablesThePlayCommandsAndStatusPanels) {
  // Menu items, tool buttons, and the arranging items of the board's and a tray's
  // pop-up menus.
  const char* const kSomePlayCommands[] = {"NewTray", "PieceSize", "PieceSize1", "PieceSize2", "SpeedSize", "SpeedGhost", "Zoompicture",
                                           "ArrangeAtEdge2", "ArrangeInGrid2", "Disarrange2",    "ArrangeAtEdgeT",
                                           "ArrangeInGridT", "DisarrangeTray"};
  const struct {
    bool showTimer, showNumber;
  } cases[] = {{true, false}, {false, true}};
  for (const auto& c : cases) {
    game = MakeGame({});
    UiState& form = host.MainForm();
    for (const char* name : kSomePlayCommands) form.SetEnabled(name, false);
    form.SetVisible("HelpAboutJigItem", false);
    form.SetChecked("ShowTimer", c.showTimer);
    form.SetChecked("ShowNum", c.showNumber);
    game->Config().SnapDivisor = 10;
    game->FDragState = DragState::BandDrawing;

    game->SetGameState(GameState::Playing);
    EXPECT_TRUE(game->IsPlaying());
    EXPECT_EQ(game->FDragState, DragState::Idle);
    for (const char* name : kSomePlayCommands)
      EXPECT_TRUE(form.Get(name).Enabled) << name;
    EXPECT_TRUE(form.Get("HelpAboutJigItem").Visible);
    EXPECT_EQ(form.Get("TimerStatus").Visible, c.showTimer);
    EXPECT_EQ(form.Get("SolvedStatus").Visible, c.showNumber);
    EXPECT_EQ(game->Config().SnapDivisor, 4);
  }
}

// ---- The board's size and the picture's scale ----

TEST_F(GamePlayTest, SmallerBoardKeepsEveryPieceOnItAndTheLayoutComesBack) {
  Start();
  const std::vector<PieceSnapshot> layout = Snapshot(*game);
  game->FitBoard(500, 350);

  EXPECT_EQ(game->BoardBitmap.Width(), 500);
  EXPECT_EQ(game->BoardBitmap.Height(), 350);
  EXPECT_EQ(game->BoardTray().BoxRect(), (Rect{0, 0, 500, 350}));
  EXPECT_EQ(game->Config().BoardWidth, 500);
  const int32_t halfX = PuzzleRecord.CellWidth / 2, halfY = PuzzleRecord.CellHeight / 2;
  const Rect allowed{-halfX, -halfY, 500 + halfX, 350 + halfY};
  for (const TFormPiece* p : game->AllPieces())
    EXPECT_EQ(Union(p->BoardRect(), allowed), allowed) << "piece " << p->Index << " sticks out too far";
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);

  game->FitBoard(kBoardWidth, kBoardHeight);
  EXPECT_TRUE(Snapshot(*game) == layout) << "the places are kept relative to the board";
}

// Records replaced as a saved game or an undo step replaces them: the pieces' board
// places are forgotten, a group is scrambled; restoring puts every piece back where
// its normalised place says, the group in shape, the board in the record's colour.
TEST_F(GamePlayTest, RestoredLayoutRebuildsPlacesGroupsAndColour) {
  Start();
  FormGroup(0, {1});
  game->StoreTrayPlaces(game->BoardTray());
  const std::vector<PieceSnapshot> layout = Snapshot(*game);
  for (TFormPiece* p : game->AllPieces()) p->X = p->Y = -999;
  BoardRecord.SavedBoardColour = 0x00305070;

  game->RestoreLayout(kBoardWidth, kBoardHeight);
  EXPECT_TRUE(Snapshot(*game) == layout);
  EXPECT_EQ(game->FMural.GetColour(), 0x00305070u);
  EXPECT_EQ(host.MainForm().Get(kMainFormName).Color, 0x00305070u);
  EXPECT_EQ(game->CurrentTray(), &game->BoardTray());
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// A piece lying on its solved place keeps lying there when the board's size moves
// the ghost.
TEST_F(GamePlayTest, PiecesAtHomeFollowTheGhostWhenTheBoardIsResized) {
  Start();
  TFormPiece& piece = P(5);
  Rect ghost = game->FMural.GhostRect();
  game->MoveTo(piece, ghost.Left + piece.HomeX, ghost.Top + piece.HomeY, game->BoardTray().BoxRect());
  piece.Placed = true;  // put down by the player
  game->UpdateAtHome();
  ASSERT_TRUE(piece.AtHome);
  game->FitBoard(600, 450);
  ghost = game->FMural.GhostRect();
  EXPECT_EQ((Point{piece.X, piece.Y}), (Point{ghost.Left + piece.HomeX, ghost.Top + piece.HomeY}));
}

// The board colour: the window takes it, trays of the old colour follow and others
// keep theirs, and the kind is ticked in both colour menus.
TEST_F(GamePlayTest, BoardColourChangesTheWindowAndTraysOfTheOldColour) {
  Start();
  const Colour old = host.MainForm().Get(kMainFormName).Color;
  game->AddTray();
  game->AddTray();
  TBox& kept = game->TrayByNumber(2);
  kept.FColour = 0x00010203;
  ASSERT_EQ(game->TrayByNumber(1).FColour, old);

  ASSERT_TRUE(game->SetBoardColour(ColourKind::Matching));
  const Colour matching = MatchingColour(&game->Picture);
  EXPECT_EQ(host.MainForm().Get(kMainFormName).Color, matching);
  EXPECT_EQ(game->FMural.GetColour(), matching);
  EXPECT_EQ(game->TrayByNumber(1).FColour, matching);
  EXPECT_EQ(kept.FColour, 0x00010203u);
  for (const char* item : {"Matching", "Matching1"}) EXPECT_TRUE(host.MainForm().Checked(item)) << item;
  for (const char* item : {"Default1", "DefaultColor", "Custom1"}) EXPECT_FALSE(host.MainForm().Checked(item)) << item;
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);

  EXPECT_FALSE(game->SetBoardColour(ColourKind::Custom)) << "the colour dialog was cancelled";
  EXPECT_EQ(host.MainForm().Get(kMainFormName).Color, matching);
}

// A board colour that names a system colour (clBtnFace) is drawn in the colour the
// system gives it, whichever way it reaches the board: from the gift, chosen during
// play, or restored from a saved game; the inspector's boards too.
TEST_F(GamePlayTest, SystemColourOfTheBoardIsDrawnAsTheSystemGivesIt) {
  constexpr Colour kBtnFace = 0xFF00000Fu;
  const Colour system = host.SystemColour(15);
  ASSERT_NE(system & 0xFFFFFFu, kBtnFace & 0xFFFFFFu);
  const auto topLeft = [&] { return game->FMural.Board().PixelAt(0, 0); };

  Start({.BoardColour = kBtnFace});
  EXPECT_EQ(topLeft(), system) << "from the gift";
  host.MainForm().SetColour(kMainFormName, 0x00203040);
  game->FitBoard(kBoardWidth, kBoardHeight);
  host.MainForm().SetColour(kMainFormName, kBtnFace);
  game->FitBoard(kBoardWidth, kBoardHeight);
  EXPECT_EQ(topLeft(), system) << "chosen during play";
  BoardRecord.SavedBoardColour = 0x00203040;
  game->RestoreLayout(kBoardWidth, kBoardHeight);
  BoardRecord.SavedBoardColour = kBtnFace;
  game->RestoreLayout(kBoardWidth, kBoardHeight);
  EXPECT_EQ(topLeft(), system) << "restored";

  const Bitmap board = ComposeNewGameBoard(*game, {kBoardWidth, kBoardHeight});
  const TPieceList all = game->AllPieces();
  int32_t uncovered = 0;
  for (int32_t x = 0; x < kBoardWidth; ++x) {
    if (std::none_of(all.begin(), all.end(), [x](const TFormPiece* p) { return p->BoardRect().Contains(x, 0); })) {
      EXPECT_EQ(board.PixelAt(x, 0), system) << "inspector board at x " << x;
      ++uncovered;
    }
  }
  EXPECT_GT(uncovered, 0);
}

// On a screen of fewer than 24 bits the board's gradient is drawn in multiples of 8
// with the error carried down, so it shows no bands; a true-colour screen gets the
// exact gradient.
TEST_F(GamePlayTest, LowColourScreenGetsADitheredBoard) {
  const struct {
    int depth;
    bool reduced;
  } screens[] = {{15, true}, {16, true}, {24, false}, {32, false}};
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.depth);
    host.depth = screen.depth;
    Start({.BoardColour = MakeColour(97, 130, 45)});
    const Bitmap& backdrop = game->FMural.Board();
    bool allReduced = true;
    for (int32_t y = 0; y < backdrop.Height(); ++y) {
      const Colour row = backdrop.PixelAt(backdrop.Width() - 1, y);
      for (const int channel : {RedOf(row), GreenOf(row), BlueOf(row)})
        allReduced = allReduced && (channel % 8 == 0 || channel == 255);
    }
    EXPECT_EQ(allReduced, screen.reduced);
  }
}

TEST_F(GamePlayTest, ScaleZeroChangesNothing) {
  Start();
  const std::vector<PieceSnapshot> before = Snapshot(*game);
  const Bitmap board = game->BoardBitmap;
  game->SetScale(0);
  EXPECT_EQ(PuzzleRecord.Scale, 100);
  EXPECT_EQ(game->Picture.Width(), 400);
  EXPECT_TRUE(Snapshot(*game) == before);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, board), 0);
}

TEST_F(GamePlayTest, HalfScaleHalvesThePictureAndFullScaleGivesBackTheShapes) {
  Start();
  const Bitmap original = game->Picture;
  const std::vector<PieceSnapshot> before = Snapshot(*game);

  game->SetScale(50);
  EXPECT_EQ(PuzzleRecord.Scale, 50);
  EXPECT_EQ(PuzzleRecord.ScaledWidth, 200);
  EXPECT_EQ(PuzzleRecord.ScaledHeight, 150);
  EXPECT_EQ(game->Picture.Width(), 200);
  EXPECT_EQ(game->Picture.Height(), 150);
  ASSERT_EQ(game->Unscaled().Width(), 400);
  EXPECT_EQ(DifferingPixels(game->Unscaled(), original), 0) << "the gift's picture is kept as it was";
  for (const TFormPiece* p : game->AllPieces()) {
    const PieceSnapshot& old = before[static_cast<size_t>(p->Index)];
    EXPECT_NEAR(p->Width, old.Width / 2, 3) << "piece " << p->Index;
    EXPECT_NEAR(p->HomeX, old.HomeX / 2, 3) << "piece " << p->Index;
    EXPECT_FALSE(Intersection(p->BoardRect(), game->BoardBounds()).IsEmpty()) << "piece " << p->Index;
  }
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);

  game->SetScale(100);
  EXPECT_EQ(DifferingPixels(game->Picture, original), 0);
  const std::vector<PieceSnapshot> after = Snapshot(*game);
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].Width, before[i].Width) << "piece " << i;
    EXPECT_EQ(after[i].Height, before[i].Height) << "piece " << i;
    EXPECT_EQ(after[i].HomeX, before[i].HomeX) << "piece " << i;
    EXPECT_EQ(after[i].TabCode, before[i].TabCode) << "piece " << i;
    EXPECT_EQ(after[i].Shade, before[i].Shade) << "piece " << i;
  }
}

// The pieces are cut again from the rescaled picture: laid on their home places they
// show it, in the middle of every grid cell.
TEST_F(GamePlayTest, RescaledPiecesShowTheRescaledPicture) {
  Start();
  game->SetScale(50);
  const SolvedBoard solved = ComposeSolvedBoard(*game);
  const int cellWidth = PuzzleRecord.ScaledWidth / PuzzleRecord.Columns;
  const int cellHeight = PuzzleRecord.ScaledHeight / PuzzleRecord.Rows;
  for (int row = 0; row < PuzzleRecord.Rows; ++row)
    for (int column = 0; column < PuzzleRecord.Columns; ++column) {
      const int x = column * cellWidth + cellWidth / 2, y = row * cellHeight + cellHeight / 2;
      EXPECT_EQ(solved.Board.PixelAt(solved.Origin.X + x, solved.Origin.Y + y), game->Picture.PixelAt(x, y))
          << "cell " << column << ", " << row;
    }
}

// A window shrunk to nothing for a while gives the pieces their places back when it
// grows again.
TEST_F(GamePlayTest, BoardOfNoSizeAndBackKeepsTheLayout) {
  Start();
  const std::vector<PieceSnapshot> layout = Snapshot(*game);
  for (const Point size : {Point{0, 0}, Point{1, 1}, Point{kBoardWidth, 0}}) {
    SCOPED_TRACE(::testing::Message() << size.X << " x " << size.Y);
    game->FitBoard(size.X, size.Y);
    game->FitBoard(kBoardWidth, kBoardHeight);
    EXPECT_TRUE(Snapshot(*game) == layout);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(GamePlayTest, OddScaleRoundsThePictureSizeDown) {
  Start();
  game->SetScale(33);
  EXPECT_EQ(PuzzleRecord.ScaledWidth, 132);
  EXPECT_EQ(PuzzleRecord.ScaledHeight, 99);
  EXPECT_EQ(game->Picture.Width(), 132);
  EXPECT_EQ(game->Picture.Height(), 99);
}

// ---- Painting ----

TEST_F(GamePlayTest, PaintTakesUpTheGhostTickAndLevel) {
  Start();
  const Bitmap plain = game->BoardBitmap;
  host.MainForm().SetChecked("Ghostpicture", true);
  game->GhostLevel = 7;
  game->Paint();
  EXPECT_TRUE(game->Config().Ghost);
  EXPECT_EQ(game->Config().DrawnGhostLevel, 7);
  EXPECT_GT(DifferingPixels(game->BoardBitmap, plain), 0) << "the ghost shows";
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);

  const Bitmap withGhost = game->BoardBitmap;
  host.shown.clear();
  game->Paint();
  EXPECT_TRUE(host.shown.empty()) << "nothing changed, nothing redrawn";
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, withGhost), 0);
}

// An outline style takes effect at the next paint: to and from Wood, whose pieces
// hang a wood edge below them.
TEST_F(GamePlayTest, PaintTakesUpANewOutlineStyle) {
  Start();
  const std::vector<PieceSnapshot> plain = Snapshot(*game);
  for (const int style : {kOutlineWood, 2, 0}) {
    SCOPED_TRACE(style);
    host.MainForm().SetTag("Outlines", style);
    game->Paint();
    EXPECT_EQ(game->Config().OutlineStyle, static_cast<uint32_t>(style));
    EXPECT_EQ(!game->Piece(5).SolidSprite.empty(), style == kOutlineWood);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
  EXPECT_TRUE(Snapshot(*game) == plain) << "back to the first style, the same pieces";
}

// ---- Solving and the tick ----

// The solving script drags every piece to its place beside piece 0 with the mouse;
// the tick then finds the puzzle complete and congratulates once.
TEST_F(GamePlayTest, SolvingScriptSolvesThePuzzleAndTheTickCongratulatesOnce) {
  Start();
  game->Tick();
  EXPECT_TRUE(host.congratulations.empty());

  const std::string script = SolvingScript(*game, host);
  EXPECT_TRUE(SameGroup(*game));
  EXPECT_EQ(PuzzleRecord.JoinedCount, 12);
  EXPECT_TRUE(game->AllJoined);
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "no trails of the drags";

  game->Tick();
  EXPECT_TRUE(PuzzleRecord.Completed);
  EXPECT_EQ(host.congratulations.size(), 1u);
  EXPECT_EQ(host.zoomedSizes, std::vector<Point>{(Point{400, 300})}) << "the whole picture at its own size";
  game->Tick();
  game->Tick();
  EXPECT_EQ(host.congratulations.size(), 1u) << "only once";

  // The script written down solves the same game started again.
  game.reset();
  Start();
  Run(script);
  EXPECT_TRUE(SameGroup(*game));
  EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 12) << "one drag per piece";
}

// A gift asking for one piece (or none) gives a puzzle of one piece, whole from the
// start: the first tick congratulates, and the aids find nothing left to do.
TEST_F(GamePlayTest, OnePiecePuzzleIsWholeFromTheStart) {
  for (int asked : {0, 1}) {
    SCOPED_TRACE(::testing::Message() << asked << " pieces asked for");
    host.congratulations.clear();
    Start({.Pieces = asked});
    ASSERT_EQ(PuzzleRecord.PieceCount, 1);
    game->Hint();
    int passes = 0;
    game->AutoSolve([] { return 10; }, [&passes](int32_t) { ++passes; });
    Animate();
    EXPECT_EQ(passes, 0) << "the solve looked for neighbours of the only piece";
    EXPECT_FALSE(game->FAutoSolving);
    EXPECT_EQ(PuzzleRecord.CheatCount, 1) << "only the auto-solve counts";

    game->Tick();
    EXPECT_TRUE(PuzzleRecord.Completed);
    EXPECT_EQ(host.congratulations.size(), 1u);
    game->Tick();
    EXPECT_EQ(host.congratulations.size(), 1u);
  }
}

TEST_F(GamePlayTest, BoardScriptCountsItsOperationsAndNamesABadLine) {
  Start();
  std::vector<std::string> steps;
  std::istringstream script("# a comment\n\nmove 10 10\nkey shift down  # held\nkey shift up\n");
  RunBoardScript(*game, host, script, [&](int step, const std::string& line) {
    steps.push_back(std::to_string(step) + ": " + line);
  });
  EXPECT_EQ(steps, (std::vector<std::string>{"1: move 10 10", "2: key shift down  # held", "3: key shift up"}));
  EXPECT_FALSE(host.shift);

  for (const char* bad : {"jump 1 2", "press 1", "key alt down", "press 1 2 sideways", "traycommand 9"}) {
    std::istringstream lines(std::string("move 1 1\n") + bad + "\n");
    try {
      RunBoardScript(*game, host, lines, [](int, const std::string&) {});
      ADD_FAILURE() << bad << " was accepted";
    } catch (const UserError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("script line 2: ", 0), 0u) << error.what();
    }
  }
}

TEST_F(GamePlayTest, AllJoinedInSeveralGroupsIsNotComplete) {
  Start();
  game->AllJoined = true;
  game->Tick();
  EXPECT_FALSE(PuzzleRecord.Completed);
  EXPECT_TRUE(host.congratulations.empty());
}

TEST_F(GamePlayTest, TickCountsTheSecondsOfPlay) {
  Start();
  const int32_t elapsed = PuzzleRecord.Elapsed;
  game->Tick();
  game->Tick();
  EXPECT_EQ(PuzzleRecord.Elapsed, elapsed + 2);
  game->Attended = [] { return false; };
  game->Tick();
  EXPECT_EQ(PuzzleRecord.Elapsed, elapsed + 2) << "not while away from the game";
  game->SetGameState(GameState::Idle);
  game->Attended = nullptr;
  game->Tick();
  EXPECT_EQ(PuzzleRecord.Elapsed, elapsed + 2) << "not while idle";
}

// Pressing on the ghost and holding still for two ticks picks it up; it then follows
// the pointer from where it was held.
TEST_F(GamePlayTest, GhostHeldStillIsPickedUpAndMoved) {
  Start();
  host.MainForm().SetChecked("Ghostpicture", true);
  game->Paint();
  const Rect ghost = game->FMural.GhostRect();
  // The middle of the ghost, away from every piece.
  for (TFormPiece* p : game->AllPieces()) {
    p->X = 0;
    p->Y = 0;
  }
  Recompose();
  const Point held{(ghost.Left + ghost.Right) / 2, (ghost.Top + ghost.Bottom) / 2};
  ASSERT_TRUE(game->BoardTray().PieceAt(held.X, held.Y, true) == nullptr);

  Run("press " + std::to_string(held.X) + " " + std::to_string(held.Y) + "\ntick\ntick\n");
  ASSERT_EQ(game->FDragState, DragState::Ghost);
  EXPECT_EQ(host.cursor, CursorShape::SizeAll);
  const Point to{held.X + 60, held.Y + 30};
  Run("move " + std::to_string(to.X) + " " + std::to_string(to.Y) + "\nrelease " + std::to_string(to.X) + " " +
      std::to_string(to.Y) + "\n");

  EXPECT_EQ(game->FMural.GhostRect(), ghost.Offset(60, 30));
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoGhostMoved});
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(host.cursor, CursorShape::Default);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// "&Move ghost" picks the ghost up under the pointer and the next release puts it
// down; a hidden ghost is shown first, its tick set, and stays shown.
TEST_F(GamePlayTest, MoveGhostCommandMovesTheGhostShowingItWhenHidden) {
  for (const bool shown : {true, false}) {
    SCOPED_TRACE(shown ? "ghost shown" : "ghost hidden");
    Start();
    host.MainForm().SetChecked("Ghostpicture", shown);
    game->Paint();
    const Rect ghost = game->FMural.GhostRect();
    host.pointer = {ghost.Left + 10, ghost.Top + 10};
    game->MoveGhost();
    ASSERT_EQ(game->FDragState, DragState::Ghost);
    EXPECT_TRUE(host.MainForm().Checked("Ghostpicture"));
    const Point to{host.pointer.X + 60, host.pointer.Y + 30};
    const std::string at = std::to_string(to.X) + " " + std::to_string(to.Y);
    Run("move " + at + "\nrelease " + at + "\n");

    EXPECT_EQ(game->FMural.GhostRect(), ghost.Offset(60, 30));
    game->Paint();
    EXPECT_TRUE(game->Config().Ghost);
    TMural plain;
    plain.SetColour(game->FMural.GetColour());
    plain.Resize(kBoardWidth, kBoardHeight);
    plain.Render(false);
    EXPECT_GT(DifferingPixels(game->FMural.Board(), plain.Board()), ghost.Width() * ghost.Height() / 2)
        << "the ghost is drawn";
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

// ---- Tray commands ----

class TrayCommandTest : public testing::PlayFixture {
 protected:
  std::set<int> IndexesOf(const TPieceList& list) {
    std::set<int> indexes;
    for (const TFormPiece* p : list) indexes.insert(p->Index);
    return indexes;
  }
};

// Deleting a tray that holds pieces asks first; OK leaves them on the board where
// they lay, joined to nothing, even where two of them fit.
TEST_F(TrayCommandTest, DeletingATrayWithPiecesAsksAndLeavesThemWhereTheyLay) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    Start();
    TBox& tray = TrayWith({0, 1, 7});
    // Piece 1 where it fits piece 0.
    const Point fit = TPieces::FitPosition(P(1), P(0));
    P(1).X = fit.X;
    P(1).Y = fit.Y;
    game->StoreTrayPlaces(tray);
    Recompose();
    const Point at0 = At(P(0)), at1 = At(P(1)), at7 = At(P(7));
    host.answerYes = ok;
    host.questions.clear();

    game->RemoveTray();
    EXPECT_EQ(host.questions, std::vector<std::string>{
                                  "Tray 1 contains pieces which will be\nplaced on the background.\n\nOk to delete this tray?"});
    EXPECT_EQ(game->TrayListCount(), ok ? 1 : 2);
    for (int i : {0, 1, 7}) {
      EXPECT_EQ(P(i).Tray, ok ? 0 : 1) << "piece " << i;
      EXPECT_FALSE(P(i).Joined) << "piece " << i;
      EXPECT_FALSE(P(i).Hidden) << "piece " << i;
    }
    EXPECT_EQ(At(P(0)), at0);
    EXPECT_EQ(At(P(1)), at1);
    EXPECT_EQ(At(P(7)), at7);
    EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_EQ(game->CurrentTray(), ok ? &game->BoardTray() : &game->TrayNo(1));
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(TrayCommandTest, EmptyTrayIsDeletedWithoutAsking) {
  Start();
  TrayWith({});
  game->RemoveTray();
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(game->TrayListCount(), 1);
  game->SetCurrentTray(&game->BoardTray());
  game->RemoveTray();
  EXPECT_EQ(game->TrayListCount(), 1) << "the board is never deleted";
}

// Loose pieces of a kind come from the board: middle includes fun pieces; joined
// pieces and pieces at home never come.
TEST_F(TrayCommandTest, GetPiecesTakesLoosePiecesOfTheKind) {
  // A 5 × 4 grid: middle pieces 6, 7, 8, 11, 12, 13.
  const std::set<int> edges{1, 2, 3, 4, 5, 9, 10, 14, 15, 16, 17, 18, 19};
  const struct {
    int kind;
    std::set<int> taken;
  } cases[] = {
      {1, {1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 14, 15, 16, 17, 18, 19}},
      {2, edges},
      {3, {7, 8, 12}},
      {4, {7, 12}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    Start({.Pieces = 20});
    ASSERT_EQ(PuzzleRecord.Columns, 5);
    ASSERT_EQ(PuzzleRecord.Rows, 4);
    P(7).ShapeClass = ShapeKind::Fun;
    P(12).ShapeClass = ShapeKind::Fun;
    Rect dirty;
    game->JoinPieces(P(6), P(11), dirty);
    P(0).AtHome = true;
    P(13).AtHome = true;
    Recompose();
    TBox& tray = TrayWith({});

    game->GetPieces(c.kind);
    EXPECT_EQ(IndexesOf(tray.FPieces), c.taken);
    for (const TFormPiece* p : game->AllPieces()) {
      EXPECT_EQ(p->Tray, c.taken.count(p->Index) ? 1 : 0) << "piece " << p->Index;
      EXPECT_FALSE(p->Hidden) << "piece " << p->Index;
    }
    EXPECT_TRUE(P(6).Joined);
    EXPECT_EQ(P(6).Group, P(11).Group);
    EXPECT_EQ(game->FDragState, DragState::Idle);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(TrayCommandTest, EmptyTrayPutsThePiecesOnTheBoardAndMinimisesIt) {
  Start();
  TBox& tray = TrayWith({2, 3});
  const Point at2 = At(P(2)), at3 = At(P(3));
  game->EmptyTray();
  EXPECT_EQ(tray.PieceCount(), 0);
  EXPECT_FALSE(tray.IsOpen());
  EXPECT_EQ(P(2).Tray, 0);
  EXPECT_EQ(At(P(2)), at2);
  EXPECT_EQ(At(P(3)), at3);
  EXPECT_EQ(game->TrayListCount(), 2) << "the tray stays";
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);

  game->EmptyTray();
  EXPECT_TRUE(tray.IsOpen()) << "an empty tray only toggles";
}

TEST_F(TrayCommandTest, SelectAllPiecesLiftsEveryPieceOfTheTrayReadyToDrag) {
  Start();
  TBox& tray = TrayWith({2, 3, 8});
  Rect dirty;
  game->JoinPieces(P(2), P(3), dirty);
  game->SelectTrayPieces();
  EXPECT_EQ(game->FDragState, DragState::BandSelected);
  EXPECT_EQ(IndexesOf(game->FSelection), (std::set<int>{2, 3, 8})) << "joined pieces too";
  EXPECT_TRUE(game->SelectionActive());

  // Dragged out of the tray onto the board by one of them.
  const Point grab = OnPiece(P(8));
  const Point to{grab.X - 250, grab.Y};
  const Point at8 = At(P(8));
  Run("drag " + std::to_string(grab.X) + " " + std::to_string(grab.Y) + " " + std::to_string(to.X) + " " +
      std::to_string(to.Y) + "\n");
  EXPECT_EQ(tray.PieceCount(), 0);
  EXPECT_EQ(P(8).Tray, 0);
  EXPECT_EQ(At(P(8)), (Point{at8.X - 250, at8.Y}));
  EXPECT_EQ(game->FDragState, DragState::Idle);

  game->SetCurrentTray(&tray);
  game->SelectTrayPieces();
  EXPECT_EQ(game->FDragState, DragState::Idle) << "nothing to select in an empty tray";
}

// The Trays menu's delete items record one undo step and leave the pieces of the
// deleted trays on the board where they lay; the current tray never stays a deleted one.
TEST_F(TrayCommandTest, DeletingAllTraysLeavesTheirPiecesOnTheBoard) {
  Start();
  TrayWith({0, 1});
  const Point fit = TPieces::FitPosition(P(1), P(0));
  P(1).X = fit.X;
  P(1).Y = fit.Y;
  TBox& second = TrayWith({7});
  game->MoveTray(second, -250, -150);
  game->StoreTrayPlaces(game->TrayNo(1));
  Recompose();
  const Point at0 = At(P(0)), at1 = At(P(1)), at7 = At(P(7));
  host.answerYes = true;

  game->TraysCommand(6);
  EXPECT_EQ(game->TrayListCount(), 1);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{5});
  EXPECT_EQ(game->CurrentTray(), &game->BoardTray());
  EXPECT_EQ(At(P(0)), at0);
  EXPECT_EQ(At(P(1)), at1);
  EXPECT_EQ(At(P(7)), at7);
  EXPECT_FALSE(P(1).Joined);
  for (int i : {0, 1, 7}) EXPECT_EQ(P(i).Tray, 0) << "piece " << i;
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// A band selection waits on the board for a click while the tray commands stay
// reachable (the tray buttons' menu, the menu bar): commands that lift pieces put it
// back first, so none of its pieces is left hidden.
TEST_F(TrayCommandTest, TrayCommandsPutAWaitingSelectionBackFirst) {
  const struct {
    const char* name;
    std::function<void(TJigsaw&)> command;
  } cases[] = {
      {"drop all pieces", [](TJigsaw& g) { g.EmptyTray(); }},
      {"delete tray", [](TJigsaw& g) { g.RemoveTray(); }},
      {"select all pieces", [](TJigsaw& g) { g.SelectTrayPieces(); }},
      {"get pieces", [](TJigsaw& g) { g.GetPieces(1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    host.answerYes = true;
    TBox& tray = TrayWith({0, 1});
    // Piece 11 lies off the tray, alone in the bottom right corner of the board.
    P(11).X = kBoardWidth - P(11).Width - 10;
    P(11).Y = kBoardHeight - P(11).Height - 10;
    Recompose();
    const Point at11 = At(P(11));
    const Rect box = P(11).BoardRect();
    Run("drag " + std::to_string(box.Right + 5) + " " + std::to_string(box.Bottom + 5) + " " +
        std::to_string(box.Left - 5) + " " + std::to_string(box.Top - 5) + "\n");
    ASSERT_EQ(game->FSelection, TPieceList{&P(11)});
    game->SetCurrentTray(&tray);

    c.command(*game);
    EXPECT_FALSE(P(11).Hidden);
    if (P(11).Tray == 0) {
      EXPECT_EQ(At(P(11)), at11);
    }
    for (TFormPiece* p : game->AllPieces())
      if (std::find(game->FSelection.begin(), game->FSelection.end(), p) == game->FSelection.end()) {
        EXPECT_FALSE(p->Hidden) << "piece " << p->Index;
      }
    game->ReleaseSelection();
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(TrayCommandTest, TrayColourByKindTicksItsItems) {
  const Colour custom = 0x00123456;
  const struct {
    ColourKind kind;
    bool dialogAnswers;
    const char* ticked;  // nullptr: nothing changes
  } cases[] = {
      {ColourKind::Custom, true, "Custom"},           {ColourKind::Custom, false, nullptr},
      {ColourKind::Matching, true, "Matching"},       {ColourKind::Contrasting, true, "Contrasting"},
      {ColourKind::Default, true, "Default"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    Start();
    TBox& tray = TrayWith({});
    UiState& form = host.MainForm();
    const Colour before = tray.FColour;
    std::vector<bool> ticksBefore;
    for (const char* item : {"Custom2", "Matching2", "Contrasting2", "Default2", "Custom3", "Matching3",
                             "Contrasting3", "Default3"})
      ticksBefore.push_back(form.Checked(item));
    host.chosenColour = c.dialogAnswers ? std::optional<Colour>(custom) : std::nullopt;
    game->SetTrayColour(c.kind);
    const Colour expected = c.kind == ColourKind::Custom        ? (c.dialogAnswers ? custom : before)
                            : c.kind == ColourKind::Matching    ? MatchingColour(&game->Picture)
                            : c.kind == ColourKind::Contrasting ? ContrastingColour(&game->Picture)
                                          : Colour{0x00805030};
    EXPECT_EQ(tray.FColour, expected);
    size_t k = 0;
    for (const char* menu : {"2", "3"})
      for (const char* item : {"Custom", "Matching", "Contrasting", "Default"}) {
        const std::string name = std::string(item) + menu;
        const bool ticked = c.ticked != nullptr ? std::string(item) == c.ticked : ticksBefore[k];
        EXPECT_EQ(form.Checked(name), ticked) << name;
        ++k;
      }
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
  }
}

TEST_F(TrayCommandTest, RenamingATrayRetitlesIt) {
  Start();
  TBox& tray = TrayWith({});
  game->RenameTray("Edges");
  EXPECT_EQ(game->TrayDescription(), "Edges");
  EXPECT_EQ(tray.Title(), "Tray 1: Edges");
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(TrayCommandTest, NewTrayIsShownInFront) {
  Start();
  host.shown.clear();
  game->AddTray();
  ASSERT_EQ(game->TrayListCount(), 2);
  const TBox& tray = game->TrayNo(1);
  EXPECT_EQ(tray.Number(), 1);
  EXPECT_EQ(&game->TrayAt(tray.FLeft + 50, tray.FTop + 50), &tray);
  EXPECT_TRUE(std::any_of(host.shown.begin(), host.shown.end(), [&](const Rect& r) { return Union(r, tray.BoxRect()) == r; }));
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

}  // namespace
}  // namespace quill
