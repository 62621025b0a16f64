// Which pieces a pile covers: twelve pieces of 100 × 100, all of each inside its
// mask, laid side by side over a 400 × 320 area; piece 9 is then put exactly over
// piece 8, on the bottom row, and the answer follows what lies in front, what hangs
// below, what blends.
#include "pieces/cover_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pieces_fixture.h"
#include "pieces/sprite.h"

namespace quill {
namespace {

class CoverMapTest : public testing::PiecesFixture {
 protected:
  CoverMapTest() {
    Build(4, 3);
    maskAtlas = Bitmap(12 * kCell, kCell, PixelFormat::Mono1);  // all 0: inside
    for (TFormPiece* piece : pieces->AllPieces()) piece->AtlasX = piece->Index * kCell;
    P(9).X = P(8).X;
    P(9).Y = P(8).Y;
  }
  // The indexes of the pieces the list's later pieces cover, or {-1} when the answer is
  // that every piece is drawn.
  std::vector<int> Covered(const TPieceList& list, int32_t woodDepth = 0) const {
    const std::vector<bool> covered = PiecesCoveredInArea(list, Rect{0, 0, 400, 320}, maskAtlas, woodDepth);
    if (covered.empty()) return {-1};
    std::vector<int> indexes;
    for (size_t i = 0; i < list.size(); ++i)
      if (covered[i]) indexes.push_back(list[i]->Index);
    return indexes;
  }
  Bitmap maskAtlas;
};

TEST_F(CoverMapTest, APieceUnderAnotherIsCoveredOnlyWhenNothingOfItShows) {
  TPieceList front = pieces->AllPieces();
  TPieceList behind = front;
  std::swap(behind[8], behind[9]);
  EXPECT_EQ(Covered(front), (std::vector<int>{8}));
  EXPECT_EQ(Covered(behind), (std::vector<int>{9})) << "the one drawn later covers";
  EXPECT_EQ(Covered(front, 5), (std::vector<int>{})) << "its wood edge hangs below the one in front";

  P(9).X += 1;
  EXPECT_EQ(Covered(front), (std::vector<int>{})) << "one column shows";
  P(9).X -= 1;

  P(9).Hidden = true;
  EXPECT_EQ(Covered(front), (std::vector<int>{})) << "a hidden piece covers nothing";
  P(9).Hidden = false;

  // One edge pixel in the middle of piece 9 blends with what lies beneath.
  std::vector<uint8_t> edge(kCell * kCell, 0);
  edge[50 * kCell + 50] = 8;
  pieces->Sprite.Encode(P(9).EdgeSprite, kCell, edge.data(), kCell, kCell);
  EXPECT_EQ(Covered(front), (std::vector<int>{})) << "an edge pixel shows what lies beneath";
}

TEST_F(CoverMapTest, FewPiecesInTheAreaAreAllDrawn) {
  EXPECT_EQ(Covered(List({3, 4, 5, 6, 7, 8, 9})), (std::vector<int>{-1}));
  EXPECT_EQ(Covered(List({2, 3, 4, 5, 6, 7, 8, 9})), (std::vector<int>{8}));
}

}  // namespace
}  // namespace quill
