// Fitting a picture into a window: the size that keeps its aspect ratio, and the
// rectangle that letter-boxes it only where the bars would be wider than a margin
// (thinner bars are avoided by stretching that dimension). The full-screen zoom
// window places the puzzle picture with it.
#pragma once
#include <cstdint>

#include "raster/rect.h"

namespace quill {

struct FittedSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const FittedSize&, const FittedSize&) = default;
};

// Mode 2: the target size itself. Any other mode: the source scaled to the target
// width, or to the target height when that width would make it too tall (integer
// divisions). An empty source gives an empty size. Products are formed in 64 bits,
// so a very tall or wide source cannot overflow them.
inline FittedSize FitSize(int mode, int32_t sourceWidth, int32_t sourceHeight, int32_t targetWidth,
                          int32_t targetHeight) {
  if (mode == 2) return {targetWidth, targetHeight};
  if (sourceWidth <= 0 || sourceHeight <= 0) return {};
  const int64_t height = int64_t{sourceHeight} * targetWidth / sourceWidth;
  if (targetHeight < height)
    return {static_cast<int32_t>(int64_t{sourceWidth} * targetHeight / sourceHeight), targetHeight};
  return {targetWidth, static_cast<int32_t>(height)};
}

// The source fitted (mode 0) and centred in the target, from (0, 0). A dimension
// whose bar on each side would be narrower than marginPercent of the target is
// stretched to the whole target instead.
inline Rect FitRect(int32_t sourceWidth, int32_t sourceHeight, int32_t targetWidth, int32_t targetHeight,
                    int32_t marginPercent) {
  FittedSize size = FitSize(0, sourceWidth, sourceHeight, targetWidth, targetHeight);
  int32_t dx = (targetWidth - size.Width) / 2;
  int32_t dy = (targetHeight - size.Height) / 2;
  if (dx < targetWidth * marginPercent / 100) {
    dx = 0;
    size.Width = targetWidth;
  }
  if (dy < targetHeight * marginPercent / 100) {
    dy = 0;
    size.Height = targetHeight;
  }
  return {dx, dy, dx + size.Width, dy + size.Height};
}

}  // namespace quill
