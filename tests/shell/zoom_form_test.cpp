// The zoom window on the offscreen platform: it covers the screen, shows the picture
// at its aspect centred on black (stretched where the bars would be thin), and any
// key or a click closes it, and so does another modal window.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <functional>

#include "app/zoom_form.h"
#include "common/picture_fit.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

TEST(ZoomFormTest, CoversTheScreenAndShowsATallPictureCentredOnBlack) {
  TestApplication();
  const Bitmap picture = BandedPicture(60, 180);
  ZoomForm form(picture);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(form.geometry(), screen);
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);

  const Rect fit = FitRect(60, 180, screen.width(), screen.height(), 10);
  ASSERT_EQ(form.PictureRect(), QRect(fit.Left, fit.Top, fit.Width(), fit.Height()));
  ASSERT_GT(fit.Left, 0) << "a 1:3 picture is letter-boxed on any usual screen";

  const QImage shot = form.grab().toImage();
  const int middle = (fit.Left + fit.Right) / 2;
  const int band = fit.Height() / 3;
  EXPECT_EQ(shot.pixelColor(middle, fit.Top + band / 2), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(middle, fit.Top + band * 3 / 2), QColor(0, 255, 0));
  EXPECT_EQ(shot.pixelColor(middle, fit.Top + band * 5 / 2), QColor(0, 0, 255));
  EXPECT_EQ(shot.pixelColor(fit.Left / 2, screen.height() / 2), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(screen.width() - 1, screen.height() / 2), QColor(Qt::black));
}

TEST(ZoomFormTest, PictureOfTheScreensShapeFillsIt) {
  TestApplication();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Bitmap picture = BandedPicture(screen.width() / 4, screen.height() / 4);
  ZoomForm form(picture);
  EXPECT_EQ(form.PictureRect(), QRect(QPoint(0, 0), screen.size()));
  const QImage shot = form.grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(screen.width() - 1, screen.height() - 1), QColor(0, 0, 255));
}

// Bars each a fortieth of the screen high are not drawn: the picture is stretched
// over the screen's height.
TEST(ZoomFormTest, PictureSlightlyWiderThanTheScreenIsStretchedOverIt) {
  TestApplication();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Bitmap picture = BandedPicture(screen.width(), screen.height() * 19 / 20);
  ZoomForm form(picture);
  EXPECT_EQ(form.PictureRect(), QRect(QPoint(0, 0), screen.size()));
  const QImage shot = form.grab().toImage();
  EXPECT_EQ(shot.pixelColor(screen.width() / 2, 0), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(screen.width() / 2, screen.height() - 1), QColor(0, 0, 255));
}

TEST(ZoomFormTest, AnyKeyOrAClickClosesIt) {
  TestApplication();
  const Bitmap picture = BandedPicture(30, 30);
  struct Case {
    const char* what;
    std::function<void(ZoomForm&)> send;
  };
  auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers) {
    return [k, modifiers](ZoomForm& form) {
      QKeyEvent press(QEvent::KeyPress, k, modifiers);
      QCoreApplication::sendEvent(&form, &press);
    };
  };
  auto click = [](Qt::MouseButton button) {
    return [button](ZoomForm& form) {
      const QPointF at(form.width() / 2.0, form.height() / 2.0);
      QMouseEvent press(QEvent::MouseButtonPress, at, form.mapToGlobal(at), button, button, Qt::NoModifier);
      QCoreApplication::sendEvent(&form, &press);
      EXPECT_TRUE(form.isVisible()) << "the press alone leaves it open";
      QMouseEvent release(QEvent::MouseButtonRelease, at, form.mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&form, &release);
    };
  };
  for (const Case& c : {Case{"Shift alone", key(Qt::Key_Shift, Qt::ShiftModifier)},
                        Case{"a letter", key(Qt::Key_A, Qt::NoModifier)},
                        Case{"Esc", key(Qt::Key_Escape, Qt::NoModifier)},
                        Case{"Tab", key(Qt::Key_Tab, Qt::NoModifier)},
                        Case{"Enter", key(Qt::Key_Return, Qt::NoModifier)},
                        Case{"left click", click(Qt::LeftButton)},
                        Case{"right click", click(Qt::RightButton)}}) {
    SCOPED_TRACE(c.what);
    ZoomForm form(picture);
    form.open();
    ASSERT_TRUE(form.isVisible());
    c.send(form);
    EXPECT_FALSE(form.isVisible());
  }
}

// The exit screen or a message box opening while the zoom shows comes on top: the
// zoom gives way. A window that is not modal leaves it open.
TEST(ZoomFormTest, AnotherModalWindowClosesIt) {
  TestApplication();
  const Bitmap picture = BandedPicture(30, 30);
  for (const bool modal : {false, true}) {
    SCOPED_TRACE(modal ? "modal" : "not modal");
    ZoomForm form(picture);
    form.open();
    ASSERT_TRUE(form.isVisible());
    QDialog other;
    other.setModal(modal);
    other.show();
    EXPECT_EQ(form.isVisible(), !modal);
  }
}

}  // namespace
}  // namespace quill::testing
