#include "zstd_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace quill::portable {
namespace {

void Check(size_t result, const char* what) {
  if (ZSTD_isError(result)) throw BundleError(std::string(what) + ": " + ZSTD_getErrorName(result));
}

// Matches of up to 128 MiB back: libraries repeat much of one another.
constexpr int kWindowLog = 27;

}  // namespace

ZstdFileSink::ZstdFileSink(int fd, int level) : fd_(fd), context_(ZSTD_createCCtx()), output_(ZSTD_CStreamOutSize()) {
  if (!context_) throw BundleError("out of memory");
  Check(ZSTD_CCtx_setParameter(context_, ZSTD_c_compressionLevel, level), "compression level");
  Check(ZSTD_CCtx_setParameter(context_, ZSTD_c_checksumFlag, 1), "checksum");
  Check(ZSTD_CCtx_setParameter(context_, ZSTD_c_enableLongDistanceMatching, 1), "long matching");
  Check(ZSTD_CCtx_setParameter(context_, ZSTD_c_windowLog, kWindowLog), "window");
  // Two workers where the library has threads; the output is the same either way.
  ZSTD_CCtx_setParameter(context_, ZSTD_c_nbWorkers, 2);
}

ZstdFileSink::~ZstdFileSink() { ZSTD_freeCCtx(context_); }

void ZstdFileSink::Pump(ZSTD_inBuffer& input, ZSTD_EndDirective mode) {
  while (true) {
    ZSTD_outBuffer out{output_.data(), output_.size(), 0};
    const size_t remaining = ZSTD_compressStream2(context_, &out, &input, mode);
    Check(remaining, "compressing the bundle");
    for (size_t done = 0; done < out.pos;) {
      const ssize_t n = ::write(fd_, output_.data() + done, out.pos - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw BundleError(std::string("cannot write the bundle: ") + std::strerror(errno));
      done += size_t(n);
    }
    compressedSize_ += out.pos;
    const bool finished = mode == ZSTD_e_end ? remaining == 0 : input.pos == input.size;
    if (finished) return;
  }
}

void ZstdFileSink::Write(const uint8_t* data, size_t size) {
  hash_.Add(data, size);
  ZSTD_inBuffer input{data, size, 0};
  Pump(input, ZSTD_e_continue);
}

Sha256::Digest ZstdFileSink::Finish() {
  ZSTD_inBuffer input{nullptr, 0, 0};
  Pump(input, ZSTD_e_end);
  return hash_.Finish();
}

ZstdFileSource::ZstdFileSource(int fd, uint64_t offset, uint64_t size)
    : fd_(fd), next_(offset), end_(offset + size), context_(ZSTD_createDCtx()), input_(ZSTD_DStreamInSize()) {
  if (!context_) throw BundleError("out of memory");
  Check(ZSTD_DCtx_setParameter(context_, ZSTD_d_windowLogMax, kWindowLog), "window");
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
