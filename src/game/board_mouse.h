// Values of the board's mouse control: buttons, held keys, the mouse options the
// program keeps constant, and the status texts of refused actions.
#pragma once
#include "common/translate.h"
#include <cstdint>

namespace quill {

enum class MouseButton : uint8_t { Left, Right, Middle };

// The keys and buttons held while the pointer moves, for the mouse help line.
struct ShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool AnyButton = false;
  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

// Mouse options that this edition keeps constant.
struct MouseOptions {
  bool ExactBand = false;     // the band takes only what lies inside it exactly
  bool MiddleButton = true;   // the middle button picks up and carries
  bool WheelRotates = true;   // the wheel turns pieces
  bool WheelForward = true;   // rolling away turns left
};

// Wheel movement of one notch, as mice report it; finer wheels and touchpads report
// parts of it.
constexpr int32_t kWheelNotch = 120;

// Undo point kinds recorded by the board's mouse control and the window's commands.
enum UndoKind : int32_t {
  kUndoSizeShape = 0,
  kUndoArrange = 1,
  kUndoArrangeTray = 2,
  kUndoDisarrange = 3,
  kUndoDisarrangeTray = 4,
  kUndoTrayOperation = 5,
  kUndoAutoSolve = 6,
  kUndoGhostMoved = 7,
  kUndoDrag = 8,
  kUndoTurn = 9,
  kUndoRightWayUp = 10,
  kUndoCheat = 11,
};

inline constexpr const char* kWheelDisabledText =
    TextMark("Messages", "To use the scroll wheel, enable it in the Advanced Mouse options screen");
inline constexpr const char* kRotationDisabledText =
    TextMark("Messages", "Rotation is currently disabled in the Options menu");
inline constexpr const char* kCheatingDisabledText =
    TextMark("Messages", "Cheating is currently disabled in the Options menu");
inline constexpr const char* kNeighbourHelpText =
    TextMark("Messages", "Mouse: Left=Fetch neighbor, Right=Show neighbor");
inline constexpr const char* kRotateHelpText =
    TextMark("Messages", "Mouse: Left=Rotate left, Right=Rotate right");
inline constexpr const char* kGhostHelpText =
    TextMark("Messages", "Mouse: Left=Solve piece onto ghost, Right=Flash solution");
inline constexpr const char* kGhostNeededText =
    TextMark("Messages", "Enable the background ghost to use these shortcuts");

// The mouse help line for the held keys and buttons.
const char* MouseHelpText(const ShiftState& held, bool cheating, bool rotating, bool ghost);

}  // namespace quill
