// Decoding JPEG pictures from memory with libjpeg-turbo: into 24-bit bitmaps (the
// puzzle picture, the skin) or, through libjpeg's own colour quantiser, into 8-bit
// bitmaps with a palette (the wood texture).
#pragma once
#include <cstddef>
#include <cstdint>

#include "raster/bitmap.h"

namespace quill {

// Largest picture accepted, in pixels; a gift that claims more is refused before any
// memory is taken for it.
constexpr int64_t kMaxJpegPixels = int64_t{100} * 1000 * 1000;
constexpr int kMaxJpegSide = 32767;

// The bitmap takes the picture's size and colours (grey pictures become grey RGB).
// Raises UserError with the decoder's message when the data is not a usable JPEG.
void DecodeJpeg(const uint8_t* data, size_t size, Bitmap& target);

// The same into an 8-bit bitmap whose palette holds `colours` (2..256) colours chosen
// for the picture by libjpeg's two-pass quantiser, pixels dithered onto them
// (Floyd–Steinberg); palette entries beyond the colours used stay black.
void DecodeJpegPalette(const uint8_t* data, size_t size, int colours, Bitmap& target);

}  // namespace quill
