// Costs of building a puzzle's pieces from a detailed 12-megapixel picture (the demo
// scene, 4000 × 3000, saved as JPEG at quality 90): decoding the picture, cutting the
// pieces and rendering the atlases at 100, 1000 and 5000 pieces in the Wood style
// (the widest bevels and the wood edges), and drawing every piece of a 1000-piece
// puzzle onto a board. The cutting benchmarks count their time as a multiple of the
// picture's decoding measured in the same run ("x_decode"). Arguments of the cutting:
// requested pieces and threads (0: one per core).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "common/jpeg_decode.h"
#include "common/random.h"
#include "common/records.h"
#include "demo_scene.h"
#include "game/fit_grid.h"
#include "game/jigsaw.h"
#include "headless_host.h"
#include "jpeg_writer.h"

namespace quill {
namespace {

constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;
constexpr int kJpegQuality = 90;
constexpr uint32_t kWoodStyle = 4;

using Clock = std::chrono::steady_clock;

const std::vector<uint8_t>& DemoJpeg() {
  static const std::vector<uint8_t> jpeg = [] {
    Bitmap picture(kPictureWidth, kPictureHeight);
    PaintDemoScene(picture, 1);
    std::vector<uint8_t> bytes;
    WriteJpeg(picture, kJpegQuality, bytes);
    return bytes;
  }();
  return jpeg;
}

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// The picture's decoding into a new bitmap in this run: the best of five.
double DecodeSeconds() {
  static const double seconds = [] {
    const std::vector<uint8_t>& jpeg = DemoJpeg();
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
      Bitmap picture;
      const auto start = Clock::now();
      DecodeJpeg(jpeg.data(), jpeg.size(), picture);
      best = std::min(best, Seconds(start, Clock::now()));
    }
    return best;
  }();
  return seconds;
}

// A game object holding the decoded picture and the grid for `requested` pieces,
// not yet cut.
std::unique_ptr<TJigsaw> PuzzleOf(HeadlessHost& host, int requested) {
  auto game = std::make_unique<TJigsaw>(host, "");
  const std::vector<uint8_t>& jpeg = DemoJpeg();
  DecodeJpeg(jpeg.data(), jpeg.size(), game->Picture);
  PuzzleRecord = TPuzzleRecord{};
  PuzzleRecord.PieceStyle = 1;
  PuzzleRecord.Oddness = 5;
  PuzzleRecord.Seed = 1;
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(requested, kPictureWidth, kPictureHeight));
  game->CreatePieceList();
  game->Config().OutlineStyle = kWoodStyle;
  return game;
}

void CutAndRender(TJigsaw& game) {
  SetRandSeed(PuzzleRecord.Seed);
  game.CutPieces(game.AllPieces(), true);
  game.RenderAtlases(game.MaskBuffer);
}

// Into a new bitmap each time, as a puzzle is built.
void BM_DecodePicture(benchmark::State& state) {
  const std::vector<uint8_t>& jpeg = DemoJpeg();
  for (auto _ : state) {
    Bitmap picture;
    DecodeJpeg(jpeg.data(), jpeg.size(), picture);
    benchmark::DoNotOptimize(picture.Bits());
  }
  state.counters["megapixels"] = kPictureWidth * kPictureHeight / 1e6;
}
BENCHMARK(BM_DecodePicture)->Unit(benchmark::kMillisecond);

// A new game object for every run, so that each cutting starts from nothing as it
// does when a puzzle is built (the atlas memory is fresh, not reused).
void BM_CutAndRenderAtlases(benchmark::State& state) {
  HeadlessHost host;
  const double decode = DecodeSeconds();
  double total = 0;
  int32_t pieces = 0;
  for (auto _ : state) {
    auto game = PuzzleOf(host, static_cast<int>(state.range(0)));
    game->ImagingThreads = static_cast<int>(state.range(1));
    const auto start = Clock::now();
    CutAndRender(*game);
    const double seconds = Seconds(start, Clock::now());
    state.SetIterationTime(seconds);
    total += seconds;
    pieces = game->Count();
  }
  state.counters["pieces"] = pieces;
  state.counters["x_decode"] = total / static_cast<double>(state.iterations()) / decode;
}
BENCHMARK(BM_CutAndRenderAtlases)
    ->ArgNames({"pieces", "threads"})
    ->Args({100, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({5000, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Every piece of a 1000-piece puzzle at its solved place on a picture-sized board.
void BM_DrawPieces(benchmark::State& state) {
  HeadlessHost host;
  const auto game = PuzzleOf(host, 1000);
  CutAndRender(*game);
  for (TFormPiece* piece : game->AllPieces()) {
    piece->X = piece->HomeX;
    piece->Y = piece->HomeY;
  }
  Bitmap board(kPictureWidth, kPictureHeight);
  const TPieceList all = game->AllPieces();
  for (auto _ : state) {
    game->DrawPieces(all, board, nullptr);
    benchmark::DoNotOptimize(board.Bits());
  }
  state.counters["pieces"] = game->Count();
}
BENCHMARK(BM_DrawPieces)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
