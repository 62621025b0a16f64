#include "pieces/templates.h"

#include <algorithm>
#include <cmath>

#include "common/util.h"

namespace quill {

TTemplates Templates;

namespace {

// The smallest record: string count, byte, two values and four empty sides.
constexpr size_t kMinRecordSize = 4 + 1 + 4 + 4 + 4 * 4;
constexpr size_t kPointSize = 8;
constexpr size_t kMinStringSize = 4;

// Fails unless `count` items of at least `itemSize` bytes each can still follow, so
// nothing is allocated for a count that the block cannot hold.
void RequireRoom(const ByteReader& stream, int64_t count, size_t itemSize) {
  if (count > 0 && static_cast<uint64_t>(count) > stream.Remaining() / itemSize) throw TemplateReadError();
}

void ReadStrings(ByteReader& stream, std::vector<std::string>& strings) {
  const size_t start = stream.Position();
  const int32_t count = stream.ReadI32();
  RequireRoom(stream, count, kMinStringSize);
  stream.Seek(start);
  ReadStringList(stream, strings);
}

std::vector<TemplatePoint> ReadSide(ByteReader& stream) {
  const int32_t count = stream.ReadI32();
  if (count < 0 || count > TTemplate::kMaxPoints) throw TemplateReadError();
  RequireRoom(stream, count, kPointSize);
  std::vector<TemplatePoint> points(static_cast<size_t>(count));
  for (TemplatePoint& p : points) {
    p.X = stream.ReadF32();
    p.Y = stream.ReadF32();
    // A point that is no number cannot be scaled onto an edge.
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) throw TemplateReadError();
  }
  return points;
}

}  // namespace

std::unique_ptr<TTemplate> TTemplate::Read(ByteReader& stream) {
  auto t = std::make_unique<TTemplate>();
  ReadStrings(stream, t->Strings);
  t->ByteValue = stream.ReadU8();
  t->Value1 = stream.ReadI32();
  t->Value2 = stream.ReadI32();
  for (auto& side : t->Sides) side = ReadSide(stream);
  return t;
}

void TTemplate::Write(ByteWriter& out) const {
  out.WriteI32(static_cast<int32_t>(Strings.size()));
  for (const std::string& text : Strings) {
    out.WriteI32(static_cast<int32_t>(text.size()));
    out.WriteBytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  }
  out.WriteU8(ByteValue);
  out.WriteI32(Value1);
  out.WriteI32(Value2);
  for (const auto& side : Sides) {
    out.WriteI32(static_cast<int32_t>(side.size()));
    for (const TemplatePoint& p : side) {
      out.WriteF32(p.X);
      out.WriteF32(p.Y);
    }
  }
}

void TTemplates::Load(int32_t count, ByteReader& stream) {
  Clear();
  if (count <= 0) return;
  try {
    if (count > kMaxCount) throw TemplateReadError();
    RequireRoom(stream, count, kMinRecordSize);
    list_.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) list_.push_back(TTemplate::Read(stream));
  } catch (const StreamReadError&) {
    Clear();
    throw TemplateReadError();
  } catch (const TemplateReadError&) {
    Clear();
    throw;
  }
}

void TTemplates::Clear() { list_.clear(); }

bool TTemplates::SameAs(const TTemplates& other) const {
  return std::equal(list_.begin(), list_.end(), other.list_.begin(), other.list_.end(),
                    [](const auto& a, const auto& b) { return *a == *b; });
}

}  // namespace quill
