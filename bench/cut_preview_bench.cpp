// The gift maker's live cut preview: redrawing the cut of 1000 pieces over a picture
// fitted to the gift's bound (1067 × 800, the demo scene) at a preview size of
// 640 × 480, for each piece style. This is the work done on every change of the
// piece count, style, oddness or seed; it should stay well under 100 ms.
#include <benchmark/benchmark.h>

#include "cut_outlines.h"
#include "demo_scene.h"

namespace quill {
namespace {

constexpr int kPictureWidth = 1067;
constexpr int kPictureHeight = 800;
constexpr int kPreviewWidth = 640;
constexpr int kPreviewHeight = 480;

const Bitmap& FittedPicture() {
  static const Bitmap picture = [] {
    Bitmap p(kPictureWidth, kPictureHeight);
    PaintDemoScene(p, 1);
    return p;
  }();
  return picture;
}

// Arguments: requested pieces, piece style (1 Classic .. 6 Mixture).
void BM_CutPreview(benchmark::State& state) {
  const Bitmap& picture = FittedPicture();
  const TTemplates noTemplates;
  int32_t seed = 1;
  for (auto _ : state) {
    const CutSettings cut = CutSettingsFor(static_cast<int32_t>(state.range(0)), kPictureWidth, kPictureHeight,
                                           static_cast<int>(state.range(1)), 5, 0, seed++);
    Bitmap view = DrawCutOverPicture(picture, kPreviewWidth, kPreviewHeight, cut, noTemplates);
    benchmark::DoNotOptimize(view.Width());
  }
}
BENCHMARK(BM_CutPreview)->ArgsProduct({{1000}, {1, 2, 3, 4, 5, 6}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill
