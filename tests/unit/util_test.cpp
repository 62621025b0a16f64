// Shared routines: rounding, the fixed quicksort (including the order it leaves equal
// keys in, traced by hand), text and version helpers, dithering, bit rows, integer
// approximations, and the little-endian byte streams with length-prefixed texts.
#include "common/util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/byte_stream.h"

namespace quill {
namespace {

TEST(Util, RoundUp) {
  struct Case {
    int32_t n, up8, up16;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 8, 16}, Case{7, 8, 16}, Case{8, 8, 16}, Case{9, 16, 16},
                        Case{16, 16, 16}, Case{17, 24, 32}, Case{1001, 1008, 1008}}) {
    EXPECT_EQ(RoundUp8(c.n), c.up8) << c.n;
    EXPECT_EQ(RoundUp16(c.n), c.up16) << c.n;
  }
}

// An element with a key to sort by and a tag that shows where it went.
struct Tagged {
  int key;
  char tag;
};

std::string SortedTags(std::vector<Tagged> items) {
  SortItems(std::span(items), [](const Tagged& a, const Tagged& b) { return a.key - b.key; });
  std::string tags;
  for (const Tagged& item : items) tags += item.tag;
  return tags;
}

TEST(Util, SortItemsOrderIsThatOfTheFixedQuicksort) {
  struct Case {
    const char* what;
    std::vector<Tagged> items;
    const char* tags;
  };
  const Case cases[] = {
      {"one element", {{5, 'a'}}, "a"},
      {"sorted input stays", {{1, 'a'}, {2, 'b'}, {3, 'c'}, {4, 'd'}, {5, 'e'}}, "abcde"},
      {"reversed input", {{5, 'a'}, {4, 'b'}, {3, 'c'}, {2, 'd'}, {1, 'e'}}, "edcba"},
      // Traced by hand: the pivot at index 0 compares equal to both, so the first
      // pass swaps them.
      {"two equal keys", {{1, 'a'}, {1, 'b'}}, "ba"},
      // Pass over [0..2], pivot b: swap a,c; left part [0..1] swaps c,b; the loop
      // then takes [1..2] with pivot c and swaps c,a.
      {"three equal keys", {{1, 'a'}, {1, 'b'}, {1, 'c'}}, "bac"},
      // Pivot b (key 1): swap a,d; j stops at index 1; left part is a single element;
      // [2..3] with pivot c swaps c,a.
      {"keys 2 1 2 1", {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}}, "dbac"},
  };
  for (const Case& c : cases) EXPECT_EQ(SortedTags(c.items), c.tags) << c.what;
}

TEST(Util, SortItemsOnRawBytesSortsWholeElements) {
  // Three-byte records sorted by their middle byte; the other bytes travel along.
  uint8_t records[] = {1, 30, 2, 3, 10, 4, 5, 20, 6};
  SortItems(records, 3, 3, [](const void* a, const void* b) {
    return static_cast<const uint8_t*>(a)[1] - static_cast<const uint8_t*>(b)[1];
  });
  EXPECT_EQ(std::vector<uint8_t>(std::begin(records), std::end(records)),
            (std::vector<uint8_t>{3, 10, 4, 5, 20, 6, 1, 30, 2}));
}

TEST(Util, TextBeforeAndAfter) {
  struct Case {
    const char* delimiter;
    const char* text;
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {".", "3.03", "3", "03"},
      {".", "303", "303", "303"},  // no delimiter: the whole text both ways
      {"v", "abc", "abc", "abc"},
      {"v", "v3.03", "", "3.03"},
      {", ", "a, b, c", "a", "b, c"},  // the first occurrence counts
      {"x", "abx", "ab", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextBefore(c.delimiter, c.text), c.before) << c.text;
    EXPECT_EQ(TextAfter(c.delimiter, c.text), c.after) << c.text;
  }
}

TEST(Util, VersionNumberAndText) {
  EXPECT_EQ(VersionNumber("v3.03"), "3.03");
  EXPECT_EQ(VersionNumber("V3.03"), "3.03");
  EXPECT_EQ(VersionNumber("3.03"), "3.03");
  EXPECT_EQ(VersionNumber("Gift V2.1B"), "2.1b");  // read in lower case
  EXPECT_EQ(VersionText("v3.03"), "Version 3.03");
}

TEST(Util, DitherColorAlternatesAroundAGreyBetweenMultiplesOfEight) {
  DitherColor(0, true);
  const Colour grey = MakeColour(124, 124, 124);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(DitherColor(grey), MakeColour(128, 128, 128));
    EXPECT_EQ(DitherColor(grey), MakeColour(120, 120, 120));
  }
}

TEST(Util, DitherColorKeepsOneErrorPerChannelAndResets) {
  DitherColor(0, true);
  // Red carries -4 into the next call, green carries nothing, blue is capped at 255.
  EXPECT_EQ(DitherColor(MakeColour(124, 16, 255)), MakeColour(128, 16, 255));
  EXPECT_EQ(DitherColor(MakeColour(124, 16, 255)), MakeColour(120, 16, 255));
  EXPECT_EQ(DitherColor(MakeColour(124, 16, 255)), MakeColour(128, 16, 255));
  DitherColor(0, true);
  EXPECT_EQ(DitherColor(MakeColour(124, 16, 255)), MakeColour(128, 16, 255));  // not 120: the error is gone
}

TEST(Util, BitsToBitmapFillsRowsOneAfterAnother) {
  const std::vector<uint8_t> data{0xA5, 0x0F, 0xFF, 0x00};
  Bitmap mask;
  BitsToBitmap(16, 2, mask, data);
  ASSERT_EQ(mask.Format(), PixelFormat::Mono1);
  ASSERT_EQ(mask.Width(), 16);
  ASSERT_EQ(mask.Height(), 2);
  EXPECT_EQ(mask.ValueAt(0, 0), 1u);  // most significant bit first
  EXPECT_EQ(mask.ValueAt(1, 0), 0u);
  EXPECT_EQ(mask.ValueAt(12, 0), 1u);
  EXPECT_EQ(mask.ValueAt(7, 1), 1u);
  EXPECT_EQ(mask.ValueAt(8, 1), 0u);

  std::vector<uint8_t> back(4);
  BitmapToBits(16, 2, mask, back);
  EXPECT_EQ(back, data);
}

TEST(Util, BitRowsCopyWholeBytesOnly) {
  // Width 12: one byte per row, the rows follow without a gap, the last 4 pixels stay 0.
  const std::vector<uint8_t> data{0xFF, 0x81};
  Bitmap mask(1, 1, PixelFormat::Rgb24);
  BitsToBitmap(12, 2, mask, data);
  EXPECT_EQ(mask.ValueAt(7, 0), 1u);
  EXPECT_EQ(mask.ValueAt(8, 0), 0u);
  EXPECT_EQ(mask.ValueAt(0, 1), 1u);
  EXPECT_EQ(mask.ValueAt(1, 1), 0u);
  EXPECT_EQ(mask.ValueAt(7, 1), 1u);

  std::vector<uint8_t> tooSmall(1);
  EXPECT_THROW(BitsToBitmap(16, 2, mask, data), std::invalid_argument);
  EXPECT_THROW(BitmapToBits(12, 2, mask, tooSmall), std::invalid_argument);
}

TEST(Util, ApproxDistance) {
  struct Case {
    int32_t a, b, distance;
  };
  for (const Case& c : {Case{4, 3, 5}, Case{10, 10, 14}, Case{-4, -3, 5}, Case{10, 3, 10}, Case{100, 0, 100},
                        Case{0, 0, 0}, Case{80, 40, 90}}) {
    EXPECT_EQ(ApproxDistance(c.a, c.b), c.distance) << c.a << ", " << c.b;
  }
}

TEST(Util, IntSqrtRoundsDown) {
  struct Case {
    uint32_t n, root;
  };
  for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 1}, Case{3, 1}, Case{4, 2}, Case{15, 3}, Case{16, 4},
                        Case{17, 4}, Case{99, 9}, Case{100, 10}, Case{4294967295u, 65535}}) {
    EXPECT_EQ(IntSqrt(c.n), c.root) << c.n;
  }
  for (uint32_t n = 0; n < 200000; n += 7) {
    const auto root = static_cast<uint32_t>(std::sqrt(static_cast<double>(n)));
    ASSERT_EQ(IntSqrt(n), root) << n;
  }
}

TEST(ByteStream, ReadsLittleEndianValues) {
  const std::vector<uint8_t> bytes{0x01, 0x02, 0xFE, 0xFF, 0x44, 0x33, 0x22, 0x11, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0x00, 0x00, 0xC0, 0x3F, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x7F};
  ByteReader reader(bytes);
  EXPECT_EQ(reader.ReadU16(), 0x0201);
  EXPECT_EQ(reader.ReadI16(), -2);
  EXPECT_EQ(reader.ReadU32(), 0x11223344u);
  EXPECT_EQ(reader.ReadI32(), -1);
  EXPECT_EQ(reader.ReadF32(), 1.5f);
  EXPECT_EQ(reader.ReadF64(), 1.0);
  EXPECT_EQ(reader.ReadU8(), 0x7F);
  EXPECT_EQ(reader.Position(), bytes.size());
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ByteStream, WriterProducesWhatTheReaderReads) {
  ByteWriter writer;
  writer.WriteU8(0xAB);
  writer.WriteU16(0xBEEF);
  writer.WriteI16(-300);
  writer.WriteU32(0x11223344);
  writer.WriteI32(-123456);
  writer.WriteF32(-2.25f);
  writer.WriteF64(3.0e100);
  const uint8_t raw[] = {9, 8};
  writer.WriteBytes(raw);
  ASSERT_EQ(writer.Size(), 1u + 2 + 2 + 4 + 4 + 4 + 8 + 2);
  EXPECT_EQ(writer.Bytes()[5], 0x44);  // the 32-bit value starts with its low byte

  ByteReader reader(writer.Bytes());
  EXPECT_EQ(reader.ReadU8(), 0xAB);
  EXPECT_EQ(reader.ReadU16(), 0xBEEF);
  EXPECT_EQ(reader.ReadI16(), -300);
  EXPECT_EQ(reader.ReadU32(), 0x11223344u);
  EXPECT_EQ(reader.ReadI32(), -123456);
  EXPECT_EQ(reader.ReadF32(), -2.25f);
  EXPECT_EQ(reader.ReadF64(), 3.0e100);
  const std::span<const uint8_t> tail = reader.Read(2);
  EXPECT_EQ(tail[0], 9);
  EXPECT_EQ(tail[1], 8);
}

TEST(ByteStream, ShortReadThrowsAndKeepsThePosition) {
  const std::vector<uint8_t> bytes{1, 2, 3};
  ByteReader reader(bytes);
  reader.Seek(1);
  try {
    reader.ReadU32();
    FAIL() << "no error";
  } catch (const StreamReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  EXPECT_EQ(reader.Position(), 1u);
  EXPECT_EQ(reader.ReadU16(), 0x0302);
  reader.Seek(3);  // the end itself is a valid position
  EXPECT_THROW(reader.Seek(4), StreamReadError);
  EXPECT_THROW(reader.ReadU8(), StreamReadError);
}

TEST(ByteStream, ReadStringTakesALengthThenText) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* text;  // nullptr: a read error
  };
  const Case cases[] = {
      {"text", {3, 0, 0, 0, 'a', 'b', 'c', 'z'}, "abc"},
      {"empty", {0, 0, 0, 0}, ""},
      {"shorter than its length", {5, 0, 0, 0, 'a', 'b'}, nullptr},
      {"no length", {5, 0}, nullptr},
      {"negative length", {0xFF, 0xFF, 0xFF, 0xFF}, nullptr},
  };
  for (const Case& c : cases) {
    ByteReader reader(c.bytes);
    if (c.text) EXPECT_EQ(ReadString(reader), c.text) << c.what;
    else EXPECT_THROW(ReadString(reader), StreamReadError) << c.what;
  }
}

TEST(ByteStream, ReadStringListAppendsCountTexts) {
  const std::vector<uint8_t> bytes{2, 0, 0, 0, 1, 0, 0, 0, 'x', 2, 0, 0, 0, 'y', 'z', 7};
  ByteReader reader(bytes);
  std::vector<std::string> list{"kept"};
  ReadStringList(reader, list);
  EXPECT_EQ(list, (std::vector<std::string>{"kept", "x", "yz"}));
  EXPECT_EQ(reader.ReadU8(), 7);

  for (const int32_t count : {0, -3}) {
    ByteWriter writer;
    writer.WriteI32(count);
    writer.WriteU8(99);
    ByteReader nothing(writer.Bytes());
    std::vector<std::string> empty;
    ReadStringList(nothing, empty);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(nothing.Position(), 4u) << "count " << count;
  }

  const std::vector<uint8_t> cut{2, 0, 0, 0, 1, 0, 0, 0, 'x'};
  ByteReader shortList(cut);
  std::vector<std::string> partial;
  EXPECT_THROW(ReadStringList(shortList, partial), StreamReadError);
}

}  // namespace
}  // namespace quill
