// The maker's music preview: Play plays the chosen music through the player's own
// music output and turns into Stop until the music ends or is stopped. Run with a
// sound server (maker_music_preview_with_server) and without one, where it stays
// silent: the button never brings the window down.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "../../shell/shell_support.h"
#include "app/sounds.h"
#include "maker_window.h"
#include "sound_recording.h"

namespace quill::testing {
namespace {

namespace fs = std::filesystem;

class MusicPreviewTest : public ::testing::Test {
 protected:
  MusicPreviewTest() {
    std::ofstream(folder.Path() / "player", std::ios::binary) << "a player program";
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString((folder.Path() / "settings").string()));
    window = std::make_unique<MakerWindow>(MakerPlayers{(folder.Path() / "player").string(), ""});
    for (QLabel* label : window->findChildren<QLabel*>())
      if (label->text() == "M&usic:") music = qobject_cast<QLineEdit*>(label->buddy());
    for (QPushButton* button : window->findChildren<QPushButton*>())
      if (button->text() == "P&lay") play = button;
  }

  QuillApplication& app = TestApplication();
  ScratchFolder folder;
  std::unique_ptr<MakerWindow> window;
  QLineEdit* music = nullptr;
  QPushButton* play = nullptr;
};

// With a sound server the button reads Stop while the music plays and Play again once
// it is stopped or has ended; without one, or for a file that is no music, it stays
// Play.
TEST_F(MusicPreviewTest, PlayTurnsIntoStopWhileTheMusicPlays) {
  ASSERT_NE(music, nullptr);
  ASSERT_NE(play, nullptr);
  const fs::path tune = folder.Path() / "tune.wav";
  WriteToneWave(tune, 200, 100);
  const fs::path midi = folder.Path() / "tune.mid";
  WriteToneMidi(midi, 200, 100);
  const bool server = MusicCanPlay();

  music->setText(QString::fromStdString(midi.string()));
  play->click();
  EXPECT_EQ(play->text(), "P&lay") << "the player cannot decode MIDI";

  music->setText(QString::fromStdString(tune.string()));
  play->click();
  EXPECT_EQ(play->text(), server ? "S&top" : "P&lay");
  play->click();
  EXPECT_EQ(play->text(), "P&lay");

  play->click();
  EXPECT_TRUE(WaitUntil([&] { return play->text() == "P&lay"; }, 30000)) << "the tune has ended";
  window.reset();  // closing the window while the music plays
}

}  // namespace
}  // namespace quill::testing
