#include "app/media_backend.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>
#include <optional>

namespace quill {
namespace {

constexpr int kTrialTimeoutMs = 10000;

// Whether QT_MEDIA_BACKEND holds the name ChooseMediaBackend put there.
bool& NamedByThisProgram() {
  static bool named = false;
  return named;
}

std::vector<std::string>& TrialCommand() {
  static std::vector<std::string> command;
  return command;
}

}  // namespace

std::vector<std::string> OwnCommandLine() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::vector<std::string> command;
  for (std::string argument; std::getline(file, argument, '\0');) command.push_back(argument);
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  if (command.empty()) command.emplace_back();
  command[0] = program.string();
  return command;
}

bool MediaTrialSucceeds(const std::vector<std::string>& command) {
  if (command.empty()) return false;
  QStringList arguments;
  for (size_t i = 1; i < command.size(); ++i) arguments << QString::fromStdString(command[i]);
  QProcess trial;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kMediaTrialVariable, "1");
  trial.setProcessEnvironment(environment);
  trial.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  trial.setStandardOutputFile(QProcess::nullDevice());
  trial.start(QString::fromStdString(command[0]), arguments);
  if (!trial.waitForFinished(kTrialTimeoutMs)) {
    trial.kill();
    trial.waitForFinished();
    return false;
  }
  return trial.exitStatus() == QProcess::NormalExit && trial.exitCode() == 0;
}

void ChooseMediaBackend(const char* preferred) {
  NamedByThisProgram() = false;
  if (qEnvironmentVariableIsSet(kMediaBackendVariable)) return;
  qputenv(kMediaBackendVariable, preferred);
  NamedByThisProgram() = true;
}

bool SettleMediaBackend() {
  if (MediaBackendLoads(ChosenMediaBackend())) return true;
  if (!NamedByThisProgram()) return false;
  qunsetenv(kMediaBackendVariable);
  NamedByThisProgram() = false;
  return MediaBackendLoads(ChosenMediaBackend());
}

std::string ChosenMediaBackend() { return qEnvironmentVariable(kMediaBackendVariable).toStdString(); }

// Qt's back end plugins are "<name>mediaplugin" in the plugin folder "multimedia".
bool MediaBackendLoads(const std::string& name) {
  if (name.empty()) return true;
  QPluginLoader plugin(QStringLiteral("multimedia/%1mediaplugin").arg(QString::fromStdString(name)));
  return plugin.load();
}

void SetMediaTrialCommand(std::vector<std::string> command) { TrialCommand() = std::move(command); }

bool MediaPlayerUsable() {
  static std::optional<bool> usable;
  if (!usable) {
    usable = SettleMediaBackend() && (TrialCommand().empty() || MediaTrialSucceeds(TrialCommand()));
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
