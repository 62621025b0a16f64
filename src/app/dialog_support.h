// What the program's small modal dialogs share: the gift's skin tiled behind them
// (their form hook), finding a component by its name, and FixTextColors, which makes
// texts set in plain black follow the system's colour scheme.
#pragma once
#include <QDialog>
#include <QPixmap>
#include <string>

#include "raster/bitmap.h"

namespace quill {

// A modal dialog of fixed size whose background shows the skin tiled from its
// top-left corner; without a skin the plain background stays.
class SkinnedDialog : public QDialog {
  Q_OBJECT
 public:
  // `skin` (may be null) is copied.
  SkinnedDialog(const char* name, const QString& caption, const Bitmap* skin, QWidget* parent);

  // The widget of a component by its component name, anywhere in the dialog; nullptr
  // when there is none.
  QWidget* Component(const std::string& name) const;
  // Replaces the skin (may be null: the plain background); for a dialog that lives
  // longer than one gift's skin.
  void SetSkin(const Bitmap* skin);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap skin_;
};

// Fixes the dialog's size to what its layout asks for, and at least `designSize`:
// at the font size the dialog was designed for it has its designed size, larger
// fonts make it larger, so no text is cut.
void FixSizeToLayout(QDialog& dialog, QSize designSize);

// Gives every label of `form` whose text colour is set to black the system's
// window-text colour, and every button or frame whose text colour is set to black
// the system's button-text colour. Texts with other colours keep them.
void FixTextColors(QWidget& form);

}  // namespace quill
