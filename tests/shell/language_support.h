// The interface's languages in tests: a scope that shows the interface in a language
// and puts English back, and the table of languages that texts are checked in.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/language.h"

namespace quill::testing {

// English ("") and every translation.
inline constexpr std::array<const char*, 9> kEveryLanguage = {"", "de", "fr", "es", "it", "pt_BR", "pl", "nl", "ru"};

// Every language at each of the font sizes of common desktops (96, 120 and 144 dots
// per inch), for the tests that texts fit their widgets.
inline std::vector<std::pair<const char*, int>> LanguagesAndDpis() {
  std::vector<std::pair<const char*, int>> cases;
  for (const char* language : kEveryLanguage)
    for (const int dpi : {96, 120, 144}) cases.emplace_back(language, dpi);
  return cases;
}

class LanguageScope {
 public:
  explicit LanguageScope(const std::string& language) { InstallTranslations(language); }
  ~LanguageScope() { InstallTranslations(""); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;
};

}  // namespace quill::testing
