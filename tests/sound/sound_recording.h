// What the sound tests hear: recordings of the test sound server's monitor (16-bit
// mono samples) cut into bursts of sound between stretches of quiet, and a test
// tune to play as a gift's music.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quill::testing {

inline constexpr int kRecordingRate = 22050;  // samples per second of a recording

struct Burst {
  int64_t StartMs = 0;
  int64_t EndMs = 0;
};

// The stretches of sound in `samples` (at kRecordingRate), measured in windows of
// 10 ms: a window is loud when its level is over `threshold`; a burst ends after
// `quietMs` of quiet windows.
std::vector<Burst> FindBursts(std::span<const int16_t> samples, int64_t quietMs = 150, double threshold = 300);

// Samples of a raw recording file (16-bit little-endian mono).
std::vector<int16_t> ReadRawSamples(const std::filesystem::path& path);

// The test tune: a wave file of `toneMs` of a 440 Hz tone followed by `quietMs` of
// silence, 16-bit mono at 22050 Hz. Played in a loop it is heard as one burst per
// pass.
void WriteToneWave(const std::filesystem::path& path, int toneMs, int quietMs);

}  // namespace quill::testing
