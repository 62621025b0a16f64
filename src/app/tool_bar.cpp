#include "app/tool_bar.h"

#include "app/bar_docking.h"
#include "app/glyphs.h"
#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

constexpr int kRowMargin = 4;  // free pixels right of the last button

// The text a glyph-less button shows: its caption, else the short hint.
QString ButtonText(const ComponentState& c) {
  return ToQString(Shown(kMainFormName, c.Caption.empty() ? ShortHint(c.Hint) : c.Caption));
}

}  // namespace

ToolButtonRow::ToolButtonRow(UiState& state, const std::string& bar, QWidget* parent)
    : QWidget(parent), mirror_(state) {
  setObjectName(ToQString(bar));
  thickness_ = state.Get(bar).Height;
  for (const std::string& name : state.Children(bar)) AddButton(name);
  mirror_.Watch(bar, [this](const ComponentState& c) {
    vertical_ = IsVerticalAlign(c.Align);
    FitToButtons();
  });
}

QToolButton* ToolButtonRow::Button(std::string_view name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

QToolButton* ToolButtonRow::AddButton(const std::string& name) {
  auto* button = new QToolButton(this);
  button->setObjectName(ToQString(name));
  button->setAutoRaise(true);
  const QIcon glyph = ToolGlyph(name);
  if (glyph.isNull()) {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  } else {
    button->setIcon(glyph);
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  button->setFocusPolicy(Qt::NoFocus);
  QFont captionFont = button->font();
  captionFont.setPixelSize(11);
  captionFont.setBold(true);
  button->setFont(captionFont);
  UiState& state = mirror_.State();
  button->setCheckable(state.Get(name).Down);
  buttons_[name] = button;
  mirror_.Watch(name, [this, button](const ComponentState& c) {
    button->setGeometry(c.Left, c.Top, c.Width, c.Height);
    button->setText(ButtonText(c));
    const std::string hint = Shown(kMainFormName, c.Hint);
    button->setToolTip(ToQString(ShortHint(hint)));
    button->setStatusTip(ToQString(LongHint(hint)));
    button->setEnabled(c.Enabled);
    button->setVisible(c.Visible);
    if (button->isCheckable()) button->setChecked(c.Down);
    FitToButtons();
  });
  connect(button, &QToolButton::clicked, this, [this, &state, name, button] {
    if (button->isCheckable() && state.Get(name).Down != button->isChecked())
      state.SetDown(name, button->isChecked());
    emit Clicked(ToQString(name));
  });
  return button;
}

void ToolButtonRow::FitToButtons() {
  int right = 0;
  int bottom = 0;
  for (const auto& [name, button] : buttons_) {
    if (button->isHidden()) continue;
    right = std::max(right, button->geometry().right() + 1);
    bottom = std::max(bottom, button->geometry().bottom() + 1);
  }
  if (vertical_)
    setFixedSize(thickness_, bottom + kRowMargin);
  else
    setFixedSize(right + kRowMargin, thickness_);
}

SpeedBarWidget::SpeedBarWidget(UiState& state, const std::string& bar, QWidget* parent)
    : SkinnedToolBar(parent), row_(new ToolButtonRow(state, bar, this)), mirror_(state) {
  setObjectName(ToQString(bar));
  setMovable(true);
  setFloatable(false);
  addWidget(row_);
  mirror_.Watch(bar, [this](const ComponentState& c) { setVisible(c.Visible); });
}

}  // namespace quill
