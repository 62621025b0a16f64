// Trays: the tray rectangle and its resizing, one tray with its frame and button, and
// the tray list of the game object (creating, deleting, stacking, drawing, finding,
// moving pieces between trays). The tray bar and the Trays menu are in tray_bar.cpp.
#include "board/boxes.h"

#include <algorithm>
#include <unordered_set>

#include "common/records.h"
#include "common/tray_frame.h"
#include "common/util.h"
#include "raster/canvas.h"
#include "ui/component_names.h"

namespace quill {
namespace {

// Windows system colour indexes of the frame's 3-D look.
constexpr int kClWindowText = 8;
constexpr int kClBtnFace = 15;
constexpr int kClBtnShadow = 16;
constexpr int kClBtnText = 18;
constexpr int kClBtnHighlight = 20;
constexpr Colour kBtnTextSystemColour = 0xFF000000u | kClBtnText;

// The frame's measures: bevels 2 wide, a border of 4 and a title band of 16, so the
// pieces lie from 8 inside the sides and 24 below the top.
constexpr int kBevel = 2;
constexpr int kBorder = 4;
constexpr int kTitleBand = 16;
constexpr int kInnerSide = 8;
constexpr int kInnerTop = 24;
constexpr int kMinimiseSize = 16;
constexpr int kTitleFontHeight = 16;

// Border zones, counted from the tray's top-left.
constexpr int kBorderZone = 8;
constexpr int kTopZone = 4;

// New trays cascade this far apart.
constexpr int kCascade = 20;

// The text cut to at most `count` characters (UTF-8 code points).
std::string FirstCharacters(const std::string& text, size_t count) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80;
    if (starts && characters++ == count) return text.substr(0, i);
  }
  return text;
}

// (value + step) mod modulus for a cascade that wraps; 0 on a board too small to
// cascade on.
int32_t CascadeStep(int32_t value, int32_t modulus) { return modulus > 0 ? (value + kCascade) % modulus : 0; }

}  // namespace

// ---- TCropBox ---------------------------------------------------------------------

void TCropBox::SetRect(const Rect& rect) {
  FLeft = rect.Left;
  FTop = rect.Top;
  FWidth = static_cast<uint16_t>(rect.Width());
  FHeight = static_cast<uint16_t>(rect.Height());
}

CursorShape TCropBox::BorderCursor(int32_t x, int32_t y) const {
  if (!BoxRect().Contains(x, y)) return CursorShape::Default;
  const int32_t dx = x - FLeft, dy = y - FTop;
  const bool bottom = dy > FHeight - kBorderZone;
  const bool top = !bottom && dy <= kTopZone;
  const bool right = dx > FWidth - kBorderZone;
  const bool left = !right && dx < kBorderZone;
  const bool vertical = top || bottom, horizontal = left || right;
  if (vertical && !horizontal) return CursorShape::SizeVertical;
  if (horizontal && !vertical) return CursorShape::SizeHorizontal;
  if ((top && left) || (bottom && right)) return CursorShape::SizeNorthWestSouthEast;
  if ((top && right) || (bottom && left)) return CursorShape::SizeNorthEastSouthWest;
  return CursorShape::Default;
}

void TCropBox::StartResize(int32_t& x, int32_t& y, CursorShape cursor) {
  const int32_t right = FLeft + FWidth, bottom = FTop + FHeight;
  if (x > FLeft + FWidth / 2) {
    resizeOffset_.X = right - x;
    resizeAnchor_.X = FLeft;
  } else {
    resizeOffset_.X = FLeft - x;
    resizeAnchor_.X = right;
  }
  if (y > FTop + FHeight / 2) {
    resizeOffset_.Y = bottom - y;
    resizeAnchor_.Y = FTop;
  } else {
    resizeOffset_.Y = FTop - y;
    resizeAnchor_.Y = bottom;
  }
  if (cursor == CursorShape::SizeVertical) resizeAnchor_.X = FLeft;
  if (cursor == CursorShape::SizeHorizontal) resizeAnchor_.Y = FTop;
  x = resizeAnchor_.X;
  y = resizeAnchor_.Y;
}

void TCropBox::ResizeCorner(int32_t& x, int32_t& y, CursorShape cursor) const {
  x += resizeOffset_.X;
  y += resizeOffset_.Y;
  if (cursor == CursorShape::SizeVertical) x = FLeft + FWidth;
  if (cursor == CursorShape::SizeHorizontal) y = FTop + FHeight;
  x = resizeAnchor_.X == FLeft ? std::max(x, FLeft + kMinTrayWidth) : std::min(x, resizeAnchor_.X - kMinTrayWidth);
  y = resizeAnchor_.Y == FTop ? std::max(y, FTop + kMinTrayHeight) : std::min(y, resizeAnchor_.Y - kMinTrayHeight);
}

// ---- TBox -------------------------------------------------------------------------

TBox::TBox(TBoxes& owner, int32_t number) : owner_(owner) {
  const TJigConfig& config = owner.Config();
  FNumber = number;
  FWidth = kNewTrayWidth;
  FHeight = kNewTrayHeight;
  FOpen = true;
  BringToFront();
  if (IsBoard()) {
    owner.NextTrayPlace = {0, 0};
    FWidth = static_cast<uint16_t>(config.BoardWidth);
    FHeight = static_cast<uint16_t>(config.BoardHeight);
    FZOrder = 0;
  }
  Point& place = owner.NextTrayPlace;
  FLeft = place.X;
  FTop = place.Y;
  place = {CascadeStep(place.X, config.BoardWidth - kTrayKeepVisible),
           CascadeStep(place.Y, config.BoardHeight - kTrayKeepVisible)};
  FColour = owner.Options.TraysUseFormColour ? owner.FormColour : owner.Options.TrayColour;
  if (!IsBoard()) DefineButton();
}

TBox::~TBox() {
  if (!IsBoard()) owner_.MainForm().Remove(ButtonName());
}

// A copy of the template button BoxBtn: its bounds, font and parent; pushed down.
void TBox::DefineButton() {
  ComponentState button = owner_.MainForm().Get(component::kBoxBtn);
  button.Caption = std::to_string(FNumber);
  button.Font.Color = kBtnTextSystemColour;
  button.Down = true;
  button.Visible = true;
  button.Tag = 0;
  owner_.MainForm().Define(ButtonName(), std::move(button));
}

void TBox::BringToFront() { FZOrder = BoardRecord.TrayStamp++; }

Rect TBox::InnerRect() const {
  if (IsBoard()) return BoxRect();
  const Rect r = BoxRect();
  return {r.Left + kInnerSide, r.Top + kInnerTop, r.Right - kInnerSide, r.Bottom - kInnerSide};
}

Rect TBox::MinimiseRect() const {
  const int32_t right = FLeft + FWidth;
  return {right - 23, FTop + 4, right - 23 + kMinimiseSize, FTop + 4 + kMinimiseSize};
}

Rect TBox::ButtonRect() const {
  const UiState& form = owner_.MainForm();
  if (IsBoard() || !form.Has(ButtonName())) return {};
  const ComponentState& button = form.Get(ButtonName());
  const ComponentState& bar = form.Get(component::kBoxBar);
  const ComponentState& board = form.Get(component::kPaintBox1);
  const int32_t left = bar.Left - board.Left + button.Left, top = bar.Top - board.Top + button.Top;
  return owner_.TheHost().FormRectOnBoard({left, top, left + button.Width, top + button.Height});
}

void TBox::DrawFrame(Bitmap& bitmap, const Rect* clip) const {
  if (IsBoard() || !FOpen || FDragging) return;
  if (clip && Intersection(*clip, BoxRect()).IsEmpty()) return;
  Host& host = owner_.TheHost();
  const Colour skin = owner_.ResolveColour(owner_.SkinColour);
  const FrameColours colours{skin, host.SystemColour(kClBtnHighlight), host.SystemColour(kClBtnShadow),
                             host.SystemColour(kClBtnFace), host.SystemColour(kClBtnText)};
  const bool lowColour = host.ScreenColourDepth() < kTrueColourDepth;
  Canvas canvas(bitmap);
  if (clip) canvas.SetClipRect(*clip);
  DrawTrayFrame(canvas, FLeft, FTop, FWidth, FHeight, kBevel, kBorder, kTitleBand, owner_.ResolveColour(FColour),
                owner_.Options.TrayTitleFlag, colours, lowColour);
  const Rect button = MinimiseRect();
  DrawMinimiseButton(canvas, button.Left, button.Top, FButtonDown, kMinimiseSize, kMinimiseSize, colours);
  DrawTitle(bitmap, clip, skin);
}

// "Tray 3: Edges" on the title bar, left of the minimise button.
void TBox::DrawTitle(Bitmap& bitmap, const Rect* clip, Colour skin) const {
  Rect box{FLeft + 2, FTop + 2, MinimiseRect().Left - 1, FTop + 2 + kTitleBand};
  if (clip) box = Intersection(box, *clip);
  if (box.IsEmpty()) return;
  Host& host = owner_.TheHost();
  FontState font;
  font.Height = kTitleFontHeight;
  font.Color = host.SystemColour(kClWindowText);
  host.DrawText(bitmap, box, FLeft + 6, FTop + 2, Title(), font, skin);
}

TFormPiece* TBox::PieceAt(int32_t x, int32_t y, bool maskTest) const {
  if (!InnerRect().Contains(x, y)) return nullptr;
  for (auto it = FPieces.rbegin(); it != FPieces.rend(); ++it) {
    TFormPiece* piece = *it;
    if (maskTest ? owner_.ShowsAt(*piece, x, y) : piece->BoardRect().Contains(x, y)) return piece;
  }
  return nullptr;
}

void TBox::AddPieces(const TPieceList& list) {
  FPieces.reserve(FPieces.size() + list.size());
  for (TFormPiece* piece : list) {
    piece->Tray = FNumber;
    FPieces.push_back(piece);
  }
}

void TBox::ToggleOpen() {
  if (IsBoard()) return;
  FOpen = !FOpen;
  owner_.MainForm().SetDown(ButtonName(), FOpen);
  FButtonDown = !FOpen;
  if (FOpen) {
    BringToFront();
    owner_.SortTrays(false);
  }
  const Rect rect = BoxRect();
  owner_.RepaintRect(rect);
  owner_.Config().PlaySound(SoundEffect::Tray);
  if (owner_.Options.AnimateTrays) {
    if (FOpen) {
      owner_.ZoomBand(ButtonRect(), rect);
    } else {
      owner_.UpdateWindow(rect);
      owner_.ZoomBand(rect, ButtonRect());
    }
  }
  owner_.UpdateWindow(rect);
}

void TBox::SetDescription(const std::string& text) {
  FDescription = FirstCharacters(text, kMaxTrayDescription);
  if (!IsBoard()) owner_.MainForm().SetHint(ButtonName(), FDescription + "|");
}

std::string TBox::Title() const {
  return "Tray " + std::to_string(FNumber) + (FDescription.empty() ? "" : ": " + FDescription);
}

std::string TBox::ButtonName() const { return kTrayButtonPrefix + std::to_string(FNumber); }

void TBox::UpdateButtonGlyph() {
  if (IsBoard()) return;
  const int32_t glyph = FPieces.empty() ? 0 : 1;
  if (owner_.MainForm().Get(ButtonName()).Tag != glyph) owner_.MainForm().SetTag(ButtonName(), glyph);
}

// ---- TBoxes: the tray list ------------------------------------------------------

TBoxes::TBoxes(Host& host, UiState& mainForm) : TPieces(mainForm), host_(host), mainForm_(mainForm) {
  clickListener_ = mainForm_.AddClickListener(
      [this](const std::string& name, ClickButton button) { BarClicked(name, button); });
  stateListener_ = mainForm_.AddListener([this](const std::string& name) { BarChanged(name); });
}

TBoxes::~TBoxes() {
  mainForm_.RemoveClickListener(clickListener_);
  mainForm_.RemoveListener(stateListener_);
  FTrays.clear();
}

void TBoxes::CreateTrays() {
  FTrays.clear();
  FTrays.push_back(std::make_unique<TBox>(*this, 0));
  TBox& board = BoardTray();
  board.FPieces.reserve(PieceList.size());
  board.AddPieces(AllPieces());
}

void TBoxes::FreeTrays() {
  FTrays.clear();
  FreePieceList();
}

void TBoxes::MakeInitialTrays() {
  for (int32_t number = 1; number <= Options.InitialTrays; ++number) {
    FTrays.push_back(std::make_unique<TBox>(*this, number));
    TBox& tray = *FTrays.back();
    if (Options.TraysStartClosed) {
      tray.FOpen = false;
      tray.FButtonDown = true;
      mainForm_.SetDown(tray.ButtonName(), false);
    }
  }
  LayoutBar(true);
}

TBox& TBoxes::NewTray(Bitmap& bitmap) {
  SortTrays(true);
  int32_t number = TrayListCount();
  for (int32_t i = 1; i < TrayListCount(); ++i) {
    if (TrayNo(i).Number() != i) {
      number = i;
      break;
    }
  }
  SortTrays(false);
  Config().PlaySound(SoundEffect::Tray);
  FTrays.push_back(std::make_unique<TBox>(*this, number));
  TBox& tray = *FTrays.back();
  LayoutBar(true);
  tray.DrawFrame(bitmap, nullptr);
  return tray;
}

void TBoxes::DeleteTray(TBox& tray) {
  if (tray.IsBoard()) return;
  // A tray is emptied before it goes; should pieces remain, they stay on the board
  // rather than be lost with it.
  if (tray.PieceCount() > 0) EmptyTrayOntoBoard(tray);
  if (tray.PieceCount() > 0) MovePiecesToTray(TPieceList(tray.FPieces), BoardTray());
  const Rect rect = tray.BoxRect();
  const bool wasOpen = tray.IsOpen();
  std::erase_if(FTrays, [&](const std::unique_ptr<TBox>& item) { return item.get() == &tray; });
  RepaintRect(rect);
  LayoutBar(true);
  Config().PlaySound(SoundEffect::TrayDeleted);
  if (wasOpen && Options.AnimateTrays) {
    const int32_t cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
    ZoomBand(rect, {cx, cy, cx, cy});
  }
  UpdateWindow(rect);
}

void TBoxes::TrayToBack(TBox& tray) {
  if (tray.IsBoard()) return;
  for (auto& other : FTrays)
    if (!other->IsBoard() && other.get() != &tray) other->FZOrder += 1;
  tray.FZOrder = 1;
  BoardRecord.TrayStamp += 1;
  SortTrays(false);
  RepaintRect(tray.BoxRect());
}

void TBoxes::HideEmptyTrays() {
  std::vector<TBox*> empty;
  for (auto& tray : FTrays)
    if (!tray->IsBoard() && tray->IsOpen() && tray->PieceCount() == 0) empty.push_back(tray.get());
  for (TBox* tray : empty) tray->ToggleOpen();
}

void TBoxes::EmptyTrayOntoBoard(TBox& tray) {
  if (tray.IsBoard() || tray.PieceCount() == 0) return;
  const TPieceList pieces = tray.FPieces;
  Rect dirty;
  for (TFormPiece* piece : pieces) dirty = Union(dirty, piece->BoardRect());
  SetHidden(pieces, false);
  TBox& board = BoardTray();
  MovePiecesToTray(pieces, board);
  SortPieces(board.FPieces, 0);
  StoreTrayPlaces(board);
  RepaintRect(dirty);
}

// ---- Drawing --------------------------------------------------------------------

void TBoxes::DrawTray(const TBox& tray, Bitmap& bitmap, const Rect* clip) {
  if (!tray.IsOpen()) return;
  if (tray.IsBoard()) {
    DrawPieces(tray.FPieces, bitmap, clip);
    return;
  }
  tray.DrawFrame(bitmap, clip);
  const Rect inner = clip ? Intersection(tray.InnerRect(), *clip) : tray.InnerRect();
  if (inner.IsEmpty() || tray.FPieces.empty()) return;
  DrawPieces(tray.FPieces, bitmap, &inner);
}

void TBoxes::DrawTrays(Bitmap& bitmap, const Rect* clip) {
  for (const auto& tray : FTrays) DrawTray(*tray, bitmap, clip);
}

// ---- Order and lookup -------------------------------------------------------------

void TBoxes::SortTrays(bool byNumber) {
  if (FTrays.size() < 2) return;
  std::stable_sort(FTrays.begin() + 1, FTrays.end(), [byNumber](const auto& a, const auto& b) {
    return byNumber ? a->FNumber < b->FNumber : a->FZOrder < b->FZOrder;
  });
}

void TBoxes::SortTrayPieces(int key) {
  for (auto& tray : FTrays) SortPieces(tray->FPieces, key);
}

TBox& TBoxes::TrayAt(int32_t x, int32_t y) const {
  for (auto it = FTrays.rbegin(); it != FTrays.rend(); ++it) {
    TBox& tray = **it;
    if (!tray.IsBoard() && tray.IsOpen() && tray.BoxRect().Contains(x, y)) return tray;
  }
  return BoardTray();
}

TBox& TBoxes::TrayByNumber(int32_t number) const {
  for (const auto& tray : FTrays)
    if (tray->Number() == number) return *tray;
  return BoardTray();
}

// ---- Pieces and places ------------------------------------------------------------

void TBoxes::MovePiecesToTray(const TPieceList& list, TBox& target) {
  if (list.empty() || &TrayOf(*list.front()) == &target) return;
  // Each piece leaves the tray it is in, which normally is the first piece's.
  std::vector<TBox*> sources;
  for (TFormPiece* piece : list) {
    TBox* source = &TrayOf(*piece);
    if (source != &target && std::find(sources.begin(), sources.end(), source) == sources.end())
      sources.push_back(source);
  }
  const std::unordered_set<const TFormPiece*> moving(list.begin(), list.end());
  for (TBox* source : sources) {
    std::erase_if(source->FPieces, [&](const TFormPiece* piece) { return moving.count(piece) != 0; });
    source->UpdateButtonGlyph();
  }
  std::erase_if(target.FPieces, [&](const TFormPiece* piece) { return moving.count(piece) != 0; });
  target.AddPieces(list);
  target.UpdateButtonGlyph();
}

void TBoxes::MarkDragging(TBox& tray, bool value) {
  tray.FDragging = value;
  SetHidden(tray.FPieces, value);
}

void TBoxes::MoveTray(TBox& tray, int32_t dx, int32_t dy) {
  tray.FLeft += dx;
  tray.FTop += dy;
  OffsetList(tray.FPieces, dx, dy);
  StoreTrayPlaces(tray);
}

void TBoxes::HoldOnBoard(Rect& rect, const Rect& bounds) {
  if (rect.Right < bounds.Left + kTrayKeepVisible) rect = rect.Offset(bounds.Left + kTrayKeepVisible - rect.Right, 0);
  if (rect.Left > bounds.Right - kTrayKeepVisible) rect = rect.Offset(bounds.Right - kTrayKeepVisible - rect.Left, 0);
  if (rect.Top < bounds.Top) rect = rect.Offset(0, bounds.Top - rect.Top);
  if (rect.Top > bounds.Bottom - kTrayKeepVisible) rect = rect.Offset(0, bounds.Bottom - kTrayKeepVisible - rect.Top);
}

void TBoxes::StoreTrayPlaces(TBox& tray) { StoreNormalised(tray.FPieces, tray.InnerRect()); }

void TBoxes::FitTrayGroups(TBox& tray) {
  if (tray.IsBoard()) return;
  FitGroups(tray.FPieces, tray.InnerRect(), Options.RestoreTrayPlaces);
}

void TBoxes::FitAllTrays() {
  const Rect bounds = BoardBounds();
  for (auto& item : FTrays) {
    TBox& tray = *item;
    if (tray.IsBoard()) continue;
    Rect held = tray.BoxRect();
    HoldOnBoard(held, bounds);
    if (held.Left != tray.FLeft || held.Top != tray.FTop) MoveTray(tray, held.Left - tray.FLeft, held.Top - tray.FTop);
    FitTrayGroups(tray);
  }
  FitGroups(BoardTray().FPieces, BoardTray().BoxRect(), Options.RestoreBoardPlaces);
}

void TBoxes::ReplaceColour(Colour oldColour, Colour newColour) {
  for (auto& tray : FTrays)
    if (!tray->IsBoard() && tray->FColour == oldColour) tray->FColour = newColour;
}

// ---- The screen -------------------------------------------------------------------

Rect TBoxes::BoardBounds() const { return {0, 0, Config().BoardWidth, Config().BoardHeight}; }

void TBoxes::RepaintRect(const Rect& rect) { host_.InvalidateBoard(rect, false); }

void TBoxes::UpdateWindow(const Rect& rect) { host_.InvalidateBoard(rect, true); }

void TBoxes::ZoomBand(const Rect& from, const Rect& to) {
  if (!Options.AnimateTrays) return;
  TBand band(ZoomWait);
  band.SetRepaint([this](const Rect& area) { host_.InvalidateBoard(area, true); });
  Canvas canvas(BoardBitmap);
  band.Zoom(canvas, from, to);
}

Colour TBoxes::ResolveColour(Colour colour) const {
  return IsSystemColour(colour) ? host_.SystemColour(SystemColourIndex(colour)) : colour;
}

}  // namespace quill
