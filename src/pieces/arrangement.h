// Sorting, turning and scattering many pieces at once. The operations themselves are
// members of the piece collection (`SortPieces`, `SortByColour`, `RandomiseRotation`,
// `RotatePieces`, `ListPendingRotation`, `ScatterPieces`, in arrangement.cpp); this
// header holds what they share with their callers: the sort keys, the progress
// report, and the two steps of the colour ranking, which the game object and the
// benchmarks also call on their own.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "pieces/piece.h"
#include "raster/bitmap.h"

namespace quill {

// Keys of `SortPieces`.
enum PieceSortKey : int {
  kSortByGroup = 0,          // Group, then Index: the drawing order
  kSortByShape = 1,          // ShapeClass, then TabCode
  kSortByColour = 2,         // Colour, the rank in the colour chain after SortByColour
  kSortByShapeColour = 3,    // ShapeClass, then TabCode, then Colour
  kSortByRandomKey = 4,      // SortKey, drawn when the pieces were scattered
};

// How a long operation talks to the window (the status line and the cursor):
//   (0, total, caption)  it begins: show the hourglass cursor;
//   (done, total, caption), 1 ≤ done ≤ total: show the caption with the progress;
//   (0, 0, nullptr)      it has ended, also after a failure: clear the status line and
//                        restore the cursor.
// An empty report does nothing.
using ProgressReport = std::function<void(int done, int total, const char* caption)>;

// The average colour (0x00BBGGRR) of a piece's solved place in the picture, from the
// pixels at (box.X + x, box.Y + y) for x = 4, 8, … < box.Width and y = 4, 8, … <
// box.Height; black when the box is too small for any sample. A sample outside the
// picture reads as the invalid colour 0xFFFFFFFF, so it counts as white.
int32_t SampleAverageColour(const Bitmap& picture, const PieceBox& box);

// Chains the colours so each is followed by a close one, starting from the first,
// and replaces every colour by its position in the chain. From the one just ranked,
// the next is the nearest remaining colour found going once round the remaining ones
// (the ranked one's successor last); the search stops at the first colour within a
// threshold that grows by one whenever a search finds nothing that close.
void RankColourChain(std::span<int32_t> colours, const ProgressReport& progress = {});

// Every piece's rank by colour similarity (RankColourChain of the average colours of
// their solved places `homes` in `picture`); the samples are taken on `threads` threads.
std::vector<int32_t> ColourRanks(const Bitmap& picture, std::span<const PieceBox> homes, int threads,
                                 const ProgressReport& progress = {});

// Work space for rebuilding the wood-thickness image of a turned piece:
// cell width × (cell width + Thickness) bytes.
struct WoodTurnScratch {
  std::vector<uint8_t> Edge;  // BuildWoodEdge's work space, zero between pieces
};

}  // namespace quill
