#include "app/tray_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "board/boxes.h"

namespace quill {
namespace {

// The dialog at the font size it was designed for, in client pixels: the prompt and
// the edit field 328 wide from (12, 12), the three buttons of 75 × 25 at the bottom
// right, 8 apart.
constexpr QSize kClientSize(352, 112);
constexpr QMargins kMargins(12, 12, 10, 15);
constexpr int kFieldWidth = 328;
constexpr int kPromptGap = 3;
constexpr int kButtonGap = 17;
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonSpacing = 8;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setMinimumSize(kButtonSize);
  return button;
}

}  // namespace

TrayDialog::TrayDialog(const std::string& description, const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("TrayDlg", tr("Tray Description"), skin, parent) {
  auto* prompt = new QLabel(tr("Enter a name or short description for tray:"), this);
  prompt->setObjectName("Label1");
  descrip_ = new QLineEdit(this);
  descrip_->setObjectName("Descrip");
  descrip_->setMaxLength(static_cast<int>(kMaxTrayDescription));
  descrip_->setText(ToQString(description));
  descrip_->setMinimumWidth(kFieldWidth);
  QPushButton* ok = NewButton(this, "OKBtn", tr("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* cancel = NewButton(this, "CancelBtn", tr("Cancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // This edition has no help system for the Help button to open.
  QPushButton* help = NewButton(this, "HelpBtn", tr("Help"));
  help->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(kButtonSpacing);
  buttons->addStretch(1);
  for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kMargins);
  column->setSpacing(0);
  column->addWidget(prompt);
  column->addSpacing(kPromptGap);
  column->addWidget(descrip_);
  column->addSpacing(kButtonGap);
  column->addStretch(1);
  column->addLayout(buttons);
  FixSizeToLayout(*this, kClientSize);
  ok->setFocus();
}

std::string TrayDialog::Description() const { return descrip_->text().toStdString(); }

void TrayDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FixTextColors(*this);
  descrip_->setFocus();
}

std::optional<std::string> AskTrayDescription(QtHost& host, QWidget* parent, const std::string& description) {
  TrayDialog dialog(description, host.SkinPicture(), parent);
  if (host.RunModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Description();
}

}  // namespace quill
