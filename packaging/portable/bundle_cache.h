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

// The stamp in an unpacked copy, written after every other file: one line
// "<size> <path>" for each file of the bundle. A copy counts as complete only when
// every file it lists is there with its size, so a copy that a cleaner emptied,
// cut short or thinned out is unpacked again instead of failing at each start.
inline constexpr const char* kContentsStamp = ".contents";

// Whether the copy in `folder` holds every file its stamp lists, each with its size.
bool IsComplete(const std::string& folder);

// The folder <cacheRoot>/quillmere-gift/<key> holding the unpacked bundle of the
// portable file `portableFile`. A complete copy already there is used as it is;
// otherwise the bundle is unpacked into a fresh folder beside it that is renamed
// into place once complete, so a start that fails, or runs at the same time as
// another, never leaves a half copy in use. Raises PlaceError when `cacheRoot`
// cannot take the copy (nothing is left behind then) and BundleError when the
// bundle is damaged.
std::string EnsureUnpacked(const std::string& portableFile, const std::string& cacheRoot);

// The folders a copy may go into, in the order they are tried: the user's cache
// (CacheRoot), $XDG_RUNTIME_DIR, then a folder of this user's own in the temporary
// folders ($TMPDIR, /tmp, /var/tmp, /dev/shm). Unusable variables are passed over.
std::vector<std::string> UnpackRoots(const char* xdgCacheHome, const char* home, const char* runtimeDir,
                                     const char* tmpDir);

// Raised when no place could take the copy; says what went wrong at each.
struct NoPlaceError : BundleError {
  using BundleError::BundleError;
};

// EnsureUnpacked at the first of `roots` that has a complete copy or can take one
// and allows running programs (not mounted noexec). A copy in a place that does
// not allow running programs is removed. Raises NoPlaceError when every place
// fails and BundleError when the bundle is damaged.
std::string EnsureUnpackedSomewhere(const std::string& portableFile, const std::vector<std::string>& roots);

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
