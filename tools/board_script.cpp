#include "board_script.h"

#include <algorithm>
#include <sstream>

#include "common/errors.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr int kDragMoves = 8;

MouseButton ParseButton(std::istringstream& in) {
  std::string name;
  if (!(in >> name) || name == "left") return MouseButton::Left;
  if (name == "right") return MouseButton::Right;
  if (name == "middle") return MouseButton::Middle;
  throw UserError("unknown button " + name);
}

void Drag(TJigsaw& game, ScriptHost& host, MouseButton button, Point from, Point to) {
  host.pointer = from;
  game.BoardMouseDown(button, from.X, from.Y);
  for (int i = 1; i <= kDragMoves; ++i) {
    host.pointer = {from.X + (to.X - from.X) * i / kDragMoves, from.Y + (to.Y - from.Y) * i / kDragMoves};
    game.BoardMouseMove(host.pointer.X, host.pointer.Y);
  }
  game.BoardMouseUp(button, to.X, to.Y);
}

// Runs one line; false when the line holds no operation.
bool RunLine(TJigsaw& game, ScriptHost& host, const std::string& line) {
  std::istringstream in(line.substr(0, line.find('#')));
  std::string op;
  if (!(in >> op)) return false;
  Point p;
  if (op == "press" && in >> p.X >> p.Y) {
    host.pointer = p;
    game.BoardMouseDown(ParseButton(in), p.X, p.Y);
  } else if (op == "move" && in >> p.X >> p.Y) {
    host.pointer = p;
    game.BoardMouseMove(p.X, p.Y);
  } else if (op == "release" && in >> p.X >> p.Y) {
    host.pointer = p;
    game.BoardMouseUp(ParseButton(in), p.X, p.Y);
  } else if (Point q; op == "drag" && in >> p.X >> p.Y >> q.X >> q.Y) {
    Drag(game, host, ParseButton(in), p, q);
  } else if (int notches = 0; op == "wheel" && in >> notches) {
    game.BoardMouseWheel(notches * 120);
  } else if (std::string key, state; op == "key" && in >> key >> state && (state == "down" || state == "up")) {
    bool& held = key == "shift" ? host.shift : key == "ctrl" ? host.ctrl : throw UserError("unknown key " + key);
    held = state == "down";
  } else if (op == "newtray") {
    game.AddTray();
  } else if (int tag = 0; op == "traycommand" && in >> tag && tag >= 0 && tag <= 8) {
    game.TraysCommand(tag);
  } else if (op == "tick") {
    game.Tick();
  } else {
    throw UserError("cannot read the operation: " + line);
  }
  return true;
}

// A board point on the piece that no piece in front of it covers, or (-1, -1).
Point UncoveredPoint(TJigsaw& game, const TFormPiece& piece) {
  const TPieceList& stack = game.BoardTray().FPieces;
  auto covered = [&](int32_t x, int32_t y) {
    for (auto it = stack.rbegin(); it != stack.rend() && *it != &piece; ++it)
      if (game.ShowsAt(**it, x, y)) return true;
    return false;
  };
  const Rect rect = piece.BoardRect();
  // Points nearer the middle of the piece first: they are never on a tab.
  const int32_t cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  for (int32_t r = 0; r < std::max(rect.Width(), rect.Height()) / 2; r += 2)
    for (int32_t dy = -r; dy <= r; dy += std::max(1, r))
      for (int32_t dx = -r; dx <= r; dx += 2) {
        const int32_t x = cx + dx, y = cy + dy;
        if (game.IsOpaqueAt(piece, x, y) && !covered(x, y)) return {x, y};
      }
  return {-1, -1};
}

}  // namespace

// The player's start without its saved game: a new layout, then play.
void StartNewGame(TJigsaw& game, int32_t width, int32_t height) {
  game.BuildPuzzle();
  game.NewLayout(width, height);
  game.SetGameState(GameState::Playing);
  game.FitBoard(width, height);
}

void UseOutlineStyle(TJigsaw& game, int style) {
  game.MainForm().SetTag(component::kOutlines, style);
  game.Config().OutlineStyle = static_cast<uint32_t>(style);
}

void RunBoardScript(TJigsaw& game, ScriptHost& host, std::istream& script,
                    const std::function<void(int step, const std::string& line)>& afterStep) {
  std::string line;
  int step = 0;
  for (int number = 1; std::getline(script, line); ++number) {
    try {
      if (!RunLine(game, host, line)) continue;
      // A cheat's glide or flash is over before the next operation.
      game.CompleteAnimation();
    } catch (const UserError& error) {
      throw UserError("script line " + std::to_string(number) + ": " + error.what());
    }
    afterStep(++step, line);
  }
}

std::string SolvingScript(TJigsaw& game, ScriptHost& host) {
  std::ostringstream script;
  const Rect ghost = game.FMural.GhostRect();
  const TFormPiece& first = game.Piece(0);
  for (TFormPiece* piece : game.AllPieces()) {
    if (piece != &first && piece->Joined && piece->Group == first.Group) continue;
    const Point grab = UncoveredPoint(game, *piece);
    if (grab.X < 0) continue;
    const Point to{grab.X + ghost.Left + piece->HomeX - piece->X, grab.Y + ghost.Top + piece->HomeY - piece->Y};
    script << "drag " << grab.X << ' ' << grab.Y << ' ' << to.X << ' ' << to.Y << '\n';
    Drag(game, host, MouseButton::Left, grab, to);
  }
  return script.str();
}

}  // namespace quill
