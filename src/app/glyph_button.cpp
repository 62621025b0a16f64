#include "app/glyph_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quill {
namespace {

constexpr int kGap = 3;  // between glyph and caption

}  // namespace

GlyphButton::GlyphButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void GlyphButton::SetGlyphPlace(GlyphPlace place) {
  place_ = place;
  update();
}

QSize GlyphButton::sizeHint() const {
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
  return place_ == GlyphPlace::Above
             ? QSize(std::max(text.width(), iconSize().width()) + 16, text.height() + iconSize().height() + kGap + 8)
             : QSize(text.width() + iconSize().width() + kGap + 16, std::max(text.height(), iconSize().height()) + 8);
}

void GlyphButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  option.initFrom(this);
  if (isDown()) option.state |= QStyle::State_Sunken;
  else option.state |= QStyle::State_Raised;
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const QSize glyph = iconSize();
  const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
  const bool above = place_ == GlyphPlace::Above;
  const QSize content = above ? QSize(std::max(glyph.width(), caption.width()), glyph.height() + kGap + caption.height())
                              : QSize(caption.width() + kGap + glyph.width(), std::max(glyph.height(), caption.height()));
  QRect box(QPoint(0, 0), content);
  box.moveCenter(rect().center());
  if (isDown()) box.translate(1, 1);

  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QPixmap picture = icon().pixmap(glyph, devicePixelRatio(), mode);
  QRect glyphRect(QPoint(0, 0), glyph), captionRect(QPoint(0, 0), caption);
  if (above) {
    glyphRect.moveTopLeft(QPoint(box.center().x() - glyph.width() / 2, box.top()));
    captionRect.moveTopLeft(QPoint(box.center().x() - caption.width() / 2, box.top() + glyph.height() + kGap));
  } else {
    captionRect.moveTopLeft(QPoint(box.left(), box.center().y() - caption.height() / 2));
    glyphRect.moveTopLeft(QPoint(box.right() + 1 - glyph.width(), box.center().y() - glyph.height() / 2));
  }
  painter.drawPixmap(glyphRect.topLeft(), picture);
  style()->drawItemText(&painter, captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                        QPalette::ButtonText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(4, 4, -4, -4);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace quill
