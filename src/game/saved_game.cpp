#include "game/saved_game.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <optional>
#include <set>

#include "common/translate.h"
#include "common/byte_stream.h"
#include "common/config.h"
#include "common/durable_file.h"
#include "common/packed.h"
#include "game/jigsaw.h"
#include "pieces/piece_records.h"
#include "ui/form_layouts.h"

namespace quill {

namespace {

constexpr int kMinScale = 10;   // the piece size dialog's range
constexpr int kMaxScale = 300;
constexpr int kMaxOddness = 10;
constexpr int kMaxFunPieces = 10;
constexpr int32_t kMaxBoardSide = 16384;
constexpr int32_t kMaxCounter = 1 << 30;  // groups and tray ranks count up from here on
// The ghost's centre as a fraction of the board; it may be dragged partly off it.
constexpr float kMaxGhostCentre = 16.0f;
// Positions placed from a normalised position stay within ±2^30 on any board or tray
// (at most 2^16 wide, with a left edge within ±2^15) when the normalised value lies
// within this many reference sizes of it, less the widest offset.
constexpr double kNormalisedReach = 16384.0;
constexpr double kNormalisedSlack = 98304.0;

// Board record values of a file written before the board record existed.
constexpr uint16_t kOldTrayScroll = 1;
constexpr int32_t kOldLimitSeconds = 600;

// Fields of the settings section that are checked before it is applied.
namespace settings {
constexpr size_t OutlineStyle = 7, BoardWidth = 16, BoardHeight = 20, Version = 25;
}

// The largest file the counts of the records can describe.
size_t MaxFileSize() { return SavedGameSize(true, UINT16_MAX, UINT16_MAX); }

std::string Quoted(const std::string& fileName) { return "\"" + fileName + "\""; }

SavedGameError Damaged(const std::string& fileName) {
  return SavedGameError(FillArgs(Tr("Messages", "The saved game \"%1\" is damaged and cannot be resumed."), {fileName}));
}

bool SameGift(const TPuzzleRecord& saved, const TPuzzleRecord& built) {
  return saved.PieceCount == built.PieceCount && saved.Columns == built.Columns && saved.Rows == built.Rows &&
         saved.Seed == built.Seed && saved.PictureWidth == built.PictureWidth &&
         saved.PictureHeight == built.PictureHeight && saved.Title == built.Title;
}

bool InRange(int64_t value, int64_t low, int64_t high) { return low <= value && value <= high; }

bool PlausibleGhostCentre(float value) { return std::isfinite(value) && std::fabs(value) <= kMaxGhostCentre; }

// Shapes and scale must be ones the cutting can make: a picture scaled beyond the
// largest side the outlines can hold would overflow them.
bool PlausibleShape(const TPuzzleRecord& r) {
  if (!InRange(r.Scale, kMinScale, kMaxScale)) return false;
  const int64_t scaledWidth = int64_t{r.Scale} * r.PictureWidth / 100;
  const int64_t scaledHeight = int64_t{r.Scale} * r.PictureHeight / 100;
  return scaledWidth <= kMaxPictureSide && scaledHeight <= kMaxPictureSide && InRange(r.PieceStyle, 1, kMixStyle) &&
         r.Oddness <= kMaxOddness && r.FunPieces <= kMaxFunPieces;
}

// The clock counts up from 0; the tray bar is scrolled to one of the trays; a time
// limit is a length of time.
bool PlausibleRecords(const SavedGame& game) {
  const TPuzzleRecord& r = game.Puzzle;
  if (!PlausibleShape(r) || !PlausibleGhostCentre(r.GhostCentreX) || !PlausibleGhostCentre(r.GhostCentreY))
    return false;
  if (!InRange(r.NextGroup, 0, kMaxCounter) || !InRange(r.Elapsed, 0, kMaxCounter)) return false;
  if (!game.HasBoardRecord) return true;
  const TBoardRecord& b = game.Board;
  return InRange(b.TrayStamp, 0, kMaxCounter) && b.TrayScroll <= std::max<uint16_t>(1, b.TrayCount) &&
         (!b.LimitOn || InRange(b.LimitSeconds, 0, kMaxCounter));
}

// Grid neighbours of piece i to the right and below, in a grid of `columns`.
std::vector<size_t> NeighboursAfter(size_t i, size_t columns, size_t count) {
  std::vector<size_t> after;
  if ((i + 1) % columns != 0 && i + 1 < count) after.push_back(i + 1);
  if (i + columns < count) after.push_back(i + columns);
  return after;
}

// Pieces of a group were joined one grid neighbour at a time, so each group lies in
// one tray, turned one way, and every piece of it reaches every other through grid
// neighbours of the same group.
bool PlausibleGroups(const std::vector<TFormPiece>& pieces, size_t columns) {
  std::vector<size_t> root(pieces.size());
  std::iota(root.begin(), root.end(), size_t{0});
  auto find = [&root](size_t i) {
    while (root[i] != i) i = root[i] = root[root[i]];
    return i;
  };
  for (size_t i = 0; i < pieces.size(); ++i)
    for (size_t j : NeighboursAfter(i, columns, pieces.size()))
      if (pieces[j].Group == pieces[i].Group) root[find(j)] = find(i);
  std::map<int32_t, size_t> firstOfGroup;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const auto [first, isFirst] = firstOfGroup.emplace(pieces[i].Group, i);
    const TFormPiece& lead = pieces[first->second];
    if (!isFirst && (find(i) != find(first->second) || pieces[i].Tray != lead.Tray ||
                     pieces[i].Rotation != lead.Rotation))
      return false;
  }
  return true;
}

// A completed puzzle is one group.
bool PlausibleCompletion(const SavedGame& game) {
  return !game.Puzzle.Completed || game.Pieces.empty() || std::all_of(game.Pieces.begin(), game.Pieces.end(), [&](const TFormPiece& piece) {
    return piece.Group == game.Pieces.front().Group;
  });
}

// A piece is joined when its group holds another piece; the joined count counts
// them. Both follow from the groups, so they are taken from there, not the file.
void DeriveJoinedFromGroups(SavedGame& game) {
  std::map<int32_t, int> groupSizes;
  for (const TFormPiece& piece : game.Pieces) ++groupSizes[piece.Group];
  uint16_t joined = 0;
  for (TFormPiece& piece : game.Pieces) {
    piece.Joined = groupSizes[piece.Group] > 1;
    joined = static_cast<uint16_t>(joined + (piece.Joined ? 1 : 0));
  }
  game.Puzzle.JoinedCount = joined;
}

bool PlausibleNormalised(double value, int32_t reference) {
  return std::isfinite(value) && std::fabs(value) <= kNormalisedReach * reference - kNormalisedSlack;
}

bool PlausiblePiece(const TFormPiece& piece, const TPuzzleRecord& r, const std::set<int32_t>& trayNumbers) {
  return PlausibleNormalised(piece.NormX, r.PictureWidth) && PlausibleNormalised(piece.NormY, r.PictureHeight) &&
         InRange(piece.Group, 0, kMaxCounter) && trayNumbers.count(piece.Tray) != 0;
}

// Numbers of the board and every tray; empty when two trays share a number, a tray
// claims the board's number or is smaller than a tray can be made.
std::set<int32_t> TrayNumbers(const std::vector<TrayRecord>& trays) {
  std::set<int32_t> numbers{0};
  for (const TrayRecord& tray : trays) {
    const bool sound = tray.Width >= kMinTrayWidth && tray.Height >= kMinTrayHeight;
    if (!sound || !numbers.insert(tray.Number).second) return {};
  }
  return numbers;
}

// A section of another version is ignored when applied (the options come from the
// menus); one of this version must hold an outline style and a board size we can draw.
bool PlausibleSettings(std::span<const uint8_t> section) {
  using packed::Get;
  if (Get<int32_t>(section.data(), settings::Version) != kSettingsSectionVersion) return true;
  const int32_t width = Get<int32_t>(section.data(), settings::BoardWidth);
  const int32_t height = Get<int32_t>(section.data(), settings::BoardHeight);
  return Get<uint32_t>(section.data(), settings::OutlineStyle) <= kOutlineWood &&
         InRange(width, 0, kMaxBoardSide) && InRange(height, 0, kMaxBoardSide);
}

std::vector<TFormPiece> ReadPieceSections(ByteReader& stream, size_t count) {
  std::vector<TFormPiece> pieces(count);
  for (TFormPiece& piece : pieces) ReadLayoutRecord(stream, piece);
  for (TFormPiece& piece : pieces) ReadPositionRecord(stream, piece);
  for (TFormPiece& piece : pieces) ReadPieceTrayRecord(stream, piece);
  return pieces;
}

void ApplySavedPiece(TFormPiece& piece, const TFormPiece& saved) {
  piece.HomeX = saved.HomeX;
  piece.HomeY = saved.HomeY;
  piece.Width = saved.Width;
  piece.Height = saved.Height;
  piece.Colour = saved.Colour;
  piece.NormX = saved.NormX;
  piece.NormY = saved.NormY;
  piece.Group = saved.Group;
  piece.SortKey = saved.SortKey;
  piece.Rotation = saved.Rotation;
  piece.PendingTurns = 0;
  piece.Joined = saved.Joined;
  piece.Surrounded = saved.Surrounded;
  piece.Placed = saved.Placed;
  piece.Tray = saved.Tray;
}

// The board record of a file that has none: the values of an untouched board, with
// the main window's colour.
TBoardRecord BoardRecordOfOldFile(Colour windowColour) {
  TBoardRecord board;
  board.TrayScroll = kOldTrayScroll;
  board.LimitCountDown = BoardRecord.LimitCountDown;
  board.LimitSeconds = kOldLimitSeconds;
  board.SavedBoardColour = windowColour;
  return board;
}

// The whole file, or none when there is no file of that name.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error)
    throw SavedGameError(
        FillArgs(Tr("Messages", "The saved game \"%1\" cannot be read: %2."), {path, error.message()}));
  if (size > MaxFileSize()) throw Damaged(path);
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    throw SavedGameError(FillArgs(Tr("Messages", "The saved game \"%1\" cannot be read."), {path}));
  return bytes;
}

// The saved game at the old name when it is this gift's (the puzzle record is the
// built gift's). Programs of one stem shared that name, so anything else there
// belongs to another program and is left alone without a word.
std::optional<SavedGame> OldSaveOfThisGift(const std::string& programPath) {
  const std::string fileName = OldSavedGameFileName(programPath);
  if (fileName.empty()) return std::nullopt;
  try {
    if (const auto bytes = ReadWholeFile(fileName)) return ParseSavedGame(*bytes, PuzzleRecord, fileName);
  } catch (const SavedGameError&) {
  }
  return std::nullopt;
}

}  // namespace

std::string SavedGameFileName(const std::string& programPath) { return programPath + ".sav"; }

std::string OldSavedGameFileName(const std::string& programPath) {
  const std::string old = std::filesystem::path(programPath).replace_extension(".sav").string();
  return old == programPath || old == SavedGameFileName(programPath) ? std::string() : old;
}

size_t SavedGameSize(bool hasBoardRecord, size_t pieceCount, size_t trayCount) {
  const size_t trays = trayCount < 2 ? 0 : trayCount - 1;
  return kPuzzleRecordSize + (hasBoardRecord ? kBoardRecordSize : 0) + kPieceRecordsSize * pieceCount +
         kTrayRecordSize * trays + kSettingsSectionSize;
}

SavedGame ParseSavedGame(std::span<const uint8_t> bytes, const TPuzzleRecord& built, const std::string& fileName) {
  SavedGame game;
  ByteReader stream(bytes);
  try {
    game.Puzzle = ParsePuzzleRecord(stream.Read(kPuzzleRecordSize).data(), kPuzzleRecordSize);
    if (game.Puzzle.FormatNo > kSavedGameFormat)
      throw SavedGameError(FillArgs(Tr("Messages", "The saved game \"%1\" was made by a newer version of this program "
                                                   "and cannot be resumed."),
                                    {fileName}));
    if (game.Puzzle.FormatNo < 0) throw Damaged(fileName);
    if (!SameGift(game.Puzzle, built))
      throw SavedGameError(
          FillArgs(Tr("Messages", "The saved game \"%1\" belongs to another jigsaw and cannot be resumed."), {fileName}));
    game.HasBoardRecord = game.Puzzle.FormatNo >= kFirstFormatWithBoard;
    if (game.HasBoardRecord) game.Board = ParseBoardRecord(stream.Read(kBoardRecordSize).data(), kBoardRecordSize);
    const uint16_t trayCount = game.HasBoardRecord ? game.Board.TrayCount : 0;
    if (bytes.size() != SavedGameSize(game.HasBoardRecord, game.Puzzle.PieceCount, trayCount))
      throw Damaged(fileName);
    game.Pieces = ReadPieceSections(stream, game.Puzzle.PieceCount);
    game.Trays = ReadTrayRecords(stream, trayCount);
    const auto settingsBytes = stream.Read(kSettingsSectionSize);
    game.Settings.assign(settingsBytes.begin(), settingsBytes.end());
  } catch (const StreamReadError&) {
    throw Damaged(fileName);
  }
  const std::set<int32_t> trayNumbers = TrayNumbers(game.Trays);
  const bool piecesSound = std::all_of(game.Pieces.begin(), game.Pieces.end(), [&](const TFormPiece& piece) {
    return PlausiblePiece(piece, game.Puzzle, trayNumbers);
  });
  if (!PlausibleRecords(game) || trayNumbers.empty() || !piecesSound || !PlausibleSettings(game.Settings) ||
      !PlausibleGroups(game.Pieces, std::max<size_t>(1, built.Columns)) || !PlausibleCompletion(game))
    throw Damaged(fileName);
  DeriveJoinedFromGroups(game);
  return game;
}

std::vector<uint8_t> SerializeSavedGame(TJigsaw& game) {
  BoardRecord.SavedBoardColour = game.MainForm().Get(kMainFormName).Color;
  BoardRecord.TrayCount = static_cast<uint16_t>(game.TrayListCount());
  ByteWriter stream;
  stream.WriteBytes(SerializePuzzleRecord(PuzzleRecord));
  stream.WriteBytes(SerializeBoardRecord(BoardRecord));
  const TPieceList pieces = game.AllPieces();
  for (const TFormPiece* piece : pieces) WriteLayoutRecord(stream, *piece);
  for (const TFormPiece* piece : pieces) WritePositionRecord(stream, *piece);
  for (const TFormPiece* piece : pieces) WritePieceTrayRecord(stream, *piece);
  WriteTrays(game, stream);
  stream.WriteBytes(game.Config().WriteSection());
  return stream.Take();
}

// ---- The game object's operations ----------------------------------------------

std::string TJigsaw::SavedGameFile() const { return SavedGameFileName(FProgramPath); }

void TJigsaw::SaveGame() {
  const std::string fileName = SavedGameFile();
  RemoveLeftTemporaries(fileName);
  WriteFileReplacing(fileName, SerializeSavedGame(*this));
  // The save at the old name is superseded now; left there, it would come back once
  // the new one is deleted.
  if (OldSaveOfThisGift(FProgramPath)) RemoveFile(OldSavedGameFileName(FProgramPath));
}

bool TJigsaw::DeleteSavedGame() {
  std::string fileName = SavedGameFile();
  int error = RemoveFile(fileName);
  if (error == 0 && OldSaveOfThisGift(FProgramPath)) {
    fileName = OldSavedGameFileName(FProgramPath);
    error = RemoveFile(fileName);
  }
  if (error == 0) return true;
  TheHost().ShowMessage(FillArgs(Tr("Messages", "The saved game %1 cannot be removed. %2. The new game starts all the "
                                                "same; the saved one is offered again at the next start unless this "
                                                "game is saved over it."),
                                 {Quoted(fileName), SystemErrorText(error)}),
                        MessageKind::Warning);
  return false;
}

bool TJigsaw::ResumeGame(int32_t boardWidth, int32_t boardHeight) {
  const std::string fileName = SavedGameFile();
  RemoveLeftTemporaries(fileName);
  std::optional<SavedGame> saved;
  try {
    if (const auto bytes = ReadWholeFile(fileName))
      saved = ParseSavedGame(*bytes, PuzzleRecord, fileName);
    else
      saved = OldSaveOfThisGift(FProgramPath);
  } catch (const SavedGameError& error) {
    TheHost().ShowMessage(FillArgs(Tr("Messages", "%1 A new game is started instead."), {error.what()}),
                          MessageKind::Warning);
  }
  if (!saved) {
    StartWithoutSavedGame(boardWidth, boardHeight);
    return false;
  }
  ApplySavedGame(*saved);
  SetGameState(GameState::Playing);
  SetScale(PuzzleRecord.Scale);
  RestoreLayout(boardWidth, boardHeight);
  SetGameState(GameState::Playing);
  return true;
}

void TJigsaw::StartWithoutSavedGame(int32_t boardWidth, int32_t boardHeight) {
  LayOutNewGame(boardWidth, boardHeight);
  SetGameState(GameState::Playing);
}

void TJigsaw::ApplySavedGame(const SavedGame& saved) {
  PuzzleRecord = saved.Puzzle;
  BoardRecord = saved.HasBoardRecord ? saved.Board : BoardRecordOfOldFile(MainForm().Get(kMainFormName).Color);
  CreateTrays();
  int32_t nextGroup = PuzzleRecord.NextGroup;
  for (size_t i = 0; i < saved.Pieces.size(); ++i) {
    ApplySavedPiece(Piece(static_cast<int32_t>(i)), saved.Pieces[i]);
    nextGroup = std::max(nextGroup, saved.Pieces[i].Group + 1);
  }
  // New groups must never take the number of a saved one.
  PuzzleRecord.NextGroup = nextGroup;
  AddSavedTrays(*this, saved.Trays);
  Config().ReadSection(saved.Settings.data(), saved.Settings.size());
  TakeUpOptions();
  // A game saved between the last join and the tick that tests completion is tested
  // at the first tick after resuming.
  AllJoined = PuzzleRecord.JoinedCount >= PuzzleRecord.PieceCount && !PuzzleRecord.Completed;
}

}  // namespace quill
