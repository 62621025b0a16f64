// The progress of long operations in the status bar: the caption in StatusLine and
// the bar ProgBar, moved in steps of 5 percent, with the hourglass cursor while the
// operation runs.
#pragma once
#include <string>

#include "pieces/arrangement.h"
#include "ui/host.h"
#include "ui/ui_state.h"

namespace quill {

class TStatusProgress {
 public:
  TStatusProgress(UiState& mainForm, Host& host) : form_(mainForm), host_(host) {}

  // done of total (total > 0) with a caption: shown only when the percentage reaches
  // a new multiple of 5; at 0 the caption and the bar appear, at 100 the bar goes.
  void ShowProgress(int done, int total, const std::string& text);
  // Empties the status line.
  void ClearStatus();
  // A report for the cutting, drawing and sorting steps: the hourglass and the bar
  // while they run, the status line cleared and the cursor restored at their end.
  ProgressReport Report();

 private:
  UiState& form_;
  Host& host_;
  int lastPercent_ = 1;  // so that a first call at 0 percent always shows the bar
};

}  // namespace quill
