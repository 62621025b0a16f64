// Writes the program's icon, drawn by the player's own icon code, as PNG files of
// the hicolor icon theme: OUTDIR/<size>x<size>/apps/quillmere-gift.png.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "app/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_program_icons OUTDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
    if (!QDir().mkpath(folder) || !quill::ProgramIconPixmap(size).save(folder + "/quillmere-gift.png")) {
      std::fprintf(stderr, "make_program_icons: cannot write %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
