#include "scene_objects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "art_noise.h"
#include "scene_brush.h"
#include "scene_house.h"

namespace quill::art {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Something to paint, ordered by its layer and then by how low its base stands.
struct Sprite {
  Layer layer;
  float baseY;
  std::function<void(const Brush&)> paint;
};

// ---------------------------------------------------------------- trees

struct Foliage {
  Rgb dark, mid, lit;
};

constexpr Foliage kFoliage[] = {
    {{0.05f, 0.14f, 0.06f}, {0.18f, 0.36f, 0.10f}, {0.66f, 0.66f, 0.24f}},  // summer green
    {{0.08f, 0.16f, 0.04f}, {0.32f, 0.46f, 0.10f}, {0.86f, 0.80f, 0.30f}},  // yellow green
    {{0.03f, 0.10f, 0.07f}, {0.10f, 0.28f, 0.14f}, {0.46f, 0.58f, 0.28f}},  // deep green
    {{0.22f, 0.07f, 0.04f}, {0.64f, 0.25f, 0.08f}, {1.00f, 0.68f, 0.26f}},  // autumn
};

Rgb FoliageColour(const Foliage& foliage, float light) {
  return light < 0.5f ? Mix(foliage.dark, foliage.mid, light * 2.0f)
                      : Mix(foliage.mid, foliage.lit, light * 2.0f - 1.0f);
}

Rgb Bark(Point p, float width, uint32_t seed) {
  const float grain = FractalNoise(p.x / width * 6.0f, p.y / width * 1.5f, 4, seed);
  return Rgb{0.30f, 0.20f, 0.13f} * (0.75f + 0.5f * grain);
}

void PaintRoundTree(const Brush& brush, Layer layer, Point base, float radius, const Foliage& foliage,
                    ArtRandom& random) {
  const uint32_t seed = static_cast<uint32_t>(random.Next());
  const float trunkWidth = 0.10f * radius;
  const Point crown = {base.x, base.y - 1.35f * radius};
  brush.Paint(
      layer, BoxAround({base.x, base.y - 0.7f * radius}, 0.8f * radius),
      [=](Point p) {
        return PolygonDistance(p, {{base.x - trunkWidth, base.y},
                                   {base.x + trunkWidth, base.y},
                                   {base.x + 0.5f * trunkWidth, crown.y},
                                   {base.x - 0.5f * trunkWidth, crown.y}});
      },
      [=](Point p) { return Bark(p, trunkWidth, seed); });
  std::array<std::pair<Point, float>, 8> blobs;
  blobs[0] = {crown, 0.62f * radius};
  for (size_t i = 1; i < blobs.size(); ++i) {
    const float angle = random.Between(0.0f, 2.0f * kPi);
    const float distance = random.Between(0.25f, 0.5f) * radius;
    blobs[i] = {crown + Point{std::cos(angle), 0.85f * std::sin(angle)} * distance,
                random.Between(0.38f, 0.55f) * radius};
  }
  const int octaves = OctavesFor(radius / 8.0f, brush.Layout().unit) + 1;
  brush.Paint(
      layer, BoxAround(crown, 1.3f * radius),
      [=](Point p) {
        float nearest = 1e9f;
        for (const auto& [centre, r] : blobs) nearest = std::min(nearest, CircleDistance(p, centre, r));
        return nearest + 0.10f * radius * FractalNoise(p.x / radius * 6.0f, p.y / radius * 6.0f, 3, seed + 1);
      },
      [=](Point p) {
        const Point offset = (p - crown) * (1.0f / radius);
        const float leaves = FractalNoise(p.x / radius * 9.0f, p.y / radius * 9.0f, octaves, seed + 2);
        const float light = Clamp01(0.45f + 0.5f * (0.8f * offset.x - 0.6f * offset.y) + 0.9f * leaves);
        return FoliageColour(foliage, light);
      });
}

void PaintConifer(const Brush& brush, Layer layer, Point base, float height, const Foliage& foliage,
                  ArtRandom& random) {
  const uint32_t seed = static_cast<uint32_t>(random.Next());
  const float width = height * random.Between(0.38f, 0.48f);
  const float trunkWidth = 0.05f * height;
  brush.Paint(
      layer, BoxAround({base.x, base.y - 0.1f * height}, 0.15f * height),
      [=](Point p) { return BoxDistance(p, base.x - trunkWidth, base.y - 0.2f * height, base.x + trunkWidth, base.y); },
      [=](Point p) { return Bark(p, trunkWidth, seed); });
  const float top = base.y - height;
  const int octaves = OctavesFor(height / 20.0f, brush.Layout().unit) + 1;
  brush.Paint(
      layer, BoxAround({base.x, base.y - 0.55f * height}, 0.6f * height),
      [=](Point p) {
        float nearest = 1e9f;
        for (int tier = 0; tier < 4; ++tier) {
          const float tierTop = top + 0.19f * height * static_cast<float>(tier);
          const float tierBottom = tierTop + 0.36f * height;
          const float half = 0.5f * width * (0.45f + 0.55f * static_cast<float>(tier + 1) / 4.0f);
          nearest = std::min(
              nearest,
              PolygonDistance(p, {{base.x, tierTop}, {base.x + half, tierBottom}, {base.x - half, tierBottom}}));
        }
        return nearest + 0.03f * height * FractalNoise(p.x / height * 30.0f, p.y / height * 30.0f, 2, seed + 1);
      },
      [=](Point p) {
        const float needles = FractalNoise(p.x / height * 25.0f, p.y / height * 40.0f, octaves, seed + 2);
        const float light = Clamp01(0.35f + 4.0f * (p.x - base.x) / height + 0.9f * needles);
        return FoliageColour(foliage, light);
      });
}

// The spot `depth` below the ridge of `layer` at `x`; false unless that layer is the
// front one there, so whatever stands on it is not buried behind a nearer hill.
bool GroundSpot(const SceneLayout& layout, Layer layer, float x, float depth, Point& spot) {
  const int column = layout.ColumnAt(x);
  spot = {x, layout.Ridge(layer, column) / layout.unit + depth};
  const int row = static_cast<int>(spot.y * layout.unit);
  return row < layout.height && layout.GroundAt(column, row) == layer;
}

void AddTrees(std::vector<Sprite>& sprites, const SceneLayout& layout, ArtRandom& random, Layer layer, int count,
              float fromFraction, float toFraction, float maxDepth, float size) {
  const float houseLeft = layout.houseBase.x - 0.03f;
  const float houseRight = layout.houseBase.x + 1.9f * layout.houseSize + 0.02f;
  for (int placed = 0, tries = 0; placed < count && tries < 200; ++tries) {
    Point base;
    const float depth = random.Between(0.004f, maxDepth);
    if (!GroundSpot(layout, layer, random.Between(fromFraction, toFraction) * layout.Aspect(), depth, base)) continue;
    const float radius = size * random.Between(0.8f, 1.3f) * (0.8f + 5.0f * depth);
    if (base.x + radius > houseLeft && base.x - radius < houseRight && base.y < layout.houseBase.y + 0.03f) continue;
    if (layout.PathDistance(base) < radius * 0.4f) continue;
    const bool conifer = random.Unit() < 0.4f;
    // Mostly greens; now and then a tree already in autumn colours (never a conifer).
    const bool autumn = !conifer && random.Unit() < 0.15f;
    const Foliage& foliage = autumn ? kFoliage[3] : kFoliage[static_cast<size_t>(random.Below(3))];
    const uint64_t treeSeed = random.Next();
    sprites.push_back({layer, base.y, [=](const Brush& brush) {
                         ArtRandom shapes(treeSeed);
                         if (conifer)
                           PaintConifer(brush, layer, base, 3.2f * radius, foliage, shapes);
                         else
                           PaintRoundTree(brush, layer, base, radius, foliage, shapes);
                       }});
    ++placed;
  }
}

// ---------------------------------------------------------------- sheep

void PaintSheep(const Brush& brush, Point base, float size, float facing, uint32_t seed) {
  const Rgb dark = {0.16f, 0.12f, 0.12f};
  const float leg = 0.06f * size;
  for (float x : {-0.45f, -0.25f, 0.25f, 0.45f}) {
    const Point top = base + Point{x * size, -0.4f * size};
    const Point foot = base + Point{x * size, 0.0f};
    brush.Paint(
        Layer::LeftHill, BoxAround(top, 0.5f * size), [=](Point p) { return SegmentDistance(p, top, foot) - leg; },
        [=](Point) { return dark; });
  }
  const Point body = base + Point{0.0f, -0.62f * size};
  brush.Paint(
      Layer::LeftHill, BoxAround(body, 0.9f * size),
      [=](Point p) {
        float nearest = 1e9f;
        for (float x : {-0.38f, -0.12f, 0.12f, 0.38f})
          nearest = std::min(nearest, CircleDistance(p, body + Point{x * size, 0}, 0.30f * size));
        return nearest + 0.05f * size * FractalNoise(p.x / size * 12.0f, p.y / size * 12.0f, 2, seed);
      },
      [=](Point p) {
        const Point offset = (p - body) * (1.0f / size);
        const float wool = FractalNoise(p.x / size * 16.0f, p.y / size * 16.0f, 3, seed + 1);
        const float light = Clamp01(0.6f + 0.8f * offset.x - 1.2f * offset.y + 0.5f * wool);
        return Mix(Rgb{0.55f, 0.50f, 0.50f}, Rgb{1.0f, 0.92f, 0.80f}, light);
      });
  const Point head = base + Point{facing * 0.62f * size, -0.72f * size};
  brush.Paint(
      Layer::LeftHill, BoxAround(head, 0.4f * size),
      [=](Point p) {
        return Length(Point{(p.x - head.x) / 1.3f, p.y - head.y}) - 0.15f * size;
      },
      [=](Point) { return dark; });
}

void AddSheep(std::vector<Sprite>& sprites, const SceneLayout& layout, ArtRandom& random, int count) {
  for (int placed = 0, tries = 0; placed < count && tries < 200; ++tries) {
    Point base;
    const float x = random.Between(0.01f, 0.34f) * layout.Aspect();
    const float depth = random.Between(0.06f, 0.30f);
    const float facing = random.Unit() < 0.5f ? -1.0f : 1.0f;
    const uint32_t seed = static_cast<uint32_t>(random.Next());
    if (!GroundSpot(layout, Layer::LeftHill, x, depth, base) || layout.PathDistance(base) < 0.02f) continue;
    if (std::fabs(base.y - layout.wallY) < 0.05f) continue;
    const float size = 0.012f + 0.02f * Clamp01((base.y - 0.55f) / 0.4f);
    sprites.push_back(
        {Layer::LeftHill, base.y, [=](const Brush& brush) { PaintSheep(brush, base, size, facing, seed); }});
    ++placed;
  }
}

// ---------------------------------------------------------------- boat and birds

void PaintBoat(const Brush& brush, const SceneLayout& layout) {
  const Point w = layout.boat;
  const float s = layout.boatSize;
  const uint32_t seed = layout.SeedFor(951);
  struct Part {
    std::vector<Point> corners;  // boat units: x right, y up negative, origin at the waterline
    Rgb colour;
  };
  const std::vector<Part> parts = {
      {{{-0.50f, -0.14f}, {0.58f, -0.22f}, {0.40f, 0.0f}, {-0.40f, 0.0f}}, {0.45f, 0.14f, 0.10f}},      // hull
      {{{-0.50f, -0.14f}, {0.58f, -0.22f}, {0.56f, -0.18f}, {-0.49f, -0.11f}}, {0.90f, 0.80f, 0.62f}},  // gunwale
      {{{-0.02f, -0.16f}, {0.02f, -0.16f}, {0.02f, -1.15f}, {-0.02f, -1.15f}}, {0.25f, 0.16f, 0.10f}},  // mast
      {{{0.05f, -1.10f}, {0.05f, -0.26f}, {0.52f, -0.26f}}, {1.0f, 0.86f, 0.72f}},                      // mainsail
      {{{-0.05f, -0.98f}, {-0.05f, -0.28f}, {-0.40f, -0.28f}}, {0.96f, 0.72f, 0.62f}},                  // jib
  };
  auto distanceTo = [=](const Part& part, Point local) { return PolygonDistance(local, part.corners) * s; };
  // The reflection first: upside down, broken by ripples, darker.
  for (const Part& part : parts) {
    brush.Paint(
        Layer::Lake, BoxAround({w.x, w.y + 0.6f * s}, 0.8f * s),
        [=](Point p) {
          const Point local = (p - w) * (1.0f / s);
          const float ripple = 0.05f * FractalNoise(local.x * 2.0f, local.y * 14.0f, 3, seed);
          return local.y < 0 ? 1e9f : distanceTo(part, {local.x + ripple, -local.y});
        },
        [=](Point) { return part.colour * 0.55f; }, 0.55f);
  }
  for (const Part& part : parts) {
    brush.Paint(
        Layer::Lake, BoxAround({w.x, w.y - 0.55f * s}, 0.8f * s),
        [=](Point p) { return distanceTo(part, (p - w) * (1.0f / s)); },
        [=](Point p) { return part.colour * (0.85f + 0.3f * Clamp01((p.x - w.x) / s + 0.5f)); });
  }
}

void PaintBirds(const Brush& brush, const SceneLayout& layout, ArtRandom& random) {
  const Point leader = {random.Between(0.30f, 0.45f) * layout.Aspect(), random.Between(0.17f, 0.24f)};
  for (int bird = 0; bird < 7; ++bird) {
    // A loose V: birds alternate between its two arms.
    const float arm = (bird % 2 == 0) ? 1.0f : -1.0f;
    const float rank = static_cast<float>((bird + 1) / 2);
    const Point centre = leader + Point{-0.035f * rank + random.Between(-0.006f, 0.006f), 0.018f * rank * arm};
    const float span = random.Between(0.010f, 0.014f);
    const float flap = random.Between(-0.3f, 0.4f) * span;
    const float thickness = std::max(0.6f * brush.Pixel(), 0.0010f);
    brush.Paint(
        Layer::Sky, BoxAround(centre, 1.2f * span),
        [=](Point p) {
          // Each wing arches up from the body and droops to its tip, thinning out.
          float nearest = CircleDistance(p, centre + Point{0, 0.05f * span}, 1.6f * thickness);
          for (float side : {-1.0f, 1.0f}) {
            const Point shoulder = centre + Point{side * 0.25f * span, -0.25f * span};
            const Point wrist = centre + Point{side * 0.6f * span, -0.28f * span};
            const Point tip = centre + Point{side * span, flap};
            nearest = std::min({nearest, SegmentDistance(p, centre, shoulder) - thickness,
                                SegmentDistance(p, shoulder, wrist) - 0.8f * thickness,
                                SegmentDistance(p, wrist, tip) - 0.5f * thickness});
          }
          return nearest;
        },
        [](Point) {
          return Rgb{0.14f, 0.08f, 0.16f};
        });
  }
}

// ---------------------------------------------------------------- fence and flowers

void AddFence(std::vector<Sprite>& sprites, const SceneLayout& layout) {
  const Point from = {0.60f * layout.Aspect(), 0.905f};
  const Point to = {1.03f * layout.Aspect(), 0.945f};
  constexpr int kPosts = 9;
  const uint32_t seed = layout.SeedFor(971);
  const Rgb wood = {0.46f, 0.36f, 0.28f};
  auto heightAt = [](float y) { return 0.45f * (y - 0.80f); };
  for (int post = 0; post < kPosts; ++post) {
    const float t = static_cast<float>(post) / (kPosts - 1);
    const Point base = from + (to - from) * t;
    const Point nextBase = from + (to - from) * (static_cast<float>(post + 1) / (kPosts - 1));
    const float height = heightAt(base.y);
    const float width = 0.09f * height;
    sprites.push_back(
        {Layer::Meadow, base.y, [=](const Brush& brush) {
           brush.Paint(
               Layer::Meadow, BoxAround({base.x, base.y - 0.5f * height}, height),
               [=](Point p) { return BoxDistance(p, base.x - width, base.y - height, base.x + width, base.y); },
               [=](Point p) {
                 const float grain = FractalNoise((p.x - base.x) / width * 3.0f, p.y / width * 0.8f, 4, seed);
                 return wood * (0.7f + 0.3f * grain + 0.3f * Clamp01((p.x - base.x) / width));
               });
           if (post + 1 == kPosts) return;
           const float nextHeight = heightAt(nextBase.y);
           for (float level : {0.35f, 0.75f}) {
             const Point a = base - Point{0, level * height}, b = nextBase - Point{0, level * nextHeight};
             const float thickness = 0.5f * width;
             brush.Paint(
                 Layer::Meadow, Grown(BoundsOf(std::array{a, b}), thickness),
                 [=](Point p) { return SegmentDistance(p, a, b) - thickness; },
                 [=](Point p) {
                   const float grain = FractalNoise(p.x / width * 0.6f, p.y / width * 4.0f, 4, seed + 1);
                   return wood * (0.8f + 0.35f * grain);
                 });
           }
         }});
  }
}

constexpr Rgb kPetals[] = {
    {0.92f, 0.12f, 0.12f}, {0.98f, 0.86f, 0.18f}, {0.98f, 0.96f, 0.92f}, {0.96f, 0.52f, 0.70f},
    {0.58f, 0.32f, 0.82f}, {1.00f, 0.55f, 0.10f}, {0.35f, 0.50f, 0.95f},
};

void PaintFlower(const Brush& brush, Layer layer, Point centre, float radius, Rgb petal, int petals, float turn) {
  const float stem = std::max(0.5f * brush.Pixel(), 0.06f * radius);
  brush.Paint(
      layer, BoxAround({centre.x, centre.y + radius}, 1.5f * radius),
      [=](Point p) {
        return SegmentDistance(p, centre, centre + Point{0.2f * radius, 2.2f * radius}) - stem;
      },
      [](Point) {
        return Rgb{0.12f, 0.30f, 0.08f};
      });
  brush.Paint(
      layer, BoxAround(centre, 1.2f * radius),
      [=](Point p) {
        float nearest = CircleDistance(p, centre, 0.3f * radius);
        for (int i = 0; i < petals; ++i) {
          const float angle = turn + 2.0f * kPi * static_cast<float>(i) / static_cast<float>(petals);
          const Point tip = centre + Point{std::cos(angle), 0.7f * std::sin(angle)} * (0.55f * radius);
          nearest = std::min(nearest, CircleDistance(p, tip, 0.42f * radius));
        }
        return nearest;
      },
      [=](Point p) {
        const float fromCentre = Length(p - centre) / radius;
        if (fromCentre < 0.28f) return Rgb{0.95f, 0.72f, 0.12f} * (1.1f - fromCentre);
        return petal * (0.7f + 0.3f * Clamp01(fromCentre) + 0.2f * Clamp01((p.x - centre.x) / radius));
      });
}

void AddFlowers(std::vector<Sprite>& sprites, const SceneLayout& layout, ArtRandom& random, Layer layer, int count,
                float smallest, float largest) {
  for (int i = 0; i < count; ++i) {
    const float x = random.Unit() * layout.Aspect();
    const float reach = 1.0f - layout.Ridge(layer, layout.ColumnAt(x)) / layout.unit;
    const float depth = 0.01f + std::pow(random.Unit(), 0.8f) * std::max(0.0f, reach);
    Point centre;
    const bool onGround = GroundSpot(layout, layer, x, depth, centre);
    const Rgb petal = kPetals[static_cast<size_t>(random.Below(static_cast<int>(std::size(kPetals))))];
    const int petals = 5 + random.Below(3);
    const float turn = random.Between(0.0f, kPi);
    if (!onGround || layout.PathDistance(centre) < 0.01f) continue;
    const float nearness = Clamp01((centre.y - 0.6f) / 0.4f);
    const float radius = smallest + (largest - smallest) * nearness * nearness * random.Between(0.7f, 1.2f);
    sprites.push_back(
        {layer, centre.y, [=](const Brush& brush) { PaintFlower(brush, layer, centre, radius, petal, petals, turn); }});
  }
}

}  // namespace

void PaintObjects(Canvas& canvas, const SceneLayout& layout) {
  const Brush brush(canvas, layout);
  ArtRandom random(layout.SeedFor(1001));
  PaintBirds(brush, layout, random);
  PaintBoat(brush, layout);

  std::vector<Sprite> sprites;
  sprites.push_back({Layer::LeftHill, layout.houseBase.y, [&](const Brush& b) { PaintHouse(b, layout); }});
  AddTrees(sprites, layout, random, Layer::LeftHill, 11, 0.0f, 0.42f, 0.08f, 0.024f);
  AddTrees(sprites, layout, random, Layer::RightHill, 7, 0.66f, 1.0f, 0.10f, 0.014f);
  AddTrees(sprites, layout, random, Layer::Meadow, 1, 0.86f, 0.95f, 0.04f, 0.045f);
  AddSheep(sprites, layout, random, 7);
  AddFence(sprites, layout);
  AddFlowers(sprites, layout, random, Layer::LeftHill, 90, 0.0025f, 0.006f);
  AddFlowers(sprites, layout, random, Layer::Meadow, 320, 0.003f, 0.016f);
  std::stable_sort(sprites.begin(), sprites.end(), [](const Sprite& a, const Sprite& b) {
    return a.layer != b.layer ? a.layer < b.layer : a.baseY < b.baseY;
  });
  for (const Sprite& sprite : sprites) sprite.paint(brush);
}

}  // namespace quill::art
