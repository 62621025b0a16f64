#include "app/piece_size_dialog.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/bevel_panel.h"
#include "app/indicator_lamp.h"
#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "app/state_mirror.h"
#include "pieces/lattice.h"
#include "pieces/shape_preview.h"
#include "raster/canvas.h"

namespace quill {

// The paint box PaintBox1: the preview drawn into a bitmap of the box's size.
class ShapePreviewBox : public QWidget {
 public:
  ShapePreviewBox(QSize size, QWidget* parent) : QWidget(parent), bitmap_(size.width(), size.height()) {
    setObjectName("PaintBox1");
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  Bitmap& Pixels() { return bitmap_; }
  // Fills the box with the colour of its panel.
  void Clear() {
    Canvas canvas(bitmap_);
    canvas.Brush().Color = FromQColor(SystemQColor(15));
    canvas.FillRect(bitmap_.Bounds());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, ToQImage(bitmap_));
  }

 private:
  Bitmap bitmap_;
};

namespace {

// The dialog's layout at the font size it was designed for, in client pixels.
constexpr QSize kClientSize(508, 236);
constexpr int kMargin = 8;
constexpr QSize kPaintBoxSize(170, 170);
constexpr int kScrollBarWidth = 140;
constexpr int kGlyphCell = 14;  // the cell of the style buttons' pictures
constexpr QSize kGlyphSize(24, 24);

struct StyleButton {
  const char* Button;
  const char* Lamp;
  const char* Hint;
};
// Styles 1 to kMixStyle in order.
constexpr StyleButton kStyleButtons[] = {
    {"BtnClassic", "LEDClassic",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Classic|The traditional jigsaw piece style")},
    {"BtnBlip", "LEDBlip",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Blip|Straight edges and round tabs")},
    {"BtnSquare", "LEDSquare",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Squares|Straight edges and no tabs")},
    {"BtnStar", "LEDStar",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Stars|Straight edges and pointed tabs")},
    {"BtnRound", "LEDRound",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Bubbles|Curved edges and no tabs")},
    {"BtnMix", "LEDMix",
     QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Mixture|A random mixture of all the different styles")},
};
static_assert(std::size(kStyleButtons) == kMixStyle, "one button for each piece style");

}  // namespace

std::string PieceStyleName(int style) {
  return ShortHint(Shown("quill::PieceSizeDialog", kStyleButtons[std::clamp(style, 1, kMixStyle) - 1].Hint));
}

std::string PieceStyleHint(int style) {
  return LongHint(Shown("quill::PieceSizeDialog", kStyleButtons[std::clamp(style, 1, kMixStyle) - 1].Hint));
}

namespace {

void SetHint(QWidget& widget, const std::string& hint) {
  const std::string shown = Shown("quill::PieceSizeDialog", hint);
  widget.setToolTip(ToQString(ShortHint(shown)));
  widget.setStatusTip(ToQString(LongHint(shown)));
}

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  if (name != nullptr) label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The picture of a style's button: the style's preview piece, small, on a clear
// background.
QIcon StyleGlyph(int style) {
  Bitmap bitmap(kGlyphSize.width(), kGlyphSize.height());
  bitmap.Fill(0xFF);
  Canvas canvas(bitmap);
  canvas.Brush().Color = kWhite;
  DrawPreviewPiece(canvas, kGlyphCell, kGlyphCell, style, 0);
  QImage image = ToQImage(bitmap).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == Qt::white) image.setPixelColor(x, y, Qt::transparent);
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace

PieceSizeDialog::PieceSizeDialog(QWidget* parent)
    : SkinnedDialog("PieceSizeDlg", tr("Set Piece Size and Shape"), nullptr, parent) {
  auto* columns = new QHBoxLayout;
  auto* controls = new QVBoxLayout;
  controls->addWidget(BuildScrollBars());
  controls->addWidget(BuildStyleButtons());
  controls->addStretch();
  columns->addLayout(controls, 1);
  columns->addWidget(BuildPreview(), 0, Qt::AlignTop);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  outer->addLayout(columns, 1);
  outer->addLayout(BuildButtonRow());
  FixSizeToLayout(*this, kClientSize);
}

// Each scroll bar lies on a panel of its own between its caption and its value.
QWidget* PieceSizeDialog::BuildScrollBars() {
  auto* holder = new QWidget(this);
  auto* grid = new QGridLayout(holder);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  struct Row {
    const char* Panel;
    const char* Bar;
    const char* Caption;
    const char* ValueLabel;
    const char* Hint;
    int Min, Max, Position, Small, Large;
    QScrollBar*& Made;
    QLabel*& Value;
  };
  const Row rows[] = {
      {"PanelScale", "ScrollBarScale", QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Size:"), "LabelScale",
       QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "|Set the size of pieces"), 10, 300, 100, 10, 20, scrollBarScale_,
       labelScale_},
      {"PanelOdd", "ScrollBarOdd", QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Oddness:"), "LabelOdd",
       QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "|Set the amount of shape irregularity"), 0, 10, 0, 1, 1,
       scrollBarOdd_, labelOdd_},
      {"PanelCust", "ScrollBarCust", QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Fun pieces:"), "LabelCust", "", 0,
       10, 0, 1, 1, scrollBarCust_, labelCust_},
  };

  int r = 0;
  for (const Row& row : rows) {
    grid->addWidget(NewLabel(nullptr, tr(row.Caption), holder), r, 0);
    auto* panel = new BevelPanel(holder);
    panel->setObjectName(row.Panel);
    panel->SetBevel(BevelPanel::Bevel::None, 0);
    panel->SetSeeThrough(true);
    SetHint(*panel, row.Hint);
    auto* bar = new QScrollBar(Qt::Horizontal, panel);
    bar->setObjectName(row.Bar);
    bar->setRange(row.Min, row.Max);
    bar->setValue(row.Position);
    bar->setSingleStep(row.Small);
    bar->setPageStep(row.Large);
    // Right, Page Up and the wheel rolled away make the value larger.
    bar->setInvertedControls(false);
    bar->setMinimumWidth(kScrollBarWidth);
    auto* inPanel = new QHBoxLayout(panel);
    inPanel->setContentsMargins(0, 2, 0, 2);
    inPanel->addWidget(bar);
    grid->addWidget(panel, r, 1);
    row.Made = bar;
    row.Value = NewLabel(row.ValueLabel, "", holder);
    // Room for the widest value, so the bars keep still while the numbers change.
    row.Value->setMinimumWidth(row.Value->fontMetrics().horizontalAdvance("300%"));
    grid->addWidget(row.Value, r, 2);
    connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollBarScaleChange(); });
    ++r;
  }
  SetHint(*scrollBarCust_,
          QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "|Set the percentage of custom pieces in jigsaw"));
  grid->setColumnStretch(1, 1);
  // The size is what the keyboard changes first.
  scrollBarScale_->setFocus();
  return holder;
}

QWidget* PieceSizeDialog::BuildStyleButtons() {
  auto* holder = new QWidget(this);
  auto* grid = new QGridLayout(holder);
  grid->setContentsMargins(0, 6, 0, 0);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  for (int i = 0; i < kMixStyle; ++i) {
    const StyleButton& style = kStyleButtons[i];
    auto* lamp = new IndicatorLamp(holder);
    lamp->setObjectName(style.Lamp);
    lamps_[static_cast<size_t>(i)] = lamp;
    auto* button = new QToolButton(holder);
    button->setObjectName(style.Button);
    button->setAutoRaise(true);  // flat until the pointer is over it
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(StyleGlyph(i + 1));
    button->setIconSize(kGlyphSize);
    button->setText(ToQString(ShortHint(Shown("quill::PieceSizeDialog", style.Hint))));
    SetHint(*button, style.Hint);
    styleButtons_[static_cast<size_t>(i)] = button;
    connect(button, &QToolButton::clicked, this, [this, i] { BtnPieceClick(i + 1); });
    const int row = i / 3, column = 2 * (i % 3);
    grid->addWidget(lamp, row, column, Qt::AlignCenter);
    grid->addWidget(button, row, column + 1);
  }
  return holder;
}

QWidget* PieceSizeDialog::BuildPreview() {
  auto* panel = new BevelPanel(this);
  panel->setObjectName("PanelPreview");
  panel->SetBevel(BevelPanel::Bevel::Lowered, 1);
  auto* inPanel = new QVBoxLayout(panel);
  inPanel->setContentsMargins(1, 1, 1, 1);
  paintBox_ = new ShapePreviewBox(kPaintBoxSize, panel);
  paintBox_->Clear();
  inPanel->addWidget(paintBox_);
  return panel;
}

QLayout* PieceSizeDialog::BuildButtonRow() {
  auto* row = new QHBoxLayout;
  auto* apply = new QToolButton(this);
  apply->setObjectName("ApplyBtn");
  apply->setText(tr("Apply"));
  apply->setFocusPolicy(Qt::NoFocus);
  apply->setMinimumWidth(75);
  SetHint(*apply, QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Apply changes"));
  connect(apply, &QToolButton::clicked, this, [this] { ApplyBtnClick(); });
  row->addWidget(apply);
  row->addStretch();
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  SetHint(*ok, QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "|Press OK to apply the new size"));
  connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("CancelBtn");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Only its glyph shows; this edition has no help for it to open, and the main
  // window hides it.
  helpBtn_ = new QPushButton(this);
  helpBtn_->setObjectName("HelpBtn");
  helpBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  helpBtn_->setEnabled(false);
  SetHint(*helpBtn_, QT_TRANSLATE_NOOP("quill::PieceSizeDialog", "Help on this screen"));
  for (QPushButton* button : {ok, cancel, helpBtn_}) {
    button->setAutoDefault(false);
    row->addWidget(button);
  }
  return row;
}

int PieceSizeDialog::Run(QtHost& host, TJigsaw& game) {
  Prepare(game, host.SkinPicture());
  const int result = host.RunModal(*this);
  game_ = nullptr;
  return result;
}

void PieceSizeDialog::Prepare(TJigsaw& game, const Bitmap* skin) {
  game_ = &game;
  SetSkin(skin);
  FixTextColors(*this);
  ShowPuzzleShape();
  changed_ = false;
  scrollBarScale_->setFocus();
}

void PieceSizeDialog::ShowPuzzleShape() {
  const PieceShape shape = game_->CurrentPieceShape();
  for (auto [bar, value] : {std::pair{scrollBarScale_, shape.Scale}, {scrollBarOdd_, shape.Oddness},
                            {scrollBarCust_, shape.Fun}}) {
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
  }
  SelectStyle(shape.Style);
  ScrollBarScaleChange();
}

QAbstractButton& PieceSizeDialog::HelpButton() const { return *helpBtn_; }

const Bitmap& PieceSizeDialog::Preview() const { return paintBox_->Pixels(); }

void PieceSizeDialog::ScrollBarScaleChange() {
  paintBox_->Clear();
  Canvas canvas(paintBox_->Pixels());
  const bool valid =
      game_ == nullptr || game_->DrawShapePreview(&canvas, scrollBarScale_->value(), style_, scrollBarOdd_->value());
  // Moving the bar back runs this handler again for the scale it goes back to.
  if (!valid) scrollBarScale_->setValue(lastAcceptedScale_);
  lastAcceptedScale_ = scrollBarScale_->value();
  ShowLabels();
  changed_ = true;
  paintBox_->update();
}

void PieceSizeDialog::ShowLabels() {
  labelScale_->setText(QString::number(scrollBarScale_->value()) + "%");
  labelOdd_->setText(QString::number(scrollBarOdd_->value()));
  labelCust_->setText(QString::number(scrollBarCust_->value() * 10) + "%");
}

void PieceSizeDialog::SelectStyle(int style) {
  style_ = std::clamp(style, 1, kMixStyle);
  for (size_t i = 0; i < lamps_.size(); ++i) lamps_[i]->SetOn(static_cast<int>(i) + 1 == style_);
}

void PieceSizeDialog::BtnPieceClick(int style) {
  SelectStyle(style);
  ScrollBarScaleChange();
}

void PieceSizeDialog::ApplyBtnClick() {
  if (game_ == nullptr) return;
  const PieceShape shape{scrollBarScale_->value(), style_, scrollBarOdd_->value(), scrollBarCust_->value()};
  game_->ApplyPieceShape(shape);
  // After a failure the pieces are cut at another shape than the dialog shows.
  if (game_->CurrentPieceShape() != shape) ShowPuzzleShape();
  changed_ = false;
}

void PieceSizeDialog::OKBtnClick() {
  if (changed_) ApplyBtnClick();
  accept();
}

bool PieceSizeDialog::event(QEvent* event) {
  // The dialog has no status line of its own: the long hints go to the main window's.
  if (event->type() == QEvent::StatusTip && parentWidget() != nullptr) {
    QCoreApplication::sendEvent(parentWidget(), event);
    return true;
  }
  return SkinnedDialog::event(event);
}

}  // namespace quill
