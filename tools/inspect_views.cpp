#include "inspect_views.h"

#include "common/random.h"
#include "common/records.h"
#include "cut_outlines.h"
#include "png_file.h"
#include "raster/blit.h"
#include "raster/canvas.h"

namespace quill {
namespace {

// The outlines are drawn on the picture enlarged by this factor, so the knobs show.
constexpr int kRenderZoom = 2;
constexpr int kSupersampling = 4;

void ForEachOutline(TJigsaw& game, const std::function<void(TFormPiece&, const PieceSides&)>& each) {
  SetRandSeed(PuzzleRecord.Seed);
  game.GenerateOutlines(each);
}

}  // namespace

void PrintGrid(std::ostream& out) {
  out << "Columns=" << PuzzleRecord.Columns << '\n'
      << "Rows=" << PuzzleRecord.Rows << '\n'
      << "PieceCount=" << PuzzleRecord.PieceCount << '\n';
}

void PrintOutlines(TJigsaw& game, std::ostream& out) {
  ForEachOutline(game, [&](TFormPiece& piece, const PieceSides& sides) {
    for (int side = 0; side < 4; ++side) {
      const SidePoints& list = sides[static_cast<size_t>(side)];
      out << piece.Index << ' ' << side << ' ' << list.Count;
      for (int i = 0; i < list.Count; ++i) out << ' ' << list.Points[i].X << ',' << list.Points[i].Y;
      out << '\n';
    }
  });
}

void RenderOutlines(TJigsaw& game, const std::string& pngPath) {
  const Bitmap& picture = game.Unscaled();
  Bitmap view(picture.Width() * kRenderZoom, picture.Height() * kRenderZoom, PixelFormat::Rgb24);
  StretchBlt(view, 0, 0, view.Width(), view.Height(), picture, 0, 0, picture.Width(), picture.Height());
  Canvas canvas(view);
  UseCutPen(canvas);
  ForEachOutline(game, [&](TFormPiece&, const PieceSides& sides) {
    DrawPieceSides(canvas, sides, kRenderZoom, kSupersampling);
  });
  WritePng(view, pngPath);
}

}  // namespace quill
