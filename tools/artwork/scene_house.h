// The cottage on the hill of the demo scene: half-timbered gable, boarded side wall
// in the evening sun, tiled roof, lit windows, a plank door and a smoking chimney.
// Called by the object painter, in depth order with the trees around it.
#pragma once

#include "scene_brush.h"
#include "scene_layout.h"

namespace quill::art {

void PaintHouse(const Brush& brush, const SceneLayout& layout);

}  // namespace quill::art
