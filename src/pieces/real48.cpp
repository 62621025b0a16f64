#include "pieces/real48.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace quill {

namespace {

constexpr int kRealBias = 129;
constexpr int kDoubleBias = 1023;
constexpr int kMantissaBits = 39;
constexpr int kDoubleMantissaBits = 52;
constexpr int kDroppedBits = kDoubleMantissaBits - kMantissaBits;  // 13
constexpr uint64_t kMantissaMask = (uint64_t{1} << kMantissaBits) - 1;
constexpr uint8_t kSignBit = 0x80;

Real48 Pack(bool negative, int exponent, uint64_t mantissa) {
  Real48 bytes{};
  bytes[0] = static_cast<uint8_t>(exponent);
  for (size_t i = 1; i < kReal48Size; ++i) {
    bytes[i] = static_cast<uint8_t>(mantissa >> (8 * (i - 1)));
  }
  if (negative) bytes[5] |= kSignBit;
  return bytes;
}

}  // namespace

double Real48ToDouble(const Real48& bytes) {
  if (bytes[0] == 0) return 0.0;
  uint64_t mantissa = 0;
  for (size_t i = kReal48Size - 1; i >= 1; --i) mantissa = (mantissa << 8) | bytes[i];
  mantissa &= kMantissaMask;
  const bool negative = (bytes[5] & kSignBit) != 0;
  const uint64_t exponent = static_cast<uint64_t>(bytes[0] - kRealBias + kDoubleBias);
  const uint64_t bits = (uint64_t{negative} << 63) | (exponent << kDoubleMantissaBits) | (mantissa << kDroppedBits);
  return std::bit_cast<double>(bits);
}

Real48 DoubleToReal48(double value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return Real48{};
  if (std::isinf(value)) return Pack(negative, 255, kMantissaMask);

  const uint64_t bits = std::bit_cast<uint64_t>(value);
  const int doubleExponent = static_cast<int>((bits >> kDoubleMantissaBits) & 0x7FF);
  if (doubleExponent == 0) return Real48{};  // zero or a double below 2^-1022
  int exponent = doubleExponent - kDoubleBias + kRealBias;
  const uint64_t fraction = bits & ((uint64_t{1} << kDoubleMantissaBits) - 1);

  // Round the 52-bit fraction to 39 bits, ties to even; a carry out of the top
  // raises the exponent.
  uint64_t mantissa = fraction >> kDroppedBits;
  const uint64_t dropped = fraction & ((uint64_t{1} << kDroppedBits) - 1);
  const uint64_t half = uint64_t{1} << (kDroppedBits - 1);
  if (dropped > half || (dropped == half && (mantissa & 1) != 0)) ++mantissa;
  if (mantissa > kMantissaMask) {
    mantissa = 0;
    ++exponent;
  }

  if (exponent < 1) return Real48{};
  if (exponent > 255) return Pack(negative, 255, kMantissaMask);
  return Pack(negative, exponent, mantissa);
}

void WriteReal48(ByteWriter& stream, double value) {
  const Real48 bytes = DoubleToReal48(value);
  stream.WriteBytes(bytes);
}

double ReadReal48(ByteReader& stream) {
  const auto span = stream.Read(kReal48Size);
  Real48 bytes{};
  std::copy(span.begin(), span.end(), bytes.begin());
  return Real48ToDouble(bytes);
}

}  // namespace quill
