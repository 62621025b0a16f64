#include "start_texts.h"

namespace quill::portable {

std::string StartText(std::string_view language, const char* text) {
  if (language.empty()) return text;
  for (size_t i = 0; i < kStartTextCount; ++i) {
    const StartTextEntry& entry = kStartTexts[i];
    if (language == entry.Language && std::string_view(text) == entry.Source) return entry.Translation;
  }
  return text;
}

}  // namespace quill::portable
