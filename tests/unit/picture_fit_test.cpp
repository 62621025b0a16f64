// Fitting the puzzle picture into the full-screen zoom window: aspect-kept sizes, and
// letter-box bars only where they would be wider than the margin; the picture
// window's size after the user resized it.
#include <gtest/gtest.h>

#include <optional>

#include "common/picture_fit.h"

namespace quill {
namespace {

TEST(PictureFit, SizeKeepsTheAspectRatioWithinTheTarget) {
  struct Case {
    int mode;
    int32_t sourceWidth, sourceHeight, targetWidth, targetHeight;
    FittedSize expected;
  };
  for (const Case& c : {
           Case{0, 1024, 768, 800, 600, {800, 600}},   // same aspect
           Case{0, 1600, 400, 800, 600, {800, 200}},   // wide: full width
           Case{0, 100, 300, 800, 600, {200, 600}},    // tall: full height
           Case{1, 100, 300, 800, 600, {200, 600}},    // mode 1 fits like mode 0
           Case{0, 400, 300, 800, 600, {800, 600}},    // small pictures grow
           Case{0, 3, 7, 10, 10, {4, 10}},             // 3 × 10 ÷ 7 rounds down
           Case{2, 100, 300, 800, 600, {800, 600}},    // mode 2: the target itself
           Case{0, 0, 300, 800, 600, {0, 0}},          // no picture, nothing to fit
       }) {
    SCOPED_TRACE(::testing::Message() << c.mode << ": " << c.sourceWidth << "x" << c.sourceHeight);
    EXPECT_EQ(FitSize(c.mode, c.sourceWidth, c.sourceHeight, c.targetWidth, c.targetHeight), c.expected);
  }
}

TEST(PictureFit, RectStretchesWhereBarsWouldBeNarrowerThanTheMargin) {
  struct Case {
    const char* what;
    int32_t sourceWidth, sourceHeight, targetWidth, targetHeight;
    Rect expected;
  };
  for (const Case& c : {
           Case{"screen aspect fills the screen", 1024, 768, 800, 600, {0, 0, 800, 600}},
           Case{"bars of 25 < 60 are stretched away", 800, 550, 800, 600, {0, 0, 800, 600}},
           Case{"side bars of 50 < 80 are stretched away", 700, 600, 800, 600, {0, 0, 800, 600}},
           Case{"tall picture centred between black columns", 100, 300, 800, 600, {300, 0, 500, 600}},
           Case{"wide picture centred between black rows", 1600, 400, 800, 600, {0, 200, 800, 400}},
           Case{"bar exactly as wide as the margin stays", 800, 600, 1000, 600, {100, 0, 900, 600}},
           Case{"bar one narrower than the margin goes", 802, 600, 1000, 600, {0, 0, 1000, 600}},
           Case{"odd bar width rounds toward zero", 100, 300, 801, 600, {300, 0, 500, 600}},
           Case{"very tall picture does not overflow", 4, 3000000, 800, 600, {400, 0, 400, 600}},
           Case{"640 x 400 on 1920 x 1080: bars of 96 < 192 go", 640, 400, 1920, 1080, {0, 0, 1920, 1080}},
           Case{"4:3 on 1920 x 1080: bars of 240 >= 192 stay", 640, 480, 1920, 1080, {240, 0, 1680, 1080}},
       }) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FitRect(c.sourceWidth, c.sourceHeight, c.targetWidth, c.targetHeight, 10), c.expected);
  }
}

// A 400 × 300 picture in a window last fitted to 240 × 180 unless a case says else.
TEST(PictureFit, ResizedPictureWindowKeepsTheAspectOfTheDraggedDimension) {
  struct Case {
    const char* what;
    FittedSize client;
    FittedSize last;
    std::optional<FittedSize> expected;
  };
  const FittedSize fitted{240, 180};
  for (const Case& c : {
           Case{"bottom edge: the width follows", {240, 240}, fitted, FittedSize{320, 240}},
           Case{"side edge: the height follows", {300, 180}, fitted, FittedSize{300, 225}},
           Case{"corner: the height follows the width", {300, 400}, fitted, FittedSize{300, 225}},
           Case{"side edge below the minimum stops at 80", {50, 180}, fitted, FittedSize{80, 60}},
           Case{"bottom edge below the minimum stops at 80", {240, 30}, fitted, FittedSize{106, 80}},
           Case{"first fit after a layout", {240, 180}, {0, 0}, FittedSize{240, 180}},
           Case{"the size just fitted ends the chain", {320, 240}, {320, 240}, std::nullopt},
       }) {
    SCOPED_TRACE(c.what);
    FittedSize last = c.last;
    EXPECT_EQ(ResizeOverlay(c.client, last, 400, 300), c.expected);
    EXPECT_EQ(last, c.expected.value_or(c.last)) << "the fitted size is kept for the next resize";
  }
}

TEST(PictureFit, ResizedPictureWindowOfAnOddPicture) {
  FittedSize last{100, 100};
  EXPECT_EQ(ResizeOverlay({100, 80}, last, 1, 1000), (FittedSize{1, 80})) << "a sliver keeps a pixel";
  last = {100, 100};
  EXPECT_EQ(ResizeOverlay({100, 80}, last, 0, 0), std::nullopt) << "no picture, nothing to fit";
  EXPECT_EQ(last, (FittedSize{100, 100}));
}

TEST(PictureFit, PictureWindowHeightFollowsItsWidthWhenALayoutIsMade) {
  EXPECT_EQ(OverlayHeightForWidth(240, 400, 300), 180);
  EXPECT_EQ(OverlayHeightForWidth(240, 540, 670), 297);  // 670 × 240 ÷ 540 rounds down
  EXPECT_EQ(OverlayHeightForWidth(240, 0, 0), 240);
}

}  // namespace
}  // namespace quill
