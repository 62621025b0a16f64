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

// How the board or a tray takes its colour: from the colour dialog, matching or
// contrasting with the picture, or the default (the gift's board colour; for a tray,
// the board's). The values are the order of the items in the colour menus.
enum class ColourKind : int32_t { Custom = 0, Matching = 1, Contrasting = 2, Default = 3 };
constexpr int kColourKinds = 4;
constexpr bool IsColourKind(ColourKind kind) { return kind >= ColourKind::Custom && kind <= ColourKind::Default; }

}  // namespace quill
