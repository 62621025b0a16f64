#include "board_views.h"

#include "board/mural.h"
#include "pieces/arrangement.h"

namespace quill {
namespace {

Bitmap Backdrop(TJigsaw& game, int32_t width, int32_t height) {
  TMural mural;
  mural.SetColour(game.ResolveColour(game.GiftBoardColour()) & 0xFFFFFFu);
  mural.Resize(width, height);
  mural.Render(false);
  return mural.Board();
}

void DrawInStackingOrder(TJigsaw& game, Bitmap& board) {
  TPieceList order = game.AllPieces();
  TPieces::SortPieces(order, kSortByGroup);
  game.DrawPieces(order, board, nullptr);
}

}  // namespace

Bitmap ComposeNewGameBoard(TJigsaw& game, BoardSize size) {
  game.NewLayout(size.Width, size.Height);
  Bitmap board = Backdrop(game, size.Width, size.Height);
  DrawInStackingOrder(game, board);
  return board;
}

SolvedBoard ComposeSolvedBoard(TJigsaw& game, int32_t margin) {
  TPieceList turned;
  for (TFormPiece* piece : game.AllPieces()) {
    piece->PendingTurns = static_cast<uint8_t>((4 - piece->Rotation) % 4);
    if (piece->PendingTurns != 0) turned.push_back(piece);
  }
  if (!turned.empty()) {
    game.RotatePieces(turned, 0, false, false);
    game.CutPieces(turned, false);
  }
  const Point origin{margin, margin};
  for (TFormPiece* piece : game.AllPieces()) {
    piece->X = origin.X + piece->HomeX;
    piece->Y = origin.Y + piece->HomeY;
  }
  Bitmap board = Backdrop(game, game.Picture.Width() + 2 * margin, game.Picture.Height() + 2 * margin);
  DrawInStackingOrder(game, board);
  return {std::move(board), origin};
}

}  // namespace quill
