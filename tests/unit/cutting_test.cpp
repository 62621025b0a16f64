// Cutting pieces: the bevel and thickness constants, bevel values, the bevel band
// (ThickLine) and the 4 × 4 reduction on worked examples and against plain
// step-by-step models of their rules on random rasters, rasterising whole pieces
// (unturned and turned), and the packing of masks into atlas cells.
#include "pieces/cutting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "common/random.h"
#include "common/util.h"
#include "pieces/lattice.h"
#include "pieces/templates.h"

namespace quill {
namespace {

// ---- Constants ----

TEST(CuttingConstants, BevelWidthByStyle) {
  struct Case {
    uint32_t style;
    int32_t width4, columns, bevel;
  } cases[] = {
      // general width W4 div (C × 13) = 24, clamped to 12
      {0, 3200, 10, 1}, {1, 3200, 10, 4}, {2, 3200, 10, 6}, {3, 3200, 10, 12}, {4, 3200, 10, 12},
      // general width 6: Foil keeps at most 4, the others 6
      {0, 800, 10, 1}, {1, 800, 10, 4}, {2, 800, 10, 6}, {3, 800, 10, 6}, {4, 800, 10, 6},
      // general width 3, raised to 4
      {0, 400, 10, 1}, {1, 400, 10, 4}, {2, 400, 10, 4}, {3, 400, 10, 4}, {4, 400, 10, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BevelWidth(c.style, c.width4, c.columns), c.bevel) << c.style << " " << c.width4;
}

TEST(CuttingConstants, WoodThicknessClamps) {
  struct Case {
    int32_t width4, columns, thickness;
  } cases[] = {{4 * 4000, 37, 7}, {4 * 100, 10, 1}, {4 * 8000, 2, 20}, {4 * 1500, 10, 10}};
  for (const Case& c : cases) EXPECT_EQ(WoodThickness(c.width4, c.columns), c.thickness) << c.width4;
}

TEST(CuttingConstants, BevelValuesLightTheTopLeft) {
  struct Case {
    int side, dx, dy;
    uint8_t value;
  } cases[] = {
      {0, 10, 0, 32 + 21},         // top, running right: brighter
      {3, 0, 10, 3 * 64 + 32 + 21},  // left, running down: brighter
      {1, 0, 10, 64 + 32 - 21},      // right, running down: darker
      {2, 10, 0, 128 + 32 - 21},     // bottom, running right: darker
      {0, 10, -10, 32 + 30},         // (dx − dy) × 5376 div 3520 = 30, the most there is
      {2, 10, 10, 128 + 32},         // along the light: neutral
      {1, 0, 0, 64 + 32},            // no length: neutral
  };
  for (const Case& c : cases)
    EXPECT_EQ(BevelValue(c.side, c.dx, c.dy), c.value) << c.side << " (" << c.dx << ", " << c.dy << ")";
}

// ---- Bevel bands ----

// The band's rules step by step, on (x, y) with a plain bound test.
void ModelThickLine(std::vector<uint8_t>& raster, int stride, Point start, Point end, uint8_t value, int width) {
  const int dx = end.X - start.X, dy = end.Y - start.Y;
  const int xs = (dx < 0 || (dx == 0 && dy < 0)) ? -1 : 1;
  const int ys = (dy < 0 || (dy == 0 && dx < 0)) ? -1 : 1;
  const bool xMajor = std::abs(dy) <= std::abs(dx);
  const int M = std::max(std::abs(dx), std::abs(dy)), m = std::min(std::abs(dx), std::abs(dy));
  const int t = M - 2 * m;
  const int64_t budget = int64_t{2} * width * ApproxDistance(M, m);
  const int64_t bound = int64_t{stride} * stride;
  auto stepMajor = [&](int& x, int& y, int k) { (xMajor ? x : y) += k * (xMajor ? xs : ys); };
  auto stepMinor = [&](int& x, int& y, int k) { (xMajor ? y : x) += k * (xMajor ? ys : xs); };
  auto parallel = [&](int x, int y, int e0) {
    int err = -e0;
    for (int i = 0; i <= M; ++i) {
      const int64_t at = int64_t{y} * stride + x;
      if (at >= 0 && at < bound && raster[static_cast<size_t>(at)] != 0) raster[static_cast<size_t>(at)] = value;
      stepMajor(x, y, 1);
      if (err > t) {
        stepMinor(x, y, 1);
        err += 2 * (m - M);
      } else {
        err += 2 * m;
      }
    }
  };
  int x = start.X, y = start.Y, perr = 0, e0 = 0;
  int64_t dist = 0;
  while (dist < budget) {
    parallel(x, y, e0);
    if (perr >= t) {
      dist += 2 * m;
      perr -= 2 * M;
      stepMajor(x, y, -1);
      if (e0 < t) {
        e0 += 2 * m;
      } else {
        e0 += 2 * (m - M);
        if (dist > budget) break;
        parallel(x, y, e0);
      }
    }
    stepMinor(x, y, 1);
    dist += 2 * M;
    perr += 2 * m;
  }
}

struct BandRaster {
  explicit BandRaster(int side, uint8_t fill = 1) : raster(static_cast<size_t>(side) * side, fill) {
    bezier.Setup(TBezier::kRasterMode, side, nullptr, raster, 3);
  }
  uint8_t At(int x, int y) const { return raster[static_cast<size_t>(y * bezier.Stride() + x)]; }
  std::vector<uint8_t> raster;
  TBezier bezier;
};

TEST(ThickLine, HorizontalBandsGrowDownRunningRightAndUpRunningLeft) {
  BandRaster right(16), left(16);
  right.bezier.ThickLine({2, 5}, {10, 5}, 9, 3);
  left.bezier.ThickLine({10, 5}, {2, 5}, 9, 3);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool inColumns = x >= 2 && x <= 10;
      EXPECT_EQ(right.At(x, y), inColumns && y >= 5 && y <= 7 ? 9 : 1) << x << "," << y;
      EXPECT_EQ(left.At(x, y), inColumns && y >= 3 && y <= 5 ? 9 : 1) << x << "," << y;
    }
  }
}

TEST(ThickLine, WritesOnlyOverWhatIsDrawn) {
  BandRaster band(16, 0);
  for (int x = 0; x < 16; x += 2) band.raster[static_cast<size_t>(6 * 16 + x)] = 1;  // every other pixel of row 6
  band.bezier.ThickLine({0, 5}, {15, 5}, 9, 3);
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(band.At(x, 6), x % 2 == 0 ? 9 : 0) << x;
    EXPECT_EQ(band.At(x, 5), 0) << x;
  }
}

// Random segments, some reaching past the raster's sides (where the bound and the
// wrap-round of rows apply), on a raster with holes.
TEST(ThickLine, FollowsTheBandRulesForAnySegment) {
  constexpr int kSide = 48;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-6, kSide + 5), width(1, 12), fill(0, 3);
  for (int trial = 0; trial < 2000; ++trial) {
    BandRaster band(kSide);
    for (uint8_t& b : band.raster) b = static_cast<uint8_t>(fill(random));
    std::vector<uint8_t> model = band.raster;
    const Point from{coordinate(random), coordinate(random)}, to{coordinate(random), coordinate(random)};
    const int w = width(random);
    band.bezier.ThickLine(from, to, 200, w);
    ModelThickLine(model, kSide, from, to, 200, w);
    ASSERT_EQ(band.raster, model) << "(" << from.X << ", " << from.Y << ") → (" << to.X << ", " << to.Y << ") width "
                                  << w;
  }
}

// ---- Reduction ----

struct Reduced {
  std::vector<uint8_t> shade, edge, mask;
};

// The reduction's rules pixel by pixel, sub-pixel by sub-pixel.
Reduced ModelReduce(const std::vector<uint8_t>& raster, int stride, int width, int height) {
  const int maskRow = RoundUp8(width) / 8;
  Reduced out{std::vector<uint8_t>(static_cast<size_t>(width * height)),
              std::vector<uint8_t>(static_cast<size_t>(width * height)),
              std::vector<uint8_t>(static_cast<size_t>(maskRow * height), 0xFF)};
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      int sum = 0, n = 0, side = 0;
      bool sideFound = false;
      for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
          const uint8_t f = raster[static_cast<size_t>((4 * j + y) * stride + 4 * i + x)];
          if (f == 0) continue;
          if (!sideFound && f != 32) {
            side = f & 0xC0;
            sideFound = true;
          }
          sum += f & 63;
          if ((f & 63) != 0) ++n;
        }
      }
      if (n > 0) sum /= n;
      const size_t at = static_cast<size_t>(j * width + i);
      out.shade[at] = sum == 32 ? 0 : static_cast<uint8_t>(side | (sum & 63));
      out.edge[at] = n > 0 && n < 16 ? static_cast<uint8_t>(n | side) : 0;
      if (sum > 0) out.mask[static_cast<size_t>(j * maskRow + i / 8)] &= static_cast<uint8_t>(~(0x80 >> (i % 8)));
    }
  }
  return out;
}

Reduced Reduce(const std::vector<uint8_t>& raster, int stride, int width, int height) {
  Reduced out{std::vector<uint8_t>(static_cast<size_t>(width * height)),
              std::vector<uint8_t>(static_cast<size_t>(width * height)),
              std::vector<uint8_t>(static_cast<size_t>(RoundUp8(width) / 8 * height))};
  ReduceSubPixels(raster.data(), stride, width, height, out.shade.data(), out.edge.data(), out.mask.data());
  return out;
}

TEST(Reduction, WorkedBlocks) {
  // Pixel 0: all neutral. 1: four neutral sub-pixels. 2: neutral, then a side-1
  // bevel byte (brightness 11) and a side-2 one (brightness 53): the first non-neutral
  // byte gives the side; the average is (32 + 11 + 53) div 3 = 32, so no shade.
  // 3: eight sub-pixels of side-3 brightness 50. 4: empty.
  constexpr int kStride = 20;
  std::vector<uint8_t> raster(4 * kStride, 0);
  auto set = [&](int x, int y, uint8_t v) { raster[static_cast<size_t>(y * kStride + x)] = v; };
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) set(x, y, 32);
  for (int x = 4; x < 8; ++x) set(x, 3, 32);
  set(8, 0, 32);
  set(9, 0, 64 + 11);
  set(10, 1, 128 + 53);
  for (int y = 2; y < 4; ++y)
    for (int x = 12; x < 16; ++x) set(x, y, 192 + 50);
  const Reduced r = Reduce(raster, kStride, 5, 1);
  EXPECT_EQ(r.shade, (std::vector<uint8_t>{0, 0, 0, 192 + 50, 0}));
  EXPECT_EQ(r.edge, (std::vector<uint8_t>{0, 4, 64 + 3, 192 + 8, 0}));
  EXPECT_EQ(r.mask, (std::vector<uint8_t>{0b00001111}));
}

// Random rasters made of runs of empty, neutral and bevel bytes, so that both the
// uniform runs and the mixed blocks occur, in widths that are not whole mask bytes.
TEST(Reduction, FollowsTheRulesOnRandomRasters) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> kind(0, 9), value(1, 255), size(1, 37);
  for (int trial = 0; trial < 300; ++trial) {
    const int width = size(random), height = size(random) % 9 + 1, stride = 4 * width + 5;
    std::vector<uint8_t> raster(static_cast<size_t>(stride * 4 * height));
    for (size_t at = 0; at < raster.size();) {
      const int k = kind(random);
      const size_t run = static_cast<size_t>(size(random));
      const uint8_t v = k < 4 ? 0 : k < 8 ? 32 : static_cast<uint8_t>(value(random));
      for (size_t i = 0; i < run && at < raster.size(); ++i, ++at) raster[at] = k == 9 ? static_cast<uint8_t>(value(random)) : v;
    }
    const Reduced expected = ModelReduce(raster, stride, width, height);
    const Reduced actual = Reduce(raster, stride, width, height);
    ASSERT_EQ(actual.shade, expected.shade) << "trial " << trial;
    ASSERT_EQ(actual.edge, expected.edge) << "trial " << trial;
    ASSERT_EQ(actual.mask, expected.mask) << "trial " << trial;
  }
}

// ---- Whole pieces ----

PieceSides Rectangle(int16_t l, int16_t t, int16_t r, int16_t b) {
  PieceSides sides;
  sides[0] = {2, {SidePoint{l, t}, SidePoint{r, t}}};
  sides[1] = {2, {SidePoint{r, t}, SidePoint{r, b}}};
  sides[2] = {2, {SidePoint{l, b}, SidePoint{r, b}}};
  sides[3] = {2, {SidePoint{l, t}, SidePoint{l, b}}};
  return sides;
}

uint8_t At(std::span<const uint8_t> image, int width, int x, int y) {
  return image[static_cast<size_t>(y * width + x)];
}
bool Inside(const PieceImage& image, int x, int y) {
  return (image.Mask[static_cast<size_t>(y * image.MaskRowBytes + x / 8)] & (0x80 >> (x % 8))) == 0;
}

// A 36 × 36 sub-pixel square from (2, 2) covers half of its border pixels and a
// quarter of its corners.
TEST(RasterisePiece, SquareCoverageAndBevel) {
  TPieceCutter cutter(4);
  const PieceImage image = cutter.RasterisePiece(Rectangle(2, 2, 37, 37), 0);
  ASSERT_EQ(image.X, 0);
  ASSERT_EQ(image.Y, 0);
  ASSERT_EQ(image.Width, 10);
  ASSERT_EQ(image.Height, 10);
  EXPECT_EQ(At(image.Edge, 10, 0, 0) & 63, 4);
  EXPECT_EQ(At(image.Edge, 10, 5, 0), 8);                // top side, half covered
  EXPECT_EQ(At(image.Edge, 10, 9, 5) & 63, 8);           // right side
  EXPECT_EQ(At(image.Edge, 10, 9, 5) >> 6, 1);
  EXPECT_EQ(At(image.Edge, 10, 5, 5), 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(Inside(image, x, y)) << x << "," << y;
  // The bevel band is 4 sub-pixels wide: brighter along the top and left, darker
  // along the bottom and right, nothing in the middle.
  EXPECT_GT(At(image.Shade, 10, 5, 1) & 63, 32);
  EXPECT_GT(At(image.Shade, 10, 1, 5) & 63, 32);
  EXPECT_LT(At(image.Shade, 10, 5, 8) & 63, 32);
  EXPECT_LT(At(image.Shade, 10, 8, 5) & 63, 32);
  EXPECT_EQ(At(image.Shade, 10, 5, 5), 0);
  EXPECT_EQ(At(image.Shade, 10, 5, 8) >> 6, 2);
}

// Piece 5 (second row, second column) of a 4 × 3 Classic lattice over 240 × 180
// pixels: a middle piece, with a knob or a hole on every side.
PieceSides ClassicPiece() {
  LatticeSettings settings;
  settings.Columns = 4;
  settings.Rows = 3;
  settings.ScaledWidth = 240;
  settings.ScaledHeight = 180;
  settings.Oddness = 5;
  settings.PieceStyle = 1;
  TTemplates none;
  TLattice lattice(settings, none);
  SetRandSeed(1);
  lattice.Generate();
  PieceSides sides;
  lattice.BuildPieceSides(5, sides);
  return sides;
}

struct Copied {
  int x, y, width, height, maskRow;
  std::vector<uint8_t> shade, edge, mask;
  explicit Copied(const PieceImage& i)
      : x(i.X), y(i.Y), width(i.Width), height(i.Height), maskRow(i.MaskRowBytes), shade(i.Shade.begin(), i.Shade.end()),
        edge(i.Edge.begin(), i.Edge.end()), mask(i.Mask.begin(), i.Mask.end()) {}
  bool Inside(int px, int py) const { return (mask[static_cast<size_t>(py * maskRow + px / 8)] & (0x80 >> (px % 8))) == 0; }
  uint8_t Edge(int px, int py) const { return edge[static_cast<size_t>(py * width + px)]; }
  // Mean brightness − 32 of the shaded pixels in a rectangle of the piece.
  double Light(int x0, int y0, int x1, int y1) const {
    double sum = 0;
    int n = 0;
    for (int py = y0; py < y1; ++py)
      for (int px = x0; px < x1; ++px)
        if (const uint8_t s = shade[static_cast<size_t>(py * width + px)]; s != 0) {
          sum += (s & 63) - 32;
          ++n;
        }
    return n == 0 ? 0 : sum / n;
  }
  friend bool operator==(const Copied&, const Copied&) = default;
};

// Where (px, py) of the unturned piece lands after k quarter turns clockwise.
std::pair<int, int> Turned(int k, int px, int py, int width, int height) {
  switch (k) {
    case 1: return {height - 1 - py, px};
    case 2: return {width - 1 - px, height - 1 - py};
    case 3: return {py, width - 1 - px};
    default: return {px, py};
  }
}

TEST(RasterisePiece, TurnedPiecesKeepTheirShapeAndTheLightFromTheTopLeft) {
  const PieceSides sides = ClassicPiece();
  TPieceCutter cutter(8);
  const Copied flat(cutter.RasterisePiece(sides, 0));
  for (int k = 0; k < 4; ++k) {
    const Copied turned(cutter.RasterisePiece(sides, k));
    EXPECT_EQ(turned.x, flat.x) << k;
    EXPECT_EQ(turned.y, flat.y) << k;
    EXPECT_EQ(turned.width, k % 2 == 0 ? flat.width : flat.height) << k;
    EXPECT_EQ(turned.height, k % 2 == 0 ? flat.height : flat.width) << k;
    // Each pixel of the unturned piece maps onto one turned pixel: away from the
    // outline both agree on inside and outside.
    for (int py = 0; py < flat.height; ++py) {
      for (int px = 0; px < flat.width; ++px) {
        const auto [tx, ty] = Turned(k, px, py, flat.width, flat.height);
        if (flat.Edge(px, py) != 0 || turned.Edge(tx, ty) != 0) continue;
        ASSERT_EQ(turned.Inside(tx, ty), flat.Inside(px, py)) << "turn " << k << " at " << px << "," << py;
      }
    }
    // The bevel is lit anew: bright at the top and left, dark at the bottom and right.
    const int w = turned.width, h = turned.height;
    EXPECT_GT(turned.Light(w / 3, 0, 2 * w / 3, h / 2), 0) << k;
    EXPECT_LT(turned.Light(w / 3, h / 2, 2 * w / 3, h), 0) << k;
    EXPECT_GT(turned.Light(0, h / 3, w / 2, 2 * h / 3), 0) << k;
    EXPECT_LT(turned.Light(w / 2, h / 3, w, 2 * h / 3), 0) << k;
  }
}

TEST(RasterisePiece, LeavesTheScratchClearForTheNextPiece) {
  const PieceSides piece = ClassicPiece();
  TPieceCutter cutter(12);
  const Copied first(cutter.RasterisePiece(piece, 0));
  cutter.RasterisePiece(Rectangle(1, 3, 90, 70), 3);
  const Copied again(cutter.RasterisePiece(piece, 0));
  EXPECT_EQ(first, again);
}

// ---- Atlas layout and mask packing ----

TEST(AtlasLayout, SquareCellsRoundedTo8AndAtlasWidthTo16) {
  struct Case {
    int32_t widest, tallest, columns, rows;
    AtlasLayout layout;
  } cases[] = {
      {37, 50, 3, 2, {56, 56, 176, 112}},    // 3 × 56 = 168 → 176
      {64, 60, 5, 4, {64, 64, 320, 256}},
      {100, 20, 7, 1, {104, 104, 736, 104}},  // wide pieces still get square cells
      {1, 1, 1, 1, {8, 8, 16, 8}},
  };
  for (const Case& c : cases) {
    const AtlasLayout l = LayoutAtlas(c.widest, c.tallest, c.columns, c.rows);
    EXPECT_EQ(l.CellWidth, c.layout.CellWidth) << c.widest;
    EXPECT_EQ(l.CellHeight, c.layout.CellHeight) << c.widest;
    EXPECT_EQ(l.AtlasWidth, c.layout.AtlasWidth) << c.widest;
    EXPECT_EQ(l.AtlasHeight, c.layout.AtlasHeight) << c.widest;
  }
}

TEST(AssembleMasks, EachMaskGoesToItsCellWithSpareRowsBelow) {
  // 3 × 2 pieces in 16-pixel cells; atlas 48 → 48 pixels wide (6 bytes), 32 rows.
  const AtlasLayout layout = LayoutAtlas(12, 16, 3, 2);
  ASSERT_EQ(layout.AtlasWidth, 48);
  std::vector<PieceMask> masks;
  for (uint8_t i = 0; i < 6; ++i) {
    // Piece i: width 9 + i pixels (2 bytes a row), 3 rows, each byte = i.
    masks.push_back({9 + i, 3, std::vector<uint8_t>(6, i)});
  }
  const std::vector<uint8_t> buffer = AssembleMasks(layout, 3, 5, masks);
  ASSERT_EQ(buffer.size(), 6u * (32 + 5));
  for (size_t row = 0; row < 37; ++row) {
    for (size_t byte = 0; byte < 6; ++byte) {
      const size_t piece = (row / 16) * 3 + byte / 2;
      const bool covered = row < 32 && row % 16 < 3;
      EXPECT_EQ(buffer[row * 6 + byte], covered ? piece : 0xFF) << row << "," << byte;
    }
  }
  EXPECT_TRUE(masks[4].Bits.empty());  // released once packed
}

}  // namespace
}  // namespace quill
