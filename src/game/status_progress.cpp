#include "game/status_progress.h"

#include "ui/component_names.h"

namespace quill {

void TStatusProgress::ShowProgress(int done, int total, const std::string& text) {
  if (total <= 0) return;
  const int percent = static_cast<int>(static_cast<int64_t>(done) * 100 / total);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  if (percent % 5 != 0) return;
  if (percent == 0) {
    form_.SetCaption(component::kStatusLine, text);
    form_.SetVisible(component::kProgBar, true);
  }
  form_.SetTag(component::kProgBar, percent);
  if (percent == 100) form_.SetVisible(component::kProgBar, false);
  host_.RepaintStatus();
}

void TStatusProgress::ClearStatus() { form_.SetCaption(component::kStatusLine, ""); }

ProgressReport TStatusProgress::Report() {
  return [this](int done, int total, const char* caption) {
    if (caption == nullptr) {  // the end, also of a failed operation
      form_.SetVisible(component::kProgBar, false);
      ClearStatus();
      host_.SetCursor(CursorShape::Default);
      return;
    }
    if (done == 0) host_.SetCursor(CursorShape::Hourglass);
    ShowProgress(done, total, caption);
  };
}

}  // namespace quill
