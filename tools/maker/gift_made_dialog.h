// What the gift maker shows once a gift is saved: where it is and how large, a button
// that opens its folder, and a short text to send with the gift that tells the
// recipient how to open it, with a button that copies it.
#pragma once
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

namespace quill {

// A gift saved: the file, its size, the gift's own size (larger when the file is a
// zip archive holding it) and the language it fixes, by its own name ("" when it
// leaves the language to the recipient).
struct SavedGift {
  QString Path;
  int64_t FileSize = 0;
  int64_t GiftSize = 0;
  QString Language;
};

// The text to send with a gift saved as `fileName`: extract it if it is a .zip,
// double-click it, and where that does nothing, allow it to run as a program. It is
// written in the language the gift fixes ("en", "pl", "pt_BR"...), so the recipient
// reads it in the language the gift speaks; "" writes it in the window's language.
QString SendingText(const QString& fileName, const std::string& language = "");

class GiftMadeDialog : public QDialog {
  Q_OBJECT
 public:
  // `text`: the text to send.
  GiftMadeDialog(const SavedGift& gift, const QString& text, QWidget* parent = nullptr);

  QPlainTextEdit& Text() const { return *text_; }
  QPushButton& Copy() const { return *copy_; }
  QPushButton& ShowFolder() const { return *showFolder_; }

 signals:
  // The person changed the text to send.
  void TextEdited(const QString& text);

 private:
  QPlainTextEdit* text_;
  QPushButton* copy_;
  QPushButton* showFolder_;
};

}  // namespace quill
