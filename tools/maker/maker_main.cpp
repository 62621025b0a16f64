// quillmere-maker: the gift maker's window. The first argument, if any, is the
// picture to start with; without one, the last session's picture.
#include <QApplication>

#include "app/language.h"
#include "installed_player.h"
#include "maker_window.h"

namespace {

std::string PlayerOrNothing(quill::PlayerKind kind) {
  try {
    return quill::InstalledPlayerPath(kind);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Quillmere");
  QApplication::setApplicationName("quillmere-maker");
  quill::InstallTranslations(quill::InterfaceLanguageFromEnvironment());
  QApplication::setWindowIcon(quill::MakerIcon());
  quill::MakerWindow window({PlayerOrNothing(quill::PlayerKind::Plain), PlayerOrNothing(quill::PlayerKind::Portable)});
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1)
    window.OpenPicture(arguments.at(1));
  else
    window.OpenLastPicture();
  window.show();
  return QApplication::exec();
}
