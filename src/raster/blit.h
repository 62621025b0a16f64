// Block copies between bitmaps, as the graphics device interface does them: the four
// raster operations, conversion between pixel formats, clipping to both bitmaps and
// nearest-neighbour stretching. Used by the canvas, the imaging, sprites and board.
#pragma once
#include <cstdint>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/rect.h"

namespace quill {

// How a copied pixel s combines with the destination pixel d. The operations work on
// pixel values: colour bytes for 24 bit, palette indices for 8 bit, bits for 1 bit.
enum class RasterOp : uint8_t {
  SrcCopy,    // d = s
  SrcAnd,     // d = d AND s
  SrcPaint,   // d = d OR s
  DstInvert,  // d = NOT d (the source is not read)
};

// Copies the w × h block at (sx, sy) of src to (x, y) of dst. Pixels outside either
// bitmap are left out; a copy within one bitmap behaves as if the source were read
// first. Between formats the source is converted first:
//   1 bit and 8 bit to 24 bit through the source palette (1 bit: entry 0 black,
//   entry 1 white unless changed); 24 bit and 8 bit to 1 bit: 1 where the colour
//   equals `background`, 0 elsewhere; to 8 bit: the nearest palette entry.
void BitBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
            RasterOp op = RasterOp::SrcCopy, Colour background = kWhite);
// The same, drawing only inside `clip` (destination coordinates).
void BitBlt(Bitmap& dst, const Rect& clip, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
            RasterOp op = RasterOp::SrcCopy, Colour background = kWhite);

// Copies the sw × sh block at (sx, sy) of src into the w × h block at (x, y) of dst,
// each destination pixel taking the source pixel under its centre (nearest neighbour,
// no blending, as the colour-on-colour stretch mode). Sizes below 1 copy nothing.
void StretchBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh,
                RasterOp op = RasterOp::SrcCopy, Colour background = kWhite);
void StretchBlt(Bitmap& dst, const Rect& clip, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
                int sw, int sh, RasterOp op = RasterOp::SrcCopy, Colour background = kWhite);

}  // namespace quill
