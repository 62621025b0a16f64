// The two records every part of the game shares: the puzzle's settings and progress
// (`PuzzleRecord`, 4457 bytes in the saved game) and the board's (`BoardRecord`,
// 27 bytes). Both are read and written field by field at fixed offsets.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "raster/colour.h"

namespace quill {

constexpr size_t kPuzzleRecordSize = 4457;
constexpr size_t kBoardRecordSize = 27;
constexpr size_t kTextFieldSize = 1025;  // zero-terminated text of at most 1024 bytes

struct TPuzzleRecord {
  int16_t FormatNo = 0;
  int32_t ImageBufferSize = 0;
  std::string CreatorVersion;  // at most 15 bytes, Windows-1252
  double Created = 0;          // days since 30 December 1899
  std::string Title;           // at most 64 bytes
  std::string CreatorName;     // at most 64 bytes
  std::array<uint8_t, kTextFieldSize> Description{};  // raw zero-terminated text
  uint16_t FunPieces = 0;
  uint16_t LayoutWidth = 0;
  uint16_t LayoutHeight = 0;
  float GhostCentreX = 0;
  float GhostCentreY = 0;
  int32_t PieceStyle = 0;
  uint16_t RequestedCount = 0;
  uint16_t PieceCount = 0;
  uint16_t Columns = 0;
  uint16_t Rows = 0;
  uint16_t Unused4284 = 0;  // set to 24 when a gift is loaded, never read
  uint16_t Oddness = 0;
  int32_t Seed = 0;
  int32_t NextGroup = 0;
  uint16_t PictureWidth = 0;
  uint16_t PictureHeight = 0;
  uint16_t ScaledWidth = 0;
  uint16_t ScaledHeight = 0;
  uint16_t CellWidth = 0;
  uint16_t CellHeight = 0;
  uint16_t AtlasWidth = 0;
  uint16_t AtlasHeight = 0;
  bool Completed = false;
  uint16_t JoinedCount = 0;
  int32_t Elapsed = 0;
  uint16_t CheatCount = 0;
  bool AutoSolved = false;
  bool HasDescription = false;
  uint8_t Unused4323 = 0;
  uint8_t Unused4388 = 0;
  int16_t Scale = 0;
  uint16_t Unused4455 = 0;
};

struct TBoardRecord {
  int32_t Reserved0 = 0;
  int32_t Reserved4 = 0;
  uint16_t TrayCount = 0;
  uint16_t TrayScroll = 0;
  bool LimitOn = false;
  bool LimitCountDown = false;
  bool LimitFrozen = false;
  int32_t LimitSeconds = 0;
  Colour SavedBoardColour = 0;
  int32_t TrayStamp = 0;
};

std::vector<uint8_t> SerializePuzzleRecord(const TPuzzleRecord& record);
// Throws StreamReadError when fewer than 4457 bytes are given.
TPuzzleRecord ParsePuzzleRecord(const uint8_t* bytes, size_t size);

std::vector<uint8_t> SerializeBoardRecord(const TBoardRecord& record);
TBoardRecord ParseBoardRecord(const uint8_t* bytes, size_t size);

// The process-wide instances.
extern TPuzzleRecord PuzzleRecord;
extern TBoardRecord BoardRecord;

}  // namespace quill
