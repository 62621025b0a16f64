// A small real puzzle on an 800 × 600 board for the moving layer's tests: a 320 × 240
// demo picture cut into a 4 × 3 grid, the pieces spread apart so that none lies near
// a fitting place unless a test puts it there.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "common/records.h"
#include "demo_scene.h"
#include "fake_host.h"
#include "game/jigsaw.h"
#include "gift_fixture.h"
#include "jpeg_writer.h"

namespace quill::testing {

// The window system of the moving layer: a clock that advances on every reading, the
// pointer, the animation ticks asked for, and the rectangles shown.
class BoardHost : public FakeHost {
 public:
  int64_t Milliseconds() override { return now += tick; }
  void InvalidateBoard(const Rect& rect, bool at_once) override { (at_once ? shownAtOnce : invalidated).push_back(rect); }
  Point PointerOnBoard() override { return pointer; }
  void WantAnimationTicks(bool on) override { ticksWanted = on; }
  void SetCursor(CursorShape shape) override { cursors.push_back(shape); }

  int64_t now = 0;
  int64_t tick = 1;
  Point pointer;
  bool ticksWanted = false;
  std::vector<Rect> shownAtOnce;
  std::vector<Rect> invalidated;
  std::vector<CursorShape> cursors;
};

// Ticks the game's animations until none runs, as the window's timer does; the clock
// is the host's. `afterTick` runs after each tick. A runaway animation fails the test.
inline void RunAnimations(TJigsaw& game, const std::function<void(int tick)>& afterTick = {}) {
  constexpr int kMaxTicks = 100000;
  for (int tick = 1; game.Animating(); ++tick) {
    ASSERT_LE(tick, kMaxTicks) << "the animation never ends";
    game.AnimationTick();
    if (afterTick) afterTick(tick);
  }
}

// The board drawn again from scratch after pieces were placed by hand: the board's
// pieces back in stacking order, their places stored, the clean copy renewed.
inline void Recompose(TJigsaw& game) {
  TPieces::SortPieces(game.BoardTray().FPieces, kSortByGroup);
  game.StoreTrayPlaces(game.BoardTray());
  game.RepaintBoard(game.BoardBitmap.Bounds());
  game.FlushDirty();
}

// What the board shows when drawn from scratch now.
inline Bitmap FreshBoard(TJigsaw& game) {
  Bitmap fresh(game.BoardBitmap.Width(), game.BoardBitmap.Height(), PixelFormat::Rgb24);
  game.FMural.CopyTo(fresh.Bounds(), fresh);
  game.DrawTrays(fresh, nullptr);
  return fresh;
}

// Joins `members` to `anchor`'s group, each moved to fit it, and recomposes the board.
inline void FormGroup(TJigsaw& game, int anchor, std::initializer_list<int> members) {
  Rect dirty;
  for (int m : members) game.JoinPieces(game.Piece(anchor), game.Piece(m), dirty);
  Recompose(game);
}

class MoveFixture : public ::testing::Test {
 protected:
  static constexpr int kBoardWidth = 800;
  static constexpr int kBoardHeight = 600;

  void SetUp() override { Build(); }

  void Build(int outlineStyle = 0) {
    Bitmap picture(320, 240, PixelFormat::Rgb24);
    PaintDemoScene(picture, 3);
    GiftParts parts;
    WriteJpeg(picture, 90, parts.Picture);
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 12;
    header.OutlineIndex = outlineStyle;
    header.RotationOn = 0;
    game.reset();
    sounds.clear();
    game = std::make_unique<TJigsaw>(host, MakeGiftFile(host.Temp(), header, parts).string());
    game->LoadGift();
    game->BuildPuzzle();
    game->Config().Ghost = false;
    game->Config().Shadows = true;
    game->Config().SnapDivisor = 4;
    game->Config().SetSoundOutput([this](int effect, bool) { sounds.push_back(effect); });
    game->NewLayout(kBoardWidth, kBoardHeight);
    SpreadOut();
  }

  // Piece i at a place of its own, 150 pixels apart across and 180 down: never
  // within snapping distance of a neighbour's fitting place.
  void SpreadOut() {
    for (TFormPiece* piece : game->AllPieces()) {
      piece->X = 20 + piece->Index % 5 * 150;
      piece->Y = 20 + piece->Index / 5 * 180;
    }
    Recompose();
  }

  void Recompose() { testing::Recompose(*game); }
  Bitmap FreshBoard() { return testing::FreshBoard(*game); }

  TFormPiece& P(int index) { return game->Piece(index); }

  // Joins `members` to `anchor`'s group, each moved to fit it.
  void FormGroup(int anchor, std::initializer_list<int> members) {
    testing::FormGroup(*game, anchor, members);
    sounds.clear();
  }

  // Drags the lifted selection so that its pieces move by (dx, dy).
  void DragBy(int32_t dx, int32_t dy) {
    game->MoveSpriteTo(game->FDragOrigin.X + dx, game->FDragOrigin.Y + dy);
  }

  // Picks piece's group, moves it so that the piece's top-left comes to `to`, and
  // drops it into tray (the board when null) with joining.
  void DropPieceAt(TFormPiece& piece, Point to, TBox* tray = nullptr, bool connect = true) {
    game->PickGroup(&piece);
    DragBy(to.X - piece.X, to.Y - piece.Y);
    game->DropSelection(tray != nullptr ? tray : &game->BoardTray(), connect);
  }

  int32_t SnapDistance() const { return PuzzleRecord.CellHeight / 4; }

  BoardHost host;
  std::unique_ptr<TJigsaw> game;
  std::vector<int> sounds;
};

// Pixels of two bitmaps of the same size that differ.
inline int DifferingPixels(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.PixelAt(x, y) != b.PixelAt(x, y) ? 1 : 0;
  return differing;
}

}  // namespace quill::testing
