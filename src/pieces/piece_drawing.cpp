#include "pieces/piece_drawing.h"

#include <algorithm>
#include <cstring>

#include "common/translate.h"
#include "common/jpeg_decode.h"
#include "common/records.h"
#include "common/resources.h"
#include "common/util.h"
#include "pieces/cover_map.h"
#include "pieces/cutting.h"
#include "pieces/parallel.h"
#include "pieces/pieces.h"
#include "pieces/progress_steps.h"
#include "raster/blit.h"
#include "raster/quarter_turns.h"

namespace quill {
namespace {

constexpr const char* kDrawingCaption = TextMark("Messages", "Drawing: ");
constexpr int kBytesPerPixel = 3;

bool MaskBitSet(const uint8_t* row, int32_t x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }

int32_t ColourDistance(Colour a, Colour b) {
  const int32_t dr = RedOf(a) - RedOf(b), dg = GreenOf(a) - GreenOf(b), db = BlueOf(a) - BlueOf(b);
  return dr * dr + dg * dg + db * db;
}

// Gives the pixels of palette index 0 the nearest of the other colours.
void FreePaletteIndexZero(Bitmap& texture, int colours) {
  const auto& palette = texture.Palette();
  int nearest = 1;
  for (int i = 2; i < colours; ++i)
    if (ColourDistance(palette[static_cast<size_t>(i)], palette[0]) <
        ColourDistance(palette[static_cast<size_t>(nearest)], palette[0]))
      nearest = i;
  for (int y = 0; y < texture.Height(); ++y) {
    uint8_t* row = texture.ScanLine(y);
    for (int x = 0; x < texture.Width(); ++x)
      if (row[x] == 0) row[x] = static_cast<uint8_t>(nearest);
  }
}

// Makes `bitmap` width × height pixels of `format`, all zero.
void SizeBitmap(Bitmap& bitmap, int32_t width, int32_t height, PixelFormat format) {
  if (bitmap.Format() != format) {
    bitmap.SetSize(0, 0);
    bitmap.SetFormat(format);
  }
  bitmap.SetSize(width, height);
}

// A piece's pixels inside its mask (bit 0) replace the target's over `area` of the
// target; the mask is read (dx, dy) further on and the pixels come from the picture
// along `walk` (box pixel (x, y) is target pixel (x + left, y + top)). Picture pixels
// the walk does not find are black. Eight pixels that share one mask byte all
// outside are passed over at once, and all inside copied at once when the piece
// lies unturned.
void ComposeFromPicture(Bitmap& target, const Rect& area, const Bitmap& mask, int32_t dx, int32_t dy,
                        const Bitmap& picture, const PictureWalk& walk, Point boxOrigin) {
  const Rect box{area.Left - boxOrigin.X, area.Top - boxOrigin.Y, area.Right - boxOrigin.X,
                 area.Bottom - boxOrigin.Y};
  const Point first = walk.At(box.Left, box.Top), last = walk.At(box.Right - 1, box.Bottom - 1);
  const Rect reached{std::min(first.X, last.X), std::min(first.Y, last.Y), std::max(first.X, last.X) + 1,
                     std::max(first.Y, last.Y) + 1};
  const bool whole = Intersection(reached, picture.Bounds()) == reached;
  const bool unturned = walk.AlongRow == Point{1, 0};
  const ptrdiff_t stride = picture.Stride();
  const ptrdiff_t step = walk.AlongRow.Y * stride + walk.AlongRow.X * kBytesPerPixel;
  const uint8_t kBlack[kBytesPerPixel] = {0, 0, 0};
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const uint8_t* bits = mask.ScanLine(y + dy);
    uint8_t* to = target.ScanLine(y);
    const Point start = walk.At(box.Left, y - boxOrigin.Y);
    const uint8_t* from = whole ? picture.ScanLine(start.Y) + static_cast<ptrdiff_t>(start.X) * kBytesPerPixel
                                : nullptr;
    for (int32_t x = area.Left; x < area.Right;) {
      const int32_t ax = x + dx;
      uint8_t* t = to + static_cast<ptrdiff_t>(x) * kBytesPerPixel;
      if ((ax & 7) == 0 && x + 8 <= area.Right) {
        const uint8_t byte = bits[ax >> 3];
        if (byte == 0xFF || (byte == 0x00 && whole && unturned)) {
          if (byte == 0x00) std::memcpy(t, from, 8 * kBytesPerPixel);
          x += 8;
          if (from) from += 8 * step;
          continue;
        }
      }
      if (!MaskBitSet(bits, ax)) {
        const uint8_t* s = from;
        if (!whole) {
          const Point p = walk.At(x - boxOrigin.X, y - boxOrigin.Y);
          s = picture.Bounds().Contains(p.X, p.Y)
                  ? picture.ScanLine(p.Y) + static_cast<ptrdiff_t>(p.X) * kBytesPerPixel
                  : kBlack;
        }
        std::memcpy(t, s, kBytesPerPixel);
      }
      ++x;
      if (from) from += step;
    }
  }
}

}  // namespace

Bitmap LoadSolidTexture() {
  const std::vector<uint8_t> jpeg = LoadResourceStream("Solid", "JPG");
  Bitmap texture;
  DecodeJpegPalette(jpeg.data(), jpeg.size(), kWoodTextureColours, texture);
  FreePaletteIndexZero(texture, kWoodTextureColours);
  return texture;
}

TSprite MakePieceSprite(const Bitmap& texture, bool smooth) {
  TSprite sprite(0);
  sprite.SetPalette(texture.Palette());
  sprite.SetSmooth(smooth);
  return sprite;
}

// Row by row, each column keeping its own countdown of wood pixels still to hang
// below the last piece pixel seen in it. Eight columns of one mask byte that are all
// inside, or all outside with nothing left to hang, are passed over at once.
void BuildWoodEdge(const TSprite& sprite, const Bitmap& texture, const MaskCell& cell, int32_t width, int32_t height,
                   int32_t thickness, std::vector<uint8_t>& scratch, SpriteBlock& solid) {
  thickness = std::clamp(thickness, 0, 255);
  const int32_t rows = height + thickness;
  if (width < 1 || rows < 1 || texture.Empty()) {
    solid.clear();
    return;
  }
  const size_t used = static_cast<size_t>(width) * static_cast<size_t>(rows);
  if (scratch.size() < used) scratch.resize(used, 0);
  std::vector<uint8_t> countdown(static_cast<size_t>(width) + 8, 0);
  const int32_t textureWidth = texture.Width(), textureHeight = texture.Height();
  // Locals, so that the byte stores below cannot make the compiler reload them.
  const int32_t cellX = cell.X;
  const uint8_t* const bits0 = cell.Bits + static_cast<size_t>(cell.Y) * cell.RowBytes;
  const size_t rowBytes = cell.RowBytes;
  for (int32_t j = 0; j < rows; ++j) {
    const uint8_t* mask = j < height ? bits0 + static_cast<size_t>(j) * rowBytes : nullptr;
    const uint8_t* wood = texture.ScanLine(j % textureHeight);
    const uint8_t* woodAbove = texture.ScanLine((j + textureHeight - 1) % textureHeight);
    uint8_t* out = scratch.data() + static_cast<size_t>(j) * static_cast<size_t>(width);
    for (int32_t i = 0; i < width;) {
      const int32_t x = cellX + i;
      uint8_t* left = countdown.data() + i;
      if ((x & 7) == 0 && i + 8 <= width) {
        const uint8_t bits = mask != nullptr ? mask[x >> 3] : 0xFF;
        uint64_t pending;
        std::memcpy(&pending, left, sizeof pending);
        if (bits == 0x00) {
          std::memset(left, thickness, 8);
          i += 8;
          continue;
        }
        if (bits == 0xFF && pending == 0) {
          i += 8;
          continue;
        }
      }
      if (mask != nullptr && !MaskBitSet(mask, x)) {
        *left = static_cast<uint8_t>(thickness);
      } else if (*left > 0) {
        const int32_t textureX = x % textureWidth;
        // The piece's own last pixel of the run turns to wood too.
        if (*left == thickness) out[i - width] = woodAbove[textureX];
        out[i] = wood[textureX];
        --*left;
      }
      ++i;
    }
  }
  sprite.Encode(solid, width, scratch.data(), width, rows);
  std::fill_n(scratch.begin(), used, uint8_t{0});
}

PictureWalk PictureWalkOf(const TFormPiece& piece) {
  const int32_t x = piece.HomeX, y = piece.HomeY, w = piece.Width, h = piece.Height;
  switch (piece.Rotation & 3) {
    case 1: return {{x, y + w - 1}, {0, -1}, {1, 0}};
    case 2: return {{x + w - 1, y + h - 1}, {-1, 0}, {0, -1}};
    case 3: return {{x + h - 1, y}, {0, 1}, {-1, 0}};
    default: return {{x, y}, {1, 0}, {0, 1}};
  }
}

void PlaceAtlasCells(const TPieceList& pieces) {
  const int32_t columns = std::max<int32_t>(PuzzleRecord.Columns, 1);
  for (TFormPiece* piece : pieces) {
    piece->AtlasX = piece->Index % columns * PuzzleRecord.CellWidth;
    piece->AtlasY = piece->Index / columns * PuzzleRecord.CellHeight;
  }
}

// ---- TPieces: atlases and sprites ----

int TPieces::ImagingThreadCount() const { return ImagingThreads > 0 ? ImagingThreads : DefaultImagingThreads(); }

void TPieces::RenderAtlases(std::span<const uint8_t> maskBuffer, const ProgressReport& progress, Bitmap* maskAtlas) {
  const int32_t cellWidth = PuzzleRecord.CellWidth, cellHeight = PuzzleRecord.CellHeight;
  const ProgressSteps steps(progress, 1, kDrawingCaption);
  SizeBitmap(CellBackup, cellWidth, cellHeight, PixelFormat::Rgb24);
  SizeBitmap(RotateMask, cellWidth, cellHeight, PixelFormat::Mono1);
  if (maskAtlas != nullptr) {
    MaskAtlas = std::move(*maskAtlas);
  } else {
    SizeBitmap(MaskAtlas, 0, 0, PixelFormat::Mono1);
    BitsToBitmap(PuzzleRecord.AtlasWidth, PuzzleRecord.AtlasHeight, MaskAtlas, maskBuffer);
  }
  PlaceAtlasCells(AllPieces());
  BuildSolidSprites(maskBuffer);
  steps.Step(1);
}

void TPieces::BuildSolidSprites(std::span<const uint8_t> maskBuffer) {
  if (!Config().IsWoodStyle()) {
    for (const auto& piece : PieceList) SpriteBlock().swap(piece->SolidSprite);
    return;
  }
  const size_t rowBytes = static_cast<size_t>(PuzzleRecord.AtlasWidth) / 8;
  const int threads = ImagingThreadCount();
  std::vector<std::vector<uint8_t>> scratch(static_cast<size_t>(threads));
  ForEachOnThreads(PieceList.size(), threads, [&](int worker, size_t k) {
    TFormPiece& piece = *PieceList[k];
    const MaskCell cell{maskBuffer.data(), rowBytes, piece.AtlasX, piece.AtlasY};
    BuildWoodEdge(Sprite, SolidTexture, cell, piece.Width, piece.Height, Thickness,
                  scratch[static_cast<size_t>(worker)], piece.SolidSprite);
  });
}

// ---- TPieces: drawing ----

// Composing a large area with many pieces is shared among threads by bands of rows:
// each band draws the whole list clipped to itself, with a sprite and scratch cell
// of its own. A pixel sees the same pieces drawn in the same order as when the area
// is drawn whole, so the result does not depend on the number of bands.
int TPieces::DrawingBands(size_t pieces, const Rect& area) const {
  constexpr size_t kFewestPieces = 64;
  constexpr int64_t kFewestPixels = 256 * 1024;
  constexpr int kBandsPerThread = 2;  // so that a band crowded with pieces does not hold up the rest
  const int threads = ImagingThreadCount();
  if (threads < 2 || pieces < kFewestPieces || int64_t{area.Width()} * area.Height() < kFewestPixels) return 1;
  return std::min(threads * kBandsPerThread, area.Height());
}

void TPieces::DrawPieces(const TPieceList& list, Bitmap& target, const Rect* clip) {
  const Rect area = clip ? Intersection(*clip, target.Bounds()) : target.Bounds();
  const int bands = DrawingBands(list.size(), area);
  if (bands <= 1) {
    DrawPiecesWith(list, target, clip, Sprite, CellBackup);
    return;
  }
  ForEachOnThreads(static_cast<size_t>(bands), ImagingThreadCount(), [&](int, size_t k) {
    const auto row = [&](size_t n) { return area.Top + static_cast<int32_t>(n * area.Height() / bands); };
    const Rect band{area.Left, row(k), area.Right, row(k + 1)};
    TSprite sprite = Sprite;
    Bitmap backup(CellBackup.Width(), CellBackup.Height());
    DrawPiecesWith(list, target, &band, sprite, backup);
  });
}

void TPieces::DrawPiecesWith(const TPieceList& list, Bitmap& target, const Rect* clip, TSprite& sprite,
                             Bitmap& backup) const {
  const bool wood = Config().IsWoodStyle();
  Rect test;
  if (clip != nullptr) {
    test = *clip;
    // A wood edge hangs below its piece: pieces just above the clip reach into it.
    if (wood) test.Top -= Thickness;
  }
  // Pieces that others drawn after them cover wholly are passed over. Captured edge
  // pixels are kept even where a later piece covers them, so then all are drawn.
  const Rect area = clip != nullptr ? Intersection(*clip, target.Bounds()) : target.Bounds();
  const std::vector<bool> covered =
      sprite.Capturing() ? std::vector<bool>{} : PiecesCoveredInArea(list, area, MaskAtlas, wood ? Thickness : 0);
  const auto passes = [&](size_t i) {
    return (covered.empty() || !covered[i]) &&
           (clip == nullptr || !Intersection(list[i]->BoardRect(), test).IsEmpty());
  };
  if (!wood) {
    for (size_t i = 0; i < list.size(); ++i)
      if (passes(i)) DrawPieceWith(*list[i], target, clip, sprite, backup);
    return;
  }
  // A group's wood edges go under its own faces, and a later group covers an
  // earlier one, wood edges included.
  for (size_t start = 0; start < list.size();) {
    size_t end = start + 1;
    while (end < list.size() && list[end]->Group == list[start]->Group) ++end;
    for (size_t i = start; i < end; ++i)
      if (passes(i)) DrawPieceSolidWith(*list[i], target, clip, sprite);
    for (size_t i = start; i < end; ++i)
      if (passes(i)) DrawPieceWith(*list[i], target, clip, sprite, backup);
    start = end;
  }
}

void TPieces::DrawPiece(const TFormPiece& piece, Bitmap& target, const Rect* clip) {
  DrawPieceWith(piece, target, clip, Sprite, CellBackup);
}

void TPieces::DrawPieceWith(const TFormPiece& piece, Bitmap& target, const Rect* clip, TSprite& sprite,
                            Bitmap& backup) const {
  if (piece.Hidden) return;
  const TJigConfig& config = Config();
  const int32_t width = piece.Width, height = piece.Height;
  Rect area = Intersection(piece.BoardRect(), target.Bounds());
  if (clip != nullptr) area = Intersection(area, *clip);
  // What lies beneath, for blending the edge, which is drawn within the same area.
  BitBlt(backup, area.Left - piece.X, area.Top - piece.Y, area.Width(), area.Height(), target, area.Left, area.Top);

  // The piece's pixels replace the target's inside the piece.
  if (target.Format() == PixelFormat::Rgb24 && !area.IsEmpty())
    ComposeFromPicture(target, area, MaskAtlas, piece.AtlasX - piece.X, piece.AtlasY - piece.Y, Picture,
                       PictureWalkOf(piece), Point{piece.X, piece.Y});

  if (config.OutlineStyle != kOutlineNone && (!piece.Joined || !config.AutoHide))
    sprite.Draw(SpriteMode::Brightness, piece.ShadeSprite, nullptr, clip, height, width, piece.Y, piece.X, target);
  // Joined sides meet their neighbour with hard edges, without a blended seam.
  if (config.OutlineStyle == kOutlineNone || config.AutoHide) sprite.SetHiddenSides(piece.JoinedSides);
  sprite.Draw(SpriteMode::Edge, piece.EdgeSprite, &backup, clip, height, width, piece.Y, piece.X, target);
  sprite.SetHiddenSides(0);
}

void TPieces::DrawPieceSolid(const TFormPiece& piece, Bitmap& target, const Rect* clip) {
  DrawPieceSolidWith(piece, target, clip, Sprite);
}

void TPieces::DrawPieceSolidWith(const TFormPiece& piece, Bitmap& target, const Rect* clip,
                                 const TSprite& sprite) const {
  if (piece.Hidden) return;
  sprite.Draw(SpriteMode::Palette, piece.SolidSprite, nullptr, clip, piece.Height + Thickness, piece.Width, piece.Y,
              piece.X, target);
}

void TPieces::DrawPieceMasks(const TPieceList& list, Bitmap& target) const {
  for (const TFormPiece* piece : list)
    BitBlt(target, piece->X, piece->Y, piece->Width, piece->Height, MaskAtlas, piece->AtlasX, piece->AtlasY,
           RasterOp::SrcAnd);
}

}  // namespace quill
