// The user's input held back while the game watches the mouse buttons during a
// glide. Qt offers no look into its event queue without dispatching it, so the
// events are dispatched: repaints and timers run as usual, but every press,
// release, move, wheel turn, key, shortcut and window close or resize is kept (a
// mouse button noted on the way) and handed on in its order once the watch ends.
// Owned by QtHost.
#pragma once
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;

namespace quill {

class InputHold : public QObject {
 public:
  InputHold() = default;
  ~InputHold() override;
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

  // Starts holding the application's input. Watches may nest; the outermost one
  // counts.
  void Start();
  // Ends a watch; the outermost end posts the held events back to their receivers,
  // in the order they came.
  void Stop();
  bool Holding() const { return depth_ > 0; }
  // Takes in the pending events (holding the input) and says whether a mouse
  // button went down or up since the watch began.
  bool ButtonSeen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct HeldEvent {
    QPointer<QObject> Receiver;
    std::unique_ptr<QEvent> Event;
  };
  std::vector<HeldEvent> held_;
  int depth_ = 0;
  bool buttonSeen_ = false;
};

}  // namespace quill
