// Cost of rebuilding the board backdrop: one Render of a 1920 × 1080 board with the
// gradient and the faded ghost of a 1024 × 768 picture, and one without the ghost.
#include <benchmark/benchmark.h>

#include "board/mural.h"
#include "common/config.h"
#include "raster/bitmap.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

Bitmap PatternedPicture(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture.ScanLine(y);
    for (int i = 0; i < 3 * width; ++i) row[i] = static_cast<uint8_t>(i * 7 + y * 3);
  }
  return picture;
}

void RenderBoard(benchmark::State& state, bool withGhost) {
  UiState menus;
  DefineMainForm(menus);
  TJigConfig config(menus);
  config.DrawnGhostLevel = 5;
  TJigConfig* const previous = JigConfig;
  JigConfig = &config;

  const Bitmap picture = PatternedPicture(1024, 768);
  TMural mural;
  mural.Resize(1920, 1080);
  mural.SetColour(MakeColour(40, 90, 160));
  mural.SetPicture(&picture, true);
  for (auto _ : state) {
    mural.Render(withGhost);
    benchmark::DoNotOptimize(mural.Board().Bits());
  }
  JigConfig = previous;
}

void BM_MuralRenderWithGhost(benchmark::State& state) { RenderBoard(state, true); }
void BM_MuralRenderBoardOnly(benchmark::State& state) { RenderBoard(state, false); }

BENCHMARK(BM_MuralRenderWithGhost)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MuralRenderBoardOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
