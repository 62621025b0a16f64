// Whole boards composed from a gift as the player would show them: the first layout
// of a new game, or every piece on its home place. Used by the inspector and tests.
#pragma once
#include <cstdint>

#include "game/jigsaw.h"
#include "raster/bitmap.h"

namespace quill {

struct BoardSize {
  int32_t Width = 1024;
  int32_t Height = 768;
};

// The board of a new game: the backdrop in the board colour with the pieces
// scattered over it, drawn in their stacking order.
Bitmap ComposeNewGameBoard(TJigsaw& game, BoardSize size);

// Every piece turned the right way up and drawn on its home place, the picture's
// top-left at `origin` of a board of the picture's size plus a margin.
struct SolvedBoard {
  Bitmap Board;
  Point Origin;
};
SolvedBoard ComposeSolvedBoard(TJigsaw& game, int32_t margin = 16);

}  // namespace quill
