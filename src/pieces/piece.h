// One piece of the puzzle (`TFormPiece`): its grid place, solved place, board place,
// group and flags, and its sprite blocks. The piece collection (`TPieces`) owns every
// piece; trays and selections hold lists that refer to them.
#pragma once
#include <cstdint>
#include <vector>

#include "raster/rect.h"

namespace quill {

// Grid directions, clockwise; the opposite of d is (d + 2) mod 4.
constexpr int kTop = 0;
constexpr int kRight = 1;
constexpr int kBottom = 2;
constexpr int kLeft = 3;
constexpr int OppositeDirection(int direction) { return (direction + 2) % 4; }

// What a piece is by its place in the grid (`ShapeClass`). Sorting by shape takes
// this order: corners, the sides clockwise from the top, fun pieces, the middle.
enum class ShapeKind : uint8_t {
  Corner = 0,
  TopSide = 1,
  RightSide = 2,
  BottomSide = 3,
  LeftSide = 4,
  Fun = 5,  // middle piece cut from a custom template
  Middle = 6,
};

// The solved place and current size of a piece, as the mask assembly takes it.
struct PieceBox {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

struct TFormPiece {
  int32_t Tray = 0;    // saved as 16 bits
  int32_t Index = 0;   // row × columns + column; never changes
  int32_t HomeX = 0;   // top-left of the bounding box in picture coordinates
  int32_t HomeY = 0;
  double NormX = 0;    // board position in the coordinates of the unscaled picture
  double NormY = 0;
  int32_t X = 0;       // top-left of the bounding box on the board
  int32_t Y = 0;
  int32_t AtlasX = 0;  // top-left of the piece's cell in the image and mask atlases
  int32_t AtlasY = 0;
  uint16_t Width = 0;  // bounding box in the current rotation
  uint16_t Height = 0;
  int32_t Group = 0;   // equal ids form a group; higher ids are drawn on top
  int32_t Colour = 0;  // average colour 0x00BBGGRR, or the rank after a colour sort
  int16_t SortKey = 0;
  uint8_t Rotation = 0;      // quarter turns clockwise, 0..3
  uint8_t PendingTurns = 0;  // quarter turns the next rotate pass still applies
  bool Joined = false;       // in a group of two or more
  bool Surrounded = false;   // every grid neighbour is in the same group
  bool Hidden = false;       // drawn as a sprite while dragged, not by the collection
  bool Placed = false;       // dropped on the board by the user
  bool AtHome = false;       // on its solved place relative to the picture frame
  ShapeKind ShapeClass = ShapeKind::Corner;
  uint8_t JoinedSides = 0;   // bit d: the neighbour in direction d is in the group
  uint8_t TabCode = 0;       // see tab_codes.h
  int16_t TemplateNo = 0;    // custom template number from 1, 0 for none
  std::vector<uint8_t> ShadeSprite;
  std::vector<uint8_t> EdgeSprite;
  std::vector<uint8_t> SolidSprite;  // only with the Wood outline style

  bool IsEdgePiece() const { return ShapeClass < ShapeKind::Fun; }
  bool IsFunPiece() const { return ShapeClass == ShapeKind::Fun; }
  bool IsFixed() const { return Joined || Placed; }
  Rect BoardRect() const { return {X, Y, X + Width, Y + Height}; }
  PieceBox HomeBox() const { return {HomeX, HomeY, Width, Height}; }
  void SetHome(int32_t x, int32_t y, int32_t width, int32_t height) {
    HomeX = x;
    HomeY = y;
    Width = static_cast<uint16_t>(width);
    Height = static_cast<uint16_t>(height);
  }
  void Offset(int32_t dx, int32_t dy) {
    X += dx;
    Y += dy;
  }
};

// An ordered list of pieces owned by the collection (a tray's, a selection's, a run).
using TPieceList = std::vector<TFormPiece*>;

}  // namespace quill
