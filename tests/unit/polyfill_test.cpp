// The polygon filler on hand-worked outlines: spans include their left end and leave
// out their right end, edges leave out their lowest row, horizontal segments and
// one-point sides add nothing, open outlines stop at the last edge, and pieces that
// share their sides tile a square with every pixel filled exactly once.
#include "pieces/polyfill.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quill {
namespace {

using Rows = std::vector<std::string>;
using Side = std::vector<SidePoint>;

SidePoints MakeSide(const Side& points) {
  SidePoints side;
  side.Count = static_cast<int32_t>(points.size());
  for (size_t i = 0; i < points.size(); ++i) side.Points[i] = points[i];
  return side;
}

PieceSides MakeSides(const Side& top, const Side& right, const Side& bottom, const Side& left) {
  return {MakeSide(top), MakeSide(right), MakeSide(bottom), MakeSide(left)};
}

// A width × height raster with a guard band on both sides that must stay untouched.
struct Raster {
  static constexpr size_t kGuard = 64;
  static constexpr uint8_t kGuardByte = 0xEE;
  int width, height;
  std::vector<uint8_t> bytes;

  Raster(int w, int h) : width(w), height(h), bytes(static_cast<size_t>(w) * h + 2 * kGuard, 0) {
    std::fill_n(bytes.begin(), kGuard, kGuardByte);
    std::fill_n(bytes.end() - kGuard, kGuard, kGuardByte);
  }
  uint8_t* Pixels() { return bytes.data() + kGuard; }
  uint8_t At(int x, int y) const { return bytes[kGuard + static_cast<size_t>(y) * width + x]; }
  void Fill(const PieceSides& sides, uint8_t pen = 1) { PolyFill.FillSides(sides, Pixels(), pen, width, height); }
  bool GuardsIntact() const {
    for (size_t i = 0; i < kGuard; ++i)
      if (bytes[i] != kGuardByte || bytes[bytes.size() - 1 - i] != kGuardByte) return false;
    return true;
  }
  Rows Text() const {
    Rows rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) row += At(x, y) ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  }
};

struct FillCase {
  const char* what;
  PieceSides sides;
  Rows filled;
};

TEST(PolyFill, FillsHandWorkedOutlines) {
  const std::vector<FillCase> cases{
      // Straight top and bottom sides add no edges; the left and right sides close it.
      {"square", MakeSides({{2, 1}, {6, 1}}, {{6, 1}, {6, 5}}, {{2, 5}, {6, 5}}, {{2, 1}, {2, 5}}),
       {"........", "..####..", "..####..", "..####..", "..####..", "........"}},
      // One-point top side, slopes of one pixel per row, a flat bottom.
      {"triangle", MakeSides({{4, 0}}, {{4, 0}, {8, 4}}, {{0, 4}, {8, 4}}, {{4, 0}, {0, 4}}),
       {".........", "...##....", "..####...", ".######..", "........."}},
      // Right edge 1.5 pixels per row (whole step plus remainder), left edge 0.75 per
      // row leaning left: x = 4, 6, 7, 9 and 4, 4, 3, 2.
      {"uneven slopes", MakeSides({{4, 0}}, {{4, 0}, {10, 4}}, {{1, 4}, {10, 4}}, {{4, 0}, {1, 4}}),
       {"...........", "....##.....", "...####....", "..#######..", "..........."}},
      // Top and bottom sides carry all four edges; left and right are single points.
      // The vertices at (0, 4) and (8, 4) belong to the lower edges only.
      {"diamond", MakeSides({{0, 4}, {4, 0}, {8, 4}}, {{8, 4}}, {{0, 4}, {4, 8}, {8, 4}}, {{0, 4}}),
       {".........", "...##....", "..####...", ".######..", "########.", ".######..", "..####...", "...##....",
        "........."}},
      // A notch in the top side down to (3, 3), where its two edges meet. On row 0 the
      // notch edges start at the corners, so the row is empty.
      {"notched top", MakeSides({{0, 0}, {3, 3}, {6, 0}}, {{6, 0}, {6, 5}}, {{0, 5}, {6, 5}}, {{0, 0}, {0, 5}}),
       {"......", "#....#", "##..##", "######", "######", "......"}},
      {"no points", MakeSides({}, {}, {}, {}), {"....", "...."}},
      {"only single points", MakeSides({{0, 0}}, {{3, 0}}, {{0, 1}}, {{3, 1}}), {"....", "...."}},
  };
  for (const FillCase& c : cases) {
    Raster raster(static_cast<int>(c.filled.at(0).size()), static_cast<int>(c.filled.size()));
    raster.Fill(c.sides);
    EXPECT_EQ(raster.Text(), c.filled) << c.what;
  }
}

TEST(PolyFill, WritesThePenByteAndLeavesOtherBytesAlone) {
  Raster raster(6, 4);
  std::fill_n(raster.Pixels(), 24, uint8_t{7});
  raster.Fill(MakeSides({{1, 1}, {4, 1}}, {{4, 1}, {4, 3}}, {{1, 3}, {4, 3}}, {{1, 1}, {1, 3}}), 0xA5);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(raster.At(x, y), (x >= 1 && x < 4 && y >= 1 && y < 3) ? 0xA5 : 7) << x << "," << y;
}

// The winding sum stays non-zero past the last edge; nothing is filled beyond it.
TEST(PolyFill, OpenOutlineStopsAtTheLastEdge) {
  Raster raster(10, 3);
  raster.Fill(MakeSides({{8, 0}, {8, 2}}, {{5, 0}, {5, 2}}, {}, {{2, 0}, {2, 2}}));
  EXPECT_EQ(raster.Text(), (Rows{"..###.....", "..###.....", ".........."}));
}

TEST(PolyFill, ClipsToTheRaster) {
  Raster raster(6, 4);
  raster.Fill(MakeSides({{-3, -2}, {9, -2}}, {{9, -2}, {9, 7}}, {{-3, 7}, {9, 7}}, {{-3, -2}, {-3, 7}}));
  EXPECT_EQ(raster.Text(), (Rows(4, "######")));
  EXPECT_TRUE(raster.GuardsIntact());

  Raster beside(6, 4);
  beside.Fill(MakeSides({{20, 1}, {30, 1}}, {{30, 1}, {30, 3}}, {{20, 3}, {30, 3}}, {{20, 1}, {20, 3}}));
  beside.Fill(MakeSides({{1, 10}, {4, 10}}, {{4, 10}, {4, 30}}, {{1, 30}, {4, 30}}, {{1, 10}, {1, 30}}));
  EXPECT_EQ(beside.Text(), (Rows(4, "......")));
  EXPECT_TRUE(beside.GuardsIntact());
}

// A knob with a narrow neck and a wider head, as piece sides have: along the side
// from 0 to 20, bulging up to 6 across it. The neck makes the outline concave and
// the head makes it turn back on itself in both directions.
const std::vector<SidePoint> kKnob{{0, 0}, {8, 0}, {9, 2}, {7, 4}, {8, 6}, {12, 6}, {13, 4}, {11, 2}, {12, 0}, {20, 0}};

constexpr int kCell = 20;
constexpr int kOrigin = 2;

// A side between two cells running along x at height y (bulging by `bulge` times
// the knob), or along y at x.
Side AlongX(int x0, int y, int bulge) {
  Side side;
  for (const SidePoint& p : kKnob)
    side.push_back({static_cast<int16_t>(x0 + p.X), static_cast<int16_t>(y + bulge * p.Y)});
  return side;
}
Side AlongY(int x, int y0, int bulge) {
  Side side;
  for (const SidePoint& p : kKnob)
    side.push_back({static_cast<int16_t>(x + bulge * p.Y), static_cast<int16_t>(y0 + p.X)});
  return side;
}
Side Straight(int x0, int y0, int x1, int y1) {
  return {{static_cast<int16_t>(x0), static_cast<int16_t>(y0)}, {static_cast<int16_t>(x1), static_cast<int16_t>(y1)}};
}

// Piece (row, col) of a 2 × 2 puzzle whose inner sides carry knobs: the middle
// vertical line bulges right in row 0 and left in row 1, the middle horizontal line
// down in column 0 and up in column 1. Neighbours use the very same point lists.
PieceSides GridPiece(int row, int col) {
  const int left = kOrigin + col * kCell, top = kOrigin + row * kCell;
  const int right = left + kCell, bottom = top + kCell;
  const int middle = kOrigin + kCell;
  const auto horizontal = [&](int y) { return y == middle ? AlongX(left, y, col == 0 ? 1 : -1) : Straight(left, y, right, y); };
  const auto vertical = [&](int x) { return x == middle ? AlongY(x, top, row == 0 ? 1 : -1) : Straight(x, top, x, bottom); };
  return MakeSides(horizontal(top), vertical(right), horizontal(bottom), vertical(left));
}

TEST(PolyFill, PiecesSharingTheirSidesTileWithoutGapsOrOverlaps) {
  constexpr int kSize = 2 * kOrigin + 2 * kCell;
  std::vector<int> coverage(kSize * kSize, 0);
  std::vector<Raster> pieces;
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col) {
      Raster& raster = pieces.emplace_back(kSize, kSize);
      raster.Fill(GridPiece(row, col));
      for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) coverage[y * kSize + x] += raster.At(x, y);
    }
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const bool inside = x >= kOrigin && x < kOrigin + 2 * kCell && y >= kOrigin && y < kOrigin + 2 * kCell;
      ASSERT_EQ(coverage[y * kSize + x], inside ? 1 : 0) << "pixel " << x << "," << y;
    }

  // Each knob belongs to the piece it sticks out of (pieces numbered row by row).
  struct Owner {
    int x, y, piece;
  };
  const int middle = kOrigin + kCell;
  for (const Owner& o : std::initializer_list<Owner>{
           {middle + 5, kOrigin + 10, 0},          // head of the knob right of piece 0
           {middle - 5, kOrigin + kCell + 10, 3},  // head of the knob left of piece 3
           {kOrigin + 10, middle + 5, 0},          // head of the knob below piece 0
           {kOrigin + kCell + 10, middle - 5, 3},  // head of the knob above piece 3
           {middle + 1, kOrigin + 10, 0},          // in the neck of piece 0's right knob
           {middle + 1, kOrigin + 5, 1},           // beside that neck
       })
    EXPECT_EQ(pieces[static_cast<size_t>(o.piece)].At(o.x, o.y), 1) << o.x << "," << o.y;
}

}  // namespace
}  // namespace quill
