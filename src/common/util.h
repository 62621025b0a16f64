// Small routines shared across the program: rounding, the in-place sort whose order
// of equal keys is part of a puzzle's definition, text and version helpers, dithering
// for low-colour displays, bit-row copies between buffers and 1-bit bitmaps, integer
// approximations, and length-prefixed texts read from a stream.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "common/byte_stream.h"
#include "raster/bitmap.h"
#include "raster/colour.h"

namespace quill {

// n rounded up to a multiple of 8 (of 16).
int32_t RoundUp8(int32_t n);
int32_t RoundUp16(int32_t n);

// Compares two elements by address: negative, zero or positive.
using SortCompare = std::function<int(const void* a, const void* b)>;

// Sorts `count` elements of `size` bytes at `base` in place with a quicksort whose
// steps are fixed (middle pivot, swaps byte for byte), so elements with equal keys
// always end up in the same order.
void SortItems(void* base, int count, int size, const SortCompare& compare);

// The same sort over typed elements; compare(a, b) returns negative, zero or positive.
template <typename T, typename Compare>
void SortItems(std::span<T> items, Compare compare) {
  static_assert(std::is_trivially_copyable_v<T>, "SortItems moves elements byte for byte");
  SortItems(items.data(), static_cast<int>(items.size()), static_cast<int>(sizeof(T)),
            [&compare](const void* a, const void* b) {
              return compare(*static_cast<const T*>(a), *static_cast<const T*>(b));
            });
}

// The text before (after) the first occurrence of delimiter; the whole text when the
// delimiter does not occur.
std::string TextBefore(std::string_view delimiter, std::string_view text);
std::string TextAfter(std::string_view delimiter, std::string_view text);
// The text in lower case after its first "v" ("V3.03" gives "3.03").
std::string VersionNumber(std::string_view text);
// "Version " followed by the version number.
std::string VersionText(std::string_view text);

// True: every system this program runs on draws the modern minimise glyph.
bool IsModernWindows();

// Quantises each channel to a multiple of 8, carrying the rounding error of each
// channel on to the next call, so a gradient drawn line by line on a display with
// fewer than 24 bits shows no bands. With reset the carried errors are cleared and
// the colour comes back unchanged.
Colour DitherColor(Colour colour, bool reset = false);
// Screens of fewer bits per pixel than this get dithered gradients.
constexpr int kTrueColourDepth = 24;

// Makes `bitmap` a 1-bit bitmap of width × height and fills its rows, top to bottom,
// with width ÷ 8 bytes each from data, one row after another (the last width mod 8
// pixels of a row stay 0). BitmapToBits copies the other way. Callers round widths up
// to whole bytes; a buffer too small for the rows throws std::invalid_argument.
void BitsToBitmap(int width, int height, Bitmap& bitmap, std::span<const uint8_t> data);
void BitmapToBits(int width, int height, const Bitmap& bitmap, std::span<uint8_t> buffer);

// The length of (a, b), approximately, for |a| ≥ |b|.
int32_t ApproxDistance(int32_t a, int32_t b);
// The integer square root (rounded down), by Newton's method.
uint32_t IntSqrt(uint32_t n);

// A 32-bit length, then that many bytes of text. A negative length or a short stream
// throws StreamReadError.
std::string ReadString(ByteReader& stream);
// A 32-bit count, then that many texts as ReadString reads them, appended to list.
void ReadStringList(ByteReader& stream, std::vector<std::string>& list);

}  // namespace quill
