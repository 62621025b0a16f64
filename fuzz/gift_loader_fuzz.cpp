// Feeds arbitrary bytes to the gift loader as the player's own file: the header scan,
// the header fields, the messages, the music and the skin decoder must cope with
// anything without crashing or reading outside the file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/errors.h"
#include "game/jigsaw.h"
#include "ui/form_layouts.h"

namespace {

class QuietHost : public quill::Host {
 public:
  QuietHost() {
    quill::DefineMainForm(main_);
    quill::DefineSplashForm(splash_);
    temp_ = std::filesystem::temp_directory_path() / ("quill-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(temp_);
  }
  quill::UiState& MainForm() override { return main_; }
  quill::UiState& SplashForm() override { return splash_; }
  void ShowMessage(const std::string&, quill::MessageKind) override {}
  bool AskYesNo(const std::string&) override { return false; }
  quill::Colour SystemColour(int) override { return 0; }
  std::string TempDirectory() override { return temp_.string() + "/"; }
  int ScreenColourDepth() override { return 24; }
  void SetMusicFile(const std::string&) override {}
  void SetSkin(std::unique_ptr<quill::Bitmap>, int) override {}

 private:
  quill::UiState main_, splash_;
  std::filesystem::path temp_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QuietHost host;
  const int fd = memfd_create("gift", 0);
  if (fd < 0) return 0;
  for (size_t done = 0; done < size;) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  try {
    quill::TJigsaw game(host, path);
    game.LoadGift();
    quill::Bitmap picture;
    game.LoadJpegBlock(picture, game.Header().PictureOffset, game.Header().PictureSize);
  } catch (const quill::UserError&) {
  }
  close(fd);
  return 0;
}
