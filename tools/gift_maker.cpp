#include "gift_maker.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/translate.h"
#include "game/fit_grid.h"
#include "raster/bitmap.h"

namespace quill {

bool LooksLikeJpeg(const std::vector<uint8_t>& data) {
  return data.size() >= 4 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

namespace {

// Appends a block and returns its offset in the whole file.
int32_t AppendBlock(std::vector<uint8_t>& payload, size_t playerSize, const std::vector<uint8_t>& block) {
  const size_t offset = playerSize + payload.size();
  if (offset + block.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw UserError(Tr("GiftMaking", "The gift would be larger than 2 GB"));
  payload.insert(payload.end(), block.begin(), block.end());
  return static_cast<int32_t>(offset);
}

}  // namespace

bool HoldsGiftMarker(std::string_view text) { return text.find(kGiftMarker) != std::string_view::npos; }

std::vector<uint8_t> BuildGiftPayload(size_t playerSize, const GiftParts& parts, GiftHeader header) {
  if (parts.Picture.empty()) throw UserError(Tr("GiftMaking", "A gift needs a picture"));
  if (!LooksLikeJpeg(parts.Picture)) throw UserError(Tr("GiftMaking", "The picture is not a JPEG file"));
  if (!parts.Skin.empty() && !LooksLikeJpeg(parts.Skin)) throw UserError(Tr("GiftMaking", "The skin picture is not a JPEG file"));
  std::vector<uint8_t> payload;
  header.PictureOffset = AppendBlock(payload, playerSize, parts.Picture);
  header.PictureSize = static_cast<int32_t>(parts.Picture.size());
  header.MusicOffset = AppendBlock(payload, playerSize, parts.Music);
  header.MusicSize = static_cast<int32_t>(parts.Music.size());
  if (parts.Music.empty()) header.MusicExtension.clear();
  header.SkinOffset = AppendBlock(payload, playerSize, parts.Skin);
  header.SkinSize = static_cast<int32_t>(parts.Skin.size());
  std::vector<uint8_t> textBlock;
  int32_t textBlockOffset = 0;
  if (parts.Texts) {
    textBlock = SerializeGiftTextBlock(*parts.Texts);
    if (HoldsGiftMarker(std::string_view(reinterpret_cast<const char*>(textBlock.data()), textBlock.size())))
      throw UserError(FillArgs(Tr("GiftMaking", "A text of the gift holds \"%1\", which marks the gift's header"), {kGiftMarker}));
    textBlockOffset = AppendBlock(payload, playerSize, textBlock);
  }
  header.TemplatesOffset = AppendBlock(payload, playerSize, parts.Templates);
  if (parts.Templates.empty()) header.TemplateCount = 0;
  const GiftHeaderBytes bytes = SerializeGiftHeader(header);
  payload.insert(payload.end(), bytes.begin(), bytes.end());
  if (parts.Texts) {
    const auto trailer = SerializeGiftTextTrailer(textBlockOffset, textBlock);
    payload.insert(payload.end(), trailer.begin(), trailer.end());
  }
  payload.insert(payload.end(), parts.Trailer.begin(), parts.Trailer.end());
  return payload;
}

void CheckPieceCount(const GiftHeader& header, const std::vector<uint8_t>& picture) {
  const std::string fewest = std::to_string(kFewestPieces);
  if (header.RequestedCount < kFewestPieces)
    throw UserError(FillArgs(Tr("GiftMaking", "A jigsaw needs at least %1 pieces"), {fewest}));
  const JpegInfo info = ReadJpegInfo(picture.data(), picture.size());
  const int32_t width = info.Width, height = info.Height;
  if (GridPieceCount(header.RequestedCount, width, height) >= kFewestPieces) return;
  throw UserError(FillArgs(Tr("GiftMaking", "The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a "
                                            "jigsaw needs at least %4: use a larger picture or ask for more pieces"),
                           {std::to_string(width), std::to_string(height), std::to_string(header.RequestedCount), fewest}));
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UserError(FillArgs(Tr("GiftMaking", "Cannot open file \"%1\""), {path}));
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

int64_t WriteGift(const std::string& playerPath, const GiftParts& parts, const GiftHeader& header,
                  const std::string& outputPath) {
  std::vector<uint8_t> file = ReadWholeFile(playerPath);
  const std::vector<uint8_t> payload = BuildGiftPayload(file.size(), parts, header);
  file.insert(file.end(), payload.begin(), payload.end());
  const std::string partial = outputPath + ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (!out || ::chmod(partial.c_str(), 0755) != 0 || std::rename(partial.c_str(), outputPath.c_str()) != 0) {
    std::remove(partial.c_str());
    throw UserError(FillArgs(Tr("GiftMaking", "File %1 could not be written"), {outputPath}));
  }
  return static_cast<int64_t>(file.size());
}

GiftHeader DefaultGiftHeader() {
  GiftHeader h;
  h.CreatorVersion = "v6.13";
  h.Created = 46000;  // 9 December 2025
  h.Title = "Untitled";
  h.BoardColour = 0x00805030;
  h.RequestedCount = 100;
  h.Oddness = 5;
  h.Seed = 1;
  h.OpeningColourName = "clWhite";
  h.ClosingColourName = "clWhite";
  h.OpeningAlignment = 2;
  h.ClosingAlignment = 2;
  h.OpeningFont = GiftFont{0x000000, -16, 0, 0, 0, "Arial"};
  h.ClosingFont = h.OpeningFont;
  h.PieceStyle = 1;
  return h;
}

}  // namespace quill
