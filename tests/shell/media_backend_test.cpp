// Choosing Qt's media back end and the trial that tells whether a media player can
// be made without bringing the program down.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/media_backend.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

// Restores QT_MEDIA_BACKEND as it was when the test began.
class MediaBackendTest : public ::testing::Test {
 protected:
  ~MediaBackendTest() override { qputenv(kMediaBackendVariable, saved_); }
  QuillApplication& app = TestApplication();
  ScratchFolder folder;

 private:
  QByteArray saved_ = qgetenv(kMediaBackendVariable);
};

TEST_F(MediaBackendTest, TheFfmpegBackEndIsNamedUnlessTheUserNamedOne) {
  qunsetenv(kMediaBackendVariable);
  ChooseMediaBackend();
  EXPECT_EQ(ChosenMediaBackend(), "ffmpeg");
  qputenv(kMediaBackendVariable, "gstreamer");
  ChooseMediaBackend();
  EXPECT_EQ(ChosenMediaBackend(), "gstreamer");
}

// A back end this program named that does not load gives way to Qt's default; one the
// user named stays, and counts as not loading.
TEST_F(MediaBackendTest, AFailingBackEndThisProgramNamedGivesWayToQtsDefault) {
  struct Case {
    const char* userNamed;  // nullptr: none
    const char* preferred;
    bool loads;
    std::string settled;
  };
  const Case cases[] = {
      {nullptr, "ffmpeg", true, "ffmpeg"},
      {nullptr, "nosuchbackend", true, ""},
      {"ffmpeg", "nosuchbackend", true, "ffmpeg"},
      {"nosuchbackend", "ffmpeg", false, "nosuchbackend"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.userNamed ? c.userNamed : "none") << ", " << c.preferred);
    if (c.userNamed) {
      qputenv(kMediaBackendVariable, c.userNamed);
    } else {
      qunsetenv(kMediaBackendVariable);
    }
    ChooseMediaBackend(c.preferred);
    EXPECT_EQ(SettleMediaBackend(), c.loads);
    EXPECT_EQ(ChosenMediaBackend(), c.settled);
  }
}

TEST_F(MediaBackendTest, OnlyABackEndWhosePluginLoadsCounts) {
  EXPECT_TRUE(MediaBackendLoads("ffmpeg"));
  EXPECT_TRUE(MediaBackendLoads("")) << "Qt's default";
  EXPECT_FALSE(MediaBackendLoads("nosuchbackend"));
  EXPECT_FALSE(MediaBackendLoads("../../nosuch"));
}

// A trial that crashes, fails or cannot start means no media player; the player's
// own trial succeeds.
TEST_F(MediaBackendTest, TheTrialSucceedsOnlyWhenTheCopyEndsNormally) {
  auto script = [&](const std::string& name, const std::string& body) {
    const std::filesystem::path path = folder.Path() / name;
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path.string();
  };
  struct Case {
    std::vector<std::string> command;
    bool succeeds;
  };
  const Case cases[] = {
      {{script("crashes", "kill -SEGV $$")}, false},
      {{script("aborts", "kill -ABRT $$")}, false},
      {{script("fails", "exit 3")}, false},
      {{script("checks", "[ \"$QUILLMERE_MEDIA_TRIAL\" = 1 ] && [ \"$1\" = --given ]"), "--given"}, true},
      {{(folder.Path() / "missing").string()}, false},
      {{}, false},
      {{QUILL_PLAYER_PATH}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(MediaTrialSucceeds(c.command), c.succeeds) << ::testing::PrintToString(c.command);
}

// This test program's own command, as the trial would start it again.
TEST_F(MediaBackendTest, OwnCommandLineStartsWithTheProgramFile) {
  const std::vector<std::string> command = OwnCommandLine();
  ASSERT_FALSE(command.empty());
  EXPECT_EQ(command[0], std::filesystem::read_symlink("/proc/self/exe").string());
}

}  // namespace
}  // namespace quill::testing
