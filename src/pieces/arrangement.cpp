// The piece collection's operations on many pieces at once: sorting a list by group,
// shape, colour rank or random key; ranking the pieces by colour; random and pending
// quarter turns; scattering loose pieces over an area.
#include "pieces/arrangement.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/translate.h"
#include "common/records.h"
#include "common/random.h"
#include "common/util.h"
#include "pieces/parallel.h"
#include "pieces/piece_drawing.h"
#include "pieces/pieces.h"
#include "pieces/tab_codes.h"
#include "raster/blit.h"
#include "raster/quarter_turns.h"

namespace quill {

namespace {

constexpr const char* kSortingColoursCaption = TextMark("Messages", "Sorting colors: ");
constexpr const char* kRotatingCaption = TextMark("Messages", "Rotating: ");
// Colour samples lie on a grid of this step, starting one step inside the box.
constexpr int32_t kColourSampleStep = 4;
// Only these bits of a sort key choose the order.
constexpr int kSortKeyBits = 0x7F;
// Random sort keys are drawn below this.
constexpr int32_t kSortKeyRange = 65535;
// Farther than any two colours can be (√(3 × 255²) < 442).
constexpr int64_t kNoColourDistance = 1000;

// Begins a long operation's report and ends it when the scope is left, also when the
// operation fails, so the status line is cleared and the cursor restored.
class ProgressScope {
 public:
  ProgressScope(const ProgressReport& report, int total, const char* caption, bool waitCursor)
      : report_(report), total_(total), caption_(caption) {
    if (report_ && waitCursor) report_(0, total_, caption_);
  }
  ~ProgressScope() {
    if (report_) report_(0, 0, nullptr);
  }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  void Step(int done) const {
    if (report_) report_(done, total_, caption_);
  }

 private:
  const ProgressReport& report_;
  int total_;
  const char* caption_;
};

// Sign of a − b, so differences of 32-bit fields compare without overflow.
int Compare(int64_t a, int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

int CompareByGroup(const TFormPiece* a, const TFormPiece* b) {
  const int byGroup = Compare(a->Group, b->Group);
  return byGroup != 0 ? byGroup : Compare(a->Index, b->Index);
}

int CompareByShape(const TFormPiece* a, const TFormPiece* b) {
  const int byClass = Compare(static_cast<int64_t>(a->ShapeClass), static_cast<int64_t>(b->ShapeClass));
  return byClass != 0 ? byClass : Compare(a->TabCode, b->TabCode);
}

int CompareByShapeColour(const TFormPiece* a, const TFormPiece* b) {
  const int byShape = CompareByShape(a, b);
  return byShape != 0 ? byShape : Compare(a->Colour, b->Colour);
}

// The picture's pixel as a pixel read gives it: the invalid colour 0xFFFFFFFF outside.
uint32_t ReadPixel(const Bitmap& picture, int32_t x, int32_t y) {
  if (picture.Format() == PixelFormat::Rgb24 && x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height()) {
    const uint8_t* p = picture.ScanLine(y) + 3 * static_cast<size_t>(x);
    return MakeColour(p[2], p[1], p[0]);
  }
  return static_cast<uint32_t>(picture.PixelAt(x, y));
}

int64_t SquaredDistance(int32_t a, int32_t b) {
  const int64_t dr = RedOf(static_cast<Colour>(a)) - RedOf(static_cast<Colour>(b));
  const int64_t dg = GreenOf(static_cast<Colour>(a)) - GreenOf(static_cast<Colour>(b));
  const int64_t db = BlueOf(static_cast<Colour>(a)) - BlueOf(static_cast<Colour>(b));
  return dr * dr + dg * dg + db * db;
}

// The colours still to rank, as a circle linked both ways by position.
class ColourCircle {
 public:
  explicit ColourCircle(size_t count) : next_(count), previous_(count) {
    for (size_t i = 0; i < count; ++i) {
      next_[i] = (i + 1) % count;
      previous_[i] = (i + count - 1) % count;
    }
  }
  size_t Next(size_t i) const { return next_[i]; }
  void Unlink(size_t i) {
    next_[previous_[i]] = next_[i];
    previous_[next_[i]] = previous_[i];
  }

 private:
  std::vector<size_t> next_;
  std::vector<size_t> previous_;
};

// Clears rows 0 .. rows − 1 of a scratch bitmap to the byte an atlas cell holds
// outside its piece.
void ClearRows(Bitmap& bitmap, int rows, uint8_t byte) {
  for (int y = 0; y < std::min(rows, bitmap.Height()); ++y)
    std::memset(bitmap.ScanLine(y), byte, static_cast<size_t>(bitmap.Stride()));
}

// Grows a scratch bitmap to at least size × size, keeping its format.
void EnsureScratchSize(Bitmap& bitmap, int size) {
  if (bitmap.Width() < size || bitmap.Height() < size)
    bitmap.SetSize(std::max(bitmap.Width(), size), std::max(bitmap.Height(), size));
}

}  // namespace

// ---- Colour ranking ----

int32_t SampleAverageColour(const Bitmap& picture, const PieceBox& box) {
  int64_t red = 0, green = 0, blue = 0, samples = 0;
  for (int32_t y = kColourSampleStep; y < box.Height; y += kColourSampleStep) {
    for (int32_t x = kColourSampleStep; x < box.Width; x += kColourSampleStep) {
      const uint32_t colour = ReadPixel(picture, box.X + x, box.Y + y);
      red += RedOf(colour);
      green += GreenOf(colour);
      blue += BlueOf(colour);
      ++samples;
    }
  }
  if (samples == 0) samples = 1;
  return static_cast<int32_t>(MakeColour(static_cast<uint8_t>(red / samples), static_cast<uint8_t>(green / samples),
                                         static_cast<uint8_t>(blue / samples)));
}

void RankColourChain(std::span<int32_t> colours, const ProgressReport& progress) {
  const size_t count = colours.size();
  if (count == 0) return;
  const ProgressScope scope(progress, static_cast<int>(count), kSortingColoursCaption, true);
  ColourCircle circle(count);
  size_t current = 0;
  int64_t threshold = 0;  // a search stops at the first colour this close
  for (size_t rank = 0; rank < count; ++rank) {
    const int32_t colour = colours[current];
    colours[current] = static_cast<int32_t>(rank);
    const size_t successor = circle.Next(current);
    circle.Unlink(current);
    if (rank + 1 == count) {
      scope.Step(static_cast<int>(rank + 1));
      break;
    }
    // Once round the rest, the successor last. floor(√s) < best exactly when s < best²,
    // so the square root is only taken for a new best.
    int64_t best = kNoColourDistance;
    size_t nearest = successor;
    size_t candidate = successor;
    do {
      candidate = circle.Next(candidate);
      const int64_t squared = SquaredDistance(colour, colours[candidate]);
      if (squared < best * best) {
        best = IntSqrt(static_cast<uint32_t>(squared));
        nearest = candidate;
        if (best <= threshold) break;
      }
    } while (candidate != successor);
    if (best > threshold) ++threshold;
    current = nearest;
    scope.Step(static_cast<int>(rank + 1));
  }
}

std::vector<int32_t> ColourRanks(const Bitmap& picture, std::span<const PieceBox> homes, int threads,
                                 const ProgressReport& progress) {
  // Each piece's samples are its own: they are taken on several threads.
  std::vector<int32_t> colours(homes.size());
  ForEachOnThreads(homes.size(), threads, [&](int, size_t k) { colours[k] = SampleAverageColour(picture, homes[k]); });
  RankColourChain(colours, progress);
  return colours;
}

void TPieces::SortByColour(const Bitmap& picture, const ProgressReport& progress) {
  std::vector<PieceBox> homes(PieceList.size());
  for (size_t i = 0; i < homes.size(); ++i) homes[i] = PieceList[i]->HomeBox();
  SetColourRanks(ColourRanks(picture, homes, ImagingThreadCount(), progress));
}

void TPieces::SetColourRanks(std::span<const int32_t> ranks) {
  for (size_t i = 0; i < ranks.size() && i < PieceList.size(); ++i) PieceList[i]->Colour = ranks[i];
}

// ---- Sorting ----

void TPieces::SortPieces(TPieceList& list, int key) {
  if (list.empty()) return;
  const std::span<TFormPiece*> items(list);
  switch (key & kSortKeyBits) {
    case kSortByGroup:
      SortItems(items, CompareByGroup);
      break;
    case kSortByShape:
      SortItems(items, CompareByShape);
      break;
    case kSortByColour:
      SortItems(items, [](const TFormPiece* a, const TFormPiece* b) { return Compare(a->Colour, b->Colour); });
      break;
    case kSortByShapeColour:
      SortItems(items, CompareByShapeColour);
      break;
    case kSortByRandomKey:
      SortItems(items, [](const TFormPiece* a, const TFormPiece* b) { return Compare(a->SortKey, b->SortKey); });
      break;
    default:
      break;
  }
}

// ---- Turning ----

void TPieces::RandomiseRotation(const TPieceList& list, bool direct) const {
  if (!config_->Rotating) return;
  for (TFormPiece* piece : list) {
    if (piece->Joined) continue;
    const auto turns = static_cast<uint8_t>(Random(4));
    if (direct) {
      piece->Rotation = turns;
    } else {
      piece->PendingTurns = turns;
    }
  }
}

void TPieces::RotatePieces(const TPieceList& list, int extraTurns, bool showWaitCursor, bool showProgress,
                           const ProgressReport& progress) {
  const int total = static_cast<int>(list.size());
  const ProgressScope scope(progress, total, kRotatingCaption, showWaitCursor && total > 1);
  const bool wood = config_->IsWoodStyle();
  WoodTurnScratch woodScratch;
  if (wood) {
    const size_t size = static_cast<size_t>(PuzzleRecord.CellWidth) *
                        static_cast<size_t>(PuzzleRecord.CellWidth + std::max<int32_t>(Thickness, 0));
    woodScratch.Edge.assign(size, 0);
  }
  for (int position = 0; position < total; ++position) {
    TFormPiece& piece = *list[static_cast<size_t>(position)];
    // Callers keep the sum within 0..3; any other sum counts modulo 4.
    const int turns = ((extraTurns + piece.PendingTurns) % 4 + 4) % 4;
    if (turns == 0) continue;
    TurnMaskCell(piece, turns);
    if (turns % 2 == 1) std::swap(piece.Width, piece.Height);
    if (wood) RebuildTurnedSolidSprite(piece, woodScratch);
    piece.Rotation = static_cast<uint8_t>((piece.Rotation + turns) % 4);
    piece.PendingTurns = 0;
    piece.TabCode = RotateTabCode(piece.TabCode, turns);
    piece.AtHome = false;
    if (showProgress) scope.Step(position + 1);
  }
}

void TPieces::TurnMaskCell(const TFormPiece& piece, int turns) {
  const int32_t width = piece.Width;
  const int32_t height = piece.Height;
  const int32_t square = std::max(width, height);
  // The square copied back covers the piece's box before and after the turn; the
  // scratch is cleared first so the mask stays white (outside) where the piece is not.
  EnsureScratchSize(RotateMask, square);
  ClearRows(RotateMask, square, 0xFF);
  const Rect source{piece.AtlasX, piece.AtlasY, piece.AtlasX + width, piece.AtlasY + height};
  const Rect turned = turns % 2 == 1 ? Rect{0, 0, height, width} : Rect{0, 0, width, height};
  RotateCopy1(MaskAtlas, RotateMask, source, turns, turned);
  BitBlt(MaskAtlas, piece.AtlasX, piece.AtlasY, square, square, RotateMask, 0, 0);
}

// The turned mask is still in `RotateMask`, its box at the origin: the wood edge
// hangs below the piece as it now lies.
void TPieces::RebuildTurnedSolidSprite(TFormPiece& piece, WoodTurnScratch& scratch) {
  const MaskCell cell{RotateMask.ScanLine(0), static_cast<size_t>(RotateMask.Stride()), 0, 0};
  BuildWoodEdge(Sprite, SolidTexture, cell, piece.Width, piece.Height, Thickness, scratch.Edge, piece.SolidSprite);
}

void TPieces::ListPendingRotation(TPieceList& list) const {
  for (const auto& piece : PieceList)
    if (piece->PendingTurns != 0) list.push_back(piece.get());
}

// ---- Scattering ----

void TPieces::ScatterPieces(const TPieceList& list, const Rect& area) const {
  const int32_t cellWidth = PuzzleRecord.CellWidth;
  const int32_t margin = cellWidth - cellWidth / 8;
  for (TFormPiece* piece : list) {
    if (piece->Joined) continue;
    piece->Group = PuzzleRecord.NextGroup++;
    // The draws come in this order for every piece: X, Y, sort key.
    piece->X = area.Left + Random(area.Width() - margin + 1);
    piece->Y = area.Top + Random(area.Height() - margin + 1);
    Rect rect = piece->BoardRect();
    KeepInArea(rect, area);
    MoveTo(*piece, rect.Left, rect.Top, area);
    piece->Placed = false;
    piece->AtHome = false;
    // Keys above 32767 wrap to negative values in the 16-bit field.
    piece->SortKey = static_cast<int16_t>(Random(kSortKeyRange));
  }
  ClassifyPieces(list);
}

}  // namespace quill
