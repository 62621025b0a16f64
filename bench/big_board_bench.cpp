// Costs on the largest board the player offers: a 6928 × 4619 (32 megapixel) picture
// cut into 20,000 pieces and scattered over a 1920 × 1080 board. Drag frames of one
// piece, of a 500-piece group and of a group covering a megapixel; a drop that joins;
// picking a piece up; saving the game; recording, undoing and redoing a step; and
// auto-solve passes against the pace of their speed setting. The puzzle is cut once
// per process and shared: every benchmark puts back what it changed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>

#include "bench_boards.h"
#include "common/records.h"
#include "game/board_mouse.h"
#include "game/jigsaw.h"
#include "game/undo.h"
#include "headless_host.h"

namespace quill {
namespace {

constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;
constexpr int kPictureWidth = 6928;
constexpr int kPictureHeight = 4619;
constexpr int kRequestedPieces = 20000;

// A host whose clock can run on its calls instead of time: each reading is a
// millisecond later, so a glide's waits cost nothing and its paced length is the
// clock's advance.
class BenchHost : public HeadlessHost {
 public:
  int64_t Milliseconds() override { return virtualClock ? ++virtualMs : HeadlessHost::Milliseconds(); }

  bool virtualClock = false;
  int64_t virtualMs = 0;
};

struct BigBoard {
  BenchHost host;
  std::unique_ptr<TJigsaw> game;
  TPuzzleRecord puzzle;
  TBoardRecord board;
};

// The records are global and other benchmarks of the process build puzzles of their
// own, so the big board's records are put back before each use.
BigBoard& TheBigBoard() {
  static BigBoard* shared = [] {
    auto* big = new BigBoard;
    auto& game = big->game;
    BoardRecord = TBoardRecord{};
    game = bench::ScatteredBoard(big->host, (big->host.Temp() / "big-gift").string(), kRequestedPieces, kPictureWidth,
                                 kPictureHeight, kBoardWidth, kBoardHeight);
    game->Config().Cheating = true;  // auto-solve is a cheat
    game->SetGameState(GameState::Playing);
    game->RepaintBoard(game->BoardBitmap.Bounds());
    game->FlushDirty();
    big->puzzle = PuzzleRecord;
    big->board = BoardRecord;
    return big;
  }();
  PuzzleRecord = shared->puzzle;
  BoardRecord = shared->board;
  return *shared;
}

// The pieces of the grid's top-left block of columns × rows, joined in their solved
// shape with the picture's top-left at (left, top); their old places are kept to be
// put back.
struct SolvedBlock {
  TJigsaw& game;
  std::vector<TFormPiece> saved;
  TPieceList pieces;

  SolvedBlock(TJigsaw& g, int columns, int rows, int left, int top) : game(g) {
    const int32_t group = PuzzleRecord.NextGroup++;
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column) {
        TFormPiece& piece = game.Piece(row * PuzzleRecord.Columns + column);
        saved.push_back(piece);
        pieces.push_back(&piece);
        piece.X = left + piece.HomeX;
        piece.Y = top + piece.HomeY;
        piece.Group = group;
        piece.Joined = pieces.size() > 1 || columns * rows > 1;
      }
    Settle();
  }
  ~SolvedBlock() {
    for (size_t i = 0; i < pieces.size(); ++i) *pieces[i] = saved[i];
    Settle();
  }
  void Settle() {
    TPieces::SortPieces(game.BoardTray().FPieces, kSortByGroup);
    game.RepaintBoard(game.BoardBitmap.Bounds());
    game.FlushDirty();
  }
};

// Pointer moves of a few pixels, as a drag makes them, back and forth.
void BM_BigDragFrame(benchmark::State& state) {
  BigBoard& big = TheBigBoard();
  TJigsaw& game = *big.game;
  const int columns = static_cast<int>(state.range(0)), rows = static_cast<int>(state.range(1));
  SolvedBlock block(game, columns, rows, 300, 60);
  game.PickGroup(block.pieces.front());
  const Point origin = game.SelectionOrigin();
  int frame = 0;
  for (auto _ : state) {
    const int shift = frame++ % 2 == 0 ? 3 : 0;
    game.MoveSpriteTo(origin.X + shift, origin.Y + shift);
    benchmark::DoNotOptimize(game.BoardBitmap.Bits());
  }
  state.counters["pieces"] = static_cast<double>(game.FSelection.size());
  state.counters["megapixels"] = game.FDragImage.Width() * game.FDragImage.Height() / 1e6;
  game.CancelLift();
}
BENCHMARK(BM_BigDragFrame)
    ->ArgNames({"columns", "rows"})
    ->Args({1, 1})
    ->Args({25, 20})
    ->Args({24, 24})
    ->Unit(benchmark::kMicrosecond);

// A piece dropped 3 pixels off its fitting place beside another; both are put back
// apart between the runs.
void BM_BigDropWithJoin(benchmark::State& state) {
  BigBoard& big = TheBigBoard();
  TJigsaw& game = *big.game;
  const int anchorIndex = 50 * PuzzleRecord.Columns + 60;
  TFormPiece& anchor = game.Piece(anchorIndex);
  TFormPiece& moved = game.Piece(anchorIndex + 1);
  const TFormPiece anchorWas = anchor, movedWas = moved;
  const Point start{900, 600};
  for (auto _ : state) {
    state.PauseTiming();
    bench::PrepareJoiningDrop(game, anchor, moved, start);
    state.ResumeTiming();
    game.DropSelection(&game.BoardTray(), true);
  }
  if (!moved.Joined) state.SkipWithError("the dropped piece did not join");
  state.counters["pieces"] = game.Count();
  // The drop draws the board again where the frame and the joined pieces lay: every
  // piece reaching into that rectangle is drawn (clipped) once more.
  int redrawn = 0;
  for (const TFormPiece* piece : game.BoardTray().FPieces)
    redrawn += Intersection(piece->BoardRect(), game.FDragRect).IsEmpty() ? 0 : 1;
  state.counters["redrawn"] = redrawn;
  state.counters["area"] = game.FDragRect.Width() * game.FDragRect.Height();
  anchor = anchorWas;
  moved = movedWas;
  TPieces::SortPieces(game.BoardTray().FPieces, kSortByGroup);
  game.RepaintBoard(game.BoardBitmap.Bounds());
  game.FlushDirty();
}
BENCHMARK(BM_BigDropWithJoin)->Unit(benchmark::kMicrosecond);

// A left click on the topmost piece under the pointer and letting go at once: the
// piece is found, lifted with its group, and put down again.
void BM_BigPickAndDrop(benchmark::State& state) {
  BigBoard& big = TheBigBoard();
  TJigsaw& game = *big.game;
  const Point at{kBoardWidth / 2, kBoardHeight / 2};
  for (auto _ : state) {
    game.PickAt(game.BoardTray(), at.X, at.Y);
    game.DropSelection(&game.BoardTray(), false);
  }
  state.counters["pieces"] = game.Count();
}
BENCHMARK(BM_BigPickAndDrop)->Unit(benchmark::kMicrosecond);

void BM_BigSaveGame(benchmark::State& state) {
  TJigsaw& game = *TheBigBoard().game;
  for (auto _ : state) game.SaveGame();
  game.DeleteSavedGame();
}
BENCHMARK(BM_BigSaveGame)->Unit(benchmark::kMillisecond);

// A drag's first step: the snapshot of every piece and tray.
void BM_BigRecordUndoPoint(benchmark::State& state) {
  TJigsaw& game = *TheBigBoard().game;
  for (auto _ : state) game.RecordUndoPoint(kUndoDrag);
}
BENCHMARK(BM_BigRecordUndoPoint)->Unit(benchmark::kMillisecond);

// Undo and redo of a step that moved one piece; each run times one of the two and
// takes the other back untimed.
void BM_BigUndoRedo(benchmark::State& state) {
  BigBoard& big = TheBigBoard();
  TJigsaw& game = *big.game;
  const bool undoTimed = state.range(0) == 1;
  TFormPiece& piece = game.Piece(0);
  const TFormPiece was = piece;
  game.RecordUndoPoint(kUndoDrag);
  piece.X += 40;
  piece.Y += 30;
  if (!undoTimed) game.UndoRedo(true);
  for (auto _ : state) {
    game.UndoRedo(undoTimed);
    state.PauseTiming();
    game.UndoRedo(!undoTimed);
    state.ResumeTiming();
  }
  if (undoTimed) game.UndoRedo(true);
  piece = was;
  game.RepaintBoard(game.BoardBitmap.Bounds());
  game.FlushDirty();
}
BENCHMARK(BM_BigUndoRedo)->ArgName("undo")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Auto-solve passes after the first (which may glide the anchor home), each joining
// one neighbour to the largest group, on a clock that counts its readings as
// milliseconds: the time measured is the passes' work, the counter `paced_ms` how
// long their glides take at the speed's pace, and `load` the ratio of the two. The
// pace holds while the load stays below 1. The solve goes on from run to run.
void BM_BigAutoSolvePass(benchmark::State& state) {
  constexpr int kPasses = 4;
  BigBoard& big = TheBigBoard();
  TJigsaw& game = *big.game;
  BenchHost& host = big.host;
  const auto speed = static_cast<int32_t>(state.range(0));
  double work = 0, paced = 0;
  int passes = 0;
  host.virtualClock = true;
  for (auto _ : state) {
    // Ticks until `joins` more pieces have joined (or the solve ends).
    auto tickUntilJoined = [&game](int joins) {
      const int32_t goal = PuzzleRecord.JoinedCount + joins;
      while (game.Animating() && PuzzleRecord.JoinedCount < goal) game.AnimationTick();
    };
    game.AutoSolve([speed] { return speed; }, nullptr);
    tickUntilJoined(1);  // the first pass, which may glide the anchor home
    const auto begin = std::chrono::steady_clock::now();
    const int64_t beginMs = host.virtualMs;
    tickUntilJoined(kPasses);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - begin;
    state.SetIterationTime(seconds.count() / kPasses);
    work += seconds.count();
    paced += static_cast<double>(host.virtualMs - beginMs) / 1000;
    passes += kPasses;
    game.StopAutoSolve();
  }
  host.virtualClock = false;
  state.counters["paced_ms"] = passes > 0 ? 1000 * paced / passes : 0;
  state.counters["load"] = paced > 0 ? work / paced : 0;
  state.counters["joined"] = PuzzleRecord.JoinedCount;
  big.puzzle.NextGroup = PuzzleRecord.NextGroup;
}
BENCHMARK(BM_BigAutoSolvePass)
    ->ArgName("speed")
    ->Arg(1)
    ->Arg(5)
    ->Arg(9)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
