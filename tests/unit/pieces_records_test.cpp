// The per-piece records of the saved game: sizes, byte layouts, round trips and
// short streams.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/byte_stream.h"
#include "common/records.h"
#include "pieces/piece_records.h"

namespace quill {
namespace {

using Bytes = std::vector<uint8_t>;

class PieceRecords : public ::testing::Test {
 protected:
  PieceRecords() : saved_(PuzzleRecord) { PuzzleRecord.FormatNo = 5; }
  ~PieceRecords() override { PuzzleRecord = saved_; }

  static TFormPiece Sample() {
    TFormPiece piece;
    piece.Index = 0x11;
    piece.SetHome(0x0102, -2, 0x0304, 0x0506);
    piece.Colour = 0x0A0B0C0D;
    piece.NormX = 1.0;
    piece.NormY = -2.5;
    piece.Group = 0x01020304;
    piece.Tray = 0x0708;
    piece.SortKey = -2;
    piece.Rotation = 3;
    piece.Joined = true;
    piece.Surrounded = false;
    piece.Placed = true;
    return piece;
  }

  template <typename Write>
  static Bytes Written(Write write, const TFormPiece& piece) {
    ByteWriter stream;
    write(stream, piece);
    return stream.Take();
  }

 private:
  TPuzzleRecord saved_;
};

TEST_F(PieceRecords, LayoutRecord) {
  const Bytes expected = {0x02, 0x01, 0xFE, 0xFF, 0x04, 0x03, 0x06, 0x05, 0x0D, 0x0C, 0x0B, 0x0A};
  const Bytes bytes = Written(WriteLayoutRecord, Sample());
  ASSERT_EQ(bytes.size(), kLayoutRecordSize);
  EXPECT_EQ(bytes, expected);

  TFormPiece back;
  ByteReader reader(bytes);
  ReadLayoutRecord(reader, back);
  EXPECT_EQ(back.HomeX, 0x0102);
  EXPECT_EQ(back.HomeY, -2);
  EXPECT_EQ(back.Width, 0x0304);
  EXPECT_EQ(back.Height, 0x0506);
  EXPECT_EQ(back.Colour, 0x0A0B0C0D);

  PuzzleRecord.FormatNo = -1;
  const Bytes withoutHeight = Written(WriteLayoutRecord, Sample());
  EXPECT_EQ(withoutHeight[6], 0);
  EXPECT_EQ(withoutHeight[7], 0);
}

TEST_F(PieceRecords, PositionRecord) {
  const Bytes expected = {0x81, 0, 0, 0, 0, 0x00,  // NormX 1.0
                          0x82, 0, 0, 0, 0, 0xA0,  // NormY -2.5
                          0x04, 0x03, 0x02, 0x01,  // Group
                          0xFE, 0xFF,              // SortKey
                          3, 1, 0, 1};             // Rotation, Joined, Surrounded, Placed
  const Bytes bytes = Written(WritePositionRecord, Sample());
  ASSERT_EQ(bytes.size(), kPositionRecordSize);
  EXPECT_EQ(bytes, expected);

  TFormPiece back;
  back.Width = 60;
  back.Height = 90;
  ByteReader reader(bytes);
  ReadPositionRecord(reader, back);
  EXPECT_EQ(back.NormX, 1.0);
  EXPECT_EQ(back.NormY, -2.5);
  EXPECT_EQ(back.Group, 0x01020304);
  EXPECT_EQ(back.SortKey, -2);
  EXPECT_EQ(back.Rotation, 3);
  EXPECT_TRUE(back.Joined && back.Placed);
  EXPECT_FALSE(back.Surrounded);
  EXPECT_EQ(back.Width, 90) << "odd stored rotation exchanges the sizes";
  EXPECT_EQ(back.Height, 60);

  TFormPiece even = Sample();
  even.Rotation = 2;
  const Bytes evenBytes = Written(WritePositionRecord, even);
  TFormPiece evenBack;
  evenBack.Width = 60;
  evenBack.Height = 90;
  ByteReader evenReader(evenBytes);
  ReadPositionRecord(evenReader, evenBack);
  EXPECT_EQ(evenBack.Width, 60);
}

TEST_F(PieceRecords, TrayRecord) {
  const Bytes bytes = Written(WritePieceTrayRecord, Sample());
  EXPECT_EQ(bytes, (Bytes{0x08, 0x07}));
  TFormPiece back;
  ByteReader reader(bytes);
  ReadPieceTrayRecord(reader, back);
  EXPECT_EQ(back.Tray, 0x0708);
}

TEST_F(PieceRecords, PieceStateRecord) {
  const Bytes expected = {0x11, 0, 0, 0,           // Index
                          0x81, 0, 0, 0, 0, 0x00,  // NormX
                          0x82, 0, 0, 0, 0, 0xA0,  // NormY
                          0x04, 0x03, 0x02, 0x01,  // Group
                          0x08, 0x07,              // Tray
                          0xFE, 0xFF,              // SortKey
                          3, 1, 0, 1};
  const Bytes bytes = Written(WritePieceStateRecord, Sample());
  ASSERT_EQ(bytes.size(), kPieceStateRecordSize);
  EXPECT_EQ(bytes, expected);

  TFormPiece back;
  back.Index = 5;
  ByteReader reader(bytes);
  ReadPieceStateRecord(reader, back);
  EXPECT_EQ(back.Index, 5) << "records come in index order; the index stays";
  EXPECT_EQ(back.NormX, 1.0);
  EXPECT_EQ(back.NormY, -2.5);
  EXPECT_EQ(back.Group, 0x01020304);
  EXPECT_EQ(back.Tray, 0x0708);
  EXPECT_EQ(back.SortKey, -2);
  EXPECT_TRUE(back.Joined && back.Placed);
  EXPECT_FALSE(back.Surrounded);
}

TEST_F(PieceRecords, PieceStateLeavesTheTurnsToTheNextRotatePass) {
  struct Case {
    uint8_t stored, current, pending;
  };
  const Case cases[] = {{3, 1, 2}, {0, 0, 0}, {1, 3, 2}, {0, 1, 3}, {2, 0, 2}, {3, 0, 3}};
  for (const Case& c : cases) {
    TFormPiece saved = Sample();
    saved.Rotation = c.stored;
    const Bytes bytes = Written(WritePieceStateRecord, saved);
    TFormPiece piece;
    piece.Rotation = c.current;
    piece.Width = 60;
    piece.Height = 90;
    ByteReader reader(bytes);
    ReadPieceStateRecord(reader, piece);
    EXPECT_EQ(piece.PendingTurns, c.pending) << int{c.stored} << " onto " << int{c.current};
    EXPECT_EQ(piece.Rotation, c.current);
    EXPECT_EQ(piece.Width, 60);
  }
}

TEST_F(PieceRecords, RecordsFollowEachOtherInOneStream) {
  TFormPiece first = Sample();
  TFormPiece second = Sample();
  second.NormX = 123.5;
  second.Group = 9;
  ByteWriter stream;
  WritePositionRecord(stream, first);
  WritePositionRecord(stream, second);
  const Bytes bytes = stream.Take();
  ByteReader reader(bytes);
  TFormPiece a;
  TFormPiece b;
  ReadPositionRecord(reader, a);
  ReadPositionRecord(reader, b);
  EXPECT_EQ(b.NormX, 123.5);
  EXPECT_EQ(b.Group, 9);
  EXPECT_EQ(reader.Remaining(), 0u);
}

TEST_F(PieceRecords, AShortStreamRaisesAndChangesNothing) {
  struct Case {
    const char* name;
    size_t size;
    std::function<void(ByteReader&, TFormPiece&)> read;
  };
  const Case cases[] = {
      {"layout", kLayoutRecordSize, ReadLayoutRecord},
      {"position", kPositionRecordSize, ReadPositionRecord},
      {"tray", kPieceTrayRecordSize, ReadPieceTrayRecord},
      {"piece state", kPieceStateRecordSize, ReadPieceStateRecord},
  };
  for (const Case& c : cases) {
    const Bytes bytes(c.size - 1, 0x81);
    ByteReader reader(bytes);
    TFormPiece piece = Sample();
    EXPECT_THROW(c.read(reader, piece), StreamReadError) << c.name;
    EXPECT_EQ(reader.Position(), 0u) << c.name;
    EXPECT_EQ(piece.NormX, 1.0) << c.name;
    EXPECT_EQ(piece.HomeX, 0x0102) << c.name;
    EXPECT_EQ(piece.Tray, 0x0708) << c.name;
  }
}

}  // namespace
}  // namespace quill
