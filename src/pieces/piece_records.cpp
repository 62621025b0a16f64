#include "pieces/piece_records.h"

#include <utility>

#include "common/records.h"
#include "pieces/real48.h"

namespace quill {

namespace {

// Takes a whole record off the stream first, so a short stream changes nothing.
ByteReader TakeRecord(ByteReader& stream, size_t size) { return ByteReader(stream.Read(size)); }

uint8_t StoredRotation(ByteReader& record) { return static_cast<uint8_t>(record.ReadU8() & 3); }

void WriteFlags(ByteWriter& stream, const TFormPiece& piece) {
  stream.WriteU8(piece.Rotation);
  stream.WriteU8(piece.Joined ? 1 : 0);
  stream.WriteU8(piece.Surrounded ? 1 : 0);
  stream.WriteU8(piece.Placed ? 1 : 0);
}

// Joined, Surrounded, Placed, after the rotation byte.
void ReadFlags(ByteReader& record, TFormPiece& piece) {
  piece.Joined = record.ReadU8() != 0;
  piece.Surrounded = record.ReadU8() != 0;
  piece.Placed = record.ReadU8() != 0;
}

}  // namespace

void WriteLayoutRecord(ByteWriter& stream, const TFormPiece& piece) {
  stream.WriteI16(static_cast<int16_t>(piece.HomeX));
  stream.WriteI16(static_cast<int16_t>(piece.HomeY));
  stream.WriteU16(piece.Width);
  stream.WriteU16(PuzzleRecord.FormatNo < 0 ? uint16_t{0} : piece.Height);
  stream.WriteI32(piece.Colour);
}

void ReadLayoutRecord(ByteReader& stream, TFormPiece& piece) {
  ByteReader record = TakeRecord(stream, kLayoutRecordSize);
  piece.HomeX = record.ReadI16();
  piece.HomeY = record.ReadI16();
  piece.Width = record.ReadU16();
  piece.Height = record.ReadU16();
  piece.Colour = record.ReadI32();
}

void WritePositionRecord(ByteWriter& stream, const TFormPiece& piece) {
  WriteReal48(stream, piece.NormX);
  WriteReal48(stream, piece.NormY);
  stream.WriteI32(piece.Group);
  stream.WriteI16(piece.SortKey);
  WriteFlags(stream, piece);
}

void ReadPositionRecord(ByteReader& stream, TFormPiece& piece) {
  ByteReader record = TakeRecord(stream, kPositionRecordSize);
  piece.NormX = ReadReal48(record);
  piece.NormY = ReadReal48(record);
  piece.Group = record.ReadI32();
  piece.SortKey = record.ReadI16();
  piece.Rotation = StoredRotation(record);
  ReadFlags(record, piece);
  if (piece.Rotation % 2 == 1) std::swap(piece.Width, piece.Height);
}

void WritePieceTrayRecord(ByteWriter& stream, const TFormPiece& piece) {
  stream.WriteI16(static_cast<int16_t>(piece.Tray));
}

void ReadPieceTrayRecord(ByteReader& stream, TFormPiece& piece) {
  ByteReader record = TakeRecord(stream, kPieceTrayRecordSize);
  piece.Tray = record.ReadI16();
}

void WritePieceStateRecord(ByteWriter& stream, const TFormPiece& piece) {
  stream.WriteI32(piece.Index);
  WriteReal48(stream, piece.NormX);
  WriteReal48(stream, piece.NormY);
  stream.WriteI32(piece.Group);
  stream.WriteI16(static_cast<int16_t>(piece.Tray));
  stream.WriteI16(piece.SortKey);
  WriteFlags(stream, piece);
}

void ReadPieceStateRecord(ByteReader& stream, TFormPiece& piece) {
  ByteReader record = TakeRecord(stream, kPieceStateRecordSize);
  record.ReadI32();  // Index: the records are in index order
  piece.NormX = ReadReal48(record);
  piece.NormY = ReadReal48(record);
  piece.Group = record.ReadI32();
  piece.Tray = record.ReadI16();
  piece.SortKey = record.ReadI16();
  const uint8_t stored = StoredRotation(record);
  piece.PendingTurns = static_cast<uint8_t>((stored - piece.Rotation + 4) % 4);
  ReadFlags(record, piece);
}

}  // namespace quill
