// Small button pictures drawn at run time until the program's own artwork arrives:
// the web globe of the splash form's link buttons, the play arrow of "Play...", the
// door of "Exit..." and the pictures of the tool bar's buttons.
#pragma once
#include <QIcon>
#include <string>

namespace quill {

QIcon WebGlyph();
QIcon PlayGlyph();
QIcon ExitGlyph();

// The picture of a tool bar button by the button's name; a null icon for a button
// that shows its caption instead.
QIcon ToolGlyph(const std::string& name);

// The picture of a tray's button on the tray bar: a tray holding pieces (full) or an
// empty one.
QIcon TrayGlyph(bool full);

}  // namespace quill
