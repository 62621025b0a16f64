// Quarter-turn copies: a rectangle of a 24-bit or 1-bit bitmap copied into another
// bitmap turned by 90°, 180° or 270°, working on scan lines. Piece images and masks
// are turned with these.
#pragma once
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// Copies sourceRect of `source` into targetRect of `target` turned clockwise by
// `turns` quarter turns: 1 (90° clockwise), 2 (180°) or 3 (90° counter-clockwise);
// any other value copies nothing. targetRect has the turned size (width and height
// exchanged for odd turns). With turns 1, source pixel (x, y) lands on
// (targetRect.Right - 1 - (y - sourceRect.Top), targetRect.Top + (x - sourceRect.Left)).
// Pixels outside either bitmap are left out. Both bitmaps must be of the routine's
// format (RotateCopy24: 24 bit; RotateCopy1: 1 bit), else nothing is copied; the
// source and target may be the same bitmap.
void RotateCopy24(const Bitmap& source, Bitmap& target, const Rect& sourceRect, int turns, const Rect& targetRect);
void RotateCopy1(const Bitmap& source, Bitmap& target, const Rect& sourceRect, int turns, const Rect& targetRect);

}  // namespace quill
