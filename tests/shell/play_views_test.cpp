// The picture views, the skin and the clock in a played game on the offscreen
// platform: the gift's skin behind the bars and the loupe's factor panel and in the
// colours of the menu bar, the status bar and the tray frames; the picture window
// fitted to the picture; the clock counting only while one of the windows the user
// plays in is active.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <functional>

#include "app/qt_colours.h"
#include "common/records.h"
#include "main_window_fixture.h"

namespace quill::testing {
namespace {

constexpr Colour kSkinColour = MakeColour(40, 160, 90);

// Within the rounding of a JPEG.
bool Near(const QColor& shown, Colour expected) {
  return std::abs(shown.red() - RedOf(expected)) <= 4 && std::abs(shown.green() - GreenOf(expected)) <= 4 &&
         std::abs(shown.blue() - BlueOf(expected)) <= 4;
}

class PlayViewsTest : public MainWindowTest {
 protected:
  // A playing window of a 160 × 120 picture, with a skin of one colour when asked.
  std::unique_ptr<MainWindow> Play(bool skinned = false) {
    GiftParts parts;
    if (skinned) {
      Bitmap skin(96, 64, PixelFormat::Rgb24);
      for (int y = 0; y < skin.Height(); ++y)
        for (int x = 0; x < skin.Width(); ++x) skin.SetPixel(x, y, kSkinColour);
      WriteJpeg(skin, 95, parts.Skin);
    }
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 12;
    auto window = OpenGift(header, std::move(parts));
    window->resize(640, 480);
    StartPlaying(*window);
    window->Timer().stop();  // the test ticks the game itself
    return window;
  }

  static QColor MiddleOf(QWidget& widget) {
    return widget.grab().toImage().pixelColor(widget.width() / 2, widget.height() / 2);
  }
};

TEST_F(PlayViewsTest, SkinShowsOnTheBarsAndColoursMenuStatusAndTrayFrames) {
  for (const bool skinned : {true, false}) {
    SCOPED_TRACE(skinned ? "with a skin" : "without a skin");
    const QColor plainWindow = QApplication::palette().color(QPalette::Window);
    auto window = Play(skinned);
    MainWindow& w = *window;
    EXPECT_EQ(w.SpeedBarDock().HasWallpaper(), skinned);
    EXPECT_EQ(w.BoxBarDock().HasWallpaper(), skinned);
    // The tray bar's middle holds no button until trays are made.
    EXPECT_EQ(Near(MiddleOf(w.BoxBarDock()), kSkinColour), skinned);
    TLoupeForm& loupe = w.AuxForms()->LoupeForm();
    loupe.show();
    loupe.PointerEntered();
    QWidget& panel = loupe.ZoomPanel();
    const QImage factors = panel.grab().toImage();
    EXPECT_EQ(Near(factors.pixelColor(panel.width() - 4, panel.height() / 2), kSkinColour), skinned)
        << "the factor panel, right of its buttons";
    loupe.hide();

    if (skinned) {
      EXPECT_TRUE(Near(ToQColor(host.SkinColour()), kSkinColour));
      EXPECT_EQ(w.Game().SkinColour, host.SkinColour()) << "the tray frames";
      EXPECT_EQ(w.menuBar()->palette().color(QPalette::Window), ToQColor(host.SkinColour()));
      EXPECT_EQ(w.statusBar()->palette().color(QPalette::Window), ToQColor(host.SkinColour()));
    } else {
      EXPECT_EQ(w.Game().SkinColour, kSystemButtonFace);
      EXPECT_EQ(w.menuBar()->palette().color(QPalette::Window), plainWindow);
      EXPECT_EQ(w.statusBar()->palette().color(QPalette::Window), plainWindow);
    }
  }
}

TEST_F(PlayViewsTest, PictureWindowOfAGameTakesThePicturesAspect) {
  host.MainForm().SetChecked("Picture", true);
  auto window = Play();
  TOverlayForm& overlay = window->AuxForms()->OverlayForm();
  ASSERT_TRUE(overlay.isVisible());
  const Bitmap& picture = window->Game().Picture;
  EXPECT_EQ(overlay.height(), picture.Height() * overlay.width() / picture.Width());
  EXPECT_EQ(overlay.PaintBox1().PictureRect(), overlay.PaintBox1().rect());
}

// The clock counts while the user plays: in the main window, the picture window or
// the auto-solve dialog; it stands still while another of the program's windows is
// active and while no window of it is.
TEST_F(PlayViewsTest, ClockCountsWhileAWindowOfPlayIsActive) {
  auto window = Play();
  AuxiliaryForms& forms = *window->AuxForms();
  struct Case {
    const char* what;
    QWidget* active;
    int counted;
  };
  for (const Case& c : {
           Case{"the main window", window.get(), 1},
           Case{"the picture window", &forms.OverlayForm(), 1},
           Case{"the auto-solve dialog", &forms.SolveDlg(), 1},
           Case{"another of its windows", &forms.PieceSizeDlg(), 0},
           Case{"another application", nullptr, 0},
       }) {
    SCOPED_TRACE(c.what);
    if (c.active) c.active->show();
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(c.active);
    ASSERT_EQ(QApplication::activeWindow(), c.active);
    const int32_t before = PuzzleRecord.Elapsed;
    window->Game().Tick();
    EXPECT_EQ(PuzzleRecord.Elapsed - before, c.counted);
    if (c.active && c.active != window.get()) c.active->hide();
  }
}

}  // namespace
}  // namespace quill::testing
