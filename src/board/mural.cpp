// The board backdrop: gradient, ghost placement and the faded ghost.
#include "board/mural.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/config.h"
#include "common/records.h"
#include "common/util.h"
#include "raster/blit.h"

namespace quill {

namespace {

// Row y of a gradient H rows high: the colour scaled by (H − y div divisor) ÷ H per
// channel. The board uses divisor 4 (three quarters of the colour at the bottom); the
// ghost fades towards divisor 2, which darkens twice as fast.
Colour ShadedColour(Colour colour, int32_t y, int32_t height, int32_t divisor) {
  const int32_t scale = height - y / divisor;
  const auto shade = [&](uint8_t channel) { return static_cast<uint8_t>(scale * channel / height); };
  return MakeColour(shade(RedOf(colour)), shade(GreenOf(colour)), shade(BlueOf(colour)));
}

void FillRow(uint8_t* row, int32_t width, Colour colour) {
  const uint8_t blue = BlueOf(colour), green = GreenOf(colour), red = RedOf(colour);
  for (int32_t x = 0; x < width; ++x, row += 3) {
    row[0] = blue;
    row[1] = green;
    row[2] = red;
  }
}

// a ÷ b rounded towards minus infinity, for b > 0.
constexpr int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A picture channel with its contrast halved around 127 and brightened by 20, so the
// ghost never shows full black or white (0 becomes 83, 255 becomes 211).
constexpr int GhostContrast(int p) { return std::clamp(p - (p - 127) / 2 + 20, 0, 255); }

// One channel's fade: every picture value mapped to reference + (contrast − reference)
// × weight ÷ 128, rounded down. Rebuilt only when the row's reference value changes,
// which in a gradient happens once every few rows.
class ChannelFade {
 public:
  explicit ChannelFade(int weight) : weight_(weight) {}

  const std::array<uint8_t, 256>& For(int reference) {
    if (reference != reference_) {
      reference_ = reference;
      for (int p = 0; p < 256; ++p) {
        const int faded = reference + FloorDiv((GhostContrast(p) - reference) * weight_, 128);
        table_[p] = static_cast<uint8_t>(std::clamp(faded, 0, 255));
      }
    }
    return table_;
  }

 private:
  int weight_;
  int reference_ = -1;
  std::array<uint8_t, 256> table_{};
};

int32_t DrawnGhostLevel() { return JigConfig ? JigConfig->DrawnGhostLevel : 0; }

}  // namespace

TMural::TMural() : FBoard(0, 0, PixelFormat::Rgb24) {}

void TMural::SetPicture(const Bitmap* picture, bool centre) {
  FPicture = picture;
  FGhostWidth = picture ? picture->Width() : 0;
  FGhostHeight = picture ? picture->Height() : 0;
  if (centre) PlaceGhost((FBoard.Width() - FGhostWidth) / 2, (FBoard.Height() - FGhostHeight) / 2);
}

void TMural::PlaceGhost(int32_t x, int32_t y) {
  FGhostX = x;
  FGhostY = y;
  const int32_t width = FBoard.Width(), height = FBoard.Height();
  if (width != 0 && height != 0) {
    PuzzleRecord.GhostCentreX = static_cast<float>(static_cast<double>(FGhostWidth / 2 + x) / width);
    PuzzleRecord.GhostCentreY = static_cast<float>(static_cast<double>(FGhostHeight / 2 + y) / height);
  } else {
    PuzzleRecord.GhostCentreX = 0.5f;
    PuzzleRecord.GhostCentreY = 0.5f;
  }
}

void TMural::KeepGhostVisible(Rect& rect) const {
  const int32_t width = FBoard.Width(), height = FBoard.Height();
  if (rect.Right < kGhostMargin) rect = rect.Offset(kGhostMargin - rect.Right, 0);
  if (rect.Left > width - kGhostMargin - 1) rect = rect.Offset(width - kGhostMargin - 1 - rect.Left, 0);
  if (rect.Bottom < kGhostMargin) rect = rect.Offset(0, kGhostMargin - rect.Bottom);
  if (rect.Top > height - kGhostMargin - 1) rect = rect.Offset(0, height - kGhostMargin - 1 - rect.Top);
}

void TMural::Resize(int32_t width, int32_t height) {
  FBoard.SetSize(std::max(width, 0), std::max(height, 0));
  if (!FPicture) return;
  // nearbyint rounds half-way values to even in the default rounding mode.
  const auto x = static_cast<int32_t>(std::nearbyint(static_cast<double>(FBoard.Width()) * PuzzleRecord.GhostCentreX));
  const auto y = static_cast<int32_t>(std::nearbyint(static_cast<double>(FBoard.Height()) * PuzzleRecord.GhostCentreY));
  Rect ghost{0, 0, FGhostWidth, FGhostHeight};
  ghost = ghost.Offset(x - FGhostWidth / 2, y - FGhostHeight / 2);
  KeepGhostVisible(ghost);
  PlaceGhost(ghost.Left, ghost.Top);
}

void TMural::Render(bool withGhost) {
  PaintBoardColour();
  if (withGhost) PaintGhost();
}

void TMural::PaintBoardColour() {
  const int32_t width = FBoard.Width(), height = FBoard.Height();
  // Every render starts without an error carried over, so it draws the same rows.
  if (FLowColour) DitherColor(0, true);
  for (int32_t y = 0; y < height; ++y) {
    Colour colour = FColour;
    if (FGradient) {
      colour = ShadedColour(FColour, y, height, 4);
      if (FLowColour) colour = DitherColor(colour);
    }
    FillRow(FBoard.ScanLine(y), width, colour);
  }
}

void TMural::PaintGhost() {
  if (!FPicture || FBoard.Width() < 2 || FBoard.Height() < 2) return;
  const Rect visible = Intersection(GhostRect(), FBoard.Bounds());
  if (visible.IsEmpty()) return;
  BitBlt(FBoard, FGhostX, FGhostY, FGhostWidth, FGhostHeight, *FPicture, 0, 0);

  const int weight = 12 * DrawnGhostLevel();
  ChannelFade red(weight), green(weight), blue(weight);
  for (int32_t y = visible.Top; y < visible.Bottom; ++y) {
    // The reference colour is never reduced for low-colour screens.
    const Colour reference = FGradient ? ShadedColour(FColour, y, FBoard.Height(), 2) : FColour;
    const auto& toBlue = blue.For(BlueOf(reference));
    const auto& toGreen = green.For(GreenOf(reference));
    const auto& toRed = red.For(RedOf(reference));
    uint8_t* pixel = FBoard.ScanLine(y) + 3 * visible.Left;
    for (int32_t x = visible.Left; x < visible.Right; ++x, pixel += 3) {
      pixel[0] = toBlue[pixel[0]];
      pixel[1] = toGreen[pixel[1]];
      pixel[2] = toRed[pixel[2]];
    }
  }
}

void TMural::CopyTo(const Rect& rect, Bitmap& target) const {
  BitBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), FBoard, rect.Left, rect.Top);
}

}  // namespace quill
