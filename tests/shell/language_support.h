// The interface's languages in tests: a scope that shows the interface in a language
// and puts English back, and the table of languages that texts are checked in.
#pragma once
#include <array>
#include <string>

#include "app/language.h"

namespace quill::testing {

// English ("") and every translation.
inline constexpr std::array<const char*, 9> kEveryLanguage = {"", "de", "fr", "es", "it", "pt_BR", "pl", "nl", "ru"};

class LanguageScope {
 public:
  explicit LanguageScope(const std::string& language) { InstallTranslations(language); }
  ~LanguageScope() { InstallTranslations(""); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;
};

}  // namespace quill::testing
