// Choosing Qt's media back end and the trial that tells whether a media player can
// be made without bringing the program down.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
    std::string program;
    bool succeeds;
  };
  const Case cases[] = {
      {script("crashes", "kill -SEGV $$"), false},
      {script("aborts", "kill -ABRT $$"), false},
      {script("fails", "exit 3"), false},
      {script("checks", "[ \"$QUILLMERE_MEDIA_TRIAL\" = 1 ]"), true},
      {(folder.Path() / "missing").string(), false},
      {QUILL_PLAYER_PATH, true},
  };
  for (const Case& c : cases) EXPECT_EQ(MediaTrialSucceeds(c.program), c.succeeds) << c.program;
}

}  // namespace
}  // namespace quill::testing
