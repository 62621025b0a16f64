// Colours as the gift file and the saved game store them: 32-bit values laid out
// 0x00BBGGRR, or a system colour when the high byte is 0xFF (low byte = index).
#pragma once
#include <cstdint>

namespace quill {

using Colour = uint32_t;

constexpr Colour MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr uint8_t RedOf(Colour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(Colour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(Colour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

constexpr bool IsSystemColour(Colour c) { return (c & 0xFF000000u) == 0xFF000000u; }
// The system colour of button faces (index 15), the plain look of panels and bars.
constexpr Colour kSystemButtonFace = 0xFF00000F;
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFF); }

}  // namespace quill
