#include "app/bar_docking.h"

#include <utility>

namespace quill {

ControlAlign AlignOfArea(Qt::ToolBarArea area) {
  switch (area) {
    case Qt::TopToolBarArea: return ControlAlign::Top;
    case Qt::BottomToolBarArea: return ControlAlign::Bottom;
    case Qt::LeftToolBarArea: return ControlAlign::Left;
    case Qt::RightToolBarArea: return ControlAlign::Right;
    default: return ControlAlign::None;
  }
}

bool IsVerticalAlign(ControlAlign align) { return align == ControlAlign::Left || align == ControlAlign::Right; }

void TurnBar(UiState& form, const std::string& bar, bool swapSizes) {
  for (const std::string& button : form.Children(bar))
    form.Update(button, [swapSizes](ComponentState& c) {
      std::swap(c.Left, c.Top);
      if (swapSizes) std::swap(c.Width, c.Height);
    });
}

bool DockBar(UiState& form, const std::string& bar, ControlAlign align, bool swapSizes) {
  const ControlAlign was = form.Get(bar).Align;
  if (align == ControlAlign::None || align == was) return false;
  if (IsVerticalAlign(was) != IsVerticalAlign(align)) TurnBar(form, bar, swapSizes);
  form.Update(bar, [align](ComponentState& c) { c.Align = align; });
  return true;
}

}  // namespace quill
