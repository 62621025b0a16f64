// The program's random number generator, a 32-bit linear congruential generator, one
// per thread. Its sequence from a puzzle's seed is part of the puzzle (outlines,
// first layout), so it is seeded from the puzzle and never from the clock.
#pragma once
#include <cstdint>

namespace quill {

void SetRandSeed(int32_t seed);
int32_t RandSeed();

// Advances the seed (seed × 134775813 + 1, modulo 2^32) and returns a number in
// 0..n-1: the high 32 bits of the 64-bit product of the seed and n. n ≤ 0 gives 0.
int32_t Random(int32_t n);

}  // namespace quill
