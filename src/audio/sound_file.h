// Decoded sound through libsndfile: WAV, FLAC, Ogg Vorbis, Opus and MP3 come out as
// interleaved 16-bit samples, read a block at a time (the gift's music) or whole (the
// short sound effects).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quill {

struct SoundFormat {
  int Rate = 0;
  int Channels = 0;
  bool operator==(const SoundFormat&) const = default;
};

// Where a sound stream reads its samples from.
class SampleSource {
 public:
  virtual ~SampleSource() = default;
  virtual SoundFormat Format() const = 0;
  // Fills `samples` with up to `frames` frames and returns how many it gave; fewer
  // than asked for means the sound has ended.
  virtual size_t Read(int16_t* samples, size_t frames) = 0;
};

// A sound file decoded as it is read.
class SoundFileSource : public SampleSource {
 public:
  // The file at `path`, or nullptr when libsndfile cannot decode it or it holds no
  // samples.
  static std::unique_ptr<SoundFileSource> Open(const std::string& path);
  ~SoundFileSource() override;
  SoundFileSource(const SoundFileSource&) = delete;
  SoundFileSource& operator=(const SoundFileSource&) = delete;

  SoundFormat Format() const override { return format_; }
  size_t Read(int16_t* samples, size_t frames) override;

 private:
  struct Handle;
  SoundFileSource(Handle* handle, SoundFormat format) : handle_(handle), format_(format) {}
  Handle* handle_;
  SoundFormat format_;
};

// A whole sound in memory.
struct SoundClip {
  SoundFormat Format;
  std::vector<int16_t> Samples;  // interleaved
  int64_t LengthMs() const;
};

// The whole file at `path` decoded, or nullptr as SoundFileSource::Open.
std::shared_ptr<const SoundClip> ReadSoundClip(const std::string& path);

// Plays a clip from its start.
class ClipSource : public SampleSource {
 public:
  explicit ClipSource(std::shared_ptr<const SoundClip> clip) : clip_(std::move(clip)) {}
  SoundFormat Format() const override { return clip_->Format; }
  size_t Read(int16_t* samples, size_t frames) override;

 private:
  std::shared_ptr<const SoundClip> clip_;
  size_t at_ = 0;  // the next sample
};

}  // namespace quill
