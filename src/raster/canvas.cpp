#include "raster/canvas.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "raster/pixel_access.h"

namespace quill {
namespace {

// Visits the points of the line from `from` to `to` (Bresenham), the last one only
// when asked.
template <typename Visit>
void WalkLine(Point from, Point to, bool withLast, Visit visit) {
  const int dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
  const int stepX = from.X < to.X ? 1 : -1, stepY = from.Y < to.Y ? 1 : -1;
  int err = dx + dy;
  Point p = from;
  while (p != to) {
    visit(p);
    const int twice = 2 * err;
    if (twice >= dy) err += dy, p.X += stepX;
    if (twice <= dx) err += dx, p.Y += stepY;
  }
  if (withLast) visit(p);
}

// One row of a round pen tip: the columns left..right at row offset dy from the
// point being drawn.
struct TipRow {
  int dy, left, right;
};

// The pixels whose centres lie within half the width of the tip's centre; for an
// even width the centre lies half a pixel up and left of the point.
std::vector<TipRow> PenTip(int width) {
  const int lo = -(width / 2), hi = lo + width - 1;
  const int twiceCentre = lo + hi;
  std::vector<TipRow> rows;
  for (int dy = lo; dy <= hi; ++dy) {
    TipRow row{dy, hi + 1, lo - 1};
    for (int dx = lo; dx <= hi; ++dx) {
      const int ex = 2 * dx - twiceCentre, ey = 2 * dy - twiceCentre;
      if (ex * ex + ey * ey <= width * width) row.left = std::min(row.left, dx), row.right = std::max(row.right, dx);
    }
    if (row.left <= row.right) rows.push_back(row);
  }
  return rows;
}

}  // namespace

Rect Canvas::ClipRect() const { return clip_ ? Intersection(*clip_, target_->Bounds()) : target_->Bounds(); }

void Canvas::MixSpan(int y, int x0, int x1, uint32_t value, PenMode mode) {
  const PixelFormat f = target_->Format();
  const uint32_t mask = pixels::ValueMask(f);
  uint8_t* row = target_->ScanLine(y);
  for (int x = x0; x < x1; ++x)
    pixels::Write(row, f, x, mode == PenMode::Copy ? value : ~(value ^ pixels::Read(row, f, x)) & mask);
}

void Canvas::MixRect(const Rect& r, uint32_t value, PenMode mode) {
  const Rect area = Intersection(r, ClipRect());
  for (int y = area.Top; y < area.Bottom; ++y) MixSpan(y, area.Left, area.Right, value, mode);
}

void Canvas::LineTo(int x, int y) {
  const Point from = penPos_, to{x, y};
  penPos_ = to;
  const uint32_t value = target_->ValueOf(pen_.Color);
  if (pen_.Width > 1) WideLine(from, to, value);
  else ThinLine(from, to, value);
}

void Canvas::ThinLine(Point from, Point to, uint32_t value) {
  const Rect clip = ClipRect();
  WalkLine(from, to, false, [&](Point p) {
    if (clip.Contains(p.X, p.Y)) MixSpan(p.Y, p.X, p.X + 1, value, pen_.Mode);
  });
}

// The band is gathered as one span per row first, so each pixel is combined once
// (which keeps not-xor drawing reversible).
void Canvas::WideLine(Point from, Point to, uint32_t value) {
  const std::vector<TipRow> tip = PenTip(pen_.Width);
  const Rect clip = ClipRect();
  const int top = std::max(std::min(from.Y, to.Y) + tip.front().dy, clip.Top);
  const int bottom = std::min(std::max(from.Y, to.Y) + tip.back().dy + 1, clip.Bottom);
  if (top >= bottom) return;
  std::vector<std::pair<int, int>> spans(bottom - top, {INT_MAX, INT_MIN});
  WalkLine(from, to, true, [&](Point p) {
    for (const TipRow& r : tip) {
      const int y = p.Y + r.dy;
      if (y < top || y >= bottom) continue;
      auto& [left, right] = spans[y - top];
      left = std::min(left, p.X + r.left);
      right = std::max(right, p.X + r.right);
    }
  });
  for (int y = top; y < bottom; ++y) {
    const int x0 = std::max(spans[y - top].first, clip.Left);
    const int x1 = std::min(spans[y - top].second + 1, clip.Right);
    if (x0 < x1) MixSpan(y, x0, x1, value, pen_.Mode);
  }
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.empty()) return;
  const Point saved = penPos_;
  MoveTo(points[0].X, points[0].Y);
  for (const Point& p : points.subspan(1)) LineTo(p.X, p.Y);
  penPos_ = saved;
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const Rect r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  const int w = std::max(pen_.Width, 1);
  const uint32_t penValue = target_->ValueOf(pen_.Color);
  const Rect inner{r.Left + w, r.Top + w, r.Right - w, r.Bottom - w};
  if (inner.IsEmpty()) {
    MixRect(r, penValue, pen_.Mode);
    return;
  }
  MixRect({r.Left, r.Top, r.Right, inner.Top}, penValue, pen_.Mode);
  MixRect({r.Left, inner.Bottom, r.Right, r.Bottom}, penValue, pen_.Mode);
  MixRect({r.Left, inner.Top, inner.Left, inner.Bottom}, penValue, pen_.Mode);
  MixRect({inner.Right, inner.Top, r.Right, inner.Bottom}, penValue, pen_.Mode);
  if (brush_.Style == BrushStyle::Solid) MixRect(inner, target_->ValueOf(brush_.Color), pen_.Mode);
}

void Canvas::FillRect(const Rect& r) {
  if (brush_.Style == BrushStyle::Solid) MixRect(r, target_->ValueOf(brush_.Color), PenMode::Copy);
}

bool Canvas::FloodFill(int x, int y, Colour border) {
  const Rect clip = ClipRect();
  const Bitmap& bitmap = *target_;
  const uint32_t borderValue = bitmap.ValueOf(border);
  if (!clip.Contains(x, y) || bitmap.ValueAt(x, y) == borderValue) return false;
  if (brush_.Style == BrushStyle::Clear) return true;
  const uint32_t fill = bitmap.ValueOf(brush_.Color);

  // Span fill: each popped point grows into its whole run on the row, then the runs
  // above and below it are queued by their first pixel.
  std::vector<uint8_t> done(static_cast<size_t>(clip.Width()) * clip.Height(), 0);
  const auto index = [&](int px, int py) { return static_cast<size_t>(py - clip.Top) * clip.Width() + (px - clip.Left); };
  const auto open = [&](int px, int py) { return !done[index(px, py)] && bitmap.ValueAt(px, py) != borderValue; };
  std::vector<Point> pending{{x, y}};
  while (!pending.empty()) {
    const Point p = pending.back();
    pending.pop_back();
    if (!open(p.X, p.Y)) continue;
    int left = p.X, right = p.X + 1;
    while (left > clip.Left && open(left - 1, p.Y)) --left;
    while (right < clip.Right && open(right, p.Y)) ++right;
    std::fill_n(done.begin() + static_cast<std::ptrdiff_t>(index(left, p.Y)), right - left, 1);
    MixSpan(p.Y, left, right, fill, PenMode::Copy);
    for (const int ny : {p.Y - 1, p.Y + 1}) {
      if (ny < clip.Top || ny >= clip.Bottom) continue;
      for (int i = left; i < right; ++i)
        if (open(i, ny) && (i == left || !open(i - 1, ny))) pending.push_back({i, ny});
    }
  }
  return true;
}

int64_t Canvas::Pixels(int x, int y) const { return ClipRect().Contains(x, y) ? target_->PixelAt(x, y) : -1; }

void Canvas::BitBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, RasterOp op, Colour background) {
  quill::BitBlt(*target_, ClipRect(), x, y, w, h, src, sx, sy, op, background);
}

void Canvas::StretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh, RasterOp op,
                        Colour background) {
  quill::StretchBlt(*target_, ClipRect(), x, y, w, h, src, sx, sy, sw, sh, op, background);
}

}  // namespace quill
