// Undo and redo: before every change the player may want to take back, the game
// writes a snapshot of the whole position (the two global records, every piece's
// place and turn, the trays) into the history, a ring of ten steps. Undo goes back
// one snapshot at a time and redo forward again; the menu items "&Undo" and
// "&Redo" are enabled while there is a step to take and their hints name it.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/ui_state.h"

namespace quill {

// Steps the history holds; the oldest is forgotten when another is recorded.
constexpr int32_t kUndoSteps = 10;

// The name of a step kind as the menu hints show it ("move pieces"); "" for a
// number that is no kind.
const char* UndoStepName(int32_t kind);

// One snapshot: the records of the position and the shape settings it was cut with.
struct TUndoEvent {
  uint8_t Kind = 0;
  // PuzzleRecord, BoardRecord, the piece state records in index order and the tray
  // records besides the board, in tray order. Kept between uses, so recording
  // allocates little once the ring has gone round.
  std::vector<uint8_t> Stream;
  bool Rotating = false;  // the tick of "Rotation"
  int32_t Scale = 0;
  int32_t Oddness = 0;
  int32_t Style = 0;
  int32_t Fun = 0;
};

// What the history asks of the game it serves.
class TUndoTarget {
 public:
  virtual ~TUndoTarget() = default;
  // Writes the present position into the event (its kind is set by the history).
  virtual void TakeSnapshot(TUndoEvent& event) = 0;
  // Puts the position of the event back.
  virtual void ApplySnapshot(const TUndoEvent& event) = 0;
  // The form holding the items UndoItem and RedoItem.
  virtual UiState& UndoMenus() = 0;
};

class TUndo {
 public:
  // Takes a snapshot of kind `kind` as the newest step; steps undone before are
  // gone for good.
  void Record(TUndoTarget& game, int32_t kind);
  // One step back; the first undo of a series keeps the present position, which the
  // last redo returns to. Nothing when no step is left.
  void Undo(TUndoTarget& game);
  // One step forward; nothing when no step is undone.
  void Redo(TUndoTarget& game);

  // The history belongs to one puzzle: a game of another puzzle finds it empty. A
  // restarted game of the same puzzle keeps the steps of the one before.
  void Bind(const std::string& puzzle);
  // Forgets every step (the menu items are left as they are).
  void Clear();

  int32_t Count() const { return FCount; }    // steps that can be undone
  int32_t Undone() const { return FUndone; }  // steps that can be redone

 private:
  static int32_t Next(int32_t slot) { return slot == kUndoSteps - 1 ? 0 : slot + 1; }
  static int32_t Prev(int32_t slot) { return slot == 0 ? kUndoSteps - 1 : slot - 1; }
  // Enables the item with the hint pattern ("Undo %1"), translated, filled with the
  // step's name, or disables it with no hint.
  static void ShowItem(UiState& menus, const char* item, const char* hint, const TUndoEvent* step);

  std::array<TUndoEvent, kUndoSteps> FSlots;
  TUndoEvent FSpare;     // the position at the first undo of a series
  int32_t FHead = 0;     // slot the next step is written to
  int32_t FCursor = 0;   // slot after the present position; FHead when nothing is undone
  int32_t FCount = 0;
  int32_t FUndone = 0;
  std::string FPuzzle;
};

// The history of the program: it outlives the game objects, so Restart keeps it.
TUndo& UndoHistory();

}  // namespace quill
