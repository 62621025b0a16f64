#include <gtest/gtest.h>

#include "ui/form_layouts.h"
#include "ui/ui_state.h"

namespace quill {
namespace {

TEST(UiState, ListenersHearEachChangeOnce) {
  UiState form;
  DefineMainForm(form);
  std::vector<std::string> heard;
  form.AddListener([&](const std::string& name) { heard.push_back(name); });
  form.SetChecked("Music", false);
  form.SetEnabled("RotateLeft", true);
  EXPECT_EQ(heard, (std::vector<std::string>{"Music", "RotateLeft"}));
  EXPECT_FALSE(form.Checked("Music"));
}

TEST(UiState, OutlinesSubmenuKeepsMenuOrder) {
  UiState form;
  DefineMainForm(form);
  const auto items = form.Children("Outlines");
  ASSERT_GE(items.size(), 5u);
  EXPECT_EQ(items[0], "OutlinesNone");
  EXPECT_EQ(items[4], "OutlinesWood");
  EXPECT_THROW(form.Get("NoSuchItem"), std::logic_error);
}

}  // namespace
}  // namespace quill
