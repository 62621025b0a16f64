#include "raster/bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace quill {

int BitsPerPixel(PixelFormat format) {
  switch (format) {
    case PixelFormat::Mono1: return 1;
    case PixelFormat::Pal8: return 8;
    case PixelFormat::Rgb24: return 24;
  }
  return 24;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
  palette_[1] = kWhite;
  SetSize(width, height);
}

void Bitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
  width_ = width;
  height_ = height;
  Allocate();
}

void Bitmap::SetFormat(PixelFormat format) {
  format_ = format;
  if (format == PixelFormat::Mono1) {
    palette_[0] = kBlack;
    palette_[1] = kWhite;
  }
  Allocate();
}

void Bitmap::Allocate() {
  const int64_t bits = static_cast<int64_t>(width_) * BitsPerPixel(format_);
  const int64_t stride = ((bits + 31) / 32) * 4;
  const int64_t total = stride * height_;
  if (total > (int64_t{1} << 34)) throw std::length_error("bitmap too large");
  stride_ = static_cast<int>(stride);
  pixels_.assign(static_cast<size_t>(total), 0);
}

void Bitmap::Fill(uint8_t byte) { std::fill(pixels_.begin(), pixels_.end(), byte); }

int64_t Bitmap::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  const uint8_t* row = ScanLine(y);
  switch (format_) {
    case PixelFormat::Rgb24: {
      const uint8_t* p = row + 3 * x;
      return MakeColour(p[2], p[1], p[0]);
    }
    case PixelFormat::Pal8: return palette_[row[x]];
    case PixelFormat::Mono1: return palette_[(row[x >> 3] >> (7 - (x & 7))) & 1];
  }
  return -1;
}

void Bitmap::SetPixel(int x, int y, uint32_t value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* row = ScanLine(y);
  switch (format_) {
    case PixelFormat::Rgb24: {
      uint8_t* p = row + 3 * x;
      p[0] = BlueOf(value);
      p[1] = GreenOf(value);
      p[2] = RedOf(value);
      break;
    }
    case PixelFormat::Pal8: row[x] = static_cast<uint8_t>(value); break;
    case PixelFormat::Mono1: {
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x & 7));
      if (value & 1) row[x >> 3] |= bit; else row[x >> 3] &= static_cast<uint8_t>(~bit);
      break;
    }
  }
}

}  // namespace quill
