// JPEG encoding of 24-bit bitmaps with libjpeg-turbo, into memory or into a file.
// The artwork tools save what they draw with it; tests and benchmarks use it to make
// JPEG input without shipping picture files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace quill {

// Encodes a 24-bit bitmap as a baseline JPEG (YCbCr, libjpeg's default 2×2 chroma
// subsampling, optimised Huffman tables). `quality` runs from 1 to 100; libjpeg clamps
// values outside. `out` is replaced by the encoded file. Throws std::invalid_argument
// for an empty bitmap, a bitmap that is not Rgb24 or one larger than JPEG allows
// (65500 pixels a side), std::runtime_error when libjpeg fails.
void WriteJpeg(const Bitmap& rgb24, int quality, std::vector<uint8_t>& out);

// How a CMYK picture is stored, as print work flows write them: ink amounts without
// a marker (Plain), or inverted (255 = no ink) with Adobe's APP14 marker, as CMYK
// or as YCCK.
enum class CmykStorage { Plain, AdobeInverted, AdobeYcck };

// The bitmap as a four-channel CMYK or YCCK JPEG: each pixel's black pulled out as far
// as it goes, the rest cyan, magenta and yellow. Tests make such input with it.
void WriteCmykJpeg(const Bitmap& rgb24, CmykStorage storage, int quality, std::vector<uint8_t>& out);

// The same as WriteJpeg, written to `path`; throws std::runtime_error when the file cannot be written.
void WriteJpegFile(const Bitmap& rgb24, int quality, const std::string& path);

}  // namespace quill
