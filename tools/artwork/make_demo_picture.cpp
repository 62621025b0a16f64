// make_demo_picture: draws the project's demo picture and saves it as a JPEG.
//   make_demo_picture OUT.jpg [--width W] [--height H] [--quality Q] [--seed S]
// The build uses it for the demo gift; benchmarks use it at 12 megapixels.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "demo_scene.h"
#include "jpeg_writer.h"

namespace {

struct Options {
  std::string output;
  int width = 1024;
  int height = 768;
  int quality = 90;
  uint32_t seed = 1;
};

constexpr const char* kUsage =
    "usage: make_demo_picture OUT.jpg [--width W] [--height H] [--quality Q] [--seed S]\n"
    "  defaults: 1024 x 768, quality 90, seed 1\n";

template <class Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!arg.starts_with("--")) {
      if (!options.output.empty()) return false;
      options.output = arg;
      continue;
    }
    if (i + 1 >= argc) return false;
    const std::string_view value = argv[++i];
    bool ok = false;
    if (arg == "--width")
      ok = ParseNumber(value, options.width);
    else if (arg == "--height")
      ok = ParseNumber(value, options.height);
    else if (arg == "--quality")
      ok = ParseNumber(value, options.quality);
    else if (arg == "--seed")
      ok = ParseNumber(value, options.seed);
    if (!ok) return false;
  }
  return !options.output.empty() && options.width > 0 && options.height > 0 && options.quality >= 1 &&
         options.quality <= 100;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    quill::Bitmap picture(options.width, options.height, quill::PixelFormat::Rgb24);
    quill::PaintDemoScene(picture, options.seed);
    quill::WriteJpegFile(picture, options.quality, options.output);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_demo_picture: %s\n", error.what());
    return 1;
  }
  return 0;
}
