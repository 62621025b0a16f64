#include "app/skin.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyleOptionToolBar>

#include "app/qt_colours.h"
#include "app/skin_tile.h"

namespace quill {
namespace {

// Black text on light colours, white on dark ones (by perceived brightness).
QColor TextColourOn(const QColor& background) {
  const int brightness = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
  return brightness < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

void ColourBar(QWidget& bar, const QColor& colour) {
  QPalette palette = bar.palette();
  const QColor text = TextColourOn(colour);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) palette.setColor(role, colour);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) palette.setColor(role, text);
  bar.setPalette(palette);
  bar.setAutoFillBackground(true);
}

}  // namespace

void SkinnedToolBar::SetWallpaper(const QImage& tile) {
  wallpaper_ = tile.isNull() ? QPixmap() : QPixmap::fromImage(tile);
  update();
}

void SkinnedToolBar::paintEvent(QPaintEvent* event) {
  if (wallpaper_.isNull()) {
    QToolBar::paintEvent(event);
    return;
  }
  QPainter painter(this);
  TileSkin(painter, wallpaper_, event->rect());
  // The grip by which the bar is dragged to another edge stays visible.
  QStyleOptionToolBar option;
  initStyleOption(&option);
  option.rect = style()->subElementRect(QStyle::SE_ToolBarHandle, &option, this);
  if (isMovable() && option.rect.isValid()) style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, &painter, this);
}

void ApplySkin(QMainWindow& window, const Bitmap* picture, Colour colour) {
  const QImage tile = picture ? ToQImage(*picture) : QImage();
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* panel = dynamic_cast<SkinWallpaper*>(widget)) panel->SetWallpaper(tile);
  if (!picture || IsSystemColour(colour)) return;
  ColourBar(*window.menuBar(), ToQColor(colour));
  ColourBar(*window.statusBar(), ToQColor(colour));
}

}  // namespace quill
