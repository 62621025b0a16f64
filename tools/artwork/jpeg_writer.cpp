#include "jpeg_writer.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
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

// The rows libjpeg is given: the bitmap's own (blue, green, red), or CMYK ink rows
// made from them one at a time.
struct Source {
  const Bitmap& rgb24;
  std::optional<CmykStorage> cmyk;
  std::vector<uint8_t> cmykRow;
};

// Ink amounts (0 none .. 255 full) of a blue, green, red pixel, the black pulled out
// as far as it goes; stored inverted for Adobe's kinds.
void BgrRowToCmyk(const uint8_t* bgr, int width, bool inverted, uint8_t* cmyk) {
  for (int x = 0; x < width; ++x, bgr += 3, cmyk += 4) {
    const int light = std::max({bgr[0], bgr[1], bgr[2]});
    const int inks[4] = {light - bgr[2], light - bgr[1], light - bgr[0], 255 - light};
    for (int i = 0; i < 4; ++i) {
      // Ink of a colour channel relative to the light left after black.
      int ink = inks[i];
      if (i < 3) ink = light == 0 ? 0 : (ink * 255 + light / 2) / light;
      cmyk[i] = static_cast<uint8_t>(inverted ? 255 - ink : ink);
    }
  }
}

void SetColourSpace(jpeg_compress_struct& info, const std::optional<CmykStorage>& cmyk) {
  if (!cmyk) {
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;  // our rows are blue, green, red
    return;
  }
  info.input_components = 4;
  info.in_color_space = JCS_CMYK;
}

void ChooseStoredColourSpace(jpeg_compress_struct& info, const std::optional<CmykStorage>& cmyk) {
  if (!cmyk) return;
  jpeg_set_colorspace(&info, *cmyk == CmykStorage::AdobeYcck ? JCS_YCCK : JCS_CMYK);
  // libjpeg marks CMYK and YCCK pictures as Adobe's; plain ink amounts go unmarked.
  info.write_Adobe_marker = *cmyk != CmykStorage::Plain;
}

JSAMPROW RowFor(Source& source, int y) {
  // libjpeg takes non-const rows but only reads them.
  uint8_t* bgr = const_cast<uint8_t*>(source.rgb24.ScanLine(y));
  if (!source.cmyk) return bgr;
  BgrRowToCmyk(bgr, source.rgb24.Width(), *source.cmyk != CmykStorage::Plain, source.cmykRow.data());
  return source.cmykRow.data();
}

// Runs the compressor into a malloc'd buffer from jpeg_mem_dest. Holds no C++ objects
// with destructors, so the long jump out of libjpeg skips nothing. On failure the
// library's message is left in `message`.
bool Compress(Source& source, int quality, unsigned char** buffer, unsigned long* size, char* message) {
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
  info.image_width = static_cast<JDIMENSION>(source.rgb24.Width());
  info.image_height = static_cast<JDIMENSION>(source.rgb24.Height());
  SetColourSpace(info, source.cmyk);
  jpeg_set_defaults(&info);
  ChooseStoredColourSpace(info, source.cmyk);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = RowFor(source, static_cast<int>(info.next_scanline));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

void Encode(Source& source, int quality, std::vector<uint8_t>& out) {
  const Bitmap& rgb24 = source.rgb24;
  if (rgb24.Format() != PixelFormat::Rgb24) throw std::invalid_argument("JPEG needs a 24-bit bitmap");
  if (rgb24.Empty()) throw std::invalid_argument("cannot encode an empty bitmap");
  if (rgb24.Width() > kMaxJpegSide || rgb24.Height() > kMaxJpegSide) {
    throw std::invalid_argument("bitmap too large for JPEG");
  }
  if (source.cmyk) source.cmykRow.resize(static_cast<size_t>(rgb24.Width()) * 4);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  if (!Compress(source, quality, &buffer, &size, message)) {
    // After a failure jpeg_mem_dest may have swapped its buffer for a larger one it
    // keeps to itself, so `buffer` can dangle: leaking is the safe choice here. With the
    // checks above only running out of memory gets this far.
    throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
  }
  out.assign(buffer, buffer + size);
  std::free(buffer);
}

}  // namespace

void WriteJpeg(const Bitmap& rgb24, int quality, std::vector<uint8_t>& out) {
  Source source{rgb24, std::nullopt, {}};
  Encode(source, quality, out);
}

void WriteCmykJpeg(const Bitmap& rgb24, CmykStorage storage, int quality, std::vector<uint8_t>& out) {
  Source source{rgb24, storage, {}};
  Encode(source, quality, out);
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
