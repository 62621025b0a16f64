#include "message_preview.h"

#include <QVBoxLayout>

#include "app/splash_memo.h"
#include "app/qt_colours.h"
#include "common/text_codec.h"
#include "ui/form_layouts.h"

namespace quill {

namespace {
constexpr int kFrame = 3;
}

MessagePreview::MessagePreview(QWidget* parent) : QWidget(parent), memo_(NewSplashMemo(this)) {
  // As large as the box and a thin frame of the form's colour around it: no wider.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kFrame, kFrame, kFrame, kFrame);
  layout->addWidget(memo_);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  memo_->setFocusPolicy(Qt::NoFocus);
  memo_->setToolTip(tr("The message as the gift's splash screen shows it"));
  Show("", "clWhite", 0, GiftFont{});
}

void MessagePreview::Show(const std::string& text, const std::string& colourName, uint8_t alignment,
                          const GiftFont& font) {
  splash_ = UiState();
  DefineSplashForm(splash_);
  // The box keeps its designed size: an empty message hides it on the splash.
  const ComponentState& designed = splash_.Get(component::kMemo1);
  memo_->setFixedSize(designed.Width, designed.Height);
  setFixedSize(designed.Width + 2 * kFrame, designed.Height + 2 * kFrame);
  // The player shows the text block's text, any script as typed; the font name is
  // the header's.
  const GiftFont storedFont = [&] {
    GiftFont f = font;
    f.Name = Utf8ToWindows1252(font.Name);
    return f;
  }();
  ApplyGiftMessage(splash_, {text, colourName, alignment, storedFont});
  // The box takes its frame from the form around it, as on the splash.
  QPalette form = palette();
  form.setColor(QPalette::Window, ToQColor(splash_.Get(kSplashFormName).Color));
  setPalette(form);
  setAutoFillBackground(true);
  ShowSplashMemo(*memo_, splash_.Get(component::kMemo1));
}

}  // namespace quill
