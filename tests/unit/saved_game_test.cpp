// The saved game: what a save holds comes back on a new game object, damaged or
// foreign files are refused without touching the new game, a failed save keeps the
// old file, the file's name and the layout of its sections.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "board/tray_records.h"
#include "common/packed.h"
#include "file_faults.h"
#include "game/progress.h"
#include "game/saved_game.h"
#include "play_fixture.h"
#include "ui/form_layouts.h"

namespace quill::testing {
namespace {

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a resumed game must show again, taken from a game.
struct PiecePlace {
  int32_t X, Y, Group, Tray;
  uint8_t Rotation;
  bool Joined;
  uint16_t Width, Height;
  bool operator==(const PiecePlace&) const = default;
};

struct TrayState {
  int32_t Number;
  Rect Box;
  Colour BoxColour;
  std::string Description;
  bool Open;
  std::vector<int32_t> Pieces;
  bool operator==(const TrayState&) const = default;
};

std::vector<PiecePlace> Places(const TJigsaw& game) {
  std::vector<PiecePlace> places;
  for (const TFormPiece* p : game.AllPieces())
    places.push_back({p->X, p->Y, p->Group, p->Tray, p->Rotation, p->Joined, p->Width, p->Height});
  return places;
}

std::vector<TrayState> Trays(const TJigsaw& game) {
  std::vector<TrayState> trays;
  for (int32_t i = 1; i < game.TrayListCount(); ++i) {
    const TBox& tray = game.TrayNo(i);
    TrayState state{tray.Number(), tray.BoxRect(), tray.FColour, tray.Description(), tray.IsOpen(), {}};
    for (const TFormPiece* piece : tray.FPieces) state.Pieces.push_back(piece->Index);
    trays.push_back(state);
  }
  return trays;
}

class SavedGameTest : public PlayFixture {
 protected:
  // A game in progress on the 4 × 3 puzzle with turned pieces: a group of three, two
  // trays (one holding two pieces, one minimised and empty), a running clock, a
  // moved ghost and options other than the menus'.
  void PlaySome() {
    Start({.Pieces = 12, .Rotating = true});
    // Pieces join only when turned alike.
    for (int member : {1, 4}) game->TurnSelection(&P(member), (P(0).Rotation - P(member).Rotation + 4) % 4, false);
    SpreadOut();
    FormGroup(0, {1, 4});
    game->StoreNormalised(game->BoardTray().FPieces, game->BoardTray().BoxRect());

    game->AddTray();
    TBox& kept = game->TrayNo(game->TrayListCount() - 1);
    game->MoveTray(kept, 420 - kept.FLeft, 380 - kept.FTop);
    kept.SetRect({420, 380, 780, 590});
    kept.FColour = 0x00336699;
    kept.SetDescription("Edges \xE2\x80\x93 left");  // an en dash, a Windows-1252 character
    game->MovePiecesToTray({&P(10), &P(11)}, kept);
    game->MoveTo(P(10), 440, 420, kept.InnerRect());
    game->MoveTo(P(11), 600, 430, kept.InnerRect());

    game->AddTray();
    TBox& closed = game->TrayNo(game->TrayListCount() - 1);
    closed.ToggleOpen();

    PuzzleRecord.Elapsed = 4321;
    PuzzleRecord.CheatCount = 2;
    PuzzleRecord.GhostCentreX = 0.25f;
    PuzzleRecord.GhostCentreY = 0.75f;
    game->Config().Shadows = false;
    game->Config().Smooth = false;
    game->Config().Cheating = false;
    game->Config().OutlineStyle = 2;
  }

  // The gift built again on a new game object, resumed from the file if there is one.
  // `beforeResume` runs once the gift is loaded.
  bool ResumeOnNewGame(const std::function<void()>& beforeResume = {}) {
    game.reset();
    host.messages.clear();
    game = MakeGame({.Pieces = 12, .Rotating = true});
    game->ZoomWait = [](int) {};
    if (beforeResume) beforeResume();
    game->BuildPuzzle();
    const bool resumed = game->ResumeGame(kBoardWidth, kBoardHeight);
    game->FitBoard(kBoardWidth, kBoardHeight);
    return resumed;
  }

  std::string SavedPath() const { return game->SavedGameFile(); }

  // Places of a new game of the same gift on the same board.
  std::vector<PiecePlace> NewGamePlaces() {
    std::filesystem::remove(SavedPath());
    EXPECT_FALSE(ResumeOnNewGame());
    return Places(*game);
  }

  std::vector<uint8_t> SaveAndRead() {
    game->SaveGame();
    return ReadBytes(SavedPath());
  }

  void WriteSaved(const std::vector<uint8_t>& bytes) { WriteBytes(SavedPath(), bytes); }

  // Resumes from bytes and expects a refusal whose message says `why`, and a new game.
  void ExpectRefused(const std::vector<uint8_t>& bytes, const std::string& why,
                     const std::vector<PiecePlace>& newGame) {
    WriteSaved(bytes);
    EXPECT_FALSE(ResumeOnNewGame());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(why), std::string::npos) << host.messages[0];
    EXPECT_NE(host.messages[0].find("A new game is started"), std::string::npos);
    EXPECT_EQ(Places(*game), newGame);
    EXPECT_EQ(game->TrayListCount(), 1);
    EXPECT_EQ(PuzzleRecord.Elapsed, 0);
    EXPECT_TRUE(game->IsPlaying());
  }
};

TEST_F(SavedGameTest, ResumedGameHasTheSavedPiecesTraysClockGhostAndOptions) {
  PlaySome();
  const auto places = Places(*game);
  const auto trays = Trays(*game);
  const uint16_t joined = PuzzleRecord.JoinedCount;
  ASSERT_EQ(joined, 3);
  game->SaveGame();

  ASSERT_TRUE(ResumeOnNewGame());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Places(*game), places);
  EXPECT_EQ(Trays(*game), trays);
  EXPECT_EQ(PuzzleRecord.JoinedCount, joined);
  EXPECT_EQ(PuzzleRecord.Elapsed, 4321);
  EXPECT_EQ(PuzzleRecord.CheatCount, 2);
  EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreX, 0.25f);
  EXPECT_FLOAT_EQ(PuzzleRecord.GhostCentreY, 0.75f);
  const TJigConfig& config = game->Config();
  EXPECT_FALSE(config.Shadows);
  EXPECT_FALSE(config.Smooth);
  EXPECT_FALSE(config.Cheating);
  EXPECT_EQ(config.OutlineStyle, 2u);
  EXPECT_EQ(host.MainForm().Get("Outlines").Tag, 2);
  EXPECT_FALSE(host.MainForm().Checked("Shadows"));
  EXPECT_TRUE(game->IsPlaying());
  // The tray buttons show what the trays are.
  const TBox& kept = game->TrayNo(1);
  EXPECT_TRUE(host.MainForm().Get(kept.ButtonName()).Down);
  EXPECT_EQ(host.MainForm().Get(kept.ButtonName()).Hint, "Edges \xE2\x80\x93 left|");
  EXPECT_EQ(host.MainForm().Get(kept.ButtonName()).Tag, 1);
  EXPECT_FALSE(host.MainForm().Get(game->TrayNo(2).ButtonName()).Down);
}

TEST_F(SavedGameTest, NewGroupsAfterResumingNeverTakeASavedGroupsNumber) {
  PlaySome();
  game->SaveGame();
  ASSERT_TRUE(ResumeOnNewGame());
  int32_t highest = 0;
  for (const TFormPiece* piece : game->AllPieces()) highest = std::max(highest, piece->Group);
  EXPECT_GT(PuzzleRecord.NextGroup, highest);
}

TEST_F(SavedGameTest, FileHoldsTheSectionsInOrderAtTheirSizes) {
  PlaySome();
  const std::vector<uint8_t> bytes = SaveAndRead();
  // 4457 + 27 + 36 × 12 + 148 × 2 + 29
  ASSERT_EQ(bytes.size(), 5241u);
  EXPECT_EQ(bytes.size(), SavedGameSize(true, 12, 3));
  const uint8_t* b = bytes.data();
  EXPECT_EQ(packed::Get<int16_t>(b, 0), 5);           // FormatNo
  EXPECT_EQ(packed::Get<uint16_t>(b, 4252), 0);       // LayoutWidth, never set
  EXPECT_EQ(packed::Get<uint16_t>(b, 4254), 0);       // LayoutHeight
  EXPECT_EQ(packed::Get<uint16_t>(b, 4278), 12);      // PieceCount
  EXPECT_EQ(packed::Get<int32_t>(b, 4315), 4321);     // Elapsed
  EXPECT_EQ(packed::Get<uint16_t>(b, 4457 + 8), 3);   // TrayCount, the board included
  const size_t trays = 4457 + 27 + 36 * 12;
  EXPECT_EQ(packed::Get<uint16_t>(b, trays), 1);                 // first tray's number
  EXPECT_EQ(packed::Get<int16_t>(b, trays + 2), 420);           // its left
  EXPECT_EQ(packed::Get<uint32_t>(b, trays + 14), 0x00336699u);  // its colour
  EXPECT_EQ(b[trays + 19], 12);                                  // "Edges – left" in Windows-1252
  EXPECT_EQ(b[trays + 19 + 7], 0x96);
  EXPECT_EQ(b[trays + 148 + 18], 0);                             // the second is minimised
  EXPECT_EQ(packed::Get<int32_t>(b, bytes.size() - 4), 4);       // settings version, last
}

TEST(SavedGameSize, CountsEverySection) {
  EXPECT_EQ(SavedGameSize(true, 48, 3), 6537u);
  EXPECT_EQ(SavedGameSize(true, 48, 1), 4457u + 27 + 36 * 48 + 29);
  EXPECT_EQ(SavedGameSize(false, 48, 0), 4457u + 36 * 48 + 29);
}

TEST_F(SavedGameTest, WithoutTraysTheSettingsFollowTheTrayNumbers) {
  Start();
  const std::vector<uint8_t> bytes = SaveAndRead();
  ASSERT_EQ(bytes.size(), 4457u + 27 + 36 * 12 + 29);
  EXPECT_EQ(packed::Get<uint16_t>(bytes.data(), 4457 + 8), 1);
  EXPECT_EQ(packed::Get<int32_t>(bytes.data(), 4457 + 27 + 36 * 12 + 25), 4);
}

TEST_F(SavedGameTest, FileTruncatedAnywhereIsRefusedAndTheGameStartsNew) {
  PlaySome();
  const std::vector<uint8_t> bytes = SaveAndRead();
  const size_t pieces = 4484, n = 12, trays = pieces + 36 * n, settings = trays + 2 * 148;
  const std::vector<size_t> cuts = {
      0,     100,    4457,   4470,          pieces, pieces + 5, pieces + 12 * n, pieces + 34 * n,
      trays, trays + 60, trays + 148, settings, settings + 10, bytes.size() - 1};
  const auto newGame = NewGamePlaces();
  for (size_t cut : cuts) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    ExpectRefused({bytes.begin(), bytes.begin() + static_cast<long>(cut)}, "is damaged", newGame);
  }
  // A longer file is as damaged as a shorter one.
  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);
  ExpectRefused(longer, "is damaged", newGame);
}

// A field of the saved file changed to a value, and what the refusal says.
struct Tampering {
  const char* Name;
  size_t Offset;  // from the start; trays: from the first tray record
  bool InTrays;
  int64_t Value;
  int Width;  // bytes
  const char* Why;
};

TEST_F(SavedGameTest, FilesOfAnotherGiftANewerVersionOrWithImpossibleValuesAreRefused) {
  PlaySome();
  const std::vector<uint8_t> bytes = SaveAndRead();
  const size_t trays = 4484 + 36 * 12;
  const Tampering cases[] = {
      {"piece count", 4278, false, 13, 2, "belongs to another jigsaw"},
      {"columns", 4280, false, 3, 2, "belongs to another jigsaw"},
      {"seed", 4288, false, 12345, 4, "belongs to another jigsaw"},
      {"picture width", 4296, false, 401, 2, "belongs to another jigsaw"},
      {"newer format", 0, false, 6, 2, "newer version"},
      {"negative format", 0, false, -1, 2, "is damaged"},
      {"scale 0", 4453, false, 0, 2, "is damaged"},
      {"scale 1000", 4453, false, 1000, 2, "is damaged"},
      {"piece style 9", 4264, false, 9, 4, "is damaged"},
      {"oddness 11", 4286, false, 11, 2, "is damaged"},
      {"tray count beyond the file", 4457 + 8, false, 60000, 2, "is damaged"},
      {"tray number 0", 0, true, 0, 2, "is damaged"},
      {"two trays numbered 2", 0, true, 2, 2, "is damaged"},
      {"tray 10 pixels wide", 6, true, 10, 2, "is damaged"},
      {"piece in tray 9", 4484 + 34 * 12, false, 9, 2, "is damaged"},
      {"group beyond counting", 4484 + 12 * 12 + 12, false, 0x7FFFFFFF, 4, "is damaged"},
      {"outline style 7", bytes.size() - 29 + 7 - trays, true, 7, 4, "is damaged"},
      {"board 100000 wide", bytes.size() - 29 + 16 - trays, true, 100000, 4, "is damaged"},
  };
  const auto newGame = NewGamePlaces();
  for (const Tampering& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<uint8_t> changed = bytes;
    const size_t at = c.Offset + (c.InTrays ? trays : 0);
    for (int i = 0; i < c.Width; ++i) changed[at + static_cast<size_t>(i)] = static_cast<uint8_t>(c.Value >> (8 * i));
    ExpectRefused(changed, c.Why, newGame);
  }
}

// Where the fields of piece i lie in a saved game of the 4 × 3 puzzle.
size_t PieceGroupAt(int i) { return 4484 + 12 * 12 + 22 * static_cast<size_t>(i) + 12; }
size_t PieceRotationAt(int i) { return 4484 + 12 * 12 + 22 * static_cast<size_t>(i) + 18; }
size_t PieceJoinedAt(int i) { return 4484 + 12 * 12 + 22 * static_cast<size_t>(i) + 19; }
size_t PieceTrayAt(int i) { return 4484 + 34 * 12 + 2 * static_cast<size_t>(i); }

void CopyBytes(std::vector<uint8_t>& bytes, size_t from, size_t to, size_t count) {
  std::copy_n(bytes.begin() + static_cast<long>(from), count, bytes.begin() + static_cast<long>(to));
}

// Values each field can hold, but that no game can reach: the game PlaySome makes
// (pieces 0, 1 and 4 in one group, 10 and 11 in tray 1) changed.
TEST_F(SavedGameTest, ValuesThatNoGameCanReachAreRefused) {
  PlaySome();
  const std::vector<uint8_t> bytes = SaveAndRead();
  // Piece i in the group of piece 0, turned as it is.
  auto joinToGroupOf0 = [](std::vector<uint8_t>& b, int i) {
    CopyBytes(b, PieceGroupAt(0), PieceGroupAt(i), 4);
    CopyBytes(b, PieceRotationAt(0), PieceRotationAt(i), 1);
  };
  const struct {
    const char* Name;
    std::function<void(std::vector<uint8_t>&)> Change;
  } cases[] = {
      {"negative clock", [](auto& b) { packed::Put<int32_t>(b.data(), 4315, -3724); }},
      {"clock beyond counting", [](auto& b) { packed::Put<int32_t>(b.data(), 4315, 0x7FFFFFFF); }},
      {"completed with 3 of 12 joined", [](auto& b) { b[4312] = 1; }},
      {"group of pieces that do not touch", [&](auto& b) { joinToGroupOf0(b, 3); }},
      {"group in two trays",
       [&](auto& b) {
         joinToGroupOf0(b, 8);
         packed::Put<int16_t>(b.data(), PieceTrayAt(8), 1);
       }},
      {"group turned two ways",
       [&](auto& b) {
         joinToGroupOf0(b, 5);
         b[PieceRotationAt(5)] = static_cast<uint8_t>((b[PieceRotationAt(0)] + 1) % 4);
       }},
      {"tray bar scrolled past the trays", [](auto& b) { packed::Put<uint16_t>(b.data(), 4457 + 10, 4); }},
      {"negative time limit",
       [](auto& b) {
         b[4457 + 12] = 1;
         packed::Put<int32_t>(b.data(), 4457 + 15, -600);
       }},
  };
  const auto newGame = NewGamePlaces();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<uint8_t> changed = bytes;
    c.Change(changed);
    ExpectRefused(changed, "is damaged", newGame);
  }
}

// Which pieces are joined, and how many, follow from the groups, whatever the file
// says: a piece that joins the group by the file's group numbers counts, a lone
// piece marked joined does not, and the stored count is not believed.
TEST_F(SavedGameTest, JoinedPiecesAndTheirCountComeFromTheGroups) {
  PlaySome();
  std::vector<uint8_t> bytes = SaveAndRead();
  CopyBytes(bytes, PieceGroupAt(0), PieceGroupAt(5), 4);  // 5 touches 1 and 4
  CopyBytes(bytes, PieceRotationAt(0), PieceRotationAt(5), 1);
  bytes[PieceJoinedAt(6)] = 1;
  packed::Put<uint16_t>(bytes.data(), 4313, 60000);
  WriteSaved(bytes);
  ASSERT_TRUE(ResumeOnNewGame());
  EXPECT_EQ(PuzzleRecord.JoinedCount, 4);
  EXPECT_TRUE(P(5).Joined);
  EXPECT_FALSE(P(6).Joined);
  EXPECT_EQ(SolvedText(PuzzleRecord), "Solved 4 of 12");
}

// A game saved in the second between the last join and the tick that notices it is
// congratulated at the first tick after resuming.
TEST_F(SavedGameTest, GameSavedAllJoinedButNotYetCompletedIsCongratulatedAfterResuming) {
  Start();
  FormGroup(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  ASSERT_FALSE(PuzzleRecord.Completed);
  game->SaveGame();
  ASSERT_TRUE(ResumeOnNewGame());
  game->Tick();
  EXPECT_TRUE(PuzzleRecord.Completed);
  EXPECT_EQ(host.congratulations.size(), 1u);
}

TEST_F(SavedGameTest, PositionFarOffAnyBoardIsRefused) {
  PlaySome();
  std::vector<uint8_t> bytes = SaveAndRead();
  // NormX of piece 3 as the largest 6-byte real: far off any board.
  const size_t at = 4484 + 12 * 12 + 22 * 3;
  for (size_t i = 0; i < 6; ++i) bytes[at + i] = 0xFF;
  bytes[at + 5] = 0x7F;
  const auto newGame = NewGamePlaces();
  ExpectRefused(bytes, "is damaged", newGame);
}

TEST_F(SavedGameTest, FileOfTheOldFormatWithoutBoardRecordResumesWithItsDefaults) {
  Start();
  std::vector<uint8_t> bytes = SaveAndRead();
  bytes[0] = 2;  // FormatNo 2: no board record
  bytes.erase(bytes.begin() + 4457, bytes.begin() + 4484);
  WriteSaved(bytes);
  ASSERT_TRUE(ResumeOnNewGame([&] { host.MainForm().SetColour(kMainFormName, 0x00102030); }));
  EXPECT_EQ(BoardRecord.TrayScroll, 1);
  EXPECT_EQ(BoardRecord.LimitSeconds, 600);
  EXPECT_EQ(BoardRecord.SavedBoardColour, 0x00102030u);
  EXPECT_EQ(game->TrayListCount(), 1);
}

// A game resumed with turned pieces while rotation is off asks whether to turn them
// all the right way up (Yes, a cheat) or to have rotation on again (No).
TEST_F(SavedGameTest, TurnedPiecesWithRotationOffAskWhatToDo) {
  constexpr const char* kQuestion =
      "The puzzle has rotated pieces but the rotation option is currently disabled. Press 'Yes' to turn all pieces "
      "the right way up or 'No' to re-enable rotation.";
  const struct {
    const char* What;
    bool SavedRotating, Turned, AnswerYes;
    bool Asked, RotatingAfter, TurnedAfter;
  } cases[] = {
      {"No: rotation is on again", false, true, false, true, true, true},
      {"Yes: every piece the right way up", false, true, true, true, false, false},
      {"rotation on: nothing to ask", true, true, false, false, true, true},
      {"no piece turned: nothing to ask", false, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    PlaySome();
    if (!c.Turned)
      for (TFormPiece* piece : game->AllPieces()) piece->Rotation = 0;
    host.MainForm().SetChecked("Rotation", c.SavedRotating);
    game->Config().Rotating = c.SavedRotating;
    game->SaveGame();
    host.questions.clear();
    host.answerYes = c.AnswerYes;
    ASSERT_TRUE(ResumeOnNewGame());
    host.answerYes = false;
    EXPECT_EQ(host.questions, c.Asked ? std::vector<std::string>{kQuestion} : std::vector<std::string>{});
    EXPECT_EQ(host.MainForm().Checked("Rotation"), c.RotatingAfter);
    EXPECT_EQ(host.MainForm().Get("RotateRight").Enabled, c.RotatingAfter);
    EXPECT_EQ(game->Config().Rotating, c.RotatingAfter);
    const auto turned = [this] {
      const TPieceList all = game->AllPieces();
      return std::any_of(all.begin(), all.end(), [](const TFormPiece* p) { return p->Rotation != 0; });
    };
    EXPECT_EQ(turned(), c.TurnedAfter);
    EXPECT_EQ(PuzzleRecord.CheatCount, c.AnswerYes ? 3 : 2) << "turning all the right way up is a cheat";
    std::filesystem::remove(SavedPath());
  }
}

// A new layout and a restored one give the picture window the picture's proportions.
TEST_F(SavedGameTest, NewAndRestoredLayoutsFitTheOverlayToThePicture) {
  std::vector<Point> fitted;
  const auto watch = [&] { game->FitOverlayToPicture = [&](int32_t w, int32_t h) { fitted.push_back({w, h}); }; };
  PlaySome();
  game->SaveGame();
  ASSERT_TRUE(ResumeOnNewGame(watch));
  EXPECT_EQ(fitted, (std::vector<Point>{{400, 300}}));
  fitted.clear();
  std::filesystem::remove(SavedPath());
  ASSERT_FALSE(ResumeOnNewGame(watch));
  EXPECT_EQ(fitted, (std::vector<Point>{{400, 300}}));
}

TEST_F(SavedGameTest, CompletedGameResumesCompletedWithItsClock) {
  Start();
  FormGroup(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  PuzzleRecord.Completed = true;
  PuzzleRecord.Elapsed = 99;
  game->SaveGame();
  ASSERT_TRUE(ResumeOnNewGame());
  EXPECT_TRUE(PuzzleRecord.Completed);
  EXPECT_EQ(PuzzleRecord.Elapsed, 99);
}

TEST_F(SavedGameTest, ResumingRebuildsThePiecesAtTheSavedScale) {
  Start();
  game->SetScale(150);
  const auto places = Places(*game);
  game->SaveGame();
  ASSERT_TRUE(ResumeOnNewGame());
  EXPECT_EQ(PuzzleRecord.Scale, 150);
  EXPECT_EQ(game->Picture.Width(), 600);
  EXPECT_EQ(Places(*game), places);
}

TEST_F(SavedGameTest, SaveThatFailsWhileWritingLeavesTheOldFileWhole) {
  Start();
  const std::vector<uint8_t> before = SaveAndRead();
  PuzzleRecord.Elapsed = 777;
  // A disk that fills up: files may grow to 1000 bytes only.
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_THROW(game->SaveGame(), UserError);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_EQ(ReadBytes(SavedPath()), before);
  // Nothing is left beside it.
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(host.Temp())) ++files;
  EXPECT_EQ(files, 2u);  // the gift and its saved game
}

TEST_F(SavedGameTest, SaveIntoAFolderThatCannotBeWrittenLeavesTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  Start();
  const std::vector<uint8_t> before = SaveAndRead();
  std::filesystem::permissions(host.Temp(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_THROW(game->SaveGame(), UserError);
  std::filesystem::permissions(host.Temp(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadBytes(SavedPath()), before);
}

TEST_F(SavedGameTest, SaveReplacesTheOldFileAndDeleteRemovesIt) {
  Start();
  game->SaveGame();
  PuzzleRecord.Elapsed = 55;
  const std::vector<uint8_t> bytes = SaveAndRead();
  EXPECT_EQ(packed::Get<int32_t>(bytes.data(), 4315), 55);
  game->DeleteSavedGame();
  EXPECT_FALSE(std::filesystem::exists(SavedPath()));
  game->DeleteSavedGame();  // nothing to delete: nothing happens
  EXPECT_FALSE(ResumeOnNewGame());
  EXPECT_TRUE(host.messages.empty());
}

// The saved game cannot be removed (the folder is read-only to the player): the
// user is told, and the file stays as it was.
TEST_F(SavedGameTest, SaveThatCannotBeRemovedIsReported) {
  Start();
  const std::vector<uint8_t> saved = SaveAndRead();
  {
    FileFaults faults(FileFaults::Failing(FileStep::Remove, EACCES));
    EXPECT_FALSE(game->DeleteSavedGame());
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("The saved game \"" + SavedPath() + "\" cannot be removed. Permission denied."),
            std::string::npos)
      << host.messages[0];
  EXPECT_EQ(ReadBytes(SavedPath()), saved);
}

TEST_F(SavedGameTest, SaveInAFolderThatCannotBeWrittenIsNotRemoved) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser removes files from any folder";
  Start();
  game->SaveGame();
  std::filesystem::permissions(host.Temp(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool removed = game->DeleteSavedGame();
  std::filesystem::permissions(host.Temp(), std::filesystem::perms::owner_all);
  EXPECT_FALSE(removed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("Permission denied"), std::string::npos) << host.messages[0];
}

// A writer killed mid-save leaves its temporary beside the save; the next start
// clears it away.
TEST_F(SavedGameTest, TemporaryLeftByACrashedSaveIsRemovedAtTheNextStart) {
  Start();
  game->SaveGame();
  const std::string left = SavedPath() + ".partial-Xy12Zq";
  WriteBytes(left, {1, 2, 3});
  ASSERT_TRUE(ResumeOnNewGame());
  EXPECT_FALSE(std::filesystem::exists(left));
}

TEST(SavedGameFileName, AppendsTheExtensionSoNoProgramSharesOrBecomesItsSave) {
  const struct {
    const char* Program;
    const char* Saved;
    const char* Old;  // the name earlier versions used, if it differs
  } cases[] = {
      {"/a/b/Birthday.exe", "/a/b/Birthday.exe.sav", "/a/b/Birthday.sav"},
      {"/a/b/gift", "/a/b/gift.sav", ""},
      {"/a/b/gift.sav", "/a/b/gift.sav.sav", ""},  // the old rule gave the program itself
      {"/a/b/Anna.Birthday", "/a/b/Anna.Birthday.sav", "/a/b/Anna.sav"},
      {"/a/b/Anna.Christmas", "/a/b/Anna.Christmas.sav", "/a/b/Anna.sav"},
      {"/a.b/gift", "/a.b/gift.sav", ""},
      {"/a/b/.gift", "/a/b/.gift.sav", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Program);
    EXPECT_EQ(SavedGameFileName(c.Program), c.Saved);
    EXPECT_EQ(OldSavedGameFileName(c.Program), c.Old);
  }
}

// ---- Gifts of other names in one folder ---------------------------------------------

class SavedGameNameTest : public SavedGameTest {
 protected:
  // The 12-piece gift, or one cut into another count, at a name of its own in the
  // test's folder; the game is built and started.
  void StartGiftNamed(const std::string& name, int pieces = 12) {
    game.reset();
    const std::string path = (host.Temp() / name).string();
    std::filesystem::rename(MakeGame({.Pieces = pieces})->ProgramPath(), path);
    game = std::make_unique<CountingGame>(host, path);
    game->ZoomWait = [](int) {};
    game->LoadGift();
    host.messages.clear();
    game->BuildPuzzle();
    resumed = game->ResumeGame(kBoardWidth, kBoardHeight);
    game->FitBoard(kBoardWidth, kBoardHeight);
  }

  bool resumed = false;
};

TEST_F(SavedGameNameTest, GiftNamedLikeASaveNeverOverwritesItself) {
  StartGiftNamed("gift.sav");
  const std::vector<uint8_t> program = ReadBytes(game->ProgramPath());
  game->SaveGame();
  EXPECT_EQ(ReadBytes(game->ProgramPath()), program);
  EXPECT_TRUE(std::filesystem::exists(host.Temp() / "gift.sav.sav"));
  StartGiftNamed("gift.sav");
  EXPECT_TRUE(resumed);
}

TEST_F(SavedGameNameTest, TwoGiftsOfOneStemKeepTheirOwnSaves) {
  StartGiftNamed("Anna.Birthday");
  PuzzleRecord.Elapsed = 111;
  game->SaveGame();
  StartGiftNamed("Anna.Christmas", 6);
  EXPECT_FALSE(resumed);
  PuzzleRecord.Elapsed = 222;
  game->SaveGame();

  for (const auto& [name, pieces, elapsed] : {std::tuple{"Anna.Birthday", 12, 111}, {"Anna.Christmas", 6, 222}}) {
    SCOPED_TRACE(name);
    StartGiftNamed(name, pieces);
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    EXPECT_EQ(PuzzleRecord.Elapsed, elapsed);
  }
}

TEST_F(SavedGameNameTest, SaveAtTheOldNameIsResumedAndMovesToTheNewName) {
  StartGiftNamed("Birthday.exe");
  PuzzleRecord.Elapsed = 321;
  game->SaveGame();
  std::filesystem::rename(host.Temp() / "Birthday.exe.sav", host.Temp() / "Birthday.sav");

  StartGiftNamed("Birthday.exe");
  ASSERT_TRUE(resumed);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(PuzzleRecord.Elapsed, 321);
  game->SaveGame();
  EXPECT_TRUE(std::filesystem::exists(host.Temp() / "Birthday.exe.sav"));
  EXPECT_FALSE(std::filesystem::exists(host.Temp() / "Birthday.sav"));
}

TEST_F(SavedGameNameTest, DeletingRemovesThisGiftsSaveAtTheOldNameToo) {
  StartGiftNamed("Birthday.exe");
  game->SaveGame();
  std::filesystem::rename(host.Temp() / "Birthday.exe.sav", host.Temp() / "Birthday.sav");
  StartGiftNamed("Birthday.exe");
  ASSERT_TRUE(resumed);
  EXPECT_TRUE(game->DeleteSavedGame());
  EXPECT_FALSE(std::filesystem::exists(host.Temp() / "Birthday.sav"));
  StartGiftNamed("Birthday.exe");
  EXPECT_FALSE(resumed);
}

// At the old name another gift's save, or any other file, is not this gift's:
// it is neither resumed, nor reported, nor removed.
TEST_F(SavedGameNameTest, FileAtTheOldNameThatIsNotThisGiftsIsLeftAlone) {
  StartGiftNamed("Anna.Christmas", 6);
  game->SaveGame();
  std::filesystem::rename(host.Temp() / "Anna.Christmas.sav", host.Temp() / "Anna.sav");
  const std::vector<uint8_t> christmas = ReadBytes((host.Temp() / "Anna.sav").string());

  StartGiftNamed("Anna.Birthday");
  EXPECT_FALSE(resumed);
  EXPECT_TRUE(host.messages.empty());
  game->SaveGame();
  EXPECT_TRUE(game->DeleteSavedGame());
  EXPECT_EQ(ReadBytes((host.Temp() / "Anna.sav").string()), christmas);
}

// ---- Tray records ----------------------------------------------------------------

TEST(TrayRecord, KeepsEveryFieldAndANegativeLeft) {
  TrayRecord record;
  record.Number = 7;
  record.Left = -5;
  record.Top = 12;
  record.Width = 300;
  record.Height = 200;
  record.ZOrder = 41;
  record.BoxColour = 0x00C080FF;
  record.Open = false;
  record.Description = std::string(128, 'x');
  ByteWriter writer;
  WriteTrayRecord(writer, record);
  ASSERT_EQ(writer.Size(), kTrayRecordSize);
  EXPECT_EQ(packed::Get<uint16_t>(writer.Bytes().data(), 2), 0xFFFB);
  ByteReader reader(writer.Bytes());
  const TrayRecord read = ReadTrayRecord(reader);
  EXPECT_EQ(read.Number, 7);
  EXPECT_EQ(read.Left, -5);
  EXPECT_EQ(read.Top, 12);
  EXPECT_EQ(read.Width, 300);
  EXPECT_EQ(read.Height, 200);
  EXPECT_EQ(read.ZOrder, 41);
  EXPECT_EQ(read.BoxColour, 0x00C080FFu);
  EXPECT_FALSE(read.Open);
  EXPECT_EQ(read.Description, std::string(128, 'x'));
}

TEST(TrayRecord, ShortStreamTakesNothing) {
  const std::vector<uint8_t> bytes(kTrayRecordSize - 1, 0);
  ByteReader reader(bytes);
  EXPECT_THROW(ReadTrayRecord(reader), StreamReadError);
  EXPECT_EQ(reader.Position(), 0u);
}

class TrayRecordsTest : public PlayFixture {};

TEST_F(TrayRecordsTest, SaveSizeCountsTraysInTens) {
  Start();
  EXPECT_EQ(SaveSize(*game), 28u * 12 + 4484);
  for (int i = 0; i < 3; ++i) game->AddTray();
  EXPECT_EQ(SaveSize(*game), 28u * 12 + 1480 + 4484);
}

TEST_F(TrayRecordsTest, PiecesAndTraysComeBackFromASnapshot) {
  Start();
  SpreadOut();
  game->StoreNormalised(game->BoardTray().FPieces, game->BoardTray().BoxRect());
  game->AddTray();
  TBox& tray = game->TrayNo(1);
  tray.SetDescription("Sky");
  game->MovePiecesToTray({&P(2)}, tray);
  game->MoveTo(P(2), tray.InnerRect().Left + 5, tray.InnerRect().Top + 5, tray.InnerRect());
  const auto places = Places(*game);
  const auto trays = Trays(*game);
  ByteWriter snapshot;
  WritePiecesAndTrays(*game, snapshot);
  EXPECT_EQ(snapshot.Size(), 28u * 12 + 148);
  EXPECT_EQ(BoardRecord.TrayCount, 2);

  // The position changes: the tray goes, pieces move.
  game->MovePiecesToTray({&P(2)}, game->BoardTray());
  game->DeleteTray(game->TrayNo(1));
  for (TFormPiece* piece : game->AllPieces()) piece->X += 7;

  ByteReader reader(snapshot.Bytes());
  ReadPiecesAndTrays(*game, reader);
  EXPECT_EQ(Places(*game), places);
  EXPECT_EQ(Trays(*game), trays);
}

TEST_F(TrayRecordsTest, ShortSnapshotChangesNothing) {
  Start();
  game->AddTray();
  ByteWriter snapshot;
  WritePiecesAndTrays(*game, snapshot);
  std::vector<uint8_t> bytes = snapshot.Take();
  bytes.pop_back();
  const auto places = Places(*game);
  ByteReader reader(bytes);
  EXPECT_THROW(ReadPiecesAndTrays(*game, reader), StreamReadError);
  EXPECT_EQ(Places(*game), places);
  EXPECT_EQ(game->TrayListCount(), 2);
}

}  // namespace
}  // namespace quill::testing
