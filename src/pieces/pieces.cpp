#include "pieces/pieces.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/records.h"

namespace quill {

namespace {

// Pieces within this many pixels of their solved place count as at home.
constexpr int32_t kAtHomeTolerance = 3;
// A group kept in view overlaps the area by at most this many pixels.
constexpr int32_t kKeepInAreaMargin = 40;

int32_t Columns() { return PuzzleRecord.Columns; }
int32_t CellWidth() { return PuzzleRecord.CellWidth; }
int32_t CellHeight() { return PuzzleRecord.CellHeight; }

bool Meets(const Rect& a, const Rect& b) { return !Intersection(a, b).IsEmpty(); }

// Nearest integer, ties to even, held inside the 32-bit range.
int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);
  if (std::isnan(rounded)) return 0;
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  if (rounded <= kLowest) return std::numeric_limits<int32_t>::min();
  if (rounded >= kHighest) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

// A board coordinate in picture units: reference × (v − low) ÷ (high − low) + low.
// An empty span leaves the coordinate at low.
double ToNormalised(int32_t v, int32_t low, int32_t high, int32_t reference) {
  if (high == low) return low;
  return static_cast<double>(reference) * (v - low) / (high - low) + low;
}

int32_t FromNormalised(double norm, int32_t low, int32_t high, int32_t reference) {
  if (reference == 0) return low;
  return low + RoundToInt32((norm - low) * (high - low) / reference);
}

}  // namespace

TPieces::TPieces(UiState& mainForm) : config_(std::make_unique<TJigConfig>(mainForm)) { JigConfig = config_.get(); }

TPieces::~TPieces() {
  FreePieceList();
  if (JigConfig == config_.get()) JigConfig = nullptr;
}

// ---- Lifecycle and accessors ----

void TPieces::CreatePieceList() {
  FreePieceList();
  const int32_t count = PuzzleRecord.PieceCount;
  PieceList.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    auto piece = std::make_unique<TFormPiece>();
    piece->Index = i;
    PieceList.push_back(std::move(piece));
  }
}

void TPieces::FreePieceList() { PieceList.clear(); }

TPieceList TPieces::AllPieces() const {
  TPieceList list;
  list.reserve(PieceList.size());
  for (const auto& piece : PieceList) list.push_back(piece.get());
  return list;
}

void TPieces::MoveTo(TFormPiece& piece, int32_t x, int32_t y, const Rect& area) const {
  piece.X = x;
  piece.Y = y;
  StoreNormalisedPiece(piece, area);
}

bool TPieces::IsOpaqueAt(const TFormPiece& piece, int32_t x, int32_t y) const {
  const int64_t colour = MaskAtlas.PixelAt(x + piece.AtlasX - piece.X, y + piece.AtlasY - piece.Y);
  if (colour < 0 || colour == kWhite) return false;  // outside the atlas nothing is opaque
  const uint8_t edge = SpritePixel(piece.EdgeSprite, x - piece.X, y - piece.Y);
  return edge == 0 || (edge & kCoverageBits) >= kHalfCoverage;
}

bool TPieces::ShowsAt(const TFormPiece& piece, int32_t x, int32_t y) const {
  if (piece.BoardRect().Contains(x, y) && IsOpaqueAt(piece, x, y)) return true;
  if (!Config().IsWoodStyle()) return false;
  const Rect wood{piece.X, piece.Y, piece.X + piece.Width, piece.Y + piece.Height + Thickness};
  return wood.Contains(x, y) && SpritePixel(piece.SolidSprite, x - piece.X, y - piece.Y) != 0;
}

// ---- Grid and neighbours ----

TFormPiece* TPieces::Neighbour(const TFormPiece& piece, int direction) const {
  const int32_t columns = Columns();
  const int32_t count = Count();
  const int32_t i = piece.Index;
  if (columns <= 0 || i < 0 || i >= count) return nullptr;
  switch (direction) {
    case kTop:
      return i >= columns ? &Piece(i - columns) : nullptr;
    case kRight:
      return i % columns != columns - 1 && i + 1 < count ? &Piece(i + 1) : nullptr;
    case kBottom:
      return i <= count - columns - 1 ? &Piece(i + columns) : nullptr;
    case kLeft:
      return i % columns != 0 ? &Piece(i - 1) : nullptr;
    default:
      return nullptr;
  }
}

TFormPiece* TPieces::NeighbourTowards(const TFormPiece& piece, Point point) const {
  const int32_t dx = point.X - piece.X - piece.Width / 2;
  const int32_t dy = point.Y - piece.Y - piece.Height / 2;
  int screenDirection;
  if (std::abs(dx) < std::abs(dy)) {
    screenDirection = dy < 0 ? kTop : kBottom;
  } else {
    screenDirection = dx < 0 ? kLeft : kRight;
  }
  const int gridDirection = (screenDirection - piece.Rotation + 4) % 4;
  auto inOtherGroup = [&piece](const TFormPiece* q) { return q != nullptr && q->Group != piece.Group; };

  TFormPiece* found = Neighbour(piece, gridDirection);
  if (inOtherGroup(found)) return found;
  // Any other neighbour outside the group; failing that, whatever lies to the left.
  for (int direction = kTop; direction <= kLeft; ++direction) {
    found = Neighbour(piece, direction);
    if (inOtherGroup(found)) return found;
  }
  return found;
}

TNeighbourSnaps TPieces::NeighbourSnapRects(int32_t index) {
  TFormPiece& piece = Piece(index);
  const int32_t divisor = std::max<int32_t>(1, Config().SnapDivisor);
  const int32_t s = CellHeight() / divisor;
  TNeighbourSnaps snaps{};
  piece.Surrounded = true;
  for (int direction = kTop; direction <= kLeft; ++direction) {
    TFormPiece* neighbour = Neighbour(piece, direction);
    if (neighbour == nullptr) continue;
    if (neighbour->Group != piece.Group) piece.Surrounded = false;
    const Point p = FitPosition(piece, *neighbour);
    snaps[static_cast<size_t>(direction)] = {neighbour, {p.X - s, p.Y - s, p.X + s, p.Y + s}};
  }
  return snaps;
}

Point TPieces::FitPosition(const TFormPiece& piece, const TFormPiece& other) {
  const int32_t dx = piece.HomeX - other.HomeX;
  const int32_t dy = piece.HomeY - other.HomeY;
  switch (other.Rotation & 3) {
    case 1:
      return {other.X + other.Width - dy - piece.Width, other.Y + dx};
    case 2:
      return {other.X + other.Width - dx - piece.Width, other.Y + other.Height - dy - piece.Height};
    case 3:
      return {other.X + dy, other.Y + other.Height - dx - piece.Height};
    default:
      return {other.X + dx, other.Y + dy};
  }
}

void TPieces::ClassifyPieces(const TPieceList& list) const {
  const int32_t c = Columns();
  const int32_t n = Count();
  if (c <= 0) return;
  for (TFormPiece* piece : list) {
    const int32_t i = piece->Index;
    if (i == 0 || i == c - 1 || i == n - 1 || i == n - c) {
      piece->ShapeClass = ShapeKind::Corner;
    } else if (i < c) {
      piece->ShapeClass = ShapeKind::TopSide;
    } else if (i % c == c - 1) {
      piece->ShapeClass = ShapeKind::RightSide;
    } else if (i > n - c - 1) {
      piece->ShapeClass = ShapeKind::BottomSide;
    } else if (i % c == 0) {
      piece->ShapeClass = ShapeKind::LeftSide;
    } else {
      piece->ShapeClass = piece->TemplateNo != 0 ? ShapeKind::Fun : ShapeKind::Middle;
    }
  }
}

TFormPiece* TPieces::FindAtHome(int32_t x, int32_t y) const {
  for (const auto& piece : PieceList) {
    if (piece->HomeX <= x && x < piece->HomeX + piece->Width && piece->HomeY <= y &&
        y < piece->HomeY + piece->Height) {
      return piece.get();
    }
  }
  return nullptr;
}

TFormPiece* TPieces::FindInArea(const TPieceList& list, const Rect& rect) const {
  const Rect inner{rect.Left + CellWidth() / 2, rect.Top + CellHeight() / 2, rect.Right - CellWidth() / 2,
                   rect.Bottom - CellHeight() / 2};
  const size_t count = list.size();
  for (size_t i = 0; i < (count + 1) / 2; ++i) {
    if (Meets(list[i]->BoardRect(), inner)) return list[i];
    if (Meets(list[count - 1 - i]->BoardRect(), inner)) return list[count - 1 - i];
  }
  return nullptr;
}

// ---- Groups ----

void TPieces::JoinPieces(TFormPiece& piece, TFormPiece& other, Rect& dirty) {
  const Point p = FitPosition(piece, other);
  const int32_t offsetX = p.X - piece.X;
  const int32_t offsetY = p.Y - piece.Y;
  const int32_t g = piece.Group;

  if (other.Joined || other.AtHome) {
    // The dropped group moves onto the fixed one and takes its id.
    other.Joined = true;
    TPieceList moved;
    for (const auto& q : PieceList) {
      if (q->Group != g) continue;
      q->Joined = true;
      q->Group = other.Group;
      q->AtHome = other.AtHome;
      dirty = Union(dirty, q->BoardRect());
      q->Offset(offsetX, offsetY);
      dirty = Union(dirty, q->BoardRect());
      moved.push_back(q.get());
    }
    uint16_t joined = 0;
    for (const auto& q : PieceList) joined = static_cast<uint16_t>(joined + (q->Joined ? 1 : 0));
    PuzzleRecord.JoinedCount = joined;
    // Any piece of the dropped group may now touch the fixed one, not only `piece`.
    for (TFormPiece* q : moved) UpdateJoinedSides(*q);
  } else {
    // A single loose piece comes to the group, not the group to it.
    PuzzleRecord.JoinedCount = static_cast<uint16_t>(PuzzleRecord.JoinedCount + (piece.Joined ? 1 : 2));
    other.Group = g;
    piece.Joined = true;
    other.Joined = true;
    UpdateJoinedSides(other);
    dirty = Union(dirty, other.BoardRect());
    other.Offset(-offsetX, -offsetY);
    dirty = Union(dirty, other.BoardRect());
  }

  if (Config().IsWoodStyle()) dirty.Bottom += Thickness;
  PiecesJoined();
  if (PuzzleRecord.JoinedCount >= Count()) AllJoined = true;
}

void TPieces::DetachPiece(TFormPiece& piece) {
  if (piece.Joined && PuzzleRecord.JoinedCount > 0) --PuzzleRecord.JoinedCount;
  piece.Joined = false;
  piece.Surrounded = false;
  piece.Placed = false;

  const int32_t oldGroup = piece.Group;
  piece.Group = PuzzleRecord.NextGroup++;
  UpdateJoinedSides(piece);

  int32_t leftBehind = 0;
  for (const auto& q : PieceList) leftBehind += q->Group == oldGroup ? 1 : 0;
  const bool oneLeftBehind = leftBehind == 1;
  for (const TNeighbourSnap& entry : NeighbourSnapRects(piece.Index)) {
    TFormPiece* neighbour = entry.Piece;
    if (neighbour == nullptr) continue;
    neighbour->Surrounded = false;
    // The piece left behind alone is no longer joined; neighbours in other groups
    // keep their state.
    if (oneLeftBehind && neighbour->Group == oldGroup) {
      if (neighbour->Joined && PuzzleRecord.JoinedCount > 0) --PuzzleRecord.JoinedCount;
      neighbour->Joined = false;
      neighbour->Placed = false;
    }
  }
}

void TPieces::SendGroupToBack(const TFormPiece& piece) {
  const int32_t g = piece.Group;
  for (const auto& q : PieceList) q->Group = q->Group == g ? 0 : q->Group + 1;
  ++PuzzleRecord.NextGroup;
}

int32_t TPieces::GroupSize(const TFormPiece& piece) const {
  int32_t size = 0;
  for (const auto& q : PieceList) size += q->Group == piece.Group ? 1 : 0;
  return size;
}

void TPieces::RenumberGroups(const TPieceList& list) {
  if (list.empty()) return;
  int32_t runGroup = list.front()->Group;
  for (TFormPiece* piece : list) {
    if (piece->Group != runGroup) {
      runGroup = piece->Group;
      ++PuzzleRecord.NextGroup;
    }
    piece->Group = PuzzleRecord.NextGroup;
  }
  ++PuzzleRecord.NextGroup;
}

void TPieces::UpdateJoinedSides(TFormPiece& piece) {
  for (int d = kTop; d <= kLeft; ++d) {
    TFormPiece* q = Neighbour(piece, d);
    if (q == nullptr) continue;
    const uint8_t ownBit = static_cast<uint8_t>(1u << d);
    const uint8_t theirBit = static_cast<uint8_t>(1u << OppositeDirection(d));
    if (piece.Group == q->Group) {
      piece.JoinedSides |= ownBit;
      q->JoinedSides |= theirBit;
    } else {
      piece.JoinedSides &= static_cast<uint8_t>(~ownBit);
      q->JoinedSides &= static_cast<uint8_t>(~theirBit);
    }
  }
}

void TPieces::UpdateAllJoinedSides() {
  for (const auto& piece : PieceList) UpdateJoinedSides(*piece);
}

bool TPieces::TestAtHome(TFormPiece& piece, int32_t originX, int32_t originY) {
  piece.AtHome = piece.IsFixed() && piece.Rotation == 0 &&
                 std::abs(piece.X - originX - piece.HomeX) < kAtHomeTolerance &&
                 std::abs(piece.Y - originY - piece.HomeY) < kAtHomeTolerance;
  return piece.AtHome;
}

void TPieces::MoveHomePieces(const TPieceList& list, int32_t originX, int32_t originY, const Rect& area) const {
  for (TFormPiece* piece : list) {
    if (piece->AtHome) MoveTo(*piece, originX + piece->HomeX, originY + piece->HomeY, area);
  }
}

// ---- Positions ----

void TPieces::OffsetList(const TPieceList& list, int32_t dx, int32_t dy) {
  for (TFormPiece* piece : list) piece->Offset(dx, dy);
}

void TPieces::StoreNormalisedPiece(TFormPiece& piece, const Rect& area) const {
  piece.NormX = ToNormalised(piece.X, area.Left, area.Right, PuzzleRecord.PictureWidth);
  piece.NormY = ToNormalised(piece.Y, area.Top, area.Bottom, PuzzleRecord.PictureHeight);
}

void TPieces::StoreNormalised(const TPieceList& list, const Rect& area) const {
  for (TFormPiece* piece : list) StoreNormalisedPiece(*piece, area);
}

void TPieces::RestoreNormalised(TFormPiece& piece, const Rect& area) const {
  piece.X = FromNormalised(piece.NormX, area.Left, area.Right, PuzzleRecord.PictureWidth);
  piece.Y = FromNormalised(piece.NormY, area.Top, area.Bottom, PuzzleRecord.PictureHeight);
}

bool TPieces::KeepInArea(Rect& rect, const Rect& area) const {
  const int32_t mx = std::min(kKeepInAreaMargin, CellWidth() / 2);
  const int32_t my = std::min(kKeepInAreaMargin, CellHeight() / 2);

  // Pull back a rect that overlaps the area by less than the margin.
  int32_t dy = 0;
  if (rect.Bottom < area.Top + my) dy = area.Top + my - rect.Bottom;
  if (area.Bottom - my < rect.Top) dy = area.Bottom - my - rect.Top;
  int32_t dx = 0;
  if (rect.Right < area.Left + mx) dx = area.Left + mx - rect.Right;
  if (area.Right - mx < rect.Left) dx = area.Right - mx - rect.Left;

  // A rect sticking out by more than the margin on both axes is pushed in along the
  // axis that needs the larger push.
  int32_t cx = 0;
  if (rect.Left < area.Left - mx) cx = area.Left - mx - rect.Left;
  if (area.Right + mx < rect.Right) cx = area.Right + mx - rect.Right;
  int32_t cy = 0;
  if (rect.Top < area.Top - my) cy = area.Top - my - rect.Top;
  if (area.Bottom + my < rect.Bottom) cy = area.Bottom + my - rect.Bottom;
  if (cx != 0 && cy != 0) {
    if (std::abs(cy) < std::abs(cx)) {
      dy = cy;
    } else {
      dx = cx;
    }
  }

  if (dx == 0 && dy == 0) return false;
  rect = rect.Offset(dx, dy);
  return true;
}

bool TPieces::KeepOnBoard(Rect& rect) const {
  const int32_t hx = CellWidth() / 2;
  const int32_t hy = CellHeight() / 2;
  const int32_t w = Config().BoardWidth;
  const int32_t h = Config().BoardHeight;
  int32_t dx = 0;
  int32_t dy = 0;
  if (rect.Left < -hx) dx = -hx - rect.Left;
  if (rect.Top < -hy) dy = -hy - rect.Top;
  if (hx + w < rect.Right) dx = hx + w - rect.Right;
  if (hy + h < rect.Bottom) dy = hy + h - rect.Bottom;
  if (dx == 0 && dy == 0) return false;
  rect = rect.Offset(dx, dy);
  return true;
}

void TPieces::FitRun(const TPieceList& run, const Rect& area, bool restore) const {
  TFormPiece& anchor = *run.front();
  if (restore) RestoreNormalised(anchor, area);
  Rect bounds = anchor.BoardRect();
  for (size_t i = 1; i < run.size(); ++i) {
    const Point p = FitPosition(*run[i], anchor);
    run[i]->X = p.X;
    run[i]->Y = p.Y;
    bounds = Union(bounds, run[i]->BoardRect());
  }
  if (FindInArea(run, area) != nullptr) return;
  Rect kept = bounds;
  if (KeepInArea(kept, area)) OffsetList(run, kept.Left - bounds.Left, kept.Top - bounds.Top);
}

void TPieces::FitGroups(const TPieceList& list, const Rect& area, bool restore) const {
  size_t start = 0;
  while (start < list.size()) {
    size_t end = start + 1;
    while (end < list.size() && list[end]->Group == list[start]->Group) ++end;
    FitRun(TPieceList(list.begin() + static_cast<std::ptrdiff_t>(start), list.begin() + static_cast<std::ptrdiff_t>(end)),
           area, restore);
    start = end;
  }
}

void TPieces::SetHidden(const TPieceList& list, bool value) {
  for (TFormPiece* piece : list) piece->Hidden = value;
}

void TPieces::SetPlaced(const TPieceList& list, bool value) {
  for (TFormPiece* piece : list) piece->Placed = value;
}

}  // namespace quill
