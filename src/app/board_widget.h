// The board PaintBox1: the widget the puzzle is played on. It shows the game's board
// bitmap as it is, without converting it, and hands presses, moves, releases, wheel
// turns and its new size to whoever routes them to the game (the main window).
// Before a game is played it shows the board colour. Owned by the main window.
//
// Board pixels are the screen's device pixels. On a screen whose device pixel ratio
// is above 1 (a HiDPI screen, or Qt's QT_SCALE_FACTOR) the board bitmap is as large
// as the widget in device pixels and is drawn without scaling, so a picture shows at
// its own resolution; positions handed on are in board pixels, and the widget maps
// them to its own (logical) coordinates where Qt needs those.
#pragma once
#include <QWidget>
#include <functional>

#include "app/state_mirror.h"
#include "game/board_mouse.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

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

  // The widget's size in board pixels: what the board bitmap must be.
  QSize BoardSize() const;
  // A point of the widget (logical coordinates) in board pixels, and back.
  Point BoardPointAt(const QPointF& widgetPoint) const;
  QPoint WidgetPointOf(Point boardPoint) const;
  // The widget's rectangle that covers a rectangle of board pixels.
  QRect WidgetRectOf(const Rect& boardRect) const;
  // The pointer now, in board pixels. Qt gives the pointer's place on the screen in
  // whole logical pixels only: while it still rests where the last mouse event left
  // it, that event's exact place is taken.
  Point PointerOnBoard() const;

  // Input routing, set by the main window; positions and sizes in board pixels.
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
  void showEvent(QShowEvent* event) override;

 private:
  double Ratio() const { return devicePixelRatioF(); }
  // Notes where the pointer is and returns it in board pixels.
  Point Track(const QPointF& widgetPoint);
  // A move to a screen of another device pixel ratio resizes the board.
  void FollowScreenChanges();

  StateMirror mirror_;
  QColor colour_;
  const Bitmap* board_ = nullptr;
  QPointF lastPointer_{-1e9, -1e9};  // logical, as the last mouse event gave it
  bool followingScreens_ = false;
};

}  // namespace quill
