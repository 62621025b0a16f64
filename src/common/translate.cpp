#include "common/translate.h"

#include <utility>

namespace quill {
namespace {

Translator& Hook() {
  static Translator hook;
  return hook;
}

std::string WithCount(std::string text, int count) {
  const std::string number = std::to_string(count);
  for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size())) {
    text.replace(at, 2, number);
  }
  return text;
}

}  // namespace

void SetTranslator(Translator translator) { Hook() = std::move(translator); }

std::string Tr(const char* context, const char* text) {
  return Hook() ? Hook()(context, text, nullptr, -1) : text;
}

std::string TrN(const char* context, const char* text, const char* comment, int count) {
  return WithCount(Hook() ? Hook()(context, text, comment, count) : text, count);
}

std::string FillArgs(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t index = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      text += *(args.begin() + index);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace quill
