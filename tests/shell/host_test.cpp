// The Qt host and the application object: colour conversion through the desktop
// palette, the host's answers, the display depth question, and the handler that
// catches errors escaping event handlers; the file that carries the gift.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/qt_colours.h"
#include "app/qt_host.h"
#include "common/errors.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

TEST(QtColours, StoredAndSystemColoursResolve) {
  TestApplication();
  const QPalette palette = QApplication::palette();
  struct Case {
    Colour stored;
    QColor expected;
  };
  for (const Case& c : {Case{0x00604828, QColor(0x28, 0x48, 0x60)}, Case{0x000000FF, QColor(255, 0, 0)},
                        Case{0xFF000005, palette.color(QPalette::Base)},
                        Case{0xFF000008, palette.color(QPalette::Text)},
                        Case{0xFF00000F, palette.color(QPalette::Button)},
                        Case{0xFF00000D, palette.color(QPalette::Highlight)},
                        Case{0xFF000014, palette.color(QPalette::Light)}}) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(ToQColor(c.stored), c.expected);
  }
  QtHost host;
  EXPECT_EQ(host.SystemColour(15), FromQColor(palette.color(QPalette::Button)));
}

TEST(QtColours, LogicalFontHeightIsCharacterHeightInPixels) {
  TestApplication();
  const QFont font = ToQFont(FontState{0, -33, 0, kFontBold | kFontUnderline, "Times New Roman"});
  EXPECT_EQ(font.family(), "Times New Roman");
  EXPECT_EQ(font.pixelSize(), 33);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.underline());
  EXPECT_FALSE(font.italic());
}

TEST(QtHostTest, QuietHostWritesMessagesToStandardErrorAndAnswersNo) {
  TestApplication();
  QtHost host;
  host.SetQuiet(true);
  ::testing::internal::CaptureStderr();
  host.ShowMessage("Something went wrong", MessageKind::Error);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Something went wrong\n");
  EXPECT_FALSE(host.AskYesNo("Really?"));
}

// Two players running at once each write their music into a folder of their own,
// which only its user can enter and which goes with its host, contents and all.
TEST(QtHostTest, EachHostHasItsOwnTemporaryFolderRemovedWithIt) {
  TestApplication();
  auto first = std::make_unique<QtHost>();
  QtHost second;
  const std::filesystem::path folder = first->PrivateTempDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(first->PrivateTempDirectory(), folder.string()) << "the same folder for the whole run";
  EXPECT_NE(second.PrivateTempDirectory(), folder.string());
  EXPECT_EQ(folder.parent_path().parent_path(), std::filesystem::path(QDir::tempPath().toStdString()));
  EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
  std::ofstream(folder / "jig1.mid") << "music";
  first.reset();
  EXPECT_FALSE(std::filesystem::exists(folder));
  EXPECT_TRUE(std::filesystem::is_directory(second.PrivateTempDirectory()));
}

// The game's animation ticks come from the event loop while they are wanted, and
// the timer stops when they are not.
TEST(QtHostTest, AnimationTicksRunOnlyWhileWanted) {
  TestApplication();
  QtHost host;
  int ticks = 0;
  host.SetAnimationTickHandler([&] { ++ticks; });
  EXPECT_FALSE(host.AnimationTicking());
  host.WantAnimationTicks(true);
  host.WantAnimationTicks(true);  // asked again: still one timer
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }));
  host.WantAnimationTicks(false);
  EXPECT_FALSE(host.AnimationTicking());
}

TEST(DisplayDepth, MessageNamesTheNumberOfColoursOfTheDesktop) {
  struct Case {
    int depth;
    const char* colours;
  };
  for (const Case& c : {Case{4, "16"}, Case{8, "256"}, Case{1, "2"}}) {
    SCOPED_TRACE(c.depth);
    EXPECT_EQ(DisplayDepthMessage(c.depth),
              std::string("This program needs HiColor mode (64K colors) or better and so is unable to continue while "
                          "your desktop is set to ") +
                  c.colours + " colors. Would you like to change your settings now?");
  }
}

TEST(GiftFile, TheFileAPortableStartNamesIsTakenOnceAndNotPassedOn) {
  ::setenv(kGiftFileVariable, "/home/ann/Downloads/birthday-gift", 1);
  EXPECT_EQ(TakeGiftFilePath(), "/home/ann/Downloads/birthday-gift");
  EXPECT_EQ(std::getenv(kGiftFileVariable), nullptr) << "programs the player starts would inherit it";
  EXPECT_EQ(TakeGiftFilePath(), std::filesystem::read_symlink("/proc/self/exe").string());
}

// An object whose event handler fails, as a game operation may.
class FailingObject : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw UserError("The operation failed");
    return QObject::event(e);
  }
};

TEST(ApplicationHandler, ErrorsEscapingEventHandlersAreReportedAndTheLoopGoesOn) {
  TestApplication();
  ReportedErrors().clear();
  FailingObject object;
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  EXPECT_EQ(ReportedErrors(), (std::vector<std::string>{"The operation failed", "The operation failed"}));
}

}  // namespace
}  // namespace quill::testing
