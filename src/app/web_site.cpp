#include "app/web_site.h"

#include <QDesktopServices>
#include <QUrl>

#include "common/translate.h"

namespace quill {

void OpenWebPage(const std::string& address, Host& host) {
  const QUrl url(QString::fromStdString("http://" + address));
  if (!QDesktopServices::openUrl(url))
    host.ShowMessage(FillArgs(Tr("Messages", "No web browser could be started to show %1"), {url.toString().toStdString()}),
                     MessageKind::Plain);
}

}  // namespace quill
