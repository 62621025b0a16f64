#include "common/colour_names.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace quill {
namespace {

struct NamedColour {
  std::string_view name;
  Colour value;
};

constexpr Colour Sys(uint32_t index) { return 0xFF000000u | index; }

constexpr NamedColour kNamedColours[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
    {"clScrollBar", Sys(0)}, {"clBackground", Sys(1)}, {"clActiveCaption", Sys(2)},
    {"clInactiveCaption", Sys(3)}, {"clMenu", Sys(4)}, {"clWindow", Sys(5)}, {"clWindowFrame", Sys(6)},
    {"clMenuText", Sys(7)}, {"clWindowText", Sys(8)}, {"clCaptionText", Sys(9)},
    {"clActiveBorder", Sys(10)}, {"clInactiveBorder", Sys(11)}, {"clAppWorkSpace", Sys(12)},
    {"clHighlight", Sys(13)}, {"clHighlightText", Sys(14)}, {"clBtnFace", Sys(15)},
    {"clBtnShadow", Sys(16)}, {"clGrayText", Sys(17)}, {"clBtnText", Sys(18)},
    {"clInactiveCaptionText", Sys(19)}, {"clBtnHighlight", Sys(20)}, {"cl3DDkShadow", Sys(21)},
    {"cl3DLight", Sys(22)}, {"clInfoText", Sys(23)}, {"clInfoBk", Sys(24)}, {"clHotLight", Sys(26)},
    {"clGradientActiveCaption", Sys(27)}, {"clGradientInactiveCaption", Sys(28)},
    {"clMenuHighlight", Sys(29)}, {"clMenuBar", Sys(30)},
};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// A 32-bit number: decimal with an optional sign, or hexadecimal after "$" (up to
// eight digits, so "$FFFFFFFF" is accepted as all bits set).
std::optional<uint32_t> ParseNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + 1;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  if (base == 10 && !negative && value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  const uint32_t bits = static_cast<uint32_t>(value);
  return negative ? static_cast<uint32_t>(0u - bits) : bits;
}

}  // namespace

std::optional<Colour> StringToColour(std::string_view name) {
  for (const auto& named : kNamedColours)
    if (SameText(named.name, name)) return named.value;
  return ParseNumber(name);
}

}  // namespace quill
