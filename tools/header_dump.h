// The inspector's header view: every field of a gift header as Name=value lines.
#pragma once
#include <string>

#include "game/gift_header.h"

namespace quill {

// Texts are shown in UTF-8 with their line breaks written as \n; numbers and
// colours in decimal.
std::string DumpGiftHeader(const GiftHeader& header);

}  // namespace quill
