#include "pieces/puzzle_cut.h"

#include <algorithm>
#include <optional>

namespace quill {

bool SameCut(const CutRequest& a, const CutRequest& b) {
  return a.Settings == b.Settings && a.Seed == b.Seed && a.BevelWidth == b.BevelWidth && a.Thickness == b.Thickness &&
         a.Rotations == b.Rotations && a.Templates != nullptr && b.Templates != nullptr &&
         a.Templates->SameAs(*b.Templates);
}

CutResult CutPuzzle(const CutRequest& request, const TLattice& lattice, int threads,
                    const std::function<void(size_t finished)>& done) {
  const LatticeSettings& settings = request.Settings;
  CutResult result;
  result.Patterns.resize(request.Rotations.size());
  std::vector<std::optional<TLattice>> lattices(static_cast<size_t>(std::max(threads, 1)));
  std::vector<int32_t> extents(lattices.size(), 0);
  result.Pieces = CutOutlines(
      [&](int worker, size_t k, PieceSides& sides) {
        auto& own = lattices[static_cast<size_t>(worker)];
        if (!own) own.emplace(lattice);
        result.Patterns[k] = static_cast<uint8_t>(own->BuildPieceSides(static_cast<int>(k), sides));
        int32_t& extent = extents[static_cast<size_t>(worker)];
        extent = std::max(extent, PieceExtent(sides));
      },
      request.Rotations, request.BevelWidth, threads, done);
  if (*std::max_element(extents.begin(), extents.end()) >
      LargestPieceExtent(kSupersampling * settings.ScaledWidth, kSupersampling * settings.ScaledHeight,
                         settings.Columns, settings.Rows)) {
    result.Failure = CutFailure::OutlinesTooLarge;
    return result;
  }
  result.Layout = LayoutAtlasOf(result.Pieces, settings.Columns, settings.Rows);
  if (result.Layout.AtlasWidth > UINT16_MAX || result.Layout.AtlasHeight > UINT16_MAX) {
    result.Failure = CutFailure::AtlasTooLarge;
    return result;
  }
  result.MaskBuffer = AssembleMasks(result.Layout, settings.Columns, request.Thickness, result.Pieces);
  return result;
}

}  // namespace quill
