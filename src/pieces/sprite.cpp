// Run-length sprite blocks: the encoder and the four drawing modes. A block is a
// sequence of row records, each a 32-bit header (low 16 bits: the record's byte
// length) followed by runs, each a 32-bit header (low 16 bits: pixels, high 16
// bits: kind) and, for opaque runs, one byte per pixel. Words are little-endian and
// records are not aligned.
#include "pieces/sprite.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace quill {
namespace {

constexpr uint32_t kTransparentRun = 1;
constexpr uint32_t kOpaqueRun = 2;
constexpr size_t kWordBytes = 4;
// Largest run length and row record length a 16-bit field holds.
constexpr size_t kFieldLimit = 0xFFFF;
constexpr int kBytesPerPixel = 3;

uint32_t ReadWord(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

uint8_t* WriteWord(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
  p[2] = static_cast<uint8_t>(value >> 16);
  p[3] = static_cast<uint8_t>(value >> 24);
  return p + kWordBytes;
}

uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

constexpr uint64_t kEachByte = 0x0101010101010101ull;
constexpr uint64_t kLowSevenBits = kEachByte * 0x7F;
constexpr uint64_t kHighBits = kEachByte * 0x80;

// The top bit of every byte of v that is not zero, and nothing else.
uint64_t NonZeroBytes(uint64_t v) { return (((v & kLowSevenBits) + kLowSevenBits) | v) & kHighBits; }

// The end of the run of same-kind pixels that starts at x. Sprites are mostly long
// runs, so eight pixels are looked at a time.
int RunEnd(const uint8_t* row, int x, int width, uint8_t transparent) {
  static_assert(std::endian::native == std::endian::little, "the first pixel is the lowest byte of a word");
  const bool opaque = row[x] != transparent;
  const uint64_t pattern = kEachByte * transparent;
  ++x;
  for (; x + 8 <= width; x += 8) {
    const uint64_t opaqueBytes = NonZeroBytes(Load64(row + x) ^ pattern);
    const uint64_t otherKind = opaque ? ~opaqueBytes & kHighBits : opaqueBytes;
    if (otherKind != 0) return x + std::countr_zero(otherKind) / 8;
  }
  while (x < width && (row[x] != transparent) == opaque) ++x;
  return x;
}

// The most bytes the record of a row of `width` pixels can take: a run of one pixel
// each, all opaque.
size_t LongestRowRecord(int width) { return kWordBytes + static_cast<size_t>(width) * (kWordBytes + 1); }

// Writes the record of one row at `out` and returns its end; rows whose record does
// not fit the 16-bit length field are rejected.
uint8_t* WriteRowRecord(uint8_t* out, const uint8_t* row, int width, uint8_t transparent) {
  uint8_t* const rowStart = out;
  out += kWordBytes;
  for (int x = 0, end = 0; x < width; x = end) {
    end = RunEnd(row, x, width, transparent);
    const auto length = static_cast<uint32_t>(end - x);
    const bool opaque = row[x] != transparent;
    out = WriteWord(out, length | ((opaque ? kOpaqueRun : kTransparentRun) << 16));
    if (opaque) {
      std::memcpy(out, row + x, length);
      out += length;
    }
  }
  const auto bytes = static_cast<size_t>(out - rowStart);
  if (bytes > kFieldLimit) throw std::length_error("sprite row too long to encode");
  WriteWord(rowStart, static_cast<uint32_t>(bytes));
  return out;
}

// The part of a sprite that is drawn: `skipX` × `skipY` sprite pixels are cut off at
// the left and top, then width × height pixels land at (left, top) of the target.
struct Window {
  int skipX = 0;
  int skipY = 0;
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
};

// Cuts the sprite rectangle down to `area` (target coordinates).
Window ClipSprite(const Rect& area, int height, int width, int top, int left) {
  Window w{0, 0, width, height, left, top};
  if (area.Left > w.left) {
    w.skipX = area.Left - w.left;
    w.left = area.Left;
    w.width -= w.skipX;
  }
  if (w.left + w.width > area.Right) w.width = area.Right - w.left;
  if (area.Top > w.top) {
    w.skipY = area.Top - w.top;
    w.top = area.Top;
    w.height -= w.skipY;
  }
  if (w.top + w.height > area.Bottom) w.height = area.Bottom - w.top;
  return w;
}

// Calls op(row, column, values, count) for every stretch of opaque pixels inside the
// window, with row and column relative to the window's top-left. Transparent runs
// only advance. A malformed block is read no further than its end: a row record
// that is too short or runs past the block ends the drawing, a run that does not
// fit its row or has an unknown kind ends that row.
template <class SpanOp>
void ForEachOpaqueSpan(std::span<const uint8_t> block, const Window& w, SpanOp&& op) {
  const uint8_t* p = block.data();
  const uint8_t* const blockEnd = p + block.size();
  for (int row = -w.skipY; row < w.height; ++row) {
    if (static_cast<size_t>(blockEnd - p) < kWordBytes) return;
    const size_t rowBytes = ReadWord(p) & kFieldLimit;
    if (rowBytes < kWordBytes || rowBytes > static_cast<size_t>(blockEnd - p)) return;
    const uint8_t* const rowEnd = p + rowBytes;
    if (row >= 0) {
      const uint8_t* q = p + kWordBytes;
      for (int x = -w.skipX; x < w.width && static_cast<size_t>(rowEnd - q) >= kWordBytes;) {
        const uint32_t header = ReadWord(q);
        q += kWordBytes;
        const int length = static_cast<int>(header & kFieldLimit);
        const uint32_t kind = header >> 16;
        if (kind == kOpaqueRun) {
          if (length > rowEnd - q) break;
          const int from = std::max(x, 0);
          const int to = std::min(x + length, w.width);
          if (from < to) op(row, from, q + (from - x), to - from);
          q += length;
        } else if (kind != kTransparentRun) {
          break;
        }
        x += length;
      }
    }
    p = rowEnd;
  }
}

uint8_t ClampByte(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// c0 + (c − c0) × f / 16 with the division truncating toward zero. Coverage never
// exceeds 16 in a well-formed edge sprite; larger values are kept within a byte.
uint8_t BlendChannel(int c0, int c, int f) { return ClampByte(c0 + ((c - c0) * f) / 16); }

// Edge drawing of one stretch of pixels starting at (x, y) of the target: in capture
// mode, pixels on the outline of the capture mask hand their coverage to the capture
// output; the others blend with the background by coverage (smooth, side not
// hidden) or switch to it below half coverage.
struct EdgeBlender {
  bool smooth = true;
  uint8_t hiddenSides = 0;
  bool capture = false;
  const uint8_t* captureMask = nullptr;
  uint8_t* captureOutput = nullptr;
  ptrdiff_t captureStride = 0;

  void Span(const uint8_t* values, int count, int y, int x, uint8_t* t, const uint8_t* b) const {
    for (int i = 0; i < count; ++i, t += kBytesPerPixel, b += kBytesPerPixel) {
      const int f = values[i] & kCoverageBits;
      const int side = values[i] >> 6;
      if (capture && Captures(y, x + i, f)) continue;
      if (smooth && ((hiddenSides >> side) & 1) == 0) {
        t[0] = BlendChannel(b[0], t[0], f);
        t[1] = BlendChannel(b[1], t[1], f);
        t[2] = BlendChannel(b[2], t[2], f);
      } else if (f < kHalfCoverage) {
        t[0] = b[0];
        t[1] = b[1];
        t[2] = b[2];
      }
    }
  }

  // The mask has a one-pixel border: target pixel (x, y) is mask pixel (x + 1, y + 1).
  // A pixel with a zero among its four mask neighbours lies on the outline.
  bool Captures(int y, int x, int f) const {
    const uint8_t* m = captureMask + (y + 1) * captureStride + (x + 1);
    if (m[-1] != 0 && m[1] != 0 && m[-captureStride] != 0 && m[captureStride] != 0) return false;
    captureOutput[y * captureStride + x] = static_cast<uint8_t>(f);
    return true;
  }
};

}  // namespace

uint8_t SpritePixel(std::span<const uint8_t> block, int x, int y) {
  if (x < 0 || y < 0) return 0;
  uint8_t value = 0;
  ForEachOpaqueSpan(block, Window{x, y, 1, 1, 0, 0}, [&](int, int, const uint8_t* values, int) { value = values[0]; });
  return value;
}

void ForEachOpaqueRun(std::span<const uint8_t> block, int width, int height,
                      const std::function<void(int row, int from, int count)>& run) {
  ForEachOpaqueSpan(block, Window{0, 0, width, height, 0, 0},
                    [&](int row, int from, const uint8_t*, int count) { run(row, from, count); });
}

void ForEachOpaqueRunIn(std::span<const uint8_t> block, const Rect& area,
                        const std::function<void(int row, int from, int count)>& run) {
  if (area.Left < 0 || area.Top < 0 || area.IsEmpty()) return;
  ForEachOpaqueSpan(block, Window{area.Left, area.Top, area.Width(), area.Height(), 0, 0},
                    [&](int row, int from, const uint8_t*, int count) {
                      run(row + area.Top, from + area.Left, count);
                    });
}

TSprite::TSprite(uint8_t transparent) : transparent_(transparent) {}

void TSprite::SetPalette(const std::array<Colour, 256>& palette) {
  std::copy(palette.begin(), palette.end() - 1, palette_.begin());
  palette_.back() = kBlack;
}

void TSprite::SetCapture(bool on, const uint8_t* maskBase, int stride, uint8_t* outputBase) {
  capture_ = on && maskBase != nullptr && outputBase != nullptr;
  captureMask_ = maskBase;
  captureStride_ = stride;
  captureOutput_ = outputBase;
}

void TSprite::Encode(SpriteBlock& block, int width, const uint8_t* source, int sourceStride, int height) const {
  if (static_cast<size_t>(std::max(width, 0)) > kFieldLimit)
    throw std::length_error("sprite row too wide to encode");
  if (width < 1 || height < 1 || source == nullptr) {
    block.clear();
    return;
  }
  // Each row is written into room for its longest encoding, then the block takes
  // exactly what the rows used: one pass over the pixels, and a row that does not fit
  // leaves the block as it was. The room is kept for the next sprite of this thread.
  thread_local std::vector<uint8_t> scratch;
  const size_t longestRow = LongestRowRecord(width);
  size_t used = 0;
  for (int y = 0; y < height; ++y) {
    if (scratch.size() < used + longestRow) scratch.resize(std::max(2 * scratch.size(), used + longestRow));
    const uint8_t* const row = source + static_cast<ptrdiff_t>(y) * sourceStride;
    used = static_cast<size_t>(WriteRowRecord(scratch.data() + used, row, width, transparent_) - scratch.data());
  }
  block.assign(scratch.data(), scratch.data() + used);
}

void TSprite::Draw(SpriteMode mode, std::span<const uint8_t> block, Bitmap* background, const Rect* clip,
                   int height, int width, int top, int left, Bitmap& target) const {
  if (block.empty() || target.Height() < 2 || target.Format() != PixelFormat::Rgb24) return;
  const Rect area = clip ? Intersection(*clip, target.Bounds()) : target.Bounds();
  Window w = ClipSprite(area, height, width, top, left);
  const bool usesBackground = mode == SpriteMode::Edge || mode == SpriteMode::Save;
  if (usesBackground) {
    // The background holds the sprite's own pixels: nothing beyond it is touched.
    if (background == nullptr || background->Format() != PixelFormat::Rgb24) return;
    w.width = std::min(w.width, background->Width() - w.skipX);
    w.height = std::min(w.height, background->Height() - w.skipY);
  }
  if (w.width < 1 || w.height < 1) return;

  const auto targetPixel = [&](int row, int column) {
    return target.ScanLine(w.top + row) + kBytesPerPixel * (w.left + column);
  };
  const auto backgroundPixel = [&](int row, int column) {
    return background->ScanLine(w.skipY + row) + kBytesPerPixel * (w.skipX + column);
  };

  switch (mode) {
    case SpriteMode::Palette:
      ForEachOpaqueSpan(block, w, [&](int row, int column, const uint8_t* values, int count) {
        uint8_t* t = targetPixel(row, column);
        for (int i = 0; i < count; ++i, t += kBytesPerPixel) {
          const Colour c = palette_[values[i]];
          t[0] = BlueOf(c);
          t[1] = GreenOf(c);
          t[2] = RedOf(c);
        }
      });
      break;
    case SpriteMode::Brightness:
      ForEachOpaqueSpan(block, w, [&](int row, int column, const uint8_t* values, int count) {
        uint8_t* t = targetPixel(row, column);
        for (int i = 0; i < count; ++i, t += kBytesPerPixel) {
          const int d = (values[i] & 63) * 2 - 64;
          t[0] = ClampByte(t[0] + d);
          t[1] = ClampByte(t[1] + d);
          t[2] = ClampByte(t[2] + d);
        }
      });
      break;
    case SpriteMode::Edge: {
      const EdgeBlender edge{smooth_, hiddenSides_, capture_, captureMask_, captureOutput_, captureStride_};
      ForEachOpaqueSpan(block, w, [&](int row, int column, const uint8_t* values, int count) {
        edge.Span(values, count, w.top + row, w.left + column, targetPixel(row, column),
                  backgroundPixel(row, column));
      });
      break;
    }
    case SpriteMode::Save:
      ForEachOpaqueSpan(block, w, [&](int row, int column, const uint8_t*, int count) {
        std::memmove(backgroundPixel(row, column), targetPixel(row, column),
                    static_cast<size_t>(count) * kBytesPerPixel);
      });
      break;
  }
}

}  // namespace quill
