// sound_check: the end-to-end music test's helper.
//
//   sound_check tune FILE.wav          writes the test tune (400 ms of tone, 400 ms quiet)
//   sound_check bursts RECORDING.raw   prints the number of bursts of sound heard in a
//                                      recording of the test sound server's monitor
//   sound_check play FILE SECONDS      plays FILE in a loop through the sound server as
//                                      the player plays music and prints the processor
//                                      time it took (a timed run, not a test)
#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <thread>

#include "audio/sound_server.h"
#include "sound_recording.h"

namespace {

double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; }

// The music stream fed from the file for `seconds`; another pass starts when one is
// read to its end, as the player starts the music again.
int PlayForCpu(const std::string& path, int seconds) {
  using namespace quill;
  const std::shared_ptr<SoundServer> server = SoundServer::Shared();
  if (!server) {
    std::cerr << "no sound server\n";
    return 1;
  }
  SoundChannel channel(server, "Music", 400);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (!channel.IsReading()) channel.Play(SoundFileSource::Open(path));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  channel.Stop();
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  std::cout << path << ": " << seconds << " s played, processor time user " << Seconds(use.ru_utime) << " s, system "
            << Seconds(use.ru_stime) << " s\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quill::testing;
  try {
    if (argc == 3 && std::strcmp(argv[1], "tune") == 0) {
      WriteToneWave(argv[2], 400, 400);
      return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "play") == 0) return PlayForCpu(argv[2], std::stoi(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "bursts") == 0) {
      std::cout << FindBursts(ReadRawSamples(argv[2])).size() << "\n";
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  std::cerr << "usage: sound_check tune FILE.wav | sound_check bursts RECORDING.raw | sound_check play FILE SECONDS\n";
  return 2;
}
