// quillmere-trim-catalogue IN.ts OUT.ts: keeps of one of Qt's catalogues (made a .ts
// by lconvert) only the contexts whose texts the programs show: the buttons of
// message boxes and dialogs, the colour and file dialogs, the pop-up menus of text
// fields and the names of keys in shortcuts. Qt's whole catalogue of a language is
// some 200 kB, mostly texts of modules the player never loads (SQL drivers, network,
// printing), and every gift carries the player.
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

const QSet<QString> kKeptContexts = {
    "QPlatformTheme", "QGnomeTheme",      "QMessageBox", "QDialogButtonBox", "QColorDialog",
    "QFileDialog",    "QFileSystemModel", "QLineEdit",   "QWidgetTextControl", "QShortcut",
    "QScrollBar",     "QAbstractSpinBox", "QDialog",     "QErrorMessage",    "QInputDialog",
};

// Copies the element the reader is at, with everything inside it.
void CopyElement(QXmlStreamReader& in, QXmlStreamWriter& out) {
  int depth = 0;
  do {
    if (in.isStartElement()) {
      out.writeStartElement(in.name().toString());
      out.writeAttributes(in.attributes());
      ++depth;
    } else if (in.isEndElement()) {
      out.writeEndElement();
      --depth;
    } else if (in.isCharacters()) {
      out.writeCharacters(in.text().toString());
    }
    if (depth > 0) in.readNext();
  } while (depth > 0 && !in.atEnd());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quillmere-trim-catalogue IN.ts OUT.ts\n");
    return 2;
  }
  QFile input(QString::fromLocal8Bit(argv[1])), output(QString::fromLocal8Bit(argv[2]));
  if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "quillmere-trim-catalogue: cannot open %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  QXmlStreamReader in(&input);
  QXmlStreamWriter out(&output);
  out.setAutoFormatting(true);
  out.writeStartDocument();
  out.writeDTD("<!DOCTYPE TS>");
  int kept = 0;
  while (!in.atEnd()) {
    in.readNext();
    if (in.isStartElement() && in.name() == u"TS") {
      out.writeStartElement("TS");
      out.writeAttributes(in.attributes());
    } else if (in.isStartElement() && in.name() == u"context") {
      // The context's name comes first: read the element into a buffer, keep it when
      // its name is listed.
      QString buffer;
      QXmlStreamWriter context(&buffer);
      CopyElement(in, context);
      QXmlStreamReader check(buffer);
      while (!check.atEnd() && !(check.readNextStartElement() && check.name() == u"name")) {
      }
      if (!kKeptContexts.contains(check.readElementText())) continue;
      QXmlStreamReader again(buffer);
      while (!again.atEnd() && !(again.readNext() == QXmlStreamReader::StartElement)) {
      }
      CopyElement(again, out);
      ++kept;
    }
  }
  out.writeEndDocument();
  if (in.hasError() || kept == 0) {
    std::fprintf(stderr, "quillmere-trim-catalogue: %s: %s\n", argv[1],
                 in.hasError() ? qPrintable(in.errorString()) : "no context kept");
    return 1;
  }
  return 0;
}
