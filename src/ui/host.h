// What the game code asks of the window system. The Qt shell implements it; tests
// use a scripted fake. Every call runs on the user interface thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/rect.h"
#include "ui/ui_state.h"

namespace quill {

enum class MessageKind : uint8_t { Plain, Information, Warning, Error };

// The mouse cursors the game shows over the board and while it works.
enum class CursorShape : uint8_t {
  Default,
  Hourglass,
  Grab,          // the closed hand while pieces are dragged
  SizeAll,       // the four-way arrow while the ghost picture is moved
  SizeVertical,  // tray borders
  SizeHorizontal,
  SizeNorthWestSouthEast,
  SizeNorthEastSouthWest,
};

// Answers of a question with Yes, No, Cancel and All buttons.
enum class ChoiceAnswer : uint8_t { Yes, No, Cancel, All };

class Host {
 public:
  virtual ~Host() = default;

  // The main window's components (menus, tool buttons, status bar, PaintBox1).
  virtual UiState& MainForm() = 0;
  // The splash form that is current now; the shell replaces it at closing time.
  virtual UiState& SplashForm() = 0;

  // A modal message box with an OK button; also written to standard error.
  virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
  // A Yes/No question; true only for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;

  // The desktop's colour for a Windows system colour index (clWindow = 5, ...).
  virtual Colour SystemColour(int index) = 0;
  // A folder of this process alone inside the system's temporary folder, with a
  // trailing '/': made on first use, readable by this user only, and removed with
  // its contents when the host goes. Empty when it cannot be made.
  virtual std::string PrivateTempDirectory() = 0;
  // The screen's colour depth in bits (bits per pixel × planes).
  virtual int ScreenColourDepth() = 0;

  // The main window's FMusicFile: path of the temporary music file, or empty.
  virtual void SetMusicFile(const std::string& path) = 0;
  // Hands the gift's skin picture to the skin with the tool bar's height; the skin
  // keeps the picture. May raise when the picture cannot serve as a skin.
  virtual void SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) = 0;

  // ---- The board and the pointer ----
  // The game has changed `rect` of the board bitmap: show it (at the next paint, or
  // at once with `now`, as a drag frame needs).
  virtual void InvalidateBoard(const Rect& rect, bool now) { (void)rect, (void)now; }
  virtual void SetCursor(CursorShape shape) { (void)shape; }
  // The pointer in board coordinates.
  virtual Point PointerOnBoard() { return {}; }
  // A rectangle measured in the main form's units from the board's top-left (a tool
  // button's place, say) in board pixels; the two differ on screens whose device
  // pixel ratio is not 1.
  virtual Rect FormRectOnBoard(const Rect& rect) { return rect; }
  // Shows the status line and the progress bar as they are now, at once.
  virtual void RepaintStatus() {}
  // The game's animations (glides, flashes, the auto-solve) run: call the game's
  // AnimationTick every few milliseconds while `on`, and not at all otherwise.
  virtual void WantAnimationTicks(bool on) { (void)on; }
  // The modifier keys held at this moment (not as some event saw them).
  virtual bool ShiftHeld() { return false; }
  virtual bool CtrlHeld() { return false; }
  // Whether the left mouse button is held down at this moment.
  virtual bool LeftButtonHeld() { return false; }
  // Shows a pop-up menu of the main form (its component name) at a board point.
  virtual void ShowPopupMenu(const std::string& menu, Point boardPoint) { (void)menu, (void)boardPoint; }
  // Milliseconds of a monotonic clock.
  virtual int64_t Milliseconds();
  // Writes `text` onto target in `font` with its top-left at (x, y), clipped to `clip`,
  // on an opaque background of `background`.
  virtual void DrawText(Bitmap& target, const Rect& clip, int x, int y, const std::string& text, const FontState& font,
                        Colour background) {
    (void)target, (void)clip, (void)x, (void)y, (void)text, (void)font, (void)background;
  }

  // ---- Windows of the game ----
  // The congratulation dialog, modal, with the status text given.
  virtual void ShowCongratulations(const std::string& status) { (void)status; }
  // The whole picture at its own size, full screen and modal.
  virtual void ShowZoomedPicture(const Bitmap& picture) { (void)picture; }
  // Width in pixels of a text in the main window's font (status panels fit it).
  virtual int TextWidth(const std::string& text) { return 7 * static_cast<int>(text.size()); }

  // ---- Questions ----
  // An OK / Cancel confirmation; true only for OK.
  virtual bool AskOkCancel(const std::string& question) { return AskYesNo(question); }
  // A question with Yes, No and Cancel buttons; closing it counts as Cancel.
  virtual ChoiceAnswer AskYesNoCancel(const std::string& question) {
    return AskYesNo(question) ? ChoiceAnswer::Yes : ChoiceAnswer::No;
  }
  // A question with Yes, No, Cancel and All buttons.
  virtual ChoiceAnswer AskYesNoCancelAll(const std::string& question) {
    return AskYesNo(question) ? ChoiceAnswer::Yes : ChoiceAnswer::No;
  }
  // The colour dialog; false when cancelled.
  virtual bool ChooseColour(Colour& colour) { (void)colour; return false; }
};

}  // namespace quill
