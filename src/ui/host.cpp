#include "ui/host.h"

#include <chrono>

namespace quill {

int64_t Host::Milliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace quill
