// Scripts of board operations run against the game as the player's mouse and menus
// would run them, so that a person or a test can follow a drag, a join, a tray or the
// ghost step by step without a display.
//
// One operation per line; '#' starts a comment:
//   press X Y [left|right|middle]     a button goes down at board point (X, Y)
//   move X Y                          the pointer moves to (X, Y)
//   release X Y [left|right|middle]   the button comes up at (X, Y)
//   drag X1 Y1 X2 Y2 [button]         press, eight moves along the line, release
//   wheel N                           the wheel turns by N notches at the pointer
//   key shift|ctrl down|up            a modifier key is held or let go
//   newtray                           the "&New Tray" command
//   traycommand TAG                   a Trays menu command (0..8)
//   tick                              one second of play
#pragma once
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "game/jigsaw.h"
#include "headless_host.h"

namespace quill {

// A host whose pointer and modifier keys the script sets.
class ScriptHost : public HeadlessHost {
 public:
  Point PointerOnBoard() override { return pointer; }
  bool ShiftHeld() override { return shift; }
  bool CtrlHeld() override { return ctrl; }
  void ShowPopupMenu(const std::string& menu, Point) override { popups.push_back(menu); }
  bool AskOkCancel(const std::string& question) override { return AskYesNo(question); }

  Point pointer;
  bool shift = false, ctrl = false;
  std::vector<std::string> popups;
};

// Builds the game's puzzle from its gift and starts a new game on a board of
// width × height, as the player does after its "Play..." screen when there is no
// saved game: a game saved beside the gift is not read.
void StartNewGame(TJigsaw& game, int32_t width, int32_t height);

// Cuts and draws the pieces in outline style `style` (0 None .. 4 Wood) instead of
// the gift's own; call it after loading the gift and before building the puzzle.
void UseOutlineStyle(TJigsaw& game, int style);

// Runs every line of the script; after each operation `afterStep` is told its number
// (from 1) and text. Raises UserError naming the line of an operation it cannot read.
void RunBoardScript(TJigsaw& game, ScriptHost& host, std::istream& script,
                    const std::function<void(int step, const std::string& line)>& afterStep);

// A script that solves the game's puzzle from its current layout by dragging each
// piece, in index order, onto its place beside piece 0's: one "drag" line per piece.
// Each press point lies on the piece and on no piece in front of it.
std::string SolvingScript(TJigsaw& game, ScriptHost& host);

}  // namespace quill
