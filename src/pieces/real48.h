// The 6-byte real in which the saved game keeps each piece's normalised position:
// byte 0 is the exponent biased by 129 (0 means zero), bytes 1..5 hold a 39-bit
// mantissa with a hidden leading 1, least significant byte first, and the top bit of
// byte 5 is the sign. Used by the per-piece records of the saved game and undo.
#pragma once
#include <array>
#include <cstdint>

#include "common/byte_stream.h"

namespace quill {

constexpr size_t kReal48Size = 6;
using Real48 = std::array<uint8_t, kReal48Size>;

// Exact: every 6-byte real is a double.
double Real48ToDouble(const Real48& bytes);
// Rounds to the nearest 6-byte real, ties to even. Magnitudes below the smallest
// 6-byte real (2^-128) and NaN become zero; magnitudes beyond the largest
// ((2 - 2^-39) × 2^126), infinities included, become the largest with their sign.
Real48 DoubleToReal48(double value);

void WriteReal48(ByteWriter& stream, double value);
double ReadReal48(ByteReader& stream);

}  // namespace quill
