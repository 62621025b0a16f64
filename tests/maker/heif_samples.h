// HEIC and AVIF pictures the gift maker's tests make with libheif's encoders: a
// picture stored sideways with the rotation and mirror boxes that say how to show it,
// and optionally an EXIF orientation saying the same, as phones write them.
#pragma once
#include <gtest/gtest.h>
#include <libheif/heif.h>

#include <cstring>
#include <vector>

#include "raster/bitmap.h"

namespace quill::testing {

inline void HeifOk(const heif_error& error) {
  ASSERT_EQ(error.code, heif_error_Ok) << (error.message ? error.message : "");
}

// `picture` (an Rgb24 bitmap) as a HEIF file compressed as `format` (HEVC: HEIC, AV1:
// AVIF), shown turned by EXIF-style `orientation` (1..8) through libheif's boxes.
inline std::vector<uint8_t> HeifOf(const Bitmap& picture, heif_compression_format format, int orientation = 1,
                                   bool exifOrientationToo = false) {
  std::vector<uint8_t> file;
  heif_context* context = heif_context_alloc();
  heif_image* image = nullptr;
  HeifOk(heif_image_create(picture.Width(), picture.Height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                           &image));
  HeifOk(heif_image_add_plane(image, heif_channel_interleaved, picture.Width(), picture.Height(), 8));
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t* bgr = picture.ScanLine(y) + 3 * x;
      uint8_t* rgb = plane + y * stride + 3 * x;
      rgb[0] = bgr[2], rgb[1] = bgr[1], rgb[2] = bgr[0];
    }
  heif_encoder* encoder = nullptr;
  HeifOk(heif_context_get_encoder_for_format(context, format, &encoder));
  heif_encoder_set_lossy_quality(encoder, 90);
  heif_encoding_options* options = heif_encoding_options_alloc();
  options->image_orientation = static_cast<heif_orientation>(orientation);
  heif_image_handle* handle = nullptr;
  HeifOk(heif_context_encode_image(context, image, encoder, options, &handle));
  if (exifOrientationToo) {
    const uint8_t exif[] = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                            static_cast<uint8_t>(orientation), 0, 0, 0, 0, 0, 0, 0};
    HeifOk(heif_context_add_exif_metadata(context, handle, exif, sizeof exif));
  }
  heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* to) {
                       auto& bytes = *static_cast<std::vector<uint8_t>*>(to);
                       bytes.insert(bytes.end(), static_cast<const uint8_t*>(data),
                                    static_cast<const uint8_t*>(data) + size);
                       return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
                     }};
  HeifOk(heif_context_write(context, &writer, &file));
  heif_image_handle_release(handle);
  heif_encoding_options_free(options);
  heif_encoder_release(encoder);
  heif_image_release(image);
  heif_context_free(context);
  return file;
}

}  // namespace quill::testing
