// quillmere-wrap: makes a gift from a player and a picture.
#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>

#include "common/colour_names.h"
#include "common/errors.h"
#include "common/text_codec.h"
#include "gift_maker.h"

namespace quill {
namespace {

constexpr const char* kUsage = R"(usage: quillmere-wrap --player PLAYER --picture PICTURE.jpg -o GIFT [options]
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
  --opening-colour C  --closing-colour C   message backgrounds (colour names as stored)
  --opening-align A  --closing-align A     left, right or centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (default v6.13)
  --created DAYS          days since 30 December 1899
  --music FILE  [--music-extension .EXT]
  --skin FILE.jpg
  --templates FILE --template-count N
)";

template <typename T>
T ParseNumber(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UserError(option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high));
  return static_cast<T>(value);
}

int ParseChoice(const std::string& option, const std::string& text, std::initializer_list<const char*> names,
                int first) {
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

// Command-line texts are UTF-8; "\n" (typed or real) becomes the file's CR LF.
std::string GiftText(std::string text) {
  for (size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return Utf8ToWindows1252(LfToCrLf(text));
}

struct WrapJob {
  std::string player, picture, music, musicExtension, skin, templates, output;
  GiftHeader header = DefaultGiftHeader();
};

using Setter = std::function<void(WrapJob&, const std::string& option, const std::string& value)>;

void AddFontOptions(std::map<std::string, Setter>& options, const std::string& prefix, GiftFont GiftHeader::*font) {
  options["--" + prefix + "-font-name"] = [font](WrapJob& j, auto&, auto& v) { (j.header.*font).Name = GiftText(v); };
  options["--" + prefix + "-font-height"] = [font](WrapJob& j, auto& o, auto& v) {
    (j.header.*font).Height = ParseNumber<int16_t>(o, v, -32768, 32767);
  };
  options["--" + prefix + "-font-style"] = [font](WrapJob& j, auto& o, auto& v) {
    (j.header.*font).Style = ParseNumber<uint8_t>(o, v, 0, 15);
  };
  options["--" + prefix + "-font-colour"] = [font](WrapJob& j, auto& o, auto& v) {
    (j.header.*font).Color = ParseColour(o, v);
  };
}

std::map<std::string, Setter> Options() {
  std::map<std::string, Setter> o;
  o["--player"] = [](WrapJob& j, auto&, auto& v) { j.player = v; };
  o["--picture"] = [](WrapJob& j, auto&, auto& v) { j.picture = v; };
  o["-o"] = [](WrapJob& j, auto&, auto& v) { j.output = v; };
  o["--music"] = [](WrapJob& j, auto&, auto& v) { j.music = v; };
  o["--music-extension"] = [](WrapJob& j, auto&, auto& v) { j.musicExtension = v; };
  o["--skin"] = [](WrapJob& j, auto&, auto& v) { j.skin = v; };
  o["--templates"] = [](WrapJob& j, auto&, auto& v) { j.templates = v; };
  o["--template-count"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.TemplateCount = ParseNumber<int32_t>(k, v, 0, 1000000);
  };
  o["--pieces"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.RequestedCount = ParseNumber<uint16_t>(k, v, kFewestPieces, 65535);
  };
  o["--seed"] = [](WrapJob& j, auto& k, auto& v) { j.header.Seed = ParseNumber<int32_t>(k, v, INT32_MIN, INT32_MAX); };
  o["--style"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.PieceStyle = ParseChoice(k, v, {"classic", "blip", "square", "star", "round", "mix"}, 1);
  };
  o["--oddness"] = [](WrapJob& j, auto& k, auto& v) { j.header.Oddness = ParseNumber<uint16_t>(k, v, 0, 10); };
  o["--outline"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.OutlineIndex = ParseChoice(k, v, {"none", "foil", "paper", "card", "wood"}, 0);
  };
  o["--rotation"] = [](WrapJob& j, auto& k, auto& v) { j.header.RotationOn = ParseSwitch(k, v); };
  o["--mystery"] = [](WrapJob& j, auto& k, auto& v) { j.header.MysteryMode = ParseSwitch(k, v); };
  o["--fun"] = [](WrapJob& j, auto& k, auto& v) { j.header.FunPieces = ParseNumber<uint16_t>(k, v, 0, 10); };
  o["--board-colour"] = [](WrapJob& j, auto& k, auto& v) { j.header.BoardColour = ParseColour(k, v); };
  o["--title"] = [](WrapJob& j, auto&, auto& v) { j.header.Title = GiftText(v); };
  o["--creator"] = [](WrapJob& j, auto&, auto& v) { j.header.CreatorName = GiftText(v); };
  o["--description"] = [](WrapJob& j, auto&, auto& v) { j.header.Description = GiftText(v); };
  o["--opening"] = [](WrapJob& j, auto&, auto& v) { j.header.OpeningMessage = GiftText(v); };
  o["--closing"] = [](WrapJob& j, auto&, auto& v) { j.header.ClosingMessage = GiftText(v); };
  o["--opening-colour"] = [](WrapJob& j, auto&, auto& v) { j.header.OpeningColourName = v; };
  o["--closing-colour"] = [](WrapJob& j, auto&, auto& v) { j.header.ClosingColourName = v; };
  o["--opening-align"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.OpeningAlignment = static_cast<uint8_t>(ParseChoice(k, v, {"left", "right", "centre"}, 0));
  };
  o["--closing-align"] = [](WrapJob& j, auto& k, auto& v) {
    j.header.ClosingAlignment = static_cast<uint8_t>(ParseChoice(k, v, {"left", "right", "centre"}, 0));
  };
  o["--creator-version"] = [](WrapJob& j, auto&, auto& v) { j.header.CreatorVersion = GiftText(v); };
  o["--created"] = [](WrapJob& j, auto& k, auto& v) { j.header.Created = ParseNumber<int32_t>(k, v, 0, 2958465); };
  AddFontOptions(o, "opening", &GiftHeader::OpeningFont);
  AddFontOptions(o, "closing", &GiftHeader::ClosingFont);
  return o;
}

std::vector<uint8_t> ReadOptional(const std::string& path) {
  return path.empty() ? std::vector<uint8_t>{} : ReadWholeFile(path);
}

int Wrap(int argc, char** argv) {
  const auto options = Options();
  WrapJob job;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
      return 0;
    }
    auto setter = options.find(option);
    if (setter == options.end()) throw UserError("unknown option " + option);
    if (i + 1 >= argc) throw UserError(option + " needs a value");
    setter->second(job, option, argv[++i]);
  }
  if (job.player.empty() || job.output.empty()) throw UserError("--player and -o are needed");
  if (job.picture.empty()) throw UserError("A gift needs a picture: give --picture FILE.jpg");
  if (!job.templates.empty() && job.header.TemplateCount == 0)
    throw UserError("--templates needs --template-count");

  GiftParts parts;
  parts.Picture = ReadWholeFile(job.picture);
  if (!LooksLikeJpeg(parts.Picture)) throw UserError("The picture " + job.picture + " is not a JPEG file");
  CheckPieceCount(job.header, parts.Picture);
  parts.Music = ReadOptional(job.music);
  parts.Skin = ReadOptional(job.skin);
  parts.Templates = ReadOptional(job.templates);
  job.header.MusicExtension =
      !job.musicExtension.empty() ? job.musicExtension : std::filesystem::path(job.music).extension().string();
  WriteGift(job.player, parts, job.header, job.output);
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
