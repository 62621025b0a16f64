#include "app/zoom_form.h"

#include <QApplication>
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

// Letter-box bars narrower than a tenth of the screen are not drawn: the picture is
// stretched over that dimension instead.
constexpr int kMarginPercent = 10;

}  // namespace

ZoomForm::ZoomForm(const Bitmap& picture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(WrapBitmap(picture)) {
  setObjectName("ZoomForm");
  // A task bar or window switcher names the full-screen picture as the program.
  setWindowTitle(kProgramTitle);
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

// While the zoom shows, the application's events pass here first: another modal
// window opening (a message box, the exit screen) closes the zoom, which would
// otherwise cover it, full screen, and leave the user facing a picture that answers
// no key.
void ZoomForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  qApp->installEventFilter(this);
}

void ZoomForm::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(event);
}

bool ZoomForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow() && widget->isModal()) reject();
  }
  return QDialog::eventFilter(watched, event);
}

void ShowZoomForm(QtHost& host, QWidget* parent, const Bitmap& picture) {
  ZoomForm form(picture, parent);
  host.RunModal(form);
}

}  // namespace quill
