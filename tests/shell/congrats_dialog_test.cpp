// The congratulation dialog on the offscreen platform: its caption, size, heading and
// status text, Panel2's colour, the skin tiled from the corner, and OK closing it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/congrats_dialog.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

const std::string kStatus = "You solved all 35 pieces in 12 minutes and 5 seconds without cheating!";

// A skin whose every pixel differs from its neighbours, so a misplaced tile shows.
Bitmap PatternSkin(int width, int height) {
  Bitmap skin(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) skin.SetPixel(x, y, MakeColour(uint8_t(40 * x), uint8_t(50 * y), 200));
  return skin;
}

class CongratsDialogTest : public ::testing::Test {
 protected:
  QLabel* Label(const char* name) { return qobject_cast<QLabel*>(dialog.Component(name)); }

  QuillApplication& app = TestApplication();  // before any widget
  CongratsDialog dialog{kStatus, nullptr};
};

TEST_F(CongratsDialogTest, ShowsTheStatusUnderItsCaptionAtTheDesignedSize) {
  EXPECT_EQ(dialog.windowTitle(), "You solved it!");
  EXPECT_EQ(dialog.size(), QSize(392, 221));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  ASSERT_NE(Label("JigStatus"), nullptr);
  EXPECT_EQ(Label("JigStatus")->text().toStdString(), kStatus);
  EXPECT_TRUE(Label("JigStatus")->wordWrap());
}

TEST_F(CongratsDialogTest, HeadingIsNavyOverAWhiteCopyOnePixelUpLeft) {
  QLabel* ink = Label("Heading");
  QLabel* light = Label("HeadingLight");
  ASSERT_TRUE(ink && light);
  for (QLabel* heading : {ink, light}) {
    EXPECT_EQ(heading->text(), "Congratulations!");
    EXPECT_EQ(heading->font().family(), "Times New Roman");
    EXPECT_EQ(heading->font().pixelSize(), 30);
    EXPECT_TRUE(heading->font().bold());
  }
  EXPECT_EQ(ink->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(light->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_EQ(ink->pos() - light->pos(), QPoint(1, 1));
  // The navy copy lies over the white one.
  const QObjectList& children = dialog.children();
  EXPECT_GT(children.indexOf(ink), children.indexOf(light));
}

TEST_F(CongratsDialogTest, IconPanelHasItsOwnColour) {
  const QWidget* panel = dialog.Component("Panel2");
  ASSERT_NE(panel, nullptr);
  const QImage shot = dialog.grab().toImage();
  EXPECT_EQ(shot.pixelColor(panel->pos() + QPoint(3, 3)), QColor(159, 183, 199));
}

TEST_F(CongratsDialogTest, OkHasTheFocusAndClosesTheDialog) {
  auto* ok = qobject_cast<QPushButton*>(dialog.Component("OKBtn"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  dialog.open();
  EXPECT_EQ(dialog.focusWidget(), ok);
  ok->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(CongratsDialogSkin, SkinIsTiledFromTheTopLeftCorner) {
  TestApplication();
  const Bitmap skin = PatternSkin(6, 5);
  CongratsDialog dialog(kStatus, &skin);
  const QImage shot = dialog.grab().toImage();
  // Points clear of every component: the corners and the strip left of the button.
  for (const QPoint at : {QPoint(0, 0), QPoint(3, 2), QPoint(5, 130), QPoint(391, 220), QPoint(100, 200)}) {
    SCOPED_TRACE(::testing::Message() << at.x() << "," << at.y());
    const Colour expected = static_cast<Colour>(skin.PixelAt(at.x() % 6, at.y() % 5));
    EXPECT_EQ(shot.pixelColor(at), QColor(RedOf(expected), GreenOf(expected), BlueOf(expected)));
  }
}

TEST(CongratsDialogSkin, WithoutSkinTheBackgroundIsPlain) {
  TestApplication();
  CongratsDialog dialog(kStatus, nullptr);
  const QImage shot = dialog.grab().toImage();
  EXPECT_EQ(shot.pixelColor(3, 2), dialog.palette().color(QPalette::Window));
}

}  // namespace
}  // namespace quill::testing
