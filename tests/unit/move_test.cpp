#include <gtest/gtest.h>

#include <algorithm>

#include "move_fixture.h"

namespace quill {
namespace {

using testing::DifferingPixels;

class MoveTest : public testing::MoveFixture {
 protected:
  // Whether every pixel within 2 of (x, y) lies inside the piece: away from its edge
  // sprite, where the drag image shows the piece's own pixels.
  bool Interior(const TFormPiece& piece, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (!piece.BoardRect().Contains(x + dx, y + dy) || !game->IsOpaqueAt(piece, x + dx, y + dy)) return false;
    return true;
  }

  // Interior pixels of piece that differ between `before` at the piece's place and
  // the board now at that place moved by (dx, dy); the count of compared pixels.
  std::pair<int, int> CompareInterior(const TFormPiece& piece, const Bitmap& before, int dx, int dy) {
    int compared = 0, differing = 0;
    for (int y = piece.Y; y < piece.Y + piece.Height; ++y)
      for (int x = piece.X; x < piece.X + piece.Width; ++x) {
        if (!Interior(piece, x, y)) continue;
        ++compared;
        differing += before.PixelAt(x, y) != game->BoardBitmap.PixelAt(x + dx, y + dy) ? 1 : 0;
      }
    return {compared, differing};
  }

  // Pixels outside rect where the board differs from `clean`.
  int DifferingOutside(const Bitmap& clean, const Rect& rect) {
    int differing = 0;
    for (int y = 0; y < clean.Height(); ++y)
      for (int x = 0; x < clean.Width(); ++x)
        if (!rect.Contains(x, y) && clean.PixelAt(x, y) != game->BoardBitmap.PixelAt(x, y)) ++differing;
    return differing;
  }
};

TEST_F(MoveTest, ShadowDepthIsATenthOfTheCellHeightWithinTwoToTen) {
  const struct {
    uint16_t cellHeight;
    int32_t depth;
  } cases[] = {{150, 10}, {19, 2}, {40, 4}, {109, 10}, {99, 9}, {8, 2}};
  for (const auto& c : cases) {
    PuzzleRecord.CellHeight = c.cellHeight;
    EXPECT_EQ(game->ShadowDepth(), c.depth) << "cell height " << c.cellHeight;
  }
}

TEST_F(MoveTest, LiftingHidesThePiecesAndShowsTheBackdropUnderThem) {
  const Bitmap before = game->BoardBitmap;
  TFormPiece& piece = P(5);
  const Rect rect = piece.BoardRect();
  game->PickGroup(&piece);

  EXPECT_TRUE(piece.Hidden);
  ASSERT_EQ(game->FSelection, TPieceList{&piece});
  // The board without the piece is the backdrop there; the sprite shows the piece.
  const Bitmap& clean = game->FDirty.CleanCopy();
  int differing = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x) differing += clean.PixelAt(x, y) != game->FMural.Board().PixelAt(x, y);
  EXPECT_EQ(differing, 0);
  const auto [compared, changed] = CompareInterior(piece, before, 0, 0);
  EXPECT_GT(compared, rect.Width() * rect.Height() / 4);
  EXPECT_EQ(changed, 0);
  EXPECT_FALSE(host.shownAtOnce.empty()) << "the first frame is shown at once";
}

// Every frame restores the last one's rectangles from the clean copy, so nothing is
// left behind, wherever the sprite goes: over other pieces, half off the board.
TEST_F(MoveTest, SpriteFramesLeaveNoTrails) {
  const Bitmap before = game->BoardBitmap;
  TFormPiece& piece = P(5);
  game->PickGroup(&piece);
  const Bitmap clean = game->FDirty.CleanCopy();
  const Point places[] = {{300, 250}, {306, 262}, {-40, 500}, {740, 560}, {160, 10}, {400, 300}};
  for (const Point& p : places) {
    game->MoveSpriteTo(p.X, p.Y);
    EXPECT_EQ(DifferingOutside(clean, game->FDragRect), 0) << "at " << p.X << "," << p.Y;
  }
  // The last place is clear of other pieces: the sprite shows the piece there.
  const auto [compared, changed] = CompareInterior(piece, before, 400 - game->FDragOrigin.X, 300 - game->FDragOrigin.Y);
  EXPECT_GT(compared, 0);
  EXPECT_EQ(changed, 0);

  game->FDirty.Erase();
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, clean), 0);
}

// A frame restores the last one only where it does not reach itself. Each frame of a
// drag must show what a frame drawn over the clean board shows (the lift's own
// frame, or one that came from a place clear of it): moves that overlap the last
// frame wholly or partly, none, and frames cut by each edge of the board, for a
// group with the board showing between its pieces and a wood piece with the wood
// below it.
TEST_F(MoveTest, DragFramesShowWhatAFrameOverTheCleanBoardShows) {
  const auto frameFromClean = [this](Point to) {
    const int32_t width = game->FDragRect.Width();
    game->MoveSpriteTo(to.X < kBoardWidth / 2 ? to.X + width + 10 : to.X - width - 10, to.Y);
    game->MoveSpriteTo(to.X, to.Y);
    return game->BoardBitmap;
  };
  for (const int style : {0, kOutlineWood}) {
    Build(style);
    if (style == 0) FormGroup(5, {6, 9});
    // Pieces beneath the sprite's path, so a pixel left over from the last frame
    // would differ from the board beneath.
    P(7).X = P(5).X + 30;
    P(7).Y = P(5).Y + 20;
    Recompose();
    game->PickGroup(&P(5));
    const Point origin = game->FDragOrigin;
    const Bitmap lifted = game->BoardBitmap;
    game->MoveSpriteTo(origin.X, origin.Y);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, lifted), 0) << "style " << style << ", frame in place";

    const int32_t w = game->FDragRect.Width(), h = game->FDragRect.Height();
    const Point path[] = {{origin.X + 3, origin.Y + 2},   {origin.X - 7, origin.Y + 5},  {origin.X + w / 2, origin.Y},
                          {origin.X + w / 2, origin.Y - h / 3}, {origin.X + 2 * w, origin.Y}, {-w / 3, 100},
                          {-w / 3 + 4, -h / 4},          {kBoardWidth - w / 2, -h / 4 + 3},
                          {kBoardWidth - w / 2 - 5, kBoardHeight - h / 2}, {10, kBoardHeight - h / 3},
                          {origin.X, origin.Y}};
    for (const Point& to : path) {
      game->MoveSpriteTo(to.X, to.Y);
      const Bitmap dragged = game->BoardBitmap;
      EXPECT_EQ(DifferingPixels(dragged, frameFromClean(to)), 0) << "style " << style << ", at " << to.X << "," << to.Y;
    }
    game->DropSelection(&game->BoardTray(), false);
    EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "style " << style;
  }
}

TEST_F(MoveTest, CancelledDragShowsThePiecesWhereTheyWere) {
  const Bitmap before = game->BoardBitmap;
  game->PickGroup(&P(5));
  DragBy(130, 40);
  game->FDragState = DragState::Picked;
  game->CancelLift();
  EXPECT_FALSE(P(5).Hidden);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, before), 0);
}

TEST_F(MoveTest, WoodPiecesLiftAndDropWithoutTrails) {
  Build(kOutlineWood);
  ASSERT_GT(game->Thickness, 0);
  game->PickGroup(&P(5));
  EXPECT_EQ(game->FDragRect.Height(), P(5).Height + game->ShadowDepth() + game->Thickness);
  DragBy(37, 23);
  DragBy(120, 45);
  game->DropSelection(&game->BoardTray(), true);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

// A group dragged far off the board in any direction keeps one piece on it by
// min(40, half a cell) on both axes.
TEST_F(MoveTest, DraggedGroupStaysOnTheBoard) {
  FormGroup(5, {6, 9});
  const int32_t mx = std::min<int32_t>(40, PuzzleRecord.CellWidth / 2);
  const int32_t my = std::min<int32_t>(40, PuzzleRecord.CellHeight / 2);
  const Point pulls[] = {{-5000, 0}, {5000, 0}, {0, -5000}, {0, 5000}, {-3000, 4000}};
  for (const Point& pull : pulls) {
    game->PickGroup(&P(5));
    const Point grab{P(5).X + 10, P(5).Y + 10};
    game->FollowPointer(grab.X, grab.Y, DragState::Picked);
    game->FollowPointer(grab.X + pull.X, grab.Y + pull.Y, DragState::Picked);
    const int32_t dx = game->FDragRect.Left - game->FDragOrigin.X, dy = game->FDragRect.Top - game->FDragOrigin.Y;
    EXPECT_TRUE(dx != 0 || dy != 0);
    bool held = false;
    for (const TFormPiece* piece : game->FSelection) {
      const Rect r = piece->BoardRect().Offset(dx, dy);
      const int32_t ox = std::min(r.Right, kBoardWidth) - std::max(r.Left, 0);
      const int32_t oy = std::min(r.Bottom, kBoardHeight) - std::max(r.Top, 0);
      held = held || (ox >= mx && oy >= my);
    }
    EXPECT_TRUE(held) << "pulled by " << pull.X << "," << pull.Y;
    game->CancelLift();
  }
}

TEST_F(MoveTest, BandTakesOnlySinglePiecesWhollyInside) {
  FormGroup(0, {1});
  EXPECT_TRUE(game->SelectInRect(0, game->BoardBitmap.Bounds()));
  EXPECT_EQ(game->FSelection.size(), 10u);
  for (const TFormPiece* piece : game->FSelection) {
    EXPECT_FALSE(piece->Joined) << piece->Index;
    EXPECT_GT(piece->Group, P(0).Group) << "the band's pieces come to the front";
  }
  game->CancelLift();

  const Rect exact = P(2).BoardRect();
  EXPECT_TRUE(game->SelectInRect(0, exact));
  EXPECT_EQ(game->FSelection, TPieceList{&P(2)});
  game->CancelLift();
  EXPECT_FALSE(game->SelectInRect(0, {exact.Left + 1, exact.Top, exact.Right, exact.Bottom}));
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_FALSE(game->SelectInRect(1, game->BoardBitmap.Bounds())) << "no piece lies in tray 1";
}

TEST_F(MoveTest, LiftFromListFilters) {
  FormGroup(1, {2});
  P(0).AtHome = true;
  const struct {
    int filter;
    std::vector<int> taken;
  } cases[] = {
      {kLiftEvery, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {kLiftLoose, {3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {kLiftLooseEdge, {3, 4, 7, 8, 9, 10, 11}},
      {kLiftLooseMiddle, {5, 6}},
      {kLiftLooseFun, {}},
  };
  for (const auto& c : cases) {
    const bool any = game->LiftFromList(game->AllPieces(), c.filter);
    std::vector<int> taken;
    for (const TFormPiece* piece : game->FSelection) taken.push_back(piece->Index);
    EXPECT_EQ(taken, c.taken) << "filter " << c.filter;
    EXPECT_EQ(any, !c.taken.empty());
    game->CancelLift();
  }
}

TEST_F(MoveTest, HitSelectionFindsTheFrontPieceUnderThePoint) {
  game->LiftFromList({&P(5), &P(6)}, kLiftEvery);
  const Rect r = P(6).BoardRect();
  const Point centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  ASSERT_TRUE(game->IsOpaqueAt(P(6), centre.X, centre.Y));
  EXPECT_EQ(game->HitSelection(centre.X, centre.Y), &P(6));
  EXPECT_EQ(game->HitSelection(799, 599), nullptr);
}

// Where two pieces overlap, a press takes the piece the player sees at that pixel:
// not the front piece where only a sliver of its edge covers the pixel (the piece
// behind shows there), and the front piece where its wood edge hangs over the other.
TEST_F(MoveTest, PressTakesThePieceSeenAtThePixel) {
  for (const int style : {0, 3, kOutlineWood}) {
    SCOPED_TRACE(style);
    Build(style);
    game->SetSmooth(false);  // every pixel then shows one piece or the board alone
    TFormPiece& back = P(5);
    TFormPiece& front = P(6);
    // Plain colours that no brightness change or wood makes equal.
    for (TFormPiece* piece : {&back, &front}) {
      const uint8_t grey = piece == &back ? 40 : 200;
      for (int y = 0; y < piece->Height; ++y)
        for (int x = 0; x < piece->Width; ++x)
          if (game->MaskAtlas.PixelAt(piece->AtlasX + x, piece->AtlasY + y) != kWhite) {
            const Point p = PictureWalkOf(*piece).At(x, y);
            game->Picture.SetPixel(p.X, p.Y, MakeColour(grey, grey, grey));
          }
    }
    game->FMural.SetColour(MakeColour(0, 160, 0));
    game->FMural.Render(false);
    front.X = back.X + back.Width / 3;
    front.Y = back.Y + back.Height / 4;
    game->RenumberGroups({&front});
    Recompose();

    const Bitmap board = FreshBoard();
    const auto without = [&](TFormPiece& piece) {
      piece.Hidden = true;
      Bitmap shown = FreshBoard();
      piece.Hidden = false;
      return shown;
    };
    const Bitmap withoutFront = without(front), withoutBack = without(back);
    Rect area = Union(back.BoardRect(), front.BoardRect());
    area.Bottom += game->Thickness;
    int overlapping = 0, wrong = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
      for (int x = area.Left; x < area.Right; ++x) {
        const Colour pixel = board.PixelAt(x, y);
        const bool boardSeen = pixel == game->FMural.Board().PixelAt(x, y);
        const TFormPiece* seen = withoutFront.PixelAt(x, y) != pixel  ? &front
                                 : withoutBack.PixelAt(x, y) != pixel ? &back
                                                                       : nullptr;
        // Two wood edges of one texture may show the same colour: which one is seen
        // is not told by hiding a piece.
        if (seen == nullptr && !boardSeen) continue;
        // The front piece seen with the back piece under it.
        if (seen == &front && withoutFront.PixelAt(x, y) != game->FMural.Board().PixelAt(x, y)) ++overlapping;
        if (game->BoardTray().PieceAt(x, y, true) != seen) {
          if (wrong++ < 5) ADD_FAILURE() << "at " << x << "," << y << " a press takes another piece than the one seen";
        }
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(overlapping, 1000);
  }
}

TEST_F(MoveTest, DraggedTrayTakesItsPiecesAlong) {
  TBox& tray = game->NewTray(game->BoardBitmap);
  game->RepaintRect(tray.BoxRect());
  const Rect inner = tray.InnerRect();
  game->LiftPiece(P(5));
  DragBy(inner.Left + 10 - P(5).X, inner.Top + 10 - P(5).Y);
  game->DropSelection(&tray, false);
  ASSERT_EQ(P(5).Tray, tray.Number());
  const Point piece{P(5).X, P(5).Y};
  const Point corner{tray.FLeft, tray.FTop};

  game->LiftTray(tray);
  EXPECT_TRUE(tray.FDragging);
  const Point grab{tray.FLeft + 50, tray.FTop + 10};
  game->FollowPointer(grab.X, grab.Y, DragState::Tray);
  game->FollowPointer(grab.X + 200, grab.Y + 150, DragState::Tray);
  game->FollowPointer(grab.X + 300, grab.Y + 180, DragState::Tray);
  game->DropTray(tray);

  EXPECT_FALSE(tray.FDragging);
  EXPECT_EQ(Point(tray.FLeft, tray.FTop), Point(corner.X + 300, corner.Y + 180));
  EXPECT_EQ(Point(P(5).X, P(5).Y), Point(piece.X + 300, piece.Y + 180));
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

TEST_F(MoveTest, DraggedTrayKeepsItsTitleOnTheBoard) {
  TBox& tray = game->NewTray(game->BoardBitmap);
  game->LiftTray(tray);
  const Point grab{tray.FLeft + 50, tray.FTop + 10};
  game->FollowPointer(grab.X, grab.Y, DragState::Tray);
  game->FollowPointer(grab.X - 2000, grab.Y - 2000, DragState::Tray);
  game->DropTray(tray);
  EXPECT_EQ(tray.FLeft + tray.FWidth, kTrayKeepVisible);
  EXPECT_EQ(tray.FTop, 0);
}

TEST_F(MoveTest, MovingTheGhostTakesTheSolvedPiecesAlong) {
  game->Config().Ghost = true;
  const Rect ghost = game->FMural.GhostRect();
  TFormPiece& piece = P(5);
  piece.X = ghost.Left + piece.HomeX;
  piece.Y = ghost.Top + piece.HomeY;
  piece.Placed = true;
  game->UpdateAtHome();
  ASSERT_TRUE(piece.AtHome);
  Recompose();

  game->LiftGhost();
  EXPECT_EQ(game->FSelection, TPieceList{&piece});
  const Point grab{ghost.Left + 20, ghost.Top + 20};
  game->FollowPointer(grab.X, grab.Y, DragState::Ghost);
  game->FollowPointer(grab.X + 40, grab.Y - 30, DragState::Ghost);
  game->DropGhost();

  EXPECT_EQ(game->FMural.GhostRect(), ghost.Offset(40, -30));
  EXPECT_EQ(Point(piece.X, piece.Y), Point(ghost.Left + 40 + piece.HomeX, ghost.Top - 30 + piece.HomeY));
  EXPECT_FALSE(piece.Hidden);
  EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0);
}

}  // namespace
}  // namespace quill
