// The inspector's header view: every field of a gift header as Name=value lines,
// and the size of the picture the gift stores.
#pragma once
#include <string>

#include "game/gift_header.h"
#include "game/program_file.h"

namespace quill {

// Texts are shown in UTF-8 with their line breaks written as \n; numbers and
// colours in decimal.
std::string DumpGiftHeader(const GiftHeader& header);

// The stored picture's size from its JPEG header, as PictureWidth= and
// PictureHeight= lines; a picture block that cannot be read gives a Picture= line
// saying why.
std::string DumpPictureSize(const ProgramFile& file, const GiftHeader& header);

}  // namespace quill
