// Button glyphs and the program's icon are painted in the device pixels of the ratio
// they are shown at, so a HiDPI screen shows them sharp, not a small picture blown up.
#include "app/glyphs.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "app/program_icon.h"
#include "shell_support.h"

namespace quill {
namespace {

// Aligned 2 × 2 blocks that are not four equal pixels: none in a picture scaled up
// twice by repeating pixels.
int MixedBlocks(const QImage& image) {
  int mixed = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb p = image.pixel(x, y);
      mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
    }
  return mixed;
}

struct GlyphCase {
  const char* name;
  QIcon (*make)();
};

class GlyphTest : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphTest, IsPaintedAtTheDevicePixelRatioItIsShownAt) {
  testing::TestApplication();
  const QIcon icon = GetParam().make();
  for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
    for (const double ratio : {1.0, 1.5, 2.0, 3.0}) {
      const QPixmap pixmap = icon.pixmap(QSize(24, 24), ratio, mode);
      EXPECT_EQ(pixmap.size(), QSize(24, 24) * ratio) << ratio;
      EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
    }
  EXPECT_GT(MixedBlocks(icon.pixmap(QSize(24, 24), 2.0).toImage()), 20);
}

INSTANTIATE_TEST_SUITE_P(Glyphs, GlyphTest,
                         ::testing::Values(GlyphCase{"Picture", [] { return ToolGlyph("SpeedPicture"); }},
                                           GlyphCase{"Hint", [] { return ToolGlyph("SpeedHint"); }},
                                           GlyphCase{"Play", [] { return PlayGlyph(); }},
                                           GlyphCase{"Web", [] { return WebGlyph(); }},
                                           GlyphCase{"FullTray", [] { return TrayGlyph(true); }}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ProgramIcon, IsPaintedInTheDevicePixelsOfTheRatioAskedFor) {
  testing::TestApplication();
  const QPixmap twice = ProgramIconPixmap(32, 2.0);
  EXPECT_EQ(twice.size(), QSize(64, 64));
  EXPECT_DOUBLE_EQ(twice.devicePixelRatio(), 2.0);
  EXPECT_GT(MixedBlocks(twice.toImage()), 40);
  EXPECT_EQ(ProgramIconPixmap(32, 1.0).size(), QSize(32, 32));
}

}  // namespace
}  // namespace quill
