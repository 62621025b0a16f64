#include "game/cut_ahead.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>

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

bool CutAhead::CutFrom(const CutSource& source) const {
  return source.Settings == Settings && source.Seed == Seed && source.BevelWidth == BevelWidth &&
         source.Thickness == Thickness && Pieces.size() == Rotations.size() &&
         std::ranges::equal(source.Rotations, Rotations) && source.Templates.SameAs(Templates);
}

namespace {

// Cuts the pieces of a new game of the gift (turned as its seed turns them) into
// `ahead`, which holds the picture's size. False when the outlines are larger than
// the grid allows or the atlas would be: building the puzzle reports those.
bool CutNewGame(const GiftHeader& header, int32_t width, int32_t height, int threads, CutAhead& ahead) {
  TPuzzleRecord record;
  CopyGiftSettings(header, record);
  const auto count = static_cast<size_t>(FitGrid(record, record.RequestedCount, width, height));
  // A new game turns its loose pieces with the puzzle's seed, then cuts them from
  // the same seed.
  SetRandSeed(record.Seed);
  ahead.Rotations.assign(count, 0);
  if (header.RotationOn != 0)
    for (uint8_t& turns : ahead.Rotations) turns = static_cast<uint8_t>(Random(4));
  ahead.Seed = record.Seed;
  SetRandSeed(ahead.Seed);
  ahead.Settings = LatticeSettings::FromPuzzleRecord(record);
  TLattice lattice(ahead.Settings, ahead.Templates);
  lattice.Generate();

  // Each worker draws the outlines from a lattice of its own.
  const int32_t width4 = kSupersampling * record.ScaledWidth, height4 = kSupersampling * record.ScaledHeight;
  ahead.BevelWidth = BevelWidth(static_cast<uint32_t>(header.OutlineIndex), width4, record.Columns);
  ahead.Thickness = WoodThickness(width4, record.Columns);
  ahead.Patterns.resize(count);
  std::vector<std::optional<TLattice>> lattices(static_cast<size_t>(std::max(threads, 1)));
  std::vector<int32_t> extents(lattices.size(), 0);
  ahead.Pieces = CutOutlines(
      [&](int worker, size_t k, PieceSides& sides) {
        auto& own = lattices[static_cast<size_t>(worker)];
        if (!own) own.emplace(lattice);
        ahead.Patterns[k] = static_cast<uint8_t>(own->BuildPieceSides(static_cast<int>(k), sides));
        int32_t& extent = extents[static_cast<size_t>(worker)];
        extent = std::max(extent, PieceExtent(sides));
      },
      ahead.Rotations, ahead.BevelWidth, threads);
  if (*std::max_element(extents.begin(), extents.end()) >
      LargestPieceExtent(width4, height4, record.Columns, record.Rows))
    return false;

  ahead.Layout = LayoutAtlasOf(ahead.Pieces, record.Columns, record.Rows);
  if (ahead.Layout.AtlasWidth > UINT16_MAX || ahead.Layout.AtlasHeight > UINT16_MAX) return false;
  ahead.MaskBuffer = AssembleMasks(ahead.Layout, record.Columns, ahead.Thickness, ahead.Pieces);
  BitsToBitmap(ahead.Layout.AtlasWidth, ahead.Layout.AtlasHeight, ahead.MaskAtlas, ahead.MaskBuffer);
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
    std::vector<PieceBox> homes(ahead->Pieces.size());
    for (size_t k = 0; k < homes.size(); ++k) {
      const CutPiece& piece = ahead->Pieces[k];
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
