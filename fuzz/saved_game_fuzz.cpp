// Feeds arbitrary bytes to the saved game reader as the saved game of a small built
// puzzle. Reading and checking must refuse what does not fit without crashing or
// reading outside the bytes; a file that passes must resume into a game whose shown
// values are true of its pieces, lay out the board and save again into a file that
// passes too.
#include <cstdint>
#include <fstream>
#include <map>
#include <string>

#include "common/errors.h"
#include "game/saved_game.h"
#include "small_puzzle.h"

namespace {

struct Setup {
  quill::HeadlessHost host;
  std::string programPath = quill::fuzzing::WriteSmallGift(host);
  quill::TPuzzleRecord built = [this] {
    auto game = quill::fuzzing::BuildSmallPuzzle(host, programPath);
    return quill::PuzzleRecord;
  }();
};

// What a resumed game shows must be true of its pieces: the joined count counts the
// pieces whose group holds another, the clock does not run backwards, and a
// completed puzzle is one group.
void CheckResumedGame(quill::TJigsaw& game) {
  std::map<int32_t, int> groupSizes;
  for (const quill::TFormPiece* piece : game.AllPieces()) ++groupSizes[piece->Group];
  int joined = 0;
  for (const quill::TFormPiece* piece : game.AllPieces()) {
    if (piece->Joined != (groupSizes[piece->Group] > 1)) __builtin_trap();
    joined += piece->Joined ? 1 : 0;
  }
  const quill::TPuzzleRecord& r = quill::PuzzleRecord;
  if (joined != r.JoinedCount || r.JoinedCount > r.PieceCount || r.Elapsed < 0) __builtin_trap();
  if (r.Completed && groupSizes.size() != 1) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  const std::span<const uint8_t> bytes(data, size);
  try {
    quill::ParseSavedGame(bytes, setup.built, "fuzz");
  } catch (const quill::SavedGameError&) {
    return 0;
  }
  // A file that passes the checks: the game resumes from it.
  const std::string saved = quill::SavedGameFileName(setup.programPath);
  {
    std::ofstream out(saved, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  auto game = quill::fuzzing::BuildSmallPuzzle(setup.host, setup.programPath);
  if (!game->ResumeGame(quill::fuzzing::kSmallBoardWidth, quill::fuzzing::kSmallBoardHeight)) __builtin_trap();
  CheckResumedGame(*game);
  game->FitBoard(quill::fuzzing::kSmallBoardWidth, quill::fuzzing::kSmallBoardHeight);
  game->SaveGame();
  std::ifstream in(saved, std::ios::binary);
  const std::vector<uint8_t> again{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  try {
    quill::ParseSavedGame(again, setup.built, "fuzz");
  } catch (const quill::SavedGameError& error) {
    // Counters read at the edge of their range may have grown past it; the file must
    // still be this gift's, of this version and whole.
    if (std::string(error.what()).find("damaged") == std::string::npos) __builtin_trap();
    if (again.size() < quill::kPuzzleRecordSize) __builtin_trap();
  }
  setup.host.messages.clear();
  return 0;
}
