// The program's own icon, drawn at run time: a jigsaw piece cut from a small
// landscape. The congratulation dialog shows it; any window may take it as its icon.
#pragma once
#include <QIcon>
#include <QPixmap>

namespace quill {

// The icon painted at `size` × `size` pixels on a transparent background, in the
// device pixels of `ratio` (0: the application's device pixel ratio), so it is sharp
// on HiDPI screens.
QPixmap ProgramIconPixmap(int size, qreal ratio = 0);
// The icon at the usual sizes of window icons.
QIcon ProgramIcon();

}  // namespace quill
