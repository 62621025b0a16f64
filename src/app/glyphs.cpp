#include "app/glyphs.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "ui/component_names.h"

namespace quill {
namespace {

constexpr int kGlyphSize = 20;

// A glyph painted afresh at whatever size Qt asks for, in device pixels, so it is
// sharp at any device pixel ratio; `paint` draws it on a square of `design` pixels.
// The disabled look is the same picture in `grey`.
class PaintedIconEngine : public QIconEngine {
 public:
  PaintedIconEngine(int design, const QColor& grey, std::function<void(QPainter&)> paint)
      : design_(design), grey_(grey), paint_(std::move(paint)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size.width()) / design_, double(size.height()) / design_);
    paint_(painter);
    if (mode == QIcon::Disabled) {
      painter.resetTransform();
      painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
      painter.fillRect(pixmap.rect(), grey_);
    }
    return pixmap;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), picture);
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(*this); }
  bool isNull() override { return false; }

 private:
  int design_;
  QColor grey_;
  std::function<void(QPainter&)> paint_;
};

QIcon PaintIcon(int size, const QColor& grey, const std::function<void(QPainter&)>& paint) {
  return QIcon(new PaintedIconEngine(size, grey, paint));
}

QIcon Draw(const std::function<void(QPainter&)>& paint) {
  return PaintIcon(kGlyphSize, QColor(128, 128, 128, 160), paint);
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

namespace quill {
namespace {

constexpr int kToolGlyphSize = 24;

QIcon DrawTool(const std::function<void(QPainter&)>& paint) {
  return PaintIcon(kToolGlyphSize, QColor(140, 140, 140, 150), paint);
}

const QColor kInk(40, 40, 48);

// A small landscape in a frame: the puzzle picture.
void PaintPicture(QPainter& p, const QRectF& r, int alpha) {
  p.setPen(QPen(QColor(60, 60, 70, alpha), 1));
  p.setBrush(QColor(120, 190, 250, alpha));
  p.drawRect(r);
  QPainterPath hill;
  hill.moveTo(r.left(), r.bottom());
  hill.lineTo(r.left(), r.bottom() - r.height() * 0.35);
  hill.quadTo(r.center().x() - 2, r.top() + r.height() * 0.3, r.right(), r.bottom() - r.height() * 0.25);
  hill.lineTo(r.right(), r.bottom());
  hill.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 160, 60, alpha));
  p.drawPath(hill);
  p.setBrush(QColor(255, 210, 40, alpha));
  p.drawEllipse(QPointF(r.right() - 4, r.top() + 4), 2.2, 2.2);
}

void PaintPieceOutline(QPainter& p, const QRectF& r, const QColor& fill) {
  // A square piece with a knob on its right and a socket at its top.
  const qreal k = r.width() / 4;
  QPainterPath piece;
  piece.moveTo(r.topLeft());
  piece.lineTo(r.left() + r.width() / 2 - k / 2, r.top());
  piece.arcTo(QRectF(r.center().x() - k / 2, r.top() - k / 2, k, k), 180, 180);
  piece.lineTo(r.topRight());
  piece.lineTo(r.right(), r.center().y() - k / 2);
  piece.arcTo(QRectF(r.right() - k / 2, r.center().y() - k / 2, k, k), 90, -180);
  piece.lineTo(r.bottomRight());
  piece.lineTo(r.bottomLeft());
  piece.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(fill);
  p.drawPath(piece);
}

void PaintSquares(QPainter& p, const std::function<bool(int, int)>& filled) {
  p.setPen(QPen(kInk, 0.8));
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      if (filled(row, col)) {
        p.setBrush(QColor::fromHsv((row * 4 + col) * 22 % 360, 120, 230));
        p.drawRect(QRectF(2.5 + col * 5, 2.5 + row * 5, 4, 4));
      }
}

}  // namespace

QIcon ToolGlyph(const std::string& name) {
  if (name == component::kSpeedOpen)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(QColor(150, 110, 20), 1));
      p.setBrush(QColor(250, 210, 90));
      p.drawRect(QRectF(3.5, 7.5, 17, 12));
      p.drawRect(QRectF(3.5, 5.5, 7, 2));
    });
  if (name == component::kSpeedSave)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(QRectF(4.5, 4.5, 15, 15));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7.5, 4.5, 9, 6));
    });
  if (name == component::kSpeedPicture)
    return DrawTool([](QPainter& p) { PaintPicture(p, QRectF(3.5, 5.5, 17, 13), 255); });
  if (name == component::kSpeedLoupe)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 14), QPointF(20, 20));
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(QColor(200, 230, 255, 200));
      p.drawEllipse(QPointF(10, 10), 6, 6);
    });
  if (name == component::kSpeedGhost)
    return DrawTool([](QPainter& p) {
      PaintPicture(p, QRectF(3.5, 5.5, 17, 13), 90);
      PaintPieceOutline(p, QRectF(6.5, 8.5, 7, 7), QColor(255, 255, 255, 160));
    });
  if (name == component::kSpeedZoom)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
      for (const auto& [corner, inward] : {std::pair{QPointF(4, 4), QPointF(1, 1)}, std::pair{QPointF(20, 4), QPointF(-1, 1)},
                                           std::pair{QPointF(4, 20), QPointF(1, -1)}, std::pair{QPointF(20, 20), QPointF(-1, -1)}}) {
        p.drawLine(corner, corner + inward * 6);
        p.drawLine(corner, corner + QPointF(inward.x() * 4, 0));
        p.drawLine(corner, corner + QPointF(0, inward.y() * 4));
      }
    });
  if (name == component::kSpeedColor)
    return DrawTool([](QPainter& p) {
      const QColor colours[] = {QColor(230, 60, 50), QColor(250, 200, 40), QColor(60, 170, 70), QColor(50, 110, 220)};
      for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(3.5 + (i % 2) * 9, 3.5 + (i / 2) * 9, 8, 8));
      }
    });
  if (name == component::kSpeedSize)
    return DrawTool([](QPainter& p) {
      PaintPieceOutline(p, QRectF(4.5, 8.5, 11, 11), QColor(240, 170, 70));
      p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(13, 3), QPointF(21, 3));
      p.drawLine(QPointF(21, 3), QPointF(21, 11));
      p.drawLine(QPointF(21, 3), QPointF(15, 9));
    });
  if (name == component::kSpeedEdge)
    return DrawTool([](QPainter& p) { PaintSquares(p, [](int r, int c) { return r == 0 || r == 3 || c == 0 || c == 3; }); });
  if (name == component::kSpeedGrid)
    return DrawTool([](QPainter& p) { PaintSquares(p, [](int, int) { return true; }); });
  if (name == component::kSpeedNewBox)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(QColor(90, 60, 30), 1));
      p.setBrush(QColor(200, 150, 90));
      p.drawRect(QRectF(2.5, 9.5, 15, 10));
      p.setBrush(QColor(230, 190, 130));
      p.drawRect(QRectF(2.5, 9.5, 15, 3));
      p.setPen(QPen(QColor(20, 140, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(18, 2.5), QPointF(18, 9.5));
      p.drawLine(QPointF(14.5, 6), QPointF(21.5, 6));
    });
  if (name == component::kSpeedSound)
    return DrawTool([](QPainter& p) {
      QPainterPath speaker;
      speaker.moveTo(3.5, 9.5);
      speaker.lineTo(7.5, 9.5);
      speaker.lineTo(12.5, 4.5);
      speaker.lineTo(12.5, 19.5);
      speaker.lineTo(7.5, 14.5);
      speaker.lineTo(3.5, 14.5);
      speaker.closeSubpath();
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(90, 90, 100));
      p.drawPath(speaker);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(9, 8, 8, 8), -50 * 16, 100 * 16);
      p.drawArc(QRectF(8, 5, 13, 14), -50 * 16, 100 * 16);
    });
  if (name == component::kSpeedMusic)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(kInk, 1.5));
      p.drawLine(QPointF(9.5, 17), QPointF(9.5, 5));
      p.drawLine(QPointF(18.5, 15), QPointF(18.5, 3));
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      p.drawPolygon(QPolygonF({QPointF(9, 4.5), QPointF(19, 2.5), QPointF(19, 6), QPointF(9, 8)}));
      p.setBrush(QColor(60, 60, 160));
      p.drawEllipse(QPointF(7, 17.5), 3, 2.4);
      p.drawEllipse(QPointF(16, 15.5), 3, 2.4);
    });
  if (name == component::kSpeedHint)
    return DrawTool([](QPainter& p) {
      QRadialGradient glow(QPointF(11, 8), 8);
      glow.setColorAt(0, QColor(255, 255, 200));
      glow.setColorAt(1, QColor(250, 200, 30));
      p.setPen(QPen(QColor(150, 110, 20), 1));
      p.setBrush(glow);
      p.drawEllipse(QRectF(5.5, 2.5, 13, 13));
      p.setBrush(QColor(150, 150, 160));
      p.drawRect(QRectF(9.5, 15.5, 5, 5));
    });
  if (name == component::kSpeedHelp)
    return DrawTool([](QPainter& p) {
      p.setPen(QPen(QColor(20, 70, 160), 1));
      p.setBrush(QColor(70, 130, 220));
      p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
      QFont font = p.font();
      font.setPixelSize(15);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, "?");
    });
  return {};
}

QIcon TrayGlyph(bool full) {
  return Draw([full](QPainter& p) {
    // A shallow box seen from slightly above: the far rim, the floor, the front wall.
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(210, 170, 110));
    p.drawPolygon(QPolygonF({QPointF(4.5, 7.5), QPointF(15.5, 7.5), QPointF(18.5, 11.5), QPointF(1.5, 11.5)}));
    if (full) {
      p.setPen(QPen(QColor(40, 40, 40), 0.8));
      const QColor colours[] = {QColor(220, 70, 60), QColor(70, 150, 220), QColor(90, 190, 80)};
      for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRoundedRect(QRectF(4 + 4.5 * i, 3.5 + (i % 2) * 1.5, 5, 5), 1, 1);
      }
    }
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(180, 130, 70));
    p.drawRect(QRectF(1.5, 11.5, 17, 5));
  });
}

}  // namespace quill
