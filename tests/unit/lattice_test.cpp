#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "common/random.h"
#include "pieces/lattice.h"

namespace quill {
namespace {

constexpr int32_t kSeed = 0x5EED1234;

LatticeSettings Settings(int columns, int rows, int oddness, int style, int fun = 0, int width = 400, int height = 300) {
  LatticeSettings s;
  s.Columns = columns;
  s.Rows = rows;
  s.ScaledWidth = width;
  s.ScaledHeight = height;
  s.Oddness = oddness;
  s.PieceStyle = style;
  s.FunPieces = fun;
  return s;
}

// A template whose four sides are zigzags of `points` points from corner to corner.
TTemplates ZigzagTemplates(int count, int points) {
  ByteWriter out;
  for (int t = 0; t < count; ++t) {
    TTemplate shape;
    for (int s = 0; s < 4; ++s) {
      for (int i = 0; i < points; ++i) {
        const float along = static_cast<float>(i), across = (i % 2 == 0 ? 0.0f : 0.3f + 0.1f * t);
        shape.Sides[s].push_back(s % 2 == 0 ? TemplatePoint{along, across} : TemplatePoint{across, along});
      }
    }
    shape.Write(out);
  }
  const std::vector<uint8_t> bytes = out.Take();
  ByteReader stream(bytes);
  TTemplates templates;
  templates.Load(count, stream);
  return templates;
}

const TTemplates kNoTemplates;

std::vector<SidePoint> Listed(const SidePoints& list) {
  return {list.Points.begin(), list.Points.begin() + list.Count};
}

std::vector<PieceSides> AllSides(TLattice& lattice, std::vector<int>* patterns = nullptr) {
  const int count = lattice.Settings().Columns * lattice.Settings().Rows;
  std::vector<PieceSides> all(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int pattern = lattice.BuildPieceSides(i, all[static_cast<size_t>(i)]);
    if (patterns != nullptr) patterns->push_back(pattern);
  }
  return all;
}

void Generate(TLattice& lattice, int32_t seed = kSeed) {
  SetRandSeed(seed);
  lattice.Generate();
}

// Width and height of cell (c, r), as the generator measured them.
int CellWidth(const TLattice& l, int c, int r) { return l.PointAt(c, r).X - l.PointAt(c - 1, r).X + 1; }
int CellHeight(const TLattice& l, int c, int r) { return l.PointAt(c, r).Y - l.PointAt(c, r - 1).Y + 1; }

TEST(LatticeTest, LatticePointsLieOnTheGridUpToOddnessOne) {
  for (int oddness : {0, 1}) {
    TLattice lattice(Settings(7, 5, oddness, 1), kNoTemplates);
    Generate(lattice);
    for (int r = 0; r <= 5; ++r) {
      for (int c = 0; c <= 7; ++c) {
        const LatticePoint& p = lattice.PointAt(c, r);
        EXPECT_EQ(p.X, c == 7 ? 1599 : 1600 * c / 7) << oddness << " " << c << "," << r;
        EXPECT_EQ(p.Y, r == 5 ? 1199 : 1200 * r / 5) << oddness << " " << c << "," << r;
      }
    }
  }
}

// A small Mix lattice worked through step by step from seed 12345: the draws of one
// cell come in the order row line, column line (with the top border point in the
// first row), horizontal knob, vertical knob, tab directions, bottom and right type.
TEST(LatticeTest, WorkedMixLattice) {
  TLattice lattice(Settings(3, 2, 6, 6, 0, 150, 100), kNoTemplates);
  Generate(lattice, 12345);
  EXPECT_EQ(lattice.PointAt(1, 0).X, 188);
  EXPECT_EQ(lattice.PointAt(2, 0).X, 384);
  EXPECT_EQ(lattice.PointAt(3, 0).X, 599);
  EXPECT_EQ(lattice.PointAt(0, 1).Y, 193);
  struct Case {
    int c, r;
    int x, y, hs1, hs2, hb1, hb2, hn, vs1, vs2, vb1, vb2, vn, vd, hd, ht, vt;
  } cases[] = {
      {1, 1, 177, 193, 87, 92, 42, 38, 59, 88, 93, 57, 52, 64, -44, 48, 1, 1},
      {2, 1, 418, 190, 121, 116, 60, 65, 80, 96, 101, 30, 32, 63, 60, -47, 2, 5},
      {3, 1, 599, 211, 87, 75, 49, 61, 60, 115, 98, 41, 60, 70, 0, 53, 4, 3},
      {1, 2, 214, 399, 85, 127, 75, 33, 71, 90, 104, 64, 50, 69, 53, 0, 3, 5},
      {2, 2, 408, 399, 108, 88, 33, 56, 65, 80, 111, 77, 46, 70, -48, 0, 3, 1},
  };
  for (const Case& k : cases) {
    const LatticePoint& p = lattice.PointAt(k.c, k.r);
    const std::vector<int> got = {p.X, p.Y, p.HShoulder1, p.HShoulder2, p.HBulb1, p.HBulb2, p.HNeck,
                                  p.VShoulder1, p.VShoulder2, p.VBulb1, p.VBulb2, p.VNeck, p.VDepth, p.HDepth,
                                  p.HType, p.VType};
    const std::vector<int> expected = {k.x, k.y, k.hs1, k.hs2, k.hb1, k.hb2, k.hn, k.vs1, k.vs2,
                                       k.vb1, k.vb2, k.vn, k.vd, k.hd, k.ht, k.vt};
    EXPECT_EQ(got, expected) << k.c << "," << k.r;
  }
}

TEST(LatticeTest, OddnessJittersPointsKnobsAndTabDirections) {
  struct Case {
    int oddness;
    bool pointsMove, knobsMove, tabsFlip;
  } cases[] = {{0, false, false, false}, {1, false, true, true}, {2, true, true, true}, {10, true, true, true}};
  for (const Case& k : cases) {
    TLattice lattice(Settings(8, 8, k.oddness, 1), kNoTemplates);
    Generate(lattice);
    bool pointsMoved = false, knobsMoved = false, tabsFlipped = false;
    for (int r = 1; r < 8; ++r) {
      for (int c = 1; c < 8; ++c) {
        const LatticePoint& p = lattice.PointAt(c, r);
        pointsMoved |= p.X != 1600 * c / 8 || p.Y != 1200 * r / 8;
        const int w = CellWidth(lattice, c, r), h = CellHeight(lattice, c, r);
        knobsMoved |= p.HShoulder1 != w / 2 || p.HBulb2 != w / 4 || p.VShoulder2 != h / 2 || p.VBulb1 != h / 4;
        EXPECT_EQ(std::abs(p.VDepth), w / 4);
        EXPECT_EQ(std::abs(p.HDepth), h / 4);
        tabsFlipped |= p.VDepth < 0 || p.HDepth < 0;
        // Rows and columns never cross.
        EXPECT_GT(p.X, lattice.PointAt(c - 1, r).X);
        EXPECT_GT(p.Y, lattice.PointAt(c, r - 1).Y);
      }
    }
    EXPECT_EQ(pointsMoved, k.pointsMove) << k.oddness;
    EXPECT_EQ(knobsMoved, k.knobsMove) << k.oddness;
    EXPECT_EQ(tabsFlipped, k.tabsFlip) << k.oddness;
  }
}

TEST(LatticeTest, WithoutOddnessEveryPieceHasTheSameTabs) {
  TLattice lattice(Settings(5, 4, 0, 1), kNoTemplates);
  Generate(lattice);
  std::vector<int> patterns;
  AllSides(lattice, &patterns);
  // Horizontal tabs bulge down, vertical tabs to the left: an inner piece has tabs
  // on its bottom and left sides and blanks on top and right.
  EXPECT_EQ(patterns[1 * 5 + 2], 4 | 8);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c) {
      int expected = 0;
      if (r < 3) expected |= 4;
      if (c > 0) expected |= 8;
      EXPECT_EQ(patterns[r * 5 + c], expected) << c << "," << r;
    }
}

TEST(LatticeTest, BorderEdgesAreStraightInEveryStyle) {
  for (int style = 1; style <= 6; ++style) {
    const int C = 6, R = 4;
    TLattice lattice(Settings(C, R, 10, style), kNoTemplates);
    Generate(lattice);
    const std::vector<PieceSides> all = AllSides(lattice);
    auto expectStraight = [&](const SidePoints& side, bool horizontal, int at) {
      ASSERT_EQ(side.Count, 2) << "style " << style;
      for (const SidePoint& p : Listed(side)) EXPECT_EQ(horizontal ? p.Y : p.X, at) << "style " << style;
    };
    for (int c = 0; c < C; ++c) {
      expectStraight(all[c][0], true, 0);
      expectStraight(all[(R - 1) * C + c][2], true, 1199);
    }
    for (int r = 0; r < R; ++r) {
      expectStraight(all[r * C][3], false, 0);
      expectStraight(all[r * C + C - 1][1], false, 1599);
    }
  }
}

TEST(LatticeTest, SideLengthsPerStyle) {
  // 400 pixels over 4 columns: 400 supersampled pixels a cell, so curves take 20 steps.
  struct Case {
    int style, points;
  } cases[] = {{1, 63}, {2, 24}, {3, 2}, {4, 5}, {5, 21}};
  for (const Case& k : cases) {
    TLattice lattice(Settings(4, 4, 5, k.style, 0, 400, 400), kNoTemplates);
    Generate(lattice);
    EXPECT_EQ(lattice.Bezier().Steps(), 20);
    PieceSides sides;
    lattice.BuildPieceSides(5, sides);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(sides[s].Count, k.points) << "style " << k.style << " side " << s;
  }
}

TEST(LatticeTest, NeighboursShareEveryEdgeAndTheirTabsInterlock) {
  struct Case {
    int style, fun;
  } cases[] = {{1, 0}, {2, 0}, {4, 0}, {5, 0}, {6, 0}, {1, 10}, {6, 6}};
  const TTemplates templates = ZigzagTemplates(3, 9);
  for (const Case& k : cases) {
    const int C = 7, R = 6;
    TLattice lattice(Settings(C, R, 7, k.style, k.fun), templates);
    Generate(lattice);
    std::vector<int> patterns;
    const std::vector<PieceSides> all = AllSides(lattice, &patterns);
    for (int i = 0; i < C * R; ++i) {
      const PieceSides& sides = all[i];
      for (int s = 0; s < 4; ++s) EXPECT_GE(sides[s].Count, 2);
      // The sides meet at the piece's corners.
      EXPECT_EQ(sides[0].Points[0], sides[3].Points[0]);
      EXPECT_EQ(sides[0].Points[sides[0].Count - 1], sides[1].Points[0]);
      EXPECT_EQ(sides[3].Points[sides[3].Count - 1], sides[2].Points[0]);
      EXPECT_EQ(sides[2].Points[sides[2].Count - 1], sides[1].Points[sides[1].Count - 1]);
      // A tab on one side of an edge is a blank on the other (a fun piece's own
      // edges have no tab).
      const bool hasTabs = lattice.TemplateOf(i) == 0;
      if (i % C < C - 1) {
        EXPECT_EQ(Listed(sides[1]), Listed(all[i + 1][3])) << "style " << k.style << " piece " << i;
        if (hasTabs) { EXPECT_NE((patterns[i] >> 1) & 1, (patterns[i + 1] >> 3) & 1) << i; }
      }
      if (i / C < R - 1) {
        EXPECT_EQ(Listed(sides[2]), Listed(all[i + C][0])) << "style " << k.style << " piece " << i;
        if (hasTabs) { EXPECT_NE((patterns[i] >> 2) & 1, patterns[i + C] & 1) << i; }
      }
    }
  }
}

TEST(LatticeTest, SameSeedGivesTheSameOutlines) {
  const TTemplates templates = ZigzagTemplates(2, 5);
  const LatticeSettings settings = Settings(9, 7, 10, 6, 5);
  TLattice first(settings, templates), second(settings, templates), other(settings, templates);
  Generate(first);
  const int32_t after = RandSeed();
  Generate(second);
  EXPECT_EQ(RandSeed(), after);
  Generate(other, kSeed + 1);
  const std::vector<PieceSides> a = AllSides(first), b = AllSides(second), c = AllSides(other);
  bool differs = false;
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(first.TemplateOf(static_cast<int>(i)), second.TemplateOf(static_cast<int>(i)));
    for (int s = 0; s < 4; ++s) {
      EXPECT_EQ(Listed(a[i][s]), Listed(b[i][s])) << i << " " << s;
      differs |= Listed(a[i][s]) != Listed(c[i][s]);
    }
  }
  EXPECT_TRUE(differs);
}

TEST(LatticeTest, FunPiecesSitOnEvenCellsAndLeaveTheGeneratorAlone) {
  struct Case {
    int fun;
    int wanted;
  } cases[] = {{10, 50}, {6, 30}, {1, 5}, {0, 0}};
  const TTemplates templates = ZigzagTemplates(3, 4);
  for (const Case& k : cases) {
    TLattice lattice(Settings(10, 10, 3, 1, k.fun), templates);
    SetRandSeed(kSeed);
    lattice.AssignFunPieces();
    EXPECT_EQ(RandSeed(), kSeed);
    int placed = 0;
    std::map<int, int> uses;
    for (int r = 1; r <= 10; ++r)
      for (int c = 1; c <= 10; ++c) {
        const int t = lattice.TemplateAt(c, r);
        if (t == 0) continue;
        ++placed;
        ++uses[t];
        EXPECT_EQ((c + r) % 2, 0) << c << "," << r;
      }
    EXPECT_EQ(placed, k.wanted) << k.fun;
    // Templates are dealt in turn, so their uses differ by at most one.
    for (const auto& [t, n] : uses) EXPECT_LE(std::abs(n - k.wanted / 3), 1) << t;
  }
}

// 6 × 5 at 50 %: 7 fun pieces, 6 for the inner cells and 1 for the border, dealt from
// template Random(3) + 1 on and then exchanged with random cells from seed 777. The
// exchange may move one onto the border when the parity fix steps into the last column.
TEST(LatticeTest, WorkedFunPieceAssignment) {
  const TTemplates templates = ZigzagTemplates(3, 4);
  TLattice lattice(Settings(6, 5, 3, 1, 5), templates);
  SetRandSeed(777);
  lattice.AssignFunPieces();
  const std::vector<std::vector<int>> expected = {
      {0, 0, 2, 0, 0, 0}, {0, 0, 0, 3, 0, 3}, {0, 0, 1, 0, 1, 0}, {0, 2, 0, 2, 0, 0}, {0, 0, 0, 0, 0, 0},
  };
  for (int r = 1; r <= 5; ++r) {
    std::vector<int> row;
    for (int c = 1; c <= 6; ++c) row.push_back(lattice.TemplateAt(c, r));
    EXPECT_EQ(row, expected[r - 1]) << "row " << r;
  }
}

TEST(LatticeTest, NoFunPiecesWithoutTemplates) {
  TLattice lattice(Settings(10, 10, 3, 1, 10), kNoTemplates);
  Generate(lattice);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(lattice.TemplateOf(i), 0);
}

TEST(LatticeTest, FunPiecesHaveTemplateSidesAndNoTabs) {
  const int points = 9;
  const TTemplates templates = ZigzagTemplates(2, points);
  TLattice lattice(Settings(6, 6, 10, 1, 10), templates);
  Generate(lattice);
  int funPieces = 0;
  for (int i = 0; i < 36; ++i) {
    if (lattice.TemplateOf(i) == 0) continue;
    ++funPieces;
    const int c = i % 6 + 1, r = i / 6 + 1;
    PieceSides sides;
    lattice.BuildPieceSides(i, sides);
    EXPECT_EQ(lattice.PointAt(c, r).HDepth, 0);
    EXPECT_EQ(lattice.PointAt(c, r).VDepth, 0);
    // Inner sides follow the template, border sides stay straight.
    EXPECT_EQ(sides[0].Count, r == 1 ? 2 : points);
    EXPECT_EQ(sides[1].Count, c == 6 ? 2 : points);
    EXPECT_EQ(sides[2].Count, r == 6 ? 2 : points);
    EXPECT_EQ(sides[3].Count, c == 1 ? 2 : points);
  }
  EXPECT_EQ(funPieces, (36 + 1) / 2);
}

TEST(LatticeTest, RoundStyleShrinksDoublyNegativeDepths) {
  for (int style : {1, 5}) {
    TLattice lattice(Settings(10, 10, 1, style), kNoTemplates);  // oddness 1: the grid stays regular
    Generate(lattice);
    int bothNegative = 0;
    for (int r = 1; r < 10; ++r)
      for (int c = 1; c < 10; ++c) {
        const LatticePoint& p = lattice.PointAt(c, r);
        const int vFull = CellWidth(lattice, c, r) / 4, hFull = CellHeight(lattice, c, r) / 4;
        if (p.VDepth < 0 && p.HDepth < 0) {
          ++bothNegative;
          const bool shrink = style == 5;
          EXPECT_EQ(p.VDepth, shrink ? -vFull * 2 / 3 : -vFull);
          EXPECT_EQ(p.HDepth, shrink ? -hFull * 2 / 3 : -hFull);
        } else {
          EXPECT_EQ(std::abs(p.VDepth), vFull);
          EXPECT_EQ(std::abs(p.HDepth), hFull);
        }
      }
    EXPECT_GT(bothNegative, 0);
  }
}

TEST(LatticeTest, MixDrawsEveryEdgeType) {
  TLattice lattice(Settings(12, 12, 4, 6), kNoTemplates);
  Generate(lattice);
  std::set<int> types;
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 12; ++c) {
      const LatticePoint& p = lattice.PointAt(c, r);
      if (r == 12) { EXPECT_EQ(p.HType, kSquareEdge); }
      if (c == 12) { EXPECT_EQ(p.VType, kSquareEdge); }
      types.insert(p.HType);
      types.insert(p.VType);
    }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
}

TEST(LatticeTest, ThinGridsWithFunPiecesStayInside) {
  const TTemplates templates = ZigzagTemplates(4, 3);
  struct Case {
    int columns, rows;
  } cases[] = {{1, 1}, {1, 6}, {6, 1}, {2, 2}, {2, 5}, {3, 3}, {4, 3}};
  for (const Case& k : cases) {
    TLattice lattice(Settings(k.columns, k.rows, 10, 6, 10, 200, 200), templates);
    Generate(lattice);
    const std::vector<PieceSides> all = AllSides(lattice);
    for (int i = 0; i < k.columns * k.rows; ++i) {
      const int c = i % k.columns + 1, r = i / k.columns + 1;
      if (lattice.TemplateOf(i) != 0) { EXPECT_EQ((c + r) % 2, 0); }
      for (int s = 0; s < 4; ++s) EXPECT_GE(all[i][s].Count, 2) << k.columns << "x" << k.rows;
    }
  }
}

TEST(LatticeTest, PieceIndexOutsideTheGridThrows) {
  TLattice lattice(Settings(3, 2, 0, 1), kNoTemplates);
  Generate(lattice);
  PieceSides sides;
  EXPECT_THROW(lattice.BuildPieceSides(6, sides), std::out_of_range);
  EXPECT_THROW(lattice.BuildPieceSides(-1, sides), std::out_of_range);
  EXPECT_THROW(TLattice(Settings(0, 2, 0, 1), kNoTemplates), std::invalid_argument);
}

// ---- Template edges -------------------------------------------------------------

TEST(TemplateEdgeTest, ScaledAndShearedOntoTheEdge) {
  struct Case {
    const char* name;
    int kind;
    std::vector<TemplatePoint> side;
    Point from, to;
    std::vector<SidePoint> expected;
  } cases[] = {
      // h = 40 / 4 = 10; l = (8 − 10·0) / 3 = 2.6666667: y of point i is 10·qy + l·i.
      {"horizontal", 0, {{0, 0}, {1, 2}, {3, -1}, {4, 0}}, {100, 50}, {140, 58},
       {{100, 50}, {110, 73}, {130, 45}, {140, 58}}},
      // h = 40 / 4 = 10; l = (6 − 1·10) / 3 = −1.3333334: x of point i is l·i + 10·qx.
      {"vertical", 1, {{0, 0}, {-1, 2}, {0.5f, 3}, {1, 4}}, {20, 10}, {26, 50},
       {{20, 10}, {9, 30}, {22, 40}, {26, 50}}},
      // The start need not be at the template's origin; a bottom side scales like a top.
      {"offset template", 2, {{10, 5}, {11, 6}, {14, 5}}, {0, 0}, {8, 0}, {{0, 0}, {2, 2}, {8, 0}}},
      // h = 2.5: 2.5 and 7.5 round to the even neighbours 2 and 8.
      {"ties to even", 0, {{0, 0}, {1, 0}, {3, 0}, {4, 0}}, {0, 0}, {10, 0}, {{0, 0}, {2, 0}, {8, 0}, {10, 0}}},
      // Ends level along the main axis: no scale, so a straight edge.
      {"no length", 3, {{0, 0}, {5, 1}, {0, 0}}, {7, 7}, {9, 30}, {{7, 7}, {9, 30}}},
      {"one point", 0, {{1, 1}}, {0, 0}, {10, 0}, {}},
  };
  for (const Case& k : cases) {
    SidePoints list;
    TBezier bezier;
    bezier.Setup(TBezier::kPointListMode, 24, nullptr, {}, 3);
    bezier.SetPointList(list);
    DrawTemplateEdge(bezier, k.side, k.kind, k.from, k.to);
    EXPECT_EQ(Listed(list), k.expected) << k.name;
  }
}

}  // namespace
}  // namespace quill
