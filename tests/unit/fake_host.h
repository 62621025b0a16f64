// A scripted stand-in for the window system: the forms' component states, a record
// of the messages shown, answers to questions, and a private temporary folder.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/form_layouts.h"
#include "ui/host.h"

namespace quill::testing {

class FakeHost : public Host {
 public:
  FakeHost() {
    DefineMainForm(main_);
    DefineSplashForm(splash_);
    temp_ = std::filesystem::temp_directory_path() /
            ("quill-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::create_directories(temp_);
  }
  ~FakeHost() override { std::filesystem::remove_all(temp_); }

  UiState& MainForm() override { return main_; }
  UiState& SplashForm() override { return splash_; }
  void ShowMessage(const std::string& text, MessageKind) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    return answerYes;
  }
  Colour SystemColour(int index) override { return 0x101010u * static_cast<Colour>(index % 16); }
  std::string TempDirectory() override { return tempAvailable ? temp_.string() + "/" : ""; }
  int ScreenColourDepth() override { return 24; }
  void SetMusicFile(const std::string& path) override { musicFile = path; }
  void SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) override {
    skin = std::move(picture);
    skinToolbarHeight = toolbarHeight;
  }

  // Gives the splash form its design-time state again, as a fresh form would have.
  void RecreateSplash() {
    splash_ = UiState();
    DefineSplashForm(splash_);
  }

  const std::filesystem::path& Temp() const { return temp_; }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  bool answerYes = true;
  bool tempAvailable = true;
  std::string musicFile = "unset";
  std::unique_ptr<Bitmap> skin;
  int skinToolbarHeight = 0;

 private:
  static inline int counter_ = 0;
  UiState main_;
  UiState splash_;
  std::filesystem::path temp_;
};

}  // namespace quill::testing
