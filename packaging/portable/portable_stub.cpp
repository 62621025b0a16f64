// The start-up program of a portable gift: unpacks the player its file carries into
// the user's cache (once per bundle, elsewhere when the cache cannot be used) and
// starts it on the received file. Its errors go to standard error and, for a person
// who double-clicked the gift, into a window.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bundle_cache.h"
#include "common/interface_language.h"
#include "error_window.h"

int main(int argc, char** argv) {
  using namespace quill::portable;
  try {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string folder = EnsureUnpackedSomewhere(
        self, UnpackRoots(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"), std::getenv("XDG_RUNTIME_DIR"),
                          std::getenv("TMPDIR")));
    MarkUsed(folder);
    RemoveUnusedCopies(folder, kUnusedCopyLifetime);
    const std::vector<std::string> command =
        PlayerCommand(folder, argc > 0 ? argv[0] : "quillmere-gift", std::vector<std::string>(argv + 1, argv + argc));
    std::vector<char*> args;
    for (const std::string& arg : command) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::setenv(kGiftFileVariable, self.c_str(), 1);
    ::execv(args[0], args.data());
    ::unsetenv(kGiftFileVariable);
    throw BundleError("cannot start " + command[0] + ": " + std::strerror(errno));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quillmere-gift: %s\n", error.what());
    if (ShouldShowErrorWindow(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), ::isatty(2)))
      ShowErrorWindow(ErrorWindowCommands(
          "Quillmere Gift", PlainErrorMessage(error, quill::InterfaceLanguageFromEnvironment())));
    return 127;
  }
}
