#include "gift_request.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/colour_names.h"
#include "common/text_codec.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "gift_maker.h"
#include "gift_zip.h"
#include "music_import.h"
#include "windows1252_fallback.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

// The longest texts the header's fields hold, in Windows-1252 characters.
constexpr size_t kVersionLength = 15;
constexpr size_t kNameLength = 64;
constexpr size_t kMessageLength = 1024;  // a line break takes two: CR LF
constexpr size_t kFontNameLength = 31;
constexpr size_t kColourNameLength = 32;
constexpr size_t kMusicExtensionLength = 4;

// The error of a field left empty that a gift needs.
constexpr const char* kNeeded = TextMark("GiftMaking", "is needed");

struct TextField {
  const char* Field;
  std::string GiftHeader::*Text;
  size_t Capacity;
};

// Texts only the header holds: Windows-1252.
constexpr TextField kHeaderTextFields[] = {
    {"Settings.CreatorVersion", &GiftHeader::CreatorVersion, kVersionLength},
    {"Settings.OpeningColourName", &GiftHeader::OpeningColourName, kColourNameLength},
    {"Settings.ClosingColourName", &GiftHeader::ClosingColourName, kColourNameLength},
};

// Texts in any script: whole in the text block (its limits), their closest
// Windows-1252 form cut to the header's field.
struct ScriptField {
  const char* Field;
  std::string GiftHeader::*Text;
  std::string GiftTexts::*Whole;
  size_t Capacity;
  size_t Limit;
};

constexpr ScriptField kScriptFields[] = {
    {"Settings.Title", &GiftHeader::Title, &GiftTexts::Title, kNameLength, kGiftNameBytes},
    {"Settings.CreatorName", &GiftHeader::CreatorName, &GiftTexts::CreatorName, kNameLength, kGiftNameBytes},
    {"Settings.Description", &GiftHeader::Description, &GiftTexts::Description, kMessageLength, kGiftMessageBytes},
    {"Settings.OpeningMessage", &GiftHeader::OpeningMessage, &GiftTexts::OpeningMessage, kMessageLength,
     kGiftMessageBytes},
    {"Settings.ClosingMessage", &GiftHeader::ClosingMessage, &GiftTexts::ClosingMessage, kMessageLength,
     kGiftMessageBytes},
};

struct FontField {
  const char* Field;
  GiftFont GiftHeader::*Font;
};

constexpr FontField kFontFields[] = {{"Settings.OpeningFont", &GiftHeader::OpeningFont},
                                     {"Settings.ClosingFont", &GiftHeader::ClosingFont}};

// A text as the header stores it: Windows-1252 with CR LF line breaks.
std::string Stored(const std::string& utf8) { return Utf8ToWindows1252(LfToCrLf(CrLfToLf(utf8))); }
// A text in any script as the header stores it: its closest Windows-1252 form.
std::string StoredFallback(const std::string& utf8, size_t capacity) {
  return CutToCapacity(LfToCrLf(Windows1252Fallback(CrLfToLf(utf8))), capacity);
}

std::string CodePointName(char32_t cp) {
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(cp));
  if (cp == 0xFFFD) return FillArgs(Tr("GiftMaking", "%1 (bytes that are not UTF-8)"), {number});
  return "\"" + Utf8OfCodePoint(cp) + "\" " + number;
}

class Checker {
 public:
  std::vector<FieldError> Errors;

  void Add(const std::string& field, const std::string& message) { Errors.push_back({field, message}); }

  void Text(const std::string& field, const std::string& utf8, size_t capacity) {
    const std::vector<char32_t> outside = CharactersOutsideWindows1252(utf8);
    if (!outside.empty()) {
      std::string names;
      for (char32_t cp : outside) names += (names.empty() ? "" : ", ") + CodePointName(cp);
      Add(field, FillArgs(Tr("GiftMaking", "has characters a gift cannot hold (its texts are Windows-1252): %1"), {names}));
      return;
    }
    const size_t length = Stored(utf8).size();
    if (length > capacity)
      Add(field, FillArgs(Tr("GiftMaking", "is %1 characters long, %2 more than the %3 a gift holds"),
                          {std::to_string(length), std::to_string(length - capacity), std::to_string(capacity)}));
  }

  // A text in any script, as the text block holds it: UTF-8 with "\n" line breaks.
  void ScriptText(const std::string& field, const std::string& utf8, size_t limit) {
    if (!IsUtf8(utf8)) {
      Add(field, Tr("GiftMaking", "has bytes that are not UTF-8 text"));
      return;
    }
    if (utf8.find(kGiftMarker) != std::string::npos) {
      Add(field, FillArgs(Tr("GiftMaking", "may not hold \"%1\": it marks where the gift's settings start"), {kGiftMarker}));
      return;
    }
    const size_t length = CrLfToLf(utf8).size();
    if (length > limit)
      Add(field, FillArgs(Tr("GiftMaking", "is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter "
                                           "takes one byte in English, two in Polish or Russian, three in Japanese, "
                                           "four for an emoji)"),
                          {std::to_string(length), std::to_string(length - limit), std::to_string(limit)}));
  }

  void Range(const std::string& field, int64_t value, int64_t low, int64_t high) {
    if (value < low || value > high)
      Add(field, FillArgs(Tr("GiftMaking", "is %1; it must be from %2 to %3"),
                          {std::to_string(value), std::to_string(low), std::to_string(high)}));
  }

  void ColourName(const std::string& field, const std::string& name) {
    if (!StringToColour(name))
      Add(field, FillArgs(Tr("GiftMaking", "\"%1\" is neither a colour name such as clCream nor a number"), {name}));
  }

  void ReadableFile(const std::string& field, const std::string& path, bool required) {
    if (path.empty()) {
      if (required) Add(field, Tr("GiftMaking", kNeeded));
      return;
    }
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
      Add(field, FillArgs(Tr("GiftMaking", "\"%1\" is not a file"), {path}));
    } else if (!std::ifstream(path, std::ios::binary)) {
      Add(field, FillArgs(Tr("GiftMaking", "\"%1\" cannot be read"), {path}));
    }
  }
};

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && fs::equivalent(a, b, error);
}

void CheckFiles(const GiftRequest& r, Checker& check) {
  check.ReadableFile("PlayerPath", r.PlayerPath, true);
  check.ReadableFile("PicturePath", r.PicturePath, true);
  check.ReadableFile("MusicPath", r.MusicPath, false);
  check.ReadableFile("SkinPath", r.SkinPath, false);
  check.ReadableFile("TemplatesPath", r.TemplatesPath, false);
  if (r.OutputPath.empty()) {
    check.Add("OutputPath", Tr("GiftMaking", kNeeded));
  } else {
    const fs::path folder = fs::absolute(r.OutputPath).parent_path();
    std::error_code error;
    if (!fs::is_directory(folder, error))
      check.Add("OutputPath", FillArgs(Tr("GiftMaking", "the folder \"%1\" does not exist"), {folder.string()}));
    for (const std::string* input : {&r.PlayerPath, &r.PicturePath, &r.MusicPath, &r.SkinPath, &r.TemplatesPath})
      if (SameFile(r.OutputPath, *input))
        check.Add("OutputPath",
                  FillArgs(Tr("GiftMaking", "would overwrite \"%1\", which the gift is made from"), {*input}));
  }
  if (r.TemplateCount < 0 || (r.TemplateCount == 0) != r.TemplatesPath.empty())
    check.Add("TemplateCount",
              Tr("GiftMaking", "a template block needs its number of templates, and a number needs the block"));
}

std::string MusicExtensionOf(const GiftRequest& r) {
  return !r.MusicExtension.empty() ? r.MusicExtension : fs::path(r.MusicPath).extension().string();
}

void CheckMusicExtension(const GiftRequest& r, Checker& check) {
  if (r.MusicPath.empty()) return;
  const std::string extension = MusicExtensionOf(r);
  bool fits = extension.size() >= 2 && extension.size() <= kMusicExtensionLength && extension[0] == '.';
  for (size_t i = 1; fits && i < extension.size(); ++i) fits = std::isalnum(static_cast<unsigned char>(extension[i]));
  if (!fits)
    check.Add(
        r.MusicExtension.empty() ? "MusicPath" : "MusicExtension",
        FillArgs(Tr("GiftMaking",
                    "the music's extension \"%1\" must be a dot and one to three letters or digits, such as .ogg"),
                 {extension}));
}

void CheckFitting(const PictureFitting& fitting, Checker& check) {
  if (fitting.KeepSize) return;
  check.Range("Fitting.MaxWidth", fitting.MaxWidth, kMinFitSide, kMaxPictureSide);
  check.Range("Fitting.MaxHeight", fitting.MaxHeight, kMinFitSide, kMaxPictureSide);
}

void CheckSettings(const GiftHeader& s, Checker& check) {
  for (const TextField& field : kHeaderTextFields) check.Text(field.Field, s.*field.Text, field.Capacity);
  for (const ScriptField& field : kScriptFields) check.ScriptText(field.Field, s.*field.Text, field.Limit);
  check.ColourName("Settings.OpeningColourName", s.OpeningColourName);
  check.ColourName("Settings.ClosingColourName", s.ClosingColourName);
  for (const FontField& field : kFontFields) {
    const GiftFont& font = s.*field.Font;
    const std::string prefix = field.Field;
    check.Text(prefix + ".Name", font.Name, kFontNameLength);
    check.Range(prefix + ".Pitch", font.Pitch, 0, 2);
    check.Range(prefix + ".Style", font.Style, 0, 15);
  }
  check.Range("Settings.RequestedCount", s.RequestedCount, kFewestPieces, 65535);
  check.Range("Settings.Oddness", s.Oddness, 0, 10);
  check.Range("Settings.PieceStyle", s.PieceStyle, 1, kMixStyle);
  check.Range("Settings.OutlineIndex", s.OutlineIndex, 0, kOutlineWood);
  check.Range("Settings.FunPieces", s.FunPieces, 0, 10);
  check.Range("Settings.OpeningAlignment", s.OpeningAlignment, 0, 2);
  check.Range("Settings.ClosingAlignment", s.ClosingAlignment, 0, 2);
}

// The header as the gift stores it; offsets and sizes follow when it is appended.
GiftHeader StoredHeader(const GiftRequest& r) {
  GiftHeader header = r.Settings;
  for (const TextField& field : kHeaderTextFields) header.*field.Text = Stored(header.*field.Text);
  for (const ScriptField& field : kScriptFields)
    header.*field.Text = StoredFallback(header.*field.Text, field.Capacity);
  for (const FontField& field : kFontFields) (header.*field.Font).Name = Stored((header.*field.Font).Name);
  header.MusicExtension = r.MusicPath.empty() ? "" : MusicExtensionOf(r);
  header.TemplateCount = r.TemplateCount;
  return header;
}

// The texts whole, as the text block holds them.
GiftTexts WholeTexts(const GiftRequest& r) {
  GiftTexts texts;
  for (const ScriptField& field : kScriptFields) texts.*field.Whole = CrLfToLf(r.Settings.*field.Text);
  texts.Language = r.Language;
  return texts;
}

std::string JoinedMessages(const std::vector<FieldError>& errors) {
  std::string text;
  for (const FieldError& e : errors) text += (text.empty() ? "" : "\n") + e.Field + ": " + e.Message;
  return text;
}

// A picture file imported for the field that names it; its faults become that
// field's error.
ImportedPicture ImportFor(const char* field, const std::string& path, const PictureFitting& fitting,
                          const ImportProgress& progress) {
  try {
    return ImportPicture(ReadWholeFile(path), fitting, progress);
  } catch (const UserError& e) {
    throw GiftRequestError(std::vector<FieldError>{{field, e.what()}});
  }
}

std::vector<uint8_t> ReadOptional(const std::string& path) {
  return path.empty() ? std::vector<uint8_t>{} : ReadWholeFile(path);
}

int64_t FileSizeOrNothing(const std::string& path) {
  std::error_code error;
  const auto size = path.empty() ? 0 : fs::file_size(path, error);
  return error ? 0 : static_cast<int64_t>(size);
}

}  // namespace

int64_t EstimateGiftSize(const GiftRequest& request, const std::vector<uint8_t>& pictureJpeg) {
  GiftParts parts;
  parts.Picture = pictureJpeg;
  parts.Texts = WholeTexts(request);
  // The header, the text block and anything else the payload adds around the picture.
  const int64_t payload = static_cast<int64_t>(BuildGiftPayload(0, parts, StoredHeader(request)).size());
  return FileSizeOrNothing(request.PlayerPath) + payload + FileSizeOrNothing(request.MusicPath) +
         FileSizeOrNothing(request.SkinPath) + FileSizeOrNothing(request.TemplatesPath);
}

std::string ReadableSize(int64_t bytes) {
  // The number is written in the locale's decimal mark; the units are translated
  // ("Mo" in French, "МБ" in Russian).
  char number[32];
  if (bytes < 1000000) {
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>((bytes + 999) / 1000));
    return FillArgs(Tr("GiftMaking", "%1 KB"), {number});
  }
  if (bytes < 10000000)
    std::snprintf(number, sizeof number, "%.1f", double(bytes) / 1e6);
  else
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>((bytes + 500000) / 1000000));
  return FillArgs(Tr("GiftMaking", "%1 MB"), {number});
}

GiftRequest::GiftRequest() : Settings(DefaultGiftHeader()) {}

GiftRequestError::GiftRequestError(std::vector<FieldError> errors)
    : UserError(JoinedMessages(errors)), errors_(std::move(errors)) {}

std::vector<FieldError> ValidateGiftRequest(const GiftRequest& request) {
  Checker check;
  CheckFiles(request, check);
  CheckMusicExtension(request, check);
  CheckFitting(request.Fitting, check);
  CheckSettings(request.Settings, check);
  if (!IsGiftLanguageCode(request.Language))
    check.Add("Language",
              FillArgs(Tr("GiftMaking", "\"%1\" is not a language code such as de, pl or pt-BR"), {request.Language}));
  return check.Errors;
}

MadeGift MakeGift(const GiftRequest& request, const GiftProgress& progress) {
  auto report = [&progress](double percent, const std::string& step) {
    if (progress) progress(static_cast<int>(percent), step);
  };
  if (auto errors = ValidateGiftRequest(request); !errors.empty()) throw GiftRequestError(std::move(errors));
  MadeGift made;
  GiftParts parts;
  // The picture is the long step: 0..70 %, the skin 70..80 %, the rest after.
  made.Picture = ImportFor("PicturePath", request.PicturePath, request.Fitting,
                           [&](double fraction, const std::string& step) { report(70 * fraction, step); });
  parts.Picture = made.Picture.Jpeg;
  try {
    CheckPieceCount(request.Settings, parts.Picture);
  } catch (const UserError& e) {
    throw GiftRequestError(std::vector<FieldError>{{"Settings.RequestedCount", e.what()}});
  }
  if (!request.SkinPath.empty()) {
    PictureFitting ownSize;
    ownSize.KeepSize = true;
    parts.Skin = ImportFor("SkinPath", request.SkinPath, ownSize, [&](double fraction, const std::string&) {
                   report(70 + 10 * fraction, Tr("GiftMaking", "Reading the skin"));
                 }).Jpeg;
  }
  report(80, Tr("GiftMaking", "Reading the music and templates"));
  GiftHeader header = StoredHeader(request);
  if (!request.MusicPath.empty()) {
    try {
      ImportedMusic music = ImportMusic(request.MusicPath, header.MusicExtension);
      parts.Music = std::move(music.Bytes);
      header.MusicExtension = music.Extension;
    } catch (const MusicImportError& e) {
      throw GiftRequestError(std::vector<FieldError>{{"MusicPath", e.what()}});
    }
  }
  parts.Templates = ReadOptional(request.TemplatesPath);
  parts.Texts = WholeTexts(request);
  report(90, Tr("GiftMaking", "Writing the gift"));
  if (IsZipPath(request.OutputPath)) {
    std::vector<uint8_t> gift = ReadWholeFile(request.PlayerPath);
    const std::vector<uint8_t> payload = BuildGiftPayload(gift.size(), parts, header);
    gift.insert(gift.end(), payload.begin(), payload.end());
    made.GiftSize = static_cast<int64_t>(gift.size());
    report(95, Tr("GiftMaking", "Packing the gift in a zip archive"));
    made.FileSize = WriteExecutableZip(request.OutputPath, ZipEntryName(request.OutputPath), gift);
  } else {
    made.FileSize = made.GiftSize = WriteGift(request.PlayerPath, parts, header, request.OutputPath);
  }
  report(100, Tr("GiftMaking", "Done"));
  return made;
}

}  // namespace quill
