// The sound effects WAVE1..WAVE6 that the build synthesises and embeds: each is a
// RIFF WAVE file of 8-bit mono PCM at its rate, short, audible, not clipped, and
// starting and ending on silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/resources.h"

namespace quill {
namespace {

struct WaveFormat {
  uint16_t FormatTag = 0, Channels = 0, BlockAlign = 0, BitsPerSample = 0;
  uint32_t SampleRate = 0, ByteRate = 0;
  std::vector<uint8_t> Data;
};

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
std::string Tag(const std::vector<uint8_t>& b, size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

// Walks the chunks of a RIFF WAVE file; fails the test on a broken structure.
WaveFormat ParseWave(const std::vector<uint8_t>& file) {
  WaveFormat wave;
  EXPECT_GE(file.size(), 12u);
  if (file.size() < 12) return wave;
  EXPECT_EQ(Tag(file, 0), "RIFF");
  EXPECT_EQ(Tag(file, 8), "WAVE");
  EXPECT_EQ(Read32(file, 4), file.size() - 8) << "RIFF size";
  bool haveFormat = false, haveData = false;
  for (size_t at = 12; at + 8 <= file.size();) {
    const std::string id = Tag(file, at);
    const uint32_t size = Read32(file, at + 4);
    EXPECT_LE(at + 8 + size, file.size()) << "chunk " << id << " runs past the end";
    if (at + 8 + size > file.size()) break;
    if (id == "fmt ") {
      EXPECT_GE(size, 16u);
      wave.FormatTag = Read16(file, at + 8);
      wave.Channels = Read16(file, at + 10);
      wave.SampleRate = Read32(file, at + 12);
      wave.ByteRate = Read32(file, at + 16);
      wave.BlockAlign = Read16(file, at + 20);
      wave.BitsPerSample = Read16(file, at + 22);
      haveFormat = true;
    } else if (id == "data") {
      wave.Data.assign(file.begin() + at + 8, file.begin() + at + 8 + size);
      haveData = true;
    }
    at += 8 + size + size % 2;
  }
  EXPECT_TRUE(haveFormat);
  EXPECT_TRUE(haveData);
  return wave;
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
    const WaveFormat wave = ParseWave(LoadResourceStream(effect.Name, "WAVE"));
    EXPECT_EQ(wave.FormatTag, 1);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.BitsPerSample, 8);
    EXPECT_EQ(wave.BlockAlign, 1);
    EXPECT_EQ(wave.SampleRate, effect.Rate);
    EXPECT_EQ(wave.ByteRate, effect.Rate);
    const double seconds = static_cast<double>(wave.Data.size()) / effect.Rate;
    EXPECT_GE(seconds, effect.MinSeconds);
    EXPECT_LE(seconds, effect.MaxSeconds);
    ASSERT_FALSE(wave.Data.empty());

    // 128 is silence in unsigned 8-bit samples.
    auto level = [](uint8_t sample) { return std::abs(static_cast<int>(sample) - 128); };
    EXPECT_LE(level(wave.Data.front()), 2);
    EXPECT_LE(level(wave.Data.back()), 2);
    const auto [quietest, loudest] = std::ranges::minmax_element(wave.Data);
    EXPECT_GT(*loudest, 128 + 30) << "too quiet to hear";
    EXPECT_LT(*quietest, 128 - 30) << "too quiet to hear";
    EXPECT_LT(*loudest, 255) << "clipped";
    EXPECT_GT(*quietest, 0) << "clipped";
  }
}

TEST(SoundResources, NamesAreFoundWithoutRegardToCaseAndOnlySixExist) {
  EXPECT_EQ(LoadResourceStream("Wave4", "wave"), LoadResourceStream("WAVE4", "WAVE"));
  EXPECT_THROW(LoadResourceStream("Wave7", "WAVE"), UserError);
  EXPECT_THROW(LoadResourceStream("Wave0", "WAVE"), UserError);
}

}  // namespace
}  // namespace quill
