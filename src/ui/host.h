// What the game code asks of the window system. The Qt shell implements it; tests
// use a scripted fake. Every call runs on the user interface thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "ui/ui_state.h"

namespace quill {

enum class MessageKind : uint8_t { Plain, Information, Warning, Error };

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
  // The system's temporary folder, with a trailing '/'; empty when it cannot be had.
  virtual std::string TempDirectory() = 0;
  // The screen's colour depth in bits (bits per pixel × planes).
  virtual int ScreenColourDepth() = 0;

  // The main window's FMusicFile: path of the temporary music file, or empty.
  virtual void SetMusicFile(const std::string& path) = 0;
  // Hands the gift's skin picture to the skin with the tool bar's height; the skin
  // keeps the picture. May raise when the picture cannot serve as a skin.
  virtual void SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) = 0;
};

}  // namespace quill
