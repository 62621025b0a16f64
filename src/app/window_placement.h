// Where the main window opens: most of the screen it starts on, centred, so the board
// has room for a photo and its scattered pieces (the splash form, centred on the same
// screen, then stands over its middle). The program entry places the window with it
// before showing it.
#pragma once
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace quill {

// The share of the screen's available width and height the window takes.
constexpr int kStartScreenPercent = 90;

// The window's rectangle on a screen whose available area (without panels and docks)
// is `available`: kStartScreenPercent of it each way, centred, but never smaller
// than the designed size unless the screen itself is.
QRect StartGeometry(const QRect& available, const QSize& designed);

// Gives the window that rectangle on its screen (or the primary screen).
void PlaceOnScreen(QWidget& window);

// Where a window that lives beside the main window opens first.
enum class ViewPlace {
  TopBeside,      // the picture window: beside the main window, level with its top
  BottomBeside,   // the loupe: beside the main window, level with its bottom
  OverBoardLeft,  // the auto-solve speed window: over the board's top left corner
};

// The frame's top left for a window of frame size `size` on a screen whose available
// area is `screen`, given the main window's frame `main` and its board `board` (all in
// screen coordinates). The beside places take the room right of the main window, else
// left of it; a main window that leaves no room either side (as at 1920 x 1080, where
// it fills 90 % of the screen) gets the view inside the board's right edge, at the
// board's top or bottom, so it covers neither the tool bar nor the tray bar and the
// status bar's clock and counters, nor the middle of the board. Always on the screen.
QPoint ViewPosition(ViewPlace place, const QRect& screen, const QRect& main, const QRect& board, QSize size);

// Moves `view` there beside or over `owner` (a main window with a central board, or
// any window). A window not shown yet has no frame: its title bar is allowed for.
void PlaceView(QWidget& view, const QWidget& owner, ViewPlace place);

// Where the platform places windows itself, the picture window and the loupe are
// frames inside the main window instead: the rectangle (in the main window's
// coordinates) of such a view of size `size`, shrunk where needed to a quarter of the
// board `board`, at the board's top right corner (TopBeside) or bottom right corner
// (BottomBeside). So the two never cover each other nor the middle of the board, and
// the tool bar, the tray bar and the status bar stay clear.
QRect DockedViewGeometry(ViewPlace place, const QRect& board, QSize size);

// Gives `view`, a child of `owner` (a main window with a central board, or any
// widget), that place and size.
void DockView(QWidget& view, const QWidget& owner, ViewPlace place);

// Whether the platform named (QGuiApplication::platformName()) lets a program place
// its windows: a Wayland compositor places every window itself.
bool PlatformPlacesWindows(const QString& platformName);

// Whether windows get the places and sizes the program asks for. A Wayland compositor
// places every window itself and sends each its size (again whenever its focus or
// state changes): there a window takes the size it is given rather than answering
// with a size of its own, which the compositor would undo.
bool PlatformObeysWindowGeometry();

}  // namespace quill
