// Branch targets of x86 code written as absolute places before compressing.
// A call or jump (E8, E9) holds its target relative to where it stands, so the
// same function called from many places gives many different bytes; made
// absolute, they repeat and compress better (the bundle shrinks by some 5 %).
// Only displacements whose top byte is 00 or FF (near targets) are changed, and
// the change keeps them in that set, so the decoder makes the encoder's choices.
#pragma once
#include <cstdint>
#include <span>

namespace quill::portable {

struct CodeRange {
  uint64_t Begin = 0, End = 0;  // file offsets; empty when Begin == End
};

// The file range of the executable segment of a 64-bit little-endian x86-64 ELF
// file, or an empty range for anything else.
CodeRange X86CodeRange(std::span<const uint8_t> file);

// Rewrites the branch displacements in `range` of `bytes`: to absolute places
// when `encode`, back to relative ones otherwise.
void FilterBranches(std::span<uint8_t> bytes, CodeRange range, bool encode);

}  // namespace quill::portable
