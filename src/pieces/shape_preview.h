// The piece size dialog's preview: one piece of a given cell size drawn on a canvas
// with the edge shapes of a piece style, filled in red. Its tabs point left and down
// (blanks on the top and right), and from oddness 2 on its right and bottom edges
// slant as jittered lattice lines would. The game object checks the scale and sizes
// the cell (TJigsaw::DrawShapePreview).
#pragma once
#include "raster/canvas.h"
#include "raster/colour.h"

namespace quill {

constexpr Colour kPreviewRed = MakeColour(255, 0, 0);

// Draws the piece of a cellWidth × cellHeight cell for `style` (1..6; 6 mixes a Blip
// top, a Classic left, a Star bottom and a Round right) and `oddness` (0..10). The
// canvas's pen and brush are red afterwards except for the brush colour, which is
// given back.
void DrawPreviewPiece(Canvas& canvas, int cellWidth, int cellHeight, int style, int oddness);

}  // namespace quill
