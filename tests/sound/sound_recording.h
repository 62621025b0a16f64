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

// A kind of sound file libsndfile writes: its extension, libsndfile's format and the
// sample rate.
struct ToneFormat {
  const char* Extension;
  int Format;
  int Rate;
};
// WAV, FLAC, Ogg Vorbis, Opus, MP3: each kind of music the player decodes.
std::vector<ToneFormat> ToneFormats();

// The test tune: `toneMs` of a 440 Hz tone followed by `quietMs` of silence, mono, in
// `format`. Played in a loop it is heard as one burst per pass.
void WriteTone(const std::filesystem::path& path, const ToneFormat& format, int toneMs, int quietMs);
// The test tune as a 16-bit wave file at 22050 Hz.
void WriteToneWave(const std::filesystem::path& path, int toneMs, int quietMs);
// The test tune as a standard MIDI file: one organ note, then quiet.
void WriteToneMidi(const std::filesystem::path& path, int toneMs, int quietMs);

}  // namespace quill::testing
