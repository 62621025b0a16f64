// Costs of moving pieces on a 1920 × 1080 board: one drag frame (erase, shadow, save
// under the edge, masked paste, edge blend, flush) of a single piece and of groups of
// 20 and 200 pieces of a 1200 × 900 picture cut into about 200 or 1000 pieces (a
// frame copies its whole rectangle twice, so its cost follows the group's area), and
// one drop with joining on a 1000-piece board (putting down,
// connecting, sorting the board's list, storing places, recomposing the dropped
// rectangle, the at-home test of every board piece). Pieces are cut from the demo
// scene in the Card style with shadows on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "bench_boards.h"
#include "common/records.h"
#include "game/jigsaw.h"
#include "headless_host.h"

namespace quill {
namespace {

constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;

std::unique_ptr<TJigsaw> BoardOf(HeadlessHost& host, int requested, int width, int height) {
  return bench::ScatteredBoard(host, "", requested, width, height, kBoardWidth, kBoardHeight);
}

// The first `count` pieces of the grid, joined in their solved shape with the
// picture's top-left at (left, top), lifted as one group.
void LiftSolvedGroup(TJigsaw& game, int count, int left, int top) {
  count = std::min(count, game.Count());
  const int32_t group = PuzzleRecord.NextGroup++;
  for (int i = 0; i < count; ++i) {
    TFormPiece& piece = game.Piece(i);
    piece.X = left + piece.HomeX;
    piece.Y = top + piece.HomeY;
    piece.Group = group;
    piece.Joined = count > 1;
  }
  TPieces::SortPieces(game.BoardTray().FPieces, kSortByGroup);
  game.RepaintBoard(game.BoardBitmap.Bounds());
  game.FlushDirty();
  game.PickGroup(&game.Piece(0));
}

// Pointer moves of a few pixels, as a drag makes them, back and forth.
void BM_DragFrame(benchmark::State& state) {
  HeadlessHost host;
  const int group = static_cast<int>(state.range(0));
  const auto game = BoardOf(host, static_cast<int>(state.range(1)), 1200, 900);
  LiftSolvedGroup(*game, group, 300, 80);
  const Point origin = game->SelectionOrigin();
  int frame = 0;
  for (auto _ : state) {
    const int shift = frame++ % 2 == 0 ? 3 : 0;
    game->MoveSpriteTo(origin.X + shift, origin.Y + shift);
    benchmark::DoNotOptimize(game->BoardBitmap.Bits());
  }
  state.counters["pieces"] = static_cast<double>(game->FSelection.size());
  state.counters["megapixels"] = game->FDragImage.Width() * game->FDragImage.Height() / 1e6;
}
BENCHMARK(BM_DragFrame)
    ->ArgNames({"group", "puzzle"})
    ->Args({1, 210})
    ->Args({20, 210})
    ->Args({200, 210})
    ->Args({200, 1000})
    ->Unit(benchmark::kMicrosecond);

// Piece 1 dropped 3 pixels off its fitting place beside piece 0; both are put back
// apart between the runs.
void BM_DropWithJoin(benchmark::State& state) {
  HeadlessHost host;
  const auto game = BoardOf(host, 1000, 1600, 1200);
  TFormPiece& anchor = game->Piece(0);
  TFormPiece& moved = game->Piece(1);
  const Point start{900, 600};
  game->RepaintBoard(game->BoardBitmap.Bounds());
  game->FlushDirty();
  for (auto _ : state) {
    state.PauseTiming();
    bench::PrepareJoiningDrop(*game, anchor, moved, start);
    state.ResumeTiming();
    game->DropSelection(&game->BoardTray(), true);
  }
  if (!moved.Joined) state.SkipWithError("the dropped piece did not join");
  state.counters["pieces"] = game->Count();
}
BENCHMARK(BM_DropWithJoin)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quill
