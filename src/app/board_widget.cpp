#include "app/board_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <optional>

#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

BoardWidget::BoardWidget(UiState& mainForm, QWidget* parent) : QWidget(parent), mirror_(mainForm) {
  setObjectName("PaintBox1");
  // The board paints every pixel itself; nothing is erased before painting. As a
  // window of its own it can be found and driven by end-to-end tests.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NativeWindow);
  setMouseTracking(true);
  mirror_.Watch(kMainFormName, [this](const ComponentState& c) {
    const QColor colour = ToQColor(c.Color);
    if (colour == colour_) return;
    colour_ = colour;
    update();
  });
}

void BoardWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  const QPoint place = window() ? mapTo(window(), QPoint(0, 0)) : pos();
  mirror_.State().Update("PaintBox1", [&](ComponentState& c) {
    c.Left = place.x();
    c.Top = place.y();
  });
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (OnResize) OnResize(width(), height());
}

// The bitmap's rows hold blue, green, red, top row first: Qt's BGR888, wrapped
// without a copy.
void BoardWidget::paintEvent(QPaintEvent* event) {
  if (BeforePaint) BeforePaint();
  QPainter painter(this);
  const QRect area = event->rect();
  if (board_ == nullptr || board_->Format() != PixelFormat::Rgb24 || board_->Width() == 0) {
    painter.fillRect(area, colour_);
    return;
  }
  const QImage image(board_->Bits(), board_->Width(), board_->Height(), board_->Stride(), QImage::Format_BGR888);
  const QRect shown = area.intersected(image.rect());
  if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), image, shown);
  // Beyond the bitmap (for a moment while the window grows) the board colour.
  const QRegion rest = QRegion(area).subtracted(QRegion(image.rect()));
  for (const QRect& r : rest) painter.fillRect(r, colour_);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  if (button && OnPress) OnPress(*button, event->position().toPoint().x(), event->position().toPoint().y(),
                                 event->buttons());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  if (button && OnRelease) OnRelease(*button, event->position().toPoint().x(), event->position().toPoint().y());
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  if (OnMove)
    OnMove(event->position().toPoint().x(), event->position().toPoint().y(), event->modifiers(), event->buttons());
}

// The event stays unhandled, so the window may use it too.
void BoardWidget::wheelEvent(QWheelEvent* event) {
  if (OnWheel && event->angleDelta().y() != 0) OnWheel(event->angleDelta().y());
  event->ignore();
}

}  // namespace quill
