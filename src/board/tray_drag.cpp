// Dragging a tray: its picture with its pieces becomes the drag image, a soft shadow
// falls along its right and bottom sides, and the board under it is recomposed
// without it until it is put down.
#include <algorithm>
#include <vector>

#include "board/move.h"
#include "board/wait_cursor.h"

namespace quill {
namespace {

// Trays cast shadows that reach full strength within this many pixels.
constexpr int32_t kTrayShadowRamp = 6;

// The shadow strength at distance j (1..s) from the outer edge of a margin.
int32_t MarginShade(int32_t j, int32_t ramp) { return j < ramp ? j * 31 / ramp : 31; }

// A shade faded in linearly over the first `length` positions (k counts from 0).
int32_t FadeIn(int32_t shade, int32_t k, int32_t length) {
  return k < length ? shade * (k + 1) / (length + 1) : shade;
}

}  // namespace

void TMove::LiftTray(TBox& tray) {
  const WaitCursor wait(TheHost());
  const int32_t s = Config().Shadows ? ShadowDepth() : 0;
  FDragShadow = s;
  const Rect box = tray.BoxRect();
  FDragRect = {box.Left, box.Top, box.Right + s, box.Bottom + s};
  FDragOrigin = {FDragRect.Left, FDragRect.Top};
  FDragImage.SetSize(0, 0);
  FDragImage.SetFormat(PixelFormat::Rgb24);
  FDragImage.SetSize(FDragRect.Width(), FDragRect.Height());

  tray.FLeft -= FDragOrigin.X;
  tray.FTop -= FDragOrigin.Y;
  OffsetList(tray.FPieces, -FDragOrigin.X, -FDragOrigin.Y);
  DrawTray(tray, FDragImage, nullptr);
  tray.FLeft += FDragOrigin.X;
  tray.FTop += FDragOrigin.Y;
  OffsetList(tray.FPieces, FDragOrigin.X, FDragOrigin.Y);

  MarkDragging(tray, true);
  RepaintRect(FDragRect);
  BuildTrayShadow(FDragRect, s);
  FDirty.Reset();
  DrawTraySpriteFrame();
  FlushFrame();
  FGrabPending = true;
}

void TMove::DropTray(TBox& tray) {
  MarkDragging(tray, false);
  MoveTray(tray, FDragRect.Left - FDragOrigin.X, FDragRect.Top - FDragOrigin.Y);
  SortTrays(false);
  RepaintRect(FDragRect);
}

void TMove::RaiseTray(TBox& tray) {
  if (tray.IsBoard() || FTrays.empty() || FTrays.back().get() == &tray) return;
  tray.BringToFront();
  SortTrays(false);
  LiftTray(tray);
  DropTray(tray);
  TheHost().InvalidateBoard(BoardBitmap.Bounds(), true);
}

// The bottom margin runs from column s to the right end, fading in over its first s
// columns and out over its last s; the right margin runs from row s down to the
// bottom margin, fading in over its first s rows.
void TMove::BuildTrayShadow(const Rect& rect, int32_t s) {
  const int32_t width = rect.Width(), height = rect.Height();
  if (s <= 0 || width <= 0 || height <= 0) {
    FShadowSprite.clear();
    return;
  }
  const int32_t ramp = std::min(s, kTrayShadowRamp);
  std::vector<uint8_t> map(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  const auto put = [&](int32_t x, int32_t y, int32_t shade) {
    if (x >= 0 && y >= 0 && x < width && y < height)
      map[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(32 - shade);
  };
  for (int32_t j = 1; j <= s; ++j) {
    const int32_t shade = MarginShade(j, ramp);
    for (int32_t x = s; x < width; ++x) {
      const int32_t fromRight = width - 1 - x;
      put(x, height - j, std::min(FadeIn(shade, x - s, s), FadeIn(shade, fromRight, s)));
    }
    for (int32_t y = s; y < height - s; ++y) put(width - j, y, FadeIn(shade, y - s, s));
  }
  Sprite.Encode(FShadowSprite, width, map.data(), width, height);
}

void TMove::MoveTraySpriteTo(int32_t x, int32_t y) {
  FDirty.Erase();
  FDragRect = FDragRect.Offset(x - FDragRect.Left, y - FDragRect.Top);
  DrawTraySpriteFrame();
  FlushFrame();
}

void TMove::DrawTraySpriteFrame() {
  const int32_t s = FDragShadow;
  const Rect& r = FDragRect;
  const int32_t width = r.Width(), height = r.Height();
  if (s <= 0) {
    FDirty.Add(r, &FDragImage, {0, 0, width, height});
    return;
  }
  FDirty.Add({r.Left, r.Top, r.Right - s, r.Bottom - s}, &FDragImage, {0, 0, width - s, height - s});
  Sprite.Draw(SpriteMode::Brightness, FShadowSprite, nullptr, nullptr, height, width, r.Top, r.Left, BoardBitmap);
  FDirty.Add({r.Left + s, r.Bottom - s, r.Right, r.Bottom});
  FDirty.Add({r.Right - s, r.Top + s, r.Right, r.Bottom - s});
}

}  // namespace quill
