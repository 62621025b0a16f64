// The frame of a tray (body, title band, raised outer and sunken inner bevels) and its
// minimise button, drawn on a canvas in the window system's 3-D look. Called by the
// tray painting; the colours come from the skin and the desktop's colour scheme.
#pragma once
#include "raster/canvas.h"
#include "raster/colour.h"

namespace quill {

struct FrameColours {
  Colour Skin = 0;        // the skin's colour: outer band and title band
  Colour Highlight = 0;   // the system's 3-D highlight
  Colour Shadow = 0;      // the system's 3-D shadow
  Colour ButtonFace = 0;  // the system's button face
  Colour ButtonText = 0;  // the system's button text (the minimise glyph)
};

// A tray at (x, y) of width × height with bevels `bevel` wide, a border `border` wide
// and a title band `titleHeight` high, its body in trayColour, shaded darker towards
// the bottom when `gradient` is set (dithered when the display has fewer than 24 bits).
// The canvas's pen and brush are left as they were.
void DrawTrayFrame(Canvas& canvas, int x, int y, int width, int height, int bevel, int border, int titleHeight,
                   Colour trayColour, bool gradient, const FrameColours& colours, bool lowColourDisplay);

// A button face one pixel smaller than width × height, raised or (pressed) sunken.
void DrawButtonFace(Canvas& canvas, int x, int y, bool pressed, int height, int width, const FrameColours& colours);
// The face and a bar two pixels thick from a third to two thirds of the width, a
// third of the height above the bottom.
void DrawMinimiseButton(Canvas& canvas, int x, int y, bool pressed, int height, int width,
                        const FrameColours& colours);

}  // namespace quill
