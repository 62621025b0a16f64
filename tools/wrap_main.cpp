// quillmere-wrap: makes a gift from a player and a picture.
#include <QCoreApplication>
#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <span>
#include <string>

#include "app/language.h"
#include "common/colour_names.h"
#include "common/errors.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "gift_maker.h"
#include "gift_request.h"
#include "gift_zip.h"
#include "installed_player.h"

namespace quill {
namespace {

// The help text; translators keep the option names and their values as they are.
constexpr const char* kUsage = TextMark(
    "Wrap",
    "usage: quillmere-wrap --picture PICTURE -o GIFT [--portable | --player PLAYER] [options]\n"
    "  -o GIFT                 the gift to write; -o NAME.zip writes a zip archive holding the\n"
    "                          gift NAME, which file managers extract ready to run\n"
    "  --portable              copy the portable player: the gift also runs where Qt is not installed\n"
    "  --player PLAYER         the player to copy (default: the one installed with quillmere-wrap)\n"
    "  --picture FILE          the puzzle's picture: JPEG (CMYK too), PNG, HEIC/HEIF, AVIF,\n"
    "                          WebP, TIFF, BMP, GIF or any other picture file this system's\n"
    "                          Qt reads; turned upright as its orientation says and\n"
    "                          stored as JPEG\n"
    "  --max-size WxH          a larger picture is scaled down to fit WxH (default 1280x800:\n"
    "                          a 1920 x 1080 screen less the window's title, menus, tool bar,\n"
    "                          tray bar and status bar leaves a board of about 1700 x 850,\n"
    "                          where a 1280 x 800 picture and its scattered pieces fit)\n"
    "  --keep-size             store the picture at its own size (at most 8191 a side)\n"
    "  --pieces N              pieces asked for, at least 2 (default 100)\n"
    "  --seed N                random seed of the shapes and the first layout (default 1)\n"
    "  --style S               classic, blip, square, star, round, mix, or 1..6\n"
    "  --oddness N             shape irregularity 0..10 (default 5)\n"
    "  --outline S             none, foil, paper, card, wood, or 0..4\n"
    "  --rotation on|off       pieces may be turned\n"
    "  --mystery on|off        start in Mystery mode\n"
    "  --fun N                 fun-piece setting 0..10\n"
    "  --board-colour C        board colour: a name such as clTeal, a number, or $BBGGRR\n"
    "  --title T  --creator T  --description T\n"
    "  --opening T  --closing T            the sender's messages (\"\\n\" breaks a line)\n"
    "  --language CODE         the language the player speaks, such as de or pl\n"
    "                          (default: the recipient's own)\n"
    "  --opening-colour C  --closing-colour C   message backgrounds (colour names as stored)\n"
    "  --opening-align A  --closing-align A     left, right or centre\n"
    "  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C\n"
    "  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C\n"
    "  --creator-version V     (default v6.13)\n"
    "  --created DAYS          days since 30 December 1899\n"
    "  --music FILE  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI through FluidSynth\n"
    "  --skin FILE             the tool bar's picture, any picture file (stored as JPEG)\n"
    "  --templates FILE --template-count N\n"
    "Texts are UTF-8 in any script. Title, creator, description and messages hold up to\n"
    "256, 256, 4096, 4096 and 4096 bytes of UTF-8; players older than the text block show\n"
    "their closest Windows-1252 form. Font and colour names must be Windows-1252. Texts\n"
    "that do not fit are refused with the field named. Prints the size the picture\n"
    "was stored at and why, the gift's size and what its recipient does to open it.\n");

template <typename T>
T ParseNumber(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UserError(FillArgs(Tr("Wrap", "%1 needs a whole number from %2 to %3"),
                             {option, std::to_string(low), std::to_string(high)}));
  return static_cast<T>(value);
}

// The names --style, --outline and the alignments take, in the order of their numbers.
constexpr const char* kStyleNames[] = {"classic", "blip", "square", "star", "round", "mix"};
static_assert(std::size(kStyleNames) == kMixStyle, "one name for each piece style");
constexpr const char* kOutlineNames[] = {"none", "foil", "paper", "card", "wood"};
static_assert(std::size(kOutlineNames) == kOutlineWood + 1, "one name for each outline style");
constexpr const char* kAlignmentNames[] = {"left", "right", "centre"};

int ParseChoice(const std::string& option, const std::string& text, std::span<const char* const> names, int first) {
  int value = first;
  for (const char* name : names) {
    if (text == name) return value;
    ++value;
  }
  return ParseNumber<int>(option, text, first, first + static_cast<int>(names.size()) - 1);
}

bool ParseSwitch(const std::string& option, const std::string& text) {
  if (text == "on" || text == "1" || text == "yes") return true;
  if (text == "off" || text == "0" || text == "no") return false;
  throw UserError(FillArgs(Tr("Wrap", "%1 takes on or off"), {option}));
}

Colour ParseColour(const std::string& option, const std::string& text) {
  auto colour = StringToColour(text);
  if (!colour) throw UserError(FillArgs(Tr("Wrap", "%1: unknown colour \"%2\""), {option, text}));
  return *colour;
}

void ParseMaxSize(const std::string& option, const std::string& text, PictureFitting& fitting) {
  const size_t x = text.find('x');
  if (x == std::string::npos) throw UserError(FillArgs(Tr("Wrap", "%1 takes WxH, such as 1280x800"), {option}));
  fitting.MaxWidth = ParseNumber<int32_t>(option, text.substr(0, x), kMinFitSide, kMaxPictureSide);
  fitting.MaxHeight = ParseNumber<int32_t>(option, text.substr(x + 1), kMinFitSide, kMaxPictureSide);
}

// "\n" typed on the command line breaks a line.
std::string CommandLineText(std::string text) {
  for (size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

using Setter = std::function<void(GiftRequest&, const std::string& option, const std::string& value)>;

// An option, the request's field it sets (for naming the option in the library's
// field errors) and how.
struct Option {
  std::string Field;
  Setter Set;
};

void AddFontOptions(std::map<std::string, Option>& options, const std::string& prefix, GiftFont GiftHeader::*font) {
  const std::string field = "Settings." + std::string(prefix == "opening" ? "Opening" : "Closing") + "Font.";
  options["--" + prefix + "-font-name"] = {field + "Name",
                                           [font](GiftRequest& r, auto&, auto& v) { (r.Settings.*font).Name = v; }};
  options["--" + prefix + "-font-height"] = {field + "Height", [font](GiftRequest& r, auto& o, auto& v) {
                                               (r.Settings.*font).Height = ParseNumber<int16_t>(o, v, -32768, 32767);
                                             }};
  options["--" + prefix + "-font-style"] = {field + "Style", [font](GiftRequest& r, auto& o, auto& v) {
                                              (r.Settings.*font).Style = ParseNumber<uint8_t>(o, v, 0, 15);
                                            }};
  options["--" + prefix + "-font-colour"] = {
      field + "Color", [font](GiftRequest& r, auto& o, auto& v) { (r.Settings.*font).Color = ParseColour(o, v); }};
}

void AddFileOptions(std::map<std::string, Option>& o) {
  o["--player"] = {"PlayerPath", [](GiftRequest& r, auto&, auto& v) { r.PlayerPath = v; }};
  o["--picture"] = {"PicturePath", [](GiftRequest& r, auto&, auto& v) { r.PicturePath = v; }};
  o["-o"] = {"OutputPath", [](GiftRequest& r, auto&, auto& v) { r.OutputPath = v; }};
  o["--music"] = {"MusicPath", [](GiftRequest& r, auto&, auto& v) { r.MusicPath = v; }};
  o["--music-extension"] = {"MusicExtension", [](GiftRequest& r, auto&, auto& v) { r.MusicExtension = v; }};
  o["--skin"] = {"SkinPath", [](GiftRequest& r, auto&, auto& v) { r.SkinPath = v; }};
  o["--templates"] = {"TemplatesPath", [](GiftRequest& r, auto&, auto& v) { r.TemplatesPath = v; }};
  o["--template-count"] = {"TemplateCount", [](GiftRequest& r, auto& k, auto& v) {
                             r.TemplateCount = ParseNumber<int32_t>(k, v, 0, 1000000);
                           }};
  o["--max-size"] = {"Fitting.MaxWidth", [](GiftRequest& r, auto& k, auto& v) { ParseMaxSize(k, v, r.Fitting); }};
}

void AddPuzzleOptions(std::map<std::string, Option>& o) {
  o["--pieces"] = {"Settings.RequestedCount", [](GiftRequest& r, auto& k, auto& v) {
                     r.Settings.RequestedCount = ParseNumber<uint16_t>(k, v, kFewestPieces, 65535);
                   }};
  o["--seed"] = {"Settings.Seed", [](GiftRequest& r, auto& k, auto& v) {
                   r.Settings.Seed = ParseNumber<int32_t>(k, v, INT32_MIN, INT32_MAX);
                 }};
  o["--style"] = {"Settings.PieceStyle", [](GiftRequest& r, auto& k, auto& v) {
                    r.Settings.PieceStyle = ParseChoice(k, v, kStyleNames, 1);
                  }};
  o["--oddness"] = {"Settings.Oddness",
                    [](GiftRequest& r, auto& k, auto& v) { r.Settings.Oddness = ParseNumber<uint16_t>(k, v, 0, 10); }};
  o["--outline"] = {"Settings.OutlineIndex", [](GiftRequest& r, auto& k, auto& v) {
                      r.Settings.OutlineIndex = ParseChoice(k, v, kOutlineNames, 0);
                    }};
  o["--rotation"] = {"Settings.RotationOn",
                     [](GiftRequest& r, auto& k, auto& v) { r.Settings.RotationOn = ParseSwitch(k, v); }};
  o["--mystery"] = {"Settings.MysteryMode",
                    [](GiftRequest& r, auto& k, auto& v) { r.Settings.MysteryMode = ParseSwitch(k, v); }};
  o["--fun"] = {"Settings.FunPieces",
                [](GiftRequest& r, auto& k, auto& v) { r.Settings.FunPieces = ParseNumber<uint16_t>(k, v, 0, 10); }};
  o["--board-colour"] = {"Settings.BoardColour",
                         [](GiftRequest& r, auto& k, auto& v) { r.Settings.BoardColour = ParseColour(k, v); }};
  o["--created"] = {"Settings.Created", [](GiftRequest& r, auto& k, auto& v) {
                      r.Settings.Created = ParseNumber<int32_t>(k, v, 0, 2958465);
                    }};
}

void AddTextOptions(std::map<std::string, Option>& o) {
  const std::pair<const char*, std::pair<const char*, std::string GiftHeader::*>> texts[] = {
      {"--title", {"Settings.Title", &GiftHeader::Title}},
      {"--creator", {"Settings.CreatorName", &GiftHeader::CreatorName}},
      {"--description", {"Settings.Description", &GiftHeader::Description}},
      {"--opening", {"Settings.OpeningMessage", &GiftHeader::OpeningMessage}},
      {"--closing", {"Settings.ClosingMessage", &GiftHeader::ClosingMessage}},
      {"--opening-colour", {"Settings.OpeningColourName", &GiftHeader::OpeningColourName}},
      {"--closing-colour", {"Settings.ClosingColourName", &GiftHeader::ClosingColourName}},
      {"--creator-version", {"Settings.CreatorVersion", &GiftHeader::CreatorVersion}},
  };
  for (const auto& [option, target] : texts) {
    auto text = target.second;
    o[option] = {target.first, [text](GiftRequest& r, auto&, auto& v) { r.Settings.*text = CommandLineText(v); }};
  }
  o["--language"] = {"Language", [](GiftRequest& r, auto&, auto& v) { r.Language = v; }};
  o["--opening-align"] = {
      "Settings.OpeningAlignment", [](GiftRequest& r, auto& k, auto& v) {
        r.Settings.OpeningAlignment = static_cast<uint8_t>(ParseChoice(k, v, kAlignmentNames, 0));
      }};
  o["--closing-align"] = {
      "Settings.ClosingAlignment", [](GiftRequest& r, auto& k, auto& v) {
        r.Settings.ClosingAlignment = static_cast<uint8_t>(ParseChoice(k, v, kAlignmentNames, 0));
      }};
}

std::map<std::string, Option> Options() {
  std::map<std::string, Option> o;
  AddFileOptions(o);
  AddPuzzleOptions(o);
  AddTextOptions(o);
  AddFontOptions(o, "opening", &GiftHeader::OpeningFont);
  AddFontOptions(o, "closing", &GiftHeader::ClosingFont);
  return o;
}

// The option that sets a field, for the library's field errors.
std::string OptionOf(const std::map<std::string, Option>& options, const std::string& field) {
  if (field == "Fitting.MaxHeight") return "--max-size";
  for (const auto& [name, option] : options)
    if (option.Field == field) return name;
  return field;
}

int ReportFieldErrors(const std::map<std::string, Option>& options, const std::vector<FieldError>& errors) {
  for (const FieldError& e : errors)
    std::cerr << "quillmere-wrap: " << OptionOf(options, e.Field) << ": " << e.Message << '\n';
  return 1;
}

// The gift's size and what its recipient does: a downloaded file loses its execute
// bit, which a zip archive keeps.
std::string RecipientNote(const std::string& output, const MadeGift& made) {
  const std::string name = std::filesystem::path(output).filename().string();
  const std::string size = ReadableSize(made.FileSize);
  const std::string note =
      IsZipPath(output)
          ? FillArgs(Tr("Wrap", "Wrote %1 (%2), holding the gift %3 (%4).\n"
                                "The recipient extracts it and double-clicks %3.\n"),
                     {name, size, ZipEntryName(output), ReadableSize(made.GiftSize)})
          : FillArgs(Tr("Wrap", "Wrote %1 (%2).\n"
                                "The recipient double-clicks it. Sent as it is, it arrives without its execute bit:\n"
                                "send %3.zip (-o NAME.zip) to keep it.\n"),
                     {name, size, std::filesystem::path(output).stem().string()});
  return note + Tr("Wrap",
                   "Where a desktop does not start it, Properties > Allow executing as program\n"
                   "(or chmod +x in a terminal) lets it run.\n");
}

int Wrap(int argc, char** argv) {
  const auto options = Options();
  GiftRequest request;
  bool portable = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::cout << Tr("Wrap", kUsage);
      return 0;
    }
    if (option == "--keep-size") {
      request.Fitting.KeepSize = true;
      continue;
    }
    if (option == "--portable") {
      portable = true;
      continue;
    }
    auto entry = options.find(option);
    if (entry == options.end()) throw UserError(FillArgs(Tr("Wrap", "unknown option %1"), {option}));
    if (i + 1 >= argc) throw UserError(FillArgs(Tr("Wrap", "%1 needs a value"), {option}));
    entry->second.Set(request, option, argv[++i]);
  }
  if (portable && !request.PlayerPath.empty()) throw UserError(Tr("Wrap", "Give either --portable or --player, not both"));
  if (request.PlayerPath.empty())
    request.PlayerPath = InstalledPlayerPath(portable ? PlayerKind::Portable : PlayerKind::Plain);
  try {
    const MadeGift made = MakeGift(request);
    std::cout << FillArgs(Tr("Wrap", "Picture stored at %1"), {DescribeImport(made.Picture)}) << '\n';
    std::cout << RecipientNote(request.OutputPath, made);
  } catch (const GiftRequestError& e) {
    return ReportFieldErrors(options, e.Errors());
  }
  return 0;
}

}  // namespace
}  // namespace quill

int main(int argc, char** argv) {
  // The application holds the translation catalogues of the locale's language.
  QCoreApplication application(argc, argv);
  quill::InstallTranslations(quill::InterfaceLanguageFromEnvironment());
  try {
    return quill::Wrap(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "quillmere-wrap: " << error.what() << '\n';
    return 1;
  }
}
