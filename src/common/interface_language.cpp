#include "common/interface_language.h"

#include <algorithm>
#include <cstdlib>

namespace quill {
namespace {

bool IsCLocale(std::string_view locale) {
  return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

}  // namespace

std::string LanguageOfLocale(std::string_view locale) {
  const size_t end = locale.find_first_of(".@");
  const std::string_view name = locale.substr(0, end);
  const std::string_view language = name.substr(0, name.find_first_of("_-"));
  if (language == "pt") return "pt_BR";
  const auto found = std::find(kInterfaceLanguages.begin(), kInterfaceLanguages.end(), language);
  return found == kInterfaceLanguages.end() ? std::string() : std::string(*found);
}

bool NamesEnglish(std::string_view language) {
  return language == "en" || language.starts_with("en_") || language.starts_with("en-");
}

std::string InterfaceLanguage(const std::function<std::string(const char* name)>& variable) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = variable(name);
    if (!locale.empty()) break;
  }
  if (IsCLocale(locale)) return {};
  const std::string list = variable("LANGUAGE");
  if (list.empty()) return LanguageOfLocale(locale);
  for (size_t start = 0; start <= list.size();) {
    const size_t end = std::min(list.find(':', start), list.size());
    if (std::string language = LanguageOfLocale(std::string_view(list).substr(start, end - start)); !language.empty())
      return language;
    start = end + 1;
  }
  return {};
}

std::string InterfaceLanguageFromEnvironment() {
  return InterfaceLanguage([](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
  });
}

}  // namespace quill
