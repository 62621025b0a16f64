// Dirty rectangles of drag frames: adding copies and masked pastes, the 16-rectangle
// limit, restoring from the clean copy, committing board changes, merging the last
// and the current frame's rectangles, and what reaches the screen.
#include "pieces/dirty.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "raster/blit.h"
#include "raster_pictures.h"

namespace quill {
namespace {

using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;

const Rows kBoard{"RGBYCMRG", "GBYCMRGB", "BYCMRGBY", "YCMRGBYC"};

class RecordingScreen : public FlushTarget {
 public:
  void ShowRect(const Bitmap&, const Rect& rect) override { shown.push_back(rect); }
  std::vector<Rect> shown;
};

std::vector<Rect> Listed(std::span<const Rect> rects) { return {rects.begin(), rects.end()}; }

TEST(Dirty, AddCopiesAndEraseRestoresTheCleanCopy) {
  Bitmap board = Picture(kBoard);
  const Bitmap image = Picture({"WWW", "WWW"});
  TDirty dirty;
  dirty.Attach(board);
  EXPECT_EQ(Text(dirty.CleanCopy()), kBoard);

  dirty.Add({1, 1, 4, 3}, &image, {0, 0, 3, 2});
  dirty.Add({6, 0, 8, 1});  // drawn by the caller; only recorded
  EXPECT_EQ(Text(board), (Rows{"RGBYCMRG", "GWWWMRGB", "BWWWRGBY", "YCMRGBYC"}));
  EXPECT_EQ(Listed(dirty.Current()), (std::vector<Rect>{{1, 1, 4, 3}, {6, 0, 8, 1}}));

  board.SetPixel(7, 0, kWhite);
  dirty.Erase();
  EXPECT_EQ(Text(board), kBoard);
  EXPECT_TRUE(dirty.Current().empty());
  EXPECT_EQ(Listed(dirty.Previous()), (std::vector<Rect>{{1, 1, 4, 3}, {6, 0, 8, 1}}));
}

TEST(Dirty, AddsBeyondSixteenInAFrameAreIgnored) {
  Bitmap board = Picture(kBoard);
  const Bitmap image = Picture({"W"});
  const Bitmap mask = Picture(PixelFormat::Mono1, {"0"});
  TDirty dirty;
  dirty.Attach(board);
  std::vector<Rect> recorded;
  for (int i = 0; i < TDirty::kFrameCapacity; ++i) {
    const Rect pixel{i % 8, i / 8, i % 8 + 1, i / 8 + 1};
    dirty.Add(pixel, &image, {0, 0, 1, 1});
    recorded.push_back(pixel);
  }
  dirty.Add({0, 2, 1, 3}, &image, {0, 0, 1, 1});
  dirty.AddMasked({1, 2, 2, 3}, image, {0, 0, 1, 1}, mask);
  EXPECT_EQ(Text(board), (Rows{"WWWWWWWW", "WWWWWWWW", "BYCMRGBY", "YCMRGBYC"}));
  EXPECT_EQ(Listed(dirty.Current()), recorded);
}

struct MaskedCase {
  const char* what;
  Rect rect, sourceRect;
  Rows mask;
  Rows expected;
};

// The image is black where the mask is white (1), as piece images are.
TEST(Dirty, AddMaskedPastesTheImageThroughItsMask) {
  const Bitmap image = Picture({".WW.", "WWWW"});
  const Rows mask{"1001", "0000"};
  const std::vector<MaskedCase> cases{
      {"pasted through the mask", {2, 1, 6, 3}, {0, 0, 4, 2}, mask,
       {"RGBYCMRG", "GBYWWRGB", "BYWWWWBY", "YCMRGBYC"}},
      {"part of the image", {0, 0, 2, 2}, {2, 0, 4, 2}, mask, {"WGBYCMRG", "WWYCMRGB", "BYCMRGBY", "YCMRGBYC"}},
      {"hanging off the board", {6, 3, 10, 5}, {0, 0, 4, 2}, mask,
       {"RGBYCMRG", "GBYCMRGB", "BYCMRGBY", "YCMRGBYW"}},
      {"a mask of another size", {2, 1, 6, 3}, {0, 0, 4, 2}, {"10011", "00000"},
       {"RGBYCMRG", "GBYWWRGB", "BYWWWWBY", "YCMRGBYC"}},
  };
  for (const MaskedCase& c : cases) {
    Bitmap board = Picture(kBoard);
    TDirty dirty;
    dirty.Attach(board);
    dirty.AddMasked(c.rect, image, c.sourceRect, Picture(PixelFormat::Mono1, c.mask));
    EXPECT_EQ(Text(board), c.expected) << c.what;
    EXPECT_EQ(Listed(dirty.Current()), std::vector<Rect>{c.rect}) << c.what;
  }
}

Bitmap Noise(int width, int height, uint32_t seed) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int i = 0; i < 3 * width; ++i) bitmap.ScanLine(y)[i] = static_cast<uint8_t>((seed = seed * 134775813 + 1) >> 24);
  return bitmap;
}

// A masked paste equals ANDing the mask and ORing the image with block copies, for a
// mask with whole bytes of 0 and of 1 and mixed ones, at offsets that do and do not
// start on a byte, and with mask colours other than black and white.
TEST(Dirty, AddMaskedEqualsAndThenOrOfTheBlocks) {
  constexpr int kW = 20, kH = 2;
  const Bitmap image = Noise(kW, kH, 5);
  Bitmap mask(kW, kH, PixelFormat::Mono1);
  for (int x = 0; x < kW; ++x) {
    const bool white = (x >= 8 && x < 16) || (x >= 16 && x % 2 == 1);
    mask.SetPixel(x, 0, white ? 1 : 0);
    mask.SetPixel(x, 1, white ? 0 : 1);
  }
  for (const Colour white : {kWhite, MakeColour(0xF0, 0x0F, 0x3C)}) {
    mask.Palette()[1] = white;
    for (const int sourceLeft : {0, 3})
      for (const int left : {0, 2, 5}) {
        const Rect rect{left, 1, left + kW - sourceLeft, 1 + kH};
        const Rect sourceRect{sourceLeft, 0, kW, kH};
        Bitmap board = Noise(24, 3, 9);
        Bitmap expected = board;
        BitBlt(expected, rect.Left, rect.Top, rect.Width(), rect.Height(), mask, sourceLeft, 0, RasterOp::SrcAnd);
        BitBlt(expected, rect.Left, rect.Top, rect.Width(), rect.Height(), image, sourceLeft, 0, RasterOp::SrcPaint);
        TDirty dirty;
        dirty.Attach(board);
        dirty.AddMasked(rect, image, sourceRect, mask);
        const size_t bytes = static_cast<size_t>(board.Stride()) * board.Height();
        EXPECT_EQ(std::memcmp(board.Bits(), expected.Bits(), bytes), 0) << sourceLeft << " " << left;
      }
  }
}

TEST(Dirty, CommittedChangesSurviveErase) {
  Bitmap board = Picture(kBoard);
  TDirty dirty;
  dirty.Attach(board);
  board.SetPixel(0, 0, kWhite);
  board.SetPixel(1, 0, kWhite);
  dirty.Commit({0, 0, 1, 1});
  dirty.Add({0, 0, 3, 1});
  dirty.Erase();
  EXPECT_EQ(Text(board), (Rows{"WGBYCMRG", "GBYCMRGB", "BYCMRGBY", "YCMRGBYC"}));
}

struct MergeCase {
  const char* what;
  std::vector<Rect> previous, current;
  std::vector<Rect> merged;  // dead ones included
  std::vector<Rect> shown;
};

// Each case runs one frame with the previous rectangles, then one with the current.
TEST(Dirty, FlushMergesTheLastAndThisFrame) {
  constexpr int32_t kDead = TDirty::kDeadLeft;
  const std::vector<MergeCase> cases{
      {"overlapping rectangles of consecutive frames become their union",
       {{2, 2, 6, 6}}, {{4, 3, 8, 7}}, {{2, 2, 8, 7}}, {{2, 2, 8, 7}}},
      {"a sprite that stays put", {{1, 1, 3, 3}}, {{1, 1, 3, 3}}, {{1, 1, 3, 3}}, {{1, 1, 3, 3}}},
      {"apart", {{0, 0, 2, 2}}, {{5, 5, 7, 7}}, {{0, 0, 2, 2}, {5, 5, 7, 7}}, {{0, 0, 2, 2}, {5, 5, 7, 7}}},
      {"touching edges do not overlap", {{0, 0, 2, 2}}, {{2, 0, 4, 2}}, {{0, 0, 2, 2}, {2, 0, 4, 2}},
       {{0, 0, 2, 2}, {2, 0, 4, 2}}},
      {"a bridge joins two rectangles and the second dies",
       {{0, 0, 2, 2}, {4, 0, 6, 2}}, {{1, 0, 5, 1}}, {{0, 0, 6, 2}, {kDead, 0, 6, 2}}, {{0, 0, 6, 2}}},
      {"rectangles of one frame merge too", {}, {{0, 0, 4, 4}, {2, 2, 6, 6}}, {{0, 0, 6, 6}}, {{0, 0, 6, 6}}},
      {"only the board's part is shown", {}, {{-2, -2, 3, 3}, {25, 0, 30, 5}}, {{-2, -2, 3, 3}, {25, 0, 30, 5}},
       {{0, 0, 3, 3}}},
  };
  for (const MergeCase& c : cases) {
    Bitmap board(20, 10);
    TDirty dirty;
    dirty.Attach(board);
    for (const Rect& r : c.previous) dirty.Add(r);
    dirty.Erase();
    for (const Rect& r : c.current) dirty.Add(r);
    RecordingScreen screen;
    dirty.Flush(screen);
    EXPECT_EQ(Listed(dirty.Merged()), c.merged) << c.what;
    EXPECT_EQ(screen.shown, c.shown) << c.what;
  }
}

// Two drag frames onto a black screen: the screen gets the sprite, then the board
// back where the sprite was and the sprite at its new place, nothing else.
TEST(Dirty, DragFramesReachTheScreen) {
  Bitmap board = Picture(kBoard);
  Bitmap screen = Picture(Rows(4, "........"));
  const Bitmap image = Picture({"WW", "WW"});
  BitmapFlushTarget toScreen(screen);
  TDirty dirty;
  dirty.Attach(board);

  dirty.Reset();
  dirty.Add({1, 1, 3, 3}, &image, {0, 0, 2, 2});
  dirty.Flush(toScreen);
  EXPECT_EQ(Text(screen), (Rows{"........", ".WW.....", ".WW.....", "........"}));

  dirty.Erase();
  dirty.Add({4, 1, 6, 3}, &image, {0, 0, 2, 2});
  dirty.Flush(toScreen);
  EXPECT_EQ(Text(screen), (Rows{"........", ".BY.WW..", ".YC.WW..", "........"}));
  EXPECT_EQ(Text(board), (Rows{"RGBYCMRG", "GBYCWWGB", "BYCMWWBY", "YCMRGBYC"}));
}

TEST(Dirty, ResetForgetsTheFrames) {
  Bitmap board = Picture(kBoard);
  const Bitmap image = Picture({"W"});
  TDirty dirty;
  dirty.Attach(board);
  dirty.Add({0, 0, 1, 1}, &image, {0, 0, 1, 1});
  dirty.Erase();
  dirty.Add({1, 0, 2, 1}, &image, {0, 0, 1, 1});
  dirty.Reset();
  dirty.Erase();
  EXPECT_EQ(Text(board), (Rows{"RWBYCMRG", "GBYCMRGB", "BYCMRGBY", "YCMRGBYC"}));
  RecordingScreen screen;
  dirty.Flush(screen);
  EXPECT_TRUE(screen.shown.empty());
  EXPECT_TRUE(dirty.Previous().empty());
}

}  // namespace
}  // namespace quill

namespace quill {
namespace {

// The last frame is restored only outside the next one: whatever lies inside stays
// for the next frame to draw over, whether the two overlap partly, wholly or not at
// all, and at the board's edges. Runs restore the pixels of the next frame they name.
TEST(Dirty, EraseOutsideRestoresOnlyWhatTheNextFrameDoesNotReach) {
  struct Case {
    const char* what;
    Rect last, next;
    Rows board;
  };
  const Case cases[] = {
      {"partly", {1, 0, 5, 3}, {3, 1, 7, 4}, {"RGBYCMRG", "GBYWWWWB", "BYCWWWWY", "YCMWWWWC"}},
      {"not at all", {0, 0, 2, 2}, {5, 2, 8, 4}, {"RGBYCMRG", "GBYCMRGB", "BYCMRWWW", "YCMRGWWW"}},
      {"inside", {0, 0, 8, 4}, {2, 1, 4, 3}, {"RGBYCMRG", "GBWWMRGB", "BYWWRGBY", "YCMRGBYC"}},
      {"cut by the edges", {-2, -1, 3, 2}, {6, 2, 10, 6}, {"RGBYCMRG", "GBYCMRGB", "BYCMRGWW", "YCMRGBWW"}},
  };
  for (const Case& c : cases) {
    Bitmap board = Picture(kBoard);
    TDirty dirty;
    dirty.Attach(board);
    const Bitmap white = Picture({"WWWWWWWWWWWW", "WWWWWWWWWWWW", "WWWWWWWWWWWW", "WWWWWWWWWWWW"});
    dirty.Add(c.last, &white, {0, 0, c.last.Width(), c.last.Height()});
    dirty.Add(c.next, &white, {0, 0, c.next.Width(), c.next.Height()});
    dirty.Erase();
    // Both white: the last frame is the first rectangle, the next one's pixels stay.
    dirty.Add(c.last);
    BitBlt(board, c.next.Left, c.next.Top, c.next.Width(), c.next.Height(), white, 0, 0);
    BitBlt(board, c.last.Left, c.last.Top, c.last.Width(), c.last.Height(), white, 0, 0);
    dirty.EraseOutside(c.next);
    EXPECT_EQ(Text(board), c.board) << c.what;
    EXPECT_EQ(Listed(dirty.Previous()), (std::vector<Rect>{c.last})) << c.what;
    EXPECT_TRUE(dirty.Current().empty()) << c.what;
  }
}

TEST(Dirty, RestoreRunsCopiesTheNamedPixelsFromTheCleanCopy) {
  Bitmap board = Picture(kBoard);
  TDirty dirty;
  dirty.Attach(board);
  const Bitmap white = Picture({"WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW"});
  BitBlt(board, 0, 0, 8, 4, white, 0, 0);
  RowRuns runs;
  const uint8_t rows[3][4] = {{1, 0, 0, 1}, {0, 0, 0, 0}, {0, 1, 1, 0}};
  for (const auto& row : rows) runs.AddRow(row, 4);
  dirty.RestoreRuns({5, 2}, runs);  // the last column and row lie off the board
  EXPECT_EQ(Text(board), (Rows{"WWWWWWWW", "WWWWWWWW", "WWWWWGWW", "WWWWWWWW"}));
  EXPECT_EQ(runs.Rows(), 3);
}

}  // namespace
}  // namespace quill
