// make_sounds: synthesises the six short sound effects of play and saves them as
// wave files wave1.wav .. wave6.wav (PCM, mono, 8 bits per sample) in the folder
// given. The build runs it and embeds the files as the resources "WAVE1" .. "WAVE6"
// of type "WAVE".
//
//   1 pieces join             a soft wooden click
//   2 the puzzle is completed a short rising arpeggio of bell tones
//   3 (never played)          a gentle two-note chime
//   4 a tray opens or closes  a soft whoosh ending in a pop
//   5 a tray is deleted       a lower pop that falls in pitch
//   6 a piece snaps onto the ghost  a light tick with a faint sparkle
//
// Every sound fades in and out over a few milliseconds, so it starts and ends on
// silence without a click, and peaks well below full scale.
//
//   make_sounds <output folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kLowRate = 11025;
constexpr int kHighRate = 22050;
constexpr double kPeak = 0.8;      // loudest sample, as a fraction of full scale
constexpr double kFadeInSeconds = 0.0015;  // short, so a click keeps its edge
constexpr double kFadeOutSeconds = 0.004;

// A sound as a function of time in seconds, drawn at `rate` for `seconds`.
struct SoundRecipe {
  int Rate;
  double Seconds;
  std::function<double(double t)> Wave;
};

// Deterministic white noise in -1..1, so every build makes the same files.
class Noise {
 public:
  explicit Noise(uint32_t seed) : seed_(seed) {}
  double Next() {
    seed_ = seed_ * 1664525u + 1013904223u;
    return static_cast<double>(seed_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  uint32_t seed_;
};

double Decay(double t, double timeConstant) { return std::exp(-t / timeConstant); }

// A struck bar or bell: a few partials, each dying away with its own time constant.
double Strike(double t, double frequency, double timeConstant) {
  if (t < 0) return 0;
  return Decay(t, timeConstant) * (std::sin(kTwoPi * frequency * t) + 0.35 * std::sin(kTwoPi * 2.0 * frequency * t) +
                                   0.12 * std::sin(kTwoPi * 3.01 * frequency * t) * Decay(t, timeConstant / 3));
}

// A sine whose pitch glides exponentially from `from` to `to` Hz with time constant
// `glide`; the phase is the integral of the frequency, so the glide has no jumps.
double FallingTone(double t, double from, double to, double glide) {
  const double phase = to * t + (from - to) * glide * (1 - std::exp(-t / glide));
  return std::sin(kTwoPi * phase);
}

// 1 — two wood-block resonances and a short breath of noise at the strike.
SoundRecipe WoodenClick() {
  auto noise = std::make_shared<Noise>(0x10C1u);
  return {kLowRate, 0.09, [noise](double t) {
            const double body = 0.7 * std::sin(kTwoPi * 1180 * t) + 0.45 * std::sin(kTwoPi * 2630 * t);
            return Decay(t, 0.011) * body + Decay(t, 0.002) * 0.5 * noise->Next();
          }};
}

// 2 — C, E, G and the high C, one after the other, each ringing on.
SoundRecipe CompletedArpeggio() {
  return {kHighRate, 1.0, [](double t) {
            constexpr double notes[] = {523.25, 659.26, 783.99, 1046.50};
            constexpr double spacing = 0.11;
            double sum = 0;
            for (int i = 0; i < 4; ++i) sum += Strike(t - i * spacing, notes[i], i == 3 ? 0.30 : 0.22);
            return sum;
          }};
}

// 3 — a high and a lower bell tone, a fifth apart.
SoundRecipe TwoNoteChime() {
  return {kLowRate, 1.0, [](double t) { return Strike(t, 783.99, 0.25) + 0.9 * Strike(t - 0.3, 523.25, 0.3); }};
}

// A rising or falling breath of noise: noise through a two-pole resonator whose
// centre moves from `from` to `to` Hz over the sound's length.
class Whoosh {
 public:
  Whoosh(int rate, double seconds, double from, double to)
      : rate_(rate), seconds_(seconds), from_(from), to_(to), noise_(0x3005u) {}
  double operator()(double t) {
    const double centre = from_ * std::pow(to_ / from_, std::min(1.0, t / seconds_));
    const double r = 0.96;
    const double a1 = 2 * r * std::cos(kTwoPi * centre / rate_), a2 = -r * r;
    const double y = (1 - r) * noise_.Next() + a1 * y1_ + a2 * y2_;
    y2_ = y1_;
    y1_ = y;
    return 8 * y;
  }

 private:
  int rate_;
  double seconds_, from_, to_;
  Noise noise_;
  double y1_ = 0, y2_ = 0;
};

// 4 — a short whoosh that swells and dies, with a soft pop at its end.
SoundRecipe TrayWhoosh() {
  constexpr double seconds = 0.23;
  auto whoosh = std::make_shared<Whoosh>(kLowRate, seconds, 500, 2200);
  return {kLowRate, seconds, [whoosh](double t) {
            const double swell = std::sin(std::numbers::pi * std::min(1.0, t / 0.17));
            const double popTime = t - 0.15;
            const double pop = popTime < 0 ? 0 : Decay(popTime, 0.018) * FallingTone(popTime, 900, 420, 0.02);
            return 0.6 * swell * (*whoosh)(t) + 0.5 * pop;
          }};
}

// 5 — a round, low pop: the pitch drops from 280 to 90 Hz as it dies away.
SoundRecipe LowPop() {
  return {kLowRate, 0.71, [](double t) { return Decay(t, 0.09) * FallingTone(t, 280, 90, 0.06); }};
}

// 6 — a bright, very short tick, then a quiet high ring.
SoundRecipe LightTick() {
  return {kHighRate, 0.40, [](double t) {
            const double tick = Decay(t, 0.004) * (std::sin(kTwoPi * 3300 * t) + 0.6 * std::sin(kTwoPi * 5100 * t));
            return tick + 0.25 * Strike(t - 0.012, 2093.0, 0.07);
          }};
}

// Samples of a recipe scaled to kPeak, with short fades at both ends; the count is
// even, so the data chunk needs no pad byte.
std::vector<double> Render(const SoundRecipe& recipe) {
  size_t count = static_cast<size_t>(std::lround(recipe.Seconds * recipe.Rate));
  count -= count % 2;
  std::vector<double> samples(count);
  for (size_t i = 0; i < count; ++i) samples[i] = recipe.Wave(static_cast<double>(i) / recipe.Rate);
  const double loudest = std::fabs(std::ranges::max(samples, {}, [](double v) { return std::fabs(v); }));
  const double fadeIn = kFadeInSeconds * recipe.Rate, fadeOut = kFadeOutSeconds * recipe.Rate;
  for (size_t i = 0; i < count; ++i) {
    const double ramp = std::min({1.0, static_cast<double>(i) / fadeIn, static_cast<double>(count - 1 - i) / fadeOut});
    samples[i] *= ramp * kPeak / std::max(loudest, 1e-9);
  }
  return samples;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A RIFF WAVE file of unsigned 8-bit mono PCM (128 is silence).
std::vector<uint8_t> WaveFile(const std::vector<double>& samples, int rate) {
  const uint32_t dataSize = static_cast<uint32_t>(samples.size());
  std::vector<uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLittleEndian(out, 36 + dataSize, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLittleEndian(out, 16, 4);                           // format chunk size
  PutLittleEndian(out, 1, 2);                            // PCM
  PutLittleEndian(out, 1, 2);                            // mono
  PutLittleEndian(out, static_cast<uint32_t>(rate), 4);  // samples per second
  PutLittleEndian(out, static_cast<uint32_t>(rate), 4);  // bytes per second
  PutLittleEndian(out, 1, 2);                            // bytes per sample frame
  PutLittleEndian(out, 8, 2);                            // bits per sample
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLittleEndian(out, dataSize, 4);
  for (double s : samples) out.push_back(static_cast<uint8_t>(std::clamp(std::lround(128 + 127 * s), 0L, 255L)));
  return out;
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds <output folder>\n";
    return 2;
  }
  try {
    const SoundRecipe sounds[] = {WoodenClick(), CompletedArpeggio(), TwoNoteChime(),
                                  TrayWhoosh(),  LowPop(),            LightTick()};
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (int n = 1; n <= 6; ++n) {
      const SoundRecipe& recipe = sounds[n - 1];
      WriteFile(folder / ("wave" + std::to_string(n) + ".wav"), WaveFile(Render(recipe), recipe.Rate));
    }
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
