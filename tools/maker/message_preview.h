// The gift maker's preview of an opening or closing message: the splash form's own
// message box, given the splash state that the player's gift loader makes of the
// message, so it shows exactly what the recipient will read.
#pragma once
#include <QTextEdit>
#include <QWidget>

#include "game/jigsaw.h"

namespace quill {

class MessagePreview : public QWidget {
  Q_OBJECT
 public:
  explicit MessagePreview(QWidget* parent = nullptr);

  // A message as the maker holds it: UTF-8 text with "\n" line breaks, the name of
  // its background colour, its alignment (0 left, 1 right, 2 centred) and font.
  void Show(const std::string& text, const std::string& colourName, uint8_t alignment, const GiftFont& font);
  QTextEdit& Memo() const { return *memo_; }
  // The splash form's state after the message was applied.
  const UiState& Splash() const { return splash_; }

 private:
  UiState splash_;
  QTextEdit* memo_;
};

}  // namespace quill
