// Small bitmaps written as text for the raster tests, one row per string:
// 24 bit: one letter per pixel from kColourLetters; 1 bit: '0' or '1' per pixel;
// 8 bit: two hexadecimal digits per pixel (the palette index), separated by spaces.
#pragma once
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "raster/bitmap.h"

namespace quill::test {

// The eight corners of the colour cube (closed under AND, OR and NOT) and two greys
// that are each other's inverse.
inline const std::vector<std::pair<char, Colour>> kColourLetters{
    {'.', MakeColour(0, 0, 0)},     {'W', MakeColour(255, 255, 255)}, {'R', MakeColour(255, 0, 0)},
    {'G', MakeColour(0, 255, 0)},   {'B', MakeColour(0, 0, 255)},     {'Y', MakeColour(255, 255, 0)},
    {'C', MakeColour(0, 255, 255)}, {'M', MakeColour(255, 0, 255)},   {'g', MakeColour(128, 128, 128)},
    {'d', MakeColour(127, 127, 127)}};

inline Colour ColourOf(char letter) {
  for (const auto& [c, colour] : kColourLetters)
    if (c == letter) return colour;
  return 0x123456;
}

inline char LetterOf(Colour colour) {
  for (const auto& [c, value] : kColourLetters)
    if (value == colour) return c;
  return '?';
}

inline std::vector<uint32_t> RowValues(PixelFormat format, const std::string& row) {
  std::vector<uint32_t> values;
  if (format == PixelFormat::Pal8) {
    std::istringstream in(row);
    for (unsigned v = 0; in >> std::hex >> v;) values.push_back(v);
    return values;
  }
  for (const char c : row) values.push_back(format == PixelFormat::Mono1 ? (c == '1' ? 1u : 0u) : ColourOf(c));
  return values;
}

inline Bitmap Picture(PixelFormat format, const std::vector<std::string>& rows) {
  const std::vector<uint32_t> first = RowValues(format, rows.at(0));
  Bitmap bitmap(static_cast<int>(first.size()), static_cast<int>(rows.size()), format);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::vector<uint32_t> values = RowValues(format, rows[y]);
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.SetPixel(x, y, values.at(x));
  }
  return bitmap;
}

inline Bitmap Picture(const std::vector<std::string>& rows) { return Picture(PixelFormat::Rgb24, rows); }

inline std::vector<std::string> Text(const Bitmap& bitmap) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) {
      const uint32_t v = bitmap.ValueAt(x, y);
      switch (bitmap.Format()) {
        case PixelFormat::Rgb24: row += LetterOf(v); break;
        case PixelFormat::Mono1: row += v ? '1' : '0'; break;
        case PixelFormat::Pal8: {
          char hex[4];
          std::snprintf(hex, sizeof hex, "%02X", v);
          row += (x ? " " : "") + std::string(hex);
          break;
        }
      }
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace quill::test
