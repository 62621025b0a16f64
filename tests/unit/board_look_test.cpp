#include "board/board_look.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

PieceLook At(int32_t x, int32_t y) {
  PieceLook look;
  look.X = x;
  look.Y = y;
  look.Width = 40;
  look.Height = 30;
  return look;
}

const Rect kBoard{0, 0, 800, 600};

TEST(ChangedAreasTest, TakesTheOldAndNewPlaceOfEachChangedPieceMergedWhereTheyOverlap) {
  struct Case {
    const char* what;
    std::vector<PieceLook> before, after;
    int32_t wood;
    std::vector<Rect> areas;
  };
  PieceLook regrouped = At(300, 300);
  regrouped.Group = 9;
  const Case cases[] = {
      {"nothing changed", {At(10, 10), At(100, 100)}, {At(10, 10), At(100, 100)}, 0, {}},
      {"moved apart", {At(10, 10)}, {At(200, 10)}, 0, {{10, 10, 50, 40}, {200, 10, 240, 40}}},
      {"moved a little: one area", {At(10, 10)}, {At(20, 15)}, 0, {{10, 10, 60, 45}}},
      {"wood below", {At(10, 10)}, {At(200, 10)}, 4, {{10, 10, 50, 44}, {200, 10, 240, 44}}},
      {"only the stacking changed", {At(300, 300)}, {regrouped}, 0, {{300, 300, 340, 330}}},
      {"cut to the board", {At(-20, 590)}, {At(780, -10)}, 0, {{0, 590, 20, 600}, {780, 0, 800, 20}}},
      {"a third joins two areas", {At(10, 10), At(80, 10), At(45, 10)}, {At(10, 200), At(80, 200), At(46, 10)}, 0,
       {{10, 200, 50, 230}, {80, 200, 120, 230}, {10, 10, 120, 40}}},
  };
  for (const Case& c : cases) {
    std::vector<Rect> areas;
    EXPECT_TRUE(ChangedAreas(c.before, c.after, c.wood, kBoard, areas)) << c.what;
    EXPECT_EQ(areas, c.areas) << c.what;
  }
}

TEST(ChangedAreasTest, WholeBoardWhenTooManyOrTooLarge) {
  std::vector<PieceLook> before, after;
  for (int i = 0; i < 40; ++i) {
    before.push_back(At(i % 10 * 80, i / 10 * 100));
    after.push_back(At(i % 10 * 80, i / 10 * 100 + 50));
  }
  std::vector<Rect> areas;
  EXPECT_FALSE(ChangedAreas(before, after, 0, kBoard, areas)) << "more areas than are worth drawing one by one";

  PieceLook large = At(0, 0), moved = At(400, 0);
  large.Width = moved.Width = 400;
  large.Height = moved.Height = 400;
  EXPECT_FALSE(ChangedAreas({large}, {moved}, 0, kBoard, areas)) << "more than half the board";
  EXPECT_FALSE(ChangedAreas({At(0, 0)}, {}, 0, kBoard, areas)) << "another set of pieces";
}

}  // namespace
}  // namespace quill
