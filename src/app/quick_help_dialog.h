// The quick help dialog (TQuickHelpDlg), run by "&Quick Help!" and its tool button:
// four groups of two-column rows, each a mouse action or key beside what it does, in
// a scroll box over an OK button; the skin tiled behind.
#pragma once
#include "app/dialog_support.h"

class QPushButton;
class QScrollArea;

namespace quill {

class QtHost;

class QuickHelpDialog : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit QuickHelpDialog(const Bitmap* skin, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildGroups();
  static QSize ScrollBoxSize(const QScrollArea& scroll);
  void CentreOkUnderFirstGroup();

  QWidget* firstGroup_ = nullptr;
  QPushButton* ok_ = nullptr;
};

// Shows the dialog modally through the host; frees it after, also when showing fails.
void ShowQuickHelpDialog(QtHost& host, QWidget* parent);

}  // namespace quill
