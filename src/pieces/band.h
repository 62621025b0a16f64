// The rubber band: a rectangle drawn on a canvas in not-xor mode, so drawing it again
// erases it. The board mouse control drags it for band selection, and the trays
// animate it from one rectangle to another (Zoom) when they open, close or go.
#pragma once
#include <functional>

#include "raster/canvas.h"
#include "raster/rect.h"

namespace quill {

class TBand {
 public:
  // Waits the given milliseconds between the frames of Zoom.
  using WaitFunction = std::function<void(int milliseconds)>;
  // Told the area of the canvas that a band step has just changed, so that it can be
  // shown at once (the band is drawn on the board bitmap, not on the screen).
  using RepaintFunction = std::function<void(const Rect& area)>;

  // Without a wait function the thread sleeps.
  explicit TBand(WaitFunction wait = {});

  void SetWait(WaitFunction wait);
  void SetRepaint(RepaintFunction repaint) { repaint_ = std::move(repaint); }

  // Both corners at (x, y); nothing is drawn yet. The canvas's pen becomes a black
  // one-pixel not-xor pen and its brush clear until Finish.
  void Start(Canvas& canvas, int x, int y);
  // Erases the band and draws it again with its second corner at (x2, y2).
  void DragTo(int x2, int y2);
  // Erases the band and draws it again as `r`.
  void SetRect(const Rect& r);
  // Erases the band, gives the canvas back its pen (in copy mode) and brush, and
  // returns the band with Left <= Right and Top <= Bottom.
  Rect Finish();
  // The band with Left <= Right and Top <= Bottom; nothing is drawn.
  Rect Current() const;

  // Animates the band from `from` to `to` in 20 frames, each edge moving linearly,
  // waiting 10 ms after each frame; the canvas is left as it was.
  void Zoom(Canvas& canvas, const Rect& from, const Rect& to);

  static constexpr int kZoomFrames = 20;
  static constexpr int kZoomFrameMilliseconds = 10;

 private:
  void Draw();
  void Repaint(const Rect& before);

  int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Canvas* canvas_ = nullptr;
  quill::Pen savedPen_;
  quill::Brush savedBrush_;
  WaitFunction wait_;
  RepaintFunction repaint_;
};

}  // namespace quill
