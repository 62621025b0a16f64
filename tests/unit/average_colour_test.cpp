// The average colour of a picture and the matching and contrasting board colours.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/average_colour.h"

namespace quill {
namespace {

Bitmap Plain(int width, int height, Colour colour) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, colour);
  return picture;
}

// 21 × 11 of pure green, except the six sampled pixels (0, 10, 20) × (0, 10). Their
// red values sum to 211 and their blue values to 605, so the averages are 35 and
// 100 after rounding down; green shows whether any other pixel was read.
Bitmap SampleGrid() {
  Bitmap picture = Plain(21, 11, MakeColour(0, 255, 0));
  const std::vector<std::pair<Point, Colour>> samples{
      {{0, 0}, MakeColour(10, 0, 100)},  {{10, 0}, MakeColour(20, 0, 100)},  {{20, 0}, MakeColour(30, 0, 100)},
      {{0, 10}, MakeColour(40, 0, 100)}, {{10, 10}, MakeColour(50, 0, 100)}, {{20, 10}, MakeColour(61, 0, 105)},
  };
  for (const auto& [at, colour] : samples) picture.SetPixel(at.X, at.Y, colour);
  return picture;
}

struct AverageCase {
  std::string name;
  bool invert;
  int rows;
  Colour expected;
};

TEST(AverageColour, SamplesEveryTenthPixelFromTheTopLeft) {
  const Bitmap picture = SampleGrid();
  const std::vector<AverageCase> cases{
      {"all rows", false, 0, MakeColour(35, 0, 100)},
      {"a row count beyond the picture means all rows", false, 500, MakeColour(35, 0, 100)},
      {"the first five rows hold only the top samples", false, 5, MakeColour(20, 0, 100)},
      {"eleven rows reach the second sample row", false, 11, MakeColour(35, 0, 100)},
      {"inverted", true, 0, MakeColour(220, 255, 155)},
  };
  for (const auto& c : cases) EXPECT_EQ(AverageColor(&picture, c.invert, c.rows), c.expected) << c.name;
}

TEST(AverageColour, MissingOrEmptyPictureIsBlackEvenInverted) {
  const Bitmap empty(0, 7);
  for (const bool invert : {false, true}) {
    EXPECT_EQ(AverageColor(nullptr, invert), kBlack) << invert;
    EXPECT_EQ(AverageColor(&empty, invert), kBlack) << invert;
  }
}

TEST(AverageColour, PalettePicturesAreReadThroughThePalette) {
  Bitmap picture(1, 1, PixelFormat::Pal8);
  picture.Palette()[3] = MakeColour(1, 2, 3);
  picture.SetPixel(0, 0, 3);
  EXPECT_EQ(AverageColor(&picture, false), MakeColour(1, 2, 3));
}

TEST(AverageColour, MatchingAndContrastingColours) {
  const Bitmap white = Plain(30, 30, kWhite);
  const Bitmap teal = Plain(15, 15, MakeColour(0, 128, 128));
  EXPECT_EQ(MatchingColour(&white), kWhite);
  EXPECT_EQ(ContrastingColour(&white), kBlack);
  EXPECT_EQ(MatchingColour(&teal), MakeColour(0, 128, 128));
  EXPECT_EQ(ContrastingColour(&teal), MakeColour(255, 127, 127));
}

}  // namespace
}  // namespace quill
