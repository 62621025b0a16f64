// The pixels a drag frame reads from the board beneath it.
#include "board/drag_backdrop.h"

#include <algorithm>
#include <vector>

#include "pieces/sprite.h"

namespace quill {

RowRuns DragBackdropRuns(const Bitmap& mask, std::span<const uint8_t> edgeSprite) {
  const int32_t width = mask.Width(), height = mask.Height();
  const bool pasteReplaces = (mask.Palette()[0] & 0xFFFFFF) == kBlack;
  std::vector<uint8_t> needed(static_cast<size_t>(width) * static_cast<size_t>(std::max(height, 0)),
                              pasteReplaces ? 0 : 1);
  if (pasteReplaces) {
    for (int32_t y = 0; y < height; ++y) {
      const uint8_t* bits = mask.ScanLine(y);
      uint8_t* row = needed.data() + static_cast<size_t>(y) * width;
      for (int32_t x = 0; x < width; x += 8)
        if (bits[x >> 3] != 0) std::fill(row + x, row + std::min(x + 8, width), 1);
    }
    ForEachOpaqueRun(edgeSprite, width + 2, height + 2, [&](int row, int from, int count) {
      if (row >= height || from >= width) return;
      uint8_t* line = needed.data() + static_cast<size_t>(row) * width;
      std::fill(line + from, line + std::min(from + count, width), 1);
    });
  }
  RowRuns runs;
  for (int32_t y = 0; y < height; ++y) runs.AddRow(needed.data() + static_cast<size_t>(y) * width, width);
  return runs;
}

}  // namespace quill
