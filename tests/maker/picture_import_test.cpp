// Taking pictures into gifts: fitting to the bound, turning upright by the EXIF
// orientation (or a HEIF picture's own boxes), converting other formats (phones'
// HEIC, the web's AVIF and WebP, TIFF, ...), and refusing what the player cannot show.
#include "picture_import.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>
#include <string>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "heif_samples.h"
#include "picture_samples.h"

namespace quill {
namespace {

using namespace quill::testing;

Bitmap Decoded(const std::vector<uint8_t>& jpeg) {
  Bitmap bitmap;
  DecodeJpeg(jpeg.data(), jpeg.size(), bitmap, JpegCompleteness::Whole);
  return bitmap;
}

void ExpectNear(Colour shown, Colour expected, int tolerance, const std::string& where) {
  EXPECT_NEAR(RedOf(shown), RedOf(expected), tolerance) << where;
  EXPECT_NEAR(GreenOf(shown), GreenOf(expected), tolerance) << where;
  EXPECT_NEAR(BlueOf(shown), BlueOf(expected), tolerance) << where;
}

struct FitCase {
  PixelSize source, bound, fitted;
};

class FitWithinTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitWithinTest, KeepsTheAspectRatioAndNeverEnlarges) {
  EXPECT_EQ(FitWithin(GetParam().source, GetParam().bound), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FitWithinTest,
    ::testing::Values(FitCase{{4000, 3000}, {1280, 800}, {1067, 800}}, FitCase{{3000, 4000}, {1280, 800}, {600, 800}},
                      FitCase{{6000, 2000}, {1280, 800}, {1280, 427}}, FitCase{{1280, 800}, {1280, 800}, {1280, 800}},
                      FitCase{{640, 400}, {1280, 800}, {640, 400}}, FitCase{{1300, 10}, {1280, 800}, {1280, 10}},
                      FitCase{{100000, 20}, {1280, 800}, {1280, 1}}));

PictureFitting Bound(int32_t width, int32_t height) {
  PictureFitting fitting;
  fitting.MaxWidth = width;
  fitting.MaxHeight = height;
  return fitting;
}

TEST(ImportPicture, APhotoLargerThanTheDefaultBoundIsScaledToFitIt) {
  const std::vector<uint8_t> photo = JpegOf(PhotoSizedPicture(4000, 3000), 85);
  const ImportedPicture picture = ImportPicture(photo, PictureFitting{});
  EXPECT_EQ(picture.StoredSize, (PixelSize{1067, 800}));
  const Bitmap stored = Decoded(picture.Jpeg);
  EXPECT_EQ(stored.Width(), 1067);
  EXPECT_EQ(stored.Height(), 800);
  EXPECT_EQ(DescribeImport(picture),
            "1067 \u00D7 800, scaled from 4000 \u00D7 3000 to 1067 \u00D7 800 to fit 1280 \u00D7 800");
}

// A picture of fine black and white lines shrunk four times: averaging gives grey
// everywhere, picking the nearest pixel would give black or white.
TEST(ImportPicture, ShrinkingAveragesTheSourcePixels) {
  QImage lines(400, 400, QImage::Format_RGB32);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x) lines.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  const ImportedPicture picture = ImportPicture(EncodedAs(lines, "PNG"), Bound(100, 100));
  const Bitmap stored = Decoded(picture.Jpeg);
  ASSERT_EQ(stored.Width(), 100);
  for (int y = 5; y < 100; y += 9)
    for (int x = 5; x < 100; x += 9)
      ExpectNear(static_cast<Colour>(stored.PixelAt(x, y)), MakeColour(128, 128, 128), 12,
                 std::to_string(x) + "," + std::to_string(y));
}

// Four quadrants of their own colours show which corner went where.
constexpr Colour kRed = MakeColour(220, 30, 30), kGreen = MakeColour(30, 200, 40), kBlue = MakeColour(30, 40, 210),
                 kWhite = MakeColour(250, 250, 250);

Bitmap Quadrants(int width, int height) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      picture.SetPixel(x, y, bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed));
    }
  return picture;
}

struct OrientationCase {
  uint16_t orientation;
  PixelSize upright;
  Colour topLeft, topRight, bottomLeft, bottomRight;
};

class OrientationTest : public ::testing::TestWithParam<OrientationCase> {};

// Expects the stored picture upright: the case's size, each quadrant's colour in its
// corner, within `tolerance` of it.
void ExpectUpright(const ImportedPicture& picture, const OrientationCase& c, int tolerance) {
  EXPECT_EQ(picture.StoredSize, c.upright);
  const Bitmap stored = Decoded(picture.Jpeg);
  ASSERT_EQ(stored.Width(), c.upright.Width);
  ASSERT_EQ(stored.Height(), c.upright.Height);
  const int right = stored.Width() - 10, bottom = stored.Height() - 10;
  ExpectNear(static_cast<Colour>(stored.PixelAt(10, 10)), c.topLeft, tolerance, "top left");
  ExpectNear(static_cast<Colour>(stored.PixelAt(right, 10)), c.topRight, tolerance, "top right");
  ExpectNear(static_cast<Colour>(stored.PixelAt(10, bottom)), c.bottomLeft, tolerance, "bottom left");
  ExpectNear(static_cast<Colour>(stored.PixelAt(right, bottom)), c.bottomRight, tolerance, "bottom right");
}

// A camera stores an 80 × 60 picture and says how to show it; the gift stores it as
// it is to be seen. Orientation 6 is a phone held upright: a quarter turn clockwise.
TEST_P(OrientationTest, TheStoredPictureIsUpright) {
  const OrientationCase& c = GetParam();
  const ImportedPicture picture =
      ImportPicture(WithExifOrientation(JpegOf(Quadrants(80, 60), 95), c.orientation), PictureFitting{});
  EXPECT_EQ(picture.Orientation, c.orientation);
  ExpectUpright(picture, c, 16);
}

// A phone's HEIC picture is stored as the sensor saw it, with boxes that say how to
// turn it and an EXIF orientation that says the same: it is turned once, not twice.
TEST_P(OrientationTest, AHeicPictureIsTurnedByItsBoxesOnce) {
  const OrientationCase& c = GetParam();
  const ImportedPicture picture = ImportPicture(
      HeifOf(Quadrants(80, 60), heif_compression_HEVC, c.orientation, /*exifOrientationToo=*/true), PictureFitting{});
  EXPECT_EQ(picture.SourceFormat, "heic");
  ExpectUpright(picture, c, 24);
}

INSTANTIATE_TEST_SUITE_P(Exif, OrientationTest,
                         ::testing::Values(OrientationCase{1, {80, 60}, kRed, kGreen, kBlue, kWhite},
                                           OrientationCase{2, {80, 60}, kGreen, kRed, kWhite, kBlue},
                                           OrientationCase{3, {80, 60}, kWhite, kBlue, kGreen, kRed},
                                           OrientationCase{4, {80, 60}, kBlue, kWhite, kRed, kGreen},
                                           OrientationCase{5, {60, 80}, kRed, kBlue, kGreen, kWhite},
                                           OrientationCase{6, {60, 80}, kBlue, kRed, kWhite, kGreen},
                                           OrientationCase{7, {60, 80}, kWhite, kGreen, kBlue, kRed},
                                           OrientationCase{8, {60, 80}, kGreen, kWhite, kRed, kBlue}));

TEST(ImportPicture, ASidewaysPhotoIsTurnedBeforeItIsFitted) {
  const ImportedPicture picture =
      ImportPicture(WithExifOrientation(JpegOf(PhotoSizedPicture(4000, 3000), 80), 6), PictureFitting{});
  EXPECT_EQ(picture.UprightSize, (PixelSize{3000, 4000}));
  EXPECT_EQ(picture.StoredSize, (PixelSize{600, 800}));
  EXPECT_EQ(
      DescribeImport(picture),
      "600 \u00D7 800, turned upright from 4000 \u00D7 3000 (EXIF orientation 6), scaled from 3000 \u00D7 4000 to "
      "600 \u00D7 800 to fit 1280 \u00D7 800");
}

struct FormatCase {
  const char* name;
  std::vector<uint8_t> file;
  bool reencoded;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

// Every format comes out as a JPEG of the same picture; only a JPEG that needs no
// change keeps its own bytes.
TEST_P(FormatTest, BecomesTheJpegThePlayerDecodes) {
  const FormatCase& c = GetParam();
  ASSERT_FALSE(c.file.empty()) << "this system could not write the picture";
  const ImportedPicture picture = ImportPicture(c.file, PictureFitting{});
  EXPECT_EQ(picture.Reencoded, c.reencoded);
  if (!c.reencoded) {
    EXPECT_EQ(picture.Jpeg, c.file);
  }
  const Bitmap stored = Decoded(picture.Jpeg);
  ASSERT_EQ(stored.Width(), 80);
  ASSERT_EQ(stored.Height(), 60);
  ExpectNear(static_cast<Colour>(stored.PixelAt(10, 10)), kRed, 16, "top left");
  ExpectNear(static_cast<Colour>(stored.PixelAt(70, 50)), kWhite, 16, "bottom right");
}

QImage QuadrantImage() {
  const Bitmap bitmap = Quadrants(80, 60);
  return QImage(bitmap.Bits(), 80, 60, bitmap.Stride(), QImage::Format_BGR888).copy();
}

std::vector<uint8_t> CmykOf(CmykStorage storage) {
  std::vector<uint8_t> jpeg;
  WriteCmykJpeg(Quadrants(80, 60), storage, 95, jpeg);
  return jpeg;
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTest,
                         ::testing::Values(FormatCase{"Jpeg", JpegOf(Quadrants(80, 60), 95), false},
                                           FormatCase{"Png", EncodedAs(QuadrantImage(), "PNG"), true},
                                           FormatCase{"Bmp", EncodedAs(QuadrantImage(), "BMP"), true},
                                           FormatCase{"Ppm", EncodedAs(QuadrantImage(), "PPM"), true},
                                           FormatCase{"WebP", EncodedAs(QuadrantImage(), "WEBP"), true},
                                           FormatCase{"Tiff", EncodedAs(QuadrantImage(), "TIFF"), true},
                                           FormatCase{"Heic", HeifOf(Quadrants(80, 60), heif_compression_HEVC), true},
                                           FormatCase{"Avif", HeifOf(Quadrants(80, 60), heif_compression_AV1), true},
                                           FormatCase{"AdobeCmyk", CmykOf(CmykStorage::AdobeInverted), true},
                                           FormatCase{"Ycck", CmykOf(CmykStorage::AdobeYcck), true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ImportPicture, TransparentPartsAreShownOverWhite) {
  QImage image(40, 30, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter(&image).fillRect(0, 0, 20, 30, QColor(30, 40, 210));
  const Bitmap stored = Decoded(ImportPicture(EncodedAs(image, "PNG"), PictureFitting{}).Jpeg);
  ExpectNear(static_cast<Colour>(stored.PixelAt(5, 15)), kBlue, 16, "opaque half");
  ExpectNear(static_cast<Colour>(stored.PixelAt(35, 15)), MakeColour(255, 255, 255), 6, "transparent half");
}

struct RefusalCase {
  const char* name;
  std::vector<uint8_t> file;
  PictureFitting fitting;
  const char* says;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// What the player cannot show is refused with the reason, never stored.
TEST_P(RefusalTest, IsRefusedWithItsReason) {
  const RefusalCase& c = GetParam();
  try {
    ImportPicture(c.file, c.fitting);
    FAIL() << "imported";
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
  }
}

std::vector<uint8_t> CutShort(std::vector<uint8_t> file) {
  file.resize(file.size() * 2 / 3);
  return file;
}

PictureFitting KeepSize() {
  PictureFitting fitting;
  fitting.KeepSize = true;
  return fitting;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusalTest,
    ::testing::Values(RefusalCase{"Text", {'h', 'e', 'l', 'l', 'o', '\n'}, {}, "save it as JPEG or PNG first"},
                      RefusalCase{"HeicCutShort", CutShort(HeifOf(ScenePicture(64, 48), heif_compression_HEVC)), {},
                                  "save it as JPEG or PNG first"},
                      RefusalCase{"Empty", {}, {}, "empty"},
                      RefusalCase{"JpegCutShort", CutShort(JpegOf(ScenePicture(300, 200))), {}, "could not be read"},
                      RefusalCase{"PngCutShort",
                                  CutShort(EncodedAs(QuadrantImage().scaled(300, 200), "PNG")),
                                  {},
                                  "could not be read"},
                      RefusalCase{"WiderThanThePlayerCuts", JpegOf(SolidPicture(8200, 8, kRed), 50), KeepSize(),
                                  "at most 8191 pixels a side"},
                      RefusalCase{"LargerThanTheMakerReads",
                                  WithDeclaredSize(JpegOf(ScenePicture(64, 64)), 20000, 20000),
                                  {},
                                  "million pixels"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quill
