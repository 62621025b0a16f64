#include "app/aux_forms.h"

namespace quill {
namespace {

QWidget* NewToolWindow(QWidget* owner, const char* name, const char* caption, QSize size) {
  auto* window = new QWidget(owner, Qt::Tool);
  window->setObjectName(name);
  window->setWindowTitle(caption);
  window->resize(size);
  window->hide();
  return window;
}

}  // namespace

AuxiliaryForms::AuxiliaryForms(QWidget* owner, UiState& mainForm)
    : overlay_(new TOverlayForm(mainForm, owner)),
      solveDlg_(NewToolWindow(owner, "SolveDlg", "Set speed", {153, 70})),
      pieceSizeDlg_(new PieceSizeDialog(owner)),
      loupe_(new TLoupeForm(mainForm, owner)) {}

}  // namespace quill
