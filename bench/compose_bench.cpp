// Composing the whole board, as the first board of a game and every resize of the
// window do: the backdrop and every piece of a scattered 1000- or 10,000-piece
// puzzle of a 12- or 24-megapixel picture, turned at random, on a 1920 × 1080 board.
#include <benchmark/benchmark.h>

#include "bench_boards.h"
#include "headless_host.h"

namespace quill {
namespace {

constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;

void BM_ComposeBoard(benchmark::State& state) {
  HeadlessHost host;
  const auto game = bench::ScatteredBoard(host, "", static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                          static_cast<int>(state.range(2)), kBoardWidth, kBoardHeight, true);
  for (auto _ : state) {
    game->ComposeBoard();
    benchmark::DoNotOptimize(game->BoardBitmap.Bits());
  }
  state.counters["pieces"] = game->Count();
}
BENCHMARK(BM_ComposeBoard)
    ->ArgNames({"pieces", "width", "height"})
    ->Args({1000, 4000, 3000})
    ->Args({10000, 6000, 4000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
