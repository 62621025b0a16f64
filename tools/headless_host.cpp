#include "headless_host.h"

#include <unistd.h>

#include <atomic>

#include "ui/form_layouts.h"

namespace quill {

HeadlessHost::HeadlessHost() {
  static std::atomic<int> counter{0};
  DefineMainForm(main_);
  DefineSplashForm(splash_);
  temp_ = std::filesystem::temp_directory_path() /
          ("quillmere-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(temp_);
}

HeadlessHost::~HeadlessHost() {
  std::error_code ignored;
  std::filesystem::remove_all(temp_, ignored);
}

void HeadlessHost::ShowMessage(const std::string& text, MessageKind) { messages.push_back(text); }

bool HeadlessHost::AskYesNo(const std::string& question) {
  questions.push_back(question);
  return answerYes;
}

// A fixed, recognisable colour per system colour index.
Colour HeadlessHost::SystemColour(int index) { return 0x101010u * static_cast<Colour>(index % 16); }

std::string HeadlessHost::PrivateTempDirectory() { return tempAvailable ? temp_.string() + "/" : ""; }

void HeadlessHost::SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) {
  skin = std::move(picture);
  skinToolbarHeight = toolbarHeight;
}

void HeadlessHost::RecreateSplash() {
  splash_ = UiState();
  DefineSplashForm(splash_);
}

}  // namespace quill
