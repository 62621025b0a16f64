// Trays: movable, resizable boxes on the board that keep pieces apart. Every piece
// belongs to exactly one tray; the board itself is tray 0, covers the whole board and
// has no frame. `TBoxes` is the tray layer of the game object, between the piece
// collection and the moving layer.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pieces/band.h"
#include "pieces/pieces.h"
#include "raster/bitmap.h"
#include "raster/rect.h"
#include "ui/host.h"

namespace quill {

// Sizes of a tray's frame, in pixels.
constexpr int32_t kNewTrayWidth = 200;
constexpr int32_t kNewTrayHeight = 150;
constexpr int32_t kMinTrayWidth = 100;
constexpr int32_t kMinTrayHeight = 75;
constexpr int32_t kTrayKeepVisible = 32;  // what HoldOnBoard keeps on the board
constexpr size_t kMaxTrayDescription = 128;

// Tray options that the program keeps constant.
struct TrayOptions {
  bool AnimateTrays = true;
  bool TrayTitleFlag = true;
  bool RestoreTrayPlaces = false;
  bool RestoreBoardPlaces = true;
  bool TraysStartClosed = false;
  bool TraysUseFormColour = true;
  Colour TrayColour = 0x00C080FF;
  int32_t InitialTrays = 0;
};

// The tray rectangle.
class TCropBox {
 public:
  virtual ~TCropBox() = default;

  Rect BoxRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetRect(const Rect& rect);
  // The cursor for a point: a size cursor on a border zone, else the default.
  CursorShape BorderCursor(int32_t x, int32_t y) const;
  // Starts a resize from the press point (x, y) on a border with `cursor`; x and y
  // become the anchor corner, the moving corner is kept for ResizeCorner.
  void StartResize(int32_t& x, int32_t& y, CursorShape cursor);
  // The moving corner for pointer (x, y), kept at least 100 × 75 from the anchor.
  void ResizeCorner(int32_t& x, int32_t& y, CursorShape cursor) const;

  int32_t FLeft = 0;
  int32_t FTop = 0;
  uint16_t FWidth = 0;
  uint16_t FHeight = 0;

 private:
  Point resizeOffset_;  // moving edge − press point
  Point resizeAnchor_;
};

class TBoxes;

// One tray.
class TBox : public TCropBox {
 public:
  // Creates tray `number` (0: the board) for the collection `owner`.
  TBox(TBoxes& owner, int32_t number);
  ~TBox() override;
  TBox(const TBox&) = delete;
  TBox& operator=(const TBox&) = delete;

  // Takes the next stacking rank.
  void BringToFront();
  // The area that holds the pieces; the whole rectangle for the board.
  Rect InnerRect() const;
  Rect MinimiseRect() const;
  bool OnMinimise(int32_t x, int32_t y) const { return MinimiseRect().Contains(x, y); }
  // The tray button's rectangle in board coordinates.
  Rect ButtonRect() const;
  // The frame, title and minimise button; nothing for the board, a minimised or a
  // dragged tray, or when clip (if given) misses the tray.
  void DrawFrame(Bitmap& bitmap, const Rect* clip) const;
  // The front piece at (x, y) inside the inner area: with maskTest the one seen there
  // (TPieces::ShowsAt), without it the front one whose box holds the point.
  TFormPiece* PieceAt(int32_t x, int32_t y, bool maskTest) const;
  void AddPieces(const TPieceList& list);
  // Opens a minimised tray or minimises an open one, with its sound and zoom.
  void ToggleOpen();

  bool IsBoard() const { return FNumber == 0; }
  int32_t Number() const { return FNumber; }
  bool IsOpen() const { return FOpen; }
  int32_t PieceCount() const { return static_cast<int32_t>(FPieces.size()); }
  TFormPiece& PieceNo(int32_t i) const { return *FPieces[static_cast<size_t>(i)]; }
  const std::string& Description() const { return FDescription; }
  // At most 128 characters; the button's hint becomes the text followed by "|".
  void SetDescription(const std::string& text);
  // "Tray 3" or "Tray 3: Edges".
  std::string Title() const;
  // The name of the tray button's component in the main form's UI state.
  std::string ButtonName() const;
  // Shows the full or the empty glyph on the button as the tray holds pieces or not.
  void UpdateButtonGlyph();

  int32_t FNumber = 0;
  int32_t FZOrder = 0;
  Colour FColour = 0;
  bool FOpen = true;
  bool FDragging = false;
  bool FButtonDown = false;
  std::string FDescription;
  TPieceList FPieces;  // back to front

 private:
  void DefineButton();
  void DrawTitle(Bitmap& bitmap, const Rect* clip, Colour skin) const;

  TBoxes& owner_;
};

class TBoxes : public TPieces {
 public:
  TBoxes(Host& host, UiState& mainForm);
  ~TBoxes() override;

  // New puzzle or restore: the board tray alone, holding every piece in index order.
  void CreateTrays();
  void FreeTrays();
  // A new game's initial trays (none with the program's options).
  void MakeInitialTrays();
  // "&New Tray": the lowest free number; drawn into bitmap; returns the tray.
  TBox& NewTray(Bitmap& bitmap);
  // Removes an empty tray with its button, repainting where it was.
  void DeleteTray(TBox& tray);
  void TrayToBack(TBox& tray);
  // Minimises every open tray that holds no pieces.
  void HideEmptyTrays();
  // The Trays menu, tags 0 to 8 (show, hide and delete all, used or empty trays).
  void TraysCommand(int32_t tag);
  // Places the tray buttons on the tray bar and enables its scroll buttons.
  void LayoutBar(bool relayout);
  void ScrollBarBack();
  void ScrollBarForward();

  void DrawTray(const TBox& tray, Bitmap& bitmap, const Rect* clip);
  // Every tray, the board first, each with its pieces.
  void DrawTrays(Bitmap& bitmap, const Rect* clip);
  // By number, or back by stacking rank (the board stays first).
  void SortTrays(bool byNumber);
  // Sorts every tray's pieces by a piece sort key.
  void SortTrayPieces(int key);
  void FitTrayGroups(TBox& tray);
  // After the board was resized: trays held on the board, groups fitted.
  void FitAllTrays();
  void StoreTrayPlaces(TBox& tray);
  // The front open tray at (x, y), the board when none.
  TBox& TrayAt(int32_t x, int32_t y) const;
  // The tray with that number, the board when none.
  TBox& TrayByNumber(int32_t number) const;
  TBox& BoardTray() const { return *FTrays.front(); }
  TBox& TrayOf(const TFormPiece& piece) const { return TrayByNumber(piece.Tray); }
  int32_t TrayListCount() const { return static_cast<int32_t>(FTrays.size()); }
  TBox& TrayNo(int32_t i) const { return *FTrays[static_cast<size_t>(i)]; }
  void MovePiecesToTray(const TPieceList& list, TBox& target);
  void MarkDragging(TBox& tray, bool value);
  void MoveTray(TBox& tray, int32_t dx, int32_t dy);
  static void HoldOnBoard(Rect& rect, const Rect& bounds);
  void ReplaceColour(Colour oldColour, Colour newColour);

  // The board's rectangle at its current size.
  Rect BoardBounds() const;
  // Shows a changed part of the board: composes it again and invalidates it. The
  // moving layer gives the real one; the tray layer alone only invalidates.
  virtual void RepaintRect(const Rect& rect);
  // Shows the zoom rectangle of a tray opening or closing, when animated.
  void ZoomBand(const Rect& from, const Rect& to);
  // Shows rect of the board on the screen at once.
  void UpdateWindow(const Rect& rect);

  // Deletes the trays of the list, the last first (the Trays menu's delete items):
  // an empty tray at once; for one with pieces the user is asked (Yes, No, Cancel,
  // All) and on Yes or All its pieces go to the board first.
  virtual void RemoveTrays(const std::vector<TBox*>& trays);
  // Puts every piece of the tray on the board at its place, joined to nothing. The
  // moving layer does it by lifting and dropping them.
  virtual void EmptyTrayOntoBoard(TBox& tray);

  // A colour as drawn: system colours resolved through the host.
  Colour ResolveColour(Colour colour) const;

  Host& TheHost() const { return host_; }
  UiState& MainForm() const { return mainForm_; }
  TrayOptions Options;
  // The main window's colour, taken by new trays.
  Colour FormColour = 0x00C0C0C0;
  // The position of the next new tray; starts at (0, 0), not saved.
  Point NextTrayPlace;
  // The skin's colour: tray frames and title bars. The button face until a skin is set.
  Colour SkinColour = kSystemButtonFace;
  // Waits between the zoom frames; empty: the thread sleeps.
  TBand::WaitFunction ZoomWait;
  // A right press on a tray's button (the game makes it the current tray; the shell
  // shows PopupTrayIcon).
  std::function<void(TBox&)> OnTrayButtonMenu;

  int32_t FBarCapacity = 0;
  std::vector<std::unique_ptr<TBox>> FTrays;  // board first, then by FZOrder

 protected:
  // A click on a button of the tray bar is a command like any other: the game
  // completes its running animation here before the click acts.
  virtual void BeforeBarCommand() {}

 private:
  // Clicks on the tray bar: tray buttons open and minimise, scroll buttons scroll.
  void BarClicked(const std::string& name, ClickButton button);
  // Relayouts the bar when the shell reports a new size of it.
  void BarChanged(const std::string& name);
  TBox* TrayOfButton(const std::string& name) const;

  Host& host_;
  UiState& mainForm_;
  int clickListener_ = 0;
  int stateListener_ = 0;
  Rect barGeometry_;
};

}  // namespace quill
