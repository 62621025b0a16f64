#include "art_canvas.h"

namespace quill::art {
namespace {

uint8_t ToByte(float channel) { return static_cast<uint8_t>(Clamp01(channel) * 255.0f + 0.5f); }
constexpr float kByteToUnit = 1.0f / 255.0f;

}  // namespace

float SegmentDistance(Point p, Point a, Point b) {
  const Point ab = b - a;
  const Point ap = p - a;
  const float lengthSquared = ab.x * ab.x + ab.y * ab.y;
  const float t = lengthSquared > 0 ? Clamp01((ap.x * ab.x + ap.y * ab.y) / lengthSquared) : 0.0f;
  return Length(ap - ab * t);
}

// The distance to the nearest edge, signed by an even-odd crossing count.
float PolygonDistance(Point p, std::span<const Point> corners) {
  const Point* v = corners.data();
  const size_t n = corners.size();
  float nearest = 1e30f;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    nearest = std::min(nearest, SegmentDistance(p, v[j], v[i]));
    const bool crosses = (v[i].y > p.y) != (v[j].y > p.y);
    if (crosses && p.x < v[j].x + (v[i].x - v[j].x) * (p.y - v[j].y) / (v[i].y - v[j].y)) inside = !inside;
  }
  return inside ? -nearest : nearest;
}

Rgb Canvas::Get(int x, int y) const {
  const uint8_t* pixel = bitmap_.ScanLine(y) + 3 * x;
  return {pixel[2] * kByteToUnit, pixel[1] * kByteToUnit, pixel[0] * kByteToUnit};
}

void Canvas::Put(int x, int y, Rgb colour) {
  uint8_t* pixel = bitmap_.ScanLine(y) + 3 * x;
  pixel[0] = ToByte(colour.b);
  pixel[1] = ToByte(colour.g);
  pixel[2] = ToByte(colour.r);
}

}  // namespace quill::art
