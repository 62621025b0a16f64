// The hourglass cursor while a step of the board runs, the default cursor again
// afterwards, also when the step fails.
#pragma once
#include "ui/host.h"

namespace quill {

class WaitCursor {
 public:
  // Shows the hourglass only when `show` is set.
  WaitCursor(Host& host, bool show = true) : host_(show ? &host : nullptr) {
    if (host_ != nullptr) host_->SetCursor(CursorShape::Hourglass);
  }
  ~WaitCursor() {
    if (host_ != nullptr) host_->SetCursor(CursorShape::Default);
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Host* host_;
};

}  // namespace quill
