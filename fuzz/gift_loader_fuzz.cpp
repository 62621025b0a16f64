// Feeds arbitrary bytes to the gift loader as the player's own file: the header scan,
// the header fields, the text block and its trailer, the messages, the music, the skin decoder and the picture's
// header and decoder (asked for the whole picture, so data that ends early is
// judged too) must cope with anything without crashing or reading outside the file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "game/gift_texts.h"
#include "game/jigsaw.h"
#include "headless_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quill::HeadlessHost host;
  // The same bytes as a text block on their own, past the trailer's checksum.
  quill::ParseGiftTextBlock(std::span<const uint8_t>(data, size));
  const int fd = memfd_create("gift", 0);
  if (fd < 0) return 0;
  for (size_t done = 0; done < size;) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  try {
    quill::TJigsaw game(host, path);
    game.LoadGift();
    (void)quill::ReadGiftLanguage(path);
    const std::vector<uint8_t> jpeg = game.ReadJpegBlock(game.Header().PictureOffset, game.Header().PictureSize);
    quill::ReadJpegInfo(jpeg.data(), jpeg.size());
    quill::Bitmap picture;
    quill::DecodeJpeg(jpeg.data(), jpeg.size(), picture, quill::JpegCompleteness::Whole);
  } catch (const quill::UserError&) {
  }
  close(fd);
  return 0;
}
