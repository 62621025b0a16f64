#include "app/board_widget.h"

#include <QPainter>
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

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), colour_);
}

}  // namespace quill
