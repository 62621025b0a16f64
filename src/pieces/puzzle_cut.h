// A puzzle's cut, whoever makes it: the request holds everything the pieces' shapes
// and sprites depend on, the result each piece's tab pattern and cut piece with the
// mask atlas's layout and packed masks. Building a puzzle and the cut made ahead at
// the start both cut through CutPuzzle, so their results are equal whenever their
// requests are.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "pieces/cutting.h"
#include "pieces/lattice.h"
#include "pieces/templates.h"

namespace quill {

struct CutRequest {
  LatticeSettings Settings;
  int32_t Seed = 0;  // the generator's seed as the lattice is generated
  const TTemplates* Templates = nullptr;
  std::vector<uint8_t> Rotations;  // quarter turns by piece index
  int32_t BevelWidth = 0;
  int32_t Thickness = 0;  // rows of wood below the mask atlas
};

// Whether two requests give the same cut.
bool SameCut(const CutRequest& a, const CutRequest& b);

enum class CutFailure : uint8_t {
  None,
  OutlinesTooLarge,  // a piece reaches further than the grid allows
  AtlasTooLarge,     // the mask atlas would pass 65535 pixels a side
};

struct CutResult {
  CutFailure Failure = CutFailure::None;
  // By piece index: the tab pattern (as TLattice::BuildPieceSides gives it) and the
  // piece as cut, whose mask is already packed into MaskBuffer.
  std::vector<uint8_t> Patterns;
  std::vector<CutPiece> Pieces;
  AtlasLayout Layout;
  std::vector<uint8_t> MaskBuffer;
};

// Cuts every piece of the request on `threads` threads; `lattice` is the request's
// lattice, generated from its settings and templates after seeding the generator
// with its seed. Each worker draws the outlines from a copy of its own. `done` hears
// how many pieces are cut so far.
CutResult CutPuzzle(const CutRequest& request, const TLattice& lattice, int threads,
                    const std::function<void(size_t finished)>& done = {});

}  // namespace quill
