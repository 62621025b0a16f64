// Colour names as gifts store them: a colour identifier ("clRed", "clWindow", ...),
// a decimal number, or a hexadecimal number after "$".
#pragma once
#include <optional>
#include <string_view>

#include "raster/colour.h"

namespace quill {

// The colour the name stands for; nothing when it is neither an identifier nor a
// number. Identifiers are matched without regard to case.
std::optional<Colour> StringToColour(std::string_view name);

}  // namespace quill
