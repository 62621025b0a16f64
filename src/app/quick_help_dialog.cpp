#include "app/quick_help_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <span>

#include "app/qt_host.h"

namespace quill {
namespace {

// The dialog's layout, in client pixels.
constexpr QSize kClientSize(428, 567);
constexpr QRect kScrollBox(0, 0, 428, 522);
constexpr int kButtonTop = 532;
constexpr QSize kButtonSize(75, 25);

// One row: the action on the left, its effect on the right.
struct HelpRow {
  const char* Action;
  const char* Effect;
};

constexpr HelpRow kPieceRows[] = {
    {"Left mouse", "Move piece"},
    {"Right mouse", "Piece popup menu"},
    {"Shift+left mouse", "Fetch neighbor"},
    {"Shift+right mouse", "Show neighbor"},
    {"Ctrl+left mouse", "Rotate piece left"},
    {"Ctrl+right mouse", "Rotate piece right"},
    {"Ctrl+Shift+left mouse", "Solve this piece"},
    {"Ctrl+Shift+right mouse", "Show piece solution"},
    {"Scroll wheel click", "Hold piece"},
    {"Scroll wheel rotate", "Rotate piece"},
};
constexpr HelpRow kBackgroundRows[] = {
    {"Left mouse", "Drag band to select pieces"},
    {"Right mouse", "Board popup menu"},
};
constexpr HelpRow kGhostRows[] = {
    {"Left mouse (hold 3 seconds)", "Move ghost around"},
    {"Ctrl+Shift+left mouse", "Fetch piece to ghost"},
    {"Ctrl+Shift+right mouse", "Find piece to fit ghost"},
};
constexpr HelpRow kKeyboardRows[] = {
    {"F1", "Help"},           {"F2", "Zoom picture"},    {"F3", "Picture window"}, {"F4", "Loupe window"},
    {"F5", "Ghost background"}, {"F8", "Advanced options"}, {"Ctrl+S", "Save game"},  {"Ctrl+F1", "Hint!"},
    {"Ctrl+Z", "Undo"},       {"Ctrl+shift+Z", "Redo"},
};

// A group of rows; the keyboard keys come in two columns of rows, F1 to F8 on the
// left and the Ctrl keys on the right.
struct HelpGroup {
  const char* Title;
  std::span<const HelpRow> Rows;
  int RowsPerColumn;
};
const HelpGroup kGroups[] = {
    {"Mouse click over a piece:", kPieceRows, std::size(kPieceRows)},
    {"Mouse click over background:", kBackgroundRows, std::size(kBackgroundRows)},
    {"Mouse click over ghost:", kGhostRows, std::size(kGhostRows)},
    {"Keyboard:", kKeyboardRows, 6},
};

QGroupBox* NewGroup(const HelpGroup& group, QWidget* parent) {
  auto* box = new QGroupBox(group.Title, parent);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(2);
  for (size_t i = 0; i < group.Rows.size(); ++i) {
    const int row = static_cast<int>(i) % group.RowsPerColumn;
    const int column = 2 * (static_cast<int>(i) / group.RowsPerColumn);
    grid->addWidget(new QLabel(group.Rows[i].Action, box), row, column);
    grid->addWidget(new QLabel(group.Rows[i].Effect, box), row, column + 1);
  }
  return box;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->resize(kButtonSize);
  return button;
}

}  // namespace

QuickHelpDialog::QuickHelpDialog(const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("QuickHelpDlg", "Quick help - shortcuts", skin, parent) {
  setFixedSize(kClientSize);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox1");
  scroll->setGeometry(kScrollBox);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The groups lie over the skin.
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(BuildGroups());
  scroll->widget()->setAutoFillBackground(false);
  ok_ = NewButton(this, "OKBtn", "OK");
  ok_->setDefault(true);
  ok_->move(0, kButtonTop);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  // This edition has no help system for "More..." to open.
  NewButton(this, "MoreBtn", "More...")->hide();
  FixTextColors(*this);
}

QWidget* QuickHelpDialog::BuildGroups() {
  auto* content = new QWidget;
  content->setObjectName("Groups");
  auto* column = new QVBoxLayout(content);
  for (const HelpGroup& group : kGroups) {
    QGroupBox* box = NewGroup(group, content);
    if (!firstGroup_) firstGroup_ = box;
    column->addWidget(box);
  }
  column->addStretch();
  return content;
}

void QuickHelpDialog::CentreOkUnderFirstGroup() {
  const int centre = firstGroup_->mapTo(this, QPoint(firstGroup_->width() / 2, 0)).x();
  ok_->move(centre - ok_->width() / 2, kButtonTop);
}

void QuickHelpDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The groups have their widths once the scroll box is laid out.
  CentreOkUnderFirstGroup();
}

void ShowQuickHelpDialog(QtHost& host, QWidget* parent) {
  QuickHelpDialog dialog(host.SkinPicture(), parent);
  host.RunModal(dialog);
}

}  // namespace quill
