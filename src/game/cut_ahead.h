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
#include <string>
#include <vector>

#include "pieces/puzzle_cut.h"
#include "pieces/templates.h"
#include "raster/bitmap.h"

namespace quill {

// The gift cut ahead: the picture and the puzzle's cut. Not to be copied: the
// request refers to the templates held here.
struct CutAhead {
  CutAhead() = default;
  CutAhead(const CutAhead&) = delete;
  CutAhead& operator=(const CutAhead&) = delete;

  // The picture block the pixels were decoded from.
  int32_t PictureOffset = 0;
  int32_t PictureSize = 0;
  Bitmap Picture;

  TTemplates Templates;
  CutRequest Request;  // what the pieces were cut from
  CutResult Cut;
  Bitmap MaskAtlas;  // made from Cut.MaskBuffer
  // Every piece's rank by colour in the picture (ColourRanks of their solved places).
  std::vector<int32_t> ColourRanks;
  // Set by the puzzle that took the pieces.
  bool PiecesTaken = false;

  bool HoldsPicture(int32_t offset, int32_t size) const;
  // Whether the pieces were cut from this request.
  bool CutFrom(const CutRequest& request) const { return SameCut(Request, request); }
};

// Reads and cuts the gift in the program file at `path` as a new game starts it:
// the settings of its header, the grid for its picture, the turns and shapes from
// its seed. A file that is no gift, or any failure, gives nothing: building the
// puzzle then does the work itself and reports what is wrong.
std::unique_ptr<CutAhead> CutGiftAhead(const std::string& path, int threads);

// Starts CutGiftAhead on a thread of its own.
std::future<std::unique_ptr<CutAhead>> StartCuttingAhead(const std::string& path);

}  // namespace quill
