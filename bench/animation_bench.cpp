// Processor time of the animations on the real clock, ticked as the window's timer
// ticks them (every 10 ms, the process asleep in between): a glide of 600 pixels at
// speed 6 (100 frames of 4 ms) and ten auto-solve joins on a 100-piece board at speed
// 5. Real time is the animation's length; the process's processor time is what it
// costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include "bench_boards.h"
#include "common/records.h"
#include "game/jigsaw.h"
#include "headless_host.h"

namespace quill {
namespace {

constexpr auto kTick = std::chrono::milliseconds(10);

// Ticks the game's animations while `more` holds, sleeping until each next tick.
void TickWhile(TJigsaw& game, const std::function<bool()>& more) {
  auto next = std::chrono::steady_clock::now();
  while (more()) {
    next += kTick;
    std::this_thread::sleep_until(next);
    game.AnimationTick();
  }
}

struct SmallBoard {
  HeadlessHost host;
  std::unique_ptr<TJigsaw> game;
};

SmallBoard& Board() {
  static SmallBoard* board = [] {
    auto* b = new SmallBoard;
    BoardRecord = TBoardRecord{};
    b->game = bench::ScatteredBoard(b->host, (b->host.Temp() / "anim-gift").string(), 100, 800, 600, 1280, 900);
    b->game->Config().Cheating = true;
    b->game->SetGameState(GameState::Playing);
    b->game->RepaintBoard(b->game->BoardBitmap.Bounds());
    b->game->FlushDirty();
    return b;
  }();
  return *board;
}

void BM_GlideCpu(benchmark::State& state) {
  TJigsaw& game = *Board().game;
  for (auto _ : state) {
    game.PickGroup(&game.Piece(0));
    const Point from = game.SelectionOrigin();
    game.Glide(from.X, from.Y, false, 6, from.X + 600, from.Y);
    TickWhile(game, [&] { return game.Gliding(); });
    game.CancelLift();
  }
}
BENCHMARK(BM_GlideCpu)->UseRealTime()->MeasureProcessCPUTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_AutoSolveCpu(benchmark::State& state) {
  SmallBoard& board = Board();
  TJigsaw& game = *board.game;
  for (auto _ : state) {
    const int32_t goal = PuzzleRecord.JoinedCount + 10;
    game.AutoSolve([] { return 5; }, nullptr);
    TickWhile(game, [&] { return game.Animating() && PuzzleRecord.JoinedCount < goal; });
    game.StopAutoSolve();
  }
}
BENCHMARK(BM_AutoSolveCpu)->UseRealTime()->MeasureProcessCPUTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
