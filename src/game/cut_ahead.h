// Cutting the gift's puzzle while the window opens. The pieces' shapes and the
// picture depend on nothing but the gift, so a thread started with the program
// reads the gift, decodes the picture and cuts the pieces on the cores that the
// window system's start leaves idle. Building the puzzle then takes what was cut
// when it was cut from the same lattice (settings, seed and templates), turns, bevel
// and wood thickness, and cuts anew otherwise: the result never depends on whether
// the work was done ahead.
#pragma once
#include <cstdint>
#include <future>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "pieces/cutting.h"
#include "pieces/lattice.h"
#include "pieces/templates.h"
#include "raster/bitmap.h"

namespace quill {

// What a cutting is made from.
struct CutSource {
  LatticeSettings Settings;
  int32_t Seed = 0;  // the generator's seed as the lattice is generated
  const TTemplates& Templates;
  std::span<const uint8_t> Rotations;  // quarter turns by piece index
  int32_t BevelWidth = 0;
  int32_t Thickness = 0;  // rows of wood below the mask atlas
};

struct CutAhead {
  // The picture block the pixels were decoded from.
  int32_t PictureOffset = 0;
  int32_t PictureSize = 0;
  Bitmap Picture;

  // What the pieces were cut from.
  LatticeSettings Settings;
  int32_t Seed = 0;
  TTemplates Templates;
  std::vector<uint8_t> Rotations;
  int32_t BevelWidth = 0;
  int32_t Thickness = 0;
  // By piece index: each piece's tab pattern (as TLattice::BuildPieceSides gives
  // it) and the piece as cut, whose mask is already packed into MaskBuffer.
  std::vector<uint8_t> Patterns;
  std::vector<CutPiece> Pieces;
  AtlasLayout Layout;
  std::vector<uint8_t> MaskBuffer;
  Bitmap MaskAtlas;  // made from MaskBuffer
  // Every piece's rank by colour in the picture (ColourRanks of their solved places).
  std::vector<int32_t> ColourRanks;
  // Set by the puzzle that took the pieces.
  bool PiecesTaken = false;

  bool HoldsPicture(int32_t offset, int32_t size) const;
  // Whether the pieces were cut from this source.
  bool CutFrom(const CutSource& source) const;
};

// Reads and cuts the gift in the program file at `path` as a new game starts it:
// the settings of its header, the grid for its picture, the turns and shapes from
// its seed. A file that is no gift, or any failure, gives nothing: building the
// puzzle then does the work itself and reports what is wrong.
std::unique_ptr<CutAhead> CutGiftAhead(const std::string& path, int threads);

// Starts CutGiftAhead on a thread of its own.
std::future<std::unique_ptr<CutAhead>> StartCuttingAhead(const std::string& path);

}  // namespace quill
