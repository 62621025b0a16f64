// What the gift maker shows once a gift is saved: where it is and how large, a button
// that opens its folder, and a short text to send with the gift that tells the
// recipient how to open it, with a button that copies it.
#pragma once
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quill {

// The text to send with a gift saved as `fileName`: extract it if it is a .zip,
// double-click it, and where that does nothing, allow it to run as a program.
QString SendingText(const QString& fileName);

class GiftMadeDialog : public QDialog {
  Q_OBJECT
 public:
  // `path`: the file saved; `fileSize` its size; `giftSize` the gift's own (larger
  // when the file is a zip archive holding it); `text` the text to send.
  GiftMadeDialog(const QString& path, int64_t fileSize, int64_t giftSize, const QString& text,
                 QWidget* parent = nullptr);

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
