// SHA-256, for naming the folder a portable player is unpacked into after what it
// holds.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace quill::portable {

class Sha256 {
 public:
  using Digest = std::array<uint8_t, 32>;

  Sha256();
  void Add(const uint8_t* data, size_t size);
  // The digest of everything added; the object is spent afterwards.
  Digest Finish();

 private:
  void Compress(const uint8_t* block);

  std::array<uint32_t, 8> state_;
  std::array<uint8_t, 64> block_{};
  size_t blockUsed_ = 0;
  uint64_t totalBytes_ = 0;
};

}  // namespace quill::portable
