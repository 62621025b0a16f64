// The widget map that end-to-end scripts read to find buttons: every visible, named
// button of the visible windows with its rectangle in screen pixels (also at device
// pixel ratio 2, where shell_board_hidpi runs these tests), kept up to date in its
// file as windows move and buttons change, and nothing at all unless asked for.
#include "app/widget_map.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QWidget>

#include "shell_support.h"

namespace quill::testing {
namespace {

QString ReadAll(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

QPushButton* AddButton(QWidget& parent, const char* name, QRect place) {
  auto* button = new QPushButton(&parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

// The window "MapTestForm" at 100, 50: a button at 10, 20 sized 30 x 25 among others
// the map leaves out.
class WidgetMapTest : public ::testing::Test {
 protected:
  WidgetMapTest() {
    window.setObjectName("MapTestForm");
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(100, 50, 300, 200);
    AddButton(window, "PlayBtn", QRect(10, 20, 30, 25));
    AddButton(window, "", QRect(50, 20, 30, 25));                   // unnamed
    AddButton(window, "HiddenBtn", QRect(90, 20, 30, 25))->hide();  // not shown
    window.show();
    EXPECT_TRUE(WaitUntil([this] { return window.isVisible() && window.pos() == QPoint(100, 50); }));
  }
  // "PlayBtn LEFT TOP WIDTH HEIGHT" of a rectangle given in the window's own pixels,
  // scaled to the screen's.
  QString Expected(const char* button, QRect r, const char* state = "enabled") const {
    const int s = static_cast<int>(window.devicePixelRatioF());
    return QStringLiteral("MapTestForm %1 %2 %3 %4 %5 %6")
        .arg(button)
        .arg(s * r.left())
        .arg(s * r.top())
        .arg(s * r.width())
        .arg(s * r.height())
        .arg(state);
  }
  QStringList OwnLines() const { return WidgetMapLines().filter(QRegularExpression("^MapTestForm ")); }

  QuillApplication& app = TestApplication();
  QWidget window;
};

TEST_F(WidgetMapTest, ListsTheVisibleNamedButtonsOfVisibleWindowsInScreenPixels) {
  EXPECT_EQ(OwnLines(), QStringList{Expected("PlayBtn", QRect(110, 70, 30, 25))});

  // A dialog of the window lists its own buttons under its own name.
  QDialog dialog(&window);
  dialog.setObjectName("MapTestDialog");
  AddButton(dialog, "OKBtn", QRect(5, 5, 20, 20));
  dialog.show();
  ASSERT_TRUE(WaitUntil([&] { return dialog.isVisible(); }));
  EXPECT_EQ(OwnLines().size(), 1);
  EXPECT_EQ(WidgetMapLines().filter(QRegularExpression("^MapTestDialog OKBtn ")).size(), 1);

  window.hide();
  EXPECT_TRUE(OwnLines().isEmpty());
}

// The file follows the window as it moves and the button as it is disabled and
// hidden; it holds the map of the moment.
TEST_F(WidgetMapTest, TheFileIsRewrittenAsWindowsAndButtonsChange) {
  ScratchFolder folder;
  const std::filesystem::path file = folder.Path() / "widgets";
  WidgetMap map(QString::fromStdString(file.string()));
  auto holds = [&](const QString& line) {
    return WaitUntil([&] { return ReadAll(file).split('\n').contains(line); });
  };
  EXPECT_TRUE(holds(Expected("PlayBtn", QRect(110, 70, 30, 25)))) << ReadAll(file).toStdString();

  window.move(200, 80);
  EXPECT_TRUE(holds(Expected("PlayBtn", QRect(210, 100, 30, 25)))) << ReadAll(file).toStdString();

  auto* button = window.findChild<QPushButton*>("PlayBtn");
  button->setEnabled(false);
  EXPECT_TRUE(holds(Expected("PlayBtn", QRect(210, 100, 30, 25), "disabled"))) << ReadAll(file).toStdString();

  button->hide();
  EXPECT_TRUE(WaitUntil([&] { return !ReadAll(file).contains("MapTestForm "); })) << ReadAll(file).toStdString();
}

TEST_F(WidgetMapTest, NothingIsWatchedUnlessTheVariableNamesAFile) {
  qunsetenv(kWidgetMapVariable);
  EXPECT_EQ(WidgetMapIfAsked(), nullptr);

  ScratchFolder folder;
  const std::filesystem::path file = folder.Path() / "asked";
  qputenv(kWidgetMapVariable, QByteArray::fromStdString(file.string()));
  const std::unique_ptr<WidgetMap> map = WidgetMapIfAsked();
  qunsetenv(kWidgetMapVariable);
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(file).contains("MapTestForm PlayBtn "); }));
}

}  // namespace
}  // namespace quill::testing
