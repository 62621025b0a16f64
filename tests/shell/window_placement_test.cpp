// The main window opens over most of its screen, centred.
#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct PlacementCase {
  const char* name;
  QRect available;
  QRect expected;
};

class StartGeometryTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(StartGeometryTest, TakesMostOfTheScreenCentred) {
  EXPECT_EQ(StartGeometry(GetParam().available, QSize(800, 600)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartGeometryTest,
                         ::testing::Values(
                             // 1728 × 972: room for a 1280 × 800 picture below the bars.
                             PlacementCase{"FullHd", QRect(0, 0, 1920, 1080), QRect(96, 54, 1728, 972)},
                             PlacementCase{"FullHdWithADockOnTheLeft", QRect(64, 0, 1856, 1080),
                                           QRect(157, 54, 1670, 972)},
                             PlacementCase{"SecondScreen", QRect(1920, 0, 2560, 1440), QRect(2048, 72, 2304, 1296)},
                             // Never smaller than designed unless the screen is.
                             PlacementCase{"LowNetbook", QRect(0, 0, 1024, 600), QRect(51, 0, 921, 600)},
                             PlacementCase{"Tiny", QRect(0, 0, 640, 480), QRect(0, 0, 640, 480)}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quill
