#include <gtest/gtest.h>

#include "common/config.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

class ConfigTest : public ::testing::Test {
 protected:
  ConfigTest() { DefineMainForm(menus); }
  UiState menus;
};

TEST_F(ConfigTest, StartsFromTheMenusInitialTicks) {
  TJigConfig config(menus);
  EXPECT_TRUE(config.Shadows);
  EXPECT_FALSE(config.AutoHide);
  EXPECT_TRUE(config.Smooth);
  EXPECT_FALSE(config.Rotating);
  EXPECT_TRUE(config.Cheating);
  EXPECT_TRUE(config.Sound);
  EXPECT_TRUE(config.Ghost);
  EXPECT_EQ(config.OutlineStyle, 0u);
}

TEST_F(ConfigTest, SectionLayout) {
  TJigConfig config(menus);
  config.Shadows = false;
  config.OutlineStyle = 3;
  config.SnapDivisor = 4;
  config.BoardWidth = 0x01020304;
  config.BoardHeight = 600;
  menus.SetChecked("Mystery", true);
  menus.SetChecked("Music", false);
  const std::vector<uint8_t> expected = {0, 0, 1, 0, 1, 1, 0, 3, 0, 0, 0, 1, 4, 0, 0, 0,
                                         4, 3, 2, 1, 0x58, 2, 0, 0, 1, 4, 0, 0, 0};
  EXPECT_EQ(config.WriteSection(), expected);
}

TEST_F(ConfigTest, ReadingASectionPutsItIntoTheMenus) {
  TJigConfig writer(menus);
  writer.OutlineStyle = 2;
  writer.AutoHide = true;
  writer.Smooth = false;
  writer.Sound = false;
  writer.BoardWidth = 1024;
  writer.BoardHeight = 700;
  menus.SetChecked("Music", false);
  menus.SetChecked("Mystery", true);
  const auto section = writer.WriteSection();

  UiState fresh;
  DefineMainForm(fresh);
  TJigConfig reader(fresh);
  reader.ReadSection(section.data(), section.size());
  EXPECT_EQ(fresh.Get("Outlines").Tag, 2);
  EXPECT_TRUE(fresh.Checked("OutlinesPaper"));
  EXPECT_FALSE(fresh.Checked("OutlinesNone"));
  EXPECT_TRUE(fresh.Checked("AutoOutline"));
  EXPECT_FALSE(fresh.Checked("AntiAlias"));
  EXPECT_FALSE(fresh.Checked("Sound"));
  EXPECT_FALSE(fresh.Get("SpeedSound").Down);
  EXPECT_FALSE(fresh.Checked("Music"));
  EXPECT_FALSE(fresh.Get("SpeedMusic").Down);
  EXPECT_TRUE(fresh.Checked("Mystery"));
  EXPECT_EQ(fresh.Get("PaintBox1").Width, 1024);
  EXPECT_EQ(fresh.Get("PaintBox1").Height, 700);
}

TEST_F(ConfigTest, UnusableSectionsFallBackToTheMenus) {
  TJigConfig writer(menus);
  writer.Sound = false;
  auto wrongVersion = writer.WriteSection();
  wrongVersion[25] = 3;
  auto shortSection = writer.WriteSection();
  shortSection.resize(20);
  for (const auto& section : {wrongVersion, shortSection}) {
    UiState fresh;
    DefineMainForm(fresh);
    TJigConfig reader(fresh);
    reader.ReadSection(section.data(), section.size());
    EXPECT_TRUE(reader.Sound) << "options come from the menus";
    EXPECT_TRUE(fresh.Checked("Sound")) << "menus keep their ticks";
  }
}

}  // namespace
}  // namespace quill
