// The state of a form's named components (menu items, tool buttons, labels, panels,
// the memo), held as plain values. The game code reads and sets them by the
// components' names; the Qt shell builds one widget or action per component and
// mirrors every change both ways. Nothing here knows a toolkit.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "raster/colour.h"

namespace quill {

enum class TextAlignment : uint8_t { Left = 0, Right = 1, Centre = 2 };

// The edge of the main window a bar is docked at; None for a bar that floats.
enum class ControlAlign : uint8_t { None = 0, Top, Bottom, Left, Right };

// The mouse button of a click that the shell reports to the core.
enum class ClickButton : uint8_t { Left = 0, Right = 1 };

// Font style bits as the gift's font record stores them.
enum FontStyleBits : uint8_t { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct FontState {
  Colour Color = 0x000000;
  int16_t Height = -11;  // negative: character height in pixels, as in a logical font
  uint8_t Pitch = 0;     // 0 default, 1 variable, 2 fixed
  uint8_t Style = 0;     // FontStyleBits
  std::string Name = "MS Sans Serif";
  friend bool operator==(const FontState&, const FontState&) = default;
};

// Tray buttons: the tray layer adds one component per tray at run time, named
// "TrayButton<number>" with parent "BoxBar": Caption = the tray number, Hint = the
// description followed by "|", Down = the tray is open, Visible = shown on the bar,
// Left/Top/Width/Height its place on the bar, and Tag the glyph: 1 the full tray
// (BoxFullImg), 0 the empty one (BoxEmptyImg). Clicks reach the core through Click.
struct ComponentState {
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  bool Down = false;  // a speed button held down
  bool RadioItem = false;
  int32_t Tag = 0;
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Caption;  // UTF-8
  std::string Hint;     // "short|long"
  std::string Text;     // UTF-8; memo lines separated by "\n"
  Colour Color = 0xFFFFFF;
  TextAlignment Alignment = TextAlignment::Left;
  FontState Font;
  std::string Parent;   // the menu or control that holds this one; "" at the top
  std::string ShortCut; // "Ctrl+Z", "F3", ... for menu items
  bool Separator = false;  // a menu separator line
  ControlAlign Align = ControlAlign::None;  // bars: the edge they are docked at
};

class UiState {
 public:
  using Listener = std::function<void(const std::string& name)>;
  // Told when a component is added (added = true) or removed at run time.
  using MembershipListener = std::function<void(const std::string& name, bool added)>;
  // Told of a click on a component that the core acts on (tray buttons, tray bar).
  using ClickListener = std::function<void(const std::string& name, ClickButton button)>;

  // Adds a component with its design-time state; the order of additions is the order
  // of a parent's children.
  void Define(const std::string& name, ComponentState initial);
  // Removes a component; nothing for an unknown name.
  void Remove(std::string_view name);
  bool Has(std::string_view name) const;

  // Reads a component; an unknown name is a programming error and throws.
  const ComponentState& Get(std::string_view name) const;
  // Changes a component through a function and tells the listeners once.
  void Update(std::string_view name, const std::function<void(ComponentState&)>& change);

  bool Checked(std::string_view name) const { return Get(name).Checked; }
  void SetChecked(std::string_view name, bool on);
  void SetEnabled(std::string_view name, bool on);
  void SetVisible(std::string_view name, bool on);
  void SetDown(std::string_view name, bool down);
  void SetCaption(std::string_view name, std::string caption);
  void SetHint(std::string_view name, std::string hint);
  void SetText(std::string_view name, std::string text);
  void SetTag(std::string_view name, int32_t tag);
  void SetColour(std::string_view name, Colour colour);
  void SetHeight(std::string_view name, int32_t height);
  void SetWidth(std::string_view name, int32_t width);

  // The components whose parent is the given one, in the order they were defined.
  std::vector<std::string> Children(std::string_view parent) const;

  // Called after every change made through this object.
  int AddListener(Listener listener);
  void RemoveListener(int id);
  // Called after a component was added by Define (not when redefined) or removed.
  int AddMembershipListener(MembershipListener listener);
  void RemoveMembershipListener(int id);

  // The shell reports a click on a component; every click listener is told.
  void Click(std::string_view name, ClickButton button = ClickButton::Left);
  int AddClickListener(ClickListener listener);
  void RemoveClickListener(int id);

 private:
  std::map<std::string, ComponentState, std::less<>> components_;
  std::vector<std::string> order_;
  std::map<int, Listener> listeners_;
  std::map<int, MembershipListener> membershipListeners_;
  std::map<int, ClickListener> clickListeners_;
  int nextListener_ = 1;
};

}  // namespace quill
