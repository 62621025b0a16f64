#include "raster/bitmap.h"

#include <algorithm>
#include <stdexcept>

#include "raster/pixel_access.h"

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
  pixels_.AssignZeros(static_cast<size_t>(total));
}

void Bitmap::Fill(uint8_t byte) { std::fill(pixels_.begin(), pixels_.end(), byte); }

bool Bitmap::Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

int64_t Bitmap::PixelAt(int x, int y) const {
  if (!Inside(x, y)) return -1;
  const uint32_t value = ValueAt(x, y);
  return format_ == PixelFormat::Rgb24 ? value : palette_[value];
}

uint32_t Bitmap::ValueAt(int x, int y) const {
  return Inside(x, y) ? pixels::Read(ScanLine(y), format_, x) : 0;
}

void Bitmap::SetPixel(int x, int y, uint32_t value) {
  if (Inside(x, y)) pixels::Write(ScanLine(y), format_, x, value);
}

uint32_t Bitmap::ValueOf(Colour c) const {
  if (format_ == PixelFormat::Rgb24) return c & 0xFFFFFF;
  const auto distance = [c](Colour p) {
    const int dr = RedOf(p) - RedOf(c), dg = GreenOf(p) - GreenOf(c), db = BlueOf(p) - BlueOf(c);
    return dr * dr + dg * dg + db * db;
  };
  const uint32_t entries = format_ == PixelFormat::Mono1 ? 2 : 256;
  uint32_t best = 0;
  for (uint32_t i = 1; i < entries; ++i)
    if (distance(palette_[i]) < distance(palette_[best])) best = i;
  return best;
}

}  // namespace quill
