// The tray bar BoxBar built from the main form's state: its scroll buttons and one
// flat toggle button per tray ("TrayButton<n>", added and removed as the core makes
// and deletes trays), each showing the tray's number, the full or empty tray glyph
// (Tag 1 or 0), its description as tool tip, pressed while the tray is open, placed
// where the core's bar layout says. Clicks go to the core through UiState::Click; a
// right press on a tray button also asks for the tray button menu. The bar writes
// its size and place back into BoxBar, so the core lays the buttons out for it.
// Docked at a left or right edge (BoxBar's Align) the row stands upright and the tray
// buttons show their glyph above the number.
#pragma once
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/skin.h"
#include "app/state_mirror.h"

namespace quill {

class TrayBarRow : public QWidget {
  Q_OBJECT
 public:
  // Shows the tray button menu at a global screen point.
  using MenuRequest = std::function<void(const QPoint& globalPoint)>;

  TrayBarRow(UiState& state, QWidget* parent = nullptr);
  ~TrayBarRow() override;

  QToolButton* Button(std::string_view name) const;
  void SetMenuRequest(MenuRequest request) { menuRequest_ = std::move(request); }
  // Writes the row's size and its place in the main window into BoxBar.
  void ReportGeometry();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void AddButton(const std::string& name);
  void RemoveButton(const std::string& name);
  void ApplyTrayButton(QToolButton& button, const ComponentState& c);
  void SetVertical(bool vertical);
  // The glyph left of the number on a horizontal bar, above it on an upright one.
  Qt::ToolButtonStyle TrayButtonStyle() const {
    return vertical_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon;
  }

  StateMirror mirror_;
  int thickness_ = 0;  // the bar's height as designed, its width when upright
  bool vertical_ = false;
  int membershipListener_ = 0;
  std::map<std::string, QToolButton*, std::less<>> buttons_;
  MenuRequest menuRequest_;
};

// The bar that carries a TrayBarRow at the bottom of the main window, the skin behind
// it when the gift has one.
class TrayBarWidget : public SkinnedToolBar {
  Q_OBJECT
 public:
  TrayBarWidget(UiState& state, QWidget* parent = nullptr);
  TrayBarRow& Row() { return *row_; }

 protected:
  void moveEvent(QMoveEvent* event) override;

 private:
  TrayBarRow* row_;
  StateMirror mirror_;
};

// Whether a component of BoxBar is a tray's button.
bool IsTrayButtonName(std::string_view name);

}  // namespace quill
