#include "cut_outlines.h"

#include <algorithm>

#include "common/random.h"
#include "game/fit_grid.h"
#include "raster/blit.h"

namespace quill {
namespace {

constexpr int32_t kSupersampling = 4;

}  // namespace

void UseCutPen(Canvas& canvas) {
  canvas.Pen().Color = MakeColour(20, 20, 20);
  canvas.Pen().Width = 2;
}

GridSize GridFor(int32_t requestedCount, int32_t width, int32_t height) {
  const int32_t n = GridCellSize(requestedCount, width, height);
  return {CellsAlong(width, n), CellsAlong(height, n)};
}

CutSettings CutSettingsFor(int32_t requestedCount, int32_t width, int32_t height, int pieceStyle, int oddness,
                           int funPieces, int32_t seed) {
  const GridSize grid = GridFor(requestedCount, width, height);
  CutSettings s;
  s.Lattice.Columns = grid.Columns;
  s.Lattice.Rows = grid.Rows;
  s.Lattice.ScaledWidth = width;
  s.Lattice.ScaledHeight = height;
  s.Lattice.PieceStyle = pieceStyle;
  s.Lattice.Oddness = oddness;
  s.Lattice.FunPieces = funPieces;
  s.Seed = seed;
  return s;
}

void ForEachCutOutline(const CutSettings& settings, const TTemplates& templates,
                       const std::function<void(int index, const PieceSides&)>& each) {
  SetRandSeed(settings.Seed);
  TLattice lattice(settings.Lattice, templates);
  lattice.Generate();
  PieceSides sides;
  const int count = settings.Lattice.Columns * settings.Lattice.Rows;
  for (int index = 0; index < count; ++index) {
    lattice.BuildPieceSides(index, sides);
    each(index, sides);
  }
}

void DrawPieceSides(Canvas& canvas, const PieceSides& sides, int32_t numerator, int32_t denominator) {
  for (const SidePoints& list : sides) {
    for (int i = 0; i < list.Count; ++i) {
      const int x = list.Points[i].X * numerator / denominator;
      const int y = list.Points[i].Y * numerator / denominator;
      if (i == 0) canvas.MoveTo(x, y);
      else canvas.LineTo(x, y);
    }
  }
}

Bitmap DrawCutOverPicture(const Bitmap& picture, int32_t width, int32_t height, const CutSettings& settings,
                          const TTemplates& templates) {
  Bitmap view(std::max(width, 1), std::max(height, 1), PixelFormat::Rgb24);
  StretchBlt(view, 0, 0, view.Width(), view.Height(), picture, 0, 0, picture.Width(), picture.Height());
  Canvas canvas(view);
  UseCutPen(canvas);
  const int32_t denominator = kSupersampling * std::max(settings.Lattice.ScaledWidth, 1);
  ForEachCutOutline(settings, templates,
                    [&](int, const PieceSides& sides) { DrawPieceSides(canvas, sides, view.Width(), denominator); });
  return view;
}

}  // namespace quill
