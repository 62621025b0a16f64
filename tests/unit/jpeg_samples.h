// JPEG pictures made by tests: a picture of one colour, the demo scene as a JPEG, and
// a frame header whose declared size is changed after encoding, so a picture can
// claim any size.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "demo_scene.h"
#include "jpeg_writer.h"
#include "raster/bitmap.h"

namespace quill::testing {

inline Bitmap SolidPicture(int width, int height, Colour colour) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, colour);
  return picture;
}

// The demo scene drawn with `seed` at width × height, written as a JPEG of `quality`.
inline std::vector<uint8_t> SceneJpeg(int width, int height, uint32_t seed, int quality) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  PaintDemoScene(picture, seed);
  std::vector<uint8_t> jpeg;
  WriteJpeg(picture, quality, jpeg);
  return jpeg;
}

// Rewrites the height and width of the first frame header (SOF0..SOF2).
inline std::vector<uint8_t> WithDeclaredSize(std::vector<uint8_t> jpeg, uint16_t width, uint16_t height) {
  for (size_t i = 2; i + 9 < jpeg.size();) {
    if (jpeg[i] != 0xFF) throw std::invalid_argument("not a JPEG segment");
    const uint8_t marker = jpeg[i + 1];
    if (marker >= 0xC0 && marker <= 0xC2) {
      jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<uint8_t>(height);
      jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<uint8_t>(width);
      return jpeg;
    }
    i += 2 + ((jpeg[i + 2] << 8) | jpeg[i + 3]);
  }
  throw std::invalid_argument("no frame header");
}

}  // namespace quill::testing
