// Where the gift maker finds the player it copies when none is named: installed as
// <prefix>/lib/quillmere/ beside the <prefix>/bin/ that holds the maker. The build
// puts its stripped players in build/lib/quillmere/, so the same lookup works there.
#pragma once
#include <string>

namespace quill {

enum class PlayerKind {
  Plain,     // needs Qt 6 and libjpeg where the gift is played
  Portable,  // brings its libraries along
};

// The player of `kind` for a maker at `makerPath`; raises UserError naming the path
// looked at when there is no player there.
std::string InstalledPlayerPath(PlayerKind kind, const std::string& makerPath);

// The same for the running program.
std::string InstalledPlayerPath(PlayerKind kind);

}  // namespace quill
