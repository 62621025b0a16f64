// The saved game: one file beside the program, named after it with ".sav", that
// keeps a puzzle in progress from one run to the next. It holds, without gaps: the
// puzzle record, the board record, a layout, a position and a tray number record
// for every piece, a record for every tray besides the board, and the settings
// section. `TJigsaw::SaveGame`, `ResumeGame` and `DeleteSavedGame` use this module.
//
// A file is read and checked whole before anything of it is applied: a short,
// damaged or foreign file is refused with a message and changes nothing. It is
// written through `durable_file`, so a crash or power cut leaves the old file or
// the new one, never neither.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "board/tray_records.h"
#include "common/errors.h"
#include "common/records.h"
#include "pieces/piece.h"

namespace quill {

class TJigsaw;

constexpr int16_t kSavedGameFormat = 5;        // FormatNo of the files this program writes
constexpr int16_t kFirstFormatWithBoard = 3;   // older files have no board record
constexpr size_t kPieceRecordsSize = 36;       // layout, position and tray number of one piece

// The program's full path with ".sav" appended: never the program itself, and two
// programs of different names never share it.
std::string SavedGameFileName(const std::string& programPath);
// The name earlier versions used, the program's path with its extension replaced by
// ".sav"; empty when that is the program itself or the name above. A save found
// there is resumed when it is this gift's, and is written at the new name.
std::string OldSavedGameFileName(const std::string& programPath);

// Bytes of a saved game with these counts (trayCount includes the board tray).
size_t SavedGameSize(bool hasBoardRecord, size_t pieceCount, size_t trayCount);

// Why a saved game is refused; the text is the one the user sees.
class SavedGameError : public UserError {
 public:
  using UserError::UserError;
};

// A saved game read off its bytes and checked, not yet applied.
struct SavedGame {
  TPuzzleRecord Puzzle;
  bool HasBoardRecord = true;
  TBoardRecord Board;                // as read; meaningless without the board record
  std::vector<TFormPiece> Pieces;    // only the saved fields are set, in index order
  std::vector<TrayRecord> Trays;     // in file order, back to front
  std::vector<uint8_t> Settings;     // the settings section
};

// Reads a saved game and checks it against the puzzle the gift built (`built`: the
// puzzle record after building): its counts, the file's length and every value that
// would otherwise reach the board, and that groups are pieces joined to their grid
// neighbours. What follows from the groups (which pieces are joined and how many)
// is taken from them. Throws SavedGameError; `fileName` names the file in the
// message.
SavedGame ParseSavedGame(std::span<const uint8_t> bytes, const TPuzzleRecord& built, const std::string& fileName);

// The file's bytes for the game as it is now. Sets `TrayCount` and
// `SavedBoardColour` of the board record as saving does.
std::vector<uint8_t> SerializeSavedGame(TJigsaw& game);

}  // namespace quill
