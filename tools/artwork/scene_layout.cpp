#include "scene_layout.h"

#include <algorithm>
#include <cmath>

#include "art_noise.h"

namespace quill::art {
namespace {

constexpr float kLakeLevel = 0.60f;

float Square(float x) { return x * x; }

// The ridges as functions of the scene position (x in scene units, xf the fraction of
// the picture's width), in scene units.
struct RidgeShapes {
  const SceneLayout& layout;
  float sunFraction;

  int Octaves(float featureSize) const { return OctavesFor(featureSize, layout.unit); }

  // Peaks on the left and in the middle, low near the sun so it sets over the hills.
  float Mountains(float x, float xf) const {
    const float nearSun = std::exp(-Square((xf - sunFraction) / 0.13f));
    const float massif = Clamp01(0.5f + 1.0f * FractalNoise(x * 1.1f, 3, layout.SeedFor(11)));
    const float peaks = Square(1.0f - std::fabs(FractalNoise(x * 2.2f, 4, layout.SeedFor(12))));
    const float rock = 0.008f * FractalNoise(x * 30.0f, Octaves(0.03f), layout.SeedFor(13));
    const float height = (0.03f + 0.07f * massif + 0.13f * peaks) * (1.0f - 0.8f * nearSun);
    return kLakeLevel - 0.03f - height + rock;
  }
  // Forested far shore with a ragged tree line.
  float FarHills(float x) const {
    const float swell = 0.022f * (1.0f + FractalNoise(x * 4.0f, 4, layout.SeedFor(21)));
    const float treeline = 0.004f * FractalNoise(x * 90.0f, Octaves(0.011f), layout.SeedFor(22));
    return kLakeLevel - 0.035f - swell + treeline;
  }
  // A plateau on the left for the house, its shoulder rounding down towards the lake.
  float LeftHill(float x, float xf) const {
    const float fall = 0.9f * Square(Clamp01((xf - 0.22f) / 0.5f));
    const float bumps = 0.03f * FractalNoise(x * 3.0f, 2, layout.SeedFor(31)) +
                        0.012f * FractalNoise(x * 12.0f, Octaves(0.08f), layout.SeedFor(32));
    return 0.53f + fall + bumps;
  }
  // Fields on a rounded hill rising to the right edge.
  float RightHill(float x, float xf) const {
    const float rise = 2.0f * Square(Clamp01((0.92f - xf) / 0.45f));
    const float bumps = 0.03f * FractalNoise(x * 3.0f, 2, layout.SeedFor(41)) +
                        0.010f * FractalNoise(x * 12.0f, Octaves(0.08f), layout.SeedFor(42));
    return 0.57f + 0.45f * rise + bumps;
  }
  // The foreground meadow, its edge ruffled by grass.
  float Meadow(float x) const {
    const float swell = 0.04f * FractalNoise(x * 2.0f, 3, layout.SeedFor(51));
    const float grass = 0.0025f * FractalNoise(x * 200.0f, Octaves(0.005f), layout.SeedFor(52));
    return 0.875f + swell + grass;
  }
};

void TraceRidges(SceneLayout& layout, float sunFraction) {
  const RidgeShapes shapes{layout, sunFraction};
  for (auto& ridge : layout.ridges) ridge.resize(static_cast<size_t>(layout.width));
  for (int column = 0; column < layout.width; ++column) {
    const float x = (static_cast<float>(column) + 0.5f) / layout.unit;
    const float xf = x / layout.Aspect();
    const std::array<float, kLayerCount> heights = {0.0f,
                                                    shapes.Mountains(x, xf),
                                                    shapes.FarHills(x),
                                                    kLakeLevel,
                                                    shapes.LeftHill(x, xf),
                                                    shapes.RightHill(x, xf),
                                                    shapes.Meadow(x)};
    for (int layer = 0; layer < kLayerCount; ++layer) {
      layout.ridges[static_cast<size_t>(layer)][static_cast<size_t>(column)] =
          heights[static_cast<size_t>(layer)] * layout.unit;
    }
  }
}

// The house sits on the plateau with its whole footprint on the ground.
void PlaceHouse(SceneLayout& layout, ArtRandom& random) {
  layout.houseSize = 0.072f;
  layout.houseBase.x = random.Between(0.07f, 0.13f) * layout.Aspect();
  const float footprint = layout.houseSize * 1.9f;
  float lowest = 0;
  for (float x = layout.houseBase.x; x <= layout.houseBase.x + footprint; x += 0.5f / layout.unit) {
    lowest = std::max(lowest, layout.Ridge(Layer::LeftHill, layout.ColumnAt(x)) / layout.unit);
  }
  layout.houseBase.y = lowest + 0.012f;
  layout.wallY = layout.houseBase.y + random.Between(0.10f, 0.14f);
}

}  // namespace

uint32_t SceneLayout::SeedFor(uint32_t purpose) const {
  ArtRandom mixer((static_cast<uint64_t>(seed) << 32) | purpose);
  return static_cast<uint32_t>(mixer.Next());
}

int SceneLayout::ColumnAt(float x) const { return std::clamp(static_cast<int>(x * unit), 0, width - 1); }

float SceneLayout::Coverage(Layer layer, int column, int y) const {
  if (layer == Layer::Sky) return 1.0f;
  return Clamp01(static_cast<float>(y) + 1.0f - Ridge(layer, column));
}

float SceneLayout::HiddenBy(Layer layer, int column, int y) const {
  float visible = 1.0f;
  for (int front = static_cast<int>(layer) + 1; front < kLayerCount; ++front) {
    visible *= 1.0f - Coverage(static_cast<Layer>(front), column, y);
  }
  return 1.0f - visible;
}

Layer SceneLayout::GroundAt(int column, int y) const {
  for (int layer = kLayerCount - 1; layer > 0; --layer) {
    if (Coverage(static_cast<Layer>(layer), column, y) >= 0.5f) return static_cast<Layer>(layer);
  }
  return Layer::Sky;
}

float SceneLayout::PathDistance(Point p) const {
  const Point door{houseBase.x + 0.5f * houseSize, houseBase.y};
  const float down = p.y - door.y;
  if (down < 0) return 1.0f;
  const float centre = door.x + 0.32f * down + 0.05f * std::sin(down * 14.0f);
  const float halfWidth = 0.006f + 0.05f * down;
  return std::fabs(p.x - centre) - halfWidth;
}

SceneLayout MakeSceneLayout(int width, int height, uint32_t seed) {
  SceneLayout layout;
  layout.width = width;
  layout.height = height;
  layout.unit = static_cast<float>(height);
  layout.seed = seed;
  layout.lakeLevel = kLakeLevel;
  ArtRandom random(seed);
  const float sunFraction = random.Between(0.64f, 0.74f);
  layout.sun = {sunFraction * layout.Aspect(), random.Between(0.39f, 0.44f)};
  layout.sunRadius = 0.045f;
  TraceRidges(layout, sunFraction);
  PlaceHouse(layout, random);
  layout.boatSize = 0.05f;
  layout.boat = {random.Between(0.50f, 0.56f) * layout.Aspect(), kLakeLevel + random.Between(0.07f, 0.10f)};
  return layout;
}

}  // namespace quill::art
