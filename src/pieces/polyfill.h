// The polygon filler: fills the closed outline made of a piece's four side lists into
// a byte raster with the non-zero winding rule, by an edge table and an active edge
// list. The piece imaging code uses it for the solid interior of every piece mask.
#pragma once
#include <cstdint>
#include <vector>

#include "pieces/side_points.h"

namespace quill {

class TPolyFill {
 public:
  // Fills the outline of `sides` into raster[y * stride + x] with the byte `pen`.
  // The raster has `height` rows of `stride` bytes; parts of the outline outside it
  // are clipped. Each scan line's spans include their left end and exclude their
  // right end, so shapes that share an edge do not overlap.
  void FillSides(const PieceSides& sides, uint8_t* raster, uint8_t pen, int stride, int height);

 private:
  // One non-horizontal segment of the outline, stepped down one scan line at a time
  // with an integer error term. Links are indices into edges_ (kNone ends a list).
  struct Edge {
    int32_t next;
    int32_t x;       // x on the current scan line
    int32_t ymin;    // first scan line (y of the upper end)
    int32_t xstep;   // whole pixels of x change per scan line, signed
    int32_t xsign;   // +1 when x grows downward, -1 otherwise
    int32_t winding; // +1 or -1
    int32_t err;     // error accumulator
    int32_t rem;     // added to err on each scan line
    int32_t dy;      // height in scan lines
    int32_t left;    // scan lines still to go
  };
  static constexpr int32_t kNone = -1;

  void BuildEdgeTable(const PieceSides& sides);
  void AddEdge(int side, SidePoint from, SidePoint to);
  void LinkEdgeTable();
  void InsertIntoActiveList(int32_t e);
  void FillRow(int32_t y);
  void AdvanceActiveEdges();
  void SortActiveList();
  void FillSpan(int32_t y, int32_t x0, int32_t x1);

  int32_t edgeTable_ = kNone;  // sorted by ymin, then x
  int32_t activeList_ = kNone; // sorted by x
  uint8_t* raster_ = nullptr;
  int stride_ = 0;
  int height_ = 0;
  uint8_t pen_ = 0;
  std::vector<Edge> edges_;  // all edge records of one fill, reused across fills
  std::vector<int32_t> order_;  // the edges in edge table order, while it is linked
};

// The program's one polygon filler.
extern TPolyFill PolyFill;

}  // namespace quill
