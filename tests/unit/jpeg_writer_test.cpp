// WriteJpeg checked by decoding its output with libjpeg's own decompressor.
#include "jpeg_writer.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace quill {
namespace {

struct Decoded {
  int width = 0;
  int height = 0;
  int components = 0;
  std::vector<uint8_t> rgb;  // red, green, blue per pixel, rows packed

  const uint8_t* At(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1); }

// Decodes with plain libjpeg into `out` (sized by the caller's first call); false if
// libjpeg rejects the data.
bool Decode(const std::vector<uint8_t>& jpeg, Decoded& out) {
  jpeg_decompress_struct info;
  ErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.components = info.num_components;
  out.rgb.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + static_cast<size_t>(info.output_scanline) * static_cast<size_t>(out.width) * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

struct Rgb8 {
  int red, green, blue;
};

// Four flat quadrants, so each colour survives the 8×8 transform and the halved
// chroma resolution well away from the quadrant borders.
constexpr Rgb8 kQuadrants[4] = {{220, 30, 40}, {30, 200, 60}, {40, 60, 210}, {250, 250, 245}};

int QuadrantOf(int x, int y, int width, int height) { return (x < width / 2 ? 0 : 1) + (y < height / 2 ? 0 : 2); }

Bitmap QuadrantPicture(int width, int height) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const Rgb8& colour = kQuadrants[QuadrantOf(x, y, width, height)];
      row[3 * x + 0] = static_cast<uint8_t>(colour.blue);
      row[3 * x + 1] = static_cast<uint8_t>(colour.green);
      row[3 * x + 2] = static_cast<uint8_t>(colour.red);
    }
  }
  return picture;
}

struct RoundTripCase {
  int width, height, quality, tolerance;
};

class JpegWriterRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(JpegWriterRoundTrip, DecodesToSameSizeAndColours) {
  const RoundTripCase c = GetParam();
  std::vector<uint8_t> jpeg = {1, 2, 3};  // replaced, not appended to
  WriteJpeg(QuadrantPicture(c.width, c.height), c.quality, jpeg);
  ASSERT_GE(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);

  Decoded decoded;
  ASSERT_TRUE(Decode(jpeg, decoded));
  EXPECT_EQ(decoded.width, c.width);
  EXPECT_EQ(decoded.height, c.height);
  EXPECT_EQ(decoded.components, 3);
  // Sample every pixel at least 8 pixels away from a quadrant border.
  constexpr int kMargin = 8;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      if (std::abs(x - c.width / 2) < kMargin || std::abs(y - c.height / 2) < kMargin) continue;
      const Rgb8& expected = kQuadrants[QuadrantOf(x, y, c.width, c.height)];
      const uint8_t* got = decoded.At(x, y);
      ASSERT_NEAR(got[0], expected.red, c.tolerance) << "red at " << x << "," << y;
      ASSERT_NEAR(got[1], expected.green, c.tolerance) << "green at " << x << "," << y;
      ASSERT_NEAR(got[2], expected.blue, c.tolerance) << "blue at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegWriterRoundTrip,
                         testing::Values(RoundTripCase{64, 48, 90, 10},   // whole 16×16 blocks
                                         RoundTripCase{53, 37, 90, 10},   // partial blocks at the edges
                                         RoundTripCase{80, 64, 100, 6},   // best quality
                                         RoundTripCase{64, 64, 10, 40}),  // rough, but still the same colours
                         [](const testing::TestParamInfo<RoundTripCase>& param) {
                           const RoundTripCase& c = param.param;
                           return std::to_string(c.width) + "x" + std::to_string(c.height) + "q" +
                                  std::to_string(c.quality);
                         });

TEST(JpegWriter, LowerQualityGivesSmallerFile) {
  // A picture with detail, where quality makes a difference.
  Bitmap picture(96, 96, PixelFormat::Rgb24);
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 3 * 96; ++x)
      picture.ScanLine(y)[x] = static_cast<uint8_t>((x * 37 + y * 91 + (x ^ y) * 13) & 0xFF);
  }
  std::vector<uint8_t> fine, rough;
  WriteJpeg(picture, 95, fine);
  WriteJpeg(picture, 20, rough);
  EXPECT_LT(rough.size(), fine.size());
}

TEST(JpegWriter, RejectsBitmapsItCannotEncode) {
  std::vector<uint8_t> out;
  EXPECT_THROW(WriteJpeg(Bitmap(8, 8, PixelFormat::Pal8), 90, out), std::invalid_argument);
  EXPECT_THROW(WriteJpeg(Bitmap(8, 8, PixelFormat::Mono1), 90, out), std::invalid_argument);
  EXPECT_THROW(WriteJpeg(Bitmap(0, 8, PixelFormat::Rgb24), 90, out), std::invalid_argument);
  EXPECT_THROW(WriteJpeg(Bitmap(70000, 1, PixelFormat::Rgb24), 90, out), std::invalid_argument);
}

TEST(JpegWriter, FileHoldsTheSameBytes) {
  const Bitmap picture = QuadrantPicture(40, 24);
  std::vector<uint8_t> inMemory;
  WriteJpeg(picture, 85, inMemory);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "quillmere_jpeg_writer_test.jpg";
  WriteJpegFile(picture, 85, path.string());
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> onDisk((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  EXPECT_EQ(onDisk, inMemory);

  EXPECT_THROW(WriteJpegFile(picture, 85, "/nonexistent-directory/picture.jpg"), std::runtime_error);
}

}  // namespace
}  // namespace quill
