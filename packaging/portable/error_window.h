// Showing the start-up program's errors to a person who opened the gift from a
// file manager, where nobody reads standard error: in a window of a dialog tool
// the desktop has.
#pragma once
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace quill::portable {

// The dialog tools tried in turn, each with the arguments that show `text` as an
// error titled `title`. The text is passed as one argument, never through a shell.
std::vector<std::vector<std::string>> ErrorWindowCommands(const std::string& title, const std::string& text);

// Whether to show errors in a window: there is a display (DISPLAY or
// WAYLAND_DISPLAY set) and standard error is no terminal a person is watching.
bool ShouldShowErrorWindow(const char* display, const char* waylandDisplay, bool stderrIsTerminal);

// Runs the commands in turn, each found on PATH, until one of them shows the
// window (starts and ends with 0 or 1, as the tools do when their window is
// closed); waits for it. Returns whether one did.
bool ShowErrorWindow(const std::vector<std::vector<std::string>>& commands);

// The message a person reads for `error` (what went wrong, in plain words, and
// what to do about it) in an interface language ("" for English), followed by the
// program's own description of it.
std::string PlainErrorMessage(const std::exception& error, std::string_view language);

}  // namespace quill::portable
