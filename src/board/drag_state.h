// The states of the board's mouse control: what a press started and what the next
// move or release acts on. The game keeps one in `TMove::FDragState`; the
// one-second tick reads it to see whether the ghost is held.
#pragma once
#include <cstdint>

namespace quill {

// The values are those the inspector prints for a board script's steps.
enum class DragState : uint8_t {
  Idle = 0,
  BandSelected = 1,    // band selection made: pieces lifted and shown, waiting
  BandDrawing = 2,     // rubber band being drawn
  Picked = 3,          // dragging a piece or group picked by a press
  BandSelection = 4,   // dragging the pieces a band selected
  Tray = 5,            // dragging a tray by its title
  Ghost = 6,           // dragging the ghost picture
  OverTrayBorder = 7,  // resize cursor shown
  ResizingTray = 8,
  TrayButtonHeld = 9,  // a tray's minimise button held down
};

// Something follows the pointer: pieces, a tray or the ghost.
constexpr bool IsDragging(DragState state) { return state >= DragState::Picked && state <= DragState::Ghost; }

}  // namespace quill
