#include "branch_filter.h"

#include <cstring>

namespace quill::portable {
namespace {

uint64_t Little(const uint8_t* in, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | in[i];
  return value;
}

constexpr uint32_t kProgramLoad = 1, kExecutable = 1, kMachineX86_64 = 62;

}  // namespace

CodeRange X86CodeRange(std::span<const uint8_t> file) {
  const uint8_t* h = file.data();
  if (file.size() < 64 || std::memcmp(h, "\x7f" "ELF\x02\x01", 6) != 0 || Little(h + 18, 2) != kMachineX86_64)
    return {};
  const uint64_t table = Little(h + 0x20, 8), entrySize = Little(h + 0x36, 2), count = Little(h + 0x38, 2);
  for (uint64_t i = 0; i < count; ++i) {
    const uint64_t at = table + i * entrySize;
    if (entrySize < 56 || at > file.size() || file.size() - at < 56) return {};
    const uint8_t* p = h + at;
    if (Little(p, 4) != kProgramLoad || (Little(p + 4, 4) & kExecutable) == 0) continue;
    const uint64_t begin = Little(p + 8, 8), size = Little(p + 32, 8);
    if (begin > file.size() || size > file.size() - begin) return {};
    return {begin, begin + size};
  }
  return {};
}

void FilterBranches(std::span<uint8_t> bytes, CodeRange range, bool encode) {
  if (range.End > bytes.size() || range.Begin > range.End) return;
  for (uint64_t i = range.Begin; i + 5 <= range.End;) {
    uint8_t* at = bytes.data() + i;
    if (at[0] != 0xE8 && at[0] != 0xE9) {
      ++i;
      continue;
    }
    // The four bytes after the opcode are passed over whether changed or not, so
    // nothing ahead changes them before the decoder looks at them.
    i += 5;
    if (at[4] != 0x00 && at[4] != 0xFF) continue;
    uint32_t value = uint32_t(Little(at + 1, 4));
    const uint32_t place = uint32_t(i);
    value = (encode ? value + place : value - place) & 0x01FFFFFF;
    if (value & 0x01000000) value |= 0xFE000000;  // 25 bits, sign-extended: the top byte stays 00 or FF
    for (int b = 0; b < 4; ++b) at[1 + b] = uint8_t(value >> (8 * b));
  }
}

}  // namespace quill::portable
