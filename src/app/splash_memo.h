// The splash form's message box (Memo1): a read-only text box with its own font,
// text colour, background and alignment. The splash form and the gift maker's
// message preview both make and draw it here.
#pragma once
#include <QTextEdit>

#include "ui/ui_state.h"

namespace quill {

// Qt's alignment for the state's.
Qt::Alignment ToQtAlignment(TextAlignment alignment);

// A new, empty message box as the splash form has it.
QTextEdit* NewSplashMemo(QWidget* parent);

// Shows the component's text, font, colours and alignment in the box.
void ShowSplashMemo(QTextEdit& memo, const ComponentState& state);

}  // namespace quill
