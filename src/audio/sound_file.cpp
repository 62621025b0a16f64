#include "audio/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace quill {

struct SoundFileSource::Handle {
  SNDFILE* File = nullptr;
};

std::unique_ptr<SoundFileSource> SoundFileSource::Open(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return nullptr;
  if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0) {
    sf_close(file);
    return nullptr;
  }
  // Float sources scaled as they are converted, so they do not wrap round.
  sf_command(file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
  return std::unique_ptr<SoundFileSource>(new SoundFileSource(new Handle{file}, {info.samplerate, info.channels}));
}

SoundFileSource::~SoundFileSource() {
  sf_close(handle_->File);
  delete handle_;
}

size_t SoundFileSource::Read(int16_t* samples, size_t frames) {
  const sf_count_t got = sf_readf_short(handle_->File, samples, static_cast<sf_count_t>(frames));
  return got > 0 ? static_cast<size_t>(got) : 0;
}

int64_t SoundClip::LengthMs() const {
  if (Format.Rate <= 0 || Format.Channels <= 0) return 0;
  return static_cast<int64_t>(Samples.size() / static_cast<size_t>(Format.Channels)) * 1000 / Format.Rate;
}

std::shared_ptr<const SoundClip> ReadSoundClip(const std::string& path) {
  const std::unique_ptr<SoundFileSource> source = SoundFileSource::Open(path);
  if (!source) return nullptr;
  auto clip = std::make_shared<SoundClip>();
  clip->Format = source->Format();
  const auto channels = static_cast<size_t>(clip->Format.Channels);
  constexpr size_t kBlock = 4096;
  for (size_t got = kBlock; got == kBlock;) {
    const size_t at = clip->Samples.size();
    clip->Samples.resize(at + kBlock * channels);
    got = source->Read(clip->Samples.data() + at, kBlock);
    clip->Samples.resize(at + got * channels);
  }
  if (clip->Samples.empty()) return nullptr;
  return clip;
}

size_t ClipSource::Read(int16_t* samples, size_t frames) {
  const auto channels = static_cast<size_t>(clip_->Format.Channels);
  const size_t count = std::min(frames * channels, clip_->Samples.size() - at_);
  std::memcpy(samples, clip_->Samples.data() + at_, count * sizeof(int16_t));
  at_ += count;
  return count / channels;
}

}  // namespace quill
