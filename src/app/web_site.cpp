#include "app/web_site.h"

#include <QDesktopServices>
#include <QUrl>

namespace quill {

void OpenWebPage(const std::string& address, Host& host) {
  const QUrl url(QString::fromStdString("http://" + address));
  if (!QDesktopServices::openUrl(url))
    host.ShowMessage("No web browser could be started to show " + url.toString().toStdString(), MessageKind::Plain);
}

}  // namespace quill
