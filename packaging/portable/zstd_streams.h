// The bundle's archive compressed with zstd: a sink that compresses into a file
// while it hashes what it is given, and a source that reads a compressed range of
// a file back.
#pragma once
#include <zstd.h>

#include <cstdint>
#include <vector>

#include "bundle_format.h"
#include "sha256.h"

namespace quill::portable {

// Matches reach up to 128 MiB back: the bundled libraries repeat much of one another.
inline constexpr int kZstdWindowLog = 27;

// Raises BundleError naming `what` when a zstd call failed.
void CheckZstd(size_t result, const char* what);

class ZstdFileSink : public ByteSink {
 public:
  // Appends to the open file `fd`, at `level` (1..19), with a content checksum so
  // damage is found when the bundle is unpacked.
  ZstdFileSink(int fd, int level);
  ~ZstdFileSink() override;
  ZstdFileSink(const ZstdFileSink&) = delete;
  ZstdFileSink& operator=(const ZstdFileSink&) = delete;

  void Write(const uint8_t* data, size_t size) override;
  // Ends the frame; returns the SHA-256 of everything written.
  Sha256::Digest Finish();
  uint64_t CompressedSize() const { return compressedSize_; }

 private:
  void Pump(ZSTD_inBuffer& input, ZSTD_EndDirective mode);

  int fd_;
  ZSTD_CCtx* context_;
  Sha256 hash_;
  std::vector<uint8_t> output_;
  uint64_t compressedSize_ = 0;
};

class ZstdFileSource : public ByteSource {
 public:
  // Decompresses bytes [offset, offset + size) of the open file `fd`, which must
  // hold exactly one complete zstd frame.
  ZstdFileSource(int fd, uint64_t offset, uint64_t size);
  ~ZstdFileSource() override;
  ZstdFileSource(const ZstdFileSource&) = delete;
  ZstdFileSource& operator=(const ZstdFileSource&) = delete;

  size_t Read(uint8_t* data, size_t size) override;

 private:
  bool Refill();

  int fd_;
  uint64_t next_, end_;
  ZSTD_DCtx* context_;
  std::vector<uint8_t> input_;
  ZSTD_inBuffer inBuffer_{nullptr, 0, 0};
  bool frameDone_ = false;
};

}  // namespace quill::portable
