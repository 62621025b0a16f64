// Decoding JPEG pictures from memory into 24-bit bitmaps with libjpeg-turbo.
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

}  // namespace quill
