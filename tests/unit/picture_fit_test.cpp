// Fitting the puzzle picture into the full-screen zoom window: aspect-kept sizes, and
// letter-box bars only where they would be wider than the margin.
#include <gtest/gtest.h>

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
       }) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FitRect(c.sourceWidth, c.sourceHeight, c.targetWidth, c.targetHeight, 10), c.expected);
  }
}

}  // namespace
}  // namespace quill
