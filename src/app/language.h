// The language of the interface: chosen from the recipient's locale variables as
// gettext chooses a catalogue, English when none of them names a language the
// program is translated into. The program's own catalogue and Qt's (the texts of
// message box buttons and file dialogs) are compiled into the program, so a gift
// carries them; Qt's come from the system when it has them.
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

// The interface language for the locale variables read through `variable` (which
// gives "" for an unset one): LANGUAGE, a colon-separated list whose first
// translated entry wins, counts only when the locale itself is not C or POSIX; the
// locale is the first set of LC_ALL, LC_MESSAGES and LANG. "" means English.
std::string InterfaceLanguage(const std::function<std::string(const char* name)>& variable);
// The same for this process's environment.
std::string InterfaceLanguageFromEnvironment();

// Loads the catalogues of a language ("" for English, which removes them) into the
// running application, and points the core's translation hook at them. Windows
// built afterwards show the language.
void InstallTranslations(const std::string& language);

// Installs the interface language of a gift: the language its sender fixed (an
// interface language, "en", or a locale name such as "pl_PL") when the program
// speaks it, else the recipient's own from the locale variables ("" means the
// sender left it to the recipient). Call before the windows are built.
void ChooseLanguage(const std::string& giftLanguage);

// The language whose catalogues are installed now; "" for English.
const std::string& CurrentLanguage();

}  // namespace quill
