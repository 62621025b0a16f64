// The main window's menus built from its UiState: one QAction per menu item (a
// submenu's action for items that hold others), with caption, shortcut, tick,
// enabled and visible state and the hint's long part as status tip. Changes of the
// state reach the actions, and a tick the user sets reaches the state.
#pragma once
#include <QObject>
#include <map>
#include <string>
#include <string_view>

#include "app/state_mirror.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

namespace quill {

class MenuBinding {
 public:
  explicit MenuBinding(UiState& state);

  // The children of `root` become the bar's menus.
  void BuildMenuBar(QMenuBar& bar, const std::string& root);
  // A pop-up menu holding the children of `root`.
  QMenu* BuildPopup(const std::string& root, QWidget* parent);

  // The action of a menu item; nullptr for an unknown name.
  QAction* Action(std::string_view name) const;

 private:
  void AddChildren(QMenu& menu, const std::string& parent);
  QAction* AddItem(QMenu& menu, const std::string& name);
  void Bind(QAction& action, const std::string& name);
  QActionGroup& RadioGroup(const std::string& parent, QObject* owner);

  StateMirror mirror_;
  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<std::string, QActionGroup*> radioGroups_;
};

// Whether a menu item carries a tick the user can set: items ticked at design time,
// radio items, and the options that start unticked.
bool IsTickItem(const std::string& name, const ComponentState& state);

}  // namespace quill
