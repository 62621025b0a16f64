#include "game/gift_texts.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <exception>

#include "common/packed.h"
#include "common/text_codec.h"
#include "game/gift_scan.h"

namespace quill {
namespace {

constexpr char kBlockMagic[] = "QMTEXTS1";
constexpr char kTrailerMagic[] = "QMTXTEND";
constexpr size_t kMagicSize = 8;
constexpr size_t kBlockHeadSize = kMagicSize + 2;
constexpr size_t kFieldHeadSize = 3;

// Offsets inside the trailer.
namespace trailer {
constexpr size_t Magic = 0, Offset = 8, Size = 12, Crc = 16;
}

constexpr std::array<uint32_t, 256> kCrcTable = [] {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

bool StartsWith(std::span<const uint8_t> bytes, const char* magic) {
  return bytes.size() >= kMagicSize && std::memcmp(bytes.data(), magic, kMagicSize) == 0;
}

const GiftTextField* FieldOfTag(uint8_t tag) {
  for (const GiftTextField& field : kGiftTextFields)
    if (field.Tag == tag) return &field;
  return nullptr;
}

}  // namespace

const std::array<GiftTextField, 6> kGiftTextFields = {{
    {1, &GiftTexts::Title, kGiftNameBytes},
    {2, &GiftTexts::CreatorName, kGiftNameBytes},
    {3, &GiftTexts::Description, kGiftMessageBytes},
    {4, &GiftTexts::OpeningMessage, kGiftMessageBytes},
    {5, &GiftTexts::ClosingMessage, kGiftMessageBytes},
    {6, &GiftTexts::Language, kGiftLanguageBytes},
}};

uint32_t Crc32(std::span<const uint8_t> bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (uint8_t b : bytes) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

bool IsGiftLanguageCode(const std::string& code) {
  if (code.empty()) return true;
  if (code.size() > kGiftLanguageBytes || !std::isalpha(static_cast<unsigned char>(code[0]))) return false;
  return std::all_of(code.begin(), code.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

std::vector<uint8_t> SerializeGiftTextBlock(const GiftTexts& texts) {
  std::vector<uint8_t> block(kBlockHeadSize);
  std::memcpy(block.data(), kBlockMagic, kMagicSize);
  packed::Put<uint16_t>(block.data(), kMagicSize, static_cast<uint16_t>(kGiftTextFields.size()));
  for (const GiftTextField& field : kGiftTextFields) {
    const std::string& text = texts.*field.Text;
    const size_t length = std::min(text.size(), field.Limit);
    const size_t at = block.size();
    block.resize(at + kFieldHeadSize + length);
    packed::Put<uint8_t>(block.data(), at, field.Tag);
    packed::Put<uint16_t>(block.data(), at + 1, static_cast<uint16_t>(length));
    std::memcpy(block.data() + at + kFieldHeadSize, text.data(), length);
  }
  return block;
}

std::array<uint8_t, kGiftTextTrailerSize> SerializeGiftTextTrailer(int32_t blockOffset,
                                                                    const std::vector<uint8_t>& block) {
  std::array<uint8_t, kGiftTextTrailerSize> bytes{};
  std::memcpy(bytes.data() + trailer::Magic, kTrailerMagic, kMagicSize);
  packed::Put<int32_t>(bytes.data(), trailer::Offset, blockOffset);
  packed::Put<int32_t>(bytes.data(), trailer::Size, static_cast<int32_t>(block.size()));
  packed::Put<uint32_t>(bytes.data(), trailer::Crc, Crc32(block));
  return bytes;
}

std::optional<GiftTexts> ParseGiftTextBlock(std::span<const uint8_t> block) {
  if (block.size() < kBlockHeadSize || !StartsWith(block, kBlockMagic)) return std::nullopt;
  const size_t count = packed::Get<uint16_t>(block.data(), kMagicSize);
  GiftTexts texts;
  size_t at = kBlockHeadSize;
  for (size_t n = 0; n < count; ++n) {
    if (block.size() - at < kFieldHeadSize) return std::nullopt;
    const uint8_t tag = packed::Get<uint8_t>(block.data(), at);
    const size_t length = packed::Get<uint16_t>(block.data(), at + 1);
    at += kFieldHeadSize;
    if (block.size() - at < length) return std::nullopt;
    const std::string text(reinterpret_cast<const char*>(block.data() + at), length);
    at += length;
    const GiftTextField* field = FieldOfTag(tag);
    if (!field) continue;  // a field of a later maker
    if (length > field->Limit || !IsUtf8(text)) return std::nullopt;
    if (field->Text == &GiftTexts::Language && !IsGiftLanguageCode(text)) return std::nullopt;
    texts.*field->Text = text;
  }
  return texts;
}

std::optional<GiftTexts> ReadGiftTexts(const ProgramFile& file, int64_t headerPosition) {
  std::array<uint8_t, kGiftTextTrailerSize> bytes{};
  const int64_t at = headerPosition + static_cast<int64_t>(kGiftHeaderSize);
  if (!file.Holds(at, bytes.size()) || file.ReadSome(at, bytes.data(), bytes.size()) != bytes.size() ||
      !StartsWith(bytes, kTrailerMagic))
    return std::nullopt;
  const int64_t offset = packed::Get<int32_t>(bytes.data(), trailer::Offset);
  const int64_t size = packed::Get<int32_t>(bytes.data(), trailer::Size);
  if (offset < 0 || size <= 0 || size > static_cast<int64_t>(kGiftTextBlockLimit) || offset + size > headerPosition ||
      !file.Holds(offset, size))
    return std::nullopt;
  std::vector<uint8_t> block(static_cast<size_t>(size));
  if (file.ReadSome(offset, block.data(), block.size()) != block.size()) return std::nullopt;
  if (Crc32(block) != packed::Get<uint32_t>(bytes.data(), trailer::Crc)) return std::nullopt;
  return ParseGiftTextBlock(block);
}

GiftTexts HeaderTexts(const GiftHeader& header) {
  auto shown = [](const std::string& text) { return CrLfToLf(Windows1252ToUtf8(text)); };
  return GiftTexts{shown(header.Title),          shown(header.CreatorName),    shown(header.Description),
                   shown(header.OpeningMessage), shown(header.ClosingMessage), {}};
}

GiftTexts ShownGiftTexts(const ProgramFile& file, const GiftHeader& header, int64_t headerPosition) {
  if (std::optional<GiftTexts> block = ReadGiftTexts(file, headerPosition)) return *std::move(block);
  return HeaderTexts(header);
}

std::string ReadGiftLanguage(const std::string& path) noexcept {
  try {
    const ProgramFile file(path);
    const FoundGiftHeader found = LocateGiftHeader(file);
    if (std::optional<GiftTexts> texts = ReadGiftTexts(file, found.Position)) return texts->Language;
  } catch (const std::exception&) {
  }
  return {};
}

}  // namespace quill
