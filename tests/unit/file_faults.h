// Makes the file steps of replacing and removing files fail, or end the process,
// for as long as the object lives.
#pragma once
#include <utility>

#include "common/durable_file.h"

namespace quill::testing {

class FileFaults {
 public:
  explicit FileFaults(FileFaultHook hook) : previous_(SetFileFaultHook(std::move(hook))) {}
  ~FileFaults() { SetFileFaultHook(std::move(previous_)); }
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;

  // A hook that fails one step with an error number.
  static FileFaultHook Failing(FileStep failing, int error) {
    return [failing, error](FileStep step, const std::string&) { return step == failing ? error : 0; };
  }

 private:
  FileFaultHook previous_;
};

}  // namespace quill::testing
