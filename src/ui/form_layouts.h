// The design-time state of the program's forms: every named component with its
// caption, hint, initial ticks and geometry, as a form resource would give them.
// The core starts from these, the Qt shell builds its widgets from them.
#pragma once
#include "ui/component_names.h"
#include "ui/ui_state.h"

namespace quill {

// The main window: menus, tool bar, tray bar, status bar and the board PaintBox1.
void DefineMainForm(UiState& form);

// The splash form (loading screen, "Play..." screen and exit screen).
void DefineSplashForm(UiState& form);

// Geometry of the splash form fixed by its design.
constexpr int kSplashClientWidth = 434;
constexpr int kSplashClientHeight = 414;

}  // namespace quill
