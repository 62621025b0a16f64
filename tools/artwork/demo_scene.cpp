#include "demo_scene.h"

#include <stdexcept>

#include "art_canvas.h"
#include "art_noise.h"
#include "scene_land.h"
#include "scene_layout.h"
#include "scene_objects.h"

namespace quill {
namespace {

using art::Canvas;
using art::Rgb;

// Fine film grain and a gentle darkening towards the corners, as a camera would give.
void AddGrainAndVignette(Canvas& canvas, uint32_t seed) {
  const float halfWidth = 0.5f * static_cast<float>(canvas.Width());
  const float halfHeight = 0.5f * static_cast<float>(canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y) {
    const float dy = (static_cast<float>(y) - halfHeight) / halfHeight;
    for (int x = 0; x < canvas.Width(); ++x) {
      const float dx = (static_cast<float>(x) - halfWidth) / halfWidth;
      const float grain = 0.035f * (art::LatticeHash(x, y, seed) - 0.5f);
      const float vignette = 1.0f - 0.10f * (dx * dx + dy * dy);
      canvas.Put(x, y, canvas.Get(x, y) * vignette + Rgb{grain, grain, grain});
    }
  }
}

}  // namespace

void PaintDemoScene(Bitmap& rgb24, uint32_t seed) {
  if (rgb24.Format() != PixelFormat::Rgb24) throw std::invalid_argument("the demo scene needs a 24-bit bitmap");
  if (rgb24.Empty()) return;
  const art::SceneLayout layout = art::MakeSceneLayout(rgb24.Width(), rgb24.Height(), seed);
  Canvas canvas(rgb24);
  art::PaintLand(canvas, layout);
  art::PaintObjects(canvas, layout);
  AddGrainAndVignette(canvas, layout.SeedFor(1101));
}

}  // namespace quill
