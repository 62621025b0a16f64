// Replacing a file through a temporary beside it: a failure at any step keeps the
// old file, a process killed at any moment leaves the old file or the new one whole,
// the folder is flushed after the rename, permissions are kept, and temporaries a
// dead writer left are removed while a live writer's are not.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include "common/durable_file.h"
#include "common/errors.h"
#include "file_faults.h"
#include "gift_fixture.h"

namespace quill::testing {
namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DurableFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("quill-durable-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    target = folder / "gift.sav";
    WriteBytes(target, oldBytes);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Names in the folder besides the target.
  std::vector<std::string> Others() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path() != target) names.push_back(entry.path().filename().string());
    return names;
  }

  // A temporary of the target as a writer makes it.
  std::filesystem::path Temporary(const std::string& unique) const {
    return folder / ("gift.sav.partial-" + unique);
  }

  std::filesystem::path folder, target;
  const std::vector<uint8_t> oldBytes = std::vector<uint8_t>(5000, 'o');
  const std::vector<uint8_t> newBytes = std::vector<uint8_t>(7000, 'n');
};

TEST_F(DurableFileTest, StepsEndWithTheFolderFlushedAfterTheRename) {
  std::vector<std::pair<FileStep, std::string>> steps;
  {
    FileFaults faults([&](FileStep step, const std::string& path) {
      steps.emplace_back(step, path);
      return 0;
    });
    WriteFileReplacing(target.string(), newBytes);
  }
  const std::vector<std::pair<FileStep, std::string>> expected = {
      {FileStep::CreateTemporary, target.string()}, {FileStep::Write, target.string()},
      {FileStep::Sync, target.string()},            {FileStep::Rename, target.string()},
      {FileStep::SyncFolder, folder.string()}};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(ReadBytes(target), newBytes);
}

// A failure before the rename keeps the old file; one at the folder flush comes
// after the new file took its place but is still reported. No temporary stays.
TEST_F(DurableFileTest, FailureAtAnyStepIsReportedAndLeavesNoTemporary) {
  const struct {
    FileStep Step;
    int Error;
    const char* Says;
    bool Replaced;
  } cases[] = {
      {FileStep::CreateTemporary, EACCES, "Cannot create file", false},
      {FileStep::Write, ENOSPC, "Cannot write file", false},
      {FileStep::Sync, EIO, "Cannot write file", false},
      {FileStep::Rename, EXDEV, "Cannot write file", false},
      {FileStep::SyncFolder, EIO, "Cannot write file", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Step));
    WriteBytes(target, oldBytes);
    FileFaults faults(FileFaults::Failing(c.Step, c.Error));
    try {
      WriteFileReplacing(target.string(), newBytes);
      ADD_FAILURE() << "no error";
    } catch (const UserError& error) {
      const std::string text = error.what();
      EXPECT_EQ(text.find(c.Says), 0u) << text;
      EXPECT_NE(text.find(target.string()), std::string::npos) << text;
      EXPECT_NE(text.find(SystemErrorText(c.Error)), std::string::npos) << text;
    }
    EXPECT_EQ(ReadBytes(target), c.Replaced ? newBytes : oldBytes);
    EXPECT_TRUE(Others().empty());
  }
}

TEST_F(DurableFileTest, ReplacementKeepsTheOldFilesPermissions) {
  for (const mode_t mode : {0600, 0640, 0664}) {
    SCOPED_TRACE(mode);
    ::chmod(target.c_str(), mode);
    WriteFileReplacing(target.string(), newBytes);
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, mode);
  }
  std::filesystem::remove(target);
  WriteFileReplacing(target.string(), newBytes);
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u) << "a new file";
}

TEST_F(DurableFileTest, TemporariesOfDeadWritersGoAndALiveWritersStay) {
  WriteBytes(Temporary("a1B2c3"), {1, 2, 3});  // its writer died
  const auto live = Temporary("Zz9Yy8");
  WriteBytes(live, {4});
  const int liveLock = ::open(live.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(liveLock, LOCK_EX), 0);
  // Names that are not the target's temporaries.
  for (const char* name : {"gift.sav.partial-notes.txt", "other.sav.partial-a1B2c3", "gift.sav.a1B2c3"})
    WriteBytes(folder / name, {5});
  std::filesystem::create_directory(Temporary("folder"));

  RemoveLeftTemporaries(target.string());
  ::close(liveLock);
  std::vector<std::string> left = Others();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"gift.sav.a1B2c3", "gift.sav.partial-Zz9Yy8", "gift.sav.partial-folder",
                                            "gift.sav.partial-notes.txt", "other.sav.partial-a1B2c3"}));
  EXPECT_EQ(ReadBytes(target), oldBytes);
}

TEST_F(DurableFileTest, RemoveFileSaysWhyItFailed) {
  EXPECT_EQ(RemoveFile((folder / "never-there").string()), 0);
  EXPECT_EQ(RemoveFile(target.string()), 0);
  EXPECT_FALSE(std::filesystem::exists(target));
  std::filesystem::create_directories(folder / "busy" / "inside");
  EXPECT_EQ(RemoveFile((folder / "busy").string()), EISDIR);
  FileFaults faults(FileFaults::Failing(FileStep::Remove, EACCES));
  WriteBytes(target, oldBytes);
  EXPECT_EQ(RemoveFile(target.string()), EACCES);
  EXPECT_TRUE(std::filesystem::exists(target));
}

// Runs `write` in a child process and kills the child with SIGKILL from its own hook
// at `step`, or from here after `delay` (when step is none); waits for it.
void RunKilledChild(const std::function<void()>& write, std::optional<FileStep> step,
                    std::chrono::microseconds delay = {}) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (step)
      SetFileFaultHook([killAt = *step](FileStep now, const std::string&) {
        if (now == killAt) ::raise(SIGKILL);
        return 0;
      });
    try {
      write();
    } catch (...) {
      ::_exit(1);  // never back into the test runner
    }
    ::_exit(0);
  }
  if (!step) {
    ::usleep(static_cast<useconds_t>(delay.count()));
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
}

TEST_F(DurableFileTest, KillAtEveryStepLeavesTheOldFileOrTheNewOneWhole) {
  for (const FileStep step : {FileStep::CreateTemporary, FileStep::Write, FileStep::Sync, FileStep::Rename,
                              FileStep::SyncFolder}) {
    SCOPED_TRACE(static_cast<int>(step));
    WriteBytes(target, oldBytes);
    RunKilledChild([&] { WriteFileReplacing(target.string(), newBytes); }, step);
    EXPECT_EQ(ReadBytes(target), step == FileStep::SyncFolder ? newBytes : oldBytes);
    // The next writer clears what the dead one left.
    RemoveLeftTemporaries(target.string());
    EXPECT_TRUE(Others().empty());
  }
}

// A writer that replaces the file over and over with one of two contents, killed
// after a random moment, 200 times: the file is always one of them, whole.
TEST_F(DurableFileTest, KillAtRandomMomentsNeverLeavesAPartOrNoFile) {
  std::vector<uint8_t> first(300000, 'a'), second(200000, 'b');
  WriteBytes(target, first);
  std::mt19937 random(11);
  std::uniform_int_distribution<int> delay(0, 4000);
  for (int run = 0; run < 200; ++run) {
    RunKilledChild(
        [&] {
          for (int i = 0;; ++i) WriteFileReplacing(target.string(), i % 2 == 0 ? second : first);
        },
        std::nullopt, std::chrono::microseconds(delay(random)));
    const std::vector<uint8_t> now = ReadBytes(target);
    ASSERT_TRUE(now == first || now == second) << "run " << run << ": " << now.size() << " bytes";
  }
  RemoveLeftTemporaries(target.string());
  EXPECT_TRUE(Others().empty());
}

}  // namespace
}  // namespace quill::testing
