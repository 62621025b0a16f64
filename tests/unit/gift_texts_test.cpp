// The gift's text block: texts in any script read back whole by the loader, gifts
// without the block read as before, and a damaged block is passed over for the
// header's texts.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "common/packed.h"
#include "common/text_codec.h"
#include "fake_host.h"
#include "game/gift_scan.h"
#include "game/gift_texts.h"
#include "game/jigsaw.h"
#include "gift_fixture.h"

namespace quill {
namespace {

using testing::FakeHost;
using testing::FakeJpeg;

constexpr size_t kPlayerSize = 20000;

// The whole gift file: filler player bytes and the payload.
std::vector<uint8_t> GiftBytes(const GiftHeader& header, const GiftParts& parts) {
  std::vector<uint8_t> file(kPlayerSize, 'x');
  const std::vector<uint8_t> payload = BuildGiftPayload(file.size(), parts, header);
  file.insert(file.end(), payload.begin(), payload.end());
  return file;
}

GiftParts PartsWith(std::optional<GiftTexts> texts) {
  GiftParts parts;
  parts.Picture = FakeJpeg();
  parts.Texts = std::move(texts);
  return parts;
}

class GiftTextsTest : public ::testing::Test {
 protected:
  std::unique_ptr<TJigsaw> Load(const std::vector<uint8_t>& bytes) {
    const auto path = host.Temp() / "gift.bin";
    testing::WriteBytes(path, bytes);
    auto game = std::make_unique<TJigsaw>(host, path.string());
    game->LoadGift();
    return game;
  }

  FakeHost host;
  GiftHeader header = [] {
    GiftHeader h = DefaultGiftHeader();
    h.Title = "Caf\xE9";  // the header's Windows-1252 forms
    h.CreatorName = "Lukasz";
    h.OpeningMessage = "Hello\r\nthere";
    h.ClosingMessage = "Bye";
    return h;
  }();
};

struct ScriptCase {
  const char* name;
  GiftTexts texts;
};

class ScriptTest : public GiftTextsTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptTest, TextsReadBackExactlyAndFillTheSplash) {
  const GiftTexts& texts = GetParam().texts;
  const auto game = Load(GiftBytes(header, PartsWith(texts)));
  EXPECT_EQ(game->Texts(), texts);
  EXPECT_EQ(game->GiftLanguage(), texts.Language);
  EXPECT_EQ(game->Header().Title, "Caf\xE9");  // the header stays as written
  EXPECT_EQ(host.SplashForm().Get("Memo1").Text, texts.OpeningMessage);
  game->ShowClosingMessage();
  EXPECT_EQ(host.SplashForm().Get("Memo1").Text, texts.ClosingMessage);
  const auto path = host.Temp() / "gift.bin";
  EXPECT_EQ(ReadGiftLanguage(path.string()), texts.Language);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptTest,
    ::testing::Values(
        ScriptCase{"Polish",
                   {"Urodziny \u0141ukasza", "Zo\u015Bka", "Dla Ciebie", "Wszystkiego najlepszego, \u0141ukasz!",
                    "Do zobaczenia!\nBuziaki", "pl"}},
        ScriptCase{"Russian",
                   {"\u041F\u0430\u0437\u043B", "\u0410\u043D\u044F", "",
                    "\u0421 \u0434\u043D\u0451\u043C \u0440\u043E\u0436\u0434\u0435\u043D\u0438\u044F!", "", "ru"}},
        ScriptCase{"Japanese",
                   {"\u304A\u8A95\u751F\u65E5", "\u82B1\u5B50", "\u30D1\u30BA\u30EB",
                    "\u304A\u8A95\u751F\u65E5\u304A\u3081\u3067\u3068\u3046", "\u307E\u305F\u306D", ""}},
        ScriptCase{"Arabic",
                   {"\u0644\u063A\u0632", "", "", "\u0639\u064A\u062F \u0645\u064A\u0644\u0627\u062F \u0633\u0639\u064A\u062F",
                    "\u0645\u0639 \u0627\u0644\u0633\u0644\u0627\u0645\u0629", "ar"}},
        ScriptCase{"Emoji", {"\U0001F382", "\U0001F600", "", "\U0001F389 \U0001F382 \U0001F468\u200D\U0001F469\u200D\U0001F467",
                             "\u2764\uFE0F", "pt-BR"}},
        ScriptCase{"LongestTexts",
                   {std::string(kGiftNameBytes, 't'), std::string(kGiftNameBytes / 2, 'c'),
                    std::string(kGiftMessageBytes, 'd'), std::string(kGiftMessageBytes / 2, 'o'),
                    std::string(kGiftMessageBytes, 'x'), std::string(kGiftLanguageBytes, 'l')}}),
    [](const auto& test) { return std::string(test.param.name); });

// A gift made without texts is laid out byte for byte as before the block existed:
// the header last, nothing after it, and the loader shows the header's texts.
TEST_F(GiftTextsTest, GiftWithoutTheBlockReadsAsBefore) {
  const std::vector<uint8_t> bytes = GiftBytes(header, PartsWith(std::nullopt));
  const GiftHeaderBytes expected = [&] {
    GiftHeader placed = header;
    placed.PictureOffset = kPlayerSize;
    placed.PictureSize = static_cast<int32_t>(FakeJpeg().size());
    placed.MusicOffset = placed.SkinOffset = placed.TemplatesOffset = placed.PictureOffset + placed.PictureSize;
    return SerializeGiftHeader(placed);
  }();
  ASSERT_EQ(bytes.size(), kPlayerSize + FakeJpeg().size() + kGiftHeaderSize);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.end() - kGiftHeaderSize));

  const auto game = Load(bytes);
  EXPECT_EQ(game->Texts(), (GiftTexts{"Caf\u00E9", "Lukasz", "", "Hello\nthere", "Bye", ""}));
  EXPECT_EQ(game->GiftLanguage(), "");
  EXPECT_EQ(host.SplashForm().Get("Memo1").Text, "Hello\nthere");
}

// What a player without the block reads of a gift with it: the same header, found
// at the same scan, the template block still running up to the header.
TEST_F(GiftTextsTest, TheHeaderAndTemplatesOfAGiftWithTheBlockReadAsWithout) {
  GiftParts with = PartsWith(GiftTexts{"T\u0142", "", "", "\u304A", "", "pl"});
  GiftParts without = PartsWith(std::nullopt);
  with.Templates = without.Templates = {1, 2, 3, 4};
  header.TemplateCount = 1;
  const auto find = [&](const std::vector<uint8_t>& bytes, const char* name) {
    const auto path = host.Temp() / name;
    testing::WriteBytes(path, bytes);
    const ProgramFile file(path.string());
    return LocateGiftHeader(file);
  };
  const FoundGiftHeader newer = find(GiftBytes(header, with), "with.bin");
  const FoundGiftHeader older = find(GiftBytes(header, without), "without.bin");
  GiftHeader expected = older.Header;
  const int32_t blockSize = newer.Header.TemplatesOffset - older.Header.TemplatesOffset;
  EXPECT_GT(blockSize, 0);
  expected.TemplatesOffset += blockSize;
  EXPECT_EQ(newer.Header, expected);
  EXPECT_EQ(newer.Position - newer.Header.TemplatesOffset, older.Position - older.Header.TemplatesOffset);
}

TEST_F(GiftTextsTest, ATextHoldingTheHeaderMarkerIsRefused) {
  const GiftParts parts = PartsWith(GiftTexts{"", "", std::string("a ") + kGiftMarker + " b", "", "", ""});
  EXPECT_THROW(GiftBytes(header, parts), UserError);
}

// Where the trailer and block lie in a gift with nothing after the trailer.
struct Placed {
  size_t trailer;
  size_t block;
  size_t blockSize;
};

Placed PlaceOf(const std::vector<uint8_t>& bytes) {
  const size_t trailer = bytes.size() - kGiftTextTrailerSize;
  return {trailer, static_cast<size_t>(packed::Get<int32_t>(bytes.data(), trailer + 8)),
          static_cast<size_t>(packed::Get<int32_t>(bytes.data(), trailer + 12))};
}

// Sets the trailer's checksum to the block's, as a maker of a bad block would.
void Reseal(std::vector<uint8_t>& bytes) {
  const Placed at = PlaceOf(bytes);
  packed::Put<uint32_t>(bytes.data(), at.trailer + 16, Crc32({bytes.data() + at.block, at.blockSize}));
}

// Rewrites a field's length in the block: the first field (the title) by default.
void SetFirstFieldLength(std::vector<uint8_t>& bytes, uint16_t length) {
  packed::Put<uint16_t>(bytes.data(), PlaceOf(bytes).block + 11, length);
}

struct DamageCase {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> damage;
};

class DamagedBlockTest : public GiftTextsTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedBlockTest, IsPassedOverForTheHeadersTexts) {
  std::vector<uint8_t> bytes = GiftBytes(header, PartsWith(GiftTexts{"Ty\u0142", "\u0141", "", "\u304A", "x", "pl"}));
  GetParam().damage(bytes);
  const auto game = Load(bytes);
  EXPECT_EQ(game->Texts(), HeaderTexts(game->Header()));
  EXPECT_EQ(game->GiftLanguage(), "");
  EXPECT_EQ(host.SplashForm().Get("Memo1").Text, "Hello\nthere");
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedBlockTest,
    ::testing::Values(
        DamageCase{"BadChecksum", [](auto& b) { b[PlaceOf(b).block + 20] ^= 0x01; }},
        DamageCase{"SizePastTheFile", [](auto& b) { packed::Put<int32_t>(b.data(), PlaceOf(b).trailer + 12, 1 << 30); }},
        DamageCase{"OffsetPastTheFile",
                   [](auto& b) { packed::Put<int32_t>(b.data(), PlaceOf(b).trailer + 8, static_cast<int32_t>(b.size())); }},
        DamageCase{"NegativeOffset", [](auto& b) { packed::Put<int32_t>(b.data(), PlaceOf(b).trailer + 8, -5); }},
        DamageCase{"TrailerCutShort", [](auto& b) { b.resize(b.size() - 3); }},
        DamageCase{"NoTrailerMagic", [](auto& b) { b[PlaceOf(b).trailer] = 'X'; }},
        DamageCase{"WrongBlockMagic",
                   [](auto& b) {
                     b[PlaceOf(b).block] = 'X';
                     Reseal(b);
                   }},
        DamageCase{"FieldRunsPastTheBlock",
                   [](auto& b) {
                     SetFirstFieldLength(b, 4000);
                     Reseal(b);
                   }},
        DamageCase{"MalformedUtf8",
                   [](auto& b) {
                     b[PlaceOf(b).block + 13] = 0xC5;  // "T" becomes a lead byte, "y" no continuation
                     Reseal(b);
                   }},
        DamageCase{"LanguageThatIsNoCode",
                   [](auto& b) {
                     const Placed at = PlaceOf(b);
                     b[at.block + at.blockSize - 1] = '/';  // "pl" becomes "p/"
                     Reseal(b);
                   }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GiftTextBlock, FieldsOfALaterMakerArePassedOver) {
  std::vector<uint8_t> block = SerializeGiftTextBlock(GiftTexts{"T", "C", "D", "O", "X", "de"});
  const uint8_t unknown[] = {200, 3, 0, 'a', 'b', 'c'};
  block.insert(block.end(), std::begin(unknown), std::end(unknown));
  packed::Put<uint16_t>(block.data(), 8, 7);
  EXPECT_EQ(ParseGiftTextBlock(block), (GiftTexts{"T", "C", "D", "O", "X", "de"}));
}

TEST(GiftTextBlock, ATextLongerThanItsLimitRefusesTheBlock) {
  GiftTexts texts;
  texts.Title = std::string(kGiftNameBytes, 't');
  std::vector<uint8_t> block = SerializeGiftTextBlock(texts);
  ASSERT_EQ(ParseGiftTextBlock(block), texts);
  // One byte more in the title, as another writer might have put it.
  block.insert(block.begin() + 13, 't');
  packed::Put<uint16_t>(block.data(), 11, static_cast<uint16_t>(kGiftNameBytes + 1));
  EXPECT_EQ(ParseGiftTextBlock(block), std::nullopt);
}

TEST(GiftTextBlock, Crc32IsZlibs) {
  const std::string text = "123456789";
  EXPECT_EQ(Crc32({reinterpret_cast<const uint8_t*>(text.data()), text.size()}), 0xCBF43926u);
}

TEST(TextCodec, IsUtf8) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},           {"plain", true},         {"\u0141\u304A\U0001F382", true}, {"\xC5", false},
      {"\xC0\xAF", false},  {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false},    {"\x80", false},
      {"a\xE3\x81", false}, {"\xEF\xBF\xBD", true}};
  for (const auto& [text, valid] : cases) EXPECT_EQ(IsUtf8(text), valid) << ::testing::PrintToString(text);
}

}  // namespace
}  // namespace quill
