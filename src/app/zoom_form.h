// The zoom window (TZoomForm): the puzzle picture as loaded from the gift, as large as
// the screen holds it at its own aspect, centred between black bars, or stretched
// edge to edge in a dimension whose bars would each be narrower than a tenth of the
// screen. Borderless and modal; any click or key closes it, and so does any other
// modal window or message box that opens while it shows (the exit screen when the
// desktop closes the main window), so none of them opens hidden behind it. Shown by
// the Zoom command and after the congratulation.
#pragma once
#include <QDialog>
#include <QImage>

#include "raster/bitmap.h"

namespace quill {

class QtHost;

class ZoomForm : public QDialog {
  Q_OBJECT
 public:
  // Shows `picture` in place without copying a 24-bit one, so the picture must
  // outlive the form. Covers the screen of `parent` (or the primary screen).
  explicit ZoomForm(const Bitmap& picture, QWidget* parent = nullptr);

  // Where the picture is drawn in the window.
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage picture_;
};

// Shows the zoom window for `picture` modally through the host (a quiet host shows
// nothing) and frees it after.
void ShowZoomForm(QtHost& host, QWidget* parent, const Bitmap& picture);

}  // namespace quill
