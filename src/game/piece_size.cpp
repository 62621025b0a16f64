// The size and shape of the pieces: the piece size dialog's scale check and preview,
// its Apply, and the "&Piece Size..." command that runs it with an undo step and puts
// the shape back when the dialog is cancelled after Apply.
#include <algorithm>
#include <new>
#include <stdexcept>

#include "common/records.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "pieces/shape_preview.h"

namespace quill {
namespace {

// Cells the dialog accepts, in pixels of the scaled picture.
constexpr int64_t kSmallestCell = 8;
constexpr int64_t kLargestCell = 512;

constexpr const char* kScaleFallBackText =
    TextMark("Messages",
             "Insufficient graphics resources to set such a large piece size - reducing the number of colors of "
             "your desktop may help. Setting scale factor back to 100%...");

bool CellFits(int64_t cell) { return cell >= kSmallestCell && cell <= kLargestCell; }

void StoreShape(const PieceShape& shape) {
  PuzzleRecord.Oddness = static_cast<uint16_t>(shape.Oddness);
  PuzzleRecord.PieceStyle = std::clamp(shape.Style, 1, kMixStyle);
  PuzzleRecord.FunPieces = static_cast<uint16_t>(shape.Fun);
}

}  // namespace

PieceShape TJigsaw::CurrentPieceShape() const {
  return {PuzzleRecord.Scale, PuzzleRecord.PieceStyle, PuzzleRecord.Oddness, PuzzleRecord.FunPieces};
}

bool TJigsaw::DrawShapePreview(Canvas* canvas, int32_t scale, int32_t style, int32_t oddness) const {
  const TPuzzleRecord& r = PuzzleRecord;
  if (r.Columns == 0 || r.Rows == 0) return false;
  const int64_t width = int64_t{scale} * r.PictureWidth / 100;
  const int64_t height = int64_t{scale} * r.PictureHeight / 100;
  const int64_t cellWidth = width / r.Columns, cellHeight = height / r.Rows;
  // Outlines hold four times the picture's size in 16-bit coordinates: a larger
  // picture is refused like cells out of range, never pinned.
  if (!CellFits(cellWidth) || !CellFits(cellHeight) || width > kMaxPictureSide || height > kMaxPictureSide)
    return false;
  if (canvas != nullptr)
    DrawPreviewPiece(*canvas, static_cast<int>(cellWidth), static_cast<int>(cellHeight), style, oddness);
  return true;
}

void TJigsaw::ApplyPieceShape(const PieceShape& shape) { CutAtShape(shape, CurrentPieceShape()); }

void TJigsaw::ChangePieceSize(const std::function<bool()>& runDialog) {
  // Pieces carried on the pointer are drawn from their old images: the pieces are
  // cut anew only once they are down. A piece raised by its pop-up menu, or a band
  // selection, is put down first.
  if (FCarrying) return;
  CancelLift();
  const PieceShape before = CurrentPieceShape();
  RecordUndoPoint(kUndoSizeShape);
  if (runDialog()) return;  // OK keeps what was applied
  if (CurrentPieceShape() != before) CutAtShape(before, CurrentPieceShape());
}

void TJigsaw::CutAtShape(const PieceShape& shape, const PieceShape& before) {
  StoreShape(shape);
  bool noBitmaps = false;
  try {
    SetScale(shape.Scale);
    return;
  } catch (const std::bad_alloc&) {
    noBitmaps = true;
  } catch (const std::length_error&) {
    noBitmaps = true;  // a bitmap or atlas larger than can be made
  } catch (const std::exception& error) {
    TheHost().ShowMessage(error.what(), MessageKind::Error);
  }
  if (noBitmaps) {
    TheHost().ShowMessage(kScaleFallBackText, MessageKind::Error);
    SetScale(100);
  } else {
    StoreShape(before);
    SetScale(before.Scale);
  }
}

}  // namespace quill
