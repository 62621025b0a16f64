// The skin picture tiled behind a dialog: copies side by side and row under row,
// the first one's top-left corner at minus the offset. The congratulation dialog
// paints its background with it (and so will the tray description dialog).
#pragma once
#include <QPainter>
#include <QPixmap>

namespace quill {

// Covers `clip` with copies of `tile`; nothing without a tile.
inline void TileSkin(QPainter& painter, const QPixmap& tile, const QRect& clip, QPoint offset = {}) {
  if (tile.isNull() || clip.isEmpty()) return;
  // The tile's point shown at the clip's corner, wrapped into the tile by Qt.
  painter.drawTiledPixmap(clip, tile, clip.topLeft() + offset);
}

}  // namespace quill
