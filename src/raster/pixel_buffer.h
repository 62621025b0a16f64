// The bytes of a bitmap: zeroed when allocated, copied with the bitmap.
// A new block is zeroed by calloc, which leaves fresh pages from the kernel as they
// are (zero already) instead of writing zeros that the decoder overwrites at once;
// large blocks are marked for huge pages, so where the system has them a
// 12-megapixel picture costs some twenty page faults instead of nine thousand.
#pragma once
#include <cstddef>
#include <cstdint>

namespace quill {

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(const PixelBuffer& other);
  PixelBuffer(PixelBuffer&& other) noexcept;
  PixelBuffer& operator=(const PixelBuffer& other);
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;
  ~PixelBuffer();

  // Makes the buffer `size` bytes long, every byte zero.
  void AssignZeros(size_t size);

  uint8_t* data() { return data_; }
  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }
  uint8_t* begin() { return data_; }
  uint8_t* end() { return data_ + size_; }

  // From this size on, blocks are marked for huge pages (two of them at least).
  static constexpr size_t kHugePagesFrom = size_t{4} << 20;

 private:
  void Release();
  // A block of `size` bytes (nullptr for 0), zeroed if asked: copies overwrite
  // theirs at once. Throws std::bad_alloc.
  static uint8_t* Allocate(size_t size, bool zeroed);

  uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace quill
