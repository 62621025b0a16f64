#include "app/qt_colours.h"

#include <QApplication>

namespace quill {
namespace {

struct SystemRole {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// Windows system colour indexes and the palette roles that play the same part on
// a Qt desktop. The 3-D shades map by brightness: 20 button highlight → Light,
// 22 3-D light → Midlight, 15 face → Button, 16 shadow → Dark, 21 dark shadow → Shadow.
constexpr SystemRole kSystemRoles[] = {
    {0, QPalette::Active, QPalette::Midlight},           // clScrollBar
    {1, QPalette::Active, QPalette::Dark},               // clBackground (desktop)
    {2, QPalette::Active, QPalette::Highlight},          // clActiveCaption
    {3, QPalette::Inactive, QPalette::Mid},              // clInactiveCaption
    {4, QPalette::Active, QPalette::Window},             // clMenu
    {5, QPalette::Active, QPalette::Base},               // clWindow
    {6, QPalette::Active, QPalette::Shadow},             // clWindowFrame
    {7, QPalette::Active, QPalette::WindowText},         // clMenuText
    {8, QPalette::Active, QPalette::Text},               // clWindowText
    {9, QPalette::Active, QPalette::HighlightedText},    // clCaptionText
    {10, QPalette::Active, QPalette::Window},            // clActiveBorder
    {11, QPalette::Inactive, QPalette::Window},          // clInactiveBorder
    {12, QPalette::Active, QPalette::Dark},              // clAppWorkSpace
    {13, QPalette::Active, QPalette::Highlight},         // clHighlight
    {14, QPalette::Active, QPalette::HighlightedText},   // clHighlightText
    {15, QPalette::Active, QPalette::Button},            // clBtnFace
    {16, QPalette::Active, QPalette::Dark},              // clBtnShadow
    {17, QPalette::Disabled, QPalette::Text},            // clGrayText
    {18, QPalette::Active, QPalette::ButtonText},        // clBtnText
    {19, QPalette::Inactive, QPalette::HighlightedText}, // clInactiveCaptionText
    {20, QPalette::Active, QPalette::Light},             // clBtnHighlight
    {21, QPalette::Active, QPalette::Shadow},            // cl3DDkShadow
    {22, QPalette::Active, QPalette::Midlight},          // cl3DLight
    {23, QPalette::Active, QPalette::ToolTipText},       // clInfoText
    {24, QPalette::Active, QPalette::ToolTipBase},       // clInfoBk
    {26, QPalette::Active, QPalette::Link},              // clHotLight
    {27, QPalette::Active, QPalette::Highlight},         // clGradientActiveCaption
    {28, QPalette::Inactive, QPalette::Mid},             // clGradientInactiveCaption
    {29, QPalette::Active, QPalette::Highlight},         // clMenuHighlight
    {30, QPalette::Active, QPalette::Window},            // clMenuBar
};

}  // namespace

QColor SystemQColor(int index, const QPalette& palette) {
  for (const SystemRole& r : kSystemRoles)
    if (r.index == index) return palette.color(r.group, r.role);
  return palette.color(QPalette::Active, QPalette::Window);
}

QColor SystemQColor(int index) { return SystemQColor(index, QApplication::palette()); }

QColor ToQColor(Colour colour) {
  if (IsSystemColour(colour)) return SystemQColor(SystemColourIndex(colour));
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Colour FromQColor(const QColor& colour) {
  return MakeColour(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                    static_cast<uint8_t>(colour.blue()));
}

QFont ToQFont(const FontState& font) {
  QFont result(ToQString(font.Name));
  if (font.Height < 0) {
    result.setPixelSize(-font.Height);
  } else if (font.Height > 0) {
    // A positive logical height includes the internal leading; about 80 % is the
    // character height.
    result.setPixelSize(std::max(1, font.Height * 4 / 5));
  }
  if (font.Pitch == 2) result.setFixedPitch(true);
  if (font.Pitch == 2) result.setStyleHint(QFont::TypeWriter);
  result.setBold(font.Style & kFontBold);
  result.setItalic(font.Style & kFontItalic);
  result.setUnderline(font.Style & kFontUnderline);
  result.setStrikeOut(font.Style & kFontStrikeOut);
  return result;
}

QImage ToQImage(const Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  const int w = bitmap.Width(), h = bitmap.Height();
  switch (bitmap.Format()) {
    case PixelFormat::Rgb24:
      return QImage(bitmap.Bits(), w, h, bitmap.Stride(), QImage::Format_BGR888).copy();
    case PixelFormat::Pal8:
    case PixelFormat::Mono1: {
      QImage image(bitmap.Bits(), w, h, bitmap.Stride(),
                   bitmap.Format() == PixelFormat::Pal8 ? QImage::Format_Indexed8 : QImage::Format_Mono);
      const int entries = bitmap.Format() == PixelFormat::Pal8 ? 256 : 2;
      QList<QRgb> table;
      for (int i = 0; i < entries; ++i) table.append(ToQColor(bitmap.Palette()[i] & 0xFFFFFF).rgb());
      image.setColorTable(table);
      return image.convertToFormat(QImage::Format_RGB32);
    }
  }
  return {};
}

QImage WrapBitmap(const Bitmap& bitmap) {
  if (bitmap.Format() != PixelFormat::Rgb24 || bitmap.Empty()) return ToQImage(bitmap);
  return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
}

}  // namespace quill
