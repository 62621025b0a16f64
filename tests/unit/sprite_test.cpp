// Run-length sprites: hand-made rows encoded byte for byte, rows too long for the
// 16-bit fields, decoding checked by drawing back in palette and save mode under
// many clips, and each drawing mode on worked pixel values: brightness clamps, edge
// blending with and without smoothing, hidden sides, capture mode and palette 255.
// Malformed blocks must be read no further than their end.
#include "pieces/sprite.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "raster_pictures.h"

namespace quill {
namespace {

using test::ColourOf;
using test::Picture;
using test::Text;
using Rows = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

constexpr uint32_t kClear = 1 << 16;
constexpr uint32_t kOpaque = 2 << 16;

void PutWord(Bytes& out, uint32_t word) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(word >> (8 * i)));
}

// Pieces of an expected block: a row header with its byte length, a transparent run,
// an opaque run with its bytes; for malformed blocks also any word and loose bytes.
struct Token {
  enum Kind { Word, Clear, Opaque, Data } kind;
  uint32_t value = 0;
  Bytes bytes;
};
Token R(uint32_t length) { return {Token::Word, length, {}}; }
Token T(uint32_t pixels) { return {Token::Clear, pixels, {}}; }
Token O(Bytes bytes) { return {Token::Opaque, 0, std::move(bytes)}; }
Token Raw(uint32_t word) { return {Token::Word, word, {}}; }
Token Loose(Bytes bytes) { return {Token::Data, 0, std::move(bytes)}; }

Bytes Expand(const std::vector<Token>& tokens) {
  Bytes out;
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Token::Word: PutWord(out, t.value); break;
      case Token::Clear: PutWord(out, t.value | kClear); break;
      case Token::Opaque:
        PutWord(out, static_cast<uint32_t>(t.bytes.size()) | kOpaque);
        out.insert(out.end(), t.bytes.begin(), t.bytes.end());
        break;
      case Token::Data: out.insert(out.end(), t.bytes.begin(), t.bytes.end()); break;
    }
  }
  return out;
}

// Rows of sprite bytes laid out `pad` bytes apart beyond their width, the padding
// filled with an opaque value the encoder must not read.
Bytes Layout(const std::vector<Bytes>& rows, int pad) {
  Bytes source;
  for (const Bytes& row : rows) {
    source.insert(source.end(), row.begin(), row.end());
    source.insert(source.end(), static_cast<size_t>(pad), 0xEE);
  }
  return source;
}

SpriteBlock Encode(const TSprite& sprite, const std::vector<Bytes>& rows, int pad = 0) {
  const Bytes source = Layout(rows, pad);
  const int width = static_cast<int>(rows.at(0).size());
  SpriteBlock block;
  sprite.Encode(block, width, source.data(), width + pad, static_cast<int>(rows.size()));
  return block;
}

struct EncodeCase {
  const char* what;
  uint8_t transparent;
  std::vector<Bytes> rows;
  std::vector<Token> expected;
};

TEST(SpriteEncode, HandMadeRowsByteForByte) {
  const std::vector<EncodeCase> cases{
      {"a fully transparent row is one transparent run", 0, {{0, 0, 0, 0, 0}}, {R(8), T(5)}},
      {"a fully opaque row is one opaque run", 0, {{1, 2, 3}}, {R(11), O({1, 2, 3})}},
      {"alternating runs from a transparent start", 0, {{0, 7, 7, 0, 9}}, {R(23), T(1), O({7, 7}), T(1), O({9})}},
      {"alternating runs from an opaque start, transparent end",
       0,
       {{5, 0, 0, 6, 0}},
       {R(22), O({5}), T(2), O({6}), T(1)}},
      {"one opaque pixel", 0, {{200}}, {R(9), O({200})}},
      {"rows follow each other unaligned", 0, {{0, 3}, {4, 0}}, {R(13), T(1), O({3}), R(13), O({4}), T(1)}},
      {"bytes equal to the transparent value are skipped, zero is opaque",
       9,
       {{9, 0, 9}, {9, 9, 9}},
       {R(17), T(1), O({0}), T(1), R(8), T(3)}},
  };
  for (const EncodeCase& c : cases) {
    const TSprite sprite(c.transparent);
    EXPECT_EQ(Encode(sprite, c.rows, 3), Expand(c.expected)) << c.what;
  }
}

// Long rows are scanned eight pixels at a time: runs of every length from 1 to 19
// that start and end anywhere within the words come out whole, of one kind each and
// alternating, with a transparent value that is not zero too.
TEST(SpriteEncode, LongRowsKeepEveryRunWhole) {
  for (const uint8_t transparent : {uint8_t{0}, uint8_t{9}}) {
    std::vector<Bytes> rows;
    for (int phase = 0; phase < 8; ++phase) {
      Bytes row(static_cast<size_t>(phase), transparent);
      for (int length = 1; length < 20; ++length) {
        row.insert(row.end(), static_cast<size_t>(length), static_cast<uint8_t>(transparent + 1 + length % 3));
        row.insert(row.end(), static_cast<size_t>(21 - length), transparent);
      }
      row.resize(420, transparent);
      rows.push_back(row);
    }
    const SpriteBlock block = Encode(TSprite(transparent), rows, 5);
    std::vector<Token> expected;
    for (const Bytes& row : rows) {
      std::vector<Token> runs;
      for (size_t x = 0; x < row.size();) {
        size_t end = x;
        while (end < row.size() && (row[end] == transparent) == (row[x] == transparent)) ++end;
        runs.push_back(row[x] == transparent ? T(static_cast<uint32_t>(end - x))
                                             : O(Bytes(row.begin() + static_cast<ptrdiff_t>(x),
                                                       row.begin() + static_cast<ptrdiff_t>(end))));
        x = end;
      }
      size_t bytes = 4;
      for (const Token& run : runs) bytes += Expand({run}).size();
      expected.push_back(R(static_cast<uint32_t>(bytes)));
      expected.insert(expected.end(), runs.begin(), runs.end());
    }
    EXPECT_EQ(block, Expand(expected)) << "transparent " << int{transparent};
  }
}

// Reading one pixel back walks the runs of its row: every pixel of a sprite with
// runs of both kinds comes back, and points off the sprite read as transparent.
TEST(SpritePixel, ReadsEveryPixelBackAndZeroOffTheSprite) {
  const std::vector<Bytes> rows{{0, 7, 7, 0, 9}, {5, 0, 0, 6, 0}, {0, 0, 0, 0, 0}};
  const SpriteBlock block = Encode(TSprite(), rows);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(SpritePixel(block, x, y), rows[y][x]) << x << "," << y;
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{5, 0}, std::pair{1, 3}})
    EXPECT_EQ(SpritePixel(block, x, y), 0) << x << "," << y;
  EXPECT_EQ(SpritePixel({}, 0, 0), 0) << "an empty block";
}

TEST(SpriteEncode, EmptySizesGiveAnEmptyBlock) {
  const TSprite sprite;
  const Bytes source(16, 1);
  for (const auto& [width, height] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{-1, 2}}) {
    SpriteBlock block{1, 2, 3};
    sprite.Encode(block, width, source.data(), 4, height);
    EXPECT_TRUE(block.empty()) << width << " x " << height;
  }
}

// A 101-pixel checkerboard has 101 runs per row: rows starting opaque have 51 opaque
// runs of 5 bytes and 50 transparent ones of 4, rows starting transparent 50 and 51,
// plus the row header. 60 such rows need more than four times the starting buffer
// of width × height bytes, so the encoder has to grow.
TEST(SpriteEncode, LargeBlockIsExactlyAsLongAsItsRows) {
  constexpr int kWidth = 101, kHeight = 60;
  constexpr size_t kEvenRow = 4 + 51 * 5 + 50 * 4, kOddRow = 4 + 50 * 5 + 51 * 4;
  std::vector<Bytes> rows(kHeight, Bytes(kWidth));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) rows[y][x] = ((x + y) % 2 == 0) ? static_cast<uint8_t>(1 + x) : 0;
  const SpriteBlock block = Encode(TSprite(), rows);
  ASSERT_EQ(block.size(), kHeight / 2 * (kEvenRow + kOddRow));
  const Bytes row1(block.begin() + kEvenRow, block.begin() + kEvenRow + kOddRow);
  EXPECT_EQ(Bytes(row1.begin(), row1.begin() + 13), Expand({R(kOddRow), T(1), O({2})}));
  EXPECT_EQ(Bytes(row1.end() - 13, row1.end()), Expand({T(1), O({100}), T(1)}));
}

struct LimitCase {
  const char* what;
  Bytes row;
  bool fits;
};

TEST(SpriteEncode, RowsMustFitTheSixteenBitFields) {
  Bytes alternating(30000);
  for (size_t x = 0; x < alternating.size(); x += 2) alternating[x] = 1;
  const std::vector<LimitCase> cases{
      {"65535 transparent pixels", Bytes(65535, 0), true},
      {"65536 transparent pixels", Bytes(65536, 0), false},
      {"an opaque run filling a 65535-byte row record", Bytes(65535 - 8, 5), true},
      {"an opaque run one byte longer", Bytes(65535 - 7, 5), false},
      {"30000 alternating pixels need 135004 bytes", alternating, false},
  };
  const TSprite sprite;
  for (const LimitCase& c : cases) {
    SpriteBlock block;
    const int width = static_cast<int>(c.row.size());
    if (c.fits) {
      sprite.Encode(block, width, c.row.data(), width, 1);
      EXPECT_EQ(block.size(), (uint32_t{block[0]} | (uint32_t{block[1]} << 8))) << c.what;
    } else {
      EXPECT_THROW(sprite.Encode(block, width, c.row.data(), width, 1), std::length_error) << c.what;
    }
  }
}

// Sprite bytes 1..7 draw in palette mode as the letters R G B Y C M W.
constexpr char kPaletteLetters[] = ".RGBYCMW";

TSprite LetterSprite() {
  std::array<Colour, 256> palette{};
  for (int i = 0; kPaletteLetters[i] != 0; ++i) palette[i] = ColourOf(kPaletteLetters[i]);
  TSprite sprite;
  sprite.SetPalette(palette);
  return sprite;
}

// A sprite written as digits, one character per pixel.
std::vector<Bytes> Digits(const Rows& rows) {
  std::vector<Bytes> out;
  for (const std::string& row : rows) {
    Bytes bytes;
    for (const char c : row) bytes.push_back(static_cast<uint8_t>(c - '0'));
    out.push_back(bytes);
  }
  return out;
}

struct ClipCase {
  const char* what;
  int left, top;
  std::optional<Rect> clip;
  Rows expected;
};

// The 5 × 3 sprite below drawn onto a white 7 × 5 board.
const Rows kLetterSprite{"12345", "06100", "00033"};

TEST(SpriteDraw, ClipsToTheClipAndTheTarget) {
  const std::vector<ClipCase> cases{
      {"unclipped", 1, 1, std::nullopt, {"WWWWWWW", "WRGBYCW", "WWMRWWW", "WWWWBBW", "WWWWWWW"}},
      {"clip edge inside an opaque run", 1, 1, Rect{3, 0, 7, 5},
       {"WWWWWWW", "WWWBYCW", "WWWRWWW", "WWWWBBW", "WWWWWWW"}},
      {"clip top skips whole rows", 1, 1, Rect{0, 2, 7, 5},
       {"WWWWWWW", "WWWWWWW", "WWMRWWW", "WWWWBBW", "WWWWWWW"}},
      {"clip right and bottom", 1, 1, Rect{0, 0, 3, 3},
       {"WWWWWWW", "WRGWWWW", "WWMWWWW", "WWWWWWW", "WWWWWWW"}},
      {"hanging off the left and top", -2, -1, std::nullopt,
       {"RWWWWWW", "WBBWWWW", "WWWWWWW", "WWWWWWW", "WWWWWWW"}},
      {"hanging off the right and bottom", 4, 3, std::nullopt,
       {"WWWWWWW", "WWWWWWW", "WWWWWWW", "WWWWRGB", "WWWWWMR"}},
      {"clip outside the target", 1, 1, Rect{8, 0, 12, 5}, Rows(5, "WWWWWWW")},
      {"clip partly outside the target", -1, 0, Rect{-5, -5, 3, 2},
       {"GBYWWWW", "MRWWWWW", "WWWWWWW", "WWWWWWW", "WWWWWWW"}},
  };
  const TSprite sprite = LetterSprite();
  const SpriteBlock block = Encode(sprite, Digits(kLetterSprite));
  for (const ClipCase& c : cases) {
    Bitmap target = Picture(Rows(5, "WWWWWWW"));
    const Rect* clip = c.clip ? &*c.clip : nullptr;
    sprite.Draw(SpriteMode::Palette, block, nullptr, clip, 3, 5, c.top, c.left, target);
    EXPECT_EQ(Text(target), c.expected) << c.what;
  }
}

// A pseudo-random sprite of runs of every length, with bytes 0..255.
std::vector<Bytes> RandomSprite(int width, int height, uint32_t seed) {
  std::vector<Bytes> rows(height, Bytes(width));
  for (Bytes& row : rows) {
    for (int x = 0; x < width;) {
      seed = seed * 134775813 + 1;
      const int run = 1 + static_cast<int>((seed >> 16) % 9);
      const bool opaque = (seed >> 28) & 1;
      for (int i = 0; i < run && x < width; ++i, ++x)
        row[x] = opaque ? static_cast<uint8_t>(1 + (seed >> (i % 24)) % 255) : 0;
    }
  }
  return rows;
}

struct Placement {
  int left, top;
  std::optional<Rect> clip;
};

const std::vector<Placement> kPlacements{
    {5, 3, std::nullopt},        {-7, -4, std::nullopt},  {40, 30, std::nullopt}, {5, 3, Rect{10, 8, 20, 15}},
    {5, 3, Rect{-10, -10, 12, 9}}, {5, 3, Rect{100, 100, 120, 120}},
};

bool Drawn(const Placement& p, int x, int y, const Bitmap& target) {
  const Rect area = p.clip ? Intersection(*p.clip, target.Bounds()) : target.Bounds();
  return area.Contains(p.left + x, p.top + y);
}

// Palette mode with palette entry v = a colour unique to v gives every sprite byte
// back where it is opaque and inside the clip.
TEST(SpriteDraw, PaletteModeDrawsBackEveryOpaqueByte) {
  constexpr int kWidth = 37, kHeight = 23;
  const std::vector<Bytes> rows = RandomSprite(kWidth, kHeight, 2024);
  std::array<Colour, 256> palette{};
  for (int v = 0; v < 256; ++v) palette[v] = MakeColour(static_cast<uint8_t>(v), static_cast<uint8_t>(v ^ 0x55), 7);
  TSprite sprite;
  sprite.SetPalette(palette);
  const SpriteBlock block = Encode(sprite, rows, 5);
  constexpr Colour kBoard = 0x123456;
  for (const Placement& p : kPlacements) {
    Bitmap target(60, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) target.SetPixel(x, y, kBoard);
    sprite.Draw(SpriteMode::Palette, block, nullptr, p.clip ? &*p.clip : nullptr, kHeight, kWidth, p.top, p.left,
                target);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if (!target.Bounds().Contains(p.left + x, p.top + y)) continue;
        const uint8_t v = rows[y][x];
        const Colour expected = v != 0 && Drawn(p, x, y, target) ? (v == 255 ? kBlack : palette[v]) : kBoard;
        wrong += target.ValueAt(p.left + x, p.top + y) != expected;
      }
    EXPECT_EQ(wrong, 0) << "sprite at " << p.left << ", " << p.top;
  }
}

// Save mode copies the target pixel under every opaque, unclipped sprite pixel into
// the background at the same sprite-relative place and leaves the rest alone.
TEST(SpriteDraw, SaveModeRoundTripsThePixelsUnderTheSprite) {
  constexpr int kWidth = 37, kHeight = 23;
  const std::vector<Bytes> rows = RandomSprite(kWidth, kHeight, 77);
  const TSprite sprite;
  const SpriteBlock block = Encode(sprite, rows);
  Bitmap target(60, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) target.SetPixel(x, y, MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 99));
  constexpr Colour kUntouched = 0xABCDEF;
  for (const Placement& p : kPlacements) {
    Bitmap saved(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) saved.SetPixel(x, y, kUntouched);
    const Bitmap before = target;
    sprite.Draw(SpriteMode::Save, block, &saved, p.clip ? &*p.clip : nullptr, kHeight, kWidth, p.top, p.left, target);
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const bool copied = rows[y][x] != 0 && Drawn(p, x, y, target);
        const Colour expected = copied ? static_cast<Colour>(target.ValueAt(p.left + x, p.top + y)) : kUntouched;
        wrong += saved.ValueAt(x, y) != expected;
      }
    EXPECT_EQ(wrong, 0) << "sprite at " << p.left << ", " << p.top;
    EXPECT_EQ(std::memcmp(target.Bits(), before.Bits(), static_cast<size_t>(target.Stride()) * target.Height()), 0);
  }
}

// One sprite pixel drawn onto the top-left pixel of a 2 × 2 target.
Colour DrawOnePixel(const TSprite& sprite, SpriteMode mode, uint8_t value, Colour pixel,
                    Colour background = kBlack) {
  const SpriteBlock block = Encode(sprite, {{value}});
  Bitmap target(2, 2);
  target.SetPixel(0, 0, pixel);
  Bitmap under(1, 1);
  under.SetPixel(0, 0, background);
  sprite.Draw(mode, block, &under, nullptr, 1, 1, 0, 0, target);
  return static_cast<Colour>(target.ValueAt(0, 0));
}

struct BrightnessCase {
  uint8_t value;
  Colour expected;
};

TEST(SpriteDraw, BrightnessAddsTwiceTheLevelLessSixtyFourClamped) {
  const Colour pixel = MakeColour(250, 10, 128);
  const std::vector<BrightnessCase> cases{
      {63, MakeColour(255, 72, 190)},        // +62, red clamps at 255
      {1, MakeColour(188, 0, 66)},           // -62, green clamps at 0
      {32, pixel},                           // level 32 leaves the pixel
      {1 << 6 | 33, MakeColour(252, 12, 130)},  // side bits are ignored: +2
      {255, MakeColour(255, 72, 190)},       // side 3, level 63
  };
  const TSprite sprite;
  for (const BrightnessCase& c : cases)
    EXPECT_EQ(DrawOnePixel(sprite, SpriteMode::Brightness, c.value, pixel), c.expected) << int{c.value};
}

struct EdgeCase {
  const char* what;
  bool smooth;
  uint8_t hiddenSides;
  uint8_t value;  // side << 6 | coverage
  Colour piece, background, expected;
};

TEST(SpriteDraw, EdgeBlendsByCoverageOrSwitchesAtHalf) {
  const Colour black = kBlack, white = kWhite;
  const Colour piece = MakeColour(255, 100, 16);
  const std::vector<EdgeCase> cases{
      {"smooth, coverage 8 is half way", true, 0, 8, piece, black, MakeColour(127, 50, 8)},
      {"smooth, coverage 15", true, 0, 15, white, black, MakeColour(239, 239, 239)},
      {"smooth, division truncates toward zero", true, 0, 1, MakeColour(0, 100, 250), MakeColour(255, 200, 10),
       MakeColour(240, 194, 25)},
      {"smooth, coverage 0 with side bits is the background", true, 0, 1 << 6, piece, white, white},
      {"smooth off, coverage 7 shows the background", false, 0, 7, piece, white, white},
      {"smooth off, coverage 8 keeps the piece colour", false, 0, 8, piece, white, piece},
      {"smooth off, coverage 15 keeps the piece colour", false, 0, 2 << 6 | 15, piece, white, piece},
      {"hidden side 2, coverage 7 shows the background", true, 0b0100, 2 << 6 | 7, piece, white, white},
      {"hidden side 2, coverage 8 keeps the piece colour", true, 0b0100, 2 << 6 | 8, piece, white, piece},
      {"side 1 is not hidden by side 2", true, 0b0100, 1 << 6 | 8, piece, black, MakeColour(127, 50, 8)},
      {"hidden side 3", true, 0b1000, 3 << 6 | 4, piece, white, white},
  };
  for (const EdgeCase& c : cases) {
    TSprite sprite;
    sprite.SetSmooth(c.smooth);
    sprite.SetHiddenSides(c.hiddenSides);
    EXPECT_EQ(DrawOnePixel(sprite, SpriteMode::Edge, c.value, c.piece, c.background), c.expected) << c.what;
  }
}

// The background is read at the sprite-relative place, also when the clip cuts off
// the sprite's first column.
TEST(SpriteDraw, EdgeReadsTheBackgroundAtTheSpritePlace) {
  TSprite sprite;
  sprite.SetSmooth(false);
  const SpriteBlock block = Encode(sprite, {{2, 2, 2}});
  Bitmap target = Picture({"WWWW", "WWWW"});
  Bitmap background = Picture({"RGB"});
  const Rect clip{1, 0, 4, 2};
  sprite.Draw(SpriteMode::Edge, block, &background, &clip, 1, 3, 0, 0, target);
  EXPECT_EQ(Text(target), (Rows{"WGBW", "WWWW"}));
}

TEST(SpriteDraw, PaletteIndex255DrawsBlack) {
  std::array<Colour, 256> palette;
  palette.fill(kWhite);
  TSprite sprite;
  sprite.SetPalette(palette);
  EXPECT_EQ(DrawOnePixel(sprite, SpriteMode::Palette, 255, kWhite), kBlack);
  EXPECT_EQ(DrawOnePixel(sprite, SpriteMode::Palette, 254, kBlack), kWhite);
}

// A 4 × 3 edge sprite over a selection covering columns 0..2 of a 4 × 3 image: every
// pixel but (1, 1) has a neighbour outside the selection, so only (1, 1) is drawn;
// the others hand their coverage (without side bits) to the capture output.
TEST(SpriteDraw, CaptureModeHandsOutlineCoverageToTheOutput) {
  constexpr int kStride = 6;  // the image width plus a border pixel on each side
  std::vector<uint8_t> mask(kStride * 5, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) mask[(y + 1) * kStride + x + 1] = 1;
  std::vector<uint8_t> output(kStride * 5, 0);
  const std::vector<Bytes> edge{{1 << 6 | 1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};

  TSprite sprite;
  sprite.SetSmooth(false);
  sprite.SetCapture(true, mask.data(), kStride, output.data());
  const SpriteBlock block = Encode(sprite, edge);
  Bitmap image = Picture(Rows(3, "RRRR"));
  Bitmap background = Picture(Rows(3, "GGGG"));
  sprite.Draw(SpriteMode::Edge, block, &background, nullptr, 3, 4, 0, 0, image);
  EXPECT_EQ(Text(image), (Rows{"RRRR", "RGRR", "RRRR"}));
  const std::vector<uint8_t> expected{
      1, 2, 3,  4,  0, 0,  //
      5, 0, 7,  8,  0, 0,  //
      9, 10, 11, 12, 0, 0,  //
      0, 0, 0,  0,  0, 0,  //
      0, 0, 0,  0,  0, 0,
  };
  EXPECT_EQ(output, expected);

  // Without capture every pixel switches to the background below coverage 8.
  sprite.CaptureOff();
  image = Picture(Rows(3, "RRRR"));
  sprite.Draw(SpriteMode::Edge, block, &background, nullptr, 3, 4, 0, 0, image);
  EXPECT_EQ(Text(image), (Rows{"GGGG", "GGGR", "RRRR"}));
}

TEST(SpriteDraw, NothingIsDrawnWithoutBlockTargetRowsOrBackground) {
  const TSprite sprite = LetterSprite();
  const SpriteBlock block = Encode(sprite, {{1, 1}});
  Bitmap target = Picture({"WW", "WW"});
  sprite.Draw(SpriteMode::Palette, {}, nullptr, nullptr, 1, 2, 0, 0, target);
  sprite.Draw(SpriteMode::Edge, block, nullptr, nullptr, 1, 2, 0, 0, target);
  sprite.Draw(SpriteMode::Save, block, nullptr, nullptr, 1, 2, 0, 0, target);
  EXPECT_EQ(Text(target), (Rows{"WW", "WW"}));
  Bitmap oneRow = Picture({"WW"});
  sprite.Draw(SpriteMode::Palette, block, nullptr, nullptr, 1, 2, 0, 0, oneRow);
  EXPECT_EQ(Text(oneRow), (Rows{"WW"}));
}

// Edge and save mode touch the background only where it holds the sprite's pixels.
TEST(SpriteDraw, ABackgroundSmallerThanTheSpriteLimitsTheDrawing) {
  TSprite sprite;
  sprite.SetSmooth(false);
  const SpriteBlock block = Encode(sprite, {{2, 2, 2}, {2, 2, 2}});
  Bitmap target = Picture({"RGBW", "YCMW"});
  Bitmap background = Picture({"..", ".."});
  sprite.Draw(SpriteMode::Save, block, &background, nullptr, 2, 3, 0, 0, target);
  EXPECT_EQ(Text(background), (Rows{"RG", "YC"}));
  background = Picture({"WW"});
  sprite.Draw(SpriteMode::Edge, block, &background, nullptr, 2, 3, 0, 0, target);
  EXPECT_EQ(Text(target), (Rows{"WWBW", "YCMW"}));
}

// Every prefix of a block draws a part of what the whole block draws, never more,
// and reads nothing beyond its end.
TEST(SpriteDraw, TruncatedBlocksDrawOnlyWhatTheyHold) {
  const TSprite sprite = LetterSprite();
  const SpriteBlock whole = Encode(sprite, Digits(kLetterSprite));
  Bitmap full = Picture(Rows(3, "WWWWW"));
  sprite.Draw(SpriteMode::Palette, whole, nullptr, nullptr, 3, 5, 0, 0, full);
  for (size_t length = 0; length < whole.size(); ++length) {
    const SpriteBlock prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    Bitmap target = Picture(Rows(3, "WWWWW"));
    sprite.Draw(SpriteMode::Palette, prefix, nullptr, nullptr, 3, 5, 0, 0, target);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        if (target.ValueAt(x, y) != kWhite) {
          EXPECT_EQ(target.ValueAt(x, y), full.ValueAt(x, y)) << length;
        }
  }
}

struct MalformedCase {
  const char* what;
  std::vector<Token> block;
  Rows expected;
};

TEST(SpriteDraw, MalformedRowsAndRunsStopDrawing) {
  const std::vector<MalformedCase> cases{
      {"a row length of zero ends the block", {R(0), O({1, 1}), R(10), O({2, 2})}, {"WWW", "WWW"}},
      {"a row longer than the block ends it", {R(10), O({1, 1}), R(99), O({2, 2})}, {"RRW", "WWW"}},
      {"an unknown run kind ends its row only", {R(17), Raw(2 | 3 << 16), T(1), O({1}), R(10), O({2, 2})},
       {"WWW", "GGW"}},
      {"an opaque run longer than its row ends the row", {R(10), Raw(3 | 2 << 16), Loose({1, 1}), R(10), O({2, 2})},
       {"WWW", "GGW"}},
      {"runs beyond the width are ignored", {R(17), O({1, 1}), O({3, 3, 3}), R(10), O({2, 2})},
       {"RRB", "GGW"}},
  };
  const TSprite sprite = LetterSprite();
  for (const MalformedCase& c : cases) {
    Bitmap target = Picture(Rows(2, "WWW"));
    sprite.Draw(SpriteMode::Palette, Expand(c.block), nullptr, nullptr, 2, 3, 0, 0, target);
    EXPECT_EQ(Text(target), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace quill
