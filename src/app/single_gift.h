// One window per gift on the shell's side (the lock itself is common/gift_instance):
// claiming the gift at the very start of the player, and bringing the open window
// forward when a second start of the same gift asks for it.
#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <string>

#include "common/gift_instance.h"

class QWidget;

namespace quill {

// The variable in which the window system hands a program the token that lets its
// window take the focus (xdg-activation on Wayland).
inline constexpr const char* kActivationTokenVariable = "XDG_ACTIVATION_TOKEN";

// Claims `giftFile` for this process: Holder when this start plays it. When the lock
// folder cannot be used, says why on standard error and plays unguarded (Holder
// without a lock).
GiftClaim ClaimGiftFile(const std::string& giftFile);

// Calls `onRequest` with the activation token of each request to come forward that
// reaches the listening socket of the gift's lock.
class ForwardRequestWatcher : public QObject {
 public:
  ForwardRequestWatcher(int listenFd, std::function<void(const std::string& token)> onRequest,
                        QObject* parent = nullptr);

 private:
  QSocketNotifier notifier_;
  std::function<void(const std::string&)> onRequest_;
};

// Brings the program's windows forward: `main` is shown again when minimised and
// raised, and the window the user works in (a modal dialog or the "Play..." screen
// when one is open, otherwise `main`) is raised and activated. On Wayland the token
// goes to Qt through XDG_ACTIVATION_TOKEN, which Qt's Wayland plugin hands to the
// compositor with the activation (Qt 6.5 on; earlier the compositor decides).
void BringForward(QWidget& main, const std::string& activationToken);

}  // namespace quill
