#include "app/splash_memo.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>

#include "app/qt_colours.h"
#include "common/util.h"

namespace quill {

Qt::Alignment ToQtAlignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Left: return Qt::AlignLeft;
    case TextAlignment::Right: return Qt::AlignRight;
    case TextAlignment::Centre: return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

Qt::LayoutDirection ParagraphDirection(const QString& paragraph) {
  return paragraph.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

QTextEdit* NewSplashMemo(QWidget* parent) {
  auto* memo = new QTextEdit(parent);
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

void ShowSplashMemo(QTextEdit& memo, const ComponentState& c) {
  memo.setFont(ToQFont(c.Font));
  QPalette palette = memo.palette();
  palette.setColor(QPalette::Base, ToQColor(c.Color));
  palette.setColor(QPalette::Text, ToQColor(c.Font.Color));
  memo.setPalette(palette);
  if (memo.toPlainText() != ToQString(c.Text)) memo.setPlainText(ToQString(c.Text));
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format;
    format.setAlignment(ToQtAlignment(c.Alignment));
    format.setLayoutDirection(ParagraphDirection(block.text()));
    QTextCursor(block).mergeBlockFormat(format);
  }
}

}  // namespace quill
