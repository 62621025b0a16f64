// Tab codes: which sides of a piece carry an outward tab, as one canonical number
// 0..15 that orders the patterns by their number of tabs. Cutting sets a piece's
// code; turning a piece turns its code with it.
#pragma once
#include <cstdint>

namespace quill {

// A tab pattern has bit d set when side d (0 top, 1 right, 2 bottom, 3 left) carries
// an outward tab.
uint8_t TabCodeOfPattern(uint8_t pattern);
uint8_t TabPatternOfCode(uint8_t code);
// The code of the same piece after `quarterTurns` clockwise quarter turns (negative
// turns count anticlockwise): the pattern is rotated left, bit 3 wrapping to bit 0.
uint8_t RotateTabCode(uint8_t code, int quarterTurns);

}  // namespace quill
