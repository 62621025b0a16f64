#include "pieces/cutting.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

#include "common/util.h"
#include "pieces/parallel.h"

namespace quill {
namespace {

// Sub-pixels left free on every side of a piece in the scratch raster (a whole
// number of blocks). Bevel bands reach a few sub-pixels past the ends of their
// segments; with the margin they never leave the raster, so no pixel of theirs
// needs a bounds test.
constexpr int32_t kRasterMargin = 32;

// Placed outlines keep 16-bit coordinates.
constexpr int32_t kMaxPieceExtent = 32767 - 2 * kRasterMargin - 16;

constexpr int32_t kBlock = kSupersampling;
constexpr int32_t kBlockPixels = kBlock * kBlock;
constexpr uint8_t kSideBits = 0xC0;
constexpr uint8_t kLevelBits = 0x3F;

// Remainder of truncating division by 4 (negative for negative v).
int32_t Mod4(int32_t v) { return v % 4; }
// Remainder of floor division by 4 (always 0..3).
int32_t FloorMod4(int32_t v) { return ((v % 4) + 4) % 4; }
// Floor division by 4.
int32_t FloorDiv4(int32_t v) { return (v - FloorMod4(v)) / 4; }

int PointCount(const SidePoints& side) { return std::clamp(side.Count, 0, kMaxSidePoints); }

static_assert(std::endian::native == std::endian::little, "sub-pixel rows are read as little-endian words");

uint32_t Load32(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// Sub-pixel bytes taken eight at a time.
constexpr uint64_t kEachByte = 0x0101010101010101ull;
constexpr uint64_t kNeutralBytes = kEachByte * kNeutralSubPixel;
constexpr uint64_t kLevelBytes = kEachByte * kLevelBits;
constexpr uint64_t kLowSevenBits = kEachByte * 0x7F;
constexpr uint64_t kHighBits = kEachByte * 0x80;
constexpr uint64_t kLowBytesOfHalves = 0x00FF00FF00FF00FFull;

// The top bit of every byte of v that is not zero, and nothing else.
uint64_t NonZeroBytes(uint64_t v) { return (((v & kLowSevenBits) + kLowSevenBits) | v) & kHighBits; }

// Two rows of a block's four sub-pixels as one word, the upper row in the low half.
uint64_t LoadRowPair(const uint8_t* upper, ptrdiff_t stride) {
  return static_cast<uint64_t>(Load32(upper)) | (static_cast<uint64_t>(Load32(upper + stride)) << 32);
}

// The side bits of the first byte of v in memory order that is neither 0 nor
// neutral, or -1 when there is none.
int32_t FirstSideBits(uint64_t v) {
  const uint64_t marked = NonZeroBytes(v) & NonZeroBytes(v ^ kNeutralBytes);
  return marked == 0 ? -1 : static_cast<int32_t>(v >> (std::countr_zero(marked) - 7)) & kSideBits;
}

// Whether kCount pixels of four rows starting at `block` are all outside (every
// sub-pixel 0) or all plainly inside (every sub-pixel neutral).
enum class Uniform { Mixed, Outside, Inside };
template <int32_t kCount>
Uniform UniformBlocks(const uint8_t* block, ptrdiff_t stride) {
  static_assert(kCount * kBlock % 8 == 0);
  uint64_t any = 0, notNeutral = 0;
  for (int32_t y = 0; y < kBlock; ++y) {
    const uint8_t* row = block + y * stride;
    for (int32_t k = 0; k < kCount * kBlock; k += 8) {
      const uint64_t w = Load64(row + k);
      any |= w;
      notNeutral |= w ^ kNeutralBytes;
    }
  }
  if (any == 0) return Uniform::Outside;
  return notNeutral == 0 ? Uniform::Inside : Uniform::Mixed;
}

// Whether the band of a segment is drawn from its start to its end (else from the
// end back to the start), so that it lies on the inner side of the outline.
bool BandForwards(int side, int dx, int dy) {
  bool forwards = dx == 0 || (dy != 0 && ((dx < 0) != (dy < 0)) != (std::abs(dx) < std::abs(dy)));
  if (side == 0 || side == 1) forwards = !forwards;
  return forwards;
}

}  // namespace

int32_t BevelWidth(uint32_t outlineStyle, int32_t width4, int32_t columns) {
  const int32_t general = std::clamp(width4 / (std::max(columns, 1) * 13), 4, 12);
  switch (outlineStyle) {
    case kOutlineNone: return 1;
    case kOutlineFoil: return std::min(general, 4);
    case kOutlinePaper: return std::min(general, 6);
    default: return general;
  }
}

int32_t WoodThickness(int32_t width4, int32_t columns) {
  return std::clamp(width4 / (std::max(columns, 1) * 60), 1, 20);
}

int32_t LargestPieceExtent(int32_t width4, int32_t height4, int32_t columns, int32_t rows) {
  return 3 * std::max(width4 / std::max(columns, 1), height4 / std::max(rows, 1));
}

uint8_t BevelValue(int side, int dx, int dy) {
  const int32_t major = std::max(std::abs(dx), std::abs(dy));
  const int32_t minor = std::min(std::abs(dx), std::abs(dy));
  const int32_t length = ApproxDistance(major * 256, minor * 256);
  const int32_t light = length == 0 ? 0 : (dx - dy) * kLightScale / length;
  const int32_t value = (side == 2 || side == 3 ? -light : light) + side * 64 + kNeutralSubPixel;
  return static_cast<uint8_t>(value == 0 ? 1 : value);
}

TPieceCutter::Box TPieceCutter::Bounds(const PieceSides& sides) {
  bool any = false;
  Box box{0, 0, 0, 0};
  for (const SidePoints& side : sides) {
    for (int i = 0; i < PointCount(side); ++i) {
      const SidePoint p = side.Points[static_cast<size_t>(i)];
      if (!any) box = {p.X, p.Y, p.X, p.Y};
      any = true;
      box = {std::min<int32_t>(box.L, p.X), std::min<int32_t>(box.T, p.Y), std::max<int32_t>(box.R, p.X),
             std::max<int32_t>(box.B, p.Y)};
    }
  }
  return box;
}

int32_t PieceExtent(const PieceSides& sides) {
  const auto box = TPieceCutter::Bounds(sides);
  return std::max(box.R - box.L, box.B - box.T) + 1;
}

// ---- TPieceCutter ----

TPieceCutter::TPieceCutter(int32_t bevelWidth) : bevelWidth_(bevelWidth) {}

void TPieceCutter::Reserve(int32_t extent) {
  // Points are 16-bit; so is the room of one piece.
  if (extent > kMaxPieceExtent) throw std::length_error("piece too large to cut");
  // The outline starts within its first block, so it needs up to 3 more.
  const int32_t side = RoundUp16(std::max(extent, 1) + kBlock + 2 * kRasterMargin);
  if (side <= side_) return;
  side_ = side;
  raster_.assign(static_cast<size_t>(side) * static_cast<size_t>(side), 0);
  bezier_.Setup(TBezier::kRasterMode, side_, nullptr, raster_, 3);
  bezier_.SetPen(kNeutralSubPixel);
}

PieceImage TPieceCutter::RasterisePiece(const PieceSides& sides, int rotation) {
  Reserve(PieceExtent(sides));
  PieceSides placed;
  const Box box = PlaceOutline(sides, rotation, placed);
  DrawOutline(placed);
  DrawBevels(placed);

  PieceImage image;
  image.X = FloorDiv4(box.L);
  image.Y = FloorDiv4(box.T);
  image.Width = FloorDiv4(box.R) - image.X + 1;
  image.Height = FloorDiv4(box.B) - image.Y + 1;
  Reduce(image.Width, image.Height);
  ClearRaster(image.Width, image.Height);

  const size_t pixels = static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height);
  image.MaskRowBytes = RoundUp8(image.Width) / 8;
  image.Shade = {shade_.data(), pixels};
  image.Edge = {edge_.data(), pixels};
  image.Mask = {mask_.data(), static_cast<size_t>(image.MaskRowBytes) * static_cast<size_t>(image.Height)};
  return image;
}

TPieceCutter::Box TPieceCutter::PlaceOutline(const PieceSides& sides, int rotation, PieceSides& placed) const {
  const Box box = Bounds(sides);
  const int32_t L = box.L, T = box.T, R = box.R, B = box.B;

  // A turned piece is shifted by less than a block so that the sub-pixels of each
  // picture pixel land together on one turned pixel: the reduction then gives the
  // turned image of the unturned piece.
  const int turns = rotation & 3;
  int32_t sx = 0, sy = 0;
  switch (turns) {
    case 1: sx = 3 - Mod4(B) - Mod4(L); sy = Mod4(L) - Mod4(T); break;
    case 2: sx = 3 - Mod4(R) - Mod4(L); sy = 3 - Mod4(B) - Mod4(T); break;
    case 3: sx = Mod4(T) - Mod4(L); sy = 3 - Mod4(R) - Mod4(T); break;
    default: break;
  }
  const auto turn = [&](int32_t x, int32_t y) -> std::pair<int32_t, int32_t> {
    switch (turns) {
      case 1: return {L + sx + B - y, T + sy + x - L};
      case 2: return {L + R + sx - x, T + B + sy - y};
      case 3: return {L + sx + y - T, T + R + sy - x};
      default: return {x, y};
    }
  };
  Box turned = turns % 2 == 1 ? Box{L, T, L + B - T, T + R - L} : box;
  turned = {turned.L + sx, turned.T + sy, turned.R + sx, turned.B + sy};

  // Into the first 4 × 4 block inside the raster's margin, keeping each point's place
  // within its block.
  const int32_t ox = FloorMod4(turned.L) - turned.L + kRasterMargin;
  const int32_t oy = FloorMod4(turned.T) - turned.T + kRasterMargin;
  for (size_t s = 0; s < sides.size(); ++s) {
    placed[s].Count = PointCount(sides[s]);
    for (int i = 0; i < placed[s].Count; ++i) {
      const SidePoint p = sides[s].Points[static_cast<size_t>(i)];
      const auto [x, y] = turn(p.X, p.Y);
      placed[s].Points[static_cast<size_t>(i)] = {static_cast<int16_t>(x + ox), static_cast<int16_t>(y + oy)};
    }
  }
  return turned;
}

void TPieceCutter::DrawOutline(const PieceSides& placed) {
  for (const SidePoints& side : placed) {
    for (int i = 1; i < side.Count; ++i) {
      const SidePoint a = side.Points[static_cast<size_t>(i - 1)], b = side.Points[static_cast<size_t>(i)];
      bezier_.Line(a.X, a.Y, b.X, b.Y);
    }
  }
  fill_.FillSides(placed, raster_.data(), kNeutralSubPixel, side_, side_);
}

void TPieceCutter::DrawBevels(const PieceSides& placed) {
  for (int s = 0; s < 4; ++s) {
    const SidePoints& side = placed[static_cast<size_t>(s)];
    for (int i = 1; i < side.Count; ++i) {
      const SidePoint a = side.Points[static_cast<size_t>(i - 1)], b = side.Points[static_cast<size_t>(i)];
      const int dx = b.X - a.X, dy = b.Y - a.Y;
      const uint8_t value = BevelValue(s, dx, dy);
      const Point from{a.X, a.Y}, to{b.X, b.Y};
      if (BandForwards(s, dx, dy)) bezier_.ThickLine(from, to, value, bevelWidth_);
      else bezier_.ThickLine(to, from, value, bevelWidth_);
    }
  }
}

void TPieceCutter::Reduce(int32_t width, int32_t height) {
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  const size_t maskBytes = static_cast<size_t>(RoundUp8(width) / 8) * static_cast<size_t>(height);
  if (shade_.size() < pixels) {
    shade_.resize(pixels);
    edge_.resize(pixels);
  }
  if (mask_.size() < maskBytes) mask_.resize(maskBytes);
  const ptrdiff_t stride = side_;
  ReduceSubPixels(raster_.data() + kRasterMargin * stride + kRasterMargin, stride, width, height, shade_.data(),
                  edge_.data(), mask_.data());
}

void TPieceCutter::ClearRaster(int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * kBlock;
  for (int32_t y = kRasterMargin; y < kRasterMargin + height * kBlock; ++y)
    std::memset(raster_.data() + static_cast<ptrdiff_t>(y) * side_ + kRasterMargin, 0, bytes);
}

// ---- Reduction ----

namespace {

// The 16 sub-pixels F of one block, two rows at a time: the sum of (F and 63), the
// count of F with (F and 63) ≠ 0, and the side bits of the first F in row order
// that is neither 0 nor neutral. Returns whether the pixel is inside.
bool ReduceBlock(const uint8_t* block, ptrdiff_t stride, uint8_t& shade, uint8_t& edge) {
  const uint64_t upper = LoadRowPair(block, stride), lower = LoadRowPair(block + 2 * stride, stride);
  // Inside a bevel band whole blocks often hold one value.
  if (const uint64_t same = kEachByte * block[0]; upper == same && lower == same && block[0] != 0) {
    // All 16 covered (or, without a level, none counted): no edge.
    const uint8_t f = block[0];
    const uint8_t side = f == kNeutralSubPixel ? 0 : f & kSideBits;
    const int32_t level = f & kLevelBits;
    shade = level == kNeutralSubPixel ? 0 : static_cast<uint8_t>(side | level);
    edge = 0;
    return level > 0;
  }
  const uint64_t upperLevels = upper & kLevelBytes, lowerLevels = lower & kLevelBytes;
  // Level bytes are at most 63: pairs of them add up without carries, and so do the
  // four 16-bit lanes of their byte sums.
  const uint64_t levelPairs = upperLevels + lowerLevels;
  const uint64_t lanes = (levelPairs & kLowBytesOfHalves) + ((levelPairs >> 8) & kLowBytesOfHalves);
  int32_t sum = static_cast<int32_t>((lanes * 0x0001000100010001ull) >> 48);
  const uint64_t covered =
      (((upperLevels + kLowSevenBits) & kHighBits) >> 7) + (((lowerLevels + kLowSevenBits) & kHighBits) >> 7);
  const int32_t count = static_cast<int32_t>((covered * kEachByte) >> 56);
  int32_t sideBits = FirstSideBits(upper);
  if (sideBits < 0) sideBits = FirstSideBits(lower);

  const uint8_t side = static_cast<uint8_t>(std::max(sideBits, 0));
  if (count > 0) sum /= count;
  shade = sum == kNeutralSubPixel ? 0 : static_cast<uint8_t>(side | (sum & kLevelBits));
  edge = count > 0 && count < kBlockPixels ? static_cast<uint8_t>(count | side) : 0;
  return sum > 0;
}

// Up to eight pixels of one output row; returns their mask byte (0 = inside, the
// bits of missing pixels 1). Runs wholly outside or wholly inside with neutral
// brightness — most of a piece — are recognised eight, then two pixels at a time.
uint8_t ReduceRun(const uint8_t* block, ptrdiff_t stride, int32_t count, uint8_t* shade, uint8_t* edge) {
  if (count == 8) {
    const Uniform run = UniformBlocks<8>(block, stride);
    if (run != Uniform::Mixed) {
      std::memset(shade, 0, 8);
      std::memset(edge, 0, 8);
      return run == Uniform::Outside ? 0xFF : 0x00;
    }
  }
  uint32_t bits = 0;
  int32_t p = 0;
  for (; p + 1 < count; p += 2) {
    const uint8_t* pair = block + p * kBlock;
    const Uniform run = UniformBlocks<2>(pair, stride);
    if (run != Uniform::Mixed) {
      shade[p] = edge[p] = shade[p + 1] = edge[p + 1] = 0;
      bits = (bits << 2) | (run == Uniform::Outside ? 3u : 0u);
    } else {
      bits = (bits << 1) | (ReduceBlock(pair, stride, shade[p], edge[p]) ? 0u : 1u);
      bits = (bits << 1) | (ReduceBlock(pair + kBlock, stride, shade[p + 1], edge[p + 1]) ? 0u : 1u);
    }
  }
  if (p < count) bits = (bits << 1) | (ReduceBlock(block + p * kBlock, stride, shade[p], edge[p]) ? 0u : 1u);
  return static_cast<uint8_t>((bits << (8 - count)) | (0xFFu >> count));
}

}  // namespace

void ReduceSubPixels(const uint8_t* raster, ptrdiff_t stride, int32_t width, int32_t height, uint8_t* shade,
                     uint8_t* edge, uint8_t* mask) {
  for (int32_t j = 0; j < height; ++j) {
    const uint8_t* row = raster + static_cast<ptrdiff_t>(j) * kBlock * stride;
    uint8_t* shadeRow = shade + static_cast<ptrdiff_t>(j) * width;
    uint8_t* edgeRow = edge + static_cast<ptrdiff_t>(j) * width;
    for (int32_t i = 0; i < width; i += 8)
      *mask++ = ReduceRun(row + static_cast<ptrdiff_t>(i) * kBlock, stride, std::min(8, width - i), shadeRow + i,
                          edgeRow + i);
  }
}

// ---- Cutting many pieces ----

namespace {

std::vector<CutPiece> CutEach(const OutlineSource& outline, std::span<const uint8_t> rotations, int32_t bevelWidth,
                              int32_t extent, int threads, const std::function<void(size_t)>& done) {
  std::vector<CutPiece> pieces(rotations.size());
  std::vector<std::unique_ptr<TPieceCutter>> cutters(static_cast<size_t>(std::max(threads, 1)));
  std::vector<PieceSides> sides(cutters.size());
  const TSprite encoder;
  ForEachOnThreads(
      pieces.size(), threads,
      [&](int worker, size_t k) {
        auto& cutter = cutters[static_cast<size_t>(worker)];
        if (!cutter) {
          cutter = std::make_unique<TPieceCutter>(bevelWidth);
          cutter->Reserve(extent);
        }
        PieceSides& shape = sides[static_cast<size_t>(worker)];
        outline(worker, k, shape);
        const PieceImage image = cutter->RasterisePiece(shape, rotations[k]);
        CutPiece& piece = pieces[k];
        piece.X = image.X;
        piece.Y = image.Y;
        piece.Mask = {image.Width, image.Height, {image.Mask.begin(), image.Mask.end()}};
        encoder.Encode(piece.Shade, image.Width, image.Shade.data(), image.Width, image.Height);
        encoder.Encode(piece.Edge, image.Width, image.Edge.data(), image.Width, image.Height);
      },
      done);
  return pieces;
}

}  // namespace

std::vector<CutPiece> CutOutlines(std::span<const PieceSides> outlines, std::span<const uint8_t> rotations,
                                  int32_t bevelWidth, int threads, const std::function<void(size_t)>& done) {
  int32_t extent = 0;
  for (const PieceSides& sides : outlines) extent = std::max(extent, PieceExtent(sides));
  return CutEach([&](int, size_t k, PieceSides& sides) { sides = outlines[k]; }, rotations.first(outlines.size()),
                 bevelWidth, extent, threads, done);
}

std::vector<CutPiece> CutOutlines(const OutlineSource& outline, std::span<const uint8_t> rotations,
                                  int32_t bevelWidth, int threads, const std::function<void(size_t)>& done) {
  // The raster grows with the pieces, as their size is not known beforehand.
  return CutEach(outline, rotations, bevelWidth, 1, threads, done);
}

// ---- Mask assembly ----

AtlasLayout LayoutAtlas(int32_t widest, int32_t tallest, int32_t columns, int32_t rows) {
  AtlasLayout layout;
  const int32_t cell = RoundUp8(std::max(widest, tallest));
  layout.CellWidth = layout.CellHeight = cell;
  layout.AtlasWidth = RoundUp16(cell * columns);
  layout.AtlasHeight = cell * rows;
  return layout;
}

namespace {

// Packs masks(0) .. masks(count − 1), releasing their bits.
std::vector<uint8_t> PackMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness, size_t count,
                               const std::function<PieceMask&(size_t)>& masks) {
  const size_t rowBytes = static_cast<size_t>(layout.AtlasWidth) / 8;
  std::vector<uint8_t> buffer(rowBytes * static_cast<size_t>(layout.AtlasHeight + std::max(thickness, 0)), 0xFF);
  for (size_t i = 0; i < count; ++i) {
    PieceMask& mask = masks(i);
    const size_t maskRowBytes = static_cast<size_t>(RoundUp8(mask.Width)) / 8;
    const size_t column = i % static_cast<size_t>(columns), row = i / static_cast<size_t>(columns);
    uint8_t* cell = buffer.data() + row * static_cast<size_t>(layout.CellHeight) * rowBytes +
                    column * static_cast<size_t>(layout.CellWidth) / 8;
    for (int32_t y = 0; y < mask.Height; ++y)
      std::memcpy(cell + static_cast<size_t>(y) * rowBytes, mask.Bits.data() + static_cast<size_t>(y) * maskRowBytes,
                  maskRowBytes);
    mask.Bits = {};
  }
  return buffer;
}

}  // namespace

std::vector<uint8_t> AssembleMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness,
                                   std::span<PieceMask> masks) {
  return PackMasks(layout, columns, thickness, masks.size(), [&](size_t i) -> PieceMask& { return masks[i]; });
}

std::vector<uint8_t> AssembleMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness,
                                   std::span<CutPiece> pieces) {
  return PackMasks(layout, columns, thickness, pieces.size(), [&](size_t i) -> PieceMask& { return pieces[i].Mask; });
}

AtlasLayout LayoutAtlasOf(std::span<const CutPiece> pieces, int32_t columns, int32_t rows) {
  int32_t widest = 0, tallest = 0;
  for (const CutPiece& piece : pieces) {
    widest = std::max(widest, piece.Mask.Width);
    tallest = std::max(tallest, piece.Mask.Height);
  }
  return LayoutAtlas(widest, tallest, columns, rows);
}

}  // namespace quill
