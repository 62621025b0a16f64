#include "bundle_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// Creates `path` and its missing parents, private to the user as cache folders
// should be. `path` must end up a folder of this user's that nobody else can write
// to: in a shared temporary folder another user could have made it first.
void MakePrivateFolders(const fs::path& path) {
  fs::path built;
  for (const fs::path& part : path) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) throw PlaceError(SystemError("cannot create", built));
  }
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) throw PlaceError(SystemError("cannot use", path));
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 022) != 0)
    throw PlaceError("cannot use " + path.string() + ": it is not a private folder of this user");
}

// The nearest folder of `path` or its parents that exists.
fs::path ExistingPart(fs::path path) {
  std::error_code error;
  while (!fs::exists(path, error) && path.has_relative_path()) path = path.parent_path();
  return path;
}

// Whether programs can run from files under `path`: not on a noexec mount.
bool AllowsPrograms(const fs::path& path) {
  struct statvfs info {};
  if (::statvfs(ExistingPart(path).c_str(), &info) != 0) return true;
  return (info.f_flag & ST_NOEXEC) == 0;
}

void WriteStamp(const fs::path& folder, const std::vector<ExtractedFile>& files) {
  std::string bytes;
  for (const ExtractedFile& file : files) bytes += std::to_string(file.Size) + ' ' + file.Path + '\n';
  const fs::path path = folder / kContentsStamp;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw PlaceError(SystemError("cannot create", path));
  const bool written = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
  if (::close(fd) != 0 || !written) throw PlaceError(SystemError("cannot write", path));
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

// Unpacks into a fresh folder beside `folder`, writes the stamp last and moves it
// into place.
void Unpack(const OpenFile& file, const LocatedBundle& bundle, const fs::path& folder) {
  std::string fresh = (folder.parent_path() / ("." + folder.filename().string() + ".XXXXXX")).string();
  if (!::mkdtemp(fresh.data())) throw PlaceError(SystemError("cannot create a folder in", folder.parent_path()));
  try {
    ZstdFileSource source(file.Fd(), bundle.ArchiveOffset, bundle.Header.CompressedSize);
    WriteStamp(fresh, ExtractArchive(source, fresh));
    MoveIntoPlace(fresh, folder.string());
  } catch (...) {
    RemoveQuietly(fresh);
    throw;
  }
}

fs::path CopyFolder(const std::string& root, const LocatedBundle& bundle) {
  return fs::path(root) / "quillmere-gift" / bundle.Header.Key();
}

void UnpackAt(const OpenFile& file, const LocatedBundle& bundle, const fs::path& folder) {
  MakePrivateFolders(folder.parent_path());
  Unpack(file, bundle, folder);
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

bool IsComplete(const std::string& folder) {
  // iostreams would add their locale machinery to the static start-up program.
  const int fd = ::open((fs::path(folder) / kContentsStamp).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string stamp;
  char buffer[16384];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) stamp.append(buffer, size_t(n));
  ::close(fd);
  if (stamp.empty() || stamp.back() != '\n') return false;
  for (size_t start = 0; start < stamp.size();) {
    const size_t end = stamp.find('\n', start);
    const std::string line = stamp.substr(start, end - start);
    start = end + 1;
    const size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || line.find_first_not_of("0123456789") != space) return false;
    const std::string path = line.substr(space + 1);
    struct stat info {};
    if (!IsSafeArchivePath(path) || ::lstat((fs::path(folder) / path).c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode) || std::to_string(info.st_size) != line.substr(0, space))
      return false;
  }
  return true;
}

std::string EnsureUnpacked(const std::string& portableFile, const std::string& cacheRoot) {
  const OpenFile file(portableFile);
  const LocatedBundle bundle = LocateBundle(file.Fd());
  const fs::path folder = CopyFolder(cacheRoot, bundle);
  if (!IsComplete(folder)) UnpackAt(file, bundle, folder);
  return folder.string();
}

std::vector<std::string> UnpackRoots(const char* xdgCacheHome, const char* home, const char* runtimeDir,
                                     const char* tmpDir) {
  std::vector<std::string> roots;
  try {
    roots.push_back(CacheRoot(xdgCacheHome, home));
  } catch (const BundleError&) {
  }
  if (runtimeDir && runtimeDir[0] == '/') roots.push_back(runtimeDir);
  const std::string own = "/quillmere-" + std::to_string(::geteuid());
  if (tmpDir && tmpDir[0] == '/') roots.push_back(tmpDir + own);
  for (const char* shared : {"/tmp", "/var/tmp", "/dev/shm"}) roots.push_back(shared + own);
  return roots;
}

std::string EnsureUnpackedSomewhere(const std::string& portableFile, const std::vector<std::string>& roots) {
  const OpenFile file(portableFile);
  const LocatedBundle bundle = LocateBundle(file.Fd());
  // A copy made earlier in any usable place comes first: a place that failed then
  // (full, read-only) would only fail again.
  for (const std::string& root : roots) {
    const fs::path folder = CopyFolder(root, bundle);
    if (!AllowsPrograms(folder)) DiscardIncomplete(folder);
    else if (IsComplete(folder)) return folder.string();
  }
  std::string failures;
  for (const std::string& root : roots) {
    const fs::path folder = CopyFolder(root, bundle);
    if (!AllowsPrograms(folder)) {
      failures += "\n" + root + ": programs may not run from there (mounted noexec)";
      continue;
    }
    try {
      UnpackAt(file, bundle, folder);
      return folder.string();
    } catch (const PlaceError& error) {
      failures += "\n" + std::string(error.what());
    }
  }
  throw NoPlaceError("no folder could take the player" + failures);
}

void MoveIntoPlace(const std::string& fresh, const std::string& folder) {
  for (int attempt = 0; ::rename(fresh.c_str(), folder.c_str()) != 0; ++attempt) {
    if ((errno != EEXIST && errno != ENOTEMPTY) || attempt > 0)
      throw PlaceError("cannot move the player into " + folder + ": " + std::strerror(errno));
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
