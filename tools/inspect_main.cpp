// quillmere-inspect: reads a gift exactly as the player does and shows what it found
// and what the player computes from it.
#include <iostream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "game/program_file.h"
#include "header_dump.h"
#include "headless_host.h"
#include "inspect_views.h"

namespace quill {
namespace {

constexpr const char* kUsage =
    "usage: quillmere-inspect [views] GIFT\n"
    "  --header            every field of the gift header as Name=value\n"
    "  --grid              columns, rows and piece count of the puzzle\n"
    "  --outlines          every piece's four sides: index side count x,y ... (supersampled)\n"
    "  --render FILE.png   the picture with the cut outlines drawn over it\n";

struct Request {
  std::string gift;
  bool header = false, grid = false, outlines = false;
  std::string renderPath;
  bool NeedsPuzzle() const { return grid || outlines || !renderPath.empty(); }
};

Request ParseArguments(int argc, char** argv) {
  Request request;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--header") request.header = true;
    else if (arg == "--grid") request.grid = true;
    else if (arg == "--outlines") request.outlines = true;
    else if (arg == "--render" && i + 1 < argc) request.renderPath = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && request.gift.empty()) request.gift = arg;
    else throw UserError("unexpected argument " + arg + "\n" + kUsage);
  }
  if (request.gift.empty() || !(request.header || request.NeedsPuzzle())) throw UserError(kUsage);
  return request;
}

int Run(int argc, char** argv) {
  const Request request = ParseArguments(argc, argv);
  if (request.header) {
    ProgramFile file(request.gift);
    std::cout << DumpGiftHeader(FindGiftHeader(file));
  }
  if (!request.NeedsPuzzle()) return 0;
  HeadlessHost host;
  TJigsaw game(host, request.gift);
  game.LoadGift();
  game.BuildPuzzle();
  if (request.grid) PrintGrid(std::cout);
  if (request.outlines) PrintOutlines(game, std::cout);
  if (!request.renderPath.empty()) RenderOutlines(game, request.renderPath);
  return 0;
}

}  // namespace
}  // namespace quill

int main(int argc, char** argv) {
  try {
    return quill::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "quillmere-inspect: " << error.what() << '\n';
    return 1;
  }
}
