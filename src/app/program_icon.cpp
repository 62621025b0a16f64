#include "app/program_icon.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace quill {
namespace {

// The icon is designed on a 32-unit square and scaled to the size asked for.
constexpr qreal kDesignSize = 32;

// Knobs and sockets are circles of radius kKnobRadius whose centres lie
// kKnobOffset off the edge line, so each meets its edge at kKnobAngle degrees
// either side of the edge's normal.
constexpr qreal kKnobRadius = 3.5;
constexpr qreal kKnobOffset = 2.5;
const qreal kKnobAngle = std::asin(kKnobOffset / kKnobRadius) * 180 / std::numbers::pi;

QRectF KnobCircle(QPointF centre) {
  return {centre.x() - kKnobRadius, centre.y() - kKnobRadius, 2 * kKnobRadius, 2 * kKnobRadius};
}

// A piece filling (3, 7)..(25, 29), drawn clockwise from its top-left corner,
// with a knob at the top and on the right (reaching the icon square's edges)
// and a socket in the bottom edge.
QPainterPath PieceOutline() {
  const QRectF body(3, 7, 22, 22);
  const QPointF c = body.center();
  const qreal halfTurn = 180 + 2 * kKnobAngle;  // the part of a circle outside its edge
  QPainterPath piece;
  piece.moveTo(body.topLeft());
  piece.arcTo(KnobCircle({c.x(), body.top() - kKnobOffset}), 180 + kKnobAngle, -halfTurn);
  piece.lineTo(body.topRight());
  piece.arcTo(KnobCircle({body.right() + kKnobOffset, c.y()}), 90 + kKnobAngle, -halfTurn);
  piece.lineTo(body.bottomRight());
  piece.arcTo(KnobCircle({c.x(), body.bottom() - kKnobOffset}), -kKnobAngle, halfTurn);
  piece.lineTo(body.bottomLeft());
  piece.closeSubpath();
  return piece;
}

// Sky, a green hill and a sun, clipped to the piece.
void PaintLandscape(QPainter& p, const QPainterPath& piece) {
  const QRectF area = piece.boundingRect();
  p.save();
  p.setClipPath(piece);
  QLinearGradient sky(0, area.top(), 0, area.bottom());
  sky.setColorAt(0, QColor(90, 160, 240));
  sky.setColorAt(1, QColor(190, 225, 255));
  p.fillRect(area, sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 205, 40));
  p.drawEllipse(QPointF(area.right() - 9, area.top() + 8), 3.5, 3.5);
  QPainterPath hill;
  hill.moveTo(area.left(), area.bottom());
  hill.lineTo(area.left(), area.bottom() - 9);
  hill.quadTo(area.center().x() - 4, area.top() + 12, area.right(), area.bottom() - 7);
  hill.lineTo(area.right(), area.bottom());
  hill.closeSubpath();
  p.setBrush(QColor(60, 150, 55));
  p.drawPath(hill);
  p.restore();
}

}  // namespace

QPixmap ProgramIconPixmap(int size, qreal ratio) {
  if (ratio <= 0) ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  const int pixels = static_cast<int>(std::lround(size * ratio));
  QPixmap pixmap(pixels, pixels);
  pixmap.setDevicePixelRatio(ratio);  // the painter below draws in `size` units
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kDesignSize, size / kDesignSize);
  const QPainterPath piece = PieceOutline();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(piece.translated(1.5, 1.5));  // shadow
  PaintLandscape(p, piece);
  p.setPen(QPen(QColor(40, 40, 48), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(piece);
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) icon.addPixmap(ProgramIconPixmap(size, 1.0));
  return icon;
}

}  // namespace quill
