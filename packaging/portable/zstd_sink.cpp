#include "zstd_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace quill::portable {

ZstdFileSink::ZstdFileSink(int fd, int level) : fd_(fd), context_(ZSTD_createCCtx()), output_(ZSTD_CStreamOutSize()) {
  if (!context_) throw BundleError("out of memory");
  CheckZstd(ZSTD_CCtx_setParameter(context_, ZSTD_c_compressionLevel, level), "compression level");
  CheckZstd(ZSTD_CCtx_setParameter(context_, ZSTD_c_checksumFlag, 1), "checksum");
  CheckZstd(ZSTD_CCtx_setParameter(context_, ZSTD_c_enableLongDistanceMatching, 1), "long matching");
  CheckZstd(ZSTD_CCtx_setParameter(context_, ZSTD_c_windowLog, kZstdWindowLog), "window");
  // Two workers where the library has threads, on jobs small enough to share the
  // bundle between them (each job still reaches back a whole window). The cache key
  // hashes the files, not this output, so it does not depend on how they were
  // compressed.
  ZSTD_CCtx_setParameter(context_, ZSTD_c_nbWorkers, 2);
  ZSTD_CCtx_setParameter(context_, ZSTD_c_jobSize, 16 << 20);
}

ZstdFileSink::~ZstdFileSink() { ZSTD_freeCCtx(context_); }

void ZstdFileSink::Pump(ZSTD_inBuffer& input, ZSTD_EndDirective mode) {
  while (true) {
    ZSTD_outBuffer out{output_.data(), output_.size(), 0};
    const size_t remaining = ZSTD_compressStream2(context_, &out, &input, mode);
    CheckZstd(remaining, "compressing the bundle");
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

}  // namespace quill::portable
