// The pixels of a drag frame that must show the clean board before the frame is
// drawn over them. A frame darkens the board under its shadow, keeps the board
// pixels under its edge sprite to blend with, and pastes the drag image through its
// mask: where the mask is black and no edge pixel lies, the paste replaces whatever
// was there. So a frame only needs the clean board under the rest of its rectangle,
// and the previous frame is only restored where the new one does not reach.
#pragma once
#include <span>

#include "pieces/dirty.h"
#include "raster/bitmap.h"

namespace quill {

// The runs of the drag rectangle (the mask's size) where the board shows through the
// mask, eight pixels to a mask byte, or the edge sprite (a block of the mask's
// width + 2 and height + 2, pixel (x, y) over the rectangle's pixel (x, y)) has a
// pixel. Every pixel when the mask's piece colour is not black, as the paste then
// keeps part of what lies beneath.
RowRuns DragBackdropRuns(const Bitmap& mask, std::span<const uint8_t> edgeSprite);

}  // namespace quill
