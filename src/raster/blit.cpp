#include "raster/blit.h"

#include <cstring>
#include <optional>
#include <vector>

#include "raster/pixel_access.h"

namespace quill {
namespace {

// A block after clipping: the destination pixels to write and the source pixel that
// lands on their top-left corner.
struct Block {
  Rect target;
  int srcX = 0;
  int srcY = 0;
};

std::optional<Block> ClipBlock(const Bitmap& dst, const Rect& clip, int x, int y, int w, int h, const Bitmap& src,
                               int sx, int sy) {
  Rect area = Intersection(Rect{x, y, x + w, y + h}, Intersection(dst.Bounds(), clip));
  area = Intersection(area, src.Bounds().Offset(x - sx, y - sy));
  if (area.IsEmpty()) return std::nullopt;
  return Block{area, area.Left - x + sx, area.Top - y + sy};
}

uint32_t Combine(RasterOp op, uint32_t d, uint32_t s) {
  switch (op) {
    case RasterOp::SrcCopy: return s;
    case RasterOp::SrcAnd: return d & s;
    case RasterOp::SrcPaint: return d | s;
    case RasterOp::DstInvert: return ~d;
  }
  return s;
}

// Turns source pixel values into destination pixel values of another format.
class Converter {
 public:
  Converter(const Bitmap& src, const Bitmap& dst, Colour background)
      : dst_(dst), background_(background & 0xFFFFFF), identity_(src.Format() == dst.Format()) {
    if (identity_ || src.Format() == PixelFormat::Rgb24) return;
    const int entries = src.Format() == PixelFormat::Mono1 ? 2 : 256;
    for (int i = 0; i < entries; ++i) table_.push_back(FromColour(src.Palette()[i]));
  }

  uint32_t operator()(uint32_t value) const {
    if (identity_) return value;
    return table_.empty() ? FromColour(value) : table_[value];
  }

 private:
  uint32_t FromColour(Colour c) const {
    c &= 0xFFFFFF;
    switch (dst_.Format()) {
      case PixelFormat::Rgb24: return c;
      case PixelFormat::Mono1: return c == background_ ? 1 : 0;
      case PixelFormat::Pal8: return dst_.ValueOf(c);
    }
    return c;
  }

  const Bitmap& dst_;
  Colour background_;
  bool identity_;
  std::vector<uint32_t> table_;
};

// Same format, whole bytes per pixel: the operation runs over the bytes of each row.
void CombineBytes(Bitmap& dst, const Block& b, const Bitmap& src, RasterOp op) {
  const int bytesPerPixel = BitsPerPixel(dst.Format()) / 8;
  const size_t count = static_cast<size_t>(b.target.Width()) * bytesPerPixel;
  for (int row = 0; row < b.target.Height(); ++row) {
    uint8_t* d = dst.ScanLine(b.target.Top + row) + b.target.Left * bytesPerPixel;
    const uint8_t* s = src.ScanLine(b.srcY + row) + b.srcX * bytesPerPixel;
    switch (op) {
      case RasterOp::SrcCopy: std::memcpy(d, s, count); break;
      case RasterOp::SrcAnd: for (size_t k = 0; k < count; ++k) d[k] &= s[k]; break;
      case RasterOp::SrcPaint: for (size_t k = 0; k < count; ++k) d[k] |= s[k]; break;
      case RasterOp::DstInvert: for (size_t k = 0; k < count; ++k) d[k] = static_cast<uint8_t>(~d[k]); break;
    }
  }
}

// The general case: pixel by pixel, converting each source value.
void CombinePixels(Bitmap& dst, const Block& b, const Bitmap& src, RasterOp op, Colour background) {
  const PixelFormat df = dst.Format(), sf = src.Format();
  const uint32_t mask = pixels::ValueMask(df);
  const Converter convert(src, dst, background);
  for (int row = 0; row < b.target.Height(); ++row) {
    uint8_t* d = dst.ScanLine(b.target.Top + row);
    const uint8_t* s = src.ScanLine(b.srcY + row);
    for (int i = 0; i < b.target.Width(); ++i) {
      const int x = b.target.Left + i;
      const uint32_t value = convert(pixels::Read(s, sf, b.srcX + i));
      pixels::Write(d, df, x, Combine(op, pixels::Read(d, df, x), value) & mask);
    }
  }
}

void CopyBlock(Bitmap& dst, const Block& b, const Bitmap& src, RasterOp op, Colour background) {
  if (dst.Format() == src.Format() && dst.Format() != PixelFormat::Mono1) CombineBytes(dst, b, src, op);
  else CombinePixels(dst, b, src, op, background);
}

// A copy of one area of a bitmap, in its format and with its palette.
Bitmap CopyOut(const Bitmap& src, const Rect& area) {
  Bitmap out(area.Width(), area.Height(), src.Format());
  out.Palette() = src.Palette();
  CopyBlock(out, Block{out.Bounds(), area.Left, area.Top}, src, RasterOp::SrcCopy, kWhite);
  return out;
}

void InvertArea(Bitmap& dst, const Rect& area) {
  const PixelFormat f = dst.Format();
  const uint32_t mask = pixels::ValueMask(f);
  for (int y = area.Top; y < area.Bottom; ++y) {
    uint8_t* row = dst.ScanLine(y);
    for (int x = area.Left; x < area.Right; ++x) pixels::Write(row, f, x, ~pixels::Read(row, f, x) & mask);
  }
}

// The source coordinate under the centre of destination pixel i of a span of `size`
// pixels fed from `sourceSize` pixels.
int SourceUnder(int i, int size, int sourceSize) {
  return static_cast<int>((2 * int64_t{i} + 1) * sourceSize / (2 * int64_t{size}));
}

// Source coordinates for the destination coordinates from..to-1 of a stretched span,
// trimmed at both ends to those that fall inside the source (the mapping only grows,
// so coordinates outside it lie at the ends).
struct Samples {
  int first = 0;  // destination coordinate of source[0]
  std::vector<int> source;
};

Samples SampleAxis(int from, int to, int start, int size, int sourceStart, int sourceSize, int sourceLimit) {
  Samples samples;
  for (int d = from; d < to; ++d) {
    const int c = sourceStart + SourceUnder(d - start, size, sourceSize);
    if (c < 0 || c >= sourceLimit) {
      if (samples.source.empty()) continue;
      break;
    }
    if (samples.source.empty()) samples.first = d;
    samples.source.push_back(c);
  }
  return samples;
}

}  // namespace

void BitBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy, RasterOp op,
            Colour background) {
  BitBlt(dst, dst.Bounds(), x, y, w, h, src, sx, sy, op, background);
}

void BitBlt(Bitmap& dst, const Rect& clip, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
            RasterOp op, Colour background) {
  if (op == RasterOp::DstInvert) {
    InvertArea(dst, Intersection(Rect{x, y, x + w, y + h}, Intersection(dst.Bounds(), clip)));
    return;
  }
  const std::optional<Block> block = ClipBlock(dst, clip, x, y, w, h, src, sx, sy);
  if (!block) return;
  const Rect from = block->target.Offset(block->srcX - block->target.Left, block->srcY - block->target.Top);
  if (&src == &dst && !Intersection(from, block->target).IsEmpty()) {
    // Overlapping copy within one bitmap: read the whole source before writing.
    const Bitmap copy = CopyOut(src, from);
    CopyBlock(dst, Block{block->target, 0, 0}, copy, op, background);
    return;
  }
  CopyBlock(dst, *block, src, op, background);
}

void StretchBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh,
                RasterOp op, Colour background) {
  StretchBlt(dst, dst.Bounds(), x, y, w, h, src, sx, sy, sw, sh, op, background);
}

void StretchBlt(Bitmap& dst, const Rect& clip, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
                int sw, int sh, RasterOp op, Colour background) {
  if (w < 1 || h < 1 || sw < 1 || sh < 1) return;
  if (w == sw && h == sh) {
    BitBlt(dst, clip, x, y, w, h, src, sx, sy, op, background);
    return;
  }
  const Rect area = Intersection(Rect{x, y, x + w, y + h}, Intersection(dst.Bounds(), clip));
  if (area.IsEmpty()) return;
  const Samples columns = SampleAxis(area.Left, area.Right, x, w, sx, sw, src.Width());
  const Samples rows = SampleAxis(area.Top, area.Bottom, y, h, sy, sh, src.Height());
  if (columns.source.empty() || rows.source.empty()) return;

  // Gather the sampled pixels into a block of the source format, then copy that.
  const PixelFormat f = src.Format();
  Bitmap sample(static_cast<int>(columns.source.size()), static_cast<int>(rows.source.size()), f);
  sample.Palette() = src.Palette();
  for (int j = 0; j < sample.Height(); ++j) {
    const uint8_t* s = src.ScanLine(rows.source[j]);
    uint8_t* d = sample.ScanLine(j);
    for (int i = 0; i < sample.Width(); ++i) pixels::Write(d, f, i, pixels::Read(s, f, columns.source[i]));
  }
  BitBlt(dst, columns.first, rows.first, sample.Width(), sample.Height(), sample, 0, 0, op, background);
}

}  // namespace quill
