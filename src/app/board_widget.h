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
  // Keeps PaintBox1's place in the main window in the state (tray zooms start at
  // tray buttons, whose places are given in the window's coordinates).
  void moveEvent(QMoveEvent* event) override;

 private:
  StateMirror mirror_;
  QColor colour_;
};

}  // namespace quill
