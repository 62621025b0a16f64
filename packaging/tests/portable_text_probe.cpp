// Run on a portable gift's unpacked libraries (its loader, its Qt, its trimmed
// ICU) with the system's own hidden: checks what Qt asks ICU's data for, and lays
// out and draws messages in Polish, Russian, Japanese and Arabic. Prints one line
// per check and exits with 1 when one fails; with --show it also opens a window
// holding the messages, for a screenshot.
#include <QApplication>
#include <QCollator>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStringDecoder>
#include <QTextLayout>
#include <algorithm>
#include <cstdio>

namespace {

int failures = 0;

void Check(bool ok, const QString& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.toUtf8().constData());
  if (!ok) ++failures;
}

const QString kMessages[] = {
    QStringLiteral(u"Wesołych świąt! Zażółć gęślą jaźń."),
    QStringLiteral(u"С днём рождения! Собери картинку."),
    QStringLiteral(u"お誕生日おめでとう！パズルを完成させてね。"),
    QStringLiteral(u"عيد ميلاد سعيد! أكمل الصورة."),
};

// Sorting with each language's own order: the words given in their sorted order.
void CheckCollation() {
  struct Case {
    const char* locale;
    QStringList sorted;
  };
  const Case cases[] = {
      {"pl", {u"lis"_qs, u"łąka"_qs, u"mapa"_qs, u"zebra"_qs, u"źrebię"_qs, u"żaba"_qs}},
      {"sv", {u"zebra"_qs, u"ål"_qs, u"äpple"_qs, u"öga"_qs}},
      {"ru", {u"ёж"_qs, u"жук"_qs, u"яблоко"_qs}},
      {"ja", {u"あい"_qs, u"アオ"_qs, u"かさ"_qs}},
      {"ar", {u"باب"_qs, u"تمر"_qs, u"ثوب"_qs}},
  };
  for (const Case& c : cases) {
    QStringList words = c.sorted;
    std::reverse(words.begin(), words.end());
    QCollator collator{QLocale(QString::fromLatin1(c.locale))};
    std::sort(words.begin(), words.end(), collator);
    Check(words == c.sorted, QStringLiteral("sorting in %1: %2").arg(c.locale, words.join(u' ')));
  }
}

void CheckCaseAndEncodings() {
  Check(QLocale(QStringLiteral("tr")).toUpper(u"istanbul"_qs) == u"İSTANBUL"_qs, u"Turkish capitals"_qs);
  Check(QLocale(QStringLiteral("de")).toUpper(u"straße"_qs) == u"STRASSE"_qs, u"German capitals"_qs);
  struct Case {
    const char* encoding;
    QByteArray bytes;
    QString text;
  };
  const Case cases[] = {
      {"windows-1250", "\xb3\xb9\x6b\x61", u"łąka"_qs},
      {"windows-1251", "\xea\xee\xf2", u"кот"_qs},
      {"KOI8-R", "\xcb\xcf\xd4", u"кот"_qs},
      {"ISO-8859-2", "\xb3\xb1\x6b\x61", u"łąka"_qs},
      {"Shift_JIS", "\x82\xa0\x82\xa2", u"あい"_qs},
      {"EUC-JP", "\xa4\xa2\xa4\xa4", u"あい"_qs},
      {"GBK", "\xc4\xe3\xba\xc3", u"你好"_qs},
      {"Big5", "\xa7\x41\xa6\x6e", u"你好"_qs},
      {"EUC-KR", "\xbe\xc8\xb3\xe7", u"안녕"_qs},
      {"windows-1256", "\xe3\xd1\xcd\xc8\xc7", u"مرحبا"_qs},
  };
  for (const Case& c : cases) {
    QStringDecoder decoder(c.encoding);
    const QString text = decoder.isValid() ? decoder.decode(c.bytes) : QString();
    Check(text == c.text, QStringLiteral("decoding %1: %2").arg(c.encoding, text));
  }
}

// Each message is laid out in glyphs and leaves ink; Arabic runs right to left.
void CheckLayout() {
  for (const QString& message : kMessages) {
    QTextLayout layout(message, QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    const bool rightToLeft = message.isRightToLeft();
    bool laidOut = !runs.isEmpty();
    for (const QGlyphRun& run : runs) laidOut = laidOut && !run.glyphIndexes().isEmpty() && run.isRightToLeft() == rightToLeft;
    QImage image(600, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    layout.draw(&painter, QPointF(4, 4));
    painter.end();
    const bool ink = image.pixel(0, 0) == qRgb(255, 255, 255) &&
                     std::any_of(reinterpret_cast<const QRgb*>(image.constBits()),
                                 reinterpret_cast<const QRgb*>(image.constBits()) + 600 * 40,
                                 [](QRgb p) { return qGray(p) < 128; });
    Check(laidOut && ink, QStringLiteral("laying out %1%2").arg(message, rightToLeft ? u" (right to left)"_qs : QString()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  CheckCollation();
  CheckCaseAndEncodings();
  CheckLayout();
  if (application.arguments().contains(u"--show"_qs)) {
    QLabel label;
    QStringList lines;
    for (const QString& message : kMessages) lines << message;
    label.setText(lines.join(u'\n'));
    label.setWindowTitle(u"Messages"_qs);
    label.setMargin(16);
    label.show();
    return application.exec();
  }
  return failures ? 1 : 0;
}
