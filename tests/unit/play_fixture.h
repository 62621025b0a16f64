// A small puzzle being played: a 400 × 300 demo picture cut into a 4 × 3 grid (or
// another count), started as the player starts a new game on an 800 × 600 board,
// with a host whose pointer and modifier keys the test sets, and a game that counts
// its undo points by kind.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "board_script.h"
#include "common/records.h"
#include "demo_scene.h"
#include "gift_fixture.h"
#include "jpeg_writer.h"
#include "move_fixture.h"

namespace quill::testing {

// The script host with a clock that advances on every reading, the cursor, the
// pop-up menus (with a hook run while one is shown), the game's windows and the
// colour dialog's answer.
class PlayHost : public ScriptHost {
 public:
  int64_t Milliseconds() override { return now += 1; }
  void SetCursor(CursorShape shape) override { cursor = shape; }
  void InvalidateBoard(const Rect& rect, bool) override { shown.push_back(rect); }
  void ShowPopupMenu(const std::string& menu, Point at) override {
    ScriptHost::ShowPopupMenu(menu, at);
    if (whilePopupShown) whilePopupShown(menu);
  }
  bool LeftButtonHeld() override { return leftHeld; }
  int ScreenColourDepth() override { return depth; }
  void WantAnimationTicks(bool on) override { ticksWanted = on; }
  void RepaintStatus() override {
    if (onRepaintStatus) onRepaintStatus();
  }
  void ShowCongratulations(const std::string& status) override { congratulations.push_back(status); }
  void ShowZoomedPicture(const Bitmap& picture) override { zoomedSizes.push_back({picture.Width(), picture.Height()}); }
  bool ChooseColour(Colour& colour) override {
    if (!chosenColour) return false;
    colour = *chosenColour;
    return true;
  }

  int64_t now = 0;
  CursorShape cursor = CursorShape::Default;
  std::vector<Rect> shown;  // parts of the board shown again, at once or at the next paint
  std::function<void(const std::string& menu)> whilePopupShown;
  std::vector<std::string> congratulations;
  std::vector<Point> zoomedSizes;
  std::optional<Colour> chosenColour;  // none: the colour dialog is cancelled
  bool leftHeld = false;
  int depth = 24;  // bits per pixel of the screen
  bool ticksWanted = false;
  std::function<void()> onRepaintStatus;  // runs where the status line is shown at once
};

// The game with the undo points it asks for kept by kind, and the cheats it runs.
class CountingGame : public TJigsaw {
 public:
  using TJigsaw::TJigsaw;
  void RecordUndoPoint(int32_t kind) override {
    undoKinds.push_back(kind);
    TJigsaw::RecordUndoPoint(kind);
  }
  void FetchNeighbour() override {
    cheats.emplace_back("FetchNeighbour");
    if (runCheats) TJigsaw::FetchNeighbour();
  }
  void ShowNeighbour() override {
    cheats.emplace_back("ShowNeighbour");
    if (runCheats) TJigsaw::ShowNeighbour();
  }
  void SolveOnePiece() override {
    cheats.emplace_back("SolveOnePiece");
    if (runCheats) TJigsaw::SolveOnePiece();
  }
  void FlashSolution() override {
    cheats.emplace_back("FlashSolution");
    if (runCheats) TJigsaw::FlashSolution();
  }

  std::vector<int32_t> undoKinds;
  std::vector<std::string> cheats;
  bool runCheats = false;  // the cheats run after being noted
};

// A board point as board scripts write it: "x y".
inline std::string PointText(Point p) { return std::to_string(p.X) + " " + std::to_string(p.Y); }

struct PuzzleSetup {
  int Pieces = 12;
  bool Rotating = false;
  int Outline = 0;
  int64_t BoardColour = -1;  // the default header's when negative
};

class PlayFixture : public ::testing::Test {
 protected:
  static constexpr int kBoardWidth = 800;
  static constexpr int kBoardHeight = 600;

  // Builds the gift's game and starts it without the ghost picture (a drop near a
  // piece's place would snap onto it) and without tray animations.
  void Start(PuzzleSetup setup = {}) {
    game = MakeGame(setup);
    StartNewGame(*game, kBoardWidth, kBoardHeight);
    game->ZoomWait = [](int) {};
  }

  std::unique_ptr<CountingGame> MakeGame(const PuzzleSetup& setup) {
    Bitmap picture(400, 300, PixelFormat::Rgb24);
    PaintDemoScene(picture, 3);
    GiftParts parts;
    WriteJpeg(picture, 90, parts.Picture);
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = setup.Pieces;
    header.OutlineIndex = setup.Outline;
    header.RotationOn = setup.Rotating ? 1 : 0;
    if (setup.BoardColour >= 0) header.BoardColour = static_cast<Colour>(setup.BoardColour);
    auto made = std::make_unique<CountingGame>(host, MakeGiftFile(host.Temp(), header, parts).string());
    made->LoadGift();
    host.MainForm().SetChecked("Ghostpicture", false);
    made->Config().Ghost = false;
    return made;
  }

  // Piece i on a place of its own in a 4-wide grid 190 pixels across and 195 down:
  // no piece touches another or lies near a fitting place.
  void SpreadOut() {
    for (TFormPiece* piece : game->AllPieces()) {
      piece->X = 20 + piece->Index % 4 * 190;
      piece->Y = 20 + piece->Index / 4 * 195;
    }
    Recompose();
  }

  void Recompose() { testing::Recompose(*game); }
  // Ticks the running animations to their end on the host's clock.
  void Animate(const std::function<void(int tick)>& afterTick = {}) { RunAnimations(*game, afterTick); }
  Bitmap FreshBoard() { return testing::FreshBoard(*game); }

  TFormPiece& P(int index) { return game->Piece(index); }

  // A tray 400 × 300 at (300, 200), the current tray, holding `pieces` at places of
  // their own inside it.
  TBox& TrayWith(std::initializer_list<int> pieces) {
    game->AddTray();
    TBox& tray = game->TrayNo(game->TrayListCount() - 1);
    game->MoveTray(tray, 300 - tray.FLeft, 200 - tray.FTop);
    tray.FWidth = 400;
    tray.FHeight = 300;
    TPieceList list;
    for (int i : pieces) list.push_back(&P(i));
    game->MovePiecesToTray(list, tray);
    int place = 0;
    for (TFormPiece* p : list) {
      p->X = tray.FLeft + 10 + place % 2 * 190;
      p->Y = tray.FTop + 30 + place / 2 * 140;
      ++place;
    }
    game->SortTrayPieces(kSortByGroup);
    game->StoreTrayPlaces(tray);
    Recompose();
    game->SetCurrentTray(&tray);
    return tray;
  }
  static Point At(const TFormPiece& piece) { return {piece.X, piece.Y}; }

  // Joins `members` to `anchor`'s group, each moved to fit it.
  void FormGroup(int anchor, std::initializer_list<int> members) { testing::FormGroup(*game, anchor, members); }

  // A point where the piece is opaque, near the middle of its box (never on a tab).
  Point OnPiece(const TFormPiece& piece) {
    const Rect box = piece.BoardRect();
    const Point middle{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
    for (int r = 0; r < 20; ++r)
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
          if (game->IsOpaqueAt(piece, middle.X + dx, middle.Y + dy)) return {middle.X + dx, middle.Y + dy};
    ADD_FAILURE() << "no opaque point near the middle of piece " << piece.Index;
    return middle;
  }

  // Runs board script lines (press, move, release, drag, wheel, key, ...).
  void Run(const std::string& script) {
    std::istringstream in(script);
    RunBoardScript(*game, host, in, [](int, const std::string&) {});
  }

  std::string StatusLine() { return host.MainForm().Get("StatusLine").Caption; }

  PlayHost host;
  std::unique_ptr<CountingGame> game;
};

}  // namespace quill::testing
