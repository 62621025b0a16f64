#include "pieces/tab_codes.h"

#include <array>

namespace quill {

namespace {

constexpr std::array<uint8_t, 16> kCodeOfPattern = {0, 1, 2, 5, 3, 9, 6, 11, 4, 7, 10, 12, 8, 13, 14, 15};
constexpr std::array<uint8_t, 16> kPatternOfCode = {0, 1, 2, 4, 8, 3, 6, 9, 12, 5, 10, 7, 11, 13, 14, 15};

constexpr uint8_t RotateLeft4(uint8_t pattern, int k) {
  return static_cast<uint8_t>(((pattern << k) | (pattern >> (4 - k))) & 0x0F);
}

}  // namespace

uint8_t TabCodeOfPattern(uint8_t pattern) { return kCodeOfPattern[pattern & 0x0F]; }

uint8_t TabPatternOfCode(uint8_t code) { return kPatternOfCode[code & 0x0F]; }

uint8_t RotateTabCode(uint8_t code, int quarterTurns) {
  const int k = ((quarterTurns % 4) + 4) % 4;
  return TabCodeOfPattern(RotateLeft4(TabPatternOfCode(code), k));
}

}  // namespace quill
