#include "app/board_widget.h"

#include <QPainter>
#include <QMoveEvent>
#include <QPaintEvent>

#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {

BoardWidget::BoardWidget(UiState& mainForm, QWidget* parent) : QWidget(parent), mirror_(mainForm) {
  setObjectName("PaintBox1");
  // The board paints every pixel itself; nothing is erased before painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
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

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), colour_);
}

}  // namespace quill
