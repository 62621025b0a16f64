// Shared by the shell tests: the one application object (on Qt's offscreen
// platform), waiting for the event loop, a private folder, gift files and a banded
// picture.
#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../unit/gift_fixture.h"
#include "app/application.h"
#include "raster/bitmap.h"

namespace quill::testing {

// The application every shell test runs in; errors escaping event handlers land in
// ReportedErrors().
inline std::vector<std::string>& ReportedErrors() {
  static std::vector<std::string> errors;
  return errors;
}

inline QuillApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  static QuillApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* created = new QuillApplication(argc, argv);
    created->SetErrorHandler([](const std::string& text) { ReportedErrors().push_back(text); });
    return created;
  }();
  return *app;
}

// Runs the event loop until `done` holds or `timeoutMs` (five seconds) have passed.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// A picture in three horizontal bands: red, green, blue from the top.
inline Bitmap BandedPicture(int width, int height) {
  Bitmap picture(width, height);
  const Colour bands[] = {MakeColour(255, 0, 0), MakeColour(0, 255, 0), MakeColour(0, 0, 255)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, bands[y * 3 / height]);
  return picture;
}

// A folder of its own for one test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("quill-shell-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace quill::testing
