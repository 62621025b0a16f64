#include "app/tray_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "board/boxes.h"

namespace quill {
namespace {

// The dialog's layout, in client pixels.
constexpr QSize kClientSize(352, 112);
constexpr QRect kPromptBox(12, 12, 328, 17);
constexpr QRect kDescripBox(12, 32, 328, 23);
constexpr QRect kOkBox(101, 72, 75, 25);
constexpr QRect kCancelBox(184, 72, 75, 25);
constexpr QRect kHelpBox(267, 72, 75, 25);

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const QRect& box) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(box);
  return button;
}

}  // namespace

TrayDialog::TrayDialog(const std::string& description, const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("TrayDlg", "Tray Description", skin, parent) {
  setFixedSize(kClientSize);
  auto* prompt = new QLabel("Enter a name or short description for tray:", this);
  prompt->setObjectName("Label1");
  prompt->setGeometry(kPromptBox);
  descrip_ = new QLineEdit(this);
  descrip_->setObjectName("Descrip");
  descrip_->setMaxLength(static_cast<int>(kMaxTrayDescription));
  descrip_->setText(ToQString(description));
  descrip_->setGeometry(kDescripBox);
  QPushButton* ok = NewButton(this, "OKBtn", "OK", kOkBox);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(NewButton(this, "CancelBtn", "Cancel", kCancelBox), &QPushButton::clicked, this, &QDialog::reject);
  // This edition has no help system for the Help button to open.
  NewButton(this, "HelpBtn", "Help", kHelpBox)->setEnabled(false);
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
