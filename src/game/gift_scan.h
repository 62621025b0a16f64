// Finding the gift header at the end of a file by its marker.
#pragma once
#include "common/translate.h"
#include "game/gift_header.h"
#include "game/program_file.h"

namespace quill {

inline constexpr const char* kDamagedGiftMessage =
    TextMark("Messages", "This jigsaw gift file is damaged and cannot be opened");

struct FoundGiftHeader {
  GiftHeader Header;
  int64_t Position = 0;  // where the header starts in the file: the blocks end there
};

// Scans the last 13463 bytes for the marker and reads the 3463-byte header that it
// starts. A missing marker or a header size other than 3463 raises UserError with
// the damaged-gift message.
FoundGiftHeader LocateGiftHeader(const ProgramFile& file);
inline GiftHeader FindGiftHeader(const ProgramFile& file) { return LocateGiftHeader(file).Header; }

}  // namespace quill
