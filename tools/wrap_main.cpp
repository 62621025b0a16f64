// quillmere-wrap: makes a gift from a player and a picture.
#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <span>
#include <string>

#include "common/colour_names.h"
#include "common/errors.h"
#include "game/jigsaw.h"
#include "gift_maker.h"
#include "gift_request.h"
#include "gift_zip.h"
#include "installed_player.h"

namespace quill {
namespace {

constexpr const char* kUsage = R"(usage: quillmere-wrap --picture PICTURE -o GIFT [--portable | --player PLAYER] [options]
  -o GIFT                 the gift to write; -o NAME.zip writes a zip archive holding the
                          gift NAME, which file managers extract ready to run
  --portable              copy the portable player: the gift also runs where Qt is not installed
  --player PLAYER         the player to copy (default: the one installed with quillmere-wrap)
  --picture FILE          the puzzle's picture: JPEG (CMYK too), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF or any other picture file this system's
                          Qt reads; turned upright as its orientation says and
                          stored as JPEG
  --max-size WxH          a larger picture is scaled down to fit WxH (default 1280x800:
                          a 1920 x 1080 screen less the window's title, menus, tool bar,
                          tray bar and status bar leaves a board of about 1700 x 850,
                          where a 1280 x 800 picture and its scattered pieces fit)
  --keep-size             store the picture at its own size (at most 8191 a side)
  --pieces N              pieces asked for, at least 2 (default 100)
  --seed N                random seed of the shapes and the first layout (default 1)
  --style S               classic, blip, square, star, round, mix, or 1..6
  --oddness N             shape irregularity 0..10 (default 5)
  --outline S             none, foil, paper, card, wood, or 0..4
  --rotation on|off       pieces may be turned
  --mystery on|off        start in Mystery mode
  --fun N                 fun-piece setting 0..10
  --board-colour C        board colour: a name such as clTeal, a number, or $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            the sender's messages ("\n" breaks a line)
  --language CODE         the language the player speaks, such as de or pl
                          (default: the recipient's own)
  --opening-colour C  --closing-colour C   message backgrounds (colour names as stored)
  --opening-align A  --closing-align A     left, right or centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (default v6.13)
  --created DAYS          days since 30 December 1899
  --music FILE  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI through FluidSynth
  --skin FILE             the tool bar's picture, any picture file (stored as JPEG)
  --templates FILE --template-count N
Texts are UTF-8 in any script. Title, creator, description and messages hold up to
256, 256, 4096, 4096 and 4096 bytes of UTF-8; players older than the text block show
their closest Windows-1252 form. Font and colour names must be Windows-1252. Texts
that do not fit are refused with the field named. Prints the size the picture
was stored at and why, the gift's size and what its recipient does to open it.
)";

template <typename T>
T ParseNumber(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UserError(option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high));
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
  throw UserError(option + " takes on or off");
}

Colour ParseColour(const std::string& option, const std::string& text) {
  auto colour = StringToColour(text);
  if (!colour) throw UserError(option + ": unknown colour \"" + text + "\"");
  return *colour;
}

void ParseMaxSize(const std::string& option, const std::string& text, PictureFitting& fitting) {
  const size_t x = text.find('x');
  if (x == std::string::npos) throw UserError(option + " takes WxH, such as 1280x800");
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
  std::string note = "Wrote " + name + " (" + ReadableSize(made.FileSize) + ")";
  if (IsZipPath(output))
    note += ", holding the gift " + ZipEntryName(output) + " (" + ReadableSize(made.GiftSize) + ").\n" +
            "The recipient extracts it and double-clicks " + ZipEntryName(output) + ".\n";
  else
    note += ".\nThe recipient double-clicks it. Sent as it is, it arrives without its execute bit:\n"
            "send " + std::filesystem::path(output).stem().string() + ".zip (-o NAME.zip) to keep it.\n";
  return note + "Where a desktop does not start it, Properties > Allow executing as program\n"
                "(or chmod +x in a terminal) lets it run.\n";
}

int Wrap(int argc, char** argv) {
  const auto options = Options();
  GiftRequest request;
  bool portable = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
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
    if (entry == options.end()) throw UserError("unknown option " + option);
    if (i + 1 >= argc) throw UserError(option + " needs a value");
    entry->second.Set(request, option, argv[++i]);
  }
  if (portable && !request.PlayerPath.empty()) throw UserError("Give either --portable or --player, not both");
  if (request.PlayerPath.empty())
    request.PlayerPath = InstalledPlayerPath(portable ? PlayerKind::Portable : PlayerKind::Plain);
  try {
    const MadeGift made = MakeGift(request);
    std::cout << "Picture stored at " << DescribeImport(made.Picture) << '\n';
    std::cout << RecipientNote(request.OutputPath, made);
  } catch (const GiftRequestError& e) {
    return ReportFieldErrors(options, e.Errors());
  }
  return 0;
}

}  // namespace
}  // namespace quill

int main(int argc, char** argv) {
  try {
    return quill::Wrap(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "quillmere-wrap: " << error.what() << '\n';
    return 1;
  }
}
