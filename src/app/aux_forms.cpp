#include "app/aux_forms.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

namespace quill {
namespace {

// Room a title bar takes beside its caption: the window's icon and buttons.
constexpr int kTitleBarButtons = 96;

// A window wide enough for its whole caption in the title bar.
int TitleBarWidth(const QString& caption) {
  return QFontMetrics(QApplication::font()).horizontalAdvance(caption) + kTitleBarButtons;
}

QWidget* NewToolWindow(QWidget* owner, const char* name, const char* caption, QSize size) {
  auto* window = new QWidget(owner, Qt::Tool);
  window->setObjectName(name);
  window->setWindowTitle(QCoreApplication::translate("SolveDialog", caption));
  window->resize(std::max(size.width(), TitleBarWidth(window->windowTitle())), size.height());
  window->hide();
  return window;
}

}  // namespace

AuxiliaryForms::AuxiliaryForms(QWidget* owner, UiState& mainForm)
    : overlay_(new TOverlayForm(mainForm, owner)),
      solveDlg_(NewToolWindow(owner, "SolveDlg", QT_TRANSLATE_NOOP("SolveDialog", "Set speed"), {153, 70})),
      pieceSizeDlg_(new PieceSizeDialog(owner)),
      loupe_(new TLoupeForm(mainForm, owner)) {}

}  // namespace quill
