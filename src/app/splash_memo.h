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

// The direction a paragraph is read in: right to left when its first letter of a
// strong direction is Arabic, Hebrew or another right-to-left script.
Qt::LayoutDirection ParagraphDirection(const QString& paragraph);

// Shows the component's text, font, colours and alignment in the box. Each
// paragraph is laid out in its own direction, so Arabic and Hebrew lines read
// right to left (the alignment then mirrors: left is where such a line starts);
// letters the font lacks come from the system's fonts that have them.
void ShowSplashMemo(QTextEdit& memo, const ComponentState& state);

}  // namespace quill
