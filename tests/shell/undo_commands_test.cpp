// "&Undo" and "&Redo" in the main window: their shortcuts, their enabled state and
// hints as steps are recorded, undone and redone, and the game following them.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>

#include "common/records.h"
#include "game/board_mouse.h"
#include "main_window_fixture.h"

namespace quill::testing {
namespace {

class UndoCommandsTest : public MainWindowTest {
 protected:
  std::unique_ptr<MainWindow> Play() {
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 12;
    auto window = OpenGift(header);
    window->resize(640, 480);
    StartPlaying(*window);
    return window;
  }

  static QAction& Item(MainWindow& window, const char* name) { return *window.Menus().Action(name); }
};

TEST_F(UndoCommandsTest, ItemsEnableAndNameTheirStepsAndRunUndoAndRedo) {
  auto window = Play();
  QAction& undo = Item(*window, "UndoItem");
  QAction& redo = Item(*window, "RedoItem");
  EXPECT_EQ(undo.shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(redo.shortcut(), QKeySequence("Shift+Ctrl+Z"));
  EXPECT_FALSE(undo.isEnabled());
  EXPECT_FALSE(redo.isEnabled());

  PuzzleRecord.Elapsed = 5;
  window->Game().RecordUndoPoint(kUndoDrag);
  PuzzleRecord.Elapsed = 9;
  EXPECT_TRUE(undo.isEnabled());
  EXPECT_EQ(undo.statusTip().toStdString(), "Undo move pieces");
  EXPECT_FALSE(redo.isEnabled());

  undo.trigger();
  EXPECT_EQ(PuzzleRecord.Elapsed, 5);
  EXPECT_FALSE(undo.isEnabled());
  EXPECT_TRUE(redo.isEnabled());
  EXPECT_EQ(redo.statusTip().toStdString(), "Redo move pieces");

  redo.trigger();
  EXPECT_EQ(PuzzleRecord.Elapsed, 9);
  EXPECT_TRUE(undo.isEnabled());
  EXPECT_FALSE(redo.isEnabled());
  EXPECT_EQ(redo.statusTip().toStdString(), "");
}

}  // namespace
}  // namespace quill::testing
