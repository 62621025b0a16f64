// The bytes of a bitmap: zeroed when allocated, copied with the bitmap.
// Large buffers come straight from the kernel as fresh anonymous pages, which
// are zero without being written, and are marked for huge pages: a 12-megapixel
// picture then costs some twenty page faults instead of nine thousand, and no
// pass that writes zeros just before the decoder overwrites them.
#pragma once
#include <cstddef>
#include <cstdint>

namespace quill {

class PixelBuffer {
public:
  PixelBuffer() = default;
  PixelBuffer(const PixelBuffer &other);
  PixelBuffer(PixelBuffer &&other) noexcept;
  PixelBuffer &operator=(const PixelBuffer &other);
  PixelBuffer &operator=(PixelBuffer &&other) noexcept;
  ~PixelBuffer();

  // Makes the buffer `size` bytes long, every byte zero.
  void AssignZeros(size_t size);

  uint8_t *data() { return data_; }
  const uint8_t *data() const { return data_; }
  size_t size() const { return size_; }
  uint8_t *begin() { return data_; }
  uint8_t *end() { return data_ + size_; }

  // From this size on, buffers are mapped pages of their own rather than heap
  // blocks.
  static constexpr size_t kMappedFrom = size_t{1} << 20;

private:
  void Release();
  // A zeroed block of `size` bytes (nullptr for 0); throws std::bad_alloc.
  static uint8_t *AllocateZeroed(size_t size);

  uint8_t *data_ = nullptr;
  size_t size_ = 0;
};

} // namespace quill
