// Docking the tool bar and the tray bar at any edge of the board. Qt's tool bar areas
// do the dragging; the edge a bar lands at becomes its `Align` in the main form's
// state, and a bar that moves between a horizontal and a vertical edge has its
// buttons turned (`TurnBar`), so the rows and the core's tray bar layout follow.
#pragma once
#include <Qt>
#include <string>

#include "ui/ui_state.h"

namespace quill {

// The edge of a tool bar area; None for no area.
ControlAlign AlignOfArea(Qt::ToolBarArea area);
// Left and right are the vertical edges.
bool IsVerticalAlign(ControlAlign align);

// Every button on the bar swaps its left and top; with swapSizes (the tray bar) also
// its width and height.
void TurnBar(UiState& form, const std::string& bar, bool swapSizes);

// Records that the bar now lies at `align`, turning its buttons first when it moved
// between a horizontal and a vertical edge. False when it was there already.
bool DockBar(UiState& form, const std::string& bar, ControlAlign align, bool swapSizes);

}  // namespace quill
