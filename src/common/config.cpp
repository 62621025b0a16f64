#include "common/config.h"

#include <type_traits>

#include "common/packed.h"
#include "ui/component_names.h"

namespace quill {

TJigConfig* JigConfig = nullptr;

namespace {
namespace off {
constexpr size_t Shadows = 0, AutoHide = 1, Smooth = 2, Rotating = 3, Cheating = 4, Sound = 5, Music = 6,
                 OutlineStyle = 7, Ghost = 11, SnapDivisor = 12, BoardWidth = 16, BoardHeight = 20,
                 Mystery = 24, Version = 25;
}
}  // namespace

TJigConfig::TJigConfig(UiState& mainForm) : menus_(mainForm) { TakeFromMenus(); }

void TJigConfig::TakeFromMenus() {
  OutlineStyle = static_cast<uint32_t>(menus_.Get(component::kOutlines).Tag);
  AutoHide = menus_.Checked(component::kAutoOutline);
  Smooth = menus_.Checked(component::kAntiAlias);
  Shadows = menus_.Checked(component::kShadows);
  Rotating = menus_.Checked(component::kRotation);
  Cheating = menus_.Checked(component::kAllowCheating);
  Sound = menus_.Checked(component::kSound);
  Ghost = menus_.Checked(component::kGhostpicture);
  BoardWidth = menus_.Get(component::kPaintBox1).Width;
  BoardHeight = menus_.Get(component::kPaintBox1).Height;
}

std::vector<uint8_t> TJigConfig::WriteSection() const {
  using namespace packed;
  std::vector<uint8_t> out(kSettingsSectionSize, 0);
  uint8_t* b = out.data();
  Put<uint8_t>(b, off::Shadows, Shadows);
  Put<uint8_t>(b, off::AutoHide, AutoHide);
  Put<uint8_t>(b, off::Smooth, Smooth);
  Put<uint8_t>(b, off::Rotating, Rotating);
  Put<uint8_t>(b, off::Cheating, Cheating);
  Put<uint8_t>(b, off::Sound, Sound);
  Put<uint8_t>(b, off::Music, menus_.Checked(component::kMusic));
  Put<uint32_t>(b, off::OutlineStyle, OutlineStyle);
  Put<uint8_t>(b, off::Ghost, Ghost);
  Put<int32_t>(b, off::SnapDivisor, SnapDivisor);
  Put<int32_t>(b, off::BoardWidth, BoardWidth);
  Put<int32_t>(b, off::BoardHeight, BoardHeight);
  Put<uint8_t>(b, off::Mystery, menus_.Checked(component::kMystery));
  Put<int32_t>(b, off::Version, kSettingsSectionVersion);
  return out;
}

void TJigConfig::ReadSection(const uint8_t* data, size_t size) {
  using namespace packed;
  // Fields are read in order; reading stops quietly at the end of the data, and
  // fields not reached keep their values.
  auto has = [&](size_t offset, size_t width) { return offset + width <= size; };
  auto readBool = [&](size_t offset, bool& field) {
    if (has(offset, 1)) field = data[offset] != 0;
  };
  auto readInt = [&](size_t offset, auto& field) {
    using T = std::remove_reference_t<decltype(field)>;
    if (has(offset, sizeof(T))) field = Get<T>(data, offset);
  };
  bool music = false;
  bool mystery = false;
  int32_t version = 0;
  readBool(off::Shadows, Shadows);
  readBool(off::AutoHide, AutoHide);
  readBool(off::Smooth, Smooth);
  readBool(off::Rotating, Rotating);
  readBool(off::Cheating, Cheating);
  readBool(off::Sound, Sound);
  readBool(off::Music, music);
  readInt(off::OutlineStyle, OutlineStyle);
  readBool(off::Ghost, Ghost);
  readInt(off::SnapDivisor, SnapDivisor);
  readInt(off::BoardWidth, BoardWidth);
  readInt(off::BoardHeight, BoardHeight);
  readBool(off::Mystery, mystery);
  readInt(off::Version, version);
  if (version != kSettingsSectionVersion) {
    TakeFromMenus();
    return;
  }
  try {
    ApplyToMenus(music, mystery);
  } catch (...) {
    TakeFromMenus();
  }
}

void TJigConfig::ApplyToMenus(bool music, bool mystery) {
  menus_.SetTag(component::kOutlines, static_cast<int32_t>(OutlineStyle));
  menus_.SetChecked(component::kAutoOutline, AutoHide);
  menus_.SetChecked(component::kAntiAlias, Smooth);
  menus_.SetChecked(component::kShadows, Shadows);
  menus_.SetChecked(component::kRotation, Rotating);
  menus_.SetChecked(component::kAllowCheating, Cheating);
  menus_.SetChecked(component::kSound, Sound);
  menus_.SetChecked(component::kMusic, music);
  menus_.SetChecked(component::kGhostpicture, Ghost);
  menus_.SetWidth(component::kPaintBox1, BoardWidth);
  menus_.SetHeight(component::kPaintBox1, BoardHeight);
  menus_.SetChecked(component::kMystery, mystery);
  menus_.SetDown(component::kSpeedSound, menus_.Checked(component::kSound));
  menus_.SetDown(component::kSpeedMusic, menus_.Checked(component::kMusic));
  TickOutlineRadioItem(menus_, static_cast<int32_t>(OutlineStyle));
}

void TickOutlineRadioItem(UiState& mainForm, int32_t index) {
  int32_t position = 0;
  for (const auto& item : mainForm.Children(component::kOutlines)) {
    if (mainForm.Get(item).RadioItem) mainForm.SetChecked(item, position == index);
    ++position;
  }
}

}  // namespace quill
