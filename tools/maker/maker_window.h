// The gift maker's window: a picture, how it is cut, the messages, music and skin,
// and the buttons that try the gift or write it. It fills a GiftRequest and hands it
// to the gift-making library, as quillmere-wrap does from its options; the previews
// draw with the player's own cutting and splash code.
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "cut_preview.h"
#include "gift_made_dialog.h"
#include "gift_request.h"
#include "message_preview.h"

class QMenu;

namespace quill {

class MusicOutput;

// A push button that shows a colour and lets the user pick another.
class ColourButton : public QPushButton {
  Q_OBJECT
 public:
  ColourButton(const QString& text, QWidget* parent = nullptr);
  Colour Value() const { return colour_; }
  void SetValue(Colour colour);
 signals:
  void Changed();

 private:
  Colour colour_ = 0;
};

// The controls of one message (opening or closing) and its preview.
struct MessageControls {
  QPlainTextEdit* Text = nullptr;
  QFontComboBox* Font = nullptr;
  QSpinBox* Size = nullptr;
  QCheckBox* Bold = nullptr;
  QCheckBox* Italic = nullptr;
  QCheckBox* Underline = nullptr;
  ColourButton* TextColour = nullptr;
  ColourButton* Background = nullptr;
  QComboBox* Alignment = nullptr;
  MessagePreview* Preview = nullptr;
};

// Where the next "Try it" gift of `seed` goes in `folder`: the folder is made if
// missing and emptied of earlier tries and their saved games, so that only the newest
// try (a portable one is some 75 MB) stays in the user's cache. A try still running
// keeps its open program.
QString NextTryItGift(const QString& folder, int32_t seed);

// The sizes the window offers to fit the stored picture to, as quillmere-wrap's
// --max-size takes them; the last choice keeps the picture's own size.
struct FittingChoice {
  const char* Text;
  PictureFitting Fitting;
};
const std::vector<FittingChoice>& FittingChoices();

// The languages a gift can fix for its player, each named in its own language, as
// quillmere-wrap's --language takes them; the first (no code) leaves the language to
// the recipient's computer.
struct GiftLanguageChoice {
  std::string Code;
  const char* Name;  // UTF-8; translated only for the first
};
const std::vector<GiftLanguageChoice>& GiftLanguageChoices();
// A language code's own name as the choices show it ("" for none; an unknown code as
// it is).
QString LanguageName(const std::string& code);

// The kinds of player a gift can carry.
struct MakerPlayers {
  std::string Plain;     // empty: none found
  std::string Portable;  // empty: none found
};

class MakerWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MakerWindow(MakerPlayers players, QWidget* parent = nullptr);
  ~MakerWindow() override;

  // Reads, fits and shows a picture; false with the error beside the picture field.
  bool OpenPicture(const QString& path);
  // Opens the picture of the last session, when it is still there.
  void OpenLastPicture();
  // Everything chosen, as a request for a gift at `outputPath`.
  GiftRequest Request(const std::string& outputPath) const;
  // Writes the gift (a zip archive holding it when the name ends in .zip); false with
  // the errors beside their fields, the first one scrolled to and focused, and
  // nothing written.
  bool WriteGift(const QString& outputPath);
  // Shows the gift last written, its size and the text to send with it.
  GiftMadeDialog* ShowGiftMade();
  // The text to send with the last gift made, kept across sessions ("" before any).
  QString LastSendingText() const;
  // The size of the gift the window would make now, with the kind of player chosen;
  // 0 without a picture.
  int64_t EstimatedSize() const;
  // Sizes the window for a screen's free `room`: the tabs without scrolling where it
  // allows, within it always.
  void FitTo(const QRect& room);
  // Checks the texts as typed and shows what a gift cannot hold beside its field;
  // runs a moment after the last key.
  void CheckTexts();
  // Asks where to save the gift and writes it (Ctrl+S).
  void MakeGiftAs();
  // Writes the gift to a private folder and starts it.
  void TryIt();

  // The "36 × 27 = 972 pieces" text for a grid.
  static QString GridText(const GridSize& grid);

  // Controls, for tests.
  QSpinBox& PieceCount() const { return *pieceCount_; }
  QComboBox& Style() const { return *style_; }
  QLabel& Grid() const { return *gridText_; }
  QLineEdit& Title() const { return *title_; }
  QLineEdit& Creator() const { return *creator_; }
  QPlainTextEdit& Description() const { return *description_; }
  QSlider& Oddness() const { return *oddness_; }
  QSpinBox& FunPieces() const { return *funPieces_; }
  QCheckBox& Rotation() const { return *rotation_; }
  QComboBox& Outline() const { return *outline_; }
  QCheckBox& Mystery() const { return *mystery_; }
  ColourButton& BoardColour() const { return *boardColour_; }
  const MessageControls& Opening() const { return opening_; }
  const MessageControls& Closing() const { return closing_; }
  CutPreview& Preview() const { return *preview_; }
  QTabWidget& Tabs() const { return *tabs_; }
  QComboBox& Fitting() const { return *fitting_; }
  QLabel& PictureSize() const { return *pictureSize_; }
  QLabel& SizeText() const { return *sizeText_; }
  QCheckBox& Portable() const { return *portable_; }
  QComboBox& Language() const { return *language_; }
  QTimer& TextCheckTimer() { return textCheck_; }
  // The error shown beside a request field ("" when none).
  QString ErrorOf(const std::string& field) const;
  int32_t Seed() const { return seed_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildPictureTab();
  QWidget* BuildPiecesTab();
  QWidget* BuildMessagesTab();
  QWidget* BuildMessageBox(const QString& title, const QString& when, MessageControls& controls);
  QWidget* BuildMusicTab();
  QWidget* BuildButtons();
  QLabel* ErrorLabel(const std::string& field);
  QLineEdit* FileField(const QString& tip, const QString& dialogTitle, const QString& filter, QLayout* row);
  void BuildMenus();
  void ChoosePicture();
  void ShowHelp();
  void RememberOnChange();
  void Changed();
  void UpdateSize();
  void FocusField(const std::string& field);
  std::string ShownField(const std::string& field) const;
  QString StartFolder() const;
  void AddRecentPicture(const QString& path);

  void FitToScreen();
  void UpdateCut();
  void UpdateMessages();
  void NewShapes();
  void LoadTemplates();
  void ShowSkin();
  void PlayMusic();
  void ShowErrors(const std::vector<FieldError>& errors);
  void ClearErrors();
  void Remember() const;
  void Recall();
  PictureFitting ChosenFitting() const;
  const GiftLanguageChoice& ChosenLanguage() const;

  MakerPlayers players_;
  int32_t seed_ = 1;
  QString picturePath_;
  std::optional<ImportedPicture> picture_;

  QTabWidget* tabs_ = nullptr;
  QLabel* pictureName_ = nullptr;
  QLabel* pictureSize_ = nullptr;
  QComboBox* fitting_ = nullptr;
  QLabel* sizeText_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QTimer textCheck_;
  QTimer sizeUpdate_;
  bool recalled_ = false;  // changes are remembered only after the remembered settings are shown
  std::optional<MadeGift> made_;
  QString madePath_;
  std::string madeLanguage_;  // the language code the last gift fixed; "" for none
  std::map<std::string, QWidget*> fieldWidgets_;
  QSpinBox* pieceCount_ = nullptr;
  QLabel* gridText_ = nullptr;
  QComboBox* style_ = nullptr;
  QSlider* oddness_ = nullptr;
  QSpinBox* funPieces_ = nullptr;
  QLineEdit* templates_ = nullptr;
  QSpinBox* templateCount_ = nullptr;
  QCheckBox* rotation_ = nullptr;
  QComboBox* outline_ = nullptr;
  QCheckBox* mystery_ = nullptr;
  ColourButton* boardColour_ = nullptr;
  CutPreview* preview_ = nullptr;
  MessageControls opening_;
  MessageControls closing_;
  QLineEdit* title_ = nullptr;
  QLineEdit* creator_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QComboBox* language_ = nullptr;
  QLineEdit* music_ = nullptr;
  QPushButton* playMusic_ = nullptr;
  QLineEdit* skin_ = nullptr;
  QLabel* skinPreview_ = nullptr;
  QCheckBox* portable_ = nullptr;
  QProgressBar* progress_ = nullptr;
  std::map<std::string, QLabel*> errors_;
  std::unique_ptr<MusicOutput> player_;  // the music preview, made on first use
};

// The window's own icon, drawn here.
QIcon MakerIcon();

}  // namespace quill
