// Drawing on a bitmap with a pen and a brush, as a device context does: lines,
// rectangles, flood fill, block copies and pixel reads, all limited to a clip
// rectangle. Used by tray frames, rubber bands, the backdrop and the shape preview.
#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "raster/bitmap.h"
#include "raster/blit.h"
#include "raster/colour.h"
#include "raster/rect.h"

namespace quill {

// Copy sets the pen's colour; NotXor sets NOT(pen XOR pixel), so drawing the same
// thing twice restores what was there.
enum class PenMode : uint8_t { Copy, NotXor };

struct Pen {
  Colour Color = kBlack;
  int Width = 1;  // below 2: a one-pixel line
  PenMode Mode = PenMode::Copy;
};

enum class BrushStyle : uint8_t { Solid, Clear };

struct Brush {
  Colour Color = kWhite;
  BrushStyle Style = BrushStyle::Solid;
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target) : target_(&target) {}

  Bitmap& Target() const { return *target_; }
  quill::Pen& Pen() { return pen_; }
  const quill::Pen& Pen() const { return pen_; }
  quill::Brush& Brush() { return brush_; }
  const quill::Brush& Brush() const { return brush_; }

  // Every drawing stays inside the clip rectangle (and inside the bitmap).
  void SetClipRect(const Rect& clip) { clip_ = clip; }
  void ResetClip() { clip_.reset(); }
  Rect ClipRect() const;

  // Lines leave out their last point, so joined lines draw each corner once. A pen
  // wider than one pixel draws a band of that width with round ends.
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);
  Point PenPos() const { return penPos_; }
  // Lines through the points in turn; the pen position stays where it was.
  void Polyline(std::span<const Point> points);

  // Outline with the pen, as a band of the pen's width inside the rectangle; the rest
  // with the brush (nothing with a clear brush). Right and bottom lie outside; the
  // corners may come in any order. Both parts follow the pen mode.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const Rect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Fills with the brush colour: no outline, no pen mode.
  void FillRect(const Rect& r);
  // Fills with the brush colour from (x, y) through the four-connected pixels that are
  // not of the border colour. False when the start is outside the clip or on the border.
  bool FloodFill(int x, int y, Colour border);

  // The colour at (x, y); -1 outside the clip rectangle.
  int64_t Pixels(int x, int y) const;

  void BitBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, RasterOp op = RasterOp::SrcCopy,
              Colour background = kWhite);
  void StretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh,
                  RasterOp op = RasterOp::SrcCopy, Colour background = kWhite);

 private:
  // Combines `value` into the pixels x0..x1-1 of row y (already clipped).
  void MixSpan(int y, int x0, int x1, uint32_t value, PenMode mode);
  void MixRect(const Rect& r, uint32_t value, PenMode mode);
  void ThinLine(Point from, Point to, uint32_t value);
  void WideLine(Point from, Point to, uint32_t value);

  Bitmap* target_;
  quill::Pen pen_;
  quill::Brush brush_;
  std::optional<Rect> clip_;
  Point penPos_;
};

}  // namespace quill
