#include "music_import.h"

#include <sndfile.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/translate.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

constexpr int kSynthesisRate = 44100;
constexpr int kSynthesisTimeoutMs = 300000;  // a long piece on a slow machine
constexpr double kVorbisQuality = 0.4;        // of 0..1: good for music, about 100 kbit/s in stereo
constexpr float kAudible = 1.0F / 4096;       // of full scale
constexpr const char* kSoundFontVariable = "QUILLMERE_SOUND_FONT";
constexpr const char* kDebianSoundFonts[] = {"/usr/share/sounds/sf2/default-GM.sf2",
                                             "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
constexpr const char* kMidiAdvice = TextMark(
    "GiftMaking",
    "Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and "
    "fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.");

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw MusicImportError(Tr("GiftMaking", "The music file cannot be read."));
  return {std::istreambuf_iterator<char>(file), {}};
}

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SndfileCloser>;

// Re-encodes the sound file `from` as Ogg Vorbis into `to`; tells whether anything in
// it can be heard.
bool EncodeVorbis(const fs::path& from, const fs::path& to) {
  SF_INFO in{};
  const SoundFile source(sf_open(from.c_str(), SFM_READ, &in));
  if (!source || in.frames <= 0) throw MusicImportError(Tr("GiftMaking", "The MIDI music gave no sound."));
  SF_INFO out{};
  out.samplerate = in.samplerate;
  out.channels = in.channels;
  out.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  const SoundFile target(sf_open(to.c_str(), SFM_WRITE, &out));
  if (!target) throw MusicImportError(Tr("GiftMaking", "The MIDI music cannot be stored as Ogg Vorbis."));
  double quality = kVorbisQuality;
  sf_command(target.get(), SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
  std::vector<float> block(4096 * static_cast<size_t>(in.channels));
  float peak = 0;
  for (sf_count_t got; (got = sf_readf_float(source.get(), block.data(), 4096)) > 0;) {
    for (sf_count_t i = 0; i < got * in.channels; ++i) peak = std::max(peak, std::abs(block[static_cast<size_t>(i)]));
    if (sf_writef_float(target.get(), block.data(), got) != got)
      throw MusicImportError(Tr("GiftMaking", "The MIDI music cannot be stored as Ogg Vorbis."));
  }
  return peak >= kAudible;
}

ImportedMusic SynthesiseMidi(const std::string& path) {
  const QString fluidsynth = QStandardPaths::findExecutable("fluidsynth");
  const std::string font = FindSoundFont();
  if (fluidsynth.isEmpty() || font.empty())
    throw MusicImportError(Tr("GiftMaking",
                              "MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every "
                              "computer can play.") +
                           " " + Tr("GiftMaking", kMidiAdvice));
  QTemporaryDir folder;
  if (!folder.isValid()) throw MusicImportError(Tr("GiftMaking", "There is no room for the MIDI music's sound."));
  const fs::path wave = folder.filePath("music.wav").toStdString();
  const fs::path vorbis = folder.filePath("music.ogg").toStdString();
  QProcess synth;
  synth.setProcessChannelMode(QProcess::MergedChannels);
  synth.start(fluidsynth, {"-n", "-i", "-q", "-F", QString::fromStdString(wave.string()), "-T", "wav", "-r",
                           QString::number(kSynthesisRate), QString::fromStdString(font), QString::fromStdString(path)});
  const bool finished = synth.waitForFinished(kSynthesisTimeoutMs);
  if (!finished) synth.kill(), synth.waitForFinished();
  // FluidSynth ends well and writes a moment of silence for a file it cannot read.
  const std::string said = synth.readAll().trimmed().toStdString();
  std::error_code error;
  if (!finished || synth.exitStatus() != QProcess::NormalExit || synth.exitCode() != 0 || !fs::exists(wave, error) ||
      !EncodeVorbis(wave, vorbis))
    throw MusicImportError(said.empty() ? Tr("GiftMaking", "FluidSynth could not play the MIDI music.")
                                        : FillArgs(Tr("GiftMaking", "FluidSynth could not play the MIDI music: %1"), {said}));
  return {ReadBytes(vorbis), ".ogg"};
}

}  // namespace

bool IsMidi(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 4 && bytes[0] == 'M' && bytes[1] == 'T' && bytes[2] == 'h' && bytes[3] == 'd';
}

std::string FindSoundFont() {
  std::error_code error;
  if (const char* named = std::getenv(kSoundFontVariable); named && fs::is_regular_file(named, error)) return named;
  for (const char* font : kDebianSoundFonts)
    if (fs::is_regular_file(font, error)) return font;
  return {};
}

ImportedMusic ImportMusic(const std::string& path, const std::string& extension) {
  std::vector<uint8_t> bytes = ReadBytes(path);
  if (IsMidi(bytes)) return SynthesiseMidi(path);
  return {std::move(bytes), extension};
}

}  // namespace quill
