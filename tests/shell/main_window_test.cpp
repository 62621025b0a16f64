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
#include <functional>

#include "app/main_window.h"
#include "app/qt_colours.h"
#include "app/web_site.h"
#include "common/records.h"
#include "main_window_fixture.h"
#include "../unit/file_faults.h"
#include "sound_recording.h"

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

  const std::filesystem::path musicFile = folder.Path() / "jig1.wav";  // without music the tick would go again
  WriteToneWave(musicFile, 100, 100);
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
                        Case{"Mystery", "", "Hide the jigsaw preview pictures"},
                        Case{"OutlineFoil", "", "Pieces are made out of thin foil"},
                        Case{"OutlinesPaper", "", "Pieces are made out of paper"},
                        Case{"OutlinesCard", "", "Pieces are made out of thick card"},
                        Case{"OutlinesWood", "", "Pieces are made out of chunky wood"},
                        Case{"AntiAlias", "", "Remove jaggies from piece outlines using smoothing"},
                        Case{"AutoOutline", "", "Remove outlines from solved pieces"},
                        Case{"SortByShape", "", "Put edge pieces first when arranging"},
                        Case{"SortByColor", "", "Put similar colors together when arranging"}}) {
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

// The board widget shows the game's board bitmap pixel for pixel, one board pixel
// on each device pixel (at a device pixel ratio of 2 the bitmap is twice the
// widget's size), and a drag with the mouse moves a piece in the game by exactly the
// pointer's travel in device pixels; a press while the other button is held is
// ignored. Run at the screen's ratio, and at 2 by the shell_board_hidpi test.
TEST_F(MainWindowTest, BoardShowsTheGameAndRoutesTheMouse) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 4;
  auto window = OpenGift(header);
  window->resize(640, 480);
  StartPlaying(*window);
  TJigsaw& game = window->Game();
  BoardWidget& board = window->PaintBox1();
  const double ratio = board.devicePixelRatioF();
  const Bitmap& bitmap = game.BoardBitmap;
  ASSERT_EQ(QSize(bitmap.Width(), bitmap.Height()), board.size() * ratio);
  const QImage shown = board.grab().toImage();
  ASSERT_EQ(shown.size(), QSize(bitmap.Width(), bitmap.Height()));
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      differing += QColor(shown.pixel(x, y)) != ToQColor(static_cast<Colour>(bitmap.PixelAt(x, y)));
  EXPECT_EQ(differing, 0);

  TFormPiece& piece = *game.BoardTray().FPieces.back();  // the front piece
  const QPoint grab(piece.X + piece.Width / 2, piece.Y + piece.Height / 2);
  ASSERT_TRUE(game.IsOpaqueAt(piece, grab.x(), grab.y()));
  const QPoint start(piece.X, piece.Y);
  // Positions arrive as Qt gives them: device pixels divided by the ratio.
  auto send = [&](QEvent::Type type, QPoint boardPoint, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at = QPointF(boardPoint) / ratio;
    QMouseEvent event(type, at, board.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&board, &event);
  };
  const QPoint travel(31, 21);
  send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, grab + travel, Qt::NoButton, Qt::LeftButton);
  // The right button pressed while the left one is held does nothing.
  send(QEvent::MouseButtonPress, grab + travel, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  EXPECT_TRUE(host.MainForm().Get("StatusLine").Caption.empty());
  send(QEvent::MouseButtonRelease, grab + travel, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(game.FDragState, DragState::Idle);
  EXPECT_EQ(QPoint(piece.X, piece.Y) - start, travel);
}

// Rectangles of the board the game changed are repainted through the widget's
// rectangles that cover them: at any ratio, the smallest that do.
TEST_F(MainWindowTest, BoardRectanglesMapToTheWidgetRectanglesCoveringThem) {
  auto window = OpenGift(DefaultGiftHeader());
  window->resize(640, 480);
  window->show();
  BoardWidget& board = window->PaintBox1();
  const double ratio = board.devicePixelRatioF();
  for (const Rect& r : {Rect{0, 0, 1, 1}, Rect{3, 5, 9, 12}, Rect{100, 7, 301, 8}, Rect{17, 33, 18, 250}}) {
    const QRect covering = board.WidgetRectOf(r);
    EXPECT_LE(covering.left() * ratio, r.Left);
    EXPECT_LE(covering.top() * ratio, r.Top);
    EXPECT_GE((covering.right() + 1) * ratio, r.Right);
    EXPECT_GE((covering.bottom() + 1) * ratio, r.Bottom);
    // One logical pixel less on any side would leave some of it out.
    EXPECT_GT((covering.left() + 1) * ratio, r.Left);
    EXPECT_GT((covering.top() + 1) * ratio, r.Top);
    EXPECT_LT(covering.right() * ratio, r.Right);
    EXPECT_LT(covering.bottom() * ratio, r.Bottom);
    EXPECT_EQ(board.BoardPointAt(QPointF(r.Left, r.Top) / ratio), (Point{r.Left, r.Top}));
  }
}

// A tray's zoom starts at its button on the tray bar: the button's place, measured in
// the window, lands on the board where the button is, at any ratio.
TEST_F(MainWindowTest, BoardPlaceOfATrayButtonIsWhereTheButtonIs) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 4;
  auto window = OpenGift(header);
  window->resize(640, 480);
  StartPlaying(*window);
  TJigsaw& game = window->Game();
  game.Options.AnimateTrays = false;
  game.AddTray();
  QCoreApplication::processEvents();
  const QToolButton* button = window->BoxBar().Button("TrayButton1");
  ASSERT_NE(button, nullptr);
  BoardWidget& board = window->PaintBox1();
  const Point centre = board.BoardPointAt(board.mapFromGlobal(button->mapToGlobal(QPointF(button->rect().center()))));
  const Rect place = game.TrayNo(game.TrayListCount() - 1).ButtonRect();
  EXPECT_NEAR(centre.X, (place.Left + place.Right) / 2, 2);
  EXPECT_NEAR(centre.Y, (place.Top + place.Bottom) / 2, 2);
}

// The hidpi run of the shell tests really runs at the ratio it asks for.
TEST(BoardRatio, TheScaleFactorAskedForReachesTheBoard) {
  TestApplication();
  const QByteArray asked = qgetenv("QT_SCALE_FACTOR");
  QtHost host;
  BoardWidget board(host.MainForm());
  board.resize(100, 80);
  board.show();
  const double expected = asked.isEmpty() ? board.devicePixelRatioF() : asked.toDouble();
  EXPECT_DOUBLE_EQ(board.devicePixelRatioF(), expected);
  EXPECT_EQ(board.BoardSize(), QSize(100, 80) * expected);
}

// The loading screen's Play button and web link stay greyed until the puzzle is ready.
TEST_F(MainWindowTest, ThePlayScreensButtonsWaitForThePuzzle) {
  auto window = OpenGift(DefaultGiftHeader());
  for (const char* name : {"OkBtn", "WebBtn"}) EXPECT_FALSE(window->Splash()->Component(name)->isEnabled()) << name;
  StartPlaying(*window);
  for (const char* name : {"OkBtn", "WebBtn"}) EXPECT_TRUE(window->Splash()->Component(name)->isEnabled()) << name;
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
  ASSERT_TRUE(std::filesystem::exists(folder.Path() / "gift.bin.sav"));
  auto window = OpenGift(header);
  StartPlaying(*window);
  const TFormPiece& piece = window->Game().Piece(0);
  EXPECT_EQ((Point{piece.X, piece.Y}), moved);
  EXPECT_EQ(host.SplashForm().Get("SaveResumeBox").Caption, "Resume game...");
}

// A save that fails at closing (a folder the player cannot write) asks whether to
// close without saving: No goes back to the game as it was, Yes closes.
TEST_F(MainWindowTest, SaveThatFailsAtClosingLetsTheUserPlayOnOrCloseWithoutSaving) {
  GiftHeader header = DefaultGiftHeader();
  header.CreatorVersion = "v6.13";
  auto window = OpenGift(header);
  StartPlaying(*window);
  const std::string saved = (folder.Path() / "gift.bin.sav").string();
  FileFaults faults(FileFaults::Failing(FileStep::CreateTemporary, EACCES));

  host.SetQuietAnswer(ChoiceAnswer::No);
  EXPECT_FALSE(window->close());
  ASSERT_EQ(host.QuestionsAsked().size(), 1u);
  const std::string& question = host.QuestionsAsked()[0];
  EXPECT_NE(question.find("Cannot create file \"" + saved + "\". Permission denied."), std::string::npos) << question;
  EXPECT_NE(question.find("Close the jigsaw without saving it?"), std::string::npos) << question;
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Playing()) << "the board takes the mouse";
  EXPECT_TRUE(window->Timer().isActive()) << "the clock runs";
  EXPECT_TRUE(ReportedErrors().empty());

  host.SetQuietAnswer(ChoiceAnswer::Yes);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(host.QuestionsAsked().size(), 2u);
  EXPECT_EQ(host.SplashForm().Get("GiftLab").Caption, GiftLabelText("v6.13")) << "the gift text keeps its version";
  EXPECT_FALSE(window->Playing());
  EXPECT_FALSE(std::filesystem::exists(saved));
}

// Starting from scratch, by unticking "Resume game..." or by Restart, starts a new
// game also when the old save cannot be removed, and says so.
TEST_F(MainWindowTest, StartingFromScratchStartsANewGameAlsoWhenTheSaveCannotBeRemoved) {
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 6;
  const auto saved = folder.Path() / "gift.bin.sav";
  const struct {
    const char* Name;
    std::function<void(MainWindow&)> StartAfresh;  // from a window before it is shown
  } ways[] = {
      {"unticking Resume game...",
       [&](MainWindow& window) {
         host.SplashForm().SetChecked("SaveResumeBox", false);
         StartPlaying(window);
       }},
      {"Restart, Yes",
       [&](MainWindow& window) {
         StartPlaying(window);
         ASSERT_EQ(PuzzleRecord.Elapsed, 5000);
         host.SetQuietAnswer(ChoiceAnswer::Yes);
         window.Menus().Action("Restart1")->trigger();
         host.SetQuietAnswer(ChoiceAnswer::No);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    {
      auto window = OpenGift(header);
      StartPlaying(*window);
      PuzzleRecord.Elapsed = 5000;
      ASSERT_TRUE(window->close());
    }
    host.NewSplashForm();
    auto window = OpenGift(header);
    FileFaults faults(FileFaults::Failing(FileStep::Remove, EACCES));
    ::testing::internal::CaptureStderr();
    way.StartAfresh(*window);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_LT(PuzzleRecord.Elapsed, 100) << "a new game, not the saved one";
    EXPECT_TRUE(window->Playing());
    EXPECT_NE(err.find("The saved game \"" + saved.string() + "\" cannot be removed. Permission denied."),
              std::string::npos)
        << err;
    EXPECT_TRUE(std::filesystem::exists(saved));
    std::filesystem::remove(saved);
  }
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
