// A panel with a raised or lowered bevel, filled with a colour, a soft vertical
// gradient of it, or a tiled picture (the gift's skin). Forms use it where their
// design has panels: the splash form's Panel1 and Panel2, later the dialogs.
#pragma once
#include <QImage>
#include <QWidget>

namespace quill {

class BevelPanel : public QWidget {
  Q_OBJECT
 public:
  enum class Bevel { None, Raised, Lowered };

  explicit BevelPanel(QWidget* parent = nullptr);

  void SetBevel(Bevel bevel, int width);
  void SetFill(const QColor& colour, bool gradient);
  // A see-through panel paints only its bevel; what lies behind shows inside it.
  void SetSeeThrough(bool seeThrough);
  // A picture tiled over the panel instead of the colour; a null image removes it.
  void SetTile(const QImage& tile);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintFill(QPainter& painter);
  void PaintBevel(QPainter& painter);

  Bevel bevel_ = Bevel::Raised;
  int bevelWidth_ = 1;
  QColor colour_;
  bool gradient_ = false;
  bool seeThrough_ = false;
  QImage tile_;
};

}  // namespace quill
