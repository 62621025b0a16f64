// Trays: numbering and placing new trays, resizing and holding them on the board,
// opening and minimising, the tray bar and its buttons, the Trays menu, moving pieces
// between trays, finding trays and drawing their frames.
#include "board/boxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/records.h"
#include "fake_host.h"

namespace quill {
namespace {

// The headless host, remembering what the trays ask of the screen.
class TrayHost : public testing::FakeHost {
 public:
  void InvalidateBoard(const Rect& rect, bool now) override { (now ? shown : invalidated).push_back(rect); }
  void DrawText(Bitmap&, const Rect& clip, int x, int y, const std::string& text, const FontState& font,
                Colour background) override {
    texts.push_back({clip, x, y, text, font.Height, background});
  }
  ChoiceAnswer AskYesNoCancelAll(const std::string& question) override {
    questions.push_back(question);
    const ChoiceAnswer answer = answers.empty() ? ChoiceAnswer::No : answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return answer;
  }

  struct Text {
    Rect clip;
    int x, y;
    std::string text;
    int16_t height;
    Colour background;
  };
  std::vector<Rect> invalidated, shown;
  std::vector<Text> texts;
  std::vector<ChoiceAnswer> answers;
};

// A tray layer on an 800 × 600 board with a 3 × 2 puzzle of 100-pixel pieces, all on
// the board tray; the bar is horizontal and 596 pixels wide (10 buttons).
class Trays : public ::testing::Test {
 protected:
  Trays() : savedPuzzle_(PuzzleRecord), savedBoard_(BoardRecord) {
    PuzzleRecord = TPuzzleRecord{};
    BoardRecord = TBoardRecord{};
    boxes = std::make_unique<TBoxes>(host, host.MainForm());
    boxes->Config().BoardWidth = 800;
    boxes->Config().BoardHeight = 600;
    boxes->Config().SetSoundOutput([this](int effect, bool) { sounds.push_back(effect); });
    boxes->ZoomWait = [this](int) { ++zoomFrames; };
    PuzzleRecord.Columns = 3;
    PuzzleRecord.Rows = 2;
    PuzzleRecord.PieceCount = 6;
    PuzzleRecord.CellWidth = PuzzleRecord.CellHeight = 100;
    PuzzleRecord.PictureWidth = PuzzleRecord.ScaledWidth = 300;
    PuzzleRecord.PictureHeight = PuzzleRecord.ScaledHeight = 200;
    boxes->CreatePieceList();
    for (TFormPiece* piece : boxes->AllPieces()) {
      piece->SetHome(piece->Index % 3 * 100, piece->Index / 3 * 100, 100, 100);
      piece->X = piece->HomeX;
      piece->Y = piece->HomeY;
      piece->Group = piece->Index;
    }
    boxes->CreateTrays();
  }
  ~Trays() override {
    boxes.reset();
    PuzzleRecord = savedPuzzle_;
    BoardRecord = savedBoard_;
  }

  TBox& NewTray() { return boxes->NewTray(board); }
  void NewTrays(int count) {
    for (int i = 0; i < count; ++i) NewTray();
  }
  std::vector<int32_t> ListNumbers() const {
    std::vector<int32_t> numbers;
    for (int i = 0; i < boxes->TrayListCount(); ++i) numbers.push_back(boxes->TrayNo(i).Number());
    return numbers;
  }
  const ComponentState& Button(int number) { return host.MainForm().Get("TrayButton" + std::to_string(number)); }
  TPieceList Pieces(std::initializer_list<int> indexes) const {
    TPieceList list;
    for (int i : indexes) list.push_back(&boxes->Piece(i));
    return list;
  }

  TrayHost host;
  std::unique_ptr<TBoxes> boxes;
  Bitmap board{800, 600};
  std::vector<int> sounds;
  int zoomFrames = 0;

 private:
  TPuzzleRecord savedPuzzle_;
  TBoardRecord savedBoard_;
};

TEST_F(Trays, TheBoardTrayHoldsEveryPieceInIndexOrder) {
  ASSERT_EQ(boxes->TrayListCount(), 1);
  const TBox& tray = boxes->BoardTray();
  EXPECT_TRUE(tray.IsBoard());
  EXPECT_EQ(tray.BoxRect(), (Rect{0, 0, 800, 600}));
  EXPECT_EQ(tray.InnerRect(), tray.BoxRect());
  EXPECT_EQ(tray.FPieces, boxes->AllPieces());
  EXPECT_FALSE(host.MainForm().Has("TrayButton0"));
}

TEST_F(Trays, NewTrayTakesTheLowestFreeNumber) {
  struct Case {
    const char* what;
    int made;
    std::vector<int> deleted;
    int expected;
  };
  const Case cases[] = {
      {"trays 1, 2 and 4", 4, {3}, 3},
      {"trays 1 to 3", 3, {}, 4},
      {"tray 1 of 1 to 3 deleted", 3, {1}, 1},
      {"none", 0, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes->CreateTrays();
    NewTrays(c.made);
    for (int number : c.deleted) boxes->DeleteTray(boxes->TrayByNumber(number));
    TBox& tray = NewTray();
    EXPECT_EQ(tray.Number(), c.expected);
    EXPECT_EQ(&boxes->TrayNo(boxes->TrayListCount() - 1), &tray) << "a new tray is in front";
    EXPECT_TRUE(Button(c.expected).Down);
  }
}

TEST_F(Trays, NewTraysCascadeAndWrapOnTheBoard) {
  std::vector<Point> places;
  for (int k = 1; k <= 39; ++k) {
    const TBox& tray = NewTray();
    places.push_back({tray.FLeft, tray.FTop});
    EXPECT_EQ(tray.FWidth, kNewTrayWidth);
    EXPECT_EQ(tray.FHeight, kNewTrayHeight);
  }
  EXPECT_EQ(places[0], (Point{20, 20}));
  EXPECT_EQ(places[1], (Point{40, 40}));
  EXPECT_EQ(places[28], (Point{580, 12}));
  EXPECT_EQ(places[38], (Point{12, 212}));
  EXPECT_EQ(sounds, std::vector<int>(39, 4));
}

TEST_F(Trays, TraysAreNumberedAndRankedInCreationOrder) {
  NewTrays(3);
  EXPECT_EQ(ListNumbers(), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(boxes->BoardTray().FZOrder, 0);
  EXPECT_LT(boxes->TrayNo(1).FZOrder, boxes->TrayNo(2).FZOrder);
  EXPECT_LT(boxes->TrayNo(2).FZOrder, boxes->TrayNo(3).FZOrder);

  const int32_t stamp = BoardRecord.TrayStamp;
  boxes->TrayToBack(boxes->TrayByNumber(3));
  EXPECT_EQ(ListNumbers(), (std::vector<int32_t>{0, 3, 1, 2}));
  EXPECT_EQ(boxes->TrayByNumber(3).FZOrder, 1);
  EXPECT_EQ(BoardRecord.TrayStamp, stamp + 1);
  ASSERT_FALSE(host.invalidated.empty());
  EXPECT_EQ(host.invalidated.back(), boxes->TrayByNumber(3).BoxRect());
}

TEST_F(Trays, GeometryOfATray) {
  TBox& tray = NewTray();  // at (20, 20), 200 × 150
  EXPECT_EQ(tray.BoxRect(), (Rect{20, 20, 220, 170}));
  EXPECT_EQ(tray.InnerRect(), (Rect{28, 44, 212, 162}));
  EXPECT_EQ(tray.MinimiseRect(), (Rect{197, 24, 213, 40}));
  EXPECT_TRUE(tray.OnMinimise(197, 24));
  EXPECT_FALSE(tray.OnMinimise(213, 24));
}

TEST_F(Trays, BorderZonesGiveSizeCursors) {
  TBox& tray = NewTray();  // (20, 20) to (220, 170)
  struct Case {
    int dx, dy;
    CursorShape cursor;
  };
  const Case cases[] = {
      {-1, 50, CursorShape::Default},          {100, 50, CursorShape::Default},
      {100, 4, CursorShape::SizeVertical},     {100, 5, CursorShape::Default},
      {100, 143, CursorShape::SizeVertical},   {100, 142, CursorShape::Default},
      {7, 50, CursorShape::SizeHorizontal},    {8, 50, CursorShape::Default},
      {193, 50, CursorShape::SizeHorizontal},  {192, 50, CursorShape::Default},
      {0, 0, CursorShape::SizeNorthWestSouthEast}, {199, 149, CursorShape::SizeNorthWestSouthEast},
      {199, 0, CursorShape::SizeNorthEastSouthWest}, {0, 149, CursorShape::SizeNorthEastSouthWest},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
    EXPECT_EQ(tray.BorderCursor(20 + c.dx, 20 + c.dy), c.cursor);
  }
}

// The tray spans (20, 20) to (220, 170). A press on a border, a move to (x, y): the
// band runs from the anchor to the moving corner.
TEST_F(Trays, ResizingKeepsTheMinimumSizeAndTheCursorsAxis) {
  struct Case {
    const char* what;
    CursorShape cursor;
    Point press, pointer;
    Point anchor, corner;
  };
  const Case cases[] = {
      {"bottom-right grows", CursorShape::SizeNorthWestSouthEast, {218, 168}, {318, 268}, {20, 20}, {320, 270}},
      {"bottom-right stops at 100 × 75", CursorShape::SizeNorthWestSouthEast, {218, 168}, {30, 30}, {20, 20},
       {120, 95}},
      {"top-left stops at 100 × 75", CursorShape::SizeNorthWestSouthEast, {22, 22}, {400, 400}, {220, 170},
       {120, 95}},
      {"top-left grows", CursorShape::SizeNorthWestSouthEast, {22, 22}, {2, 12}, {220, 170}, {0, 10}},
      {"right edge: only the width", CursorShape::SizeHorizontal, {216, 90}, {300, 400}, {20, 20}, {304, 170}},
      {"left edge: only the width", CursorShape::SizeHorizontal, {23, 90}, {200, 5}, {220, 20}, {120, 170}},
      {"bottom edge: only the height", CursorShape::SizeVertical, {50, 166}, {500, 100}, {20, 20}, {220, 104}},
      {"top edge: only the height", CursorShape::SizeVertical, {150, 22}, {0, 0}, {20, 170}, {220, -2}},
  };
  TBox& tray = NewTray();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int32_t x = c.press.X, y = c.press.Y;
    tray.StartResize(x, y, c.cursor);
    EXPECT_EQ((Point{x, y}), c.anchor);
    x = c.pointer.X;
    y = c.pointer.Y;
    tray.ResizeCorner(x, y, c.cursor);
    EXPECT_EQ((Point{x, y}), c.corner);
  }
}

TEST_F(Trays, HoldOnBoardKeepsAStripOfTheTrayOnTheBoard) {
  const Rect bounds{0, 0, 800, 600};
  struct Case {
    const char* what;
    Rect rect, held;
  };
  const Case cases[] = {
      {"dragged left", {-300, 100, -100, 250}, {-168, 100, 32, 250}},
      {"dragged right", {790, 100, 990, 250}, {768, 100, 968, 250}},
      {"dragged up", {100, -40, 300, 110}, {100, 0, 300, 150}},
      {"dragged down", {100, 590, 300, 740}, {100, 568, 300, 718}},
      {"partly off the left stays", {-150, 100, 50, 250}, {-150, 100, 50, 250}},
      {"dragged to the top-left corner", {-500, -500, -300, -350}, {-168, 0, 32, 150}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Rect rect = c.rect;
    TBoxes::HoldOnBoard(rect, bounds);
    EXPECT_EQ(rect, c.held);
  }
}

TEST_F(Trays, FitAllTraysBringsTraysBackOntoASmallerBoard) {
  TBox& tray = NewTray();
  TFormPiece& piece = boxes->Piece(0);
  piece.X = 50;
  piece.Y = 60;
  boxes->MovePiecesToTray({&piece}, tray);
  boxes->MoveTray(tray, 600 - tray.FLeft, 400 - tray.FTop);  // at (600, 400)
  const Point offset{piece.X - tray.FLeft, piece.Y - tray.FTop};
  boxes->Config().BoardWidth = 400;
  boxes->Config().BoardHeight = 300;
  boxes->FitAllTrays();
  EXPECT_EQ(tray.FLeft, 368);
  EXPECT_EQ(tray.FTop, 268);
  EXPECT_EQ((Point{piece.X - tray.FLeft, piece.Y - tray.FTop}), offset) << "the pieces travel with the tray";
}

TEST_F(Trays, ToggleOpenMinimisesAndOpensWithButtonSoundAndZoom) {
  TBox& first = NewTray();
  NewTray();
  sounds.clear();
  host.invalidated.clear();

  host.MainForm().Click(first.ButtonName());  // the shell reports a click on its button
  EXPECT_FALSE(first.IsOpen());
  EXPECT_TRUE(first.FButtonDown);
  EXPECT_FALSE(Button(1).Down);
  EXPECT_EQ(sounds, std::vector<int>{4});
  EXPECT_EQ(host.invalidated, std::vector<Rect>{first.BoxRect()});
  EXPECT_EQ(zoomFrames, TBand::kZoomFrames);
  EXPECT_EQ(&boxes->TrayNo(1), &first) << "minimising keeps the stacking order";

  host.MainForm().Click(first.ButtonName());
  EXPECT_TRUE(first.IsOpen());
  EXPECT_FALSE(first.FButtonDown);
  EXPECT_TRUE(Button(1).Down);
  EXPECT_EQ(&boxes->TrayNo(2), &first) << "an opened tray comes to the front";
  EXPECT_EQ(zoomFrames, 2 * TBand::kZoomFrames);
  EXPECT_EQ(board.PixelAt(5, 5), 0) << "the zoom band leaves the board as it was";
}

TEST_F(Trays, WithoutAnimationNoZoomRuns) {
  boxes->Options.AnimateTrays = false;
  TBox& tray = NewTray();
  tray.ToggleOpen();
  tray.ToggleOpen();
  boxes->DeleteTray(tray);
  EXPECT_EQ(zoomFrames, 0);
}

TEST_F(Trays, HideAllThenShowAllRestoresEveryTrayTheLastShownInFront) {
  NewTrays(3);
  boxes->TrayToBack(boxes->TrayByNumber(3));  // list order 3, 1, 2
  boxes->TraysCommand(3);
  for (int number : {1, 2, 3}) EXPECT_FALSE(boxes->TrayByNumber(number).IsOpen()) << number;
  boxes->TraysCommand(0);
  for (int number : {1, 2, 3}) {
    EXPECT_TRUE(boxes->TrayByNumber(number).IsOpen()) << number;
    EXPECT_TRUE(Button(number).Down) << number;
  }
  EXPECT_EQ(ListNumbers(), (std::vector<int32_t>{0, 3, 1, 2}));
  EXPECT_EQ(boxes->TrayAt(150, 150).Number(), 2);
}

TEST_F(Trays, TraysMenuItemsPickTheirTrays) {
  NewTrays(4);
  boxes->MovePiecesToTray(Pieces({0}), boxes->TrayByNumber(1));
  boxes->MovePiecesToTray(Pieces({1}), boxes->TrayByNumber(3));
  boxes->TrayByNumber(3).ToggleOpen();
  boxes->TrayByNumber(4).ToggleOpen();  // open: 1 (used), 2; closed: 3 (used), 4
  struct Case {
    int tag;
    std::vector<int> toggled;
  };
  const Case cases[] = {{0, {3, 4}}, {1, {3}}, {2, {4}}, {3, {1, 2}}, {4, {1}}, {5, {2}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    std::vector<bool> before;
    for (int n = 1; n <= 4; ++n) before.push_back(boxes->TrayByNumber(n).IsOpen());
    boxes->TraysCommand(c.tag);
    for (int n = 1; n <= 4; ++n) {
      const bool toggled = std::ranges::find(c.toggled, n) != c.toggled.end();
      EXPECT_EQ(boxes->TrayByNumber(n).IsOpen(), before[n - 1] != toggled) << "tray " << n;
    }
    for (int n : c.toggled) boxes->TrayByNumber(n).ToggleOpen();  // back for the next case
  }
}

TEST_F(Trays, DeleteEmptyTraysDeletesOnlyThoseWithoutAsking) {
  NewTrays(3);
  boxes->MovePiecesToTray(Pieces({2}), boxes->TrayByNumber(2));
  boxes->TraysCommand(8);
  EXPECT_EQ(ListNumbers(), (std::vector<int32_t>{0, 2}));
  EXPECT_TRUE(host.questions.empty());
  EXPECT_FALSE(host.MainForm().Has("TrayButton1"));
  EXPECT_FALSE(host.MainForm().Has("TrayButton3"));
  EXPECT_EQ(sounds.back(), 5);
}

// Trays 1 to 4 each hold one piece; the list is deleted from its end: 4, 3, 2, 1.
TEST_F(Trays, DeletingUsedTraysAsksUntilAllOrCancel) {
  struct Case {
    const char* what;
    std::vector<ChoiceAnswer> answers;
    size_t questions;
    std::vector<int32_t> left;
  };
  using A = ChoiceAnswer;
  const Case cases[] = {
      {"yes to each", {A::Yes, A::Yes, A::Yes, A::Yes}, 4, {0}},
      {"no keeps that tray", {A::Yes, A::No, A::Yes, A::No}, 4, {0, 1, 3}},
      {"all stops the questions", {A::No, A::All}, 2, {0, 4}},
      {"cancel ends the command", {A::Yes, A::Cancel}, 2, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes->CreateTrays();
    NewTrays(4);
    for (int n = 1; n <= 4; ++n) boxes->MovePiecesToTray(Pieces({n}), boxes->TrayByNumber(n));
    host.questions.clear();
    host.answers = c.answers;
    boxes->TraysCommand(7);
    EXPECT_EQ(host.questions.size(), c.questions);
    EXPECT_EQ(ListNumbers(), c.left);
    for (TFormPiece* piece : boxes->AllPieces())
      EXPECT_EQ(&boxes->TrayOf(*piece), &boxes->TrayByNumber(piece->Tray)) << "piece " << piece->Index;
    EXPECT_EQ(boxes->BoardTray().PieceCount(), 6 - static_cast<int>(c.left.size() - 1))
        << "the pieces of deleted trays went to the board";
  }
  EXPECT_EQ(host.questions.front(),
            "Tray 4 contains pieces which will be\nplaced on the background.\n\nOk to delete this tray?");
}

TEST_F(Trays, TheBarShowsTenButtonsAndScrollsTwelve) {
  NewTrays(12);
  EXPECT_EQ(boxes->FBarCapacity, 10);
  UiState& form = host.MainForm();
  EXPECT_TRUE(form.Get("SpeedBoxLeft").Visible);
  EXPECT_FALSE(form.Get("SpeedBoxUp").Visible);
  EXPECT_EQ(form.Get("SpeedBoxRight").Left, 596 - 16 - 2);
  EXPECT_FALSE(form.Get("SpeedBoxLeft").Enabled);
  EXPECT_TRUE(form.Get("SpeedBoxRight").Enabled);
  EXPECT_EQ(Button(1).Left, 22);
  EXPECT_EQ(Button(10).Left, 22 + 9 * 52);
  EXPECT_FALSE(Button(11).Visible);

  form.Click("SpeedBoxRight");
  EXPECT_EQ(BoardRecord.TrayScroll, 2);
  EXPECT_TRUE(form.Get("SpeedBoxRight").Enabled);
  EXPECT_TRUE(form.Get("SpeedBoxLeft").Enabled);
  EXPECT_FALSE(Button(1).Visible);
  EXPECT_EQ(Button(2).Left, 22);

  form.Click("SpeedBoxRight");
  EXPECT_EQ(BoardRecord.TrayScroll, 3);
  EXPECT_FALSE(form.Get("SpeedBoxRight").Enabled);
  EXPECT_TRUE(Button(12).Visible);
  boxes->ScrollBarForward();
  EXPECT_EQ(BoardRecord.TrayScroll, 3) << "no further than the last button";

  form.Click("SpeedBoxLeft");
  EXPECT_EQ(BoardRecord.TrayScroll, 2);
  EXPECT_EQ(ListNumbers().back(), 12) << "the list is back in stacking order";
}

TEST_F(Trays, AVerticalBarStacksTheButtons) {
  UiState& form = host.MainForm();
  form.Update("BoxBar", [](ComponentState& c) {
    c.Align = ControlAlign::Left;
    c.Width = 41;
    c.Height = 300;
  });
  NewTrays(6);
  EXPECT_EQ(boxes->FBarCapacity, (300 - 2 * 4) / (33 + 6));
  EXPECT_TRUE(form.Get("SpeedBoxUp").Visible);
  EXPECT_FALSE(form.Get("SpeedBoxRight").Visible);
  EXPECT_EQ(form.Get("SpeedBoxDown").Top, 300 - 33 - 4);
  EXPECT_EQ(Button(2).Top, 4 + 39);
  EXPECT_EQ(Button(2).Left, 22);
  EXPECT_FALSE(form.Get("SpeedBoxUp").Enabled);
  EXPECT_FALSE(form.Get("SpeedBoxDown").Enabled);
}

TEST_F(Trays, ANewBarSizeLaysTheButtonsOutAgain) {
  NewTrays(12);
  host.MainForm().SetWidth("BoxBar", 1000);
  EXPECT_EQ(boxes->FBarCapacity, (1000 - 44) / 52);
  EXPECT_TRUE(Button(12).Visible);
  EXPECT_FALSE(host.MainForm().Get("SpeedBoxRight").Enabled);
}

TEST_F(Trays, TitleAndButtonHintFollowTheDescription) {
  NewTrays(3);
  TBox& tray = boxes->TrayByNumber(3);
  EXPECT_EQ(tray.Title(), "Tray 3");
  EXPECT_EQ(Button(3).Caption, "3");
  tray.SetDescription("Edges");
  EXPECT_EQ(tray.Title(), "Tray 3: Edges");
  EXPECT_EQ(Button(3).Hint, "Edges|");

  const std::string long128 = std::string(127, 'x') + "\xC3\xA9";  // 128 characters, the last é
  tray.SetDescription(long128 + "tail");
  EXPECT_EQ(tray.Description(), long128);
}

TEST_F(Trays, MovingPiecesUpdatesListsNumbersAndGlyphs) {
  NewTrays(2);
  TBox& one = boxes->TrayByNumber(1);
  TBox& two = boxes->TrayByNumber(2);
  EXPECT_EQ(Button(1).Tag, 0);

  boxes->MovePiecesToTray(Pieces({4, 1}), one);
  EXPECT_EQ(one.FPieces, Pieces({4, 1}));
  EXPECT_EQ(boxes->BoardTray().FPieces, Pieces({0, 2, 3, 5}));
  EXPECT_EQ(boxes->Piece(4).Tray, 1);
  EXPECT_EQ(Button(1).Tag, 1) << "full";

  boxes->MovePiecesToTray(Pieces({1}), two);
  EXPECT_EQ(Button(1).Tag, 1);
  EXPECT_EQ(Button(2).Tag, 1);
  boxes->MovePiecesToTray(Pieces({4}), two);
  EXPECT_EQ(one.PieceCount(), 0);
  EXPECT_EQ(Button(1).Tag, 0) << "empty again";
  EXPECT_EQ(two.FPieces, Pieces({1, 4}));

  boxes->MovePiecesToTray(Pieces({1, 4}), two);  // already there: nothing
  EXPECT_EQ(two.FPieces, Pieces({1, 4}));
  EXPECT_EQ(&boxes->TrayOf(boxes->Piece(4)), &two);
}

TEST_F(Trays, TrayAtPicksTheFrontOpenTray) {
  TBox& back = NewTray();   // (20, 20) to (220, 170)
  TBox& front = NewTray();  // (40, 40) to (240, 190)
  EXPECT_EQ(&boxes->TrayAt(30, 30), &back);
  EXPECT_EQ(&boxes->TrayAt(100, 100), &front);
  EXPECT_EQ(&boxes->TrayAt(230, 180), &front);
  EXPECT_EQ(&boxes->TrayAt(500, 500), &boxes->BoardTray());
  front.ToggleOpen();
  EXPECT_EQ(&boxes->TrayAt(100, 100), &back);
  back.ToggleOpen();
  EXPECT_EQ(&boxes->TrayAt(100, 100), &boxes->BoardTray());
  EXPECT_EQ(&boxes->TrayByNumber(7), &boxes->BoardTray());
}

TEST_F(Trays, PieceAtSearchesTheInnerAreaFromTheFront) {
  TBox& tray = NewTray();  // inner area (28, 44) to (212, 162)
  boxes->MovePiecesToTray(Pieces({0, 1}), tray);
  boxes->Piece(0).X = 30;
  boxes->Piece(0).Y = 50;
  boxes->Piece(1).X = 80;
  boxes->Piece(1).Y = 60;
  EXPECT_EQ(tray.PieceAt(100, 100, false), &boxes->Piece(1));
  EXPECT_EQ(tray.PieceAt(40, 55, false), &boxes->Piece(0));
  EXPECT_EQ(tray.PieceAt(150, 165, false), nullptr) << "below the inner area";
  EXPECT_EQ(tray.PieceAt(200, 100, false), nullptr);
}

TEST_F(Trays, DraggingATrayHidesItsPieces) {
  TBox& tray = NewTray();
  boxes->MovePiecesToTray(Pieces({0, 1}), tray);
  boxes->MarkDragging(tray, true);
  EXPECT_TRUE(tray.FDragging);
  EXPECT_TRUE(boxes->Piece(0).Hidden && boxes->Piece(1).Hidden);
  boxes->MarkDragging(tray, false);
  EXPECT_FALSE(tray.FDragging || boxes->Piece(0).Hidden);
}

TEST_F(Trays, ReplaceColourChangesTraysOfThatColourOnly) {
  TBox& a = NewTray();
  TBox& b = NewTray();
  b.FColour = 0x123456;
  boxes->ReplaceColour(boxes->FormColour, 0x00FF00);
  EXPECT_EQ(a.FColour, 0x00FF00u);
  EXPECT_EQ(b.FColour, 0x123456u);
  EXPECT_EQ(boxes->BoardTray().FColour, boxes->FormColour);
}

// The headless host's system colours: 0x101010 × (index mod 16), so the skin (button
// face) is F0F0F0, the highlight 404040, the shadow 000000 and button text 202020.
TEST_F(Trays, DrawFrameDrawsFrameButtonAndTitle) {
  TBox& tray = NewTray();  // (20, 20) to (220, 170), colour C0C0C0
  tray.SetDescription("Edges");
  board.Fill(0x11);
  host.texts.clear();
  tray.DrawFrame(board, nullptr);
  struct Case {
    const char* what;
    int x, y;
    Colour colour;
  };
  const Case cases[] = {
      {"outside", 19, 100, 0x111111},
      {"outer highlight", 20, 100, 0x404040},
      {"skin border", 23, 100, 0xF0F0F0},
      {"title band", 100, 30, 0xF0F0F0},
      {"body, first shaded row", 100, 48, 0xC0C0C0},
      {"body, last shaded row", 100, 157, MakeColour(157, 157, 157)},
      {"minimise button face", 200, 26, 0xF0F0F0},
      {"minimise bar", 205, 35, 0x202020},
  };
  for (const Case& c : cases) EXPECT_EQ(board.PixelAt(c.x, c.y), c.colour) << c.what;
  ASSERT_EQ(host.texts.size(), 1u);
  const TrayHost::Text& title = host.texts.front();
  EXPECT_EQ(title.text, "Tray 1: Edges");
  EXPECT_EQ(title.clip, (Rect{22, 22, 196, 38}));
  EXPECT_EQ((Point{title.x, title.y}), (Point{26, 22}));
  EXPECT_EQ(title.height, 16);
  EXPECT_EQ(title.background, 0xF0F0F0u);
}

TEST_F(Trays, DrawFrameKeepsToTheClipAndSkipsHiddenTrays) {
  TBox& tray = NewTray();
  board.Fill(0x11);
  const Rect clip{0, 0, 100, 100};
  tray.DrawFrame(board, &clip);
  EXPECT_EQ(board.PixelAt(23, 90), 0xF0F0F0);
  EXPECT_EQ(board.PixelAt(150, 30), 0x111111) << "outside the clip";

  struct Case {
    const char* what;
    bool open, dragging;
    Rect clip;
  };
  const Case cases[] = {
      {"minimised", false, false, {0, 0, 800, 600}},
      {"dragged", true, true, {0, 0, 800, 600}},
      {"clip misses it", true, false, {300, 300, 400, 400}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    board.Fill(0x11);
    host.texts.clear();
    tray.FOpen = c.open;
    tray.FDragging = c.dragging;
    tray.DrawFrame(board, &c.clip);
    EXPECT_EQ(board.PixelAt(23, 90), 0x111111);
    EXPECT_TRUE(host.texts.empty());
  }
}

TEST_F(Trays, TrayButtonsComeAndGoWithTheirTrays) {
  std::vector<std::pair<std::string, bool>> heard;
  host.MainForm().AddMembershipListener([&](const std::string& name, bool added) { heard.emplace_back(name, added); });
  TBox& tray = NewTray();
  EXPECT_EQ(Button(1).Parent, "BoxBar");
  EXPECT_EQ(Button(1).Width, host.MainForm().Get("BoxBtn").Width);
  boxes->DeleteTray(tray);
  EXPECT_EQ(heard, (std::vector<std::pair<std::string, bool>>{{"TrayButton1", true}, {"TrayButton1", false}}));
  const std::vector<std::string> buttons = host.MainForm().Children("BoxBar");
  EXPECT_TRUE(std::ranges::find(buttons, "TrayButton1") == buttons.end());
}

TEST_F(Trays, ARightPressOnAButtonGoesToTheTrayMenu) {
  TBox& tray = NewTray();
  TBox* chosen = nullptr;
  boxes->OnTrayButtonMenu = [&](TBox& t) { chosen = &t; };
  host.MainForm().Click(tray.ButtonName(), ClickButton::Right);
  EXPECT_EQ(chosen, &tray);
  EXPECT_TRUE(tray.IsOpen());
}

}  // namespace
}  // namespace quill
