// The sound effects WAVE1..WAVE6 that the build synthesises and embeds: each is a
// RIFF WAVE file of 8-bit mono PCM at its rate, short, audible, not clipped, and
// starting and ending on silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/resources.h"
#include "common/wave_file.h"

namespace quill {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

struct EffectCase {
  const char* Name;
  uint32_t Rate;
  double MinSeconds, MaxSeconds;
};

// Rates as the effects are recorded; every effect lasts at most a second.
constexpr EffectCase kEffects[] = {
    {"WAVE1", 11025, 0.05, 0.2},  // join
    {"WAVE2", 22050, 0.5, 1.0},   // completed
    {"WAVE3", 11025, 0.2, 1.0},   // never played
    {"WAVE4", 11025, 0.1, 0.4},   // tray opened, created or minimised
    {"WAVE5", 11025, 0.2, 1.0},   // tray deleted
    {"WAVE6", 22050, 0.1, 0.5},   // snapped onto the ghost
};

TEST(SoundResources, EachEffectIsShortEightBitMonoPcmThatStartsAndEndsOnSilence) {
  for (const EffectCase& effect : kEffects) {
    SCOPED_TRACE(effect.Name);
    const std::vector<uint8_t> file = LoadResourceStream(effect.Name, "WAVE");
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(Read32(file, 4), file.size() - 8) << "RIFF size";
    const std::optional<WaveFormat> format = ReadWaveFormat(file);
    ASSERT_TRUE(format);
    const WaveFormat& wave = *format;
    const std::span<const uint8_t> samples(file.data() + wave.DataOffset, wave.DataSize);
    EXPECT_EQ(wave.FormatTag, 1);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.BitsPerSample, 8);
    EXPECT_EQ(wave.BlockAlign, 1);
    EXPECT_EQ(wave.SampleRate, effect.Rate);
    EXPECT_EQ(wave.ByteRate, effect.Rate);
    const double seconds = static_cast<double>(wave.DataSize) / effect.Rate;
    EXPECT_GE(seconds, effect.MinSeconds);
    EXPECT_LE(seconds, effect.MaxSeconds);
    EXPECT_EQ(PlayingMilliseconds(wave), static_cast<int64_t>(std::ceil(seconds * 1000)));
    ASSERT_FALSE(samples.empty());

    // 128 is silence in unsigned 8-bit samples.
    auto level = [](uint8_t sample) { return std::abs(static_cast<int>(sample) - 128); };
    EXPECT_LE(level(samples.front()), 2);
    EXPECT_LE(level(samples.back()), 2);
    const auto [quietest, loudest] = std::ranges::minmax_element(samples);
    EXPECT_GT(*loudest, 128 + 30) << "too quiet to hear";
    EXPECT_LT(*quietest, 128 - 30) << "too quiet to hear";
    EXPECT_LT(*loudest, 255) << "clipped";
    EXPECT_GT(*quietest, 0) << "clipped";
  }
}

// A small wave file built chunk by chunk.
class WaveBytes {
 public:
  WaveBytes() { Append("RIFF"), Append32(0), Append("WAVE"); }
  WaveBytes& Chunk(const char* id, std::vector<uint8_t> body, uint32_t statedSize) {
    Append(id), Append32(statedSize);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    if (body.size() % 2) bytes_.push_back(0);
    return *this;
  }
  WaveBytes& Chunk(const char* id, std::vector<uint8_t> body) {
    const auto size = static_cast<uint32_t>(body.size());
    return Chunk(id, std::move(body), size);
  }
  // PCM, mono, 8 bits at `rate`.
  WaveBytes& Format(uint32_t rate) {
    return Chunk("fmt ", {1, 0, 1, 0, Byte(rate, 0), Byte(rate, 1), Byte(rate, 2), Byte(rate, 3), Byte(rate, 0),
                          Byte(rate, 1), Byte(rate, 2), Byte(rate, 3), 1, 0, 8, 0});
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  static uint8_t Byte(uint32_t value, int index) { return static_cast<uint8_t>(value >> (8 * index)); }
  void Append(const char* tag) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(tag[i]));
  }
  void Append32(uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(Byte(value, i));
  }
  std::vector<uint8_t> bytes_;
};

TEST(WaveFile, ChunksAreWalkedToTheSamplesInAnyOrderPastOddSizedChunks) {
  const std::vector<uint8_t> samples(1103, 128);
  const auto file = WaveBytes().Chunk("LIST", {1, 2, 3}).Chunk("data", samples).Format(11025).Bytes();
  const std::optional<WaveFormat> wave = ReadWaveFormat(file);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->SampleRate, 11025u);
  EXPECT_EQ(wave->ByteRate, 11025u);
  EXPECT_EQ(wave->BitsPerSample, 8);
  EXPECT_EQ(wave->DataOffset, 12u + 8 + 4 + 8);
  EXPECT_EQ(wave->DataSize, 1103u);
  EXPECT_EQ(PlayingMilliseconds(*wave), 101) << "1103 samples at 11025 Hz last 100.04 ms, rounded up";
}

TEST(WaveFile, WhatIsNoPlayableWaveIsRefused) {
  const std::vector<uint8_t> samples(100, 128);
  std::vector<uint8_t> notWave = WaveBytes().Format(8000).Chunk("data", samples).Bytes();
  notWave[8] = 'A';  // "AAVE"
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
  };
  const Case cases[] = {
      {"empty", {}},
      {"no WAVE form", notWave},
      {"no format", WaveBytes().Chunk("data", samples).Bytes()},
      {"no data", WaveBytes().Format(8000).Bytes()},
      {"a short format", WaveBytes().Chunk("fmt ", {1, 0, 1, 0}).Chunk("data", samples).Bytes()},
      {"data past the end", WaveBytes().Format(8000).Chunk("data", samples, 0xFFFFFFF0u).Bytes()},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadWaveFormat(c.file)) << c.what;
  WaveFormat silent;
  silent.DataSize = 100;
  EXPECT_EQ(PlayingMilliseconds(silent), 0) << "no byte rate";
}

TEST(SoundResources, NamesAreFoundWithoutRegardToCaseAndOnlySixExist) {
  EXPECT_EQ(LoadResourceStream("Wave4", "wave"), LoadResourceStream("WAVE4", "WAVE"));
  EXPECT_THROW(LoadResourceStream("Wave7", "WAVE"), UserError);
  EXPECT_THROW(LoadResourceStream("Wave0", "WAVE"), UserError);
}

}  // namespace
}  // namespace quill
