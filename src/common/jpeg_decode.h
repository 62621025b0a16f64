// Decoding JPEG pictures from memory with libjpeg-turbo: into 24-bit bitmaps (the
// puzzle picture, the skin) or, through libjpeg's own colour quantiser, into 8-bit
// bitmaps with a palette (the wood texture). The size of a picture can be read from
// its frame header alone, so a picture too large to use is refused before any pixel
// is decoded.
#pragma once
#include <cstddef>
#include <cstdint>

#include "raster/bitmap.h"

namespace quill {

// Largest picture accepted, in pixels; a gift that claims more is refused before any
// memory is taken for it.
constexpr int64_t kMaxJpegPixels = int64_t{100} * 1000 * 1000;
constexpr int kMaxJpegSide = 32767;

struct JpegInfo {
  int32_t Width = 0;
  int32_t Height = 0;
  int Channels = 0;  // 1 grey, 3 colour (YCbCr or RGB), 4 CMYK or YCCK
  friend bool operator==(const JpegInfo&, const JpegInfo&) = default;
};

// The picture's width, height and channels from its frame header, without decoding
// it. Raises UserError when the data holds no readable JPEG header.
JpegInfo ReadJpegInfo(const uint8_t* data, size_t size);

// A picture whose data ends early or breaks off inside a segment still decodes:
// libjpeg fills the missing part with grey. The player shows such a picture
// (Lenient); the gift maker refuses it (Whole), since the gift would show a grey
// band the sender never saw.
enum class JpegCompleteness { Lenient, Whole };

// The bitmap takes the picture's size and colours (grey pictures become grey RGB;
// CMYK and YCCK pictures, as print work flows write them, become RGB, Adobe's
// inverted CMYK included). Raises UserError with the decoder's message when the data
// is not a usable JPEG.
void DecodeJpeg(const uint8_t* data, size_t size, Bitmap& target,
                JpegCompleteness completeness = JpegCompleteness::Lenient);

// The same into an 8-bit bitmap whose palette holds `colours` (2..256) colours chosen
// for the picture by libjpeg's two-pass quantiser, pixels dithered onto them
// (Floyd–Steinberg); palette entries beyond the colours used stay black.
void DecodeJpegPalette(const uint8_t* data, size_t size, int colours, Bitmap& target);

}  // namespace quill
