// Sound effects and music heard through a real sound server: run by
// with_sound_server.sh, which starts PulseAudio with a null sink; the tests record
// its monitor with parec and count the bursts of sound in the recording.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/media_backend.h"
#include "app/sounds.h"
#include "headless_host.h"
#include "shell_support.h"
#include "sound_recording.h"

namespace quill::testing {
namespace {

// Runs the event loop for `ms` milliseconds: time for sounds to play.
void Pass(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

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
    EXPECT_TRUE(WaitUntil([this] {
      std::error_code error;
      return std::filesystem::file_size(file_, error) > kRecordingRate / 5;  // a tenth of a second heard
    })) << "parec records nothing";
  }
  ~Recording() { Stop(); }

  // Stops recording and returns the bursts of sound heard.
  std::vector<Burst> Bursts() {
    Pass(300);  // the last sound's tail reaches the file
    Stop();
    return FindBursts(ReadRawSamples(file_));
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

// Twenty join sounds, each asked for once the one before has ended, as pieces are
// joined one after another: every one is heard.
TEST_F(SoundServerTest, TwentyEffectsInARowAreAllHeard) {
  ASSERT_TRUE(MusicCanPlay()) << "no audio output on the test sound server";
  TSounds sounds(MakeWaveOutput());
  Recording recording(folder.Path() / "effects.raw");
  constexpr int kEffects = 20;
  for (int i = 0; i < kEffects; ++i) {
    sounds.Play(1, kPlayWhenQuiet);
    Pass(400);  // the 90 ms join sound, then quiet
  }
  EXPECT_EQ(recording.Bursts().size(), static_cast<size_t>(kEffects));
}

// Each embedded effect is heard, played to its end before Play returns; a file that
// is no wave plays nothing and does not hold up the next sound.
TEST_F(SoundServerTest, EveryEffectIsHeardAndAFileThatIsNoWaveIsNot) {
  TSounds sounds(MakeWaveOutput());
  for (int n = 1; n <= TSounds::kSoundCount; ++n) {
    SCOPED_TRACE(n);
    Recording recording(folder.Path() / ("effect" + std::to_string(n) + ".raw"));
    sounds.Play(n, kPlayAndWait);
    EXPECT_FALSE(recording.Bursts().empty());
  }
  const std::filesystem::path noWave = folder.Path() / "no.wav";
  std::ofstream(noWave, std::ios::binary) << "RIFF-but-nothing-more";
  const std::unique_ptr<WaveOutput> output = MakeWaveOutput();
  Recording recording(folder.Path() / "no-wave.raw");
  output->Start(noWave.string());
  EXPECT_FALSE(output->IsPlaying());
  Pass(300);
  EXPECT_TRUE(recording.Bursts().empty());
}

// Counts the starts of the music and plays it through Qt's media player.
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

// A gift's music of 0.8 s (a tone and quiet) starts again each time it ends: three
// passes are heard as three bursts.
TEST_F(SoundServerTest, TheGiftsMusicPlaysAgainEachTimeItEnds) {
  ASSERT_TRUE(MusicCanPlay()) << "no media player on the test sound server";
  EXPECT_EQ(ChosenMediaBackend(), kPreferredMediaBackend);
  const std::filesystem::path music = folder.Path() / "jig1.wav";
  WriteToneWave(music, 400, 400);
  HeadlessHost host;
  host.MainForm().SetChecked("Music", true);
  auto output = std::make_unique<CountingMusicOutput>(MakeMusicOutput());
  CountingMusicOutput& counter = *output;
  MusicPlayer player(host, [&] { return music.string(); }, std::move(output));

  Recording recording(folder.Path() / "music.raw");
  player.StartMusic();
  EXPECT_TRUE(WaitUntil([&] { return counter.Starts >= 3; })) << "started " << counter.Starts << " times";
  Pass(600);  // the third pass plays to its quiet part
  player.Stop();
  EXPECT_GE(recording.Bursts().size(), 3u);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quill::testing
