// Sound effects and music heard through a real sound server: run by
// with_sound_server.sh, which starts PulseAudio with a null sink; the tests record
// its monitor with parec and count the bursts of sound in the recording. They wait
// for what the recording hears, never for a fixed time, so a loaded machine only
// makes them slower. The NoSoundServer tests run with PULSE_SERVER naming no server.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/sounds.h"
#include "headless_host.h"
#include "language_support.h"
#include "main_window_fixture.h"
#include "music_import.h"
#include "shell_support.h"
#include "sound_recording.h"

namespace quill::testing {
namespace {

constexpr int kQuietMs = 150;         // between bursts, as FindBursts counts them
constexpr int kHearingTimeoutMs = 60000;  // generous: the machine may be busy

// parec recording the test server's monitor into a raw file.
class Recording {
 public:
  explicit Recording(std::filesystem::path file) : file_(std::move(file)) {
    const QString monitor = qEnvironmentVariable("QUILL_TEST_MONITOR");
    EXPECT_FALSE(monitor.isEmpty()) << "run through with_sound_server.sh";
    parec_.setStandardOutputFile(QString::fromStdString(file_.string()));
    // Short fragments, so the samples reach the file as they are played.
    parec_.start("parec", {"-d", monitor, "--format=s16le", "--channels=1", "--latency-msec=20",
                           "--rate=" + QString::number(kRecordingRate)});
    EXPECT_TRUE(parec_.waitForStarted());
    EXPECT_TRUE(WaitUntil([this] { return RecordedMs() >= 100; }, kHearingTimeoutMs)) << "parec records nothing";
  }
  ~Recording() { Stop(); }

  // The bursts heard so far that have ended: quiet has followed them.
  std::vector<Burst> Ended() const {
    std::vector<Burst> bursts = FindBursts(ReadRawSamples(file_), kQuietMs);
    const int64_t recorded = RecordedMs();
    while (!bursts.empty() && bursts.back().EndMs + kQuietMs + 50 > recorded) bursts.pop_back();
    return bursts;
  }
  // Waits until `count` bursts have been heard and have ended.
  bool WaitForBursts(size_t count) {
    return WaitUntil([&] { return Ended().size() >= count; }, kHearingTimeoutMs);
  }
  // Waits until `ms` more have been recorded: what was played meanwhile is in the file.
  void WaitForMore(int64_t ms) {
    const int64_t until = RecordedMs() + ms;
    EXPECT_TRUE(WaitUntil([&] { return RecordedMs() >= until; }, kHearingTimeoutMs));
  }
  int64_t RecordedMs() const {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(file_, error);
    return error ? 0 : static_cast<int64_t>(bytes / 2 * 1000 / kRecordingRate);
  }

 private:
  void Stop() {
    if (parec_.state() == QProcess::NotRunning) return;
    parec_.terminate();
    parec_.waitForFinished();
  }
  std::filesystem::path file_;
  QProcess parec_;
};

class SoundServerTest : public ::testing::Test {
 protected:
  QuillApplication& app = TestApplication();
  ScratchFolder folder;
};

// Twenty join sounds, each asked for once the one before has been heard, as pieces
// are joined one after another: every one is heard.
TEST_F(SoundServerTest, TwentyEffectsInARowAreAllHeard) {
  ASSERT_TRUE(MusicCanPlay()) << "the test sound server does not answer";
  TSounds sounds(MakeWaveOutput());
  Recording recording(folder.Path() / "effects.raw");
  constexpr size_t kEffects = 20;
  for (size_t i = 1; i <= kEffects; ++i) {
    sounds.Play(1, kPlayWhenQuiet);
    ASSERT_TRUE(recording.WaitForBursts(i)) << "heard " << recording.Ended().size() << " of " << i;
  }
  recording.WaitForMore(300);
  EXPECT_EQ(recording.Ended().size(), kEffects);
}

// Each embedded effect is heard; a file that is no wave plays nothing and does not
// hold up the next sound.
TEST_F(SoundServerTest, EveryEffectIsHeardAndAFileThatIsNoWaveIsNot) {
  TSounds sounds(MakeWaveOutput());
  for (int n = 1; n <= TSounds::kSoundCount; ++n) {
    SCOPED_TRACE(n);
    Recording recording(folder.Path() / ("effect" + std::to_string(n) + ".raw"));
    sounds.Play(n, kPlayAndWait);
    EXPECT_TRUE(recording.WaitForBursts(1));
  }
  const std::filesystem::path noWave = folder.Path() / "no.wav";
  std::ofstream(noWave, std::ios::binary) << "RIFF-but-nothing-more";
  sounds.SoundList[0] = noWave.string();
  Recording recording(folder.Path() / "no-wave.raw");
  sounds.Play(1, kPlayWhenQuiet);
  sounds.Play(4, kPlayWhenQuiet);  // not held up: the file played nothing
  ASSERT_TRUE(recording.WaitForBursts(1));
  recording.WaitForMore(300);
  EXPECT_EQ(recording.Ended().size(), 1u);
}

// The completion sound (3.7 s) cut off by a tray's sound soon after it is heard: the
// sound heard is far shorter than the completion sound.
TEST_F(SoundServerTest, ASoundPlayedAtOnceCutsOffTheSoundThatPlays) {
  TSounds sounds(MakeWaveOutput());
  Recording recording(folder.Path() / "cut.raw");
  sounds.Play(2, kPlayCutOff);
  ASSERT_TRUE(WaitUntil([&] { return !FindBursts(ReadRawSamples(folder.Path() / "cut.raw")).empty(); },
                        kHearingTimeoutMs));
  sounds.Play(4, kPlayCutOff);
  ASSERT_TRUE(recording.WaitForBursts(1));
  const Burst heard = recording.Ended().front();
  EXPECT_LT(heard.EndMs - heard.StartMs, 3000) << "the completion sound played on";
}

// Counts the starts of the music.
class CountingMusicOutput : public MusicOutput {
 public:
  explicit CountingMusicOutput(std::unique_ptr<MusicOutput> output) : output_(std::move(output)) {}
  void Play(const std::string& path) override {
    ++Starts;
    output_->OnEnded = OnEnded;
    output_->Play(path);
  }
  void Stop() override { output_->Stop(); }
  bool IsPlaying() const override { return output_->IsPlaying(); }
  int Starts = 0;

 private:
  std::unique_ptr<MusicOutput> output_;
};

// Plays `music` as the gift's music until three passes have been heard.
void ExpectMusicLoops(const std::filesystem::path& music, const std::filesystem::path& recordingFile) {
  HeadlessHost host;
  host.MainForm().SetChecked("Music", true);
  auto output = std::make_unique<CountingMusicOutput>(MakeMusicOutput());
  CountingMusicOutput& counter = *output;
  MusicPlayer player(host, [&] { return music.string(); }, std::move(output));
  ASSERT_TRUE(player.HasMusic());

  Recording recording(recordingFile);
  player.StartMusic();
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_TRUE(recording.WaitForBursts(3)) << "heard " << recording.Ended().size() << " passes";
  EXPECT_GE(counter.Starts, 3);
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_TRUE(host.messages.empty());
}

// A gift's music of 0.8 s (a tone and quiet) in each kind of file the player decodes
// starts again each time it ends: three passes are heard as three bursts.
TEST_F(SoundServerTest, MusicOfEveryKindPlaysAgainEachTimeItEnds) {
  ASSERT_TRUE(MusicCanPlay());
  for (const ToneFormat& format : ToneFormats()) {
    SCOPED_TRACE(format.Extension);
    const std::filesystem::path music = folder.Path() / (std::string("jig1") + format.Extension);
    WriteTone(music, format, 400, 400);
    ExpectMusicLoops(music, folder.Path() / (std::string("music") + format.Extension + ".raw"));
  }
}

// A MIDI tune turned into sound by the gift maker plays and loops as well; the MIDI
// file itself is no music the player decodes.
TEST_F(SoundServerTest, MidiMusicConvertedByTheMakerPlaysAgainEachTimeItEnds) {
  if (FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI sound font";
  const std::filesystem::path midi = folder.Path() / "tune.mid";
  WriteToneMidi(midi, 400, 600);
  EXPECT_FALSE(MusicDecodes(midi.string()));
  const ImportedMusic imported = ImportMusic(midi.string(), ".mid");
  EXPECT_EQ(imported.Extension, ".ogg");
  const std::filesystem::path music = folder.Path() / ("jig1" + imported.Extension);
  std::ofstream(music, std::ios::binary)
      .write(reinterpret_cast<const char*>(imported.Bytes.data()), static_cast<std::streamsize>(imported.Bytes.size()));
  ExpectMusicLoops(music, folder.Path() / "midi.raw");
}

// An effect played over the music is mixed in: the music goes on after it.
TEST_F(SoundServerTest, AnEffectIsMixedOverTheMusic) {
  const std::filesystem::path music = folder.Path() / "jig1.wav";
  WriteToneWave(music, 2000, 200);
  const std::unique_ptr<MusicOutput> output = MakeMusicOutput();
  TSounds sounds(MakeWaveOutput());
  int ends = 0;
  output->OnEnded = [&] { ++ends; };
  Recording recording(folder.Path() / "mixed.raw");
  output->Play(music.string());
  sounds.Play(5, kPlayCutOff);
  ASSERT_TRUE(WaitUntil([&] { return ends == 1; }, kHearingTimeoutMs));
  ASSERT_TRUE(recording.WaitForBursts(1));
  const Burst heard = recording.Ended().front();
  EXPECT_GE(heard.EndMs - heard.StartMs, 1800) << "the effect cut the music off";
}

// The volume controls of the sound server name the two streams in the interface's
// language.
TEST_F(SoundServerTest, TheStreamsAreNamedInTheInterfaceLanguage) {
  const std::filesystem::path music = folder.Path() / "jig1.wav";
  WriteToneWave(music, 2000, 200);
  const LanguageScope german("de");
  const std::unique_ptr<MusicOutput> output = MakeMusicOutput();
  TSounds sounds(MakeWaveOutput());
  output->Play(music.string());
  sounds.Play(5, kPlayCutOff);
  QString streams;
  const bool named = WaitUntil(
      [&] {
        QProcess pactl;
        pactl.start("pactl", {"list", "sink-inputs"});
        pactl.waitForFinished();
        streams = QString::fromUtf8(pactl.readAllStandardOutput());
        return streams.contains("media.name = \"Soundeffekte\"") && streams.contains("media.name = \"Musik\"");
      },
      kHearingTimeoutMs);
  EXPECT_TRUE(named) << streams.toStdString();
  output->Stop();
}

// A started gift plays its music when the player decodes it; an older gift's MIDI music
// counts as none: Music is unticked at the start, without a word.
class GiftMusicTest : public MainWindowTest {};

TEST_F(GiftMusicTest, MusicPlaysAfterTheStartUnlessThePlayerCannotDecodeIt) {
  const std::filesystem::path wave = folder.Path() / "tune.wav";
  WriteToneWave(wave, 200, 200);
  const std::filesystem::path midi = folder.Path() / "tune.mid";
  WriteToneMidi(midi, 200, 200);
  struct Case {
    std::filesystem::path music;
    const char* extension;
    bool plays;
  };
  const Case cases[] = {{wave, ".wav", true}, {midi, ".mid", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extension);
    GiftParts parts;
    std::ifstream file(c.music, std::ios::binary);
    parts.Music.assign(std::istreambuf_iterator<char>(file), {});
    GiftHeader header = DefaultGiftHeader();
    header.MusicExtension = c.extension;
    auto window = OpenGift(header, std::move(parts));
    StartPlaying(*window);
    EXPECT_EQ(host.MainForm().Checked("Music"), c.plays);
    EXPECT_EQ(host.MainForm().Get("SpeedMusic").Down, c.plays);
    EXPECT_TRUE(host.MainForm().Get("Music").Enabled);
    const MusicPlayer* player = MusicPlayer::Of(*window);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->IsPlaying(), c.plays);
    window->close();
  }
}

// ---- Without a sound server ------------------------------------------------------

class NoSoundServer : public ::testing::Test {
 protected:
  QuillApplication& app = TestApplication();
  ScratchFolder folder;
};

// Effects in every mode and the music play nothing, quietly; the music reports no
// end, so it is not started again and again.
TEST_F(NoSoundServer, SoundAndMusicAreSilentWithoutACrash) {
  EXPECT_FALSE(MusicCanPlay());
  TSounds sounds(MakeWaveOutput());
  for (int mode : {kPlayWhenQuiet, kPlayAndWait, kPlayCutOff})
    for (int n = 1; n <= TSounds::kSoundCount; ++n) sounds.Play(n, mode);

  const std::filesystem::path music = folder.Path() / "jig1.wav";
  WriteToneWave(music, 100, 100);
  HeadlessHost host;
  host.MainForm().SetChecked("Music", true);
  auto output = std::make_unique<CountingMusicOutput>(MakeMusicOutput());
  CountingMusicOutput& counter = *output;
  MusicPlayer player(host, [&] { return music.string(); }, std::move(output));
  player.StartMusic();
  EXPECT_FALSE(player.IsPlaying());
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.Starts, 1);
  player.Stop();
}

}  // namespace
}  // namespace quill::testing
