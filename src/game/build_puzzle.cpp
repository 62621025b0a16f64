// Building the puzzle from the gift's picture: the grid, the pieces and their
// outlines, all fixed by the puzzle's seed.
#include "common/errors.h"
#include "common/random.h"
#include "common/records.h"
#include "game/fit_grid.h"
#include "game/jigsaw.h"
#include "pieces/lattice.h"
#include "pieces/tab_codes.h"
#include "pieces/templates.h"

namespace quill {

void TJigsaw::BuildPuzzle() {
  LoadJpegBlock(Picture, FHeader.PictureOffset, FHeader.PictureSize);
  if (Picture.Width() > kMaxPictureSide || Picture.Height() > kMaxPictureSide)
    throw UserError("The picture of this jigsaw is too large: at most " + std::to_string(kMaxPictureSide) +
                    " pixels wide and high can be cut into pieces");
  FUnscaled = Picture;
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(PuzzleRecord.RequestedCount, Picture.Width(), Picture.Height()));
  CreatePieceList();
  // Random rotations come from the seed too, but must not change the shapes: the
  // generator is seeded again before cutting.
  SetRandSeed(PuzzleRecord.Seed);
  SetRandSeed(PuzzleRecord.Seed);
  GenerateOutlines([](TFormPiece&, const PieceSides&) {});
}

void TJigsaw::GenerateOutlines(const std::function<void(TFormPiece&, const PieceSides&)>& each) {
  TLattice lattice(LatticeSettings::FromPuzzleRecord(PuzzleRecord), Templates);
  lattice.Generate();
  for (auto& piece : PieceList) piece->TemplateNo = static_cast<int16_t>(lattice.TemplateOf(piece->Index));
  ClassifyPieces(AllPieces());
  PieceSides sides;
  for (auto& piece : PieceList) {
    const int pattern = lattice.BuildPieceSides(piece->Index, sides);
    piece->TabCode = RotateTabCode(TabCodeOfPattern(static_cast<uint8_t>(pattern)), piece->Rotation);
    each(*piece, sides);
  }
}

}  // namespace quill
