#include "app/bevel_panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace quill {

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent), colour_(palette().color(QPalette::Button)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::SetBevel(Bevel bevel, int width) {
  bevel_ = bevel;
  bevelWidth_ = width;
  update();
}

void BevelPanel::SetFill(const QColor& colour, bool gradient) {
  colour_ = colour;
  gradient_ = gradient;
  update();
}

void BevelPanel::SetSeeThrough(bool seeThrough) {
  seeThrough_ = seeThrough;
  setAttribute(Qt::WA_OpaquePaintEvent, !seeThrough);
  update();
}

void BevelPanel::SetTile(const QImage& tile) {
  tile_ = tile;
  update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!seeThrough_) PaintFill(painter);
  PaintBevel(painter);
}

void BevelPanel::PaintFill(QPainter& painter) {
  if (!tile_.isNull()) {
    painter.drawTiledPixmap(rect(), QPixmap::fromImage(tile_));
  } else if (gradient_) {
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, colour_.lighter(112));
    shade.setColorAt(1, colour_.darker(108));
    painter.fillRect(rect(), shade);
  } else {
    painter.fillRect(rect(), colour_);
  }
}

void BevelPanel::PaintBevel(QPainter& painter) {
  if (bevel_ == Bevel::None || bevelWidth_ <= 0) return;
  // Light from the top left: a raised panel is light on its top and left edges and
  // dark on the others, a lowered one the other way round. Each ring of the bevel
  // is a little nearer the face colour than the one outside it.
  const QColor light = colour_.lighter(150), dark = colour_.darker(190);
  const QColor& topLeft = bevel_ == Bevel::Raised ? light : dark;
  const QColor& bottomRight = bevel_ == Bevel::Raised ? dark : light;
  for (int i = 0; i < bevelWidth_; ++i) {
    const int fade = 100 * i / bevelWidth_;
    auto mix = [&](const QColor& edge) {
      return QColor((edge.red() * (100 - fade) + colour_.red() * fade) / 100,
                    (edge.green() * (100 - fade) + colour_.green() * fade) / 100,
                    (edge.blue() * (100 - fade) + colour_.blue() * fade) / 100);
    };
    const QRect r = rect().adjusted(i, i, -i, -i);  // right() and bottom() are the last pixels
    painter.setPen(mix(topLeft));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(mix(bottomRight));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}

}  // namespace quill
