// The trays in the saved game and in undo snapshots: one 148-byte record per tray
// besides the board, after the per-piece records. The number of trays (the board
// included) is not in these records but in the board record's `TrayCount`.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "board/boxes.h"
#include "common/byte_stream.h"

namespace quill {

constexpr size_t kTrayRecordSize = 148;
constexpr size_t kTrayDescriptionField = 129;  // a length byte and 128 characters

// One tray as stored. The description is held as the screen shows it (UTF-8); the
// record carries it in Windows-1252.
struct TrayRecord {
  uint16_t Number = 0;
  int16_t Left = 0;
  int16_t Top = 0;
  uint16_t Width = 0;
  uint16_t Height = 0;
  int32_t ZOrder = 0;
  Colour BoxColour = 0;
  bool Open = true;
  std::string Description;
};

TrayRecord TrayRecordOf(const TBox& tray);
void WriteTrayRecord(ByteWriter& stream, const TrayRecord& record);
// Throws StreamReadError when fewer than 148 bytes are left, taking none of them.
TrayRecord ReadTrayRecord(ByteReader& stream);

// Sets `TrayCount` of the board record to the number of trays with the board, then
// writes one record for every tray but the board, back to front.
void WriteTrays(TBoxes& boxes, ByteWriter& stream);
// The records of trayCount − 1 trays (none below 2). Throws StreamReadError when
// the stream is short, having applied nothing.
std::vector<TrayRecord> ReadTrayRecords(ByteReader& stream, uint16_t trayCount);
// Adds a tray for every record behind the existing ones (the board tray holds every
// piece): each takes the board pieces whose `Tray` is its number, in index order,
// placed from their normalised positions for its inner area; its button shows its
// open state, description and whether it holds pieces.
void AddSavedTrays(TBoxes& boxes, const std::vector<TrayRecord>& records);
// ReadTrayRecords for the board record's `TrayCount`, then AddSavedTrays.
void ReadTrays(TBoxes& boxes, ByteReader& stream);

// Undo snapshots: the piece state records (28 bytes each) and the tray records.
void WritePiecesAndTrays(TBoxes& boxes, ByteWriter& stream);
// Frees every tray, makes the board tray with every piece, reads the piece states
// and the trays, and places the board's pieces from their normalised positions.
// Everything is read before anything changes: a short stream throws StreamReadError
// and leaves the game as it was.
void ReadPiecesAndTrays(TBoxes& boxes, ByteReader& stream);
// Bytes a snapshot stream is sized to: the piece states, the trays besides the board
// rounded up to a multiple of 10, and the two records.
size_t SaveSize(const TBoxes& boxes);

}  // namespace quill
