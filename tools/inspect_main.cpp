// quillmere-inspect: reads a gift exactly as the player does and shows what it found.
#include <cstring>
#include <iostream>
#include <string>

#include "common/errors.h"
#include "game/gift_scan.h"
#include "game/program_file.h"
#include "header_dump.h"

namespace {

constexpr const char* kUsage =
    "usage: quillmere-inspect --header GIFT\n"
    "  --header GIFT   print every field of the gift header as Name=value\n";

int Run(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--header") == 0) {
    quill::ProgramFile file(argv[2]);
    std::cout << quill::DumpGiftHeader(quill::FindGiftHeader(file));
    return 0;
  }
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "quillmere-inspect: " << error.what() << '\n';
    return 1;
  }
}
