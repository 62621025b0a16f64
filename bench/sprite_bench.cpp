// Drawing costs of one drag frame: a 100 × 100 piece's edge and shade sprites drawn
// onto the board (and their encoding when the piece is cut), and a dirty-rectangle frame (Erase, three Adds, Flush) on a
// 1920 × 1080 board.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "pieces/dirty.h"
#include "pieces/sprite.h"
#include "raster/bitmap.h"

namespace quill {
namespace {

constexpr int kPieceSize = 100;
constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;

Bitmap PatternedBoard(int width, int height) {
  Bitmap board(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = board.ScanLine(y);
    for (int i = 0; i < 3 * width; ++i) row[i] = static_cast<uint8_t>(i * 7 + y * 3);
  }
  return board;
}

// Side number (0 top, 1 right, 2 bottom, 3 left) of the disc's outline nearest to the
// direction (dx, dy).
int SideOf(double dx, double dy) {
  if (std::abs(dy) >= std::abs(dx)) return dy < 0 ? 0 : 2;
  return dx > 0 ? 1 : 3;
}

// A disc-shaped piece: the edge map holds coverage 1..15 on its outline, the shade
// map a bevel band of brightness just inside it, lighter at the top left.
struct PieceMaps {
  std::vector<uint8_t> edge = std::vector<uint8_t>(kPieceSize * kPieceSize);
  std::vector<uint8_t> shade = std::vector<uint8_t>(kPieceSize * kPieceSize);
};

PieceMaps DiscPiece() {
  PieceMaps maps;
  const double centre = (kPieceSize - 1) / 2.0, radius = kPieceSize * 0.45, bevel = 5;
  for (int y = 0; y < kPieceSize; ++y) {
    for (int x = 0; x < kPieceSize; ++x) {
      const double dx = x - centre, dy = y - centre, d = std::hypot(dx, dy);
      const int side = SideOf(dx, dy) << 6;
      const double inside = radius + 0.5 - d;
      const size_t at = static_cast<size_t>(y) * kPieceSize + x;
      if (inside > 0 && inside < 1) maps.edge[at] = static_cast<uint8_t>(side | (1 + static_cast<int>(inside * 15)));
      if (inside >= 0 && inside < bevel) {
        const int light = (dx + dy < 0) ? 12 : -12;
        maps.shade[at] = static_cast<uint8_t>(side | (32 + light));
      }
    }
  }
  return maps;
}

struct SpriteScene {
  TSprite sprite;
  SpriteBlock edge, shade;
  Bitmap board = PatternedBoard(kBoardWidth, kBoardHeight);
  Bitmap cellBackup = PatternedBoard(kPieceSize, kPieceSize);

  SpriteScene() {
    const PieceMaps maps = DiscPiece();
    sprite.Encode(edge, kPieceSize, maps.edge.data(), kPieceSize, kPieceSize);
    sprite.Encode(shade, kPieceSize, maps.shade.data(), kPieceSize, kPieceSize);
  }
};

void BM_EdgeSpriteSmooth(benchmark::State& state) {
  SpriteScene scene;
  for (auto _ : state) {
    scene.sprite.Draw(SpriteMode::Edge, scene.edge, &scene.cellBackup, nullptr, kPieceSize, kPieceSize, 500, 700,
                      scene.board);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EdgeSpriteSmooth);

void BM_ShadeSprite(benchmark::State& state) {
  SpriteScene scene;
  for (auto _ : state) {
    // Brightness changes are cumulative; a board of patterned bytes keeps them varied.
    scene.sprite.Draw(SpriteMode::Brightness, scene.shade, nullptr, nullptr, kPieceSize, kPieceSize, 500, 700,
                      scene.board);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ShadeSprite);

// Encoding a cut piece's edge and shade images, as cutting does for every piece.
void BM_EncodePieceSprites(benchmark::State& state) {
  const TSprite sprite;
  const PieceMaps maps = DiscPiece();
  SpriteBlock edge, shade;
  for (auto _ : state) {
    sprite.Encode(edge, kPieceSize, maps.edge.data(), kPieceSize, kPieceSize);
    sprite.Encode(shade, kPieceSize, maps.shade.data(), kPieceSize, kPieceSize);
    benchmark::DoNotOptimize(edge.data());
    benchmark::DoNotOptimize(shade.data());
  }
}
BENCHMARK(BM_EncodePieceSprites);

class CountingScreen : public FlushTarget {
 public:
  void ShowRect(const Bitmap&, const Rect& rect) override { pixels_ += rect.Width() * rect.Height(); }
  int64_t Pixels() const { return pixels_; }

 private:
  int64_t pixels_ = 0;
};

// One drag frame of a 200 × 150 selection that moves 3 pixels right and 2 down per
// frame: the shadow strip recorded without a source, the image pasted through its
// mask, and a plain copy of the image.
void BM_DirtyFrame(benchmark::State& state) {
  constexpr int kW = 200, kH = 150;
  Bitmap board = PatternedBoard(kBoardWidth, kBoardHeight);
  Bitmap image = PatternedBoard(kW, kH);
  // An elliptic selection: black (shown) inside, white outside.
  Bitmap mask(kW, kH, PixelFormat::Mono1);
  mask.Fill(0xFF);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double u = (x - kW / 2.0) / (kW / 2.0), v = (y - kH / 2.0) / (kH / 2.0);
      if (u * u + v * v < 1) mask.SetPixel(x, y, 0);
    }
  TDirty dirty;
  dirty.Attach(board);
  CountingScreen screen;
  int step = 0;
  for (auto _ : state) {
    const int x = 100 + 3 * (step % 400), y = 100 + 2 * (step % 300);
    ++step;
    const Rect body{x, y, x + kW, y + kH};
    dirty.Erase();
    dirty.Add(Rect{x + 8, y + kH, x + kW + 8, y + kH + 8});
    dirty.AddMasked(body, image, Rect{0, 0, kW, kH}, mask);
    dirty.Add(body.Offset(kW, 0), &image, Rect{0, 0, kW, kH});
    dirty.Flush(screen);
  }
  benchmark::DoNotOptimize(screen.Pixels());
}
BENCHMARK(BM_DirtyFrame);

}  // namespace
}  // namespace quill
