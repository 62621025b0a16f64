// The shell's side of one running copy per gift: requests that reach the holder's
// socket (also those queued before the window watched it) come to the watcher with
// their tokens, and a minimised main window comes back. Also which plugin folders
// carry Qt's Wayland buffer integration, which decides whether the Wayland start is
// kept from looking it up.
#include <gtest/gtest.h>

#include <QWidget>
#include <fstream>

#include "app/application.h"
#include "app/single_gift.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

TEST(SingleGiftTest, QueuedAndLaterRequestsReachTheWatcherWithTheirTokens) {
  TestApplication();
  ScratchFolder scratch;
  const std::string folder = InstanceFolder(scratch.Path().c_str());
  GiftClaim holder = ClaimGift(folder, "gift", ForwardRequest(""));
  ASSERT_EQ(holder.Outcome, ClaimOutcome::Holder);
  // A start while the holder's window was still being made.
  ASSERT_EQ(ClaimGift(folder, "gift", ForwardRequest("early")).Outcome, ClaimOutcome::Forwarded);

  std::vector<std::string> tokens;
  ForwardRequestWatcher watcher(holder.Lock->Listener(), [&](const std::string& token) { tokens.push_back(token); });
  ASSERT_TRUE(WaitUntil([&] { return tokens.size() == 1; }));
  ASSERT_EQ(ClaimGift(folder, "gift", ForwardRequest("late")).Outcome, ClaimOutcome::Forwarded);
  ASSERT_TRUE(WaitUntil([&] { return tokens.size() == 2; }));
  EXPECT_EQ(tokens, (std::vector<std::string>{"early", "late"}));
}

TEST(SingleGiftTest, BringForwardShowsAMinimisedWindowAgain) {
  TestApplication();
  QWidget main;
  main.showMinimized();
  ASSERT_TRUE(main.isMinimized());
  BringForward(main, "");
  EXPECT_FALSE(main.isMinimized());
  EXPECT_TRUE(main.isVisible());
}

TEST(WaylandStartTest, BufferIntegrationIsFoundOnlyWhereItsPluginLies) {
  ScratchFolder scratch;
  const auto plugin = [&](const std::string& folder, const std::string& file) {
    std::filesystem::create_directories(scratch.Path() / folder / "wayland-graphics-integration-client");
    std::ofstream(scratch.Path() / folder / "wayland-graphics-integration-client" / file) << "x";
    return QString::fromStdString((scratch.Path() / folder).string());
  };
  const QString withEgl = plugin("system", "libqt-plugin-wayland-egl.so");
  const QString otherOnly = plugin("bundle", "libdrm-egl-server.so");
  const QString empty = QString::fromStdString(scratch.Path().string());
  struct Case {
    const char* name;
    QStringList folders;
    bool loads;
  };
  const Case cases[] = {
      {"no plugin folders", {}, false},
      {"a folder without integrations", {empty}, false},
      {"only another integration", {otherOnly}, false},
      {"the EGL integration", {withEgl}, true},
      {"the EGL integration in a later folder", {empty, otherOnly, withEgl}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(WaylandBufferIntegrationLoads(c.folders), c.loads) << c.name;
}

}  // namespace
}  // namespace quill::testing
