// The play options in one object that the game code consults instead of the menus,
// and their 29-byte section at the end of the saved game. The menus are where the
// user changes options; this object is filled from them and, on resuming, written
// back into them.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/ui_state.h"

namespace quill {

constexpr size_t kSettingsSectionSize = 29;
constexpr int32_t kSettingsSectionVersion = 4;
// Outline styles (`OutlineStyle`, the Outlines menu's tag, the gift's outline index),
// in the order of the Outlines menu; Wood is the last and largest.
constexpr int kOutlineNone = 0;
constexpr int kOutlineFoil = 1;
constexpr int kOutlinePaper = 2;
constexpr int kOutlineCard = 3;
constexpr int kOutlineWood = 4;

// The sound effects of the game; the numbers are the waves' numbers.
enum class SoundEffect : int {
  Join = 1,         // pieces joined
  Completed = 2,    // the puzzle is whole
  Tray = 4,         // a tray opened, closed or moved
  TrayDeleted = 5,  // a tray removed
  Snapped = 6,      // pieces snapped onto their place on the ghost
};

class TJigConfig {
 public:
  // Starts with the menus' current ticks.
  explicit TJigConfig(UiState& mainForm);

  bool Shadows = true;
  bool Rotating = false;
  bool Cheating = true;
  bool Sound = true;
  bool Ghost = true;
  bool AutoHide = false;
  bool Smooth = true;
  uint32_t OutlineStyle = 0;
  int32_t SnapDivisor = 4;
  int32_t BoardWidth = 0;
  int32_t BoardHeight = 0;
  int32_t DrawnGhostLevel = 0;  // never saved

  // Fills the options from the menu ticks, the Outlines tag and the size of PaintBox1.
  void TakeFromMenus();
  // The settings section as it goes to the saved game; Music and Mystery are the
  // menu ticks at this moment.
  std::vector<uint8_t> WriteSection() const;
  // Reads a section and puts it into the menus; a short section, another version
  // or any failure falls back to the menus as they are, silently.
  void ReadSection(const uint8_t* data, size_t size);

  bool IsWoodStyle() const { return OutlineStyle == kOutlineWood; }

  // Sound effects, numbered as the sound output numbers its waves. Nothing plays
  // while Sound is off. PlaySound skips a sound while another plays;
  // PlaySoundAtOnce cuts the current one off.
  using SoundOutput = std::function<void(int effect, bool atOnce)>;
  void SetSoundOutput(SoundOutput output) { soundOutput_ = std::move(output); }
  void PlaySound(SoundEffect effect) const { Play(static_cast<int>(effect), false); }
  void PlaySoundAtOnce(SoundEffect effect) const { Play(static_cast<int>(effect), true); }

 private:
  void ApplyToMenus(bool music, bool mystery);
  void Play(int effect, bool atOnce) const {
    if (Sound && soundOutput_) soundOutput_(effect, atOnce);
  }

  UiState& menus_;
  SoundOutput soundOutput_;
};

// Ticks the radio item of the Outlines submenu at `index` and unticks the others.
void TickOutlineRadioItem(UiState& mainForm, int32_t index);

// The process-wide configuration; owned by the game object that created it.
extern TJigConfig* JigConfig;

}  // namespace quill
