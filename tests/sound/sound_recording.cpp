#include "sound_recording.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>

namespace quill::testing {
namespace {

constexpr int kWindowMs = 10;
constexpr int kWindow = kRecordingRate * kWindowMs / 1000;

double Level(std::span<const int16_t> window) {
  double sum = 0;
  for (int16_t sample : window) sum += static_cast<double>(sample) * sample;
  return std::sqrt(sum / static_cast<double>(window.size()));
}

void Put(std::ofstream& out, uint32_t value, int bytes) {  // big-endian, as MIDI files are
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.put(static_cast<char>(value >> shift));
}

// A MIDI delta time: seven bits a byte, the high bit set on all but the last.
void PutDelta(std::ofstream& out, uint32_t ticks) {
  uint8_t bytes[5];
  int count = 0;
  do bytes[count++] = static_cast<uint8_t>(ticks & 0x7F);
  while ((ticks >>= 7) != 0);
  while (count > 1) out.put(static_cast<char>(bytes[--count] | 0x80));
  out.put(static_cast<char>(bytes[0]));
}

}  // namespace

std::vector<Burst> FindBursts(std::span<const int16_t> samples, int64_t quietMs, double threshold) {
  std::vector<Burst> bursts;
  bool inBurst = false;
  int64_t lastLoudMs = 0;
  for (size_t at = 0; at + kWindow <= samples.size(); at += kWindow) {
    const auto ms = static_cast<int64_t>(at * 1000 / kRecordingRate);
    if (Level(samples.subspan(at, kWindow)) > threshold) {
      if (!inBurst) bursts.push_back({ms, ms});
      inBurst = true;
      lastLoudMs = ms;
      bursts.back().EndMs = ms + kWindowMs;
    } else if (inBurst && ms - lastLoudMs >= quietMs) {
      inBurst = false;
    }
  }
  return bursts;
}

std::vector<int16_t> ReadRawSamples(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  return samples;
}

std::vector<ToneFormat> ToneFormats() {
  return {{".wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRecordingRate},
          {".flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, kRecordingRate},
          {".ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, kRecordingRate},
          {".opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000},  // Opus knows no 22050 Hz
          {".mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, kRecordingRate}};
}

void WriteTone(const std::filesystem::path& path, const ToneFormat& format, int toneMs, int quietMs) {
  const int rate = format.Rate;
  const int toneSamples = rate * toneMs / 1000;
  const int count = toneSamples + rate * quietMs / 1000;
  std::vector<float> samples(static_cast<size_t>(count));
  for (int i = 0; i < toneSamples; ++i) {
    const double t = static_cast<double>(i) / rate;
    // Half scale, with 5 ms fades so the tone starts and stops without a click.
    const double fade = std::min({1.0, t / 0.005, (static_cast<double>(toneSamples - i) / rate) / 0.005});
    samples[static_cast<size_t>(i)] = static_cast<float>(0.5 * fade * std::sin(2 * std::numbers::pi * 440 * t));
  }
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = format.Format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
  const sf_count_t written = sf_writef_float(file, samples.data(), count);
  sf_close(file);
  if (written != count) throw std::runtime_error("cannot write " + path.string());
}

void WriteToneWave(const std::filesystem::path& path, int toneMs, int quietMs) {
  WriteTone(path, ToneFormats().front(), toneMs, quietMs);
}

void WriteToneMidi(const std::filesystem::path& path, int toneMs, int quietMs) {
  // 1000 ticks a quarter note at the default 500000 microseconds a quarter: 2 ticks a
  // millisecond.
  constexpr uint32_t kTicksPerQuarter = 1000, kTicksPerMs = 2;
  std::ofstream out(path, std::ios::binary);
  out.write("MThd", 4), Put(out, 6, 4), Put(out, 0, 2), Put(out, 1, 2), Put(out, kTicksPerQuarter, 2);
  std::ofstream::pos_type lengthAt;
  out.write("MTrk", 4), lengthAt = out.tellp(), Put(out, 0, 4);
  const std::ofstream::pos_type trackAt = out.tellp();
  PutDelta(out, 0), out.put(char(0xC0)), out.put(19);                        // church organ: a steady tone
  PutDelta(out, 0), out.put(char(0x90)), out.put(69), out.put(100);          // A4 on
  PutDelta(out, static_cast<uint32_t>(toneMs) * kTicksPerMs), out.put(char(0x80)), out.put(69), out.put(0);
  PutDelta(out, static_cast<uint32_t>(quietMs) * kTicksPerMs), out.put(char(0xFF)), out.put(0x2F), out.put(0);
  const auto trackLength = static_cast<uint32_t>(out.tellp() - trackAt);
  out.seekp(lengthAt), Put(out, trackLength, 4);
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace quill::testing
