// The start-up program's texts in the interface's languages, without Qt. They are
// marked with TextMark in the context "PortableStart", so the translation tools list
// them in translations/quillmere_*.ts with every other text; the build turns that
// context's entries into a table (make_start_texts), which the program carries.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace quill::portable {

// One translated text of the table.
struct StartTextEntry {
  const char* Language;  // as the catalogues are named: "de", "pt_BR"
  const char* Source;
  const char* Translation;
};

// The table made from the catalogues (start_texts_table.cpp in the build tree).
extern const StartTextEntry kStartTexts[];
extern const size_t kStartTextCount;

// `text` in `language` ("" for English); as written when the table has none.
std::string StartText(std::string_view language, const char* text);

}  // namespace quill::portable
