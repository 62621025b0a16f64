#include "sound_recording.h"

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

void Put16(std::ofstream& out, uint16_t value) { out.put(static_cast<char>(value)).put(static_cast<char>(value >> 8)); }
void Put32(std::ofstream& out, uint32_t value) {
  Put16(out, static_cast<uint16_t>(value));
  Put16(out, static_cast<uint16_t>(value >> 16));
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

void WriteToneWave(const std::filesystem::path& path, int toneMs, int quietMs) {
  const int toneSamples = kRecordingRate * toneMs / 1000;
  const int count = toneSamples + kRecordingRate * quietMs / 1000;
  std::ofstream out(path, std::ios::binary);
  const auto dataSize = static_cast<uint32_t>(count * 2);
  out.write("RIFF", 4), Put32(out, 36 + dataSize), out.write("WAVEfmt ", 8);
  Put32(out, 16), Put16(out, 1), Put16(out, 1), Put32(out, kRecordingRate), Put32(out, kRecordingRate * 2);
  Put16(out, 2), Put16(out, 16);
  out.write("data", 4), Put32(out, dataSize);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRecordingRate;
    // Half scale, with 5 ms fades so the tone starts and stops without a click.
    const double fade = std::min({1.0, t / 0.005, (static_cast<double>(toneSamples - i) / kRecordingRate) / 0.005});
    const double value = i < toneSamples ? 0.5 * fade * std::sin(2 * std::numbers::pi * 440 * t) : 0;
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value * 32767))));
  }
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace quill::testing
