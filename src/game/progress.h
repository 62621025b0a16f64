// Progress and completion: the playing clock, the solved count and rate in the status
// line, the completion test, the ghost hold gesture, and the texts of the about and
// congratulation dialogs. The game object's one-second `Tick` hands its state to
// `TProgressTicker::Tick` and carries out what comes back (picking up the ghost,
// the completion sound and dialogs); the dialogs call `AboutTexts` and `CongratsText`.
// No toolkit here: the shell supplies text measuring and shows the dialogs.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "board/drag_state.h"
#include "common/records.h"
#include "game/gift_texts.h"
#include "ui/ui_state.h"

namespace quill {

// Options of the progress display that this edition keeps constant.
struct ProgressOptions {
  bool ClockSeconds = true;    // the clock shows seconds
  bool ZoomWhenSolved = true;  // the whole picture is shown after the congratulation
};

// How the system writes times and numbers. The defaults are the English ones, which
// also stand in where the C locale defines nothing (it has no thousands separator).
struct LocaleTexts {
  std::string TimeSeparator = ":";
  std::string DecimalPoint = ".";
  std::string ThousandsSeparator = ",";
};

// The separators of the current C locale (LC_TIME, LC_NUMERIC), with the defaults
// above where it gives none.
LocaleTexts SystemLocaleTexts();

// ---- Texts of the dialogs (UTF-8) ----

// How the cheats are reported after a sentence: " without cheating!",
// " by cheating once!", " by cheating 2 times!", or ". You used Auto-solve!".
std::string CheatText(const TPuzzleRecord& puzzle);

// "You solved all 35 pieces in 12 minutes and 5 seconds" followed by CheatText.
std::string CongratsText(const TPuzzleRecord& puzzle);

// The labels of the about-this-jigsaw dialog.
struct AboutDialogTexts {
  std::string TitleName;
  std::string CreatorName;
  std::optional<std::string> Memo;  // the description, only when the puzzle has one
  std::string JigStatus;            // "You have solved 7 out of 35 pieces" + CheatText
  std::string CreationStats;        // "Created <date> by version 6.13 "
  std::string PuzzleStats;          // "35 pieces 5x7, (540x670)"
};
AboutDialogTexts AboutTexts(const TPuzzleRecord& puzzle);
// The same with the title, creator and description of the gift's own texts, which
// hold any script where the record keeps Windows-1252.
AboutDialogTexts AboutTexts(const TPuzzleRecord& puzzle, const GiftTexts& gift);

// A day number (days since 30 December 1899, any fraction being the time of day) in
// the system's short date format (strftime "%x" of the current locale). Empty when
// the number is no date between the years 1 and 9999.
std::string ShortDateText(double days);

// ---- Status line texts ----

// The time the clock shows: Elapsed, or with a time limit LimitSeconds when frozen,
// then LimitSeconds minus that when counting down.
int32_t ShownSeconds(int32_t elapsed, const TBoardRecord& board);

// Hours, minutes and, with seconds, seconds, two digits at least, joined by the
// separator: 3723 seconds give "01:02:03".
std::string ClockText(int32_t seconds, bool withSeconds, std::string_view separator = ":");

// "Solved 7 of 35".
std::string SolvedText(const TPuzzleRecord& puzzle);

// "|Jigsaw is 20% complete, 3.5 pieces solved per minute": the percentage joined and
// the pieces joined per minute of play, with one decimal and thousands separators.
std::string SolvedHintText(const TPuzzleRecord& puzzle, const LocaleTexts& locale = {});

// A number of tenths written with one decimal and thousands separators: 12345 gives
// "1,234.5".
std::string TenthsText(int64_t tenths, const LocaleTexts& locale = {});

// ---- The clock's attendance ----

// Which of the program's windows is active, as the window system tells it.
struct ActiveWindows {
  bool MainForm = false;        // the main window is the active window
  bool AutoSolveDialog = false; // the auto-solve speed dialog is
  bool Overlay = false;         // the picture overlay window is
  bool AutoSolving = false;     // an auto-solve is running
  bool Application = false;     // the program is the active application
};

// Whether the clock runs: while the program is the active application and its main
// window, the auto-solve dialog or the picture overlay is the active window (another
// dialog of the program stops it); while another application is active, only during
// an auto-solve.
bool IsAttended(const ActiveWindows& windows);

// ---- The one-second tick ----

// What the game object knows at a tick.
struct TickContext {
  TPuzzleRecord& Puzzle;
  const TBoardRecord& Board;
  UiState& MainForm;  // reads ShowNum and ShowTimer, sets SolvedStatus and TimerStatus
  quill::DragState DragState = quill::DragState::Idle;  // FDragState
  // The rubber band is narrower and lower than 5 pixels and its top-left corner lies
  // on the ghost picture.
  bool BandSmallOnGhost = false;
  bool GhostShown = false;
  bool Attended = false;          // IsAttended of the windows
  bool& AllJoined;                // the piece collection's flag; consumed here
  std::function<bool()> AllInOneGroup = {};  // every piece has the group of piece 0
  // The width of a text in the main window's canvas font. TimerStatus is made exactly
  // as wide as its text with it; when empty the panel's width is left to the shell.
  std::function<int(const std::string&)> TextWidth = {};
};

// What the game object must do after a tick.
struct TickOutcome {
  bool PickUpGhost = false;   // start moving the ghost as "&Move ghost" does
  bool CompletedNow = false;  // play sound 2 at once and show the congratulation
  bool ShowZoom = false;      // then show the whole picture in the zoom window
};

// The tick state that lasts for the whole process (a Restart does not reset it): the
// JoinedCount seen at the last tick and the ticks a rubber band has been held.
class TProgressTicker {
 public:
  explicit TProgressTicker(ProgressOptions options = {}) : options_(options) {}

  // One second of play; the caller ticks only while the game is playing. In order:
  // the ghost hold, the solved count, the clock text, the clock, the completion test.
  TickOutcome Tick(const TickContext& context);

  uint16_t LastJoinedCount() const { return lastJoined_; }

 private:
  bool StepGhostHold(const TickContext& context);
  void ShowSolvedCount(const TickContext& context, const LocaleTexts& locale);
  void ShowClock(const TickContext& context, const LocaleTexts& locale) const;
  static bool TestCompletion(const TickContext& context);

  ProgressOptions options_;
  uint16_t lastJoined_ = 0;
  int holdTicks_ = 0;
};

// The process-wide ticker.
extern TProgressTicker ProgressTicker;

}  // namespace quill
