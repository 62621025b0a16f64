// Cutting pieces out of the picture: one piece outline at a time is drawn, filled and
// bevelled at four times the picture's resolution in a scratch raster, then reduced
// 4 × 4 → 1 into the piece's mask, bevel shading and edge coverage; the masks of all
// pieces are then packed into one buffer at their atlas cells. CutOutlines runs it
// for many pieces on several threads, for the game object's CutPieces and for the
// cut made ahead at the start; the piece drawing reads what it leaves behind.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "common/config.h"
#include "pieces/bezier.h"
#include "pieces/polyfill.h"
#include "pieces/side_points.h"
#include "pieces/sprite.h"

namespace quill {

// Outlines are drawn at this many sub-pixels per picture pixel on each axis.
constexpr int kSupersampling = 4;
// Outline and fill value of a sub-pixel inside the piece: neutral brightness, side 0.
constexpr uint8_t kNeutralSubPixel = 32;
// A bevel segment's brightness is (dx − dy) × kLightScale ÷ its length (in 1/256).
constexpr int32_t kLightScale = 5376;

// The bevel band's width in sub-pixels for an outline style (0 None .. 4 Wood), from
// W4 (four times the cut picture's width) and the column count.
int32_t BevelWidth(uint32_t outlineStyle, int32_t width4, int32_t columns);
// The wood edge's thickness in pixels (`Thickness`).
int32_t WoodThickness(int32_t width4, int32_t columns);
// The largest extent (PieceExtent) a piece may have: three cells of the grid, as far
// as a piece of any style reaches; only a damaged template makes it larger.
int32_t LargestPieceExtent(int32_t width4, int32_t height4, int32_t columns, int32_t rows);
// The value a bevel segment of `side` running (dx, dy) writes into the raster: bits
// 6–7 the side, bits 0–5 the brightness 32 + l for sides 0 and 1 and 32 − l for
// sides 2 and 3, with l = (dx − dy) × kLightScale ÷ the segment's length in 1/256
// (|l| ≤ 30). Outlines run clockwise on sides 0 and 1 and against it on 2 and 3, so
// top and left come out brighter and bottom and right darker: light from the top left.
uint8_t BevelValue(int side, int dx, int dy);

// One piece after reduction: its rectangle in picture pixels and its three images,
// valid until the cutter's next piece.
struct PieceImage {
  int32_t X = 0;  // top-left in picture pixels (the solved place)
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  // Width × Height bytes each, rows Width bytes apart. Shade: 0 or side bits and
  // brightness; edge: 0 or side bits and coverage 1..15 of 16.
  std::span<const uint8_t> Shade;
  std::span<const uint8_t> Edge;
  // MaskRowBytes × Height bytes: 1 bit per pixel, most significant first, 0 = inside.
  std::span<const uint8_t> Mask;
  int32_t MaskRowBytes = 0;
};

// The 4 × 4 → 1 reduction: each of width × height pixels sums its 16 sub-pixels F of
// `raster` (rows `stride` apart; pixel (i, j) covers columns 4i..4i+3 of rows
// 4j..4j+3). Over the non-zero F: the side bits of the first F ≠ 32 in row order,
// the count n of F with (F and 63) ≠ 0 and the average of (F and 63). Shade byte: 0
// when the average is 32, else the side bits and the average; edge byte: n and the
// side bits when 0 < n < 16, else 0; mask bit: 0 (inside) when the average is above
// 0. Shade and edge rows are `width` bytes apart, mask rows RoundUp8(width) ÷ 8.
void ReduceSubPixels(const uint8_t* raster, ptrdiff_t stride, int32_t width, int32_t height, uint8_t* shade,
                     uint8_t* edge, uint8_t* mask);

// The largest of a piece's width and height in sub-pixels, over its outline points.
int32_t PieceExtent(const PieceSides& sides);

// The scratch state of cutting: the supersampled raster and the reduced buffers of
// one piece. One cutter serves one thread; it can cut any number of pieces.
class TPieceCutter {
 public:
  explicit TPieceCutter(int32_t bevelWidth);
  TPieceCutter(const TPieceCutter&) = delete;
  TPieceCutter& operator=(const TPieceCutter&) = delete;

  // Makes room for pieces up to `extent` sub-pixels wide and high. Every cutter of
  // one cutting is given the same room.
  void Reserve(int32_t extent);
  // Draws the outline of `sides` turned by `rotation` quarter turns clockwise, fills
  // it, draws the bevels and reduces the raster; the raster is clear again
  // afterwards. The piece must fit the reserved room.
  PieceImage RasterisePiece(const PieceSides& sides, int rotation);

  int32_t RasterSide() const { return side_; }

  // The rectangle of all outline points, edges included; all zero without points.
  struct Box {
    int32_t L, T, R, B;
  };
  static Box Bounds(const PieceSides& sides);

 private:
  // Turns the outline and moves it into the first 4 × 4 block; returns the rectangle
  // after turning (before the move).
  Box PlaceOutline(const PieceSides& sides, int rotation, PieceSides& placed) const;
  void DrawOutline(const PieceSides& placed);
  void DrawBevels(const PieceSides& placed);
  void Reduce(int32_t width, int32_t height);
  void ClearRaster(int32_t width, int32_t height);

  int32_t bevelWidth_;
  int32_t side_ = 0;  // the raster is side_ × side_ bytes
  std::vector<uint8_t> raster_;
  std::vector<uint8_t> shade_;
  std::vector<uint8_t> edge_;
  std::vector<uint8_t> mask_;
  TBezier bezier_;
  TPolyFill fill_;
};

// Cell and atlas sizes from the widest and tallest piece: square cells rounded up
// to 8 pixels, atlas width rounded up to 16.
struct AtlasLayout {
  int32_t CellWidth = 0;
  int32_t CellHeight = 0;
  int32_t AtlasWidth = 0;
  int32_t AtlasHeight = 0;
};
AtlasLayout LayoutAtlas(int32_t widest, int32_t tallest, int32_t columns, int32_t rows);

// One piece's mask until it is packed: rows of RoundUp8(Width) ÷ 8 bytes.
struct PieceMask {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Bits;
};

// One piece as cut: its box in the picture (X, Y and the mask's size), its mask and
// its bevel shading and edge coverage encoded as sprites.
struct CutPiece {
  int32_t X = 0;
  int32_t Y = 0;
  PieceMask Mask;
  SpriteBlock Shade;
  SpriteBlock Edge;
};

// Cuts outline k turned by rotations[k] quarter turns, for every k, on `threads`
// threads; `done` hears how many pieces are cut so far (from the calling thread).
// The pieces depend on nothing but the outlines, the turns and the bevel width.
std::vector<CutPiece> CutOutlines(std::span<const PieceSides> outlines, std::span<const uint8_t> rotations,
                                  int32_t bevelWidth, int threads,
                                  const std::function<void(size_t finished)>& done = {});
// The same with the outlines made by the workers themselves: outline(worker, k,
// sides) fills piece k's outline; rotations.size() pieces are cut.
using OutlineSource = std::function<void(int worker, size_t k, PieceSides& sides)>;
std::vector<CutPiece> CutOutlines(const OutlineSource& outline, std::span<const uint8_t> rotations,
                                  int32_t bevelWidth, int threads,
                                  const std::function<void(size_t finished)>& done = {});

// The packed masks of all pieces (`MaskBuffer`): AtlasWidth ÷ 8 bytes a row,
// AtlasHeight + thickness rows, all ones (outside) except where piece i's mask is
// copied to its cell (column i mod columns, row i div columns). The masks are
// released as they are packed.
std::vector<uint8_t> AssembleMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness,
                                   std::span<PieceMask> masks);
// The same for pieces as cut, in index order; their masks' bits are released.
std::vector<uint8_t> AssembleMasks(const AtlasLayout& layout, int32_t columns, int32_t thickness,
                                   std::span<CutPiece> pieces);
// The layout for pieces as cut: from the widest and the tallest mask.
AtlasLayout LayoutAtlasOf(std::span<const CutPiece> pieces, int32_t columns, int32_t rows);

}  // namespace quill
