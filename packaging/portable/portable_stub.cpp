// The start-up program of a portable gift: unpacks the player its file carries into
// the user's cache (once per bundle) and starts it on the received file.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bundle_cache.h"

int main(int argc, char** argv) {
  using namespace quill::portable;
  try {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string folder = EnsureUnpacked(self, CacheRoot(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
    MarkUsed(folder);
    RemoveUnusedCopies(folder, kUnusedCopyLifetime);
    const std::vector<std::string> command =
        PlayerCommand(folder, argc > 0 ? argv[0] : "quillmere-gift", std::vector<std::string>(argv + 1, argv + argc));
    std::vector<char*> args;
    for (const std::string& arg : command) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::setenv(kGiftFileVariable, self.c_str(), 1);
    ::execv(args[0], args.data());
    throw BundleError("cannot start " + command[0] + ": " + std::strerror(errno));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quillmere-gift: %s\n", error.what());
    return 127;
  }
}
