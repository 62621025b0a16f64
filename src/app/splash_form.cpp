#include "app/splash_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QWindow>

#include "app/bevel_panel.h"
#include "app/glyph_button.h"
#include "app/glyphs.h"
#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "app/splash_memo.h"
#include "app/web_site.h"
#include "common/util.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

constexpr int kPanelBevel = 4;
constexpr int kButtonGlyphSize = 16;
const QColor kLinkBlue(0, 0, 238);

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget.setPalette(palette);
}

QToolButton* NewLinkButton(QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  // A link: no frame, and no padding, so glyph and caption fit the designed height.
  button->setStyleSheet("QToolButton { border: none; padding: 0px; background: transparent; }");
  button->setCursor(Qt::PointingHandCursor);
  button->setIcon(WebGlyph());
  button->setIconSize(QSize(kButtonGlyphSize, kButtonGlyphSize));
  return button;
}

// A line longer in another language than in English, which the label was laid out
// for, gets a smaller font until it fits the label's designed width.
void ShrinkFontToWidth(QLabel& label, int width) {
  constexpr int kSmallestPixels = 7;
  QFont font = label.font();
  while (label.sizeHint().width() > width && font.pixelSize() > kSmallestPixels) {
    font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
  }
}

}  // namespace

SplashForm::SplashForm(QtHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      host_(host),
      mirror_(host.SplashForm()),
      okGlyph_(PlayGlyph()) {
  setObjectName(kSplashFormName);
  // Frameless, but the task switcher names it.
  setWindowTitle(kProgramTitle);
  DefineSplashForm(design_);
  setAutoFillBackground(true);
  UiState& state = State();
  state.SetCaption(component::kProduct, "Quillmere Gift");
  state.SetCaption(component::kProductShad, "Quillmere Gift");
  state.SetCaption(component::kCopyrite, VersionText(kProgramVersion) + ".  " + Shown(kSplashFormName, kNoticeText));
  state.SetCaption(component::kWebBtn, kProductWebSite);
  BuildComponents();
  ApplySkin(host_.SkinPicture());
  mirror_.Watch(kSplashFormName, [this](const ComponentState& c) {
    setFixedSize(c.Width, c.Height);
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(c.Color));
    setPalette(background);
  });
}

void SplashForm::SetStayOnTop(bool onTop) {
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) show();
}

void SplashForm::BorrowExitButton() {
  okGlyph_ = ExitGlyph();
  State().SetCaption(component::kOkBtn, State().Get(component::kExitBtn).Caption);
}

void SplashForm::ApplySkin(const Bitmap* skin) {
  const QImage tile = skin ? ToQImage(*skin) : QImage();
  for (const std::string& name : State().Children(component::kPanel1)) {
    auto* panel = qobject_cast<BevelPanel*>(Component(name));
    if (!panel || name == component::kPanel2) continue;
    // Panels kept out of the skin (tag -1) stay plain over it, so their buttons
    // read well; without a skin they let Panel1's shading through.
    panel->SetSeeThrough(!skin);
    panel->SetBevel(BevelPanel::Bevel::Raised, 1);
  }
  static_cast<BevelPanel*>(Component(component::kPanel1))->SetTile(tile);
}

QWidget* SplashForm::Component(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void SplashForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QWindow* window = windowHandle()) window->installEventFilter(this);
  widgets_.at(component::kOkBtn)->setFocus();
  if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

bool SplashForm::eventFilter(QObject* watched, QEvent* event) {
  // The window system shows the form: the expose event paints it there and then.
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    emit OnScreen();
  }
  return QDialog::eventFilter(watched, event);
}

void SplashForm::keyPressEvent(QKeyEvent* event) {
  // Enter plays (or exits) like a click on OkBtn; Esc closes with Cancel.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  auto* ok = static_cast<GlyphButton*>(widgets_.at(component::kOkBtn));
  if (enter && ok->isEnabled() && ok->isVisible()) {
    ok->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SplashForm::BuildComponents() {
  // Outermost first, so each component's parent exists when it is made; Product is
  // raised over its shadow.
  std::vector<std::pair<std::string, QWidget*>> pending{{kSplashFormName, this}};
  while (!pending.empty()) {
    auto [parentName, parentWidget] = pending.front();
    pending.erase(pending.begin());
    for (const std::string& name : State().Children(parentName)) {
      QWidget* widget = CreateWidget(name, parentWidget);
      widget->setObjectName(ToQString(name));
      widgets_[name] = widget;
      pending.emplace_back(name, widget);
    }
  }
  for (const auto& [name, widget] : widgets_) WatchGeometry(name, widget);
  widgets_.at(component::kProduct)->raise();
}

QWidget* SplashForm::CreateWidget(const std::string& name, QWidget* parent) {
  if (name == component::kPanel1 || name == component::kPanel2 || name == component::kPanel3 ||
      name == component::kPlayPanel) {
    auto* panel = new BevelPanel(parent);
    if (name == component::kPanel1) panel->SetBevel(BevelPanel::Bevel::Raised, kPanelBevel);
    if (name == component::kPanel2) panel->SetBevel(BevelPanel::Bevel::Lowered, 2);
    panel->SetFill(SystemQColor(15), name == component::kPanel1);
    return panel;
  }
  if (name == component::kMemo1) {
    QTextEdit* memo = NewSplashMemo(parent);
    WatchMemo(memo);
    return memo;
  }
  if (name == component::kWebBtn || name == component::kOrderBtn) {
    QToolButton* button = NewLinkButton(parent);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const std::string address =
        name == component::kWebBtn ? kProductWebSite : std::string(kProductWebSite) + kStorePage;
    connect(button, &QToolButton::clicked, this, [this, address] { OpenLink(address); });
    mirror_.Watch(name, [button](const ComponentState& c) {
      QFont font = ToQFont(c.Font);
      font.setUnderline(true);
      button->setFont(font);
      SetTextColour(*button, kLinkBlue);
      button->setText(ToQString(Shown(kSplashFormName, c.Caption)));
    });
    return button;
  }
  if (name == component::kOkBtn || name == component::kExitBtn) {
    auto* button = new GlyphButton(parent);
    button->setIconSize(QSize(kButtonGlyphSize, kButtonGlyphSize));
    if (name == component::kOkBtn) {
      connect(button, &QAbstractButton::clicked, this, &QDialog::accept);
      WatchOkButton(button);
    } else {
      button->setIcon(ExitGlyph());
    }
    return button;
  }
  if (name == component::kSaveResumeBox) {
    auto* box = new QCheckBox(parent);
    UiState& state = State();
    mirror_.Watch(name, [box](const ComponentState& c) {
      box->setText(ToQString(Shown(kSplashFormName, c.Caption)));
      box->setFont(ToQFont(c.Font));
      box->setChecked(c.Checked);
    });
    connect(box, &QCheckBox::toggled, this, [&state, name](bool on) {
      if (state.Get(name).Checked != on) state.SetChecked(name, on);
    });
    return box;
  }
  auto* label = new QLabel(parent);  // Product, ProductShad, Copyrite, GiftLab
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(name == component::kGiftLab);
  WatchLabel(name, label);
  return label;
}

void SplashForm::WatchGeometry(const std::string& name, QWidget* widget) {
  mirror_.Watch(name, [this, name, widget](const ComponentState& c) {
    PlaceComponent(name);
    widget->setEnabled(c.Enabled);
    widget->setVisible(c.Visible);
    const std::string hint = Shown(kSplashFormName, c.Hint);
    widget->setToolTip(ToQString(ShortHint(hint)));
    widget->setStatusTip(ToQString(LongHint(hint)));
    // Components anchored to the bottom of this one follow its height.
    for (const std::string& child : State().Children(name)) PlaceComponent(child);
  });
}

void SplashForm::WatchLabel(const std::string& name, QLabel* label) {
  mirror_.Watch(name, [label](const ComponentState& c) {
    label->setText(ToQString(Shown(kSplashFormName, c.Caption)));
    label->setFont(ToQFont(c.Font));
    if (!label->wordWrap()) ShrinkFontToWidth(*label, c.Width);
    SetTextColour(*label, ToQColor(c.Font.Color));
    label->setAlignment(ToQtAlignment(c.Alignment) | Qt::AlignVCenter);
  });
}

void SplashForm::WatchMemo(QTextEdit* memo) {
  mirror_.Watch(component::kMemo1, [memo](const ComponentState& c) { ShowSplashMemo(*memo, c); });
}

void SplashForm::WatchOkButton(GlyphButton* button) {
  const int designHeight = design_.Get(component::kOkBtn).Height;
  mirror_.Watch(component::kOkBtn, [this, button, designHeight](const ComponentState& c) {
    button->setText(ToQString(Shown(kSplashFormName, c.Caption)));
    button->setFont(ToQFont(c.Font));
    button->setIcon(okGlyph_);
    // At full height the glyph sits above the caption; shrunk to make room for the
    // check box, it sits to the right of it.
    const bool shrunk = c.Height < designHeight;
    button->SetGlyphPlace(shrunk ? GlyphButton::GlyphPlace::Right : GlyphButton::GlyphPlace::Above);
  });
}

void SplashForm::PlaceComponent(const std::string& name) {
  auto it = widgets_.find(name);
  if (it == widgets_.end()) return;
  const ComponentState& c = State().Get(name);
  it->second->setGeometry(c.Left, c.Top + BottomShift(name), c.Width, c.Height);
}

// Components of Panel1 below the memo keep their distance to the panel's bottom
// edge, so they move up when the panel is shortened.
int SplashForm::BottomShift(const std::string& name) {
  const ComponentState& designed = design_.Get(name);
  if (designed.Parent != component::kPanel1) return 0;
  const ComponentState& memo = design_.Get(component::kMemo1);
  if (designed.Top < memo.Top + memo.Height) return 0;
  return State().Get(component::kPanel1).Height - design_.Get(component::kPanel1).Height;
}

void SplashForm::OpenLink(const std::string& address) { OpenWebPage(address, host_); }

}  // namespace quill
