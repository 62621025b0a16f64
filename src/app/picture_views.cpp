#include "app/picture_views.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "app/qt_colours.h"
#include "app/skin.h"
#include "app/window_placement.h"

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

}  // namespace

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

TOverlayForm::TOverlayForm(UiState& mainForm, QWidget* owner)
    : QWidget(owner, kToolWindowFlags), mainForm_(mainForm), paintBox_(new PicturePaintBox(this)) {
  setObjectName("OverlayForm");
  setWindowTitle(tr("Picture"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(paintBox_);
  resize(kOverlayWidth, kOverlayWidth * 3 / 4);
  hide();
}

void TOverlayForm::SetPictureSource(PictureSource source) {
  source_ = source;
  paintBox_->SetPictureSource(std::move(source));
}

void TOverlayForm::FitHeightToPicture() {
  const Bitmap* picture = source_ ? source_() : nullptr;
  if (!picture) return;
  resize(width(), OverlayHeightForWidth(width(), picture->Width(), picture->Height()));
  paintBox_->update();
}

void TOverlayForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const Bitmap* picture = source_ ? source_() : nullptr;
  // Answering a Wayland compositor's size with the fitted one makes the window jump
  // between the two at every change of focus; there it keeps the size it is given.
  if (!picture || !PlatformObeysWindowGeometry()) return;
  const std::optional<FittedSize> fit =
      ResizeOverlay({width(), height()}, lastFitted_, picture->Width(), picture->Height());
  // The resize this causes comes back here with the fitted size and ends the chain.
  if (fit && (fit->Width != width() || fit->Height != height())) resize(fit->Width, fit->Height);
}

void TOverlayForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!placed_ && parentWidget()) PlaceView(*this, *parentWidget(), ViewPlace::TopBeside);
  placed_ = true;
}

void TOverlayForm::closeEvent(QCloseEvent* event) {
  mainForm_.SetChecked("Picture", false);
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

TLoupeForm::TLoupeForm(UiState& mainForm, QWidget* owner)
    : QWidget(owner, kToolWindowFlags),
      mainForm_(mainForm),
      owner_(owner),
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
  loupe_->SetOwnDrawing([this](const QRect& area) { return OwnerDrawing(area); });
  ShowCaption();
  resize(kLoupeSize);
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
  if (!placed_ && owner_) PlaceView(*this, *owner_, ViewPlace::BottomBeside);
  placed_ = true;
  loupe_->SetActive(true);
  ShowCaption();
}

void TLoupeForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  loupe_->SetActive(false);
}

void TLoupeForm::closeEvent(QCloseEvent* event) {
  mainForm_.SetChecked("Loupe", false);
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
  if (frameGeometry().contains(pointer)) return;
  loupe_->SetMode(Magnifier::Mode::Dynamic);
  zoomPanel_->hide();
}

}  // namespace quill
