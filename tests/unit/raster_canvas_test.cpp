// Canvas drawing: lines without their last point, wide round lines, rectangles with
// pen and brush, not-xor drawing undone by drawing again, flood fill up to a border,
// and the clip rectangle that every drawing respects. Pixels worked out by hand.
#include "raster/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "raster_pictures.h"

namespace quill {
namespace {

using test::ColourOf;
using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;

struct DrawCase {
  const char* what;
  Rows before;
  std::function<void(Canvas&)> draw;
  Rows after;
};

void RunDrawCases(const std::vector<DrawCase>& cases) {
  for (const DrawCase& c : cases) {
    Bitmap bitmap = Picture(c.before);
    Canvas canvas(bitmap);
    canvas.Pen().Color = ColourOf('R');
    canvas.Brush().Color = ColourOf('B');
    c.draw(canvas);
    EXPECT_EQ(Text(bitmap), c.after) << c.what;
  }
}

Rows Blank(int width, int height) { return Rows(height, std::string(width, '.')); }

TEST(RasterCanvas, LinesLeaveOutTheirLastPoint) {
  RunDrawCases({
      {"horizontal", Blank(5, 3), [](Canvas& c) { c.MoveTo(0, 1); c.LineTo(4, 1); }, {".....", "RRRR.", "....."}},
      {"leftwards", Blank(5, 3), [](Canvas& c) { c.MoveTo(4, 1); c.LineTo(0, 1); }, {".....", ".RRRR", "....."}},
      {"vertical", Blank(3, 4), [](Canvas& c) { c.MoveTo(1, 0); c.LineTo(1, 3); }, {".R.", ".R.", ".R.", "..."}},
      {"diagonal", Blank(4, 4), [](Canvas& c) { c.MoveTo(0, 0); c.LineTo(3, 3); }, {"R...", ".R..", "..R.", "...."}},
      {"shallow", Blank(5, 2), [](Canvas& c) { c.MoveTo(0, 0); c.LineTo(4, 1); }, {"RR...", "..RR."}},
      {"zero length draws nothing", Blank(3, 1), [](Canvas& c) { c.MoveTo(1, 0); c.LineTo(1, 0); }, {"..."}},
      // The corner (4, 0) is the second line's first point.
      {"joined lines draw the corner once", Blank(5, 4),
       [](Canvas& c) { c.MoveTo(0, 0); c.LineTo(4, 0); c.LineTo(4, 3); }, {"RRRRR", "....R", "....R", "....."}},
      {"polyline", Blank(5, 4),
       [](Canvas& c) {
         const Point points[] = {{0, 3}, {0, 0}, {4, 0}, {4, 3}};
         c.Polyline(points);
       },
       {"RRRRR", "R...R", "R...R", "R...."}},
      {"clipped off the bitmap", Blank(3, 1), [](Canvas& c) { c.MoveTo(-5, 0); c.LineTo(10, 0); }, {"RRR"}},
  });
}

TEST(RasterCanvas, PenPositionFollowsLinesButNotPolylines) {
  Bitmap bitmap(5, 5);
  Canvas canvas(bitmap);
  canvas.MoveTo(1, 1);
  canvas.LineTo(3, 2);
  EXPECT_EQ(canvas.PenPos(), (Point{3, 2}));
  const Point points[] = {{0, 0}, {4, 4}};
  canvas.Polyline(points);
  EXPECT_EQ(canvas.PenPos(), (Point{3, 2}));
}

TEST(RasterCanvas, WidePenDrawsARoundEndedBand) {
  RunDrawCases({
      // Width 4 around row 2: rows 0..3, the outer rows one pixel shorter at each end.
      {"width 4", Blank(8, 5),
       [](Canvas& c) { c.Pen().Width = 4; c.MoveTo(2, 2); c.LineTo(5, 2); },
       {".RRRRR..", "RRRRRRR.", "RRRRRRR.", ".RRRRR..", "........"}},
      // Width 2 covers the point and the pixels above and left of it, last point included.
      {"width 2 vertical", Blank(4, 5),
       [](Canvas& c) { c.Pen().Width = 2; c.MoveTo(2, 1); c.LineTo(2, 3); },
       {".RR.", ".RR.", ".RR.", ".RR.", "...."}},
      {"width 3 is square", Blank(5, 3),
       [](Canvas& c) { c.Pen().Width = 3; c.MoveTo(1, 1); c.LineTo(3, 1); },
       {"RRRRR", "RRRRR", "RRRRR"}},
  });
}

TEST(RasterCanvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  RunDrawCases({
      {"whole bitmap", Blank(5, 4), [](Canvas& c) { c.Rectangle(0, 0, 5, 4); }, {"RRRRR", "RBBBR", "RBBBR", "RRRRR"}},
      {"right and bottom outside", Blank(5, 4), [](Canvas& c) { c.Rectangle(0, 0, 4, 3); },
       {"RRRR.", "RBBR.", "RRRR.", "....."}},
      {"corners in any order", Blank(5, 4), [](Canvas& c) { c.Rectangle(4, 3, 0, 0); },
       {"RRRR.", "RBBR.", "RRRR.", "....."}},
      {"clear brush", {"GGGGG", "GGGGG", "GGGGG"},
       [](Canvas& c) { c.Brush().Style = BrushStyle::Clear; c.Rectangle(0, 0, 5, 3); },
       {"RRRRR", "RGGGR", "RRRRR"}},
      {"wide pen inside the rectangle", Blank(6, 6), [](Canvas& c) { c.Pen().Width = 2; c.Rectangle(0, 0, 6, 6); },
       {"RRRRRR", "RRRRRR", "RRBBRR", "RRBBRR", "RRRRRR", "RRRRRR"}},
      {"too small for a brush", Blank(3, 3), [](Canvas& c) { c.Rectangle(0, 0, 2, 2); }, {"RR.", "RR.", "..."}},
      {"fill rect has no outline", Blank(5, 4), [](Canvas& c) { c.FillRect({1, 1, 4, 3}); },
       {".....", ".BBB.", ".BBB.", "....."}},
      {"fill rect with a clear brush", Blank(2, 1),
       [](Canvas& c) { c.Brush().Style = BrushStyle::Clear; c.FillRect({0, 0, 2, 1}); }, {".."}},
  });
}

TEST(RasterCanvas, NotXorPenCombinesWithThePixelsAndUndoesItself) {
  RunDrawCases({
      // NOT(pen XOR pixel): a black pen inverts, a white pen leaves the pixel alone.
      {"black pen inverts", {"RgW."},
       [](Canvas& c) { c.Pen() = {kBlack, 1, PenMode::NotXor}; c.MoveTo(0, 0); c.LineTo(4, 0); }, {"Cd.W"}},
      {"white pen keeps", {"RgW."},
       [](Canvas& c) { c.Pen() = {kWhite, 1, PenMode::NotXor}; c.MoveTo(0, 0); c.LineTo(4, 0); }, {"RgW."}},
      {"red pen", {"R.W"},
       [](Canvas& c) { c.Pen() = {ColourOf('R'), 1, PenMode::NotXor}; c.MoveTo(0, 0); c.LineTo(3, 0); },
       {"WCR"}},
  });

  const Rows picture{"RGBYW", "CM.gd", "WWRRB", "dg.MC"};
  const std::vector<std::function<void(Canvas&)>> drawings{
      [](Canvas& c) { c.Rectangle(0, 0, 5, 4); },
      [](Canvas& c) { c.Rectangle(4, 3, 1, 1); },  // as a rubber band dragged up and left
      [](Canvas& c) { c.MoveTo(0, 3); c.LineTo(4, 0); c.LineTo(4, 3); },
      [](Canvas& c) { c.Pen().Width = 3; c.MoveTo(0, 0); c.LineTo(4, 3); },
  };
  for (size_t i = 0; i < drawings.size(); ++i) {
    Bitmap bitmap = Picture(picture);
    Canvas canvas(bitmap);
    canvas.Pen() = {ColourOf('G'), 1, PenMode::NotXor};
    canvas.Brush().Style = BrushStyle::Clear;
    drawings[i](canvas);
    EXPECT_NE(Text(bitmap), picture) << "drawing " << i;
    drawings[i](canvas);
    EXPECT_EQ(Text(bitmap), picture) << "drawing " << i;
  }
}

TEST(RasterCanvas, FloodFillStopsAtTheBorderColour) {
  const Rows ring{"......", ".RRRR.", ".R.GR.", ".RRRR.", "......"};
  RunDrawCases({
      {"inside: other colours are filled too", ring, [](Canvas& c) { EXPECT_TRUE(c.FloodFill(2, 2, ColourOf('R'))); },
       {"......", ".RRRR.", ".RBBR.", ".RRRR.", "......"}},
      {"outside", ring, [](Canvas& c) { c.FloodFill(0, 0, ColourOf('R')); },
       {"BBBBBB", "BRRRRB", "BR.GRB", "BRRRRB", "BBBBBB"}},
      {"start on the border fills nothing", ring,
       [](Canvas& c) { EXPECT_FALSE(c.FloodFill(1, 1, ColourOf('R'))); }, ring},
      {"only four neighbours count", {".R.", "R.R", ".R."}, [](Canvas& c) { c.FloodFill(1, 1, ColourOf('R')); },
       {".R.", "RBR", ".R."}},
      {"brush of the area's own colour", {"...", ".R.", "..."},
       [](Canvas& c) { c.Brush().Color = kBlack; EXPECT_TRUE(c.FloodFill(0, 0, ColourOf('R'))); },
       {"...", ".R.", "..."}},
      {"no border at all", {"RG", "YW"}, [](Canvas& c) { c.FloodFill(1, 1, kBlack); }, {"BB", "BB"}},
      {"inside the clip only", ring,
       [](Canvas& c) { c.SetClipRect({0, 0, 3, 5}); c.FloodFill(0, 4, ColourOf('R')); },
       {"BBB...", "BRRRR.", "BR.GR.", "BRRRR.", "BBB..."}},
  });
}

TEST(RasterCanvas, ClipRectangleLimitsEveryDrawing) {
  const Rect clip{1, 1, 4, 3};
  RunDrawCases({
      {"fill", Blank(5, 4), [&](Canvas& c) { c.SetClipRect(clip); c.FillRect({0, 0, 5, 4}); },
       {".....", ".BBB.", ".BBB.", "....."}},
      {"rectangle", Blank(5, 4), [&](Canvas& c) { c.SetClipRect(clip); c.Rectangle(0, 0, 5, 4); },
       {".....", ".BBB.", ".BBB.", "....."}},
      {"rectangle edge", Blank(5, 4), [&](Canvas& c) { c.SetClipRect(clip); c.Rectangle(2, 0, 5, 4); },
       {".....", "..RB.", "..RB.", "....."}},
      {"line", Blank(5, 4), [&](Canvas& c) { c.SetClipRect(clip); c.MoveTo(0, 1); c.LineTo(5, 1); },
       {".....", ".RRR.", ".....", "....."}},
      {"wide line", Blank(5, 4),
       [&](Canvas& c) { c.SetClipRect(clip); c.Pen().Width = 3; c.MoveTo(0, 0); c.LineTo(4, 0); },
       {".....", ".RRR.", ".....", "....."}},
      {"block copy", Blank(5, 4),
       [&](Canvas& c) {
         c.SetClipRect(clip);
         c.BitBlt(0, 0, 5, 4, Picture({"GGGGG", "GGGGG", "GGGGG", "GGGGG"}), 0, 0);
       },
       {".....", ".GGG.", ".GGG.", "....."}},
      {"stretched copy", Blank(5, 4),
       [&](Canvas& c) { c.SetClipRect(clip); c.StretchBlt(0, 0, 5, 4, Picture({"Y"}), 0, 0, 1, 1); },
       {".....", ".YYY.", ".YYY.", "....."}},
      {"reset", Blank(2, 1), [&](Canvas& c) { c.SetClipRect(clip); c.ResetClip(); c.FillRect({0, 0, 2, 1}); },
       {"BB"}},
  });

  Bitmap bitmap = Picture({"RG", "BY"});
  Canvas canvas(bitmap);
  EXPECT_EQ(canvas.Pixels(1, 1), ColourOf('Y'));
  canvas.SetClipRect({0, 0, 1, 2});
  EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 1, 2}));
  EXPECT_EQ(canvas.Pixels(0, 1), ColourOf('B'));
  EXPECT_EQ(canvas.Pixels(1, 1), -1);
  canvas.SetClipRect({-5, -5, 50, 50});
  EXPECT_EQ(canvas.ClipRect(), bitmap.Bounds());
}

TEST(RasterCanvas, DrawsOnOneAndEightBitBitmapsWithTheNearestPaletteEntry) {
  Bitmap mask = Picture(PixelFormat::Mono1, {"11111", "11111"});
  Canvas onMask(mask);
  onMask.Pen().Color = MakeColour(20, 20, 20);  // nearer black than white
  onMask.MoveTo(0, 0);
  onMask.LineTo(4, 0);
  onMask.Brush().Color = MakeColour(200, 200, 200);  // nearer white
  onMask.FillRect({0, 1, 5, 2});
  onMask.Brush().Color = kBlack;
  onMask.FillRect({1, 1, 3, 2});
  EXPECT_EQ(Text(mask), (Rows{"00001", "10011"}));

  Bitmap indexed(3, 1, PixelFormat::Pal8);
  indexed.Palette()[7] = ColourOf('G');
  Canvas onIndexed(indexed);
  onIndexed.Brush().Color = MakeColour(10, 240, 0);
  onIndexed.FillRect({1, 0, 3, 1});
  EXPECT_EQ(Text(indexed), Rows{"00 07 07"});
}

}  // namespace
}  // namespace quill
