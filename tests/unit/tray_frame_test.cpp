// Tray frames and buttons: where each band, bevel and gradient line lands for a
// 60 × 60 tray with bevel 2, border 4 and a 16-pixel title, worked out by hand from
// the drawing steps; the button faces pixel by pixel.
#include "common/tray_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/util.h"
#include "raster_pictures.h"

namespace quill {
namespace {

using test::ColourOf;
using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;

const FrameColours kColours{MakeColour(10, 20, 30), kWhite, MakeColour(128, 128, 128), MakeColour(192, 192, 192),
                            MakeColour(0, 0, 128)};
const Colour kTray = MakeColour(200, 100, 50);
const Colour kOutside = MakeColour(1, 2, 3);

// The tray is drawn at (5, 5) of a larger bitmap; At() reads relative to the tray.
class TrayFrameTest : public ::testing::Test {
 protected:
  void Draw(bool gradient, bool lowColour = false) {
    Canvas canvas(bitmap_);
    canvas.Brush().Color = kOutside;
    canvas.FillRect(bitmap_.Bounds());
    DrawTrayFrame(canvas, 5, 5, 60, 60, 2, 4, 16, kTray, gradient, kColours, lowColour);
  }
  int64_t At(int x, int y) const { return bitmap_.PixelAt(x + 5, y + 5); }

  Bitmap bitmap_{70, 70};
};

TEST_F(TrayFrameTest, BandsAndBevels) {
  Draw(false);
  struct Case {
    const char* what;
    int x, y;
    Colour colour;
  };
  const Case cases[] = {
      {"outside left", -1, 30, kOutside},          {"outside below", 30, 60, kOutside},
      {"outside right", 60, 30, kOutside},         {"outer top-left corner", 0, 0, kColours.Highlight},
      {"outer left edge", 1, 30, kColours.Highlight}, {"outer top edge", 30, 1, kColours.Highlight},
      {"outer bottom-left", 0, 59, kColours.Highlight}, {"outer top-right", 59, 0, kColours.Highlight},
      {"outer bottom edge", 30, 58, kColours.Shadow}, {"outer right edge", 58, 30, kColours.Shadow},
      {"outer bottom-right", 59, 59, kColours.Shadow}, {"band left", 3, 30, kColours.Skin},
      {"band right", 55, 30, kColours.Skin},       {"band bottom", 30, 55, kColours.Skin},
      {"title band", 30, 10, kColours.Skin},        {"title band bottom row", 30, 21, kColours.Skin},
      {"inner top edge", 30, 22, kColours.Shadow},  {"inner left edge", 6, 30, kColours.Shadow},
      {"inner right edge", 53, 30, kColours.Highlight}, {"inner bottom edge", 30, 52, kColours.Highlight},
      {"inner top-right corner", 53, 23, kColours.Shadow},
  };
  for (const Case& c : cases) EXPECT_EQ(At(c.x, c.y), c.colour) << c.what;
}

TEST_F(TrayFrameTest, WithoutGradientTheBodyIsPlain) {
  Draw(false);
  for (int y = 24; y < 52; ++y)
    for (int x = 8; x < 52; ++x) ASSERT_EQ(At(x, y), kTray) << x << ", " << y;
}

TEST_F(TrayFrameTest, GradientLinesDarkenTowardsTheBottom) {
  Draw(true);
  // 20 lines (60 − 16 − 16 − 8) on rows 28..47, columns 10..49; line k has
  // (60 − k div 4) / 60 of each channel.
  EXPECT_EQ(At(20, 27), kTray);
  EXPECT_EQ(At(20, 28), kTray);                       // k = 0
  EXPECT_EQ(At(10, 40), MakeColour(190, 95, 47));    // k = 12: × 57 / 60
  EXPECT_EQ(At(49, 47), MakeColour(186, 93, 46));    // k = 19: × 56 / 60
  EXPECT_EQ(At(20, 48), kTray);
  EXPECT_EQ(At(9, 40), kTray);                        // the line's first point is column 10
  EXPECT_EQ(At(50, 40), kTray);                       // its last point is left out
}

TEST_F(TrayFrameTest, LowColourGradientIsDitheredFromAFreshStart) {
  Draw(true, true);
  const std::vector<std::string> first = Text(bitmap_);
  for (int x = 10; x < 50; ++x) {
    const auto c = static_cast<Colour>(At(x, 40));
    EXPECT_EQ(RedOf(c) % 8, 0);
    EXPECT_EQ(BlueOf(c) % 8, 0);
  }
  DitherColor(MakeColour(124, 124, 124));  // leaves errors behind
  Draw(true, true);
  EXPECT_EQ(Text(bitmap_), first);
}

TEST_F(TrayFrameTest, PenAndBrushAreLeftAsTheyWere) {
  Canvas canvas(bitmap_);
  canvas.Pen() = {ColourOf('G'), 3, PenMode::NotXor};
  canvas.Brush() = {ColourOf('Y'), BrushStyle::Clear};
  DrawTrayFrame(canvas, 0, 0, 60, 60, 2, 4, 16, kTray, true, kColours, false);
  DrawMinimiseButton(canvas, 0, 0, false, 16, 16, kColours);
  EXPECT_EQ(canvas.Pen().Color, ColourOf('G'));
  EXPECT_EQ(canvas.Pen().Width, 3);
  EXPECT_EQ(canvas.Pen().Mode, PenMode::NotXor);
  EXPECT_EQ(canvas.Brush().Color, ColourOf('Y'));
  EXPECT_EQ(canvas.Brush().Style, BrushStyle::Clear);
}

TEST(TrayButton, FaceIsOnePixelSmallerWithAThreeDimensionalEdge) {
  const FrameColours colours{ColourOf('C'), ColourOf('W'), ColourOf('g'), ColourOf('Y'), ColourOf('B')};
  const Rows blank(6, "MMMMMM");
  struct Case {
    bool pressed;
    Rows expected;
  };
  const Case cases[] = {
      {false, {"WWWW.M", "WYYg.M", "WYYg.M", "Wggg.M", ".....M", "MMMMMM"}},
      {true, {"....WM", ".YYWWM", ".YYWWM", ".WWWWM", "WWWWWM", "MMMMMM"}},
  };
  for (const Case& c : cases) {
    Bitmap bitmap = Picture(blank);
    Canvas canvas(bitmap);
    DrawButtonFace(canvas, 0, 0, c.pressed, 6, 6, colours);
    EXPECT_EQ(Text(bitmap), c.expected) << (c.pressed ? "pressed" : "raised");
  }
}

TEST(TrayButton, MinimiseGlyphIsABarAThirdAboveTheBottom) {
  Bitmap bitmap(20, 20);
  Canvas canvas(bitmap);
  DrawMinimiseButton(canvas, 2, 1, false, 16, 16, kColours);
  // Columns 16 ÷ 3 = 5 to 16 − 5 = 11 (exclusive), rows 16 − 5 − 1 and 16 − 5.
  for (const auto& [x, y] : {std::pair{5, 10}, {10, 10}, {5, 11}, {10, 11}})
    EXPECT_EQ(bitmap.PixelAt(x + 2, y + 1), kColours.ButtonText) << x << ", " << y;
  for (const auto& [x, y] : {std::pair{4, 10}, {11, 11}, {5, 9}, {5, 12}})
    EXPECT_EQ(bitmap.PixelAt(x + 2, y + 1), kColours.ButtonFace) << x << ", " << y;
}

}  // namespace
}  // namespace quill
