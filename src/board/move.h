// The moving layer of the game object (`TMove`, between the trays and the game): the
// selection of lifted pieces, their drag image, mask, shadow and edge sprite, the
// sprite frames that follow the pointer over the board, putting pieces down with
// joining and ghost snapping, turning, gliding, tray and ghost drags, and the board
// backdrop. The board mouse control and the solving aids drive it.
#pragma once
#include <cstdint>
#include <optional>

#include "board/board_look.h"
#include "board/boxes.h"
#include "board/drag_state.h"
#include "board/mural.h"
#include "pieces/dirty.h"
#include "pieces/sprite.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// Which pieces of a list `LiftFromList` takes. Loose pieces are neither joined nor
// at home.
enum LiftFilter : int {
  kLiftEvery = 0,
  kLiftLoose = 1,
  kLiftLooseEdge = 2,    // ShapeClass below fun
  kLiftLooseMiddle = 3,  // fun pieces included
  kLiftLooseFun = 4,
};

// Shadows are at most this deep, and never less than this shallow.
constexpr int32_t kMinShadowDepth = 2;
constexpr int32_t kMaxShadowDepth = 10;

// The longest run of one group in the board tray's piece list.
struct BoardGroupRun {
  int32_t Start = 0;   // position of the run's first piece in the list
  int32_t Length = 0;  // 0 when the board holds no pieces
  int32_t Loose = 0;   // pieces of the run that are not surrounded
  int32_t Group = 0;
};

class TMove : public TBoxes {
 public:
  TMove(Host& host, UiState& mainForm);
  ~TMove() override;

  // clamp(cell height div 10, 2, 10).
  int32_t ShadowDepth() const;

  // ---- Composing the board ----
  // Recomposes rect of BoardBitmap from the backdrop and every open tray with its
  // pieces, and takes it into the clean copy of the sprite frames.
  void RepaintBoard(const Rect& rect);
  // RepaintBoard, then shows rect.
  void RepaintRect(const Rect& rect) override;
  // The clean copy of the sprite frames becomes a copy of the whole board bitmap.
  void FlushDirty();
  // What the board shows now: its pieces, trays, backdrop and bitmap.
  BoardLook LookOfBoard();
  // With the backdrop, the trays and the board's size as they were in `before`, the
  // board bitmap `before` showed comes back and only the places of the pieces that
  // look different are drawn again, and true. False, with nothing done, when the
  // whole board must be drawn.
  bool RedrawChangesSince(const BoardLook& before);
  // The backdrop's colour, a system colour (such as clBtnFace) as the host gives it;
  // it takes effect at the next render.
  void SetBackdropColour(Colour colour) { FMural.SetColour(ResolveColour(colour) & 0xFFFFFFu); }
  // Sizes the board bitmap, the board tray and the backdrop to width × height (also
  // the configuration's board size), renders the backdrop with the ghost as the
  // configuration says and composes the whole board.
  void ResizeBoard(int32_t width, int32_t height);
  // The same without composing the board, for callers that compose it afterwards.
  void SizeBoard(int32_t width, int32_t height);
  // Composes the whole board bitmap: the backdrop, then the trays and their pieces.
  void ComposeBoard();

  // ---- Lifting (move.cpp) ----
  // Builds the drag image of FSelection over FDragRect (their union) and shows it.
  void LiftSelection();
  void LiftPiece(TFormPiece& piece);
  // Lifts the pieces of list that pass filter (a LiftFilter); false when none do.
  bool LiftFromList(const TPieceList& list, int filter);
  // Lifts the piece with its group and brings the group to the front.
  void PickGroup(TFormPiece* piece);
  // Picks the group of tray's piece that is opaque at (x, y); false when none.
  bool PickAt(const TBox& tray, int32_t x, int32_t y);
  // Lifts the single pieces of tray trayNumber lying wholly inside rect.
  bool SelectInRect(int32_t trayNumber, const Rect& rect);
  // Puts a lifted selection back where it was; the drag state returns to idle.
  void CancelLift();
  bool SelectionActive() const { return !FSelection.empty(); }
  // The selection follows the pointer: carried, or dragged with a button held.
  bool SelectionOnPointer() const {
    return FCarrying || FDragState == DragState::Picked || FDragState == DragState::BandSelection;
  }

  // Drag image parts, rebuilt at every lift (the selection's pieces are offset by
  // −FDragOrigin while these run).
  void BuildDragSprite();
  void BuildShadow(int32_t s);

  // ---- Following the pointer (move.cpp) ----
  Point SelectionOrigin() const { return {FDragRect.Left, FDragRect.Top}; }
  void TrackPointer(int32_t x, int32_t y);
  // Moves what is dragged (a state for which IsDragging holds) to the pointer.
  void FollowPointer(int32_t x, int32_t y, DragState state);
  // One frame of the selection sprite with FDragRect's top-left at (x, y).
  void MoveSpriteTo(int32_t x, int32_t y);
  // The front piece of the selection seen at (x, y), or none.
  TFormPiece* HitSelection(int32_t x, int32_t y) const;

  // ---- The ghost picture (move.cpp) ----
  void LiftGhost();
  void DropGhost();
  void MoveGhostSpriteTo(int32_t x, int32_t y);

  // ---- Trays (tray_drag.cpp) ----
  void LiftTray(TBox& tray);
  void DropTray(TBox& tray);
  // Brings a tray to the front, redrawn at once.
  void RaiseTray(TBox& tray);
  void BuildTrayShadow(const Rect& rect, int32_t s);
  void MoveTraySpriteTo(int32_t x, int32_t y);

  // ---- Dropping, joining, turning, gliding (drop.cpp) ----
  // Puts FSelection down into tray, or with none into the front open tray under
  // FLastMouse; with connect the dropped pieces join fitting neighbours.
  void DropSelection(TBox* tray, bool connect);
  // Joins the pieces of list to fitting neighbours, or snaps them onto the ghost when
  // nothing joined; rect grows over everything that moved.
  void ConnectDropped(const TPieceList& list, Rect& rect);
  // Turns piece with its group, or the current selection, by quarterTurns clockwise.
  // A selection on the pointer stays there, turned; any other is put down turned.
  void TurnSelection(TFormPiece* piece, int quarterTurns, bool connect);

  // ---- Gliding (glide.cpp) ----
  // Starts moving the lifted selection from (x0, y0) to (x1, y1), step pixels per
  // 10 − step milliseconds: draws the first frame and returns. The frames that
  // follow are drawn by AdvanceGlide as the clock reaches them.
  void Glide(int32_t x0, int32_t y0, bool abortable, int32_t step, int32_t x1, int32_t y1);
  bool Gliding() const { return FGlide.has_value(); }
  // Draws the frame due at `now` (frames whose time has passed are left out) and
  // the last frame at the end of the line, which ends the glide.
  void AdvanceGlide(int64_t now);
  // A click: a glide that may be ended stops where it is; any other jumps to its
  // end. The glide is over either way.
  void ClickDuringGlide();
  // Jumps to the end of the line and ends the glide.
  void FinishGlide();
  BoardGroupRun LargestBoardGroup() const;
  void UpdateAtHome();
  // Re-places the board pieces from their normalised positions after a saved game
  // was read.
  void RestorePlaces();

  // Rebuilds the bevel and edge sprites of turned pieces; the game object cuts them
  // again from its outlines.
  virtual void RebuildShading(const TPieceList& list) { (void)list; }

  TPieceList FSelection;
  Rect FDragRect;
  Point FDragOrigin;
  Bitmap FDragImage;
  Bitmap FDragMask{1, 1, PixelFormat::Mono1};
  Bitmap FDragUnder;
  TDirty FDirty;
  Point FLastMouse;
  Point FGrabOffset;
  bool FGrabPending = false;
  SpriteBlock FShadowSprite;
  SpriteBlock FDragSprite;
  RowRuns FDragBackdrop;  // where a frame of the selection reads the board beneath it
  TMural FMural;
  DragState FDragState = DragState::Idle;
  bool FAutoSolving = false;
  bool FCarrying = false;

  // A glide in progress: the walk along its line, Bresenham's, and its clock.
  struct TGlideRun {
    int32_t X = 0, Y = 0, X1 = 0, Y1 = 0;
    int32_t StepX = 1, StepY = 1, Major = 0, Minor = 0, Error = 0, I = 0;
    bool XMajor = false;
    int32_t Step = 1, Period = 0, Counter = 0;
    int64_t Deadline = 0;
    bool Waiting = false;  // a frame was drawn at step I; the walk goes on at Deadline
    bool Abortable = false;
  };
  std::optional<TGlideRun> FGlide;

  // The shadow depth of the current lift, 0 without a shadow.
  int32_t FDragShadow = 0;
  // The piece that keeps a dragged group on the board; forgotten at every lift.
  TFormPiece* FDragAnchor = nullptr;

 protected:
  // Shows this frame's merged rectangles on the screen at once.
  void FlushFrame();

 private:
  // The selection sprite at FDragRect without erasing the last frame.
  void DrawSpriteFrame();
  void DrawTraySpriteFrame();
  // State 3: holds a dragged group on the board by one of its pieces.
  void HoldGroupOnBoard();
  // The piece followed by the rest of its group in index order.
  TPieceList GroupOf(TFormPiece& piece) const;
  // Union of the pieces' board rectangles.
  static Rect UnionOf(const TPieceList& list);
  // How far the wood hangs below a piece: Thickness with the Wood style, else 0.
  int32_t WoodEdgeDepth() const;
  // One pixel along the glide's line.
  static void StepAlongLine(TGlideRun& g);
};

}  // namespace quill
