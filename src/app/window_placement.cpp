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

namespace {

// The view's top left over the board: its top left corner for the speed window, its
// top right or bottom right corner for the picture window and the loupe.
QPoint OverBoard(ViewPlace place, const QRect& board, QSize size) {
  if (place == ViewPlace::OverBoardLeft) return {board.left() + kGap, board.top() + kGap};
  const int x = board.right() + 1 - kGap - size.width();
  const int y = place == ViewPlace::BottomBeside ? board.bottom() + 1 - kGap - size.height() : board.top() + kGap;
  return {x, y};
}

}  // namespace

QPoint ViewPosition(ViewPlace place, const QRect& screen, const QRect& main, const QRect& board, QSize size) {
  QPoint at = OverBoard(place, board, size);
  if (place != ViewPlace::OverBoardLeft) {
    const bool atBottom = place == ViewPlace::BottomBeside;
    int x = main.right() + 1 + kGap;
    if (x + size.width() > screen.right() + 1) x = main.left() - kGap - size.width();
    if (x >= screen.left()) at = {x, atBottom ? main.bottom() + 1 - size.height() : main.top()};
  }
  return {std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
          std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

QRect DockedViewGeometry(ViewPlace place, const QRect& board, QSize size) {
  const QSize room(std::max(1, board.width() / 2 - 2 * kGap), std::max(1, board.height() / 2 - 2 * kGap));
  size = size.boundedTo(room);
  return {OverBoard(place, board, size), size};
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

void DockView(QWidget& view, const QWidget& owner, ViewPlace place) {
  const auto* mainWindow = qobject_cast<const QMainWindow*>(&owner);
  const QRect board =
      mainWindow && mainWindow->centralWidget() ? mainWindow->centralWidget()->geometry() : owner.rect();
  // The view may answer the new size with one of its own (the picture keeps its
  // aspect): it goes to its corner at the size it took.
  view.resize(DockedViewGeometry(place, board, view.size()).size());
  view.move(DockedViewGeometry(place, board, view.size()).topLeft());
}

bool PlatformPlacesWindows(const QString& platformName) { return !platformName.startsWith("wayland"); }

bool PlatformObeysWindowGeometry() { return PlatformPlacesWindows(QGuiApplication::platformName()); }

}  // namespace quill
