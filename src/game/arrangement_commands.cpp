// The commands that lay out the loose pieces of the board or of a tray (in a grid, in
// rings along the edges, scattered at random) and the commands of the piece pop-up
// menu (turning a piece with its group, sending it to the back, unlocking it).
#include <algorithm>
#include <array>

#include "common/records.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

// The tray pop-up's own items; the other arranging items act on the board.
constexpr const char* kTrayArrangeItems[] = {component::kArrangeInGridT, component::kArrangeAtEdgeT,
                                             component::kDisarrangeTray};

// Margins of the arranged pieces inside the area.
constexpr int32_t kArrangeMargin = 5;

bool IsTrayArrangeItem(const std::string& item) {
  return std::find(std::begin(kTrayArrangeItems), std::end(kTrayArrangeItems), item) != std::end(kTrayArrangeItems);
}

int ArrangeSortKey(bool byShape, bool byColour) {
  if (byShape && byColour) return kSortByShapeColour;
  if (byShape) return kSortByShape;
  if (byColour) return kSortByColour;
  return kSortByRandomKey;
}

int32_t LooseCount(const TBox& tray) {
  return static_cast<int32_t>(
      std::count_if(tray.FPieces.begin(), tray.FPieces.end(), [](const TFormPiece* p) { return !p->IsFixed(); }));
}

// The spiral of the edge arrangement walks slots of a grid clockwise, lap by lap,
// starting rightwards from the top-left slot. `depth` of a direction counts the slot
// rows (or columns) still free on the side that direction's run lies along, both
// sides together; a run is shortened where the next side still has room, so that
// corners are not taken twice.
class EdgeSpiral {
 public:
  EdgeSpiral(int32_t columns, int32_t rows, int32_t side, int32_t ends)
      : length_{rows, columns, rows, columns}, depth_{side, ends, side, ends}, run_(RunLength(kRight)) {}

  Point Slot() const { return slot_; }

  // Moves to the slot of the next piece.
  void Advance() {
    if (--run_ >= 1) return Step(1);
    Turn();
    if (depth_[direction_] < 1) {
      // That side is full: cross it without placing and go on along the next one.
      Step(run_);
      Turn();
    } else {
      Step(1);
    }
  }

 private:
  static constexpr std::array<int32_t, 4> kStepX{0, 1, 0, -1};
  static constexpr std::array<int32_t, 4> kStepY{-1, 0, 1, 0};
  static constexpr std::array<int32_t, 4> kRunAdjustment{-2, 0, -1, -1};
  static int Next(int direction) { return (direction + 1) % 4; }

  int32_t RunLength(int direction) const {
    return length_[direction] + (depth_[Next(direction)] > 0 ? kRunAdjustment[direction] : 0);
  }

  // A lap ends when the spiral turns right again: every run of the next lap is two
  // slots shorter where there is still depth, and every side has two rows less.
  void Turn() {
    direction_ = Next(direction_);
    if (direction_ == kRight) {
      for (int k = 0; k < 4; ++k)
        if (depth_[Next(k)] > 0) length_[k] -= 2;
      for (int32_t& depth : depth_) depth -= 2;
    }
    run_ = RunLength(direction_);
  }

  void Step(int32_t count) {
    slot_.X += kStepX[direction_] * count;
    slot_.Y += kStepY[direction_] * count;
  }

  std::array<int32_t, 4> length_;
  std::array<int32_t, 4> depth_;
  int direction_ = kRight;
  int32_t run_;
  Point slot_;
};

// The slot grid of the edge arrangement.
struct EdgeGrid {
  int32_t Columns = 0;
  int32_t Rows = 0;
  int32_t Side = 0;  // slot columns left and right of the middle together
  int32_t Ends = 0;  // slot rows above and below it together
};

// The largest pitch, from five quarters of a cell down, whose rings hold `count`
// pieces; the smallest pitch tried when none does. Below three quarters of a cell the
// middle shrinks with the pitch.
EdgeGrid ChooseEdgeGrid(int32_t count, int32_t width, int32_t height, int32_t cellWidth, int32_t scaledWidth,
                        int32_t scaledHeight) {
  const int32_t big = std::max((cellWidth * 5) >> 2, 1);
  const int32_t small = (cellWidth * 3) >> 2;
  EdgeGrid grid;
  for (int32_t i = big; i >= 1; --i) {
    grid.Columns = width / i;
    grid.Rows = height / i;
    if (i < small) {
      grid.Side = (width - i * scaledWidth / big) / i;
      grid.Ends = (height - i * scaledHeight / big) / i;
    } else {
      grid.Side = (width - i - scaledWidth) / i;
      grid.Ends = (height - i - scaledHeight) / i;
    }
    grid.Side = std::max(grid.Side & ~1, 2);
    grid.Ends = std::max(grid.Ends & ~1, 2);
    if (grid.Ends * grid.Columns + (grid.Rows - grid.Ends) * grid.Side >= count) break;
  }
  return grid;
}

}  // namespace

// ---- Places ----

std::vector<Point> TJigsaw::GridPlaces(int32_t count, const Rect& area, int32_t cellWidth) {
  int32_t pitch = cellWidth + kArrangeMargin;
  int32_t columns = 0;
  for (;; --pitch) {
    columns = (area.Width() - 2 * kArrangeMargin) / pitch;
    if (pitch <= 1 || columns * ((area.Height() - 3 * kArrangeMargin) / pitch) >= count) break;
  }
  std::vector<Point> places;
  if (columns < 1) return places;
  places.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int32_t k = 0; k < count; ++k)
    places.push_back({area.Left + kArrangeMargin + pitch * (k % columns), area.Top + kArrangeMargin + pitch * (k / columns)});
  return places;
}

std::vector<Point> TJigsaw::EdgePlaces(int32_t count, const Rect& area, int32_t cellWidth, int32_t scaledWidth,
                                       int32_t scaledHeight) {
  const int32_t width = area.Width() + 1, height = area.Height() + 1;
  const EdgeGrid grid = ChooseEdgeGrid(count, width, height, cellWidth, scaledWidth, scaledHeight);
  const int32_t small = (cellWidth * 3) >> 2;
  const int32_t stepX = (width - small - kArrangeMargin) / std::max(1, grid.Columns - 1);
  const int32_t stepY = (height - small - 2 * kArrangeMargin) / std::max(1, grid.Rows - 1);
  EdgeSpiral spiral(grid.Columns, grid.Rows, grid.Side, grid.Ends);
  std::vector<Point> places;
  places.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int32_t k = 0; k < count; ++k) {
    const Point slot = spiral.Slot();
    places.push_back({area.Left + stepX * slot.X + kArrangeMargin, area.Top + stepY * slot.Y + kArrangeMargin});
    spiral.Advance();
  }
  return places;
}

// ---- Arranging ----

TBox* TJigsaw::BeginArranging(const std::string& item, int32_t boardKind, int32_t trayKind) {
  StopAutoSolve();
  ReleaseSelection();
  if (FTray == nullptr || !IsTrayArrangeItem(item)) FTray = &BoardTray();
  if (FTray->PieceCount() == 0) return nullptr;
  RecordUndoPoint(FTray->IsBoard() ? boardKind : trayKind);
  return FTray;
}

void TJigsaw::PlaceLoosePieces(TBox& tray, const std::vector<Point>& places) {
  const Rect area = tray.InnerRect();
  size_t k = 0;
  for (TFormPiece* piece : tray.FPieces) {
    if (piece->IsFixed()) continue;
    if (k == places.size()) break;
    MoveTo(*piece, places[k].X, places[k].Y, area);
    ++k;
  }
}

void TJigsaw::FinishArranging(TBox& tray) {
  SortPieces(tray.FPieces, kSortByGroup);
  RepaintRect(tray.BoxRect());
}

void TJigsaw::GridLayout(const std::string& item, bool byShape, bool byColour) {
  TBox* tray = BeginArranging(item, kUndoArrange, kUndoArrangeTray);
  if (tray == nullptr) return;
  SortPieces(tray->FPieces, ArrangeSortKey(byShape, byColour));
  PlaceLoosePieces(*tray, GridPlaces(LooseCount(*tray), tray->InnerRect(), PuzzleRecord.CellWidth));
  FinishArranging(*tray);
}

void TJigsaw::EdgeLayout(const std::string& item, bool byShape, bool byColour) {
  TBox* tray = BeginArranging(item, kUndoArrange, kUndoArrangeTray);
  if (tray == nullptr) return;
  SortPieces(tray->FPieces, ArrangeSortKey(byShape, byColour));
  PlaceLoosePieces(*tray, EdgePlaces(LooseCount(*tray), tray->InnerRect(), PuzzleRecord.CellWidth,
                                     PuzzleRecord.ScaledWidth, PuzzleRecord.ScaledHeight));
  FinishArranging(*tray);
}

void TJigsaw::DisarrangePieces(const std::string& item, bool keepPositions) {
  TBox* tray = BeginArranging(item, kUndoDisarrange, kUndoDisarrangeTray);
  if (tray == nullptr) return;
  RandomiseRotation(tray->FPieces, false);
  if (!keepPositions) ScatterPieces(tray->FPieces, tray->InnerRect());
  TPieceList turned;
  ListPendingRotation(turned);
  if (!turned.empty()) {
    RotatePieces(turned, 0, true, Config().Rotating, StatusProgress.Report());
    CutPieces(turned, false);
  }
  FinishArranging(*tray);
}

// ---- The piece pop-up ----

void TJigsaw::LowerRaisedPiece() {
  if (!FCarrying) CancelLift();
}

void TJigsaw::RotatePiece(int quarterTurns) {
  if (!FCarrying) {
    LowerRaisedPiece();
    if (FPiece == nullptr) return;
    RecordUndoPoint(kUndoTurn);
  }
  TurnSelection(FPiece, quarterTurns, true);
}

void TJigsaw::SendPieceToBack() {
  if (FCarrying || FTray == nullptr) return;
  LowerRaisedPiece();
  if (!PickAt(*FTray, FMouse.X, FMouse.Y)) return;
  SendGroupToBack(*FSelection.front());
  DropSelection(FTray, false);
  FDragState = DragState::Idle;
}

// The pieces stay where they lie, but the unlocked piece now comes first among them
// and, where joined sides are hidden, shows its outline again.
void TJigsaw::UnlockPiece() {
  if (FPiece == nullptr) return;
  LowerRaisedPiece();
  TBox& tray = TrayOf(*FPiece);
  Rect shown = FPiece->BoardRect();
  for (const TFormPiece* q : tray.FPieces)
    if (q->Group == FPiece->Group) shown = Union(shown, q->BoardRect());
  shown.Bottom += Config().IsWoodStyle() ? Thickness : 0;
  DetachPiece(*FPiece);
  SortPieces(tray.FPieces, kSortByGroup);
  RepaintRect(shown);
}

}  // namespace quill
