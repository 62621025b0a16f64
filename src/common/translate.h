// The core writes its texts in English. Texts it composes for the screen (a number
// or a file name inside a sentence) are translated through a hook before they are
// filled in; the shell sets the hook at start to its translation catalogue, and
// without it every text stays as written. Fixed texts that the shell shows as they
// come (status line texts, messages) are marked with TextMark so the translation
// tools find them; the shell translates them where they reach the screen.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quill {

// The catalogue's context of the core's messages and status texts.
inline constexpr const char* kMessagesContext = "Messages";

// Translates `text` of a context (told apart from the same text of another meaning by
// the comment, which may be null); with a count >= 0 the catalogue may pick a plural
// form, and "%n" in the result stands for the count.
using Translator = std::function<std::string(const char* context, const char* text, const char* comment, int count)>;

// Sets the hook (an empty function puts back the identity).
void SetTranslator(Translator translator);

// The translation of a text, as written when there is none.
std::string Tr(const char* context, const char* text);
// The translation of a text about a count, with "%n" replaced by the count. The
// comment tells translators what is counted; the catalogue keys the entry by it.
std::string TrN(const char* context, const char* text, const char* comment, int count);

// Marks a fixed text for the translation tools; the text is returned as it is.
constexpr const char* TextMark(const char* context, const char* text) { return (void)context, text; }

// The pattern with "%1" ... "%9" replaced by the arguments in turn.
std::string FillArgs(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace quill
