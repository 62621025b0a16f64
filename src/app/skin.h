// The gift's skin on the main window and its panels: the skin picture tiled behind
// the tool bar, the tray bar and the loupe's factor panel (every SkinWallpaper of the
// application), and its average colour on the menu bar and the status bar. The host
// keeps the picture and its colour; the main window applies them when the gift hands
// them over. The splash form and the dialogs tile the picture themselves.
#pragma once
#include <QImage>
#include <QPixmap>
#include <QToolBar>

#include "app/bevel_panel.h"
#include "raster/bitmap.h"
#include "raster/colour.h"

class QMainWindow;

namespace quill {

// A panel that shows the skin tiled behind its contents; a null tile gives its plain
// look back.
class SkinWallpaper {
 public:
  virtual ~SkinWallpaper() = default;
  virtual void SetWallpaper(const QImage& tile) = 0;
};

// A dockable bar (SpeedBar, BoxBar) with the skin behind its buttons.
class SkinnedToolBar : public QToolBar, public SkinWallpaper {
  Q_OBJECT
 public:
  explicit SkinnedToolBar(QWidget* parent = nullptr) : QToolBar(parent) {}
  void SetWallpaper(const QImage& tile) override;
  bool HasWallpaper() const { return !wallpaper_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap wallpaper_;
};

// A bevelled panel with the skin behind its contents (the loupe's ZoomPanel).
class SkinnedPanel : public BevelPanel, public SkinWallpaper {
  Q_OBJECT
 public:
  explicit SkinnedPanel(QWidget* parent = nullptr) : BevelPanel(parent) {}
  void SetWallpaper(const QImage& tile) override { SetTile(tile); }
};

// Gives every skinned panel of the application the picture (none clears it), and
// colours the menu bar and the status bar of `window` with `colour` (a system colour
// leaves their own look), their texts in black or white, whichever reads better.
void ApplySkin(QMainWindow& window, const Bitmap* picture, Colour colour);

}  // namespace quill
