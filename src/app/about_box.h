// The about box (TAboutBox), run by "&About...": the program icon, the product name
// with its shadow, the version, the two-line notice, the gift comment and a link to
// the product web site on a skinned panel, and an OK button.
#pragma once
#include "app/dialog_support.h"

class QLayout;

namespace quill {

class QtHost;

class AboutBox : public SkinnedDialog {
  Q_OBJECT
 public:
  // A click on the link WebLab opens the web site through `host`.
  explicit AboutBox(QtHost& host, QWidget* parent = nullptr);

 private:
  QLayout* BuildNameAndVersion(QWidget* panel);
  QWidget* BuildLink(QWidget* panel);

  QtHost& host_;
};

// The program's notice text as the about box shows it, in two lines.
extern const char* const kAboutNoticeText;

// Shows the about box modally through the host; frees it after.
void ShowAboutBox(QtHost& host, QWidget* parent);

}  // namespace quill
