// A window system with no windows: the forms' component states, messages kept in a
// list, no questions answered yes, and a private temporary folder. Serves the
// inspector, the fuzz targets and the unit tests, which run the core without Qt.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/host.h"

namespace quill {

class HeadlessHost : public Host {
 public:
  HeadlessHost();
  ~HeadlessHost() override;

  UiState& MainForm() override { return main_; }
  UiState& SplashForm() override { return splash_; }
  void ShowMessage(const std::string& text, MessageKind kind) override;
  bool AskYesNo(const std::string& question) override;
  Colour SystemColour(int index) override;
  std::string PrivateTempDirectory() override;
  int ScreenColourDepth() override { return 24; }
  void SetMusicFile(const std::string& path) override { musicFile = path; }
  void SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) override;

  // Gives the splash form its design-time state again, as a fresh form would have.
  void RecreateSplash();
  const std::filesystem::path& Temp() const { return temp_; }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  bool answerYes = false;
  bool tempAvailable = true;
  std::string musicFile = "unset";
  std::unique_ptr<Bitmap> skin;
  int skinToolbarHeight = 0;

 private:
  UiState main_;
  UiState splash_;
  std::filesystem::path temp_;
};

}  // namespace quill
