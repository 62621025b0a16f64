// Small button pictures drawn at run time until the program's own artwork arrives:
// the web globe of the splash form's link buttons, the play arrow of "Play..." and
// the door of "Exit...".
#pragma once
#include <QIcon>

namespace quill {

QIcon WebGlyph();
QIcon PlayGlyph();
QIcon ExitGlyph();

}  // namespace quill
