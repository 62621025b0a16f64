#include "app/quick_help_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "app/qt_host.h"

namespace quill {
namespace {

// The dialog at the font size it was designed for, in client pixels: the scroll box
// of 428 × 522 over a row of 45 that holds the OK button 10 pixels down.
constexpr QSize kClientSize(428, 567);
constexpr QSize kScrollBoxSize(428, 522);
constexpr int kButtonRowHeight = 45;
constexpr int kButtonTop = 10;
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonPadding = 12;  // each side of a button's caption
// Room kept between the dialog and the screen's edges when it grows with its rows.
constexpr int kScreenMargin = 60;

// One row: the action on the left, its effect on the right.
struct HelpRow {
  const char* Action;
  const char* Effect;
};

constexpr HelpRow kPieceRows[] = {
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Move piece")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Piece popup menu")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Shift+left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Fetch neighbor")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Shift+right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Show neighbor")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Rotate piece left")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Rotate piece right")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+Shift+left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Solve this piece")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+Shift+right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Show piece solution")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Scroll wheel click"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Hold piece")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Scroll wheel rotate"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Rotate piece")},
};
constexpr HelpRow kBackgroundRows[] = {
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Drag band to select pieces")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Board popup menu")},
};
constexpr HelpRow kGhostRows[] = {
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Left mouse (hold 3 seconds)"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Move ghost around")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+Shift+left mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Fetch piece to ghost")},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ctrl+Shift+right mouse"),
     QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Find piece to fit ghost")},
};
constexpr HelpRow kKeyboardRows[] = {
    {"F1", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Help")},
    {"F2", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Zoom picture")},
    {"F3", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Picture window")},
    {"F4", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Loupe window")},
    {"F5", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Ghost background")},
    {"F8", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Advanced options")},
    {"Ctrl+S", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Save game")},
    {"Ctrl+F1", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Hint!")},
    {"Ctrl+Z", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Undo")},
    {"Ctrl+shift+Z", QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Redo")},
};

// A group of rows; the keyboard keys come in two columns of rows, F1 to F8 on the
// left and the Ctrl keys on the right.
struct HelpGroup {
  const char* Title;
  std::span<const HelpRow> Rows;
  int RowsPerColumn;
};
const HelpGroup kGroups[] = {
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Mouse click over a piece:"), kPieceRows, std::size(kPieceRows)},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Mouse click over background:"), kBackgroundRows,
     std::size(kBackgroundRows)},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Mouse click over ghost:"), kGhostRows, std::size(kGhostRows)},
    {QT_TRANSLATE_NOOP("quill::QuickHelpDialog", "Keyboard:"), kKeyboardRows, 6},
};

QGroupBox* NewGroup(const HelpGroup& group, QWidget* parent) {
  auto* box = new QGroupBox(QuickHelpDialog::tr(group.Title), parent);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(2);
  for (size_t i = 0; i < group.Rows.size(); ++i) {
    const int row = static_cast<int>(i) % group.RowsPerColumn;
    const int column = 2 * (static_cast<int>(i) / group.RowsPerColumn);
    grid->addWidget(new QLabel(QuickHelpDialog::tr(group.Rows[i].Action), box), row, column);
    grid->addWidget(new QLabel(QuickHelpDialog::tr(group.Rows[i].Effect), box), row, column + 1);
  }
  return box;
}

// A button of the designed size, wider when its caption (in a longer language or a
// larger font) needs more room.
QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  const int captionWidth = button->fontMetrics().horizontalAdvance(caption) + 2 * kButtonPadding;
  button->resize(std::max(kButtonSize.width(), captionWidth), kButtonSize.height());
  return button;
}

}  // namespace

QuickHelpDialog::QuickHelpDialog(const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("QuickHelpDlg", tr("Quick help - shortcuts"), skin, parent) {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox1");
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The groups lie over the skin.
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(BuildGroups());
  scroll->widget()->setAutoFillBackground(false);
  scroll->setMinimumSize(ScrollBoxSize(*scroll));
  auto* buttonRow = new QWidget(this);
  buttonRow->setObjectName("ButtonRow");
  buttonRow->setFixedHeight(kButtonRowHeight);
  ok_ = NewButton(buttonRow, "OKBtn", tr("OK"));
  ok_->setDefault(true);
  ok_->move(0, kButtonTop);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  // This edition has no help system for "More..." to open.
  NewButton(buttonRow, "MoreBtn", tr("More..."))->hide();
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(scroll, 1);
  column->addWidget(buttonRow);
  FixSizeToLayout(*this, kClientSize);
  FixTextColors(*this);
}

// Wide enough for every column of rows beside the scroll bar; as high as the rows
// when the screen has room, else the rows scroll. Never below the designed size.
QSize QuickHelpDialog::ScrollBoxSize(const QScrollArea& scroll) {
  const QSize rows = scroll.widget()->sizeHint();
  int height = rows.height();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    height = std::min(height, screen->availableGeometry().height() - kButtonRowHeight - kScreenMargin);
  return QSize(rows.width() + scroll.verticalScrollBar()->sizeHint().width(), height).expandedTo(kScrollBoxSize);
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
  const QPoint groupCentre = firstGroup_->mapTo(this, QPoint(firstGroup_->width() / 2, 0));
  const int centre = ok_->parentWidget()->mapFrom(this, groupCentre).x();
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
