// Small 8-bit images stored as run-length rows that skip transparent pixels: the
// bevel shading, edge coverage and wood edge of every piece. One TSprite draws them
// all onto 24-bit bitmaps in four modes. The piece collection owns the one sprite;
// each piece owns its blocks.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

enum class SpriteMode : uint8_t {
  Palette = 0,     // target = palette entry of the pixel byte
  Brightness = 1,  // each channel += (v & 63) * 2 - 64, clamped
  Edge = 2,        // blend the piece pixel with the background by coverage
  Save = 3,        // the background receives the target pixel
};

// One encoded sprite: row records of 32-bit headers and runs.
using SpriteBlock = std::vector<uint8_t>;

// Edge sprite pixels: the low six bits hold the coverage of the pixel by its piece,
// in sixteenths. Below half coverage the pixel shows what lies beneath more than the
// piece (and all of it when not smoothed).
constexpr uint8_t kCoverageBits = 63;
constexpr int kHalfCoverage = 8;

// The byte of the sprite pixel (x, y) of `block`; the transparent value 0 for a
// transparent pixel or one outside the sprite.
uint8_t SpritePixel(std::span<const uint8_t> block, int x, int y);

// Calls run(row, from, count) for each opaque run of `block`, a sprite `width` pixels
// wide, within its first `height` rows.
void ForEachOpaqueRun(std::span<const uint8_t> block, int width, int height,
                      const std::function<void(int row, int from, int count)>& run);
// The same for the runs within `area` (sprite coordinates), cut to it; rows and
// columns are sprite coordinates too.
void ForEachOpaqueRunIn(std::span<const uint8_t> block, const Rect& area,
                        const std::function<void(int row, int from, int count)>& run);

class TSprite {
 public:
  explicit TSprite(uint8_t transparent = 0);

  // Loads palette entries 0..254; entry 255 stays black.
  void SetPalette(const std::array<Colour, 256>& palette);
  void SetSmooth(bool smooth) { smooth_ = smooth; }
  bool Smooth() const { return smooth_; }
  // Capture mode of the edge drawing: edge pixels next to a zero in the capture mask
  // write their coverage into the capture output instead of the target.
  void SetCapture(bool on, const uint8_t* maskBase, int stride, uint8_t* outputBase);
  void CaptureOff() { capture_ = false; }
  bool Capturing() const { return capture_; }
  // Sides (bit d for side d) whose edge pixels are not blended.
  void SetHiddenSides(uint8_t sides) { hiddenSides_ = sides & 0x0F; }

  // Encodes width × height bytes from `source` (rows `sourceStride` apart) into
  // `block`, which ends up exactly as long as the encoding.
  void Encode(SpriteBlock& block, int width, const uint8_t* source, int sourceStride, int height) const;

  // Draws `block` (a sprite of width × height) with its top-left at (left, top) of
  // `target`, within `clip` (the whole target when null). `background` is read by
  // Edge mode and written by Save mode at the same sprite-relative position. An
  // empty block draws nothing, and so does a target less than 2 pixels high.
  void Draw(SpriteMode mode, std::span<const uint8_t> block, Bitmap* background, const Rect* clip, int height,
            int width, int top, int left, Bitmap& target) const;

 private:
  bool smooth_ = true;
  bool capture_ = false;
  const uint8_t* captureMask_ = nullptr;
  uint8_t* captureOutput_ = nullptr;
  int captureStride_ = 0;
  uint8_t transparent_ = 0;
  std::array<Colour, 256> palette_{};
  uint8_t hiddenSides_ = 0;
};

}  // namespace quill
