#include "common/start_marks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace quill {

void MarkStartStep(const char* step) {
  static const bool enabled = std::getenv(kStartMarksVariable) != nullptr;
  if (!enabled) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double seconds = std::chrono::duration<double>(now).count();
  std::fprintf(stderr, "quillmere-mark %s %.6f\n", step, seconds);
  std::fflush(stderr);
}

}  // namespace quill
