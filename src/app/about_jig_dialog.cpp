#include "app/about_jig_dialog.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "app/qt_colours.h"
#include "app/qt_host.h"

namespace quill {
namespace {

// The dialog at the font size it was designed for, in client pixels: the Information
// group of 364 × 156 at (8, 6), captions from x 12 and values 282 wide from x 72 in
// rows of 17; the Description group of 364 × 192 below it with the memo of 344 × 162;
// the OK button of 75 × 25 centred under them.
constexpr QSize kClientSize(380, 404);
constexpr QMargins kMargins(8, 6, 8, 9);
constexpr QSize kInformationSize(364, 156);
constexpr QSize kDescriptionSize(364, 192);
constexpr QSize kMemoSize(344, 162);
constexpr int kValueWidth = 282;
constexpr int kCaptionGap = 6;
constexpr int kLineHeight = 17;
constexpr QSize kOkSize(75, 25);

// The rows of the Information group: caption (empty for a second line), value label,
// lines of height.
struct InformationRow {
  const char* Caption;
  const char* Value;
  int Lines;
};
constexpr InformationRow kInformationRows[] = {
    {QT_TRANSLATE_NOOP("quill::AboutJigDialog", "Title:"), "TitleName", 1},
    {QT_TRANSLATE_NOOP("quill::AboutJigDialog", "Creator:"), "CreatorName", 1},
    {QT_TRANSLATE_NOOP("quill::AboutJigDialog", "Info:"), "CreationStats", 1},
    {"", "PuzzleStats", 1},
    {QT_TRANSLATE_NOOP("quill::AboutJigDialog", "Status:"), "JigStatus", 3},
};

QLabel* NewLabel(QWidget* parent, const std::string& text) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

const std::string& ValueOf(const AboutDialogTexts& texts, std::string_view name) {
  if (name == "TitleName") return texts.TitleName;
  if (name == "CreatorName") return texts.CreatorName;
  if (name == "CreationStats") return texts.CreationStats;
  if (name == "PuzzleStats") return texts.PuzzleStats;
  return texts.JigStatus;
}

QAction* NewPopupItem(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setStatusTip(hint);
  return item;
}

}  // namespace

AboutJigDialog::AboutJigDialog(const AboutDialogTexts& texts, const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("AboutJigDlg", tr("About this jigsaw"), skin, parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kMargins);
  column->setSpacing(kCaptionGap);
  column->addWidget(BuildInformation(texts));
  column->addWidget(BuildDescription(texts), 1);
  BuildPopup();
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  ok->setMinimumSize(kOkSize);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  column->addSpacing(2);
  column->addWidget(ok, 0, Qt::AlignHCenter);
  FixSizeToLayout(*this, kClientSize);
}

QWidget* AboutJigDialog::BuildInformation(const AboutDialogTexts& texts) {
  auto* group = new QGroupBox(tr("Information"), this);
  group->setObjectName("GroupBox1");
  group->setMinimumSize(kInformationSize);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(kCaptionGap);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(1, 1);
  int row = 0;
  for (const InformationRow& line : kInformationRows) {
    if (*line.Caption) grid->addWidget(NewLabel(group, tr(line.Caption).toStdString()), row, 0);
    QLabel* value = NewLabel(group, ValueOf(texts, line.Value));
    value->setObjectName(line.Value);
    value->setWordWrap(line.Lines > 1);
    value->setMinimumSize(kValueWidth, line.Lines * std::max(kLineHeight, value->fontMetrics().height()));
    grid->addWidget(value, row, 1);
    ++row;
  }
  grid->setRowStretch(row, 1);
  return group;
}

QWidget* AboutJigDialog::BuildDescription(const AboutDialogTexts& texts) {
  auto* group = new QGroupBox(tr("Description"), this);
  group->setObjectName("GroupBox2");
  group->setMinimumSize(kDescriptionSize);
  memo_ = new QPlainTextEdit(group);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setMinimumSize(kMemoSize);
  if (texts.Memo) memo_->setPlainText(ToQString(*texts.Memo));
  auto* inGroup = new QVBoxLayout(group);
  inGroup->addWidget(memo_);
  return group;
}

// "&Copy" is offered only over a selection; "&Edit..." has nothing to do in this edition.
void AboutJigDialog::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("ABoutJigPopup");
  QAction* copy = NewPopupItem(popup_, "Copy1", tr("&Copy"), tr("Copy the selected text to the Windows clipboard"));
  NewPopupItem(popup_, "Edit1", tr("&Edit..."), tr("Edit the jigsaw description"));
  QAction* selectAll = NewPopupItem(popup_, "SelectAll1", tr("Select &All"), tr("Select all the description text"));
  connect(popup_, &QMenu::aboutToShow, this, [this, copy] { copy->setEnabled(memo_->textCursor().hasSelection()); });
  connect(copy, &QAction::triggered, memo_, &QPlainTextEdit::copy);
  connect(selectAll, &QAction::triggered, this, [this] {
    memo_->setFocus();
    memo_->selectAll();
  });
  memo_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(memo_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup_->popup(memo_->viewport()->mapToGlobal(at)); });
}

// Under a scheme whose window colour is not white the memo's text takes the
// scheme's window-text colour, so it stays readable on a dark background.
void AboutJigDialog::FollowSchemeInMemo() {
  const QPalette scheme = QApplication::palette();
  if (scheme.color(QPalette::Base) == QColor(Qt::white)) return;
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Text, scheme.color(QPalette::WindowText));
  memo_->setPalette(palette);
}

void AboutJigDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FixTextColors(*this);
  FollowSchemeInMemo();
}

void ShowAboutJigDialog(QtHost& host, QWidget* parent, const TPuzzleRecord& puzzle, const GiftTexts& gift) {
  AboutJigDialog dialog(AboutTexts(puzzle, gift), host.SkinPicture(), parent);
  host.RunModal(dialog);
}

}  // namespace quill
