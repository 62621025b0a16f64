// The board backdrop: one 24-bit bitmap of the board's size holding the board colour,
// shaded as a vertical gradient, and optionally the ghost, a faded copy of the puzzle
// picture where the finished puzzle belongs. Owned by the moving layer of the game
// object, which renders it on every board fit and ghost change and copies rectangles
// of it when parts of the board are recomposed.
#pragma once
#include <cstdint>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "raster/rect.h"

namespace quill {

// The board colour is drawn as a vertical gradient (an advanced option no command
// changes).
constexpr bool kGradientBoard = true;

// At least this many pixels of a dragged or resized ghost stay on the board on every
// side.
constexpr int32_t kGhostMargin = 32;

class TMural {
 public:
  TMural();

  // The board colour, 0x00BBGGRR; takes effect at the next Render.
  void SetColour(Colour colour) { FColour = colour; }
  Colour GetColour() const { return FColour; }

  // Whether the gradient is drawn; kGradientBoard unless changed.
  void SetGradient(bool gradient) { FGradient = gradient; }
  // Whether the screen shows fewer than 24 bits per pixel; the gradient rows are then
  // reduced to multiples of 8 with the error carried from row to row.
  void SetLowColour(bool lowColour) { FLowColour = lowColour; }

  // The puzzle picture at the current scale (not owned; may be null). With centre the
  // ghost is centred on the board, otherwise it keeps its place.
  void SetPicture(const Bitmap* picture, bool centre);
  const Bitmap* Picture() const { return FPicture; }

  // Puts the ghost's top-left at (x, y) and stores its centre as fractions of the
  // board in PuzzleRecord (0.5 each while the board has no area).
  void PlaceGhost(int32_t x, int32_t y);

  // Moves rect so that at least kGhostMargin pixels of it stay on the board.
  void KeepGhostVisible(Rect& rect) const;

  // Gives the board a new size and puts the ghost where its stored centre fractions
  // say, kept on the board. Rendering is left to the caller.
  void Resize(int32_t width, int32_t height);

  Rect GhostRect() const { return {FGhostX, FGhostY, FGhostX + FGhostWidth, FGhostY + FGhostHeight}; }
  bool OnGhost(int32_t x, int32_t y) const { return GhostRect().Contains(x, y); }

  // Redraws the backdrop: the board colour and, with withGhost, the picture faded
  // towards it at the configuration's DrawnGhostLevel.
  void Render(bool withGhost);

  // Copies rect of the backdrop to the same place of target (the board bitmap).
  void CopyTo(const Rect& rect, Bitmap& target) const;

  Bitmap& Board() { return FBoard; }
  const Bitmap& Board() const { return FBoard; }

 private:
  void PaintBoardColour();
  void PaintGhost();

  Bitmap FBoard;
  const Bitmap* FPicture = nullptr;
  Colour FColour = 0;
  int32_t FGhostX = 0;
  int32_t FGhostY = 0;
  int32_t FGhostWidth = 0;
  int32_t FGhostHeight = 0;
  bool FGradient = kGradientBoard;
  bool FLowColour = false;
};

}  // namespace quill
