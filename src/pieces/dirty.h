// The dirty-rectangle list of sprite frames: keeps a clean copy of the board bitmap
// while something is dragged over it, restores last frame's rectangles, records this
// frame's (at most 16) and hands the merged areas to the screen. Owned by the moving
// layer, which runs Erase, Add/AddMasked and Flush once per pointer move.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/bitmap.h"
#include "raster/rect.h"

namespace quill {

// Receives each merged rectangle of a frame to show from the board bitmap (the board
// widget repaints exactly those rectangles).
class FlushTarget {
 public:
  virtual ~FlushTarget() = default;
  // `rect` lies inside `board`'s bounds and is not empty.
  virtual void ShowRect(const Bitmap& board, const Rect& rect) = 0;
};

// A flush target that copies the rectangles into a bitmap standing for the screen.
class BitmapFlushTarget : public FlushTarget {
 public:
  explicit BitmapFlushTarget(Bitmap& screen) : screen_(&screen) {}
  void ShowRect(const Bitmap& board, const Rect& rect) override;

 private:
  Bitmap* screen_;
};

// Pixel runs on the rows of a rectangle, relative to its top-left: row y holds
// Runs[RowStart[y]] up to Runs[RowStart[y + 1]], each from Left up to Right.
struct RowRuns {
  struct Run {
    int32_t Left = 0;
    int32_t Right = 0;
  };
  std::vector<uint32_t> RowStart{0};
  std::vector<Run> Runs;

  int32_t Rows() const { return static_cast<int32_t>(RowStart.size()) - 1; }
  // Appends a row made of the runs of `row` (true = in a run), `width` pixels long.
  void AddRow(const uint8_t* row, int32_t width);
};

class TDirty {
 public:
  static constexpr int kFrameCapacity = 16;
  static constexpr int kMergedCapacity = 2 * kFrameCapacity;
  // A merged rectangle swallowed by another one is marked dead by this Left.
  static constexpr int32_t kDeadLeft = 32767;

  // Starts drawing on `bitmap` (not owned): counts to 0, the clean copy becomes a
  // copy of it.
  void Attach(Bitmap& bitmap);
  // Forgets the rectangles of the last and the current frame.
  void Reset();
  // The board changed under `rect` (something was put down): the clean copy takes
  // the target's pixels there.
  void Commit(const Rect& rect);
  // Restores this frame's rectangles from the clean copy; they become the previous
  // frame's.
  void Erase();
  // A sprite frame about to be drawn over `next`: restores this frame's rectangles
  // from the clean copy only where they lie outside `next`; they become the previous
  // frame's. The frame must restore what it reads inside `next` (RestoreRuns) and
  // cover the rest.
  void EraseOutside(const Rect& next);
  // Restores `runs`, placed with their top-left at `origin`, from the clean copy.
  void RestoreRuns(Point origin, const RowRuns& runs);
  // Records `rect`, first copying `sourceRect` of `source` to it when a source is
  // given (stretched when the sizes differ). Ignored once 16 are recorded.
  void Add(const Rect& rect, const Bitmap* source = nullptr, const Rect& sourceRect = {});
  // Pastes `sourceRect` of `image` through the same part of `mask` (black where the
  // image shows, white where the board stays) at `rect` and records it. Ignored once
  // 16 are recorded.
  void AddMasked(const Rect& rect, const Bitmap& image, const Rect& sourceRect, const Bitmap& mask);
  // Merges the previous and then the current rectangles, each into the union of the
  // merged ones it overlaps, and hands every live merged rectangle, cut to the
  // target, to `screen`.
  void Flush(FlushTarget& screen);

  std::span<const Rect> Current() const { return {current_.data(), static_cast<size_t>(currentCount_)}; }
  std::span<const Rect> Previous() const { return {previous_.data(), static_cast<size_t>(previousCount_)}; }
  // The output of the last Flush, dead entries (Left == kDeadLeft) included.
  std::span<const Rect> Merged() const { return {merged_.data(), static_cast<size_t>(mergedCount_)}; }
  const Bitmap& CleanCopy() const { return clean_; }

 private:
  bool Full() const { return currentCount_ >= kFrameCapacity; }
  void Record(const Rect& rect) { current_[currentCount_++] = rect; }
  void MergeIn(const Rect& rect);
  void Restore(const Rect& rect);

  int currentCount_ = 0;
  int previousCount_ = 0;
  std::array<Rect, kFrameCapacity> previous_{};
  std::array<Rect, kFrameCapacity> current_{};
  std::array<Rect, kMergedCapacity> merged_{};
  int mergedCount_ = 0;
  Bitmap* target_ = nullptr;
  Bitmap clean_;
};

}  // namespace quill
