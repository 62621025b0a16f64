// Paints the scenery of the demo scene: sunset sky with clouds and stars, mountains,
// the forested far shore, the lake with its reflections, the hills with the house's
// footpath, the patchwork of fields and the meadow. Every pixel is computed from its
// own position, so interleaved rows are painted in parallel. Called by PaintDemoScene.
#pragma once

#include "art_canvas.h"
#include "scene_layout.h"

namespace quill::art {

void PaintLand(Canvas& canvas, const SceneLayout& layout);

}  // namespace quill::art
