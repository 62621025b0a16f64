#include "installed_player.h"

#include <filesystem>

#include "common/errors.h"

namespace quill {

std::string InstalledPlayerPath(PlayerKind kind, const std::string& makerPath) {
  namespace fs = std::filesystem;
  const char* name = kind == PlayerKind::Portable ? "quillmere-gift-portable" : "quillmere-gift";
  const fs::path player = (fs::path(makerPath).parent_path() / ".." / "lib" / "quillmere" / name).lexically_normal();
  std::error_code error;
  if (!fs::is_regular_file(player, error))
    throw UserError("No " + std::string(kind == PlayerKind::Portable ? "portable " : "") + "player found at " +
                    player.string() + "; give the player to copy with --player PLAYER");
  return player.string();
}

std::string InstalledPlayerPath(PlayerKind kind) {
  return InstalledPlayerPath(kind, std::filesystem::read_symlink("/proc/self/exe").string());
}

}  // namespace quill
