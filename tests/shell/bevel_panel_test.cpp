// The bevelled panel: a raised or lowered edge lit from the top left around a fill of
// its colour, or around what lies behind it when it is see-through.
#include <gtest/gtest.h>

#include "app/bevel_panel.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

TEST(BevelPanelTest, EdgesAreLitFromTheTopLeftAlsoWhenSeeThrough) {
  TestApplication();
  const QColor behind(20, 160, 40), face(200, 200, 200);
  const QColor light = face.lighter(150), dark = face.darker(190);
  const struct {
    const char* What;
    BevelPanel::Bevel Bevel;
    bool SeeThrough;
    QColor TopLeft, BottomRight, Inside;
  } cases[] = {
      {"raised", BevelPanel::Bevel::Raised, false, light, dark, face},
      {"lowered", BevelPanel::Bevel::Lowered, false, dark, light, face},
      {"raised, see-through", BevelPanel::Bevel::Raised, true, light, dark, behind},
      {"lowered, see-through", BevelPanel::Bevel::Lowered, true, dark, light, behind},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    QWidget parent;
    parent.resize(80, 60);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, behind);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* panel = new BevelPanel(&parent);
    panel->setGeometry(10, 10, 50, 40);
    panel->SetFill(face, false);
    panel->SetBevel(c.Bevel, 1);
    panel->SetSeeThrough(c.SeeThrough);
    const QImage shot = parent.grab().toImage();
    const auto at = [&shot](int x, int y) { return shot.pixelColor(x, y).name(); };
    EXPECT_EQ(at(10, 10), c.TopLeft.name());
    EXPECT_EQ(at(30, 10), c.TopLeft.name());
    EXPECT_EQ(at(59, 49), c.BottomRight.name()) << "the last column and row are the edge";
    EXPECT_EQ(at(59, 30), c.BottomRight.name());
    EXPECT_EQ(at(30, 30), c.Inside.name());
    EXPECT_EQ(at(5, 5), behind.name());
  }
}

}  // namespace
}  // namespace quill::testing
