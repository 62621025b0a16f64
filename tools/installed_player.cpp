#include "installed_player.h"

#include <filesystem>

#include "common/errors.h"
#include "common/translate.h"

namespace quill {

std::string InstalledPlayerPath(PlayerKind kind, const std::string& makerPath) {
  namespace fs = std::filesystem;
  const char* name = kind == PlayerKind::Portable ? "quillmere-gift-portable" : "quillmere-gift";
  const fs::path player = (fs::path(makerPath).parent_path() / ".." / "lib" / "quillmere" / name).lexically_normal();
  std::error_code error;
  if (!fs::is_regular_file(player, error))
    throw UserError(FillArgs(kind == PlayerKind::Portable
                                 ? Tr("GiftMaking", "No portable player found at %1; give the player to copy with "
                                                    "--player PLAYER")
                                 : Tr("GiftMaking", "No player found at %1; give the player to copy with --player PLAYER"),
                             {player.string()}));
  return player.string();
}

std::string InstalledPlayerPath(PlayerKind kind) {
  return InstalledPlayerPath(kind, std::filesystem::read_symlink("/proc/self/exe").string());
}

}  // namespace quill
