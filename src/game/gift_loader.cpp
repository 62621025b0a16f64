// Reading the gift: the header, the sender's messages, music, skin and the puzzle's
// settings.
#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>

#include "common/average_colour.h"
#include "common/colour_names.h"
#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/records.h"
#include "common/text_codec.h"
#include "common/translate.h"
#include "common/util.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "pieces/templates.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

constexpr const char* kGiftLabelFormat =
    TextMark("Messages",
             "This free jigsaw gift was created by Quillmere version %s.\n"
             "Click on our home page below for a free demo of all the other great features of the game. "
             "Or order the full version now!");

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

FontState ToFontState(const GiftFont& font) {
  return FontState{font.Color, font.Height, font.Pitch, font.Style, Windows1252ToUtf8(font.Name)};
}

// The music file's extension as the gift names it, keeping only characters that
// cannot lead the file out of the temporary folder.
std::string SafeExtension(const std::string& extension) {
  std::string safe;
  for (char c : extension)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '.') safe += c;
  if (!safe.empty() && safe[0] != '.') safe.insert(safe.begin(), '.');
  return safe;
}

// Copies a block of the program file into a new file; refuses to follow a link
// planted at the fixed name.
bool WriteBlockToFile(const ProgramFile& source, int64_t offset, int64_t size, const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::vector<uint8_t> buffer(1 << 16);
  bool ok = true;
  for (int64_t done = 0; ok && done < size;) {
    const size_t chunk = static_cast<size_t>(std::min<int64_t>(size - done, static_cast<int64_t>(buffer.size())));
    ok = source.ReadSome(offset + done, buffer.data(), chunk) == chunk &&
         ::write(fd, buffer.data(), chunk) == static_cast<ssize_t>(chunk);
    done += static_cast<int64_t>(chunk);
  }
  ok = (::close(fd) == 0) && ok;
  return ok;
}

}  // namespace

std::string MajorVersion(const std::string& creatorVersion) {
  return TextBefore(".", TextAfter("v", Lower(creatorVersion)));
}

std::string GiftLabelText(const std::string& creatorVersion) {
  const std::string version = Windows1252ToUtf8(MajorVersion(creatorVersion));
  std::string label = Tr("Messages", kGiftLabelFormat);
  label.replace(label.find("%s"), 2, version);
  return label;
}

void ApplyGiftMessage(UiState& splash, const GiftMessage& message) {
  splash.SetText(component::kMemo1, CrLfToLf(message.Text));
  const auto colour = StringToColour(message.ColourName);
  splash.Update(component::kMemo1, [&](ComponentState& memo) {
    if (colour) {
      memo.Color = *colour;
      if (message.Alignment <= static_cast<uint8_t>(TextAlignment::Centre))
        memo.Alignment = static_cast<TextAlignment>(message.Alignment);
    } else {
      memo.Color = kWhite;
    }
    memo.Font = ToFontState(message.Font);
  });
  if (!splash.Get(component::kMemo1).Text.empty()) return;
  // No lines: hide the memo and close the gap it leaves.
  const int32_t shrink = splash.Get(component::kMemo1).Height + splash.Get(component::kProduct).Top;
  splash.SetVisible(component::kMemo1, false);
  splash.SetHeight(component::kPanel1, splash.Get(component::kPanel1).Height - shrink);
  splash.SetHeight(kSplashFormName, splash.Get(kSplashFormName).Height - shrink);
}

void TJigsaw::LoadGift() {
  ProgramFile file(FProgramPath);
  const FoundGiftHeader found = LocateGiftHeader(file);
  FHeader = found.Header;
  FTexts = ShownGiftTexts(file, FHeader, found.Position);
  UiState& splash = host_.SplashForm();
  UiState& menus = host_.MainForm();

  splash.SetCaption(component::kGiftLab, GiftLabelText(FHeader.CreatorVersion));
  ApplyGiftMessage(splash, {FTexts.OpeningMessage, FHeader.OpeningColourName, FHeader.OpeningAlignment,
                            FHeader.OpeningFont});

  const std::string music = ExtractMusic(file);
  host_.SetMusicFile(music);
  if (music.empty()) {
    menus.SetChecked(component::kMusic, false);
    menus.SetDown(component::kSpeedMusic, false);
  }
  ApplySkin(file);
  LoadTemplates(file, found.Position);
  CopySettingsToPuzzleRecord();
  ApplyOptionsToMenus();
  Config().TakeFromMenus();
}

void TJigsaw::ApplySkin(const ProgramFile& file) {
  if (FHeader.SkinSize == 0 || !file.Holds(FHeader.SkinOffset, FHeader.SkinSize)) return;
  try {
    auto picture = std::make_unique<Bitmap>();
    LoadJpegBlock(*picture, FHeader.SkinOffset, FHeader.SkinSize);
    // Tray frames and title bars take the average colour of the band the tool bar shows.
    const int bandHeight = host_.MainForm().Get(component::kSpeedBar).Height;
    const Colour colour = AverageColor(picture.get(), false, bandHeight);
    host_.SetSkin(std::move(picture), bandHeight);
    SkinColour = colour;
  } catch (const std::exception&) {
    // A skin that cannot be used leaves the plain look; nothing is reported.
  }
}

// The template block runs from its offset up to the header. Its records come from
// someone else's file: anything that runs past the block is refused as damaged.
void LoadGiftTemplates(const ProgramFile& file, const GiftHeader& header, int64_t blockEnd, TTemplates& templates) {
  if (header.TemplateCount <= 0) {
    templates.Clear();
    return;
  }
  if (header.TemplatesOffset < 0 || header.TemplatesOffset > blockEnd) {
    templates.Clear();
    throw TemplateReadError();
  }
  const std::vector<uint8_t> block = file.ReadBlock(header.TemplatesOffset, blockEnd - header.TemplatesOffset);
  ByteReader reader(block);
  templates.Load(header.TemplateCount, reader);
}

void TJigsaw::LoadTemplates(const ProgramFile& file, int64_t blockEnd) {
  LoadGiftTemplates(file, FHeader, blockEnd, Templates);
}

void CopyGiftSettings(const GiftHeader& header, TPuzzleRecord& r) {
  r.RequestedCount = header.RequestedCount;
  r.Oddness = header.Oddness;
  r.Seed = header.Seed;
  r.CreatorVersion = header.CreatorVersion.substr(0, 15);
  r.Created = header.Created;
  r.Title = header.Title.substr(0, 64);
  r.CreatorName = header.CreatorName.substr(0, 64);
  r.Description.fill(0);
  std::copy_n(header.Description.begin(), std::min(header.Description.size(), kTextFieldSize - 1),
              r.Description.begin());
  r.PieceStyle = header.PieceStyle;
  r.FunPieces = header.FunPieces;
  r.Scale = 100;
  r.FormatNo = 5;
  r.Unused4284 = 24;
  r.Completed = false;
  r.JoinedCount = 0;
  r.Elapsed = 0;
  r.CheatCount = 0;
  r.AutoSolved = false;
  r.HasDescription = true;
  r.Unused4323 = 0;
  r.Unused4388 = 0;
  r.Unused4455 = 0;
}

void TJigsaw::CopySettingsToPuzzleRecord() { CopyGiftSettings(FHeader, PuzzleRecord); }

void TJigsaw::ApplyOptionsToMenus() {
  UiState& menus = host_.MainForm();
  menus.SetColour(kMainFormName, FHeader.BoardColour);
  menus.SetTag(component::kOutlines, FHeader.OutlineIndex);
  const bool rotation = FHeader.RotationOn != 0;
  menus.SetChecked(component::kRotation, rotation);
  menus.SetEnabled(component::kRotateRight, rotation);
  menus.SetEnabled(component::kRotateLeft, rotation);
  menus.SetChecked(component::kMystery, FHeader.MysteryMode != 0);
  TickOutlineRadioItem(menus, FHeader.OutlineIndex);
}

std::vector<uint8_t> TJigsaw::ReadJpegBlock(int32_t offset, int32_t size) {
  ProgramFile file(FProgramPath);
  if (!file.Holds(offset, size) || size <= 0) throw UserError(kDamagedGiftMessage);
  return file.ReadBlock(offset, size);
}

void TJigsaw::LoadJpegBlock(Bitmap& target, int32_t offset, int32_t size) {
  const std::vector<uint8_t> block = ReadJpegBlock(offset, size);
  DecodeJpeg(block.data(), block.size(), target);
}

std::string TJigsaw::ExtractMusic(const ProgramFile& source) {
  if (FHeader.MusicSize <= 0 || !source.Holds(FHeader.MusicOffset, FHeader.MusicSize)) return "";
  const std::string folder = host_.PrivateTempDirectory();
  if (folder.empty()) return "";
  // "jig1" and the extension, inside this process's own folder: two copies of the
  // player each have their file, and closing one leaves the other's music alone.
  const std::string path = folder + "jig1" + SafeExtension(FHeader.MusicExtension);
  if (!WriteBlockToFile(source, FHeader.MusicOffset, FHeader.MusicSize, path)) {
    host_.ShowMessage(FillArgs(Tr("Messages", "File %1 could not be written. The disk may be full, read-only or off-line"),
                               {path}),
                      MessageKind::Error);
    return "";
  }
  return path;
}

void TJigsaw::ShowClosingMessage() {
  UiState& splash = host_.SplashForm();
  splash.SetCaption(component::kGiftLab, GiftLabelText(FHeader.CreatorVersion));
  ApplyGiftMessage(splash, {FTexts.ClosingMessage, FHeader.ClosingColourName, FHeader.ClosingAlignment,
                            FHeader.ClosingFont});
}

}  // namespace quill
