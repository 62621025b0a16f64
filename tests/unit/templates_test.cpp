#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "pieces/templates.h"

namespace quill {
namespace {

std::vector<TemplatePoint> Points(int count, float step = 1.0f) {
  std::vector<TemplatePoint> points;
  for (int i = 0; i < count; ++i) points.push_back({i * step, (i % 2) * step});
  return points;
}

TTemplate MakeTemplate(std::vector<std::string> strings, uint8_t byte, int32_t v1, int32_t v2, int pointsPerSide) {
  TTemplate t;
  t.Strings = std::move(strings);
  t.ByteValue = byte;
  t.Value1 = v1;
  t.Value2 = v2;
  for (int s = 0; s < 4; ++s) t.Sides[s] = Points(pointsPerSide + s, 1.0f + s);
  return t;
}

std::vector<uint8_t> Block(const std::vector<TTemplate>& templates) {
  ByteWriter out;
  for (const TTemplate& t : templates) t.Write(out);
  return out.Take();
}

void ExpectSameSides(const TTemplate& expected, const TTemplates& loaded, int t) {
  for (int s = 0; s < 4; ++s) {
    const auto side = loaded.Side(t, s);
    ASSERT_EQ(side.size(), expected.Sides[s].size()) << "side " << s;
    for (size_t i = 0; i < side.size(); ++i) {
      EXPECT_EQ(side[i].X, expected.Sides[s][i].X);
      EXPECT_EQ(side[i].Y, expected.Sides[s][i].Y);
    }
  }
}

TEST(TemplatesTest, ReadsRecordsInStreamOrder) {
  const std::vector<TTemplate> written = {MakeTemplate({"heart", "", "x y"}, 7, -5, 123456, 3),
                                          MakeTemplate({}, 0xFF, 0, -1, 1)};
  const std::vector<uint8_t> bytes = Block(written);
  ByteReader stream(bytes);
  TTemplates templates;
  templates.Load(2, stream);
  ASSERT_EQ(templates.Count(), 2);
  EXPECT_EQ(stream.Remaining(), 0u);
  for (int t = 1; t <= 2; ++t) {
    const TTemplate& read = templates.Template(t);
    EXPECT_EQ(read.Strings, written[t - 1].Strings);
    EXPECT_EQ(read.ByteValue, written[t - 1].ByteValue);
    EXPECT_EQ(read.Value1, written[t - 1].Value1);
    EXPECT_EQ(read.Value2, written[t - 1].Value2);
    ExpectSameSides(written[t - 1], templates, t);
  }
}

TEST(TemplatesTest, StringCountZeroOrLessStillReadsTheRestOfTheRecord) {
  for (int32_t stringCount : {0, -1, -1000}) {
    ByteWriter out;
    out.WriteI32(stringCount);
    out.WriteU8(9);
    out.WriteI32(11);
    out.WriteI32(22);
    for (int s = 0; s < 4; ++s) {
      out.WriteI32(2);
      for (float v : {0.0f, 0.0f, 1.0f, static_cast<float>(s)}) out.WriteF32(v);
    }
    ByteReader stream(out.Bytes());
    TTemplates templates;
    templates.Load(1, stream);
    ASSERT_EQ(templates.Count(), 1) << stringCount;
    EXPECT_TRUE(templates.Template(1).Strings.empty());
    EXPECT_EQ(templates.Template(1).ByteValue, 9);
    EXPECT_EQ(templates.Template(1).Value1, 11);
    EXPECT_EQ(templates.Template(1).Value2, 22);
    EXPECT_EQ(templates.Side(1, 3)[1].Y, 3.0f);
    EXPECT_EQ(stream.Remaining(), 0u);
  }
}

TEST(TemplatesTest, SidesOfZeroOneAndEightyOnePointsAreValid) {
  for (int count : {0, 1, 81}) {
    TTemplate t;
    for (auto& side : t.Sides) side = Points(count);
    const std::vector<uint8_t> bytes = Block({t});
    ByteReader stream(bytes);
    TTemplates templates;
    templates.Load(1, stream);
    EXPECT_EQ(templates.Side(1, 2).size(), static_cast<size_t>(count));
  }
}

TEST(TemplatesTest, LoadingAgainReplacesTheTemplates) {
  const std::vector<uint8_t> first = Block({MakeTemplate({"a"}, 1, 1, 1, 2), MakeTemplate({"b"}, 2, 2, 2, 2)});
  const std::vector<uint8_t> second = Block({MakeTemplate({"c"}, 3, 3, 3, 4)});
  TTemplates templates;
  ByteReader a(first), b(second);
  templates.Load(2, a);
  templates.Load(1, b);
  ASSERT_EQ(templates.Count(), 1);
  EXPECT_EQ(templates.Template(1).Strings, std::vector<std::string>{"c"});
  EXPECT_EQ(templates.Side(1, 0).size(), 4u);

  ByteReader empty(second);
  templates.Load(0, empty);
  EXPECT_EQ(templates.Count(), 0);
  EXPECT_EQ(empty.Position(), 0u);
}

// Patches a little-endian 32-bit value into a block.
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(TemplatesTest, DamagedBlocksAreRejectedAndLeaveNoTemplates) {
  // One record with no strings and four sides of two points: string count at 0, byte
  // at 4, values at 5 and 9, first side's point count at 13, its points from 17.
  const std::vector<uint8_t> good = Block({MakeTemplate({}, 0, 0, 0, 2)});
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* name;
    int32_t count;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  for (size_t cut : {size_t{0}, size_t{3}, size_t{12}, size_t{20}, good.size() - 1})
    cases.push_back({"cut short", 1, std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut))});
  cases.push_back({"count beyond the block", 2, good});
  cases.push_back({"huge count", 0x7FFFFFFF, good});
  std::vector<uint8_t> b = good;
  Put32(b, 0, 0x7FFFFFFF);
  cases.push_back({"huge string count", 1, b});
  b = Block({MakeTemplate({"abc"}, 0, 0, 0, 2)});
  Put32(b, 4, 0x7FFFFFF0);
  cases.push_back({"string length beyond the block", 1, b});
  b = Block({MakeTemplate({"abc"}, 0, 0, 0, 2)});
  Put32(b, 4, 0xFFFFFFFF);
  cases.push_back({"negative string length", 1, b});
  b = good;
  Put32(b, 13, 0xFFFFFFFF);
  cases.push_back({"negative point count", 1, b});
  TTemplate longSide;
  longSide.Sides[1] = Points(82);
  cases.push_back({"82-point side", 1, Block({longSide})});
  TTemplate notANumber;
  notANumber.Sides[0] = {{0, 0}, {nan, 1}};
  cases.push_back({"NaN point", 1, Block({notANumber})});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTemplates templates;
    const std::vector<uint8_t> before = Block({MakeTemplate({}, 0, 0, 0, 3)});
    ByteReader first(before);
    templates.Load(1, first);
    ByteReader stream(c.bytes);
    try {
      templates.Load(c.count, stream);
      ADD_FAILURE() << "no error";
    } catch (const UserError& e) {
      EXPECT_STREQ(e.what(), kDamagedTemplatesMessage);
    }
    EXPECT_EQ(templates.Count(), 0);
  }
}

}  // namespace
}  // namespace quill
