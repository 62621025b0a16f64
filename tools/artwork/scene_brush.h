// Painting of anti-aliased shapes into the demo scene: a shape is a signed distance
// function and a shading function, and it hides behind the scenery layers in front
// of the one it stands on. Used by the object and house painters.
#pragma once
#include <algorithm>
#include <span>

#include "art_canvas.h"
#include "scene_layout.h"

namespace quill::art {

// A rectangle in scene units.
struct Box {
  float left, top, right, bottom;
};

inline Box BoxAround(Point centre, float reach) {
  return {centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach};
}

inline Box BoundsOf(std::span<const Point> corners) {
  Box box{1e9f, 1e9f, -1e9f, -1e9f};
  for (const Point& corner : corners) {
    box = {std::min(box.left, corner.x), std::min(box.top, corner.y), std::max(box.right, corner.x),
           std::max(box.bottom, corner.y)};
  }
  return box;
}

inline Box Grown(Box box, float by) { return {box.left - by, box.top - by, box.right + by, box.bottom + by}; }

class Brush {
 public:
  Brush(Canvas& canvas, const SceneLayout& layout) : canvas_(canvas), layout_(layout), pixel_(1.0f / layout.unit) {}

  float Pixel() const { return pixel_; }
  const SceneLayout& Layout() const { return layout_; }

  // Paints the shape inside `bounds` whose signed distance (scene units, negative
  // inside) `distance` gives, in the colours `shade` gives, standing on `layer`.
  // `softness` widens the edge beyond one pixel, for smoke and the like.
  template <class Distance, class Shade>
  void Paint(Layer layer, Box bounds, Distance distance, Shade shade, float opacity = 1.0f,
             float softness = 0.0f) const {
    const float edge = std::max(pixel_, softness);
    const int left = std::max(0, static_cast<int>((bounds.left - edge) * layout_.unit));
    const int right = std::min(canvas_.Width() - 1, static_cast<int>((bounds.right + edge) * layout_.unit) + 1);
    const int top = std::max(0, static_cast<int>((bounds.top - edge) * layout_.unit));
    const int bottom = std::min(canvas_.Height() - 1, static_cast<int>((bounds.bottom + edge) * layout_.unit) + 1);
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const Point p = {(static_cast<float>(x) + 0.5f) * pixel_, (static_cast<float>(y) + 0.5f) * pixel_};
        const float d = distance(p);
        if (d >= 0.5f * edge) continue;
        const float cover = Clamp01(0.5f - d / edge) * opacity * (1.0f - layout_.HiddenBy(layer, x, y));
        if (cover > 0) canvas_.Blend(x, y, shade(p), cover);
      }
    }
  }

 private:
  Canvas& canvas_;
  const SceneLayout& layout_;
  float pixel_;
};

}  // namespace quill::art
