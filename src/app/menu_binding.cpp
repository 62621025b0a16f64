#include "app/menu_binding.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <array>
#include <string_view>

#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

// Option items whose tick starts off; every other tick item starts ticked.
constexpr std::array<std::string_view, 5> kUntickedOptions = {
    component::kPicture, component::kLoupe, component::kAutoOutline, component::kRotation, component::kMystery};

}  // namespace

bool IsTickItem(const std::string& name, const ComponentState& state) {
  return state.Checked || state.RadioItem ||
         std::find(kUntickedOptions.begin(), kUntickedOptions.end(), name) != kUntickedOptions.end();
}

MenuBinding::MenuBinding(UiState& state) : mirror_(state) {}

void MenuBinding::BuildMenuBar(QMenuBar& bar, const std::string& root) {
  for (const std::string& name : mirror_.State().Children(root)) {
    QMenu* menu = bar.addMenu(QString());
    Bind(*menu->menuAction(), name);
    AddChildren(*menu, name);
  }
}

QMenu* MenuBinding::BuildPopup(const std::string& root, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(ToQString(root));
  actions_[root] = menu->menuAction();
  AddChildren(*menu, root);
  return menu;
}

QAction* MenuBinding::Action(std::string_view name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void MenuBinding::AddChildren(QMenu& menu, const std::string& parent) {
  for (const std::string& name : mirror_.State().Children(parent)) AddItem(menu, name);
}

QAction* MenuBinding::AddItem(QMenu& menu, const std::string& name) {
  const UiState& state = mirror_.State();
  const ComponentState& item = state.Get(name);
  QAction* action = nullptr;
  if (item.Separator) {
    action = menu.addSeparator();
  } else if (!state.Children(name).empty()) {
    QMenu* submenu = menu.addMenu(QString());
    action = submenu->menuAction();
    AddChildren(*submenu, name);
  } else {
    action = menu.addAction(QString());
    action->setCheckable(IsTickItem(name, item));
    if (item.RadioItem) RadioGroup(item.Parent, &menu).addAction(action);
  }
  Bind(*action, name);
  return action;
}

QActionGroup& MenuBinding::RadioGroup(const std::string& parent, QObject* owner) {
  QActionGroup*& group = radioGroups_[parent];
  if (!group) {
    group = new QActionGroup(owner);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  }
  return *group;
}

void MenuBinding::Bind(QAction& action, const std::string& name) {
  action.setObjectName(ToQString(name));
  actions_[name] = &action;
  mirror_.Watch(name, [&action](const ComponentState& c) {
    const std::string hint = Shown(kMainFormName, c.Hint);
    if (!c.Separator) action.setText(ToQString(Shown(kMainFormName, c.Caption)));
    action.setStatusTip(ToQString(LongHint(hint)));
    action.setToolTip(ToQString(ShortHint(hint)));
    action.setShortcut(QKeySequence::fromString(ToQString(c.ShortCut), QKeySequence::PortableText));
    action.setEnabled(c.Enabled);
    action.setVisible(c.Visible);
    if (action.isCheckable()) action.setChecked(c.Checked);
  });
  if (!action.isCheckable()) return;
  UiState& state = mirror_.State();
  QObject::connect(&action, &QAction::toggled, [&state, name](bool on) {
    if (state.Get(name).Checked != on) state.SetChecked(name, on);
  });
}

}  // namespace quill
