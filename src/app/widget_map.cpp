#include "app/widget_map.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>

namespace quill {
namespace {

// `widget`'s rectangle in the screen's device pixels. Qt keeps each screen's top
// left corner where it is in device pixels and scales the rest from there.
QRect ScreenRect(const QWidget& widget) {
  const QRect logical(widget.mapToGlobal(QPoint(0, 0)), widget.size());
  const QScreen* screen = widget.screen();
  const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
  const qreal ratio = widget.devicePixelRatioF();
  const QPoint topLeft = origin + (logical.topLeft() - origin) * ratio;
  return {topLeft, logical.size() * ratio};
}

bool ChangesTheMap(QEvent::Type type) {
  switch (type) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::EnabledChange:
      return true;
    default:
      return false;
  }
}

}  // namespace

QStringList WidgetMapLines() {
  QStringList lines;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->objectName().isEmpty()) continue;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (!button->isVisible() || button->objectName().isEmpty() || button->window() != window) continue;
      const QRect r = ScreenRect(*button);
      lines << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                   .arg(window->objectName(), button->objectName())
                   .arg(r.left())
                   .arg(r.top())
                   .arg(r.width())
                   .arg(r.height())
                   .arg(button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    }
  }
  return lines;
}

WidgetMap::WidgetMap(QString file) : file_(std::move(file)) {
  pending_.setSingleShot(true);
  pending_.setInterval(0);
  connect(&pending_, &QTimer::timeout, this, [this] { Write(); });
  QCoreApplication::instance()->installEventFilter(this);
  pending_.start();
}

bool WidgetMap::eventFilter(QObject* watched, QEvent* event) {
  if (ChangesTheMap(event->type()) && watched->isWidgetType() && !pending_.isActive()) pending_.start();
  return false;
}

void WidgetMap::Write() const {
  QSaveFile out(file_);
  if (!out.open(QIODevice::WriteOnly)) return;
  for (const QString& line : WidgetMapLines()) out.write((line + '\n').toUtf8());
  out.commit();
}

std::unique_ptr<WidgetMap> WidgetMapIfAsked() {
  const QString file = qEnvironmentVariable(kWidgetMapVariable);
  if (file.isEmpty()) return nullptr;
  return std::make_unique<WidgetMap>(file);
}

}  // namespace quill
