// What the board shows, taken before a change that would otherwise draw the whole
// board again (undo and redo put back every piece and tray): afterwards only the
// places of the pieces that look different are drawn, when the backdrop, the trays
// and the board's size stayed as they were.
#pragma once
#include <cstdint>
#include <vector>

#include "pieces/piece.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// What decides how a piece is drawn and in which order.
struct PieceLook {
  int32_t X = 0;
  int32_t Y = 0;
  uint16_t Width = 0;
  uint16_t Height = 0;
  int32_t Group = 0;
  int32_t Tray = 0;
  int32_t AtlasX = 0;
  int32_t AtlasY = 0;
  uint8_t Rotation = 0;
  uint8_t JoinedSides = 0;
  bool Joined = false;
  bool Hidden = false;

  static PieceLook Of(const TFormPiece& piece);
  friend bool operator==(const PieceLook&, const PieceLook&) = default;
};

struct BoardLook {
  std::vector<PieceLook> Pieces;  // in the collection's order
  std::vector<uint8_t> Trays;     // the trays' records
  Bitmap Backdrop;
  Bitmap Shown;  // the board bitmap
};

// At most this many separate areas are drawn again; more, or areas covering more
// than half the board, and the whole board is drawn.
constexpr size_t kMostChangedAreas = 32;

// The areas to draw again on a board of `bounds`: the rectangle before and after
// (with `woodDepth` below) of each piece whose look changed, merged where they
// overlap. False when drawing the whole board is the better choice.
bool ChangedAreas(const std::vector<PieceLook>& before, const std::vector<PieceLook>& after, int32_t woodDepth,
                  const Rect& bounds, std::vector<Rect>& areas);

}  // namespace quill
