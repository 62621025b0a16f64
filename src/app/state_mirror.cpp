#include "app/state_mirror.h"

#include <QCoreApplication>

namespace quill {

StateMirror::StateMirror(UiState& state) : state_(state) {
  listener_ = state_.AddListener([this](const std::string& name) {
    auto [first, last] = watchers_.equal_range(name);
    if (first == last) return;
    const ComponentState& c = state_.Get(name);
    for (auto it = first; it != last; ++it) it->second(c);
  });
}

StateMirror::~StateMirror() { state_.RemoveListener(listener_); }

void StateMirror::Watch(const std::string& name, Apply apply) {
  apply(state_.Get(name));
  watchers_.emplace(name, std::move(apply));
}

void StateMirror::Unwatch(const std::string& name) { watchers_.erase(name); }

std::string ShortHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string LongHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

std::string Shown(const char* context, const std::string& text) {
  if (text.empty()) return text;
  return QCoreApplication::translate(context, text.c_str()).toStdString();
}

}  // namespace quill
