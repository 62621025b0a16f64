#include "art_noise.h"

#include <cmath>

namespace quill::art {
namespace {

inline float SmoothStepWeight(float t) { return t * t * (3.0f - 2.0f * t); }

inline uint32_t Scramble(uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

inline float Hash(int32_t x, int32_t y, uint32_t seed) {
  const uint32_t h = Scramble(static_cast<uint32_t>(x) * 0x8da6b343U ^ static_cast<uint32_t>(y) * 0xd8163841U ^ seed);
  return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

// floor() without a library call; the noise is only used well inside int range.
inline int32_t FloorToInt(float x) {
  const auto truncated = static_cast<int32_t>(x);
  return truncated - (x < static_cast<float>(truncated) ? 1 : 0);
}

inline float Noise2(float x, float y, uint32_t seed) {
  const int32_t ix = FloorToInt(x);
  const int32_t iy = FloorToInt(y);
  const auto fx = static_cast<float>(ix);
  const auto fy = static_cast<float>(iy);
  const float tx = SmoothStepWeight(x - fx);
  const float ty = SmoothStepWeight(y - fy);
  const float a = Hash(ix, iy, seed);
  const float b = Hash(ix + 1, iy, seed);
  const float c = Hash(ix, iy + 1, seed);
  const float d = Hash(ix + 1, iy + 1, seed);
  const float top = a + (b - a) * tx;
  const float bottom = c + (d - c) * tx;
  return 2.0f * (top + (bottom - top) * ty) - 1.0f;
}

inline float Noise1(float x, uint32_t seed) {
  const int32_t ix = FloorToInt(x);
  const auto fx = static_cast<float>(ix);
  const float t = SmoothStepWeight(x - fx);
  const float a = Hash(ix, 0, seed);
  const float b = Hash(ix + 1, 0, seed);
  return 2.0f * (a + (b - a) * t) - 1.0f;
}

// Distinct seeds for the octaves of one fractal sum.
uint32_t OctaveSeed(uint32_t seed, int octave) { return seed + 0x9E3779B9U * static_cast<uint32_t>(octave + 1); }

}  // namespace

uint64_t ArtRandom::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

float ArtRandom::Unit() { return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f); }

int ArtRandom::Below(int count) { return static_cast<int>(Next() % static_cast<uint64_t>(count)); }

float LatticeHash(int32_t x, int32_t y, uint32_t seed) { return Hash(x, y, seed); }

float FractalNoise(float x, float y, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float amplitude = 0.5f;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * Noise2(x, y, OctaveSeed(seed, octave));
    // Double the frequency and turn by about 37 degrees.
    const float turnedX = 1.6f * x - 1.2f * y;
    const float turnedY = 1.2f * x + 1.6f * y;
    x = turnedX + 17.3f;
    y = turnedY - 9.1f;
    amplitude *= 0.5f;
  }
  return sum;
}

float FractalNoise(float x, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float amplitude = 0.5f;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * Noise1(x, OctaveSeed(seed, octave));
    x = 2.0f * x + 17.3f;
    amplitude *= 0.5f;
  }
  return sum;
}

int OctavesFor(float featureSize, float pixelsPerUnit) {
  constexpr float kFinestPixels = 3.0f;
  const float pixels = featureSize * pixelsPerUnit;
  if (pixels <= 2.0f * kFinestPixels) return 1;
  // Octave k has features of pixels / 2^k.
  return 1 + static_cast<int>(std::log2(pixels / kFinestPixels));
}

}  // namespace quill::art
