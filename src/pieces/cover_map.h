// Which pieces of a pile an area shows nothing of, so that composing the area can
// pass them over. Pieces are drawn back to front; a pixel inside a piece's mask and
// off its blended edge (a solid pixel) is set from the picture whatever lay beneath,
// so every piece drawn before it there is lost. A piece whose every pixel in the area
// (its box, and with the Wood style the wood edge below it) is covered by solid
// pixels of pieces drawn after it changes nothing that can be seen.
#pragma once
#include <cstdint>
#include <vector>

#include "pieces/piece.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// For each piece of the list (in drawing order), whether it is covered in `area` by
// the solid pixels of the pieces after it. The masks are those of `maskAtlas` (0
// inside); `woodDepth` is how far a wood edge hangs below a piece (0 without one).
// Hidden pieces cover nothing. With few pieces in the area it is not worth finding
// out, and the answer is empty: every piece is drawn.
std::vector<bool> PiecesCoveredInArea(const TPieceList& list, const Rect& area, const Bitmap& maskAtlas,
                                      int32_t woodDepth);

}  // namespace quill
