#include "app/about_box.h"

#include <QBoxLayout>
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

const char* const kAboutNoticeText = QT_TRANSLATE_NOOP(
    "quill::AboutBox", "Free gift edition - share it with your friends!\nAll pictures and sounds made for Quillmere Gift.");

namespace {

// The box at the font size it was designed for, in client pixels: Panel1 of 344 × 184
// eight pixels in, the OK button of 75 × 25 under it. Inside the panel the icon of
// 36 × 36 is at (12, 12); the name (40 high), the version and the notice start at
// x 58; the comment and the link span the panel from x 12, at y 120 and 158.
constexpr QSize kClientSize(360, 236);
constexpr QSize kPanelSize(344, 184);
constexpr QMargins kPanelMargins(12, 8, 10, 9);
constexpr int kIconSize = 32;
constexpr int kIconBox = 36;
constexpr int kIconGap = 10;
constexpr int kIconDrop = 4;
constexpr int kNameHeight = 40;
constexpr int kNamePixels = 33;
constexpr int kShadowShift = 2;
constexpr int kCommentGap = 9;
constexpr int kCommentWidth = 320;
constexpr int kCommentLines = 2;
constexpr QSize kOkSize(75, 25);

const QColor kNameRed(255, 0, 0);
const QColor kShadowGrey(128, 128, 128);
const QColor kLinkBlue(0, 0, 255);

QLabel* NewLabel(QWidget* parent, const char* name, const std::string& text) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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

// The product name in red over its grey shadow, which lies 2 pixels right and down.
class ShadowedName : public QWidget {
 public:
  explicit ShadowedName(QWidget* parent) : QWidget(parent) {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(kNamePixels);
    font.setBold(true);
    font.setItalic(true);
    // The shadow first, so the name lies over it.
    for (const auto& [name, colour] : {std::pair{"ProductShad", kShadowGrey}, {"ProductName", kNameRed}}) {
      QLabel* label = NewLabel(this, name, "Quillmere Gift");
      label->setFont(font);
      SetTextColour(*label, colour);
    }
    setMinimumHeight(kNameHeight);
  }
  QSize sizeHint() const override {
    return Name()->sizeHint() + QSize(kShadowShift, kShadowShift);
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    const QSize face = size() - QSize(kShadowShift, kShadowShift);
    Name()->setGeometry(QRect(QPoint(0, 0), face));
    findChild<QLabel*>("ProductShad")->setGeometry(QRect(QPoint(kShadowShift, kShadowShift), face));
  }

 private:
  QLabel* Name() const { return findChild<QLabel*>("ProductName"); }
};

}  // namespace

AboutBox::AboutBox(QtHost& host, QWidget* parent)
    : SkinnedDialog("AboutBox", tr("About Quillmere Gift"), host.SkinPicture(), parent), host_(host) {
  auto* panel = new BevelPanel(this);
  panel->setObjectName("Panel1");
  panel->SetBevel(BevelPanel::Bevel::Lowered, 1);
  panel->SetSeeThrough(true);  // the skin behind the dialog shows through
  panel->setMinimumSize(kPanelSize);
  auto* inPanel = new QVBoxLayout(panel);
  inPanel->setContentsMargins(kPanelMargins);
  inPanel->setSpacing(0);
  auto* top = new QHBoxLayout;
  top->setSpacing(kIconGap);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIconPixmap(kIconSize));
  icon->setFixedSize(kIconBox, kIconBox);
  // The icon sits a little lower than the name's box.
  auto* iconColumn = new QVBoxLayout;
  iconColumn->addSpacing(kIconDrop);
  iconColumn->addWidget(icon);
  iconColumn->addStretch(1);
  top->addLayout(iconColumn);
  top->addLayout(BuildNameAndVersion(panel), 1);
  inPanel->addLayout(top);
  inPanel->addSpacing(kCommentGap);
  inPanel->addStretch(1);
  QLabel* comment =
      NewLabel(panel, "Comment", tr("This is a free gift - not for retail sale or distribution.").toStdString());
  comment->setWordWrap(true);
  comment->setMinimumSize(kCommentWidth, kCommentLines * comment->fontMetrics().lineSpacing());
  inPanel->addWidget(comment);
  inPanel->addSpacing(4);
  inPanel->addWidget(BuildLink(panel));

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  ok->setMinimumSize(kOkSize);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 9);
  outer->setSpacing(10);
  outer->addWidget(panel, 1);
  outer->addWidget(ok, 0, Qt::AlignHCenter);
  FixSizeToLayout(*this, kClientSize);
}

// The name, then the version, then, half a line below it, the two-line notice.
QLayout* AboutBox::BuildNameAndVersion(QWidget* panel) {
  auto* column = new QVBoxLayout;
  column->setSpacing(0);
  column->addWidget(new ShadowedName(panel));
  column->addSpacing(4);
  QLabel* version = NewLabel(panel, "Version", VersionText(kProgramVersion));
  column->addWidget(version);
  column->addSpacing(version->sizeHint().height() / 2);
  column->addWidget(NewLabel(panel, "Copyright", tr(kAboutNoticeText).toStdString()));
  return column;
}

QWidget* AboutBox::BuildLink(QWidget* panel) {
  auto* link = new LinkLabel(ToQString(kProductWebSite), panel);
  link->setObjectName("WebLab");
  QFont font = link->font();
  font.setUnderline(true);
  link->setFont(font);
  SetTextColour(*link, kLinkBlue);
  link->setCursor(Qt::PointingHandCursor);
  link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  link->OnClick = [this] { OpenWebPage(kProductWebSite, host_); };
  return link;
}

void ShowAboutBox(QtHost& host, QWidget* parent) {
  AboutBox box(host, parent);
  host.RunModal(box);
}

}  // namespace quill
