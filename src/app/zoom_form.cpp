#include "app/zoom_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "common/picture_fit.h"

namespace quill {
namespace {

// The picture keeps its aspect: bars of any width are left black, never stretched away.
constexpr int kMarginPercent = 0;

}  // namespace

ZoomForm::ZoomForm(const Bitmap& picture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(WrapBitmap(picture)) {
  setObjectName("ZoomForm");
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) setGeometry(screen->geometry());
  setWindowState(Qt::WindowFullScreen);
}

QRect ZoomForm::PictureRect() const {
  const Rect fit = FitRect(picture_.width(), picture_.height(), width(), height(), kMarginPercent);
  return QRect(fit.Left, fit.Top, fit.Width(), fit.Height());
}

void ZoomForm::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::black);
  if (picture_.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(PictureRect(), picture_);
}

void ZoomForm::keyPressEvent(QKeyEvent* event) {
  // Any key, a modifier alone included.
  event->accept();
  accept();
}

void ZoomForm::mousePressEvent(QMouseEvent* event) {
  // Closing waits for the release, so it does not reach the window below.
  event->accept();
}

void ZoomForm::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  accept();
}

void ShowZoomForm(QtHost& host, QWidget* parent, const Bitmap& picture) {
  ZoomForm form(picture, parent);
  host.RunModal(form);
}

}  // namespace quill
