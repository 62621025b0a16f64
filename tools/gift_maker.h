// Making gifts: a copy of a player with a picture, optional music, skin and
// templates, and the gift header appended. Used by quillmere-wrap, the demo build
// and tests that need gift files.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "game/gift_header.h"
#include "game/gift_texts.h"

namespace quill {

struct GiftParts {
  std::vector<uint8_t> Picture;    // a JPEG file
  std::vector<uint8_t> Music;      // any audio file; empty for none
  std::vector<uint8_t> Skin;       // a JPEG file; empty for none
  std::vector<uint8_t> Templates;  // the template block, `header.TemplateCount` records
  std::vector<uint8_t> Trailer;    // other data after the header (tests)
  // The texts in UTF-8: written as the text block, found through a trailer after the
  // header. Without them the gift is laid out as before the block existed.
  std::optional<GiftTexts> Texts;
};

// True when the text holds the header's marker, which no block before the header
// may hold: the header search would take it for the header.
bool HoldsGiftMarker(std::string_view text);

bool LooksLikeJpeg(const std::vector<uint8_t>& data);

// The payload that follows a player of `playerSize` bytes: the blocks in order, then
// the header with their offsets filled in, and the text block's trailer. Raises
// UserError when the picture is missing or not a JPEG, or a text holds the marker.
std::vector<uint8_t> BuildGiftPayload(size_t playerSize, const GiftParts& parts, GiftHeader header);

// Writes player + payload to `outputPath` and makes it executable; returns the
// gift's size in bytes. The gift is written beside its place under another name and
// renamed when complete, so a failure leaves no half-written gift and an older gift
// of that name stays as it was.
int64_t WriteGift(const std::string& playerPath, const GiftParts& parts, const GiftHeader& header,
               const std::string& outputPath);

// A jigsaw has at least this many pieces.
constexpr int32_t kFewestPieces = 2;

// Refuses, with a message that says why, a gift whose puzzle the player would cut
// into fewer than kFewestPieces pieces: too few asked for, or a picture (a JPEG
// file) so small that the grid for the count asked for has a single cell. Raises
// UserError also when the picture does not decode.
void CheckPieceCount(const GiftHeader& header, const std::vector<uint8_t>& picture);

// A header with the defaults a new gift gets: 100 pieces, Classic style, oddness 5,
// seed 1, creator version "v6.13", white message backgrounds.
GiftHeader DefaultGiftHeader();

std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace quill
