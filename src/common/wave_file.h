// The layout of a RIFF WAVE file, as far as playing it needs: its sample format and
// where its samples lie. The sounds object uses it to know how long an effect plays.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quill {

struct WaveFormat {
  uint16_t FormatTag = 0;  // 1 = PCM
  uint16_t Channels = 0;
  uint32_t SampleRate = 0;
  uint32_t ByteRate = 0;  // bytes of samples per second
  uint16_t BlockAlign = 0;
  uint16_t BitsPerSample = 0;
  size_t DataOffset = 0;  // the first sample byte in the file
  size_t DataSize = 0;
};

// Walks the chunks of `file`. Nothing when it is not a RIFF WAVE file, when its
// format or data chunk is missing, or when a chunk runs past the end of the bytes.
std::optional<WaveFormat> ReadWaveFormat(std::span<const uint8_t> file);

// How long the samples play, in milliseconds, rounded up; 0 for a byte rate of 0.
int64_t PlayingMilliseconds(const WaveFormat& wave);

}  // namespace quill
