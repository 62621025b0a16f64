// The composition of the demo scene for a picture size and seed: where the horizon,
// the ridges of the hills, the sun, the house, its path and the boat are, and which
// scenery layer covers which pixel. The land painter and the object painter both
// draw from it, so objects stand on the ground and hide behind nearer hills.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "art_canvas.h"

namespace quill::art {

// Scenery from back to front; each layer's ground fills everything below its ridge.
enum class Layer { Sky, Mountains, FarHills, Lake, LeftHill, RightHill, Meadow };
constexpr int kLayerCount = 7;

// Positions are in scene units: the picture is one unit tall, (0, 0) is its top left
// corner, x grows to the right and y downwards.
struct SceneLayout {
  int width = 0;
  int height = 0;
  float unit = 1;  // pixels per scene unit
  uint32_t seed = 0;

  Point sun;
  float sunRadius = 0;
  float lakeLevel = 0;  // the far shore: the lake fills what the hills leave below it
  Point houseBase;      // bottom left corner of the front wall
  float houseSize = 0;  // width of the front wall
  float wallY = 0;      // mean height of the stone wall across the left hill
  Point boat;           // middle of the hull at the waterline
  float boatSize = 0;

  // Each layer's ridge, per pixel column, as a pixel row (fractional).
  std::array<std::vector<float>, kLayerCount> ridges;

  float Aspect() const { return static_cast<float>(width) / static_cast<float>(height); }
  // A noise seed for one purpose, derived from the picture's seed.
  uint32_t SeedFor(uint32_t purpose) const;

  float Ridge(Layer layer, int column) const { return ridges[static_cast<int>(layer)][static_cast<size_t>(column)]; }
  int ColumnAt(float x) const;
  // How much of pixel row `y` in `column` the ground of `layer` covers: 0 above its
  // ridge, 1 below, a fraction where the ridge crosses the pixel.
  float Coverage(Layer layer, int column, int y) const;
  // How much of that pixel the layers in front of `layer` hide.
  float HiddenBy(Layer layer, int column, int y) const;
  // The front layer whose ground is at pixel (column, y).
  Layer GroundAt(int column, int y) const;

  // Signed distance from `p` to the footpath that winds down from the house door
  // (negative on the path); large above the house.
  float PathDistance(Point p) const;
};

SceneLayout MakeSceneLayout(int width, int height, uint32_t seed);

}  // namespace quill::art
