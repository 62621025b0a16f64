#include "app/window_placement.h"

#include <QGuiApplication>
#include <QMainWindow>
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

namespace {

// Room between a view and the main window or the board's edge.
constexpr int kGap = 8;
// A title bar's height, for a window whose frame the window manager has not made yet.
constexpr int kTitleAllowance = 32;

}  // namespace

QPoint ViewPosition(ViewPlace place, const QRect& screen, const QRect& main, const QRect& board, QSize size) {
  int x = board.left() + kGap;
  int y = board.top() + kGap;
  if (place != ViewPlace::OverBoardLeft) {
    const bool atBottom = place == ViewPlace::BottomBeside;
    x = main.right() + 1 + kGap;
    y = atBottom ? main.bottom() + 1 - size.height() : main.top();
    if (x + size.width() > screen.right() + 1) x = main.left() - kGap - size.width();
    if (x < screen.left()) {
      x = board.right() + 1 - kGap - size.width();
      y = atBottom ? board.bottom() + 1 - kGap - size.height() : board.top() + kGap;
    }
  }
  return {std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
          std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

void PlaceView(QWidget& view, const QWidget& owner, ViewPlace place) {
  const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const auto* mainWindow = qobject_cast<const QMainWindow*>(&owner);
  const QWidget* board = mainWindow && mainWindow->centralWidget() ? mainWindow->centralWidget() : nullptr;
  const QRect boardRect = board ? QRect(board->mapToGlobal(QPoint(0, 0)), board->size()) : owner.geometry();
  QSize size = view.frameGeometry().size();
  if (view.frameGeometry() == view.geometry()) size.rheight() += kTitleAllowance;
  view.move(ViewPosition(place, screen->availableGeometry(), owner.frameGeometry(), boardRect, size));
}

bool PlatformObeysWindowGeometry() { return !QGuiApplication::platformName().startsWith("wayland"); }

}  // namespace quill
