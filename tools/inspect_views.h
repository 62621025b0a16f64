// The inspector's views of what the player computes from a gift.
#pragma once
#include <ostream>
#include <string>

#include "game/jigsaw.h"

namespace quill {

// Columns, rows and piece count of the built puzzle, as Name=value lines.
void PrintGrid(std::ostream& out);
// For each piece in index order, one line per side: piece index, side number, point
// count, then the points as x,y in supersampled coordinates.
void PrintOutlines(TJigsaw& game, std::ostream& out);
// The picture at twice its size with every piece's cut outline drawn over it.
void RenderOutlines(TJigsaw& game, const std::string& pngPath);

}  // namespace quill
