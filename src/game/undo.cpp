// Undo and redo: the history of ten steps with the menu items that offer them, and
// the game object's snapshots of the position and their restoring.
#include "game/undo.h"

#include "board/tray_records.h"
#include "common/byte_stream.h"
#include "common/records.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr const char* kStepNames[] = {
    TextMark("Messages", "size/shape"),    TextMark("Messages", "arrange"),
    TextMark("Messages", "arrange tray"),  TextMark("Messages", "disarrange"),
    TextMark("Messages", "disarrange tray"), TextMark("Messages", "tray operation"),
    TextMark("Messages", "auto-solve"),    TextMark("Messages", "move ghost"),
    TextMark("Messages", "move pieces"),   TextMark("Messages", "rotate pieces"),
    TextMark("Messages", "right way up"),  TextMark("Messages", "cheat"),
};

// The items' hints: the verb and the name of the step.
constexpr const char* kUndoHint = TextMark("Messages", "Undo %1");
constexpr const char* kRedoHint = TextMark("Messages", "Redo %1");

// The history's view of one game object.
class GameUndoTarget final : public TUndoTarget {
 public:
  explicit GameUndoTarget(TJigsaw& game) : game_(game) {}
  void TakeSnapshot(TUndoEvent& event) override { game_.TakeSnapshot(event); }
  void ApplySnapshot(const TUndoEvent& event) override { game_.ApplySnapshot(event); }
  UiState& UndoMenus() override { return game_.MainForm(); }

 private:
  TJigsaw& game_;
};

// The puzzle a history belongs to: the program file and what its gift makes.
std::string PuzzleIdentity(const std::string& programPath) {
  const TPuzzleRecord& r = PuzzleRecord;
  return programPath + '\n' + std::to_string(r.PieceCount) + ' ' + std::to_string(r.Columns) + ' ' +
         std::to_string(r.Rows) + ' ' + std::to_string(r.Seed) + ' ' + std::to_string(r.PictureWidth) + ' ' +
         std::to_string(r.PictureHeight);
}

}  // namespace

const char* UndoStepName(int32_t kind) {
  constexpr auto kKinds = static_cast<int32_t>(std::size(kStepNames));
  return kind >= 0 && kind < kKinds ? kStepNames[kind] : "";
}

TUndo& UndoHistory() {
  static TUndo history;
  return history;
}

// ---- The history ----------------------------------------------------------------

void TUndo::ShowItem(UiState& menus, const char* item, const char* hint, const TUndoEvent* step) {
  if (!menus.Has(item)) return;
  menus.SetHint(item, step != nullptr ? FillArgs(Tr("Messages", hint), {Tr("Messages", UndoStepName(step->Kind))})
                                      : std::string());
  menus.SetEnabled(item, step != nullptr);
}

void TUndo::Record(TUndoTarget& game, int32_t kind) {
  UiState& menus = game.UndoMenus();
  if (FUndone > 0) {
    FHead = FCursor;
    FCount -= FUndone;
    FUndone = 0;
    ShowItem(menus, component::kRedoItem, kRedoHint, nullptr);
  }
  TUndoEvent& step = FSlots[FHead];
  step.Kind = static_cast<uint8_t>(kind);
  game.TakeSnapshot(step);
  if (FCount < kUndoSteps) ++FCount;
  FHead = Next(FHead);
  FCursor = FHead;
  ShowItem(menus, component::kUndoItem, kUndoHint, &step);
}

void TUndo::Undo(TUndoTarget& game) {
  UiState& menus = game.UndoMenus();
  if (FUndone == 0 && FCount > 0) game.TakeSnapshot(FSpare);
  if (FUndone < FCount) {
    FCursor = Prev(FCursor);
    ++FUndone;
    const TUndoEvent& step = FSlots[FCursor];
    game.ApplySnapshot(step);
    ShowItem(menus, component::kRedoItem, kRedoHint, &step);
  }
  ShowItem(menus, component::kUndoItem, kUndoHint, FUndone < FCount ? &FSlots[Prev(FCursor)] : nullptr);
}

void TUndo::Redo(TUndoTarget& game) {
  if (FUndone == 0) return;
  UiState& menus = game.UndoMenus();
  FCursor = Next(FCursor);
  const int32_t wasUndone = FUndone--;
  // The last redo returns to the position before the first undo.
  game.ApplySnapshot(wasUndone == 1 ? FSpare : FSlots[FCursor]);
  ShowItem(menus, component::kRedoItem, kRedoHint, FUndone > 0 ? &FSlots[FCursor] : nullptr);
  ShowItem(menus, component::kUndoItem, kUndoHint, &FSlots[Prev(FCursor)]);
}

void TUndo::Bind(const std::string& puzzle) {
  if (puzzle == FPuzzle) return;
  Clear();
  FPuzzle = puzzle;
}

void TUndo::Clear() {
  FHead = FCursor = FCount = FUndone = 0;
  for (TUndoEvent& slot : FSlots) slot.Stream.clear();
  FSpare.Stream.clear();
}

// ---- The game object's steps ------------------------------------------------------

TUndo& TJigsaw::UndoSteps() {
  TUndo& history = UndoHistory();
  history.Bind(PuzzleIdentity(FProgramPath));
  return history;
}

void TJigsaw::RecordUndoPoint(int32_t kind) {
  GameUndoTarget target(*this);
  UndoSteps().Record(target, kind);
}

// A carried selection or a drag in progress holds pieces or a tray that a snapshot
// would pull from under it. A band selection waiting on the board is put back first;
// a pointer resting on a tray's border forgets the tray, which may be gone.
void TJigsaw::UndoRedo(bool undo) {
  if (!IsPlaying() || FCarrying) return;
  if (FDragState == DragState::BandSelected) ReleaseSelection();
  if (FDragState == DragState::OverTrayBorder) {
    FDragState = DragState::Idle;
    TheHost().SetCursor(CursorShape::Default);
  }
  if (FDragState != DragState::Idle) return;
  // A running auto-solve would go on from the position undone, and its cheats with it.
  StopAutoSolve();
  GameUndoTarget target(*this);
  TUndo& history = UndoSteps();
  if (undo)
    history.Undo(target);
  else
    history.Redo(target);
}

void TJigsaw::TakeSnapshot(TUndoEvent& event) {
  std::vector<uint8_t> buffer = std::move(event.Stream);
  buffer.reserve(SaveSize(*this));
  event.Rotating = MainForm().Checked(component::kRotation);
  event.Scale = PuzzleRecord.Scale;
  event.Oddness = PuzzleRecord.Oddness;
  event.Style = PuzzleRecord.PieceStyle;
  event.Fun = PuzzleRecord.FunPieces;
  BoardRecord.TrayCount = static_cast<uint16_t>(TrayListCount());
  ByteWriter stream(std::move(buffer));
  stream.WriteBytes(SerializePuzzleRecord(PuzzleRecord));
  stream.WriteBytes(SerializeBoardRecord(BoardRecord));
  WritePiecesAndTrays(*this, stream);
  event.Stream = stream.Take();
}

void TJigsaw::ApplySnapshot(const TUndoEvent& event) {
  const PieceShape before = CurrentPieceShape();
  const BoardLook shown = LookOfBoard();
  const PieceShape shape{event.Scale, event.Style, event.Oddness, event.Fun};
  ByteReader stream(event.Stream);
  PuzzleRecord = ParsePuzzleRecord(stream.Read(kPuzzleRecordSize).data(), kPuzzleRecordSize);
  BoardRecord = ParseBoardRecord(stream.Read(kBoardRecordSize).data(), kBoardRecordSize);
  ReadPiecesAndTrays(*this, stream);
  // The pieces lie where their records say; the ghost may not be where it was when
  // they were at home, so none is taken along to it before being tested again.
  for (TFormPiece* piece : AllPieces()) piece->AtHome = false;
  AllJoined = false;
  FTray = &BoardTray();  // the trays were made anew
  SortTrays(false);
  SortTrayPieces(kSortByGroup);
  UpdateAllJoinedSides();

  UiState& form = MainForm();
  form.SetChecked(component::kRotation, event.Rotating);
  form.SetEnabled(component::kRotateRight, event.Rotating);
  form.SetEnabled(component::kRotateLeft, event.Rotating);
  Config().Rotating = event.Rotating;
  FWheelPiece = -1;

  TPieceList pending;
  ListPendingRotation(pending);
  if (!pending.empty()) {
    RotatePieces(pending, 0, true, true, StatusProgress.Report());
    CutPieces(pending, false);
  }
  // Undoing a move changes a few pieces of thousands: only their places are drawn
  // again, unless pieces turned or took another shape.
  if (shape != before)
    CutAtShape(shape, before);
  else
    FitBoard(Config().BoardWidth, Config().BoardHeight, pending.empty() ? &shown : nullptr);
  UpdateAtHome();
}

}  // namespace quill
