// Custom piece shapes ("fun pieces") that come with a gift: each template gives the
// four sides of one special piece as polylines in its own coordinates. The gift
// loader fills the one global collection; the lattice draws template sides in
// place of ordinary knobs.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/translate.h"
#include "common/byte_stream.h"
#include "common/errors.h"

namespace quill {

inline constexpr const char* kDamagedTemplatesMessage =
    TextMark("Messages", "The custom piece shapes in this jigsaw gift are damaged");

// A template block that cannot be read: too short, a negative count or a side too
// long for a piece outline.
class TemplateReadError : public UserError {
 public:
  TemplateReadError() : UserError(kDamagedTemplatesMessage) {}
};

struct TemplatePoint {
  float X = 0;
  float Y = 0;
  friend bool operator==(const TemplatePoint&, const TemplatePoint&) = default;
};

// One template. Sides are indexed 0 top, 1 right, 2 bottom, 3 left; top and bottom
// run from the left corner to the right one, left and right from top to bottom.
class TTemplate {
 public:
  // At most this many points per side: the side lists of a piece outline hold 81
  // points, and a template side drawn on an edge gives one point per template point.
  static constexpr int kMaxPoints = 81;

  std::vector<std::string> Strings;  // read and kept; the player does not use them
  int32_t Value1 = 0;                // read and kept; not used
  int32_t Value2 = 0;                // read and kept; not used
  std::array<std::vector<TemplatePoint>, 4> Sides;
  uint8_t ByteValue = 0;             // read and kept; not used

  // Reads one template record at the stream's position.
  static std::unique_ptr<TTemplate> Read(ByteReader& stream);
  // Writes the record as Read reads it (for the gift maker and tests).
  void Write(ByteWriter& out) const;

  friend bool operator==(const TTemplate&, const TTemplate&) = default;
};

class TTemplates {
 public:
  // Template numbers are 16-bit (a piece's `TemplateNo`), so no more can be used.
  static constexpr int32_t kMaxCount = 32767;

  // Replaces the templates by `count` records read from the stream's position. A
  // count of 0 or less leaves the collection empty. A damaged block (one that ends
  // inside a record, a negative count, a side of more than kMaxPoints points, a
  // point that is no finite number, or more than kMaxCount templates) throws
  // TemplateReadError and leaves the collection empty.
  void Load(int32_t count, ByteReader& stream);
  void Clear();

  int Count() const { return static_cast<int>(list_.size()); }
  // Template number t counts from 1.
  const TTemplate& Template(int t) const { return *list_.at(static_cast<size_t>(t - 1)); }
  std::span<const TemplatePoint> Side(int t, int side) const { return Template(t).Sides.at(static_cast<size_t>(side)); }
  // Whether both hold the same templates in the same order.
  bool SameAs(const TTemplates& other) const;

 private:
  std::vector<std::string> strings_;  // kept empty; the player does not use it
  std::vector<std::unique_ptr<TTemplate>> list_;
};

// The program's one template collection.
extern TTemplates Templates;

}  // namespace quill
