#include "game/gift_header.h"

#include <cstring>

#include "common/packed.h"

namespace quill {
namespace {

// Offsets of the header's fields.
namespace off {
constexpr size_t Marker = 0, HeaderSize = 17, PictureOffset = 19, PictureSize = 23, MusicOffset = 27,
                 MusicSize = 31, CreatorVersion = 35, Created = 51, Title = 59, CreatorName = 124,
                 Description = 189, BoardColour = 1214, RequestedCount = 1218, Oddness = 1220, Seed = 1222,
                 OpeningMessage = 1226, ClosingMessage = 2251, OpeningFont = 3276, ClosingFont = 3317,
                 OpeningColourName = 3358, ClosingColourName = 3391, OpeningAlignment = 3424,
                 ClosingAlignment = 3425, PieceStyle = 3426, OutlineIndex = 3430, RotationOn = 3434,
                 MusicExtension = 3438, SkinOffset = 3443, SkinSize = 3447, TemplatesOffset = 3451,
                 TemplateCount = 3455, FunPieces = 3459, MysteryMode = 3461;
}  // namespace off

// Offsets inside a font record.
namespace font {
constexpr size_t Color = 0, Height = 4, Pitch = 6, Reserved = 7, Style = 8, Name = 9;
}

constexpr size_t kMessageField = 1025;

GiftFont ParseFont(const uint8_t* b) {
  using namespace packed;
  GiftFont f;
  f.Color = Get<uint32_t>(b, font::Color);
  f.Height = Get<int16_t>(b, font::Height);
  f.Pitch = Get<uint8_t>(b, font::Pitch);
  f.Reserved = Get<uint8_t>(b, font::Reserved);
  f.Style = Get<uint8_t>(b, font::Style);
  f.Name = GetShortString(b, font::Name, 31);
  return f;
}

void PutFont(uint8_t* b, const GiftFont& f) {
  using namespace packed;
  Put<uint32_t>(b, font::Color, f.Color);
  Put<int16_t>(b, font::Height, f.Height);
  Put<uint8_t>(b, font::Pitch, f.Pitch);
  Put<uint8_t>(b, font::Reserved, f.Reserved);
  Put<uint8_t>(b, font::Style, f.Style);
  PutShortString(b, font::Name, 31, f.Name);
}

}  // namespace

GiftHeader ParseGiftHeader(const GiftHeaderBytes& bytes) {
  using namespace packed;
  const uint8_t* b = bytes.data();
  GiftHeader h;
  h.HeaderSize = Get<uint16_t>(b, off::HeaderSize);
  h.PictureOffset = Get<int32_t>(b, off::PictureOffset);
  h.PictureSize = Get<int32_t>(b, off::PictureSize);
  h.MusicOffset = Get<int32_t>(b, off::MusicOffset);
  h.MusicSize = Get<int32_t>(b, off::MusicSize);
  h.CreatorVersion = GetShortString(b, off::CreatorVersion, 15);
  h.Created = Get<double>(b, off::Created);
  h.Title = GetShortString(b, off::Title, 64);
  h.CreatorName = GetShortString(b, off::CreatorName, 64);
  h.Description = GetText(b, off::Description, kMessageField);
  h.BoardColour = Get<uint32_t>(b, off::BoardColour);
  h.RequestedCount = Get<uint16_t>(b, off::RequestedCount);
  h.Oddness = Get<uint16_t>(b, off::Oddness);
  h.Seed = Get<int32_t>(b, off::Seed);
  h.OpeningMessage = GetText(b, off::OpeningMessage, kMessageField);
  h.ClosingMessage = GetText(b, off::ClosingMessage, kMessageField);
  h.OpeningFont = ParseFont(b + off::OpeningFont);
  h.ClosingFont = ParseFont(b + off::ClosingFont);
  h.OpeningColourName = GetShortString(b, off::OpeningColourName, 32);
  h.ClosingColourName = GetShortString(b, off::ClosingColourName, 32);
  h.OpeningAlignment = Get<uint8_t>(b, off::OpeningAlignment);
  h.ClosingAlignment = Get<uint8_t>(b, off::ClosingAlignment);
  h.PieceStyle = Get<int32_t>(b, off::PieceStyle);
  h.OutlineIndex = Get<int32_t>(b, off::OutlineIndex);
  h.RotationOn = Get<int32_t>(b, off::RotationOn);
  h.MusicExtension = GetShortString(b, off::MusicExtension, 4);
  h.SkinOffset = Get<int32_t>(b, off::SkinOffset);
  h.SkinSize = Get<int32_t>(b, off::SkinSize);
  h.TemplatesOffset = Get<int32_t>(b, off::TemplatesOffset);
  h.TemplateCount = Get<int32_t>(b, off::TemplateCount);
  h.FunPieces = Get<uint16_t>(b, off::FunPieces);
  h.MysteryMode = Get<uint16_t>(b, off::MysteryMode);
  return h;
}

GiftHeaderBytes SerializeGiftHeader(const GiftHeader& h) {
  using namespace packed;
  GiftHeaderBytes bytes{};
  uint8_t* b = bytes.data();
  PutShortString(b, off::Marker, kGiftMarkerLength, kGiftMarker);
  Put<uint16_t>(b, off::HeaderSize, h.HeaderSize);
  Put<int32_t>(b, off::PictureOffset, h.PictureOffset);
  Put<int32_t>(b, off::PictureSize, h.PictureSize);
  Put<int32_t>(b, off::MusicOffset, h.MusicOffset);
  Put<int32_t>(b, off::MusicSize, h.MusicSize);
  PutShortString(b, off::CreatorVersion, 15, h.CreatorVersion);
  Put<double>(b, off::Created, h.Created);
  PutShortString(b, off::Title, 64, h.Title);
  PutShortString(b, off::CreatorName, 64, h.CreatorName);
  PutText(b, off::Description, kMessageField, h.Description);
  Put<uint32_t>(b, off::BoardColour, h.BoardColour);
  Put<uint16_t>(b, off::RequestedCount, h.RequestedCount);
  Put<uint16_t>(b, off::Oddness, h.Oddness);
  Put<int32_t>(b, off::Seed, h.Seed);
  PutText(b, off::OpeningMessage, kMessageField, h.OpeningMessage);
  PutText(b, off::ClosingMessage, kMessageField, h.ClosingMessage);
  PutFont(b + off::OpeningFont, h.OpeningFont);
  PutFont(b + off::ClosingFont, h.ClosingFont);
  PutShortString(b, off::OpeningColourName, 32, h.OpeningColourName);
  PutShortString(b, off::ClosingColourName, 32, h.ClosingColourName);
  Put<uint8_t>(b, off::OpeningAlignment, h.OpeningAlignment);
  Put<uint8_t>(b, off::ClosingAlignment, h.ClosingAlignment);
  Put<int32_t>(b, off::PieceStyle, h.PieceStyle);
  Put<int32_t>(b, off::OutlineIndex, h.OutlineIndex);
  Put<int32_t>(b, off::RotationOn, h.RotationOn);
  PutShortString(b, off::MusicExtension, 4, h.MusicExtension);
  Put<int32_t>(b, off::SkinOffset, h.SkinOffset);
  Put<int32_t>(b, off::SkinSize, h.SkinSize);
  Put<int32_t>(b, off::TemplatesOffset, h.TemplatesOffset);
  Put<int32_t>(b, off::TemplateCount, h.TemplateCount);
  Put<uint16_t>(b, off::FunPieces, h.FunPieces);
  Put<uint16_t>(b, off::MysteryMode, h.MysteryMode);
  return bytes;
}

}  // namespace quill
