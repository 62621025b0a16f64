#include "zstd_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace quill::portable {

void CheckZstd(size_t result, const char* what) {
  if (ZSTD_isError(result)) throw BundleError(std::string(what) + ": " + ZSTD_getErrorName(result));
}

ZstdFileSource::ZstdFileSource(int fd, uint64_t offset, uint64_t size)
    : fd_(fd), next_(offset), end_(offset + size), context_(ZSTD_createDCtx()), input_(ZSTD_DStreamInSize()) {
  if (!context_) throw BundleError("out of memory");
  CheckZstd(ZSTD_DCtx_setParameter(context_, ZSTD_d_windowLogMax, kZstdWindowLog), "window");
}

ZstdFileSource::~ZstdFileSource() { ZSTD_freeDCtx(context_); }

bool ZstdFileSource::Refill() {
  if (next_ >= end_) return false;
  const size_t want = end_ - next_ < input_.size() ? size_t(end_ - next_) : input_.size();
  ssize_t got;
  do got = ::pread(fd_, input_.data(), want, off_t(next_));
  while (got < 0 && errno == EINTR);
  if (got <= 0) throw BundleError("the bundle is cut short");
  next_ += uint64_t(got);
  inBuffer_ = {input_.data(), size_t(got), 0};
  return true;
}

size_t ZstdFileSource::Read(uint8_t* data, size_t size) {
  ZSTD_outBuffer out{data, size, 0};
  while (out.pos == 0 && size > 0) {
    if (frameDone_) {
      if (inBuffer_.pos < inBuffer_.size || next_ < end_) throw BundleError("the bundle is damaged: data after its end");
      return 0;
    }
    const bool moreInput = inBuffer_.pos < inBuffer_.size || Refill();
    const size_t consumedBefore = inBuffer_.pos;
    const size_t hint = ZSTD_decompressStream(context_, &out, &inBuffer_);
    if (ZSTD_isError(hint)) throw BundleError(std::string("the bundle is damaged: ") + ZSTD_getErrorName(hint));
    if (hint == 0) frameDone_ = true;
    else if (!moreInput && out.pos == 0 && inBuffer_.pos == consumedBefore) throw BundleError("the bundle is cut short");
  }
  return out.pos;
}

}  // namespace quill::portable
