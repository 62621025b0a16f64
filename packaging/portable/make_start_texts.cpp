// Writes the start-up program's table of texts (start_texts.h) from the translation
// catalogues: the finished entries of one context in each .ts file, the language
// taken from the file's name (quillmere_<language>.ts).
//   make_start_texts CONTEXT OUTPUT.cpp CATALOGUE.ts...
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Entry {
  QString Source;
  QString Translation;
};

// The finished translations of `context` in a catalogue.
std::vector<Entry> ReadContext(const QString& path, const QString& context, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": " + file.errorString();
    return {};
  }
  std::vector<Entry> entries;
  QXmlStreamReader xml(&file);
  QString current;
  Entry entry;
  bool finished = true;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (xml.name() == u"context") current.clear();
      if (xml.name() == u"name") current = xml.readElementText();
      if (xml.name() == u"message") entry = {}, finished = true;
      if (xml.name() == u"source") entry.Source = xml.readElementText();
      if (xml.name() == u"translation") {
        const QStringView type = xml.attributes().value("type");
        finished = type.isEmpty();
        entry.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      }
    } else if (xml.isEndElement() && xml.name() == u"message" && current == context && finished &&
               !entry.Translation.isEmpty()) {
      entries.push_back(entry);
    }
  }
  if (xml.hasError()) error = path + ": " + xml.errorString();
  return entries;
}

// A C++ string literal of the text's UTF-8 bytes.
std::string Literal(const QString& text) {
  std::string literal = "\"";
  for (const char c : text.toStdString()) {
    if (c == '"' || c == '\\') literal += '\\', literal += c;
    else if (c == '\n') literal += "\\n";
    else literal += c;
  }
  return literal + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make_start_texts CONTEXT OUTPUT.cpp CATALOGUE.ts...\n");
    return 2;
  }
  const QString context = QString::fromUtf8(argv[1]);
  std::string table = "// Made by make_start_texts from the translation catalogues.\n"
                      "#include \"start_texts.h\"\n\nnamespace quill::portable {\n\n"
                      "const StartTextEntry kStartTexts[] = {\n";
  size_t count = 0;
  for (int i = 3; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    const std::string language = QFileInfo(path).completeBaseName().section('_', 1).toStdString();
    QString error;
    for (const Entry& entry : ReadContext(path, context, error)) {
      table += "    {\"" + language + "\", " + Literal(entry.Source) + ", " + Literal(entry.Translation) + "},\n";
      ++count;
    }
    if (!error.isEmpty()) {
      std::fprintf(stderr, "make_start_texts: %s\n", qPrintable(error));
      return 1;
    }
  }
  if (count == 0) table += "    {\"\", \"\", \"\"},\n";
  table += "};\nconst size_t kStartTextCount = " + std::to_string(count) + ";\n\n}  // namespace quill::portable\n";
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(table.data(), static_cast<qint64>(table.size())) != static_cast<qint64>(table.size())) {
    std::fprintf(stderr, "make_start_texts: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
