// Feeds arbitrary bytes to the template reader as a gift's template block, the count
// taken from the first byte and the puzzle's style from the second. Templates that
// load are then drawn onto the fun pieces of a small lattice, and every piece outline
// into a raster, so the edge scaling must cope with any shape without overflowing.
#include <cstdint>
#include <span>
#include <vector>

#include "common/errors.h"
#include "common/random.h"
#include "pieces/bezier.h"
#include "pieces/lattice.h"
#include "pieces/templates.h"

namespace {

void DrawOutlines(const quill::TTemplates& templates, uint8_t settingsByte) {
  quill::LatticeSettings settings;
  settings.Columns = 4 + settingsByte % 3;
  settings.Rows = 3 + settingsByte % 4;
  settings.ScaledWidth = 160;
  settings.ScaledHeight = 120;
  settings.Oddness = settingsByte % 11;
  settings.PieceStyle = settingsByte % 6 + 1;
  settings.FunPieces = 10;
  quill::TLattice lattice(settings, templates);
  quill::SetRandSeed(settingsByte * 7919);
  lattice.Generate();

  const int stride = 4 * settings.ScaledWidth;
  std::vector<uint8_t> raster(static_cast<size_t>(stride) * 4 * settings.ScaledHeight);
  quill::TBezier pen;
  pen.Setup(quill::TBezier::kRasterMode, stride, nullptr, raster, 3);
  pen.SetPen(32);
  for (int i = 0; i < settings.Columns * settings.Rows; ++i) {
    quill::PieceSides sides;
    lattice.BuildPieceSides(i, sides);
    for (const quill::SidePoints& side : sides)
      for (int k = 1; k < side.Count; ++k)
        pen.Line(side.Points[k - 1].X, side.Points[k - 1].Y, side.Points[k].X, side.Points[k].Y);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t count = data[0];
  const uint8_t settingsByte = data[1];
  quill::ByteReader stream(std::span<const uint8_t>(data + 2, size - 2));
  quill::TTemplates templates;
  try {
    templates.Load(count, stream);
  } catch (const quill::UserError&) {
    return 0;
  }
  DrawOutlines(templates, settingsByte);
  return 0;
}
