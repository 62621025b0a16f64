// make_wood_texture: draws the wood grain that the Wood outline style shows on the
// edges of the pieces, 96 × 96 pixels of warm browns with grain lines running across,
// and saves it as a JPEG. The build runs it and embeds the file as the resource
// "Solid" of type "JPG". The grain wraps round in both directions, so the texture
// tiles along the edge of a long piece without a seam.
//
//   make_wood_texture <output.jpg>
#include <cmath>
#include <cstdint>
#include <exception>
#include <iostream>
#include <numbers>
#include <vector>

#include "jpeg_writer.h"
#include "raster/bitmap.h"

namespace {

constexpr int kSize = 96;
constexpr int kQuality = 90;
constexpr int kGrainBands = 6;  // dark grain lines from top to bottom

// Smooth random values on a lattice of cellsX × cellsY that wraps round the texture.
class TileNoise {
 public:
  TileNoise(int cellsX, int cellsY, uint32_t seed) : cellsX_(cellsX), cellsY_(cellsY) {
    values_.resize(static_cast<size_t>(cellsX) * static_cast<size_t>(cellsY));
    for (double& v : values_) {
      seed = seed * 1664525u + 1013904223u;
      v = (seed >> 8) / static_cast<double>(1u << 24);
    }
  }

  // u and v in texture units (1 = the whole texture); the result lies in 0..1.
  double At(double u, double v) const {
    const double x = u * cellsX_, y = v * cellsY_;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = Ease(x - ix), fy = Ease(y - iy);
    const double top = Mix(Value(ix, iy), Value(ix + 1, iy), fx);
    const double bottom = Mix(Value(ix, iy + 1), Value(ix + 1, iy + 1), fx);
    return Mix(top, bottom, fy);
  }

 private:
  static double Ease(double t) { return t * t * (3 - 2 * t); }
  static double Mix(double a, double b, double t) { return a + (b - a) * t; }
  double Value(int x, int y) const {
    x = ((x % cellsX_) + cellsX_) % cellsX_;
    y = ((y % cellsY_) + cellsY_) % cellsY_;
    return values_[static_cast<size_t>(y) * static_cast<size_t>(cellsX_) + static_cast<size_t>(x)];
  }

  int cellsX_, cellsY_;
  std::vector<double> values_;
};

struct Rgb {
  double r, g, b;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

uint8_t Channel(double v) { return static_cast<uint8_t>(std::lround(std::fmin(255.0, std::fmax(0.0, v)))); }

void PaintWoodGrain(quill::Bitmap& wood) {
  const TileNoise warp(3, 4, 0x5EED1u), wobble(6, 8, 0x5EED2u), streaks(3, 64, 0x5EED3u), pores(16, 96, 0x5EED4u);
  const Rgb light{222, 170, 110}, dark{124, 72, 36}, amber{200, 134, 74};
  for (int y = 0; y < kSize; ++y) {
    uint8_t* row = wood.ScanLine(y);
    for (int x = 0; x < kSize; ++x) {
      const double u = static_cast<double>(x) / kSize, v = static_cast<double>(y) / kSize;
      // Grain lines bend with two octaves of noise and a gentle wave along the board.
      const double bend = 0.55 * warp.At(u, v) + 0.18 * wobble.At(u, v) + 0.08 * std::sin(2 * std::numbers::pi * u);
      const double phase = v * kGrainBands + bend;
      const double ring = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * phase);
      const double fine = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * (3 * phase + 0.3));
      const double lateWood = std::pow(ring, 9.0);   // narrow dark lines
      const double earlyWood = std::pow(ring, 2.0);  // soft shading towards them
      Rgb colour = Mix(light, amber, 0.5 * earlyWood + 0.15 * std::pow(fine, 6.0));
      colour = Mix(colour, dark, 0.85 * lateWood);
      // Fine streaks along the grain and a few small pores darken it a little.
      const double streak = streaks.At(u, v) - 0.5, pore = pores.At(u, v);
      const double shade = 1.0 + 0.14 * streak - (pore > 0.86 ? 0.08 : 0.0);
      row[3 * x + 0] = Channel(colour.b * shade);
      row[3 * x + 1] = Channel(colour.g * shade);
      row[3 * x + 2] = Channel(colour.r * shade);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_wood_texture <output.jpg>\n";
    return 2;
  }
  try {
    quill::Bitmap wood(kSize, kSize, quill::PixelFormat::Rgb24);
    PaintWoodGrain(wood);
    quill::WriteJpegFile(wood, kQuality, argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "make_wood_texture: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
