// The report of a long operation held for the operation's scope: it announces the
// start (the window shows the hourglass cursor), each step, and the end, also when
// the operation fails, so the status line is cleared and the cursor restored. The
// cutting and the atlas rendering report through it.
#pragma once
#include "pieces/arrangement.h"

namespace quill {

class ProgressSteps {
 public:
  ProgressSteps(const ProgressReport& report, int total, const char* caption)
      : report_(report), total_(total), caption_(caption) {
    if (report_) report_(0, total_, caption_);
  }
  ~ProgressSteps() {
    if (report_) report_(0, 0, nullptr);
  }
  ProgressSteps(const ProgressSteps&) = delete;
  ProgressSteps& operator=(const ProgressSteps&) = delete;

  // done: 1 .. total.
  void Step(int done) const {
    if (report_) report_(done, total_, caption_);
  }

 private:
  const ProgressReport& report_;
  int total_;
  const char* caption_;
};

}  // namespace quill
