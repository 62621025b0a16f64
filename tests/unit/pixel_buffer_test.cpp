// A bitmap's bytes: zero when sized, whatever was there before, in small blocks
// and large ones alike; copies own their bytes.
#include "raster/pixel_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "raster/bitmap.h"

namespace quill {
namespace {

bool AllZero(const PixelBuffer& buffer) {
  return std::all_of(buffer.data(), buffer.data() + buffer.size(), [](uint8_t b) { return b == 0; });
}

class PixelBufferSizes : public ::testing::TestWithParam<size_t> {};

TEST_P(PixelBufferSizes, SizingAgainGivesZerosAtTheSameAndAtOtherSizes) {
  const size_t size = GetParam();
  PixelBuffer buffer;
  buffer.AssignZeros(size);
  ASSERT_EQ(buffer.size(), size);
  EXPECT_TRUE(AllZero(buffer));
  std::fill(buffer.begin(), buffer.end(), uint8_t{0xA5});
  buffer.AssignZeros(size);  // the same block, written before
  EXPECT_TRUE(AllZero(buffer));
  std::fill(buffer.begin(), buffer.end(), uint8_t{0x5A});
  buffer.AssignZeros(size + 4096);  // a new block
  ASSERT_EQ(buffer.size(), size + 4096);
  EXPECT_TRUE(AllZero(buffer));
}

TEST_P(PixelBufferSizes, CopiesOwnTheirBytesAndMovesLeaveNothingBehind) {
  const size_t size = GetParam();
  PixelBuffer original;
  original.AssignZeros(size);
  for (size_t i = 0; i < size; ++i) original.data()[i] = static_cast<uint8_t>(i * 7);
  PixelBuffer copy(original);
  ASSERT_EQ(copy.size(), size);
  EXPECT_TRUE(std::equal(copy.begin(), copy.end(), original.begin()));
  copy.data()[size / 2] ^= 0xFF;
  EXPECT_NE(copy.data()[size / 2], original.data()[size / 2]);

  PixelBuffer assigned;
  assigned.AssignZeros(16);
  assigned = original;
  EXPECT_TRUE(std::equal(assigned.begin(), assigned.end(), original.begin()));

  PixelBuffer moved(std::move(original));
  EXPECT_EQ(moved.size(), size);
  EXPECT_EQ(original.size(), 0u);  // NOLINT(bugprone-use-after-move): a moved-from buffer is empty
  EXPECT_EQ(original.data(), nullptr);
  assigned = std::move(moved);
  EXPECT_EQ(assigned.data()[size - 1], static_cast<uint8_t>((size - 1) * 7));
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, PixelBufferSizes,
                         ::testing::Values(size_t{1}, size_t{4096}, PixelBuffer::kHugePagesFrom - 1,
                                           PixelBuffer::kHugePagesFrom, size_t{36000000}));

TEST(PixelBuffer, ABitmapResizedToItsOwnSizeIsBlackAgain) {
  Bitmap bitmap(2000, 1000);
  bitmap.Fill(0xFF);
  bitmap.SetSize(2000, 1000);
  EXPECT_EQ(bitmap.PixelAt(0, 0), 0);
  EXPECT_EQ(bitmap.PixelAt(1999, 999), 0);
  Bitmap empty(0, 0);
  EXPECT_EQ(empty.Bits(), nullptr);
}

}  // namespace
}  // namespace quill
