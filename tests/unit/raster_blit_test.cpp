// Block copies: every raster operation on known pixel values, the conversions between
// formats, clipping at the edges of both bitmaps, overlapping copies within one
// bitmap, and nearest-neighbour stretching. Expected pixels are worked out by hand.
#include "raster/blit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster_pictures.h"

namespace quill {
namespace {

using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;
constexpr PixelFormat k24 = PixelFormat::Rgb24, k8 = PixelFormat::Pal8, k1 = PixelFormat::Mono1;

// 8-bit pictures use indices 0 black, 1 red, 2 green, 3 white, 4 blue.
Bitmap Make(PixelFormat format, const Rows& rows) {
  Bitmap bitmap = Picture(format, rows);
  if (format == k8) {
    for (const char letter : {'.', 'R', 'G', 'W', 'B'})
      bitmap.Palette()[std::string(".RGWB").find(letter)] = test::ColourOf(letter);
  }
  return bitmap;
}

struct BlitCase {
  const char* what;
  PixelFormat dstFormat;
  Rows dst;
  PixelFormat srcFormat;
  Rows src;
  int x, y, w, h, sx, sy;
  RasterOp op;
  Rows expected;
  Colour background = kWhite;
};

void RunBlitCases(const std::vector<BlitCase>& cases) {
  for (const BlitCase& c : cases) {
    Bitmap dst = Make(c.dstFormat, c.dst);
    const Bitmap src = Make(c.srcFormat, c.src);
    BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.op, c.background);
    EXPECT_EQ(Text(dst), c.expected) << c.what;
  }
}

TEST(RasterBlit, RasterOperationsWithinEachFormat) {
  RunBlitCases({
      {"24 copy", k24, {"RGBYW"}, k24, {"YYCM."}, 0, 0, 5, 1, 0, 0, RasterOp::SrcCopy, {"YYCM."}},
      {"24 and", k24, {"RGBYW"}, k24, {"YYCM."}, 0, 0, 5, 1, 0, 0, RasterOp::SrcAnd, {"RGBR."}},
      {"24 or", k24, {"RGBYW"}, k24, {"YYCM."}, 0, 0, 5, 1, 0, 0, RasterOp::SrcPaint, {"YYCWW"}},
      {"24 invert", k24, {"RGBYW"}, k24, {"YYCM."}, 0, 0, 5, 1, 0, 0, RasterOp::DstInvert, {"CMYB."}},
      {"24 invert greys", k24, {"gd"}, k24, {".."}, 0, 0, 2, 1, 0, 0, RasterOp::DstInvert, {"dg"}},
      {"1 copy", k1, {"0011"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy, {"0101"}},
      {"1 and", k1, {"0011"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcAnd, {"0001"}},
      {"1 or", k1, {"0011"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcPaint, {"0111"}},
      {"1 invert", k1, {"0011"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::DstInvert, {"1100"}},
      {"8 copy indices", k8, {"05 0A"}, k8, {"03 0C"}, 0, 0, 2, 1, 0, 0, RasterOp::SrcCopy, {"03 0C"}},
      {"8 and indices", k8, {"05 0A"}, k8, {"03 0C"}, 0, 0, 2, 1, 0, 0, RasterOp::SrcAnd, {"01 08"}},
      {"8 or indices", k8, {"05 0A"}, k8, {"03 0C"}, 0, 0, 2, 1, 0, 0, RasterOp::SrcPaint, {"07 0E"}},
      {"8 invert indices", k8, {"05 0A"}, k8, {"03 0C"}, 0, 0, 2, 1, 0, 0, RasterOp::DstInvert, {"FA F5"}},
  });
}

TEST(RasterBlit, ConversionsBetweenFormats) {
  RunBlitCases({
      {"1 to 24: 0 black, 1 white", k24, {"RRRR"}, k1, {"0110"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy, {".WW."}},
      {"1 to 24 and: a mask cuts out", k24, {"RGBY"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcAnd, {".G.Y"}},
      {"1 to 24 or", k24, {"RGBY"}, k1, {"0101"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcPaint, {"RWBW"}},
      {"8 to 24 through the palette", k24, {"...."}, k8, {"01 02 00 03"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy,
       {"RG.W"}},
      {"8 to 24 and", k24, {"YYYY"}, k8, {"01 02 00 03"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcAnd, {"RG.Y"}},
      {"24 to 1: the background becomes 1", k1, {"0000"}, k24, {"W.RW"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy,
       {"1001"}},
      {"24 to 1 against red", k1, {"0000"}, k24, {"W.RW"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy, {"0010"},
       test::ColourOf('R')},
      {"24 to 1 and", k1, {"1100"}, k24, {"W.RW"}, 0, 0, 4, 1, 0, 0, RasterOp::SrcAnd, {"1000"}},
      {"8 to 1 by palette colour", k1, {"000"}, k8, {"03 00 01"}, 0, 0, 3, 1, 0, 0, RasterOp::SrcCopy, {"100"}},
      {"1 to 1 across a byte edge", k1, {"0000000000"}, k1, {"1011"}, 6, 0, 4, 1, 0, 0, RasterOp::SrcCopy,
       {"0000001011"}},
      {"1 to 1 from an odd offset", k1, {"1111111111"}, k1, {"1001"}, 7, 0, 3, 1, 1, 0, RasterOp::SrcCopy,
       {"1111111001"}},
      {"1 to 8: nearest palette entry", k8, {"04 04"}, k1, {"01"}, 0, 0, 2, 1, 0, 0, RasterOp::SrcCopy,
       {"00 03"}},
      {"24 to 8: nearest palette entry", k8, {"00 00 00 00"}, k24, {"RGW."}, 0, 0, 4, 1, 0, 0, RasterOp::SrcCopy,
       {"01 02 03 00"}},
  });
}

TEST(RasterBlit, ClipsToBothBitmaps) {
  RunBlitCases({
      {"left of the target", k24, {"WWWWW"}, k24, {"RGB"}, -1, 0, 3, 1, 0, 0, RasterOp::SrcCopy, {"GBWWW"}},
      {"past the target's right", k24, {"WWWWW"}, k24, {"RGB"}, 3, 0, 3, 1, 0, 0, RasterOp::SrcCopy, {"WWWRG"}},
      {"source starts left of its bitmap", k24, {"WWWWW"}, k24, {"RGB"}, 0, 0, 3, 1, -1, 0, RasterOp::SrcCopy,
       {"WRGWW"}},
      {"source runs past its bitmap", k24, {"WWWWW"}, k24, {"RGB"}, 0, 0, 3, 1, 1, 0, RasterOp::SrcCopy,
       {"GBWWW"}},
      {"above and right", k24, {"WWW", "WWW", "WWW"}, k24, {"RG", "BY"}, 2, -1, 2, 2, 0, 0, RasterOp::SrcCopy,
       {"WWB", "WWW", "WWW"}},
      {"inside a larger target", k24, {"WWWW", "WWWW", "WWWW"}, k24, {"RG", "BY"}, 1, 1, 2, 2, 0, 0,
       RasterOp::SrcCopy, {"WWWW", "WRGW", "WBYW"}},
      {"wholly outside", k24, {"WWW"}, k24, {"RGB"}, 3, 0, 3, 1, 0, 0, RasterOp::SrcCopy, {"WWW"}},
      {"negative size", k24, {"WWW"}, k24, {"RGB"}, 0, 0, -3, 1, 0, 0, RasterOp::SrcCopy, {"WWW"}},
      {"invert past the edge", k1, {"0000"}, k1, {"0"}, 2, 0, 5, 1, 0, 0, RasterOp::DstInvert, {"0011"}},
  });
}

TEST(RasterBlit, ClipRectangleLimitsTheCopy) {
  Bitmap dst = Picture({"WWWWW", "WWWWW"});
  const Bitmap src = Picture({"RGBYC", "RGBYC"});
  BitBlt(dst, Rect{1, 1, 3, 5}, 0, 0, 5, 2, src, 0, 0);
  EXPECT_EQ(Text(dst), (Rows{"WWWWW", "WGBWW"}));
}

TEST(RasterBlit, OverlappingCopyWithinOneBitmapReadsTheSourceFirst) {
  struct Case {
    const char* what;
    Rows picture;
    int x, y, w, h, sx, sy;
    Rows expected;
  };
  const Case cases[] = {
      {"right by one", {"RGBY."}, 1, 0, 4, 1, 0, 0, {"RRGBY"}},
      {"left by one", {"RGBY."}, 0, 0, 4, 1, 1, 0, {"GBY.."}},
      {"down by one", {"R", "G", "B", "Y"}, 0, 1, 1, 3, 0, 0, {"R", "R", "G", "B"}},
      {"up and left", {"RG.", "BY.", "..."}, 0, 0, 2, 2, 1, 1, {"Y..", "...", "..."}},
  };
  for (const Case& c : cases) {
    Bitmap bitmap = Picture(c.picture);
    BitBlt(bitmap, c.x, c.y, c.w, c.h, bitmap, c.sx, c.sy);
    EXPECT_EQ(Text(bitmap), c.expected) << c.what;
  }
  Bitmap mask = Picture(k1, {"1100000000"});
  BitBlt(mask, 1, 0, 9, 1, mask, 0, 0);
  EXPECT_EQ(Text(mask), Rows{"1110000000"});
}

TEST(RasterBlit, StretchTakesThePixelUnderEachCentre) {
  struct Case {
    const char* what;
    Rows dst;
    PixelFormat srcFormat;
    Rows src;
    int x, y, w, h, sx, sy, sw, sh;
    RasterOp op;
    Rows expected;
  };
  const Case cases[] = {
      {"doubled", {"WWWW"}, k24, {"RG"}, 0, 0, 4, 1, 0, 0, 2, 1, RasterOp::SrcCopy, {"RRGG"}},
      {"halved", {"WW"}, k24, {"RGBY"}, 0, 0, 2, 1, 0, 0, 4, 1, RasterOp::SrcCopy, {"GY"}},
      {"three to five", {"WWWWW"}, k24, {"RGB"}, 0, 0, 5, 1, 0, 0, 3, 1, RasterOp::SrcCopy, {"RRGBB"}},
      {"both ways", {"WWWW", "WWWW", "WWWW", "WWWW"}, k24, {"RG", "BY"}, 0, 0, 4, 4, 0, 0, 2, 2, RasterOp::SrcCopy,
       {"RRGG", "RRGG", "BBYY", "BBYY"}},
      {"clipped at the target's left", {"WWW"}, k24, {"RG"}, -1, 0, 4, 1, 0, 0, 2, 1, RasterOp::SrcCopy, {"RGG"}},
      {"source partly outside", {"WWWW"}, k24, {"RG"}, 0, 0, 4, 1, -1, 0, 2, 1, RasterOp::SrcCopy, {"WWRR"}},
      {"a mask stretched and anded", {"RGBY"}, k1, {"01"}, 0, 0, 4, 1, 0, 0, 2, 1, RasterOp::SrcAnd, {"..BY"}},
      {"same size is a plain copy", {"WWW"}, k24, {"RGB"}, 0, 0, 3, 1, 0, 0, 3, 1, RasterOp::SrcCopy, {"RGB"}},
      {"empty source", {"WWW"}, k24, {"RGB"}, 0, 0, 3, 1, 0, 0, 0, 1, RasterOp::SrcCopy, {"WWW"}},
  };
  for (const Case& c : cases) {
    Bitmap dst = Picture(c.dst);
    const Bitmap src = Make(c.srcFormat, c.src);
    StretchBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.sw, c.sh, c.op);
    EXPECT_EQ(Text(dst), c.expected) << c.what;
  }
}

TEST(RasterBlit, PixelReadsGoThroughThePalette) {
  Bitmap mask = Picture(k1, {"01"});
  EXPECT_EQ(mask.PixelAt(0, 0), kBlack);
  EXPECT_EQ(mask.PixelAt(1, 0), kWhite);
  mask.Palette()[1] = test::ColourOf('R');
  EXPECT_EQ(mask.PixelAt(1, 0), test::ColourOf('R'));
  EXPECT_EQ(mask.PixelAt(2, 0), -1);
  EXPECT_EQ(mask.PixelAt(0, -1), -1);

  const Bitmap indexed = Make(k8, {"04 01"});
  EXPECT_EQ(indexed.PixelAt(0, 0), test::ColourOf('B'));
  EXPECT_EQ(indexed.ValueAt(0, 0), 4u);
  EXPECT_EQ(indexed.ValueOf(MakeColour(250, 10, 10)), 1u);  // nearest to red
}

}  // namespace
}  // namespace quill
