#include "common/random.h"

namespace quill {
namespace {

// Each thread draws from a generator of its own, so a puzzle cut ahead on another
// thread leaves the game's sequence of draws as it was.
thread_local uint32_t gSeed = 0;

}  // namespace

void SetRandSeed(int32_t seed) { gSeed = static_cast<uint32_t>(seed); }

int32_t RandSeed() { return static_cast<int32_t>(gSeed); }

int32_t Random(int32_t n) {
  gSeed = gSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<int32_t>((uint64_t{gSeed} * static_cast<uint32_t>(n)) >> 32);
}

}  // namespace quill
