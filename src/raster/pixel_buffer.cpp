#include "raster/pixel_buffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace quill {

uint8_t *PixelBuffer::AllocateZeroed(size_t size) {
  if (size == 0)
    return nullptr;
  if (size < kMappedFrom) {
    void *block = std::calloc(size, 1);
    if (block == nullptr)
      throw std::bad_alloc();
    return static_cast<uint8_t *>(block);
  }
  void *pages = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (pages == MAP_FAILED)
    throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  // Only a hint: where huge pages are off, ordinary pages serve as before.
  madvise(pages, size, MADV_HUGEPAGE);
#endif
  return static_cast<uint8_t *>(pages);
}

void PixelBuffer::Release() {
  if (data_ == nullptr)
    return;
  if (size_ < kMappedFrom)
    std::free(data_);
  else
    munmap(data_, size_);
  data_ = nullptr;
  size_ = 0;
}

PixelBuffer::PixelBuffer(const PixelBuffer &other)
    : data_(AllocateZeroed(other.size_)), size_(other.size_) {
  if (size_ != 0)
    std::memcpy(data_, other.data_, size_);
}

PixelBuffer::PixelBuffer(PixelBuffer &&other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

PixelBuffer &PixelBuffer::operator=(const PixelBuffer &other) {
  if (this == &other)
    return *this;
  if (size_ != other.size_) {
    Release();
    data_ = AllocateZeroed(other.size_);
    size_ = other.size_;
  }
  if (size_ != 0)
    std::memcpy(data_, other.data_, size_);
  return *this;
}

PixelBuffer &PixelBuffer::operator=(PixelBuffer &&other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

PixelBuffer::~PixelBuffer() { Release(); }

void PixelBuffer::AssignZeros(size_t size) {
  if (size == size_) {
    if (size_ != 0)
      std::memset(data_, 0, size_);
    return;
  }
  // A new block rather than a resize: fresh pages are zero already.
  uint8_t *fresh = AllocateZeroed(size);
  Release();
  data_ = fresh;
  size_ = size;
}

} // namespace quill
