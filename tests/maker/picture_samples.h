// Pictures the gift maker's tests make for themselves: a scene as JPEG, PNG or CMYK
// JPEG, an EXIF orientation tag written into a JPEG, and files on disk.
#pragma once
#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <vector>

#include "../unit/jpeg_samples.h"
#include "demo_scene.h"
#include "jpeg_writer.h"

namespace quill::testing {

inline Bitmap ScenePicture(int width, int height) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  PaintDemoScene(picture, 5);
  return picture;
}

// A large picture made quickly: colour bands with fine stripes, detail at every
// scale.
inline Bitmap PhotoSizedPicture(int width, int height) {
  Bitmap picture(width, height, PixelFormat::Rgb24);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<uint8_t>(x * 255 / width);
      row[3 * x + 1] = static_cast<uint8_t>(y * 255 / height);
      row[3 * x + 2] = static_cast<uint8_t>(((x / 7 + y / 5) % 2) * 120 + 60);
    }
  }
  return picture;
}

inline std::vector<uint8_t> JpegOf(const Bitmap& picture, int quality = 92) {
  std::vector<uint8_t> jpeg;
  WriteJpeg(picture, quality, jpeg);
  return jpeg;
}

inline std::vector<uint8_t> EncodedAs(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return {bytes.begin(), bytes.end()};
}

// The JPEG with an APP1 segment right after its start marker carrying an EXIF block
// whose only tag is the orientation (1..8), in Intel byte order.
inline std::vector<uint8_t> WithExifOrientation(const std::vector<uint8_t>& jpeg, uint16_t orientation) {
  // clang-format off
  const std::vector<uint8_t> app1 = {
      0xFF, 0xE1, 0, 34,             // marker, length of what follows it
      'E', 'x', 'i', 'f', 0, 0,      // EXIF identifier
      'I', 'I', 42, 0, 8, 0, 0, 0,   // TIFF header: little-endian, first IFD at 8
      1, 0,                          // one entry
      0x12, 0x01, 3, 0, 1, 0, 0, 0,  // tag 0x0112 Orientation, SHORT, count 1
      static_cast<uint8_t>(orientation), static_cast<uint8_t>(orientation >> 8), 0, 0,
      0, 0, 0, 0};                   // no next IFD
  // clang-format on
  std::vector<uint8_t> tagged(jpeg.begin(), jpeg.begin() + 2);
  tagged.insert(tagged.end(), app1.begin(), app1.end());
  tagged.insert(tagged.end(), jpeg.begin() + 2, jpeg.end());
  return tagged;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quill::testing
