// The arranging commands (grid, edge, disarrange) on the board and in trays, and the
// piece pop-up's commands (turn, send to back, unlock), on a small puzzle being played.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "play_fixture.h"

namespace quill {
namespace {

using testing::DifferingPixels;

using testing::PointText;

// ---- Places of the grid ----

TEST(GridPlacesTest, PitchShrinksUntilTheRowsHoldEveryPiece) {
  const struct {
    int32_t count;
    Rect area;
    int32_t cellWidth;
    int32_t pitch;
    int32_t columns;
  } cases[] = {
      {20, {0, 0, 400, 300}, 50, 55, 7},    // 7 × 5 slots at the first pitch
      {40, {0, 0, 400, 300}, 50, 48, 8},    // 35 slots down to pitch 49, 8 × 5 at 48
      {12, {100, 50, 500, 350}, 50, 55, 7},  // the area's corner counts
      {3, {0, 0, 11, 15}, 50, 1, 1},        // no row fits at any pitch: one column at pitch 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " pieces, cell " << c.cellWidth);
    const std::vector<Point> places = TJigsaw::GridPlaces(c.count, c.area, c.cellWidth);
    ASSERT_EQ(places.size(), static_cast<size_t>(c.count));
    for (int32_t k = 0; k < c.count; ++k)
      EXPECT_EQ(places[k], (Point{c.area.Left + 5 + c.pitch * (k % c.columns), c.area.Top + 5 + c.pitch * (k / c.columns)}))
          << "piece " << k;
  }
}

TEST(GridPlacesTest, TheWorkedExampleFillsRowsOfSevenFromTheCorner) {
  const std::vector<Point> places = TJigsaw::GridPlaces(20, {0, 0, 400, 300}, 50);
  ASSERT_EQ(places.size(), 20u);
  EXPECT_EQ(places[0], (Point{5, 5}));
  EXPECT_EQ(places[6], (Point{335, 5}));
  EXPECT_EQ(places[7], (Point{5, 60}));
  EXPECT_EQ(places[19], (Point{280, 115}));
}

TEST(GridPlacesTest, AnAreaTooNarrowForOneColumnGetsNoPlaces) {
  EXPECT_TRUE(TJigsaw::GridPlaces(4, {0, 0, 10, 300}, 50).empty());
  EXPECT_TRUE(TJigsaw::GridPlaces(4, {0, 0, -20, 300}, 50).empty());
}

// ---- Places of the edge arrangement ----

// Cell 40 in a 400 × 300 area (right − left + 1): pitch 50 gives 8 × 6 slots, 52
// pixels apart both ways ((400 − 30 − 5) div 7, (300 − 30 − 10) div 5).
constexpr Rect kEdgeArea{0, 0, 399, 299};
constexpr int32_t kEdgeCell = 40;
constexpr int32_t kEdgeStep = 52;

Point EdgeSlot(int32_t x, int32_t y) { return {5 + kEdgeStep * x, 5 + kEdgeStep * y}; }

// The first lap: right along the top row, down the right column, left along the
// bottom row and up the left column, each corner taken once.
std::vector<Point> FirstLap() {
  std::vector<Point> lap;
  for (int32_t x = 0; x < 8; ++x) lap.push_back(EdgeSlot(x, 0));
  for (int32_t y = 1; y < 6; ++y) lap.push_back(EdgeSlot(7, y));
  for (int32_t x = 6; x >= 0; --x) lap.push_back(EdgeSlot(x, 5));
  for (int32_t y = 4; y >= 1; --y) lap.push_back(EdgeSlot(0, y));
  return lap;
}

TEST(EdgePlacesTest, OneRingRoundAPictureTakesTheOuterSlotsOnly) {
  // A 200 × 100 picture leaves one slot row above and below, one column each side:
  // the 24 slots of the ring hold 24 pieces.
  EXPECT_EQ(TJigsaw::EdgePlaces(24, kEdgeArea, kEdgeCell, 200, 100), FirstLap());
}

TEST(EdgePlacesTest, TheSecondLapFillsTheInnerColumnsBesideTheMiddle) {
  // A 100 × 60 picture leaves two columns each side and one row above and below:
  // the second lap crosses the full top side and runs down and up the inner columns.
  std::vector<Point> expected = FirstLap();
  for (int32_t y = 1; y <= 4; ++y) expected.push_back(EdgeSlot(6, y));
  for (int32_t y = 4; y >= 1; --y) expected.push_back(EdgeSlot(1, y));
  const std::vector<Point> places = TJigsaw::EdgePlaces(32, kEdgeArea, kEdgeCell, 100, 60);
  EXPECT_EQ(places, expected);

  // The middle, slots (2..5, 1..4), stays free.
  const Point middleFirst = EdgeSlot(2, 1), middleLast = EdgeSlot(5, 4);
  for (const Point& p : places)
    EXPECT_FALSE(p.X >= middleFirst.X && p.X <= middleLast.X && p.Y >= middleFirst.Y && p.Y <= middleLast.Y)
        << p.X << "," << p.Y;
}

TEST(EdgePlacesTest, OnePieceMoreThanTheRingHoldsMakesThePitchSmaller) {
  // Pitches 50 to 45 give 24 slots; 44 gives 9 columns and 26 slots, 45 pixels apart.
  const std::vector<Point> places = TJigsaw::EdgePlaces(25, kEdgeArea, kEdgeCell, 200, 100);
  ASSERT_EQ(places.size(), 25u);
  EXPECT_EQ(places[8], (Point{365, 5}));
  EXPECT_EQ(places[9], (Point{365, 57}));
}

TEST(EdgePlacesTest, MorePiecesThanAnyPitchHoldsStillGetPlaces) {
  EXPECT_EQ(TJigsaw::EdgePlaces(500, {0, 0, 60, 40}, 8, 40, 30).size(), 500u);
  EXPECT_EQ(TJigsaw::EdgePlaces(3, {0, 0, 0, 0}, 0, 0, 0).size(), 3u);
}

// ---- The commands in a game ----

class ArrangementCommandsTest : public testing::PlayFixture {
 protected:
  void StartSpread(testing::PuzzleSetup setup = {}) {
    Start(setup);
    SpreadOut();
  }

  // A new tray 300 × 200 with its top-left at `at`, holding the pieces spread out
  // inside it; it becomes the current tray.
  TBox& TrayWith(Point at, std::initializer_list<int> pieces) {
    game->AddTray();
    TBox& tray = game->TrayNo(game->TrayListCount() - 1);
    game->MoveTray(tray, at.X - tray.FLeft, at.Y - tray.FTop);
    tray.FWidth = 300;
    tray.FHeight = 200;
    TPieceList list;
    for (int i : pieces) list.push_back(&P(i));
    game->MovePiecesToTray(list, tray);
    const Rect inner = tray.InnerRect();
    int32_t x = inner.Left;
    for (TFormPiece* piece : list) {
      piece->X = x;
      piece->Y = inner.Top;
      x += 40;
    }
    TPieces::SortPieces(tray.FPieces, kSortByGroup);
    game->SetCurrentTray(&tray);
    Recompose();
    return tray;
  }

  std::map<int, Point> Places() {
    std::map<int, Point> places;
    for (TFormPiece* piece : game->AllPieces()) places[piece->Index] = At(*piece);
    return places;
  }

  // The loose pieces of the list in the order of the places they took; fails for a
  // place without exactly one piece.
  static TPieceList InPlaceOrder(const TPieceList& pieces, const std::vector<Point>& places) {
    TPieceList ordered;
    for (const Point& p : places) {
      TFormPiece* found = nullptr;
      int count = 0;
      for (TFormPiece* piece : pieces)
        if (!piece->IsFixed() && At(*piece) == p) {
          found = piece;
          ++count;
        }
      EXPECT_EQ(count, 1) << "at " << p.X << "," << p.Y;
      ordered.push_back(found);
    }
    return ordered;
  }

  bool SortedByGroup(const TBox& tray) {
    return std::is_sorted(tray.FPieces.begin(), tray.FPieces.end(), [](const TFormPiece* a, const TFormPiece* b) {
      return std::tie(a->Group, a->Index) < std::tie(b->Group, b->Index);
    });
  }

  // Runs `command` while the piece pop-up is open for the piece at `at`.
  void FromPiecePopup(Point at, const std::function<void()>& command) {
    host.popups.clear();
    host.whilePopupShown = [&](const std::string& menu) {
      if (menu == "PopupPiece") command();
    };
    Run("press " + PointText(at) + " right\nrelease " + PointText(at) + " right\n");
    host.whilePopupShown = nullptr;
    EXPECT_EQ(host.popups, std::vector<std::string>{"PopupPiece"});
  }

  void ExpectNoTrails() { EXPECT_EQ(DifferingPixels(game->BoardBitmap, FreshBoard()), 0) << "no trails"; }
};

using PieceOrder = std::function<bool(const TFormPiece&, const TFormPiece&)>;

TEST_F(ArrangementCommandsTest, GridOnTheBoardLaysLoosePiecesInRowsInTheTickedOrder) {
  const struct {
    bool byShape, byColour;
    PieceOrder inOrder;
  } cases[] = {
      {false, false, [](const TFormPiece& a, const TFormPiece& b) { return a.SortKey <= b.SortKey; }},
      {true, false,
       [](const TFormPiece& a, const TFormPiece& b) {
         return std::tie(a.ShapeClass, a.TabCode) <= std::tie(b.ShapeClass, b.TabCode);
       }},
      {false, true, [](const TFormPiece& a, const TFormPiece& b) { return a.Colour <= b.Colour; }},
      {true, true,
       [](const TFormPiece& a, const TFormPiece& b) {
         return std::tie(a.ShapeClass, a.TabCode, a.Colour) <= std::tie(b.ShapeClass, b.TabCode, b.Colour);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "by shape " << c.byShape << ", by colour " << c.byColour);
    StartSpread();
    FormGroup(0, {1});
    P(5).Placed = true;
    const std::map<int, Point> before = Places();

    game->GridLayout("ArrangeInGrid", c.byShape, c.byColour);

    for (int fixed : {0, 1, 5}) EXPECT_EQ(At(P(fixed)), before.at(fixed)) << "piece " << fixed << " stays";
    const TBox& board = game->BoardTray();
    const std::vector<Point> places = TJigsaw::GridPlaces(9, board.InnerRect(), PuzzleRecord.CellWidth);
    const TPieceList ordered = InPlaceOrder(board.FPieces, places);
    for (size_t k = 1; k < ordered.size(); ++k)
      if (ordered[k - 1] && ordered[k]) {
        EXPECT_TRUE(c.inOrder(*ordered[k - 1], *ordered[k])) << "place " << k;
      }
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoArrange});
    EXPECT_TRUE(SortedByGroup(board));
    ExpectNoTrails();
  }
}

TEST_F(ArrangementCommandsTest, EdgeOnTheBoardTakesTheRingPlacesOfTheLoosePieces) {
  StartSpread();
  FormGroup(4, {5});
  game->EdgeLayout("SpeedEdge", false, false);
  const std::vector<Point> places = TJigsaw::EdgePlaces(10, game->BoardTray().InnerRect(), PuzzleRecord.CellWidth,
                                                        PuzzleRecord.ScaledWidth, PuzzleRecord.ScaledHeight);
  const TPieceList ordered = InPlaceOrder(game->BoardTray().FPieces, places);
  for (size_t k = 1; k < ordered.size(); ++k)
    if (ordered[k - 1] && ordered[k]) {
      EXPECT_LE(ordered[k - 1]->SortKey, ordered[k]->SortKey);
    }
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoArrange});
  ExpectNoTrails();
}

// The tray pop-up's own items arrange the current tray; the same commands from the
// menus or tool buttons arrange the board, which becomes the current tray.
TEST_F(ArrangementCommandsTest, TrayItemsArrangeTheCurrentTrayOthersTheBoard) {
  using Command = void (TJigsaw::*)(const std::string&, bool, bool);
  const struct {
    const char* item;
    Command command;
    bool inTray;
  } cases[] = {
      {"ArrangeInGridT", &TJigsaw::GridLayout, true},
      {"ArrangeAtEdgeT", &TJigsaw::EdgeLayout, true},
      {"ArrangeInGrid2", &TJigsaw::GridLayout, false},
      {"ArrangeAtEdge", &TJigsaw::EdgeLayout, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    StartSpread();
    TBox& tray = TrayWith({300, 250}, {2, 3, 6});
    const std::map<int, Point> before = Places();

    (game.get()->*c.command)(c.item, false, false);

    const bool grid = c.command == &TJigsaw::GridLayout;
    TBox& arranged = c.inTray ? tray : game->BoardTray();
    const Rect area = arranged.InnerRect();
    const int32_t count = arranged.PieceCount();
    const std::vector<Point> places =
        grid ? TJigsaw::GridPlaces(count, area, PuzzleRecord.CellWidth)
             : TJigsaw::EdgePlaces(count, area, PuzzleRecord.CellWidth, PuzzleRecord.ScaledWidth,
                                   PuzzleRecord.ScaledHeight);
    for (const TFormPiece* piece : InPlaceOrder(arranged.FPieces, places)) EXPECT_NE(piece, nullptr);
    const TBox& untouched = c.inTray ? game->BoardTray() : tray;
    for (const TFormPiece* piece : untouched.FPieces) EXPECT_EQ(At(*piece), before.at(piece->Index));
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{c.inTray ? kUndoArrangeTray : kUndoArrange});
    EXPECT_EQ(game->CurrentTray(), &arranged);
    ExpectNoTrails();
  }
}

TEST_F(ArrangementCommandsTest, AnEmptyTrayIsLeftAloneWithoutAnUndoStep) {
  StartSpread();
  TBox& tray = TrayWith({300, 250}, {});
  game->GridLayout("ArrangeInGridT", true, false);
  game->EdgeLayout("ArrangeAtEdgeT", false, true);
  game->DisarrangePieces("DisarrangeTray", false);
  EXPECT_TRUE(game->undoKinds.empty());
  EXPECT_EQ(game->CurrentTray(), &tray);
}

TEST_F(ArrangementCommandsTest, ATrayOfFixedPiecesMovesNothingButRecordsAndSorts) {
  StartSpread();
  for (TFormPiece* piece : game->AllPieces()) piece->Placed = true;
  std::reverse(game->BoardTray().FPieces.begin(), game->BoardTray().FPieces.end());
  const std::map<int, Point> before = Places();
  game->GridLayout("ArrangeInGrid", false, false);
  game->EdgeLayout("ArrangeAtEdge", false, false);
  EXPECT_EQ(Places(), before);
  EXPECT_EQ(game->undoKinds, (std::vector<int32_t>{kUndoArrange, kUndoArrange}));
  EXPECT_TRUE(SortedByGroup(game->BoardTray()));
}

// A lifted band selection is put back before the pieces are laid out.
TEST_F(ArrangementCommandsTest, AWaitingSelectionIsPutBackFirst) {
  StartSpread();
  ASSERT_TRUE(game->LiftFromList({&P(3), &P(7)}, kLiftEvery));
  game->FDragState = DragState::BandSelected;
  game->GridLayout("SpeedGrid", false, false);
  EXPECT_TRUE(game->FSelection.empty());
  EXPECT_EQ(game->FDragState, DragState::Idle);
  EXPECT_FALSE(P(3).Hidden);
  EXPECT_FALSE(P(7).Hidden);
  ExpectNoTrails();
}

// ---- Disarrange ----

TEST_F(ArrangementCommandsTest, DisarrangeScattersSinglePiecesAndNeverMovesAGroup) {
  StartSpread();
  FormGroup(0, {1});
  const std::map<int, Point> before = Places();
  const int32_t group = P(0).Group;
  game->DisarrangePieces("Disarrange", false);

  EXPECT_EQ(At(P(0)), before.at(0));
  EXPECT_EQ(At(P(1)), before.at(1));
  EXPECT_EQ(P(1).Group, group);
  int moved = 0;
  const Rect board = game->BoardBounds();
  for (TFormPiece* piece : game->AllPieces()) {
    EXPECT_EQ(piece->Rotation, 0) << "rotation is off";
    if (piece->Joined) continue;
    moved += At(*piece) == before.at(piece->Index) ? 0 : 1;
    EXPECT_FALSE(Intersection(piece->BoardRect(), board).IsEmpty()) << "piece " << piece->Index << " on the board";
  }
  EXPECT_EQ(moved, 10);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDisarrange});
  EXPECT_TRUE(SortedByGroup(game->BoardTray()));
  ExpectNoTrails();
}

TEST_F(ArrangementCommandsTest, DisarrangeTrayScattersInsideTheTray) {
  StartSpread();
  TBox& tray = TrayWith({300, 250}, {2, 3, 6});
  const std::map<int, Point> before = Places();
  game->DisarrangePieces("DisarrangeTray", false);
  const Rect inner = tray.InnerRect();
  for (const TFormPiece* piece : tray.FPieces)
    EXPECT_FALSE(Intersection(piece->BoardRect(), inner).IsEmpty()) << "piece " << piece->Index;
  for (const TFormPiece* piece : game->BoardTray().FPieces) EXPECT_EQ(At(*piece), before.at(piece->Index));
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDisarrangeTray});
  ExpectNoTrails();
}

// With rotation on and the places kept (switching rotation on), single pieces turn
// where they lie; joined pieces keep their turn.
TEST_F(ArrangementCommandsTest, DisarrangeKeepingPlacesTurnsSinglePiecesInPlace) {
  StartSpread();
  FormGroup(0, {1});
  game->Config().Rotating = true;
  std::map<int, std::pair<uint16_t, uint16_t>> sizes;
  for (TFormPiece* piece : game->AllPieces()) sizes[piece->Index] = {piece->Width, piece->Height};
  const std::map<int, Point> before = Places();

  game->DisarrangePieces("Disarrange", true);

  EXPECT_EQ(Places(), before);
  EXPECT_EQ(P(0).Rotation, 0);
  EXPECT_EQ(P(1).Rotation, 0);
  int turned = 0;
  for (TFormPiece* piece : game->AllPieces()) {
    EXPECT_EQ(piece->PendingTurns, 0);
    turned += piece->Rotation != 0 ? 1 : 0;
    const auto [width, height] = sizes.at(piece->Index);
    if (piece->Rotation % 2 == 1) {
      EXPECT_EQ(std::pair(piece->Height, piece->Width), std::pair(width, height));
    }
  }
  EXPECT_GT(turned, 0);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDisarrange});
  ExpectNoTrails();
}

// ---- The piece pop-up ----

TEST_F(ArrangementCommandsTest, RotateTurnsThePieceWithItsGroup) {
  const struct {
    int quarterTurns;
    const char* name;
  } cases[] = {{1, "Rotate Right"}, {3, "Rotate Left"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartSpread();
    FormGroup(5, {6});
    FromPiecePopup(OnPiece(P(5)), [&] { game->RotatePiece(c.quarterTurns); });

    EXPECT_EQ(P(5).Rotation, c.quarterTurns);
    EXPECT_EQ(P(6).Rotation, c.quarterTurns);
    EXPECT_EQ(P(6).Group, P(5).Group);
    EXPECT_EQ(At(P(6)), TPieces::FitPosition(P(6), P(5))) << "the group turned as one";
    EXPECT_EQ(P(7).Rotation, 0);
    EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoTurn});
    EXPECT_TRUE(game->FSelection.empty());
    ExpectNoTrails();
  }
}

TEST_F(ArrangementCommandsTest, RotateACarriedSelectionRecordsNoStep) {
  StartSpread();
  const Point grab = OnPiece(P(5));
  const Point away{grab.X + 30, grab.Y + 20};
  host.pointer = away;
  Run("press " + PointText(grab) + " middle\nmove " + PointText(away) + "\nrelease " + PointText(away) + " middle\n");
  ASSERT_TRUE(game->FCarrying);
  game->RotatePiece(1);
  EXPECT_EQ(P(5).Rotation, 1);
  EXPECT_TRUE(game->FCarrying);
  EXPECT_EQ(game->undoKinds, std::vector<int32_t>{kUndoDrag});
  Run("press " + PointText(away) + "\nrelease " + PointText(away) + "\n");
  EXPECT_FALSE(game->FCarrying);
  ExpectNoTrails();
}

TEST_F(ArrangementCommandsTest, SendToBackPutsTheGroupBehindEveryOtherPiece) {
  StartSpread();
  FormGroup(6, {7});
  // Piece 6's group lies over piece 5.
  TPieces::OffsetList({&P(6), &P(7)}, P(5).X + 12 - P(6).X, P(5).Y + 10 - P(6).Y);
  Recompose();
  const Point press = OnPiece(P(6));
  ASSERT_EQ(game->BoardTray().PieceAt(press.X, press.Y, true), &P(6));
  const Point at6 = At(P(6)), at7 = At(P(7));

  FromPiecePopup(press, [&] { game->SendPieceToBack(); });

  EXPECT_EQ(P(7).Group, P(6).Group);
  for (TFormPiece* piece : game->AllPieces())
    if (piece->Group != P(6).Group) {
      EXPECT_GT(piece->Group, P(6).Group) << "piece " << piece->Index;
    }
  EXPECT_EQ(game->BoardTray().FPieces.front()->Group, P(6).Group);
  EXPECT_EQ(At(P(6)), at6);
  EXPECT_EQ(At(P(7)), at7);
  if (game->IsOpaqueAt(P(5), press.X, press.Y)) {
    EXPECT_EQ(game->BoardTray().PieceAt(press.X, press.Y, true), &P(5)) << "piece 5 now in front";
  }
  EXPECT_TRUE(game->undoKinds.empty());
  ExpectNoTrails();
}

TEST_F(ArrangementCommandsTest, UnlockDetachesThePieceFromItsGroup) {
  StartSpread();
  FormGroup(4, {5, 6});
  const int32_t joined = PuzzleRecord.JoinedCount;
  const std::map<int, Point> before = Places();

  FromPiecePopup(OnPiece(P(5)), [&] { game->UnlockPiece(); });

  EXPECT_FALSE(P(5).Joined);
  EXPECT_NE(P(5).Group, P(4).Group);
  EXPECT_EQ(P(4).Group, P(6).Group);
  EXPECT_EQ(P(5).JoinedSides, 0);
  EXPECT_EQ(P(4).JoinedSides & (1 << kRight), 0);
  EXPECT_EQ(PuzzleRecord.JoinedCount, joined - 1);
  EXPECT_EQ(Places(), before);
  EXPECT_EQ(game->BoardTray().FPieces.back(), &P(5)) << "the unlocked piece comes to the front";
  EXPECT_TRUE(SortedByGroup(game->BoardTray()));
  ExpectNoTrails();
}

}  // namespace
}  // namespace quill
