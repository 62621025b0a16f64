// The windows that live for the whole run beside the main window and the splash:
// the picture overlay, the auto-solve speed dialog, the piece size dialog and the
// loupe. Created by the program entry after the splash form; the speed dialog is an
// empty window that its own module fills.
#pragma once
#include <QWidget>

#include "app/picture_views.h"
#include "app/piece_size_dialog.h"

namespace quill {

class AuxiliaryForms {
 public:
  // The windows belong to `owner` and are hidden; `mainForm` holds the items that
  // closing the picture window and the loupe untick.
  AuxiliaryForms(QWidget* owner, UiState& mainForm);

  TOverlayForm& OverlayForm() { return *overlay_; }
  QWidget& SolveDlg() { return *solveDlg_; }
  PieceSizeDialog& PieceSizeDlg() { return *pieceSizeDlg_; }
  TLoupeForm& LoupeForm() { return *loupe_; }

 private:
  TOverlayForm* overlay_;
  QWidget* solveDlg_;
  PieceSizeDialog* pieceSizeDlg_;
  TLoupeForm* loupe_;
};

}  // namespace quill
