// The solving aids, all counted as cheats: the hint, flashing a piece and its place
// on the ghost, solving one piece, showing and fetching a neighbour, turning pieces
// the right way up, the auto-solve, and the piece pop-up's cheat items.
#include <algorithm>
#include <limits>

#include "common/random.h"
#include "common/records.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

// A hint or a solution flashes this many times.
constexpr int kFlashRepeats = 8;
// The fetch and solve commands glide at this speed, not abortable.
constexpr int32_t kCheatGlideStep = 6;

// Quarter turns that bring a rotation of `from` to one of `to`.
int TurnsBetween(int from, int to) { return (to - from + 4) % 4; }

}  // namespace

// ---- Helpers ----

// Every aid is refused while cheating is off. One that runs stops a running
// auto-solve first: the solve's pass would carry on over the aid's work.
bool TJigsaw::MayCheat() {
  if (!Config().Cheating) return false;
  StopAutoSolve();
  return true;
}

// A puzzle of one piece has nothing to join.
bool TJigsaw::PuzzleWhole() const {
  return PuzzleRecord.PieceCount <= 1 || PuzzleRecord.JoinedCount >= PuzzleRecord.PieceCount;
}

void TJigsaw::CountCheat() {
  if (PuzzleRecord.CheatCount < std::numeric_limits<uint16_t>::max()) ++PuzzleRecord.CheatCount;
}

Point TJigsaw::HomePlace(const TFormPiece& piece, Point origin) {
  return {origin.X + piece.HomeX, origin.Y + piece.HomeY};
}

TFormPiece* TJigsaw::PieceAtGhostPoint() const {
  const Rect ghost = FMural.GhostRect();
  return FindAtHome(FMouse.X - ghost.Left, FMouse.Y - ghost.Top);
}

// Walks the run and stops at the k-th piece that is not surrounded, k drawn at
// random; with every piece surrounded that is the run's last.
TFormPiece* TJigsaw::RandomRimPiece() {
  const BoardGroupRun run = LargestBoardGroup();
  if (run.Length == 0) return nullptr;
  const TPieceList& list = BoardTray().FPieces;
  int32_t k = 1 + Random(run.Loose);
  TFormPiece* chosen = nullptr;
  for (int32_t i = run.Start; i < run.Start + run.Length; ++i) {
    chosen = list[static_cast<size_t>(i)];
    if (!chosen->Surrounded) --k;
    if (k == 0) break;
  }
  return chosen;
}

TFormPiece* TJigsaw::NeighbourInOtherGroup(TFormPiece& piece) {
  for (const TNeighbourSnap& snap : NeighbourSnapRects(piece.Index))
    if (snap.Piece != nullptr && snap.Piece->Group != piece.Group) return snap.Piece;
  return nullptr;
}

// ---- Flashing ----

// A piece in a minimised tray is shown in its tray, never over the closed tray.
void TJigsaw::OpenTrayOf(const TFormPiece& piece) {
  TBox& tray = TrayOf(piece);
  if (!tray.IsOpen()) tray.ToggleOpen();
}

void TJigsaw::FlashPair(TFormPiece& first, TFormPiece& second) {
  std::vector<FlashFrame> frames;
  for (int i = 0; i < kFlashRepeats; ++i) {
    frames.push_back({&first, {}});
    frames.push_back({&second, {}});
  }
  StartFlash(std::move(frames));
}

// ---- Moving groups ----

void TJigsaw::TurnGroup(TFormPiece& piece, int quarterTurns) {
  if (quarterTurns % 4 != 0) TurnSelection(&piece, quarterTurns, false);
}

// ---- The aids ----

// A hint asked for again while one flashes is let be.
void TJigsaw::Hint() {
  if (Flashing() || !MayCheat()) return;
  if (FDragState != DragState::Idle || PuzzleWhole()) return;
  CountCheat();
  TFormPiece* piece = RandomRimPiece();
  if (piece == nullptr) return;
  if (TFormPiece* neighbour = NeighbourInOtherGroup(*piece)) {
    OpenTrayOf(*neighbour);
    FlashPair(*piece, *neighbour);
  }
}

void TJigsaw::FlashSolution() {
  if (!MayCheat()) return;
  CountCheat();
  UpdateWindow(BoardBitmap.Bounds());
  // A selection on the board is put back first: flashing lifts pieces of its own.
  CancelLift();
  TFormPiece* piece = FPiece != nullptr ? FPiece : PieceAtGhostPoint();
  if (piece == nullptr) return;
  OpenTrayOf(*piece);
  const Rect ghost = FMural.GhostRect();
  const Point home = HomePlace(*piece, {ghost.Left, ghost.Top});
  const Rect place{home.X, home.Y, home.X + piece->Width, home.Y + piece->Height};
  std::vector<FlashFrame> frames;
  for (int i = 0; i < kFlashRepeats; ++i) {
    frames.push_back({piece, {}});
    frames.push_back({piece, place});
  }
  StartFlash(std::move(frames), place);
}

void TJigsaw::SolveOnePiece() {
  if (!MayCheat()) return;
  TFormPiece* piece = FPiece != nullptr ? FPiece : PieceAtGhostPoint();
  if (piece == nullptr) return;
  CountCheat();
  CancelLift();
  TurnGroup(*piece, TurnsBetween(piece->Rotation, 0));
  const Rect ghost = FMural.GhostRect();
  GlideGroupTo(*piece, HomePlace(*piece, {ghost.Left, ghost.Top}), kCheatGlideStep, false, BoardTray(), true);
}

void TJigsaw::ShowNeighbour() {
  if (!MayCheat()) return;
  CountCheat();
  CancelLift();
  if (FPiece == nullptr || FNeighbour == nullptr) return;
  OpenTrayOf(*FNeighbour);
  FlashPair(*FPiece, *FNeighbour);
}

void TJigsaw::FetchNeighbour() {
  if (!MayCheat()) return;
  if (FPiece == nullptr || FNeighbour == nullptr || FNeighbour->Group == FPiece->Group) return;
  CountCheat();
  CancelLift();
  TurnGroup(*FNeighbour, TurnsBetween(FNeighbour->Rotation, FPiece->Rotation));
  TBox& tray = FTray != nullptr ? *FTray : TrayOf(*FPiece);
  GlideGroupTo(*FNeighbour, FitPosition(*FNeighbour, *FPiece), kCheatGlideStep, false, tray, true);
}

void TJigsaw::RightWayUp() {
  if (!MayCheat()) return;
  CountCheat();
  if (!FCarrying) CancelLift();  // the pop-up showed its piece raised
  if (FPiece == nullptr || FPiece->Rotation == 0) return;
  TurnSelection(FPiece, TurnsBetween(FPiece->Rotation, 0), true);
}

void TJigsaw::AllRightWayUp() {
  if (MayCheat()) TurnAllRightWayUp();
}

// Joined pieces turn with their group at once; single pieces are turned together in
// one pass afterwards.
void TJigsaw::TurnAllRightWayUp() {
  RecordUndoPoint(kUndoRightWayUp);
  CountCheat();
  CancelLift();
  for (TFormPiece* piece : AllPieces()) {
    if (piece->Rotation == 0) continue;
    const int turns = TurnsBetween(piece->Rotation, 0);
    if (piece->Joined) {
      TurnGroup(*piece, turns);
    } else {
      piece->PendingTurns = static_cast<uint8_t>(turns);
    }
  }
  TPieceList pending;
  ListPendingRotation(pending);
  if (!pending.empty()) {
    RotatePieces(pending, 0, true, true, StatusProgress.Report());
    CutPieces(pending, false);
  }
  FitBoard(BoardBitmap.Width(), BoardBitmap.Height());
}

void TJigsaw::PreparePiecePopup() {
  FNeighbour = FPiece != nullptr ? NeighbourTowards(*FPiece, FMouse) : nullptr;
  const bool cheating = Config().Cheating;
  const bool neighbour = cheating && FNeighbour != nullptr && FNeighbour->Group != FPiece->Group;
  UiState& form = MainForm();
  for (const char* name : {component::kShowSolution, component::kSolvePiece})
    if (form.Has(name)) form.SetEnabled(name, cheating);
  for (const char* name : {component::kShowNeighbor, component::kFetchNeighbor})
    if (form.Has(name)) form.SetEnabled(name, neighbour);
  if (form.Has(component::kRightWayUp2))
    form.SetEnabled(component::kRightWayUp2, cheating && FPiece != nullptr && FPiece->Rotation != 0);
}

// ---- Auto-solve ----

// The first pass starts at the next tick, after the window's pending events.
void TJigsaw::AutoSolve(const std::function<int32_t()>& speed, const std::function<void(int32_t)>& showPercent) {
  if (FAutoSolving || !IsPlaying() || !MayCheat()) return;
  RecordUndoPoint(kUndoAutoSolve);
  CountCheat();
  PuzzleRecord.AutoSolved = true;
  FAutoSolving = true;
  CancelLift();
  FSolve = SolveRun{.Speed = speed, .ShowPercent = showPercent};
  UpdateAnimationTicks();
}

void TJigsaw::StopAutoSolve() {
  CompleteAnimation();
  if (FSolve) EndAutoSolve();
}

void TJigsaw::EndAutoSolve() {
  FSolve.reset();
  FAutoSolving = false;
  UpdateAnimationTicks();
  if (OnAutoSolveEnded) OnAutoSolveEnded();
}

// The anchor is a rim piece of the largest board group (piece 0 on an empty board).
// The first pass glides it to its home place and moves its neighbour at the next
// tick; every other pass moves the neighbour at once.
void TJigsaw::StartSolvePass() {
  SolveRun& solve = *FSolve;
  if (!FAutoSolving || !IsPlaying() || PuzzleWhole()) {
    EndAutoSolve();
    return;
  }
  const int32_t percent = PuzzleRecord.JoinedCount * 100 / std::max<int32_t>(1, PuzzleRecord.PieceCount);
  if (percent != solve.ShownPercent && solve.ShowPercent) solve.ShowPercent(percent);
  solve.ShownPercent = percent;
  solve.PassSpeed = solve.Speed ? solve.Speed() : kCheatGlideStep;
  TFormPiece* anchor = RandomRimPiece();
  if (anchor == nullptr) anchor = &Piece(0);
  solve.Anchor = anchor;
  if (!solve.First) {
    MoveSolveNeighbour();
    return;
  }
  solve.First = false;
  solve.Stage = SolveStage::Neighbour;
  TurnGroup(*anchor, TurnsBetween(anchor->Rotation, 0));
  Point origin;
  if (Config().Ghost) {
    const Rect ghost = FMural.GhostRect();
    origin = {ghost.Left, ghost.Top};
  } else {
    // Where the picture's top-left would lie if it were centred on the board.
    origin = {(BoardBitmap.Width() - PuzzleRecord.ScaledWidth) / 2,
              (BoardBitmap.Height() - PuzzleRecord.ScaledHeight) / 2};
  }
  const Point home = HomePlace(*anchor, origin);
  Rect place{home.X, home.Y, home.X + PuzzleRecord.CellWidth, home.Y + PuzzleRecord.CellHeight};
  KeepInArea(place, BoardTray().InnerRect());
  if (anchor->X != place.Left || anchor->Y != place.Top || anchor->Tray != 0)
    GlideGroupTo(*anchor, {place.Left, place.Top}, solve.PassSpeed, true, BoardTray(), false);
}

// Holding the left button down pauses the solve: the pass moves nothing.
void TJigsaw::MoveSolveNeighbour() {
  SolveRun& solve = *FSolve;
  if (!FAutoSolving || !IsPlaying()) {
    EndAutoSolve();
    return;
  }
  solve.Stage = SolveStage::PassEnd;
  TFormPiece& anchor = *solve.Anchor;
  if (!TheHost().LeftButtonHeld()) {
    if (TFormPiece* neighbour = NeighbourInOtherGroup(anchor)) {
      TurnGroup(*neighbour, TurnsBetween(neighbour->Rotation, anchor.Rotation));
      GlideGroupTo(*neighbour, FitPosition(*neighbour, anchor), solve.PassSpeed, true, BoardTray(), true);
      return;
    }
  }
  EndSolvePass();
}

// The next pass starts at the next tick: a command among the window's events may
// stop the solve and change the board first.
void TJigsaw::EndSolvePass() {
  HideEmptyTrays();
  FSolve->Stage = SolveStage::PassStart;
}

}  // namespace quill
