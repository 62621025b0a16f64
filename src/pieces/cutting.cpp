#include "pieces/cutting.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "common/util.h"

namespace quill {
namespace {

// Outline styles whose bevel is narrower than the general one.
constexpr uint32_t kOutlineNone = 0;
constexpr uint32_t kOutlineFoil = 1;
constexpr uint32_t kOutlinePaper = 2;

// Bytes left free round the largest piece in the scratch raster. Bevel bands reach
// a few sub-pixels past the ends of their segments; the margin keeps the raster's
// row ends clear, so nothing a band draws there can wrap into a neighbouring row.
constexpr int32_t kRasterMargin = 32;

// Placed outlines keep 16-bit coordinates.
constexpr int32_t kMaxPieceExtent = 32767 - kRasterMargin - 16;

constexpr int32_t kBlock = kSupersampling;
constexpr int32_t kBlockPixels = kBlock * kBlock;
constexpr uint8_t kSideBits = 0xC0;
constexpr uint8_t kLevelBits = 0x3F;
constexpr uint32_t kNeutralRow = 0x01010101u * kNeutralSubPixel;

// Remainder of truncating division by 4 (negative for negative v).
int32_t Mod4(int32_t v) { return v % 4; }
// Remainder of floor division by 4 (always 0..3).
int32_t FloorMod4(int32_t v) { return ((v % 4) + 4) % 4; }
// Floor division by 4.
int32_t FloorDiv4(int32_t v) { return (v - FloorMod4(v)) / 4; }

int PointCount(const SidePoints& side) { return std::clamp(side.Count, 0, kMaxSidePoints); }

uint32_t LoadRow(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
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

uint8_t BevelValue(int side, int dx, int dy) {
  const int32_t major = std::max(std::abs(dx), std::abs(dy));
  const int32_t minor = std::min(std::abs(dx), std::abs(dy));
  const int32_t length = ApproxDistance(major * 256, minor * 256);
  const int32_t light = length == 0 ? 0 : (dx - dy) * kLightScale / length;
  const int32_t value = (side == 2 || side == 3 ? -light : light) + side * 64 + kNeutralSubPixel;
  return static_cast<uint8_t>(value == 0 ? 1 : value);
}

int32_t PieceExtent(const PieceSides& sides) {
  bool any = false;
  int32_t l = 0, t = 0, r = 0, b = 0;
  for (const SidePoints& side : sides) {
    for (int i = 0; i < PointCount(side); ++i) {
      const SidePoint p = side.Points[static_cast<size_t>(i)];
      if (!any) {
        l = r = p.X;
        t = b = p.Y;
        any = true;
      }
      l = std::min<int32_t>(l, p.X);
      r = std::max<int32_t>(r, p.X);
      t = std::min<int32_t>(t, p.Y);
      b = std::max<int32_t>(b, p.Y);
    }
  }
  return std::max(r - l, b - t) + 1;
}

// ---- TPieceCutter ----

TPieceCutter::TPieceCutter(int32_t bevelWidth) : bevelWidth_(bevelWidth) {}

void TPieceCutter::Reserve(int32_t extent) {
  // Points are 16-bit; so is the room of one piece.
  if (extent > kMaxPieceExtent) throw std::length_error("piece too large to cut");
  // The outline starts within the first block, so it needs up to 3 more.
  const int32_t side = RoundUp16(std::max(extent, 1) + kBlock + kRasterMargin);
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
  const auto [L, T, R, B] = box;

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

  // Into the first 4 × 4 block of the raster, keeping each point's place within its block.
  const int32_t ox = FloorMod4(turned.L) - turned.L, oy = FloorMod4(turned.T) - turned.T;
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

// Each picture pixel sums its 16 sub-pixels: the average brightness of the covered
// ones gives the shade, their count the edge coverage, any cover makes it inside.
// Blocks wholly outside or wholly inside with neutral brightness — most of a piece —
// are recognised four bytes at a time.
void TPieceCutter::Reduce(int32_t width, int32_t height) {
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  const int32_t maskRowBytes = RoundUp8(width) / 8;
  if (shade_.size() < pixels) {
    shade_.resize(pixels);
    edge_.resize(pixels);
  }
  if (mask_.size() < static_cast<size_t>(maskRowBytes) * static_cast<size_t>(height))
    mask_.resize(static_cast<size_t>(maskRowBytes) * static_cast<size_t>(height));

  const ptrdiff_t stride = side_;
  for (int32_t j = 0; j < height; ++j) {
    const uint8_t* row = raster_.data() + static_cast<ptrdiff_t>(j) * kBlock * stride;
    uint8_t* shade = shade_.data() + static_cast<ptrdiff_t>(j) * width;
    uint8_t* edge = edge_.data() + static_cast<ptrdiff_t>(j) * width;
    uint8_t* mask = mask_.data() + static_cast<ptrdiff_t>(j) * maskRowBytes;
    std::memset(mask, 0xFF, static_cast<size_t>(maskRowBytes));
    for (int32_t i = 0; i < width; ++i) {
      const uint8_t* block = row + static_cast<ptrdiff_t>(i) * kBlock;
      const uint32_t r0 = LoadRow(block), r1 = LoadRow(block + stride), r2 = LoadRow(block + 2 * stride),
                     r3 = LoadRow(block + 3 * stride);
      bool inside;
      if ((r0 | r1 | r2 | r3) == 0) {
        shade[i] = edge[i] = 0;
        inside = false;
      } else if (r0 == kNeutralRow && r1 == kNeutralRow && r2 == kNeutralRow && r3 == kNeutralRow) {
        shade[i] = edge[i] = 0;
        inside = true;
      } else {
        ReduceBlock(block, shade[i], edge[i], inside);
      }
      if (inside) mask[i >> 3] = static_cast<uint8_t>(mask[i >> 3] & ~(0x80u >> (i & 7)));
    }
  }
}

void TPieceCutter::ReduceBlock(const uint8_t* block, uint8_t& shade, uint8_t& edge, bool& inside) const {
  int32_t sum = 0, count = 0;
  int32_t sideBits = -1;
  for (int32_t y = 0; y < kBlock; ++y) {
    const uint8_t* p = block + static_cast<ptrdiff_t>(y) * side_;
    for (int32_t x = 0; x < kBlock; ++x) {
      const uint8_t f = p[x];
      if (f == 0) continue;
      if (sideBits < 0 && f != kNeutralSubPixel) sideBits = f & kSideBits;
      sum += f & kLevelBits;
      if ((f & kLevelBits) != 0) ++count;
    }
  }
  const uint8_t side = static_cast<uint8_t>(std::max(sideBits, 0));
  if (count > 0) sum /= count;
  shade = sum == kNeutralSubPixel ? 0 : static_cast<uint8_t>(side | (sum & kLevelBits));
  edge = count > 0 && count < kBlockPixels ? static_cast<uint8_t>(count | side) : 0;
  inside = sum > 0;
}

void TPieceCutter::ClearRaster(int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * kBlock;
  for (int32_t y = 0; y < height * kBlock; ++y)
    std::memset(raster_.data() + static_cast<ptrdiff_t>(y) * side_, 0, bytes);
}

// ---- Cutting on several threads ----

int DefaultCutThreads() { return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)); }

void CutEachPiece(size_t count, int threads, int32_t bevelWidth, int32_t extent,
                  const std::function<void(TPieceCutter&, size_t)>& cutOne, const std::function<void(size_t)>& done) {
  std::atomic<size_t> next{0}, finished{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  const auto work = [&](bool reports) {
    try {
      TPieceCutter cutter(bevelWidth);
      cutter.Reserve(extent);
      for (size_t k = next++; k < count; k = next++) {
        cutOne(cutter, k);
        const size_t n = ++finished;
        if (reports && done) done(n);
      }
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failureLock);
      if (!failure) failure = std::current_exception();
      next = count;  // the others stop after their current piece
    }
  };
  const size_t helpers = std::min(static_cast<size_t>(std::max(threads, 1) - 1), count > 0 ? count - 1 : 0);
  std::vector<std::thread> pool;
  pool.reserve(helpers);
  for (size_t i = 0; i < helpers; ++i) {
    try {
      pool.emplace_back(work, false);
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the ones running finish the work
    }
  }
  work(true);
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
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

std::vector<uint8_t> AssembleMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness,
                                   std::span<PieceMask> masks) {
  const size_t rowBytes = static_cast<size_t>(layout.AtlasWidth) / 8;
  std::vector<uint8_t> buffer(rowBytes * static_cast<size_t>(layout.AtlasHeight + std::max(thickness, 0)), 0xFF);
  for (size_t i = 0; i < masks.size(); ++i) {
    PieceMask& mask = masks[i];
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

}  // namespace quill
