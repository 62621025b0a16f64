// The arranging items of the board's and a tray's pop-up menus on the offscreen
// platform: enabled once the game plays, and each arranges its own tray, as the
// undo step it records shows.
#include <gtest/gtest.h>

#include <QAction>
#include <string_view>

#include "main_window_fixture.h"

namespace quill::testing {
namespace {

class ArrangePopupsTest : public MainWindowTest {};

TEST_F(ArrangePopupsTest, ItemsWorkWhilePlayingOnTheirOwnTray) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 12;
  auto window = OpenGift(header);
  window->resize(640, 480);
  struct Case {
    const char* item;
    const char* undoHint;  // names the step and so the tray it arranged
  };
  const Case cases[] = {
      {"ArrangeAtEdge2", "Undo arrange"},      {"ArrangeInGrid2", "Undo arrange"},
      {"Disarrange2", "Undo disarrange"},      {"ArrangeAtEdgeT", "Undo arrange tray"},
      {"ArrangeInGridT", "Undo arrange tray"}, {"DisarrangeTray", "Undo disarrange tray"},
  };
  for (const Case& c : cases) EXPECT_FALSE(window->Menus().Action(c.item)->isEnabled()) << c.item << " before play";

  StartPlaying(*window);
  TJigsaw& game = window->Game();
  // Tray 1 is the tray whose pop-up menu was opened; the board's items arrange the
  // board even so. The tray's items run once it holds every piece.
  game.AddTray();
  TBox& tray = game.TrayByNumber(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    QAction& action = *window->Menus().Action(c.item);
    EXPECT_TRUE(action.isEnabled());
    if (std::string_view(c.item) == "ArrangeAtEdgeT") {
      game.SetCurrentTray(&tray);
      game.GetPieces(1);
      ASSERT_GT(tray.FPieces.size(), 0u);
    }
    game.SetCurrentTray(&tray);
    action.trigger();
    EXPECT_EQ(window->Menus().Action("UndoItem")->statusTip().toStdString(), c.undoHint);
  }
}

}  // namespace
}  // namespace quill::testing
