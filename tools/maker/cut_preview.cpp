#include "cut_preview.h"

#include <QPainter>
#include <algorithm>

#include "app/qt_colours.h"

namespace quill {

CutPreview::CutPreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CutPreview::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  SetCut(requestedCount_, cut_.Lattice.PieceStyle, cut_.Lattice.Oddness, cut_.Lattice.FunPieces, cut_.Seed);
}

void CutPreview::SetCut(int32_t requestedCount, int pieceStyle, int oddness, int funPieces, int32_t seed) {
  requestedCount_ = requestedCount;
  cut_ = CutSettingsFor(requestedCount, std::max(picture_.Width(), 1), std::max(picture_.Height(), 1), pieceStyle,
                        oddness, funPieces, seed);
  Redraw();
}

void CutPreview::SetTemplates(TTemplates templates) {
  templates_ = std::move(templates);
  Redraw();
}

// The picture keeps its proportions within the widget; the cut is drawn at that size.
void CutPreview::Redraw() {
  if (picture_.Width() == 0 || picture_.Height() == 0) {
    image_ = QImage();
    update();
    return;
  }
  const QSize room = size().isEmpty() ? sizeHint() : size();
  const QSize fitted = QSize(picture_.Width(), picture_.Height()).scaled(room, Qt::KeepAspectRatio);
  image_ = ToQImage(DrawCutOverPicture(picture_, fitted.width(), fitted.height(), cut_, templates_));
  update();
}

void CutPreview::resizeEvent(QResizeEvent*) { Redraw(); }

void CutPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (image_.isNull()) {
    painter.drawText(rect(), Qt::AlignCenter, tr("Open a picture to see how it is cut"));
    return;
  }
  painter.drawImage(QPoint((width() - image_.width()) / 2, (height() - image_.height()) / 2), image_);
}

}  // namespace quill
