// Choosing the grid for a picture and a requested piece count.
#include <gtest/gtest.h>

#include "common/records.h"
#include "game/fit_grid.h"

namespace quill {
namespace {

class FitGridTest : public ::testing::Test {
 protected:
  FitGridTest() : saved_(PuzzleRecord) { PuzzleRecord = TPuzzleRecord{}; }
  ~FitGridTest() override { PuzzleRecord = saved_; }

 private:
  TPuzzleRecord saved_;
};

TEST_F(FitGridTest, WorkedExamples) {
  struct Case {
    const char* name;
    int32_t count, width, height;
    int32_t cell, columns, rows;
  };
  const Case cases[] = {
      {"35 on 540 x 670", 35, 540, 670, 103, 5, 7},
      {"100 on 800 x 600", 100, 800, 600, 70, 11, 9},
      {"500 on 1024 x 768", 500, 1024, 768, 40, 26, 19},
      {"one piece asked for", 1, 540, 670, 513, 1, 1},
      {"no pieces asked for", 0, 540, 670, 513, 1, 1},
      // The search runs out at 512 still improving and takes 513, which on this
      // picture gives two pieces rather than the four of 512.
      {"one piece on a large picture", 1, 1024, 768, 513, 2, 1},
      // 256 × 256 cells would miss by only 1 but do not fit a 16-bit count.
      {"never more than 65535 cells", 65535, 65535, 65535, 257, 255, 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridCellSize(c.count, c.width, c.height), c.cell) << c.name;
    EXPECT_EQ(FitGrid(c.count, c.width, c.height), c.columns * c.rows) << c.name;
    EXPECT_EQ(PuzzleRecord.Columns, c.columns) << c.name;
    EXPECT_EQ(PuzzleRecord.Rows, c.rows) << c.name;
  }
}

TEST_F(FitGridTest, StoresThePictureSizes) {
  FitGrid(35, 540, 670);
  EXPECT_EQ(PuzzleRecord.PictureWidth, 540);
  EXPECT_EQ(PuzzleRecord.PictureHeight, 670);
  EXPECT_EQ(PuzzleRecord.ScaledWidth, 540);
  EXPECT_EQ(PuzzleRecord.ScaledHeight, 670);
}

TEST_F(FitGridTest, ATieKeepsTheLargerCell) {
  // 35 pieces: cells of 100 give 5 × 7 on 540 × 670 as well as 103 do; the search
  // keeps going through the tie and settles on the largest such cell.
  EXPECT_EQ(CellsAlong(540, 100) * CellsAlong(670, 100), 35);
  EXPECT_EQ(GridCellSize(35, 540, 670), 103);
  EXPECT_EQ(CellsAlong(540, 104) * CellsAlong(670, 104), 30);
}

}  // namespace
}  // namespace quill
