// Sound effects and background music. TSounds plays the six effects of play (the
// embedded waves WAVE1..WAVE6) for the configuration's PlaySound; MusicPlayer is the
// main window's MediaPlayer1, which plays the gift's music while Music is ticked and
// starts it again each time it ends. Both play through the sound server
// (audio/sound_server.h), each on a stream of its own, so an effect is mixed over the
// music; without a sound server they stay silent and report nothing. The main window
// creates both in FormCreate as its children and frees them when it is destroyed.
#pragma once
#include <QObject>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/config.h"
#include "common/translate.h"
#include "ui/host.h"

namespace quill {

// What plays wave files for TSounds: the sound server's effects stream, or silence
// without a sound server; tests put a recorder in its place.
class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  // Starts the wave file at `path`, cutting off any sound that is playing.
  virtual void Start(const std::string& path) = 0;
  virtual void Stop() = 0;
  // The sound started last has not yet played for its whole length.
  virtual bool IsPlaying() const = 0;
  // Returns when the sound that was started last has ended.
  virtual void WaitUntilDone() = 0;
};

// Wave files through the sound server's effects stream, made on the first sound; silent
// without a sound server.
std::unique_ptr<WaveOutput> MakeWaveOutput();

// The names of the effects and music streams that the sound server's volume
// controls show, in the interface's language.
std::string EffectsStreamName();
std::string MusicStreamName();

// Play modes of TSounds::Play.
constexpr int kPlayWhenQuiet = 0;  // asynchronous; dropped while another sound plays
constexpr int kPlayAndWait = 1;    // returns when the sound has ended
constexpr int kPlayCutOff = 2;     // asynchronous; cuts off the sound that plays

class TSounds : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSoundCount = 6;
  static constexpr int kResourceCount = 12;  // "1".."12" name a resource Wave<n>

  explicit TSounds(std::unique_ptr<WaveOutput> output, QObject* parent = nullptr);
  // Stops any sound that is playing.
  ~TSounds() override;

  // The sounds object of the main window `window`, or nullptr.
  static TSounds* Of(const QObject& window);

  // Plays sound n (1..6) in one of the modes above.
  void Play(int n, int mode);
  // What the configuration's PlaySound (mode kPlayWhenQuiet) and PlaySoundAtOnce
  // (kPlayCutOff) call; plays nothing once this object is gone.
  TJigConfig::SoundOutput ConfigOutput();

  // Entry n − 1 says what sound n plays: a number from 1 to 12 names the resource
  // "Wave<number>", anything else is the path of a wave file. Filled with "1".."6".
  std::vector<std::string> SoundList;

  // Puts another output in place of the current one (tests).
  void SetOutput(std::unique_ptr<WaveOutput> output) { output_ = std::move(output); }

 private:
  void PlayNumber(int n);
  void PlayFile(const std::string& path);
  // The embedded resource Wave<number> as a file in a private temporary folder,
  // written on first use; empty when the program has no such resource.
  std::string ResourceFile(int number);

  std::unique_ptr<WaveOutput> output_;
  int mode_ = kPlayWhenQuiet;
  std::unique_ptr<QTemporaryDir> folder_;
  std::map<int, std::string> resourceFiles_;
};

// What plays the music file for MusicPlayer: the sound server's music stream, or
// silence without a sound server; tests put a recorder in its place.
class MusicOutput {
 public:
  virtual ~MusicOutput() = default;
  // Opens the file and plays it from its start.
  virtual void Play(const std::string& path) = 0;
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
  // Runs, after the event that reported it, when the music has played to its end;
  // not after a stop or a failure.
  std::function<void()> OnEnded;
};

// Whether music can play here: a sound server answers.
bool MusicCanPlay();

// Whether the file at `path` is music this player decodes (WAV, FLAC, Ogg Vorbis, Opus,
// MP3; not MIDI).
bool MusicDecodes(const std::string& path);

// The music decoded and played on a stream of its own as it is read, made on the
// first Play; silent without a sound server. OnEnded runs on the thread that made the
// output, as an event.
std::unique_ptr<MusicOutput> MakeMusicOutput();

inline constexpr const char* kNoMusicMessage = TextMark("Messages", "No music was included in this jigsaw gift file.");

// The main window's MediaPlayer1 and its StartMusic.
class MusicPlayer : public QObject {
  Q_OBJECT
 public:
  // `musicFile` gives the path of the gift's music file at the moment it is asked.
  MusicPlayer(Host& host, std::function<std::string()> musicFile, std::unique_ptr<MusicOutput> output,
              QObject* parent = nullptr);

  // The music player of the main window `window`, or nullptr.
  static MusicPlayer* Of(const QObject& window);

  // Only while Music is ticked: plays the music file from its start, sets SpeedMusic
  // down and ticks Music; without the file, or with one this player cannot decode,
  // unticks Music, sets SpeedMusic up and says "No music was included in this jigsaw
  // gift file.". Music that plays to its end comes back here.
  void StartMusic();
  // The gift has music this player can play.
  bool HasMusic() const;
  void Stop();
  bool IsPlaying() const;

  // Puts another output in place of the current one (tests).
  void SetOutput(std::unique_ptr<MusicOutput> output);

 private:
  Host& host_;
  std::function<std::string()> musicFile_;
  std::unique_ptr<MusicOutput> output_;
};

}  // namespace quill
