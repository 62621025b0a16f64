#include "app/qt_host.h"

#include <QColorDialog>
#include <QCursor>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>
#include <iostream>

#include "app/board_widget.h"
#include "app/congrats_dialog.h"
#include "app/cursors.h"
#include "app/qt_colours.h"
#include "app/zoom_form.h"
#include "app/state_mirror.h"
#include "common/average_colour.h"
#include "common/translate.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Plain: return QMessageBox::NoIcon;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

Qt::CursorShape QtCursorOf(CursorShape shape) {
  switch (shape) {
    case CursorShape::Default: return Qt::ArrowCursor;
    case CursorShape::Hourglass: return kHourglassCursor;
    case CursorShape::Grab: return kGrabCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    case CursorShape::SizeVertical: return Qt::SizeVerCursor;
    case CursorShape::SizeHorizontal: return Qt::SizeHorCursor;
    case CursorShape::SizeNorthWestSouthEast: return Qt::SizeFDiagCursor;
    case CursorShape::SizeNorthEastSouthWest: return Qt::SizeBDiagCursor;
  }
  return Qt::ArrowCursor;
}

// The core's messages are English; the catalogue has the fixed ones (the core
// translates those it fills in before filling them).
QString MessageText(const std::string& text) { return ToQString(Shown(kMessagesContext, text)); }

QRect ToQRect(const Rect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

}  // namespace

QtHost::QtHost() : splashForm_(std::make_unique<UiState>()) {
  DefineMainForm(mainForm_);
  DefineSplashForm(*splashForm_);
  animationTimer_.setTimerType(Qt::PreciseTimer);
  animationTimer_.setInterval(kAnimationTickMs);
  QObject::connect(&animationTimer_, &QTimer::timeout, [this] {
    if (tickHandler_) tickHandler_();
  });
}

QtHost::~QtHost() = default;

UiState& QtHost::NewSplashForm() {
  splashForm_ = std::make_unique<UiState>();
  DefineSplashForm(*splashForm_);
  return *splashForm_;
}

void QtHost::ShowMessage(const std::string& text, MessageKind kind) {
  std::cerr << text << std::endl;
  if (quiet_) return;
  QMessageBox box(IconOf(kind), kProgramTitle, MessageText(text), QMessageBox::Ok,
                  dialogParent_);
  // In front of the splash form, which stays on top while the gift loads.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

ChoiceAnswer QtHost::QuietAnswer(const std::string& question) {
  questionsAsked_.push_back(question);
  return quietAnswer_;
}

bool QtHost::AskYesNo(const std::string& question) {
  if (quiet_) return QuietAnswer(question) == ChoiceAnswer::Yes;
  QMessageBox box(QMessageBox::Question, kProgramTitle, MessageText(question),
                  QMessageBox::Yes | QMessageBox::No, dialogParent_);
  box.setEscapeButton(QMessageBox::No);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return box.exec() == QMessageBox::Yes;
}

Colour QtHost::SystemColour(int index) { return FromQColor(SystemQColor(index)); }

// QTemporaryDir makes the folder with a unique name, for this user only, and removes
// it with its contents when the host is destroyed.
std::string QtHost::PrivateTempDirectory() {
  if (!privateTemp_) privateTemp_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/quillmere-gift-XXXXXX");
  if (!privateTemp_->isValid()) return "";
  return privateTemp_->path().toStdString() + "/";
}

int QtHost::ScreenColourDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 24;
}

void QtHost::SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) {
  skinColour_ = picture ? AverageColor(picture.get(), false, toolbarHeight) : kSystemButtonFace;
  skin_ = std::move(picture);
  skinToolbarHeight_ = toolbarHeight;
  if (skinHandler_) skinHandler_();
}

int QtHost::RunModal(QDialog& dialog) {
  if (quiet_) return QDialog::Rejected;
  return dialog.exec();
}

}  // namespace quill

namespace quill {

// ---- The board ----------------------------------------------------------------------

void QtHost::SetBoardWidget(BoardWidget* board) { board_ = board; }

void QtHost::InvalidateBoard(const Rect& rect, bool now) {
  if (!board_ || rect.IsEmpty()) return;
  if (now) {
    board_->repaint(board_->WidgetRectOf(rect));
  } else {
    board_->update(board_->WidgetRectOf(rect));
  }
}

void QtHost::SetCursor(CursorShape shape) {
  if (board_) board_->setCursor(QtCursorOf(shape));
}

Point QtHost::PointerOnBoard() { return board_ ? board_->PointerOnBoard() : Point{}; }

Rect QtHost::FormRectOnBoard(const Rect& rect) {
  const double ratio = board_ ? board_->devicePixelRatioF() : 1.0;
  auto scaled = [ratio](int32_t v) { return static_cast<int32_t>(std::lround(v * ratio)); };
  return {scaled(rect.Left), scaled(rect.Top), scaled(rect.Right), scaled(rect.Bottom)};
}

void QtHost::WantAnimationTicks(bool on) {
  if (on == animationTimer_.isActive()) return;
  if (on) {
    animationTimer_.start();
  } else {
    animationTimer_.stop();
  }
}

// A long operation holds the event loop: the status line and the bar are painted
// straight away.
void QtHost::RepaintStatus() {
  if (!dialogParent_) return;
  for (const char* name : {component::kStatusLine, component::kProgBar})
    if (auto* widget = dialogParent_->findChild<QWidget*>(name)) widget->repaint();
}

bool QtHost::ShiftHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); }

bool QtHost::CtrlHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }
bool QtHost::LeftButtonHeld() { return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton); }

void QtHost::ShowPopupMenu(const std::string& menu, Point boardPoint) {
  if (popupHandler_ && !quiet_) popupHandler_(menu, boardPoint);
}

int QtHost::TextWidth(const std::string& text) {
  const QFontMetrics metrics(dialogParent_ ? dialogParent_->font() : QGuiApplication::font());
  // A little room for the panel's frame.
  return metrics.horizontalAdvance(ToQString(text)) + 8;
}

void QtHost::ShowCongratulations(const std::string& status) { ShowCongratsDialog(*this, dialogParent_, status); }

void QtHost::ShowZoomedPicture(const Bitmap& picture) { ShowZoomForm(*this, dialogParent_, picture); }

void QtHost::DrawText(Bitmap& target, const Rect& clip, int x, int y, const std::string& text, const FontState& font,
                      Colour background) {
  const Rect area = Intersection(clip, target.Bounds());
  if (target.Format() != PixelFormat::Rgb24 || area.IsEmpty() || text.empty()) return;
  // The bitmap's rows hold blue, green, red: Qt's BGR888, wrapped without a copy.
  QImage image(target.Bits(), target.Width(), target.Height(), target.Stride(), QImage::Format_BGR888);
  QPainter painter(&image);
  painter.setClipRect(ToQRect(area));
  painter.setFont(ToQFont(font));
  const QString line = ToQString(text);
  const QFontMetrics metrics = painter.fontMetrics();
  // Opaque text: the background behind the text's cell, as a text-out would fill it.
  painter.fillRect(QRect(x, y, metrics.horizontalAdvance(line), metrics.height()), ToQColor(background));
  painter.setPen(ToQColor(font.Color));
  painter.drawText(QPoint(x, y + metrics.ascent()), line);
}

// ---- Questions --------------------------------------------------------------------

bool QtHost::AskOkCancel(const std::string& question) {
  if (quiet_) return QuietAnswer(question) == ChoiceAnswer::Yes;
  QMessageBox box(QMessageBox::Question, kProgramTitle, MessageText(question),
                  QMessageBox::Ok | QMessageBox::Cancel, dialogParent_);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

ChoiceAnswer QtHost::AskYesNoCancel(const std::string& question) {
  if (quiet_) return QuietAnswer(question);
  QMessageBox box(QMessageBox::Question, kProgramTitle, MessageText(question),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent_);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return ChoiceAnswer::Yes;
    case QMessageBox::No: return ChoiceAnswer::No;
    default: return ChoiceAnswer::Cancel;
  }
}

ChoiceAnswer QtHost::AskYesNoCancelAll(const std::string& question) {
  if (quiet_) return QuietAnswer(question);
  QMessageBox box(QMessageBox::Question, kProgramTitle, MessageText(question),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll, dialogParent_);
  box.button(QMessageBox::YesToAll)->setText(QCoreApplication::translate("QtHost", "All"));
  // Closing the question counts as No.
  box.setEscapeButton(QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes: return ChoiceAnswer::Yes;
    case QMessageBox::YesToAll: return ChoiceAnswer::All;
    case QMessageBox::Cancel: return ChoiceAnswer::Cancel;
    default: return ChoiceAnswer::No;
  }
}

bool QtHost::ChooseColour(Colour& colour) {
  if (quiet_) return false;
  QColorDialog dialog(dialogParent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  colour = FromQColor(dialog.selectedColor());
  return true;
}

}  // namespace quill
