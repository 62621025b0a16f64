#include "bundle_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "zstd_streams.h"

namespace quill::portable {
namespace {

namespace fs = std::filesystem;

class OpenFile {
 public:
  explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw BundleError("cannot open " + path + ": " + std::strerror(errno));
  }
  ~OpenFile() { ::close(fd_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

template <size_t N>
void ReadAt(int fd, uint64_t offset, std::array<uint8_t, N>& out) {
  size_t done = 0;
  while (done < N) {
    const ssize_t n = ::pread(fd, out.data() + done, N - done, off_t(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw BundleError("no bundle follows the start-up program");
    done += size_t(n);
  }
}

// Creates `path` and its missing parents, private to the user as cache folders
// should be.
void MakePrivateFolders(const fs::path& path) {
  fs::path built;
  for (const fs::path& part : path) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST)
      throw BundleError("cannot create " + built.string() + ": " + std::strerror(errno));
  }
}

bool IsComplete(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / kBundledPlayer, error) && fs::is_regular_file(folder / kBundledLoader, error);
}

void RemoveQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

// Moves a copy with parts missing (a cleaner deleted some files) out of the way.
void DiscardIncomplete(const fs::path& folder) {
  std::string aside = folder.string() + ".broken.XXXXXX";
  if (!::mkdtemp(aside.data())) return;
  if (::rename(folder.c_str(), aside.c_str()) != 0) ::rmdir(aside.c_str());
  else RemoveQuietly(aside);
}

// Unpacks into a fresh folder beside `folder` and moves it into place.
void Unpack(const OpenFile& file, const LocatedBundle& bundle, const fs::path& folder) {
  std::string fresh = (folder.parent_path() / ("." + folder.filename().string() + ".XXXXXX")).string();
  if (!::mkdtemp(fresh.data()))
    throw BundleError("cannot create a folder in " + folder.parent_path().string() + ": " + std::strerror(errno));
  try {
    ZstdFileSource source(file.Fd(), bundle.ArchiveOffset, bundle.Header.CompressedSize);
    ExtractArchive(source, fresh);
    MoveIntoPlace(fresh, folder.string());
  } catch (...) {
    RemoveQuietly(fresh);
    throw;
  }
}

}  // namespace

std::string CacheRoot(const char* xdgCacheHome, const char* home) {
  if (xdgCacheHome && xdgCacheHome[0] == '/') return xdgCacheHome;
  if (home && home[0] == '/') return std::string(home) + "/.cache";
  throw BundleError("neither XDG_CACHE_HOME nor HOME names a folder to unpack the player into");
}

LocatedBundle LocateBundle(int fd) {
  std::array<uint8_t, 64> elfHeader{};
  ReadAt(fd, 0, elfHeader);
  LocatedBundle bundle;
  const uint64_t headerOffset = ElfImageEnd(elfHeader);
  std::array<uint8_t, kBundleHeaderSize> bytes{};
  ReadAt(fd, headerOffset, bytes);
  bundle.Header = DecodeBundleHeader(bytes);
  bundle.ArchiveOffset = headerOffset + kBundleHeaderSize;
  return bundle;
}

std::string EnsureUnpacked(const std::string& portableFile, const std::string& cacheRoot) {
  const OpenFile file(portableFile);
  const LocatedBundle bundle = LocateBundle(file.Fd());
  const fs::path folder = fs::path(cacheRoot) / "quillmere-gift" / bundle.Header.Key();
  if (IsComplete(folder)) return folder.string();
  MakePrivateFolders(folder.parent_path());
  Unpack(file, bundle, folder);
  return folder.string();
}

void MoveIntoPlace(const std::string& fresh, const std::string& folder) {
  for (int attempt = 0; ::rename(fresh.c_str(), folder.c_str()) != 0; ++attempt) {
    if ((errno != EEXIST && errno != ENOTEMPTY) || attempt > 0)
      throw BundleError("cannot move the player into " + folder + ": " + std::strerror(errno));
    if (IsComplete(folder)) {
      RemoveQuietly(fresh);
      return;
    }
    DiscardIncomplete(folder);
  }
}

void MarkUsed(const std::string& folder) { ::utimensat(AT_FDCWD, folder.c_str(), nullptr, 0); }

void RemoveUnusedCopies(const std::string& keep, std::chrono::seconds lifetime) {
  const fs::path kept(keep);
  const auto oldest = fs::file_time_type::clock::now() - lifetime;
  std::error_code error;
  std::vector<fs::path> unused;
  for (const auto& entry : fs::directory_iterator(kept.parent_path(), error)) {
    std::error_code entryError;
    if (entry.path() == kept || !entry.is_directory(entryError) || entry.is_symlink(entryError)) continue;
    const auto lastUsed = fs::last_write_time(entry.path(), entryError);
    if (!entryError && lastUsed < oldest) unused.push_back(entry.path());
  }
  for (const fs::path& folder : unused) {
    std::string aside = (folder.parent_path() / ".removing.XXXXXX").string();
    if (!::mkdtemp(aside.data())) return;
    if (::rename(folder.c_str(), (aside + "/copy").c_str()) != 0) {
      ::rmdir(aside.c_str());
      continue;
    }
    RemoveQuietly(aside);
  }
}

std::vector<std::string> PlayerCommand(const std::string& folder, const std::string& argv0,
                                       const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {folder + "/" + kBundledLoader, "--library-path", folder + "/lib", "--argv0",
                                      argv0, folder + "/" + kBundledPlayer};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return command;
}

}  // namespace quill::portable
