// Little-endian binary data in memory: ByteReader reads the gift's blocks, the
// template block and the saved game; ByteWriter builds them. A read past the end
// throws StreamReadError and leaves the position where it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "common/errors.h"

namespace quill {

// A damaged or short file: the message is the one the user sees.
class StreamReadError : public UserError {
 public:
  StreamReadError() : UserError("Stream read error") {}
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Size() const { return bytes_.size(); }
  size_t Position() const { return position_; }
  size_t Remaining() const { return bytes_.size() - position_; }
  // Moves to an absolute position; beyond the end throws StreamReadError.
  void Seek(size_t position);

  // The next n bytes, as a view into the data.
  std::span<const uint8_t> Read(size_t n);
  uint8_t ReadU8();
  uint16_t ReadU16();
  int16_t ReadI16();
  uint32_t ReadU32();
  int32_t ReadI32();
  float ReadF32();
  double ReadF64();

 private:
  template <typename T>
  T ReadValue();

  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

class ByteWriter {
 public:
  ByteWriter() = default;
  // Writes into `buffer` from its start, keeping its capacity for reuse.
  explicit ByteWriter(std::vector<uint8_t> buffer) : bytes_(std::move(buffer)) { bytes_.clear(); }
  void WriteU8(uint8_t value) { bytes_.push_back(value); }
  void WriteU16(uint16_t value);
  void WriteI16(int16_t value);
  void WriteU32(uint32_t value);
  void WriteI32(int32_t value);
  void WriteF32(float value);
  void WriteF64(double value);
  void WriteBytes(std::span<const uint8_t> bytes);

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  // Hands the bytes over and leaves the writer empty.
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  template <typename T>
  void WriteValue(T value);

  std::vector<uint8_t> bytes_;
};

}  // namespace quill
