#include "pieces/shape_preview.h"

#include <algorithm>

#include "pieces/bezier.h"
#include "pieces/lattice.h"

namespace quill {
namespace {

// The edge types of the four sides (top, left, bottom, right) for a style.
struct PreviewEdges {
  int Top, Left, Bottom, Right;
};

PreviewEdges EdgesOfStyle(int style) {
  if (style == kMixStyle) return {kBlipEdge, kClassicEdge, kStarEdge, kRoundEdge};
  return {style, style, style, style};
}

// The knob values of one piece of a b × c cell at irregularity v (oddness × 10),
// with the outline's corners: the piece starts at (e, f) and its right and bottom
// edges end at (right2, bottom2).
struct PreviewPiece {
  LatticePoint Knobs;
  int E, F, Right, Bottom, Right2, Bottom2;
};

PreviewPiece MakePreviewPiece(int b, int c, int v) {
  PreviewPiece p;
  LatticePoint& k = p.Knobs;
  k.HNeck = b / 3;
  k.VDepth = b / 4;
  k.VNeck = c / 3;
  k.HDepth = c / 4;
  p.E = b / 4;
  p.F = c / 4;
  p.Right = p.Right2 = b + p.E;
  p.Bottom = p.Bottom2 = c + p.F;
  if (v >= 11) {
    // The bottom right corner moves as a jittered lattice point would.
    p.Right2 = p.Right + b * v / 400;
    k.VDepth += b * v / 800;
    k.HDepth += v * c / 800;
    p.Bottom2 = p.Bottom + v * c / 400;
  }
  const int r = (b / 2) * v;
  k.HShoulder1 = b / 2 + r / 150;
  k.HBulb1 = b / 4 - r / 200;
  k.HShoulder2 = b / 2 + r / 250;
  k.HBulb2 = b / 4 - r / 300;
  FitShoulders(k.HShoulder1, k.HShoulder2, p.Right - p.E + 1);
  const int s = v * (c / 2);
  k.VShoulder1 = c / 2 + s / 150;
  k.VBulb1 = c / 4 - s / 200;
  k.VShoulder2 = c / 2 + s / 250;
  k.VBulb2 = c / 4 - s / 300;
  FitShoulders(k.VShoulder1, k.VShoulder2, p.Bottom - p.F + 1);
  return p;
}

constexpr int kHorizontal = 0;  // edge kinds of DrawStyledEdge
constexpr int kVertical = 1;

}  // namespace

void DrawPreviewPiece(Canvas& canvas, int cellWidth, int cellHeight, int style, int oddness) {
  const int b = cellWidth, c = cellHeight;
  const PreviewPiece p = MakePreviewPiece(b, c, oddness * 10);
  TBezier bezier;
  bezier.Setup(TBezier::kCanvasMode, b, &canvas, {}, 1);
  canvas.Pen().Color = kPreviewRed;
  canvas.Pen().Width = 1;
  canvas.Pen().Mode = PenMode::Copy;
  const PreviewEdges edges = EdgesOfStyle(std::clamp(style, 1, kMixStyle));
  DrawStyledEdge(bezier, p.Knobs, edges.Top, kHorizontal, {p.E, p.F}, {p.Right, p.F});
  DrawStyledEdge(bezier, p.Knobs, edges.Bottom, kHorizontal, {p.E, p.Bottom}, {p.Right2, p.Bottom2});
  DrawStyledEdge(bezier, p.Knobs, edges.Left, kVertical, {p.E, p.F}, {p.E, p.Bottom});
  DrawStyledEdge(bezier, p.Knobs, edges.Right, kVertical, {p.Right, p.F}, {p.Right2, p.Bottom2});
  // Lines leave out their last point: this one puts the bottom right corner in, so
  // the fill cannot leak out there.
  canvas.MoveTo(p.Right2, p.Bottom2);
  canvas.LineTo(p.Right2 - 1, p.Bottom2 + 1);
  const Colour brush = canvas.Brush().Color;
  canvas.Brush().Color = kPreviewRed;
  canvas.FloodFill((p.Right - p.E) / 2, (p.Bottom - p.F) / 2, kPreviewRed);
  canvas.Brush().Color = brush;
}

}  // namespace quill
