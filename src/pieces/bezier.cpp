#include "pieces/bezier.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/util.h"
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

// ---- Bevel bands ----

namespace {

// One band: where it is drawn and the Bresenham terms of its lines.
struct Band {
  uint8_t* base;
  size_t bound;          // bytes from base that may be touched
  ptrdiff_t majorStep;   // raster bytes of one step along the major axis
  ptrdiff_t minorStep;
  int major, minor;      // the line's length along each axis
  int threshold;         // major − 2 × minor
  uint8_t value;
};

// One parallel line of major + 1 pixels from `at` with start error e0. Checked:
// pixels beyond the bound are skipped; otherwise the caller has made sure there are none.
template <bool kChecked>
void DrawParallelLine(const Band& band, ptrdiff_t at, int e0) {
  // Locals, not fields: the byte stores below could otherwise alias the band and
  // make the compiler reload every field on every pixel.
  uint8_t* const base = band.base;
  const size_t bound = band.bound;
  const ptrdiff_t majorStep = band.majorStep, bothSteps = band.majorStep + band.minorStep;
  const int major = band.major, threshold = band.threshold;
  const int minorError = 2 * (band.minor - band.major), majorError = 2 * band.minor;
  const uint8_t value = band.value;
  int err = -e0;
  for (int i = 0; i <= major; ++i) {
    if (!kChecked || static_cast<size_t>(at) < bound) {
      const uint8_t old = base[at];
      base[at] = old != 0 ? value : old;
    }
    const bool stepMinor = err > threshold;
    at += stepMinor ? bothSteps : majorStep;
    err += stepMinor ? minorError : majorError;
  }
}

// Sweeps parallel lines away from the line along its minor axis until the band is
// `budget` wide (in the doubled units of the error terms); each parallel line's start
// error follows the sweep, and where the sweep steps back along the major axis one
// more line fills the gap it would leave.
template <bool kChecked>
void SweepBand(const Band& band, ptrdiff_t at, int64_t budget) {
  int64_t distance = 0;
  int perr = 0, e0 = 0;
  while (distance < budget) {
    DrawParallelLine<kChecked>(band, at, e0);
    if (perr >= band.threshold) {
      distance += 2 * band.minor;
      perr -= 2 * band.major;
      at -= band.majorStep;
      if (e0 < band.threshold) {
        e0 += 2 * band.minor;
      } else {
        e0 += 2 * (band.minor - band.major);
        if (distance > budget) break;
        DrawParallelLine<kChecked>(band, at, e0);
      }
    }
    at += band.minorStep;
    distance += 2 * band.major;
    perr += 2 * band.minor;
  }
}

}  // namespace

void TBezier::ThickLine(Point start, Point end, uint8_t value, int width) {
  const int dx = end.X - start.X, dy = end.Y - start.Y;
  const int xs = (dx < 0 || (dx == 0 && dy < 0)) ? -1 : 1;
  const int ys = (dy < 0 || (dy == 0 && dx < 0)) ? -1 : 1;
  const bool xMajor = std::abs(dy) <= std::abs(dx);
  const int major = std::max(std::abs(dx), std::abs(dy));
  const int minor = std::min(std::abs(dx), std::abs(dy));
  const int64_t budget = int64_t{2} * width * ApproxDistance(major, minor);
  if (major == 0 || budget <= 0) return;

  const ptrdiff_t stride = stride_;
  const Band band{raster_.data(),
                  std::min(raster_.size(), static_cast<size_t>(stride_) * static_cast<size_t>(stride_)),
                  xMajor ? xs : ys * stride,
                  xMajor ? ys * stride : xs,
                  major,
                  minor,
                  major - 2 * minor,
                  value};
  const ptrdiff_t at = static_cast<ptrdiff_t>(start.Y) * stride + start.X;

  // Where the band can reach: each of the at most budget ÷ 2·major + 1 sweep steps
  // draws up to two lines and moves the start one pixel along the minor axis and at
  // most one back along the major axis; a line runs major pixels along the major
  // axis and, whatever its start error, at most minor + 3 along the minor one. A band
  // that stays inside the raster is drawn without testing every pixel.
  const int lines = static_cast<int>(std::min<int64_t>(2 * (budget / (2 * int64_t{major}) + 1), 1 << 20));
  const int majorFrom = -lines - 1, majorTo = major + 1, minorFrom = -1, minorTo = lines + minor + 4;
  const auto within = [&](int origin, int sign, int from, int to, int64_t limit) {
    const int64_t a = origin + int64_t{sign} * from, b = origin + int64_t{sign} * to;
    return std::min(a, b) >= 0 && std::max(a, b) < limit;
  };
  const int64_t rows = static_cast<int64_t>(band.bound) / std::max<int64_t>(stride, 1);
  const bool inside =
      xMajor ? within(start.X, xs, majorFrom, majorTo, stride) && within(start.Y, ys, minorFrom, minorTo, rows)
             : within(start.Y, ys, majorFrom, majorTo, rows) && within(start.X, xs, minorFrom, minorTo, stride);
  if (inside) SweepBand<false>(band, at, budget);
  else SweepBand<true>(band, at, budget);
}

}  // namespace quill
