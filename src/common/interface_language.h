// The language of the interface chosen from the locale variables, as gettext
// chooses a catalogue: English when none of them names a language the programs
// are translated into. Without any toolkit, so the portable gift's start-up
// program chooses as the player does.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace quill {

// The languages the interface is translated into, as the catalogues are named.
inline constexpr std::array<std::string_view, 8> kInterfaceLanguages = {"de", "fr", "es", "it",
                                                                         "pt_BR", "pl", "nl", "ru"};

// The interface language of a locale name ("de_DE.UTF-8", "pt_BR", "pl") or a
// language tag ("pt-BR", as a gift may name it): one of kInterfaceLanguages, or ""
// when the locale names none (C, POSIX, en_GB, ja_JP).
// Portuguese of any country reads the Brazilian catalogue.
std::string LanguageOfLocale(std::string_view locale);

// Whether a language a gift names is English ("en", "en_GB", "en-US"), which the
// interface speaks without a catalogue.
bool NamesEnglish(std::string_view language);

// The interface language for the locale variables read through `variable` (which
// gives "" for an unset one): LANGUAGE, a colon-separated list whose first
// translated entry wins, counts only when the locale itself is not C or POSIX; the
// locale is the first set of LC_ALL, LC_MESSAGES and LANG. "" means English.
std::string InterfaceLanguage(const std::function<std::string(const char* name)>& variable);
// The same for this process's environment.
std::string InterfaceLanguageFromEnvironment();

}  // namespace quill
