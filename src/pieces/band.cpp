#include "pieces/band.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

namespace quill {
namespace {

void Sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Nearest integer, ties to even.
int32_t RoundToInt(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

// The rectangle of frame i (1..20) of a zoom: each edge a fraction i/20 of the way.
Rect ZoomFrame(const Rect& from, const Rect& to, int i) {
  const double n = TBand::kZoomFrames;
  const double dl = (to.Left - from.Left) / n;
  const double dt = (to.Top - from.Top) / n;
  const double dw = (to.Right + from.Left - to.Left - from.Right) / n;
  const double dh = (to.Bottom + from.Top - to.Top - from.Bottom) / n;
  return {from.Left + RoundToInt(i * dl), from.Top + RoundToInt(i * dt), from.Right + RoundToInt(i * (dl + dw)),
          from.Bottom + RoundToInt(i * (dt + dh))};
}

}  // namespace

TBand::TBand(WaitFunction wait) { SetWait(std::move(wait)); }

void TBand::SetWait(WaitFunction wait) { wait_ = wait ? std::move(wait) : WaitFunction(Sleep); }

void TBand::Start(Canvas& canvas, int x, int y) {
  canvas_ = &canvas;
  savedPen_ = canvas.Pen();
  savedBrush_ = canvas.Brush();
  // With a black pen, not-xor inverts the pixels under the band.
  canvas.Pen() = quill::Pen{kBlack, 1, PenMode::NotXor};
  canvas.Brush().Style = BrushStyle::Clear;
  x1_ = x2_ = x;
  y1_ = y2_ = y;
}

void TBand::DragTo(int x2, int y2) {
  if (!canvas_) return;
  const Rect before = Current();
  Draw();
  x2_ = x2;
  y2_ = y2;
  Draw();
  Repaint(before);
}

void TBand::SetRect(const Rect& r) {
  if (!canvas_) return;
  const Rect before = Current();
  Draw();
  x1_ = r.Left;
  y1_ = r.Top;
  x2_ = r.Right;
  y2_ = r.Bottom;
  Draw();
  Repaint(before);
}

Rect TBand::Finish() {
  if (canvas_) {
    Draw();
    Repaint(Current());
    canvas_->Pen() = savedPen_;
    canvas_->Pen().Mode = PenMode::Copy;
    canvas_->Brush() = savedBrush_;
    canvas_ = nullptr;
  }
  const Rect r = Current();
  x1_ = r.Left;
  y1_ = r.Top;
  x2_ = r.Right;
  y2_ = r.Bottom;
  return r;
}

Rect TBand::Current() const {
  return {std::min(x1_, x2_), std::min(y1_, y2_), std::max(x1_, x2_), std::max(y1_, y2_)};
}

void TBand::Zoom(Canvas& canvas, const Rect& from, const Rect& to) {
  Start(canvas, from.Left, from.Top);
  for (int i = 1; i <= kZoomFrames; ++i) {
    SetRect(ZoomFrame(from, to, i));
    wait_(kZoomFrameMilliseconds);
  }
  Finish();
}

void TBand::Draw() { canvas_->Rectangle(x1_, y1_, x2_, y2_); }

void TBand::Repaint(const Rect& before) {
  const Rect area = Union(before, Current());
  if (repaint_ && !area.IsEmpty()) repaint_(area);
}

}  // namespace quill
