#include "common/util.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <stdexcept>

#include "common/translate.h"

namespace quill {
namespace {

// The errors DitherColor carries from call to call, for red, green and blue.
std::array<int, 3> gDitherErrors{};

void QuickSort(uint8_t* items, int size, const SortCompare& compare, int lo, int hi) {
  // i, j and p are byte offsets; p follows the pivot element when a swap moves it.
  const auto at = [items](std::ptrdiff_t offset) { return items + offset; };
  std::ptrdiff_t i = std::ptrdiff_t{lo} * size;
  while (lo < hi) {
    std::ptrdiff_t j = std::ptrdiff_t{hi} * size;
    std::ptrdiff_t p = std::ptrdiff_t{(lo + hi) / 2} * size;
    if (i < j) {
      do {
        while (compare(at(i), at(p)) < 0) i += size;
        while (compare(at(p), at(j)) < 0) j -= size;
        if (i < j) {
          std::swap_ranges(at(i), at(i) + size, at(j));
          if (p == i) p = j;
          else if (p == j) p = i;
        }
        if (i <= j) {
          i += size;
          j -= size;
        }
      } while (i < j);
    }
    if (std::ptrdiff_t{lo} * size < j) QuickSort(items, size, compare, lo, static_cast<int>(j / size));
    lo = static_cast<int>(i / size);  // the right part is taken by the loop
  }
}

// Bytes of one row as BitsToBitmap and BitmapToBits copy it, checked against a buffer.
size_t RowBytes(int width, int height, size_t available) {
  const size_t rowBytes = static_cast<size_t>(std::max(width, 0) / 8);
  if (rowBytes * static_cast<size_t>(std::max(height, 0)) > available) throw std::invalid_argument("bit buffer too small");
  return rowBytes;
}

}  // namespace

int32_t RoundUp8(int32_t n) { return (n + 7) & ~7; }
int32_t RoundUp16(int32_t n) { return (n + 15) & ~15; }

void SortItems(void* base, int count, int size, const SortCompare& compare) {
  if (count > 1) QuickSort(static_cast<uint8_t*>(base), size, compare, 0, count - 1);
}

std::string TextBefore(std::string_view delimiter, std::string_view text) {
  const size_t at = text.find(delimiter);
  return std::string(at == std::string_view::npos ? text : text.substr(0, at));
}

std::string TextAfter(std::string_view delimiter, std::string_view text) {
  const size_t at = text.find(delimiter);
  return std::string(at == std::string_view::npos ? text : text.substr(at + delimiter.size()));
}

std::string VersionNumber(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return TextAfter("v", lower);
}

std::string VersionText(std::string_view text) {
  return FillArgs(Tr("Messages", "Version %1"), {VersionNumber(text)});
}

bool IsModernWindows() { return true; }

Colour DitherColor(Colour colour, bool reset) {
  if (reset) {
    gDitherErrors = {};
    return colour;
  }
  const std::array<int, 3> channels{RedOf(colour), GreenOf(colour), BlueOf(colour)};
  std::array<uint8_t, 3> quantised{};
  for (size_t i = 0; i < 3; ++i) {
    const int v = channels[i] + gDitherErrors[i];
    // Nearest multiple of 8, the half-way value 4 rounding up.
    const int q = std::clamp(8 * (v / 8 + (v / 4) % 2), 0, 255);
    gDitherErrors[i] = v - q;
    quantised[i] = static_cast<uint8_t>(q);
  }
  return MakeColour(quantised[0], quantised[1], quantised[2]);
}

void BitsToBitmap(int width, int height, Bitmap& bitmap, std::span<const uint8_t> data) {
  const size_t rowBytes = RowBytes(width, height, data.size());
  if (bitmap.Format() != PixelFormat::Mono1) bitmap.SetFormat(PixelFormat::Mono1);
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) std::copy_n(data.data() + y * rowBytes, rowBytes, bitmap.ScanLine(y));
}

void BitmapToBits(int width, int height, const Bitmap& bitmap, std::span<uint8_t> buffer) {
  const size_t rowBytes = RowBytes(width, height, buffer.size());
  if (bitmap.Format() != PixelFormat::Mono1 || bitmap.Width() < width || bitmap.Height() < height)
    throw std::invalid_argument("BitmapToBits needs a 1-bit bitmap of the given size");
  for (int y = 0; y < height; ++y) std::copy_n(bitmap.ScanLine(y), rowBytes, buffer.data() + y * rowBytes);
}

int32_t ApproxDistance(int32_t a, int32_t b) {
  a = std::abs(a);
  b = std::abs(b);
  return a < 3 * b ? a - a / 8 + b / 2 : a + b / 8;
}

uint32_t IntSqrt(uint32_t n) {
  if (n < 2) return n;
  // A first guess from halving n while doubling b, then Newton steps while they shrink.
  uint64_t b = 2, c = n;
  do {
    b *= 2;
    c /= 2;
  } while (b < c);
  uint64_t x = (c + b / 2) / 2;
  while ((x + n / x) / 2 < x) x = (x + n / x) / 2;
  return static_cast<uint32_t>(x);
}

std::string ReadString(ByteReader& stream) {
  const int32_t length = stream.ReadI32();
  if (length < 0) throw StreamReadError();
  const std::span<const uint8_t> bytes = stream.Read(static_cast<size_t>(length));
  return std::string(bytes.begin(), bytes.end());
}

void ReadStringList(ByteReader& stream, std::vector<std::string>& list) {
  const int32_t count = stream.ReadI32();
  for (int32_t i = 0; i < count; ++i) list.push_back(ReadString(stream));
}

}  // namespace quill
