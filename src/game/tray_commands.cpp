// The tray commands of the game: they act on the current tray, the one under the
// pointer at the last press or whose button was right-clicked.
#include <cstdio>

#include "common/translate.h"
#include "game/jigsaw.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr int32_t kUndoTrays = 5;

std::string DeleteQuestion(int32_t trayNumber) {
  return FillArgs(Tr("Messages", "Tray %1 contains pieces which will be\nplaced on the background.\n\nOk to delete this tray?"),
                  {std::to_string(trayNumber)});
}

}  // namespace

// A selection waiting on the board (the tray commands stay reachable through the
// menus and the tray buttons) is put back first: lifting another one would leave its
// pieces hidden.
void TJigsaw::MovePiecesWithoutJoining(const TPieceList& list, int filter, TBox& target) {
  ReleaseSelection();
  if (!LiftFromList(list, filter)) return;
  DropSelection(&target, false);
  FDragState = DragState::Idle;
}

void TJigsaw::AddTray() {
  TBox& tray = NewTray(BoardBitmap);
  RepaintRect(tray.BoxRect());
  if (Options.AnimateTrays) ZoomBand(tray.ButtonRect(), tray.BoxRect());
}

void TJigsaw::RemoveTray() {
  if (FTray == nullptr || FTray->IsBoard()) return;
  if (FTray->PieceCount() > 0 && !TheHost().AskOkCancel(DeleteQuestion(FTray->Number()))) return;
  TBox& tray = *FTray;
  FTray = &BoardTray();
  EmptyTrayOntoBoard(tray);
  DeleteTray(tray);
}

void TJigsaw::RemoveTrays(const std::vector<TBox*>& trays) {
  RecordUndoPoint(kUndoTrays);
  for (TBox* tray : trays)
    if (tray == FTray) FTray = &BoardTray();
  TMove::RemoveTrays(trays);
}

void TJigsaw::EmptyTrayOntoBoard(TBox& tray) {
  if (tray.IsBoard() || tray.PieceCount() == 0) return;
  MovePiecesWithoutJoining(TPieceList(tray.FPieces), kLiftEvery, BoardTray());
}

void TJigsaw::SelectTrayPieces() {
  if (FTray == nullptr || FTray->PieceCount() == 0) return;
  ReleaseSelection();
  if (LiftFromList(TPieceList(FTray->FPieces), kLiftEvery)) FDragState = DragState::BandSelected;
}

void TJigsaw::SendTrayToBack() {
  if (FTray != nullptr) TrayToBack(*FTray);
}

std::string TJigsaw::TrayDescription() const { return FTray != nullptr ? FTray->Description() : std::string(); }

void TJigsaw::RenameTray(const std::string& description) {
  if (FTray == nullptr) return;
  FTray->SetDescription(description);
  RepaintRect(FTray->BoxRect());
}

void TJigsaw::SetTrayColour(ColourKind kind) {
  if (FTray == nullptr || !IsColourKind(kind)) return;
  Colour colour = 0;  // the colour dialog is not preset to the tray's colour
  if (!ColourOfKind(kind, colour)) return;
  TickColourKind(kTrayColourItems, kind);
  FTray->FColour = colour;
  RepaintRect(FTray->BoxRect());
}

void TJigsaw::EmptyTray() {
  if (FTray == nullptr || FTray->IsBoard()) return;
  EmptyTrayOntoBoard(*FTray);
  FTray->ToggleOpen();
}

void TJigsaw::GetPieces(int32_t kind) {
  if (FTray == nullptr || FTray->IsBoard()) return;
  MovePiecesWithoutJoining(TPieceList(BoardTray().FPieces), kind, *FTray);
}

}  // namespace quill
