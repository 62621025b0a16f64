#include "windows1252_fallback.h"

#include <QList>
#include <QString>

#include "common/text_codec.h"

namespace quill {
namespace {

// Letters that carry their mark in their shape, so that decomposition leaves them
// whole: the plain letter they are read as.
struct Plain {
  char32_t Letter;
  char Base;
};
constexpr Plain kPlainLetters[] = {{U'\u0141', 'L'}, {U'\u0142', 'l'}, {U'\u0110', 'D'}, {U'\u0111', 'd'},
                                   {U'\u0126', 'H'}, {U'\u0127', 'h'}, {U'\u0131', 'i'}, {U'\u0166', 'T'},
                                   {U'\u0167', 't'}, {U'\u0180', 'b'}, {U'\u0197', 'I'}, {U'\u01B5', 'Z'},
                                   {U'\u01B6', 'z'}, {U'\u0248', 'J'}, {U'\u0249', 'j'}};

bool InCodePage(char32_t cp) { return CharactersOutsideWindows1252(Utf8OfCodePoint(cp)).empty(); }

bool Dropped(char32_t cp) {
  const QChar::Category category = QChar::category(cp);
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing || category == QChar::Other_Format;
}

// The character's compatibility decomposition less its marks, when all that is left
// is in the code page; empty otherwise.
std::string Decomposed(char32_t cp) {
  const QString parts = QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD);
  std::string kept;
  for (char32_t part : parts.toUcs4()) {
    if (Dropped(part)) continue;
    if (!InCodePage(part)) return {};
    kept += Utf8OfCodePoint(part);
  }
  return kept;
}

std::string FallbackOf(char32_t cp) {
  if (InCodePage(cp)) return Utf8OfCodePoint(cp);
  if (Dropped(cp)) return {};
  if (std::string decomposed = Decomposed(cp); !decomposed.empty()) return decomposed;
  for (const Plain& plain : kPlainLetters)
    if (plain.Letter == cp) return std::string(1, plain.Base);
  return "?";
}

}  // namespace

std::string Windows1252Fallback(std::string_view utf8) {
  std::string closest;
  for (char32_t cp : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4())
    closest += FallbackOf(cp);
  return Utf8ToWindows1252(closest);
}

std::string CutToCapacity(std::string text, size_t capacity) {
  if (text.size() <= capacity) return text;
  text.resize(capacity);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

}  // namespace quill
