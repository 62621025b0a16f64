// The board PaintBox1: the widget the puzzle is played on. For now it paints the
// main form's colour (the gift's board colour); the composed board joins later.
// Owned by the main window.
#pragma once
#include <QWidget>

#include "app/state_mirror.h"

namespace quill {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(UiState& mainForm, QWidget* parent = nullptr);

  QColor BoardColour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  StateMirror mirror_;
  QColor colour_;
};

}  // namespace quill
