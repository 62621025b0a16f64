// The tray bar (one button per tray, scrolled when they do not all fit), the clicks
// the shell reports on it, and the Trays menu's show, hide and delete commands.
#include <algorithm>
#include <cstdio>

#include "board/boxes.h"
#include "common/records.h"
#include "common/translate.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr int32_t kButtonGap = 6;

bool IsVerticalBar(const ComponentState& bar) {
  return bar.Align != ControlAlign::Top && bar.Align != ControlAlign::Bottom;
}

// Which trays a Trays menu item acts on.
bool TraysCommandTakes(int32_t tag, const TBox& tray) {
  const bool used = tray.PieceCount() > 0;
  switch (tag) {
    case 0: return !tray.IsOpen();
    case 1: return !tray.IsOpen() && used;
    case 2: return !tray.IsOpen() && !used;
    case 3: return tray.IsOpen();
    case 4: return tray.IsOpen() && used;
    case 5: return tray.IsOpen() && !used;
    case 6: return true;
    case 7: return used;
    case 8: return !used;
    default: return false;
  }
}

std::string DeleteQuestion(const TBox& tray) {
  return FillArgs(Tr("Messages", "Tray %1 contains pieces which will be\nplaced on the background.\n\nOk to delete this tray?"),
                  {std::to_string(tray.Number())});
}

}  // namespace

void TBoxes::LayoutBar(bool relayout) {
  UiState& form = mainForm_;
  const ComponentState& bar = form.Get(component::kBoxBar);
  const ComponentState& template_ = form.Get(component::kBoxBtn);
  const bool vertical = IsVerticalBar(bar);
  int32_t pitch;
  form.SetVisible(component::kSpeedBoxUp, vertical);
  form.SetVisible(component::kSpeedBoxDown, vertical);
  form.SetVisible(component::kSpeedBoxLeft, !vertical);
  form.SetVisible(component::kSpeedBoxRight, !vertical);
  if (vertical) {
    const int32_t top = form.Get(component::kSpeedBoxLeft).Top;
    form.Update(component::kSpeedBoxUp, [&](ComponentState& c) { c.Top = top; });
    form.Update(component::kSpeedBoxDown, [&](ComponentState& c) { c.Top = bar.Height - c.Height - top; });
    pitch = template_.Height + kButtonGap;
    if (relayout) FBarCapacity = (bar.Height - 2 * template_.Top) / pitch;
  } else {
    const int32_t left = form.Get(component::kSpeedBoxLeft).Left;
    form.Update(component::kSpeedBoxRight, [&](ComponentState& c) { c.Left = bar.Width - c.Width - left; });
    pitch = template_.Width + kButtonGap;
    if (relayout) FBarCapacity = (bar.Width - 2 * template_.Left) / pitch;
  }
  if (!relayout) {
    for (const char* name :
         {component::kSpeedBoxLeft, component::kSpeedBoxRight, component::kSpeedBoxUp, component::kSpeedBoxDown})
      form.SetEnabled(name, false);
    return;
  }

  const int32_t trays = std::max(0, TrayListCount() - 1);
  const bool overflow = FBarCapacity < trays;
  if (!overflow) BoardRecord.TrayScroll = 1;
  const int32_t scroll = BoardRecord.TrayScroll;
  SortTrays(true);
  for (int32_t i = 1; i < TrayListCount(); ++i) {
    const bool shown = scroll <= i && i < scroll + FBarCapacity;
    const int32_t place = pitch * (i - scroll);
    form.Update(TrayNo(i).ButtonName(), [&](ComponentState& c) {
      c.Visible = shown;
      if (!shown) return;
      c.Left = vertical ? template_.Left : place + template_.Left;
      c.Top = vertical ? place + template_.Top : template_.Top;
    });
  }
  SortTrays(false);
  const bool back = overflow && scroll > 1;
  const bool forward = overflow && trays - FBarCapacity >= scroll;
  form.SetEnabled(component::kSpeedBoxLeft, back);
  form.SetEnabled(component::kSpeedBoxUp, back);
  form.SetEnabled(component::kSpeedBoxRight, forward);
  form.SetEnabled(component::kSpeedBoxDown, forward);
}

void TBoxes::ScrollBarBack() {
  if (BoardRecord.TrayScroll > 1) --BoardRecord.TrayScroll;
  LayoutBar(true);
}

void TBoxes::ScrollBarForward() {
  if (BoardRecord.TrayScroll < TrayListCount() - FBarCapacity) ++BoardRecord.TrayScroll;
  LayoutBar(true);
}

void TBoxes::TraysCommand(int32_t tag) {
  std::vector<TBox*> trays;
  for (const auto& tray : FTrays)
    if (!tray->IsBoard() && TraysCommandTakes(tag, *tray)) trays.push_back(tray.get());
  if (tag >= 6) {
    RemoveTrays(trays);
    return;
  }
  // Opening re-sorts the list, so the trays were collected first.
  if (tag >= 3) std::reverse(trays.begin(), trays.end());
  for (TBox* tray : trays) tray->ToggleOpen();
}

void TBoxes::RemoveTrays(const std::vector<TBox*>& trays) {
  bool askEach = true;
  for (auto it = trays.rbegin(); it != trays.rend(); ++it) {
    TBox& tray = **it;
    if (tray.PieceCount() > 0) {
      if (askEach) {
        const ChoiceAnswer answer = host_.AskYesNoCancelAll(DeleteQuestion(tray));
        if (answer == ChoiceAnswer::Cancel) return;
        if (answer == ChoiceAnswer::No) continue;
        if (answer == ChoiceAnswer::All) askEach = false;
      }
      EmptyTrayOntoBoard(tray);
    }
    DeleteTray(tray);
  }
}

// ---- Clicks and sizes from the shell ----------------------------------------------

TBox* TBoxes::TrayOfButton(const std::string& name) const {
  const std::string prefix = kTrayButtonPrefix;
  if (name.compare(0, prefix.size(), prefix) != 0) return nullptr;
  for (const auto& tray : FTrays)
    if (!tray->IsBoard() && tray->ButtonName() == name) return tray.get();
  return nullptr;
}

void TBoxes::BarClicked(const std::string& name, ClickButton button) {
  if (button == ClickButton::Left) {
    const bool back = name == component::kSpeedBoxLeft || name == component::kSpeedBoxUp;
    const bool forward = name == component::kSpeedBoxRight || name == component::kSpeedBoxDown;
    if (back || forward) BeforeBarCommand();
    if (back) return ScrollBarBack();
    if (forward) return ScrollBarForward();
  }
  TBox* tray = TrayOfButton(name);
  if (!tray) return;
  BeforeBarCommand();
  if (button == ClickButton::Left) {
    tray->ToggleOpen();
  } else if (OnTrayButtonMenu) {
    OnTrayButtonMenu(*tray);
  }
}

// The shell writes the bar's size into BoxBar when it changes; the buttons are then
// laid out again for it.
void TBoxes::BarChanged(const std::string& name) {
  if (name != component::kBoxBar || FTrays.empty()) return;
  const ComponentState& bar = mainForm_.Get(component::kBoxBar);
  const Rect geometry{static_cast<int32_t>(bar.Align), 0, bar.Width, bar.Height};
  if (geometry == barGeometry_) return;
  barGeometry_ = geometry;
  LayoutBar(true);
}

}  // namespace quill
