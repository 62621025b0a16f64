// quillmere-inspect: reads a gift exactly as the player does and shows what it found
// and what the player computes from it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "game/gift_scan.h"
#include "game/jigsaw.h"
#include "game/program_file.h"
#include "board_script.h"
#include "board_views.h"
#include "common/records.h"
#include "header_dump.h"
#include "inspect_views.h"
#include "png_file.h"

namespace quill {
namespace {

constexpr const char* kUsage =
    "usage: quillmere-inspect [views] GIFT\n"
    "  --header            every field of the gift header as Name=value, and the\n"
    "                      stored picture's PictureWidth and PictureHeight\n"
    "  --grid              columns, rows and piece count of the puzzle\n"
    "  --outlines          every piece's four sides: index side count x,y ... (supersampled)\n"
    "  --render FILE.png   the picture with the cut outlines drawn over it\n"
    "  --board FILE.png    the board of a new game: the pieces scattered as the player does\n"
    "  --solved FILE.png   every piece drawn on its home place\n"
    "  --outline-style N   cut in outline style N (0 None, 1 Foil, 2 Paper, 3 Card, 4 Wood)\n"
    "  --board-size WxH    the board's size for --board, --script and --solving-script\n"
    "                      (default 1024x768)\n"
    "  --script FILE       runs the board operations of FILE on a new game (see\n"
    "                      tools/board_script.h) and writes the board after each one\n"
    "  --frames DIR        where --script writes its pictures: DIR/step-001.png, ...\n"
    "  --solving-script    prints drag operations that solve a new game\n"
    "  --layout            prints where a new game lays every piece: index and its\n"
    "                      board rectangle, left top right bottom\n";

struct Request {
  std::string gift;
  bool header = false, grid = false, outlines = false;
  std::string renderPath, boardPath, solvedPath, scriptPath, framesDir;
  bool solvingScript = false, layout = false;
  int outlineStyle = -1;  // the gift's own when negative
  BoardSize boardSize;
  bool NeedsPuzzle() const {
    return grid || outlines || !renderPath.empty() || !boardPath.empty() || !solvedPath.empty() || Plays();
  }
  bool Plays() const { return !scriptPath.empty() || solvingScript || layout; }
};

BoardSize ParseBoardSize(const std::string& text) {
  BoardSize size;
  if (std::sscanf(text.c_str(), "%dx%d", &size.Width, &size.Height) != 2 || size.Width < 64 || size.Height < 64 ||
      size.Width > 8192 || size.Height > 8192)
    throw UserError("--board-size takes WxH, each from 64 to 8192");
  return size;
}

int ParseOutlineStyle(const std::string& text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '4') throw UserError("--outline-style takes 0 to 4");
  return text[0] - '0';
}

Request ParseArguments(int argc, char** argv) {
  Request request;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--header") request.header = true;
    else if (arg == "--grid") request.grid = true;
    else if (arg == "--outlines") request.outlines = true;
    else if (arg == "--render" && i + 1 < argc) request.renderPath = argv[++i];
    else if (arg == "--board" && i + 1 < argc) request.boardPath = argv[++i];
    else if (arg == "--solved" && i + 1 < argc) request.solvedPath = argv[++i];
    else if (arg == "--outline-style" && i + 1 < argc) request.outlineStyle = ParseOutlineStyle(argv[++i]);
    else if (arg == "--board-size" && i + 1 < argc) request.boardSize = ParseBoardSize(argv[++i]);
    else if (arg == "--script" && i + 1 < argc) request.scriptPath = argv[++i];
    else if (arg == "--frames" && i + 1 < argc) request.framesDir = argv[++i];
    else if (arg == "--solving-script") request.solvingScript = true;
    else if (arg == "--layout") request.layout = true;
    else if (!arg.empty() && arg[0] != '-' && request.gift.empty()) request.gift = arg;
    else throw UserError("unexpected argument " + arg + "\n" + kUsage);
  }
  if (request.gift.empty() || !(request.header || request.NeedsPuzzle())) throw UserError(kUsage);
  return request;
}

// Runs a script, or makes one that solves the puzzle, on a new game.
int Play(const Request& request, TJigsaw& game, ScriptHost& host) {
  StartNewGame(game, request.boardSize.Width, request.boardSize.Height);
  if (request.layout)
    for (const auto& piece : game.PieceList) {
      const Rect r = piece->BoardRect();
      std::cout << piece->Index << ' ' << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom << '\n';
    }
  if (request.solvingScript) std::cout << SolvingScript(game, host);
  if (request.scriptPath.empty()) return 0;
  std::ifstream script(request.scriptPath);
  if (!script) throw UserError("cannot read " + request.scriptPath);
  if (!request.framesDir.empty()) std::filesystem::create_directories(request.framesDir);
  RunBoardScript(game, host, script, [&](int step, const std::string& line) {
    std::cout << step << ": " << line << "  [state " << static_cast<int>(game.FDragState) << ", joined "
              << PuzzleRecord.JoinedCount << "]\n";
    if (request.framesDir.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "/step-%03d.png", step);
    WritePng(game.BoardBitmap, request.framesDir + name);
  });
  return 0;
}

int Run(int argc, char** argv) {
  const Request request = ParseArguments(argc, argv);
  if (request.header) {
    ProgramFile file(request.gift);
    const FoundGiftHeader found = LocateGiftHeader(file);
    std::cout << DumpGiftHeader(found.Header, ReadGiftTexts(file, found.Position))
              << DumpPictureSize(file, found.Header);
  }
  if (!request.NeedsPuzzle()) return 0;
  ScriptHost host;
  TJigsaw game(host, request.gift);
  game.LoadGift();
  if (request.outlineStyle >= 0) UseOutlineStyle(game, request.outlineStyle);
  if (request.Plays()) return Play(request, game, host);
  game.BuildPuzzle();
  if (request.grid) PrintGrid(std::cout);
  if (request.outlines) PrintOutlines(game, std::cout);
  if (!request.renderPath.empty()) RenderOutlines(game, request.renderPath);
  if (!request.boardPath.empty()) WritePng(ComposeNewGameBoard(game, request.boardSize), request.boardPath);
  if (!request.solvedPath.empty()) WritePng(ComposeSolvedBoard(game).Board, request.solvedPath);
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
