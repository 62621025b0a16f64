// Sound effects and music with recorders in place of the audio outputs (the test
// machine may have none): which effect plays, which is dropped or cuts another off,
// the configuration's Sound switch, and music following the Music tick and starting
// again at its end.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/sounds.h"
#include "audio/sound_file.h"
#include "common/wave_file.h"
#include "common/config.h"
#include "common/resources.h"
#include "headless_host.h"
#include "main_window_fixture.h"
#include "sound_recording.h"

namespace quill::testing {
namespace {

// What an output was asked to do; `Playing` is what it reports, set by the test.
struct OutputLog {
  std::vector<std::string> Started;
  int Stops = 0;
  int Waits = 0;
  bool Playing = false;
};

class RecordingWaveOutput : public WaveOutput {
 public:
  explicit RecordingWaveOutput(std::shared_ptr<OutputLog> log) : log_(std::move(log)) {}
  void Start(const std::string& path) override {
    log_->Started.push_back(path);
    log_->Playing = true;
  }
  void Stop() override {
    ++log_->Stops;
    log_->Playing = false;
  }
  bool IsPlaying() const override { return log_->Playing; }
  void WaitUntilDone() override {
    ++log_->Waits;
    log_->Playing = false;
  }

 private:
  std::shared_ptr<OutputLog> log_;
};

class RecordingMusicOutput : public MusicOutput {
 public:
  explicit RecordingMusicOutput(std::shared_ptr<OutputLog> log) : log_(std::move(log)) {}
  void Play(const std::string& path) override {
    log_->Started.push_back(path);
    log_->Playing = true;
  }
  void Stop() override {
    ++log_->Stops;
    log_->Playing = false;
  }
  bool IsPlaying() const override { return log_->Playing; }

 private:
  std::shared_ptr<OutputLog> log_;
};

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void WriteFile(const std::filesystem::path& path) { std::ofstream(path, std::ios::binary) << "RIFF"; }

class SoundsTest : public ::testing::Test {
 protected:
  QuillApplication& app = TestApplication();
  std::shared_ptr<OutputLog> log = std::make_shared<OutputLog>();
  TSounds sounds{std::make_unique<RecordingWaveOutput>(log)};
  ScratchFolder folder;
};

// The rule of the modes: a quiet request is dropped while a sound plays; a cut-off
// or waiting request always plays.
TEST_F(SoundsTest, ModesDecideWhetherAPlayingSoundIsKeptOrCutOff) {
  struct Case {
    int mode;
    bool playingBefore;
    bool started;
    int waits;
  };
  const Case cases[] = {
      {kPlayWhenQuiet, false, true, 0}, {kPlayWhenQuiet, true, false, 0}, {kPlayCutOff, false, true, 0},
      {kPlayCutOff, true, true, 0},     {kPlayAndWait, false, true, 1},   {kPlayAndWait, true, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode << (c.playingBefore ? ", playing" : ", quiet"));
    *log = OutputLog{};
    log->Playing = c.playingBefore;
    sounds.Play(4, c.mode);
    EXPECT_EQ(log->Started.size(), c.started ? 1u : 0u);
    EXPECT_EQ(log->Waits, c.waits);
  }
}

TEST_F(SoundsTest, ANumberPlaysItsEmbeddedWaveWrittenOnceToAFile) {
  sounds.Play(2, kPlayCutOff);
  sounds.Play(2, kPlayCutOff);
  sounds.Play(6, kPlayCutOff);
  ASSERT_EQ(log->Started.size(), 3u);
  EXPECT_EQ(log->Started[0], log->Started[1]);
  EXPECT_NE(log->Started[0], log->Started[2]);
  EXPECT_EQ(FileBytes(log->Started[0]), LoadResourceStream("WAVE2", "WAVE"));
  EXPECT_EQ(FileBytes(log->Started[2]), LoadResourceStream("WAVE6", "WAVE"));
}

// The files the sounds object writes decode whole: every 8-bit sample of each embedded
// wave at its own rate, silence (the unsigned middle) as zero, and read back in blocks
// until a short block marks the end.
TEST_F(SoundsTest, EachEmbeddedWaveDecodesWholeAtItsOwnRate) {
  for (int n = 1; n <= TSounds::kSoundCount; ++n) {
    SCOPED_TRACE(n);
    *log = OutputLog{};
    sounds.Play(n, kPlayCutOff);
    ASSERT_EQ(log->Started.size(), 1u);
    const std::vector<uint8_t> bytes = FileBytes(log->Started[0]);
    const std::optional<WaveFormat> wave = ReadWaveFormat(bytes);
    ASSERT_TRUE(wave);
    const std::shared_ptr<const SoundClip> clip = ReadSoundClip(log->Started[0]);
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->Format, (SoundFormat{static_cast<int>(wave->SampleRate), 1}));
    ASSERT_EQ(clip->Samples.size(), wave->DataSize);
    EXPECT_EQ(clip->Samples.front(), (bytes[wave->DataOffset] - 128) * 256);
    EXPECT_EQ(clip->LengthMs(), static_cast<int64_t>(wave->DataSize) * 1000 / wave->SampleRate);

    ClipSource source(clip);
    std::vector<int16_t> block(1000);
    size_t total = 0;
    for (size_t got = block.size(); got == block.size(); total += got) got = source.Read(block.data(), block.size());
    EXPECT_EQ(total, clip->Samples.size());
    EXPECT_EQ(source.Read(block.data(), block.size()), 0u);
  }
}

TEST_F(SoundsTest, EntriesNameAResourceOrAnExistingFileElseNothingPlays) {
  const std::filesystem::path wave = folder.Path() / "own.wav";
  WriteFile(wave);
  sounds.SoundList = {"5", wave.string(), "7", "13", (folder.Path() / "missing.wav").string(), " 3"};
  struct Case {
    int n;
    bool plays;
  };
  const Case cases[] = {{1, true},    // resource Wave5
                        {2, true},    // the file
                        {3, false},   // no resource Wave7
                        {4, false},   // beyond 12, and no such file
                        {5, false},   // no such file
                        {6, false},   // not a number, and no such file
                        {0, false},   // outside the list
                        {7, false}};  // outside the list
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    *log = OutputLog{};
    sounds.Play(c.n, kPlayCutOff);
    EXPECT_EQ(log->Started.size(), c.plays ? 1u : 0u);
  }
  sounds.Play(2, kPlayCutOff);
  EXPECT_EQ(log->Started.back(), wave.string());
}

// The configuration's switch: nothing while Sound is off, not even the completion
// sound; a join does not cut off the completion sound, which cuts off any effect.
TEST_F(SoundsTest, TheConfigurationPlaysThroughTheSoundsWhileSoundIsOn) {
  HeadlessHost host;
  TJigConfig config(host.MainForm());
  config.SetSoundOutput(sounds.ConfigOutput());

  config.Sound = false;
  config.PlaySound(SoundEffect::Join);
  config.PlaySoundAtOnce(SoundEffect::Completed);
  EXPECT_TRUE(log->Started.empty());

  config.Sound = true;
  config.PlaySoundAtOnce(SoundEffect::Completed);
  ASSERT_EQ(log->Started.size(), 1u);
  config.PlaySound(SoundEffect::Join);  // the completion sound still plays
  EXPECT_EQ(log->Started.size(), 1u);
  log->Playing = true;  // a join sound, say
  config.PlaySoundAtOnce(SoundEffect::Completed);
  EXPECT_EQ(log->Started.size(), 2u);
}

TEST_F(SoundsTest, TheConfigurationsOutputPlaysNothingOnceTheSoundsAreGone) {
  auto owned = std::make_unique<TSounds>(std::make_unique<RecordingWaveOutput>(log));
  const TJigConfig::SoundOutput output = owned->ConfigOutput();
  owned.reset();
  EXPECT_EQ(log->Stops, 1) << "the destructor stops the sound";
  output(1, true);
  EXPECT_TRUE(log->Started.empty());
}

// ---- Music ---------------------------------------------------------------------

class MusicPlayerTest : public ::testing::Test {
 protected:
  MusicPlayerTest() {
    WriteToneWave(music, 100, 100);
    form().SetChecked("Music", true);
  }
  UiState& form() { return host.MainForm(); }

  QuillApplication& app = TestApplication();
  ScratchFolder folder;
  std::filesystem::path music = folder.Path() / "jig1.wav";
  std::string musicFile = music.string();
  HeadlessHost host;
  std::shared_ptr<OutputLog> log = std::make_shared<OutputLog>();
  MusicPlayer player{host, [this] { return musicFile; }, std::make_unique<RecordingMusicOutput>(log)};
};

TEST_F(MusicPlayerTest, StartsOnlyWhileMusicIsTickedAndPutsSpeedMusicDown) {
  form().SetChecked("Music", false);
  player.StartMusic();
  EXPECT_TRUE(log->Started.empty());

  form().SetChecked("Music", true);
  form().SetDown("SpeedMusic", false);
  player.StartMusic();
  EXPECT_EQ(log->Started, std::vector<std::string>{musicFile});
  EXPECT_TRUE(form().Get("SpeedMusic").Down);
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_TRUE(host.messages.empty());
}

// No file, or one the player cannot decode (a MIDI file of an older gift, anything
// that is no sound), counts as no music.
TEST_F(MusicPlayerTest, WithoutMusicItCanPlayMusicIsUntickedWithAMessage) {
  const std::filesystem::path midi = folder.Path() / "jig1.mid";
  WriteToneMidi(midi, 100, 100);
  const std::filesystem::path noSound = folder.Path() / "noise.wav";
  WriteFile(noSound);
  for (const std::string& missing : {std::string(), (folder.Path() / "gone.mid").string(), midi.string(),
                                     noSound.string(), folder.Path().string()}) {
    SCOPED_TRACE(missing);
    musicFile = missing;
    EXPECT_FALSE(player.HasMusic());
    form().SetChecked("Music", true);
    form().SetDown("SpeedMusic", true);
    host.messages.clear();
    player.StartMusic();
    EXPECT_TRUE(log->Started.empty());
    EXPECT_FALSE(form().Checked("Music"));
    EXPECT_FALSE(form().Get("SpeedMusic").Down);
    EXPECT_EQ(host.messages, std::vector<std::string>{kNoMusicMessage});
  }
}

TEST_F(MusicPlayerTest, MusicThatEndsStartsAgainWhileMusicIsTicked) {
  auto output = std::make_unique<RecordingMusicOutput>(log);
  RecordingMusicOutput& recorder = *output;
  player.SetOutput(std::move(output));
  player.StartMusic();
  log->Playing = false;
  recorder.OnEnded();
  EXPECT_EQ(log->Started.size(), 2u) << "played again from its start";

  form().SetChecked("Music", false);
  player.Stop();
  recorder.OnEnded();
  EXPECT_EQ(log->Started.size(), 2u);
}

// ---- In the main window ----------------------------------------------------------

class MainWindowSoundsTest : public MainWindowTest {
 protected:
  std::unique_ptr<MainWindow> Play() {
    auto window = OpenGift(DefaultGiftHeader());
    StartPlaying(*window);
    TSounds* sounds = TSounds::Of(*window);
    EXPECT_NE(sounds, nullptr);
    if (sounds) sounds->SetOutput(std::make_unique<RecordingWaveOutput>(effects));
    MusicPlayer* player = MusicPlayer::Of(*window);
    EXPECT_NE(player, nullptr);
    if (player) player->SetOutput(std::make_unique<RecordingMusicOutput>(music));
    return window;
  }
  void Trigger(MainWindow& window, const char* item) { window.Menus().Action(item)->trigger(); }

  std::shared_ptr<OutputLog> effects = std::make_shared<OutputLog>();
  std::shared_ptr<OutputLog> music = std::make_shared<OutputLog>();
};

TEST_F(MainWindowSoundsTest, TickingSoundPlaysTheJoinSoundOnceAndTheGameReachesTheSounds) {
  auto window = Play();
  ASSERT_TRUE(host.MainForm().Checked("Sound"));
  Trigger(*window, "Sound");  // off
  window->Game().Config().PlaySound(SoundEffect::Tray);
  EXPECT_TRUE(effects->Started.empty());
  Trigger(*window, "Sound");  // on again: the sample
  ASSERT_EQ(effects->Started.size(), 1u);
  EXPECT_EQ(FileBytes(effects->Started[0]), LoadResourceStream("WAVE1", "WAVE"));

  // A restarted game plays through the same sounds.
  host.SetQuietAnswer(ChoiceAnswer::Yes);
  Trigger(*window, "Restart1");
  effects->Playing = false;
  window->Game().Config().PlaySound(SoundEffect::TrayDeleted);
  EXPECT_EQ(effects->Started.size(), 2u);
}

TEST_F(MainWindowSoundsTest, MusicFollowsTheMusicTickAndStopsWhenTheWindowCloses) {
  auto window = Play();
  UiState& form = host.MainForm();
  // As on a machine with a sound device (this one may have none), with a gift's music.
  form.SetEnabled("Music", true);
  form.SetChecked("Music", false);
  const std::filesystem::path file = folder.Path() / "jig1.wav";
  WriteToneWave(file, 100, 100);
  host.SetMusicFile(file.string());

  Trigger(*window, "Music");
  EXPECT_EQ(music->Started, std::vector<std::string>{file.string()});
  EXPECT_TRUE(form.Get("SpeedMusic").Down);
  Trigger(*window, "Music");
  EXPECT_FALSE(music->Playing);
  EXPECT_FALSE(form.Get("SpeedMusic").Down);

  Trigger(*window, "Music");
  ASSERT_TRUE(music->Playing);
  window->close();
  EXPECT_FALSE(music->Playing);
}

TEST_F(MainWindowSoundsTest, TickingMusicForAGiftWithoutMusicLeavesItUnticked) {
  auto window = Play();
  UiState& form = host.MainForm();
  form.SetEnabled("Music", true);
  form.SetChecked("Music", false);
  Trigger(*window, "Music");
  EXPECT_FALSE(form.Checked("Music"));
  EXPECT_FALSE(form.Get("SpeedMusic").Down);
  EXPECT_TRUE(music->Started.empty());
}

}  // namespace
}  // namespace quill::testing
