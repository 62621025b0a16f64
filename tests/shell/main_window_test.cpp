// The main window on the offscreen platform: menus and tool buttons mirror the
// main form's state both ways, and the start and closing sequences run as a person
// would see them (modal screens suppressed by the host's quiet mode).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "app/qt_colours.h"
#include "app/web_site.h"
#include "main_window_fixture.h"

namespace quill::testing {
namespace {

TEST_F(MainWindowTest, MenuActionsFollowTheirStateAndTheUsersTicks) {
  auto window = OpenGift(DefaultGiftHeader());
  QAction& music = *window->Menus().Action("Music");
  ASSERT_TRUE(music.isCheckable());
  host.MainForm().SetChecked("Music", true);
  EXPECT_TRUE(music.isChecked());
  host.MainForm().SetChecked("Music", false);
  EXPECT_FALSE(music.isChecked());

  const std::filesystem::path musicFile = folder.Path() / "jig1.mid";  // without music the tick would go again
  std::ofstream(musicFile) << "music";
  host.SetMusicFile(musicFile.string());
  music.trigger();  // the user ticks it again
  EXPECT_TRUE(host.MainForm().Checked("Music"));

  QAction& zoom = *window->Menus().Action("Zoompicture");
  host.MainForm().SetEnabled("Zoompicture", true);
  EXPECT_TRUE(zoom.isEnabled());
  host.MainForm().SetCaption("UndoItem", "&Undo move pieces");
  EXPECT_EQ(window->Menus().Action("UndoItem")->text(), "&Undo move pieces");
}

TEST_F(MainWindowTest, RadioItemsTickOneAtATimeInBothDirections) {
  auto window = OpenGift(DefaultGiftHeader());
  UiState& form = host.MainForm();
  window->Menus().Action("OutlinesCard")->trigger();
  EXPECT_TRUE(form.Checked("OutlinesCard"));
  EXPECT_FALSE(form.Checked("OutlinesNone"));

  TickOutlineRadioItem(form, 4);  // the core's way of choosing Wood
  EXPECT_TRUE(window->Menus().Action("OutlinesWood")->isChecked());
  EXPECT_FALSE(window->Menus().Action("OutlinesCard")->isChecked());
}

TEST_F(MainWindowTest, StartUpHidesTheCommandsThisEditionDoesNotOffer) {
  auto window = OpenGift(DefaultGiftHeader());
  struct Case {
    const char* name;
    bool visible;
  };
  for (const Case& c : {Case{"Restart1", true}, Case{"FileNewItem", true}, Case{"FileExitItem", true},
                        Case{"FileOpenItem", false}, Case{"FileSaveItem", false}, Case{"AdvOptions", false},
                        Case{"HelpContentsItem", false}, Case{"WhatsNewItem", false}, Case{"MRU1", false},
                        Case{"HelpAboutJigItem", false}, Case{"JigSearch", false}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(window->Menus().Action(c.name)->isVisible(), c.visible);
  }
  EXPECT_EQ(window->Menus().Action("WebLink")->text().toStdString(), kProductWebSite);
  EXPECT_EQ(window->windowTitle(), "Quillmere Gift");
}

TEST_F(MainWindowTest, MenuItemsCarryTheirShortcutsAndLongHints) {
  auto window = OpenGift(DefaultGiftHeader());
  struct Case {
    const char* name;
    const char* shortcut;
    const char* statusTip;
  };
  for (const Case& c : {Case{"UndoItem", "Ctrl+Z", "Undo the last step"},
                        Case{"RedoItem", "Ctrl+Shift+Z", "Redo the step just undone"},
                        Case{"Picture", "F3", "Show the picture window"},
                        Case{"Hint1", "Ctrl+F1", "Flash the next two pieces to solve"},
                        Case{"Mystery", "", "Hide the jigsaw preview pictures"}}) {
    SCOPED_TRACE(c.name);
    QAction& action = *window->Menus().Action(c.name);
    EXPECT_EQ(action.shortcut().toString(QKeySequence::PortableText), c.shortcut);
    EXPECT_EQ(action.statusTip(), c.statusTip);
  }
}

TEST_F(MainWindowTest, HintOfTheHighlightedItemGoesToTheStatusLine) {
  auto window = OpenGift(DefaultGiftHeader());
  window->Menus().Action("Picture")->showStatusText(window.get());
  EXPECT_EQ(window->StatusLine().text(), "Show the picture window");
  EXPECT_EQ(host.MainForm().Get("StatusLine").Caption, "Show the picture window");
  host.MainForm().SetCaption("StatusLine", "Solved 3 of 48");
  EXPECT_EQ(window->StatusLine().text(), "Solved 3 of 48");
}

TEST_F(MainWindowTest, ToolBarStartsAtPictureAndMirrorsDownButtons) {
  auto window = OpenGift(DefaultGiftHeader());
  ToolButtonRow& bar = window->SpeedBar();
  EXPECT_TRUE(bar.Button("SpeedOpen")->isHidden());
  EXPECT_TRUE(bar.Button("SpeedSave")->isHidden());
  EXPECT_EQ(bar.Button("SpeedPicture")->geometry(), QRect(4, 3, 34, 34));
  EXPECT_EQ(bar.Button("SpeedHelp")->x(), 541 - 78);
  EXPECT_EQ(bar.Button("SpeedGhostOn")->size(), QSize(15, 14));

  QToolButton& sound = *bar.Button("SpeedSound");
  ASSERT_TRUE(sound.isCheckable());
  EXPECT_TRUE(sound.isChecked());
  sound.click();
  EXPECT_FALSE(host.MainForm().Get("SpeedSound").Down);
  host.MainForm().SetDown("SpeedSound", true);
  EXPECT_TRUE(sound.isChecked());
  EXPECT_EQ(sound.statusTip(), "Turn sound effects on/off");
}

TEST_F(MainWindowTest, GiftSettingsReachMenusAndBoard) {
  GiftHeader header = DefaultGiftHeader();
  header.BoardColour = 0x00604828;
  header.RotationOn = 1;
  auto window = OpenGift(header);  // no music in this gift
  StartPlaying(*window);
  EXPECT_FALSE(window->Menus().Action("Music")->isChecked());
  EXPECT_TRUE(window->Menus().Action("Rotation")->isChecked());
  EXPECT_TRUE(window->Menus().Action("RotateRight")->isEnabled());
  EXPECT_EQ(window->PaintBox1().BoardColour(), QColor(0x28, 0x48, 0x60));
  EXPECT_EQ(window->Timer().interval(), 1000);
  EXPECT_TRUE(window->Timer().isActive());
}

// The board widget shows the game's board bitmap pixel for pixel, and a drag with
// the mouse moves a piece in the game; a press while the other button is held is
// ignored.
TEST_F(MainWindowTest, BoardShowsTheGameAndRoutesTheMouse) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 4;
  auto window = OpenGift(header);
  window->resize(640, 480);
  StartPlaying(*window);
  TJigsaw& game = window->Game();
  BoardWidget& board = window->PaintBox1();
  const QImage shown = board.grab().toImage();
  const Bitmap& bitmap = game.BoardBitmap;
  ASSERT_EQ(shown.size(), QSize(bitmap.Width(), bitmap.Height()));
  for (const QPoint p : {QPoint(1, 1), QPoint(bitmap.Width() / 2, bitmap.Height() / 2),
                         QPoint(bitmap.Width() - 2, bitmap.Height() - 2)})
    EXPECT_EQ(QColor(shown.pixel(p)), ToQColor(static_cast<Colour>(bitmap.PixelAt(p.x(), p.y())))) << p.x();

  TFormPiece& piece = *game.BoardTray().FPieces.back();  // the front piece
  const QPoint grab(piece.X + piece.Width / 2, piece.Y + piece.Height / 2);
  ASSERT_TRUE(game.IsOpaqueAt(piece, grab.x(), grab.y()));
  const QPoint start(piece.X, piece.Y);
  auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, board.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&board, &event);
  };
  send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, grab + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
  // The right button pressed while the left one is held does nothing.
  send(QEvent::MouseButtonPress, grab + QPoint(30, 20), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  EXPECT_TRUE(host.MainForm().Get("StatusLine").Caption.empty());
  send(QEvent::MouseButtonRelease, grab + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(game.FDragState, kDragIdle);
  EXPECT_EQ(QPoint(piece.X, piece.Y) - start, QPoint(30, 20));
}

TEST_F(MainWindowTest, MysteryModeStartsWithoutPreviewPictures) {
  GiftHeader header = DefaultGiftHeader();
  header.MysteryMode = 1;
  auto window = OpenGift(header);
  host.MainForm().SetChecked("Picture", true);
  StartPlaying(*window);
  EXPECT_TRUE(host.MainForm().Checked("Mystery"));
  EXPECT_FALSE(window->Menus().Action("Picture")->isChecked());
  EXPECT_FALSE(window->Menus().Action("Ghostpicture")->isChecked());
}

TEST_F(MainWindowTest, GiftWithoutHeaderLeavesTheEmptyWindowOpen) {
  const auto broken = folder.Path() / "no-gift";
  WriteBytes(broken, std::vector<uint8_t>(20000, 'x'));
  auto window = Open(broken);
  ::testing::internal::CaptureStderr();
  window->show();
  QCoreApplication::processEvents();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("This jigsaw gift file is damaged and cannot be opened"), std::string::npos) << err;
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->Splash()->isVisible());
  EXPECT_FALSE(window->Timer().isActive());
  EXPECT_FALSE(window->Playing());

  // Closing still shows the exit screen, with the gift text that names no version.
  EXPECT_TRUE(window->close());
  const UiState& exitScreen = host.SplashForm();
  EXPECT_EQ(exitScreen.Get("GiftLab").Caption, GiftLabelText(""));
  EXPECT_EQ(exitScreen.Get("OkBtn").Caption, "Exit...");
  EXPECT_TRUE(exitScreen.Get("SaveResumeBox").Visible);
  EXPECT_EQ(exitScreen.Get("SaveResumeBox").Caption, "Save game...");
}

TEST_F(MainWindowTest, ClosingShowsTheClosingMessageAndStopsPlay) {
  GiftHeader header = DefaultGiftHeader();
  header.CreatorVersion = "v6.13";
  header.ClosingMessage = "Bye for now";
  auto window = OpenGift(header);
  StartPlaying(*window);
  EXPECT_TRUE(window->close());
  const UiState& exitScreen = host.SplashForm();
  EXPECT_EQ(exitScreen.Get("Memo1").Text, "Bye for now");
  EXPECT_EQ(exitScreen.Get("GiftLab").Caption, GiftLabelText("v6.13"));
  EXPECT_EQ(exitScreen.Get("OkBtn").Height, exitScreen.Get("ExitBtn").Height * 4 / 6);
  EXPECT_FALSE(window->Playing());
  EXPECT_FALSE(window->Timer().isActive());
  EXPECT_EQ(window->Splash(), nullptr);
}

// Closing with "Save game..." ticked keeps the position beside the gift; the next
// start resumes it and offers "Resume game...".
TEST_F(MainWindowTest, ClosingSavesThePositionAndTheNextStartResumesIt) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 6;
  Point moved;
  {
    auto window = OpenGift(header);
    StartPlaying(*window);
    TJigsaw& game = window->Game();
    TFormPiece& piece = game.Piece(0);
    game.MoveTo(piece, 37, 29, game.BoardTray().BoxRect());
    moved = {piece.X, piece.Y};
    EXPECT_TRUE(window->close());
  }
  ASSERT_TRUE(std::filesystem::exists(folder.Path() / "gift.sav"));
  auto window = OpenGift(header);
  StartPlaying(*window);
  const TFormPiece& piece = window->Game().Piece(0);
  EXPECT_EQ((Point{piece.X, piece.Y}), moved);
  EXPECT_EQ(host.SplashForm().Get("SaveResumeBox").Caption, "Resume game...");
}

class MusicFileTest : public MainWindowTest {
 protected:
  std::filesystem::path GiftWithMusic() {
    GiftParts parts;
    parts.Music = std::vector<uint8_t>(64, 7);
    GiftHeader header = DefaultGiftHeader();
    header.MusicExtension = ".mid";
    return MakeGift(header, std::move(parts));
  }
  // A player of `gift` on `playerHost`, started.
  std::unique_ptr<MainWindow> Play(QtHost& playerHost, const std::filesystem::path& gift) {
    playerHost.SetQuiet(true);
    auto window = Open(gift, playerHost);
    window->show();
    EXPECT_TRUE(WaitUntil([&] { return window->Playing(); }));
    return window;
  }
};

TEST_F(MusicFileTest, MusicFileIsDeletedWithTheWindow) {
  auto window = Play(host, GiftWithMusic());
  const std::string music = host.MusicFile();
  ASSERT_FALSE(music.empty());
  EXPECT_TRUE(std::filesystem::exists(music));
  window.reset();
  EXPECT_FALSE(std::filesystem::exists(music));
}

// Two copies of one gift play at once; closing the first leaves the second its music.
TEST_F(MusicFileTest, TwoCopiesOfThePlayerKeepTheirOwnMusicFiles) {
  const std::filesystem::path gift = GiftWithMusic();
  auto first = Play(host, gift);
  QtHost otherHost;
  auto second = Play(otherHost, gift);
  const std::string music = otherHost.MusicFile();
  ASSERT_FALSE(music.empty());
  EXPECT_NE(host.MusicFile(), music);
  first.reset();
  EXPECT_TRUE(std::filesystem::exists(music));
  EXPECT_EQ(ReadWholeFile(music), std::vector<uint8_t>(64, 7));
}

}  // namespace
}  // namespace quill::testing
