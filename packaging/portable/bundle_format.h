// The bundle a portable gift carries: the player, its libraries and Qt plugins as
// an archive of files, compressed with zstd. A portable file is
//
//   start-up program (a static ELF executable) | bundle header | compressed archive | gift
//
// The start-up program finds the bundle header where its own ELF image ends, so
// the gift appended after the bundle moves nothing.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace quill::portable {

struct BundleError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A folder the bundle cannot be unpacked into (read-only, full, not ours): another
// place may do.
struct PlaceError : BundleError {
  using BundleError::BundleError;
};

// Bundle header, 64 bytes, little-endian:
//   0  16  "QUILLMERE-BUNDLE"
//  16   4  format version (1)
//  20   4  zero
//  24   8  size of the compressed archive that follows the header
//  32  32  SHA-256 of the archive before compression
inline constexpr size_t kBundleHeaderSize = 64;
inline constexpr uint32_t kBundleVersion = 1;

struct BundleHeader {
  uint64_t CompressedSize = 0;
  std::array<uint8_t, 32> ContentHash{};

  // The name of the folder the bundle is unpacked into: the first 32 hex digits of
  // its content hash, so bundles that hold the same files share one folder.
  std::string Key() const;
};

std::array<uint8_t, kBundleHeaderSize> EncodeBundleHeader(const BundleHeader& header);
// Raises BundleError when the bytes are no bundle header of this version.
BundleHeader DecodeBundleHeader(std::span<const uint8_t, kBundleHeaderSize> bytes);

// Where the image of a 64-bit little-endian ELF file ends: after its section header
// table, which the linker writes last. `header` is the file's first 64 bytes.
// Raises BundleError for anything else.
uint64_t ElfImageEnd(std::span<const uint8_t, 64> header);

// The uncompressed archive: "QMARCHV2", then for each file a 32-bit path length,
// the path ('/'-separated, relative), a 32-bit mode (0644 or 0755, plus 0x10000
// when the bytes went through FilterBranches) and a 64-bit size, for filtered
// files the 64-bit begin and end of the filtered range, then the bytes; a zero
// path length ends it. x86-64 ELF files are filtered (branch_filter.h).
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const uint8_t* data, size_t size) = 0;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `size` bytes; 0 only at the end of the stream.
  virtual size_t Read(uint8_t* data, size_t size) = 0;
};

class ArchiveWriter {
 public:
  explicit ArchiveWriter(ByteSink& sink);
  // Raises BundleError for a path that could leave the folder it is unpacked into.
  void Add(const std::string& path, bool executable, std::span<const uint8_t> data);
  void Finish();

 private:
  ByteSink& sink_;
};

// True for a relative path of plain names: no empty, "." or ".." parts, no NUL.
bool IsSafeArchivePath(const std::string& path);

struct ExtractedFile {
  std::string Path;  // as the archive names it
  uint64_t Size = 0;
};

// Writes every file of the archive under `folder`, creating folders as needed, and
// returns them in archive order. Raises BundleError when the archive is damaged,
// names an unsafe path or a file twice, or goes on after its end; PlaceError when
// the folder cannot take the files.
std::vector<ExtractedFile> ExtractArchive(ByteSource& source, const std::string& folder);

}  // namespace quill::portable
