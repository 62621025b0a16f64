// One running copy per gift: the first start holds the gift, a second start of the
// same gift asks it forward through its socket, other gifts run beside it, a killed
// holder leaves the gift free (and its socket behind, which the next holder
// replaces), and the lock folder is refused when others could reach into it.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "common/gift_instance.h"

namespace quill::testing {
namespace {

using std::chrono::milliseconds;

class GiftInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() / ("quill-instance-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    folder = InstanceFolder(root.c_str());
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  GiftClaim Claim(const std::string& key, const std::string& token = "", milliseconds patience = milliseconds(200)) {
    return ClaimGift(folder, key, ForwardRequest(token), patience);
  }

  std::filesystem::path root;
  std::string folder;
};

TEST_F(GiftInstanceTest, SecondStartOfOneGiftAsksTheHolderForwardWithItsToken) {
  GiftClaim first = Claim("aaaa");
  ASSERT_EQ(first.Outcome, ClaimOutcome::Holder);
  ASSERT_TRUE(first.Lock);
  ASSERT_GE(first.Lock->Listener(), 0);
  EXPECT_FALSE(TakeRequestLine(first.Lock->Listener(), milliseconds(0))) << "no request before a second start";

  const GiftClaim second = Claim("aaaa", "token-42\nforward evil");
  EXPECT_EQ(second.Outcome, ClaimOutcome::Forwarded);
  EXPECT_FALSE(second.Lock);
  const std::optional<std::string> line = TakeRequestLine(first.Lock->Listener());
  ASSERT_TRUE(line);
  EXPECT_EQ(ForwardRequestToken(*line), "token-42forward evil") << "one line, control characters left out";
}

TEST_F(GiftInstanceTest, DifferentGiftsAreHeldSideBySide) {
  const GiftClaim one = Claim("aaaa");
  const GiftClaim other = Claim("bbbb");
  EXPECT_EQ(one.Outcome, ClaimOutcome::Holder);
  EXPECT_EQ(other.Outcome, ClaimOutcome::Holder);
}

TEST_F(GiftInstanceTest, ReleasedLockLetsTheNextStartHoldTheGift) {
  { const GiftClaim first = Claim("aaaa"); }
  EXPECT_FALSE(std::filesystem::exists(folder + "/aaaa.socket"));
  EXPECT_EQ(Claim("aaaa").Outcome, ClaimOutcome::Holder);
}

TEST_F(GiftInstanceTest, KilledHolderLeavesTheGiftFreeAndItsSocketIsReplaced) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const GiftClaim held = Claim("aaaa");
    const char ok = held.Outcome == ClaimOutcome::Holder ? 'y' : 'n';
    (void)!::write(ready[1], &ok, 1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 'y');
  EXPECT_EQ(Claim("aaaa").Outcome, ClaimOutcome::Forwarded) << "while the child holds it";
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  ASSERT_TRUE(std::filesystem::exists(folder + "/aaaa.socket")) << "a killed holder leaves its socket";

  GiftClaim next = Claim("aaaa");
  ASSERT_EQ(next.Outcome, ClaimOutcome::Holder);
  EXPECT_EQ(Claim("aaaa").Outcome, ClaimOutcome::Forwarded);
  EXPECT_TRUE(TakeRequestLine(next.Lock->Listener())) << "the new holder listens on the replaced socket";
}

TEST_F(GiftInstanceTest, HolderThatTakesNoRequestsIsNeverJoined) {
  // A holder that has stopped listening (it is ending) or does not listen yet: the
  // second start waits, then gives up rather than play beside it.
  GiftClaim first = Claim("aaaa");
  first.Lock->StopListening();
  EXPECT_EQ(first.Lock->Listener(), -1);
  EXPECT_FALSE(std::filesystem::exists(folder + "/aaaa.socket"));
  EXPECT_EQ(Claim("aaaa", "", milliseconds(100)).Outcome, ClaimOutcome::NoAnswer);
}

TEST_F(GiftInstanceTest, StartWaitingForAnEndingHolderPlaysOnceItHasEnded) {
  std::optional<GiftClaim> first = Claim("aaaa");
  first->Lock->StopListening();
  std::thread ending([&] {
    std::this_thread::sleep_for(milliseconds(100));
    first.reset();
  });
  const GiftClaim next = Claim("aaaa", "", std::chrono::seconds(30));
  ending.join();
  EXPECT_EQ(next.Outcome, ClaimOutcome::Holder);
}

TEST_F(GiftInstanceTest, LockFolderOpenToOthersIsRefused) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
  };
  const Case cases[] = {
      {"writable by the group", [](const auto& p) { std::filesystem::create_directory(p); ::chmod(p.c_str(), 0770); }},
      {"open to everyone", [](const auto& p) { std::filesystem::create_directory(p); ::chmod(p.c_str(), 0777); }},
      {"a link to a folder", [this](const auto& p) { std::filesystem::create_directory_symlink(root, p); }},
      {"a file", [](const auto& p) { std::ofstream(p) << "x"; }},
  };
  for (const Case& c : cases) {
    const std::filesystem::path runtime = root / "runtime";
    std::filesystem::remove_all(runtime);
    std::filesystem::create_directory(runtime);
    c.make(runtime / "quillmere-gift");
    EXPECT_THROW(InstanceFolder(runtime.c_str()), UserError) << c.name;
  }
}

TEST_F(GiftInstanceTest, FolderIsPrivateAndFallsBackWithoutRuntimeFolder) {
  struct stat info {};
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(folder, (root / "quillmere-gift").string());
  for (const char* runtime : {static_cast<const char*>(nullptr), "", "relative", "/nonexistent-runtime"}) {
    EXPECT_EQ(InstanceFolder(runtime, root.string()), root.string() + "/quillmere-gift-" + std::to_string(::geteuid()))
        << (runtime ? runtime : "(unset)");
  }
}

TEST_F(GiftInstanceTest, KeyNamesTheFileWhateverPathReachesIt) {
  const std::filesystem::path gift = root / "gift";
  std::ofstream(gift) << "gift";
  std::filesystem::create_directory(root / "sub");
  std::filesystem::create_symlink(gift, root / "link");
  std::ofstream(root / "other") << "gift";
  const std::string key = InstanceKey(gift.string());
  EXPECT_EQ(key.size(), 16u);
  EXPECT_EQ(InstanceKey((root / "sub" / ".." / "gift").string()), key);
  EXPECT_EQ(InstanceKey((root / "link").string()), key);
  EXPECT_NE(InstanceKey((root / "other").string()), key) << "a copy is another gift";
}

TEST(ForwardRequestTest, LinesThatAreNotRequestsGiveNoToken) {
  EXPECT_EQ(ForwardRequestToken(ForwardRequest("")), "");
  EXPECT_EQ(ForwardRequestToken(ForwardRequest("abc")), "abc");
  for (const char* line : {"", "forward", "forwardx\n", "hello abc\n"}) EXPECT_FALSE(ForwardRequestToken(line)) << line;
}

}  // namespace
}  // namespace quill::testing
