// The per-piece records of the saved game and of undo snapshots: layout (12 bytes),
// position (22), tray number (2) and piece state (28), each written field by field
// in little-endian order. The saved game and undo code call these once per piece,
// in index order. A reader given too few bytes throws StreamReadError and leaves
// the piece and the stream position as they were.
#pragma once
#include <cstddef>

#include "common/byte_stream.h"
#include "pieces/piece.h"

namespace quill {

constexpr size_t kLayoutRecordSize = 12;
constexpr size_t kPositionRecordSize = 22;
constexpr size_t kPieceTrayRecordSize = 2;
constexpr size_t kPieceStateRecordSize = 28;

// HomeX, HomeY, Width, Height (16 bits each), Colour (32). The height is written as
// 0 while the puzzle record's format number is negative.
void WriteLayoutRecord(ByteWriter& stream, const TFormPiece& piece);
void ReadLayoutRecord(ByteReader& stream, TFormPiece& piece);

// NormX, NormY (6-byte reals), Group (32), SortKey (16), Rotation, Joined,
// Surrounded, Placed (a byte each). Reading an odd rotation exchanges Width and
// Height, so they match the stored rotation.
void WritePositionRecord(ByteWriter& stream, const TFormPiece& piece);
void ReadPositionRecord(ByteReader& stream, TFormPiece& piece);

// Tray (16).
void WritePieceTrayRecord(ByteWriter& stream, const TFormPiece& piece);
void ReadPieceTrayRecord(ByteReader& stream, TFormPiece& piece);

// Index (32), NormX, NormY (6-byte reals), Group (32), Tray (16), SortKey (16),
// Rotation, Joined, Surrounded, Placed (a byte each). Reading keeps Rotation and
// sets PendingTurns to the quarter turns from it to the stored rotation; the stored
// Index is not assigned, as records come in index order.
void WritePieceStateRecord(ByteWriter& stream, const TFormPiece& piece);
void ReadPieceStateRecord(ByteReader& stream, TFormPiece& piece);

}  // namespace quill
