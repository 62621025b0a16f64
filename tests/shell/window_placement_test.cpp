// The main window opens over most of its screen, centred; the picture window, the
// loupe and the speed window open beside it or, without room there, over the board's
// edges, clear of each other and of the bars.
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

// A 1920 x 1080 screen; the main window (frame and board) where StartGeometry puts
// it, or narrower with room on its right. The picture window 248 x 214 and the loupe
// 244 x 232 (frames with title bars).
TEST(ViewPositionTest, ViewsOpenBesideTheMainWindowOrOverTheBoardsEdges) {
  const QRect screen(0, 0, 1920, 1080);
  const QRect fullMain(96, 54, 1728, 972), fullBoard(97, 150, 1726, 760);
  const QRect narrowMain(0, 54, 1500, 972), narrowBoard(1, 150, 1498, 760);
  const QSize picture(248, 214), loupe(244, 232);
  struct Case {
    const char* what;
    ViewPlace place;
    QRect main, board;
    QSize size;
    QPoint expected;
  };
  for (const Case& c : {
           Case{"picture inside the board's top right", ViewPlace::TopBeside, fullMain, fullBoard, picture, {1567, 158}},
           Case{"loupe inside the board's bottom right", ViewPlace::BottomBeside, fullMain, fullBoard, loupe,
                {1571, 670}},
           Case{"picture beside the top", ViewPlace::TopBeside, narrowMain, narrowBoard, picture, {1508, 54}},
           Case{"loupe beside the bottom", ViewPlace::BottomBeside, narrowMain, narrowBoard, loupe, {1508, 794}},
           Case{"speed window over the board's top left", ViewPlace::OverBoardLeft, fullMain, fullBoard, {260, 120},
                {105, 158}},
       }) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ViewPosition(c.place, screen, c.main, c.board, c.size), c.expected);
  }

  // Without room beside, the two views stay clear of each other, of the bars below
  // the board and of the board's middle.
  const QRect top(ViewPosition(ViewPlace::TopBeside, screen, fullMain, fullBoard, picture), picture);
  const QRect bottom(ViewPosition(ViewPlace::BottomBeside, screen, fullMain, fullBoard, loupe), loupe);
  EXPECT_FALSE(top.intersects(bottom));
  EXPECT_LE(bottom.bottom(), fullBoard.bottom()) << "the tray bar and the status bar stay visible";
  EXPECT_FALSE(top.contains(fullBoard.center()) || bottom.contains(fullBoard.center()));
}

}  // namespace
}  // namespace quill
