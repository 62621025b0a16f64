// Tab codes: the pattern table, its inverse and turning a code with its piece.
#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "pieces/tab_codes.h"

namespace quill {
namespace {

TEST(TabCodes, CodesOrderThePatternsByTheirNumberOfTabs) {
  std::set<uint8_t> codes;
  for (uint8_t pattern = 0; pattern < 16; ++pattern) {
    const uint8_t code = TabCodeOfPattern(pattern);
    codes.insert(code);
    EXPECT_EQ(TabPatternOfCode(code), pattern);
  }
  EXPECT_EQ(codes.size(), 16u);
  for (uint8_t code = 1; code < 16; ++code) {
    EXPECT_LE(std::popcount(TabPatternOfCode(code - 1)), std::popcount(TabPatternOfCode(code))) << int{code};
  }
}

TEST(TabCodes, TurningMovesEachTabToTheNextSideClockwise) {
  struct Case {
    const char* name;
    uint8_t code;
    int turns;
    uint8_t expected;
  };
  const Case cases[] = {
      {"top tab to right", 1, 1, 2},
      {"right tab to bottom", 2, 1, 3},
      {"bottom tab to left", 3, 1, 4},
      {"left tab to top", 4, 1, 1},
      {"top and right to right and bottom", 5, 1, 6},
      {"top and right, half a turn", 5, 2, 8},
      {"top and right, three quarters", 5, 3, 7},
      {"top and bottom to left and right", 9, 1, 10},
      {"top and bottom, half a turn", 9, 2, 9},
      {"three tabs, missing left, to missing top", 11, 1, 14},
      {"anticlockwise quarter turn", 2, -1, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(RotateTabCode(c.code, c.turns), c.expected) << c.name;
}

TEST(TabCodes, FourQuarterTurnsChangeNothing) {
  for (uint8_t code = 0; code < 16; ++code) {
    EXPECT_EQ(RotateTabCode(code, 4), code);
    EXPECT_EQ(RotateTabCode(code, 0), code);
    EXPECT_EQ(RotateTabCode(RotateTabCode(code, 1), 3), code);
    EXPECT_EQ(RotateTabCode(code, -1), RotateTabCode(code, 3));
  }
}

}  // namespace
}  // namespace quill
