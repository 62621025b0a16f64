// Where the main window opens: most of the screen it starts on, centred, so the board
// has room for a photo and its scattered pieces (the splash form, centred on the same
// screen, then stands over its middle). The program entry places the window with it
// before showing it.
#pragma once
#include <QRect>
#include <QSize>

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

// Whether windows get the places and sizes the program asks for. A Wayland compositor
// places every window itself and sends each its size (again whenever its focus or
// state changes): there a window takes the size it is given rather than answering
// with a size of its own, which the compositor would undo.
bool PlatformObeysWindowGeometry();

}  // namespace quill
