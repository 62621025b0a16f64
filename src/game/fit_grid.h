// Choosing the grid for a picture: the square cell size whose grid comes nearest to
// the requested piece count. Building a puzzle calls it before the pieces are made.
#pragma once
#include <cstdint>

#include "common/records.h"

namespace quill {

// The square cell size, 8..513 pixels, whose grid comes nearest to `count` pieces;
// on a tie the larger cell wins. The search stops at the first size that does worse
// than the best so far; 513 when it never does. Grids of more than 65535 cells are
// passed over.
int32_t GridCellSize(int32_t count, int32_t width, int32_t height);

// The cells of size n along a side of the given length, rounded to nearest, at least 1.
int32_t CellsAlong(int32_t length, int32_t n);

// The pieces of the grid chosen for `count` pieces on a picture of width × height:
// its columns times its rows, at least 1.
int32_t GridPieceCount(int32_t count, int32_t width, int32_t height);

// Stores width and height as the picture and scaled sizes of `record`, sets its
// Columns and Rows, and returns Columns × Rows (at least 1).
int32_t FitGrid(TPuzzleRecord& record, int32_t count, int32_t width, int32_t height);
// The same for the game's PuzzleRecord.
inline int32_t FitGrid(int32_t count, int32_t width, int32_t height) {
  return FitGrid(PuzzleRecord, count, width, height);
}

}  // namespace quill
