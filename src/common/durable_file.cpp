#include "common/durable_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "common/errors.h"
#include "common/translate.h"

namespace quill {

namespace {

// The temporaries of a file are named after it with this and six characters that
// mkstemp chooses.
constexpr const char* kTemporaryMark = ".partial-";
constexpr size_t kTemporaryUniqueLength = 6;
constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kPermissionBits = 0777;

FileFaultHook& Hook() {
  static FileFaultHook hook;
  return hook;
}

int Fault(FileStep step, const std::string& path) { return Hook() ? Hook()(step, path) : 0; }

// Runs a system call unless the hook fails the step first; 0 or an error number.
template <typename Call>
int Step(FileStep step, const std::string& path, Call call) {
  if (const int error = Fault(step, path)) return error;
  return call() == 0 ? 0 : errno;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Writes every byte; 0 or the system's error number.
int WriteAll(int fd, std::span<const uint8_t> bytes, const std::string& path) {
  if (const int error = Fault(FileStep::Write, path)) return error;
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<size_t>(n);
  }
  return 0;
}

// The permissions the replacement takes: those of the file it replaces.
mode_t ModeToKeep(const std::string& path) {
  struct stat old {};
  return ::stat(path.c_str(), &old) == 0 ? (old.st_mode & kPermissionBits) : kNewFileMode;
}

std::filesystem::path FolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// Flushes the folder's entries, so a rename in it survives a power cut. File
// systems that cannot flush a folder say so with EINVAL; that is no failure.
int SyncFolder(const std::string& path) {
  const std::string folder = FolderOf(path).string();
  return Step(FileStep::SyncFolder, folder, [&] {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : -1;
    const int error = errno;
    ::close(fd);
    errno = error;
    return result;
  });
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
  return name.size() == prefix.size() + kTemporaryUniqueLength && name.compare(0, prefix.size(), prefix) == 0;
}

// Removes a left temporary unless its writer still holds the lock on it.
void RemoveIfAbandoned(const std::filesystem::path& temporary) {
  const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) RemoveFile(temporary.string());
  ::close(fd);
}

}  // namespace

FileFaultHook SetFileFaultHook(FileFaultHook hook) { return std::exchange(Hook(), std::move(hook)); }

std::string SystemErrorText(int error) { return std::strerror(error); }

void WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temporary = path + kTemporaryMark + std::string(kTemporaryUniqueLength, 'X');
  int fd = -1;
  const int createError = Step(FileStep::CreateTemporary, path, [&] {
    fd = ::mkstemp(temporary.data());
    return fd < 0 ? -1 : 0;
  });
  if (createError != 0)
    throw UserError(FillArgs(Tr("Messages", "Cannot create file %1. %2."), {Quoted(path), SystemErrorText(createError)}));
  // The lock tells RemoveLeftTemporaries that this writer is alive; it lasts until
  // the file is closed, after the rename.
  ::flock(fd, LOCK_EX);
  ::fchmod(fd, ModeToKeep(path));
  int error = WriteAll(fd, bytes, path);
  if (error == 0) error = Step(FileStep::Sync, path, [&] { return ::fsync(fd); });
  if (error == 0) error = Step(FileStep::Rename, path, [&] { return ::rename(temporary.c_str(), path.c_str()); });
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    throw UserError(FillArgs(Tr("Messages", "Cannot write file %1. %2."), {Quoted(path), SystemErrorText(error)}));
  }
  if (const int syncError = SyncFolder(path))
    throw UserError(FillArgs(Tr("Messages", "Cannot write file %1. %2."), {Quoted(path), SystemErrorText(syncError)}));
}

void RemoveLeftTemporaries(const std::string& path) {
  const std::string prefix = std::filesystem::path(path).filename().string() + kTemporaryMark;
  std::error_code error;
  for (std::filesystem::directory_iterator it(FolderOf(path), error), end; !error && it != end; it.increment(error)) {
    if (!IsTemporaryName(it->path().filename().string(), prefix)) continue;
    std::error_code statusError;
    if (it->symlink_status(statusError).type() == std::filesystem::file_type::regular)
      RemoveIfAbandoned(it->path());
  }
}

int RemoveFile(const std::string& path) {
  const int error = Step(FileStep::Remove, path, [&] { return ::unlink(path.c_str()); });
  return error == ENOENT ? 0 : error;
}

}  // namespace quill
