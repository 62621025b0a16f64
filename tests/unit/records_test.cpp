#include <gtest/gtest.h>

#include "common/colour_names.h"
#include "common/errors.h"
#include "common/records.h"
#include "common/text_codec.h"
#include "game/gift_header.h"
#include "header_dump.h"

namespace quill {
namespace {

TEST(PuzzleRecord, FieldsSitAtTheirOffsets) {
  TPuzzleRecord r;
  r.FormatNo = 5;
  r.Title = "Ab";
  r.Columns = 0x0102;
  r.Completed = true;
  r.JoinedCount = 0x0304;
  r.Elapsed = 3723;
  r.Scale = 100;
  const auto bytes = SerializePuzzleRecord(r);
  ASSERT_EQ(bytes.size(), 4457u);
  EXPECT_EQ(bytes[0], 5);
  EXPECT_EQ(bytes[46], 2);
  EXPECT_EQ(bytes[47], 'A');
  EXPECT_EQ(bytes[4280], 0x02);
  EXPECT_EQ(bytes[4281], 0x01);
  EXPECT_EQ(bytes[4312], 1);
  EXPECT_EQ(bytes[4313], 0x04);
  EXPECT_EQ(bytes[4315] | bytes[4316] << 8, 3723);
  EXPECT_EQ(bytes[4453], 100);
  const TPuzzleRecord back = ParsePuzzleRecord(bytes.data(), bytes.size());
  EXPECT_EQ(back.Title, "Ab");
  EXPECT_EQ(back.JoinedCount, 0x0304);
  EXPECT_EQ(back.Elapsed, 3723);
  EXPECT_THROW(ParsePuzzleRecord(bytes.data(), 4456), UserError);
}

TEST(BoardRecord, RoundTrip) {
  TBoardRecord r;
  r.TrayCount = 3;
  r.TrayScroll = 1;
  r.LimitSeconds = 600;
  r.SavedBoardColour = 0x00C080FF;
  r.TrayStamp = 9;
  const auto bytes = SerializeBoardRecord(r);
  ASSERT_EQ(bytes.size(), 27u);
  EXPECT_EQ(bytes[19], 0xFF);
  const TBoardRecord back = ParseBoardRecord(bytes.data(), bytes.size());
  EXPECT_EQ(back.LimitSeconds, 600);
  EXPECT_EQ(back.SavedBoardColour, 0x00C080FFu);
  EXPECT_EQ(back.TrayStamp, 9);
}

TEST(GiftHeader, RoundTripsEveryField) {
  GiftHeader h;
  h.PictureOffset = 1000;
  h.PictureSize = 2000;
  h.MusicOffset = 3000;
  h.MusicSize = 4;
  h.CreatorVersion = "v6.13";
  h.Created = 45000.5;
  h.Title = "T";
  h.CreatorName = "C";
  h.Description = "D\r\nE";
  h.BoardColour = 0xFF00000F;
  h.RequestedCount = 500;
  h.Oddness = 10;
  h.Seed = -1;
  h.OpeningMessage = "hello";
  h.ClosingMessage = "bye";
  h.OpeningFont = GiftFont{1, -12, 1, 0, 2, "Arial"};
  h.ClosingFont = GiftFont{2, -13, 2, 0, 9, "Times New Roman"};
  h.OpeningColourName = "clCream";
  h.ClosingColourName = "$FF";
  h.OpeningAlignment = 1;
  h.ClosingAlignment = 2;
  h.PieceStyle = 6;
  h.OutlineIndex = 4;
  h.RotationOn = 1;
  h.MusicExtension = ".ogg";
  h.SkinOffset = 5;
  h.SkinSize = 6;
  h.TemplatesOffset = 7;
  h.TemplateCount = 8;
  h.FunPieces = 9;
  h.MysteryMode = 1;
  const GiftHeaderBytes bytes = SerializeGiftHeader(h);
  EXPECT_EQ(bytes[0], 16);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 17), kGiftMarker);
  EXPECT_EQ(bytes[17] | bytes[18] << 8, 3463);
  EXPECT_EQ(bytes[3461], 1);
  EXPECT_EQ(ParseGiftHeader(bytes), h);
}

TEST(GiftHeader, OverlongTextsAreCutToTheirFields) {
  GiftHeader h;
  h.Title = std::string(100, 'a');
  h.OpeningMessage = std::string(2000, 'b');
  const GiftHeader back = ParseGiftHeader(SerializeGiftHeader(h));
  EXPECT_EQ(back.Title.size(), 64u);
  EXPECT_EQ(back.OpeningMessage.size(), 1024u);
  EXPECT_TRUE(back.ClosingMessage.empty());
}

TEST(GiftHeader, DumpWritesLineBreaksAsBackslashN) {
  GiftHeader h;
  h.RequestedCount = 35;
  h.OpeningMessage = "one\r\ntwo";
  h.Title = "Caf\xE9";
  const std::string dump = DumpGiftHeader(h);
  EXPECT_NE(dump.find("RequestedCount=35\n"), std::string::npos);
  EXPECT_NE(dump.find("OpeningMessage=one\\ntwo\n"), std::string::npos);
  EXPECT_NE(dump.find("Title=Caf\xC3\xA9\n"), std::string::npos);
}

TEST(ColourNames, IdentifiersAndNumbers) {
  const std::pair<const char*, std::optional<Colour>> cases[] = {
      {"clRed", 0x0000FF},         {"clred", 0x0000FF},     {"clSkyBlue", 0xF0CAA6},
      {"clWindow", 0xFF000005},    {"clMenuBar", 0xFF00001E}, {"clNone", 0x1FFFFFFF},
      {"255", 255},                {"$00FF00", 0x00FF00},   {"$FFFFFFFF", 0xFFFFFFFF},
      {"-1", 0xFFFFFFFF},          {"clNoSuch", std::nullopt}, {"", std::nullopt},
      {"12abc", std::nullopt},     {"$", std::nullopt},     {"99999999999", std::nullopt}};
  for (const auto& [name, expected] : cases) EXPECT_EQ(StringToColour(name), expected) << name;
}

TEST(TextCodec, Windows1252AndLineBreaks) {
  EXPECT_EQ(Windows1252ToUtf8("\x80 \xE9 \x9F"), "\xE2\x82\xAC \xC3\xA9 \xC5\xB8");
  EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xC3\xA9 \xE4\xB8\xAD"), "\x80 \xE9 ?");
  EXPECT_EQ(CrLfToLf("a\r\nb\rc\n"), "a\nb\rc\n");
  EXPECT_EQ(LfToCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
}

}  // namespace
}  // namespace quill
