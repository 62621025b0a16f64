#include "game/cut_ahead.h"

#include <algorithm>
#include <cstdint>
#include <exception>

#include "common/jpeg_decode.h"
#include "common/random.h"
#include "common/records.h"
#include "common/start_marks.h"
#include "common/util.h"
#include "game/fit_grid.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "game/program_file.h"
#include "pieces/arrangement.h"
#include "pieces/parallel.h"

namespace quill {

bool CutAhead::HoldsPicture(int32_t offset, int32_t size) const {
  return offset == PictureOffset && size == PictureSize && !Picture.Empty();
}

namespace {

// Cuts the pieces of a new game of the gift (turned as its seed turns them) into
// `ahead`, which holds the picture's size. False when the cut fails: building the
// puzzle reports why.
bool CutNewGame(const GiftHeader& header, int32_t width, int32_t height, int threads, CutAhead& ahead) {
  TPuzzleRecord record;
  CopyGiftSettings(header, record);
  const auto count = static_cast<size_t>(FitGrid(record, record.RequestedCount, width, height));
  CutRequest& request = ahead.Request;
  // A new game turns its loose pieces with the puzzle's seed, then cuts them from
  // the same seed.
  SetRandSeed(record.Seed);
  request.Rotations.assign(count, 0);
  if (header.RotationOn != 0)
    for (uint8_t& turns : request.Rotations) turns = static_cast<uint8_t>(Random(4));
  request.Seed = record.Seed;
  SetRandSeed(request.Seed);
  request.Settings = LatticeSettings::FromPuzzleRecord(record);
  request.Templates = &ahead.Templates;
  TLattice lattice(request.Settings, ahead.Templates);
  lattice.Generate();
  const int32_t width4 = kSupersampling * record.ScaledWidth;
  request.BevelWidth = BevelWidth(static_cast<uint32_t>(header.OutlineIndex), width4, record.Columns);
  request.Thickness = WoodThickness(width4, record.Columns);
  ahead.Cut = CutPuzzle(request, lattice, threads);
  if (ahead.Cut.Failure != CutFailure::None) return false;
  BitsToBitmap(ahead.Cut.Layout.AtlasWidth, ahead.Cut.Layout.AtlasHeight, ahead.MaskAtlas, ahead.Cut.MaskBuffer);
  return true;
}

}  // namespace

std::unique_ptr<CutAhead> CutGiftAhead(const std::string& path, int threads) {
  try {
    const ProgramFile file(path);
    const FoundGiftHeader found = LocateGiftHeader(file);
    const GiftHeader& header = found.Header;
    if (header.PictureSize <= 0 || !file.Holds(header.PictureOffset, header.PictureSize)) return nullptr;
    const std::vector<uint8_t> jpeg = file.ReadBlock(header.PictureOffset, header.PictureSize);
    const JpegInfo size = ReadJpegInfo(jpeg.data(), jpeg.size());
    if (size.Width > kMaxPictureSide || size.Height > kMaxPictureSide) return nullptr;

    auto ahead = std::make_unique<CutAhead>();
    ahead->PictureOffset = header.PictureOffset;
    ahead->PictureSize = header.PictureSize;
    std::future<void> decoding =
        std::async(std::launch::async, [&] { DecodeJpeg(jpeg.data(), jpeg.size(), ahead->Picture); });
    LoadGiftTemplates(file, header, found.Position, ahead->Templates);
    const bool cut = CutNewGame(header, size.Width, size.Height, threads, *ahead);
    decoding.get();
    if (!cut) return nullptr;
    std::vector<PieceBox> homes(ahead->Cut.Pieces.size());
    for (size_t k = 0; k < homes.size(); ++k) {
      const CutPiece& piece = ahead->Cut.Pieces[k];
      homes[k] = {piece.X, piece.Y, piece.Mask.Width, piece.Mask.Height};
    }
    ahead->ColourRanks = ColourRanks(ahead->Picture, homes, threads);
    MarkStartStep("cut-ahead");
    return ahead;
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::future<std::unique_ptr<CutAhead>> StartCuttingAhead(const std::string& path) {
  return std::async(std::launch::async, [path] { return CutGiftAhead(path, DefaultImagingThreads()); });
}

}  // namespace quill
