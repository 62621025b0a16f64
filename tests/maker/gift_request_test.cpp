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
#include "game/gift_texts.h"
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
        FaultCase{"TitleTooLong", [](GiftRequest& r) { r.Settings.Title = std::string(300, 't'); }, "Settings.Title",
                  "300 bytes of UTF-8, 44 more than the 256"},
        FaultCase{"LettersCountTheirBytes",
                  [](GiftRequest& r) {
                    for (int i = 0; i < 2049; ++i) r.Settings.OpeningMessage += "\u0142";
                  },
                  "Settings.OpeningMessage", "4098 bytes of UTF-8, 2 more than the 4096"},
        FaultCase{"LineBreaksCountOnce",
                  [](GiftRequest& r) { r.Settings.Description = std::string(4095, 'd') + "\r\n\r\n"; },
                  "Settings.Description", "4097 bytes of UTF-8, 1 more than the 4096"},
        FaultCase{"FontNameOutsideTheCodePage",
                  [](GiftRequest& r) { r.Settings.OpeningFont.Name = "\u0141\u00F3d\u017A Sans \U0001F382"; },
                  "Settings.OpeningFont.Name", "\"\u0141\" U+0141, \"\u017A\" U+017A, \"\U0001F382\" U+1F382"},
        FaultCase{"NotUtf8", [](GiftRequest& r) { r.Settings.ClosingMessage = "caf\xE9"; }, "Settings.ClosingMessage",
                  "has bytes that are not UTF-8 text"},
        FaultCase{"HoldsTheHeaderMarker",
                  [](GiftRequest& r) { r.Settings.Description = "see $#GiftHdrStart#$ here"; },
                  "Settings.Description", "may not hold \"$#GiftHdrStart#$\""},
        FaultCase{"LanguageThatIsNoCode", [](GiftRequest& r) { r.Language = "pl pl"; }, "Language",
                  "\"pl pl\" is not a language code"},
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

// Texts in any script: whole in the text block, which the player reads; their closest
// Windows-1252 form, cut to the field, in the header for older players.
TEST_F(GiftRequestTest, TextsInAnyScriptAreKeptWholeWithTheirClosestFormInTheHeader) {
  request.Settings.Title = "Wszystkiego najlepszego, \u0141ukasz! \u0105\u0119\u015B\u0107 \u017C\u00F3\u0142w";
  request.Settings.CreatorName = "\u0410\u043D\u044F \U0001F600";
  request.Settings.OpeningMessage = "Wszystkiego najlepszego!\r\n\u0421 \u0434\u043D\u0451\u043C!\n\u304A\u8A95\u751F\u65E5";
  request.Settings.ClosingMessage = "\uFB01n e\u0301t\u00E9 \u00C6r\u00F8 \u2460";
  request.Settings.Description = std::string(1200, 'd');
  request.Language = "pl";
  MakeGift(request);

  const ProgramFile file(request.OutputPath);
  const FoundGiftHeader found = LocateGiftHeader(file);
  const std::optional<GiftTexts> texts = ReadGiftTexts(file, found.Position);
  ASSERT_TRUE(texts.has_value());
  EXPECT_EQ(texts->Title, request.Settings.Title);
  EXPECT_EQ(texts->CreatorName, request.Settings.CreatorName);
  EXPECT_EQ(texts->OpeningMessage, "Wszystkiego najlepszego!\n\u0421 \u0434\u043D\u0451\u043C!\n\u304A\u8A95\u751F\u65E5");
  EXPECT_EQ(texts->ClosingMessage, request.Settings.ClosingMessage);
  EXPECT_EQ(texts->Description, request.Settings.Description);
  EXPECT_EQ(texts->Language, "pl");

  const GiftHeader& h = found.Header;
  EXPECT_EQ(h.Title, "Wszystkiego najlepszego, Lukasz! aesc z\xF3lw");
  EXPECT_EQ(h.CreatorName, "??? ?");
  EXPECT_EQ(h.OpeningMessage, "Wszystkiego najlepszego!\r\n? ????" "!\r\n????");
  EXPECT_EQ(h.ClosingMessage, "fin et\xE9 \xC6r\xF8 1");
  EXPECT_EQ(h.Description, std::string(1024, 'd'));
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
