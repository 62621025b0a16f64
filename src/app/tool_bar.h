// A bar of tool buttons (the main window's SpeedBar) built from its UiState: every
// child component of the bar becomes a flat button placed at the component's left
// and top with its size, showing its caption, hint and enabled, visible and down
// state. Buttons that start down stay down while on; a click flips Down in the state.
// Docked at a left or right edge (the bar's Align) the row stands upright.
#pragma once
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <string>
#include <string_view>

#include "app/skin.h"
#include "app/state_mirror.h"

namespace quill {

class ToolButtonRow : public QWidget {
  Q_OBJECT
 public:
  ToolButtonRow(UiState& state, const std::string& bar, QWidget* parent = nullptr);

  QToolButton* Button(std::string_view name) const;

 signals:
  // A button was clicked (after its Down state was updated).
  void Clicked(const QString& name);

 private:
  QToolButton* AddButton(const std::string& name);
  void FitToButtons();

  StateMirror mirror_;
  int thickness_ = 0;  // the bar's height as designed, its width when upright
  bool vertical_ = false;
  std::map<std::string, QToolButton*, std::less<>> buttons_;
};

// The dockable bar that carries a ToolButtonRow, the skin behind it when the gift has one.
class SpeedBarWidget : public SkinnedToolBar {
  Q_OBJECT
 public:
  SpeedBarWidget(UiState& state, const std::string& bar, QWidget* parent = nullptr);
  ToolButtonRow& Row() { return *row_; }

 private:
  ToolButtonRow* row_;
  StateMirror mirror_;
};

}  // namespace quill
