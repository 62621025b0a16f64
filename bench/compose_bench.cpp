// Composing the whole board, as the first board of a game and every resize of the
// window do: the backdrop and every piece of a scattered 1000- or 10,000-piece
// puzzle of a 12- or 24-megapixel picture on a 1920 × 1080 board, in the Card style.
#include <benchmark/benchmark.h>

#include <memory>

#include "common/random.h"
#include "common/records.h"
#include "demo_scene.h"
#include "game/fit_grid.h"
#include "game/jigsaw.h"
#include "headless_host.h"

namespace quill {
namespace {

constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;
constexpr uint32_t kCardStyle = 3;

void BM_ComposeBoard(benchmark::State& state) {
  HeadlessHost host;
  const int requested = static_cast<int>(state.range(0));
  const int width = static_cast<int>(state.range(1)), height = static_cast<int>(state.range(2));
  TJigsaw game(host, "");
  game.Picture = Bitmap(width, height);
  PaintDemoScene(game.Picture, 1);
  PuzzleRecord = TPuzzleRecord{};
  PuzzleRecord.PieceStyle = 1;
  PuzzleRecord.Oddness = 5;
  PuzzleRecord.Seed = 1;
  PuzzleRecord.PictureWidth = PuzzleRecord.ScaledWidth = static_cast<uint16_t>(width);
  PuzzleRecord.PictureHeight = PuzzleRecord.ScaledHeight = static_cast<uint16_t>(height);
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(requested, width, height));
  game.Config().OutlineStyle = kCardStyle;
  game.CreatePieceList();
  game.CreateTrays();
  SetRandSeed(PuzzleRecord.Seed);
  game.RandomiseRotation(game.AllPieces(), true);
  game.CutPieces(game.AllPieces(), true);
  game.RenderAtlases(game.MaskBuffer);
  game.NewLayout(kBoardWidth, kBoardHeight);
  for (auto _ : state) {
    game.ComposeBoard();
    benchmark::DoNotOptimize(game.BoardBitmap.Bits());
  }
  state.counters["pieces"] = game.Count();
}
BENCHMARK(BM_ComposeBoard)
    ->ArgNames({"pieces", "width", "height"})
    ->Args({1000, 4000, 3000})
    ->Args({10000, 6000, 4000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
