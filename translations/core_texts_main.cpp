// quillmere-core-texts: writes the captions, hints and texts of the core's form
// tables as a C++ file of QT_TRANSLATE_NOOP entries, one per distinct text and form,
// for the translation tools to read (translations/core_form_texts.cpp). The shell
// translates these texts where it shows them, in the context of their form's name.
#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "core_texts.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\n') {
      quoted += "\\n";
      continue;
    }
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

int main() {
  std::cout << "// The texts of the core's form tables (src/ui/*_layout.cpp) for the translation\n"
               "// tools. Written by quillmere-core-texts: run scripts/update_translations after\n"
               "// changing a table.\n"
               "static const char* const kCoreFormTexts[] = {\n";
  std::set<std::pair<std::string, std::string>> seen;
  quill::ForEachFormText([&seen](const char* context, const std::string& text) {
    if (!seen.emplace(context, text).second) return;
    std::cout << "    QT_TRANSLATE_NOOP(\"" << context << "\", " << Quoted(text) << "),\n";
  });
  std::cout << "};\n";
}
