#include <gtest/gtest.h>

#include <fstream>

#include "common/errors.h"
#include "common/records.h"
#include "fake_host.h"
#include "game/gift_scan.h"
#include "common/byte_stream.h"
#include "game/jigsaw.h"
#include "pieces/templates.h"
#include "gift_fixture.h"
#include "jpeg_writer.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

using testing::FakeHost;
using testing::MakeGiftFile;

class GiftLoaderTest : public ::testing::Test {
 protected:
  // Loads a gift made from `header` and `parts`; returns the game object.
  std::unique_ptr<TJigsaw> Load(const GiftHeader& h, GiftParts parts = {}) {
    auto game = std::make_unique<TJigsaw>(host, MakeGiftFile(host.Temp(), h, std::move(parts)).string());
    game->LoadGift();
    return game;
  }

  FakeHost host;
  GiftHeader header = DefaultGiftHeader();
};

struct TrailerCase {
  size_t trailingBytes;
  bool found;
};

class HeaderScanTest : public GiftLoaderTest, public ::testing::WithParamInterface<TrailerCase> {};

TEST_P(HeaderScanTest, FindsTheHeaderOnlyWithinTheScanWindow) {
  GiftParts parts;
  parts.Trailer.assign(GetParam().trailingBytes, 'z');
  header.Seed = 4242;
  TJigsaw game(host, MakeGiftFile(host.Temp(), header, parts).string());
  if (GetParam().found) {
    game.LoadGift();
    EXPECT_EQ(game.Header().Seed, 4242);
  } else {
    EXPECT_THROW(
        {
          try {
            game.LoadGift();
          } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), "This jigsaw gift file is damaged and cannot be opened");
            throw;
          }
        },
        UserError);
  }
}

INSTANTIATE_TEST_SUITE_P(Trailers, HeaderScanTest,
                         ::testing::Values(TrailerCase{0, true}, TrailerCase{1, true}, TrailerCase{10001, true},
                                           TrailerCase{10002, false}));

TEST_F(GiftLoaderTest, FileWithoutMarkerIsDamaged) {
  const auto path = host.Temp() / "plain.bin";
  testing::WriteBytes(path, std::vector<uint8_t>(30000, 'x'));
  TJigsaw game(host, path.string());
  EXPECT_THROW(game.LoadGift(), UserError);
}

TEST_F(GiftLoaderTest, WrongHeaderSizeIsDamagedAndAppliesNothing) {
  header.HeaderSize = 3462;
  header.RotationOn = 1;
  PuzzleRecord.Seed = -7;
  TJigsaw game(host, MakeGiftFile(host.Temp(), header).string());
  EXPECT_THROW(game.LoadGift(), UserError);
  EXPECT_EQ(PuzzleRecord.Seed, -7);
  EXPECT_FALSE(host.MainForm().Checked("Rotation"));
  EXPECT_EQ(host.musicFile, "unset");
}

TEST_F(GiftLoaderTest, ShortFileAndMissingFile) {
  const auto path = host.Temp() / "tiny.bin";
  testing::WriteBytes(path, {'$', '#'});
  TJigsaw tiny(host, path.string());
  EXPECT_THROW(tiny.LoadGift(), UserError);
  TJigsaw missing(host, (host.Temp() / "none.bin").string());
  try {
    missing.LoadGift();
    FAIL();
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open file"), std::string::npos);
  }
}

TEST(GiftLabel, MajorVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"v6.13", "6"}, {"V7.2", "7"}, {"beta", "beta"}, {"6.13", "6"}, {"release v3", "3"}, {"", ""}};
  for (const auto& [version, major] : cases) EXPECT_EQ(MajorVersion(version), major) << version;
}

TEST_F(GiftLoaderTest, GiftLabelCarriesTheMajorVersion) {
  header.CreatorVersion = "v6.13";
  Load(header);
  EXPECT_EQ(host.SplashForm().Get("GiftLab").Caption,
            "This free jigsaw gift was created by Quillmere version 6.\nClick on our home page below for a free "
            "demo of all the other great features of the game. Or order the full version now!");
}

TEST_F(GiftLoaderTest, OpeningMessageFillsTheMemo) {
  header.OpeningMessage = "Happy birthday!\r\nLove, Ann \xE9";
  header.OpeningColourName = "clWindow";
  header.OpeningAlignment = 1;
  header.OpeningFont = GiftFont{0x0000FF, -20, 2, 0, 3, "Times New Roman"};
  Load(header);
  const ComponentState& memo = host.SplashForm().Get("Memo1");
  EXPECT_EQ(memo.Text, "Happy birthday!\nLove, Ann \xC3\xA9");
  EXPECT_EQ(memo.Color, 0xFF000005u);
  EXPECT_EQ(memo.Alignment, TextAlignment::Right);
  EXPECT_EQ(memo.Font, (FontState{0x0000FF, -20, 2, 3, "Times New Roman"}));
  EXPECT_TRUE(memo.Visible);
  EXPECT_EQ(host.SplashForm().Get(kSplashFormName).Height, kSplashClientHeight);
}

TEST_F(GiftLoaderTest, UnknownColourNameGivesWhiteAndKeepsAlignment) {
  header.OpeningMessage = "Hi";
  header.OpeningColourName = "clSunsetOrange";
  header.OpeningAlignment = 2;
  header.OpeningFont.Height = -30;
  Load(header);
  const ComponentState& memo = host.SplashForm().Get("Memo1");
  EXPECT_EQ(memo.Color, kWhite);
  EXPECT_EQ(memo.Alignment, TextAlignment::Left);
  EXPECT_EQ(memo.Font.Height, -30);
}

TEST_F(GiftLoaderTest, EmptyOpeningMessageHidesMemoAndShortensSplash) {
  header.OpeningMessage = "";
  UiState fresh;
  DefineSplashForm(fresh);
  const int shrink = fresh.Get("Memo1").Height + fresh.Get("Product").Top;
  Load(header);
  const UiState& splash = host.SplashForm();
  EXPECT_FALSE(splash.Get("Memo1").Visible);
  EXPECT_EQ(splash.Get("Panel1").Height, fresh.Get("Panel1").Height - shrink);
  EXPECT_EQ(splash.Get(kSplashFormName).Height, kSplashClientHeight - shrink);
}

TEST_F(GiftLoaderTest, NoMusicWritesNoFileAndUnticksMusic) {
  Load(header);
  EXPECT_EQ(host.musicFile, "");
  EXPECT_FALSE(host.MainForm().Checked("Music"));
  EXPECT_FALSE(host.MainForm().Get("SpeedMusic").Down);
  EXPECT_TRUE(std::filesystem::is_empty(host.Temp()) ||
              !std::filesystem::exists(host.Temp() / "jig1"));
}

TEST_F(GiftLoaderTest, MusicIsWrittenToTheFixedTemporaryName) {
  GiftParts parts;
  parts.Music = {'I', 'D', '3', 1, 2, 3};
  header.MusicExtension = ".mp3";
  Load(header, parts);
  const auto expected = host.Temp() / "jig1.mp3";
  EXPECT_EQ(host.musicFile, expected.string());
  EXPECT_EQ(ReadWholeFile(expected.string()), parts.Music);
  EXPECT_TRUE(host.MainForm().Checked("Music"));
}

TEST_F(GiftLoaderTest, MusicThatCannotBeWrittenIsReportedAndSwitchedOff) {
  GiftParts parts;
  parts.Music = {1, 2, 3};
  header.MusicExtension = ".mid";
  std::filesystem::create_directory(host.Temp() / "jig1.mid");  // a folder where the file should go
  Load(header, parts);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "File " + (host.Temp() / "jig1.mid").string() +
                                  " could not be written. The disk may be full, read-only or off-line");
  EXPECT_EQ(host.musicFile, "");
  EXPECT_FALSE(host.MainForm().Checked("Music"));
}

TEST_F(GiftLoaderTest, MusicBlockOutsideTheFileCountsAsAbsent) {
  GiftParts parts;
  parts.Music = {1, 2, 3};
  header.MusicExtension = ".mp3";
  auto path = MakeGiftFile(host.Temp(), header, parts);
  // Point the music block past the end of the file.
  auto bytes = ReadWholeFile(path.string());
  GiftHeaderBytes raw;
  std::copy(bytes.end() - kGiftHeaderSize, bytes.end(), raw.begin());
  GiftHeader patched = ParseGiftHeader(raw);
  patched.MusicOffset = static_cast<int32_t>(bytes.size()) - 2;
  patched.MusicSize = 100;
  raw = SerializeGiftHeader(patched);
  std::copy(raw.begin(), raw.end(), bytes.end() - kGiftHeaderSize);
  testing::WriteBytes(path, bytes);
  TJigsaw game(host, path.string());
  game.LoadGift();
  EXPECT_EQ(host.musicFile, "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GiftLoaderTest, MusicExtensionCannotLeaveTheTemporaryFolder) {
  GiftParts parts;
  parts.Music = {1};
  header.MusicExtension = "/../";
  Load(header, parts);
  EXPECT_EQ(std::filesystem::path(host.musicFile).parent_path(), host.Temp());
}

struct OptionCase {
  int32_t rotationOn;
  uint16_t mystery;
  int32_t outline;
};

class GiftOptionsTest : public GiftLoaderTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(GiftOptionsTest, OptionsReachMenusAndConfiguration) {
  header.RotationOn = GetParam().rotationOn;
  header.MysteryMode = GetParam().mystery;
  header.OutlineIndex = GetParam().outline;
  header.BoardColour = 0x00336699;
  auto game = Load(header);
  const UiState& menus = host.MainForm();
  const bool rotation = GetParam().rotationOn != 0;
  EXPECT_EQ(menus.Checked("Rotation"), rotation);
  EXPECT_EQ(menus.Get("RotateRight").Enabled, rotation);
  EXPECT_EQ(menus.Get("RotateLeft").Enabled, rotation);
  EXPECT_EQ(menus.Checked("Mystery"), GetParam().mystery != 0);
  EXPECT_EQ(menus.Get("Outlines").Tag, GetParam().outline);
  const auto styles = menus.Children("Outlines");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(menus.Checked(styles[i]), i == GetParam().outline) << styles[i];
  EXPECT_TRUE(menus.Checked("AntiAlias"));  // the non-radio items of the submenu keep their ticks
  EXPECT_EQ(menus.Get(kMainFormName).Color, 0x00336699u);
  EXPECT_EQ(game->Config().Rotating, rotation);
  EXPECT_EQ(game->Config().OutlineStyle, static_cast<uint32_t>(GetParam().outline));
}

INSTANTIATE_TEST_SUITE_P(Options, GiftOptionsTest,
                         ::testing::Values(OptionCase{0, 0, 0}, OptionCase{1, 1, 4}, OptionCase{7, 0, 2}));

TEST_F(GiftLoaderTest, SettingsAreCopiedIntoThePuzzleRecord) {
  PuzzleRecord = TPuzzleRecord{};
  PuzzleRecord.JoinedCount = 12;
  PuzzleRecord.Elapsed = 99;
  PuzzleRecord.Completed = true;
  header.RequestedCount = 35;
  header.Oddness = 7;
  header.Seed = -123;
  header.CreatorVersion = "v6.13";
  header.Created = 46001.25;
  header.Title = "Sunset";
  header.CreatorName = "Ann";
  header.Description = "A view\r\nfrom the hill";
  header.PieceStyle = 4;
  header.FunPieces = 3;
  Load(header);
  const TPuzzleRecord& r = PuzzleRecord;
  EXPECT_EQ(r.RequestedCount, 35);
  EXPECT_EQ(r.Oddness, 7);
  EXPECT_EQ(r.Seed, -123);
  EXPECT_EQ(r.CreatorVersion, "v6.13");
  EXPECT_EQ(r.Created, 46001.25);
  EXPECT_EQ(r.Title, "Sunset");
  EXPECT_EQ(r.CreatorName, "Ann");
  EXPECT_STREQ(reinterpret_cast<const char*>(r.Description.data()), "A view\r\nfrom the hill");
  EXPECT_EQ(r.PieceStyle, 4);
  EXPECT_EQ(r.FunPieces, 3);
  EXPECT_EQ(r.Scale, 100);
  EXPECT_EQ(r.FormatNo, 5);
  EXPECT_EQ(r.Unused4284, 24);
  EXPECT_FALSE(r.Completed);
  EXPECT_EQ(r.JoinedCount, 0);
  EXPECT_EQ(r.Elapsed, 0);
  EXPECT_TRUE(r.HasDescription);
}

TEST_F(GiftLoaderTest, UndecodableSkinIsIgnoredSilently) {
  GiftParts parts;
  parts.Skin = testing::FakeJpeg();
  Load(header, parts);
  EXPECT_EQ(host.skin, nullptr);
  EXPECT_TRUE(host.messages.empty());
}

// The skin's colour is the average of the band as high as the tool bar (41 rows): a
// skin red in its top 48 rows and blue below gives red tray frames.
TEST_F(GiftLoaderTest, SkinGivesTheTrayFramesTheColourOfItsTopBand) {
  const auto game = Load(header);
  EXPECT_EQ(game->SkinColour, 0xFF00000Fu) << "without a skin: the button face";

  Bitmap skin(64, 96, PixelFormat::Rgb24);
  for (int y = 0; y < skin.Height(); ++y)
    for (int x = 0; x < skin.Width(); ++x) skin.SetPixel(x, y, y < 48 ? MakeColour(255, 0, 0) : MakeColour(0, 0, 255));
  GiftParts parts;
  WriteJpeg(skin, 95, parts.Skin);
  const auto skinned = Load(header, parts);
  ASSERT_NE(host.skin, nullptr);
  EXPECT_EQ(host.skinToolbarHeight, 41);
  const Colour colour = skinned->SkinColour;
  EXPECT_GE(RedOf(colour), 245);
  EXPECT_LE(GreenOf(colour), 10);
  EXPECT_LE(BlueOf(colour), 10);
}

TEST_F(GiftLoaderTest, PictureBlockOutsideTheFileFailsClearly) {
  auto game = Load(header);
  Bitmap picture;
  EXPECT_THROW(game->LoadJpegBlock(picture, game->Header().PictureOffset, 1 << 30), UserError);
  EXPECT_THROW(game->LoadJpegBlock(picture, -5, 10), UserError);
  try {
    game->LoadJpegBlock(picture, game->Header().PictureOffset, game->Header().PictureSize);
    FAIL();
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find("The picture could not be read"), std::string::npos);
  }
}

TEST_F(GiftLoaderTest, ClosingMessageGoesToTheFreshSplash) {
  header.ClosingMessage = "Bye now";
  header.ClosingColourName = "$00FF00";
  header.ClosingAlignment = 2;
  auto game = Load(header);
  host.RecreateSplash();
  game->ShowClosingMessage();
  const UiState& splash = host.SplashForm();
  EXPECT_EQ(splash.Get("Memo1").Text, "Bye now");
  EXPECT_EQ(splash.Get("Memo1").Color, 0x00FF00u);
  EXPECT_EQ(splash.Get("Memo1").Alignment, TextAlignment::Centre);
  EXPECT_NE(splash.Get("GiftLab").Caption.find("version 6."), std::string::npos);
}

}  // namespace
}  // namespace quill

namespace quill {
namespace {

std::vector<uint8_t> TemplateBlock(int count) {
  ByteWriter out;
  for (int t = 0; t < count; ++t) {
    TTemplate shape;
    shape.Strings = {"fun"};
    for (auto& side : shape.Sides) side = {{0, 0}, {0.5f, 0.2f}, {1, 0}};
    shape.Write(out);
  }
  return out.Take();
}

struct TemplateBlockCase {
  const char* name;
  int recordsInFile;
  int32_t countInHeader;
  bool loads;
};

class GiftTemplatesTest : public GiftLoaderTest, public ::testing::WithParamInterface<TemplateBlockCase> {};

TEST_P(GiftTemplatesTest, TemplateBlockIsReadUpToTheHeader) {
  const std::vector<uint8_t> earlier = TemplateBlock(1);
  ByteReader earlierReader(earlier);
  Templates.Load(1, earlierReader);  // something for the gift to replace
  GiftParts parts;
  parts.Templates = TemplateBlock(GetParam().recordsInFile);
  header.TemplateCount = GetParam().countInHeader;
  TJigsaw game(host, MakeGiftFile(host.Temp(), header, parts).string());
  if (GetParam().loads) {
    game.LoadGift();
    EXPECT_EQ(Templates.Count(), std::max(0, GetParam().countInHeader));
  } else {
    try {
      game.LoadGift();
      FAIL() << "a damaged template block was accepted";
    } catch (const UserError& e) {
      EXPECT_STREQ(e.what(), "The custom piece shapes in this jigsaw gift are damaged");
    }
    EXPECT_EQ(Templates.Count(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Blocks, GiftTemplatesTest,
                         ::testing::Values(TemplateBlockCase{"two", 2, 2, true}, TemplateBlockCase{"none", 0, 0, true},
                                           TemplateBlockCase{"fewerThanStored", 3, 2, true},
                                           TemplateBlockCase{"countRunsIntoHeader", 2, 3, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quill
