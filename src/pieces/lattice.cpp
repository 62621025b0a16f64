#include "pieces/lattice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "common/random.h"
#include "common/records.h"

namespace quill {
namespace {

constexpr int kRoundStyle = kRoundEdge;
constexpr uint8_t kBorderEdge = kSquareEdge;
// Lattice divisors: a larger divisor means less jitter. Cells next to a fun piece
// jitter least, so the template shapes keep their proportions.
constexpr int kFunPieceDivisor = 400;

bool IsHorizontalKind(int kind) { return kind % 2 == 0; }

int64_t GridLine(int extent, int i, int count) { return int64_t{extent} * i / count; }

}  // namespace

void FitShoulders(int32_t& first, int32_t& second, int length) {
  const int sum = first + second;
  if (length >= sum || sum == 0) return;
  first = length * first / sum;
  const int newSum = first + second;
  if (newSum != 0) second = length * second / newSum;
}

LatticeSettings LatticeSettings::FromPuzzleRecord(const TPuzzleRecord& record) {
  LatticeSettings s;
  s.Columns = record.Columns;
  s.Rows = record.Rows;
  s.ScaledWidth = record.ScaledWidth;
  s.ScaledHeight = record.ScaledHeight;
  s.Oddness = record.Oddness;
  s.PieceStyle = record.PieceStyle;
  s.FunPieces = record.FunPieces;
  return s;
}

// ---- Edge shapes ---------------------------------------------------------------

void DrawStyledEdge(TBezier& bezier, const LatticePoint& k, int type, int kind, Point from, Point to) {
  const int x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
  const int e = (x1 - x0) / 3, f = (y1 - y0) / 3;
  const int mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
  const bool horizontal = IsHorizontalKind(kind);
  switch (type) {
    case kClassicEdge:
    case kBlipEdge: {
      // Shoulder, bulb, shoulder; Blip replaces the shoulders by straight lines.
      const std::array<Point, 3> shoulder1 =
          horizontal ? std::array<Point, 3>{{{x0, y0}, {x0 + k.HShoulder1, y0 + f - k.HDepth}, {x0 + k.HNeck, y0 + f}}}
                     : std::array<Point, 3>{{{x0, y0}, {x0 + k.VDepth + e, y0 + k.VShoulder1}, {x0 + e, y0 + k.VNeck}}};
      const std::array<Point, 4> bulb =
          horizontal ? std::array<Point, 4>{{{x0 + k.HNeck, y0 + f},
                                             {x0 + k.HBulb1, y0 + k.HDepth + f},
                                             {x1 - k.HBulb2, y1 + k.HDepth - f},
                                             {x1 - k.HNeck, y1 - f}}}
                     : std::array<Point, 4>{{{x0 + e, y0 + k.VNeck},
                                             {x0 + e - k.VDepth, y0 + k.VBulb1},
                                             {x1 - k.VDepth - e, y1 - k.VBulb2},
                                             {x1 - e, y1 - k.VNeck}}};
      const std::array<Point, 3> shoulder2 =
          horizontal ? std::array<Point, 3>{{{x1 - k.HNeck, y1 - f}, {x1 - k.HShoulder2, y1 - k.HDepth - f}, {x1, y1}}}
                     : std::array<Point, 3>{{{x1 - e, y1 - k.VNeck}, {x1 + k.VDepth - e, y1 - k.VShoulder2}, {x1, y1}}};
      if (type == kClassicEdge) {
        bezier.Curve(shoulder1);
        bezier.Curve(bulb);
        bezier.Curve(shoulder2);
      } else {
        bezier.Line(x0, y0, shoulder1[2].X, shoulder1[2].Y);
        bezier.Curve(bulb);
        bezier.Line(shoulder2[0].X, shoulder2[0].Y, x1, y1);
      }
      break;
    }
    case kSquareEdge:
      bezier.Line(x0, y0, x1, y1);
      break;
    case kStarEdge: {
      const std::array<Point, 5> star =
          horizontal ? std::array<Point, 5>{{{x0, y0}, {x0 + k.HNeck, y0 + f}, {mx, my + k.HDepth}, {x1 - k.HNeck, y1 - f}, {x1, y1}}}
                     : std::array<Point, 5>{{{x0, y0}, {x0 + e, y0 + k.VNeck}, {mx - k.VDepth, my}, {x1 - e, y1 - k.VNeck}, {x1, y1}}};
      for (size_t i = 1; i < star.size(); ++i) bezier.Line(star[i - 1].X, star[i - 1].Y, star[i].X, star[i].Y);
      break;
    }
    case kRoundEdge: {
      const std::array<Point, 3> arc =
          horizontal ? std::array<Point, 3>{{{x0, y0}, {x0 + k.HShoulder1, y0 + k.HDepth * 3 / 2}, {x1, y1}}}
                     : std::array<Point, 3>{{{x0, y0}, {x0 + k.VDepth * 3 / 2, y1 - k.VShoulder1}, {x1, y1}}};
      bezier.Curve(arc);
      break;
    }
    default:  // kNoEdge
      break;
  }
}

void DrawTemplateEdge(TBezier& bezier, std::span<const TemplatePoint> side, int kind, Point from, Point to) {
  if (side.size() < 2) return;
  const int n = static_cast<int>(side.size()) - 1;
  const TemplatePoint q0 = side.front(), qn = side.back();
  const bool horizontal = IsHorizontalKind(kind);
  // Scale along the main axis (h) and shear across it per point (l), as 32-bit floats.
  const double along = horizontal ? double{qn.X} - q0.X : double{qn.Y} - q0.Y;
  const double across = horizontal ? double{qn.Y} - q0.Y : double{qn.X} - q0.X;
  const double edgeAlong = horizontal ? to.X - from.X : to.Y - from.Y;
  const double edgeAcross = horizontal ? to.Y - from.Y : to.X - from.X;
  const float h = static_cast<float>(edgeAlong / along);
  const float l = static_cast<float>((edgeAcross - across * h) / n);
  // A side whose ends meet along the main axis has no length to scale by; such an
  // edge is drawn straight, as is one whose scale is no finite number.
  if (along == 0 || !std::isfinite(h) || !std::isfinite(l)) {
    bezier.Line(from.X, from.Y, to.X, to.Y);
    return;
  }
  Point previous = from;
  for (int i = 1; i <= n; ++i) {
    const double dx = double{side[i].X} - q0.X, dy = double{side[i].Y} - q0.Y;
    const Point p = horizontal ? Point{from.X + RoundCoordinate(h * dx), from.Y + RoundCoordinate(h * dy + l * i)}
                               : Point{from.X + RoundCoordinate(l * i + h * dx), from.Y + RoundCoordinate(h * dy)};
    bezier.Line(previous.X, previous.Y, p.X, p.Y);
    previous = p;
  }
}

// ---- The lattice ---------------------------------------------------------------

TLattice::TLattice(const LatticeSettings& settings, const TTemplates& templates)
    : settings_(settings), templates_(templates) {
  if (settings_.Columns < 1 || settings_.Rows < 1) throw std::invalid_argument("a lattice needs a column and a row");
  settings_.Oddness = std::clamp(settings_.Oddness, 0, 10);
  settings_.FunPieces = std::clamp(settings_.FunPieces, 0, 10);
  settings_.PieceStyle = std::clamp(settings_.PieceStyle, 1, kMixStyle);
  width4_ = 4 * settings_.ScaledWidth;
  height4_ = 4 * settings_.ScaledHeight;
  const size_t size = static_cast<size_t>(settings_.Columns + 1) * static_cast<size_t>(settings_.Rows + 1);
  points_.resize(size);
  cells_.resize(size);
  // Outlines are sampled at one step per two supersampled pixels of a cell's width,
  // at most 20 per curve.
  bezier_.Setup(TBezier::kPointListMode, 3 * width4_ / settings_.Columns, nullptr, {}, 3);
  bezier_.SetPen(32);
}

size_t TLattice::Slot(int column, int row) const {
  return static_cast<size_t>(row) * static_cast<size_t>(settings_.Columns + 1) + static_cast<size_t>(column);
}

LatticePoint& TLattice::At(int column, int row) { return points_[Slot(column, row)]; }

const LatticePoint& TLattice::PointAt(int column, int row) const {
  if (column < 0 || row < 0 || column > settings_.Columns || row > settings_.Rows)
    throw std::out_of_range("lattice point outside the grid");
  return points_[Slot(column, row)];
}

int16_t& TLattice::Cell(int column, int row) { return cells_[Slot(column, row)]; }

int TLattice::TemplateAt(int column, int row) const {
  if (column < 1 || row < 1 || column > settings_.Columns || row > settings_.Rows) return 0;
  return cells_[Slot(column, row)];
}

int TLattice::TemplateOf(int index) const {
  return TemplateAt(index % settings_.Columns + 1, index / settings_.Columns + 1);
}

bool TLattice::IsBorderCell(int column, int row) const {
  return column == 1 || row == 1 || column == settings_.Columns || row == settings_.Rows;
}

void TLattice::Generate() {
  AssignFunPieces();
  GenerateLattice();
}

// ---- Fun pieces ----------------------------------------------------------------

Point TLattice::RandomBorderCell() const {
  const int C = settings_.Columns, R = settings_.Rows;
  switch (Random(4)) {
    case 0:
      return {1, Random(R - 1) + 1};
    case 1:
      return {C, Random(R - 1) + 1};
    case 2:
      return {Random(C - 1) + 1, 1};
    default:
      return {Random(C - 1) + 1, R};
  }
}

Point TLattice::RandomInnerCell() const {
  const int column = Random(settings_.Columns - 2) + 2;
  const int row = Random(settings_.Rows - 2) + 2;
  return {column, row};
}

Point TLattice::WithEvenParity(Point cell) const {
  if ((cell.X + cell.Y) % 2 == 0) return cell;
  cell.X = cell.X + 1 > settings_.Columns ? cell.X - 1 : cell.X + 1;
  if (cell.X <= 0) return {1, 1};
  return cell;
}

void TLattice::AssignFunPieces() {
  std::fill(cells_.begin(), cells_.end(), int16_t{0});
  const int C = settings_.Columns, R = settings_.Rows;
  const int pieceCount = C * R;
  const int wanted = settings_.FunPieces * (pieceCount + 1) / 20;
  const int templateCount = templates_.Count();
  if (wanted == 0 || templateCount == 0) return;

  const int32_t savedSeed = RandSeed();
  // Cells with even column + row inside the border; the rest of the wanted pieces
  // go to the border.
  const int inner = (pieceCount + 1) / 2 - C - R + 2;
  int current = Random(templateCount);
  const int borderBudget = std::max(0, wanted - inner);
  const int innerBudget = std::min(wanted, inner);

  // Deal the templates in turn to the first cells of each kind...
  int border = borderBudget, inside = innerBudget;
  for (int r = 1; r <= R; ++r) {
    for (int c = 2 - r % 2; c <= C; c += 2) {
      int& budget = IsBorderCell(c, r) ? border : inside;
      if (budget <= 0) continue;
      Cell(c, r) = static_cast<int16_t>(current + 1);
      --budget;
      current = (current + 1) % templateCount;
    }
  }
  // ...then scatter them by exchanging each such cell with a random cell of the same
  // kind and parity. Exchanging keeps every template on an even cell, so no two fun
  // pieces share an edge. (The inner budget is only positive when the grid has inner
  // cells, so the inner targets lie inside the grid.)
  border = borderBudget;
  inside = innerBudget;
  for (int r = 1; r <= R; ++r) {
    for (int c = 2 - r % 2; c <= C; c += 2) {
      const bool onBorder = IsBorderCell(c, r);
      int& budget = onBorder ? border : inside;
      if (budget <= 0) continue;
      const Point target = WithEvenParity(onBorder ? RandomBorderCell() : RandomInnerCell());
      std::swap(Cell(c, r), Cell(target.X, target.Y));
      --budget;
    }
  }
  SetRandSeed(savedSeed);
}

// ---- Lattice points ------------------------------------------------------------

void TLattice::ResetLattice() {
  std::fill(points_.begin(), points_.end(), LatticePoint{});
  for (int c = 0; c <= settings_.Columns; ++c) {
    LatticePoint& p = At(c, 0);
    p.Y = 0;
    p.HType = kBorderEdge;
    p.HTemplate = 0;
  }
  for (int r = 0; r <= settings_.Rows; ++r) {
    LatticePoint& p = At(0, r);
    p.X = 0;
    p.VType = kBorderEdge;
    p.VTemplate = 0;
  }
}

int TLattice::Divisor(int column, int row) const {
  if (TemplateAt(column, row) != 0 || TemplateAt(column + 1, row) != 0 || TemplateAt(column, row + 1) != 0 ||
      TemplateAt(column + 1, row + 1) != 0)
    return kFunPieceDivisor;
  switch (settings_.PieceStyle) {
    case kClassicEdge:
      return 210;
    case kRoundEdge:
      return 230;
    case kMixStyle:
      return 220;
    default:
      return 200;
  }
}

// A random offset below m, capped so that knobs of the curved styles keep room.
int TLattice::Jitter(int m) const {
  const int b = Random(m);
  int cap = m;
  switch (settings_.PieceStyle) {
    case kClassicEdge:
    case kBlipEdge:
    case kMixStyle:
      cap = m * 7 / 8;
      break;
    case kRoundStyle:
      cap = m * 3 / 4;
      break;
    default:
      break;
  }
  return std::min(cap, b);
}

int TLattice::EdgeStyle() const {
  if (settings_.PieceStyle != kMixStyle) return settings_.PieceStyle;
  const int k = Random(100);
  if (k < 6) return kRoundEdge;
  if (k < 10) return kStarEdge;
  if (k < 16) return kSquareEdge;
  if (k < 20) return kBlipEdge;
  return kClassicEdge;
}

void TLattice::GenerateLattice() {
  ResetLattice();
  topX_.assign(static_cast<size_t>(settings_.Columns) + 1, 0);
  topY_.assign(static_cast<size_t>(settings_.Columns) + 1, 0);
  for (int r = 1; r <= settings_.Rows; ++r) {
    left_ = 0;
    for (int c = 1; c <= settings_.Columns; ++c) GenerateCell(c, r);
  }
}

// The row line below a cell of row r whose row line above lies at `top`: the
// nominal line, jittered from oddness 2 on; the last row ends on the picture's edge.
int TLattice::RowLineBelow(int r, int top, int divisor) const {
  if (r == settings_.Rows) return height4_ - 1;
  int bottomY = static_cast<int>(GridLine(height4_, r, settings_.Rows));
  const int I = settings_.Oddness * 10;
  if (I > 10) {
    const int m = (bottomY - top + 1) * I / divisor;
    bottomY += Jitter(m) - m / 2;
  }
  return bottomY;
}

// The column line right of cell (c, r); in the first row it also places the point
// of that column line on the top border, with a draw of its own.
int TLattice::ColumnLineRight(int c, int r, int divisor) {
  const int I = settings_.Oddness * 10;
  int rightX = static_cast<int>(GridLine(width4_, c, settings_.Columns));
  if (c == settings_.Columns) {
    rightX = width4_ - 1;
    if (r == 1) topX_[c] = rightX;
  } else if (I > 10) {
    const int m = (rightX - left_ + 1) * I / divisor;
    if (r == 1) topX_[c] = Jitter(m) + rightX - m / 2;
    rightX += Jitter(m) - m / 2;
  } else if (r == 1) {
    topX_[c] = rightX;
  }
  return rightX;
}

// Shoulders and bulbs of one edge of `length`: jitter moves length between the
// shoulder and the bulb of each half of the knob.
TLattice::Knob TLattice::JitteredKnob(int length, int half, int quarter, int divisor) const {
  const int j = settings_.Oddness * 10 * half / divisor;
  Knob k{};
  const int a = Random(2 * j);
  k.Shoulder1 = a + half - j;
  k.Bulb1 = quarter + j - a;
  const int b = Random(2 * j);
  k.Shoulder2 = b + half - j;
  k.Bulb2 = quarter + j - b;
  FitShoulders(k.Shoulder1, k.Shoulder2, length);
  return k;
}

// Random tab directions (none without oddness, so every tab points the same way);
// border edges and the edges of a fun piece have no tab.
void TLattice::SetTabDirections(int c, int r, LatticePoint& p) const {
  if (settings_.Oddness > 0) {
    if (Random(2) == 0) p.VDepth = -p.VDepth;
    if (Random(2) != 0) p.HDepth = -p.HDepth;
  }
  if (settings_.PieceStyle == kRoundStyle && p.VDepth < 0 && p.HDepth < 0) {
    p.VDepth = p.VDepth * 2 / 3;
    p.HDepth = p.HDepth * 2 / 3;
  }
  if (c == settings_.Columns) p.VDepth = 0;
  if (r == settings_.Rows) p.HDepth = 0;
  if (TemplateAt(c, r) != 0) p.VDepth = p.HDepth = 0;
}

// Types of the bottom and right edges (with Mix, the bottom edge draws first) and the
// template of the fun piece on either side of each inner edge.
void TLattice::SetEdgeTypes(int c, int r, LatticePoint& p) const {
  if (r == settings_.Rows) {
    p.HType = kBorderEdge;
  } else {
    p.HType = static_cast<uint8_t>(EdgeStyle());
    p.HTemplate = TemplateAt(c, r) != 0 ? TemplateAt(c, r) : TemplateAt(c, r + 1);
  }
  if (c == settings_.Columns) {
    p.VType = kBorderEdge;
  } else {
    p.VType = static_cast<uint8_t>(EdgeStyle());
    p.VTemplate = TemplateAt(c, r) != 0 ? TemplateAt(c, r) : TemplateAt(c + 1, r);
  }
}

void TLattice::GenerateCell(int c, int r) {
  const int D = Divisor(c, r);
  LatticePoint& p = At(c, r);

  if (r == 1) topY_[c] = 0;
  const int top = topY_[c];
  const int bottomY = RowLineBelow(r, top, D);
  const int h = bottomY - top + 1;
  p.VNeck = h / 3;
  p.HDepth = h >> 2;

  const int rightX = ColumnLineRight(c, r, D);
  const int w = rightX - left_ + 1;
  p.HNeck = w / 3;
  p.VDepth = w / 4;

  const Knob horizontal = JitteredKnob(w, w / 2, w / 4, D);
  p.HShoulder1 = horizontal.Shoulder1;
  p.HBulb1 = horizontal.Bulb1;
  p.HShoulder2 = horizontal.Shoulder2;
  p.HBulb2 = horizontal.Bulb2;
  const Knob vertical = JitteredKnob(h, h >> 1, h >> 2, D);
  p.VShoulder1 = vertical.Shoulder1;
  p.VBulb1 = vertical.Bulb1;
  p.VShoulder2 = vertical.Shoulder2;
  p.VBulb2 = vertical.Bulb2;

  SetTabDirections(c, r, p);

  p.X = rightX;
  p.Y = bottomY;
  if (r == 1) At(c, 0).X = topX_[c];
  if (c == 1) At(0, r).Y = bottomY;

  SetEdgeTypes(c, r, p);

  left_ = rightX;
  topX_[c] = rightX;
  topY_[c] = bottomY;
}

// ---- Piece sides ---------------------------------------------------------------

void TLattice::DrawEdge(int type, int kind, int templateNo, const LatticePoint& owner, Point from, Point to) {
  if (templateNo >= 1 && templateNo <= templates_.Count()) {
    DrawTemplateEdge(bezier_, templates_.Side(templateNo, kind), kind, from, to);
  } else {
    DrawStyledEdge(bezier_, owner, type, kind, from, to);
  }
}

int TLattice::BuildPieceSides(int index, PieceSides& sides) {
  const int C = settings_.Columns;
  if (index < 0 || index >= C * settings_.Rows) throw std::out_of_range("piece index outside the grid");
  const int c = index % C + 1, r = index / C + 1;
  const LatticePoint& tl = PointAt(c - 1, r - 1);
  const LatticePoint& tr = PointAt(c, r - 1);
  const LatticePoint& bl = PointAt(c - 1, r);
  const LatticePoint& br = PointAt(c, r);
  // A template edge is shared by the fun piece (even cell) and its neighbour (odd
  // cell); the neighbour draws the template side that faces it.
  const bool evenCell = (c + r) % 2 == 0;
  auto side = [&](int s, int type, int templateNo, const LatticePoint& owner, const LatticePoint& a,
                  const LatticePoint& b) {
    bezier_.SetPointList(sides[static_cast<size_t>(s)]);
    DrawEdge(type, evenCell ? s : (s + 2) % 4, templateNo, owner, {a.X, a.Y}, {b.X, b.Y});
  };
  side(0, tr.HType, tr.HTemplate, tr, tl, tr);
  side(3, bl.VType, bl.VTemplate, bl, tl, bl);
  side(2, br.HType, br.HTemplate, br, bl, br);
  side(1, br.VType, br.VTemplate, br, tr, br);

  int pattern = 0;
  if (tr.HDepth < 0) pattern |= 1;
  if (br.VDepth < 0) pattern |= 2;
  if (br.HDepth > 0) pattern |= 4;
  if (bl.VDepth > 0) pattern |= 8;
  return pattern;
}

}  // namespace quill
