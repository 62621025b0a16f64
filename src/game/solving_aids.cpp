// The solving aids, all counted as cheats: the hint, flashing a piece and its place
// on the ghost, solving one piece, showing and fetching a neighbour, turning pieces
// the right way up, the auto-solve, and the piece pop-up's cheat items.
#include <algorithm>
#include <limits>

#include "common/random.h"
#include "common/records.h"
#include "game/jigsaw.h"
#include "raster/blit.h"

namespace quill {
namespace {

// A flash shows a piece or a place for this long, then the board as it was as long.
constexpr int32_t kFlashMilliseconds = 50;
constexpr int kFlashRepeats = 8;
// The fetch and solve commands glide at this speed, not abortable.
constexpr int32_t kCheatGlideStep = 6;

// While pieces flash, they are raised with their shadow whatever the option says.
class ShadowsForced {
 public:
  explicit ShadowsForced(TJigConfig& config) : config_(config), saved_(config.Shadows) { config.Shadows = true; }
  ~ShadowsForced() { config_.Shadows = saved_; }
  ShadowsForced(const ShadowsForced&) = delete;
  ShadowsForced& operator=(const ShadowsForced&) = delete;

 private:
  TJigConfig& config_;
  bool saved_;
};

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

void TJigsaw::WaitMilliseconds(int32_t ms) {
  Host& host = TheHost();
  const int64_t deadline = host.Milliseconds() + ms;
  while (host.Milliseconds() < deadline) {
  }
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

void TJigsaw::FlashPiece(TFormPiece& piece) {
  LiftPiece(piece);
  const Rect raised = FDragRect;
  UpdateWindow(raised);
  WaitMilliseconds(kFlashMilliseconds);
  CancelLift();
  UpdateWindow(raised);
  WaitMilliseconds(kFlashMilliseconds);
}

// The board is composed again afterwards rather than only its backdrop, so pieces
// lying on the place never vanish for a moment.
void TJigsaw::FlashPlace(const TFormPiece& piece, const Rect& place) {
  BitBlt(BoardBitmap, place.Left, place.Top, place.Width(), place.Height(), Picture, piece.HomeX, piece.HomeY);
  UpdateWindow(place);
  WaitMilliseconds(kFlashMilliseconds);
  RepaintBoard(place);
  UpdateWindow(place);
  WaitMilliseconds(kFlashMilliseconds);
}

void TJigsaw::FlashPair(TFormPiece& first, TFormPiece& second) {
  const ShadowsForced shadows(Config());
  for (int i = 0; i < kFlashRepeats; ++i) {
    FlashPiece(first);
    FlashPiece(second);
  }
}

// ---- Moving groups ----

void TJigsaw::TurnGroup(TFormPiece& piece, int quarterTurns) {
  if (quarterTurns % 4 != 0) TurnSelection(&piece, quarterTurns, false);
}

// The selection's origin travels by as much as the piece must.
void TJigsaw::GlideGroupTo(TFormPiece& piece, Point target, int32_t step, bool abortable, TBox& tray, bool connect) {
  PickGroup(&piece);
  const Point from = SelectionOrigin();
  const Point to{from.X + target.X - piece.X, from.Y + target.Y - piece.Y};
  UpdateWindow(BoardBitmap.Bounds());
  Glide(from.X, from.Y, abortable, step, to.X, to.Y);
  DropSelection(&tray, connect);
  FDragState = kDragIdle;
}

// ---- The aids ----

void TJigsaw::Hint() {
  if (!MayCheat()) return;
  if (FDragState != kDragIdle || PuzzleWhole()) return;
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
  {
    const ShadowsForced shadows(Config());
    for (int i = 0; i < kFlashRepeats; ++i) {
      FlashPiece(*piece);
      FlashPlace(*piece, place);
    }
  }
  RepaintRect(place);
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
  for (const char* name : {"ShowSolution", "SolvePiece"})
    if (form.Has(name)) form.SetEnabled(name, cheating);
  for (const char* name : {"ShowNeighbor", "FetchNeighbor"})
    if (form.Has(name)) form.SetEnabled(name, neighbour);
  if (form.Has("RightWayUp2")) form.SetEnabled("RightWayUp2", cheating && FPiece != nullptr && FPiece->Rotation != 0);
}

// ---- Auto-solve ----

void TJigsaw::AutoSolve(const std::function<int32_t()>& speed, const std::function<void(int32_t)>& showPercent) {
  if (FAutoSolving || !IsPlaying() || !MayCheat()) return;
  RecordUndoPoint(kUndoAutoSolve);
  CountCheat();
  PuzzleRecord.AutoSolved = true;
  FAutoSolving = true;
  CancelLift();
  int32_t shownPercent = -1;
  for (bool first = true; FAutoSolving && IsPlaying() && !PuzzleWhole(); first = false) {
    const int32_t percent = PuzzleRecord.JoinedCount * 100 / std::max<int32_t>(1, PuzzleRecord.PieceCount);
    if (percent != shownPercent && showPercent) showPercent(percent);
    shownPercent = percent;
    AutoSolveStep(speed ? speed() : kCheatGlideStep, first);
  }
  FAutoSolving = false;
}

// The anchor is a rim piece of the largest board group (piece 0 on an empty board);
// one neighbour of it in another group glides to fit it and joins.
void TJigsaw::AutoSolveStep(int32_t speed, bool first) {
  Host& host = TheHost();
  TFormPiece* anchor = RandomRimPiece();
  if (anchor == nullptr) anchor = &Piece(0);
  if (first) {
    host.ProcessEvents();
    if (!FAutoSolving || !IsPlaying()) return;
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
      GlideGroupTo(*anchor, {place.Left, place.Top}, speed, true, BoardTray(), false);
    host.ProcessEvents();
    if (!FAutoSolving || !IsPlaying()) return;
  }
  // Holding the left button down pauses the solve.
  if (!host.LeftButtonHeld()) {
    if (TFormPiece* neighbour = NeighbourInOtherGroup(*anchor)) {
      TurnGroup(*neighbour, TurnsBetween(neighbour->Rotation, anchor->Rotation));
      GlideGroupTo(*neighbour, FitPosition(*neighbour, *anchor), speed, true, BoardTray(), true);
    }
  }
  // The window's events come last: a command among them may stop the solve and
  // change the board, which the pass then leaves alone.
  HideEmptyTrays();
  host.ProcessEvents();
}

}  // namespace quill
