#include "app/sounds.h"

#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>

#include "audio/sound_file.h"
#include "audio/sound_server.h"
#include "common/errors.h"
#include "common/resources.h"
#include "common/translate.h"
#include "ui/component_names.h"

namespace quill {
namespace {

constexpr const char* kSoundsName = "Sounds";
constexpr const char* kMediaPlayerName = "MediaPlayer1";
constexpr int kLongestWaitMs = 10000;  // a synchronous sound never holds the program longer
// How far ahead the server holds each stream's sound: effects are cut off within
// this time; the music's end is reported this much before it is heard, so the next
// pass follows without a gap.
constexpr int kEffectsBufferMs = 80;
constexpr int kMusicBufferMs = 400;

using Clock = std::chrono::steady_clock;

// A stream of the sound server, made when it is first wanted; none without a server.
class LazyChannel {
 public:
  LazyChannel(std::string (*name)(), int bufferMs) : name_(name), bufferMs_(bufferMs) {}
  SoundChannel* Get() {
    if (!tried_) {
      tried_ = true;
      if (std::shared_ptr<SoundServer> server = SoundServer::Shared())
        channel_ = std::make_unique<SoundChannel>(std::move(server), name_(), bufferMs_);
    }
    return channel_.get();
  }
  SoundChannel* operator->() const { return channel_.get(); }
  explicit operator bool() const { return channel_ != nullptr; }

 private:
  std::string (*name_)();  // read when the stream is made, in the language installed then
  int bufferMs_;
  bool tried_ = false;
  std::unique_ptr<SoundChannel> channel_;
};

// Plays each sound whole from memory, decoded once and kept. A sound counts as
// playing until its length has passed since it started.
class ServerWaveOutput : public WaveOutput {
 public:
  ~ServerWaveOutput() override { Stop(); }
  void Start(const std::string& path) override {
    Stop();
    const std::shared_ptr<const SoundClip> clip = Clip(path);
    if (!clip || !channel_.Get()) return;
    channel_->Play(std::make_unique<ClipSource>(clip));
    lengthMs_ = clip->LengthMs();
    started_ = Clock::now();
  }
  void Stop() override {
    if (channel_) channel_->Stop();
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
  std::shared_ptr<const SoundClip> Clip(const std::string& path) {
    auto it = clips_.find(path);
    if (it == clips_.end()) it = clips_.emplace(path, ReadSoundClip(path)).first;
    return it->second;
  }
  int64_t RemainingMs() const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count();
    return lengthMs_ - elapsed;
  }

  LazyChannel channel_{EffectsStreamName, kEffectsBufferMs};
  std::map<std::string, std::shared_ptr<const SoundClip>> clips_;
  int64_t lengthMs_ = 0;
  Clock::time_point started_;
};

// Decodes the music file as the server takes it. The end of a pass comes from the
// server's thread and is handed to this output's thread as an event.
class ServerMusicOutput : public MusicOutput {
 public:
  ~ServerMusicOutput() override { Stop(); }
  void Play(const std::string& path) override {
    std::unique_ptr<SoundFileSource> source = SoundFileSource::Open(path);
    if (!source || !channel_.Get()) return;
    playing_ = true;
    channel_->Play(std::move(source), [this] {
      QMetaObject::invokeMethod(&events_, [this] { PassEnded(); }, Qt::QueuedConnection);
    });
  }
  void Stop() override {
    playing_ = false;
    if (channel_) channel_->Stop();
  }
  // From Play until Stop or an end no one follows with another Play.
  bool IsPlaying() const override { return playing_; }

 private:
  void PassEnded() {
    if (!playing_ || channel_->IsReading()) return;  // stopped, or played again since
    playing_ = false;
    if (OnEnded) OnEnded();
  }

  QObject events_;  // receives the ends of passes; made before the channel, gone after it
  LazyChannel channel_{MusicStreamName, kMusicBufferMs};
  bool playing_ = false;
};

// The whole of `text` as an integer, or nothing.
std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string EffectsStreamName() { return Tr("Sounds", "Sound effects"); }
std::string MusicStreamName() { return Tr("Sounds", "Music"); }

std::unique_ptr<WaveOutput> MakeWaveOutput() { return std::make_unique<ServerWaveOutput>(); }

bool MusicCanPlay() { return SoundServer::Shared() != nullptr; }

bool MusicDecodes(const std::string& path) { return SoundFileSource::Open(path) != nullptr; }

std::unique_ptr<MusicOutput> MakeMusicOutput() { return std::make_unique<ServerMusicOutput>(); }

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
  if (!form.Checked(component::kMusic)) return;
  if (HasMusic()) {
    if (output_) output_->Play(musicFile_());
    form.SetDown(component::kSpeedMusic, true);
    form.SetChecked(component::kMusic, true);
  } else {
    form.SetChecked(component::kMusic, false);
    form.SetDown(component::kSpeedMusic, false);
    host_.ShowMessage(kNoMusicMessage, MessageKind::Information);
  }
}

bool MusicPlayer::HasMusic() const {
  const std::string file = musicFile_();
  std::error_code error;
  return !file.empty() && std::filesystem::is_regular_file(file, error) && MusicDecodes(file);
}

void MusicPlayer::Stop() {
  if (output_) output_->Stop();
}

bool MusicPlayer::IsPlaying() const { return output_ && output_->IsPlaying(); }

}  // namespace quill
