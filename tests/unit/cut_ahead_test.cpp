// The puzzle cut ahead on another thread must be the puzzle that building cuts
// itself: the same pieces, masks, colour ranks, picture and draws of the random
// generator after it, whatever the gift's style and turning; and what does not fit
// the game is left alone.
#include "game/cut_ahead.h"

#include <gtest/gtest.h>

#include "common/byte_stream.h"
#include "common/random.h"
#include "common/records.h"
#include "fake_host.h"
#include "game/jigsaw.h"
#include "gift_fixture.h"
#include "jpeg_samples.h"

namespace quill {
namespace {

using testing::FakeHost;

std::vector<uint8_t> FunTemplates(int count) {
  ByteWriter out;
  for (int t = 0; t < count; ++t) {
    TTemplate shape;
    for (auto& side : shape.Sides) side = {{0, 0}, {0.3f, 0.25f}, {0.7f, -0.2f}, {1, 0}};
    shape.Write(out);
  }
  return out.Take();
}

// What a built puzzle consists of, for comparing two builds.
struct BuiltPuzzle {
  TPuzzleRecord Record;
  int32_t SeedAfter = 0;
  int32_t Thickness = 0;
  std::vector<uint8_t> MaskBuffer;
  std::vector<uint8_t> PictureBytes;
  std::vector<uint8_t> MaskAtlasBytes;
  struct Piece {
    int32_t HomeX, HomeY;
    uint16_t Width, Height;
    uint8_t Rotation, TabCode;
    int16_t TemplateNo;
    int32_t AtlasX, AtlasY;
    int32_t Colour;
    std::vector<uint8_t> Shade, Edge, Solid;
    friend bool operator==(const Piece&, const Piece&) = default;
  };
  std::vector<Piece> Pieces;
};

BuiltPuzzle Take(const TJigsaw& game) {
  BuiltPuzzle built{PuzzleRecord, RandSeed(), game.Thickness, game.MaskBuffer, {}, {}, {}};
  for (int32_t y = 0; y < game.Picture.Height(); ++y) {
    const uint8_t* row = game.Picture.ScanLine(y);
    built.PictureBytes.insert(built.PictureBytes.end(), row, row + 3 * game.Picture.Width());
  }
  for (int32_t y = 0; y < game.MaskAtlas.Height(); ++y) {
    const uint8_t* row = game.MaskAtlas.ScanLine(y);
    built.MaskAtlasBytes.insert(built.MaskAtlasBytes.end(), row, row + (game.MaskAtlas.Width() + 7) / 8);
  }
  for (const auto& p : game.PieceList)
    built.Pieces.push_back({p->HomeX, p->HomeY, p->Width, p->Height, p->Rotation, p->TabCode, p->TemplateNo, p->AtlasX,
                            p->AtlasY, p->Colour, p->ShadeSprite, p->EdgeSprite, p->SolidSprite});
  return built;
}

void ExpectSame(const BuiltPuzzle& a, const BuiltPuzzle& b) {
  EXPECT_EQ(a.Record.PieceCount, b.Record.PieceCount);
  EXPECT_EQ(a.Record.CellWidth, b.Record.CellWidth);
  EXPECT_EQ(a.Record.AtlasWidth, b.Record.AtlasWidth);
  EXPECT_EQ(a.Record.AtlasHeight, b.Record.AtlasHeight);
  EXPECT_EQ(a.Record.ImageBufferSize, b.Record.ImageBufferSize);
  EXPECT_EQ(a.SeedAfter, b.SeedAfter) << "the draws after cutting differ";
  EXPECT_EQ(a.Thickness, b.Thickness);
  EXPECT_TRUE(a.MaskBuffer == b.MaskBuffer) << "masks differ";
  EXPECT_TRUE(a.PictureBytes == b.PictureBytes) << "pictures differ";
  EXPECT_TRUE(a.MaskAtlasBytes == b.MaskAtlasBytes) << "mask atlases differ";
  ASSERT_EQ(a.Pieces.size(), b.Pieces.size());
  for (size_t k = 0; k < a.Pieces.size(); ++k) EXPECT_TRUE(a.Pieces[k] == b.Pieces[k]) << "piece " << k;
}

struct GiftCase {
  const char* name;
  int32_t outline;   // 3 Card, 4 Wood, 0 None
  int32_t rotation;  // RotationOn
  uint8_t funPieces;
  uint8_t style;
};

class CutAheadTest : public ::testing::TestWithParam<GiftCase> {
 protected:
  std::string MakeGift(int32_t seed) {
    const GiftCase& c = GetParam();
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 60;
    header.Seed = seed;
    header.OutlineIndex = c.outline;
    header.RotationOn = c.rotation;
    header.FunPieces = c.funPieces;
    header.PieceStyle = c.style;
    GiftParts parts;
    parts.Picture = testing::SceneJpeg(420, 300, 3, 85);
    if (c.funPieces > 0) {
      header.TemplateCount = 3;
      parts.Templates = FunTemplates(3);
    }
    const auto folder = host.Temp() / std::to_string(seed);
    std::filesystem::create_directories(folder);
    return testing::MakeGiftFile(folder, header, parts).string();
  }

  // Loads and builds the gift at `path`, taking over `cutting` first when it is valid.
  BuiltPuzzle Build(const std::string& path, std::future<std::unique_ptr<CutAhead>> cutting = {}) {
    TJigsaw game(host, path);
    if (cutting.valid()) game.TakeCuttingAhead(std::move(cutting));
    game.LoadGift();
    SetRandSeed(12345);
    game.BuildPuzzle();
    return Take(game);
  }

  static std::future<std::unique_ptr<CutAhead>> Ready(std::unique_ptr<CutAhead> ahead) {
    std::promise<std::unique_ptr<CutAhead>> done;
    done.set_value(std::move(ahead));
    return done.get_future();
  }

  FakeHost host;
};

// The gift is loaded while the cutting ahead runs on its own thread, as at the start.
TEST_P(CutAheadTest, BuildingWithTheCutAheadGivesThePuzzleBuiltAlone) {
  const std::string gift = MakeGift(4711);
  const BuiltPuzzle alone = Build(gift);
  ExpectSame(alone, Build(gift, StartCuttingAhead(gift)));

  // And the pieces are indeed the ones cut ahead: a mark on one of them shows.
  std::unique_ptr<CutAhead> marked = CutGiftAhead(gift, 1);
  ASSERT_NE(marked, nullptr);
  ASSERT_EQ(marked->Cut.Pieces.size(), alone.Pieces.size());
  marked->Cut.Pieces[0].Shade = {1, 2, 3};
  EXPECT_EQ(Build(gift, Ready(std::move(marked))).Pieces[0].Shade, (std::vector<uint8_t>{1, 2, 3}));
}

// The cut of one gift offered to another (another seed) is not taken.
TEST_P(CutAheadTest, ACutOfAnotherPuzzleIsNotTaken) {
  const std::string gift = MakeGift(4711), other = MakeGift(99);
  const BuiltPuzzle alone = Build(gift);
  ExpectSame(alone, Build(gift, StartCuttingAhead(other)));
}

INSTANTIATE_TEST_SUITE_P(Styles, CutAheadTest,
                         ::testing::Values(GiftCase{"CardUnturned", 3, 0, 0, 1}, GiftCase{"WoodTurned", 4, 1, 0, 6},
                                           GiftCase{"NoneTurnedFun", 0, 1, 5, 1}),
                         [](const ::testing::TestParamInfo<GiftCase>& test) { return std::string(test.param.name); });

TEST(CutGiftAhead, GivesNothingForAFileThatIsNoGift) {
  FakeHost host;
  const auto path = host.Temp() / "plain.bin";
  testing::WriteBytes(path, std::vector<uint8_t>(30000, 'x'));
  EXPECT_EQ(CutGiftAhead(path.string(), 2), nullptr);
  EXPECT_EQ(CutGiftAhead((host.Temp() / "missing").string(), 2), nullptr);
}

// A picture that does not decode gives nothing ahead; building reports it as always.
TEST(CutGiftAhead, GivesNothingForAPictureThatDoesNotDecode) {
  FakeHost host;
  const std::string path = testing::MakeGiftFile(host.Temp(), DefaultGiftHeader()).string();
  EXPECT_EQ(CutGiftAhead(path, 2), nullptr);
}

}  // namespace
}  // namespace quill
