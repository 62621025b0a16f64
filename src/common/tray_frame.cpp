#include "common/tray_frame.h"

#include "common/util.h"

namespace quill {
namespace {

// Puts the canvas's pen and brush back when the drawing is done.
class KeepTools {
 public:
  explicit KeepTools(Canvas& canvas) : canvas_(canvas), pen_(canvas.Pen()), brush_(canvas.Brush()) {}
  ~KeepTools() {
    canvas_.Pen() = pen_;
    canvas_.Brush() = brush_;
  }
  KeepTools(const KeepTools&) = delete;
  KeepTools& operator=(const KeepTools&) = delete;

 private:
  Canvas& canvas_;
  Pen pen_;
  Brush brush_;
};

void Paint(Canvas& canvas, const Rect& r, Colour colour) {
  canvas.Brush() = {colour, BrushStyle::Solid};
  canvas.FillRect(r);
}

// Two joined lines with the current pen: from a to b, then on to c.
void Bend(Canvas& canvas, Point a, Point b, Point c) {
  canvas.MoveTo(a.X, a.Y);
  canvas.LineTo(b.X, b.Y);
  canvas.LineTo(c.X, c.Y);
}

// One-pixel lines below the title band, each a little darker than the one above.
void DrawBodyGradient(Canvas& canvas, int x, int y, int width, int height, int e, int d, int c, Colour trayColour,
                      bool lowColourDisplay) {
  const int lines = height - c - 4 * d - 4 * e;
  if (lowColourDisplay) DitherColor(0, true);
  canvas.Pen() = {trayColour, 1, PenMode::Copy};
  for (int k = 0; k < lines; ++k) {
    const int scale = height - k / 4;
    Colour colour = MakeColour(static_cast<uint8_t>(RedOf(trayColour) * scale / height),
                               static_cast<uint8_t>(GreenOf(trayColour) * scale / height),
                               static_cast<uint8_t>(BlueOf(trayColour) * scale / height));
    if (lowColourDisplay) colour = DitherColor(colour);
    canvas.Pen().Color = colour;
    const int lineY = y + k + c + d + 4 * e;
    canvas.MoveTo(x + d + 3 * e, lineY);
    canvas.LineTo(x + width - d - 3 * e, lineY);
  }
}

}  // namespace

void DrawTrayFrame(Canvas& canvas, int x, int y, int width, int height, int bevel, int border, int titleHeight,
                   Colour trayColour, bool gradient, const FrameColours& colours, bool lowColourDisplay) {
  const KeepTools keep(canvas);
  const int e = bevel, d = border, c = titleHeight;
  canvas.Pen() = {colours.Skin, d + 2 * e, PenMode::Copy};
  canvas.Brush() = {trayColour, BrushStyle::Solid};
  canvas.Rectangle(x, y, x + width, y + height);
  if (gradient) DrawBodyGradient(canvas, x, y, width, height, e, d, c, trayColour, lowColourDisplay);
  Paint(canvas, {x + e, y + e, x + width - e, y + e + d + c}, colours.Skin);

  // Raised outer edge, sunken inner edge below the title band.
  const int h = e / 2, m = d + e + h;
  const int right = x + width, bottom = y + height;
  canvas.Pen() = {colours.Highlight, e, PenMode::Copy};
  Bend(canvas, {x + h, bottom - h}, {x + h, y + h}, {right - h, y + h});
  Bend(canvas, {x + m, bottom - m}, {right - m, bottom - m}, {right - m, y + m + c});
  canvas.Pen().Color = colours.Shadow;
  Bend(canvas, {x + e + h, bottom - h}, {right - h, bottom - h}, {right - h, y + e + h});
  Bend(canvas, {x + m, bottom - m - e}, {x + m, y + m + c}, {right - m, y + m + c});
}

void DrawButtonFace(Canvas& canvas, int x, int y, bool pressed, int height, int width, const FrameColours& colours) {
  const KeepTools keep(canvas);
  const int right = x + width - 1, bottom = y + height - 1;
  const Colour topLeft = pressed ? kBlack : colours.Highlight;
  const Colour bottomRight = pressed ? colours.Highlight : kBlack;
  const Colour inner = pressed ? colours.Highlight : colours.Shadow;
  Paint(canvas, {x, y, right, bottom}, colours.ButtonFace);
  Paint(canvas, {x, y, right, y + 1}, topLeft);
  Paint(canvas, {x, y, x + 1, bottom}, topLeft);
  Paint(canvas, {x, bottom - 1, right, bottom}, bottomRight);
  Paint(canvas, {right - 1, y, right, bottom}, bottomRight);
  Paint(canvas, {x + 1, bottom - 2, right - 1, bottom - 1}, inner);
  Paint(canvas, {right - 2, y + 1, right - 1, bottom - 1}, inner);
}

void DrawMinimiseButton(Canvas& canvas, int x, int y, bool pressed, int height, int width,
                        const FrameColours& colours) {
  DrawButtonFace(canvas, x, y, pressed, height, width, colours);
  const KeepTools keep(canvas);
  // The bar of current systems; the old triangle glyph is never needed.
  const int barY = y + height - height / 3;
  Paint(canvas, {x + width / 3, barY - 1, x + width - width / 3, barY + 1}, colours.ButtonText);
}

}  // namespace quill
