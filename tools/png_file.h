// Writing bitmaps as PNG files (through Qt's image writer) for the inspector.
#pragma once
#include <string>

#include "raster/bitmap.h"

namespace quill {

// Writes a 24-bit bitmap; raises UserError when the file cannot be written.
void WritePng(const Bitmap& rgb24, const std::string& path);

}  // namespace quill
