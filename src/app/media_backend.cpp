#include "app/media_backend.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QProcess>
#include <QProcessEnvironment>
#include <optional>

namespace quill {
namespace {

constexpr int kTrialTimeoutMs = 10000;

std::string& TrialProgram() {
  static std::string program;
  return program;
}

}  // namespace

bool MediaTrialSucceeds(const std::string& program) {
  QProcess trial;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kMediaTrialVariable, "1");
  trial.setProcessEnvironment(environment);
  trial.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  trial.setStandardOutputFile(QProcess::nullDevice());
  trial.start(QString::fromStdString(program), {});
  if (!trial.waitForFinished(kTrialTimeoutMs)) {
    trial.kill();
    trial.waitForFinished();
    return false;
  }
  return trial.exitStatus() == QProcess::NormalExit && trial.exitCode() == 0;
}

void ChooseMediaBackend() {
  if (qEnvironmentVariableIsSet(kMediaBackendVariable)) return;
  if (MediaBackendLoads(kPreferredMediaBackend)) qputenv(kMediaBackendVariable, kPreferredMediaBackend);
}

std::string ChosenMediaBackend() { return qEnvironmentVariable(kMediaBackendVariable).toStdString(); }

// Qt's back end plugins are "<name>mediaplugin" in the plugin folder "multimedia".
bool MediaBackendLoads(const std::string& name) {
  if (name.empty()) return true;
  QPluginLoader plugin(QStringLiteral("multimedia/%1mediaplugin").arg(QString::fromStdString(name)));
  return plugin.load();
}

void SetMediaTrialProgram(const std::string& path) { TrialProgram() = path; }

bool MediaPlayerUsable() {
  static std::optional<bool> usable;
  if (!usable) {
    usable = MediaBackendLoads(ChosenMediaBackend()) && (TrialProgram().empty() || MediaTrialSucceeds(TrialProgram()));
  }
  return *usable;
}

int RunMediaTrial(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QMediaPlayer player;
  QAudioOutput output;
  player.setAudioOutput(&output);
  return 0;
}

}  // namespace quill
