// Ending a lift: putting the selection down into a tray, joining dropped pieces to
// fitting neighbours or snapping them onto the ghost, turning pieces with their
// group, and the pieces' at-home state.
#include <algorithm>
#include <array>
#include <cmath>

#include "board/move.h"
#include "common/records.h"

namespace quill {
namespace {

// x rounded to the nearest integer (ties to even), kept within the board's range;
// a saved game may hold anything.
int32_t RoundToBoard(double x) {
  if (!std::isfinite(x)) return 0;
  return static_cast<int32_t>(std::nearbyint(std::clamp(x, -1e6, 1e6)));
}

struct Candidate {
  TFormPiece* Piece = nullptr;
  int32_t Size = 0;
};

// The order of the collection's group sort (by group, then by index), reached
// without its general sort: the index makes the order total, so any sort gives the
// same list, and after a drop only the few pieces that changed group are out of
// place among thousands.
void SortByGroup(TPieceList& list) {
  const auto before = [](const TFormPiece* a, const TFormPiece* b) {
    return a->Group != b->Group ? a->Group < b->Group : a->Index < b->Index;
  };
  if (!std::is_sorted(list.begin(), list.end(), before)) std::sort(list.begin(), list.end(), before);
}

}  // namespace

void TMove::DropSelection(TBox* tray, bool connect) {
  if (FSelection.empty()) return;
  TBox& target = tray != nullptr ? *tray : TrayAt(FLastMouse.X, FLastMouse.Y);
  if (target.Number() != FSelection.front()->Tray) MovePiecesToTray(FSelection, target);
  SetHidden(FSelection, false);
  OffsetList(FSelection, FDragRect.Left - FDragOrigin.X, FDragRect.Top - FDragOrigin.Y);
  if (connect) ConnectDropped(FSelection, FDragRect);

  SortByGroup(target.FPieces);
  StoreTrayPlaces(target);
  if (!target.IsBoard()) {
    FitTrayGroups(target);
    SetPlaced(FSelection, false);
  }
  // Fitting may have pulled pieces back into the tray: show them where they are now,
  // with the wood hanging below them.
  const int32_t thickness = WoodEdgeDepth();
  for (const TFormPiece* piece : FSelection) {
    Rect rect = piece->BoardRect();
    rect.Bottom += thickness;
    FDragRect = Union(FDragRect, rect);
  }
  RepaintRect(FDragRect);
  FSelection.clear();
  if (target.IsBoard()) UpdateAtHome();
}

void TMove::ConnectDropped(const TPieceList& list, Rect& rect) {
  bool joined = false;
  for (TFormPiece* r : list) {
    r->Placed = true;
    const int32_t startGroup = r->Group;
    const Point p{r->X, r->Y};
    std::array<Candidate, 4> candidates{};
    size_t count = 0;
    for (const TNeighbourSnap& snap : NeighbourSnapRects(r->Index)) {
      TFormPiece* q = snap.Piece;
      if (q == nullptr || q->Group == startGroup || q->Group == r->Group || q->Tray != r->Tray ||
          q->Rotation != r->Rotation || !snap.Snap.Contains(p.X, p.Y))
        continue;
      joined = true;
      if (FAutoSolving) {
        JoinPieces(*r, *q, rect);
        count = 0;
        break;
      }
      candidates[count++] = {q, 0};
    }
    // Smaller groups first, so a single piece comes to the dropped one before the
    // dropped pieces move onto a larger group; equal sizes in direction order.
    for (size_t i = 0; i < count; ++i) candidates[i].Size = GroupSize(*candidates[i].Piece);
    std::stable_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const Candidate& a, const Candidate& b) { return a.Size < b.Size; });
    for (size_t i = 0; i < count; ++i) {
      TFormPiece& q = *candidates[i].Piece;
      // Two candidates of one group: the first join brought the other along.
      if (q.Group != r->Group) JoinPieces(*r, q, rect);
    }
  }
  if (joined || !Config().Ghost || FAutoSolving) return;

  const Rect ghost = FMural.GhostRect();
  const int32_t divisor = std::max<int32_t>(1, Config().SnapDivisor);
  const int32_t wx = PuzzleRecord.CellWidth / divisor, wy = PuzzleRecord.CellHeight / divisor;
  TFormPiece* lastSnapped = nullptr;
  for (TFormPiece* q : list) {
    if (q->Tray != 0 || q->Rotation != 0) continue;
    const Point t{ghost.Left + q->HomeX, ghost.Top + q->HomeY};
    const Rect window{q->X - wx, q->Y - wy, q->X + wx, q->Y + wy};
    if (!window.Contains(t.X, t.Y)) continue;
    q->X = t.X;
    q->Y = t.Y;
    Rect moved = q->BoardRect();
    moved.Bottom += WoodEdgeDepth();
    rect = Union(rect, moved);
    lastSnapped = q;
  }
  if (lastSnapped == nullptr) return;
  Config().PlaySound(SoundEffect::Snapped);
  SendGroupToBack(*lastSnapped);
}

void TMove::TurnSelection(TFormPiece* piece, int quarterTurns, bool connect) {
  const int32_t thickness = WoodEdgeDepth();
  const bool wasEmpty = FSelection.empty();
  Point oldOrigin;
  if (wasEmpty) {
    if (piece == nullptr) return;
    FSelection = GroupOf(*piece);
    FDragRect = UnionOf(FSelection);
    FDragRect.Bottom += thickness;
    SetHidden(FSelection, true);
    RepaintRect(FDragRect);
  } else {
    piece = FSelection.front();
    const Point pointer = TheHost().PointerOnBoard();
    TrackPointer(pointer.X, pointer.Y);
    oldOrigin = SelectionOrigin();
    RepaintRect(FDragRect);
    OffsetList(FSelection, FDragRect.Left - FDragOrigin.X, FDragRect.Top - FDragOrigin.Y);
    SetHidden(FSelection, false);
  }

  RotatePieces(FSelection, quarterTurns, true, false);
  if (quarterTurns % 4 != 0) RebuildShading(FSelection);

  // The first piece turned in place; the rest of its group is rebuilt around it.
  FDragRect = piece->BoardRect();
  for (TFormPiece* q : FSelection) {
    if (q != piece && q->Group == piece->Group) {
      const Point p = FitPosition(*q, *piece);
      q->X = p.X;
      q->Y = p.Y;
    }
    FDragRect = Union(FDragRect, q->BoardRect());
  }
  FDragRect.Bottom += thickness;
  FDragOrigin = SelectionOrigin();  // the pieces lie where the selection is now

  if (connect && wasEmpty) {
    TBox& tray = TrayOf(*piece);
    ConnectDropped(FSelection, FDragRect);
    if (!tray.IsBoard()) SetPlaced(FSelection, false);
    SortPieces(tray.FPieces, kSortByGroup);
    StoreTrayPlaces(tray);
  }

  // A dragged selection stays in its tray until it is put down, so it must stay on
  // the pointer: put down here it would lie outside its tray, out of sight.
  if (SelectionOnPointer()) {
    FDragRect = UnionOf(FSelection);
    LiftSelection();
    FGrabPending = false;
    FGrabOffset.X += oldOrigin.X - FDragRect.Left;
    FGrabOffset.Y += oldOrigin.Y - FDragRect.Top;
  } else {
    CancelLift();
  }
}

BoardGroupRun TMove::LargestBoardGroup() const {
  const TPieceList& list = BoardTray().FPieces;
  if (list.empty()) return {};
  BoardGroupRun best{0, 1, 1, 0};
  for (size_t start = 0; start < list.size();) {
    size_t end = start;
    int32_t loose = 0;
    for (; end < list.size() && list[end]->Group == list[start]->Group; ++end) loose += list[end]->Surrounded ? 0 : 1;
    const auto length = static_cast<int32_t>(end - start);
    if (length > best.Length) best = {static_cast<int32_t>(start), length, loose, list[start]->Group};
    start = end;
  }
  return best;
}

void TMove::UpdateAtHome() {
  const Rect ghost = FMural.GhostRect();
  for (TFormPiece* piece : BoardTray().FPieces) TestAtHome(*piece, ghost.Left, ghost.Top);
}

// The board of the saved game had the size stored in the puzzle record; the ghost
// lay where its centre fractions say on that board.
void TMove::RestorePlaces() {
  TPieceList& list = BoardTray().FPieces;
  SortPieces(list, kSortByGroup);
  const int32_t width = PuzzleRecord.LayoutWidth, height = PuzzleRecord.LayoutHeight;
  const Rect area{0, 0, width, height};
  const int32_t ghostX = RoundToBoard(width * static_cast<double>(PuzzleRecord.GhostCentreX)) - Picture.Width() / 2;
  const int32_t ghostY = RoundToBoard(height * static_cast<double>(PuzzleRecord.GhostCentreY)) - Picture.Height() / 2;
  for (size_t start = 0; start < list.size();) {
    TFormPiece& first = *list[start];
    RestoreNormalised(first, area);
    TestAtHome(first, ghostX, ghostY);
    size_t end = start + 1;
    for (; end < list.size() && list[end]->Group == first.Group; ++end) list[end]->AtHome = first.AtHome;
    start = end;
  }
}

}  // namespace quill
