#include "app/tray_bar_widget.h"

#include <QMoveEvent>
#include <QResizeEvent>

#include "app/bar_docking.h"
#include "app/glyphs.h"
#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {

bool IsTrayButtonName(std::string_view name) { return name.starts_with(kTrayButtonPrefix); }

TrayBarRow::TrayBarRow(UiState& state, QWidget* parent) : QWidget(parent), mirror_(state) {
  setObjectName(component::kBoxBar);
  thickness_ = state.Get(component::kBoxBar).Height;
  SetVertical(false);
  for (const std::string& name : state.Children(component::kBoxBar)) AddButton(name);
  mirror_.Watch(component::kBoxBar, [this](const ComponentState& c) {
    if (IsVerticalAlign(c.Align) != vertical_) SetVertical(!vertical_);
  });
  membershipListener_ = state.AddMembershipListener([this, &state](const std::string& name, bool added) {
    if (!added) {
      RemoveButton(name);
    } else if (state.Get(name).Parent == component::kBoxBar) {
      AddButton(name);
    }
  });
}

TrayBarRow::~TrayBarRow() { mirror_.State().RemoveMembershipListener(membershipListener_); }

QToolButton* TrayBarRow::Button(std::string_view name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void TrayBarRow::AddButton(const std::string& name) {
  // The template button is never shown; trays copy it.
  if (name == component::kBoxBtn || buttons_.count(name)) return;
  UiState& state = mirror_.State();
  const bool tray = IsTrayButtonName(name);
  auto* button = new QToolButton(this);
  button->setObjectName(ToQString(name));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setCheckable(tray);
  button->setToolButtonStyle(tray ? TrayButtonStyle() : Qt::ToolButtonTextOnly);
  button->setIconSize(QSize(20, 20));
  buttons_[name] = button;
  mirror_.Watch(name, [this, button, tray](const ComponentState& c) {
    button->setGeometry(c.Left, c.Top, c.Width, c.Height);
    button->setText(ToQString(c.Caption));
    const std::string hint = Shown(kMainFormName, c.Hint);
    button->setToolTip(ToQString(ShortHint(hint)));
    button->setStatusTip(ToQString(LongHint(hint)));
    button->setEnabled(c.Enabled);
    button->setVisible(c.Visible);
    if (tray) ApplyTrayButton(*button, c);
  });
  connect(button, &QToolButton::clicked, this, [&state, name, button, tray] {
    state.Click(name, ClickButton::Left);
    // The core decides whether the tray opened; the button shows what it decided.
    if (tray && state.Has(name)) button->setChecked(state.Get(name).Down);
  });
  if (tray) {
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this, [this, &state, name, button](const QPoint& point) {
      state.Click(name, ClickButton::Right);
      if (menuRequest_) menuRequest_(button->mapToGlobal(point));
    });
  }
  button->show();
  button->setVisible(state.Get(name).Visible);
}

void TrayBarRow::SetVertical(bool vertical) {
  vertical_ = vertical;
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (vertical) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setFixedWidth(thickness_);
  } else {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(thickness_);
  }
  for (const auto& [name, button] : buttons_)
    if (IsTrayButtonName(name)) button->setToolButtonStyle(TrayButtonStyle());
  updateGeometry();
}

void TrayBarRow::ApplyTrayButton(QToolButton& button, const ComponentState& c) {
  button.setChecked(c.Down);
  const bool full = c.Tag != 0;
  if (button.property("full").toBool() != full || button.icon().isNull()) {
    button.setIcon(TrayGlyph(full));
    button.setProperty("full", full);
  }
}

void TrayBarRow::RemoveButton(const std::string& name) {
  auto it = buttons_.find(name);
  if (it == buttons_.end()) return;
  mirror_.Unwatch(name);
  // The click that deleted the tray may still be running in this button.
  it->second->hide();
  it->second->deleteLater();
  buttons_.erase(it);
}

void TrayBarRow::ReportGeometry() {
  UiState& state = mirror_.State();
  const QPoint place = window() ? mapTo(window(), QPoint(0, 0)) : pos();
  const ComponentState& bar = state.Get(component::kBoxBar);
  if (bar.Left == place.x() && bar.Top == place.y() && bar.Width == width() && bar.Height == height()) return;
  state.Update(component::kBoxBar, [&](ComponentState& c) {
    c.Left = place.x();
    c.Top = place.y();
    c.Width = width();
    c.Height = height();
  });
}

void TrayBarRow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ReportGeometry();
}

void TrayBarRow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  ReportGeometry();
}

TrayBarWidget::TrayBarWidget(UiState& state, QWidget* parent)
    : SkinnedToolBar(parent), row_(new TrayBarRow(state, this)), mirror_(state) {
  setObjectName(component::kBoxBar);
  setMovable(true);
  setFloatable(false);
  addWidget(row_);
  mirror_.Watch(component::kBoxBar, [this](const ComponentState& c) { setVisible(c.Visible); });
}

void TrayBarWidget::moveEvent(QMoveEvent* event) {
  SkinnedToolBar::moveEvent(event);
  row_->ReportGeometry();
}

}  // namespace quill
