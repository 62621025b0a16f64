#include "app/input_hold.h"

#include <QCoreApplication>
#include <QEvent>

namespace quill {
namespace {

bool IsMouseButton(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

// What the user does: held whatever it is sent to. A shortcut reaches its action
// as an event of its own, before any key press would.
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

// What the window system asks of a window on the user's behalf: a close or a new
// size would reach the game in the middle of the glide.
bool IsWindowRequest(const QObject* receiver, QEvent::Type type) {
  return receiver->isWindowType() && (type == QEvent::Close || type == QEvent::Resize);
}

}  // namespace

InputHold::~InputHold() {
  if (depth_ > 0) QCoreApplication::instance()->removeEventFilter(this);
}

void InputHold::Start() {
  if (depth_++ > 0) return;
  buttonSeen_ = false;
  QCoreApplication::instance()->installEventFilter(this);
}

void InputHold::Stop() {
  if (depth_ == 0 || --depth_ > 0) return;
  QCoreApplication::instance()->removeEventFilter(this);
  std::vector<HeldEvent> held = std::move(held_);
  held_.clear();
  for (HeldEvent& h : held)
    if (h.Receiver) QCoreApplication::postEvent(h.Receiver, h.Event.release());
}

bool InputHold::ButtonSeen() {
  if (depth_ > 0) QCoreApplication::processEvents();
  return buttonSeen_;
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!IsUserInput(type) && !IsWindowRequest(watched, type)) return QObject::eventFilter(watched, event);
  if (IsMouseButton(type)) buttonSeen_ = true;
  held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

}  // namespace quill
