// The gift's texts in any script: title, creator, description, both messages and the
// language the sender fixed for the player, as UTF-8. The header's Windows-1252
// fields keep each text's closest Windows-1252 form for players that know nothing
// else; the full texts live in a block of their own that such players never read.
//
// Where the block lives: among the gift's blocks, after the skin and before the
// templates (so the templates still run up to the header). A 20-byte trailer right
// after the header points at it:
//
//   trailer (20 bytes, little-endian), at the header's position + 3463:
//     0   8  "QMTXTEND"
//     8   4  signed 32   block offset, from the start of the file
//    12   4  signed 32   block size
//    16   4  unsigned 32 CRC-32 (the zlib polynomial) of the block's bytes
//   block:
//     0   8  "QMTEXTS1"
//     8   2  unsigned 16 number of fields
//    10      fields: unsigned 8 tag, unsigned 16 length, that many bytes of UTF-8
//            (1 title, 2 creator name, 3 description, 4 opening message,
//             5 closing message, 6 language code); unknown tags are passed over
//
// The header search scans the last 13463 bytes for the header's marker and allows
// up to 10001 bytes after the header, so the trailer leaves it where it was. The
// block may lie inside that scan window; it must never hold the marker, which the
// writer refuses. A block that is missing, lies outside the file or past the header,
// fails its checksum, runs past its own end, holds malformed UTF-8 or a text longer
// than its limit is passed over whole: the header's texts are shown instead.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/gift_header.h"
#include "game/program_file.h"

namespace quill {

struct GiftTexts {
  std::string Title;
  std::string CreatorName;
  std::string Description;     // "\n" line breaks, as are the messages'
  std::string OpeningMessage;
  std::string ClosingMessage;
  std::string Language;        // such as "pl" or "pt-BR"; empty: the recipient's own
  friend bool operator==(const GiftTexts&, const GiftTexts&) = default;
};

// The longest texts the block holds, in bytes of UTF-8.
constexpr size_t kGiftNameBytes = 256;      // title, creator name
constexpr size_t kGiftMessageBytes = 4096;  // description and messages
constexpr size_t kGiftLanguageBytes = 35;
// No block the writer makes is larger; a trailer naming a larger one is passed over.
constexpr size_t kGiftTextBlockLimit = 16384;
constexpr size_t kGiftTextTrailerSize = 20;

// The fields of the block with their limits, for writers that judge texts.
struct GiftTextField {
  uint8_t Tag;
  std::string GiftTexts::*Text;
  size_t Limit;
};
extern const std::array<GiftTextField, 6> kGiftTextFields;

// A language code the block can carry: letters first, then letters, digits, '-'
// and '_', at most kGiftLanguageBytes; empty is one too.
bool IsGiftLanguageCode(const std::string& code);

// The block's bytes; texts are written as they are (the caller judged them).
std::vector<uint8_t> SerializeGiftTextBlock(const GiftTexts& texts);
// The trailer naming a block written at `blockOffset`.
std::array<uint8_t, kGiftTextTrailerSize> SerializeGiftTextTrailer(int32_t blockOffset,
                                                                    const std::vector<uint8_t>& block);
// The texts of a block's bytes; nullopt for anything the writer would not make.
std::optional<GiftTexts> ParseGiftTextBlock(std::span<const uint8_t> block);

// The block of the gift whose header starts at `headerPosition`; nullopt when the
// gift has none or it is damaged.
std::optional<GiftTexts> ReadGiftTexts(const ProgramFile& file, int64_t headerPosition);
// The header's own texts as UTF-8 with "\n" line breaks, and no language.
GiftTexts HeaderTexts(const GiftHeader& header);
// The texts to show: the block's when it reads whole, else the header's.
GiftTexts ShownGiftTexts(const ProgramFile& file, const GiftHeader& header, int64_t headerPosition);

// The language the gift in the file fixes for the player; empty when it fixes none,
// also when the file holds no readable gift. Never raises: for the start, before any
// window asks for a translation.
std::string ReadGiftLanguage(const std::string& path) noexcept;

uint32_t Crc32(std::span<const uint8_t> bytes);

}  // namespace quill
