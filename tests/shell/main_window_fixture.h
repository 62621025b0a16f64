// A main window on the offscreen platform reading a gift made for the test: the
// splash and auxiliary forms made as the program entry makes them, modal screens and
// questions suppressed by the host's quiet mode.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "demo_scene.h"
#include "jpeg_writer.h"
#include "shell_support.h"

namespace quill::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetQuiet(true);
    ReportedErrors().clear();  // errors of tests run before in the same process
  }

  // A window reading the given gift, on the fixture's host or another.
  std::unique_ptr<MainWindow> Open(const std::filesystem::path& gift) { return Open(gift, host); }
  static std::unique_ptr<MainWindow> Open(const std::filesystem::path& gift, QtHost& on) {
    auto window = std::make_unique<MainWindow>(on, gift.string());
    window->CreateSplashForm();
    window->CreateAuxiliaryForms();
    return window;
  }

  // A gift of a small picture that the player can cut and lay out.
  std::filesystem::path MakeGift(const GiftHeader& header, GiftParts parts = {}) {
    if (parts.Picture.empty()) {
      Bitmap picture(160, 120, PixelFormat::Rgb24);
      PaintDemoScene(picture, 1);
      WriteJpeg(picture, 85, parts.Picture);
    }
    return MakeGiftFile(folder.Path(), header, std::move(parts));
  }
  std::unique_ptr<MainWindow> OpenGift(const GiftHeader& header, GiftParts parts = {}) {
    return Open(MakeGift(header, std::move(parts)));
  }

  // Shows the window and waits for the start sequence to finish.
  void StartPlaying(MainWindow& window) {
    window.show();
    ASSERT_TRUE(WaitUntil([&] { return window.Playing() && !window.Splash()->isVisible(); }));
  }

  QuillApplication& app = TestApplication();  // before any widget
  ScratchFolder folder;
  QtHost host;
};

}  // namespace quill::testing
