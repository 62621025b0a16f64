#include "board/tray_records.h"

#include <algorithm>
#include <memory>

#include "common/records.h"
#include "common/text_codec.h"
#include "pieces/piece_records.h"

namespace quill {

namespace {

constexpr size_t kMaxDescriptionBytes = kTrayDescriptionField - 1;
constexpr size_t kSnapshotTrayStep = 10;  // snapshot streams count trays in tens

std::vector<uint8_t> DescriptionField(const std::string& description) {
  std::string text = Utf8ToWindows1252(description);
  if (text.size() > kMaxDescriptionBytes) text.resize(kMaxDescriptionBytes);
  std::vector<uint8_t> field(kTrayDescriptionField, 0);
  field[0] = static_cast<uint8_t>(text.size());
  std::copy(text.begin(), text.end(), field.begin() + 1);
  return field;
}

// Only the first `length` characters count; a length beyond the field is cut to it.
std::string DescriptionOf(std::span<const uint8_t> field) {
  const size_t length = std::min<size_t>(field[0], kMaxDescriptionBytes);
  return Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data() + 1), length));
}

void ApplyRecord(TBox& tray, const TrayRecord& record) {
  tray.FLeft = record.Left;
  tray.FTop = record.Top;
  tray.FWidth = record.Width;
  tray.FHeight = record.Height;
  tray.FZOrder = record.ZOrder;
  tray.FColour = record.BoxColour;
  tray.FOpen = record.Open;
  tray.FButtonDown = !record.Open;
  tray.SetDescription(record.Description);
}

// Moves the board pieces that name the tray's number into it, in index order.
void TakeBoardPieces(TBoxes& boxes, TBox& tray) {
  TPieceList& board = boxes.BoardTray().FPieces;
  TPieceList taken;
  for (TFormPiece* piece : board)
    if (piece->Tray == tray.Number()) taken.push_back(piece);
  if (taken.empty()) return;
  std::erase_if(board, [&](const TFormPiece* piece) { return piece->Tray == tray.Number(); });
  std::sort(taken.begin(), taken.end(), [](const TFormPiece* a, const TFormPiece* b) { return a->Index < b->Index; });
  tray.AddPieces(taken);
  const Rect inner = tray.InnerRect();
  for (TFormPiece* piece : taken) boxes.RestoreNormalised(*piece, inner);
}

// The saved fields of a piece state record, read apart from the piece.
struct PieceState {
  double NormX = 0;
  double NormY = 0;
  int32_t Group = 0;
  int32_t Tray = 0;
  int16_t SortKey = 0;
  uint8_t PendingTurns = 0;
  bool Joined = false;
  bool Surrounded = false;
  bool Placed = false;
};

PieceState ReadPieceState(ByteReader& stream, const TFormPiece& current) {
  TFormPiece read;
  read.Rotation = current.Rotation;
  ReadPieceStateRecord(stream, read);
  return {read.NormX, read.NormY, read.Group, read.Tray, read.SortKey, read.PendingTurns,
          read.Joined, read.Surrounded, read.Placed};
}

void ApplyPieceState(TFormPiece& piece, const PieceState& state) {
  piece.NormX = state.NormX;
  piece.NormY = state.NormY;
  piece.Group = state.Group;
  piece.Tray = state.Tray;
  piece.SortKey = state.SortKey;
  piece.PendingTurns = state.PendingTurns;
  piece.Joined = state.Joined;
  piece.Surrounded = state.Surrounded;
  piece.Placed = state.Placed;
}

void WriteTrayPart(const TBoxes& boxes, ByteWriter& stream) {
  for (int32_t i = 0; i < boxes.TrayListCount(); ++i) {
    const TBox& tray = boxes.TrayNo(i);
    if (!tray.IsBoard()) WriteTrayRecord(stream, TrayRecordOf(tray));
  }
}

}  // namespace

TrayRecord TrayRecordOf(const TBox& tray) {
  TrayRecord record;
  record.Number = static_cast<uint16_t>(tray.FNumber);
  record.Left = static_cast<int16_t>(tray.FLeft);
  record.Top = static_cast<int16_t>(tray.FTop);
  record.Width = tray.FWidth;
  record.Height = tray.FHeight;
  record.ZOrder = tray.FZOrder;
  record.BoxColour = tray.FColour;
  record.Open = tray.FOpen;
  record.Description = tray.FDescription;
  return record;
}

void WriteTrayRecord(ByteWriter& stream, const TrayRecord& record) {
  stream.WriteU16(record.Number);
  stream.WriteI16(record.Left);
  stream.WriteI16(record.Top);
  stream.WriteU16(record.Width);
  stream.WriteU16(record.Height);
  stream.WriteI32(record.ZOrder);
  stream.WriteU32(record.BoxColour);
  stream.WriteU8(record.Open ? 1 : 0);
  stream.WriteBytes(DescriptionField(record.Description));
}

TrayRecord ReadTrayRecord(ByteReader& stream) {
  ByteReader bytes(stream.Read(kTrayRecordSize));
  TrayRecord record;
  record.Number = bytes.ReadU16();
  record.Left = bytes.ReadI16();
  record.Top = bytes.ReadI16();
  record.Width = bytes.ReadU16();
  record.Height = bytes.ReadU16();
  record.ZOrder = bytes.ReadI32();
  record.BoxColour = bytes.ReadU32();
  record.Open = bytes.ReadU8() != 0;
  record.Description = DescriptionOf(bytes.Read(kTrayDescriptionField));
  return record;
}

void WriteTrays(TBoxes& boxes, ByteWriter& stream) {
  BoardRecord.TrayCount = static_cast<uint16_t>(boxes.TrayListCount());
  WriteTrayPart(boxes, stream);
}

std::vector<TrayRecord> ReadTrayRecords(ByteReader& stream, uint16_t trayCount) {
  const size_t count = trayCount < 2 ? 0 : trayCount - 1u;
  if (stream.Remaining() < count * kTrayRecordSize) throw StreamReadError();
  std::vector<TrayRecord> records;
  records.reserve(count);
  for (size_t i = 0; i < count; ++i) records.push_back(ReadTrayRecord(stream));
  return records;
}

void AddSavedTrays(TBoxes& boxes, const std::vector<TrayRecord>& records) {
  for (const TrayRecord& record : records) {
    boxes.FTrays.push_back(std::make_unique<TBox>(boxes, record.Number));
    TBox& tray = *boxes.FTrays.back();
    ApplyRecord(tray, record);
    TakeBoardPieces(boxes, tray);
    boxes.MainForm().SetDown(tray.ButtonName(), tray.FOpen);
    tray.UpdateButtonGlyph();
  }
}

void ReadTrays(TBoxes& boxes, ByteReader& stream) { AddSavedTrays(boxes, ReadTrayRecords(stream, BoardRecord.TrayCount)); }

void WritePiecesAndTrays(TBoxes& boxes, ByteWriter& stream) {
  for (TFormPiece* piece : boxes.AllPieces()) WritePieceStateRecord(stream, *piece);
  WriteTrays(boxes, stream);
}

void ReadPiecesAndTrays(TBoxes& boxes, ByteReader& stream) {
  const TPieceList pieces = boxes.AllPieces();
  if (stream.Remaining() < pieces.size() * kPieceStateRecordSize) throw StreamReadError();
  std::vector<PieceState> states;
  states.reserve(pieces.size());
  for (const TFormPiece* piece : pieces) states.push_back(ReadPieceState(stream, *piece));
  const std::vector<TrayRecord> trays = ReadTrayRecords(stream, BoardRecord.TrayCount);

  boxes.CreateTrays();
  for (size_t i = 0; i < pieces.size(); ++i) ApplyPieceState(*pieces[i], states[i]);
  AddSavedTrays(boxes, trays);
  TBox& board = boxes.BoardTray();
  for (TFormPiece* piece : board.FPieces) {
    piece->Tray = 0;  // a number no tray took leaves the piece on the board
    boxes.RestoreNormalised(*piece, board.BoxRect());
  }
}

size_t SaveSize(const TBoxes& boxes) {
  const size_t trays = static_cast<size_t>(std::max(0, boxes.TrayListCount() - 1));
  const size_t rounded = (trays + kSnapshotTrayStep - 1) / kSnapshotTrayStep * kSnapshotTrayStep;
  return boxes.AllPieces().size() * kPieceStateRecordSize + rounded * kTrayRecordSize + kPuzzleRecordSize +
         kBoardRecordSize;
}

}  // namespace quill
