// The cut of a puzzle as the player makes it: the lattice of a seed and each piece's
// four sides, and those sides drawn over a picture. The inspector's render and the
// gift maker's preview both draw through here, so what they show is what the player
// cuts.
#pragma once
#include <cstdint>
#include <functional>

#include "pieces/lattice.h"
#include "pieces/templates.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"

namespace quill {

struct GridSize {
  int32_t Columns = 1;
  int32_t Rows = 1;
  int32_t Pieces() const { return Columns * Rows; }
};

// The grid the player fits to a picture of the given size for a requested count.
GridSize GridFor(int32_t requestedCount, int32_t width, int32_t height);

// What fixes the cut of a picture: the lattice's settings and the puzzle's seed.
struct CutSettings {
  LatticeSettings Lattice;
  int32_t Seed = 1;
};

// The settings of a puzzle with `requestedCount` pieces of a picture of width ×
// height; style, oddness and fun share as the header holds them.
CutSettings CutSettingsFor(int32_t requestedCount, int32_t width, int32_t height, int pieceStyle, int oddness,
                           int funPieces, int32_t seed);

// Seeds the shared generator with the puzzle's seed, generates the lattice as the
// player does before cutting, and hands each piece's sides to `each` in index order.
void ForEachCutOutline(const CutSettings& settings, const TTemplates& templates,
                       const std::function<void(int index, const PieceSides&)>& each);

// The pen the cut is drawn with: dark lines two pixels wide.
void UseCutPen(Canvas& canvas);

// Draws a piece's sides with the canvas's pen; the sides' supersampled coordinates
// are multiplied by numerator / denominator to land on the canvas.
void DrawPieceSides(Canvas& canvas, const PieceSides& sides, int32_t numerator, int32_t denominator);

// `picture` stretched to width × height with the cut of `settings` drawn over it.
Bitmap DrawCutOverPicture(const Bitmap& picture, int32_t width, int32_t height, const CutSettings& settings,
                          const TTemplates& templates);

}  // namespace quill
