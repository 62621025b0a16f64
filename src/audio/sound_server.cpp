#include "audio/sound_server.h"

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <algorithm>
#include <mutex>
#include <utility>

namespace quill {
namespace {

constexpr pa_usec_t kConnectTimeoutUsec = 5 * PA_USEC_PER_SEC;  // a server that never answers
constexpr const char* kClientName = "Quillmere Gift";

// Holds the main loop's lock: the loop's thread runs the callbacks while it holds it.
class LoopLock {
 public:
  explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

void Finished(pa_operation* operation) {
  if (operation) pa_operation_unref(operation);
}

}  // namespace

struct SoundServer::Loop {
  pa_threaded_mainloop* Main = nullptr;
  pa_context* Context = nullptr;
  bool Running = false;
  bool TimedOut = false;

  ~Loop() {
    if (Running) pa_threaded_mainloop_stop(Main);
    if (Context) {
      pa_context_set_state_callback(Context, nullptr, nullptr);
      pa_context_disconnect(Context);
      pa_context_unref(Context);
    }
    if (Main) pa_threaded_mainloop_free(Main);
  }

  // Waits, holding the lock, until the context is ready, has failed or the time is up.
  bool WaitUntilReady() {
    LoopLock lock(Main);
    pa_time_event* timer = pa_context_rttime_new(
        Context, pa_rtclock_now() + kConnectTimeoutUsec,
        [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
          auto* loop = static_cast<Loop*>(self);
          loop->TimedOut = true;
          pa_threaded_mainloop_signal(loop->Main, 0);
        },
        this);
    pa_context_state_t state;
    while ((state = pa_context_get_state(Context)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state) && !TimedOut)
      pa_threaded_mainloop_wait(Main);
    if (timer) pa_threaded_mainloop_get_api(Main)->time_free(timer);
    return state == PA_CONTEXT_READY;
  }
};

SoundServer::SoundServer(std::unique_ptr<Loop> loop) : loop_(std::move(loop)) {}
SoundServer::~SoundServer() = default;

std::unique_ptr<SoundServer> SoundServer::Connect() {
  auto loop = std::make_unique<Loop>();
  loop->Main = pa_threaded_mainloop_new();
  if (!loop->Main) return nullptr;
  loop->Context = pa_context_new(pa_threaded_mainloop_get_api(loop->Main), kClientName);
  if (!loop->Context) return nullptr;
  pa_context_set_state_callback(
      loop->Context, [](pa_context*, void* main) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(main), 0); },
      loop->Main);
  // Without a server nothing is started for this program: sound stays off.
  if (pa_context_connect(loop->Context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return nullptr;
  if (pa_threaded_mainloop_start(loop->Main) < 0) return nullptr;
  loop->Running = true;
  if (!loop->WaitUntilReady()) return nullptr;
  return std::unique_ptr<SoundServer>(new SoundServer(std::move(loop)));
}

std::shared_ptr<SoundServer> SoundServer::Shared() {
  static std::mutex guard;
  static std::shared_ptr<SoundServer> server;
  const std::lock_guard lock(guard);
  if (!server) server = Connect();
  return server;
}

// ---- SoundChannel -------------------------------------------------------------

// The channel's state, touched only while the main loop's lock is held.
struct SoundChannel::Stream {
  Stream(SoundServer::Loop& loop, std::string name, int bufferMs)
      : Loop(loop), Name(std::move(name)), BufferMs(bufferMs) {}

  SoundServer::Loop& Loop;
  std::string Name;
  int BufferMs;
  pa_stream* Pa = nullptr;
  SoundFormat Format;
  std::unique_ptr<SampleSource> Source;
  bool Reading = false;
  bool GaveAny = false;
  std::function<void()> OnEnded;

  bool Ready() const { return Pa && pa_stream_get_state(Pa) == PA_STREAM_READY; }

  bool Make(SoundFormat format) {
    const pa_sample_spec samples{PA_SAMPLE_S16NE, static_cast<uint32_t>(format.Rate), static_cast<uint8_t>(format.Channels)};
    if (!pa_sample_spec_valid(&samples)) return false;
    Pa = pa_stream_new(Loop.Context, Name.c_str(), &samples, nullptr);
    if (!Pa) return false;
    Format = format;
    // The server asks for samples as it plays; the first request comes once the
    // stream is ready.
    pa_stream_set_write_callback(Pa, [](pa_stream*, size_t, void* self) { static_cast<Stream*>(self)->Fill(); }, this);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(static_cast<pa_usec_t>(BufferMs) * PA_USEC_PER_MSEC, &samples));
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    if (pa_stream_connect_playback(Pa, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
      Drop();
      return false;
    }
    return true;
  }

  void Drop() {
    if (!Pa) return;
    pa_stream_set_write_callback(Pa, nullptr, nullptr);
    pa_stream_disconnect(Pa);
    pa_stream_unref(Pa);
    Pa = nullptr;
  }

  // Discards what the server holds of this stream.
  void Flush() {
    if (Ready()) Finished(pa_stream_flush(Pa, nullptr, nullptr));
  }

  // Writes as much of the source as the server takes.
  void Fill() {
    if (!Ready()) return;
    const size_t frameBytes = static_cast<size_t>(Format.Channels) * sizeof(int16_t);
    size_t writable = pa_stream_writable_size(Pa);
    while (Reading && writable != static_cast<size_t>(-1) && writable >= frameBytes) {
      void* data = nullptr;
      size_t bytes = writable;
      if (pa_stream_begin_write(Pa, &data, &bytes) < 0 || !data) return;
      const size_t frames = std::min(bytes, writable) / frameBytes;
      if (frames == 0) {  // a buffer too small for one frame: wait for the next request
        pa_stream_cancel_write(Pa);
        return;
      }
      const size_t got = Source->Read(static_cast<int16_t*>(data), frames);
      if (got > 0) {
        pa_stream_write(Pa, data, got * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        GaveAny = true;
        writable -= got * frameBytes;
      } else {
        pa_stream_cancel_write(Pa);
      }
      if (got < frames) ReachEnd();
    }
  }

  void ReachEnd() {
    Reading = false;
    Source.reset();
    // A sound shorter than the buffer the server waits to fill plays now.
    Finished(pa_stream_trigger(Pa, nullptr, nullptr));
    if (GaveAny && OnEnded) std::exchange(OnEnded, nullptr)();
  }

  void Play(std::unique_ptr<SampleSource> source, std::function<void()> onEnded) {
    const bool cutOff = Reading;
    if (Pa && (Format != source->Format() || !PA_STREAM_IS_GOOD(pa_stream_get_state(Pa))))
      Drop();
    else if (cutOff)
      Flush();
    const SoundFormat format = source->Format();
    Source = std::move(source);
    OnEnded = std::move(onEnded);
    Reading = true;
    GaveAny = false;
    if (!Pa && !Make(format)) {
      Stop();
      return;
    }
    Fill();
  }

  void Stop() {
    Reading = false;
    Source.reset();
    OnEnded = nullptr;
    Flush();
  }
};

SoundChannel::SoundChannel(std::shared_ptr<SoundServer> server, std::string name, int bufferMs)
    : server_(std::move(server)), stream_(std::make_unique<Stream>(*server_->loop_, std::move(name), bufferMs)) {}

SoundChannel::~SoundChannel() {
  LoopLock lock(server_->loop_->Main);
  stream_->Drop();
}

void SoundChannel::Play(std::unique_ptr<SampleSource> source, std::function<void()> onEnded) {
  if (!source) return;
  LoopLock lock(server_->loop_->Main);
  stream_->Play(std::move(source), std::move(onEnded));
}

void SoundChannel::Stop() {
  LoopLock lock(server_->loop_->Main);
  stream_->Stop();
}

bool SoundChannel::IsReading() const {
  LoopLock lock(server_->loop_->Main);
  return stream_->Reading;
}

}  // namespace quill
