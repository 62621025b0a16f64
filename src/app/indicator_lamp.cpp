#include "app/indicator_lamp.h"

#include <QPainter>
#include <QRadialGradient>

namespace quill {
namespace {

constexpr int kDiameter = 11;
const QColor kLampOn(255, 224, 0);
const QColor kLampOff(104, 100, 40);
const QColor kRim(64, 64, 64);

}  // namespace

IndicatorLamp::IndicatorLamp(QWidget* parent) : QWidget(parent) {
  setFixedSize(kDiameter, kDiameter);
}

void IndicatorLamp::SetOn(bool on) {
  if (on_ == on) return;
  on_ = on;
  update();
}

QSize IndicatorLamp::sizeHint() const { return {kDiameter, kDiameter}; }

void IndicatorLamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // A glass bead: lighter towards its upper left.
  const QColor face = on_ ? kLampOn : kLampOff;
  const QRectF bead = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QRadialGradient shine(bead.center() - QPointF(bead.width() / 5, bead.height() / 5), bead.width() / 1.6);
  shine.setColorAt(0, face.lighter(on_ ? 140 : 125));
  shine.setColorAt(1, face.darker(on_ ? 115 : 130));
  painter.setPen(kRim);
  painter.setBrush(shine);
  painter.drawEllipse(bead);
}

}  // namespace quill
