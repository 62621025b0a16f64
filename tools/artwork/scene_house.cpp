#include "scene_house.h"

#include <cmath>
#include <vector>

#include "art_noise.h"

namespace quill::art {
namespace {

float Fraction(float x) { return x - std::floor(x); }

// The house in its own units: the front wall is one unit wide, x to the right, y
// upwards negative, the origin at the bottom left corner of the front wall.
struct HouseFrame {
  Point origin;
  float size;
  Point depth = {0.9f, -0.22f};  // the side wall recedes up to the right
  Point apex = {0.5f, -1.3f};    // top of the front gable
  Point eaveLeft = {-0.1f, -0.73f};
  Point eaveRight = {1.1f, -0.73f};
  static constexpr float kWallTop = -0.8f;

  Point At(Point local) const { return origin + local * size; }
  Point Local(Point p) const { return (p - origin) * (1.0f / size); }
  Box ToScene(Box local) const {
    const Point topLeft = At({local.left, local.top});
    const Point bottomRight = At({local.right, local.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  }
  // A position on the side wall as if it were unfolded flat: `along` from the front
  // corner (0) to the back (1), `up` as on the front wall.
  Point Unfolded(Point local) const {
    const float along = (local.x - 1.0f) / depth.x;
    return {along, local.y - along * depth.y};
  }
  Point SideWall(float along, float up) const { return {1.0f + along * depth.x, up + along * depth.y}; }
};

// Paints a flat part of the house given by its corners in house units.
template <class Shade>
void PaintPart(const Brush& brush, const HouseFrame& h, const std::vector<Point>& outline, Shade shade) {
  brush.Paint(
      Layer::LeftHill, h.ToScene(BoundsOf(outline)),
      [&](Point p) { return PolygonDistance(h.Local(p), outline) * h.size; }, shade);
}

Rgb Plaster(Point local, Rgb tint, uint32_t seed) {
  const float grain = FractalNoise(local.x * 40.0f, local.y * 40.0f, 4, seed);
  return tint * (0.9f + 0.2f * grain);
}

// Warm lamplight behind glazing bars, brightest in the middle; `offset` runs from
// -1 to 1 across the pane.
Rgb WindowGlass(Point offset) {
  const bool bar = std::fabs(offset.x) < 0.12f || std::fabs(offset.y) < 0.10f;
  if (bar) return {0.95f, 0.90f, 0.80f};
  return Rgb{1.0f, 0.78f, 0.36f} * (1.0f - 0.35f * Length(offset));
}

std::vector<Point> Rectangle(Point centre, Point half) {
  return {{centre.x - half.x, centre.y - half.y},
          {centre.x + half.x, centre.y - half.y},
          {centre.x + half.x, centre.y + half.y},
          {centre.x - half.x, centre.y + half.y}};
}

void PaintFrontWindow(const Brush& brush, const HouseFrame& h, Point centre, Point half) {
  constexpr float kFrame = 0.03f;
  PaintPart(brush, h, Rectangle(centre, half + Point{kFrame, kFrame}), [](Point) { return Rgb{0.32f, 0.22f, 0.16f}; });
  PaintPart(brush, h, Rectangle(centre, half), [=](Point p) {
    const Point local = h.Local(p);
    return WindowGlass({(local.x - centre.x) / half.x, (local.y - centre.y) / half.y});
  });
}

void PaintSideWindow(const Brush& brush, const HouseFrame& h, float along, float width) {
  constexpr float kTop = -0.58f, kBottom = -0.30f;
  const Point centre = {along + 0.5f * width, 0.5f * (kTop + kBottom)};
  const Point half = {0.5f * width, 0.5f * (kBottom - kTop)};
  PaintPart(brush, h,
            {h.SideWall(along, kTop), h.SideWall(along + width, kTop), h.SideWall(along + width, kBottom),
             h.SideWall(along, kBottom)},
            [=](Point p) {
              const Point flat = h.Unfolded(h.Local(p));
              return WindowGlass({(flat.x - centre.x) / half.x, (flat.y - centre.y) / half.y});
            });
}

void PaintFooting(const Brush& brush, const HouseFrame& h, uint32_t seed) {
  // A stone footing so the house meets the sloping ground.
  PaintPart(
      brush, h,
      {{-0.04f, 0.12f}, {1.0f, 0.12f}, h.SideWall(1.0f, 0.12f), h.SideWall(1.0f, 0.0f), {1.0f, 0.0f}, {-0.04f, 0.0f}},
      [=](Point p) {
        return Plaster(h.Local(p), {0.45f, 0.42f, 0.40f}, seed);
      });
}

void PaintWalls(const Brush& brush, const HouseFrame& h, uint32_t seed) {
  constexpr float top = HouseFrame::kWallTop;
  // The side wall faces the setting sun: warm boards.
  PaintPart(brush, h, {h.SideWall(0, 0.02f), h.SideWall(1, 0.02f), h.SideWall(1, top), h.SideWall(0, top)},
            [=](Point p) {
              const Point local = h.Local(p);
              const Rgb wood = Plaster(local, {0.93f, 0.72f, 0.52f}, seed);
              return Fraction(h.Unfolded(local).y / 0.09f) < 0.12f ? wood * 0.7f : wood;
            });
  // The gable end is in the house's own shadow, framed by dark timbers.
  PaintPart(brush, h, {{0, 0.02f}, {1, 0.02f}, {1, top}, h.apex, {0, top}}, [=](Point p) {
    const Point local = h.Local(p);
    const bool timber = std::fabs(local.y - top) < 0.035f || local.x < 0.045f || local.x > 0.955f || local.y > -0.06f;
    return timber ? Rgb{0.24f, 0.15f, 0.11f} : Plaster(local, {0.70f, 0.58f, 0.54f}, seed + 1);
  });
}

void PaintRoof(const Brush& brush, const HouseFrame& h, uint32_t seed) {
  const Point a = h.apex, e = h.eaveRight, d = h.depth;
  const Point slope = e - a;
  const float determinant = slope.x * d.y - slope.y * d.x;
  PaintPart(brush, h, {a, e, e + d, a + d}, [=](Point p) {
    // Position on the roof: `down` from ridge to eave, `along` from front to back.
    const Point q = h.Local(p) - a;
    const float down = (q.x * d.y - q.y * d.x) / determinant;
    const float along = (slope.x * q.y - slope.y * q.x) / determinant;
    const float row = std::floor(down * 8.0f);
    const bool gap = Fraction(down * 8.0f) > 0.82f || Fraction(along * 14.0f + 0.5f * row) < 0.08f;
    const float moss = FractalNoise(along * 6.0f, down * 6.0f, 3, seed);
    Rgb tile = Mix(Rgb{0.62f, 0.22f, 0.15f}, Rgb{0.88f, 0.42f, 0.26f}, Clamp01(0.4f + 0.6f * down));
    tile = Mix(tile, {0.40f, 0.40f, 0.18f}, Clamp01(moss * 1.5f));
    return gap ? tile * 0.6f : tile;
  });
  // Barge boards along the gable and the ridge line.
  constexpr float kBoard = 0.035f;
  const std::vector<Point> ends = {h.eaveLeft, a, e, a + d};
  brush.Paint(
      Layer::LeftHill, Grown(h.ToScene(BoundsOf(ends)), kBoard * h.size),
      [=](Point p) {
        const Point local = h.Local(p);
        const float nearest = std::min(
            {SegmentDistance(local, h.eaveLeft, a), SegmentDistance(local, a, e), SegmentDistance(local, a, a + d)});
        return (nearest - kBoard) * h.size;
      },
      [](Point) {
        return Rgb{0.26f, 0.16f, 0.12f};
      });
}

// Where the chimney stands on the roof, in house units.
Point ChimneyFoot(const HouseFrame& h) { return h.apex + (h.eaveRight - h.apex) * 0.3f + h.depth * 0.7f; }
constexpr float kChimneyHeight = 0.34f;

void PaintChimney(const Brush& brush, const HouseFrame& h) {
  const Point foot = ChimneyFoot(h);
  const float fall = (h.eaveRight.y - h.apex.y) / (h.eaveRight.x - h.apex.x);
  const float top = foot.y - kChimneyHeight;
  constexpr float kHalf = 0.07f, kCourse = 0.05f;
  PaintPart(brush, h,
            {{foot.x - kHalf, foot.y - kHalf * fall},
             {foot.x + kHalf, foot.y + kHalf * fall},
             {foot.x + kHalf, top},
             {foot.x - kHalf, top}},
            [=](Point p) {
              const Point local = h.Local(p);
              if (local.y < top + 0.04f) return Rgb{0.30f, 0.26f, 0.26f};  // the cap
              const float course = std::floor((local.y - top) / kCourse);
              const bool mortar = Fraction((local.y - top) / kCourse) < 0.2f ||
                                  Fraction((local.x - foot.x) / kHalf + 0.5f * course) < 0.12f;
              const Rgb brick = local.x > foot.x + 0.02f ? Rgb{0.80f, 0.40f, 0.28f} : Rgb{0.52f, 0.24f, 0.18f};
              return mortar ? Rgb{0.60f, 0.54f, 0.50f} : brick;
            });
}

// Smoke drifts up and to the left, spreading and thinning.
void PaintSmoke(const Brush& brush, const HouseFrame& h, uint32_t seed) {
  const Point foot = ChimneyFoot(h);
  constexpr int kPuffs = 12;
  for (int puff = 0; puff < kPuffs; ++puff) {
    const float t = static_cast<float>(puff) / (kPuffs - 1);
    const Point centre =
        h.At({foot.x - 0.9f * t - 0.15f * std::sin(t * 6.0f), foot.y - kChimneyHeight - 0.1f - 2.2f * t});
    const float radius = h.size * (0.06f + 0.22f * t);
    const uint32_t puffSeed = seed + static_cast<uint32_t>(puff);
    brush.Paint(
        Layer::LeftHill, BoxAround(centre, 1.6f * radius),
        [=](Point p) {
          return CircleDistance(p, centre, radius) +
                 0.4f * radius * FractalNoise(p.x / radius * 2.0f, p.y / radius * 2.0f, 3, puffSeed);
        },
        [=](Point p) {
          return Mix(Rgb{0.62f, 0.56f, 0.66f}, Rgb{1.0f, 0.84f, 0.74f}, Clamp01(0.5f + (p.x - centre.x) / radius));
        },
        0.5f * (1.0f - 0.8f * t), 0.9f * radius);
  }
}

void PaintDoor(const Brush& brush, const HouseFrame& h) {
  PaintPart(brush, h, Rectangle({0.5f, -0.2f}, {0.1f, 0.2f}), [=](Point p) {
    const Point local = h.Local(p);
    if (Length(local - Point{0.56f, -0.2f}) < 0.018f) return Rgb{0.95f, 0.78f, 0.35f};  // brass knob
    const bool seam = Fraction((local.x - 0.40f) / 0.05f) < 0.12f;
    return Rgb{0.40f, 0.22f, 0.13f} * (seam ? 0.6f : 1.0f);
  });
}

}  // namespace

void PaintHouse(const Brush& brush, const SceneLayout& layout) {
  const HouseFrame h{layout.houseBase, layout.houseSize};
  const uint32_t seed = layout.SeedFor(901);
  PaintFooting(brush, h, seed);
  PaintWalls(brush, h, seed + 1);
  PaintRoof(brush, h, seed + 3);
  PaintChimney(brush, h);
  PaintSmoke(brush, h, seed + 4);
  PaintFrontWindow(brush, h, {0.2f, -0.45f}, {0.09f, 0.12f});
  PaintFrontWindow(brush, h, {0.8f, -0.45f}, {0.09f, 0.12f});
  PaintFrontWindow(brush, h, {0.5f, -1.0f}, {0.07f, 0.08f});
  PaintSideWindow(brush, h, 0.15f, 0.22f);
  PaintSideWindow(brush, h, 0.58f, 0.22f);
  PaintDoor(brush, h);
}

}  // namespace quill::art
