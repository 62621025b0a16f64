#include "bundle_format.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "branch_filter.h"

namespace quill::portable {
namespace {

constexpr char kBundleMagic[] = "QUILLMERE-BUNDLE";
constexpr char kArchiveMagic[] = "QMARCHV2";
// Set in an entry's mode when its bytes went through FilterBranches; the range
// follows the size.
constexpr uint32_t kBranchesFiltered = 0x10000;
// A filtered file is decoded in memory: no file of the bundle comes near this.
constexpr uint64_t kMaxFilteredSize = uint64_t(1) << 30;
constexpr uint32_t kMaxPathLength = 4096;

void PutLittle(uint8_t* out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[i] = uint8_t(value >> (8 * i));
}

uint64_t GetLittle(const uint8_t* in, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | in[i];
  return value;
}

void WriteLittle(ByteSink& sink, uint64_t value, int bytes) {
  uint8_t out[8];
  PutLittle(out, value, bytes);
  sink.Write(out, bytes);
}

// Reads exactly `size` bytes; raises when the stream ends first.
void ReadExactly(ByteSource& source, uint8_t* data, size_t size) {
  while (size > 0) {
    const size_t got = source.Read(data, size);
    if (got == 0) throw BundleError("the bundle ends in the middle of a file");
    data += got;
    size -= got;
  }
}

uint64_t ReadLittle(ByteSource& source, int bytes) {
  uint8_t in[8];
  ReadExactly(source, in, bytes);
  return GetLittle(in, bytes);
}

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

void WriteAll(int fd, const uint8_t* data, size_t size, const std::string& path) {
  for (size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw PlaceError(SystemError("cannot write", path));
    done += size_t(n);
  }
}

// Copies `size` bytes of the stream into a new file at `path`, turning the
// branches of `filtered` back when it is given.
void ExtractFile(ByteSource& source, const std::string& path, bool executable, uint64_t size,
                 const CodeRange* filtered) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, executable ? 0755 : 0644);
  if (fd < 0 && errno == EEXIST) throw BundleError("the bundle is damaged: it names " + path + " twice");
  if (fd < 0) throw PlaceError(SystemError("cannot create", path));
  try {
    if (filtered) {
      std::vector<uint8_t> bytes(size);
      ReadExactly(source, bytes.data(), bytes.size());
      FilterBranches(bytes, *filtered, false);
      WriteAll(fd, bytes.data(), bytes.size(), path);
    } else {
      std::vector<uint8_t> buffer(1 << 16);
      while (size > 0) {
        const size_t chunk = size < buffer.size() ? size_t(size) : buffer.size();
        ReadExactly(source, buffer.data(), chunk);
        WriteAll(fd, buffer.data(), chunk, path);
        size -= chunk;
      }
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) throw PlaceError(SystemError("cannot write", path));
}

}  // namespace

std::string BundleHeader::Key() const {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string key;
  for (size_t i = 0; i < 16; ++i) {
    key += kHex[ContentHash[i] >> 4];
    key += kHex[ContentHash[i] & 15];
  }
  return key;
}

std::array<uint8_t, kBundleHeaderSize> EncodeBundleHeader(const BundleHeader& header) {
  std::array<uint8_t, kBundleHeaderSize> bytes{};
  std::memcpy(bytes.data(), kBundleMagic, 16);
  PutLittle(bytes.data() + 16, kBundleVersion, 4);
  PutLittle(bytes.data() + 24, header.CompressedSize, 8);
  std::memcpy(bytes.data() + 32, header.ContentHash.data(), 32);
  return bytes;
}

BundleHeader DecodeBundleHeader(std::span<const uint8_t, kBundleHeaderSize> bytes) {
  if (std::memcmp(bytes.data(), kBundleMagic, 16) != 0) throw BundleError("no bundle follows the start-up program");
  if (GetLittle(bytes.data() + 16, 4) != kBundleVersion) throw BundleError("the bundle is of another version");
  BundleHeader header;
  header.CompressedSize = GetLittle(bytes.data() + 24, 8);
  std::memcpy(header.ContentHash.data(), bytes.data() + 32, 32);
  return header;
}

uint64_t ElfImageEnd(std::span<const uint8_t, 64> header) {
  const uint8_t* h = header.data();
  const bool elf64Little = h[0] == 0x7f && h[1] == 'E' && h[2] == 'L' && h[3] == 'F' && h[4] == 2 && h[5] == 1;
  if (!elf64Little) throw BundleError("not a 64-bit ELF file");
  const uint64_t sectionHeaders = GetLittle(h + 0x28, 8);
  const uint64_t entrySize = GetLittle(h + 0x3a, 2);
  const uint64_t count = GetLittle(h + 0x3c, 2);
  if (sectionHeaders == 0 || entrySize == 0 || count == 0) throw BundleError("the ELF file has no section headers");
  return sectionHeaders + entrySize * count;
}

ArchiveWriter::ArchiveWriter(ByteSink& sink) : sink_(sink) {
  sink_.Write(reinterpret_cast<const uint8_t*>(kArchiveMagic), 8);
}

void ArchiveWriter::Add(const std::string& path, bool executable, std::span<const uint8_t> data) {
  if (!IsSafeArchivePath(path)) throw BundleError("unsafe path in a bundle: " + path);
  const CodeRange code = X86CodeRange(data);
  const bool filtered = code.Begin < code.End;
  WriteLittle(sink_, path.size(), 4);
  sink_.Write(reinterpret_cast<const uint8_t*>(path.data()), path.size());
  WriteLittle(sink_, (executable ? 0755 : 0644) | (filtered ? kBranchesFiltered : 0), 4);
  WriteLittle(sink_, data.size(), 8);
  if (!filtered) {
    sink_.Write(data.data(), data.size());
    return;
  }
  WriteLittle(sink_, code.Begin, 8);
  WriteLittle(sink_, code.End, 8);
  std::vector<uint8_t> bytes(data.begin(), data.end());
  FilterBranches(bytes, code, true);
  sink_.Write(bytes.data(), bytes.size());
}

void ArchiveWriter::Finish() { WriteLittle(sink_, 0, 4); }

bool IsSafeArchivePath(const std::string& path) {
  if (path.empty() || path.size() > kMaxPathLength || path.front() == '/' || path.find('\0') != std::string::npos)
    return false;
  size_t start = 0;
  while (true) {
    const size_t end = path.find('/', start);
    const std::string part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

std::vector<ExtractedFile> ExtractArchive(ByteSource& source, const std::string& folder) {
  std::vector<ExtractedFile> files;
  uint8_t magic[8];
  ReadExactly(source, magic, 8);
  if (std::memcmp(magic, kArchiveMagic, 8) != 0) throw BundleError("the bundle holds no archive");
  while (true) {
    const uint64_t pathLength = ReadLittle(source, 4);
    if (pathLength == 0) break;
    if (pathLength > kMaxPathLength) throw BundleError("the bundle is damaged: a path is too long");
    std::string path(pathLength, '\0');
    ReadExactly(source, reinterpret_cast<uint8_t*>(path.data()), path.size());
    const uint64_t flags = ReadLittle(source, 4);
    const uint64_t mode = flags & ~uint64_t(kBranchesFiltered);
    const uint64_t size = ReadLittle(source, 8);
    if (!IsSafeArchivePath(path)) throw BundleError("unsafe path in the bundle: " + path);
    if (mode != 0644 && mode != 0755) throw BundleError("the bundle is damaged: bad mode of " + path);
    CodeRange code;
    const bool filtered = (flags & kBranchesFiltered) != 0;
    if (filtered) {
      code.Begin = ReadLittle(source, 8);
      code.End = ReadLittle(source, 8);
      if (size > kMaxFilteredSize || code.Begin > code.End || code.End > size)
        throw BundleError("the bundle is damaged: bad code range of " + path);
    }
    const std::filesystem::path target = std::filesystem::path(folder) / path;
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) throw PlaceError("cannot create " + target.parent_path().string() + ": " + error.message());
    ExtractFile(source, target.string(), mode == 0755, size, filtered ? &code : nullptr);
    files.push_back({path, size});
  }
  uint8_t extra;
  if (source.Read(&extra, 1) != 0) throw BundleError("the bundle is damaged: data after its end");
  return files;
}

}  // namespace quill::portable
