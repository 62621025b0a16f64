// Conversions between the core's values and Qt's: colours (0x00BBGGRR and the
// Windows system colours, resolved through the desktop's palette), fonts of the
// form layouts and gifts, and bitmaps wrapped as images. Used by every shell module.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>

#include "raster/bitmap.h"
#include "raster/colour.h"
#include "ui/ui_state.h"

namespace quill {

// The desktop's colour for a Windows system colour index (5 window, 8 window text,
// 15 button face, ...); unknown indexes give the window background.
QColor SystemQColor(int index, const QPalette& palette);
QColor SystemQColor(int index);

// A stored colour as Qt shows it; system colours resolve through the palette.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

// A logical font (negative height = character height in pixels) as a QFont.
QFont ToQFont(const FontState& font);

// A copy of a 24-bit or 8-bit bitmap as an image; 1-bit masks become black/white.
QImage ToQImage(const Bitmap& bitmap);

// The bitmap as an image to draw at once: a 24-bit one's rows are shared without a
// copy (blue, green, red bytes, rows padded to 32 bits, as QImage expects them), so
// the bitmap must outlive the image; other formats are converted.
QImage WrapBitmap(const Bitmap& bitmap);

// Texts of the core are UTF-8.
inline QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace quill
