#include "maker_window.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/piece_size_dialog.h"
#include "app/qt_colours.h"
#include "app/sounds.h"
#include "app/state_mirror.h"
#include "common/byte_stream.h"
#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "gift_maker.h"
#include "gift_zip.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

constexpr int kMaxPieces = 65535;
constexpr int kRecentPictures = 8;
// Texts are checked and the gift's size told this long after the last change, so
// typing stays smooth.
constexpr int kSettleMs = 400;
const char* const kPictureFilter = QT_TRANSLATE_NOOP(
    "quill::MakerWindow",
    "Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)");
constexpr double kScreenDpi = 96;  // font heights in a gift are pixels at 96 dpi

// The outline styles as the player's Outlines menu names them, in the interface's
// language.
QStringList OutlineNames() {
  UiState menus;
  DefineMainForm(menus);
  QStringList names;
  for (const std::string& item : menus.Children(component::kOutlines))
    if (menus.Get(item).RadioItem) names << ToQString(Shown(kMainFormName, menus.Get(item).Caption)).remove('&');
  return names;
}

// A label whose mnemonic moves the focus to `buddy` (form rows holding a layout
// have none of their own).
QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, buddy->parentWidget());
  label->setBuddy(buddy);
  return label;
}

// A tab's page that scrolls when large fonts make it taller than the screen.
QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setWidget(page);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  return area;
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }
std::string ToStd(const QString& text) { return text.toStdString(); }

GiftFont FontOf(const MessageControls& c) {
  GiftFont font;
  // The family the box shows, which is the one the preview draws with.
  font.Name = ToStd(c.Font->currentText());
  font.Height = static_cast<int16_t>(-std::lround(c.Size->value() * kScreenDpi / 72));
  font.Style = static_cast<uint8_t>((c.Bold->isChecked() ? 1 : 0) | (c.Italic->isChecked() ? 2 : 0) |
                                    (c.Underline->isChecked() ? 4 : 0));
  font.Color = c.TextColour->Value();
  return font;
}

// A colour as the header names it: a number the player reads back.
std::string ColourName(Colour colour) { return std::to_string(colour); }

}  // namespace

const std::vector<FittingChoice>& FittingChoices() {
  static const std::vector<FittingChoice> choices = [] {
    auto bound = [](int32_t width, int32_t height) {
      PictureFitting fitting;
      fitting.MaxWidth = width;
      fitting.MaxHeight = height;
      return fitting;
    };
    PictureFitting own;
    own.KeepSize = true;
    return std::vector<FittingChoice>{
        {QT_TRANSLATE_NOOP("quill::MakerWindow", "Fit for screens up to 1280 \u00D7 800"), bound(1280, 800)},
        {QT_TRANSLATE_NOOP("quill::MakerWindow", "Fit for screens up to 1920 \u00D7 1080"), bound(1920, 1080)},
        {QT_TRANSLATE_NOOP("quill::MakerWindow", "Fit for screens up to 2560 \u00D7 1440"), bound(2560, 1440)},
        {QT_TRANSLATE_NOOP("quill::MakerWindow", "Keep its own size"), own}};
  }();
  return choices;
}

const std::vector<GiftLanguageChoice>& GiftLanguageChoices() {
  static const std::vector<GiftLanguageChoice> choices = {
      {"", QT_TRANSLATE_NOOP("quill::MakerWindow", "the recipient's own")},
      {"de", "Deutsch"},
      {"fr", "Fran\u00E7ais"},
      {"es", "Espa\u00F1ol"},
      {"it", "Italiano"},
      {"pt_BR", "Portugu\u00EAs (Brasil)"},
      {"pl", "Polski"},
      {"nl", "Nederlands"},
      {"ru", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439"},
      {"en", "English"},
  };
  return choices;
}

namespace {

// The place of a language's choice in GiftLanguageChoices(), or -1 for none.
int LanguageChoiceIndex(const std::string& code) {
  const auto& choices = GiftLanguageChoices();
  const auto found = std::find_if(choices.begin(), choices.end(),
                                  [&](const GiftLanguageChoice& choice) { return choice.Code == code; });
  return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

}  // namespace

QString LanguageName(const std::string& code) {
  if (code.empty()) return {};
  const int index = LanguageChoiceIndex(code);
  if (index < 0) return QString::fromStdString(code);
  return QString::fromUtf8(GiftLanguageChoices()[static_cast<size_t>(index)].Name);
}

// ---- Colour button ----------------------------------------------------------------

ColourButton::ColourButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this, toolTip(),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid()) SetValue(MakeColour(chosen.red(), chosen.green(), chosen.blue()));
  });
  SetValue(0);
}

void ColourButton::SetValue(Colour colour) {
  colour_ = colour;
  QPixmap swatch(16, 16);
  swatch.fill(ToQColor(colour));
  setIcon(QIcon(swatch));
  emit Changed();
}

// ---- The icon -------------------------------------------------------------------------

// A wrapped present whose lid is a jigsaw piece with a knob.
QIcon MakerIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64, 128}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);
    p.setPen(QPen(QColor(60, 30, 20), 2));
    p.setBrush(QColor(200, 40, 50));
    p.drawRect(QRectF(8, 26, 48, 32));
    QPainterPath lid;
    lid.addRect(QRectF(4, 16, 56, 12));
    lid.addEllipse(QRectF(24, 4, 16, 16));
    p.setBrush(QColor(235, 180, 60));
    p.drawPath(lid.simplified());
    p.fillRect(QRectF(29, 28, 6, 29), QColor(235, 180, 60));
    icon.addPixmap(pixmap);
  }
  return icon;
}

// ---- Building the window ------------------------------------------------------------

MakerWindow::MakerWindow(MakerPlayers players, QWidget* parent)
    : QMainWindow(parent), players_(std::move(players)), seed_(QRandomGenerator::global()->bounded(1, 1 << 30)) {
  setWindowTitle(tr("Quillmere Gift Maker"));
  setWindowIcon(MakerIcon());
  setAcceptDrops(true);

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  tabs_ = new QTabWidget(central);
  tabs_->addTab(Scrolled(BuildPictureTab()), tr("&Picture"));
  tabs_->addTab(Scrolled(BuildPiecesTab()), tr("P&ieces"));
  tabs_->addTab(Scrolled(BuildMessagesTab()), tr("M&essages"));
  tabs_->addTab(Scrolled(BuildMusicTab()), tr("Music and s&kin"));
  tabs_->setToolTip(tr("The parts of the gift"));
  auto* left = new QVBoxLayout;
  left->addWidget(tabs_);
  left->addWidget(BuildButtons());
  columns->addLayout(left, 0);
  preview_ = new CutPreview(central);
  preview_->setToolTip(tr("The picture with the pieces as the gift will cut them"));
  columns->addWidget(preview_, 1);
  setCentralWidget(central);
  BuildMenus();

  progress_ = new QProgressBar(this);
  progress_->setVisible(false);
  progress_->setToolTip(tr("How far writing the gift has come"));
  statusBar()->addPermanentWidget(progress_);
  FitToScreen();

  textCheck_.setSingleShot(true);
  textCheck_.setInterval(kSettleMs);
  connect(&textCheck_, &QTimer::timeout, this, &MakerWindow::CheckTexts);
  sizeUpdate_.setSingleShot(true);
  sizeUpdate_.setInterval(kSettleMs);
  connect(&sizeUpdate_, &QTimer::timeout, this, &MakerWindow::UpdateSize);

  Recall();
  UpdateCut();
  UpdateMessages();
  UpdateSize();
  RememberOnChange();
  CheckTexts();  // a remembered text may hold what a gift cannot
}

MakerWindow::~MakerWindow() = default;

// As large as the tallest and widest tab wants, the preview beside it, within the
// screen; the tabs scroll when they need more.
void MakerWindow::FitToScreen() { FitTo(screen()->availableGeometry()); }

void MakerWindow::FitTo(const QRect& screenRoom) {
  QSize pages;
  for (int i = 0; i < tabs_->count(); ++i)
    pages = pages.expandedTo(static_cast<QScrollArea*>(tabs_->widget(i))->widget()->sizeHint());
  const QSize chrome = tabs_->tabBar()->sizeHint() + QSize(40, 40 + 4 * fontMetrics().height());
  const QSize wanted(pages.width() + preview_->sizeHint().width() + chrome.width(), pages.height() + chrome.height());
  // The tabs take the width their pages need (up to most of the screen); the preview
  // takes the rest.
  tabs_->setMinimumWidth(std::min(pages.width() + chrome.width(), screenRoom.width() * 3 / 5));
  const QSize bars(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
  resize((wanted + bars).boundedTo(screenRoom.size() * 0.95));
}

QLabel* MakerWindow::ErrorLabel(const std::string& field) {
  auto* label = new QLabel(this);
  label->setStyleSheet("color: #b00000");
  label->setWordWrap(true);
  label->setVisible(false);
  errors_[field] = label;
  return label;
}

QLineEdit* MakerWindow::FileField(const QString& tip, const QString& dialogTitle, const QString& filter,
                                  QLayout* row) {
  auto* edit = new QLineEdit(this);
  edit->setToolTip(tip);
  auto* browse = new QPushButton(tr("Choose..."), this);
  browse->setToolTip(dialogTitle);
  connect(browse, &QPushButton::clicked, this, [this, edit, dialogTitle, filter] {
    const QString start = edit->text().isEmpty() ? StartFolder() : edit->text();
    const QString path =
        QFileDialog::getOpenFileName(this, dialogTitle, start, filter, nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) {
      QSettings().setValue("lastFolder", QFileInfo(path).absolutePath());
      edit->setText(path);
      emit edit->editingFinished();
    }
  });
  row->addWidget(edit);
  row->addWidget(browse);
  return edit;
}

QWidget* MakerWindow::BuildPictureTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  auto* open = new QPushButton(tr("&Open picture..."), tab);
  open->setToolTip(tr("Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)"));
  connect(open, &QPushButton::clicked, this, &MakerWindow::ChoosePicture);
  layout->addWidget(open);
  fieldWidgets_["PicturePath"] = open;
  pictureName_ = new QLabel(tr("No picture yet"), tab);
  pictureName_->setToolTip(tr("The picture file"));
  pictureName_->setWordWrap(true);
  pictureSize_ = new QLabel(tab);
  pictureSize_->setToolTip(tr("The picture's size and the size the gift stores"));
  pictureSize_->setWordWrap(true);
  fitting_ = new QComboBox(tab);
  for (const FittingChoice& choice : FittingChoices()) fitting_->addItem(tr(choice.Text));
  fitting_->setToolTip(tr("The size the gift stores the picture at: a smaller picture makes a smaller gift "
                          "and fits smaller screens"));
  auto* fittingRow = new QHBoxLayout;
  fittingRow->addWidget(BuddyLabel(tr("Stored si&ze:"), fitting_));
  fittingRow->addWidget(fitting_, 1);
  connect(fitting_, &QComboBox::currentIndexChanged, this, [this] {
    if (!picturePath_.isEmpty()) OpenPicture(picturePath_);
  });
  layout->addWidget(pictureName_);
  layout->addLayout(fittingRow);
  layout->addWidget(pictureSize_);
  layout->addWidget(ErrorLabel("PicturePath"));
  auto* info = new QGroupBox(tr("About the gift"), tab);
  auto* form = new QFormLayout(info);
  title_ = new QLineEdit(info);
  title_->setToolTip(tr("The puzzle's title"));
  creator_ = new QLineEdit(info);
  creator_->setToolTip(tr("Your name, as the recipient sees it"));
  description_ = new QPlainTextEdit(info);
  description_->setToolTip(tr("A few words about the picture"));
  description_->setTabChangesFocus(true);
  fieldWidgets_["Settings.Title"] = title_;
  fieldWidgets_["Settings.CreatorName"] = creator_;
  fieldWidgets_["Settings.Description"] = description_;
  form->addRow(tr("&Title:"), title_);
  form->addRow(ErrorLabel("Settings.Title"));
  form->addRow(tr("C&reator:"), creator_);
  form->addRow(ErrorLabel("Settings.CreatorName"));
  form->addRow(tr("&Description:"), description_);
  form->addRow(ErrorLabel("Settings.Description"));
  language_ = new QComboBox(info);
  for (const GiftLanguageChoice& choice : GiftLanguageChoices())
    language_->addItem(choice.Code.empty() ? tr(choice.Name) : QString::fromUtf8(choice.Name));
  language_->setToolTip(tr("The language of the gift's menus, buttons and help; the recipient's own is the one "
                           "their computer is set to"));
  form->addRow(tr("&Language of the gift:"), language_);
  layout->addWidget(info);
  layout->addStretch();
  return tab;
}

QWidget* MakerWindow::BuildPiecesTab() {
  auto* tab = new QWidget(this);
  auto* form = new QFormLayout(tab);
  pieceCount_ = new QSpinBox(tab);
  pieceCount_->setRange(2, kMaxPieces);
  pieceCount_->setValue(100);
  pieceCount_->setToolTip(tr("How many pieces you ask for; the grid comes nearest to it"));
  gridText_ = new QLabel(tab);
  gridText_->setToolTip(tr("The grid the picture is cut into"));
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(pieceCount_);
  countRow->addWidget(gridText_, 1);
  form->addRow(BuddyLabel(tr("Piece &count:"), pieceCount_), countRow);
  style_ = new QComboBox(tab);
  for (int style = 1; style <= kMixStyle; ++style) {
    style_->addItem(FromStd(PieceStyleName(style)));
    style_->setItemData(style - 1, FromStd(PieceStyleHint(style)), Qt::ToolTipRole);
  }
  style_->setToolTip(tr("The shape of the pieces"));
  form->addRow(tr("&Style:"), style_);
  oddness_ = new QSlider(Qt::Horizontal, tab);
  oddness_->setRange(0, 10);
  oddness_->setValue(5);
  oddness_->setToolTip(tr("How irregular the pieces are, 0 to 10"));
  form->addRow(tr("&Oddness:"), oddness_);
  form->addRow(ErrorLabel("Settings.Oddness"));
  funPieces_ = new QSpinBox(tab);
  funPieces_->setRange(0, 100);
  funPieces_->setSingleStep(10);
  funPieces_->setSuffix(tr(" %"));
  funPieces_->setToolTip(tr("The share of fun pieces cut from the templates, in steps of 10 %"));
  form->addRow(tr("Fu&n pieces:"), funPieces_);
  auto* templateRow = new QHBoxLayout;
  templates_ = FileField(tr("A file of piece templates for the fun pieces"), tr("Choose a template file"),
                         tr("All files (*)"), templateRow);
  templateCount_ = new QSpinBox(tab);
  templateCount_->setRange(0, TTemplates::kMaxCount);
  templateCount_->setToolTip(tr("How many templates the file holds"));
  templateRow->addWidget(templateCount_);
  form->addRow(BuddyLabel(tr("&Templates:"), templates_), templateRow);
  form->addRow(ErrorLabel("TemplatesPath"));
  rotation_ = new QCheckBox(tr("&Rotation"), tab);
  rotation_->setToolTip(tr("Pieces start turned and must be turned upright"));
  form->addRow(rotation_);
  outline_ = new QComboBox(tab);
  outline_->addItems(OutlineNames());
  outline_->setToolTip(tr("How the pieces' edges are drawn"));
  form->addRow(tr("O&utlines:"), outline_);
  mystery_ = new QCheckBox(tr("Mystery mo&de"), tab);
  mystery_->setToolTip(tr("The picture is not shown while solving"));
  form->addRow(mystery_);
  boardColour_ = new ColourButton(tr("&Board colour..."), tab);
  boardColour_->setToolTip(tr("The colour of the board the pieces lie on"));
  boardColour_->SetValue(GiftRequest().Settings.BoardColour);
  form->addRow(boardColour_);
  auto* newShapes = new QPushButton(tr("Ne&w shapes"), tab);
  newShapes->setToolTip(tr("Cuts the picture with other shapes of the same style"));
  connect(newShapes, &QPushButton::clicked, this, &MakerWindow::NewShapes);
  form->addRow(newShapes);

  connect(pieceCount_, &QSpinBox::valueChanged, this, &MakerWindow::UpdateCut);
  connect(style_, &QComboBox::currentIndexChanged, this, &MakerWindow::UpdateCut);
  connect(oddness_, &QSlider::valueChanged, this, &MakerWindow::UpdateCut);
  connect(funPieces_, &QSpinBox::valueChanged, this, &MakerWindow::UpdateCut);
  connect(templates_, &QLineEdit::editingFinished, this, &MakerWindow::LoadTemplates);
  connect(templateCount_, &QSpinBox::valueChanged, this, &MakerWindow::LoadTemplates);
  return tab;
}

// The group's title names the message and a line under it says when it shows, so
// the title stays short and the line wraps in languages with longer words.
QWidget* MakerWindow::BuildMessageBox(const QString& title, const QString& when, MessageControls& c) {
  auto* box = new QGroupBox(title, this);
  auto* layout = new QVBoxLayout(box);
  auto* whenLabel = new QLabel(when, box);
  whenLabel->setWordWrap(true);
  layout->addWidget(whenLabel);
  c.Text = new QPlainTextEdit(box);
  c.Text->setToolTip(tr("The message's text"));
  c.Text->setTabChangesFocus(true);
  c.Text->setMaximumHeight(fontMetrics().height() * 5);
  layout->addWidget(c.Text);
  auto* fontRow = new QHBoxLayout;
  c.Font = new QFontComboBox(box);
  c.Font->setToolTip(tr("The message's font"));
  // The box shows the family the default font resolves to; that family is chosen.
  c.Font->setCurrentFont(QFont(c.Font->currentText()));
  c.Size = new QSpinBox(box);
  c.Size->setRange(6, 72);
  c.Size->setValue(12);
  c.Size->setSuffix(tr(" pt"));
  c.Size->setToolTip(tr("The font's size"));
  c.Bold = new QCheckBox(tr("Bold"), box);
  c.Bold->setToolTip(tr("Bold letters"));
  c.Italic = new QCheckBox(tr("Italic"), box);
  c.Italic->setToolTip(tr("Slanted letters"));
  c.Underline = new QCheckBox(tr("Underline"), box);
  c.Underline->setToolTip(tr("Underlined letters"));
  fontRow->addWidget(c.Font, 1);
  fontRow->addWidget(c.Size);
  layout->addLayout(fontRow);
  auto* styleRow = new QHBoxLayout;
  for (QCheckBox* b : {c.Bold, c.Italic, c.Underline}) styleRow->addWidget(b);
  styleRow->addStretch();
  layout->addLayout(styleRow);
  auto* colourRow = new QHBoxLayout;
  c.TextColour = new ColourButton(tr("Text colour..."), box);
  c.TextColour->setToolTip(tr("The colour of the letters"));
  c.Background = new ColourButton(tr("Background..."), box);
  c.Background->setToolTip(tr("The colour behind the message"));
  c.Background->SetValue(MakeColour(255, 255, 255));
  c.Alignment = new QComboBox(box);
  c.Alignment->addItems({tr("Left"), tr("Right"), tr("Centred")});
  c.Alignment->setCurrentIndex(2);
  c.Alignment->setToolTip(tr("How the lines are aligned"));
  for (QWidget* w : std::initializer_list<QWidget*>{c.TextColour, c.Background, c.Alignment}) colourRow->addWidget(w);
  layout->addLayout(colourRow);
  c.Preview = new MessagePreview(box);
  layout->addWidget(c.Preview, 0, Qt::AlignHCenter);

  connect(c.Text, &QPlainTextEdit::textChanged, this, &MakerWindow::UpdateMessages);
  connect(c.Font, &QFontComboBox::currentFontChanged, this, &MakerWindow::UpdateMessages);
  connect(c.Size, &QSpinBox::valueChanged, this, &MakerWindow::UpdateMessages);
  for (QCheckBox* b : {c.Bold, c.Italic, c.Underline}) connect(b, &QCheckBox::toggled, this, &MakerWindow::UpdateMessages);
  for (ColourButton* b : {c.TextColour, c.Background}) connect(b, &ColourButton::Changed, this, &MakerWindow::UpdateMessages);
  connect(c.Alignment, &QComboBox::currentIndexChanged, this, &MakerWindow::UpdateMessages);
  return box;
}

QWidget* MakerWindow::BuildMessagesTab() {
  auto* tab = new QWidget(this);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(BuildMessageBox(tr("Opening message"), tr("Shown when the gift starts."), opening_));
  layout->addWidget(ErrorLabel("Settings.OpeningMessage"));
  layout->addWidget(BuildMessageBox(tr("Closing message"),
                                    tr("Your farewell, shown every time the gift is closed."), closing_));
  layout->addWidget(ErrorLabel("Settings.ClosingMessage"));
  fieldWidgets_["Settings.OpeningMessage"] = opening_.Text;
  fieldWidgets_["Settings.ClosingMessage"] = closing_.Text;
  layout->addStretch();
  return tab;
}

QWidget* MakerWindow::BuildMusicTab() {
  auto* tab = new QWidget(this);
  auto* form = new QFormLayout(tab);
  auto* musicRow = new QHBoxLayout;
  music_ = FileField(tr("Music played while solving"), tr("Choose music"),
                     tr("Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)"), musicRow);
  playMusic_ = new QPushButton(tr("P&lay"), tab);
  playMusic_->setToolTip(tr("Plays or stops the music"));
  connect(playMusic_, &QPushButton::clicked, this, &MakerWindow::PlayMusic);
  musicRow->addWidget(playMusic_);
  form->addRow(BuddyLabel(tr("M&usic:"), music_), musicRow);
  form->addRow(ErrorLabel("MusicPath"));
  auto* skinRow = new QHBoxLayout;
  skin_ = FileField(tr("A picture for the tool bar and panels"), tr("Choose a skin"),
                    tr(kPictureFilter), skinRow);
  connect(skin_, &QLineEdit::editingFinished, this, &MakerWindow::ShowSkin);
  form->addRow(BuddyLabel(tr("Ski&n:"), skin_), skinRow);
  form->addRow(ErrorLabel("SkinPath"));
  skinPreview_ = new QLabel(tab);
  skinPreview_->setFrameShape(QFrame::Panel);
  skinPreview_->setFrameShadow(QFrame::Raised);
  skinPreview_->setMinimumHeight(48);
  skinPreview_->setToolTip(tr("The skin on a panel"));
  form->addRow(skinPreview_);
  return tab;
}

QWidget* MakerWindow::BuildButtons() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  portable_ = new QCheckBox(tr("Include e&verything it needs to run (larger file)"), box);
  portable_->setToolTip(tr("The gift brings the libraries it needs, so it runs on any Linux computer; most "
                           "recipients need this"));
  portable_->setEnabled(!players_.Portable.empty());
  portable_->setChecked(portable_->isEnabled());
  layout->addWidget(portable_);
  sizeText_ = new QLabel(box);
  sizeText_->setWordWrap(true);
  sizeText_->setToolTip(tr("How large the gift will be"));
  layout->addWidget(sizeText_);
  layout->addWidget(ErrorLabel("PlayerPath"));
  layout->addWidget(ErrorLabel("OutputPath"));
  layout->addWidget(ErrorLabel(""));
  auto* row = new QHBoxLayout;
  auto* tryIt = new QPushButton(tr("Tr&y it"), box);
  tryIt->setToolTip(tr("Starts the gift as the recipient will see it"));
  connect(tryIt, &QPushButton::clicked, this, &MakerWindow::TryIt);
  auto* make = new QPushButton(tr("&Make gift..."), box);
  make->setToolTip(tr("Saves the gift (Ctrl+S)"));
  connect(make, &QPushButton::clicked, this, &MakerWindow::MakeGiftAs);
  row->addStretch();
  row->addWidget(tryIt);
  row->addWidget(make);
  layout->addLayout(row);
  return box;
}

void MakerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* open = file->addAction(tr("&Open picture..."), this, &MakerWindow::ChoosePicture);
  open->setShortcut(QKeySequence::Open);
  recentMenu_ = file->addMenu(tr("&Recent pictures"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] {
    recentMenu_->clear();
    for (const QString& path : QSettings().value("recentPictures").toStringList())
      recentMenu_->addAction(QFileInfo(path).fileName(), this, [this, path] { OpenPicture(path); })->setToolTip(path);
    if (recentMenu_->isEmpty()) recentMenu_->addAction(tr("(none yet)"))->setEnabled(false);
  });
  file->addSeparator();
  file->addAction(tr("Tr&y it"), this, &MakerWindow::TryIt);
  QAction* make = file->addAction(tr("&Make gift..."), this, &MakerWindow::MakeGiftAs);
  make->setShortcut(QKeySequence::Save);
  file->addAction(tr("&Text to send with the gift..."), this, [this] {
    if (!ShowGiftMade())
      QMessageBox::information(this, tr("Text to send"),
                               LastSendingText().isEmpty() ? tr("Make a gift first.") : LastSendingText());
  });
  file->addSeparator();
  QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* steps = help->addAction(tr("&How to make a gift"), this, &MakerWindow::ShowHelp);
  steps->setShortcut(QKeySequence::HelpContents);
}

void MakerWindow::ShowHelp() {
  QMessageBox::information(
      this, tr("How to make a gift"),
      tr("<ol>"
         "<li><b>Picture</b>: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, "
         "AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, "
         "a few words and the language of the gift (the recipient's own unless you choose one) go with it.</li>"
         "<li><b>Pieces</b>: how many, their shape and style; the preview shows the cut.</li>"
         "<li><b>Messages</b>: the opening message greets the recipient when the gift starts; the closing "
         "message is your farewell, shown every time the gift is closed.</li>"
         "<li><b>Music and skin</b>: optional music while solving and a picture for the tool bar.</li>"
         "<li><b>Try it</b> starts the gift as the recipient will see it.</li>"
         "<li><b>Make gift</b> saves it, best as a .zip archive: sent as a bare file, a gift loses the right "
         "to run on its way. The window then gives a short text to send with it that tells the recipient how "
         "to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, "
         "Allow executing as program.</li>"
         "</ol>"
         "<p>Include everything it needs to run, unless you know the recipient has Qt 6 installed.</p>"));
}

// ---- Picture and previews ------------------------------------------------------------

QString MakerWindow::GridText(const GridSize& grid) {
  return tr("%1 \u00D7 %2 = %n pieces", nullptr, grid.Pieces()).arg(grid.Columns).arg(grid.Rows);
}

bool MakerWindow::OpenPicture(const QString& path) {
  errors_.at("PicturePath")->setVisible(false);
  try {
    ImportedPicture picture = ImportPicture(ReadWholeFile(ToStd(path)), ChosenFitting());
    Bitmap stored;
    DecodeJpeg(picture.Jpeg.data(), picture.Jpeg.size(), stored);
    picture_ = std::move(picture);
    picturePath_ = path;
    pictureName_->setText(QFileInfo(path).fileName());
    pictureSize_->setText(tr("%1 × %2 pixels; the gift stores %3")
                              .arg(picture_->UprightSize.Width)
                              .arg(picture_->UprightSize.Height)
                              .arg(FromStd(DescribeImport(*picture_))));
    preview_->SetPicture(std::move(stored));
    AddRecentPicture(path);
    UpdateCut();
    UpdateSize();
    Remember();
    return true;
  } catch (const std::exception& e) {
    ShowErrors({{"PicturePath", e.what()}});
    return false;
  }
}

void MakerWindow::OpenLastPicture() {
  const QString last = QSettings().value("picture").toString();
  if (!last.isEmpty() && QFileInfo::exists(last)) OpenPicture(last);
}

void MakerWindow::ChoosePicture() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Open picture"), StartFolder(), tr(kPictureFilter),
                                                    nullptr, QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  QSettings().setValue("lastFolder", QFileInfo(path).absolutePath());
  OpenPicture(path);
}

// The folder file dialogs start in: the last one a file was chosen from, else the
// Pictures folder.
QString MakerWindow::StartFolder() const {
  const QString last = QSettings().value("lastFolder").toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void MakerWindow::AddRecentPicture(const QString& path) {
  QSettings settings;
  QStringList recent = settings.value("recentPictures").toStringList();
  const QString absolute = QFileInfo(path).absoluteFilePath();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > kRecentPictures) recent.removeLast();
  settings.setValue("recentPictures", recent);
}

const GiftLanguageChoice& MakerWindow::ChosenLanguage() const {
  const int chosen = std::clamp(language_->currentIndex(), 0, static_cast<int>(GiftLanguageChoices().size()) - 1);
  return GiftLanguageChoices()[static_cast<size_t>(chosen)];
}

PictureFitting MakerWindow::ChosenFitting() const {
  const int chosen = std::clamp(fitting_->currentIndex(), 0, static_cast<int>(FittingChoices().size()) - 1);
  return FittingChoices()[static_cast<size_t>(chosen)].Fitting;
}

int64_t MakerWindow::EstimatedSize() const {
  if (!picture_) return 0;
  return EstimateGiftSize(Request(""), picture_->Jpeg);
}

// "about 1.3 MB; 17 MB with everything it needs to run on any Linux computer", for
// the kind of gift chosen first.
void MakerWindow::UpdateSize() {
  if (!picture_) {
    sizeText_->setText(tr("Choose a picture to see how large the gift will be."));
    return;
  }
  GiftRequest request = Request("");
  request.PlayerPath = players_.Plain;
  const QString plain = FromStd(ReadableSize(EstimateGiftSize(request, picture_->Jpeg)));
  if (players_.Portable.empty()) {
    sizeText_->setText(tr("The gift: about %1 (it runs where Qt 6 is installed).").arg(plain));
    return;
  }
  request.PlayerPath = players_.Portable;
  const QString portable = FromStd(ReadableSize(EstimateGiftSize(request, picture_->Jpeg)));
  sizeText_->setText(portable_->isChecked()
                         ? tr("The gift: about %1 with everything it needs to run on any Linux computer; "
                              "%2 without.")
                               .arg(portable, plain)
                         : tr("The gift: about %1; %2 with everything it needs to run on any Linux computer.")
                               .arg(plain, portable));
}

void MakerWindow::UpdateCut() {
  const int32_t width = picture_ ? picture_->StoredSize.Width : 0;
  const int32_t height = picture_ ? picture_->StoredSize.Height : 0;
  preview_->SetCut(pieceCount_->value(), style_->currentIndex() + 1, oddness_->value(), funPieces_->value() / 10, seed_);
  gridText_->setText(width > 0 ? GridText(GridFor(pieceCount_->value(), width, height)) : QString());
}

void MakerWindow::NewShapes() {
  seed_ = QRandomGenerator::global()->bounded(1, 1 << 30);
  UpdateCut();
}

void MakerWindow::LoadTemplates() {
  TTemplates templates;
  errors_.at("TemplatesPath")->setVisible(false);
  if (!templates_->text().isEmpty() && templateCount_->value() > 0) {
    try {
      const std::vector<uint8_t> block = ReadWholeFile(ToStd(templates_->text()));
      ByteReader reader(block);
      templates.Load(templateCount_->value(), reader);
    } catch (const std::exception& e) {
      ShowErrors({{"TemplatesPath", e.what()}});
    }
  }
  preview_->SetTemplates(std::move(templates));
}

void MakerWindow::UpdateMessages() {
  for (const MessageControls* c : {&opening_, &closing_})
    c->Preview->Show(ToStd(c->Text->toPlainText()), ColourName(c->Background->Value()),
                     static_cast<uint8_t>(c->Alignment->currentIndex()), FontOf(*c));
}

void MakerWindow::ShowSkin() {
  const QImage skin = skin_->text().isEmpty() ? QImage() : QImage(skin_->text());
  if (skin.isNull()) {
    skinPreview_->setPixmap({});
    return;
  }
  QPalette palette = skinPreview_->palette();
  palette.setBrush(QPalette::Window, QBrush(skin));
  skinPreview_->setAutoFillBackground(true);
  skinPreview_->setPalette(palette);
}

// The preview plays through the player's own music output, so it plays what the
// player will; without a sound server it stays silent.
void MakerWindow::PlayMusic() {
  if (!player_) {
    player_ = MakeMusicOutput();
    player_->OnEnded = [this] { playMusic_->setText(tr("P&lay")); };
  }
  if (player_->IsPlaying()) {
    player_->Stop();
  } else {
    player_->Play(ToStd(music_->text()));
  }
  playMusic_->setText(player_->IsPlaying() ? tr("S&top") : tr("P&lay"));
}

// ---- Errors ---------------------------------------------------------------------------

QString MakerWindow::ErrorOf(const std::string& field) const {
  const auto found = errors_.find(field);
  return found != errors_.end() && !found->second->isHidden() ? found->second->text() : QString();
}

void MakerWindow::ClearErrors() {
  for (auto& [field, label] : errors_) label->setVisible(false);
}

// The field whose error label shows an error of `field`: the font, colour and
// alignment of a message show beside the message, anything without a label of its
// own under the buttons ("").
std::string MakerWindow::ShownField(const std::string& field) const {
  std::string shown = field;
  for (const char* message : {"Settings.Opening", "Settings.Closing"})
    if (shown.rfind(message, 0) == 0) shown = std::string(message) + "Message";
  if (shown == "TemplateCount") shown = "TemplatesPath";
  if (shown == "MusicExtension") shown = "MusicPath";
  if (shown.rfind("Fitting.", 0) == 0) shown = "PicturePath";
  return errors_.count(shown) ? shown : "";
}

void MakerWindow::ShowErrors(const std::vector<FieldError>& errors) {
  std::map<QLabel*, QStringList> texts;
  for (const FieldError& error : errors) texts[errors_.at(ShownField(error.Field))] << FromStd(error.Message);
  for (auto& [label, lines] : texts) {
    label->setText(lines.join('\n'));
    label->setVisible(true);
  }
}

// The texts' errors as they are typed: those of the request's settings, the only
// ones typing can cause. An error whose text is mended goes.
void MakerWindow::CheckTexts() {
  std::vector<FieldError> found;
  for (FieldError& error : ValidateGiftRequest(Request("")))
    if (error.Field.rfind("Settings.", 0) == 0) found.push_back(std::move(error));
  for (auto& [field, label] : errors_)
    if (field.rfind("Settings.", 0) == 0) label->setVisible(false);
  ShowErrors(found);
}

// Shows the tab of a field with an error, scrolls to the field and puts the cursor in it.
void MakerWindow::FocusField(const std::string& field) {
  const auto found = fieldWidgets_.find(ShownField(field));
  QWidget* widget = found != fieldWidgets_.end() ? found->second : nullptr;
  if (!widget) return;
  for (int i = 0; i < tabs_->count(); ++i) {
    auto* area = static_cast<QScrollArea*>(tabs_->widget(i));
    if (!area->widget()->isAncestorOf(widget)) continue;
    tabs_->setCurrentIndex(i);
    area->ensureWidgetVisible(widget);
  }
  widget->setFocus(Qt::OtherFocusReason);
}

// ---- Making the gift ------------------------------------------------------------------

GiftRequest MakerWindow::Request(const std::string& outputPath) const {
  GiftRequest r;
  r.PlayerPath = portable_->isChecked() ? players_.Portable : players_.Plain;
  r.PicturePath = ToStd(picturePath_);
  r.OutputPath = outputPath;
  r.Fitting = ChosenFitting();
  r.MusicPath = ToStd(music_->text());
  r.SkinPath = ToStd(skin_->text());
  r.Language = ChosenLanguage().Code;
  if (templateCount_->value() > 0) {
    r.TemplatesPath = ToStd(templates_->text());
    r.TemplateCount = templateCount_->value();
  }
  GiftHeader& s = r.Settings;
  s.Title = ToStd(title_->text());
  s.CreatorName = ToStd(creator_->text());
  s.Description = ToStd(description_->toPlainText());
  s.RequestedCount = static_cast<uint16_t>(pieceCount_->value());
  s.PieceStyle = style_->currentIndex() + 1;
  s.Oddness = static_cast<uint16_t>(oddness_->value());
  s.FunPieces = static_cast<uint16_t>(funPieces_->value() / 10);
  s.Seed = seed_;
  s.RotationOn = rotation_->isChecked() ? 1 : 0;
  s.OutlineIndex = outline_->currentIndex();
  s.MysteryMode = mystery_->isChecked() ? 1 : 0;
  s.BoardColour = boardColour_->Value();
  s.OpeningMessage = ToStd(opening_.Text->toPlainText());
  s.OpeningFont = FontOf(opening_);
  s.OpeningColourName = ColourName(opening_.Background->Value());
  s.OpeningAlignment = static_cast<uint8_t>(opening_.Alignment->currentIndex());
  s.ClosingMessage = ToStd(closing_.Text->toPlainText());
  s.ClosingFont = FontOf(closing_);
  s.ClosingColourName = ColourName(closing_.Background->Value());
  s.ClosingAlignment = static_cast<uint8_t>(closing_.Alignment->currentIndex());
  return r;
}

bool MakerWindow::WriteGift(const QString& outputPath) {
  ClearErrors();
  GiftRequest request = Request(ToStd(outputPath));
  if (picturePath_.isEmpty()) {
    ShowErrors({{"PicturePath", ToStd(tr("Choose a picture first"))}});
    return false;
  }
  if (request.PlayerPath.empty()) {
    ShowErrors({{"PlayerPath", ToStd(tr("No player to copy was found beside the gift maker"))}});
    return false;
  }
  if (auto errors = ValidateGiftRequest(request); !errors.empty()) {
    ShowErrors(errors);
    FocusField(errors.front().Field);
    return false;
  }
  progress_->setValue(0);
  progress_->setVisible(true);
  try {
    made_ = MakeGift(request, [this](int percent, const std::string& step) {
      progress_->setValue(percent);
      progress_->setFormat(FromStd(step) + " %p%");
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
  } catch (const GiftRequestError& e) {
    progress_->setVisible(false);
    ShowErrors(e.Errors());
    if (!e.Errors().empty()) FocusField(e.Errors().front().Field);
    return false;
  } catch (const std::exception& e) {
    progress_->setVisible(false);
    ShowErrors({{"OutputPath", e.what()}});
    return false;
  }
  progress_->setVisible(false);
  madePath_ = outputPath;
  madeLanguage_ = request.Language;
  Remember();
  return true;
}

QString MakerWindow::LastSendingText() const { return QSettings().value("lastGift/sendingText").toString(); }

GiftMadeDialog* MakerWindow::ShowGiftMade() {
  if (!made_) return nullptr;
  const QString text = SendingText(QFileInfo(madePath_).fileName(), madeLanguage_);
  QSettings().setValue("lastGift/sendingText", text);
  auto* dialog = new GiftMadeDialog({madePath_, made_->FileSize, made_->GiftSize, LanguageName(madeLanguage_)}, text, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &GiftMadeDialog::TextEdited, this,
          [](const QString& edited) { QSettings().setValue("lastGift/sendingText", edited); });
  dialog->show();
  return dialog;
}

// A gift sent as it is loses its execute bit on the way; a zip archive keeps it, so
// the save dialog offers the archive first.
void MakerWindow::MakeGiftAs() {
  QFileDialog dialog(this, tr("Save gift"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QString zipFilter = tr("Zip archive, ready to send (*.zip)");
  dialog.setNameFilters({zipFilter, tr("The gift program alone (*)")});
  const QString folder = QSettings().value("giftFolder").toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  const QString suggested = title_->text().isEmpty() ? QFileInfo(picturePath_).completeBaseName() : title_->text();
  dialog.selectFile(suggested + ".zip");
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, zipFilter](const QString& filter) {
    dialog.setDefaultSuffix(filter == zipFilter ? "zip" : "");
  });
  dialog.setDefaultSuffix("zip");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().first();
  QSettings().setValue("giftFolder", QFileInfo(path).absolutePath());
  if (!WriteGift(path)) return;
  statusBar()->showMessage(tr("The gift is saved as %1 (%2)")
                               .arg(QFileInfo(path).fileName(), FromStd(ReadableSize(made_->FileSize))));
  ShowGiftMade();
}

QString NextTryItGift(const QString& folder, int32_t seed) {
  QDir dir(folder);
  dir.mkpath(".");
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) dir.remove(name);
  return dir.filePath(QString::number(seed) + "-gift");
}

void MakerWindow::TryIt() {
  const QString path =
      NextTryItGift(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/try-it", seed_);
  if (!WriteGift(path)) return;
  QProcess::startDetached(path, {});
}

// ---- Drops and remembered settings ----------------------------------------------------

void MakerWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MakerWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.first().isLocalFile()) OpenPicture(urls.first().toLocalFile());
}

void MakerWindow::closeEvent(QCloseEvent* event) {
  Remember();
  QMainWindow::closeEvent(event);
}

// Every change is written at once, so a crash or a killed session loses nothing.
void MakerWindow::RememberOnChange() {
  recalled_ = true;
  for (QLineEdit* edit : findChildren<QLineEdit*>()) connect(edit, &QLineEdit::textChanged, this, &MakerWindow::Changed);
  for (QPlainTextEdit* edit : findChildren<QPlainTextEdit*>())
    connect(edit, &QPlainTextEdit::textChanged, this, &MakerWindow::Changed);
  for (QSpinBox* box : findChildren<QSpinBox*>()) connect(box, &QSpinBox::valueChanged, this, &MakerWindow::Changed);
  for (QSlider* slider : findChildren<QSlider*>())
    connect(slider, &QSlider::valueChanged, this, &MakerWindow::Changed);
  for (QComboBox* box : findChildren<QComboBox*>())
    connect(box, &QComboBox::currentIndexChanged, this, &MakerWindow::Changed);
  for (QCheckBox* box : findChildren<QCheckBox*>()) connect(box, &QCheckBox::toggled, this, &MakerWindow::Changed);
  for (ColourButton* button : findChildren<ColourButton*>())
    connect(button, &ColourButton::Changed, this, &MakerWindow::Changed);
}

void MakerWindow::Changed() {
  if (!recalled_) return;
  Remember();
  textCheck_.start();
  sizeUpdate_.start();
}

void MakerWindow::Remember() const {
  QSettings settings;
  if (!picturePath_.isEmpty()) settings.setValue("picture", QFileInfo(picturePath_).absoluteFilePath());
  settings.setValue("fitting", fitting_->currentIndex());
  settings.setValue("title", title_->text());
  settings.setValue("description", description_->toPlainText());
  settings.setValue("pieces", pieceCount_->value());
  settings.setValue("style", style_->currentIndex());
  settings.setValue("oddness", oddness_->value());
  settings.setValue("fun", funPieces_->value());
  settings.setValue("templates", templates_->text());
  settings.setValue("templateCount", templateCount_->value());
  settings.setValue("rotation", rotation_->isChecked());
  settings.setValue("outline", outline_->currentIndex());
  settings.setValue("mystery", mystery_->isChecked());
  settings.setValue("boardColour", boardColour_->Value());
  settings.setValue("creator", creator_->text());
  settings.setValue("music", music_->text());
  settings.setValue("skin", skin_->text());
  settings.setValue("language", QString::fromStdString(ChosenLanguage().Code));
  if (portable_->isEnabled()) settings.setValue("portable", portable_->isChecked());
  for (const auto& [key, c] : {std::pair{"opening", &opening_}, std::pair{"closing", &closing_}}) {
    settings.beginGroup(key);
    settings.setValue("text", c->Text->toPlainText());
    settings.setValue("font", c->Font->currentFont().family());
    settings.setValue("size", c->Size->value());
    settings.setValue("bold", c->Bold->isChecked());
    settings.setValue("italic", c->Italic->isChecked());
    settings.setValue("underline", c->Underline->isChecked());
    settings.setValue("colour", c->TextColour->Value());
    settings.setValue("background", c->Background->Value());
    settings.setValue("alignment", c->Alignment->currentIndex());
    settings.endGroup();
  }
}

void MakerWindow::Recall() {
  QSettings settings;
  fitting_->setCurrentIndex(settings.value("fitting", 0).toInt());
  title_->setText(settings.value("title").toString());
  description_->setPlainText(settings.value("description").toString());
  pieceCount_->setValue(settings.value("pieces", pieceCount_->value()).toInt());
  style_->setCurrentIndex(settings.value("style", 0).toInt());
  oddness_->setValue(settings.value("oddness", oddness_->value()).toInt());
  funPieces_->setValue(settings.value("fun", 0).toInt());
  templates_->setText(settings.value("templates").toString());
  templateCount_->setValue(settings.value("templateCount", 0).toInt());
  rotation_->setChecked(settings.value("rotation", false).toBool());
  outline_->setCurrentIndex(settings.value("outline", 0).toInt());
  mystery_->setChecked(settings.value("mystery", false).toBool());
  boardColour_->SetValue(settings.value("boardColour", boardColour_->Value()).toUInt());
  creator_->setText(settings.value("creator").toString());
  music_->setText(settings.value("music").toString());
  skin_->setText(settings.value("skin").toString());
  language_->setCurrentIndex(std::max(LanguageChoiceIndex(settings.value("language").toString().toStdString()), 0));
  portable_->setChecked(portable_->isEnabled() && settings.value("portable", true).toBool());
  for (const auto& [key, c] : {std::pair{"opening", &opening_}, std::pair{"closing", &closing_}}) {
    settings.beginGroup(key);
    c->Text->setPlainText(settings.value("text").toString());
    if (settings.contains("font")) c->Font->setCurrentFont(QFont(settings.value("font").toString()));
    c->Size->setValue(settings.value("size", c->Size->value()).toInt());
    c->Bold->setChecked(settings.value("bold", false).toBool());
    c->Italic->setChecked(settings.value("italic", false).toBool());
    c->Underline->setChecked(settings.value("underline", false).toBool());
    c->TextColour->SetValue(settings.value("colour", 0).toUInt());
    c->Background->SetValue(settings.value("background", c->Background->Value()).toUInt());
    c->Alignment->setCurrentIndex(settings.value("alignment", 2).toInt());
    settings.endGroup();
  }
  if (templateCount_->value() > 0) LoadTemplates();
  ShowSkin();
}

}  // namespace quill
