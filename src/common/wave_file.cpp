#include "common/wave_file.h"

#include <string_view>

#include "common/packed.h"

namespace quill {
namespace {

constexpr size_t kRiffHeaderSize = 12;  // "RIFF", size, "WAVE"
constexpr size_t kChunkHeaderSize = 8;  // id, size
constexpr size_t kFormatChunkSize = 16;

std::string_view Tag(std::span<const uint8_t> file, size_t at) {
  return {reinterpret_cast<const char*>(file.data() + at), 4};
}

}  // namespace

std::optional<WaveFormat> ReadWaveFormat(std::span<const uint8_t> file) {
  if (file.size() < kRiffHeaderSize || Tag(file, 0) != "RIFF" || Tag(file, 8) != "WAVE") return std::nullopt;
  WaveFormat wave;
  bool haveFormat = false, haveData = false;
  for (size_t at = kRiffHeaderSize; at + kChunkHeaderSize <= file.size();) {
    const size_t size = packed::Get<uint32_t>(file.data(), at + 4);
    const size_t body = at + kChunkHeaderSize;
    if (size > file.size() - body) return std::nullopt;
    if (Tag(file, at) == "fmt ") {
      if (size < kFormatChunkSize) return std::nullopt;
      wave.FormatTag = packed::Get<uint16_t>(file.data(), body);
      wave.Channels = packed::Get<uint16_t>(file.data(), body + 2);
      wave.SampleRate = packed::Get<uint32_t>(file.data(), body + 4);
      wave.ByteRate = packed::Get<uint32_t>(file.data(), body + 8);
      wave.BlockAlign = packed::Get<uint16_t>(file.data(), body + 12);
      wave.BitsPerSample = packed::Get<uint16_t>(file.data(), body + 14);
      haveFormat = true;
    } else if (Tag(file, at) == "data") {
      wave.DataOffset = body;
      wave.DataSize = size;
      haveData = true;
    }
    at = body + size + size % 2;  // chunks start on even offsets
  }
  if (!haveFormat || !haveData) return std::nullopt;
  return wave;
}

int64_t PlayingMilliseconds(const WaveFormat& wave) {
  if (wave.ByteRate == 0) return 0;
  const auto bytes = static_cast<int64_t>(wave.DataSize) * 1000;
  return (bytes + wave.ByteRate - 1) / wave.ByteRate;
}

}  // namespace quill
