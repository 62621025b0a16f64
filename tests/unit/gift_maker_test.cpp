// The gift maker's refusals: a puzzle the player would cut into a single piece.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "gift_maker.h"
#include "jpeg_writer.h"
#include "raster/bitmap.h"

namespace quill {
namespace {

std::vector<uint8_t> PictureOfSize(int width, int height) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  std::vector<uint8_t> jpeg;
  WriteJpeg(picture, 90, jpeg);
  return jpeg;
}

TEST(CheckPieceCount, RefusesAPuzzleOfOnePiece) {
  struct Case {
    const char* name;
    uint16_t asked;
    int width, height;
    const char* refusal;  // part of the message, or empty when the gift is accepted
  };
  const Case cases[] = {
      {"none asked for", 0, 400, 300, "A jigsaw needs at least 2 pieces"},
      {"one asked for", 1, 400, 300, "A jigsaw needs at least 2 pieces"},
      {"two on a picture one cell wide", 2, 8, 8,
       "The picture of 8x8 pixels cut into 2 pieces gives a single piece, and a jigsaw needs at least 2"},
      // 1 piece is nearer to 2 than the 4 of the smallest cells.
      {"two on a tiny square", 2, 12, 12, "gives a single piece"},
      {"many on a tiny square", 500, 12, 12, ""},
      {"two side by side", 2, 16, 8, ""},
      {"the usual", 100, 400, 300, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = c.asked;
    const std::vector<uint8_t> picture = PictureOfSize(c.width, c.height);
    if (*c.refusal == '\0') {
      EXPECT_NO_THROW(CheckPieceCount(header, picture));
      continue;
    }
    try {
      CheckPieceCount(header, picture);
      ADD_FAILURE() << "accepted";
    } catch (const UserError& error) {
      EXPECT_NE(std::string(error.what()).find(c.refusal), std::string::npos) << error.what();
    }
  }
}

TEST(CheckPieceCount, PictureThatDoesNotDecodeIsRefused) {
  GiftHeader header = DefaultGiftHeader();
  EXPECT_THROW(CheckPieceCount(header, {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3}), UserError);
}

}  // namespace
}  // namespace quill
