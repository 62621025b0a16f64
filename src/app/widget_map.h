// Where the buttons are, for scripts that drive the program with the mouse. The
// window system sees only top-level windows, not the buttons inside them, so with
// QUILLMERE_WIDGET_MAP=FILE set in the environment the program keeps FILE listing
// every visible, named button of its visible windows, one line each:
//
//   WINDOW BUTTON LEFT TOP WIDTH HEIGHT enabled|disabled
//
// WINDOW and BUTTON are object names (the window's form, the button's component),
// the rectangle is in the screen's pixels (device pixels, so also at a device pixel
// ratio above 1). The file is replaced whole, never seen half written, whenever a
// widget is shown, hidden, moved, resized, enabled or disabled. Without the variable
// nothing is watched.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace quill {

inline constexpr const char* kWidgetMapVariable = "QUILLMERE_WIDGET_MAP";

// The lines of the map for the windows on screen now.
QStringList WidgetMapLines();

class WidgetMap : public QObject {
 public:
  // Watches the application's widgets and keeps `file` up to date.
  explicit WidgetMap(QString file);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Write() const;

  QString file_;
  QTimer pending_;  // gathers the changes of one pass of the event loop into one write
};

// A WidgetMap on the file that QUILLMERE_WIDGET_MAP names, or none.
std::unique_ptr<WidgetMap> WidgetMapIfAsked();

}  // namespace quill
