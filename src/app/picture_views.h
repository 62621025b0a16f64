// The two views that live beside the board for the whole run, shown and hidden by
// the main window: the picture window TOverlayForm (F3), the puzzle picture over the
// whole client of a small always-on-top window whose size keeps the picture's aspect
// when the user drags it (under Wayland it keeps the size the compositor gives); and
// the loupe TLoupeForm (F4), a magnifier of the screen around the pointer with its
// factor buttons 2x to 5x. Both first show beside the main window, or over the
// board's right edge when it leaves no room (window_placement.h). Where the platform
// places windows itself (Wayland) they are docked instead: frames inside the main
// window over the board's right corners, each with a title strip (its caption and a
// close button; dragging it moves the frame) and a size grip.
// Closing either with its close box unticks its item (Picture, Loupe) in the main
// form.
#pragma once
#include <QButtonGroup>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "common/picture_fit.h"
#include "raster/bitmap.h"
#include "ui/ui_state.h"

namespace quill {

class SkinnedPanel;

// How the picture window and the loupe show: windows of their own beside the main
// window, or frames docked inside it.
enum class ViewMode { Window, Docked };

// Windows where the platform lets the program place them, docked where it does not.
ViewMode PlatformViewMode();

// ---- The picture window ----

// The picture to show, or none while no game is played.
using PictureSource = std::function<const Bitmap*()>;

// The picture window's PaintBox1: the picture stretched over the whole box.
class PicturePaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit PicturePaintBox(QWidget* parent = nullptr);
  void SetPictureSource(PictureSource source) { source_ = std::move(source); }
  // Where the picture lies in the box; empty without a picture.
  QRect PictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureSource source_;
};

class TOverlayForm : public QWidget {
  Q_OBJECT
 public:
  // The form belongs to `owner` and is hidden; `mainForm` holds the Picture item.
  TOverlayForm(UiState& mainForm, QWidget* owner, ViewMode mode = PlatformViewMode());

  void SetPictureSource(PictureSource source);
  // When a layout is made: the client height follows the picture at the present width.
  void FitHeightToPicture();
  PicturePaintBox& PaintBox1() { return *paintBox_; }
  FittedSize LastFitted() const { return lastFitted_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The form's size for a client (picture) size, and back.
  QSize FormSize(FittedSize client) const { return QSize(client.Width, client.Height) + chrome_; }

  UiState& mainForm_;
  ViewMode mode_;
  bool placed_ = false;  // shown once beside the main window
  QSize chrome_{0, 0};   // what a docked frame adds around the picture
  PictureSource source_;
  PicturePaintBox* paintBox_;
  FittedSize lastFitted_;  // the client size fitted last, kept for the whole run
};

// ---- The loupe ----

// A screen area (in screen coordinates) as `widget` paints it, black where the area
// leaves the widget.
QPixmap GrabWidget(QWidget& widget, const QRect& area);

// Whether every pixel of the picture has one colour (a null picture has none).
bool OneColour(const QImage& picture);

// Whether a screen grab came back empty: one colour all over, where the program
// itself draws more than one (`drawn`, the same area as the program paints it, null
// where it paints nothing). Under XWayland the grab succeeds but hands out black.
bool GrabShowsNothing(const QImage& grabbed, const QImage& drawn);

// The screen enlarged (the loupe's CoolLoupe1). While active it grabs, every
// refresh interval, the part of the screen around the pointer (dynamic mode) or
// around a stored point (static mode) and shows it enlarged by the zoom ratio.
// Inactive it does nothing at all. Where the platform refuses to hand out the
// screen's pixels, or hands out one colour where the program draws a picture, it
// says so in place of the view.
class Magnifier : public QWidget {
  Q_OBJECT
 public:
  enum class Mode { Dynamic, Static };
  static constexpr int kRefreshMilliseconds = 30;
  // Reads an area of a screen (in screen coordinates, within the screen); a null
  // pixmap when the platform refuses.
  using ScreenGrab = std::function<QPixmap(QScreen& screen, const QRect& area)>;
  // An area of the screen as the program itself paints it (null where it paints
  // nothing), to tell an empty grab from a plain area of the screen.
  using OwnDrawing = std::function<QImage(const QRect& area)>;

  explicit Magnifier(QWidget* parent = nullptr);
  // Replaces the grab through Qt (for tests).
  void SetScreenGrab(ScreenGrab grab) { grab_ = std::move(grab); }
  void SetOwnDrawing(OwnDrawing drawing) { ownDrawing_ = std::move(drawing); }

  void SetActive(bool active);
  bool Active() const { return timer_.isActive(); }
  void SetZoom(int percent);
  int Zoom() const { return zoom_; }
  void SetMode(Mode mode) { mode_ = mode; }
  Mode CurrentMode() const { return mode_; }
  // The point shown in static mode, in screen coordinates.
  void SetStaticPoint(QPoint point) { staticPoint_ = point; }
  QPoint StaticPoint() const { return staticPoint_; }
  // Grabs the screen around the point now and repaints.
  void Refresh();
  // The screen area shown last, in screen coordinates.
  QRect SourceRect() const { return source_; }
  bool GrabRefused() const { return refused_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool SeesNothing(const QPixmap& grabbed, const QRect& area);

  QTimer timer_;
  ScreenGrab grab_;
  OwnDrawing ownDrawing_;
  int zoom_ = 300;
  Mode mode_ = Mode::Dynamic;
  QPoint staticPoint_;
  QRect source_;
  QPixmap view_;  // the source area as grabbed, black where it leaves the screen
  bool refused_ = false;
  // A grab came back empty: the message stays until one shows more than one colour.
  bool emptyGrabs_ = false;
};

class TLoupeForm : public QWidget {
  Q_OBJECT
 public:
  // The form belongs to `owner` (the main window, whose centre the loupe shows while
  // the pointer rests on it) and is hidden; `mainForm` holds the Loupe item.
  TLoupeForm(UiState& mainForm, QWidget* owner, ViewMode mode = PlatformViewMode());

  Magnifier& CoolLoupe1() { return *loupe_; }
  QWidget& ZoomPanel();
  // The factor button of a zoom ratio (200, 300, 400 or 500), or none.
  QAbstractButton* FactorButton(int percent) const { return factors_.button(percent); }
  // The pointer has come over the window or has left it (at the screen point given).
  void PointerEntered();
  void PointerLeft(QPoint pointer);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetFactor(int percent);
  void ShowCaption();
  QImage OwnerDrawing(const QRect& area) const;

  UiState& mainForm_;
  QPointer<QWidget> owner_;
  ViewMode mode_;
  bool placed_ = false;  // shown once beside the main window
  Magnifier* loupe_;
  SkinnedPanel* zoomPanel_;
  QButtonGroup factors_;
};

}  // namespace quill
