#include <gtest/gtest.h>

#include "fake_host.h"
#include "game/status_progress.h"

namespace quill {
namespace {

class CountingHost : public testing::FakeHost {
 public:
  void RepaintStatus() override { ++repaints; }
  void SetCursor(CursorShape shape) override { cursor = shape; }
  int repaints = 0;
  CursorShape cursor = CursorShape::Default;
};

class StatusProgressTest : public ::testing::Test {
 protected:
  CountingHost host;
  UiState& form = host.MainForm();
  TStatusProgress progress{form, host};
};

TEST_F(StatusProgressTest, ShowsTheCaptionAndMovesTheBarInStepsOfFive) {
  progress.ShowProgress(0, 40, "Generating: ");
  EXPECT_EQ(form.Get("StatusLine").Caption, "Generating: ");
  EXPECT_TRUE(form.Get("ProgBar").Visible);
  EXPECT_EQ(form.Get("ProgBar").Tag, 0);
  struct Step {
    int done;
    int barAfter;  // 1/40 is 2 %, not a multiple of 5: the bar stays
  };
  for (const Step s : {Step{1, 0}, Step{2, 5}, Step{3, 5}, Step{4, 10}, Step{20, 50}, Step{39, 50}}) {
    progress.ShowProgress(s.done, 40, "Generating: ");
    EXPECT_EQ(form.Get("ProgBar").Tag, s.barAfter) << s.done;
  }
  const int repaints = host.repaints;
  progress.ShowProgress(39, 40, "Generating: ");  // the same percentage again
  EXPECT_EQ(host.repaints, repaints);
  progress.ShowProgress(40, 40, "Generating: ");
  EXPECT_EQ(form.Get("ProgBar").Tag, 100);
  EXPECT_FALSE(form.Get("ProgBar").Visible);
}

TEST_F(StatusProgressTest, ReportShowsTheHourglassUntilTheEndAndThenClears) {
  const ProgressReport report = progress.Report();
  report(0, 10, "Drawing: ");
  EXPECT_EQ(host.cursor, CursorShape::Hourglass);
  report(5, 10, "Drawing: ");
  EXPECT_EQ(form.Get("ProgBar").Tag, 50);
  report(0, 0, nullptr);  // the end, as a failing operation also reports it
  EXPECT_EQ(host.cursor, CursorShape::Default);
  EXPECT_EQ(form.Get("StatusLine").Caption, "");
  EXPECT_FALSE(form.Get("ProgBar").Visible);
  // A second operation starts with its bar shown again.
  report(0, 4, "Sorting colors: ");
  EXPECT_TRUE(form.Get("ProgBar").Visible);
  EXPECT_EQ(form.Get("StatusLine").Caption, "Sorting colors: ");
}

}  // namespace
}  // namespace quill
