// Boards the benchmarks play on: a puzzle cut from the demo scene and scattered over
// a board, and a drop that joins set up on it.
#pragma once
#include <memory>
#include <string>

#include "common/random.h"
#include "common/records.h"
#include "demo_scene.h"
#include "game/fit_grid.h"
#include "game/jigsaw.h"
#include "ui/host.h"

namespace quill::bench {

constexpr uint32_t kCardStyle = 3;

// A puzzle of about `requested` pieces cut from a demo picture of width × height in
// the Card style with shadows on, laid out on a board of boardWidth × boardHeight:
// every piece in a group of its own, scattered; turned at random when `turned`.
inline std::unique_ptr<TJigsaw> ScatteredBoard(Host& host, const std::string& programPath, int requested, int width,
                                               int height, int boardWidth, int boardHeight, bool turned = false) {
  auto game = std::make_unique<TJigsaw>(host, programPath);
  game->Picture = Bitmap(width, height);
  PaintDemoScene(game->Picture, 1);
  PuzzleRecord = TPuzzleRecord{};
  PuzzleRecord.PieceStyle = 1;
  PuzzleRecord.Oddness = 5;
  PuzzleRecord.Seed = 1;
  PuzzleRecord.PictureWidth = PuzzleRecord.ScaledWidth = static_cast<uint16_t>(width);
  PuzzleRecord.PictureHeight = PuzzleRecord.ScaledHeight = static_cast<uint16_t>(height);
  PuzzleRecord.PieceCount = static_cast<uint16_t>(FitGrid(requested, width, height));
  game->Config().OutlineStyle = kCardStyle;
  game->Config().Shadows = true;
  game->Config().Ghost = false;
  game->CreatePieceList();
  game->CreateTrays();
  SetRandSeed(PuzzleRecord.Seed);
  if (turned) game->RandomiseRotation(game->AllPieces(), true);
  game->CutPieces(game->AllPieces(), true);
  game->RenderAtlases(game->MaskBuffer);
  game->NewLayout(boardWidth, boardHeight);
  return game;
}

// `anchor` put at (200, 200) and `moved` at `start`, each alone in a new group, and
// `moved` lifted and dragged to 3 pixels off its fitting place beside `anchor`: the
// drop that follows joins the two.
inline void PrepareJoiningDrop(TJigsaw& game, TFormPiece& anchor, TFormPiece& moved, Point start) {
  anchor.X = 200;
  anchor.Y = 200;
  moved.X = start.X;
  moved.Y = start.Y;
  anchor.Joined = moved.Joined = false;
  anchor.JoinedSides = moved.JoinedSides = 0;
  anchor.Group = PuzzleRecord.NextGroup++;
  moved.Group = PuzzleRecord.NextGroup++;
  PuzzleRecord.JoinedCount = 0;
  TPieces::SortPieces(game.BoardTray().FPieces, kSortByGroup);
  game.PickGroup(&moved);
  const Point fit = TPieces::FitPosition(moved, anchor);
  game.MoveSpriteTo(game.FDragOrigin.X + fit.X + 3 - start.X, game.FDragOrigin.Y + fit.Y - 2 - start.Y);
}

}  // namespace quill::bench
