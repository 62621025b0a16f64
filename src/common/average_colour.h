// The average colour of a picture, sampled on a 10-pixel grid, and the two board and
// tray colour choices made from it: "Matching" (the average of the puzzle picture) and
// "Contrasting" (its complement). The skin uses the average of its top band.
#pragma once
#include <cstdint>

#include "raster/bitmap.h"
#include "raster/colour.h"

namespace quill {

// The average of the pixels at every 10th column of every 10th row from (0, 0), each
// channel summed and divided separately (rounded down). Only the first `rows` rows are
// sampled when rows > 0 (at most all of them). Black for a missing or empty picture;
// with invert the complement 0xFFFFFF − average.
Colour AverageColor(const Bitmap* picture, bool invert, int32_t rows = 0);

Colour MatchingColour(const Bitmap* picture);
Colour ContrastingColour(const Bitmap* picture);

}  // namespace quill
