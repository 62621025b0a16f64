#include "app/board_widget.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>
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
  setObjectName(component::kPaintBox1);
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
  mirror_.State().Update(component::kPaintBox1, [&](ComponentState& c) {
    c.Left = place.x();
    c.Top = place.y();
  });
}

// ---- Board pixels ------------------------------------------------------------------

QSize BoardWidget::BoardSize() const {
  return {static_cast<int>(std::lround(width() * Ratio())), static_cast<int>(std::lround(height() * Ratio()))};
}

// Mouse positions arrive as device pixels divided by the ratio: multiplied back and
// rounded they are whole device pixels again.
Point BoardWidget::BoardPointAt(const QPointF& widgetPoint) const {
  return {static_cast<int32_t>(std::lround(widgetPoint.x() * Ratio())),
          static_cast<int32_t>(std::lround(widgetPoint.y() * Ratio()))};
}

QPoint BoardWidget::WidgetPointOf(Point boardPoint) const {
  return {static_cast<int>(std::floor(boardPoint.X / Ratio())), static_cast<int>(std::floor(boardPoint.Y / Ratio()))};
}

QRect BoardWidget::WidgetRectOf(const Rect& r) const {
  const double ratio = Ratio();
  const int left = static_cast<int>(std::floor(r.Left / ratio));
  const int top = static_cast<int>(std::floor(r.Top / ratio));
  const int right = static_cast<int>(std::ceil(r.Right / ratio));
  const int bottom = static_cast<int>(std::ceil(r.Bottom / ratio));
  return {left, top, right - left, bottom - top};
}

Point BoardWidget::PointerOnBoard() const {
  const QPointF pointer = mapFromGlobal(QCursor::pos());
  const bool resting = std::abs(pointer.x() - lastPointer_.x()) < 1 && std::abs(pointer.y() - lastPointer_.y()) < 1;
  return BoardPointAt(resting ? lastPointer_ : pointer);
}

Point BoardWidget::Track(const QPointF& widgetPoint) {
  lastPointer_ = widgetPoint;
  return BoardPointAt(widgetPoint);
}

// ---- Qt events ------------------------------------------------------------------------

void BoardWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (OnResize) OnResize(BoardSize().width(), BoardSize().height());
}

void BoardWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FollowScreenChanges();
}

void BoardWidget::FollowScreenChanges() {
  QWindow* handle = window()->windowHandle();
  if (followingScreens_ || handle == nullptr) return;
  followingScreens_ = true;
  connect(handle, &QWindow::screenChanged, this, [this] {
    if (OnResize) OnResize(BoardSize().width(), BoardSize().height());
    update();
  });
}

// The bitmap's rows hold blue, green, red, top row first: Qt's BGR888, wrapped
// without a copy. Each board pixel goes to one device pixel.
void BoardWidget::paintEvent(QPaintEvent* event) {
  if (BeforePaint) BeforePaint();
  QPainter painter(this);
  const QRect area = event->rect();
  if (board_ == nullptr || board_->Format() != PixelFormat::Rgb24 || board_->Width() == 0) {
    painter.fillRect(area, colour_);
    return;
  }
  const double ratio = Ratio();
  const QImage image(board_->Bits(), board_->Width(), board_->Height(), board_->Stride(), QImage::Format_BGR888);
  const QRect under = QRect(QPoint(static_cast<int>(std::floor(area.left() * ratio)),
                                   static_cast<int>(std::floor(area.top() * ratio))),
                            QPoint(static_cast<int>(std::ceil((area.right() + 1) * ratio)) - 1,
                                   static_cast<int>(std::ceil((area.bottom() + 1) * ratio)) - 1));
  const QRect shown = under.intersected(image.rect());
  if (!shown.isEmpty())
    painter.drawImage(QRectF(shown.x() / ratio, shown.y() / ratio, shown.width() / ratio, shown.height() / ratio),
                      image, QRectF(shown));
  // Beyond the bitmap (for a moment while the window grows) the board colour.
  const QRect imageArea = WidgetRectOf(board_->Bounds());
  const QRegion rest = QRegion(area).subtracted(QRegion(imageArea));
  for (const QRect& r : rest) painter.fillRect(r, colour_);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  const Point at = Track(event->position());
  if (button && OnPress) OnPress(*button, at.X, at.Y, event->buttons());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  const Point at = Track(event->position());
  if (button && OnRelease) OnRelease(*button, at.X, at.Y);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  const Point at = Track(event->position());
  if (OnMove) OnMove(at.X, at.Y, event->modifiers(), event->buttons());
}

// The event stays unhandled, so the window may use it too.
void BoardWidget::wheelEvent(QWheelEvent* event) {
  if (OnWheel && event->angleDelta().y() != 0) OnWheel(event->angleDelta().y());
  event->ignore();
}

}  // namespace quill
