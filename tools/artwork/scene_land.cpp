#include "scene_land.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#include "art_noise.h"

namespace quill::art {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Square(float x) { return x * x; }
float Fraction(float x) { return x - std::floor(x); }
float Luminance(Rgb c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

// One noise texture of the scene: its frequencies across and down, the octaves that
// still show at this picture size (at most `maxOctaves`), and its own seed.
class Texture {
 public:
  Texture(const SceneLayout& layout, float across, float down, uint32_t purpose, int maxOctaves = 8)
      : across_(across),
        down_(down),
        octaves_(std::min(maxOctaves, OctavesFor(1.0f / std::max(across, down), layout.unit))),
        seed_(layout.SeedFor(purpose)) {}

  float At(Point p) const { return FractalNoise(p.x * across_, p.y * down_, octaves_, seed_); }
  // How much brighter the texture is here than a little towards the upper right, as if
  // its bumps were lit from there: gives tufts and crowns some relief.
  float Relief(Point p, float shift) const { return At(p) - At(p + Point{shift, -shift}); }

 private:
  float across_, down_;
  int octaves_;
  uint32_t seed_;
};

// Colour of the clear sky from the zenith (0) down to the horizon (1).
Rgb SkyGradient(float t) {
  struct Stop {
    float at;
    Rgb colour;
  };
  static constexpr Stop kStops[] = {{0.00f, {0.10f, 0.10f, 0.30f}}, {0.30f, {0.27f, 0.21f, 0.50f}},
                                    {0.55f, {0.62f, 0.32f, 0.52f}}, {0.75f, {0.93f, 0.48f, 0.40f}},
                                    {0.90f, {0.99f, 0.66f, 0.36f}}, {1.00f, {1.00f, 0.82f, 0.52f}}};
  t = Clamp01(t);
  for (size_t i = 1; i < std::size(kStops); ++i) {
    if (t <= kStops[i].at) {
      return Mix(kStops[i - 1].colour, kStops[i].colour, (t - kStops[i - 1].at) / (kStops[i].at - kStops[i - 1].at));
    }
  }
  return kStops[std::size(kStops) - 1].colour;
}

// A warm line of light along a ridge, `width` scene units deep.
Rgb RimLight(Rgb colour, float below, float width, float strength) {
  return Mix(colour, {1.0f, 0.74f, 0.42f}, strength * SmoothStep(width, 0.0f, below));
}

class LandShader {
 public:
  explicit LandShader(const SceneLayout& layout)
      : layout_(layout),
        pixel_(1.0f / layout.unit),
        starSeed_(layout.SeedFor(101)),
        cloudWarp_(layout, 1.1f, 4.0f, 111, 3),
        cloudBody_(layout, 2.6f, 11.0f, 113),
        cloudGrain_(layout, 30.0f, 60.0f, 114, 3),
        cloudShape_(layout, 2.6f, 11.0f, 113, 4),
        rockBend_(layout, 5.0f, 5.0f, 201, 3),
        gullies_(layout, 25.0f, 14.0f, 202),
        rock_(layout, 12.0f, 12.0f, 203, 5),
        crowns_(layout, 45.0f, 60.0f, 301),
        lakeWave_(layout, 5.0f, 90.0f, 401, 4),
        lakeStreaks_(layout, 4.0f, 160.0f, 402),
        sparkle_(layout, 60.0f, 400.0f, 403),
        hillMottle_(layout, 6.0f, 6.0f, 501, 4),
        hillGrass_(layout, 90.0f, 25.0f, 502),
        tufts_(layout, 60.0f, 80.0f, 503),
        hedges_(layout, 20.0f, 20.0f, 601, 3),
        fieldGrain_(layout, 120.0f, 120.0f, 602),
        fieldPatches_(layout, 3.0f, 3.0f, 604, 3),
        meadowMottle_(layout, 6.0f, 6.0f, 701, 4),
        blades_(layout, 140.0f, 20.0f, 702),
        fineBlades_(layout, 500.0f, 60.0f, 703),
        pebbles_(layout, 300.0f, 300.0f, 801),
        fieldSeed_(layout.SeedFor(603)),
        wallSeed_(layout.SeedFor(811)) {
    // How far the cloud bands wave up and down, per column.
    const uint32_t waveSeed = layout.SeedFor(112);
    cloudWave_.resize(static_cast<size_t>(layout.width));
    for (int column = 0; column < layout.width; ++column) {
      cloudWave_[static_cast<size_t>(column)] =
          0.04f * FractalNoise((static_cast<float>(column) + 0.5f) * pixel_ * 1.7f, 3, waveSeed);
    }
  }

  Rgb PixelColour(int column, int y) const {
    const Point p = {(static_cast<float>(column) + 0.5f) * pixel_, (static_cast<float>(y) + 0.5f) * pixel_};
    return Composite(p, column, y, Layer::Meadow, View::Direct);
  }

 private:
  // Seen directly, or mirrored in the lake, where ripples break the sun's disc into
  // glitter (drawn by the lake itself).
  enum class View { Direct, Mirrored };

  // Layers from `front` backwards, each weighted by how much of the pixel it covers
  // and nearer layers leave open.
  Rgb Composite(Point p, int column, int y, Layer front, View view) const {
    Rgb sum;
    float open = 1.0f;
    for (int layer = static_cast<int>(front); layer >= 0 && open > 1e-3f; --layer) {
      const float coverage = layout_.Coverage(static_cast<Layer>(layer), column, y);
      if (coverage <= 0) continue;
      const float ridge = layout_.Ridge(static_cast<Layer>(layer), column) * pixel_;
      sum = sum + LayerColour(static_cast<Layer>(layer), p, ridge, column, view) * (open * coverage);
      open *= 1.0f - coverage;
    }
    return sum;
  }

  Rgb LayerColour(Layer layer, Point p, float ridge, int column, View view) const {
    switch (layer) {
      case Layer::Sky:
        return Sky(p, column, view);
      case Layer::Mountains:
        return Mountains(p, ridge, column);
      case Layer::FarHills:
        return FarHills(p, ridge);
      case Layer::Lake:
        return Lake(p);
      case Layer::LeftHill:
        return WithPath(p, WithWall(p, LeftHill(p, ridge)));
      case Layer::RightHill:
        return Fields(p, ridge);
      case Layer::Meadow:
        return WithPath(p, Meadow(p, ridge));
    }
    return {};
  }

  // How steeply a ridge falls to the right around `column`, measured over `span`
  // scene units: slopes facing the sun get its light.
  float RidgeFall(Layer layer, int column, float span) const {
    const int step = std::max(2, static_cast<int>(span * layout_.unit));
    const int left = std::max(0, column - step);
    const int right = std::min(layout_.width - 1, column + step);
    return (layout_.Ridge(layer, right) - layout_.Ridge(layer, left)) / static_cast<float>(std::max(1, right - left));
  }

  Rgb Sky(Point p, int column, View view) const {
    const float height = p.y / layout_.lakeLevel;
    Rgb colour = SkyGradient(height) + Stars(p) * (1.0f - SmoothStep(0.0f, 0.4f, height));
    const float sunDistance = Length(p - layout_.sun);
    colour = colour + Rgb{1.0f, 0.50f, 0.22f} * (0.40f * std::exp(-sunDistance / 0.12f)) +
             Rgb{1.0f, 0.80f, 0.50f} * (0.55f * std::exp(-sunDistance / 0.03f));
    if (view == View::Direct) {
      const float disc = SmoothStep(layout_.sunRadius + pixel_, layout_.sunRadius - pixel_, sunDistance);
      colour = Mix(colour, {1.0f, 0.96f, 0.80f}, disc);
    }
    return Clouds(p, column, colour, sunDistance);
  }

  // One star at most per cell of a coarse grid, at a random spot in it.
  Rgb Stars(Point p) const {
    constexpr float kCell = 0.03f;
    const int cx = static_cast<int>(std::floor(p.x / kCell));
    const int cy = static_cast<int>(std::floor(p.y / kCell));
    if (LatticeHash(cx, cy, starSeed_) > 0.45f) return {};
    const Point star = {(static_cast<float>(cx) + 0.1f + 0.8f * LatticeHash(cx, cy, starSeed_ + 1)) * kCell,
                        (static_cast<float>(cy) + 0.1f + 0.8f * LatticeHash(cx, cy, starSeed_ + 2)) * kCell};
    const float radius = std::max(0.8f * pixel_, 0.0016f * LatticeHash(cx, cy, starSeed_ + 3));
    const float glow = SmoothStep(radius, 0.0f, Length(p - star));
    return Rgb{1.0f, 0.95f, 0.85f} * (glow * (0.4f + 0.6f * LatticeHash(cx, cy, starSeed_ + 4)));
  }

  // Cloud bands: wavy rows across the sky, the same wave for every row.
  float CloudBand(float y, int column) const {
    return 0.35f * std::sin((y + cloudWave_[static_cast<size_t>(column)]) * 2.0f * kPi * 6.0f);
  }

  // Thin cloud edges turned to the sun catch its light; thick cores stay dusky.
  Rgb Clouds(Point p, int column, Rgb under, float sunDistance) const {
    const Point warped = {p.x + 0.25f * cloudWarp_.At(p), p.y};
    const float body = cloudBody_.At(warped) + CloudBand(p.y, column);
    float density = SmoothStep(0.0f, 0.3f, body - 0.05f);
    density *= 1.0f - 0.85f * SmoothStep(0.42f, 0.56f, p.y);
    if (density <= 0) return under;
    // Compare the coarse shape here and a step towards the sun.
    const Point step = (layout_.sun - p) * (0.012f / std::max(sunDistance, 0.012f));
    const float shapeHere = cloudShape_.At(warped) + CloudBand(p.y, column);
    const float shapeSunwards = cloudShape_.At(warped + step) + CloudBand(p.y + step.y, column);
    const float sunSide = Clamp01(0.5f + 3.0f * (shapeHere - shapeSunwards));
    const float thickness = SmoothStep(0.05f, 0.6f, body);
    const float height = p.y / layout_.lakeLevel;
    const Rgb shadow = Mix({0.28f, 0.19f, 0.40f}, {0.62f, 0.36f, 0.46f}, height);
    const Rgb lit = Mix({1.0f, 0.60f, 0.56f}, {1.0f, 0.82f, 0.52f}, height) +
                    Rgb{0.3f, 0.22f, 0.1f} * std::exp(-sunDistance / 0.15f);
    const float light = Clamp01(1.0f - 0.85f * thickness + 0.6f * (1.0f - sunSide));
    const Rgb cloud = Mix(shadow, lit, light) * (0.94f + 0.14f * cloudGrain_.At(p));
    return Mix(under, cloud, 0.92f * density);
  }

  // Rock faces lit where the ridge above falls towards the sun, gullies running down
  // the slopes, snow on the high peaks, haze towards the lake.
  Rgb Mountains(Point p, float ridge, int column) const {
    const float below = p.y - ridge;
    // Deeper down, a face belongs to a broader stretch of the ridge.
    const float fall = std::clamp(RidgeFall(Layer::Mountains, column, 0.01f + 0.5f * below) * 1.5f, -1.0f, 1.0f);
    const float bend = 0.08f * rockBend_.At(p);
    const float gullies = gullies_.At({p.x - 0.8f * fall * below + bend, p.y});
    const float rock = rock_.At(p);
    const float light = Clamp01(0.40f + 0.6f * fall + 0.35f * gullies + 0.35f * rock);
    Rgb colour = Mix({0.20f, 0.15f, 0.34f}, {0.90f, 0.52f, 0.44f}, light);
    const float snow = SmoothStep(0.045f, 0.0f, below + 0.03f * rock) * SmoothStep(0.45f, 0.39f, ridge) *
                       SmoothStep(-0.1f, 0.2f, gullies + 0.1f);
    colour = Mix(colour, Rgb{1.0f, 0.88f, 0.86f} * (0.70f + 0.30f * light), snow);
    const float haze = 0.05f + 0.40f * SmoothStep(ridge, layout_.lakeLevel, p.y);
    return Mix(colour, {0.78f, 0.52f, 0.58f}, haze);
  }

  // Tree crowns lit from the sunset side, a golden rim along the top, mist at the water.
  Rgb FarHills(Point p, float ridge) const {
    const float crowns = crowns_.At(p);
    const float relief = crowns_.Relief(p, 0.003f);
    Rgb colour = Mix({0.08f, 0.12f, 0.18f}, {0.30f, 0.32f, 0.30f}, Clamp01(0.5f + 1.2f * crowns));
    colour = Mix(colour, {0.75f, 0.55f, 0.42f}, Clamp01(2.5f * relief));
    colour = RimLight(colour, p.y - ridge, 0.006f, 0.6f);
    const float mist = 0.45f * SmoothStep(layout_.lakeLevel - 0.025f, layout_.lakeLevel, p.y);
    return Mix(colour, {0.85f, 0.56f, 0.52f}, mist);
  }

  // What the water mirrors: sky, mountains and far shore at a point above it.
  Rgb Backdrop(Point p) const {
    const int column = layout_.ColumnAt(p.x);
    const int y = std::clamp(static_cast<int>(p.y * layout_.unit), 0, layout_.height - 1);
    return Composite(p, column, y, Layer::FarHills, View::Mirrored);
  }

  // Mirror image broken by ripples, darker with depth except where it is bright,
  // glitter under the sun.
  Rgb Lake(Point p) const {
    const float depth = p.y - layout_.lakeLevel;
    const float wave = lakeWave_.At(p);
    // Ripples shift the mirror image sideways and stretch it downwards, more so nearer.
    const float swing = 0.3f + 6.0f * depth;
    const Point mirrored = {p.x + 0.012f * wave * swing, 2.0f * layout_.lakeLevel - p.y + 0.012f * wave * swing};
    const Rgb reflection = Backdrop(mirrored) * 0.88f;
    const float darkening =
        Clamp01(0.10f + 1.6f * depth) * (1.0f - 0.7f * SmoothStep(0.6f, 0.9f, Luminance(reflection)));
    Rgb water = Mix(reflection, {0.06f, 0.10f, 0.22f}, darkening);
    water = water * (0.9f + 0.25f * lakeStreaks_.At(p));
    const float column = std::exp(-Square((p.x - layout_.sun.x) / (0.035f + 0.35f * depth)));
    const float sparkle = SmoothStep(0.25f, 0.55f, sparkle_.At(p));
    water = water + Rgb{1.0f, 0.82f, 0.55f} * (sparkle * column);
    return Mix(water, {0.95f, 0.70f, 0.55f}, 0.5f * SmoothStep(0.004f, 0.0f, depth));
  }

  // Grass in broad light and shade, tufts and small bushes with lit tops, the crest
  // catching the sun.
  Rgb LeftHill(Point p, float ridge) const {
    const float mottle = hillMottle_.At(p);
    Rgb colour = Mix({0.14f, 0.26f, 0.10f}, {0.46f, 0.56f, 0.18f}, Clamp01(0.55f + 0.9f * mottle));
    colour = colour * (0.88f + 0.22f * hillGrass_.At(p)) * (0.92f + 0.2f * fineBlades_.At(p));
    const float tufts = tufts_.At(p);
    const Rgb bush =
        Mix(Rgb{0.06f, 0.14f, 0.06f}, Rgb{0.50f, 0.56f, 0.18f}, Clamp01(0.3f + 4.0f * tufts_.Relief(p, 0.002f)));
    colour = Mix(colour, bush, SmoothStep(0.22f, 0.30f, tufts));
    colour = colour * (1.0f - 0.25f * SmoothStep(0.6f, 0.95f, p.y));
    return RimLight(colour, p.y - ridge, 0.008f, 0.6f) * Rgb{1.05f, 0.97f, 0.86f};
  }

  // A dry-stone wall winding across the hill, with a gap where the path goes through.
  Rgb WithWall(Point p, Rgb grass) const {
    constexpr float kHeight = 0.010f;
    const float top = layout_.wallY + 0.04f * std::sin(p.x * 6.0f) + 0.015f * std::sin(p.x * 17.0f);
    const float inWall = p.y - top;
    if (inWall < -pixel_ || inWall > kHeight + 3.0f * pixel_ || layout_.PathDistance(p) < 0.01f) return grass;
    // Two courses of stones of uneven shade, with dark joints.
    const float course = std::floor(inWall / (0.5f * kHeight));
    const float along = p.x / 0.009f + 0.5f * course;
    const float stone = LatticeHash(static_cast<int>(std::floor(along)), static_cast<int>(course), wallSeed_);
    const bool joint = Fraction(along) < 0.12f || Fraction(inWall / (0.5f * kHeight)) < 0.15f;
    Rgb colour = Mix(Rgb{0.46f, 0.42f, 0.40f}, Rgb{0.78f, 0.70f, 0.60f}, stone) * (joint ? 0.5f : 1.0f);
    if (inWall > kHeight) colour = grass * 0.55f;  // the wall's shadow on the grass
    const float edge =
        SmoothStep(-pixel_, 0.0f, inWall) * SmoothStep(kHeight + 3.0f * pixel_, kHeight + 2.0f * pixel_, inWall);
    return Mix(grass, colour, edge);
  }

  // A patchwork of fields in perspective: each cell of a jittered grid on the ground
  // plane is its own crop, with rows where it is ploughed or sown, and hedges between.
  Rgb Fields(Point p, float ridge) const {
    const float z = 1.0f / (p.y - 0.43f);
    const Point ground = {(p.x - 1.6f) * z * 1.1f, z * 2.2f};
    const Cell cell = NearestCell(ground);
    const Rgb crop = CropColour(cell, ground, z);
    const float hedgeWidth = 0.05f + 0.03f * hedges_.At(ground);
    const float hedge = SmoothStep(hedgeWidth, hedgeWidth * 0.5f, cell.border);
    Rgb colour = Mix(crop, {0.10f, 0.20f, 0.08f}, hedge);
    colour = colour * (0.92f + 0.14f * fieldGrain_.At(p));
    return RimLight(colour, p.y - ridge, 0.006f, 0.5f) * Rgb{1.05f, 0.96f, 0.86f};
  }

  struct Cell {
    float hash = 0;    // identifies the field
    float border = 0;  // distance to the nearest other field, roughly
  };

  Cell NearestCell(Point ground) const {
    const int gx = static_cast<int>(std::floor(ground.x));
    const int gy = static_cast<int>(std::floor(ground.y));
    float nearest = 1e9f, second = 1e9f;
    Cell cell;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int cx = gx + dx, cy = gy + dy;
        const Point site = {static_cast<float>(cx) + 0.15f + 0.7f * LatticeHash(cx, cy, fieldSeed_),
                            static_cast<float>(cy) + 0.15f + 0.7f * LatticeHash(cx, cy, fieldSeed_ + 1)};
        const float distance = Length(ground - site);
        if (distance < nearest) {
          second = nearest;
          nearest = distance;
          cell.hash = LatticeHash(cx, cy, fieldSeed_ + 2);
        } else if (distance < second) {
          second = distance;
        }
      }
    }
    cell.border = (second - nearest) * 0.5f;
    return cell;
  }

  Rgb CropColour(const Cell& cell, Point ground, float z) const {
    struct Crop {
      Rgb colour;
      float rows;  // contrast of the rows, 0 for none
    };
    static constexpr Crop kCrops[] = {
        {{0.90f, 0.72f, 0.32f}, 0.25f},  // ripe wheat
        {{0.46f, 0.64f, 0.22f}, 0.00f},  // pasture
        {{0.22f, 0.42f, 0.14f}, 0.35f},  // green crop in rows
        {{0.50f, 0.32f, 0.20f}, 0.40f},  // ploughed earth
        {{0.58f, 0.46f, 0.78f}, 0.45f},  // lavender
        {{0.96f, 0.84f, 0.22f}, 0.10f},  // rapeseed
        {{0.66f, 0.58f, 0.30f}, 0.30f},  // stubble
    };
    const Crop& crop = kCrops[static_cast<size_t>(cell.hash * std::size(kCrops)) % std::size(kCrops)];
    const float angle = cell.hash * 97.0f;
    constexpr float kRowFrequency = 40.0f;
    const float across = ground.x * std::cos(angle) + ground.y * std::sin(angle);
    // Rows closer together than a few pixels would only shimmer; fade them out.
    const float rowPixels = (2.0f * kPi / kRowFrequency) * layout_.unit / (2.2f * z * z);
    const float rows = crop.rows * SmoothStep(2.5f, 6.0f, rowPixels) * std::sin(across * kRowFrequency);
    return crop.colour * (1.0f + rows + 0.15f * fieldPatches_.At(ground));
  }

  // Long grass: broad light and shade with fine upright blades.
  Rgb Meadow(Point p, float ridge) const {
    const float mottle = meadowMottle_.At(p);
    Rgb colour = Mix({0.10f, 0.26f, 0.08f}, {0.38f, 0.58f, 0.16f}, Clamp01(0.5f + 1.2f * mottle));
    colour = colour * (0.8f + 0.4f * (0.5f + blades_.At(p))) * (0.9f + 0.25f * fineBlades_.At(p));
    colour = colour * (1.0f - 0.3f * SmoothStep(0.9f, 1.0f, p.y));
    return RimLight(colour, p.y - ridge, 0.006f, 0.5f) * Rgb{1.04f, 0.98f, 0.88f};
  }

  // Sandy footpath with pebbles over the grass, soft at its edges.
  Rgb WithPath(Point p, Rgb grass) const {
    const float distance = layout_.PathDistance(p);
    if (distance > 2.0f * pixel_) return grass;
    const Rgb sand = Rgb{0.80f, 0.66f, 0.46f} * (0.85f + 0.3f * pebbles_.At(p));
    return Mix(grass, sand, SmoothStep(2.0f * pixel_, -2.0f * pixel_, distance));
  }

  const SceneLayout& layout_;
  float pixel_;  // scene units per pixel
  uint32_t starSeed_;
  Texture cloudWarp_, cloudBody_, cloudGrain_;
  Texture cloudShape_;  // the coarse octaves of cloudBody_, enough to tell which side faces the sun
  Texture rockBend_, gullies_, rock_, crowns_;
  Texture lakeWave_, lakeStreaks_, sparkle_;
  Texture hillMottle_, hillGrass_, tufts_;
  Texture hedges_, fieldGrain_, fieldPatches_;
  Texture meadowMottle_, blades_, fineBlades_, pebbles_;
  uint32_t fieldSeed_, wallSeed_;
  std::vector<float> cloudWave_;
};

}  // namespace

void PaintLand(Canvas& canvas, const SceneLayout& layout) {
  const LandShader shader(layout);
  const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
  // Worker k paints rows k, k + workers, ...: every worker gets some sky and some land.
  auto paintRows = [&](int first) {
    for (int y = first; y < canvas.Height(); y += workers) {
      for (int x = 0; x < canvas.Width(); ++x) canvas.Put(x, y, shader.PixelColour(x, y));
    }
  };
  std::vector<std::thread> threads;
  for (int first = 1; first < workers; ++first) threads.emplace_back(paintRows, first);
  paintRows(0);
  for (auto& thread : threads) thread.join();
}

}  // namespace quill::art
