// Building the puzzle from the gift's picture: the grid, the pieces and their
// outlines, all fixed by the puzzle's seed; cutting the pieces' sprites and masks
// (or taking those cut ahead at the start) and rendering the mask atlas.
#include <algorithm>
#include <cstdint>
#include <future>
#include <memory>
#include <stdexcept>

#include "common/errors.h"
#include "common/translate.h"
#include "common/jpeg_decode.h"
#include "common/random.h"
#include "common/records.h"
#include "common/start_marks.h"
#include "game/cut_ahead.h"
#include "game/fit_grid.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "pieces/cutting.h"
#include "pieces/lattice.h"
#include "pieces/parallel.h"
#include "pieces/progress_steps.h"
#include "pieces/puzzle_cut.h"
#include "pieces/tab_codes.h"
#include "pieces/templates.h"

namespace quill {

namespace {

constexpr const char* kGeneratingCaption = TextMark("Messages", "Generating: ");

}  // namespace

void TJigsaw::TakeCuttingAhead(std::future<std::unique_ptr<CutAhead>> cutting) { cuttingAhead_ = std::move(cutting); }

std::unique_ptr<CutAhead> TJigsaw::CollectCutAhead() {
  if (!cuttingAhead_.valid()) return nullptr;
  return cuttingAhead_.get();
}

void TJigsaw::BuildPuzzle() {
  // Whatever was cut ahead serves this building only, and is let go when it ends.
  const std::unique_ptr<CutAhead> ahead = CollectCutAhead();

  std::vector<uint8_t> jpeg;
  JpegInfo size;
  const bool decodedAhead = ahead != nullptr && ahead->HoldsPicture(FHeader.PictureOffset, FHeader.PictureSize);
  if (decodedAhead) {
    size = {ahead->Picture.Width(), ahead->Picture.Height()};
  } else {
    jpeg = ReadJpegBlock(FHeader.PictureOffset, FHeader.PictureSize);
    size = ReadJpegInfo(jpeg.data(), jpeg.size());
  }
  MarkStartStep("picture-read");
  if (size.Width > kMaxPictureSide || size.Height > kMaxPictureSide)
    throw UserError(FillArgs(Tr("Messages", "The picture of this jigsaw is too large: at most %1 pixels wide and high "
                                            "can be cut into pieces"),
                             {std::to_string(kMaxPictureSide)}));
  // The shapes need only the picture's size, so the pixels are decoded on a thread
  // of their own while the pieces are cut: decoding is one core's work, and the
  // cutting keeps the others busy meanwhile.
  std::future<Bitmap> decoding;
  if (!decodedAhead) {
    decoding = std::async(std::launch::async, [&jpeg] {
      Bitmap picture;
      DecodeJpeg(jpeg.data(), jpeg.size(), picture);
      return picture;
    });
  }
  FUnscaled = Bitmap();  // the picture is its own unscaled copy until rescaled
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(PuzzleRecord.RequestedCount, size.Width, size.Height));
  CreatePieceList();
  CreateTrays();
  // Random rotations come from the seed too, but must not change the shapes: the
  // generator is seeded again before cutting.
  SetRandSeed(PuzzleRecord.Seed);
  RandomiseRotation(AllPieces(), true);
  SetRandSeed(PuzzleRecord.Seed);
  CutWholePuzzle(AllPieces(), StatusProgress.Report(), ahead.get());
  MarkStartStep("cut");
  Picture = decodedAhead ? std::move(ahead->Picture) : decoding.get();
  MarkStartStep("decoded");
  const bool cutAhead = ahead != nullptr && ahead->PiecesTaken;
  RenderAtlases(MaskBuffer, StatusProgress.Report(), cutAhead ? &ahead->MaskAtlas : nullptr);
  MarkStartStep("atlases");
  // Ranks taken from the same picture and the same pieces are the same.
  if (decodedAhead && cutAhead) SetColourRanks(ahead->ColourRanks);
  else SortByColour(Picture, StatusProgress.Report());
  MarkStartStep("sorted");
}

void TJigsaw::Regenerate() {
  SetRandSeed(PuzzleRecord.Seed);
  CutPieces(AllPieces(), true, StatusProgress.Report());
}

void TJigsaw::GenerateOutlines(const std::function<void(TFormPiece&, const PieceSides&)>& each) {
  MakeLattice();
  ForEachPieceOutline(AllPieces(), each);
}

void TJigsaw::MakeLattice() {
  FLattice = std::make_unique<TLattice>(LatticeSettings::FromPuzzleRecord(PuzzleRecord), Templates);
  FLattice->Generate();
  for (auto& piece : PieceList) piece->TemplateNo = static_cast<int16_t>(FLattice->TemplateOf(piece->Index));
  ClassifyPieces(AllPieces());
}

void TJigsaw::ForEachPieceOutline(const TPieceList& list,
                                  const std::function<void(TFormPiece&, const PieceSides&)>& each) {
  PieceSides sides;
  for (TFormPiece* piece : list) {
    SetTabCode(*piece, FLattice->BuildPieceSides(piece->Index, sides));
    each(*piece, sides);
  }
}

void TJigsaw::SetTabCode(TFormPiece& piece, int pattern) {
  piece.TabCode = RotateTabCode(TabCodeOfPattern(static_cast<uint8_t>(pattern)), piece.Rotation);
}

void TJigsaw::CutPieces(const TPieceList& list, bool regenerate, const ProgressReport& progress) {
  if (regenerate) {
    CutWholePuzzle(list, progress, nullptr);
    return;
  }
  if (!FLattice) {
    // No cutting yet to take the shapes from: make the puzzle's lattice without
    // disturbing the random numbers of whatever is going on.
    const int32_t seed = RandSeed();
    SetRandSeed(PuzzleRecord.Seed);
    MakeLattice();
    SetRandSeed(seed);
  }
  const int32_t bevelWidth =
      BevelWidth(Config().OutlineStyle, kSupersampling * PuzzleRecord.ScaledWidth, PuzzleRecord.Columns);
  const ProgressReport silent;
  const ProgressSteps steps(silent, static_cast<int>(list.size()), kGeneratingCaption);
  std::vector<CutPiece> cut = CutOutlinesOf(list, RotationsOf(list), bevelWidth, steps);
  for (size_t k = 0; k < list.size(); ++k) {
    list[k]->ShadeSprite.swap(cut[k].Shade);
    list[k]->EdgeSprite.swap(cut[k].Edge);
  }
}

std::vector<uint8_t> TJigsaw::RotationsOf(const TPieceList& list) {
  std::vector<uint8_t> rotations(list.size());
  for (size_t k = 0; k < list.size(); ++k) rotations[k] = list[k]->Rotation;
  return rotations;
}

// The lattice comes from the generator as it stands, as the request's seed says.
void TJigsaw::CutWholePuzzle(const TPieceList& list, const ProgressReport& progress, CutAhead* ahead) {
  const int32_t columns = PuzzleRecord.Columns;
  const int32_t width4 = kSupersampling * PuzzleRecord.ScaledWidth;
  const ProgressSteps steps(progress, static_cast<int>(list.size()), kGeneratingCaption);
  Thickness = WoodThickness(width4, columns);
  PuzzleRecord.CellWidth = PuzzleRecord.CellHeight = 0;
  const CutRequest request{LatticeSettings::FromPuzzleRecord(PuzzleRecord), RandSeed(), &Templates,
                           RotationsOf(list), BevelWidth(Config().OutlineStyle, width4, columns), Thickness};
  MakeLattice();
  CutResult cut;
  if (ahead != nullptr && ahead->CutFrom(request)) {
    cut = std::move(ahead->Cut);
    ahead->PiecesTaken = true;
    steps.Step(static_cast<int>(cut.Pieces.size()));
  } else {
    cut = CutPuzzle(request, *FLattice, ImagingThreadCount(), [&](size_t done) { steps.Step(static_cast<int>(done)); });
  }
  if (cut.Failure == CutFailure::OutlinesTooLarge) throw UserError(kDamagedGiftMessage);
  if (cut.Failure == CutFailure::AtlasTooLarge) throw std::length_error("piece atlas too large");
  for (size_t k = 0; k < list.size(); ++k) {
    TFormPiece& piece = *list[k];
    SetTabCode(piece, cut.Patterns[k]);
    piece.ShadeSprite.swap(cut.Pieces[k].Shade);
    piece.EdgeSprite.swap(cut.Pieces[k].Edge);
    piece.SetHome(cut.Pieces[k].X, cut.Pieces[k].Y, cut.Pieces[k].Mask.Width, cut.Pieces[k].Mask.Height);
  }
  const AtlasLayout& layout = cut.Layout;
  PuzzleRecord.CellWidth = static_cast<uint16_t>(layout.CellWidth);
  PuzzleRecord.CellHeight = static_cast<uint16_t>(layout.CellHeight);
  PuzzleRecord.AtlasWidth = static_cast<uint16_t>(layout.AtlasWidth);
  PuzzleRecord.AtlasHeight = static_cast<uint16_t>(layout.AtlasHeight);
  MaskBuffer = std::move(cut.MaskBuffer);
  PuzzleRecord.ImageBufferSize = static_cast<int32_t>(MaskBuffer.size());
  PlaceAtlasCells(list);
}

// The outlines come from the lattice one after another; the pieces are then
// rasterised independently of each other, on as many threads as there are cores.
std::vector<CutPiece> TJigsaw::CutOutlinesOf(const TPieceList& list, std::span<const uint8_t> rotations,
                                             int32_t bevelWidth, const ProgressSteps& steps) {
  std::vector<PieceSides> outlines;
  outlines.reserve(list.size());
  int32_t extent = 0;
  ForEachPieceOutline(list, [&](TFormPiece&, const PieceSides& sides) {
    outlines.push_back(sides);
    extent = std::max(extent, PieceExtent(sides));
  });
  if (extent > LargestPieceExtent(kSupersampling * PuzzleRecord.ScaledWidth, kSupersampling * PuzzleRecord.ScaledHeight,
                                  PuzzleRecord.Columns, PuzzleRecord.Rows))
    throw UserError(kDamagedGiftMessage);
  return CutOutlines(outlines, rotations, bevelWidth, ImagingThreadCount(),
                     [&](size_t done) { steps.Step(static_cast<int>(done)); });
}

}  // namespace quill
