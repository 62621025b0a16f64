// Device-independent bitmaps: 24-bit colour (bytes blue, green, red), 8-bit with a
// 256-entry palette, and 1-bit masks (most significant bit first). Rows are stored
// top-down and padded to 32 bits, so a row can be handed to a toolkit image as is.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "raster/colour.h"
#include "raster/pixel_buffer.h"
#include "raster/rect.h"

namespace quill {

enum class PixelFormat : uint8_t { Mono1, Pal8, Rgb24 };

int BitsPerPixel(PixelFormat format);

class Bitmap {
 public:
  Bitmap() { palette_[1] = kWhite; }
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Rgb24);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  // Bytes from one row to the next: width × bits rounded up to whole 32-bit words.
  int Stride() const { return stride_; }

  // Changes the size; the new pixels are all zero (black, palette index 0, mask bit 0).
  void SetSize(int width, int height);
  // Changes the pixel format; the pixels become zero.
  void SetFormat(PixelFormat format);

  uint8_t* ScanLine(int y) { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* ScanLine(int y) const { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  uint8_t* Bits() { return pixels_.data(); }
  const uint8_t* Bits() const { return pixels_.data(); }

  // Palette of 8-bit bitmaps; 1-bit bitmaps use entries 0 and 1 (black and white
  // unless changed).
  std::array<Colour, 256>& Palette() { return palette_; }
  const std::array<Colour, 256>& Palette() const { return palette_; }

  // The colour at (x, y), through the palette for 8 and 1 bit; outside the bitmap -1
  // as GDI's pixel read gives CLR_INVALID.
  int64_t PixelAt(int x, int y) const;
  // Sets one pixel: a colour for 24 bit, a palette index for 8 bit, 0 or 1 for 1 bit.
  void SetPixel(int x, int y, uint32_t value);
  // The stored value at (x, y) in the same terms as SetPixel (no palette look-up);
  // 0 outside the bitmap.
  uint32_t ValueAt(int x, int y) const;
  // The pixel value that shows colour c: c itself for 24 bit, otherwise the nearest
  // palette entry (entries 0..1 for 1 bit, 0..255 for 8 bit; the first one on a tie).
  uint32_t ValueOf(Colour c) const;

  void Fill(uint8_t byte);

 private:
  void Allocate();
  bool Inside(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  PixelFormat format_ = PixelFormat::Rgb24;
  PixelBuffer pixels_;
  std::array<Colour, 256> palette_{};
};

}  // namespace quill
