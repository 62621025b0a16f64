// Gift requests: what is refused field by field before anything is made, and the gift
// that is written.
#include "gift_request.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "common/jpeg_decode.h"
#include "game/gift_scan.h"
#include "game/program_file.h"
#include "gift_maker.h"
#include "heif_samples.h"
#include "picture_samples.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using namespace quill::testing;

class GiftRequestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    folder =
        fs::temp_directory_path() / ("quill-maker-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(folder);
    WriteFile(folder / "player", std::vector<uint8_t>(5000, 'p'));
    WriteFile(folder / "photo.jpg", JpegOf(PhotoSizedPicture(1600, 1200), 85));
    WriteFile(folder / "song.ogg", {'O', 'g', 'g', 'S'});
    request.PlayerPath = (folder / "player").string();
    request.PicturePath = (folder / "photo.jpg").string();
    request.OutputPath = (folder / "gift").string();
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  GiftRequest request;
};

struct FaultCase {
  const char* name;
  std::function<void(GiftRequest&)> spoil;
  const char* field;
  const char* says;
};

class RequestFaultTest : public GiftRequestTest, public ::testing::WithParamInterface<FaultCase> {};

// Each fault is found before anything is read, named by its field, and nothing else
// is blamed.
TEST_P(RequestFaultTest, IsNamedByItsField) {
  ASSERT_TRUE(ValidateGiftRequest(request).empty());
  GetParam().spoil(request);
  const std::vector<FieldError> errors = ValidateGiftRequest(request);
  ASSERT_EQ(errors.size(), 1u) << (errors.empty() ? "" : errors[0].Field + ": " + errors[0].Message);
  EXPECT_EQ(errors[0].Field, GetParam().field);
  EXPECT_NE(errors[0].Message.find(GetParam().says), std::string::npos) << errors[0].Message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RequestFaultTest,
    ::testing::Values(
        FaultCase{"NoPicture", [](GiftRequest& r) { r.PicturePath.clear(); }, "PicturePath", "is needed"},
        FaultCase{"MissingPicture", [](GiftRequest& r) { r.PicturePath += ".gone"; }, "PicturePath", "is not a file"},
        FaultCase{"GiftOverThePlayer", [](GiftRequest& r) { r.OutputPath = r.PlayerPath; }, "OutputPath",
                  "would overwrite"},
        FaultCase{"NoOutputFolder", [](GiftRequest& r) { r.OutputPath += "-folder/gift"; }, "OutputPath",
                  "does not exist"},
        FaultCase{"TitleTooLong", [](GiftRequest& r) { r.Settings.Title = std::string(70, 't'); }, "Settings.Title",
                  "70 characters long, 6 more than the 64"},
        FaultCase{"AccentsCountOnce",
                  [](GiftRequest& r) { r.Settings.CreatorName = "Zo\u00E9" + std::string(62, 'e'); },
                  "Settings.CreatorName", "65 characters long, 1 more than the 64"},
        FaultCase{"LineBreaksCountTwo",
                  [](GiftRequest& r) { r.Settings.Description = std::string(1020, 'd') + "\n\n\n"; },
                  "Settings.Description", "1026 characters long, 2 more than the 1024"},
        FaultCase{"CharactersOutsideTheCodePage",
                  [](GiftRequest& r) { r.Settings.OpeningMessage = "Sto lat, \u0141ukasz! \U0001F382 \u0141"; },
                  "Settings.OpeningMessage", "\"\u0141\" U+0141, \"\U0001F382\" U+1F382"},
        FaultCase{"NotUtf8", [](GiftRequest& r) { r.Settings.ClosingMessage = "caf\xE9"; }, "Settings.ClosingMessage",
                  "U+FFFD (bytes that are not UTF-8)"},
        FaultCase{"FontNameTooLong", [](GiftRequest& r) { r.Settings.ClosingFont.Name = std::string(32, 'f'); },
                  "Settings.ClosingFont.Name", "1 more than the 31"},
        FaultCase{"UnknownColourName", [](GiftRequest& r) { r.Settings.OpeningColourName = "clSunset"; },
                  "Settings.OpeningColourName", "\"clSunset\" is neither a colour name"},
        FaultCase{"StyleOutOfRange", [](GiftRequest& r) { r.Settings.PieceStyle = 7; }, "Settings.PieceStyle",
                  "from 1 to 6"},
        FaultCase{"BoundTooSmall", [](GiftRequest& r) { r.Fitting.MaxHeight = 8; }, "Fitting.MaxHeight",
                  "from 16 to 8191"},
        FaultCase{"MusicExtensionTooLong",
                  [](GiftRequest& r) {
                    r.MusicPath = fs::path(r.PlayerPath).replace_filename("song.ogg").string();
                    r.MusicExtension = ".flac";
                  },
                  "MusicExtension", "one to three letters or digits"},
        FaultCase{
            "TemplatesWithoutCount",
            [](GiftRequest& r) { r.TemplatesPath = fs::path(r.PlayerPath).replace_filename("song.ogg").string(); },
            "TemplateCount", "number of templates"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(GiftRequestTest, TheGiftHoldsTheFittedPictureAndTheTextsInItsCodePage) {
  request.Settings.Title = "Caf\u00E9 \u20AC5";
  request.Settings.OpeningMessage = "Hello\nthere";
  request.MusicPath = (folder / "song.ogg").string();
  std::vector<int> percents;
  const MadeGift made = MakeGift(request, [&](int percent, const std::string&) { percents.push_back(percent); });

  EXPECT_EQ(made.Picture.StoredSize, (PixelSize{1067, 800}));
  EXPECT_EQ(made.FileSize, static_cast<int64_t>(fs::file_size(request.OutputPath)));
  ProgramFile file(request.OutputPath);
  const GiftHeader header = FindGiftHeader(file);
  EXPECT_EQ(header.PictureOffset, 5000);
  EXPECT_EQ(header.PictureSize, static_cast<int32_t>(made.Picture.Jpeg.size()));
  const std::vector<uint8_t> stored = file.ReadBlock(header.PictureOffset, header.PictureSize);
  EXPECT_EQ(ReadJpegInfo(stored.data(), stored.size()), (JpegInfo{1067, 800, 3}));
  EXPECT_EQ(header.Title,
            "Caf\xE9 \x80"
            "5");
  EXPECT_EQ(header.OpeningMessage, "Hello\r\nthere");
  EXPECT_EQ(header.MusicExtension, ".ogg");
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.back(), 100);
}

// A picture that cannot be stored is blamed on its field, and a gift of the same
// name from before stays as it was, with no half-written file beside it.
TEST_F(GiftRequestTest, APictureThatDoesNotImportLeavesTheOlderGiftAlone) {
  WriteFile(request.OutputPath, {'o', 'l', 'd'});
  std::vector<uint8_t> cut = JpegOf(ScenePicture(300, 200));
  cut.resize(cut.size() / 2);
  WriteFile(folder / "cut.jpg", cut);
  request.PicturePath = (folder / "cut.jpg").string();
  try {
    MakeGift(request);
    FAIL() << "made";
  } catch (const GiftRequestError& e) {
    ASSERT_EQ(e.Errors().size(), 1u);
    EXPECT_EQ(e.Errors()[0].Field, "PicturePath");
  }
  EXPECT_EQ(fs::file_size(request.OutputPath), 3u);
  EXPECT_FALSE(fs::exists(request.OutputPath + ".part"));
}

// The size told before the gift is made is the size of the gift made, whatever it
// carries, and a .zip holds that gift under the archive's name.
TEST_F(GiftRequestTest, TheSizeToldBeforehandIsTheGiftsSize) {
  WriteFile(folder / "skin.jpg", JpegOf(ScenePicture(64, 32)));
  struct Case {
    const char* name;
    std::function<void(GiftRequest&)> choose;
  };
  const Case cases[] = {
      {"picture only", [](GiftRequest&) {}},
      {"music, skin and texts",
       [&](GiftRequest& r) {
         r.MusicPath = (folder / "song.ogg").string();
         r.SkinPath = (folder / "skin.jpg").string();
         r.Settings.OpeningMessage = std::string(900, 'w');
       }},
      {"own size", [](GiftRequest& r) { r.Fitting.KeepSize = true; }},
  };
  for (const Case& c : cases) {
    GiftRequest r = request;
    c.choose(r);
    const ImportedPicture picture = ImportPicture(ReadWholeFile(r.PicturePath), r.Fitting);
    const int64_t told = EstimateGiftSize(r, picture.Jpeg);
    const MadeGift made = MakeGift(r);
    EXPECT_EQ(told, made.GiftSize) << c.name;
    EXPECT_EQ(made.FileSize, static_cast<int64_t>(fs::file_size(r.OutputPath))) << c.name;
  }
}

TEST_F(GiftRequestTest, AZipNameWritesTheGiftInsideAnArchive) {
  const MadeGift plain = MakeGift(request);
  request.OutputPath = (folder / "Garden.zip").string();
  const MadeGift zipped = MakeGift(request);
  EXPECT_EQ(zipped.GiftSize, plain.GiftSize);
  EXPECT_EQ(zipped.FileSize, static_cast<int64_t>(fs::file_size(request.OutputPath)));
  EXPECT_LT(zipped.FileSize, zipped.GiftSize) << "the player part compresses";
  const std::vector<uint8_t> zip = ReadWholeFile(request.OutputPath);
  ASSERT_GT(zip.size(), 36u);
  EXPECT_EQ(std::string(zip.begin() + 30, zip.begin() + 36), "Garden") << "the entry's name";
  EXPECT_FALSE(fs::exists(request.OutputPath + ".part"));
}

// A phone's or the web's picture makes a gift like a JPEG does: fitted to the bound,
// upright (a sideways-stored HEIC turned by its own boxes).
TEST_F(GiftRequestTest, EachPictureFormatMakesAFittedGift) {
  // Small, as HEVC and AV1 encoders are slow, and fitted to a small bound.
  const Bitmap photo = PhotoSizedPicture(640, 480);
  const QImage image = QImage(photo.Bits(), 640, 480, photo.Stride(), QImage::Format_BGR888).copy();
  request.Fitting.MaxWidth = 400;
  request.Fitting.MaxHeight = 300;
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    PixelSize stored;
  };
  const Case cases[] = {
      {"picture.heic", HeifOf(photo, heif_compression_HEVC), {400, 300}},
      {"sideways.heic", HeifOf(photo, heif_compression_HEVC, 6, true), {225, 300}},
      {"picture.avif", HeifOf(photo, heif_compression_AV1), {400, 300}},
      {"picture.webp", EncodedAs(image, "WEBP"), {400, 300}},
      {"picture.tiff", EncodedAs(image, "TIFF"), {400, 300}},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(c.file.empty()) << c.name;
    WriteFile(folder / c.name, c.file);
    request.PicturePath = (folder / c.name).string();
    const MadeGift made = MakeGift(request);
    EXPECT_EQ(made.Picture.StoredSize, c.stored) << c.name;
    ProgramFile file(request.OutputPath);
    const GiftHeader header = FindGiftHeader(file);
    const std::vector<uint8_t> stored = file.ReadBlock(header.PictureOffset, header.PictureSize);
    EXPECT_EQ(ReadJpegInfo(stored.data(), stored.size()), (JpegInfo{c.stored.Width, c.stored.Height, 3})) << c.name;
  }
}

TEST(ReadableSize, SaysSizesAsFileManagersDo) {
  struct Case {
    int64_t bytes;
    const char* text;
  };
  for (const Case& c : {Case{0, "0 KB"}, Case{1, "1 KB"}, Case{999000, "999 KB"}, Case{1300000, "1.3 MB"},
                        Case{9949999, "9.9 MB"}, Case{17200000, "17 MB"}}) {
    EXPECT_EQ(ReadableSize(c.bytes), c.text) << c.bytes;
  }
}

}  // namespace
}  // namespace quill
