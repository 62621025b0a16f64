// Raw pixel values inside a bitmap row: the colour 0x00BBGGRR for 24 bit, the palette
// index for 8 bit, the bit for 1 bit. Shared by the bitmap, the block copies and the
// canvas, so every routine reads and writes pixels the same way.
#pragma once
#include <cstdint>

#include "raster/bitmap.h"

namespace quill::pixels {

// The bits a pixel value of the format can hold.
constexpr uint32_t ValueMask(PixelFormat format) {
  switch (format) {
    case PixelFormat::Mono1: return 1;
    case PixelFormat::Pal8: return 0xFF;
    case PixelFormat::Rgb24: return 0xFFFFFF;
  }
  return 0xFFFFFF;
}

inline uint32_t Read(const uint8_t* row, PixelFormat format, int x) {
  switch (format) {
    case PixelFormat::Rgb24: {
      const uint8_t* p = row + 3 * x;
      return MakeColour(p[2], p[1], p[0]);
    }
    case PixelFormat::Pal8: return row[x];
    case PixelFormat::Mono1: return (row[x >> 3] >> (7 - (x & 7))) & 1u;
  }
  return 0;
}

inline void Write(uint8_t* row, PixelFormat format, int x, uint32_t value) {
  switch (format) {
    case PixelFormat::Rgb24: {
      uint8_t* p = row + 3 * x;
      p[0] = BlueOf(value);
      p[1] = GreenOf(value);
      p[2] = RedOf(value);
      break;
    }
    case PixelFormat::Pal8: row[x] = static_cast<uint8_t>(value); break;
    case PixelFormat::Mono1: {
      const auto bit = static_cast<uint8_t>(0x80 >> (x & 7));
      if (value & 1) row[x >> 3] |= bit; else row[x >> 3] &= static_cast<uint8_t>(~bit);
      break;
    }
  }
}

}  // namespace quill::pixels
