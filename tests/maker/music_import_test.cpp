// Music as the gift stores it: files the player decodes go in as they are; MIDI is
// turned into Ogg Vorbis with FluidSynth, or refused in plain words when FluidSynth
// is not there, and a refused MIDI file leaves no gift behind.
#include "music_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/sound_file.h"
#include "game/gift_scan.h"
#include "game/program_file.h"
#include "gift_request.h"
#include "picture_samples.h"
#include "sound_recording.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using namespace quill::testing;

class MusicImportTest : public ::testing::Test {
 protected:
  MusicImportTest() {
    fs::create_directories(folder);
    WriteToneMidi(midi, 300, 200);
  }
  ~MusicImportTest() override {
    fs::remove_all(folder);
    RestorePath();
  }
  // FluidSynth cannot be found.
  void HideFluidSynth() { qputenv("PATH", (folder / "empty").string().c_str()); }
  void RestorePath() { qputenv("PATH", path_); }
  bool CanSynthesise() const { return !FindSoundFont().empty() && fs::exists("/usr/bin/fluidsynth"); }

  fs::path folder = fs::temp_directory_path() / ("quill-music-" + std::to_string(::getpid()));
  fs::path midi = folder / "tune.mid";

 private:
  QByteArray path_ = qgetenv("PATH");
};

// Music the player decodes is stored byte for byte under the extension asked for.
TEST_F(MusicImportTest, MusicThePlayerDecodesIsStoredAsItIs) {
  for (const ToneFormat& format : ToneFormats()) {
    SCOPED_TRACE(format.Extension);
    const fs::path tune = folder / (std::string("tune") + format.Extension);
    WriteTone(tune, format, 100, 100);
    const ImportedMusic music = ImportMusic(tune.string(), format.Extension);
    EXPECT_EQ(music.Extension, format.Extension);
    EXPECT_EQ(music.Bytes.size(), fs::file_size(tune));
  }
}

TEST_F(MusicImportTest, MidiBecomesOggVorbisThePlayerDecodes) {
  if (!CanSynthesise()) GTEST_SKIP() << "no FluidSynth or General MIDI sound font";
  const ImportedMusic music = ImportMusic(midi.string(), ".mid");
  EXPECT_EQ(music.Extension, ".ogg");
  const fs::path stored = folder / "stored.ogg";
  std::ofstream(stored, std::ios::binary)
      .write(reinterpret_cast<const char*>(music.Bytes.data()), static_cast<std::streamsize>(music.Bytes.size()));
  const std::shared_ptr<const SoundClip> clip = ReadSoundClip(stored.string());
  ASSERT_NE(clip, nullptr);
  EXPECT_GE(clip->LengthMs(), 400) << "the note and the quiet after it";
}

// Without FluidSynth, and for a MIDI file FluidSynth cannot play, the sender reads
// what to do.
TEST_F(MusicImportTest, MidiThatCannotBeSynthesisedIsRefusedInPlainWords) {
  const fs::path broken = folder / "broken.mid";
  std::ofstream(broken, std::ios::binary) << "MThd and nothing a MIDI file holds";
  struct Case {
    const char* what;
    fs::path file;
    bool hideFluidSynth;
    const char* message;
  };
  const Case cases[] = {{"no FluidSynth", midi, true, "needs FluidSynth and a General MIDI sound font"},
                        {"broken MIDI", broken, false, "MIDI"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.hideFluidSynth && !CanSynthesise()) continue;
    if (c.hideFluidSynth) HideFluidSynth();
    try {
      ImportMusic(c.file.string(), ".mid");
      ADD_FAILURE() << "stored";
    } catch (const MusicImportError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    RestorePath();
  }
}

// Through the gift request: MIDI music goes in as Ogg Vorbis, or its field carries the
// refusal and no gift is written.
TEST_F(MusicImportTest, AGiftTakesMidiAsOggVorbisOrBlamesTheMusicField) {
  GiftRequest request;
  WriteFile(folder / "player", std::vector<uint8_t>(5000, 'p'));
  WriteFile(folder / "photo.jpg", JpegOf(PhotoSizedPicture(400, 300), 85));
  request.PlayerPath = (folder / "player").string();
  request.PicturePath = (folder / "photo.jpg").string();
  request.OutputPath = (folder / "gift").string();
  request.MusicPath = midi.string();
  if (CanSynthesise()) {
    MakeGift(request, [](int, const std::string&) {});
    ProgramFile file(request.OutputPath);
    EXPECT_EQ(FindGiftHeader(file).MusicExtension, ".ogg");
    fs::remove(request.OutputPath);
  }
  HideFluidSynth();
  try {
    MakeGift(request, [](int, const std::string&) {});
    ADD_FAILURE() << "made";
  } catch (const GiftRequestError& e) {
    ASSERT_EQ(e.Errors().size(), 1u);
    EXPECT_EQ(e.Errors()[0].Field, "MusicPath");
  }
  EXPECT_FALSE(fs::exists(request.OutputPath));
}

}  // namespace
}  // namespace quill
