// Dirty rectangles of sprite frames: restoring, recording and merging.
#include "pieces/dirty.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "raster/blit.h"

namespace quill {
namespace {

// Copies `sourceRect` of `source` onto `rect` of `target` as a canvas copy does:
// stretched when the two sizes differ.
void CopyRect(Bitmap& target, const Rect& rect, const Bitmap& source, const Rect& sourceRect, RasterOp op) {
  StretchBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), source, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), op);
}

// t |= s over 24 bytes, a word at a time (the two rows may lie in one bitmap, so the
// compiler would otherwise go byte by byte).
void OrBytes24(uint8_t* t, const uint8_t* s) {
  for (int k = 0; k < 24; k += 8) {
    uint64_t a, b;
    std::memcpy(&a, t + k, 8);
    std::memcpy(&b, s + k, 8);
    a |= b;
    std::memcpy(t + k, &a, 8);
  }
}

// One row of a masked paste: pixel i of `t` becomes (t AND keep[bit]) OR s, where bit
// is mask bit `first` + i. Mask bytes that are all 0 or all 1 with black and white
// keep colours, the bulk of a piece mask, go eight pixels at a time.
void PasteMaskedRow(uint8_t* t, const uint8_t* s, const uint8_t* mask, int first, int count,
                    const std::array<Colour, 2>& keep) {
  const bool plain = keep[0] == kBlack && keep[1] == kWhite;
  const int end = first + count;
  for (int x = first; x < end;) {
    const uint8_t bits = mask[x >> 3];
    if (plain && (x & 7) == 0 && end - x >= 8 && (bits == 0x00 || bits == 0xFF)) {
      if (bits == 0x00) std::memcpy(t, s, 24);
      else OrBytes24(t, s);
      x += 8, t += 24, s += 24;
      continue;
    }
    const Colour k = keep[(bits >> (7 - (x & 7))) & 1];
    t[0] = static_cast<uint8_t>((t[0] & BlueOf(k)) | s[0]);
    t[1] = static_cast<uint8_t>((t[1] & GreenOf(k)) | s[1]);
    t[2] = static_cast<uint8_t>((t[2] & RedOf(k)) | s[2]);
    ++x, t += 3, s += 3;
  }
}

// Pastes `sourceRect` of a 24-bit image through the same part of a 1-bit mask of the
// same size in one pass over the rows, with the result of the two block copies (AND
// with the mask's colours, OR with the image). False (nothing done) when the bitmaps
// or sizes do not suit this path.
bool PasteMasked(Bitmap& target, const Rect& rect, const Bitmap& image, const Rect& sourceRect, const Bitmap& mask) {
  if (target.Format() != PixelFormat::Rgb24 || image.Format() != PixelFormat::Rgb24 ||
      mask.Format() != PixelFormat::Mono1 || &target == &image || image.Width() != mask.Width() ||
      image.Height() != mask.Height() || rect.Width() != sourceRect.Width() || rect.Height() != sourceRect.Height())
    return false;
  const int dx = sourceRect.Left - rect.Left, dy = sourceRect.Top - rect.Top;
  const Rect area = Intersection(Intersection(rect, target.Bounds()), image.Bounds().Offset(-dx, -dy));
  const std::array<Colour, 2> keep{mask.Palette()[0] & 0xFFFFFF, mask.Palette()[1] & 0xFFFFFF};
  for (int y = area.Top; y < area.Bottom; ++y)
    PasteMaskedRow(target.ScanLine(y) + 3 * area.Left, image.ScanLine(y + dy) + 3 * (area.Left + dx),
                   mask.ScanLine(y + dy), area.Left + dx, area.Width(), keep);
  return true;
}

bool IsLive(const Rect& r) { return r.Left != TDirty::kDeadLeft; }

// Calls `part` with the up to four bands of `rect` that lie outside `hole`: above,
// below, then left and right of it.
template <class Part>
void ForEachPartOutside(const Rect& rect, const Rect& hole, Part&& part) {
  const Rect inside = Intersection(rect, hole);
  if (inside.IsEmpty()) {
    part(rect);
    return;
  }
  const Rect bands[] = {{rect.Left, rect.Top, rect.Right, inside.Top},
                        {rect.Left, inside.Bottom, rect.Right, rect.Bottom},
                        {rect.Left, inside.Top, inside.Left, inside.Bottom},
                        {inside.Right, inside.Top, rect.Right, inside.Bottom}};
  for (const Rect& band : bands)
    if (!band.IsEmpty()) part(band);
}

}  // namespace

void BitmapFlushTarget::ShowRect(const Bitmap& board, const Rect& rect) {
  BitBlt(*screen_, rect.Left, rect.Top, rect.Width(), rect.Height(), board, rect.Left, rect.Top);
}

void TDirty::Attach(Bitmap& bitmap) {
  Reset();
  target_ = &bitmap;
  clean_ = bitmap;
}

void TDirty::Reset() {
  currentCount_ = 0;
  previousCount_ = 0;
}

void TDirty::Commit(const Rect& rect) {
  if (target_ == nullptr) return;
  BitBlt(clean_, rect.Left, rect.Top, rect.Width(), rect.Height(), *target_, rect.Left, rect.Top);
}

void TDirty::Erase() {
  for (int i = 0; i < currentCount_; ++i) {
    const Rect& r = current_[i];
    previous_[i] = r;
    Restore(r);
  }
  previousCount_ = currentCount_;
  currentCount_ = 0;
}

void TDirty::EraseOutside(const Rect& next) {
  for (int i = 0; i < currentCount_; ++i) {
    previous_[i] = current_[i];
    ForEachPartOutside(current_[i], next, [this](const Rect& band) { Restore(band); });
  }
  previousCount_ = currentCount_;
  currentCount_ = 0;
}

void TDirty::RestoreRuns(Point origin, const RowRuns& runs) {
  if (target_ == nullptr) return;
  const Rect bounds = Intersection(target_->Bounds(), clean_.Bounds());
  const int32_t first = std::max(0, bounds.Top - origin.Y);
  const int32_t last = std::min(runs.Rows(), bounds.Bottom - origin.Y);
  const bool rgb = target_->Format() == PixelFormat::Rgb24 && clean_.Format() == PixelFormat::Rgb24;
  for (int32_t row = first; row < last; ++row) {
    const int32_t y = origin.Y + row;
    uint8_t* to = target_->ScanLine(y);
    const uint8_t* from = clean_.ScanLine(y);
    for (uint32_t i = runs.RowStart[row]; i < runs.RowStart[row + 1]; ++i) {
      const int32_t left = std::max(bounds.Left, origin.X + runs.Runs[i].Left);
      const int32_t right = std::min(bounds.Right, origin.X + runs.Runs[i].Right);
      if (left >= right) continue;
      if (rgb) std::memcpy(to + 3 * left, from + 3 * left, 3 * static_cast<size_t>(right - left));
      else Restore({left, y, right, y + 1});
    }
  }
}

void TDirty::Restore(const Rect& rect) {
  if (target_ != nullptr) BitBlt(*target_, rect.Left, rect.Top, rect.Width(), rect.Height(), clean_, rect.Left, rect.Top);
}

void RowRuns::AddRow(const uint8_t* row, int32_t width) {
  for (int32_t x = 0; x < width;) {
    if (row[x] == 0) {
      ++x;
      continue;
    }
    const int32_t left = x;
    while (x < width && row[x] != 0) ++x;
    Runs.push_back({left, x});
  }
  RowStart.push_back(static_cast<uint32_t>(Runs.size()));
}

void TDirty::Add(const Rect& rect, const Bitmap* source, const Rect& sourceRect) {
  if (Full()) return;
  if (source != nullptr && target_ != nullptr) CopyRect(*target_, rect, *source, sourceRect, RasterOp::SrcCopy);
  Record(rect);
}

void TDirty::AddMasked(const Rect& rect, const Bitmap& image, const Rect& sourceRect, const Bitmap& mask) {
  if (Full()) return;
  if (target_ != nullptr && !PasteMasked(*target_, rect, image, sourceRect, mask)) {
    CopyRect(*target_, rect, mask, sourceRect, RasterOp::SrcAnd);
    CopyRect(*target_, rect, image, sourceRect, RasterOp::SrcPaint);
  }
  Record(rect);
}

void TDirty::Flush(FlushTarget& screen) {
  mergedCount_ = 0;
  for (int i = 0; i < previousCount_; ++i) MergeIn(previous_[i]);
  for (int i = 0; i < currentCount_; ++i) MergeIn(current_[i]);
  if (target_ == nullptr) return;
  for (int i = 0; i < mergedCount_; ++i) {
    if (!IsLive(merged_[i])) continue;
    const Rect shown = Intersection(merged_[i], target_->Bounds());
    if (!shown.IsEmpty()) screen.ShowRect(*target_, shown);
  }
}

// Unions `rect` with every live output rectangle it overlaps: the first of them grows
// to the union of all, the others are marked dead. Without overlap it is appended.
// At most 32 rectangles come in per flush, so the output never overflows.
void TDirty::MergeIn(const Rect& rect) {
  int first = -1;
  for (int i = 0; i < mergedCount_; ++i) {
    Rect& r = merged_[i];
    if (!IsLive(r) || Intersection(r, rect).IsEmpty()) continue;
    if (first < 0) {
      first = i;
      r = Union(r, rect);
    } else {
      merged_[first] = Union(merged_[first], r);
      r.Left = kDeadLeft;
    }
  }
  if (first < 0) merged_[mergedCount_++] = rect;
}

}  // namespace quill
