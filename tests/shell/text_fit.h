// Whether a window's texts can be read whole: every label's text fits its widget,
// every button's caption fits its button, every group's title its group, and each of
// these lies inside the widgets around it (a scroll box may hide rows above or below,
// never a column). FontDpi makes the default font as large as a desktop set to a
// number of dots per inch makes it.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <string>
#include <vector>

namespace quill::testing {

// The application's font at `dpi` for as long as it lives (96 is the font as it is).
class FontDpi {
 public:
  explicit FontDpi(int dpi) : saved_(QApplication::font()) {
    QFont scaled = saved_;
    scaled.setPointSizeF(saved_.pointSizeF() * dpi / 96.0);
    QApplication::setFont(scaled);
  }
  ~FontDpi() { QApplication::setFont(saved_); }
  FontDpi(const FontDpi&) = delete;
  FontDpi& operator=(const FontDpi&) = delete;

 private:
  QFont saved_;
};

namespace text_fit {

inline QString Described(const QWidget& widget, const QString& text) {
  return (widget.objectName().isEmpty() ? QString(widget.metaObject()->className()) : widget.objectName()) + " \"" +
         text + "\"";
}

// The size the widget's text needs; an empty size for a widget without text.
inline QSize Needed(const QWidget& widget, QString& text) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    text = label->text();
    if (text.isEmpty()) return {};
    if (label->wordWrap()) return {0, label->heightForWidth(label->width())};
    return label->sizeHint();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    text = button->text();
    if (text.isEmpty()) return {};
    const QString shown = QString(text).remove('&');
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return {button->fontMetrics().horizontalAdvance(shown) + icon + 8, button->fontMetrics().height() + 2};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    text = group->title();
    if (text.isEmpty()) return {};
    return {group->fontMetrics().horizontalAdvance(text) + 12, 0};
  }
  return {};
}

// Whether the widget lies inside every widget around it up to `root`; inside a scroll
// box only across.
inline bool InsideItsParents(const QWidget& widget, const QWidget& root) {
  for (const QWidget* inner = &widget; inner != &root && inner->parentWidget() != nullptr;
       inner = inner->parentWidget()) {
    const QWidget* outer = inner->parentWidget();
    const QRect box = QRect(inner->mapTo(outer, QPoint(0, 0)), inner->size());
    const bool scrolls = qobject_cast<const QScrollArea*>(outer->parentWidget()) != nullptr;
    if (box.left() < 0 || box.right() >= outer->width()) return false;
    if (!scrolls && (box.top() < 0 || box.bottom() >= outer->height())) return false;
  }
  return true;
}

}  // namespace text_fit

// The texts of `root` that cannot be read whole, each with what it needs.
inline std::vector<std::string> CutTexts(const QWidget& root) {
  std::vector<std::string> cut;
  for (const QWidget* widget : root.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&root)) continue;
    QString text;
    const QSize needed = text_fit::Needed(*widget, text);
    if (text.isEmpty()) continue;
    if (needed.width() > widget->width() || needed.height() > widget->height()) {
      cut.push_back(QString("%1 needs %2 x %3, has %4 x %5")
                        .arg(text_fit::Described(*widget, text))
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(widget->width())
                        .arg(widget->height())
                        .toStdString());
    } else if (!text_fit::InsideItsParents(*widget, root)) {
      cut.push_back((text_fit::Described(*widget, text) + " reaches beyond the widget around it").toStdString());
    }
  }
  return cut;
}

}  // namespace quill::testing
