// Drawing pieces: the mask atlas rendered after a cutting, the pieces' sprites (bevel
// shading, edge coverage and the wood edge), and the composition of a piece onto the
// board in its outline style, its pixels taken from the picture as the piece lies. The operations on
// the whole collection are members of TPieces (piece_drawing.cpp); this header holds
// the parts that work on one piece's data, which turning pieces reuses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pieces/piece.h"
#include "pieces/sprite.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// Side of the wood texture that the program carries.
constexpr int kWoodTextureSize = 96;
// Colours of the wood texture's palette; entry 255 is black in the sprite's palette.
constexpr int kWoodTextureColours = 255;

// The wood texture: the resource "Solid" of type "JPG" decoded to 8 bits by libjpeg's
// quantiser. No pixel uses palette index 0, which sprites take as transparent: such
// pixels are given the nearest other colour. Raises UserError when the resource is
// missing.
Bitmap LoadSolidTexture();

// The one sprite that draws every piece's blocks: transparent value 0, the texture's
// palette, smoothing as given.
TSprite MakePieceSprite(const Bitmap& texture, bool smooth);

// Sets every piece's `AtlasX` and `AtlasY`: the top-left of its cell (column Index
// mod columns, row Index div columns) at the cell size of the puzzle record.
void PlaceAtlasCells(const TPieceList& pieces);

// Where the pixels of a piece's box, as the piece now lies, are in the picture: box
// pixel (x, y) shows picture pixel Origin + x × AlongRow + y × DownColumn. A turned
// piece walks its unturned box (at its home place) turned back.
struct PictureWalk {
  Point Origin;
  Point AlongRow;
  Point DownColumn;
  Point At(int32_t x, int32_t y) const {
    return {Origin.X + x * AlongRow.X + y * DownColumn.X, Origin.Y + x * AlongRow.Y + y * DownColumn.Y};
  }
};
PictureWalk PictureWalkOf(const TFormPiece& piece);

// A 1-bit mask in memory (0 = inside, most significant bit first) and the pixel of
// it where a piece's box starts. The texture is read from the same column.
struct MaskCell {
  const uint8_t* Bits = nullptr;
  size_t RowBytes = 0;
  int32_t X = 0;
  int32_t Y = 0;
};

// Builds the wood-thickness image of a piece of width × height whose mask is at
// `cell`: every run of piece pixels in a column gets `thickness` pixels of the
// texture hanging below it, its own last pixel included (thickness 0..255). `scratch` is work space,
// kept zero between calls (it grows as needed). The result is encoded into `solid`
// with width × (height + thickness) pixels.
void BuildWoodEdge(const TSprite& sprite, const Bitmap& texture, const MaskCell& cell, int32_t width, int32_t height,
                   int32_t thickness, std::vector<uint8_t>& scratch, SpriteBlock& solid);

}  // namespace quill
