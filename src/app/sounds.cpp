#include "app/sounds.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <charconv>
#include <optional>
#include <filesystem>

#include "common/errors.h"
#include "common/resources.h"
#include "common/wave_file.h"
#include "app/media_backend.h"

namespace quill {
namespace {

constexpr const char* kSoundsName = "Sounds";
constexpr const char* kMediaPlayerName = "MediaPlayer1";
constexpr int kLongestWaitMs = 10000;  // a synchronous sound never holds the program longer

bool HasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

QUrl FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

// The samples of a PCM wave file and the format to play them in.
struct WaveSamples {
  QAudioFormat Format;
  QByteArray Samples;
  int64_t LengthMs = 0;
};

QAudioFormat::SampleFormat SampleFormatOf(const WaveFormat& wave) {
  constexpr uint16_t kPcm = 1, kFloat = 3;
  if (wave.FormatTag == kPcm && wave.BitsPerSample == 8) return QAudioFormat::UInt8;
  if (wave.FormatTag == kPcm && wave.BitsPerSample == 16) return QAudioFormat::Int16;
  if (wave.FormatTag == kPcm && wave.BitsPerSample == 32) return QAudioFormat::Int32;
  if (wave.FormatTag == kFloat && wave.BitsPerSample == 32) return QAudioFormat::Float;
  return QAudioFormat::Unknown;
}

// The wave file at `path`, or nothing when it cannot be read or is no PCM wave.
std::optional<WaveSamples> ReadWaveSamples(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  const std::optional<WaveFormat> wave =
      ReadWaveFormat({reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())});
  if (!wave || wave->Channels == 0 || SampleFormatOf(*wave) == QAudioFormat::Unknown) return std::nullopt;
  WaveSamples samples;
  samples.Format.setSampleRate(static_cast<int>(wave->SampleRate));
  samples.Format.setChannelCount(wave->Channels);
  samples.Format.setSampleFormat(SampleFormatOf(*wave));
  samples.Samples = bytes.mid(static_cast<qsizetype>(wave->DataOffset), static_cast<qsizetype>(wave->DataSize));
  samples.LengthMs = PlayingMilliseconds(*wave);
  return samples;
}

// Plays each sound through a new audio sink fed from the file's samples, read once
// and kept. Qt's QSoundEffect is not used: with a sound server it falls silent after
// a few plays while it goes on reporting that it plays, and a reused sink does the
// same. A sound counts as playing until its length has passed since it started.
class QtWaveOutput : public WaveOutput {
 public:
  ~QtWaveOutput() override { Stop(); }
  void Start(const std::string& path) override {
    Stop();
    const WaveSamples* wave = Samples(path);
    if (!wave) return;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(wave->Samples);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), wave->Format);
    sink_->start(buffer_.get());
    lengthMs_ = wave->LengthMs;
    started_.start();
  }
  void Stop() override {
    if (sink_) sink_->stop();
    sink_.reset();  // before the buffer it reads
    buffer_.reset();
    lengthMs_ = 0;
  }
  bool IsPlaying() const override { return RemainingMs() > 0; }
  void WaitUntilDone() override {
    const int64_t remaining = RemainingMs();
    if (remaining <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::min<int64_t>(remaining, kLongestWaitMs)), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  const WaveSamples* Samples(const std::string& path) {
    auto it = waves_.find(path);
    if (it == waves_.end()) it = waves_.emplace(path, ReadWaveSamples(path)).first;
    return it->second ? &*it->second : nullptr;
  }
  int64_t RemainingMs() const { return sink_ ? lengthMs_ - started_.elapsed() : 0; }

  std::map<std::string, std::optional<WaveSamples>> waves_;
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QAudioSink> sink_;
  int64_t lengthMs_ = 0;
  QElapsedTimer started_;
};

class SilentWaveOutput : public WaveOutput {
 public:
  void Start(const std::string&) override {}
  void Stop() override {}
  bool IsPlaying() const override { return false; }
  void WaitUntilDone() override {}
};

// The media player with its audio output, made on the first Play when music can play
// here (else the output stays silent). Finding that out may start a trial player, so
// it waits until the music is first wanted rather than slowing the window's opening.
class QtMusicOutput : public MusicOutput {
 public:
  void Play(const std::string& path) override {
    if (!player_) {
      if (!MusicCanPlay()) return;
      MakePlayer();
    }
    player_->setSource(FileUrl(path));
    player_->setPosition(0);
    player_->play();
  }
  void Stop() override {
    if (player_) player_->stop();
  }
  bool IsPlaying() const override { return player_ && player_->playbackState() == QMediaPlayer::PlayingState; }

 private:
  void MakePlayer() {
    player_ = std::make_unique<QMediaPlayer>();
    audio_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(audio_.get());
    // Queued, as a window message: the next start runs outside the player's signal.
    QObject::connect(
        player_.get(), &QMediaPlayer::mediaStatusChanged, player_.get(),
        [this](QMediaPlayer::MediaStatus status) {
          if (status == QMediaPlayer::EndOfMedia && OnEnded) OnEnded();
        },
        Qt::QueuedConnection);
  }

  std::unique_ptr<QAudioOutput> audio_;
  std::unique_ptr<QMediaPlayer> player_;
};

// The whole of `text` as an integer, or nothing.
std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::unique_ptr<WaveOutput> MakeWaveOutput() {
  if (HasAudioOutput()) return std::make_unique<QtWaveOutput>();
  return std::make_unique<SilentWaveOutput>();
}

bool MusicCanPlay() { return HasAudioOutput() && MediaPlayerUsable(); }

std::unique_ptr<MusicOutput> MakeMusicOutput() { return std::make_unique<QtMusicOutput>(); }

// ---- TSounds --------------------------------------------------------------------

TSounds::TSounds(std::unique_ptr<WaveOutput> output, QObject* parent) : QObject(parent), output_(std::move(output)) {
  setObjectName(kSoundsName);
  for (int n = 1; n <= kSoundCount; ++n) SoundList.push_back(std::to_string(n));
}

TSounds::~TSounds() {
  if (output_) output_->Stop();
}

TSounds* TSounds::Of(const QObject& window) {
  return window.findChild<TSounds*>(kSoundsName, Qt::FindDirectChildrenOnly);
}

void TSounds::Play(int n, int mode) {
  mode_ = mode;
  PlayNumber(n);
}

TJigConfig::SoundOutput TSounds::ConfigOutput() {
  return [sounds = QPointer<TSounds>(this)](int effect, bool atOnce) {
    if (sounds) sounds->Play(effect, atOnce ? kPlayCutOff : kPlayWhenQuiet);
  };
}

void TSounds::PlayNumber(int n) {
  if (n < 1 || n > static_cast<int>(SoundList.size())) return;
  const std::string& entry = SoundList[static_cast<size_t>(n - 1)];
  if (const std::optional<int> number = WholeNumber(entry); number && *number >= 1 && *number <= kResourceCount) {
    const std::string file = ResourceFile(*number);
    if (!file.empty()) PlayFile(file);
  } else if (std::error_code error; std::filesystem::is_regular_file(entry, error)) {
    PlayFile(entry);
  }
}

void TSounds::PlayFile(const std::string& path) {
  if (!output_) return;
  if (mode_ != kPlayCutOff && mode_ != kPlayAndWait && output_->IsPlaying()) return;
  output_->Start(path);
  if (mode_ == kPlayAndWait) output_->WaitUntilDone();
}

std::string TSounds::ResourceFile(int number) {
  if (auto it = resourceFiles_.find(number); it != resourceFiles_.end()) return it->second;
  std::vector<uint8_t> bytes;
  try {
    bytes = LoadResourceStream("Wave" + std::to_string(number), "WAVE");
  } catch (const UserError&) {
    return {};
  }
  if (!folder_) folder_ = std::make_unique<QTemporaryDir>();
  if (!folder_->isValid()) return {};
  const QString path = folder_->filePath(QStringLiteral("Wave%1.wav").arg(number));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()))
    return {};
  return resourceFiles_[number] = path.toStdString();
}

// ---- MusicPlayer ----------------------------------------------------------------

MusicPlayer::MusicPlayer(Host& host, std::function<std::string()> musicFile, std::unique_ptr<MusicOutput> output,
                         QObject* parent)
    : QObject(parent), host_(host), musicFile_(std::move(musicFile)) {
  setObjectName(kMediaPlayerName);
  SetOutput(std::move(output));
}

MusicPlayer* MusicPlayer::Of(const QObject& window) {
  return window.findChild<MusicPlayer*>(kMediaPlayerName, Qt::FindDirectChildrenOnly);
}

void MusicPlayer::SetOutput(std::unique_ptr<MusicOutput> output) {
  output_ = std::move(output);
  if (!output_) return;
  // The end of the music starts it again for as long as Music stays ticked.
  output_->OnEnded = [self = QPointer<MusicPlayer>(this)] {
    if (self) self->StartMusic();
  };
}

void MusicPlayer::StartMusic() {
  UiState& form = host_.MainForm();
  if (!form.Checked("Music")) return;
  const std::string file = musicFile_();
  if (std::error_code error; !file.empty() && std::filesystem::is_regular_file(file, error)) {
    if (output_) output_->Play(file);
    form.SetDown("SpeedMusic", true);
    form.SetChecked("Music", true);
  } else {
    form.SetChecked("Music", false);
    form.SetDown("SpeedMusic", false);
    host_.ShowMessage(kNoMusicMessage, MessageKind::Information);
  }
}

void MusicPlayer::Stop() {
  if (output_) output_->Stop();
}

bool MusicPlayer::IsPlaying() const { return output_ && output_->IsPlaying(); }

}  // namespace quill
