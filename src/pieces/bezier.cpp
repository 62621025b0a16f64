#include "pieces/bezier.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "raster/canvas.h"

namespace quill {
namespace {

int Factorial(int n) {
  int f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

double IntegerPower(double base, int exponent) {
  double p = 1.0;
  for (int i = 0; i < exponent; ++i) p *= base;
  return p;
}

// Side lists hold 16-bit coordinates; anything beyond is pinned to the range.
int16_t ToCoordinate(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

}  // namespace

int RoundCoordinate(double v) {
  constexpr double kLimit = 2e9;
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(v, -kLimit, kLimit)));
}

void TBezier::Setup(int mode, int size, Canvas* canvas, std::span<uint8_t> raster, int divisor) {
  mode_ = mode;
  canvas_ = canvas;
  raster_ = raster;
  stride_ = size;
  steps_ = std::clamp(divisor != 0 ? size / divisor / 2 : 1, 1, kMaxSteps);
  FillCoefficients();
}

void TBezier::FillCoefficients() {
  for (int degree = 1; degree <= kMaxDegree; ++degree) {
    for (int j = 0; j <= degree; ++j) {
      const double binomial = Factorial(degree) / (Factorial(j) * Factorial(degree - j));
      for (int k = 0; k <= kMaxSteps; ++k) {
        const double t = static_cast<double>(k) / steps_;
        coefficients_[j][degree][k] = binomial * IntegerPower(t, j) * IntegerPower(1.0 - t, degree - j);
      }
    }
  }
}

void TBezier::SetPointList(SidePoints& list) {
  list_ = &list;
  list.Count = 0;
}

void TBezier::Append(int x, int y) {
  // A side list has room for kMaxSidePoints; further points are dropped.
  if (list_ == nullptr || list_->Count >= kMaxSidePoints) return;
  list_->Points[list_->Count++] = {ToCoordinate(x), ToCoordinate(y)};
}

void TBezier::Line(int x0, int y0, int x1, int y1) {
  switch (mode_) {
    case kRasterMode:
      current_ = {x0, y0};
      RasterLineTo(x1, y1);
      break;
    case kCanvasMode:
      if (canvas_ == nullptr) return;
      canvas_->MoveTo(x0, y0);
      canvas_->LineTo(x1, y1);
      break;
    case kPointListMode:
      if (list_ != nullptr && list_->Count == 0) Append(x0, y0);
      Append(x1, y1);
      break;
    default:
      break;
  }
}

void TBezier::Curve(std::span<const Point> controls) {
  const int degree = static_cast<int>(controls.size()) - 1;
  if (degree < 1 || degree > kMaxDegree) return;
  for (int k = 0; k <= steps_; ++k) {
    double x = 0.0, y = 0.0;
    for (int j = 0; j <= degree; ++j) {
      const double b = coefficients_[j][degree][k];
      x += b * controls[j].X;
      y += b * controls[j].Y;
    }
    const int px = RoundCoordinate(x), py = RoundCoordinate(y);
    switch (mode_) {
      case kRasterMode:
        if (k == 0) {
          current_ = {px, py};
        } else {
          RasterLineTo(px, py);
        }
        break;
      case kCanvasMode:
        if (canvas_ == nullptr) return;
        if (k == 0) {
          canvas_->MoveTo(px, py);
        } else {
          canvas_->LineTo(px, py);
        }
        break;
      case kPointListMode:
        Append(px, py);
        break;
      default:
        return;
    }
  }
}

void TBezier::Plot(int x, int y) {
  if (x < 0 || y < 0 || x >= stride_) return;
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>(stride_) + static_cast<size_t>(x);
  if (at < raster_.size()) raster_[at] = pen_;
}

void TBezier::RasterLineTo(int x, int y) {
  int cx = current_.X, cy = current_.Y;
  const int dx = std::abs(x - cx), sx = cx < x ? 1 : -1;
  const int dy = -std::abs(y - cy), sy = cy < y ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Plot(cx, cy);
    if (cx == x && cy == y) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
  current_ = {x, y};
}

}  // namespace quill
