#include "app/about_jig_dialog.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/qt_colours.h"
#include "app/qt_host.h"

namespace quill {
namespace {

// The dialog's layout, in client pixels; the labels' boxes are inside their group.
constexpr QSize kClientSize(380, 404);
constexpr QRect kInformationBox(8, 6, 364, 156);
constexpr int kCaptionLeft = 12;
constexpr int kValueLeft = 72;
constexpr int kValueWidth = 282;
constexpr int kLineHeight = 17;
constexpr QRect kDescriptionBox(8, 168, 364, 192);
constexpr QRect kMemoBox(10, 20, 344, 162);
constexpr QRect kOkBox(152, 370, 75, 25);

// The rows of the Information group: caption (empty for a second line), value label,
// top, lines of height.
struct InformationRow {
  const char* Caption;
  const char* Value;
  int Top;
  int Lines;
};
constexpr InformationRow kInformationRows[] = {
    {"Title:", "TitleName", 20, 1},     {"Creator:", "CreatorName", 40, 1}, {"Info:", "CreationStats", 60, 1},
    {"", "PuzzleStats", 78, 1},         {"Status:", "JigStatus", 100, 3},
};

QLabel* NewLabel(QWidget* parent, const std::string& text, const QRect& box) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(box);
  return label;
}

const std::string& ValueOf(const AboutDialogTexts& texts, std::string_view name) {
  if (name == "TitleName") return texts.TitleName;
  if (name == "CreatorName") return texts.CreatorName;
  if (name == "CreationStats") return texts.CreationStats;
  if (name == "PuzzleStats") return texts.PuzzleStats;
  return texts.JigStatus;
}

QAction* NewPopupItem(QMenu* menu, const char* name, const char* caption, const char* hint) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setStatusTip(hint);
  return item;
}

}  // namespace

AboutJigDialog::AboutJigDialog(const AboutDialogTexts& texts, const Bitmap* skin, QWidget* parent)
    : SkinnedDialog("AboutJigDlg", "About this jigsaw", skin, parent) {
  setFixedSize(kClientSize);
  BuildInformation(texts);
  BuildDescription(texts);
  BuildPopup();
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  ok->setGeometry(kOkBox);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutJigDialog::BuildInformation(const AboutDialogTexts& texts) {
  auto* group = new QGroupBox("Information", this);
  group->setObjectName("GroupBox1");
  group->setGeometry(kInformationBox);
  for (const InformationRow& row : kInformationRows) {
    const int height = row.Lines * kLineHeight;
    if (*row.Caption) NewLabel(group, row.Caption, QRect(kCaptionLeft, row.Top, kValueLeft - kCaptionLeft, height));
    QLabel* value = NewLabel(group, ValueOf(texts, row.Value), QRect(kValueLeft, row.Top, kValueWidth, height));
    value->setObjectName(row.Value);
    value->setWordWrap(row.Lines > 1);
  }
}

void AboutJigDialog::BuildDescription(const AboutDialogTexts& texts) {
  auto* group = new QGroupBox("Description", this);
  group->setObjectName("GroupBox2");
  group->setGeometry(kDescriptionBox);
  memo_ = new QPlainTextEdit(group);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setGeometry(kMemoBox);
  if (texts.Memo) memo_->setPlainText(ToQString(*texts.Memo));
}

// "&Copy" is offered only over a selection; "&Edit..." has nothing to do in this edition.
void AboutJigDialog::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("ABoutJigPopup");
  QAction* copy = NewPopupItem(popup_, "Copy1", "&Copy", "Copy the selected text to the Windows clipboard");
  NewPopupItem(popup_, "Edit1", "&Edit...", "Edit the jigsaw description");
  QAction* selectAll = NewPopupItem(popup_, "SelectAll1", "Select &All", "Select all the description text");
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

void ShowAboutJigDialog(QtHost& host, QWidget* parent, const TPuzzleRecord& puzzle) {
  AboutJigDialog dialog(AboutTexts(puzzle), host.SkinPicture(), parent);
  host.RunModal(dialog);
}

}  // namespace quill
