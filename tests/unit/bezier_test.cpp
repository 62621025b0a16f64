#include <gtest/gtest.h>

#include <vector>

#include "pieces/bezier.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"

namespace quill {
namespace {

std::vector<SidePoint> Listed(const SidePoints& list) {
  return {list.Points.begin(), list.Points.begin() + list.Count};
}

TBezier PointListBezier(int size, int divisor, SidePoints& list) {
  TBezier bezier;
  bezier.Setup(TBezier::kPointListMode, size, nullptr, {}, divisor);
  bezier.SetPointList(list);
  return bezier;
}

TEST(BezierTest, StepsFollowSizeAndDivisor) {
  struct Case {
    int size, divisor, steps;
  } cases[] = {{24, 3, 4}, {1, 1, 1}, {6, 1, 3}, {119, 3, 19}, {120, 3, 20}, {3000, 3, 20}};
  for (const Case& c : cases) {
    TBezier bezier;
    bezier.Setup(TBezier::kPointListMode, c.size, nullptr, {}, c.divisor);
    EXPECT_EQ(bezier.Steps(), c.steps) << c.size << " / " << c.divisor;
    EXPECT_EQ(bezier.Stride(), c.size);
  }
}

TEST(BezierTest, CoefficientsAreBernsteinValues) {
  TBezier bezier;
  bezier.Setup(TBezier::kPointListMode, 24, nullptr, {}, 3);  // 4 steps
  struct Case {
    int j, degree, k;
    double value;
  } cases[] = {
      {0, 2, 1, 0.5625}, {1, 2, 1, 0.375},    {2, 2, 1, 0.0625}, {1, 2, 2, 0.5},
      {0, 3, 2, 0.125},  {1, 3, 2, 0.375},    {3, 3, 4, 1.0},    {1, 3, 1, 27.0 / 64},
      {2, 4, 2, 0.375},  {0, 1, 3, 0.25},     {4, 4, 0, 0.0},    {0, 4, 0, 1.0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(bezier.Coefficient(c.j, c.degree, c.k), c.value) << c.j << " " << c.degree << " " << c.k;
}

TEST(BezierTest, QuadraticFromBernsteinValues) {
  // At t = 1/4, 1/2, 3/4 the weights are (9, 6, 1)/16, (4, 8, 4)/16, (1, 6, 9)/16.
  struct Case {
    std::vector<Point> controls;
    std::vector<SidePoint> expected;
  } cases[] = {
      // x = 16t, y = 32t(1 − t)
      {{{0, 0}, {8, 16}, {16, 0}}, {{0, 0}, {4, 6}, {8, 8}, {12, 6}, {16, 0}}},
      // x = 2t gives 0.5 and 1.5 at the odd steps: ties go to the even neighbour.
      {{{0, 0}, {1, 0}, {2, 0}}, {{0, 0}, {0, 0}, {1, 0}, {2, 0}, {2, 0}}},
      // (10·9 + 20·6 + 50·1)/16 = 16.25; (10·4 + 20·8 + 50·4)/16 = 25; (10 + 120 + 450)/16 = 36.25
      {{{10, -10}, {20, -20}, {50, -50}}, {{10, -10}, {16, -16}, {25, -25}, {36, -36}, {50, -50}}},
  };
  for (const Case& c : cases) {
    SidePoints list;
    TBezier bezier = PointListBezier(24, 3, list);
    bezier.Curve(c.controls);
    EXPECT_EQ(Listed(list), c.expected);
  }
}

TEST(BezierTest, PointListJoinsLinesAndCurvesAndStopsWhenFull) {
  SidePoints list;
  TBezier bezier = PointListBezier(24, 3, list);
  bezier.Line(0, 0, 5, 5);
  bezier.Line(5, 5, 9, 1);
  const std::vector<Point> controls = {{9, 1}, {10, 2}, {11, 1}, {13, 0}};
  bezier.Curve(controls);  // every sample, the first one again too
  EXPECT_EQ(list.Count, 2 + 1 + 5);
  EXPECT_EQ(list.Points[2], (SidePoint{9, 1}));
  EXPECT_EQ(list.Points[3], (SidePoint{9, 1}));
  EXPECT_EQ(list.Points[7], (SidePoint{13, 0}));

  for (int i = 0; i < 100; ++i) bezier.Line(i, 0, i + 1, 0);
  EXPECT_EQ(list.Count, kMaxSidePoints);
  EXPECT_EQ(list.Points[kMaxSidePoints - 1], (SidePoint{73, 0}));

  bezier.SetPointList(list);
  EXPECT_EQ(list.Count, 0);
}

TEST(BezierTest, RasterLinesWriteThePenFromEndToEnd) {
  std::vector<uint8_t> raster(6 * 4, 0);
  TBezier bezier;
  bezier.Setup(TBezier::kRasterMode, 6, nullptr, raster, 3);
  bezier.SetPen(32);
  bezier.Line(0, 0, 4, 2);
  bezier.Line(5, 3, 5, 3);
  bezier.Line(-3, 3, 2, 3);   // starts left of the raster
  bezier.Line(4, 3, 4, 9);    // runs below it
  const std::vector<uint8_t> expected = {
      32, 0,  0,  0,  0,  0,   //
      0,  32, 32, 0,  0,  0,   //
      0,  0,  0,  32, 32, 0,   //
      32, 32, 32, 0,  32, 32,  //
  };
  EXPECT_EQ(raster, expected);
}

TEST(BezierTest, CanvasModeMovesThenDrawsLines) {
  Bitmap bitmap(12, 4);
  bitmap.Fill(0xFF);
  Canvas canvas(bitmap);
  canvas.Pen().Color = kBlack;
  TBezier bezier;
  bezier.Setup(TBezier::kCanvasMode, 8, &canvas, {}, 1);  // 4 steps
  bezier.Line(0, 0, 3, 0);
  const std::vector<Point> controls = {{0, 2}, {4, 2}, {8, 2}};
  bezier.Curve(controls);
  for (int x = 0; x < 12; ++x) {
    EXPECT_EQ(bitmap.PixelAt(x, 0), x < 3 ? kBlack : kWhite) << x;  // the last point is left out
    EXPECT_EQ(bitmap.PixelAt(x, 2), x < 8 ? kBlack : kWhite) << x;
    EXPECT_EQ(bitmap.PixelAt(x, 1), kWhite) << x;
  }
}

}  // namespace
}  // namespace quill
