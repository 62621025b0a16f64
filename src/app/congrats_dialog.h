// The congratulation dialog (TCongratsDlg), shown modally when the last piece joins:
// the heading "Congratulations!" with a white edge, the program icon in Panel2, the
// game's congratulation text in JigStatus and an OK button; the skin, when the gift
// has one, tiled behind it all.
#pragma once
#include <QDialog>
#include <QPixmap>
#include <string>

#include "raster/bitmap.h"

class QLabel;
class QPushButton;

namespace quill {

class QtHost;

class CongratsDialog : public QDialog {
  Q_OBJECT
 public:
  // `status` is the text for JigStatus; `skin` (may be null) is copied.
  CongratsDialog(const std::string& status, const Bitmap* skin, QWidget* parent = nullptr);

  // The widget of a component by its name (JigStatus, Panel2, OKBtn, Heading,
  // HeadingLight), for tests; nullptr for other names.
  QWidget* Component(const std::string& name) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* NewHeading(const char* name, const QColor& colour, QPoint at);
  void BuildIconPanel();
  void BuildStatus(const std::string& status);
  void BuildOkButton();

  QPixmap skin_;
  QPushButton* okButton_ = nullptr;
};

// Shows the congratulation dialog for `status` over `parent`, modally through the
// host (so a quiet host shows nothing), with the host's skin; frees it after.
void ShowCongratsDialog(QtHost& host, QWidget* parent, const std::string& status);

}  // namespace quill
