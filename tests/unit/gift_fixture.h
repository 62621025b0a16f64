// Gift files for tests: a stand-in "player" of filler bytes with a gift appended.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gift_maker.h"

namespace quill::testing {

// The smallest byte sequence the gift maker accepts as a JPEG; enough where the
// picture is never decoded.
inline std::vector<uint8_t> FakeJpeg() { return {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0}; }

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Writes filler "program" bytes followed by the gift and returns the file's path.
inline std::filesystem::path MakeGiftFile(const std::filesystem::path& folder, const GiftHeader& header,
                                          GiftParts parts = {}, size_t playerSize = 20000) {
  if (parts.Picture.empty()) parts.Picture = FakeJpeg();
  std::vector<uint8_t> file(playerSize, 'x');
  const std::vector<uint8_t> payload = BuildGiftPayload(file.size(), parts, header);
  file.insert(file.end(), payload.begin(), payload.end());
  const auto path = folder / "gift.bin";
  WriteBytes(path, file);
  return path;
}

}  // namespace quill::testing
