// The two options whose switching does more than store a tick: allowing the cheats
// (their commands follow it) and rotating pieces (switching it asks what to do with
// the pieces' turns).
#include <algorithm>

#include "common/translate.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

// Every command that counts as a cheat: the hint, turning right way up, the
// auto-solve, and the menus' flashing, solving and neighbour items.
constexpr const char* kCheatCommands[] = {component::kHint1,        component::kHint2,        component::kSpeedHint,
                                          component::kRightWayUp1,  component::kRightWayUp2,  component::kSolve1,
                                          component::kSolve2,       component::kShowSolution, component::kSolvePiece,
                                          component::kFindPiece,    component::kFetchPiece,   component::kShowNeighbor,
                                          component::kFetchNeighbor};
constexpr const char* kRotateSomeQuestion = TextMark("Messages", "Would you like some pieces randomly rotated now?");

}  // namespace

void TJigsaw::SetCheating(bool on, bool store) {
  if (store) Config().Cheating = on;
  if (!on) StopAutoSolve();  // the auto-solve is a cheat too
  if (!IsPlaying()) return;
  UiState& form = MainForm();
  for (const char* name : kCheatCommands)
    if (form.Has(name)) form.SetEnabled(name, on);
}

bool TJigsaw::SetRotating(bool on, const std::string& question) {
  bool result = on;
  if (IsPlaying()) {
    StopAutoSolve();
    Config().Rotating = on;
    const auto turned = [this] {
      return std::any_of(PieceList.begin(), PieceList.end(), [](const auto& p) { return p->Rotation != 0; });
    };
    if (on) {
      switch (TheHost().AskYesNoCancel(kRotateSomeQuestion)) {
        case ChoiceAnswer::Cancel:
          result = false;
          break;
        case ChoiceAnswer::Yes: {
          // The loose board pieces turn where they lie.
          RecordUndoPoint(kUndoDisarrange);
          ReleaseSelection();
          RandomiseRotation(BoardTray().FPieces, false);
          TPieceList pending;
          ListPendingRotation(pending);
          RotatePieces(pending, 0, true, true);
          CutPieces(pending, false);
          RedrawBoard();
          break;
        }
        default:
          break;
      }
    } else if (turned()) {
      if (TheHost().AskYesNo(question)) TurnAllRightWayUp();
      // Turned pieces could no longer be turned back with rotation off, so it stays on
      // while any remain.
      result = turned();
    }
  }
  UiState& form = MainForm();
  form.SetEnabled(component::kRotateRight, result);
  form.SetEnabled(component::kRotateLeft, result);
  Config().Rotating = result;
  return result;
}

}  // namespace quill
