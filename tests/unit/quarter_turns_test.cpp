// Quarter-turn copies of a 3 × 2 block in 24 and 1 bit, checked pixel by pixel: the
// three turns, other turn counts copying nothing, a single pixel, rectangles hanging
// off either bitmap, bits crossing byte boundaries, and turning within one bitmap.
#include "raster/quarter_turns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster_pictures.h"

namespace quill {
namespace {

using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;

struct TurnCase {
  int turns;
  Rect targetRect;
  Rows after;
};

// The block RGB / YCM sits at (1, 1)-(4, 3) of the source.
const Rows kSource24{".....", ".RGB.", ".YCM.", "....."};
const Rect kBlock24{1, 1, 4, 3};

TEST(QuarterTurns, TurnsA24BitBlock) {
  const std::vector<TurnCase> cases{
      {1, {1, 1, 3, 4}, {"WWWW", "WYRW", "WCGW", "WMBW", "WWWW"}},
      {2, {1, 1, 4, 3}, {"WWWW", "WMCY", "WBGR", "WWWW", "WWWW"}},
      {3, {1, 1, 3, 4}, {"WWWW", "WBMW", "WGCW", "WRYW", "WWWW"}},
      {0, {1, 1, 4, 3}, Rows(5, "WWWW")},
      {4, {1, 1, 4, 3}, Rows(5, "WWWW")},
      {-1, {1, 1, 3, 4}, Rows(5, "WWWW")},
  };
  const Bitmap source = Picture(kSource24);
  for (const TurnCase& c : cases) {
    Bitmap target = Picture(Rows(5, "WWWW"));
    RotateCopy24(source, target, kBlock24, c.turns, c.targetRect);
    EXPECT_EQ(Text(target), c.after) << "turns " << c.turns;
  }
}

// The block 100 / 110 sits across the byte boundary of the source (x 6..8) and lands
// across the one of the target; zero bits must clear and one bits set, so each turn
// runs on a target of zeros and on one of ones.
TEST(QuarterTurns, TurnsA1BitBlockAcrossByteBoundaries) {
  const Rows source{"000000000000", "000000100000", "000000110000", "000000000000"};
  const Rect block{6, 1, 9, 3};
  const std::vector<TurnCase> cases{
      {1, {7, 1, 9, 4}, {"xxxxxxxxxx", "xxxxxxx11x", "xxxxxxx10x", "xxxxxxx00x", "xxxxxxxxxx"}},
      {2, {6, 1, 9, 3}, {"xxxxxxxxxx", "xxxxxx011x", "xxxxxx001x", "xxxxxxxxxx", "xxxxxxxxxx"}},
      {3, {7, 1, 9, 4}, {"xxxxxxxxxx", "xxxxxxx00x", "xxxxxxx01x", "xxxxxxx11x", "xxxxxxxxxx"}},
  };
  const Bitmap sourceBitmap = Picture(PixelFormat::Mono1, source);
  for (const char background : {'0', '1'}) {
    for (const TurnCase& c : cases) {
      Rows expected = c.after;
      for (std::string& row : expected)
        for (char& bit : row)
          if (bit == 'x') bit = background;
      Bitmap target = Picture(PixelFormat::Mono1, Rows(5, std::string(10, background)));
      RotateCopy1(sourceBitmap, target, block, c.turns, c.targetRect);
      EXPECT_EQ(Text(target), expected) << "turns " << c.turns << " on " << background;
    }
  }
}

TEST(QuarterTurns, SinglePixelLandsOnTheTargetPixel) {
  for (const int turns : {1, 2, 3}) {
    Bitmap colour = Picture({"WWW", "WWW"});
    RotateCopy24(Picture({"...", "..R"}), colour, {2, 1, 3, 2}, turns, {0, 1, 1, 2});
    EXPECT_EQ(Text(colour), (Rows{"WWW", "RWW"})) << "turns " << turns;

    Bitmap mask = Picture(PixelFormat::Mono1, {"000000000", "000000000"});
    RotateCopy1(Picture(PixelFormat::Mono1, {"000000000", "000000001"}), mask, {8, 1, 9, 2}, turns, {7, 0, 8, 1});
    EXPECT_EQ(Text(mask), (Rows{"000000010", "000000000"})) << "turns " << turns;
  }
}

TEST(QuarterTurns, LeavesOutPixelsOffEitherBitmap) {
  // The target rectangle hangs off the left: source row 1 would land in column -1.
  Bitmap target = Picture({"WW", "WW", "WW"});
  RotateCopy24(Picture({"RGB", "YCM"}), target, {0, 0, 3, 2}, 1, {-1, 0, 1, 3});
  EXPECT_EQ(Text(target), (Rows{"RW", "GW", "BW"}));

  // The source rectangle hangs off the left: its column -1 would land in column 2.
  Bitmap turned = Picture({"WWW", "WWW"});
  RotateCopy24(Picture({"RG", "YC"}), turned, {-1, 0, 2, 2}, 2, {0, 0, 3, 2});
  EXPECT_EQ(Text(turned), (Rows{"CYW", "GRW"}));

  // Far outside both: nothing happens.
  Bitmap untouched = Picture(PixelFormat::Mono1, {"1111"});
  RotateCopy1(Picture(PixelFormat::Mono1, {"0000"}), untouched, {100, 100, 103, 102}, 3, {-50, -50, -48, -47});
  EXPECT_EQ(Text(untouched), (Rows{"1111"}));
}

TEST(QuarterTurns, WrongFormatCopiesNothing) {
  Bitmap target = Picture({"WW", "WW"});
  RotateCopy1(Picture(PixelFormat::Mono1, {"10", "01"}), target, {0, 0, 2, 2}, 2, {0, 0, 2, 2});
  EXPECT_EQ(Text(target), (Rows{"WW", "WW"}));
}

TEST(QuarterTurns, TurnsWithinOneBitmap) {
  Bitmap colour = Picture({"RG.", "YC."});
  RotateCopy24(colour, colour, {0, 0, 2, 2}, 1, {0, 0, 2, 2});
  EXPECT_EQ(Text(colour), (Rows{"YR.", "CG."}));

  Bitmap mask = Picture(PixelFormat::Mono1, {"100", "110", "000"});
  RotateCopy1(mask, mask, {0, 0, 2, 2}, 2, {1, 1, 3, 3});
  EXPECT_EQ(Text(mask), (Rows{"100", "111", "001"}));
}

}  // namespace
}  // namespace quill
