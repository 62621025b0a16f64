#include "pieces/cover_map.h"

#include <array>
#include <bit>
#include <cstring>

#include "pieces/sprite.h"

namespace quill {
namespace {

// Below this many pieces in the area every piece is drawn.
constexpr size_t kFewestPiecesWorthSifting = 8;

// The eight bytes, first pixel lowest, that the mask byte `bits` gives: 1 inside
// (bit 0), 0 outside.
constexpr std::array<uint64_t, 256> InsideBytesTable() {
  std::array<uint64_t, 256> table{};
  for (size_t bits = 0; bits < 256; ++bits)
    for (int i = 0; i < 8; ++i)
      if (((bits >> (7 - i)) & 1) == 0) table[bits] |= uint64_t{1} << (8 * i);
  return table;
}
constexpr std::array<uint64_t, 256> kInsideBytes = InsideBytesTable();

// Writes `count` bytes for the mask pixels from column `x` of a mask row: 1 inside.
void InsidePixels(const uint8_t* bits, int32_t x, int32_t count, uint8_t* out) {
  static_assert(std::endian::native == std::endian::little, "the first pixel is the lowest byte");
  int32_t i = 0;
  for (; i < count && ((x + i) & 7) != 0; ++i) out[i] = ((bits[(x + i) >> 3] >> (7 - ((x + i) & 7))) & 1) == 0;
  for (; i + 8 <= count; i += 8) std::memcpy(out + i, &kInsideBytes[bits[(x + i) >> 3]], 8);
  for (; i < count; ++i) out[i] = ((bits[(x + i) >> 3] >> (7 - ((x + i) & 7))) & 1) == 0;
}

// One byte for every pixel of the area: 1 where a solid pixel covers it.
class CoverMap {
 public:
  explicit CoverMap(const Rect& area)
      : area_(area), cells_(static_cast<size_t>(area.Width()) * static_cast<size_t>(area.Height()), 0) {}

  // Whether every pixel of rect (within the area) is covered.
  bool Covers(const Rect& rect) const {
    for (int32_t y = rect.Top; y < rect.Bottom; ++y)
      if (std::memchr(Cell(rect.Left, y), 0, static_cast<size_t>(rect.Width())) != nullptr) return false;
    return true;
  }

  // Covers the solid pixels of the piece.
  void AddSolid(const TFormPiece& piece, const Bitmap& maskAtlas) {
    const Rect box = Intersection(piece.BoardRect(), area_);
    if (box.IsEmpty()) return;
    const auto width = static_cast<size_t>(box.Width());
    solid_.assign(width * static_cast<size_t>(box.Height()), 0);
    const int32_t dx = piece.AtlasX - piece.X, dy = piece.AtlasY - piece.Y;
    for (int32_t y = box.Top; y < box.Bottom; ++y)
      InsidePixels(maskAtlas.ScanLine(y + dy), box.Left + dx, box.Width(),
                   solid_.data() + static_cast<size_t>(y - box.Top) * width);
    // Edge pixels blend with what lies beneath them.
    ForEachOpaqueRunIn(piece.EdgeSprite, box.Offset(-piece.X, -piece.Y), [&](int row, int from, int count) {
      std::memset(solid_.data() + static_cast<size_t>(row + piece.Y - box.Top) * width +
                      static_cast<size_t>(from + piece.X - box.Left),
                  0, static_cast<size_t>(count));
    });
    for (int32_t y = box.Top; y < box.Bottom; ++y) {
      const uint8_t* from = solid_.data() + static_cast<size_t>(y - box.Top) * width;
      uint8_t* cells = Cell(box.Left, y);
      for (size_t i = 0; i < width; ++i) cells[i] |= from[i];
    }
  }

 private:
  uint8_t* Cell(int32_t x, int32_t y) {
    return cells_.data() + static_cast<size_t>(y - area_.Top) * static_cast<size_t>(area_.Width()) +
           static_cast<size_t>(x - area_.Left);
  }
  const uint8_t* Cell(int32_t x, int32_t y) const { return const_cast<CoverMap*>(this)->Cell(x, y); }

  Rect area_;
  std::vector<uint8_t> cells_;
  std::vector<uint8_t> solid_;  // the solid pixels of one piece's box
};

// The part of the area that drawing the piece may change.
Rect Reach(const TFormPiece& piece, const Rect& area, int32_t woodDepth) {
  Rect reach = piece.BoardRect();
  reach.Bottom += woodDepth;
  return Intersection(reach, area);
}

}  // namespace

std::vector<bool> PiecesCoveredInArea(const TPieceList& list, const Rect& area, const Bitmap& maskAtlas,
                                      int32_t woodDepth) {
  size_t inArea = 0;
  for (const TFormPiece* piece : list)
    if (!piece->Hidden && !Reach(*piece, area, woodDepth).IsEmpty()) ++inArea;
  if (inArea < kFewestPiecesWorthSifting) return {};
  CoverMap cover(area);
  std::vector<bool> covered(list.size(), false);
  for (size_t i = list.size(); i-- > 0;) {
    const TFormPiece& piece = *list[i];
    const Rect reach = Reach(piece, area, woodDepth);
    if (piece.Hidden || reach.IsEmpty()) continue;
    if (cover.Covers(reach)) {
      covered[i] = true;
      continue;
    }
    cover.AddSolid(piece, maskAtlas);
  }
  return covered;
}

}  // namespace quill
