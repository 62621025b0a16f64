#include "common/config.h"

#include <type_traits>

#include "common/packed.h"

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
  OutlineStyle = static_cast<uint32_t>(menus_.Get("Outlines").Tag);
  AutoHide = menus_.Checked("AutoOutline");
  Smooth = menus_.Checked("AntiAlias");
  Shadows = menus_.Checked("Shadows");
  Rotating = menus_.Checked("Rotation");
  Cheating = menus_.Checked("AllowCheating");
  Sound = menus_.Checked("Sound");
  Ghost = menus_.Checked("Ghostpicture");
  BoardWidth = menus_.Get("PaintBox1").Width;
  BoardHeight = menus_.Get("PaintBox1").Height;
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
  Put<uint8_t>(b, off::Music, menus_.Checked("Music"));
  Put<uint32_t>(b, off::OutlineStyle, OutlineStyle);
  Put<uint8_t>(b, off::Ghost, Ghost);
  Put<int32_t>(b, off::SnapDivisor, SnapDivisor);
  Put<int32_t>(b, off::BoardWidth, BoardWidth);
  Put<int32_t>(b, off::BoardHeight, BoardHeight);
  Put<uint8_t>(b, off::Mystery, menus_.Checked("Mystery"));
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
  menus_.SetTag("Outlines", static_cast<int32_t>(OutlineStyle));
  menus_.SetChecked("AutoOutline", AutoHide);
  menus_.SetChecked("AntiAlias", Smooth);
  menus_.SetChecked("Shadows", Shadows);
  menus_.SetChecked("Rotation", Rotating);
  menus_.SetChecked("AllowCheating", Cheating);
  menus_.SetChecked("Sound", Sound);
  menus_.SetChecked("Music", music);
  menus_.SetChecked("Ghostpicture", Ghost);
  menus_.SetWidth("PaintBox1", BoardWidth);
  menus_.SetHeight("PaintBox1", BoardHeight);
  menus_.SetChecked("Mystery", mystery);
  menus_.SetDown("SpeedSound", menus_.Checked("Sound"));
  menus_.SetDown("SpeedMusic", menus_.Checked("Music"));
  TickOutlineRadioItem(menus_, static_cast<int32_t>(OutlineStyle));
}

void TickOutlineRadioItem(UiState& mainForm, int32_t index) {
  int32_t position = 0;
  for (const auto& item : mainForm.Children("Outlines")) {
    if (mainForm.Get(item).RadioItem) mainForm.SetChecked(item, position == index);
    ++position;
  }
}

}  // namespace quill
