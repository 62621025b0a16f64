#include "game/progress.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

#include "common/text_codec.h"
#include "common/translate.h"
#include "common/util.h"
#include "ui/component_names.h"

namespace quill {

TProgressTicker ProgressTicker;

namespace {

// A ghost is picked up when a small band has been held on it for this many ticks.
constexpr int kGhostHoldTicks = 2;

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[256];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer, static_cast<size_t>(std::clamp(n, 0, static_cast<int>(sizeof buffer) - 1)));
}

// Texts from the gift are Windows-1252 with CR LF line breaks.
std::string ShownText(std::string_view text) { return CrLfToLf(Windows1252ToUtf8(text)); }

// "35 pieces", in words of the interface's language.
std::string PiecesText(int count) { return TrN("Messages", "%n pieces", "a count of pieces", count); }

std::string DescriptionText(const TPuzzleRecord& puzzle) {
  const auto& field = puzzle.Description;
  const auto end = std::find(field.begin(), field.end(), uint8_t{0});
  return ShownText(std::string(field.begin(), end));
}

// The separator between hours and minutes in the locale's time format: the text
// between the hour and the minutes of 01:02:03 written with "%X".
std::string LocaleTimeSeparator() {
  std::tm time{};
  time.tm_hour = 1;
  time.tm_min = 2;
  time.tm_sec = 3;
  time.tm_mday = 1;
  char buffer[64];
  const size_t n = std::strftime(buffer, sizeof buffer, "%X", &time);
  const std::string_view written(buffer, n);
  const size_t minutes = written.find("02");
  if (minutes == std::string_view::npos || minutes == 0) return {};
  size_t start = minutes;
  while (start > 0 && !std::isdigit(static_cast<unsigned char>(written[start - 1]))) --start;
  const std::string_view separator = written.substr(start, minutes - start);
  const bool plain = !separator.empty() && separator.size() <= 4 &&
                     std::none_of(separator.begin(), separator.end(), [](char c) {
                       return std::isalnum(static_cast<unsigned char>(c)) || std::isspace(static_cast<unsigned char>(c));
                     });
  return plain ? std::string(separator) : std::string();
}

}  // namespace

LocaleTexts SystemLocaleTexts() {
  LocaleTexts texts;
  const std::lconv* numbers = std::localeconv();
  if (numbers->decimal_point && *numbers->decimal_point) texts.DecimalPoint = numbers->decimal_point;
  if (numbers->thousands_sep && *numbers->thousands_sep) {
    texts.ThousandsSeparator = numbers->thousands_sep;
  } else if (texts.DecimalPoint == ",") {
    texts.ThousandsSeparator = ".";
  }
  if (std::string separator = LocaleTimeSeparator(); !separator.empty()) texts.TimeSeparator = separator;
  return texts;
}

// ---- Texts of the dialogs ----

std::string CheatText(const TPuzzleRecord& puzzle) {
  if (puzzle.AutoSolved) return Tr("Messages", ". You used Auto-solve!");
  if (puzzle.CheatCount == 0) return Tr("Messages", " without cheating!");
  if (puzzle.CheatCount == 1) return Tr("Messages", " by cheating once!");
  const int cheats = puzzle.CheatCount;
  return TrN("Messages", " by cheating %n times!", "more than once", cheats);
}

std::string CongratsText(const TPuzzleRecord& puzzle) {
  const int minutes = puzzle.Elapsed / 60, seconds = puzzle.Elapsed % 60;
  return FillArgs(Tr("Messages", "You solved all %1 in %2 and %3"),
                  {PiecesText(puzzle.PieceCount), TrN("Messages", "%n minutes", "time taken", minutes),
                   TrN("Messages", "%n seconds", "time taken", seconds)}) +
         CheatText(puzzle);
}

std::string ShortDateText(double days) {
  using namespace std::chrono;
  // Day numbers of 1 January 1 and 31 December 9999.
  constexpr double kFirstDay = -693593, kLastDay = 2958465;
  if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1) return {};
  const auto dayNumber = static_cast<int32_t>(std::trunc(days));
  const sys_days date = sys_days(year{1899} / December / 30) + std::chrono::days(dayNumber);
  const year_month_day ymd(date);
  std::tm time{};
  time.tm_year = static_cast<int>(ymd.year()) - 1900;
  time.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
  time.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
  time.tm_wday = static_cast<int>(weekday(date).c_encoding());
  time.tm_yday = (date - sys_days(ymd.year() / January / 1)).count();
  char buffer[128];
  const size_t n = std::strftime(buffer, sizeof buffer, "%x", &time);
  return std::string(buffer, n);
}

AboutDialogTexts AboutTexts(const TPuzzleRecord& puzzle) {
  AboutDialogTexts texts;
  texts.TitleName = ShownText(puzzle.Title);
  texts.CreatorName = ShownText(puzzle.CreatorName);
  texts.PuzzleStats = PiecesText(puzzle.PieceCount) + Printf(" %dx%d, (%dx%d)", int{puzzle.Columns}, int{puzzle.Rows},
                                                            int{puzzle.PictureWidth}, int{puzzle.PictureHeight});
  texts.CreationStats = FillArgs(Tr("Messages", "Created %1 by version %2 "),
                                 {ShortDateText(puzzle.Created), ShownText(VersionNumber(puzzle.CreatorVersion))});
  const int pieces = puzzle.PieceCount;
  texts.JigStatus = FillArgs(TrN("Messages", "You have solved %1 out of %n pieces", "pieces of the puzzle", pieces),
                             {std::to_string(puzzle.JoinedCount)}) +
                    CheatText(puzzle);
  if (puzzle.HasDescription) texts.Memo = DescriptionText(puzzle);
  return texts;
}

AboutDialogTexts AboutTexts(const TPuzzleRecord& puzzle, const GiftTexts& gift) {
  AboutDialogTexts texts = AboutTexts(puzzle);
  texts.TitleName = gift.Title;
  texts.CreatorName = gift.CreatorName;
  if (texts.Memo) texts.Memo = gift.Description;
  return texts;
}

// ---- Status line texts ----

int32_t ShownSeconds(int32_t elapsed, const TBoardRecord& board) {
  int64_t shown = elapsed;
  if (board.LimitOn) {
    if (board.LimitFrozen) shown = board.LimitSeconds;
    if (board.LimitCountDown) shown = int64_t{board.LimitSeconds} - shown;
  }
  return static_cast<int32_t>(std::clamp<int64_t>(shown, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

std::string ClockText(int32_t seconds, bool withSeconds, std::string_view separator) {
  const std::string sep(separator);
  const int32_t hours = seconds / 3600, minutes = seconds % 3600 / 60;
  if (!withSeconds) return Printf("%.2d%s%.2d", hours, sep.c_str(), minutes);
  return Printf("%.2d%s%.2d%s%.2d", hours, sep.c_str(), minutes, sep.c_str(), seconds % 60);
}

std::string SolvedText(const TPuzzleRecord& puzzle) {
  return FillArgs(Tr("Messages", "Solved %1 of %2"),
                  {std::to_string(puzzle.JoinedCount), std::to_string(puzzle.PieceCount)});
}

std::string TenthsText(int64_t tenths, const LocaleTexts& locale) {
  const bool negative = tenths < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(tenths) : static_cast<uint64_t>(tenths);
  const std::string digits = std::to_string(magnitude / 10);
  std::string text = negative ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += locale.ThousandsSeparator;
    text += digits[i];
  }
  return text + locale.DecimalPoint + static_cast<char>('0' + magnitude % 10);
}

std::string SolvedHintText(const TPuzzleRecord& puzzle, const LocaleTexts& locale) {
  const int64_t joined = puzzle.JoinedCount;
  const int64_t percent = puzzle.PieceCount > 0 ? joined * 100 / puzzle.PieceCount : 0;
  // Pieces per minute, joined × 60 / (Elapsed + 1), in tenths rounded half away from
  // zero as the decimal text of the quotient rounds; exact in integers.
  const int64_t minutesDivisor = std::max<int64_t>(int64_t{puzzle.Elapsed} + 1, 1);
  const int64_t tenths = (2 * joined * 600 + minutesDivisor) / (2 * minutesDivisor);
  return FillArgs(Tr("Messages", "|Jigsaw is %1% complete, %2 pieces solved per minute"),
                  {std::to_string(percent), TenthsText(tenths, locale)});
}

// ---- The clock's attendance ----

bool IsAttended(const ActiveWindows& windows) {
  if (!windows.Application) return windows.AutoSolving;
  return windows.MainForm || windows.AutoSolveDialog || windows.Overlay;
}

// ---- The one-second tick ----

TickOutcome TProgressTicker::Tick(const TickContext& context) {
  TickOutcome outcome;
  outcome.PickUpGhost = StepGhostHold(context);
  const LocaleTexts locale = SystemLocaleTexts();
  if (context.MainForm.Checked(component::kShowNum)) ShowSolvedCount(context, locale);
  if (context.MainForm.Checked(component::kShowTimer)) ShowClock(context, locale);
  TPuzzleRecord& puzzle = context.Puzzle;
  if (!puzzle.Completed && context.Attended && puzzle.Elapsed < std::numeric_limits<int32_t>::max()) {
    ++puzzle.Elapsed;
  }
  outcome.CompletedNow = TestCompletion(context);
  outcome.ShowZoom = outcome.CompletedNow && options_.ZoomWhenSolved;
  return outcome;
}

// Pressing on the ghost and holding still picks it up: the band must have been
// drawn at the last tick already and must still be tiny.
bool TProgressTicker::StepGhostHold(const TickContext& context) {
  if (context.DragState != DragState::BandDrawing) {
    holdTicks_ = 0;
    return false;
  }
  holdTicks_ = std::min(holdTicks_ + 1, kGhostHoldTicks);
  return context.GhostShown && holdTicks_ >= kGhostHoldTicks && context.BandSmallOnGhost;
}

void TProgressTicker::ShowSolvedCount(const TickContext& context, const LocaleTexts& locale) {
  const TPuzzleRecord& puzzle = context.Puzzle;
  context.MainForm.SetText(component::kSolvedStatus, SolvedText(puzzle));
  // The rate is worked out again only when the count has changed.
  if (puzzle.JoinedCount != lastJoined_)
    context.MainForm.SetHint(component::kSolvedStatus, SolvedHintText(puzzle, locale));
  lastJoined_ = puzzle.JoinedCount;
}

void TProgressTicker::ShowClock(const TickContext& context, const LocaleTexts& locale) const {
  const std::string text = ClockText(ShownSeconds(context.Puzzle.Elapsed, context.Board), options_.ClockSeconds,
                                     locale.TimeSeparator);
  UiState& form = context.MainForm;
  if (context.TextWidth) {
    const int width = context.TextWidth(text);
    if (width != form.Get(component::kTimerStatus).Width) form.SetWidth(component::kTimerStatus, width);
  }
  const TextAlignment alignment = context.Board.LimitOn ? TextAlignment::Right : TextAlignment::Centre;
  form.Update(component::kTimerStatus, [&](ComponentState& panel) {
    panel.Alignment = alignment;
    panel.Text = text;
  });
}

// The completion test runs once each time the piece collection raises AllJoined.
// A game found complete stays complete and is congratulated only that once. A
// puzzle of one piece never joins anything: it is whole from the start, found
// complete at the first tick the player is at the game, and its piece counts as
// solved.
bool TProgressTicker::TestCompletion(const TickContext& context) {
  TPuzzleRecord& puzzle = context.Puzzle;
  const bool onePiece = puzzle.PieceCount == 1 && !puzzle.Completed && context.Attended;
  if (!context.AllJoined && !onePiece) return false;
  context.AllJoined = false;
  if (puzzle.Completed) return false;
  puzzle.Completed = context.AllInOneGroup && context.AllInOneGroup();
  if (puzzle.Completed && onePiece) puzzle.JoinedCount = puzzle.PieceCount;
  return puzzle.Completed;
}

}  // namespace quill
