// A push button with a glyph above its caption or to the right of it, the pair
// centred on the button, as the splash form's OkBtn and ExitBtn are designed.
#pragma once
#include <QAbstractButton>

namespace quill {

class GlyphButton : public QAbstractButton {
  Q_OBJECT
 public:
  enum class GlyphPlace { Above, Right };

  explicit GlyphButton(QWidget* parent = nullptr);

  void SetGlyphPlace(GlyphPlace place);
  GlyphPlace Place() const { return place_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GlyphPlace place_ = GlyphPlace::Above;
};

}  // namespace quill
