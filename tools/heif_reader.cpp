#include "heif_reader.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>

#include "common/errors.h"
#include "common/translate.h"

namespace quill {
namespace {

struct ContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
  void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
  void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
  void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

void Check(const heif_error& error, const char* step) {
  if (error.code != heif_error_Ok)
    throw UserError(FillArgs(Tr("GiftMaking", "The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first"),
                             {step, error.message ? error.message : "unknown error"}));
}

std::string BrandFormat(const std::vector<uint8_t>& file) {
  const std::string brand(reinterpret_cast<const char*>(file.data()) + 8, 4);
  return brand == "avif" || brand == "avis" ? "avif" : "heic";
}

}  // namespace

bool LooksLikeHeif(const std::vector<uint8_t>& file) {
  return file.size() >= 12 && std::memcmp(file.data() + 4, "ftyp", 4) == 0;
}

HeifPicture ReadHeif(const std::vector<uint8_t>& file, const std::function<void(int width, int height)>& checkSize) {
  HeifPicture picture;
  picture.Format = BrandFormat(file);
  std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
  Check(heif_context_read_from_memory_without_copy(context.get(), file.data(), file.size(), nullptr), "container");
  heif_image_handle* rawHandle = nullptr;
  Check(heif_context_get_primary_image_handle(context.get(), &rawHandle), "primary picture");
  std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
  checkSize(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()));
  const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
  // The rotation and mirror boxes are applied (libheif's default): the picture comes
  // out as it is meant to be seen.
  std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
  options->ignore_transformations = 0;
  heif_image* rawImage = nullptr;
  Check(heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get()),
        "decoding");
  std::unique_ptr<heif_image, ImageRelease> image(rawImage);
  int stride = 0;
  const uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
  const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
  const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
  if (!pixels || width <= 0 || height <= 0) throw UserError(Tr("GiftMaking", "The HEIF picture has no pixels: save it as JPEG or PNG first"));
  const QImage wrapped(pixels, width, height, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  picture.Image = wrapped.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  return picture;
}

}  // namespace quill
