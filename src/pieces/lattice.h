// The random lattice every piece outline comes from: which cells carry a custom
// template (fun pieces), the jittered lattice points with the knob values of each
// edge, the edge shapes, and the four side lists of each piece. The piece cutting
// makes one TLattice per cut; the size dialog's shape preview draws single edges
// with DrawStyledEdge.
#pragma once
#include <cstdint>
#include <vector>

#include "pieces/bezier.h"
#include "pieces/side_points.h"
#include "pieces/templates.h"
#include "raster/rect.h"

namespace quill {

struct TPuzzleRecord;

// Edge types; piece styles 1..5 draw edges of the same number, style 6 mixes them.
enum EdgeType : uint8_t { kNoEdge = 0, kClassicEdge = 1, kBlipEdge = 2, kSquareEdge = 3, kStarEdge = 4, kRoundEdge = 5 };
// The mixed style is the last and largest piece style: styles run from 1 to it in
// gifts, saved games, the size dialog and the gift maker.
constexpr int kMixStyle = 6;

// One lattice point (column c, row r) and the knob values of the two edges that end
// there: the horizontal one from (c − 1, r) and the vertical one from (c, r − 1).
// Coordinates are supersampled: four times the cut picture's pixels per axis.
struct LatticePoint {
  uint8_t HType = kNoEdge;
  uint8_t VType = kNoEdge;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t HShoulder1 = 0, HShoulder2 = 0, HBulb1 = 0, HBulb2 = 0, HNeck = 0;
  int32_t VShoulder1 = 0, VShoulder2 = 0, VBulb1 = 0, VBulb2 = 0, VNeck = 0;
  int32_t VDepth = 0;  // signed tab depth of the vertical edge; positive bulges towards −x
  int32_t HDepth = 0;  // signed tab depth of the horizontal edge; positive bulges towards +y
  int32_t HTemplate = 0;  // template number replacing the horizontal edge, 0 for none
  int32_t VTemplate = 0;  // template number replacing the vertical edge, 0 for none
};

// The puzzle numbers the lattice is made from.
struct LatticeSettings {
  int Columns = 1;
  int Rows = 1;
  int ScaledWidth = 0;   // the picture as cut, in pixels (not yet supersampled)
  int ScaledHeight = 0;
  int Oddness = 0;       // shape irregularity 0..10
  int PieceStyle = 1;    // 1 Classic, 2 Blip, 3 Square, 4 Star, 5 Round, 6 Mix
  int FunPieces = 0;     // share of fun pieces in tens of percent, 0..10

  // From the puzzle record outside a cutting (when ScaledWidth and ScaledHeight are
  // in pixels of the cut picture).
  static LatticeSettings FromPuzzleRecord(const TPuzzleRecord& record);
  friend bool operator==(const LatticeSettings&, const LatticeSettings&) = default;
};

// Shrinks two shoulders of a knob proportionally so that together they fit `length`;
// the second is measured against the already shrunk first.
void FitShoulders(int32_t& first, int32_t& second, int length);

// Draws one ordinary edge of `type` from `from` to `to` with the knob values of
// `knobs`; kinds 0 and 2 are horizontal edges (to.X > from.X), 1 and 3 vertical
// (to.Y > from.Y). Type 0 draws nothing.
void DrawStyledEdge(TBezier& bezier, const LatticePoint& knobs, int type, int kind, Point from, Point to);

// Draws a template side as a polyline from `from` to `to`: scaled uniformly by the
// edge's length along its main axis and sheared so that its last point lands on `to`.
// The side of `kind` (0..3) decides the main axis. Fewer than two points draw nothing.
void DrawTemplateEdge(TBezier& bezier, std::span<const TemplatePoint> side, int kind, Point from, Point to);

class TLattice {
 public:
  // Out-of-range oddness, fun share and style are pinned to their ranges; fewer than
  // one column or row throws std::invalid_argument.
  TLattice(const LatticeSettings& settings, const TTemplates& templates);

  // AssignFunPieces, then GenerateLattice. The caller seeds the shared random
  // generator with the puzzle's seed first; the draws made here belong to the puzzle.
  void Generate();
  // Places template numbers on some cells with even column + row; leaves the
  // generator's seed as it found it.
  void AssignFunPieces();
  // Fills every lattice point and its knob values, drawing from the generator.
  void GenerateLattice();

  // Fills the four side lists of piece `index` (row-major from 0) and returns its tab
  // pattern: bit 0 top, 1 right, 2 bottom, 3 left set when that side's tab points
  // outward. Throws std::out_of_range for an index outside the grid.
  int BuildPieceSides(int index, PieceSides& sides);

  // Draws the edge that ends at lattice point `owner` with its knob values: the
  // template side `kind` when templateNo names a loaded template, else the edge type.
  void DrawEdge(int type, int kind, int templateNo, const LatticePoint& owner, Point from, Point to);

  // Template number of the cell in 1-based column and row (0 for none or outside).
  int TemplateAt(int column, int row) const;
  // Template number of piece `index` (its `TemplateNo`).
  int TemplateOf(int index) const;
  // Lattice point (column 0..Columns, row 0..Rows); std::out_of_range beyond.
  const LatticePoint& PointAt(int column, int row) const;

  const LatticeSettings& Settings() const { return settings_; }
  const TBezier& Bezier() const { return bezier_; }

 private:
  size_t Slot(int column, int row) const;  // place of (column, row) in both tables
  LatticePoint& At(int column, int row);
  int16_t& Cell(int column, int row);
  bool IsBorderCell(int column, int row) const;
  Point RandomBorderCell() const;
  Point RandomInnerCell() const;
  Point WithEvenParity(Point cell) const;
  void ResetLattice();
  int Divisor(int column, int row) const;
  int Jitter(int m) const;
  int EdgeStyle() const;
  // One cell of GenerateLattice, in its order of random draws.
  void GenerateCell(int column, int row);
  int RowLineBelow(int row, int top, int divisor) const;
  int ColumnLineRight(int column, int row, int divisor);
  struct Knob {
    int32_t Shoulder1, Bulb1, Shoulder2, Bulb2;
  };
  Knob JitteredKnob(int length, int half, int quarter, int divisor) const;
  void SetTabDirections(int column, int row, LatticePoint& p) const;
  void SetEdgeTypes(int column, int row, LatticePoint& p) const;

  LatticeSettings settings_;
  const TTemplates& templates_;
  int width4_ = 0;   // W4: four times the cut picture's width
  int height4_ = 0;  // H4
  std::vector<LatticePoint> points_;  // (Columns + 1) × (Rows + 1), row-major
  std::vector<int16_t> cells_;        // template numbers by 1-based cell, same shape
  // Running values of GenerateLattice: per column the x of the column line and the y
  // of the row line above the current row; the x of the current row's left line.
  std::vector<int> topX_, topY_;
  int left_ = 0;
  TBezier bezier_;
};

}  // namespace quill
