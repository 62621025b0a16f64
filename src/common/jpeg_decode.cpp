#include "common/jpeg_decode.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "common/errors.h"
#include "common/translate.h"

namespace quill {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back
// to the function that started the decompressor and turn the message into an
// exception there. Warnings that data is missing jump the same way when the whole
// picture is required.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool wholeRequired;
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// The warnings that mean part of the picture is missing: the data ends early, or a
// segment breaks off at a marker.
bool MeansDataMissing(int code) { return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER; }

void OnMessage(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && errors->wholeRequired && MeansDataMissing(info->err->msg_code)) OnFatalError(info);
}

// The failure in plain words where libjpeg's own text would puzzle a person (a file
// that is no JPEG, a picture cut short); nullptr where libjpeg's text is kept.
const char* PlainFailure(int code) {
  switch (code) {
    case JERR_NO_SOI: return TextMark("Messages", "the file is not a JPEG picture");
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY: return TextMark("Messages", "the picture is cut short");
    default: return nullptr;
  }
}

// Starts a decompressor on `data`, reads the header and runs `read` on it, which
// returns a failure text or nullptr. Returns the failure, from `read` or from
// libjpeg, or "" on success. Nothing with a destructor may live in `read` or in
// this function between setjmp and the end of `read`.
template <typename Read>
std::string RunDecompressor(const uint8_t* data, size_t size, JpegCompleteness completeness, Read&& read) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.emit_message = OnMessage;
  errors.wholeRequired = completeness == JpegCompleteness::Whole;
  std::string failure;
  if (setjmp(errors.jump) != 0) {
    const char* plain = PlainFailure(errors.base.msg_code);
    failure = plain ? plain : errors.message;
  } else {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (const char* refused = read(info)) failure = refused;
  }
  jpeg_destroy_decompress(&info);
  return failure;
}

// The failure of a picture larger than the decoder takes; others are libjpeg's own.
constexpr const char* kTooLarge = TextMark("Messages", "the picture is too large");

[[noreturn]] void ThrowUnreadable(const std::string& failure) {
  throw UserError(FillArgs(Tr("Messages", "The picture could not be read: %1"), {Tr("Messages", failure.c_str())}));
}

bool TooLarge(const jpeg_decompress_struct& info) {
  return info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide ||
         int64_t{info.image_width} * info.image_height > kMaxJpegPixels;
}

bool IsCmyk(const jpeg_decompress_struct& info) {
  return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// Adobe's applications store CMYK inverted (255 = no ink) and mark their files with
// an APP14 segment; other CMYK pictures store the amounts of ink. YCCK pictures
// come from Adobe's applications only, and libjpeg turns them into that CMYK.
void CmykRowToBgr(const JSAMPLE* cmyk, uint8_t* bgr, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    const int black = inverted ? cmyk[3] : 255 - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      const int light = inverted ? cmyk[c] : 255 - cmyk[c];
      bgr[2 - c] = static_cast<uint8_t>((light * black + 127) / 255);
    }
  }
}

void ReadRgbRows(jpeg_decompress_struct& info, Bitmap& target) {
  const bool cmyk = info.out_color_space == JCS_CMYK;
  JSAMPARRAY cmykRow =
      cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1)
           : nullptr;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = target.ScanLine(static_cast<int>(info.output_scanline));
    if (!cmyk) {
      jpeg_read_scanlines(&info, &row, 1);
      continue;
    }
    jpeg_read_scanlines(&info, cmykRow, 1);
    CmykRowToBgr(cmykRow[0], row, info.output_width, info.saw_Adobe_marker);
  }
}

void TakePalette(const jpeg_decompress_struct& info, Bitmap& target) {
  auto& palette = target.Palette();
  palette.fill(kBlack);
  for (int i = 0; i < info.actual_number_of_colors && i < static_cast<int>(palette.size()); ++i)
    palette[static_cast<size_t>(i)] = MakeColour(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]);
}

// Decodes into `target`: 24-bit when colours is 0, else 8-bit through the quantiser.
void Decode(const uint8_t* data, size_t size, int colours, JpegCompleteness completeness, Bitmap& target) {
  const std::string failure =
      RunDecompressor(data, size, completeness, [&](jpeg_decompress_struct& info) -> const char* {
        if (TooLarge(info)) return kTooLarge;
        if (colours == 0) {
          // Rows go straight into the bitmap's byte order; CMYK is converted here.
          info.out_color_space = IsCmyk(info) ? JCS_CMYK : JCS_EXT_BGR;
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
        ReadRgbRows(info, target);
        if (colours != 0) TakePalette(info, target);
        jpeg_finish_decompress(&info);
        return nullptr;
      });
  if (!failure.empty()) ThrowUnreadable(failure);
}

}  // namespace

JpegInfo ReadJpegInfo(const uint8_t* data, size_t size) {
  JpegInfo found;
  const std::string failure =
      RunDecompressor(data, size, JpegCompleteness::Lenient, [&](jpeg_decompress_struct& info) -> const char* {
        found = {static_cast<int32_t>(std::min<JDIMENSION>(info.image_width, INT32_MAX)),
                 static_cast<int32_t>(std::min<JDIMENSION>(info.image_height, INT32_MAX)), info.num_components};
        return nullptr;
      });
  if (!failure.empty()) ThrowUnreadable(failure);
  return found;
}

void DecodeJpeg(const uint8_t* data, size_t size, Bitmap& target, JpegCompleteness completeness) {
  Decode(data, size, 0, completeness, target);
}

void DecodeJpegPalette(const uint8_t* data, size_t size, int colours, Bitmap& target) {
  Decode(data, size, std::clamp(colours, 2, 256), JpegCompleteness::Lenient, target);
}

}  // namespace quill
