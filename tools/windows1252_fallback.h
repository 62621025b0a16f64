// The closest Windows-1252 form of a text in any script, for the gift header's
// fields that players without the text block read: letters with marks lose the
// marks that the code page lacks (Ł becomes L, ą becomes a, ő becomes o), ligatures
// and full-width forms are spelt out, and characters with no such form become '?'.
#pragma once
#include <string>
#include <string_view>

namespace quill {

// The text (UTF-8) in Windows-1252 bytes, each character that the code page holds
// kept as it is. Combining marks and invisible format characters are dropped.
std::string Windows1252Fallback(std::string_view utf8);

// A Windows-1252 text cut to `capacity` bytes without leaving half of a CR LF.
std::string CutToCapacity(std::string text, size_t capacity);

}  // namespace quill
