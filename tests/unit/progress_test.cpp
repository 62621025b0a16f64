#include "game/progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "ui/form_layouts.h"

namespace quill {
namespace {

TPuzzleRecord Puzzle35(uint16_t joined = 0, int32_t elapsed = 0) {
  TPuzzleRecord p;
  p.PieceCount = 35;
  p.Columns = 5;
  p.Rows = 7;
  p.PictureWidth = 540;
  p.PictureHeight = 670;
  p.JoinedCount = joined;
  p.Elapsed = elapsed;
  return p;
}

// ---- Texts of the dialogs ----

TEST(CheatText, ReportsCheatsAndAutoSolve) {
  struct Case {
    uint16_t cheats;
    bool autoSolved;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0, false, " without cheating!"},
                                         {1, false, " by cheating once!"},
                                         {2, false, " by cheating 2 times!"},
                                         {1234, false, " by cheating 1234 times!"},
                                         {0, true, ". You used Auto-solve!"},
                                         {1, true, ". You used Auto-solve!"},
                                         {7, true, ". You used Auto-solve!"}}) {
    TPuzzleRecord p;
    p.CheatCount = c.cheats;
    p.AutoSolved = c.autoSolved;
    EXPECT_EQ(CheatText(p), c.text) << c.cheats << " cheats, auto-solved " << c.autoSolved;
  }
}

TEST(CongratsText, GivesMinutesSecondsAndCheats) {
  TPuzzleRecord p = Puzzle35(35, 725);
  EXPECT_EQ(CongratsText(p), "You solved all 35 pieces in 12 minutes and 5 seconds without cheating!");
  p.Elapsed = 3723;
  p.CheatCount = 1;
  EXPECT_EQ(CongratsText(p), "You solved all 35 pieces in 62 minutes and 3 seconds by cheating once!");
}

TEST(AboutTexts, FillsEveryLabelFromTheRecord) {
  TPuzzleRecord p = Puzzle35(7);
  p.CheatCount = 2;
  p.Title = "Caf\xE9 at dusk";  // Windows-1252
  p.CreatorName = "Ann";
  p.CreatorVersion = "V6.13";
  p.Created = 36526.75;  // 1 January 2000, evening
  const char* description = "Line one\r\nLine two";
  std::memcpy(p.Description.data(), description, std::strlen(description));
  p.HasDescription = true;

  const AboutDialogTexts texts = AboutTexts(p);
  EXPECT_EQ(texts.TitleName, "Caf\xC3\xA9 at dusk");
  EXPECT_EQ(texts.CreatorName, "Ann");
  EXPECT_EQ(texts.PuzzleStats, "35 pieces 5x7, (540x670)");
  EXPECT_EQ(texts.CreationStats, "Created 01/01/00 by version 6.13 ");  // C locale short date
  EXPECT_EQ(texts.JigStatus, "You have solved 7 out of 35 pieces by cheating 2 times!");
  EXPECT_EQ(texts.Memo, "Line one\nLine two");

  p.HasDescription = false;
  EXPECT_FALSE(AboutTexts(p).Memo.has_value());
}

// The gift's own texts, in any script, stand for the record's Windows-1252 forms.
TEST(AboutTexts, TakeTheGiftsOwnTexts) {
  TPuzzleRecord p = Puzzle35(7);
  p.Title = "Urodziny Lukasza";
  p.HasDescription = true;
  const GiftTexts gift{"Urodziny \u0141ukasza", "\u82B1\u5B50", "\u0421 \u043B\u044E\u0431\u043E\u0432\u044C\u044E", "", "", "pl"};
  const AboutDialogTexts texts = AboutTexts(p, gift);
  EXPECT_EQ(texts.TitleName, gift.Title);
  EXPECT_EQ(texts.CreatorName, gift.CreatorName);
  EXPECT_EQ(texts.Memo, gift.Description);
  EXPECT_EQ(texts.JigStatus, AboutTexts(p).JigStatus);
  p.HasDescription = false;
  EXPECT_FALSE(AboutTexts(p, gift).Memo.has_value());
}

TEST(ShortDateText, CountsDaysFromTheEndOf1899) {
  struct Case {
    double days;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0, "12/30/99"},
                                         {1.5, "12/31/99"},
                                         {-1.25, "12/29/99"},  // the day part is truncated toward zero
                                         {36526, "01/01/00"},
                                         {36585, "02/29/00"},
                                         {45000, "03/15/23"},
                                         {2958465, "12/31/99"},
                                         {2958466, ""},
                                         {-693594, ""},
                                         {std::numeric_limits<double>::quiet_NaN(), ""}}) {
    EXPECT_EQ(ShortDateText(c.days), c.text) << c.days;
  }
}

// ---- Status line texts ----

TEST(ClockText, HoursMinutesAndSeconds) {
  struct Case {
    int32_t seconds;
    bool withSeconds;
    const char* separator;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{3723, true, ":", "01:02:03"},
                                         {3723, false, ":", "01:02"},
                                         {0, true, ":", "00:00:00"},
                                         {59, true, ":", "00:00:59"},
                                         {360000, true, ":", "100:00:00"},
                                         {3723, true, ".", "01.02.03"}}) {
    EXPECT_EQ(ClockText(c.seconds, c.withSeconds, c.separator), c.text) << c.seconds;
  }
}

TEST(ShownSeconds, TimeLimitFreezesThenCountsDown) {
  struct Case {
    bool on, frozen, countDown;
    int32_t shown;
  };
  // Elapsed 100, limit 900.
  for (const Case& c : std::vector<Case>{{false, true, true, 100},
                                         {true, false, false, 100},
                                         {true, true, false, 900},
                                         {true, false, true, 800},
                                         {true, true, true, 0}}) {
    TBoardRecord board;
    board.LimitOn = c.on;
    board.LimitFrozen = c.frozen;
    board.LimitCountDown = c.countDown;
    board.LimitSeconds = 900;
    EXPECT_EQ(ShownSeconds(100, board), c.shown) << c.on << c.frozen << c.countDown;
  }
}

TEST(SolvedHintText, PercentAndRatePerMinute) {
  struct Case {
    uint16_t pieces, joined;
    int32_t elapsed;
    const char* hint;
  };
  for (const Case& c : std::vector<Case>{
           {35, 7, 119, "|Jigsaw is 20% complete, 3.5 pieces solved per minute"},
           {35, 0, 0, "|Jigsaw is 0% complete, 0.0 pieces solved per minute"},
           {35, 35, 0, "|Jigsaw is 100% complete, 2,100.0 pieces solved per minute"},
           {1000, 823, 39, "|Jigsaw is 82% complete, 1,234.5 pieces solved per minute"},
           {3, 2, 0, "|Jigsaw is 66% complete, 120.0 pieces solved per minute"},
           {100, 1, 239, "|Jigsaw is 1% complete, 0.3 pieces solved per minute"},   // 0.25 rounds up
           {100, 1, 3599, "|Jigsaw is 1% complete, 0.0 pieces solved per minute"},  // 0.0166...
           {5000, 5000, 0, "|Jigsaw is 100% complete, 300,000.0 pieces solved per minute"}}) {
    TPuzzleRecord p;
    p.PieceCount = c.pieces;
    p.JoinedCount = c.joined;
    p.Elapsed = c.elapsed;
    EXPECT_EQ(SolvedHintText(p), c.hint) << c.joined << " of " << c.pieces << " in " << c.elapsed;
  }
}

TEST(SolvedHintText, FollowsTheLocaleAndSurvivesBrokenRecords) {
  TPuzzleRecord p;
  p.PieceCount = 1000;
  p.JoinedCount = 823;
  p.Elapsed = 39;
  EXPECT_EQ(SolvedHintText(p, {":", ",", "."}), "|Jigsaw is 82% complete, 1.234,5 pieces solved per minute");
  // A damaged saved game: no pieces, a negative clock.
  p.PieceCount = 0;
  p.Elapsed = -5;
  EXPECT_EQ(SolvedHintText(p), "|Jigsaw is 0% complete, 49,380.0 pieces solved per minute");
}

TEST(TenthsText, GroupsThousands) {
  struct Case {
    int64_t tenths;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0, "0.0"},
                                         {5, "0.5"},
                                         {9999, "999.9"},
                                         {10000, "1,000.0"},
                                         {12345, "1,234.5"},
                                         {12345678901, "1,234,567,890.1"},
                                         {-12345, "-1,234.5"}}) {
    EXPECT_EQ(TenthsText(c.tenths), c.text) << c.tenths;
  }
}

TEST(SystemLocaleTexts, CLocaleFallsBackToEnglishSeparators) {
  const LocaleTexts texts = SystemLocaleTexts();
  EXPECT_EQ(texts.TimeSeparator, ":");
  EXPECT_EQ(texts.DecimalPoint, ".");
  EXPECT_EQ(texts.ThousandsSeparator, ",");
}

// ---- Attendance ----

TEST(IsAttended, ClockRunsOnlyWhileThePlayerWatches) {
  struct Case {
    ActiveWindows windows;
    bool attended;
    const char* what;
  };
  for (const Case& c : std::vector<Case>{
           {{.MainForm = true, .Application = true}, true, "main window active"},
           {{.AutoSolveDialog = true, .Application = true}, true, "auto-solve dialog active"},
           {{.Overlay = true, .Application = true}, true, "overlay active"},
           {{.Application = true}, false, "another dialog (about box) active"},
           {{.AutoSolving = true, .Application = true}, false, "about box active during auto-solve"},
           {{}, false, "another application active"},
           {{.MainForm = true}, false, "another application active, main window was last"},
           {{.AutoSolving = true}, true, "auto-solve in the background"},
           {{.MainForm = true, .AutoSolving = true}, true, "auto-solve in the background"}}) {
    EXPECT_EQ(IsAttended(c.windows), c.attended) << c.what;
  }
}

// ---- The tick ----

class ProgressTickTest : public ::testing::Test {
 protected:
  ProgressTickTest() { DefineMainForm(form); }

  // One tick with the fixture's state; `groupTests` counts the completion tests.
  TickOutcome Tick(bool attended = true) {
    return ticker.Tick({.Puzzle = puzzle,
                        .Board = board,
                        .MainForm = form,
                        .DragState = dragState,
                        .BandSmallOnGhost = bandSmallOnGhost,
                        .GhostShown = ghostShown,
                        .Attended = attended,
                        .AllJoined = allJoined,
                        .AllInOneGroup =
                            [this] {
                              ++groupTests;
                              return oneGroup;
                            },
                        .TextWidth = textWidth});
  }

  const ComponentState& Panel(const char* name) const { return form.Get(name); }

  UiState form;
  TProgressTicker ticker;
  TPuzzleRecord puzzle = Puzzle35();
  TBoardRecord board;
  DragState dragState = DragState::Idle;
  bool bandSmallOnGhost = false;
  bool ghostShown = false;
  bool allJoined = false;
  bool oneGroup = false;
  int groupTests = 0;
  std::function<int(const std::string&)> textWidth = [](const std::string& text) {
    return 7 * static_cast<int>(text.size());
  };
};

TEST_F(ProgressTickTest, ShowsSolvedCountAndRecomputesTheRateOnlyOnChange) {
  puzzle.JoinedCount = 7;
  puzzle.Elapsed = 119;
  Tick();
  EXPECT_EQ(Panel("SolvedStatus").Text, "Solved 7 of 35");
  EXPECT_EQ(Panel("SolvedStatus").Hint, "|Jigsaw is 20% complete, 3.5 pieces solved per minute");
  EXPECT_EQ(ticker.LastJoinedCount(), 7);

  // Same count: the hint keeps its text although the rate has changed.
  Tick();
  EXPECT_EQ(Panel("SolvedStatus").Hint, "|Jigsaw is 20% complete, 3.5 pieces solved per minute");
  puzzle.JoinedCount = 9;
  Tick();
  EXPECT_EQ(Panel("SolvedStatus").Text, "Solved 9 of 35");
  EXPECT_EQ(Panel("SolvedStatus").Hint, "|Jigsaw is 25% complete, 4.4 pieces solved per minute");  // 540 / 122
}

TEST_F(ProgressTickTest, UntickedDisplaysAreLeftAlone) {
  form.SetChecked("ShowNum", false);
  form.SetChecked("ShowTimer", false);
  puzzle.JoinedCount = 7;
  const ComponentState solved = Panel("SolvedStatus"), timer = Panel("TimerStatus");
  Tick();
  EXPECT_EQ(Panel("SolvedStatus").Text, solved.Text);
  EXPECT_EQ(Panel("SolvedStatus").Hint, solved.Hint);
  EXPECT_EQ(Panel("TimerStatus").Text, timer.Text);
  EXPECT_EQ(Panel("TimerStatus").Width, timer.Width);
  EXPECT_EQ(ticker.LastJoinedCount(), 0);  // the count is seen only when it is shown
  EXPECT_EQ(puzzle.Elapsed, 1);            // the clock runs all the same
}

TEST_F(ProgressTickTest, TimerPanelTextAlignmentAndWidth) {
  struct Case {
    bool limitOn, countDown;
    const char* text;
    TextAlignment alignment;
  };
  // Elapsed 3723, limit 4000.
  for (const Case& c : std::vector<Case>{{false, false, "01:02:03", TextAlignment::Centre},
                                         {false, true, "01:02:03", TextAlignment::Centre},
                                         {true, false, "01:02:03", TextAlignment::Right},
                                         {true, true, "00:04:37", TextAlignment::Right}}) {
    board.LimitOn = c.limitOn;
    board.LimitCountDown = c.countDown;
    board.LimitSeconds = 4000;
    puzzle.Elapsed = 3723;
    Tick();
    EXPECT_EQ(Panel("TimerStatus").Text, c.text);
    EXPECT_EQ(Panel("TimerStatus").Alignment, c.alignment);
    EXPECT_EQ(Panel("TimerStatus").Width, 56);  // 8 characters of 7 pixels
  }
}

TEST_F(ProgressTickTest, TimerWidthIsSetOnlyWhenItChanges) {
  std::vector<std::string> changed;
  form.AddListener([&](const std::string& name) { changed.push_back(name); });
  textWidth = nullptr;
  Tick();
  EXPECT_EQ(Panel("TimerStatus").Width, 90);  // the design-time width, left to the shell
  textWidth = [](const std::string&) { return 90; };
  changed.clear();
  Tick();
  // One change for the count, one for the hint, one for text and alignment: no width.
  EXPECT_EQ(std::count(changed.begin(), changed.end(), "TimerStatus"), 1);
}

TEST_F(ProgressTickTest, ClockRunsOnlyWhileAttendedAndNotCompleted) {
  // Ticks with the attendance of each step; elapsed seconds after them.
  struct Step {
    bool attended;
    bool completed;
    int32_t elapsed;
  };
  for (const Step& s : std::vector<Step>{{true, false, 1},
                                         {true, false, 2},
                                         {false, false, 2},   // about box active
                                         {IsAttended({.AutoSolving = true}), false, 3},  // background auto-solve
                                         {true, true, 3},
                                         {false, true, 3}}) {
    puzzle.Completed = s.completed;
    Tick(s.attended);
    EXPECT_EQ(puzzle.Elapsed, s.elapsed);
  }
}

TEST_F(ProgressTickTest, ShownTimeIsThatBeforeTheTicksSecond) {
  puzzle.Elapsed = 59;
  Tick();
  EXPECT_EQ(Panel("TimerStatus").Text, "00:00:59");
  EXPECT_EQ(puzzle.Elapsed, 60);
}

TEST_F(ProgressTickTest, AllJoinedInTwoGroupsIsNotCompleted) {
  puzzle.JoinedCount = 35;
  allJoined = true;
  oneGroup = false;
  TickOutcome outcome = Tick();
  EXPECT_FALSE(allJoined);  // consumed
  EXPECT_FALSE(puzzle.Completed);
  EXPECT_FALSE(outcome.CompletedNow);
  EXPECT_EQ(groupTests, 1);

  // No new flag, no new test, even once the groups are one.
  oneGroup = true;
  outcome = Tick();
  EXPECT_EQ(groupTests, 1);
  EXPECT_FALSE(outcome.CompletedNow);

  allJoined = true;
  outcome = Tick();
  EXPECT_EQ(groupTests, 2);
  EXPECT_TRUE(puzzle.Completed);
  EXPECT_TRUE(outcome.CompletedNow);
  EXPECT_TRUE(outcome.ShowZoom);
}

// One piece joins nothing, so no flag is ever raised: the puzzle is whole from the
// start and found complete at the first tick the player is at the game.
TEST_F(ProgressTickTest, OnePieceIsCompleteAtTheFirstAttendedTick) {
  puzzle.PieceCount = 1;
  puzzle.JoinedCount = 0;
  oneGroup = true;
  EXPECT_FALSE(Tick(false).CompletedNow) << "not behind the opening screen";
  EXPECT_FALSE(puzzle.Completed);

  const TickOutcome outcome = Tick();
  EXPECT_TRUE(outcome.CompletedNow);
  EXPECT_TRUE(outcome.ShowZoom);
  EXPECT_TRUE(puzzle.Completed);
  EXPECT_EQ(puzzle.JoinedCount, 1) << "its piece counts as solved";
  EXPECT_EQ(CongratsText(puzzle), "You solved all 1 pieces in 0 minutes and 1 seconds without cheating!");
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Tick().CompletedNow) << "only once";
  EXPECT_EQ(Panel("SolvedStatus").Text, "Solved 1 of 1");
}

TEST_F(ProgressTickTest, CompletionCountsTheLastSecondThenFreezesTheClock) {
  puzzle.JoinedCount = 35;
  puzzle.Elapsed = 724;
  allJoined = true;
  oneGroup = true;
  EXPECT_TRUE(Tick().CompletedNow);
  EXPECT_EQ(puzzle.Elapsed, 725);
  EXPECT_EQ(CongratsText(puzzle), "You solved all 35 pieces in 12 minutes and 5 seconds without cheating!");

  // Ticks while the congratulation is open: nothing more happens.
  for (int i = 0; i < 3; ++i) {
    const TickOutcome outcome = Tick();
    EXPECT_FALSE(outcome.CompletedNow);
    EXPECT_FALSE(outcome.ShowZoom);
  }
  EXPECT_EQ(puzzle.Elapsed, 725);
  EXPECT_EQ(Panel("TimerStatus").Text, "00:12:05");
}

TEST_F(ProgressTickTest, ResumedCompletedGameStaysFrozenAndIsNeverCongratulated) {
  puzzle.JoinedCount = 35;
  puzzle.Elapsed = 3723;
  puzzle.Completed = true;
  oneGroup = true;
  for (bool raised : {false, true, false}) {
    allJoined = raised;
    const TickOutcome outcome = Tick();
    EXPECT_FALSE(outcome.CompletedNow);
    EXPECT_FALSE(allJoined);
    EXPECT_TRUE(puzzle.Completed);
    EXPECT_EQ(puzzle.Elapsed, 3723);
    EXPECT_EQ(Panel("TimerStatus").Text, "01:02:03");
  }
}

TEST(ProgressTicker, ZoomFollowsTheOption) {
  UiState form;
  DefineMainForm(form);
  TPuzzleRecord puzzle = Puzzle35(35);
  TBoardRecord board;
  bool allJoined = true;
  TProgressTicker ticker({.ZoomWhenSolved = false});
  const TickOutcome outcome = ticker.Tick(
      {.Puzzle = puzzle, .Board = board, .MainForm = form, .AllJoined = allJoined, .AllInOneGroup = [] { return true; }});
  EXPECT_TRUE(outcome.CompletedNow);
  EXPECT_FALSE(outcome.ShowZoom);
}

TEST(ProgressTicker, ClockWithoutSecondsShowsHoursAndMinutes) {
  UiState form;
  DefineMainForm(form);
  TPuzzleRecord puzzle = Puzzle35(0, 3723);
  TBoardRecord board;
  bool allJoined = false;
  TProgressTicker ticker({.ClockSeconds = false});
  ticker.Tick({.Puzzle = puzzle, .Board = board, .MainForm = form, .AllJoined = allJoined});
  EXPECT_EQ(form.Get("TimerStatus").Text, "01:02");
}

TEST_F(ProgressTickTest, GhostHoldPicksUpTheGhostOnTheSecondTickOfAStillBand) {
  // Each tick's drag state and band; the ticks at which the ghost is picked up.
  struct Step {
    DragState drag;
    bool smallOnGhost;
  };
  struct Case {
    const char* what;
    bool ghost;
    std::vector<Step> steps;
    std::vector<bool> pickUps;
  };
  constexpr DragState kIdle = DragState::Idle, kBand = DragState::BandDrawing, kDragging = DragState::Picked;
  for (const Case& c : std::vector<Case>{
           {"held still on the ghost", true, {{kBand, true}, {kBand, true}}, {false, true}},
           {"band grown before the second tick", true, {{kBand, true}, {kBand, false}}, {false, false}},
           {"grown band held on", true, {{kBand, true}, {kBand, false}, {kBand, false}}, {false, false, false}},
           {"ghost hidden", false, {{kBand, true}, {kBand, true}, {kBand, true}}, {false, false, false}},
           {"released between ticks", true, {{kBand, true}, {kIdle, false}, {kBand, true}}, {false, false, false}},
           {"dragging pieces", true, {{kDragging, true}, {kDragging, true}}, {false, false}},
           {"pressed again after a release", true,
            {{kBand, true}, {kIdle, false}, {kBand, true}, {kBand, true}}, {false, false, false, true}}}) {
    TProgressTicker fresh;
    ticker = fresh;
    ghostShown = c.ghost;
    std::vector<bool> pickUps;
    for (const Step& s : c.steps) {
      dragState = s.drag;
      bandSmallOnGhost = s.smallOnGhost;
      pickUps.push_back(Tick().PickUpGhost);
    }
    EXPECT_EQ(pickUps, c.pickUps) << c.what;
  }
}

}  // namespace
}  // namespace quill
