// Writes a few small valid gifts into a folder, as seeds for the gift fuzzers, and,
// given a second folder, saved games of the saved game fuzzer's puzzle into it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "common/records.h"
#include "gift_maker.h"
#include "small_puzzle.h"

namespace {

// Saved games of the small puzzle: a new game; one with a group of two and a tray
// holding a piece; one with every piece joined, saved before the tick that finds it
// complete; and the same completed.
void WriteSavedGameSeeds(const std::string& folder) {
  quill::HeadlessHost host;
  const std::string program = quill::fuzzing::WriteSmallGift(host);
  for (int variant = 0; variant < 4; ++variant) {
    auto game = quill::fuzzing::BuildSmallPuzzle(host, program);
    game->DeleteSavedGame();
    game->ResumeGame(quill::fuzzing::kSmallBoardWidth, quill::fuzzing::kSmallBoardHeight);
    quill::Rect dirty;
    if (variant == 1) {
      game->JoinPieces(game->Piece(0), game->Piece(1), dirty);
      game->AddTray();
      quill::TBox& tray = game->TrayNo(game->TrayListCount() - 1);
      tray.SetDescription("Corners");
      game->MovePiecesToTray({&game->Piece(5)}, tray);
      game->StoreTrayPlaces(tray);
    }
    if (variant >= 2) {
      for (int i = 1; i < game->Count(); ++i) game->JoinPieces(game->Piece(0), game->Piece(i), dirty);
      quill::PuzzleRecord.Completed = variant == 3;
      quill::PuzzleRecord.Elapsed = 754;
    }
    game->SaveGame();
    std::filesystem::copy_file(game->SavedGameFile(), folder + "/saved" + std::to_string(variant),
                               std::filesystem::copy_options::overwrite_existing);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: make_fuzz_seeds GIFT_FOLDER [SAVED_GAME_FOLDER]\n";
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0, 0xFF, 0xD9};
  for (int variant = 0; variant < 4; ++variant) {
    quill::GiftHeader header = quill::DefaultGiftHeader();
    header.OpeningMessage = variant == 0 ? "" : "Hello\r\nthere";
    header.OpeningColourName = variant == 2 ? "$00FF00" : "clWindow";
    quill::GiftParts parts;
    parts.Picture = jpeg;
    if (variant > 0) {
      parts.Music = {1, 2, 3, 4};
      header.MusicExtension = ".mp3";
      parts.Skin = jpeg;
    }
    if (variant == 3)  // with the text block and its trailer
      parts.Texts = quill::GiftTexts{"Tytu\u0142", "\u0141ukasz", "", "\u304A\u8A95\u751F\u65E5", "\u0639\u064A\u062F", "pl"};
    std::vector<uint8_t> file(64, 'P');
    const auto payload = quill::BuildGiftPayload(file.size(), parts, header);
    file.insert(file.end(), payload.begin(), payload.end());
    std::ofstream out(folder + "/seed" + std::to_string(variant), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  }
  if (argc == 3) WriteSavedGameSeeds(argv[2]);
  return 0;
}
