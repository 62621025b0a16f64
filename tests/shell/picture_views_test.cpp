// The picture window and the loupe on the offscreen platform: the picture shown at
// its aspect, resizing that keeps the aspect of the dragged dimension and its 80 ×
// 80 minimum, the close box unticking its item; the loupe's caption and factor
// buttons, its magnifier working only while shown, and its view holding still on
// the main window while the pointer rests on it. Docked (where the platform places
// windows itself) both are frames inside the main window, clear of each other, of
// the board's middle and of the bars.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QScreen>
#include <vector>

#include "app/picture_views.h"
#include "app/qt_colours.h"
#include "app/window_placement.h"
#include "shell_support.h"
#include "ui/form_layouts.h"

namespace quill::testing {
namespace {

class PictureViewsTest : public ::testing::Test {
 protected:
  PictureViewsTest() { DefineMainForm(mainForm); }

  // Waits until the form has the client size given.
  static bool HasSize(QWidget& form, QSize size) {
    return WaitUntil([&] { return form.size() == size; });
  }

  QuillApplication& app = TestApplication();
  UiState mainForm;
  QWidget owner;
  Bitmap picture = BandedPicture(400, 300);
};

// A user's drag arrives as a resize of the window to the size the user left.
TEST_F(PictureViewsTest, ResizingThePictureWindowKeepsThePicturesAspect) {
  struct Case {
    const char* what;
    QSize dragged;
    QSize expected;
  };
  for (const Case& c : {
           Case{"bottom edge: the width follows", {240, 240}, {320, 240}},
           Case{"side edge: the height follows", {300, 180}, {300, 225}},
           Case{"corner: the height follows the width", {300, 400}, {300, 225}},
           Case{"side edge stops at 80 pixels", {40, 180}, {80, 60}},
           Case{"bottom edge stops at 80 pixels", {240, 20}, {106, 80}},
       }) {
    SCOPED_TRACE(c.what);
    TOverlayForm form(mainForm, &owner);
    form.SetPictureSource([this] { return &picture; });
    form.FitHeightToPicture();
    form.show();
    ASSERT_TRUE(HasSize(form, {240, 180})) << "a new layout fits the height to the width";
    form.resize(c.dragged);
    EXPECT_TRUE(HasSize(form, c.expected)) << form.width() << "x" << form.height();
    EXPECT_EQ(form.LastFitted(), (FittedSize{c.expected.width(), c.expected.height()}));
  }
}

TEST_F(PictureViewsTest, PictureWindowIsLeftAsItIsWhileNoGameIsPlayed) {
  const Bitmap* shown = nullptr;
  TOverlayForm form(mainForm, &owner);
  form.SetPictureSource([&] { return shown; });
  form.show();
  form.resize(300, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.size(), QSize(300, 100));
  const QImage shot = form.PaintBox1().grab().toImage();
  EXPECT_EQ(shot.pixelColor(150, 50), QColor(Qt::black));
}

// Under a window manager that refuses the fitted size the picture still covers the
// whole client, stretched: a 400 x 300 picture in a 300 x 300 box.
TEST_F(PictureViewsTest, PictureCoversTheWholeClient) {
  PicturePaintBox box;
  box.SetPictureSource([this] { return &picture; });
  box.resize(300, 300);
  EXPECT_EQ(box.PictureRect(), QRect(0, 0, 300, 300));
  const QImage shot = box.grab().toImage();
  EXPECT_EQ(shot.pixelColor(150, 10), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(150, 150), QColor(0, 255, 0));
  EXPECT_EQ(shot.pixelColor(150, 290), QColor(0, 0, 255));
}

// Docked, the close box is the close button on the frame's title strip.
TEST_F(PictureViewsTest, CloseBoxUnticksItsItemAndHidingDoesNot) {
  for (const ViewMode mode : {ViewMode::Window, ViewMode::Docked}) {
    SCOPED_TRACE(mode == ViewMode::Docked ? "docked" : "windows");
    TOverlayForm overlay(mainForm, &owner, mode);
    TLoupeForm loupe(mainForm, &owner, mode);
    const struct {
      const char* item;
      QWidget* form;
    } cases[] = {{"Picture", &overlay}, {"Loupe", &loupe}};
    for (const auto& c : cases) {
      SCOPED_TRACE(c.item);
      mainForm.SetChecked(c.item, true);
      c.form->show();
      c.form->hide();
      EXPECT_TRUE(mainForm.Checked(c.item)) << "hidden by a command, as Mystery mode does";
      c.form->show();
      auto* closeButton = c.form->findChild<QToolButton*>("CloseButton");
      ASSERT_EQ(closeButton != nullptr, mode == ViewMode::Docked);
      if (closeButton)
        closeButton->click();
      else
        c.form->close();
      EXPECT_FALSE(mainForm.Checked(c.item));
      EXPECT_FALSE(c.form->isVisible());
      mainForm.SetChecked(c.item, true);
      c.form->show();
      EXPECT_FALSE(c.form->isHidden()) << "opens again";
      EXPECT_TRUE(mainForm.Checked(c.item));
    }
  }
}

TEST(ViewModeTest, ViewsDockWhereThePlatformPlacesWindowsItself) {
  const struct {
    const char* platform;
    bool placesWindows;
  } cases[] = {{"xcb", true}, {"offscreen", true}, {"wayland", false}, {"wayland-egl", false}};
  for (const auto& c : cases) EXPECT_EQ(PlatformPlacesWindows(c.platform), c.placesWindows) << c.platform;
  EXPECT_EQ(PlatformViewMode(), ViewMode::Window) << "the tests' offscreen platform";
}

// A main window with a tool bar, a board and a tray bar, and a status bar, as the
// player's; the docked views go over the board's right corners.
class DockedViewsTest : public PictureViewsTest {
 protected:
  DockedViewsTest() {
    auto* speed = new QToolBar("Speed");
    speed->setMinimumHeight(30);
    main.addToolBar(Qt::TopToolBarArea, speed);
    main.setCentralWidget(board);
    board->setAutoFillBackground(true);
    board->setPalette(QPalette(Qt::red));
    auto* trays = new QToolBar("Trays");
    trays->setMinimumHeight(60);
    main.addToolBar(Qt::BottomToolBarArea, trays);
    main.statusBar()->showMessage("0:00  Solved 0 of 12");
  }

  // The rectangle a child covers, in the main window's coordinates.
  QRect Covered(QWidget& child) { return QRect(child.mapTo(&main, QPoint(0, 0)), child.size()); }

  QMainWindow main;
  QWidget* board = new QWidget;
};

TEST_F(DockedViewsTest, ViewsCoverNeitherEachOtherNorTheBoardsMiddleNorTheBars) {
  // From a large screen down to less than the main window's designed 800 x 600.
  for (const QSize window : {QSize(1280, 800), QSize(800, 600), QSize(560, 440)}) {
    SCOPED_TRACE(QString("%1 x %2").arg(window.width()).arg(window.height()).toStdString());
    main.resize(window);
    main.show();
    ASSERT_TRUE(WaitUntil([&] { return main.isVisible() && board->height() > 0; }));
    TOverlayForm overlay(mainForm, &main, ViewMode::Docked);
    overlay.SetPictureSource([this] { return &picture; });
    overlay.FitHeightToPicture();
    TLoupeForm loupe(mainForm, &main, ViewMode::Docked);
    overlay.show();
    loupe.show();
    QCoreApplication::processEvents();

    const QRect boardArea = Covered(*board);
    for (QWidget* view : {static_cast<QWidget*>(&overlay), static_cast<QWidget*>(&loupe)}) {
      SCOPED_TRACE(view->objectName().toStdString());
      EXPECT_EQ(view->parentWidget(), &main);
      EXPECT_FALSE(view->isWindow());
      EXPECT_TRUE(view->isVisible());
      const QRect covered = Covered(*view);
      EXPECT_TRUE(boardArea.contains(covered)) << "clear of the tool bar, the tray bar and the status bar";
      EXPECT_FALSE(covered.contains(boardArea.center())) << "the board's middle";
      EXPECT_FALSE(covered.intersects(Covered(*main.statusBar())));
      EXPECT_GT(covered.center().x(), boardArea.center().x()) << "on the board's right";
    }
    EXPECT_FALSE(Covered(overlay).intersects(Covered(loupe)));
    EXPECT_LT(overlay.y(), loupe.y()) << "the picture above, the loupe below";
    EXPECT_EQ(overlay.findChild<QLabel*>("Caption")->text(), "Picture");
    EXPECT_EQ(loupe.findChild<QLabel*>("Caption")->text(), "Loupe: 3x");
    loupe.FactorButton(500)->click();
    EXPECT_EQ(loupe.findChild<QLabel*>("Caption")->text(), "Loupe: 5x") << "the strip follows the caption";
  }
}

// The views keep to the board's corners as the main window is resized, as when the
// compositor first gives it its size after the views were shown.
TEST_F(DockedViewsTest, ViewsFollowTheBoardsCornersAsTheMainWindowIsResized) {
  main.resize(1280, 800);
  main.show();
  ASSERT_TRUE(WaitUntil([&] { return main.isVisible() && board->height() > 0; }));
  TOverlayForm overlay(mainForm, &main, ViewMode::Docked);
  TLoupeForm loupe(mainForm, &main, ViewMode::Docked);
  overlay.show();
  loupe.show();
  for (const QSize window : {QSize(800, 600), QSize(1600, 1000)}) {
    SCOPED_TRACE(window.width());
    main.resize(window);
    ASSERT_TRUE(WaitUntil([&] { return main.size() == window; }));
    const QRect boardArea = Covered(*board);
    EXPECT_TRUE(boardArea.contains(Covered(overlay)));
    EXPECT_TRUE(boardArea.contains(Covered(loupe)));
    EXPECT_EQ(Covered(overlay).right(), Covered(loupe).right()) << "both at the board's right edge";
    EXPECT_FALSE(Covered(overlay).intersects(Covered(loupe)));
    EXPECT_FALSE(Covered(loupe).contains(boardArea.center()));
  }
}

// A left-button drag on `widget` by `by`, as the user's mouse sends it.
void Drag(QWidget& widget, QPoint by) {
  const QPoint from(widget.width() / 2, widget.height() / 2);
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton);
  send(QEvent::MouseMove, from + by, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, from + by, Qt::NoButton);
}

// Dragging the title strip moves the frame, dragging the size grip resizes it.
TEST_F(DockedViewsTest, TitleStripMovesTheFrameAndTheGripResizesIt) {
  main.resize(1280, 800);
  main.show();
  ASSERT_TRUE(WaitUntil([&] { return main.isVisible() && board->height() > 0; }));
  TLoupeForm loupe(mainForm, &main, ViewMode::Docked);
  loupe.show();
  QWidget& strip = *loupe.findChild<QWidget*>("TitleStrip");
  QSizeGrip& grip = *loupe.findChild<QSizeGrip*>();
  const QRect before = loupe.geometry();
  Drag(strip, {-300, -100});
  EXPECT_EQ(loupe.geometry(), before.translated(-300, -100));
  Drag(grip, {50, 30});
  EXPECT_EQ(loupe.geometry(), QRect(before.topLeft() - QPoint(300, 100), before.size() + QSize(50, 30)));
  Drag(strip, {-5000, -5000});
  EXPECT_EQ(loupe.pos(), QPoint(0, 0)) << "kept within the main window";
}

// Docked, the program alone sizes the picture: dragging its size grip keeps the
// picture's aspect in the part below the title strip.
TEST_F(DockedViewsTest, DockedPictureKeepsThePicturesAspect) {
  main.resize(1280, 800);
  main.show();
  TOverlayForm overlay(mainForm, &main, ViewMode::Docked);
  overlay.SetPictureSource([this] { return &picture; });
  overlay.FitHeightToPicture();
  overlay.show();
  ASSERT_NE(overlay.findChild<QSizeGrip*>(), nullptr);
  const struct {
    const char* what;
    int widthChange, heightChange;
  } cases[] = {{"wider", 60, 0}, {"taller", 0, 90}, {"smaller", -100, -10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    overlay.resize(overlay.width() + c.widthChange, overlay.height() + c.heightChange);
    QCoreApplication::processEvents();
    const QSize shown = overlay.PaintBox1().size();
    EXPECT_NEAR(shown.width() * 3, shown.height() * 4, 4) << shown.width() << "x" << shown.height();
    EXPECT_EQ(overlay.LastFitted(), (FittedSize{shown.width(), shown.height()}));
  }
}

// Docked over the board, the loupe shows the board as the program paints it, black
// beyond the board, with no screen to read.
TEST_F(DockedViewsTest, DockedLoupeMagnifiesTheBoardItself) {
  main.resize(640, 480);
  main.show();
  ASSERT_TRUE(WaitUntil([&] { return main.isVisible() && board->height() > 0; }));
  TLoupeForm loupe(mainForm, &main, ViewMode::Docked);
  Magnifier& view = loupe.CoolLoupe1();
  QStatusBar& status = *main.statusBar();
  const struct {
    const char* what;
    QPoint point;
    QColor shown;
  } cases[] = {
      {"the board's middle", board->mapToGlobal(board->rect().center()), Qt::red},
      {"the status bar's message", status.mapToGlobal(QPoint(40, status.height() / 2)), Qt::black},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    view.SetMode(Magnifier::Mode::Static);
    view.SetStaticPoint(c.point);
    loupe.show();
    view.Refresh();
    EXPECT_FALSE(view.GrabRefused()) << "no message that the screen cannot be read";
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixelColor(view.width() / 2, view.height() / 2), c.shown);
  }
}

TEST_F(PictureViewsTest, LoupeShowsItsFactorInTheCaptionAndWorksOnlyWhileShown) {
  TLoupeForm loupe(mainForm, &owner);
  EXPECT_FALSE(loupe.CoolLoupe1().Active()) << "nothing runs before it is shown";
  loupe.show();
  EXPECT_EQ(loupe.windowTitle(), "Loupe: 3x");
  EXPECT_TRUE(loupe.CoolLoupe1().Active());
  EXPECT_EQ(loupe.CoolLoupe1().Zoom(), 300);
  EXPECT_TRUE(loupe.FactorButton(300)->isChecked());
  EXPECT_FALSE(loupe.ZoomPanel().isVisible()) << "the factor buttons show while the pointer rests on the loupe";

  for (int percent : {400, 200, 500, 300}) {
    SCOPED_TRACE(percent);
    loupe.FactorButton(percent)->click();
    EXPECT_EQ(loupe.CoolLoupe1().Zoom(), percent);
    EXPECT_EQ(loupe.windowTitle(), QString("Loupe: %1x").arg(percent / 100));
    EXPECT_TRUE(loupe.FactorButton(percent)->isChecked());
    for (int other : {200, 300, 400, 500}) {
      if (other == percent) continue;
      EXPECT_FALSE(loupe.FactorButton(other)->isChecked()) << other;
    }
  }

  loupe.hide();
  EXPECT_FALSE(loupe.CoolLoupe1().Active()) << "hidden, it costs nothing";
}

// The view is as large as the loupe's view divided by the factor, around the point.
TEST_F(PictureViewsTest, LoupeHoldsStillOnTheMainWindowWhileThePointerRestsOnIt) {
  owner.setGeometry(100, 50, 400, 300);
  TLoupeForm loupe(mainForm, &owner);
  loupe.show();
  Magnifier& view = loupe.CoolLoupe1();
  EXPECT_EQ(view.CurrentMode(), Magnifier::Mode::Dynamic);

  loupe.PointerEntered();
  EXPECT_EQ(view.CurrentMode(), Magnifier::Mode::Static);
  const QRect main = owner.frameGeometry();
  EXPECT_EQ(view.StaticPoint(), QPoint(main.left() + main.width() / 2, main.top() + main.height() / 2));
  EXPECT_TRUE(loupe.ZoomPanel().isVisible());
  view.Refresh();
  const QRect source = view.SourceRect();
  EXPECT_EQ(source.topLeft() + QPoint(source.width() / 2, source.height() / 2), view.StaticPoint());
  EXPECT_EQ(view.SourceRect().width(), (view.width() + 2) / 3);

  loupe.PointerLeft(loupe.frameGeometry().center());
  EXPECT_EQ(view.CurrentMode(), Magnifier::Mode::Static) << "onto one of the loupe's own controls";
  EXPECT_TRUE(loupe.ZoomPanel().isVisible());

  loupe.PointerLeft(loupe.frameGeometry().bottomRight() + QPoint(5, 5));
  EXPECT_EQ(view.CurrentMode(), Magnifier::Mode::Dynamic);
  EXPECT_FALSE(loupe.ZoomPanel().isVisible());
}

// What the screen hands out, seen through the loupe at 3x: red where the screen is
// read, black beyond the screen's edge; where the platform refuses to hand out the
// screen's pixels the loupe says so rather than showing black.
TEST_F(PictureViewsTest, LoupeEnlargesTheScreenAroundItsPointOrSaysItCannot) {
  QScreen& screen = *QGuiApplication::primaryScreen();
  const QPoint middle = screen.geometry().center();
  const QPoint corner = screen.geometry().topLeft();
  struct Case {
    const char* what;
    QPoint point;
    bool refuse;
    QColor centre, topLeft, bottomRight;
  };
  for (const Case& c : {
           Case{"the screen read", middle, false, Qt::red, Qt::red, Qt::red},
           Case{"at the screen's corner", corner, false, Qt::red, Qt::black, Qt::red},
       }) {
    SCOPED_TRACE(c.what);
    TLoupeForm loupe(mainForm, &owner);
    Magnifier& view = loupe.CoolLoupe1();
    std::vector<QRect> asked;
    view.SetScreenGrab([&](QScreen&, const QRect& area) {
      asked.push_back(area);
      QPixmap pixels(area.size());
      pixels.fill(Qt::red);
      return pixels;
    });
    view.SetMode(Magnifier::Mode::Static);
    view.SetStaticPoint(c.point);
    loupe.show();
    ASSERT_FALSE(asked.empty());
    EXPECT_TRUE(screen.geometry().contains(asked.back())) << "only the screen is asked for";
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixelColor(view.width() / 2 + 2, view.height() / 2 + 2), c.centre);
    EXPECT_EQ(shot.pixelColor(0, 0), c.topLeft);
    EXPECT_EQ(shot.pixelColor(view.width() - 1, view.height() - 1), c.bottomRight);
    EXPECT_FALSE(view.GrabRefused());
  }

  TLoupeForm loupe(mainForm, &owner);
  Magnifier& view = loupe.CoolLoupe1();
  view.SetScreenGrab([](QScreen&, const QRect&) { return QPixmap(); });
  loupe.show();
  EXPECT_TRUE(view.GrabRefused());
  const QImage shot = view.grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), view.palette().window().color()) << "a message on the window colour";
}

// Under XWayland the grab succeeds but hands out one colour: the loupe tells it from
// a plain area of the screen by how the main window paints the same place.
TEST_F(PictureViewsTest, GrabOfOneColourIsEmptyOnlyWhereTheProgramDrawsMore) {
  QImage black(40, 30, QImage::Format_RGB32);
  black.fill(Qt::black);
  QImage blue = black;
  blue.fill(Qt::blue);
  const QImage banded = ToQImage(picture).scaled(40, 30);
  struct Case {
    const char* what;
    QImage grabbed, drawn;
    bool empty;
  };
  for (const Case& c : {
           Case{"black over a picture", black, banded, true},
           Case{"black over a black board", black, black, false},
           Case{"one colour over another plain colour", black, blue, false},
           Case{"black where the program draws nothing", black, QImage(), false},
           Case{"the picture read", banded, banded, false},
       }) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GrabShowsNothing(c.grabbed, c.drawn), c.empty);
  }
}

TEST_F(PictureViewsTest, LoupeSaysSoWhenTheScreenComesBackBlackOverTheBoard) {
  QLabel board;
  board.setPixmap(QPixmap::fromImage(ToQImage(picture)));
  board.resize(400, 300);
  board.show();
  ASSERT_TRUE(WaitUntil([&] { return board.isVisible(); }));
  TLoupeForm loupe(mainForm, &board);
  Magnifier& view = loupe.CoolLoupe1();
  bool black = true;
  view.SetScreenGrab([&](QScreen&, const QRect& area) {
    QPixmap pixels(area.size());
    pixels.fill(black ? QColor(Qt::black) : QColor(Qt::red));
    if (!black) QPainter(&pixels).fillRect(0, 0, 1, 1, Qt::green);
    return pixels;
  });
  view.SetMode(Magnifier::Mode::Static);
  view.SetStaticPoint(board.mapToGlobal(QPoint(200, 100)));  // where red meets green
  loupe.show();
  EXPECT_TRUE(view.GrabRefused());
  EXPECT_EQ(view.grab().toImage().pixelColor(0, 0), view.palette().window().color()) << "the message, not black";

  black = false;
  view.Refresh();
  EXPECT_FALSE(view.GrabRefused()) << "a grab with a picture in it shows again";
}

}  // namespace
}  // namespace quill::testing
