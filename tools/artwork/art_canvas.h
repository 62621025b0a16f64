// Drawing helpers for the procedural artwork: a floating-point colour, shape distances
// for anti-aliased edges, and a canvas that blends colours into a 24-bit bitmap. Used
// by the demo scene painter.
#pragma once
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>

#include "raster/bitmap.h"

namespace quill::art {

// A colour with channels from 0 to 1 (values outside are clamped when stored).
struct Rgb {
  float r = 0, g = 0, b = 0;
};

constexpr Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
constexpr Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
constexpr Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
constexpr Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
constexpr Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

inline float Clamp01(float t) { return std::clamp(t, 0.0f, 1.0f); }
// 0 below `edge0`, 1 above `edge1`, smooth between (edge0 may exceed edge1 to invert).
inline float SmoothStep(float edge0, float edge1, float x) {
  const float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

struct Point {
  float x = 0, y = 0;
};
constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
constexpr Point operator*(Point a, float k) { return {a.x * k, a.y * k}; }
inline float Length(Point p) { return std::sqrt(p.x * p.x + p.y * p.y); }

// Signed distances: negative inside the shape, in the units of the points.
inline float CircleDistance(Point p, Point centre, float radius) { return Length(p - centre) - radius; }
float SegmentDistance(Point p, Point a, Point b);
// Any simple polygon, corners in order.
float PolygonDistance(Point p, std::span<const Point> corners);
inline float PolygonDistance(Point p, std::initializer_list<Point> corners) {
  return PolygonDistance(p, std::span<const Point>(corners.begin(), corners.size()));
}
inline float BoxDistance(Point p, float left, float top, float right, float bottom) {
  return PolygonDistance(p, {{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

// Pixels of a 24-bit bitmap read and written as Rgb.
class Canvas {
 public:
  explicit Canvas(Bitmap& bitmap) : bitmap_(bitmap) {}
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  Rgb Get(int x, int y) const;
  void Put(int x, int y, Rgb colour);
  // Covers the pixel with `colour` by `alpha` (0 leaves it, 1 replaces it).
  void Blend(int x, int y, Rgb colour, float alpha) { Put(x, y, Mix(Get(x, y), colour, alpha)); }

 private:
  Bitmap& bitmap_;
};

}  // namespace quill::art
