// The board's mouse control: presses, pointer moves, releases and wheel turns become
// lifting, dragging, dropping and turning pieces, the rubber band, moving, resizing
// and minimising trays, moving the ghost and the cheats.
#include "game/board_mouse.h"

#include <algorithm>
#include <cstdlib>

#include "common/records.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

// The band is drawn into the board bitmap, which the window shows only where it is
// told to: each step of the band is shown at once.
void StartBand(TBand& band, Canvas& canvas, Host& host, int32_t x, int32_t y) {
  band.SetRepaint([&host](const Rect& area) { host.InvalidateBoard(area, true); });
  band.Start(canvas, x, y);
}

}  // namespace

const char* MouseHelpText(const ShiftState& held, bool cheating, bool rotating, bool ghost) {
  if (held.Alt || held.AnyButton) return "";
  if (held.Shift && !held.Ctrl) return cheating ? kNeighbourHelpText : kCheatingDisabledText;
  if (held.Ctrl && !held.Shift) return rotating ? kRotateHelpText : kRotationDisabledText;
  if (held.Shift && held.Ctrl) {
    if (!cheating) return kCheatingDisabledText;
    return ghost ? kGhostHelpText : kGhostNeededText;
  }
  return "";
}

bool TJigsaw::SelectionActive() const {
  return FCarrying || FDragState == DragState::BandSelected || FDragState == DragState::BandSelection;
}

void TJigsaw::ReleaseSelection() {
  if (!SelectionActive()) return;
  CancelLift();
  TheHost().SetCursor(CursorShape::Default);
}

void TJigsaw::SetStatusLine(const std::string& text) { MainForm().SetCaption(component::kStatusLine, text); }

// ---- Presses ----

void TJigsaw::BoardMouseDown(MouseButton button, int32_t x, int32_t y) {
  if (!IsPlaying()) return;
  if (MovingOrFlashing()) PressDuringAnimation();
  if (button == MouseButton::Middle && !MouseOpts.MiddleButton) {
    SetStatusLine(kWheelDisabledText);
    return;
  }
  FWheelPiece = -1;
  FWheelTravel = 0;
  Host& host = TheHost();
  const bool shift = host.ShiftHeld(), ctrl = host.CtrlHeld();
  const TJigConfig& config = Config();
  const bool neighbourCheat = shift && !ctrl && config.Cheating;
  const bool ghostCheat = shift && ctrl && config.Ghost && config.Cheating;
  const bool turnClick = ctrl && !shift && config.Rotating;
  const bool onGhost = FMural.OnGhost(x, y);

  if ((neighbourCheat || ghostCheat || turnClick || button == MouseButton::Right) && FDragState != DragState::Tray) {
    if (FDragState == DragState::BandSelected && !turnClick) CancelLift();
    FMouse = {x, y};
    FTray = &TrayAt(x, y);
  }
  if (neighbourCheat) return NeighbourCheatPress(button);
  if (ghostCheat) return GhostCheatPress(button, onGhost);
  if (turnClick) return TurnClickPress(button);
  if (button == MouseButton::Right) return RightPress();
  if (!FAutoSolving) PlainPress(x, y);
}

void TJigsaw::NeighbourCheatPress(MouseButton button) {
  FPiece = FTray->PieceAt(FMouse.X, FMouse.Y, false);
  if (FPiece == nullptr) return;
  FNeighbour = NeighbourTowards(*FPiece, FMouse);
  if (FNeighbour == nullptr || FNeighbour->Group == FPiece->Group) return;
  RecordUndoPoint(kUndoCheat);
  if (button == MouseButton::Left)
    FetchNeighbour();
  else if (button == MouseButton::Right)
    ShowNeighbour();
}

void TJigsaw::GhostCheatPress(MouseButton button, bool onGhost) {
  FPiece = FTray->PieceAt(FMouse.X, FMouse.Y, true);
  if (FPiece != nullptr) {
    RecordUndoPoint(kUndoCheat);
    const Rect ghost = FMural.GhostRect();
    FMouse = {ghost.Left + FPiece->HomeX, ghost.Top + FPiece->HomeY};
  } else {
    if (FTray->IsBoard() && !onGhost) return;
    RecordUndoPoint(kUndoCheat);
  }
  if (button == MouseButton::Left)
    SolveOnePiece();
  else if (button == MouseButton::Right)
    FlashSolution();
}

void TJigsaw::TurnClickPress(MouseButton button) {
  FPiece = FTray->PieceAt(FMouse.X, FMouse.Y, true);
  if (FPiece == nullptr && !SelectionActive()) {
    ShowTrayMenu();
    return;
  }
  if (!FCarrying) RecordUndoPoint(kUndoTurn);
  if (button == MouseButton::Left)
    TurnSelection(FPiece, 3, true);
  else if (button == MouseButton::Right)
    TurnSelection(FPiece, 1, true);
}

void TJigsaw::RightPress() {
  FPiece = FTray->PieceAt(FMouse.X, FMouse.Y, true);
  if (FCarrying) return;
  if (FDragState != DragState::Idle || FPiece == nullptr) {
    ShowTrayMenu();
    return;
  }
  LiftPiece(*FPiece);
  ShowBoardMenu(component::kPopupPiece);
  CancelLift();
}

void TJigsaw::ShowTrayMenu() { ShowBoardMenu(FTray->IsBoard() ? component::kPopupPlay : component::kPopupTray); }

// The animations hold still while the menu is open: the window's events run in it,
// the ticks among them.
void TJigsaw::ShowBoardMenu(const char* menu) {
  ++FMenusOpen;
  try {
    TheHost().ShowPopupMenu(menu, FMouse);
  } catch (...) {
    --FMenusOpen;
    throw;
  }
  --FMenusOpen;
}

// A drag keeps the point that was pressed under the pointer: the grab offset is
// taken at the press, not at the first move after it, which may come from far away.
void TJigsaw::PlainPress(int32_t x, int32_t y) {
  Host& host = TheHost();
  switch (FDragState) {
    case DragState::Idle: {
      FTray = &TrayAt(x, y);
      if (!FTray->IsBoard() && FTray->OnMinimise(x, y)) {
        FTray->FButtonDown = true;
        RepaintRect(FTray->MinimiseRect());
        FDragState = DragState::TrayButtonHeld;
      } else if (PickAt(*FTray, x, y)) {
        TrackPointer(x, y);
        FDragState = DragState::Picked;
        host.SetCursor(CursorShape::Grab);
        RecordUndoPoint(kUndoDrag);
      } else if (FTray->InnerRect().Contains(x, y)) {
        RaiseTray(*FTray);
        StartBand(FBand, FBoardCanvas, host, x, y);
        FDragState = DragState::BandDrawing;
      } else if (!FTray->IsBoard()) {
        FTray->BringToFront();
        SortTrays(false);
        LiftTray(*FTray);
        TrackPointer(x, y);
        FDragState = DragState::Tray;
        host.SetCursor(CursorShape::SizeAll);
      }
      break;
    }
    case DragState::BandSelected:
      if (HitSelection(x, y) != nullptr) {
        TrackPointer(x, y);
        FDragState = DragState::BandSelection;
        host.SetCursor(CursorShape::Grab);
        RecordUndoPoint(kUndoDrag);
      } else {
        CancelLift();
        host.SetCursor(CursorShape::Default);
      }
      break;
    case DragState::OverTrayBorder: {
      FDragState = DragState::ResizingTray;
      int32_t ax = x, ay = y;
      FResizeCursor = FTray->BorderCursor(x, y);
      FTray->StartResize(ax, ay, FResizeCursor);
      StartBand(FBand, FBoardCanvas, host, ax, ay);
      BoardMouseMove(x, y);
      break;
    }
    default:
      break;
  }
}

// ---- Pointer moves ----

void TJigsaw::BoardMouseMove(int32_t x, int32_t y) {
  if (!IsPlaying() || MovingOrFlashing()) return;
  Host& host = TheHost();
  switch (FDragState) {
    case DragState::Idle: {
      FTray = &TrayAt(x, y);
      if (FTray->IsBoard()) break;
      const CursorShape cursor = FTray->BorderCursor(x, y);
      host.SetCursor(cursor);
      if (cursor != CursorShape::Default) FDragState = DragState::OverTrayBorder;
      break;
    }
    case DragState::BandDrawing:
      FBand.DragTo(x, y);
      break;
    case DragState::Picked:
    case DragState::BandSelection:
    case DragState::Tray:
    case DragState::Ghost:
      FollowPointer(x, y, FDragState);
      break;
    case DragState::OverTrayBorder: {
      const CursorShape cursor = FTray->BorderCursor(x, y);
      host.SetCursor(cursor);
      if (cursor == CursorShape::Default) FDragState = DragState::Idle;
      break;
    }
    case DragState::ResizingTray: {
      int32_t cx = x, cy = y;
      FTray->ResizeCorner(cx, cy, FResizeCursor);
      FBand.DragTo(cx, cy);
      break;
    }
    case DragState::TrayButtonHeld:
      if (!FTray->OnMinimise(x, y)) {
        FTray->FButtonDown = false;
        RepaintRect(FTray->MinimiseRect());
        FDragState = DragState::Idle;
      }
      break;
    default:
      break;
  }
}

// ---- Releases ----

void TJigsaw::BoardMouseUp(MouseButton button, int32_t x, int32_t y) {
  if (!IsPlaying() || MovingOrFlashing() || button == MouseButton::Right) return;
  const bool dragging = IsDragging(FDragState);
  if (button == MouseButton::Middle) {
    if (dragging) FCarrying = !FCarrying;
  } else {
    FCarrying = false;
  }
  bool finished = false;
  switch (FDragState) {
    case DragState::BandDrawing:
      ReleaseBand();
      break;
    case DragState::Picked:
    case DragState::BandSelection:
      if (FCarrying) break;
      TrackPointer(x, y);
      DropSelection(nullptr, FDragState == DragState::Picked);
      finished = true;
      break;
    case DragState::Tray:
      if (FCarrying) break;
      DropTray(*FTray);
      finished = true;
      break;
    case DragState::Ghost:
      if (FCarrying) break;
      RecordUndoPoint(kUndoGhostMoved);
      DropGhost();
      finished = true;
      break;
    case DragState::ResizingTray:
      FinishResize();
      finished = true;
      break;
    case DragState::TrayButtonHeld:
      FTray->FButtonDown = false;
      FTray->ToggleOpen();
      FDragState = DragState::Idle;
      break;
    default:
      break;
  }
  if (finished) {
    FDragState = DragState::Idle;
    TheHost().SetCursor(CursorShape::Default);
  }
}

void TJigsaw::ReleaseBand() {
  Rect rect = FBand.Finish();
  if (!MouseOpts.ExactBand) {
    const int32_t dx = PuzzleRecord.CellWidth / 3, dy = PuzzleRecord.CellHeight / 3;
    rect = {rect.Left - dx, rect.Top - dy, rect.Right + dx, rect.Bottom + dy};
  }
  FDragState = SelectInRect(FTray->Number(), rect) ? DragState::BandSelected : DragState::Idle;
}

void TJigsaw::FinishResize() {
  const Rect band = FBand.Finish();
  const Rect old = FTray->BoxRect();
  FTray->FWidth = static_cast<uint16_t>(std::max(band.Width(), 0));
  FTray->FHeight = static_cast<uint16_t>(std::max(band.Height(), 0));
  // The groups are fitted into the new inner area at the old place, then everything
  // moves with the top-left corner.
  FitTrayGroups(*FTray);
  MoveTray(*FTray, band.Left - old.Left, band.Top - old.Top);
  RepaintRect(Union(old, FTray->BoxRect()));
}

// ---- The wheel ----

// The wheel's movement is gathered until it makes a whole notch; each notch turns
// once. Movement the other way drops what was gathered.
void TJigsaw::BoardMouseWheel(int32_t delta) {
  if (!IsPlaying() || MovingOrFlashing()) return;
  if (FDragState != DragState::Idle && FDragState != DragState::BandSelected && FDragState != DragState::Picked &&
      FDragState != DragState::BandSelection)
    return;
  if (!MouseOpts.WheelRotates) {
    SetStatusLine(kWheelDisabledText);
    return;
  }
  if (!Config().Rotating) {
    SetStatusLine(kRotationDisabledText);
    return;
  }
  if ((FWheelTravel < 0 && delta > 0) || (FWheelTravel > 0 && delta < 0)) FWheelTravel = 0;
  FWheelTravel += delta;
  const int32_t notches = FWheelTravel / kWheelNotch;
  FWheelTravel %= kWheelNotch;
  if (notches == 0) return;

  FMouse = TheHost().PointerOnBoard();
  FTray = &TrayAt(FMouse.X, FMouse.Y);
  FPiece = FTray->PieceAt(FMouse.X, FMouse.Y, true);
  // Pieces on the pointer turn there, whatever lies under it; the drag that lifted
  // them has recorded the undo step already.
  const bool onPointer = SelectionOnPointer();
  const bool selection = onPointer || SelectionActive();
  if (FPiece != nullptr && FPiece->AtHome && Config().Ghost && !selection) return;
  if (!onPointer && FPiece != nullptr && FPiece->Index != FWheelPiece) RecordUndoPoint(kUndoTurn);
  if (FPiece == nullptr && !selection) return;
  const int32_t sign = MouseOpts.WheelForward ? 1 : -1;
  const int quarterTurns = notches * sign < 1 ? 1 : 3;
  for (int32_t i = 0; i < std::abs(notches); ++i) TurnSelection(FPiece, quarterTurns, true);
  if (FPiece != nullptr) FWheelPiece = FPiece->Index;
}

void TJigsaw::ShowMouseHelp(const ShiftState& held) {
  if (!IsPlaying()) return;
  const TJigConfig& config = Config();
  SetStatusLine(MouseHelpText(held, config.Cheating, config.Rotating, config.Ghost));
}

}  // namespace quill
