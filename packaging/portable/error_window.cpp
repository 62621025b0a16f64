#include "error_window.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "bundle_cache.h"
#include "common/translate.h"
#include "start_texts.h"

namespace quill::portable {
namespace {

constexpr const char* kNoPlace =
    TextMark("PortableStart",
             "This gift could not be opened: there is no folder where its player can be unpacked (it needs about "
             "60 MB). Free some disk space in your home folder and open the gift again.");
constexpr const char* kDamaged = TextMark("PortableStart",
                                          "This gift could not be opened: the file is damaged or incomplete. Download "
                                          "it again, or ask the sender to send it once more.");
constexpr const char* kCouldNotOpen = TextMark("PortableStart", "This gift could not be opened.");
// Followed by the program's own description of the error.
constexpr const char* kDetails = TextMark("PortableStart", "Details:");

}  // namespace

std::vector<std::vector<std::string>> ErrorWindowCommands(const std::string& title, const std::string& text) {
  return {
      {"zenity", "--error", "--no-markup", "--title=" + title, "--text=" + text},
      {"kdialog", "--title", title, "--error", text},
      // Xaw draws text in the locale's encoding only with its international fonts.
      {"xmessage", "-xrm", "*international: true", "-center", "-title", title, text},
      {"notify-send", "--urgency=critical", "--app-name=" + title, "--", title, text},
  };
}

bool ShouldShowErrorWindow(const char* display, const char* waylandDisplay, bool stderrIsTerminal) {
  const bool hasDisplay = (display && display[0]) || (waylandDisplay && waylandDisplay[0]);
  return hasDisplay && !stderrIsTerminal;
}

namespace {

// Runs `command` from PATH with nothing on standard input and output; returns its
// exit status, 127 when it could not be started, -1 when it died.
int Run(const std::vector<std::string>& command) {
  std::vector<char*> args;
  for (const std::string& arg : command) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return 127;
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
    }
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool ShowErrorWindow(const std::vector<std::vector<std::string>>& commands) {
  for (const auto& command : commands) {
    const int status = Run(command);
    if (status == 0 || status == 1) return true;
  }
  return false;
}

std::string PlainErrorMessage(const std::exception& error, std::string_view language) {
  const char* advice = kCouldNotOpen;
  if (dynamic_cast<const NoPlaceError*>(&error))
    advice = kNoPlace;
  else if (dynamic_cast<const BundleError*>(&error))
    advice = kDamaged;
  return StartText(language, advice) + "\n\n" + StartText(language, kDetails) + " " + error.what();
}

}  // namespace quill::portable
