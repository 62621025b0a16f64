// The player's JPEG decoder: pictures from print work flows (CMYK, YCCK), the size
// read from the header alone, and pictures whose data ends early.
#include "common/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/errors.h"
#include "jpeg_samples.h"
#include "jpeg_writer.h"

namespace quill {
namespace {

using testing::SolidPicture;

struct CmykCase {
  const char* name;
  CmykStorage storage;
  Colour colour;
};

class CmykDecodeTest : public ::testing::TestWithParam<CmykCase> {};

// Each kind of four-channel picture comes back in its own colours: read with the
// wrong convention a red one would turn cyan or black.
TEST_P(CmykDecodeTest, DecodesToTheColoursItWasMadeFrom) {
  const CmykCase& c = GetParam();
  std::vector<uint8_t> jpeg;
  WriteCmykJpeg(SolidPicture(32, 24, c.colour), c.storage, 95, jpeg);
  Bitmap decoded;
  DecodeJpeg(jpeg.data(), jpeg.size(), decoded);
  ASSERT_EQ(decoded.Width(), 32);
  ASSERT_EQ(decoded.Height(), 24);
  const auto shown = static_cast<Colour>(decoded.PixelAt(16, 12));
  EXPECT_NEAR(RedOf(shown), RedOf(c.colour), 4);
  EXPECT_NEAR(GreenOf(shown), GreenOf(c.colour), 4);
  EXPECT_NEAR(BlueOf(shown), BlueOf(c.colour), 4);
}

INSTANTIATE_TEST_SUITE_P(PrintWorkFlows, CmykDecodeTest,
                         ::testing::Values(CmykCase{"PlainRed", CmykStorage::Plain, MakeColour(230, 20, 30)},
                                           CmykCase{"PlainGrey", CmykStorage::Plain, MakeColour(128, 128, 128)},
                                           CmykCase{"AdobeRed", CmykStorage::AdobeInverted, MakeColour(230, 20, 30)},
                                           CmykCase{"AdobeNavy", CmykStorage::AdobeInverted, MakeColour(10, 30, 120)},
                                           CmykCase{"YcckOrange", CmykStorage::AdobeYcck, MakeColour(250, 150, 40)},
                                           CmykCase{"YcckDarkGreen", CmykStorage::AdobeYcck, MakeColour(20, 90, 40)}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(JpegInfo, SizeComesFromTheHeaderEvenWhenThePixelsCouldNotBeDecoded) {
  const std::vector<uint8_t> jpeg = testing::SceneJpeg(120, 80, 3, 85);
  EXPECT_EQ(ReadJpegInfo(jpeg.data(), jpeg.size()), (JpegInfo{120, 80, 3}));
  // A header claiming a picture far larger than any the player takes is still read.
  const std::vector<uint8_t> huge = testing::WithDeclaredSize(jpeg, 30000, 30000);
  EXPECT_EQ(ReadJpegInfo(huge.data(), huge.size()), (JpegInfo{30000, 30000, 3}));
  const std::vector<uint8_t> noise = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  try {
    ReadJpegInfo(noise.data(), noise.size());
    FAIL() << "noise was read as a picture";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "The picture could not be read: the file is not a JPEG picture");
  }
  EXPECT_THROW(ReadJpegInfo(jpeg.data(), 0), UserError);
}

struct CutCase {
  const char* name;
  double keptFraction;  // of the file's bytes
};

class CutPictureTest : public ::testing::TestWithParam<CutCase> {};

// The player shows what it can of a picture cut short; the gift maker, asking for
// the whole picture, is refused.
TEST_P(CutPictureTest, IsShownByThePlayerAndRefusedWhenTheWholePictureIsRequired) {
  const std::vector<uint8_t> whole = testing::SceneJpeg(200, 150, 3, 85);
  const auto kept = static_cast<size_t>(static_cast<double>(whole.size()) * GetParam().keptFraction);
  Bitmap shown;
  DecodeJpeg(whole.data(), kept, shown, JpegCompleteness::Lenient);
  EXPECT_EQ(shown.Width(), 200);
  Bitmap refused;
  try {
    DecodeJpeg(whole.data(), kept, refused, JpegCompleteness::Whole);
    FAIL() << "a cut picture was taken whole";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()), "The picture could not be read: the picture is cut short");
  }
}

INSTANTIATE_TEST_SUITE_P(Cuts, CutPictureTest, ::testing::Values(CutCase{"Half", 0.5}, CutCase{"LastBytes", 0.98}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(JpegCompleteness, AWholePictureDecodesTheSameEitherWay) {
  const std::vector<uint8_t> jpeg = testing::SceneJpeg(64, 48, 3, 85);
  Bitmap lenient, whole;
  DecodeJpeg(jpeg.data(), jpeg.size(), lenient, JpegCompleteness::Lenient);
  DecodeJpeg(jpeg.data(), jpeg.size(), whole, JpegCompleteness::Whole);
  ASSERT_EQ(whole.Width(), 64);
  for (int y = 0; y < 48; y += 7)
    for (int x = 0; x < 64; x += 5) ASSERT_EQ(lenient.PixelAt(x, y), whole.PixelAt(x, y));
}

}  // namespace
}  // namespace quill
