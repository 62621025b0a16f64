#include "app/picture_views.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSizeGrip>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/qt_colours.h"
#include "app/skin.h"
#include "app/window_placement.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr Qt::WindowFlags kToolWindowFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

// The picture window's client width before the first layout fits its height.
constexpr int kOverlayWidth = 240;
// The loupe's size when first shown, and the least room for its view.
constexpr QSize kLoupeSize(240, 200);
constexpr QSize kLoupeViewMinimum(100, 80);

constexpr int kFactors[] = {200, 300, 400, 500};
constexpr int kFirstFactor = 300;

constexpr const char* kGrabRefusedText = QT_TRANSLATE_NOOP(
    "quill::Magnifier", "This desktop does not let programs read the screen, so the loupe cannot magnify it here.");

// A docked frame's border around its title strip and client.
constexpr int kDockBorder = 2;

Qt::WindowFlags FlagsFor(ViewMode mode) { return mode == ViewMode::Docked ? Qt::SubWindow : kToolWindowFlags; }

// The title strip of a docked frame: its caption and a close button; dragging the
// strip moves the frame within its owner. It also keeps the frame's size grip in the
// frame's bottom right corner, and the frame at its place over the board as the owner
// is resized, or within the owner once the user has moved it.
class TitleStrip : public QWidget {
 public:
  TitleStrip(QWidget& frame, ViewPlace place)
      : QWidget(&frame), frame_(frame), place_(place), grip_(new QSizeGrip(&frame)) {
    setObjectName("TitleStrip");
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    auto* caption = new QLabel(frame.windowTitle(), this);
    caption->setObjectName("Caption");
    connect(&frame, &QWidget::windowTitleChanged, caption, &QLabel::setText);
    auto* close = new QToolButton(this);
    close->setObjectName("CloseButton");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, &frame, &QWidget::close);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(caption, 1);
    layout->addWidget(close);
    setFixedHeight(close->sizeHint().height());
    frame.installEventFilter(this);
    if (frame.parentWidget()) frame.parentWidget()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &frame_ && event->type() == QEvent::Resize) {
      grip_->move(frame_.width() - kDockBorder - grip_->width(), frame_.height() - kDockBorder - grip_->height());
      grip_->raise();
    } else if (watched == frame_.parentWidget() && event->type() == QEvent::Resize) {
      if (moved_)
        KeepWithinOwner(frame_.pos());
      else
        DockView(frame_, *frame_.parentWidget(), place_);
    }
    return false;
  }
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = event->globalPosition().toPoint() - frame_.pos();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton) || !frame_.parentWidget()) return;
    moved_ = true;
    KeepWithinOwner(event->globalPosition().toPoint() - pressed_);
  }

 private:
  void KeepWithinOwner(QPoint at) {
    const QRect room = frame_.parentWidget()->rect();
    frame_.move(std::clamp(at.x(), 0, std::max(0, room.width() - frame_.width())),
                std::clamp(at.y(), 0, std::max(0, room.height() - frame_.height())));
  }

  QWidget& frame_;
  ViewPlace place_;
  bool moved_ = false;  // by the user
  QSizeGrip* grip_;
  QPoint pressed_;  // where the strip was taken, from the frame's top left
};

// Makes `frame`, laid out by `layout`, a docked frame: a thin border, the title strip
// above its client and a size grip, kept at `place`. Returns what the frame adds
// around the client.
QSize DockFrame(QWidget& frame, QBoxLayout& layout, ViewPlace place) {
  frame.setAutoFillBackground(true);
  frame.setBackgroundRole(QPalette::Dark);
  auto* strip = new TitleStrip(frame, place);
  layout.insertWidget(0, strip);
  layout.setContentsMargins(kDockBorder, kDockBorder, kDockBorder, kDockBorder);
  return {2 * kDockBorder, 2 * kDockBorder + strip->height() + layout.spacing()};
}

// The first show: beside the owner for a window, over the board's corner when docked.
void PlaceOnce(QWidget& form, QWidget* owner, ViewPlace place, ViewMode mode, bool& placed) {
  if (owner && !placed) {
    if (mode == ViewMode::Docked)
      DockView(form, *owner, place);
    else
      PlaceView(form, *owner, place);
  }
  if (mode == ViewMode::Docked) form.raise();
  placed = true;
}

}  // namespace

ViewMode PlatformViewMode() {
  return PlatformPlacesWindows(QGuiApplication::platformName()) ? ViewMode::Window : ViewMode::Docked;
}

// ---- The picture window --------------------------------------------------------------

PicturePaintBox::PicturePaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PicturePaintBox::PictureRect() const {
  const Bitmap* picture = source_ ? source_() : nullptr;
  if (!picture || picture->Empty()) return {};
  // The window keeps the picture's aspect where the platform lets it; the picture
  // covers the whole client whatever size the window was given.
  return rect();
}

void PicturePaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::black);
  const Bitmap* picture = source_ ? source_() : nullptr;
  if (!picture || picture->Empty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(PictureRect(), WrapBitmap(*picture));
}

TOverlayForm::TOverlayForm(UiState& mainForm, QWidget* owner, ViewMode mode)
    : QWidget(owner, FlagsFor(mode)), mainForm_(mainForm), mode_(mode), paintBox_(new PicturePaintBox(this)) {
  setObjectName("OverlayForm");
  setWindowTitle(tr("Picture"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(paintBox_);
  if (mode == ViewMode::Docked) chrome_ = DockFrame(*this, *layout, ViewPlace::TopBeside);
  resize(FormSize({kOverlayWidth, kOverlayWidth * 3 / 4}));
  hide();
}

void TOverlayForm::SetPictureSource(PictureSource source) {
  source_ = source;
  paintBox_->SetPictureSource(std::move(source));
}

void TOverlayForm::FitHeightToPicture() {
  const Bitmap* picture = source_ ? source_() : nullptr;
  if (!picture) return;
  const int client = width() - chrome_.width();
  resize(FormSize({client, OverlayHeightForWidth(client, picture->Width(), picture->Height())}));
  paintBox_->update();
}

void TOverlayForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const Bitmap* picture = source_ ? source_() : nullptr;
  // Answering a Wayland compositor's size with the fitted one makes the window jump
  // between the two at every change of focus; there it keeps the size it is given.
  // Docked, the program alone sizes it.
  if (!picture || (mode_ == ViewMode::Window && !PlatformObeysWindowGeometry())) return;
  const std::optional<FittedSize> fit = ResizeOverlay({width() - chrome_.width(), height() - chrome_.height()},
                                                      lastFitted_, picture->Width(), picture->Height());
  // The resize this causes comes back here with the fitted size and ends the chain.
  if (fit && FormSize(*fit) != size()) resize(FormSize(*fit));
}

void TOverlayForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  PlaceOnce(*this, parentWidget(), ViewPlace::TopBeside, mode_, placed_);
}

void TOverlayForm::closeEvent(QCloseEvent* event) {
  mainForm_.SetChecked(component::kPicture, false);
  QWidget::closeEvent(event);
}

// ---- The magnifier -------------------------------------------------------------------

namespace {

// The screen's pixels through Qt: on X11 a copy of the root window's area; other
// platforms (Wayland) may refuse.
QPixmap GrabThroughQt(QScreen& screen, const QRect& area) {
  const QPoint within = area.topLeft() - screen.geometry().topLeft();
  return screen.grabWindow(0, within.x(), within.y(), area.width(), area.height());
}

}  // namespace

QPixmap GrabWidget(QWidget& widget, const QRect& area) {
  QPixmap pixels(area.size());
  pixels.fill(Qt::black);
  const QRect local(widget.mapFromGlobal(area.topLeft()), area.size());
  const QRect within = local.intersected(widget.rect());
  if (!within.isEmpty()) QPainter(&pixels).drawPixmap(within.topLeft() - local.topLeft(), widget.grab(within));
  return pixels;
}

bool OneColour(const QImage& picture) {
  if (picture.isNull()) return false;
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  const QRgb first = pixels.pixel(0, 0);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    if (std::any_of(row, row + pixels.width(), [first](QRgb pixel) { return pixel != first; })) return false;
  }
  return true;
}

bool GrabShowsNothing(const QImage& grabbed, const QImage& drawn) {
  return OneColour(grabbed) && !drawn.isNull() && !OneColour(drawn);
}

Magnifier::Magnifier(QWidget* parent) : QWidget(parent), grab_(GrabThroughQt) {
  setObjectName("CoolLoupe1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(kLoupeViewMinimum);
  timer_.setInterval(kRefreshMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &Magnifier::Refresh);
}

void Magnifier::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    timer_.start();
    Refresh();
  } else {
    timer_.stop();
    view_ = QPixmap();  // nothing held while hidden
  }
}

void Magnifier::SetZoom(int percent) {
  zoom_ = std::max(100, percent);
  if (Active()) Refresh();
}

void Magnifier::Refresh() {
  const QPoint centre = mode_ == Mode::Dynamic ? QCursor::pos() : staticPoint_;
  const QSize area(std::max(1, (width() * 100 + zoom_ - 1) / zoom_), std::max(1, (height() * 100 + zoom_ - 1) / zoom_));
  source_ = QRect(centre - QPoint(area.width() / 2, area.height() / 2), area);
  QScreen* screen = QGuiApplication::screenAt(centre);
  if (!screen) screen = QGuiApplication::primaryScreen();
  view_ = QPixmap(area);
  view_.fill(Qt::black);
  const QRect onScreen = screen ? source_.intersected(screen->geometry()) : QRect();
  refused_ = false;
  if (!onScreen.isEmpty()) {
    const QPixmap grabbed = grab_(*screen, onScreen);
    refused_ = grabbed.isNull() || SeesNothing(grabbed, onScreen);
    QPainter painter(&view_);
    painter.drawPixmap(QRect(onScreen.topLeft() - source_.topLeft(), onScreen.size()), grabbed);
  }
  update();
}

bool Magnifier::SeesNothing(const QPixmap& grabbed, const QRect& area) {
  const QImage pixels = grabbed.toImage();
  if (!OneColour(pixels))
    emptyGrabs_ = false;
  else if (!emptyGrabs_ && ownDrawing_)
    emptyGrabs_ = GrabShowsNothing(pixels, ownDrawing_(area));
  return emptyGrabs_;
}

void Magnifier::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (refused_) {
    painter.fillRect(event->rect(), palette().window());
    painter.setPen(palette().windowText().color());
    painter.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, tr(kGrabRefusedText));
    return;
  }
  painter.fillRect(event->rect(), Qt::black);
  if (view_.isNull()) return;
  // Every screen pixel becomes a square block: no smoothing.
  const QSize enlarged = view_.size() * zoom_ / 100;
  const QPoint corner((width() - enlarged.width()) / 2, (height() - enlarged.height()) / 2);
  painter.drawPixmap(QRect(corner, enlarged), view_);
}

// ---- The loupe -----------------------------------------------------------------------

TLoupeForm::TLoupeForm(UiState& mainForm, QWidget* owner, ViewMode mode)
    : QWidget(owner, FlagsFor(mode)),
      mainForm_(mainForm),
      owner_(owner),
      mode_(mode),
      loupe_(new Magnifier(this)),
      zoomPanel_(new SkinnedPanel(this)) {
  setObjectName("LoupeForm");
  zoomPanel_->setObjectName("ZoomPanel");
  auto* buttons = new QHBoxLayout(zoomPanel_);
  buttons->setContentsMargins(4, 3, 4, 3);
  buttons->setSpacing(2);
  for (int percent : kFactors) {
    auto* button = new QToolButton(zoomPanel_);
    button->setText(QString("%1x").arg(percent / 100));
    // Raised faces read on any skin.
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setChecked(percent == kFirstFactor);
    factors_.addButton(button, percent);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  factors_.setExclusive(true);
  connect(&factors_, &QButtonGroup::idClicked, this, &TLoupeForm::SetFactor);
  zoomPanel_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(zoomPanel_);
  layout->addWidget(loupe_, 1);
  loupe_->SetZoom(kFirstFactor);
  ShowCaption();
  QSize chrome(0, 0);
  if (mode == ViewMode::Docked) chrome = DockFrame(*this, *layout, ViewPlace::BottomBeside);
  // Docked over the board, it shows the board as the program paints it (black
  // beyond it): no screen needs reading, which Wayland refuses anyway.
  const auto* main = qobject_cast<QMainWindow*>(owner);
  if (mode == ViewMode::Docked && main && main->centralWidget())
    loupe_->SetScreenGrab([board = QPointer<QWidget>(main->centralWidget())](QScreen&, const QRect& area) {
      return board ? GrabWidget(*board, area) : QPixmap();
    });
  else
    loupe_->SetOwnDrawing([this](const QRect& area) { return OwnerDrawing(area); });
  resize(kLoupeSize + chrome);
  hide();
}

QWidget& TLoupeForm::ZoomPanel() { return *zoomPanel_; }

void TLoupeForm::SetFactor(int percent) {
  loupe_->SetZoom(percent);
  ShowCaption();
}

// The main window's part of a screen area, as the main window paints it.
QImage TLoupeForm::OwnerDrawing(const QRect& area) const {
  if (!owner_ || !owner_->isVisible()) return {};
  const QRect within = QRect(owner_->mapFromGlobal(area.topLeft()), area.size()).intersected(owner_->rect());
  if (within.isEmpty()) return {};
  return owner_->grab(within).toImage();
}

void TLoupeForm::ShowCaption() { setWindowTitle(tr("Loupe: %1x").arg(loupe_->Zoom() / 100)); }

void TLoupeForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  PlaceOnce(*this, owner_, ViewPlace::BottomBeside, mode_, placed_);
  loupe_->SetActive(true);
  ShowCaption();
}

void TLoupeForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  loupe_->SetActive(false);
}

void TLoupeForm::closeEvent(QCloseEvent* event) {
  mainForm_.SetChecked(component::kLoupe, false);
  QWidget::closeEvent(event);
}

void TLoupeForm::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  PointerEntered();
}

void TLoupeForm::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  PointerLeft(QCursor::pos());
}

// While the pointer rests on the loupe, the view holds still on the main window's
// centre, and the factor buttons show.
void TLoupeForm::PointerEntered() {
  if (owner_) {
    const QRect main = owner_->frameGeometry();
    loupe_->SetStaticPoint(QPoint(main.left() + main.width() / 2, main.top() + main.height() / 2));
  }
  loupe_->SetMode(Magnifier::Mode::Static);
  zoomPanel_->show();
  if (loupe_->Active()) loupe_->Refresh();
}

// Moving onto one of the loupe's own controls is no leaving.
void TLoupeForm::PointerLeft(QPoint pointer) {
  const QRect area = isWindow() ? frameGeometry() : QRect(mapToGlobal(QPoint(0, 0)), size());
  if (area.contains(pointer)) return;
  loupe_->SetMode(Magnifier::Mode::Dynamic);
  zoomPanel_->hide();
}

}  // namespace quill
