#include "app/about_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

#include "app/bevel_panel.h"
#include "app/program_icon.h"
#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "app/web_site.h"
#include "common/util.h"

namespace quill {

const char* const kAboutNoticeText =
    "Free gift edition - share it with your friends!\nAll pictures and sounds made for Quillmere Gift.";

namespace {

// The box's layout, in client pixels; the labels' boxes are inside Panel1.
constexpr QSize kClientSize(360, 236);
constexpr QRect kPanelBox(8, 8, 344, 184);
constexpr QRect kIconBox(12, 12, 36, 36);
constexpr int kIconSize = 32;
constexpr QRect kNameBox(58, 8, 276, 40);  // the shadow lies 2 right, 2 down
constexpr int kNamePixels = 33;
constexpr QRect kVersionBox(58, 52, 276, 17);
constexpr int kCopyrightLines = 2;
constexpr QRect kCommentBox(12, 120, 320, 34);
constexpr QRect kWebLabBox(12, 158, 320, 17);
constexpr QRect kOkBox(142, 202, 75, 25);

const QColor kNameRed(255, 0, 0);
const QColor kShadowGrey(128, 128, 128);
const QColor kLinkBlue(0, 0, 255);

QLabel* NewLabel(QWidget* parent, const char* name, const std::string& text, const QRect& box) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(box);
  return label;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

// A label that runs `OnClick` when clicked with the left button.
class LinkLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
  }
};

}  // namespace

AboutBox::AboutBox(QtHost& host, QWidget* parent)
    : SkinnedDialog("AboutBox", "About Quillmere Gift", host.SkinPicture(), parent), host_(host) {
  setFixedSize(kClientSize);
  auto* panel = new BevelPanel(this);
  panel->setObjectName("Panel1");
  panel->SetBevel(BevelPanel::Bevel::Lowered, 1);
  panel->SetSeeThrough(true);  // the skin behind the dialog shows through
  panel->setGeometry(kPanelBox);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIconPixmap(kIconSize));
  icon->setGeometry(kIconBox);
  BuildNameAndVersion(panel);
  NewLabel(panel, "Comment", "This is a free gift - not for retail sale or distribution.", kCommentBox)
      ->setWordWrap(true);
  BuildLink(panel);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  ok->setGeometry(kOkBox);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::BuildNameAndVersion(QWidget* panel) {
  QFont font("Times New Roman");
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(kNamePixels);
  font.setBold(true);
  font.setItalic(true);
  // The grey shadow first, so the red name lies over it.
  for (const auto& [name, colour, shift] : {std::tuple{"ProductShad", kShadowGrey, 2}, {"ProductName", kNameRed, 0}}) {
    QLabel* label = NewLabel(panel, name, "Quillmere Gift", kNameBox.translated(shift, shift));
    label->setFont(font);
    SetTextColour(*label, colour);
  }
  QLabel* version = NewLabel(panel, "Version", VersionText(kProgramVersion), kVersionBox);
  // The notice begins half a line below the version.
  const int top = version->y() + 3 * version->height() / 2;
  NewLabel(panel, "Copyright", kAboutNoticeText,
           QRect(version->x(), top, version->width(), kCopyrightLines * version->height()));
}

void AboutBox::BuildLink(QWidget* panel) {
  auto* link = new LinkLabel(ToQString(kProductWebSite), panel);
  link->setObjectName("WebLab");
  link->setGeometry(kWebLabBox);
  QFont font = link->font();
  font.setUnderline(true);
  link->setFont(font);
  SetTextColour(*link, kLinkBlue);
  link->setCursor(Qt::PointingHandCursor);
  link->OnClick = [this] { OpenWebPage(kProductWebSite, host_); };
}

void ShowAboutBox(QtHost& host, QWidget* parent) {
  AboutBox box(host, parent);
  host.RunModal(box);
}

}  // namespace quill
