// The game's animations as states advanced on the host's ticks: flashes of pieces
// and places, glides that end with their selection put down, and the auto-solve's
// passes; and the rule for the user's commands and clicks while one runs.
#include "game/jigsaw.h"
#include "raster/blit.h"

namespace quill {
namespace {

// A flash shows a piece or a place for this long, then the board as it was as long.
constexpr int32_t kFlashMilliseconds = 50;

}  // namespace

void TJigsaw::UpdateAnimationTicks() { TheHost().WantAnimationTicks(Animating()); }

void TJigsaw::AnimationTick() {
  if (FMenusOpen > 0) return;
  const int64_t now = TheHost().Milliseconds();
  if (FFlash) AdvanceFlash(now);
  if (Gliding()) AdvanceGlide(now);
  if (!Gliding() && FLanding) {
    LandGlide();
  } else if (FSolve && !MovingOrFlashing()) {
    switch (FSolve->Stage) {
      case SolveStage::PassStart:
        StartSolvePass();
        break;
      case SolveStage::Neighbour:
        MoveSolveNeighbour();
        break;
      case SolveStage::PassEnd:
        EndSolvePass();
        break;
    }
  }
  UpdateAnimationTicks();
}

void TJigsaw::CompleteAnimation() {
  FinishFlash();
  FinishGlide();
  if (FLanding) LandGlide();
  UpdateAnimationTicks();
}

void TJigsaw::PressDuringAnimation() {
  ClickDuringGlide();
  CompleteAnimation();
}

// ---- Flashes ----

void TJigsaw::StartFlash(std::vector<FlashFrame> frames, std::optional<Rect> repaintAfter) {
  FlashRun run;
  run.Frames = std::move(frames);
  run.RepaintAfter = repaintAfter;
  run.SavedShadows = Config().Shadows;
  // While pieces flash, they are raised with their shadow whatever the option says.
  Config().Shadows = true;
  FFlash = std::move(run);
  if (FFlash->Frames.empty()) {
    FinishFlash();
    return;
  }
  ShowFlashFrame(true);
  UpdateAnimationTicks();
}

// The board is composed again after a place was shown rather than only its
// backdrop, so pieces lying on the place never vanish for a moment.
void TJigsaw::ShowFlashFrame(bool shown) {
  FlashRun& run = *FFlash;
  const FlashFrame& frame = run.Frames[run.Next];
  if (frame.Place) {
    const Rect& place = *frame.Place;
    if (shown) {
      BitBlt(BoardBitmap, place.Left, place.Top, place.Width(), place.Height(), Picture, frame.Piece->HomeX,
             frame.Piece->HomeY);
    } else {
      RepaintBoard(place);
    }
    UpdateWindow(place);
  } else {
    if (shown) {
      LiftPiece(*frame.Piece);
      run.Raised = FDragRect;
    } else {
      CancelLift();
    }
    UpdateWindow(run.Raised);
  }
  run.Shown = shown;
  if (!shown) ++run.Next;
  run.Due = TheHost().Milliseconds() + kFlashMilliseconds;
}

void TJigsaw::AdvanceFlash(int64_t now) {
  if (now < FFlash->Due) return;
  if (FFlash->Shown) {
    ShowFlashFrame(false);
  } else if (FFlash->Next < FFlash->Frames.size()) {
    ShowFlashFrame(true);
  } else {
    FinishFlash();
  }
}

void TJigsaw::FinishFlash() {
  if (!FFlash) return;
  if (FFlash->Shown) ShowFlashFrame(false);
  Config().Shadows = FFlash->SavedShadows;
  const std::optional<Rect> repaint = FFlash->RepaintAfter;
  FFlash.reset();
  if (repaint) RepaintRect(*repaint);
}

// ---- Glides ----

// The selection's origin travels by as much as the piece must.
void TJigsaw::GlideGroupTo(TFormPiece& piece, Point target, int32_t step, bool abortable, TBox& tray, bool connect) {
  PickGroup(&piece);
  const Point from = SelectionOrigin();
  const Point to{from.X + target.X - piece.X, from.Y + target.Y - piece.Y};
  UpdateWindow(BoardBitmap.Bounds());
  Glide(from.X, from.Y, abortable, step, to.X, to.Y);
  FLanding = GlideLanding{&tray, connect};
  UpdateAnimationTicks();
}

void TJigsaw::LandGlide() {
  const GlideLanding landing = *FLanding;
  FLanding.reset();
  DropSelection(landing.Tray, landing.Connect);
  FDragState = DragState::Idle;
  if (FSolve && FSolve->Stage == SolveStage::PassEnd) EndSolvePass();
}

}  // namespace quill
