// Seeded random numbers and smooth value noise for the procedural artwork. Everything
// is integer hashing and float arithmetic, so a seed draws the same picture on every
// run. Used by the demo scene painter.
#pragma once
#include <cstdint>

namespace quill::art {

// A small, fast generator (SplitMix64) for placing the objects of a scene.
class ArtRandom {
 public:
  explicit ArtRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in [0, 1), and in [low, high).
  float Unit();
  float Between(float low, float high) { return low + (high - low) * Unit(); }
  // Uniform in 0 .. count-1.
  int Below(int count);

 private:
  uint64_t state_;
};

// A lattice point hashed to [0, 1).
float LatticeHash(int32_t x, int32_t y, uint32_t seed);

// Sums `octaves` layers of smooth value noise (random values at whole-numbered
// lattice points, blended smoothly between them), each of twice the frequency and
// half the amplitude of the one before and turned a little, so lattice lines do not
// line up. The result stays within [-1, 1] and is usually within ±0.6.
float FractalNoise(float x, float y, int octaves, uint32_t seed);
float FractalNoise(float x, int octaves, uint32_t seed);

// How many octaves carry detail from features of `featureSize` down to about three
// pixels, when one unit is `pixelsPerUnit` pixels; at least one.
int OctavesFor(float featureSize, float pixelsPerUnit);

}  // namespace quill::art
