#include "app/application.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <iostream>
#include <optional>

#include "app/language.h"
#include "app/main_window.h"
#include "app/qt_host.h"
#include "app/single_gift.h"
#include "app/widget_map.h"
#include "app/window_placement.h"
#include "common/start_marks.h"
#include "common/translate.h"
#include "game/cut_ahead.h"
#include "game/gift_texts.h"

namespace quill {
namespace {

// Display settings tools of the common desktops, tried in this order.
const std::pair<const char*, QStringList> kDisplaySettingsTools[] = {
    {"gnome-control-center", {"display"}},
    {"systemsettings", {"kcm_kscreen"}},
    {"xfce4-display-settings", {}},
    {"lxqt-config-monitor", {}},
    {"arandr", {}},
};

// Starts the first display settings tool that can be started; returns the reason
// of the last failure, or "" on success.
std::string OpenDisplaySettings() {
  QString reason;
  for (const auto& [program, arguments] : kDisplaySettingsTools) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached()) return "";
    reason = process.errorString();
  }
  return reason.toStdString();
}

}  // namespace

QuillApplication::QuillApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    Report(e.what());
  } catch (...) {
    Report(TextMark("Messages", "An unexpected error stopped the operation"));
  }
  return false;
}

void QuillApplication::Report(const std::string& text) {
  if (errorHandler_) {
    errorHandler_(text);
  } else {
    std::cerr << text << std::endl;
  }
}

std::string DisplayDepthMessage(int depth) {
  const int colours = depth >= 31 ? 0 : 1 << std::max(depth, 0);
  return TrN("Messages",
             "This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop "
             "is set to %n colors. Would you like to change your settings now?",
             "colours of the desktop", colours);
}

bool CheckDisplayDepth(QtHost& host) {
  const int depth = host.ScreenColourDepth();
  if (depth >= 15) return true;
  const std::string text = DisplayDepthMessage(depth);
  std::cerr << text << std::endl;
  if (host.Quiet()) return false;
  const auto answer = QMessageBox::warning(nullptr, kProgramTitle,
                                           QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel);
  if (answer == QMessageBox::Ok) {
    const std::string failure = OpenDisplaySettings();
    if (!failure.empty()) host.ShowMessage(failure, MessageKind::Plain);
  }
  return false;
}

std::string TakeGiftFilePath() {
  // The variable only chooses which file is read as the gift and where the saved
  // game goes; whoever can set it can run any program already, so it grants nothing.
  if (const char* named = std::getenv(kGiftFileVariable)) {
    const std::string path = named;
    ::unsetenv(kGiftFileVariable);
    if (!path.empty()) return std::filesystem::absolute(path).string();
  }
  return std::filesystem::read_symlink("/proc/self/exe").string();
}

bool WaylandBufferIntegrationLoads(const QStringList& pluginFolders) {
  for (const QString& folder : pluginFolders) {
    const QDir integrations(folder + "/wayland-graphics-integration-client");
    if (!integrations.entryList({"*wayland-egl*"}, QDir::Files).isEmpty()) return true;
  }
  return false;
}

bool QuietWaylandStart::Begin() {
  if (QGuiApplication::platformName() != "wayland" || qEnvironmentVariableIsSet(kNoDecorationsVariable) ||
      WaylandBufferIntegrationLoads(QCoreApplication::libraryPaths()))
    return false;
  qputenv(kNoDecorationsVariable, "1");
  set_ = true;
  return true;
}

void QuietWaylandStart::End() {
  if (set_) qunsetenv(kNoDecorationsVariable);
  set_ = false;
}

void NameApplication() {
  QApplication::setApplicationName(kProgramName);
  // The window system's name of the program (the Wayland app id), whatever file runs
  // it: a portable gift's player runs through its bundled loader, whose name Qt would
  // take otherwise.
  QGuiApplication::setDesktopFileName(kProgramName);
}

int RunPlayer(int argc, char** argv) {
  MarkStartStep("main");
  const std::string giftFile = TakeGiftFilePath();
  // A second start of an open gift asks the open copy forward and ends, before it
  // spends anything on the gift.
  GiftClaim claim = ClaimGiftFile(giftFile);
  if (claim.Outcome == ClaimOutcome::Forwarded) return 0;
  if (claim.Outcome == ClaimOutcome::NoAnswer) {
    std::cerr << "quillmere-gift: this gift is already open in another window" << std::endl;
    return 1;
  }
  MarkStartStep("gift-claimed");
  // The window system takes a while to start on one core; the puzzle is cut on the
  // others meanwhile.
  std::future<std::unique_ptr<CutAhead>> cutting = StartCuttingAhead(giftFile);
  // The board is a window of its own; its neighbours need not be.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QuillApplication app(argc, argv);
  NameApplication();
  ChooseLanguage(ReadGiftLanguage(giftFile));
  const std::unique_ptr<WidgetMap> widgetMap = WidgetMapIfAsked();
  MarkStartStep("qt-started");
  QtHost host;
  app.SetErrorHandler([&host](const std::string& text) { host.ReportError(text); });
  if (!CheckDisplayDepth(host)) return 0;

  QuietWaylandStart quietWayland;
  quietWayland.Begin();
  MainWindow main(host, giftFile);
  main.Game().TakeCuttingAhead(std::move(cutting));
  main.CreateSplashForm();
  main.CreateAuxiliaryForms();
  PlaceOnScreen(main);
  main.show();
  quietWayland.End();
  MarkStartStep("window-shown");
  std::optional<ForwardRequestWatcher> forwardRequests;
  if (claim.Lock && claim.Lock->Listener() >= 0)
    forwardRequests.emplace(claim.Lock->Listener(), [&main](const std::string& token) { BringForward(main, token); });
  const int status = app.exec();
  // The window is gone: a start from now on waits for the lock, which this process
  // holds until it has ended.
  forwardRequests.reset();
  if (claim.Lock) claim.Lock->StopListening();
  return status;
}

}  // namespace quill
