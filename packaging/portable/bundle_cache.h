// Unpacking a portable gift's bundle into the user's cache and starting the player
// from there: the start-up program's whole work, kept apart from its main() so
// tests can drive it.
#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bundle_format.h"

namespace quill::portable {

// The environment variable that names the received file to the player; the player
// reads its gift, and puts its saved game, there instead of beside its own copy.
inline constexpr const char* kGiftFileVariable = "QUILLMERE_GIFT_FILE";

// The loader of the bundled C library and the player, inside an unpacked bundle.
inline constexpr const char* kBundledLoader = "lib/ld-linux-x86-64.so.2";
inline constexpr const char* kBundledPlayer = "bin/quillmere-gift";

// The user's cache folder: $XDG_CACHE_HOME when it is an absolute path, otherwise
// $HOME/.cache. Raises BundleError when neither is usable.
std::string CacheRoot(const char* xdgCacheHome, const char* home);

struct LocatedBundle {
  BundleHeader Header;
  uint64_t ArchiveOffset = 0;  // where the compressed archive starts
};

// Finds the bundle in the open portable file `fd` right after its ELF image.
LocatedBundle LocateBundle(int fd);

// The folder <cacheRoot>/quillmere-gift/<key> holding the unpacked bundle of the
// portable file `portableFile`. A copy already there is used as it is when its
// player and loader are present; otherwise the bundle is unpacked into a fresh
// folder beside it that is renamed into place once complete, so a start that
// fails, or runs at the same time as another, never leaves a half copy in use.
std::string EnsureUnpacked(const std::string& portableFile, const std::string& cacheRoot);

// How long the copy of another bundle may go unused before a start removes it.
inline constexpr std::chrono::hours kUnusedCopyLifetime{24 * 60};

// Marks the unpacked copy `folder` as used now (its time of last change), so that
// starts of other gifts leave it in place.
void MarkUsed(const std::string& folder);

// Removes, as far as it can and without a word, the copies beside `keep` that have
// gone unused for longer than `lifetime`, and as old leftovers of unpacking (hidden
// folders): each is renamed aside first, so a start of its gift meanwhile unpacks
// anew. `keep` is never touched. A copy of every player version would otherwise
// stay in the user's cache (some 200 MB each).
void RemoveUnusedCopies(const std::string& keep, std::chrono::seconds lifetime);

// Moves the copy unpacked into `fresh` to `folder`. When another start of a gift
// with the same bundle put a complete copy there first, that copy stays and `fresh`
// is deleted; an incomplete one is replaced.
void MoveIntoPlace(const std::string& fresh, const std::string& folder);

// The command that runs the unpacked player through the bundled loader with the
// bundle's libraries only. The loader, not an environment variable, carries the
// library path, so programs the player starts do not inherit it.
std::vector<std::string> PlayerCommand(const std::string& folder, const std::string& argv0,
                                       const std::vector<std::string>& arguments);

}  // namespace quill::portable
