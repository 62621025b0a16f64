// sound_check: the end-to-end music test's helper.
//
//   sound_check tune FILE.wav          writes the test tune (400 ms of tone, 400 ms quiet)
//   sound_check bursts RECORDING.raw   prints the number of bursts of sound heard in a
//                                      recording of the test sound server's monitor
#include <cstring>
#include <exception>
#include <iostream>

#include "sound_recording.h"

int main(int argc, char** argv) {
  using namespace quill::testing;
  try {
    if (argc == 3 && std::strcmp(argv[1], "tune") == 0) {
      WriteToneWave(argv[2], 400, 400);
      return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "bursts") == 0) {
      std::cout << FindBursts(ReadRawSamples(argv[2])).size() << "\n";
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  std::cerr << "usage: sound_check tune FILE.wav | sound_check bursts RECORDING.raw\n";
  return 2;
}
