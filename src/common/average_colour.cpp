#include "common/average_colour.h"

#include <algorithm>

namespace quill {

namespace {
constexpr int kSampleStep = 10;
}

Colour AverageColor(const Bitmap* picture, bool invert, int32_t rows) {
  if (!picture || picture->Empty()) return kBlack;
  const int32_t height = rows > 0 ? std::min(rows, picture->Height()) : picture->Height();
  int64_t red = 0, green = 0, blue = 0, samples = 0;
  for (int32_t y = 0; y < height; y += kSampleStep) {
    for (int32_t x = 0; x < picture->Width(); x += kSampleStep) {
      const auto colour = static_cast<Colour>(picture->PixelAt(x, y));
      red += RedOf(colour);
      green += GreenOf(colour);
      blue += BlueOf(colour);
      ++samples;
    }
  }
  const Colour average = MakeColour(static_cast<uint8_t>(red / samples), static_cast<uint8_t>(green / samples),
                                    static_cast<uint8_t>(blue / samples));
  return invert ? kWhite - average : average;
}

Colour MatchingColour(const Bitmap* picture) { return AverageColor(picture, false); }
Colour ContrastingColour(const Bitmap* picture) { return AverageColor(picture, true); }

}  // namespace quill
