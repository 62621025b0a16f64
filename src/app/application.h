// The program entry's parts: the application object whose handler shows every
// error that escapes an event handler, the display depth check, the program's own
// path, and the whole start (RunPlayer) that main() calls.
#pragma once
#include <QApplication>
#include <functional>
#include <string>

namespace quill {

class QtHost;

class QuillApplication : public QApplication {
 public:
  QuillApplication(int& argc, char** argv);

  // The application's handler for errors that escape an event handler; the
  // program keeps running after it.
  void SetErrorHandler(std::function<void(const std::string&)> handler) { errorHandler_ = std::move(handler); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Report(const std::string& text);

  std::function<void(const std::string&)> errorHandler_;
};

// The question shown when the display has fewer than 15 bits of colour.
std::string DisplayDepthMessage(int depth);

// True when the display has at least 15 bits of colour; otherwise asks whether to
// open the display settings, does so on OK, and returns false.
bool CheckDisplayDepth(QtHost& host);

// The real path of the running program, whose file carries the gift.
std::string OwnProgramPath();

// Checks the display, creates the forms and runs the message loop.
int RunPlayer(int argc, char** argv);

}  // namespace quill
