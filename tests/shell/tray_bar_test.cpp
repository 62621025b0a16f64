// The tray bar on the offscreen platform: a button per tray as the tray layer makes
// and deletes trays, clicks that open and minimise trays in the core, and the text
// the host writes into the board bitmap for tray titles.
#include <gtest/gtest.h>

#include <QToolButton>
#include <memory>

#include "app/qt_host.h"
#include "app/tray_bar_widget.h"
#include "board/boxes.h"
#include "common/records.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

class TrayBarTest : public ::testing::Test {
 protected:
  TrayBarTest() : savedBoard_(BoardRecord) {
    host.SetQuiet(true);
    BoardRecord = TBoardRecord{};
    boxes = std::make_unique<TBoxes>(host, host.MainForm());
    boxes->Options.AnimateTrays = false;
    boxes->CreateTrays();
    row = std::make_unique<TrayBarRow>(host.MainForm());
    row->show();
    row->resize(596, 41);
  }
  ~TrayBarTest() override {
    row.reset();
    boxes.reset();
    BoardRecord = savedBoard_;
  }

  QuillApplication& app = TestApplication();  // before any widget
  QtHost host;
  std::unique_ptr<TBoxes> boxes;
  std::unique_ptr<TrayBarRow> row;
  Bitmap board{800, 500};

 private:
  TBoardRecord savedBoard_;
};

TEST_F(TrayBarTest, EachTrayGetsAButtonThatOpensAndMinimisesIt) {
  row->resize(700, 41);
  EXPECT_EQ(host.MainForm().Get("BoxBar").Width, 700) << "the bar reports its width";
  row->resize(596, 41);
  TBox& tray = boxes->NewTray(board);
  tray.SetDescription("Edges");
  QToolButton* button = row->Button("TrayButton1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "1");
  EXPECT_EQ(button->toolTip(), "Edges");
  EXPECT_TRUE(button->isCheckable());
  EXPECT_TRUE(button->isChecked());
  EXPECT_EQ(button->geometry(), QRect(22, 4, 46, 33));
  EXPECT_FALSE(button->icon().isNull());

  button->click();
  EXPECT_FALSE(tray.IsOpen());
  EXPECT_FALSE(button->isChecked());
  button->click();
  EXPECT_TRUE(tray.IsOpen());
  EXPECT_TRUE(button->isChecked());
}

TEST_F(TrayBarTest, GlyphFollowsPiecesAndButtonsGoWithTheirTrays) {
  TBox& tray = boxes->NewTray(board);
  QToolButton* button = row->Button("TrayButton1");
  ASSERT_NE(button, nullptr);
  const qint64 empty = button->icon().cacheKey();
  host.MainForm().SetTag("TrayButton1", 1);  // what moving pieces into the tray does
  EXPECT_NE(button->icon().cacheKey(), empty);

  boxes->DeleteTray(tray);
  EXPECT_EQ(row->Button("TrayButton1"), nullptr);
  boxes->NewTray(board);
  EXPECT_NE(row->Button("TrayButton1"), nullptr) << "a new tray 1 gets a new button";
}

TEST_F(TrayBarTest, ScrollButtonsScrollAndARightPressAsksForTheMenu) {
  for (int i = 0; i < 12; ++i) boxes->NewTray(board);
  QToolButton* forward = row->Button("SpeedBoxRight");
  ASSERT_NE(forward, nullptr);
  EXPECT_TRUE(forward->isEnabled());
  forward->click();
  EXPECT_EQ(BoardRecord.TrayScroll, 2);
  EXPECT_TRUE(row->Button("TrayButton1")->isHidden());

  TBox* chosen = nullptr;
  boxes->OnTrayButtonMenu = [&](TBox& tray) { chosen = &tray; };
  bool menuAsked = false;
  row->SetMenuRequest([&](const QPoint&) { menuAsked = true; });
  emit row->Button("TrayButton3")->customContextMenuRequested(QPoint(2, 2));
  EXPECT_EQ(chosen, &boxes->TrayByNumber(3));
  EXPECT_TRUE(menuAsked);
}

TEST_F(TrayBarTest, HostWritesTextOnItsBackgroundInsideTheClip) {
  Bitmap bitmap(120, 40);
  bitmap.Fill(0);
  FontState font;
  font.Height = 16;
  font.Color = MakeColour(255, 0, 0);
  const Colour background = MakeColour(0, 0, 255);
  host.DrawText(bitmap, {0, 0, 60, 40}, 4, 4, "Tray 12: Edges", font, background);
  EXPECT_EQ(bitmap.PixelAt(5, 5), background);
  EXPECT_EQ(bitmap.PixelAt(70, 8), 0) << "right of the clip";
  EXPECT_EQ(bitmap.PixelAt(2, 8), 0) << "left of the text";
  int inked = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if (RedOf(static_cast<Colour>(bitmap.PixelAt(x, y))) > 128) ++inked;
  EXPECT_GT(inked, 10) << "the letters are drawn";
}

}  // namespace
}  // namespace quill::testing
