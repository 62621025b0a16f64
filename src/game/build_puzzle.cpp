// Building the puzzle from the gift's picture: the grid, the pieces and their
// outlines, all fixed by the puzzle's seed; cutting the pieces' images and masks out
// of the picture and rendering the atlases they are drawn from.
#include <algorithm>
#include <cstdint>
#include <future>
#include <memory>
#include <stdexcept>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/random.h"
#include "common/records.h"
#include "common/start_marks.h"
#include "game/fit_grid.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "pieces/cutting.h"
#include "pieces/lattice.h"
#include "pieces/parallel.h"
#include "pieces/progress_steps.h"
#include "pieces/tab_codes.h"
#include "pieces/templates.h"

namespace quill {

namespace {

constexpr const char* kGeneratingCaption = "Generating: ";

// A piece may reach over three cells of the grid, as far as a piece of any style
// does; only a damaged template makes it larger.
int32_t LargestPieceExtent(int32_t width4, int32_t height4, int32_t columns, int32_t rows) {
  return 3 * std::max(width4 / std::max(columns, 1), height4 / std::max(rows, 1));
}

}  // namespace

void TJigsaw::BuildPuzzle() {
  const std::vector<uint8_t> jpeg = ReadJpegBlock(FHeader.PictureOffset, FHeader.PictureSize);
  MarkStartStep("picture-read");
  const JpegInfo size = ReadJpegInfo(jpeg.data(), jpeg.size());
  if (size.Width > kMaxPictureSide || size.Height > kMaxPictureSide)
    throw UserError("The picture of this jigsaw is too large: at most " + std::to_string(kMaxPictureSide) +
                    " pixels wide and high can be cut into pieces");
  // The shapes need only the picture's size, so the pixels are decoded on a thread
  // of their own while the pieces are cut: decoding is one core's work, and the
  // cutting keeps the others busy meanwhile.
  std::future<Bitmap> decoding = std::async(std::launch::async, [&jpeg] {
    Bitmap picture;
    DecodeJpeg(jpeg.data(), jpeg.size(), picture);
    return picture;
  });
  FUnscaled = Bitmap();  // the picture is its own unscaled copy until rescaled
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(PuzzleRecord.RequestedCount, size.Width, size.Height));
  CreatePieceList();
  CreateTrays();
  // Random rotations come from the seed too, but must not change the shapes: the
  // generator is seeded again before cutting.
  SetRandSeed(PuzzleRecord.Seed);
  RandomiseRotation(AllPieces(), true);
  Regenerate();
  MarkStartStep("cut");
  Picture = decoding.get();
  MarkStartStep("decoded");
  RenderAtlases(MaskBuffer, StatusProgress.Report());
  MarkStartStep("atlases");
  SortByColour(Picture, StatusProgress.Report());
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
    const int pattern = FLattice->BuildPieceSides(piece->Index, sides);
    piece->TabCode = RotateTabCode(TabCodeOfPattern(static_cast<uint8_t>(pattern)), piece->Rotation);
    each(*piece, sides);
  }
}

// The outlines come from the lattice one after another; the pieces are then
// rasterised independently of each other, on as many threads as there are cores.
void TJigsaw::CutPieces(const TPieceList& list, bool regenerate, const ProgressReport& progress) {
  const int32_t columns = PuzzleRecord.Columns, rows = PuzzleRecord.Rows;
  const int32_t width4 = kSupersampling * PuzzleRecord.ScaledWidth;
  const int32_t height4 = kSupersampling * PuzzleRecord.ScaledHeight;
  const ProgressReport silent;
  const ProgressSteps steps(regenerate ? progress : silent, static_cast<int>(list.size()), kGeneratingCaption);
  if (regenerate) {
    Thickness = WoodThickness(width4, columns);
    PuzzleRecord.CellWidth = PuzzleRecord.CellHeight = 0;
    MakeLattice();
  } else if (!FLattice) {
    // No cutting yet to take the shapes from: make the puzzle's lattice without
    // disturbing the random numbers of whatever is going on.
    const int32_t seed = RandSeed();
    SetRandSeed(PuzzleRecord.Seed);
    MakeLattice();
    SetRandSeed(seed);
  }

  std::vector<PieceSides> outlines;
  outlines.reserve(list.size());
  int32_t extent = 0;
  ForEachPieceOutline(list, [&](TFormPiece&, const PieceSides& sides) {
    outlines.push_back(sides);
    extent = std::max(extent, PieceExtent(sides));
  });
  if (extent > LargestPieceExtent(width4, height4, columns, rows)) throw UserError(kDamagedGiftMessage);

  std::vector<PieceMask> masks(regenerate ? PieceList.size() : 0);  // by piece index
  const int threads = ImagingThreadCount();
  std::vector<std::unique_ptr<TPieceCutter>> cutters(static_cast<size_t>(threads));
  const int32_t bevelWidth = BevelWidth(Config().OutlineStyle, width4, columns);
  const auto cutOne = [&](int worker, size_t k) {
    auto& cutter = cutters[static_cast<size_t>(worker)];
    if (!cutter) {
      cutter = std::make_unique<TPieceCutter>(bevelWidth);
      cutter->Reserve(extent);
    }
    TFormPiece& piece = *list[k];
    const PieceImage image = cutter->RasterisePiece(outlines[k], piece.Rotation);
    BuildPieceSprites(piece.Index, image.Width, image.Edge.data(), image.Shade.data(), image.Width, image.Height);
    if (!regenerate) return;
    piece.SetHome(image.X, image.Y, image.Width, image.Height);
    masks[static_cast<size_t>(piece.Index)] = {image.Width, image.Height, {image.Mask.begin(), image.Mask.end()}};
  };
  ForEachOnThreads(list.size(), threads, cutOne, [&](size_t done) { steps.Step(static_cast<int>(done)); });
  if (!regenerate) return;

  int32_t widest = 0, tallest = 0;
  for (const TFormPiece* piece : list) {
    widest = std::max<int32_t>(widest, piece->Width);
    tallest = std::max<int32_t>(tallest, piece->Height);
  }
  const AtlasLayout layout = LayoutAtlas(widest, tallest, columns, rows);
  if (layout.AtlasWidth > UINT16_MAX || layout.AtlasHeight > UINT16_MAX)
    throw std::length_error("piece atlas too large");
  PuzzleRecord.CellWidth = static_cast<uint16_t>(layout.CellWidth);
  PuzzleRecord.CellHeight = static_cast<uint16_t>(layout.CellHeight);
  PuzzleRecord.AtlasWidth = static_cast<uint16_t>(layout.AtlasWidth);
  PuzzleRecord.AtlasHeight = static_cast<uint16_t>(layout.AtlasHeight);
  MaskBuffer = AssembleMasks(layout, columns, Thickness, masks);
  PuzzleRecord.ImageBufferSize = static_cast<int32_t>(MaskBuffer.size());
  PlaceAtlasCells(list);
}

}  // namespace quill
