// The gift maker's live preview of the cut: the stored picture with every piece's
// outline drawn over it, from the lattice of the chosen seed, as the player cuts it.
#pragma once
#include <QImage>
#include <QWidget>

#include "cut_outlines.h"

namespace quill {

class CutPreview : public QWidget {
  Q_OBJECT
 public:
  explicit CutPreview(QWidget* parent = nullptr);

  // The picture as the gift stores it; an empty bitmap shows nothing.
  void SetPicture(Bitmap picture);
  // Style, oddness, fun share and seed; the grid comes from the piece count.
  void SetCut(int32_t requestedCount, int pieceStyle, int oddness, int funPieces, int32_t seed);
  void SetTemplates(TTemplates templates);

  const Bitmap& Picture() const { return picture_; }
  const CutSettings& Cut() const { return cut_; }
  // The preview as last drawn, at the widget's size less its margin.
  const QImage& Image() const { return image_; }
  QSize sizeHint() const override { return {480, 320}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Redraw();

  Bitmap picture_;
  TTemplates templates_;
  CutSettings cut_;
  int32_t requestedCount_ = 100;
  QImage image_;
};

}  // namespace quill
