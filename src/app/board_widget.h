// The board PaintBox1: the widget the puzzle is played on. It shows the game's board
// bitmap as it is, without converting it, and hands presses, moves, releases, wheel
// turns and its new size to whoever routes them to the game (the main window).
// Before a game is played it shows the board colour. Owned by the main window.
#pragma once
#include <QWidget>
#include <functional>

#include "app/state_mirror.h"
#include "game/board_mouse.h"
#include "raster/bitmap.h"

namespace quill {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(UiState& mainForm, QWidget* parent = nullptr);

  QColor BoardColour() const { return colour_; }
  // The bitmap to show (not owned); null shows the board colour.
  void ShowBitmap(const Bitmap* board) {
    board_ = board;
    update();
  }

  // Input routing, set by the main window.
  std::function<void(MouseButton, int x, int y, Qt::MouseButtons held)> OnPress;
  std::function<void(MouseButton, int x, int y)> OnRelease;
  std::function<void(int x, int y, Qt::KeyboardModifiers, Qt::MouseButtons)> OnMove;
  std::function<void(int delta)> OnWheel;
  std::function<void(int width, int height)> OnResize;
  // PaintBox1Paint: the game brings the bitmap up to date before it is shown.
  std::function<void()> BeforePaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Keeps PaintBox1's place in the main window in the state (tray zooms start at
  // tray buttons, whose places are given in the window's coordinates).
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  StateMirror mirror_;
  QColor colour_;
  const Bitmap* board_ = nullptr;
};

}  // namespace quill
