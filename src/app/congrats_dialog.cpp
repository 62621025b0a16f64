#include "app/congrats_dialog.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>

#include "app/bevel_panel.h"
#include "app/program_icon.h"
#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "app/skin_tile.h"

namespace quill {
namespace {

// The dialog's layout, in client pixels.
constexpr QSize kClientSize(392, 221);
constexpr QRect kHeadingBox(8, 8, 376, 42);  // the white copy; the navy one is 1 right, 1 down
constexpr int kHeadingPixels = 30;
constexpr QRect kPanel2Box(16, 64, 52, 52);
constexpr int kIconSize = 32;
constexpr QRect kStatusBox(84, 64, 292, 96);
constexpr QRect kOkBox(158, 182, 75, 25);

const QColor kHeadingLight(255, 255, 255);
const QColor kHeadingInk(0, 0, 128);   // navy
const QColor kPanel2Colour(159, 183, 199);

}  // namespace

CongratsDialog::CongratsDialog(const std::string& status, const Bitmap* skin, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      skin_(skin ? QPixmap::fromImage(ToQImage(*skin)) : QPixmap()) {
  setObjectName("CongratsDlg");
  setWindowTitle(tr("You solved it!"));
  setFixedSize(kClientSize);
  // The white copy first, so the navy heading lies over it and keeps a white edge
  // on its upper left.
  NewHeading("HeadingLight", kHeadingLight, kHeadingBox.topLeft());
  NewHeading("Heading", kHeadingInk, kHeadingBox.topLeft() + QPoint(1, 1));
  BuildIconPanel();
  BuildStatus(status);
  BuildOkButton();
}

QWidget* CongratsDialog::Component(const std::string& name) const {
  return findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
}

QLabel* CongratsDialog::NewHeading(const char* name, const QColor& colour, QPoint at) {
  auto* label = new QLabel(tr("Congratulations!"), this);
  label->setObjectName(name);
  QFont font("Times New Roman");
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(kHeadingPixels);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(QRect(at, kHeadingBox.size()));
  return label;
}

void CongratsDialog::BuildIconPanel() {
  auto* panel = new BevelPanel(this);
  panel->setObjectName("Panel2");
  panel->SetBevel(BevelPanel::Bevel::Lowered, 1);
  panel->SetFill(kPanel2Colour, false);
  panel->setGeometry(kPanel2Box);
  auto* icon = new QLabel(panel);
  icon->setObjectName("Image1");
  icon->setPixmap(ProgramIconPixmap(kIconSize));
  icon->setAlignment(Qt::AlignCenter);
  icon->setGeometry(panel->rect());
}

void CongratsDialog::BuildStatus(const std::string& status) {
  auto* label = new QLabel(ToQString(status), this);
  label->setObjectName("JigStatus");
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(kStatusBox);
}

void CongratsDialog::BuildOkButton() {
  okButton_ = new QPushButton("OK", this);
  okButton_->setObjectName("OKBtn");
  okButton_->setDefault(true);
  okButton_->setGeometry(kOkBox);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void CongratsDialog::paintEvent(QPaintEvent* event) {
  // Without a skin the dialog's own background (already filled) stays.
  QPainter painter(this);
  TileSkin(painter, skin_, event->rect());
}

void CongratsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  okButton_->setFocus();
}

void ShowCongratsDialog(QtHost& host, QWidget* parent, const std::string& status) {
  CongratsDialog dialog(status, host.SkinPicture(), parent);
  host.RunModal(dialog);
}

}  // namespace quill
