#include "jpeg_writer.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace quill {
namespace {

// The largest side a JPEG frame header can hold with libjpeg.
constexpr int kMaxJpegSide = 65500;

// libjpeg reports fatal errors through error_exit, which must not return. We jump
// back to the compressing function instead of letting the library call exit().
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

// Runs the compressor into a malloc'd buffer from jpeg_mem_dest. Holds no C++ objects
// with destructors, so the long jump out of libjpeg skips nothing. On failure the
// library's message is left in `message`.
bool Compress(const Bitmap& rgb24, int quality, unsigned char** buffer, unsigned long* size, char* message) {
  jpeg_compress_struct info{};  // zeroed, so destroying it is safe whenever an error strikes
  ErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  if (setjmp(trap.jump)) {
    trap.manager.format_message(reinterpret_cast<j_common_ptr>(&info), message);
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(rgb24.Width());
  info.image_height = static_cast<JDIMENSION>(rgb24.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;  // our rows are blue, green, red
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg takes non-const rows but only reads them.
    JSAMPROW row = const_cast<JSAMPROW>(rgb24.ScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

void WriteJpeg(const Bitmap& rgb24, int quality, std::vector<uint8_t>& out) {
  if (rgb24.Format() != PixelFormat::Rgb24) throw std::invalid_argument("JPEG needs a 24-bit bitmap");
  if (rgb24.Empty()) throw std::invalid_argument("cannot encode an empty bitmap");
  if (rgb24.Width() > kMaxJpegSide || rgb24.Height() > kMaxJpegSide) {
    throw std::invalid_argument("bitmap too large for JPEG");
  }
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  if (!Compress(rgb24, quality, &buffer, &size, message)) {
    // After a failure jpeg_mem_dest may have swapped its buffer for a larger one it
    // keeps to itself, so `buffer` can dangle: leaking is the safe choice here. With the
    // checks above only running out of memory gets this far.
    throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
  }
  out.assign(buffer, buffer + size);
  std::free(buffer);
}

void WriteJpegFile(const Bitmap& rgb24, int quality, const std::string& path) {
  std::vector<uint8_t> encoded;
  WriteJpeg(rgb24, quality, encoded);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(encoded.data()), static_cast<std::streamsize>(encoded.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace quill
