// The 6-byte real: known byte patterns, rounding to the nearest 6-byte value and
// the limits of its range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "pieces/real48.h"

namespace quill {
namespace {

// The nearest value with 40 significant bits, ties to even, computed from the
// decimal scale rather than the bits.
double Nearest40Bits(double value) {
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);  // 0.5 <= |fraction| < 1
  return std::ldexp(std::nearbyint(std::ldexp(fraction, 40)), exponent - 40);
}

TEST(Real48, KnownBytePatterns) {
  struct Case {
    const char* name;
    double value;
    Real48 bytes;
  };
  const Case cases[] = {
      {"zero", 0.0, {0x00, 0, 0, 0, 0, 0x00}},
      {"one", 1.0, {0x81, 0, 0, 0, 0, 0x00}},
      {"minus one", -1.0, {0x81, 0, 0, 0, 0, 0x80}},
      {"a half", 0.5, {0x80, 0, 0, 0, 0, 0x00}},
      {"three", 3.0, {0x82, 0, 0, 0, 0, 0x40}},
      {"ten", 10.0, {0x84, 0, 0, 0, 0, 0x20}},
      {"minus two and a half", -2.5, {0x82, 0, 0, 0, 0, 0xA0}},
      {"one plus the last mantissa bit", 1.0 + std::ldexp(1.0, -39), {0x81, 0x01, 0, 0, 0, 0x00}},
      {"smallest", std::ldexp(1.0, -128), {0x01, 0, 0, 0, 0, 0x00}},
      {"largest", std::ldexp(2.0 - std::ldexp(1.0, -39), 126), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToReal48(c.value), c.bytes) << c.name;
    EXPECT_EQ(Real48ToDouble(c.bytes), c.value) << c.name;
  }
}

TEST(Real48, RoundTripsGiveTheNearestSixByteValue) {
  const double values[] = {0.0, 1.0, -1.0, 0.5, 123.456, -123.456, 1e-30, 1e30, 1.0 / 3.0, 2048.75};
  for (double value : values) {
    const double back = Real48ToDouble(DoubleToReal48(value));
    EXPECT_EQ(back, value == 0.0 ? 0.0 : Nearest40Bits(value)) << value;
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(back)), back) << value;  // stable once rounded
    EXPECT_LE(std::fabs(back - value), std::fabs(value) * std::ldexp(1.0, -40)) << value;
  }
}

TEST(Real48, RoundingTiesGoToEven) {
  const double ulp = std::ldexp(1.0, -39);  // the last mantissa bit at 1.0
  struct Case {
    const char* name;
    double value;
    double expected;
  };
  const Case cases[] = {
      {"half a step above an even value", 1.0 + ulp / 2, 1.0},
      {"half a step above an odd value", 1.0 + 3 * ulp / 2, 1.0 + 2 * ulp},
      {"just over half a step", 1.0 + ulp / 2 + std::ldexp(1.0, -52), 1.0 + ulp},
      {"carry into the exponent", 2.0 - ulp / 4, 2.0},
  };
  for (const Case& c : cases) EXPECT_EQ(Real48ToDouble(DoubleToReal48(c.value)), c.expected) << c.name;
}

TEST(Real48, ValuesOutsideTheRange) {
  const Real48 zero{};
  const Real48 largest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  const Real48 mostNegative{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DoubleToReal48(std::ldexp(1.0, -130)), zero);
  EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::denorm_min()), zero);
  EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::quiet_NaN()), zero);
  EXPECT_EQ(DoubleToReal48(1e300), largest);
  EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::infinity()), largest);
  EXPECT_EQ(DoubleToReal48(-1e300), mostNegative);
  EXPECT_EQ(Real48ToDouble({0x00, 0x12, 0x34, 0, 0, 0x80}), 0.0) << "exponent 0 is zero whatever follows";
}

TEST(Real48, StreamsCarrySixBytes) {
  ByteWriter writer;
  WriteReal48(writer, -2.5);
  WriteReal48(writer, 123.456);
  const std::vector<uint8_t> bytes = writer.Take();
  ASSERT_EQ(bytes.size(), 12u);
  ByteReader reader(bytes);
  EXPECT_EQ(ReadReal48(reader), -2.5);
  EXPECT_EQ(ReadReal48(reader), Nearest40Bits(123.456));
  EXPECT_THROW(ReadReal48(reader), StreamReadError);
}

}  // namespace
}  // namespace quill
