// The program entry's parts: the application object whose handler shows every
// error that escapes an event handler, the display depth check, finding the file
// that carries the gift, and the whole start (RunPlayer) that main() calls.
#pragma once
#include <QApplication>
#include <functional>
#include <string>

namespace quill {

class QtHost;

class QuillApplication : public QApplication {
 public:
  QuillApplication(int& argc, char** argv);

  // The application's handler for errors that escape an event handler; the
  // program keeps running after it.
  void SetErrorHandler(std::function<void(const std::string&)> handler) { errorHandler_ = std::move(handler); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Report(const std::string& text);

  std::function<void(const std::string&)> errorHandler_;
};

// The question shown when the display has fewer than 15 bits of colour.
std::string DisplayDepthMessage(int depth);

// True when the display has at least 15 bits of colour; otherwise asks whether to
// open the display settings, does so on OK, and returns false.
bool CheckDisplayDepth(QtHost& host);

// The environment variable naming the file that carries the gift, for a player
// started by a portable gift's start-up program from an unpacked copy.
inline constexpr const char* kGiftFileVariable = "QUILLMERE_GIFT_FILE";

// The file that carries the gift: the file named by kGiftFileVariable when it is
// set, otherwise the running program's own file. The variable is removed once read,
// so programs the player starts (a browser, the display settings) do not inherit
// it. Call before any thread starts: it changes the environment.
std::string TakeGiftFilePath();

// The program's name for the system: its application name, the Wayland app id and
// the class of its X11 windows. No display name is set: Qt would append it to every
// window's title, so "Loupe: 3x" would lose its factor to " — Quillmere Gift".
inline constexpr const char* kProgramName = "quillmere-gift";
void NameApplication();

// Qt's Wayland plugin looks up its OpenGL buffer integration when the first window
// is shown, only to learn whether it may draw window decorations itself. A portable
// gift's player carries no OpenGL integration (the player draws without OpenGL), and
// the failed look-up printed "Failed to load client buffer integration". Without
// that plugin Qt draws no decorations in any case, so Begin switches the look-up off
// through QT_WAYLAND_DISABLE_WINDOWDECORATION, which Qt reads once, when it shows
// the first window; End, once the windows are shown, removes the variable again, so
// the programs the player starts do not inherit it. A variable the user set stays.
inline constexpr const char* kNoDecorationsVariable = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
class QuietWaylandStart {
 public:
  // On Wayland without the buffer integration plugin: sets the variable (true).
  bool Begin();
  void End();
  ~QuietWaylandStart() { End(); }

 private:
  bool set_ = false;
};

// Whether Qt's Wayland OpenGL buffer integration plugin lies in one of the plugin
// folders.
bool WaylandBufferIntegrationLoads(const QStringList& pluginFolders);

// Claims the gift (a second start of an open gift brings its window forward and
// ends), checks the display, creates the forms and runs the message loop.
int RunPlayer(int argc, char** argv);

}  // namespace quill
