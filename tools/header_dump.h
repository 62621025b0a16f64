// The inspector's header view: every field of a gift header as Name=value lines,
// and the size of the picture the gift stores.
#pragma once
#include <string>

#include <optional>

#include "game/gift_header.h"
#include "game/gift_texts.h"
#include "game/program_file.h"

namespace quill {

// Texts are shown in UTF-8 with their line breaks written as \n; numbers and
// colours in decimal. With the gift's text block, the title, creator, description
// and messages are the block's, the header's own forms (what older players show)
// follow as HeaderTitle= and so on; TextBlock= says yes or no and Language= the
// language the gift fixes.
std::string DumpGiftHeader(const GiftHeader& header, const std::optional<GiftTexts>& block = std::nullopt);

// The stored picture's size from its JPEG header, as PictureWidth= and
// PictureHeight= lines; a picture block that cannot be read gives a Picture= line
// saying why.
std::string DumpPictureSize(const ProgramFile& file, const GiftHeader& header);

}  // namespace quill
