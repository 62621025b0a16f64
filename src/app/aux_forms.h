// The windows that live for the whole run beside the main window and the splash:
// the picture overlay, the auto-solve speed dialog, the piece size dialog and the
// loupe. Created by the program entry after the splash form; the overlay, speed
// dialog and loupe are empty windows that their own modules fill later.
#pragma once
#include <QWidget>

#include "app/piece_size_dialog.h"

namespace quill {

class AuxiliaryForms {
 public:
  // The windows belong to `owner` and are hidden.
  explicit AuxiliaryForms(QWidget* owner);

  QWidget& OverlayForm() { return *overlay_; }
  QWidget& SolveDlg() { return *solveDlg_; }
  PieceSizeDialog& PieceSizeDlg() { return *pieceSizeDlg_; }
  QWidget& LoupeForm() { return *loupe_; }

 private:
  QWidget* overlay_;
  QWidget* solveDlg_;
  PieceSizeDialog* pieceSizeDlg_;
  QWidget* loupe_;
};

}  // namespace quill
