// Drawing again only what changed on the board since its look was taken.
#include "board/board_look.h"

#include <cstring>

#include "board/move.h"
#include "board/tray_records.h"
#include "common/byte_stream.h"

namespace quill {
namespace {

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Format() != b.Format() || a.Stride() != b.Stride())
    return false;
  return std::memcmp(a.Bits(), b.Bits(), static_cast<size_t>(a.Stride()) * static_cast<size_t>(a.Height())) == 0;
}

int64_t Area(const Rect& r) { return int64_t{r.Width()} * r.Height(); }

// Adds `rect` to `areas`, merged with every area it overlaps into one.
void MergeArea(std::vector<Rect>& areas, Rect rect) {
  for (size_t i = 0; i < areas.size();) {
    if (Intersection(areas[i], rect).IsEmpty()) {
      ++i;
      continue;
    }
    rect = Union(rect, areas[i]);
    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
    i = 0;  // the grown rectangle may now reach areas already passed
  }
  areas.push_back(rect);
}

}  // namespace

PieceLook PieceLook::Of(const TFormPiece& p) {
  return {p.X, p.Y, p.Width, p.Height, p.Group, p.Tray, p.AtlasX, p.AtlasY, p.Rotation, p.JoinedSides, p.Joined, p.Hidden};
}

bool ChangedAreas(const std::vector<PieceLook>& before, const std::vector<PieceLook>& after, int32_t woodDepth,
                  const Rect& bounds, std::vector<Rect>& areas) {
  areas.clear();
  if (before.size() != after.size()) return false;
  const auto place = [&](const PieceLook& look) {
    return Intersection(Rect{look.X, look.Y, look.X + look.Width, look.Y + look.Height + woodDepth}, bounds);
  };
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] == after[i]) continue;
    for (const Rect& rect : {place(before[i]), place(after[i])}) {
      if (rect.IsEmpty()) continue;
      MergeArea(areas, rect);
      if (areas.size() > kMostChangedAreas) return false;
    }
  }
  int64_t total = 0;
  for (const Rect& rect : areas) total += Area(rect);
  return total <= Area(bounds) / 2;
}

BoardLook TMove::LookOfBoard() {
  BoardLook look;
  for (const TFormPiece* piece : AllPieces()) look.Pieces.push_back(PieceLook::Of(*piece));
  ByteWriter trays;
  WriteTrays(*this, trays);
  look.Trays = trays.Take();
  look.Backdrop = FMural.Board();
  look.Shown = BoardBitmap;
  return look;
}

bool TMove::RedrawChangesSince(const BoardLook& before) {
  if (!SamePixels(FMural.Board(), before.Backdrop) || before.Shown.Width() != BoardBitmap.Width() ||
      before.Shown.Height() != BoardBitmap.Height())
    return false;
  ByteWriter trays;
  WriteTrays(*this, trays);
  if (trays.Take() != before.Trays) return false;
  std::vector<PieceLook> now;
  for (const TFormPiece* piece : AllPieces()) now.push_back(PieceLook::Of(*piece));
  std::vector<Rect> areas;
  if (!ChangedAreas(before.Pieces, now, WoodEdgeDepth(), BoardBitmap.Bounds(), areas)) return false;
  BoardBitmap = before.Shown;
  FlushDirty();
  for (const Rect& area : areas) RepaintRect(area);
  return true;
}

}  // namespace quill
