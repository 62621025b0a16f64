#include "common/jpeg_decode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "common/errors.h"

namespace quill {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back
// to DecodeJpeg and turn the message into an exception there.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

void OnWarning(j_common_ptr, int) {}


// Decodes into `target`: 24-bit when colours is 0, else 8-bit through the quantiser.
void Decode(const uint8_t* data, size_t size, int colours, Bitmap& target) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.emit_message = OnWarning;
  std::string failure;

  // Nothing with a destructor may live between setjmp and longjmp.
  if (setjmp(errors.jump) != 0) {
    failure = errors.message;
  } else {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide ||
        int64_t{info.image_width} * info.image_height > kMaxJpegPixels) {
      failure = "the picture is too large";
    } else {
      if (colours == 0) {
        info.out_color_space = JCS_EXT_BGR;  // rows go straight into the bitmap's byte order
      } else {
        info.out_color_space = JCS_RGB;  // grey pictures too, so the palette is always RGB
        info.quantize_colors = TRUE;
        info.two_pass_quantize = TRUE;
        info.dither_mode = JDITHER_FS;
        info.desired_number_of_colors = colours;
      }
      jpeg_start_decompress(&info);
      target.SetFormat(colours == 0 ? PixelFormat::Rgb24 : PixelFormat::Pal8);
      target.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
      while (info.output_scanline < info.output_height) {
        JSAMPROW row = target.ScanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
      }
      if (colours != 0) {
        auto& palette = target.Palette();
        palette.fill(kBlack);
        for (int i = 0; i < info.actual_number_of_colors && i < static_cast<int>(palette.size()); ++i)
          palette[static_cast<size_t>(i)] = MakeColour(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]);
      }
      jpeg_finish_decompress(&info);
    }
  }
  jpeg_destroy_decompress(&info);
  if (!failure.empty()) throw UserError("The picture could not be read: " + failure);
}

}  // namespace

void DecodeJpeg(const uint8_t* data, size_t size, Bitmap& target) { Decode(data, size, 0, target); }

void DecodeJpegPalette(const uint8_t* data, size_t size, int colours, Bitmap& target) {
  Decode(data, size, std::clamp(colours, 2, 256), target);
}

}  // namespace quill
