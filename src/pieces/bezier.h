// Straight lines and Bezier curves of piece outlines, sent to one of three outputs:
// a byte raster (the piece cutting's supersampled scratch raster), a canvas (the
// shape preview of the size dialog) or a side point list (the lattice's outlines).
// Curves are sampled at a fixed number of steps from a table of Bernstein values.
#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "pieces/side_points.h"
#include "raster/rect.h"

namespace quill {

class Canvas;

// A real coordinate rounded to the nearest integer, ties to even; values beyond
// ±2·10^9 (and NaN) are pinned so that no conversion overflows.
int RoundCoordinate(double v);

class TBezier {
 public:
  enum Mode : int { kRasterMode = 0, kCanvasMode = 1, kPointListMode = 2 };
  static constexpr int kMaxSteps = 20;
  static constexpr int kMaxDegree = 4;

  // Stores the outputs, takes `size` as the raster's stride, and samples curves at
  // clamp((size div divisor) div 2, 1, 20) steps. The canvas is used by canvas mode,
  // the raster by raster mode; either may be absent when its mode is not used.
  void Setup(int mode, int size, Canvas* canvas, std::span<uint8_t> raster, int divisor);
  void SetMode(int mode) { mode_ = mode; }
  void SetPen(uint8_t value) { pen_ = value; }
  // Point-list mode appends to `list`, which is emptied here.
  void SetPointList(SidePoints& list);

  int Mode() const { return mode_; }
  int Steps() const { return steps_; }
  int Stride() const { return stride_; }
  std::span<uint8_t> Raster() const { return raster_; }

  // A straight line from (x0, y0) to (x1, y1). Point-list mode appends the start only
  // to an empty list, so joined lines give each corner once.
  void Line(int x0, int y0, int x1, int y1);
  // A Bezier curve through 2..5 control points (degree 1..4), sampled at steps + 1
  // points with coordinates rounded to the nearest integer (ties to even). In
  // point-list mode every sample is appended, the first one too.
  void Curve(std::span<const Point> controls);

  // Raster mode: a band of parallel lines about `width` pixels thick beside the line
  // from start to end, writing `value` only over bytes that are already non-zero, so
  // the band never leaves the shape drawn before it. The band grows along the minor
  // axis in the direction the line travels on it (a line running right grows
  // downwards, one running down grows rightwards; a horizontal line running left
  // grows upwards, a vertical one running up grows leftwards), so swapping start and
  // end puts it on the other side. Bytes beyond stride × stride from the raster base
  // are left alone. The piece cutting draws the bevels of piece outlines with it.
  void ThickLine(Point start, Point end, uint8_t value, int width);

  // The Bernstein value B(j, degree) at t = k ÷ steps.
  double Coefficient(int j, int degree, int k) const { return coefficients_[j][degree][k]; }

 private:
  void FillCoefficients();
  void Append(int x, int y);
  // Bresenham from the current point to (x, y), both ends written with the pen;
  // bytes outside the raster are skipped. (x, y) becomes the current point.
  void RasterLineTo(int x, int y);
  void Plot(int x, int y);

  int mode_ = kPointListMode;
  Canvas* canvas_ = nullptr;
  std::span<uint8_t> raster_;
  SidePoints* list_ = nullptr;
  int stride_ = 0;
  Point current_;
  int steps_ = 1;
  uint8_t pen_ = 0;
  std::array<std::array<std::array<double, kMaxSteps + 1>, kMaxDegree + 1>, kMaxDegree + 1> coefficients_{};
};

}  // namespace quill
