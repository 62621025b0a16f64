// Taking a picture into a gift: any picture file Qt reads (JPEG, CMYK and YCCK JPEG
// included, PNG, BMP, GIF, ...) is turned upright as its EXIF orientation says,
// scaled down with area averaging to fit a bound the player's window can show, and
// stored as the JPEG the player decodes. A JPEG that needs none of this is stored as
// it is. Used by the gift maker for the puzzle picture and the skin; the player never
// links it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quill {

// The default bound: a 1920 × 1080 screen less the window's title, menu, tool bar,
// tray bar and status bar leaves a board of about 1700 × 850 pixels, where a
// 1280 × 800 picture and its pieces scattered around it fit.
constexpr int32_t kDefaultFitWidth = 1280;
constexpr int32_t kDefaultFitHeight = 800;
// The smallest bound accepted: a picture smaller than this would hardly make pieces.
constexpr int32_t kMinFitSide = 16;
// JPEG quality of pictures the maker encodes: visually lossless for photos.
constexpr int kStoredJpegQuality = 90;

struct PictureFitting {
  bool KeepSize = false;  // store the picture at its own size
  int32_t MaxWidth = kDefaultFitWidth;
  int32_t MaxHeight = kDefaultFitHeight;
};

struct PixelSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The size `source` takes to fit within `bound`, keeping its aspect ratio, sides
// rounded to the nearest pixel and at least 1; a source within the bound keeps its
// size (pictures are never enlarged).
PixelSize FitWithin(PixelSize source, PixelSize bound);

// What became of a picture on its way into a gift.
struct ImportedPicture {
  std::vector<uint8_t> Jpeg;  // the stored JPEG file
  std::string SourceFormat;   // "jpeg", "png", ... as Qt names the format
  bool SourceCmyk = false;    // a four-channel (CMYK or YCCK) JPEG
  PixelSize SourceSize;       // as the file stores it
  int Orientation = 1;        // the EXIF orientation applied: 1 none, 6 a quarter turn clockwise, ...
  PixelSize UprightSize;      // after the orientation
  PixelSize StoredSize;
  PictureFitting Fitting;
  bool Reencoded = false;  // false: the file's own bytes are stored
};

// Steps of the import for a progress display: the fraction done (0..1) and what is
// being done.
using ImportProgress = std::function<void(double fraction, const std::string& step)>;

// Imports a picture file's bytes. Raises UserError saying why when the data is not a
// picture Qt reads, does not decode completely, or is larger than the player takes.
ImportedPicture ImportPicture(const std::vector<uint8_t>& file, const PictureFitting& fitting,
                              const ImportProgress& progress = {});

// One line for the person making the gift: the stored size and why, such as
// "1067 × 800, scaled from 4000 × 3000 to 1067 × 800 to fit 1280 × 800".
std::string DescribeImport(const ImportedPicture& picture);

}  // namespace quill
