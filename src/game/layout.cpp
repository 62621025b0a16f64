// The layout of the board: the first of a new game, every piece scattered over the
// board on its own, and the one restored from records.
#include "common/records.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

constexpr const char* kTurnedPiecesQuestion =
    TextMark("Messages",
             "The puzzle has rotated pieces but the rotation option is currently disabled. Press 'Yes' to turn all "
             "pieces the right way up or 'No' to re-enable rotation.");

}  // namespace

void TJigsaw::NewLayout(int32_t boardWidth, int32_t boardHeight) {
  LayOutNewGame(boardWidth, boardHeight);
  ComposeBoard();
}

void TJigsaw::LayOutNewGame(int32_t boardWidth, int32_t boardHeight) {
  FTray = &BoardTray();
  Config().BoardWidth = boardWidth;
  Config().BoardHeight = boardHeight;
  PuzzleRecord.NextGroup = 0;
  ScatterPieces(AllPieces(), Rect{0, 0, boardWidth, boardHeight});
  AllJoined = false;
  // The board colour is the main window's.
  UiState& menus = MainForm();
  if (menus.Has(kMainFormName)) SetBackdropColour(menus.Get(kMainFormName).Color);
  FMural.Resize(boardWidth, boardHeight);
  FMural.SetPicture(&Picture, true);
  SizeBoard(boardWidth, boardHeight);
  if (FitOverlayToPicture) FitOverlayToPicture(Picture.Width(), Picture.Height());
}

void TJigsaw::RestoreLayout(int32_t boardWidth, int32_t boardHeight) {
  FTray = &BoardTray();
  Config().BoardWidth = boardWidth;
  Config().BoardHeight = boardHeight;
  FMural.SetPicture(&Picture, false);
  RestorePlaces();
  ClassifyPieces(AllPieces());
  SortTrays(false);
  SortTrayPieces(0);
  UpdateAllJoinedSides();
  const Colour colour = BoardRecord.SavedBoardColour;
  MainForm().SetColour(kMainFormName, colour);
  SetBackdropColour(colour);
  FitBoard(boardWidth, boardHeight);
  // Turned pieces cannot be turned back while rotation is off: the user chooses to
  // turn them all the right way up or to have rotation on again.
  if (!MainForm().Checked(component::kRotation))
    MainForm().SetChecked(component::kRotation, SetRotating(false, kTurnedPiecesQuestion));
  if (FitOverlayToPicture) FitOverlayToPicture(Picture.Width(), Picture.Height());
}

}  // namespace quill
