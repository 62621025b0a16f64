// The texts of the core's form tables that the interface translates: every caption,
// hint and text of the main form and the splash form but names and signs. The
// translation list (quillmere-core-texts) and the tests of the catalogues walk them
// through here.
#pragma once
#include <cctype>
#include <functional>
#include <string>
#include <string_view>

#include "ui/form_layouts.h"

namespace quill {

// Texts that stay as they are in every language: the product's name, signs ("<",
// "+") and numbers ("&1").
inline bool NeedsTranslation(std::string_view text) {
  if (text == "Quillmere Gift") return false;
  int letters = 0;
  for (const char c : text) letters += std::isalpha(static_cast<unsigned char>(c)) ? 1 : 0;
  return letters >= 2;
}

// Calls `visit` with the form's context name and each text needing translation, in
// the order of the tables (depth first), repeats included.
inline void ForEachFormText(const std::function<void(const char* context, const std::string& text)>& visit) {
  const std::pair<const char*, void (*)(UiState&)> forms[] = {{kMainFormName, DefineMainForm},
                                                              {kSplashFormName, DefineSplashForm}};
  for (const auto& [context, define] : forms) {
    UiState form;
    define(form);
    std::function<void(const std::string&)> walk = [&](const std::string& parent) {
      for (const std::string& name : form.Children(parent)) {
        const ComponentState& c = form.Get(name);
        for (const std::string* text : {&c.Caption, &c.Hint, &c.Text})
          if (NeedsTranslation(*text)) visit(context, *text);
        walk(name);
      }
    };
    walk("");
  }
}

}  // namespace quill
