#include "game/program_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/byte_stream.h"
#include "common/errors.h"
#include "common/translate.h"

namespace quill {

ProgramFile::ProgramFile(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
    const std::string reason = std::strerror(errno);
    if (fd_ >= 0) ::close(fd_);
    throw UserError(FillArgs(Tr("Messages", "Cannot open file \"%1\". %2"), {path, reason}));
  }
  size_ = info.st_size;
}

ProgramFile::~ProgramFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool ProgramFile::Holds(int64_t offset, int64_t size) const {
  return offset >= 0 && size >= 0 && offset <= size_ && size <= size_ - offset;
}

size_t ProgramFile::ReadSome(int64_t offset, uint8_t* out, size_t size) const {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd_, out + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

std::vector<uint8_t> ProgramFile::ReadBlock(int64_t offset, int64_t size) const {
  if (!Holds(offset, size)) throw StreamReadError();
  std::vector<uint8_t> block(static_cast<size_t>(size));
  if (ReadSome(offset, block.data(), block.size()) != block.size()) throw StreamReadError();
  return block;
}

}  // namespace quill
