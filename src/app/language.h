// The language of the interface, chosen from the recipient's locale variables
// (common/interface_language.h) or fixed by the gift. The program's own catalogue
// and Qt's (the texts of message box buttons and file dialogs) are compiled into
// the program, so a gift carries them; Qt's come from the system when it has them.
#pragma once
#include <string>

#include "common/interface_language.h"

namespace quill {

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
