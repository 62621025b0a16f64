// Texts in gifts and saved games are 8-bit Windows-1252; the screen wants UTF-8.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quill {

std::string Windows1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToWindows1252(std::string_view text);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once, in the
// order they first appear; malformed UTF-8 counts as U+FFFD.
std::vector<char32_t> CharactersOutsideWindows1252(std::string_view text);
// True when the text is well-formed UTF-8: no stray or missing continuation bytes,
// no overlong forms, surrogates or code points past U+10FFFF.
bool IsUtf8(std::string_view text);
// One code point as UTF-8.
std::string Utf8OfCodePoint(char32_t cp);

// "a\r\nb" -> "a\nb" and back; lone CRs and LFs are left alone by the first.
std::string CrLfToLf(std::string_view text);
std::string LfToCrLf(std::string_view text);

}  // namespace quill
