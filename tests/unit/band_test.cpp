// The rubber band: drawn by inverting its outline, erased by drawing it again, so a
// drag or a zoom leaves the canvas exactly as it found it; the zoom's twenty frames
// move each edge linearly and end on the target.
#include "pieces/band.h"

#include <gtest/gtest.h>

#include <vector>

#include "raster/bitmap.h"
#include "raster/canvas.h"

namespace quill {
namespace {

// A picture where neighbouring pixels differ, so any stray change shows.
Bitmap Patterned(int width, int height) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(x, y, MakeColour(static_cast<uint8_t>(x * 37 + y * 11), static_cast<uint8_t>(x * y),
                                       static_cast<uint8_t>(200 - 3 * y)));
  return bitmap;
}

bool OnOutline(const Rect& r, int x, int y) {
  return r.Contains(x, y) && (x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1);
}

// The bitmap shows `original` with exactly the outline of `band` inverted.
void ExpectBandShown(const Bitmap& shown, const Bitmap& original, const Rect& band) {
  for (int y = 0; y < original.Height(); ++y)
    for (int x = 0; x < original.Width(); ++x) {
      const uint32_t expected = OnOutline(band, x, y) ? (~original.ValueAt(x, y) & 0xFFFFFF) : original.ValueAt(x, y);
      ASSERT_EQ(shown.ValueAt(x, y), expected) << "pixel " << x << "," << y << " of band " << band.Left << ","
                                               << band.Top << "," << band.Right << "," << band.Bottom;
    }
}

TEST(Band, DragShowsOneBandAndFinishRestoresTheCanvas) {
  const Bitmap original = Patterned(24, 20);
  Bitmap bitmap = original;
  Canvas canvas(bitmap);
  canvas.Pen() = Pen{MakeColour(255, 0, 0), 3, PenMode::Copy};
  canvas.Brush() = Brush{MakeColour(0, 0, 255), BrushStyle::Solid};
  std::vector<Rect> repainted;
  TBand band([](int) {});
  band.SetRepaint([&](const Rect& area) { repainted.push_back(area); });

  band.Start(canvas, 15, 12);
  ExpectBandShown(bitmap, original, {});
  band.DragTo(4, 3);  // up and to the left of the start
  ExpectBandShown(bitmap, original, {4, 3, 15, 12});
  band.DragTo(20, 18);
  ExpectBandShown(bitmap, original, {15, 12, 20, 18});
  band.SetRect({2, 2, 10, 6});
  ExpectBandShown(bitmap, original, {2, 2, 10, 6});
  EXPECT_EQ(band.Current(), (Rect{2, 2, 10, 6}));
  band.DragTo(1, 1);
  EXPECT_EQ(band.Current(), (Rect{1, 1, 2, 2}));

  EXPECT_EQ(band.Finish(), (Rect{1, 1, 2, 2}));
  ExpectBandShown(bitmap, original, {});
  // The caller's pen and brush come back, the pen in copy mode.
  EXPECT_EQ(canvas.Pen().Color, MakeColour(255, 0, 0));
  EXPECT_EQ(canvas.Pen().Width, 3);
  EXPECT_EQ(canvas.Pen().Mode, PenMode::Copy);
  EXPECT_EQ(canvas.Brush().Style, BrushStyle::Solid);
  // Every step told the repaint hook the area it touched: old and new band together.
  EXPECT_EQ(repainted, (std::vector<Rect>{
                           {4, 3, 15, 12}, {4, 3, 20, 18}, {2, 2, 20, 18}, {1, 1, 10, 6}, {1, 1, 2, 2}}));
}

TEST(Band, FinishNormalisesAnUpwardDrag) {
  Bitmap bitmap(10, 10);
  Canvas canvas(bitmap);
  TBand band([](int) {});
  band.Start(canvas, 8, 7);
  band.DragTo(3, 2);
  EXPECT_EQ(band.Current(), (Rect{3, 2, 8, 7}));
  EXPECT_EQ(band.Finish(), (Rect{3, 2, 8, 7}));
  // A second Finish draws nothing and gives the same rectangle.
  EXPECT_EQ(band.Finish(), (Rect{3, 2, 8, 7}));
  EXPECT_EQ(bitmap.ValueAt(3, 2), 0u);
}

TEST(Band, ZoomMovesEachEdgeLinearlyInTwentyFrames) {
  const Bitmap original = Patterned(64, 56);
  Bitmap bitmap = original;
  Canvas canvas(bitmap);
  std::vector<Rect> frames;
  TBand band;
  band.SetWait([&](int milliseconds) {
    EXPECT_EQ(milliseconds, 10);
    frames.push_back(band.Current());
    ExpectBandShown(bitmap, original, frames.back());
  });

  const Rect from{0, 0, 10, 10}, to{20, 40, 60, 50};
  band.Zoom(canvas, from, to);

  ASSERT_EQ(frames.size(), 20u);
  // Left moves 1 per frame, top 2, right 2.5 (rounded to even: 12, 15, 18), bottom 2.
  EXPECT_EQ(frames[0], (Rect{1, 2, 12, 12}));
  EXPECT_EQ(frames[1], (Rect{2, 4, 15, 14}));
  EXPECT_EQ(frames[2], (Rect{3, 6, 18, 16}));
  EXPECT_EQ(frames[9], (Rect{10, 20, 35, 30}));
  EXPECT_EQ(frames[19], to);
  ExpectBandShown(bitmap, original, {});
  EXPECT_EQ(canvas.Pen().Mode, PenMode::Copy);
}

TEST(Band, ZoomToASmallerRectangle) {
  Bitmap bitmap = Patterned(40, 40);
  const Bitmap original = bitmap;
  Canvas canvas(bitmap);
  std::vector<Rect> frames;
  TBand band;
  band.SetWait([&](int) { frames.push_back(band.Current()); });
  band.Zoom(canvas, {0, 0, 40, 40}, {30, 30, 33, 31});
  ASSERT_EQ(frames.size(), 20u);
  // Left and top gain 1.5 per frame, right loses 0.35 and bottom 0.45.
  EXPECT_EQ(frames[0], (Rect{2, 2, 40, 40}));
  EXPECT_EQ(frames[1], (Rect{3, 3, 39, 39}));
  EXPECT_EQ(frames[19], (Rect{30, 30, 33, 31}));
  ExpectBandShown(bitmap, original, {});
}

}  // namespace
}  // namespace quill
