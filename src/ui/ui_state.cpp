#include "ui/ui_state.h"

#include <stdexcept>

namespace quill {

void UiState::Define(const std::string& name, ComponentState initial) {
  const bool added = !components_.count(name);
  if (added) order_.push_back(name);
  components_[name] = std::move(initial);
  if (!added) return;
  auto listeners = membershipListeners_;
  for (auto& [id, listener] : listeners) listener(name, true);
}

void UiState::Remove(std::string_view name) {
  auto it = components_.find(name);
  if (it == components_.end()) return;
  const std::string key = it->first;
  components_.erase(it);
  std::erase(order_, key);
  auto listeners = membershipListeners_;
  for (auto& [id, listener] : listeners) listener(key, false);
}

bool UiState::Has(std::string_view name) const { return components_.find(name) != components_.end(); }

const ComponentState& UiState::Get(std::string_view name) const {
  auto it = components_.find(name);
  if (it == components_.end()) throw std::logic_error("unknown component " + std::string(name));
  return it->second;
}

void UiState::Update(std::string_view name, const std::function<void(ComponentState&)>& change) {
  auto it = components_.find(name);
  if (it == components_.end()) throw std::logic_error("unknown component " + std::string(name));
  change(it->second);
  const std::string key = it->first;
  // Listeners may add or remove listeners; iterate over a copy.
  auto listeners = listeners_;
  for (auto& [id, listener] : listeners) listener(key);
}

void UiState::SetChecked(std::string_view name, bool on) { Update(name, [&](ComponentState& c) { c.Checked = on; }); }
void UiState::SetEnabled(std::string_view name, bool on) { Update(name, [&](ComponentState& c) { c.Enabled = on; }); }
void UiState::SetVisible(std::string_view name, bool on) { Update(name, [&](ComponentState& c) { c.Visible = on; }); }
void UiState::SetDown(std::string_view name, bool down) { Update(name, [&](ComponentState& c) { c.Down = down; }); }
void UiState::SetCaption(std::string_view name, std::string caption) {
  Update(name, [&](ComponentState& c) { c.Caption = std::move(caption); });
}
void UiState::SetHint(std::string_view name, std::string hint) {
  Update(name, [&](ComponentState& c) { c.Hint = std::move(hint); });
}
void UiState::SetText(std::string_view name, std::string text) {
  Update(name, [&](ComponentState& c) { c.Text = std::move(text); });
}
void UiState::SetTag(std::string_view name, int32_t tag) { Update(name, [&](ComponentState& c) { c.Tag = tag; }); }
void UiState::SetColour(std::string_view name, Colour colour) {
  Update(name, [&](ComponentState& c) { c.Color = colour; });
}
void UiState::SetHeight(std::string_view name, int32_t height) {
  Update(name, [&](ComponentState& c) { c.Height = height; });
}
void UiState::SetWidth(std::string_view name, int32_t width) {
  Update(name, [&](ComponentState& c) { c.Width = width; });
}

std::vector<std::string> UiState::Children(std::string_view parent) const {
  std::vector<std::string> result;
  for (const auto& name : order_)
    if (components_.find(name)->second.Parent == parent) result.push_back(name);
  return result;
}

int UiState::AddListener(Listener listener) {
  listeners_[nextListener_] = std::move(listener);
  return nextListener_++;
}

void UiState::RemoveListener(int id) { listeners_.erase(id); }

int UiState::AddMembershipListener(MembershipListener listener) {
  membershipListeners_[nextListener_] = std::move(listener);
  return nextListener_++;
}

void UiState::RemoveMembershipListener(int id) { membershipListeners_.erase(id); }

void UiState::Click(std::string_view name, ClickButton button) {
  const std::string key(name);
  auto listeners = clickListeners_;
  for (auto& [id, listener] : listeners) listener(key, button);
}

int UiState::AddClickListener(ClickListener listener) {
  clickListeners_[nextListener_] = std::move(listener);
  return nextListener_++;
}

void UiState::RemoveClickListener(int id) { clickListeners_.erase(id); }

}  // namespace quill
