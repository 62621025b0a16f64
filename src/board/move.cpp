// Lifting pieces off the board: the selection, its drag image, mask, edge sprite and
// shadow, the sprite frames that follow the pointer, and moving the ghost picture.
#include "board/move.h"

#include <algorithm>
#include <vector>

#include "board/drag_backdrop.h"
#include "board/wait_cursor.h"
#include "common/records.h"
#include "common/util.h"
#include "raster/blit.h"

namespace quill {
namespace {

// Shows the rectangles of a sprite frame through the host at once.
class HostFlushTarget : public FlushTarget {
 public:
  explicit HostFlushTarget(Host& host) : host_(host) {}
  void ShowRect(const Bitmap&, const Rect& rect) override { host_.InvalidateBoard(rect, true); }

 private:
  Host& host_;
};

bool IsLoose(const TFormPiece& piece) { return !piece.Joined && !piece.AtHome; }

bool PassesFilter(const TFormPiece& piece, int filter) {
  switch (filter) {
    case kLiftEvery:
      return true;
    case kLiftLoose:
      return IsLoose(piece);
    case kLiftLooseEdge:
      return IsLoose(piece) && piece.IsEdgePiece();
    case kLiftLooseMiddle:
      return IsLoose(piece) && piece.ShapeClass >= ShapeKind::Fun;
    case kLiftLooseFun:
      return IsLoose(piece) && piece.IsFunPiece();
    default:
      return false;
  }
}

// A piece pixel of a 1-bit mask is black: bit 0.
bool IsMaskPixel(const Bitmap& mask, int32_t x, int32_t y) {
  return ((mask.ScanLine(y)[x >> 3] >> (7 - (x & 7))) & 1) == 0;
}

// Makes a bitmap width × height of format, all zero.
void SizeBitmap(Bitmap& bitmap, int32_t width, int32_t height, PixelFormat format) {
  if (bitmap.Format() != format) {
    bitmap.SetSize(0, 0);
    bitmap.SetFormat(format);
  }
  bitmap.SetSize(std::max(width, 0), std::max(height, 0));
}

// One pass of the 3 × 3 binomial average (1 2 1 / 2 4 2 / 1 2 1, rounded) from
// `from` into `to`, which may be the same map: then values already replaced are
// read by the pixels after them. Pixels beyond the map count as 0.
void BlurPass(const std::vector<uint8_t>& from, std::vector<uint8_t>& to, int32_t width, int32_t height) {
  static constexpr int kWeights[3][3] = {{1, 2, 1}, {2, 4, 2}, {1, 2, 1}};
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      int sum = 8;
      for (int dy = -1; dy <= 1; ++dy) {
        const int32_t yy = y + dy;
        if (yy < 0 || yy >= height) continue;
        for (int dx = -1; dx <= 1; ++dx) {
          const int32_t xx = x + dx;
          if (xx < 0 || xx >= width) continue;
          sum += kWeights[dy + 1][dx + 1] * from[static_cast<size_t>(yy) * width + xx];
        }
      }
      to[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(sum / 16);
    }
  }
}

}  // namespace

TMove::TMove(Host& host, UiState& mainForm) : TBoxes(host, mainForm) {}

TMove::~TMove() = default;

int32_t TMove::ShadowDepth() const {
  return std::clamp<int32_t>(PuzzleRecord.CellHeight / 10, kMinShadowDepth, kMaxShadowDepth);
}

int32_t TMove::WoodEdgeDepth() const { return Config().IsWoodStyle() ? Thickness : 0; }

Rect TMove::UnionOf(const TPieceList& list) {
  Rect rect;
  for (const TFormPiece* piece : list) rect = Union(rect, piece->BoardRect());
  return rect;
}

TPieceList TMove::GroupOf(TFormPiece& piece) const {
  TPieceList list{&piece};
  if (!piece.Joined) return list;
  for (const auto& q : PieceList)
    if (q.get() != &piece && q->Group == piece.Group) list.push_back(q.get());
  return list;
}

// ---- Composing the board ----

void TMove::RepaintBoard(const Rect& rect) {
  const Rect area = Intersection(rect, BoardBitmap.Bounds());
  if (area.IsEmpty()) return;
  FMural.CopyTo(area, BoardBitmap);
  DrawTrays(BoardBitmap, &area);
  FDirty.Commit(area);
}

void TMove::RepaintRect(const Rect& rect) {
  RepaintBoard(rect);
  const Rect area = Intersection(rect, BoardBitmap.Bounds());
  if (!area.IsEmpty()) TheHost().InvalidateBoard(area, false);
}

void TMove::FlushDirty() { FDirty.Attach(BoardBitmap); }

void TMove::FlushFrame() {
  HostFlushTarget screen(TheHost());
  FDirty.Flush(screen);
}

void TMove::ResizeBoard(int32_t width, int32_t height) {
  SizeBoard(width, height);
  ComposeBoard();
}

void TMove::ComposeBoard() {
  FMural.CopyTo(BoardBitmap.Bounds(), BoardBitmap);
  if (!FTrays.empty()) DrawTrays(BoardBitmap, nullptr);
  FlushDirty();
}

void TMove::SizeBoard(int32_t width, int32_t height) {
  width = std::clamp<int32_t>(width, 0, UINT16_MAX);
  height = std::clamp<int32_t>(height, 0, UINT16_MAX);
  Config().BoardWidth = width;
  Config().BoardHeight = height;
  SizeBitmap(BoardBitmap, width, height, PixelFormat::Rgb24);
  if (!FTrays.empty()) {
    TBox& board = BoardTray();
    board.FLeft = 0;
    board.FTop = 0;
    board.FWidth = static_cast<uint16_t>(width);
    board.FHeight = static_cast<uint16_t>(height);
  }
  FMural.Resize(width, height);
  FMural.SetLowColour(TheHost().ScreenColourDepth() < kTrueColourDepth);
  FMural.Render(Config().Ghost);
}

// ---- Lifting ----

void TMove::LiftSelection() {
  FDragAnchor = nullptr;
  const int32_t thickness = WoodEdgeDepth();
  const int32_t s = Config().Shadows ? ShadowDepth() : 0;
  FDragShadow = s;
  FDragRect.Right += s;
  FDragRect.Bottom += s + thickness;
  FDragOrigin = {FDragRect.Left, FDragRect.Top};
  const int32_t width = FDragRect.Width(), height = FDragRect.Height();
  SizeBitmap(FDragImage, width, height, PixelFormat::Rgb24);
  SizeBitmap(FDragMask, width, height, PixelFormat::Mono1);
  SizeBitmap(FDragUnder, width, height, PixelFormat::Rgb24);
  FDragMask.Fill(0xFF);

  OffsetList(FSelection, -FDragOrigin.X, -FDragOrigin.Y);
  DrawPieceMasks(FSelection, FDragMask);
  BuildDragSprite();
  if (s > 0) {
    BuildShadow(s);
  } else {
    FShadowSprite.clear();
  }
  // The mask covers the wood that hangs below each piece.
  for (int32_t i = 0; i < thickness; ++i) {
    OffsetList(FSelection, 0, 1);
    DrawPieceMasks(FSelection, FDragMask);
  }
  OffsetList(FSelection, FDragOrigin.X, FDragOrigin.Y - thickness);
  SetHidden(FSelection, true);
  FDragBackdrop = DragBackdropRuns(FDragMask, FDragSprite);

  Rect under = FDragRect;
  under.Top -= thickness;
  RepaintRect(under);
  FDirty.Reset();
  DrawSpriteFrame();
  FlushFrame();
  FGrabPending = true;
}

void TMove::LiftPiece(TFormPiece& piece) {
  FSelection = {&piece};
  FDragRect = piece.BoardRect();
  LiftSelection();
}

bool TMove::LiftFromList(const TPieceList& list, int filter) {
  FSelection.clear();
  for (TFormPiece* piece : list)
    if (PassesFilter(*piece, filter)) FSelection.push_back(piece);
  if (FSelection.empty()) return false;
  FDragRect = UnionOf(FSelection);
  LiftSelection();
  return true;
}

void TMove::PickGroup(TFormPiece* piece) {
  if (piece == nullptr) return;
  FSelection = GroupOf(*piece);
  FDragRect = UnionOf(FSelection);
  const WaitCursor wait(TheHost(), FSelection.size() >= 2 && !FCarrying);
  RenumberGroups(FSelection);
  LiftSelection();
}

bool TMove::PickAt(const TBox& tray, int32_t x, int32_t y) {
  TFormPiece* piece = tray.PieceAt(x, y, true);
  if (piece == nullptr) return false;
  PickGroup(piece);
  return true;
}

bool TMove::SelectInRect(int32_t trayNumber, const Rect& rect) {
  FSelection.clear();
  for (const auto& piece : PieceList)
    if (!piece->Joined && piece->Tray == trayNumber && Union(piece->BoardRect(), rect) == rect)
      FSelection.push_back(piece.get());
  if (FSelection.empty()) return false;
  SortPieces(FSelection, kSortByGroup);
  RenumberGroups(FSelection);
  FDragRect = UnionOf(FSelection);
  LiftSelection();
  return true;
}

// The pieces never moved while lifted: where they lie is repainted too when the
// selection was dragged away, so they show again there.
void TMove::CancelLift() {
  if (FSelection.empty()) return;
  SetHidden(FSelection, false);
  RepaintRect(FDragRect);
  const Rect home = FDragRect.Offset(FDragOrigin.X - FDragRect.Left, FDragOrigin.Y - FDragRect.Top);
  if (home != FDragRect) RepaintRect(home);
  FSelection.clear();
  FDragState = DragState::Idle;
  FCarrying = false;
}

// Edge pixels on the outline of the whole selection go into the edge sprite instead
// of being blended with the black of the drag image: each frame blends them with the
// board beneath.
void TMove::BuildDragSprite() {
  const int32_t width = FDragMask.Width(), height = FDragMask.Height();
  const int32_t stride = width + 2;
  const size_t size = static_cast<size_t>(stride) * static_cast<size_t>(height + 2);
  std::vector<uint8_t> inside(size, 0), edge(size, 0);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      if (IsMaskPixel(FDragMask, x, y)) inside[static_cast<size_t>(y + 1) * stride + x + 1] = 1;
  Sprite.SetCapture(true, inside.data(), stride, edge.data());
  DrawPieces(FSelection, FDragImage, nullptr);
  Sprite.CaptureOff();
  Sprite.Encode(FDragSprite, stride, edge.data(), stride, height + 2);
}

void TMove::BuildShadow(int32_t s) {
  const int32_t width = FDragMask.Width(), height = FDragMask.Height();
  if (s <= 0 || s >= height) {
    FShadowSprite.clear();
    return;
  }
  const int32_t half = s / 2;
  const int32_t offsetX = s * 3 / 4, offsetY = offsetX + WoodEdgeDepth();
  const int32_t mapWidth = width + half, mapHeight = height + half;
  const size_t size = static_cast<size_t>(mapWidth) * static_cast<size_t>(mapHeight);
  std::vector<uint8_t> shadow(size, 0), shape(size, 0);
  const auto at = [mapWidth](int32_t x, int32_t y) { return static_cast<size_t>(y) * mapWidth + x; };
  const auto inMap = [&](int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < mapWidth && y < mapHeight; };

  for (int32_t y = 0; y < height - s; ++y)
    for (int32_t x = 0; x < width - s; ++x)
      if (IsMaskPixel(FDragMask, x, y) && inMap(x + offsetX, y + offsetY)) shape[at(x + offsetX, y + offsetY)] = 31;
  for (int32_t pass = 0; pass < half; ++pass) BlurPass(pass == 0 ? shape : shadow, shadow, mapWidth, mapHeight);

  // No shadow under the inside of a piece.
  const auto full = [&](int32_t x, int32_t y) { return inMap(x, y) && shape[at(x, y)] == 31; };
  for (int32_t y = 0; y < mapHeight; ++y)
    for (int32_t x = 0; x < mapWidth; ++x) {
      const int32_t bx = x + offsetX, by = y + offsetY;
      if (full(bx - 1, by) && full(bx + 1, by) && full(bx, by - 1) && full(bx, by + 1)) shadow[at(x, y)] = 0;
    }
  for (uint8_t& v : shadow)
    if (v != 0) v = static_cast<uint8_t>(32 - v);
  Sprite.Encode(FShadowSprite, mapWidth, shadow.data(), mapWidth, mapHeight);
}

// ---- Following the pointer ----

void TMove::TrackPointer(int32_t x, int32_t y) {
  if (FGrabPending) {
    FGrabPending = false;
    FGrabOffset = {x - FDragRect.Left, y - FDragRect.Top};
  }
  FLastMouse = {x, y};
}

void TMove::FollowPointer(int32_t x, int32_t y, DragState state) {
  TrackPointer(x, y);
  FDragRect = FDragRect.Offset(x - FGrabOffset.X - FDragRect.Left, y - FGrabOffset.Y - FDragRect.Top);
  switch (state) {
    case DragState::Picked:
      HoldGroupOnBoard();
      break;
    case DragState::BandSelection:
      KeepOnBoard(FDragRect);
      break;
    case DragState::Tray: {
      const Rect body{FDragRect.Left, FDragRect.Top, FDragRect.Right - FDragShadow, FDragRect.Bottom - FDragShadow};
      Rect held = body;
      HoldOnBoard(held, BoardBounds());
      FDragRect = FDragRect.Offset(held.Left - body.Left, held.Top - body.Top);
      MoveTraySpriteTo(FDragRect.Left, FDragRect.Top);
      return;
    }
    case DragState::Ghost:
      FMural.KeepGhostVisible(FDragRect);
      MoveGhostSpriteTo(FDragRect.Left, FDragRect.Top);
      return;
    default:
      return;
  }
  MoveSpriteTo(FDragRect.Left, FDragRect.Top);
}

// The board as the unmoved pieces see it: a piece still on it by more than half a
// cell becomes the anchor; once none is, the anchor is pulled back to overlap it.
void TMove::HoldGroupOnBoard() {
  const Rect board = BoardTray().BoxRect();
  const Rect seen = board.Offset(FDragOrigin.X - FDragRect.Left, FDragOrigin.Y - FDragRect.Top);
  if (TFormPiece* inside = FindInArea(FSelection, seen)) {
    FDragAnchor = inside;
    return;
  }
  if (FDragAnchor != nullptr) {
    const Rect anchor = FDragAnchor->BoardRect();
    Rect kept = anchor;
    if (KeepInArea(kept, seen)) FDragRect = FDragRect.Offset(kept.Left - anchor.Left, kept.Top - anchor.Top);
    return;
  }
  KeepInArea(FDragRect, board);
}

// The last frame is taken off only where the new one does not reach; inside it the
// new frame restores what it reads and pastes over the rest.
void TMove::MoveSpriteTo(int32_t x, int32_t y) {
  FDragRect = FDragRect.Offset(x - FDragRect.Left, y - FDragRect.Top);
  FDirty.EraseOutside(FDragRect);
  FDirty.RestoreRuns({FDragRect.Left, FDragRect.Top}, FDragBackdrop);
  DrawSpriteFrame();
  FlushFrame();
}

void TMove::DrawSpriteFrame() {
  const int32_t left = FDragRect.Left, top = FDragRect.Top;
  const int32_t width = FDragImage.Width(), height = FDragImage.Height();
  if (!FShadowSprite.empty())
    Sprite.Draw(SpriteMode::Brightness, FShadowSprite, nullptr, nullptr, height, width, top, left, BoardBitmap);
  Sprite.Draw(SpriteMode::Save, FDragSprite, &FDragUnder, nullptr, height + 2, width + 2, top, left, BoardBitmap);
  FDirty.AddMasked(FDragRect, FDragImage, FDragImage.Bounds(), FDragMask);
  Sprite.Draw(SpriteMode::Edge, FDragSprite, &FDragUnder, nullptr, height + 2, width + 2, top, left, BoardBitmap);
}

TFormPiece* TMove::HitSelection(int32_t x, int32_t y) const {
  for (auto it = FSelection.rbegin(); it != FSelection.rend(); ++it)
    if (ShowsAt(**it, x, y)) return *it;
  return nullptr;
}

// ---- The ghost picture ----

// While the ghost is dragged the backdrop has none; the solved pieces travel with it
// as part of its image.
void TMove::LiftGhost() {
  FMural.Render(false);
  FMural.CopyTo(BoardBitmap.Bounds(), BoardBitmap);
  DrawTrays(BoardBitmap, nullptr);
  FlushDirty();

  FSelection.clear();
  for (TFormPiece* piece : BoardTray().FPieces)
    if (piece->AtHome) FSelection.push_back(piece);
  FDragRect = FMural.GhostRect();
  FDragOrigin = {FDragRect.Left, FDragRect.Top};
  FDragShadow = 0;
  FShadowSprite.clear();
  SizeBitmap(FDragImage, FDragRect.Width(), FDragRect.Height(), PixelFormat::Rgb24);
  if (const Bitmap* picture = FMural.Picture()) BitBlt(FDragImage, 0, 0, picture->Width(), picture->Height(), *picture, 0, 0);
  OffsetList(FSelection, -FDragOrigin.X, -FDragOrigin.Y);
  DrawPieces(FSelection, FDragImage, nullptr);
  SetHidden(FSelection, true);
  Rect under = FDragRect;
  under.Bottom += WoodEdgeDepth();
  RepaintRect(under);
  FDirty.Reset();
  FDirty.Add(FDragRect, &FDragImage, FDragImage.Bounds());
  FlushFrame();
  OffsetList(FSelection, FDragOrigin.X, FDragOrigin.Y);
  FGrabPending = true;
  TheHost().InvalidateBoard(BoardBitmap.Bounds(), true);
}

void TMove::MoveGhostSpriteTo(int32_t x, int32_t y) {
  FDirty.Erase();
  FDragRect = FDragRect.Offset(x - FDragRect.Left, y - FDragRect.Top);
  FDirty.Add(FDragRect, &FDragImage, FDragImage.Bounds());
  FlushFrame();
}

void TMove::DropGhost() {
  FMural.PlaceGhost(FDragRect.Left, FDragRect.Top);
  FMural.Render(true);
  SetHidden(FSelection, false);
  OffsetList(FSelection, FDragRect.Left - FDragOrigin.X, FDragRect.Top - FDragOrigin.Y);
  StoreTrayPlaces(BoardTray());
  Rect shown = FDragRect;
  shown.Bottom += WoodEdgeDepth();
  RepaintRect(shown);
  FSelection.clear();
}

}  // namespace quill
