#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace quill {
namespace {

constexpr int kGlyphSize = 20;

QIcon Draw(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  QIcon icon(pixmap);
  // The disabled look: the same picture in grey.
  QPixmap grey = pixmap;
  QPainter shade(&grey);
  shade.setCompositionMode(QPainter::CompositionMode_SourceIn);
  shade.fillRect(grey.rect(), QColor(128, 128, 128, 160));
  shade.end();
  icon.addPixmap(grey, QIcon::Disabled);
  return icon;
}

}  // namespace

QIcon WebGlyph() {
  return Draw([](QPainter& p) {
    const QRectF globe(2.5, 2.5, 15, 15);
    QRadialGradient sea(globe.center() - QPointF(3, 3), 11);
    sea.setColorAt(0, QColor(140, 200, 255));
    sea.setColorAt(1, QColor(20, 90, 200));
    p.setPen(QPen(QColor(10, 50, 130), 1));
    p.setBrush(sea);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 245, 255, 200), 0.9));
    p.drawEllipse(QRectF(6.5, 2.5, 7, 15));
    p.drawLine(QPointF(10, 2.5), QPointF(10, 17.5));
    p.drawLine(QPointF(2.5, 10), QPointF(17.5, 10));
    p.drawLine(QPointF(4, 6), QPointF(16, 6));
    p.drawLine(QPointF(4, 14), QPointF(16, 14));
  });
}

QIcon PlayGlyph() {
  return Draw([](QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(5, 2.5);
    arrow.lineTo(17, 10);
    arrow.lineTo(5, 17.5);
    arrow.closeSubpath();
    QLinearGradient fill(0, 2, 0, 18);
    fill.setColorAt(0, QColor(120, 220, 110));
    fill.setColorAt(1, QColor(20, 130, 30));
    p.setPen(QPen(QColor(10, 80, 20), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(arrow);
  });
}

QIcon ExitGlyph() {
  return Draw([](QPainter& p) {
    // A door standing ajar with an arrow leaving through it.
    p.setPen(QPen(QColor(70, 40, 20), 1));
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(3.5, 2.5, 9, 15));
    p.setBrush(QColor(40, 25, 10));
    p.drawRect(QRectF(5.5, 4.5, 5, 11));
    QPainterPath arrow;
    arrow.moveTo(9, 9);
    arrow.lineTo(14, 9);
    arrow.lineTo(14, 6);
    arrow.lineTo(18.5, 10);
    arrow.lineTo(14, 14);
    arrow.lineTo(14, 11);
    arrow.lineTo(9, 11);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(150, 20, 20), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(230, 50, 40));
    p.drawPath(arrow);
  });
}

}  // namespace quill
