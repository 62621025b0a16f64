#include "game/fit_grid.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "common/records.h"

namespace quill {

namespace {

constexpr int32_t kSmallestCell = 8;
constexpr int32_t kLargestCell = 512;
// More cells than a 16-bit piece count can hold never make the best grid.
constexpr int64_t kMostCells = 65535;

}  // namespace

int32_t CellsAlong(int32_t length, int32_t n) { return std::max(1, (length + n / 2) / n); }

int32_t GridCellSize(int32_t count, int32_t width, int32_t height) {
  int64_t bestMiss = std::numeric_limits<int32_t>::max();
  for (int32_t n = kSmallestCell; n <= kLargestCell; ++n) {
    const int64_t cells = int64_t{CellsAlong(width, n)} * CellsAlong(height, n);
    if (cells > kMostCells) continue;
    const int64_t miss = std::llabs(count - cells);
    if (miss > bestMiss) return n - 1;
    bestMiss = miss;
  }
  return kLargestCell + 1;
}

int32_t GridPieceCount(int32_t count, int32_t width, int32_t height) {
  const int32_t n = GridCellSize(count, width, height);
  return CellsAlong(width, n) * CellsAlong(height, n);
}

int32_t FitGrid(TPuzzleRecord& record, int32_t count, int32_t width, int32_t height) {
  record.PictureWidth = static_cast<uint16_t>(width);
  record.PictureHeight = static_cast<uint16_t>(height);
  record.ScaledWidth = static_cast<uint16_t>(width);
  record.ScaledHeight = static_cast<uint16_t>(height);
  const int32_t n = GridCellSize(count, width, height);
  record.Columns = static_cast<uint16_t>(CellsAlong(width, n));
  record.Rows = static_cast<uint16_t>(CellsAlong(height, n));
  return record.Columns * record.Rows;
}

}  // namespace quill
