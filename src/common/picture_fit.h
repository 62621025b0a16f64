// Fitting a picture into a window: the size that keeps its aspect ratio, and the
// rectangle that letter-boxes it only where the bars would be wider than a margin
// (thinner bars are avoided by stretching that dimension), and the picture window's
// size after the user resized it. The full-screen zoom window and the picture window
// place the puzzle picture with them.
#pragma once
#include <algorithm>
#include <cstdint>
#include <optional>

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

// The picture window cannot be dragged smaller than this in either direction.
constexpr int32_t kOverlayMinimum = 80;

// The picture window keeps the picture's aspect while the user resizes it. Given the
// client size the user left and the size fitted last (kept between calls, starting at
// 0 × 0): the dragged dimension, at least kOverlayMinimum, decides, and the other one
// follows the picture. When only the height changed the width follows it, otherwise
// the height follows the width. The result becomes the last fitted size. None when
// the client already has the last fitted size (so the resize that fitting causes ends
// the chain) or there is no picture. A following dimension is at least 1 pixel.
inline std::optional<FittedSize> ResizeOverlay(FittedSize client, FittedSize& lastFitted, int32_t pictureWidth,
                                               int32_t pictureHeight) {
  if (client == lastFitted || pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  int64_t width = std::max(kOverlayMinimum, client.Width);
  int64_t height = std::max(kOverlayMinimum, client.Height);
  if (client.Width == lastFitted.Width)
    width = std::max<int64_t>(1, height * pictureWidth / pictureHeight);
  else
    height = std::max<int64_t>(1, width * pictureHeight / pictureWidth);
  lastFitted = {static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX)),
                static_cast<int32_t>(std::min<int64_t>(height, INT32_MAX))};
  return lastFitted;
}

// The picture window's client height for its width when a layout is made: the
// picture's aspect.
inline int32_t OverlayHeightForWidth(int32_t width, int32_t pictureWidth, int32_t pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return width;
  return static_cast<int32_t>(std::max<int64_t>(1, int64_t{pictureHeight} * width / pictureWidth));
}

}  // namespace quill
