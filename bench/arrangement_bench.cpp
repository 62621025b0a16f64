// Cost of ranking the pieces by colour when a large puzzle is built: a 5000-piece
// grid over a 4000 × 3000 demo picture, colour sampling and the colour chain together.
// The pieces are not cut; their solved places are the grid cells.
#include <benchmark/benchmark.h>

#include "common/records.h"
#include "demo_scene.h"
#include "game/fit_grid.h"
#include "pieces/pieces.h"
#include "ui/form_layouts.h"
#include "ui/ui_state.h"

namespace quill {
namespace {

constexpr int32_t kPictureWidth = 4000;  // 12 megapixels
constexpr int32_t kPictureHeight = 3000;
constexpr int32_t kRequestedPieces = 5000;

const Bitmap& DemoPicture() {
  static const Bitmap picture = [] {
    Bitmap bitmap(kPictureWidth, kPictureHeight);
    PaintDemoScene(bitmap, 1);
    return bitmap;
  }();
  return picture;
}

// The collection with one piece per grid cell, each cell its solved place.
void LayGrid(TPieces& pieces) {
  const int32_t count = FitGrid(kRequestedPieces, kPictureWidth, kPictureHeight);
  PuzzleRecord.PieceCount = static_cast<uint16_t>(count);
  pieces.CreatePieceList();
  const int32_t columns = PuzzleRecord.Columns;
  const int32_t rows = PuzzleRecord.Rows;
  for (TFormPiece* piece : pieces.AllPieces()) {
    const int32_t column = piece->Index % columns;
    const int32_t row = piece->Index / columns;
    const int32_t left = column * kPictureWidth / columns;
    const int32_t top = row * kPictureHeight / rows;
    piece->SetHome(left, top, (column + 1) * kPictureWidth / columns - left, (row + 1) * kPictureHeight / rows - top);
  }
}

void BM_SortByColour(benchmark::State& state) {
  const Bitmap& picture = DemoPicture();
  UiState menus;
  DefineMainForm(menus);
  TPieces pieces(menus);
  LayGrid(pieces);
  for (auto _ : state) {
    pieces.SortByColour(picture);
    benchmark::DoNotOptimize(pieces.Piece(pieces.Count() - 1).Colour);
  }
  state.counters["pieces"] = pieces.Count();
}
BENCHMARK(BM_SortByColour)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
