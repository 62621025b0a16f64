// Read-only access to the program's own file (or any gift file), with every read
// checked against the file's bounds: the payload comes from someone else's hands.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quill {

class ProgramFile {
 public:
  // Opens for reading; failure raises UserError "Cannot open file "<path>". <reason>".
  explicit ProgramFile(const std::string& path);
  ~ProgramFile();
  ProgramFile(const ProgramFile&) = delete;
  ProgramFile& operator=(const ProgramFile&) = delete;

  int64_t Size() const { return size_; }
  const std::string& Path() const { return path_; }

  // True when [offset, offset + size) lies inside the file and size >= 0.
  bool Holds(int64_t offset, int64_t size) const;
  // Reads a block that must lie inside the file; raises UserError otherwise.
  std::vector<uint8_t> ReadBlock(int64_t offset, int64_t size) const;
  // Reads up to `size` bytes from `offset` into `out`; returns the count read.
  size_t ReadSome(int64_t offset, uint8_t* out, size_t size) const;

 private:
  std::string path_;
  int fd_ = -1;
  int64_t size_ = 0;
};

}  // namespace quill
