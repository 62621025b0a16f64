// The outline of one piece as four point lists, one per side (0 top, 1 right,
// 2 bottom, 3 left), in supersampled coordinates (four times the cut picture's
// pixels per axis). Top and bottom run left to right, left and right top to bottom.
#pragma once
#include <array>
#include <cstdint>

namespace quill {

constexpr int kMaxSidePoints = 81;

struct SidePoint {
  int16_t X = 0;
  int16_t Y = 0;
  friend bool operator==(const SidePoint&, const SidePoint&) = default;
};

struct SidePoints {
  int32_t Count = 0;
  std::array<SidePoint, kMaxSidePoints> Points{};
};

using PieceSides = std::array<SidePoints, 4>;

}  // namespace quill
