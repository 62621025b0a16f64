#include "common/text_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quill {
namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page leaves a byte undefined
// (such bytes are shown as the control character of the same number).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i], advancing i; malformed bytes give U+FFFD.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const uint8_t lead = static_cast<uint8_t>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t cp = lead & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
  }
  return cp;
}

char ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) return static_cast<char>(cp);
  for (size_t k = 0; k < kHighControls.size(); ++k)
    if (kHighControls[k] == cp) return static_cast<char>(0x80 + k);
  if (cp >= 0x80 && cp < 0xA0) return static_cast<char>(cp);
  return '?';
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, CodePointOf(static_cast<uint8_t>(c)));
  return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) out += ByteOf(NextCodePoint(text, i));
  return out;
}

std::vector<char32_t> CharactersOutsideWindows1252(std::string_view text) {
  std::vector<char32_t> outside;
  for (size_t i = 0; i < text.size();) {
    const char32_t cp = NextCodePoint(text, i);
    const bool held = cp != 0xFFFD && CodePointOf(static_cast<uint8_t>(ByteOf(cp))) == cp;
    if (!held && std::find(outside.begin(), outside.end(), cp) == outside.end()) outside.push_back(cp);
  }
  return outside;
}

bool IsUtf8(std::string_view text) {
  static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  for (size_t i = 0; i < text.size();) {
    const uint8_t lead = static_cast<uint8_t>(text[i]);
    const size_t extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                                                                 : (lead & 0xF8) == 0xF0 ? 3 : 4;
    if (extra > 3 || i + extra >= text.size()) return false;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
      const uint8_t next = static_cast<uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < kLeast[extra] || (cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF) return false;
    i += extra + 1;
  }
  return true;
}

std::string Utf8OfCodePoint(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

std::string CrLfToLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::string LfToCrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace quill
