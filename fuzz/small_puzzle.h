// The puzzle the saved game fuzzer reads its files against, and the game its seed is
// saved from: a 96 × 64 picture cut into six pieces, as a gift in the host's
// temporary folder.
#pragma once
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/jigsaw.h"
#include "gift_maker.h"
#include "headless_host.h"
#include "jpeg_writer.h"

namespace quill::fuzzing {

constexpr int kSmallBoardWidth = 320;
constexpr int kSmallBoardHeight = 240;

// Writes the gift and returns the program's path.
inline std::string WriteSmallGift(const HeadlessHost& host) {
  Bitmap picture(96, 64, PixelFormat::Rgb24);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.SetPixel(x, y, static_cast<uint32_t>((x * 2) | (y * 3) << 8 | ((x + y) * 5 & 0xFF) << 16));
  GiftParts parts;
  WriteJpeg(picture, 90, parts.Picture);
  GiftHeader header = DefaultGiftHeader();
  header.RequestedCount = 6;
  std::vector<uint8_t> file(64, 'P');
  const std::vector<uint8_t> payload = BuildGiftPayload(file.size(), parts, header);
  file.insert(file.end(), payload.begin(), payload.end());
  const std::string path = (host.Temp() / "small-gift").string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return path;
}

// A game object with the gift loaded and the puzzle built, not yet laid out.
inline std::unique_ptr<TJigsaw> BuildSmallPuzzle(HeadlessHost& host, const std::string& programPath) {
  auto game = std::make_unique<TJigsaw>(host, programPath);
  game->ZoomWait = [](int) {};
  game->LoadGift();
  game->BuildPuzzle();
  return game;
}

}  // namespace quill::fuzzing
