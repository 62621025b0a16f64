// Paints the things that stand in the demo scene: birds, a sailing boat with its
// reflection, trees, the house with its chimney smoke, a fence and the meadow flowers.
// Each stands on a scenery layer and is hidden by nearer ones; within a layer the
// nearer (lower) ones are painted last. Called by PaintDemoScene after PaintLand.
#pragma once

#include "art_canvas.h"
#include "scene_layout.h"

namespace quill::art {

void PaintObjects(Canvas& canvas, const SceneLayout& layout);

}  // namespace quill::art
