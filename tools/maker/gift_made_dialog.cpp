#include "gift_made_dialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>

#include "app/language.h"
#include "gift_request.h"
#include "gift_zip.h"

namespace quill {

namespace {

constexpr const char* kContext = "quill::GiftMadeDialog";

// The sending text's parts in a language of their own, apart from the window's: the
// catalogue of an interface language, English, or (for "") the window's own.
class SendingLanguage {
 public:
  explicit SendingLanguage(const std::string& language) {
    const bool english = NamesEnglish(language);
    const std::string own = LanguageOfLocale(language);
    asWindow_ = !english && own.empty();
    if (!own.empty()) loaded_ = catalogue_.load(QString::fromStdString("quillmere_" + own), ":/translations");
  }
  QString operator()(const char* text) const {
    if (asWindow_) return QCoreApplication::translate(kContext, text);
    const QString translated = loaded_ ? catalogue_.translate(kContext, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
  }

 private:
  QTranslator catalogue_;
  bool loaded_ = false;
  bool asWindow_ = false;
};

}  // namespace

QString SendingText(const QString& fileName, const std::string& language) {
  static const char* const kGreeting =
      QT_TRANSLATE_NOOP("quill::GiftMadeDialog", "I made you a jigsaw puzzle! To open it:\n");
  static const char* const kZipSteps =
      QT_TRANSLATE_NOOP("quill::GiftMadeDialog",
                        "1. Save %1 and extract it (right-click it, Extract Here).\n"
                        "2. Double-click %2 to start the puzzle.\n");
  static const char* const kSteps =
      QT_TRANSLATE_NOOP("quill::GiftMadeDialog", "1. Save %1.\n2. Double-click it to start the puzzle.\n");
  static const char* const kIfNothing =
      QT_TRANSLATE_NOOP("quill::GiftMadeDialog",
                        "If double-clicking does nothing, right-click %1, choose Properties and tick "
                        "\"Allow executing as program\" (or type chmod +x %1 in a terminal), then "
                        "double-click it again. It runs on Linux.");
  const SendingLanguage translated(language);
  const bool zip = IsZipPath(fileName.toStdString());
  const QString gift = zip ? QString::fromStdString(ZipEntryName(fileName.toStdString())) : fileName;
  QString text = translated(kGreeting);
  text += zip ? translated(kZipSteps).arg(fileName, gift) : translated(kSteps).arg(fileName);
  text += translated(kIfNothing).arg(gift);
  return text;
}

GiftMadeDialog::GiftMadeDialog(const SavedGift& gift, const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Gift made"));
  const QFileInfo file(gift.Path);
  auto* layout = new QVBoxLayout(this);
  QString saved = tr("The gift is saved as <b>%1</b> (%2) in %3.")
                      .arg(file.fileName().toHtmlEscaped(), QString::fromStdString(ReadableSize(gift.FileSize)),
                           file.absolutePath().toHtmlEscaped());
  if (gift.GiftSize != gift.FileSize)
    saved += tr(" The zip archive holds the gift %1 (%2).")
                 .arg(QString::fromStdString(ZipEntryName(gift.Path.toStdString())).toHtmlEscaped(),
                      QString::fromStdString(ReadableSize(gift.GiftSize)));
  if (!gift.Language.isEmpty()) saved += "<br>" + tr("Language of the gift: %1").arg(gift.Language.toHtmlEscaped());
  auto* savedLabel = new QLabel(saved, this);
  savedLabel->setWordWrap(true);
  layout->addWidget(savedLabel);
  auto* textLabel = new QLabel(tr("&Send this text with the gift:"), this);
  text_ = new QPlainTextEdit(text, this);
  text_->setToolTip(tr("How the recipient opens the gift; you can change it"));
  text_->setTabChangesFocus(true);
  text_->setMinimumSize(fontMetrics().averageCharWidth() * 64, fontMetrics().height() * 8);
  textLabel->setBuddy(text_);
  layout->addWidget(textLabel);
  layout->addWidget(text_);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { emit TextEdited(text_->toPlainText()); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  copy_ = buttons->addButton(tr("&Copy text"), QDialogButtonBox::ActionRole);
  copy_->setToolTip(tr("Copies the text, to paste it into a mail or a message"));
  connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
  showFolder_ = buttons->addButton(tr("Show &folder"), QDialogButtonBox::ActionRole);
  showFolder_->setToolTip(tr("Opens the folder the gift was saved in"));
  const QString folder = file.absolutePath();
  connect(showFolder_, &QPushButton::clicked, this, [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace quill
