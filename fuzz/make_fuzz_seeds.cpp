// Writes a few small valid gifts into a folder, as seeds for the gift fuzzers.
#include <fstream>
#include <iostream>
#include <string>

#include "gift_maker.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0, 0xFF, 0xD9};
  for (int variant = 0; variant < 3; ++variant) {
    quill::GiftHeader header = quill::DefaultGiftHeader();
    header.OpeningMessage = variant == 0 ? "" : "Hello\r\nthere";
    header.OpeningColourName = variant == 2 ? "$00FF00" : "clWindow";
    quill::GiftParts parts;
    parts.Picture = jpeg;
    if (variant > 0) {
      parts.Music = {1, 2, 3, 4};
      header.MusicExtension = ".mp3";
      parts.Skin = jpeg;
    }
    std::vector<uint8_t> file(64, 'P');
    const auto payload = quill::BuildGiftPayload(file.size(), parts, header);
    file.insert(file.end(), payload.begin(), payload.end());
    std::ofstream out(folder + "/seed" + std::to_string(variant), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  return 0;
}
