#include "common/byte_stream.h"

#include <bit>

namespace quill {
namespace {

// The unsigned integer of a value's size, which carries its bytes.
template <typename T>
using BitsOf = std::conditional_t<sizeof(T) == 1, uint8_t,
                                  std::conditional_t<sizeof(T) == 2, uint16_t,
                                                     std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;

}  // namespace

void ByteReader::Seek(size_t position) {
  if (position > bytes_.size()) throw StreamReadError();
  position_ = position;
}

std::span<const uint8_t> ByteReader::Read(size_t n) {
  if (n > Remaining()) throw StreamReadError();
  const std::span<const uint8_t> part = bytes_.subspan(position_, n);
  position_ += n;
  return part;
}

template <typename T>
T ByteReader::ReadValue() {
  const std::span<const uint8_t> bytes = Read(sizeof(T));
  BitsOf<T> bits = 0;
  for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<BitsOf<T>>(BitsOf<T>{bytes[i]} << (8 * i));
  return std::bit_cast<T>(bits);
}

uint8_t ByteReader::ReadU8() { return ReadValue<uint8_t>(); }
uint16_t ByteReader::ReadU16() { return ReadValue<uint16_t>(); }
int16_t ByteReader::ReadI16() { return ReadValue<int16_t>(); }
uint32_t ByteReader::ReadU32() { return ReadValue<uint32_t>(); }
int32_t ByteReader::ReadI32() { return ReadValue<int32_t>(); }
float ByteReader::ReadF32() { return ReadValue<float>(); }
double ByteReader::ReadF64() { return ReadValue<double>(); }

template <typename T>
void ByteWriter::WriteValue(T value) {
  const auto bits = std::bit_cast<BitsOf<T>>(value);
  for (size_t i = 0; i < sizeof(T); ++i) bytes_.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

void ByteWriter::WriteU16(uint16_t value) { WriteValue(value); }
void ByteWriter::WriteI16(int16_t value) { WriteValue(value); }
void ByteWriter::WriteU32(uint32_t value) { WriteValue(value); }
void ByteWriter::WriteI32(int32_t value) { WriteValue(value); }
void ByteWriter::WriteF32(float value) { WriteValue(value); }
void ByteWriter::WriteF64(double value) { WriteValue(value); }
void ByteWriter::WriteBytes(std::span<const uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

}  // namespace quill
