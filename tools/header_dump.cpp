#include "header_dump.h"

#include <charconv>
#include <sstream>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/text_codec.h"

namespace quill {
namespace {

// A UTF-8 text on one line.
std::string OneLine(const std::string& utf8) {
  std::string out;
  for (char c : CrLfToLf(utf8)) {
    if (c == '\n') out += "\\n";
    else if (c == '\\') out += "\\\\";
    else out += c;
  }
  return out;
}

std::string Shown(const std::string& text) { return OneLine(Windows1252ToUtf8(text)); }

std::string Number(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void DumpFont(std::ostringstream& out, const char* prefix, const GiftFont& font) {
  out << prefix << "Color=" << font.Color << '\n'
      << prefix << "Height=" << font.Height << '\n'
      << prefix << "Pitch=" << int{font.Pitch} << '\n'
      << prefix << "Style=" << int{font.Style} << '\n'
      << prefix << "Name=" << Shown(font.Name) << '\n';
}

void DumpHeaderForms(std::ostringstream& out, const GiftHeader& h) {
  out << "HeaderTitle=" << Shown(h.Title) << '\n'
      << "HeaderCreatorName=" << Shown(h.CreatorName) << '\n'
      << "HeaderDescription=" << Shown(h.Description) << '\n'
      << "HeaderOpeningMessage=" << Shown(h.OpeningMessage) << '\n'
      << "HeaderClosingMessage=" << Shown(h.ClosingMessage) << '\n';
}

}  // namespace

std::string DumpGiftHeader(const GiftHeader& h, const std::optional<GiftTexts>& block) {
  const GiftTexts texts = block ? *block : HeaderTexts(h);
  std::ostringstream out;
  out << "HeaderSize=" << h.HeaderSize << '\n'
      << "PictureOffset=" << h.PictureOffset << '\n'
      << "PictureSize=" << h.PictureSize << '\n'
      << "MusicOffset=" << h.MusicOffset << '\n'
      << "MusicSize=" << h.MusicSize << '\n'
      << "CreatorVersion=" << Shown(h.CreatorVersion) << '\n'
      << "Created=" << Number(h.Created) << '\n'
      << "Title=" << OneLine(texts.Title) << '\n'
      << "CreatorName=" << OneLine(texts.CreatorName) << '\n'
      << "Description=" << OneLine(texts.Description) << '\n'
      << "BoardColour=" << h.BoardColour << '\n'
      << "RequestedCount=" << h.RequestedCount << '\n'
      << "Oddness=" << h.Oddness << '\n'
      << "Seed=" << h.Seed << '\n'
      << "OpeningMessage=" << OneLine(texts.OpeningMessage) << '\n'
      << "ClosingMessage=" << OneLine(texts.ClosingMessage) << '\n';
  DumpFont(out, "OpeningFont", h.OpeningFont);
  DumpFont(out, "ClosingFont", h.ClosingFont);
  out << "OpeningColourName=" << Shown(h.OpeningColourName) << '\n'
      << "ClosingColourName=" << Shown(h.ClosingColourName) << '\n'
      << "OpeningAlignment=" << int{h.OpeningAlignment} << '\n'
      << "ClosingAlignment=" << int{h.ClosingAlignment} << '\n'
      << "PieceStyle=" << h.PieceStyle << '\n'
      << "OutlineIndex=" << h.OutlineIndex << '\n'
      << "RotationOn=" << h.RotationOn << '\n'
      << "MusicExtension=" << Shown(h.MusicExtension) << '\n'
      << "SkinOffset=" << h.SkinOffset << '\n'
      << "SkinSize=" << h.SkinSize << '\n'
      << "TemplatesOffset=" << h.TemplatesOffset << '\n'
      << "TemplateCount=" << h.TemplateCount << '\n'
      << "FunPieces=" << h.FunPieces << '\n'
      << "MysteryMode=" << h.MysteryMode << '\n'
      << "TextBlock=" << (block ? "yes" : "no") << '\n'
      << "Language=" << OneLine(texts.Language) << '\n';
  if (block) DumpHeaderForms(out, h);
  return out.str();
}

std::string DumpPictureSize(const ProgramFile& file, const GiftHeader& header) {
  if (!file.Holds(header.PictureOffset, header.PictureSize) || header.PictureSize <= 0)
    return "Picture=outside the file\n";
  const std::vector<uint8_t> jpeg = file.ReadBlock(header.PictureOffset, header.PictureSize);
  try {
    const JpegInfo info = ReadJpegInfo(jpeg.data(), jpeg.size());
    return "PictureWidth=" + std::to_string(info.Width) + "\nPictureHeight=" + std::to_string(info.Height) + "\n";
  } catch (const UserError& e) {
    return std::string("Picture=") + e.what() + "\n";
  }
}

}  // namespace quill
