// The gift header: the 3463-byte record at the end of a gift player that says where
// the picture, music, skin and template blocks lie and carries the puzzle's settings
// and the sender's messages. Parsed and built field by field; texts stay in the
// file's 8-bit code page (Windows-1252) until they are shown.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "raster/colour.h"

namespace quill {

constexpr size_t kGiftHeaderSize = 3463;
constexpr size_t kGiftFontRecordSize = 41;
constexpr size_t kGiftScanSlack = 10000;  // other data that may follow the header, less one byte
inline constexpr char kGiftMarker[] = "$#GiftHdrStart#$";
constexpr size_t kGiftMarkerLength = 16;

struct GiftFont {
  Colour Color = 0;
  int16_t Height = -11;
  uint8_t Pitch = 0;
  uint8_t Reserved = 0;  // not read by the player
  uint8_t Style = 0;     // 1 bold, 2 italic, 4 underline, 8 strike-out
  std::string Name = "MS Sans Serif";
  friend bool operator==(const GiftFont&, const GiftFont&) = default;
};

struct GiftHeader {
  uint16_t HeaderSize = kGiftHeaderSize;
  int32_t PictureOffset = 0;
  int32_t PictureSize = 0;
  int32_t MusicOffset = 0;
  int32_t MusicSize = 0;
  std::string CreatorVersion;  // at most 15 bytes
  double Created = 0;          // days since 30 December 1899
  std::string Title;           // at most 64 bytes
  std::string CreatorName;     // at most 64 bytes
  std::string Description;     // at most 1024 bytes, CR LF line breaks
  Colour BoardColour = 0;
  uint16_t RequestedCount = 0;
  uint16_t Oddness = 0;
  int32_t Seed = 0;
  std::string OpeningMessage;
  std::string ClosingMessage;
  GiftFont OpeningFont;
  GiftFont ClosingFont;
  std::string OpeningColourName;  // at most 32 bytes
  std::string ClosingColourName;
  uint8_t OpeningAlignment = 0;  // 0 left, 1 right, 2 centred
  uint8_t ClosingAlignment = 0;
  int32_t PieceStyle = 1;
  int32_t OutlineIndex = 0;
  int32_t RotationOn = 0;
  std::string MusicExtension;  // with its leading dot, at most 4 bytes
  int32_t SkinOffset = 0;
  int32_t SkinSize = 0;
  int32_t TemplatesOffset = 0;
  int32_t TemplateCount = 0;
  uint16_t FunPieces = 0;
  uint16_t MysteryMode = 0;
  friend bool operator==(const GiftHeader&, const GiftHeader&) = default;
};

using GiftHeaderBytes = std::array<uint8_t, kGiftHeaderSize>;

// Reads every field; does not judge HeaderSize (the loader does).
GiftHeader ParseGiftHeader(const GiftHeaderBytes& bytes);
// Builds the record with its marker; texts longer than their fields are cut.
GiftHeaderBytes SerializeGiftHeader(const GiftHeader& header);

}  // namespace quill
