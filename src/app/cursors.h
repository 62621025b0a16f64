// The screen cursors the program shows: the hourglass while long steps run and the
// closed hand (`GrabCursor`, screen cursor 1) while pieces are dragged.
#pragma once
#include <Qt>

namespace quill {

inline constexpr Qt::CursorShape kHourglassCursor = Qt::WaitCursor;
inline constexpr Qt::CursorShape kGrabCursor = Qt::ClosedHandCursor;

}  // namespace quill
