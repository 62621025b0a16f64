// A small puzzle for the piece collection's tests: columns × rows pieces of
// 100 × 100 pixels in cells of 100, each lying on its solved place (HomeX =
// column × 100, HomeY = row × 100) in a group of its own. The puzzle record is
// cleared for each test and put back afterwards; sound effects are recorded.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "common/records.h"
#include "pieces/pieces.h"
#include "ui/form_layouts.h"

namespace quill::testing {

// The piece collection with the joins it reports counted.
class JoinCountingPieces : public TPieces {
 public:
  using TPieces::TPieces;
  void PiecesJoined() override { ++joins; }
  int joins = 0;
};

class PiecesFixture : public ::testing::Test {
 protected:
  PiecesFixture() : savedRecord_(PuzzleRecord) {
    PuzzleRecord = TPuzzleRecord{};
    DefineMainForm(menus);
    pieces = std::make_unique<JoinCountingPieces>(menus);
    pieces->Config().SetSoundOutput([this](int effect, bool) { sounds.push_back(effect); });
  }
  ~PiecesFixture() override {
    pieces.reset();
    PuzzleRecord = savedRecord_;
  }

  void Build(int columns, int rows) {
    PuzzleRecord.Columns = static_cast<uint16_t>(columns);
    PuzzleRecord.Rows = static_cast<uint16_t>(rows);
    PuzzleRecord.PieceCount = static_cast<uint16_t>(columns * rows);
    PuzzleRecord.CellWidth = kCell;
    PuzzleRecord.CellHeight = kCell;
    PuzzleRecord.PictureWidth = static_cast<uint16_t>(columns * kCell);
    PuzzleRecord.PictureHeight = static_cast<uint16_t>(rows * kCell);
    PuzzleRecord.NextGroup = columns * rows;
    pieces->CreatePieceList();
    for (TFormPiece* piece : pieces->AllPieces()) {
      piece->SetHome(piece->Index % columns * kCell, piece->Index / columns * kCell, kCell, kCell);
      piece->X = piece->HomeX;
      piece->Y = piece->HomeY;
      piece->Group = piece->Index;
    }
  }

  TFormPiece& P(int index) { return pieces->Piece(index); }

  // Puts the pieces into one joined group with the id of the first.
  void Group(std::initializer_list<int> indexes) {
    const int32_t id = P(*indexes.begin()).Group;
    for (int i : indexes) {
      P(i).Group = id;
      P(i).Joined = true;
    }
  }

  TPieceList List(std::initializer_list<int> indexes) {
    TPieceList list;
    for (int i : indexes) list.push_back(&P(i));
    return list;
  }

  static constexpr int kCell = 100;
  UiState menus;
  std::unique_ptr<JoinCountingPieces> pieces;
  std::vector<int> sounds;

 private:
  TPuzzleRecord savedRecord_;
};

}  // namespace quill::testing
