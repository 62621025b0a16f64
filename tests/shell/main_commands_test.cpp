// The main window's commands on the offscreen platform: option ticks and the tool
// buttons that mirror them, the preview commands under Mystery mode, the ghost
// brightness buttons, restarting, and docking the bars at other edges.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>

#include "common/config.h"
#include "common/records.h"
#include "main_window_fixture.h"
#include "sound_recording.h"

namespace quill::testing {
namespace {

class MainCommandsTest : public MainWindowTest {
 protected:
  // A playing window of a gift with `pieces` pieces.
  std::unique_ptr<MainWindow> Play(int pieces = 12, bool rotation = false) {
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = static_cast<uint16_t>(pieces);
    header.RotationOn = rotation ? 1 : 0;
    auto window = OpenGift(header);
    window->resize(640, 480);
    StartPlaying(*window);
    return window;
  }

  void Trigger(MainWindow& window, const char* item) { window.Menus().Action(item)->trigger(); }
  void Click(MainWindow& window, const char* button) {
    QToolButton* b = window.SpeedBar().Button(button);
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isEnabled()) << button;
    b->click();
  }
  void PaintBoard(MainWindow& window) { window.PaintBox1().repaint(); }
};

// Each command flips its tick (twice back again); the tool button's Down state, the
// game's configuration or the window shown follow the tick.
TEST_F(MainCommandsTest, CheckMarkCommandsFlipTheirTickAndWhatFollowsIt) {
  auto window = Play();
  MainWindow& w = *window;
  UiState& form = host.MainForm();
  TJigConfig& config = w.Game().Config();
  // As on a machine with a sound device (this one may have none), for a gift with music.
  form.SetEnabled("Music", true);
  form.SetEnabled("SpeedMusic", true);
  const std::filesystem::path musicFile = folder.Path() / "jig1.wav";
  WriteToneWave(musicFile, 100, 100);
  host.SetMusicFile(musicFile.string());
  struct Case {
    const char* command;  // a menu item, or a tool button when it starts with "Speed"
    const char* tick;
    std::function<bool()> follower;  // what must equal the tick afterwards
  };
  const Case cases[] = {
      {"Sound", "Sound", [&] { return form.Get("SpeedSound").Down && config.Sound; }},
      {"SpeedSound", "Sound", [&] { return w.SpeedBar().Button("SpeedSound")->isChecked() && config.Sound; }},
      {"Music", "Music", [&] { return form.Get("SpeedMusic").Down; }},
      {"SpeedMusic", "Music", [&] { return w.Menus().Action("Music")->isChecked(); }},
      {"ShowTimer", "ShowTimer", [&] { return form.Get("TimerStatus").Visible; }},
      {"ShowNum", "ShowNum", [&] { return form.Get("SolvedStatus").Visible; }},
      {"AllowCheating", "AllowCheating", [&] { return config.Cheating && form.Get("Hint1").Enabled; }},
      {"Loupe", "Loupe", [&] { return w.AuxForms()->LoupeForm().isVisible(); }},
      {"SpeedLoupe", "Loupe", [&] { return w.AuxForms()->LoupeForm().isVisible(); }},
      {"Picture", "Picture", [&] { return w.AuxForms()->OverlayForm().isVisible(); }},
      {"SpeedPicture", "Picture", [&] { return w.AuxForms()->OverlayForm().isVisible(); }},
      {"Ghostpicture", "Ghostpicture", [&] { PaintBoard(w); return config.Ghost; }},
      {"SpeedGhost", "Ghostpicture", [&] { PaintBoard(w); return config.Ghost; }},
      {"SortByShape", "SortByShape", [&] { return w.Menus().Action("SortByShape")->isChecked(); }},
      {"SortByColor", "SortByColor", [&] { return w.Menus().Action("SortByColor")->isChecked(); }},
      {"Toolbar", "Toolbar", [&] { return w.SpeedBarDock().isVisible(); }},
      {"Traybar", "Traybar", [&] { return w.BoxBarDock().isVisible(); }},
      {"Statusbar", "Statusbar", [&] { return form.Get("StatusLine").Visible; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    for (int round = 0; round < 2; ++round) {
      const bool before = form.Checked(c.tick);
      if (std::string_view(c.command).starts_with("Speed"))
        Click(w, c.command);
      else
        Trigger(w, c.command);
      EXPECT_EQ(form.Checked(c.tick), !before);
      EXPECT_EQ(w.Menus().Action(c.tick)->isChecked(), !before);
      EXPECT_EQ(c.follower(), !before);
    }
  }
  EXPECT_TRUE(host.QuestionsAsked().empty());
}

// Unticked, the option leaves no cheat offered: the Hint button and every cheat item
// of the menus are disabled, and an aid reached anyway counts nothing.
TEST_F(MainCommandsTest, UntickedCheatingOffersNoCheat) {
  auto window = Play();
  Trigger(*window, "AllowCheating");
  ASSERT_FALSE(host.MainForm().Checked("AllowCheating"));
  EXPECT_FALSE(window->SpeedBar().Button("SpeedHint")->isEnabled());
  for (const char* item : {"Hint1", "Hint2", "RightWayUp1", "RightWayUp2", "Solve1", "Solve2", "ShowSolution",
                           "SolvePiece", "FindPiece", "FetchPiece", "ShowNeighbor", "FetchNeighbor"})
    EXPECT_FALSE(window->Menus().Action(item)->isEnabled()) << item;
  window->Game().Hint();
  window->Game().FlashSolution();
  EXPECT_EQ(PuzzleRecord.CheatCount, 0);
}

TEST_F(MainCommandsTest, HidingTheToolBarGivesTheBoardItsRoom) {
  auto window = Play();
  const int height = window->PaintBox1().height();
  Trigger(*window, "Toolbar");
  ASSERT_TRUE(WaitUntil([&] { return window->PaintBox1().height() > height; }));
  EXPECT_EQ(window->Game().Config().BoardHeight, window->PaintBox1().height()) << "the board is refitted";
}

// Mystery mode asks before it starts and before any preview; No changes nothing.
TEST_F(MainCommandsTest, MysteryModeHidesThePreviewsAndAsksBeforeShowingThem) {
  auto window = Play();
  UiState& form = host.MainForm();
  Trigger(*window, "Picture");
  ASSERT_TRUE(window->AuxForms()->OverlayForm().isVisible());

  Trigger(*window, "Mystery");  // answered No
  EXPECT_FALSE(form.Checked("Mystery"));
  host.SetQuietAnswer(ChoiceAnswer::Yes);
  Trigger(*window, "Mystery");
  EXPECT_TRUE(form.Checked("Mystery"));
  EXPECT_FALSE(form.Checked("Ghostpicture"));
  EXPECT_TRUE(form.Checked("Picture")) << "the overlay keeps its tick";
  EXPECT_FALSE(window->AuxForms()->OverlayForm().isVisible());
  const int levelBefore = window->GhostLevel();
  Click(*window, "SpeedGhostOn");
  EXPECT_FALSE(form.Checked("Ghostpicture")) << "the brightness buttons do nothing in Mystery mode";
  EXPECT_EQ(window->GhostLevel(), levelBefore);

  host.SetQuietAnswer(ChoiceAnswer::No);
  const size_t asked = host.QuestionsAsked().size();
  for (const char* preview : {"Ghostpicture", "Picture", "Zoompicture", "MoveGhost"}) {
    SCOPED_TRACE(preview);
    Trigger(*window, preview);
    EXPECT_TRUE(form.Checked("Mystery"));
    EXPECT_FALSE(form.Checked("Ghostpicture"));
    EXPECT_TRUE(form.Checked("Picture"));
    EXPECT_EQ(window->Game().FDragState, DragState::Idle) << "the hidden ghost is not picked up";
  }
  ASSERT_EQ(host.QuestionsAsked().size(), asked + 4);
  EXPECT_EQ(host.QuestionsAsked().back(),
            "You are in Mystery Mode and the picture is hidden!\n\nPress Yes to exit Mystery Mode and reveal the jigsaw.");

  Trigger(*window, "Loupe");  // the loupe does not ask
  EXPECT_EQ(host.QuestionsAsked().size(), asked + 4);
  EXPECT_TRUE(form.Checked("Loupe"));

  host.SetQuietAnswer(ChoiceAnswer::Yes);
  Click(*window, "SpeedGhost");
  EXPECT_FALSE(form.Checked("Mystery"));
  EXPECT_TRUE(form.Checked("Ghostpicture"));
}

// "~" and "+" step the level between 1 and 10, each disabled at its end, and the
// board is drawn again at the new level.
TEST_F(MainCommandsTest, GhostBrightnessButtonsStepTheLevelAndTheBoardFollows) {
  auto window = Play();
  UiState& form = host.MainForm();
  TJigsaw& game = window->Game();
  ASSERT_EQ(window->GhostLevel(), 5);
  EXPECT_TRUE(form.Get("SpeedGhostOn").Enabled);
  EXPECT_TRUE(form.Get("SpeedGhostOff").Enabled);
  const Rect ghost = game.FMural.GhostRect();
  const Point centre{(ghost.Left + ghost.Right) / 2, (ghost.Top + ghost.Bottom) / 2};
  PaintBoard(*window);
  auto pixelAtGhost = [&] { return game.FMural.Board().PixelAt(centre.X, centre.Y); };
  const uint32_t atFive = pixelAtGhost();

  for (int i = 0; i < 4; ++i) Click(*window, "SpeedGhostOff");
  EXPECT_EQ(window->GhostLevel(), 1);
  EXPECT_FALSE(form.Get("SpeedGhostOff").Enabled);
  EXPECT_TRUE(form.Get("SpeedGhostOn").Enabled);
  PaintBoard(*window);
  EXPECT_EQ(game.Config().DrawnGhostLevel, 1);
  EXPECT_NE(pixelAtGhost(), atFive);

  for (int i = 0; i < 9; ++i) Click(*window, "SpeedGhostOn");
  EXPECT_EQ(window->GhostLevel(), 10);
  EXPECT_FALSE(form.Get("SpeedGhostOn").Enabled);
  EXPECT_TRUE(form.Get("SpeedGhostOff").Enabled);
  PaintBoard(*window);
  EXPECT_EQ(game.Config().DrawnGhostLevel, 10);

  // With the ghost hidden, a click only shows it again at the level it had.
  Trigger(*window, "Ghostpicture");
  Click(*window, "SpeedGhostOff");
  EXPECT_TRUE(form.Checked("Ghostpicture"));
  EXPECT_EQ(window->GhostLevel(), 10);
}

TEST_F(MainCommandsTest, ToolButtonsReachTheirCommands) {
  auto window = Play();
  TJigsaw& game = window->Game();
  const int trays = game.TrayListCount();
  Click(*window, "SpeedNewBox");
  EXPECT_EQ(game.TrayListCount(), trays + 1);

  Click(*window, "SpeedColor");
  QMenu* colours = window->Menus().Action("ColorPopup")->menu();
  ASSERT_TRUE(WaitUntil([&] { return colours->isVisible(); }));
  colours->hide();

  // The board's pop-up menus show their items' hints in the status line too.
  window->Menus().Action("SendToBack")->hover();
  EXPECT_EQ(host.MainForm().Get("StatusLine").Caption, "Put the piece behind all others");
}

TEST_F(MainCommandsTest, RotationAsksWhatToDoWithThePieces) {
  auto window = Play(20);
  UiState& form = host.MainForm();
  TJigsaw& game = window->Game();
  auto turned = [&] {
    int n = 0;
    for (int i = 0; i < game.Count(); ++i) n += game.Piece(i).Rotation != 0;
    return n;
  };
  host.SetQuietAnswer(ChoiceAnswer::Cancel);
  Trigger(*window, "Rotation");
  EXPECT_FALSE(form.Checked("Rotation"));
  EXPECT_FALSE(form.Get("RotateRight").Enabled);
  EXPECT_FALSE(game.Config().Rotating);

  host.SetQuietAnswer(ChoiceAnswer::Yes);
  Trigger(*window, "Rotation");
  EXPECT_TRUE(form.Checked("Rotation"));
  EXPECT_TRUE(form.Get("RotateLeft").Enabled);
  EXPECT_GT(turned(), 0) << "some of 20 loose pieces were turned";
  EXPECT_EQ(host.QuestionsAsked().back(), "Would you like some pieces randomly rotated now?");

  host.SetQuietAnswer(ChoiceAnswer::No);
  Trigger(*window, "Rotation");
  EXPECT_EQ(host.QuestionsAsked().back(), "Press 'Yes' to turn all pieces the right way up.");
  EXPECT_TRUE(form.Checked("Rotation")) << "turned pieces keep rotation on";
  EXPECT_TRUE(game.Config().Rotating);
}

TEST_F(MainCommandsTest, RestartBuildsAFreshGameOnlyWhenConfirmed) {
  auto window = Play(4);
  const TJigsaw* first = &window->Game();
  const Point firstPlace{first->Piece(0).X, first->Piece(0).Y};
  window->Game().AddTray();
  PuzzleRecord.JoinedCount = 2;
  window->Game().SaveGame();
  const std::filesystem::path saved = window->Game().ProgramPath() + ".sav";
  ASSERT_TRUE(std::filesystem::exists(saved));

  Trigger(*window, "Restart1");  // answered No
  EXPECT_EQ(&window->Game(), first);
  EXPECT_TRUE(std::filesystem::exists(saved));
  host.SetQuietAnswer(ChoiceAnswer::Cancel);
  Trigger(*window, "Restart1");
  EXPECT_EQ(&window->Game(), first);
  EXPECT_EQ(host.QuestionsAsked().back(), "This will restart the jigsaw from scratch. Are you sure?");

  host.SetQuietAnswer(ChoiceAnswer::Yes);
  Trigger(*window, "Restart1");
  TJigsaw& fresh = window->Game();
  EXPECT_FALSE(std::filesystem::exists(saved)) << "the saved game is gone";
  EXPECT_TRUE(window->Playing());
  EXPECT_TRUE(fresh.IsPlaying());
  EXPECT_EQ(PuzzleRecord.JoinedCount, 0);
  EXPECT_EQ(fresh.TrayListCount(), 1) << "only the board";
  EXPECT_FALSE(host.MainForm().Has("TrayButton1"));
  EXPECT_EQ((Point{fresh.Piece(0).X, fresh.Piece(0).Y}), firstPlace) << "the gift's first layout again";
  EXPECT_TRUE(host.MainForm().Get("SpeedGhostOn").Enabled);
}

// Docked at the left edge the tray bar stands upright: its buttons are turned and
// the core lays the tray buttons out in a column; back at the bottom they are rows.
TEST_F(MainCommandsTest, DockingTheTrayBarAtASideTurnsItsButtonsIntoAColumn) {
  auto window = Play();
  UiState& form = host.MainForm();
  window->Game().Options.AnimateTrays = false;
  window->Game().AddTray();
  window->Game().AddTray();
  window->addToolBar(Qt::LeftToolBarArea, &window->BoxBarDock());
  ASSERT_TRUE(WaitUntil([&] {
    const ComponentState& bar = form.Get("BoxBar");
    return bar.Align == ControlAlign::Left && bar.Height > bar.Width;
  }));
  const ComponentState& bar = form.Get("BoxBar");
  EXPECT_EQ(bar.Width, 41);
  EXPECT_TRUE(form.Get("SpeedBoxUp").Visible);
  EXPECT_FALSE(form.Get("SpeedBoxLeft").Visible);
  const ComponentState& second = form.Get("TrayButton2");
  EXPECT_EQ(QRect(second.Left, second.Top, second.Width, second.Height), QRect(4, 22 + 46 + 6, 33, 46));
  EXPECT_EQ(window->BoxBarDock().Row().Button("TrayButton2")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  EXPECT_EQ(form.Get("SpeedBoxDown").Top, bar.Height - 16 - 2) << "the down button at the bar's end";

  window->addToolBar(Qt::BottomToolBarArea, &window->BoxBarDock());
  ASSERT_TRUE(WaitUntil([&] { return form.Get("BoxBar").Align == ControlAlign::Bottom; }));
  const ComponentState& back = form.Get("TrayButton2");
  EXPECT_EQ(QRect(back.Left, back.Top, back.Width, back.Height), QRect(22 + 46 + 6, 4, 46, 33));
  EXPECT_TRUE(form.Get("SpeedBoxLeft").Visible);
}

TEST_F(MainCommandsTest, DockingTheToolBarAtASideTurnsItsRowIntoAColumn) {
  auto window = Play();
  UiState& form = host.MainForm();
  window->addToolBar(Qt::RightToolBarArea, &window->SpeedBarDock());
  ASSERT_TRUE(WaitUntil([&] { return form.Get("SpeedBar").Align == ControlAlign::Right; }));
  QToolButton& ghostOn = *window->SpeedBar().Button("SpeedGhostOn");
  QToolButton& ghostOff = *window->SpeedBar().Button("SpeedGhostOff");
  EXPECT_EQ(window->SpeedBar().Button("SpeedPicture")->geometry(), QRect(3, 4, 34, 34));
  EXPECT_EQ(ghostOn.geometry(), QRect(3, 184 - 78, 15, 14)) << "the sizes stay";
  EXPECT_EQ(ghostOff.geometry(), QRect(20, 184 - 78, 15, 14));
  EXPECT_EQ(window->SpeedBar().width(), 41);

  window->addToolBar(Qt::TopToolBarArea, &window->SpeedBarDock());
  ASSERT_TRUE(WaitUntil([&] { return form.Get("SpeedBar").Align == ControlAlign::Top; }));
  EXPECT_EQ(window->SpeedBar().Button("SpeedPicture")->geometry(), QRect(4, 3, 34, 34));
  EXPECT_EQ(window->SpeedBar().height(), 41);
}

// The auto-solve runs on the host's ticks: the command returns at once with the speed
// dialog shown and the window free; a hint during the solve stops it, and its end
// hides the dialog and stops the ticks.
TEST_F(MainCommandsTest, AutoSolveRunsOnTheTicksAndItsEndHidesTheDialog) {
  auto window = Play();
  if (!host.MainForm().Checked("AllowCheating")) Trigger(*window, "AllowCheating");
  QWidget& dialog = window->AuxForms()->SolveDlg();
  Trigger(*window, "Solve1");
  EXPECT_TRUE(window->Game().FAutoSolving) << "the command returned while the solve runs";
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(host.AnimationTicking());
  ASSERT_TRUE(WaitUntil([&] { return PuzzleRecord.JoinedCount > 0; })) << "the ticks move pieces";

  Trigger(*window, "Hint1");  // a cheat stops the solve first
  EXPECT_FALSE(window->Game().FAutoSolving);
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_TRUE(WaitUntil([&] { return !host.AnimationTicking(); })) << "the hint's flash ends, and the ticks";
}

}  // namespace
}  // namespace quill::testing
