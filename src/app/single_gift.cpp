#include "app/single_gift.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <iostream>

namespace quill {

GiftClaim ClaimGiftFile(const std::string& giftFile) {
  const char* token = std::getenv(kActivationTokenVariable);
  try {
    return ClaimGift(InstanceFolder(std::getenv("XDG_RUNTIME_DIR")), InstanceKey(giftFile),
                     ForwardRequest(token ? token : ""));
  } catch (const UserError& error) {
    std::cerr << "quillmere-gift: " << error.what() << "; a second start of this gift is not noticed" << std::endl;
    return {ClaimOutcome::Holder, std::nullopt};
  }
}

ForwardRequestWatcher::ForwardRequestWatcher(int listenFd, std::function<void(const std::string&)> onRequest,
                                             QObject* parent)
    : QObject(parent), notifier_(listenFd, QSocketNotifier::Read), onRequest_(std::move(onRequest)) {
  connect(&notifier_, &QSocketNotifier::activated, this, [this] {
    const std::optional<std::string> line = TakeRequestLine(static_cast<int>(notifier_.socket()));
    if (!line) return;
    if (const std::optional<std::string> token = ForwardRequestToken(*line)) onRequest_(*token);
  });
}

void BringForward(QWidget& main, const std::string& activationToken) {
  if (main.isMinimized()) main.setWindowState(main.windowState() & ~Qt::WindowMinimized);
  main.show();
  main.raise();
  QWidget* active = QApplication::activeModalWidget();
  if (!active || !active->isVisible()) active = &main;
  if (!activationToken.empty() && QGuiApplication::platformName() == "wayland")
    qputenv(kActivationTokenVariable, QByteArray::fromStdString(activationToken));
  active->raise();
  active->activateWindow();
}

}  // namespace quill
