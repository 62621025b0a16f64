// Playing sound through the desktop's sound server with PulseAudio's own client
// library (PipeWire desktops serve it too). One connection per process runs on a
// thread of its own (PulseAudio's threaded main loop); each SoundChannel is one
// playback stream on it, fed from a SampleSource on that thread, so playing never
// holds up the caller. The sound effects and the music are two channels, so the
// server mixes an effect over the music.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "audio/sound_file.h"

namespace quill {

class SoundServer {
 public:
  // The process's connection, made on the first call that finds a server; nullptr
  // while there is none (no server is started for it). The connection is kept for
  // the rest of the run.
  static std::shared_ptr<SoundServer> Shared();
  ~SoundServer();
  SoundServer(const SoundServer&) = delete;
  SoundServer& operator=(const SoundServer&) = delete;

  struct Loop;  // the main loop and the context, private to the implementation

 private:
  explicit SoundServer(std::unique_ptr<Loop> loop);
  static std::unique_ptr<SoundServer> Connect();
  std::unique_ptr<Loop> loop_;
  friend class SoundChannel;
};

// One playback stream. Its stream is made for the format of the sound it plays, and
// made again when a sound of another format comes.
class SoundChannel {
 public:
  // `bufferMs`: how much sound the server holds ahead; a cut-off takes effect at once,
  // the last sound's end is reported this much before it is heard.
  SoundChannel(std::shared_ptr<SoundServer> server, std::string name, int bufferMs);
  ~SoundChannel();
  SoundChannel(const SoundChannel&) = delete;
  SoundChannel& operator=(const SoundChannel&) = delete;

  // Plays `source`, cutting off the sound this channel plays, unless that sound was
  // read to its end: then the new one follows it without a gap. `onEnded` runs on the
  // sound server's thread once `source` has given its last sample, when it gave any;
  // not after a stop or a cut-off. It must not call back into the channel.
  void Play(std::unique_ptr<SampleSource> source, std::function<void()> onEnded = {});
  // Silences the channel at once.
  void Stop();
  // A sound is being read (it has not reached its end nor been stopped).
  bool IsReading() const;

  struct Stream;

 private:
  std::shared_ptr<SoundServer> server_;
  std::unique_ptr<Stream> stream_;
};

}  // namespace quill
