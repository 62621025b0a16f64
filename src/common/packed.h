// Fixed-offset access to packed little-endian records (the gift header, the puzzle
// and board records): every field is read and written at its own offset, so the
// layout holds on any compiler.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace quill::packed {

template <typename T>
T Get(const uint8_t* record, size_t offset) {
  T value;
  std::memcpy(&value, record + offset, sizeof(T));  // this program runs on little-endian machines
  return value;
}

template <typename T>
void Put(uint8_t* record, size_t offset, T value) {
  std::memcpy(record + offset, &value, sizeof(T));
}

// A length byte followed by `capacity` character bytes; a length byte larger than
// the capacity (a damaged record) is cut to the capacity.
inline std::string GetShortString(const uint8_t* record, size_t offset, size_t capacity) {
  const size_t length = std::min<size_t>(record[offset], capacity);
  return std::string(reinterpret_cast<const char*>(record + offset + 1), length);
}

inline void PutShortString(uint8_t* record, size_t offset, size_t capacity, const std::string& text) {
  const size_t length = std::min(text.size(), capacity);
  record[offset] = static_cast<uint8_t>(length);
  std::memset(record + offset + 1, 0, capacity);
  std::memcpy(record + offset + 1, text.data(), length);
}

// A zero-terminated text in a fixed field; without a terminator the field ends it.
inline std::string GetText(const uint8_t* record, size_t offset, size_t fieldSize) {
  const char* start = reinterpret_cast<const char*>(record + offset);
  return std::string(start, strnlen(start, fieldSize));
}

// Writes at most fieldSize - 1 bytes and always a terminator.
inline void PutText(uint8_t* record, size_t offset, size_t fieldSize, const std::string& text) {
  const size_t length = std::min(text.size(), fieldSize - 1);
  std::memset(record + offset, 0, fieldSize);
  std::memcpy(record + offset, text.data(), length);
}

}  // namespace quill::packed
