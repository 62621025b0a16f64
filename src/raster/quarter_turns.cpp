#include "raster/quarter_turns.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "raster/blit.h"

namespace quill {
namespace {

// Where the source pixel at offset (u, v) from sourceRect's top left lands in the
// target: one target axis follows u and the other v, each forwards or backwards.
// tx = originX + uToX * u + vToX * v, ty = originY + uToY * u + vToY * v.
struct TurnMap {
  int originX, uToX, vToX;
  int originY, uToY, vToY;
};

std::optional<TurnMap> MapFor(int turns, const Rect& t) {
  switch (turns) {
    case 1: return TurnMap{t.Right - 1, 0, -1, t.Top, 1, 0};
    case 2: return TurnMap{t.Right - 1, -1, 0, t.Bottom - 1, 0, -1};
    case 3: return TurnMap{t.Left, 0, 1, t.Bottom - 1, -1, 0};
    default: return std::nullopt;
  }
}

// Narrows [lo, hi) of an offset w so that origin + step * w stays in [0, size).
void KeepInside(int origin, int step, int size, int& lo, int& hi) {
  if (step > 0) {
    lo = std::max(lo, -origin);
    hi = std::min(hi, size - origin);
  } else if (step < 0) {
    lo = std::max(lo, origin - size + 1);
    hi = std::min(hi, origin + 1);
  }
}

// The offsets (u from sourceRect.Left, v from sourceRect.Top) of the source pixels
// that lie in the source bitmap and land inside the target bitmap.
Rect OffsetsToCopy(const Bitmap& source, const Bitmap& target, const Rect& sourceRect, const TurnMap& m) {
  const Rect inSource = Intersection(sourceRect, source.Bounds());
  int u0 = inSource.Left - sourceRect.Left, u1 = inSource.Right - sourceRect.Left;
  int v0 = inSource.Top - sourceRect.Top, v1 = inSource.Bottom - sourceRect.Top;
  KeepInside(m.originX, m.uToX, target.Width(), u0, u1);
  KeepInside(m.originX, m.vToX, target.Width(), v0, v1);
  KeepInside(m.originY, m.uToY, target.Height(), u0, u1);
  KeepInside(m.originY, m.vToY, target.Height(), v0, v1);
  const Rect offsets{u0, v0, u1, v1};
  return offsets.IsEmpty() ? Rect{} : offsets;
}

// Walks the source rows of the copied area; for each row, `copyRow` gets the source
// row, the source x of its first pixel, the number of pixels and the target position
// of the first pixel with its step per pixel.
template <typename CopyRow>
void ForEachTurnedRow(const Bitmap& source, Bitmap& target, const Rect& sourceRect, int turns, const Rect& targetRect,
                      PixelFormat format, CopyRow copyRow) {
  if (source.Format() != format || target.Format() != format) return;
  const std::optional<TurnMap> map = MapFor(turns, targetRect);
  if (!map) return;
  if (&source == &target) {
    // Turning within one bitmap: read the source area out first so that writes
    // cannot overwrite pixels still to be read.
    const Rect area = Intersection(sourceRect, source.Bounds());
    Bitmap part(area.Width(), area.Height(), format);
    BitBlt(part, 0, 0, area.Width(), area.Height(), source, area.Left, area.Top);
    ForEachTurnedRow(part, target, sourceRect.Offset(-area.Left, -area.Top), turns, targetRect, format, copyRow);
    return;
  }
  const TurnMap& m = *map;
  const Rect offsets = OffsetsToCopy(source, target, sourceRect, m);
  for (int v = offsets.Top; v < offsets.Bottom; ++v) {
    const int u = offsets.Left;
    copyRow(source.ScanLine(sourceRect.Top + v), sourceRect.Left + u, offsets.Width(),
            Point{m.originX + m.uToX * u + m.vToX * v, m.originY + m.uToY * u + m.vToY * v}, Point{m.uToX, m.uToY});
  }
}

}  // namespace

void RotateCopy24(const Bitmap& source, Bitmap& target, const Rect& sourceRect, int turns, const Rect& targetRect) {
  const std::ptrdiff_t stride = target.Stride();
  ForEachTurnedRow(source, target, sourceRect, turns, targetRect, PixelFormat::Rgb24,
                   [&](const uint8_t* row, int x, int count, Point to, Point step) {
                     const uint8_t* from = row + 3 * static_cast<std::ptrdiff_t>(x);
                     uint8_t* into = target.ScanLine(to.Y) + 3 * static_cast<std::ptrdiff_t>(to.X);
                     const std::ptrdiff_t intoStep = step.Y * stride + 3 * step.X;
                     for (int i = 0; i < count; ++i, from += 3, into += intoStep) {
                       into[0] = from[0];
                       into[1] = from[1];
                       into[2] = from[2];
                     }
                   });
}

void RotateCopy1(const Bitmap& source, Bitmap& target, const Rect& sourceRect, int turns, const Rect& targetRect) {
  const std::ptrdiff_t stride = target.Stride();
  ForEachTurnedRow(source, target, sourceRect, turns, targetRect, PixelFormat::Mono1,
                   [&](const uint8_t* row, int x, int count, Point to, Point step) {
                     uint8_t* into = target.ScanLine(to.Y);
                     int tx = to.X;
                     for (int i = 0; i < count; ++i, ++x, tx += step.X, into += step.Y * stride) {
                       const bool set = (row[x >> 3] >> (7 - (x & 7))) & 1;
                       const auto bit = static_cast<uint8_t>(0x80u >> (tx & 7));
                       if (set) into[tx >> 3] |= bit;
                       else into[tx >> 3] &= static_cast<uint8_t>(~bit);
                     }
                   });
}

}  // namespace quill
