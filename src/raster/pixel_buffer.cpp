#include "raster/pixel_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace quill {

namespace {

// Asks for huge pages for the whole pages inside the block. Only a hint: where huge
// pages are off, ordinary pages serve as before.
void AdviseHugePages(void* block, size_t size) {
#ifdef MADV_HUGEPAGE
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t first = (reinterpret_cast<uintptr_t>(block) + page - 1) & ~(page - 1);
  const uintptr_t last = (reinterpret_cast<uintptr_t>(block) + size) & ~(page - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)block;
  (void)size;
#endif
}

}  // namespace

uint8_t* PixelBuffer::Allocate(size_t size, bool zeroed) {
  if (size == 0) return nullptr;
  void* block = zeroed ? std::calloc(size, 1) : std::malloc(size);
  if (block == nullptr) throw std::bad_alloc();
  if (size >= kHugePagesFrom) AdviseHugePages(block, size);
  return static_cast<uint8_t*>(block);
}

void PixelBuffer::Release() {
  std::free(data_);
  data_ = nullptr;
  size_ = 0;
}

PixelBuffer::PixelBuffer(const PixelBuffer& other) : data_(Allocate(other.size_, false)), size_(other.size_) {
  if (size_ != 0) std::memcpy(data_, other.data_, size_);
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other) {
  if (this == &other) return *this;
  if (size_ != other.size_) {
    uint8_t* fresh = Allocate(other.size_, false);
    Release();
    data_ = fresh;
    size_ = other.size_;
  }
  if (size_ != 0) std::memcpy(data_, other.data_, size_);
  return *this;
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
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
    if (size_ != 0) std::memset(data_, 0, size_);
    return;
  }
  // A new block rather than a resize: calloc need not clear fresh pages.
  uint8_t* fresh = Allocate(size, true);
  Release();
  data_ = fresh;
  size_ = size;
}

}  // namespace quill
