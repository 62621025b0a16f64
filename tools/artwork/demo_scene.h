// The project's own demo picture: a lakeside landscape at sunset, drawn procedurally
// with detail at every scale so that each piece of a jigsaw cut from it looks
// different. The same seed always gives the same picture. Used by make_demo_picture
// and by benchmarks that need a large, photograph-like picture.
#pragma once
#include <cstdint>

#include "raster/bitmap.h"

namespace quill {

// Paints the scene over the whole of a 24-bit bitmap, whatever its size.
void PaintDemoScene(Bitmap& rgb24, uint32_t seed);

}  // namespace quill
