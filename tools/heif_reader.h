// Reading HEIF pictures (HEIC from phones, AVIF from the web) through libheif, for the
// gift maker's picture import. libheif turns the picture as its rotation and mirror
// boxes say; the EXIF orientation such files also carry describes the same turn, so it
// is never applied on top.
#pragma once
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quill {

// True when the bytes start as an ISO media file ("ftyp" box), the container of HEIC,
// HEIF and AVIF pictures.
bool LooksLikeHeif(const std::vector<uint8_t>& file);

struct HeifPicture {
  QImage Image;        // upright, RGB32 or ARGB32
  std::string Format;  // "heic" or "avif", from the file's brand
};

// Decodes the primary picture of a HEIF file, turned upright. `checkSize` sees the
// stored size before the pixels are decoded and may raise to refuse it. Raises
// UserError with libheif's reason when the picture cannot be read.
HeifPicture ReadHeif(const std::vector<uint8_t>& file, const std::function<void(int width, int height)>& checkSize);

}  // namespace quill
