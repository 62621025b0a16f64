#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quill {

QRect StartGeometry(const QRect& available, const QSize& designed) {
  const int width =
      std::min(available.width(), std::max(designed.width(), available.width() * kStartScreenPercent / 100));
  const int height =
      std::min(available.height(), std::max(designed.height(), available.height() * kStartScreenPercent / 100));
  QRect geometry(0, 0, width, height);
  geometry.moveCenter(available.center());
  return geometry;
}

void PlaceOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  window.setGeometry(StartGeometry(screen->availableGeometry(), window.size()));
}

bool PlatformObeysWindowGeometry() { return !QGuiApplication::platformName().startsWith("wayland"); }

}  // namespace quill
