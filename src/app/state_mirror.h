// Keeps widgets in step with named components of a UiState: each watcher runs at
// once and again after every change of its component. Every shell form that shows
// UiState components (menus, tool bar, status line, splash) holds one.
#pragma once
#include <functional>
#include <map>
#include <string>

#include "ui/ui_state.h"

namespace quill {

class StateMirror {
 public:
  using Apply = std::function<void(const ComponentState&)>;

  explicit StateMirror(UiState& state);
  ~StateMirror();
  StateMirror(const StateMirror&) = delete;
  StateMirror& operator=(const StateMirror&) = delete;

  UiState& State() { return state_; }
  // Runs `apply` with the component's state now and after each of its changes.
  void Watch(const std::string& name, Apply apply);
  // Stops every watcher of the component (before its widget goes).
  void Unwatch(const std::string& name);

 private:
  UiState& state_;
  int listener_ = 0;
  std::multimap<std::string, Apply, std::less<>> watchers_;
};

// The two parts of a hint "short|long": the short part is a tool tip, the long part
// goes to the status line. A hint without "|" serves as both.
std::string ShortHint(const std::string& hint);
std::string LongHint(const std::string& hint);

// A text of a form's table as the user reads it: the tables are written in English
// and translated in the context of their form's name (kMainFormName,
// kSplashFormName); the core's own status texts in kMessagesContext. A text without
// a translation (a tray's description, a text the core translated already) is shown
// as it is.
std::string Shown(const char* context, const std::string& text);

}  // namespace quill
