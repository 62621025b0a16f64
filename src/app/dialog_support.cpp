#include "app/dialog_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <algorithm>

#include "app/qt_colours.h"
#include "app/skin_tile.h"

namespace quill {
namespace {

// Replaces `role` by the application palette's colour when the widget's own palette
// sets it to black.
void FollowSchemeWhenBlack(QWidget& widget, QPalette::ColorRole role) {
  QPalette palette = widget.palette();
  if (!palette.isBrushSet(QPalette::Active, role) || palette.color(role) != QColor(Qt::black)) return;
  palette.setColor(role, QApplication::palette().color(role));
  widget.setPalette(palette);
}

}  // namespace

SkinnedDialog::SkinnedDialog(const char* name, const QString& caption, const Bitmap* skin, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      skin_(skin ? QPixmap::fromImage(ToQImage(*skin)) : QPixmap()) {
  setObjectName(name);
  setWindowTitle(caption);
}

QWidget* SkinnedDialog::Component(const std::string& name) const {
  return findChild<QWidget*>(QString::fromStdString(name));
}

void SkinnedDialog::SetSkin(const Bitmap* skin) {
  skin_ = skin ? QPixmap::fromImage(ToQImage(*skin)) : QPixmap();
  update();
}

void SkinnedDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  TileSkin(painter, skin_, event->rect());
}

void FixSizeToLayout(QDialog& dialog, QSize designSize) {
  QLayout* layout = dialog.layout();
  layout->activate();
  QSize size = layout->totalSizeHint().expandedTo(layout->totalMinimumSize()).expandedTo(designSize);
  if (layout->hasHeightForWidth()) size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
  dialog.setFixedSize(size);
}

void FixTextColors(QWidget& form) {
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      FollowSchemeWhenBlack(*label, QPalette::WindowText);
    } else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QFrame*>(widget)) {
      FollowSchemeWhenBlack(*widget, QPalette::ButtonText);
    }
  }
}

}  // namespace quill
