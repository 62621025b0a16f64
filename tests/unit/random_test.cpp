// The shared generator: its sequence from a seed is part of every puzzle, so the
// values are checked against the recurrence worked out by hand.
#include "common/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace quill {
namespace {

TEST(Random, SeedsFollowTheRecurrence) {
  SetRandSeed(0);
  std::vector<int32_t> seeds;
  for (int i = 0; i < 4; ++i) {
    Random(1);
    seeds.push_back(RandSeed());
  }
  // 0 × 134775813 + 1 = 1; 1 × 134775813 + 1 = 134775814; then modulo 2^32, as signed.
  EXPECT_EQ(seeds, (std::vector<int32_t>{1, 134775814, -596792289, 870078620}));
}

TEST(Random, DrawIsTheHighWordOfSeedTimesRange) {
  struct Case {
    int32_t seed;
    int32_t range;
    std::vector<int32_t> draws;
  };
  const Case cases[] = {
      {0, 100, {0, 3, 86, 20}},       // seeds 1, 134775814, 3698175007, 870078620
      {0, 6, {0, 0, 5, 1}},
      {12345, 1000, {385, 289, 79}},
  };
  for (const Case& c : cases) {
    SetRandSeed(c.seed);
    std::vector<int32_t> draws;
    for (size_t i = 0; i < c.draws.size(); ++i) draws.push_back(Random(c.range));
    EXPECT_EQ(draws, c.draws) << "seed " << c.seed << ", range " << c.range;
  }
}

TEST(Random, EmptyOrNegativeRangeGivesZeroButStillAdvances) {
  for (const int32_t range : {0, -1, -1000}) {
    SetRandSeed(0);
    EXPECT_EQ(Random(range), 0);
    EXPECT_EQ(RandSeed(), 1);
  }
}

TEST(Random, NegativeSeedWrapsAsUnsigned) {
  SetRandSeed(-1);
  EXPECT_EQ(RandSeed(), -1);
  Random(10);
  EXPECT_EQ(RandSeed(), -134775812);  // (2^32 − 1) × 134775813 + 1 modulo 2^32
}

}  // namespace
}  // namespace quill
