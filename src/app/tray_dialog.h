// The tray description dialog (TTrayDlg), run by the tray pop-ups' "&Tray
// Description..." items: an edit field Descrip of at most 128 characters under its
// prompt, OK, Cancel and Help, the skin tiled behind.
#pragma once
#include <optional>
#include <string>

#include "app/dialog_support.h"

class QLineEdit;
class QPushButton;

namespace quill {

class QtHost;

class TrayDialog : public SkinnedDialog {
  Q_OBJECT
 public:
  // `description` fills the edit field.
  TrayDialog(const std::string& description, const Bitmap* skin, QWidget* parent = nullptr);

  // The edit field's text.
  std::string Description() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* descrip_ = nullptr;
};

// Shows the dialog modally through the host, filled with `description`; the edited
// text when it closes with OK, nothing when it is cancelled.
std::optional<std::string> AskTrayDescription(QtHost& host, QWidget* parent, const std::string& description);

}  // namespace quill
