// The gift maker's window on the offscreen platform: the grid text and the cut
// preview follow the piece count and draw the player's own cut, the message
// previews look as the splash form shows the messages, and a gift written from the
// window carries every choice, or nothing is written and the error sits beside its
// field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "../../shell/shell_support.h"
#include "app/qt_host.h"
#include "app/splash_form.h"
#include "common/colour_names.h"
#include "common/random.h"
#include "common/records.h"
#include "game/program_file.h"
#include "common/text_codec.h"
#include "game/gift_scan.h"
#include "headless_host.h"
#include "maker_window.h"

namespace quill::testing {
namespace {

namespace fs = std::filesystem;

class MakerWindowTest : public ::testing::Test {
 protected:
  MakerWindowTest() {
    fs::create_directories(dir);
    std::ofstream(player, std::ios::binary) << "a player program";
  }
  ~MakerWindowTest() override { fs::remove_all(dir); }

  // A 4:3 picture with a gradient, so every part of the cut shows over something.
  std::string Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    const std::string path = (dir / "picture.png").string();
    image.save(QString::fromStdString(path));
    return path;
  }

  QuillApplication& app = TestApplication();
  fs::path dir = fs::temp_directory_path() / ("maker_window_" + std::to_string(::getpid()));
  fs::path player = dir / "player";
  // Each window starts from no remembered settings, in a folder of the test's own.
  bool isolated = [this] {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString((dir / "settings").string()));
    return true;
  }();
  MakerWindow window{{player.string(), ""}};
};

// Sides as comparable lists of points.
std::vector<std::vector<int>> Outlines(const std::function<void(const std::function<void(const PieceSides&)>&)>& each) {
  std::vector<std::vector<int>> result;
  each([&](const PieceSides& sides) {
    std::vector<int> points;
    for (const SidePoints& side : sides)
      for (int i = 0; i < side.Count; ++i) points.insert(points.end(), {side.Points[i].X, side.Points[i].Y});
    result.push_back(std::move(points));
  });
  return result;
}

TEST_F(MakerWindowTest, PieceCountSetsTheGridTextAndRedrawsThePreview) {
  // A 4:3 picture larger than the bound is stored at 1067 × 800.
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(1600, 1200))));
  window.resize(1000, 700);
  struct Case {
    int Count;
    const char* Grid;
  };
  for (const Case& c : {Case{972, "36 × 27 = 972 pieces"}, Case{100, "11 × 9 = 99 pieces"},
                        Case{2, "2 × 2 = 4 pieces"}}) {
    const QImage before = window.Preview().Image();
    window.PieceCount().setValue(c.Count);
    EXPECT_EQ(window.Grid().text().toStdString(), c.Grid) << c.Count;
    EXPECT_NE(window.Preview().Image(), before) << "the preview is redrawn for " << c.Count;
  }
}

TEST_F(MakerWindowTest, NewShapesAndStylesChangeTheCut) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(800, 600))));
  const QImage classic = window.Preview().Image();
  window.Style().setCurrentIndex(2);  // Squares
  EXPECT_EQ(window.Style().currentText(), "Squares");
  EXPECT_NE(window.Preview().Image(), classic);
  window.Style().setCurrentIndex(0);
  EXPECT_EQ(window.Preview().Image(), classic) << "the same seed gives the same cut";
  const int32_t seed = window.Seed();
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == "&New shapes") button->click();
  EXPECT_NE(window.Seed(), seed);
  EXPECT_NE(window.Preview().Image(), classic);
}

// The preview's outlines are the ones the player cuts from the written gift.
TEST_F(MakerWindowTest, PreviewCutsAsThePlayerCutsTheGift) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(1000, 640))));
  window.PieceCount().setValue(150);
  window.Style().setCurrentIndex(5);  // Mixture
  window.Oddness().setValue(8);
  const std::string gift = (dir / "gift").string();
  ASSERT_TRUE(window.WriteGift(QString::fromStdString(gift)));

  HeadlessHost host;
  TJigsaw game(host, gift);
  game.LoadGift();
  game.BuildPuzzle();
  const auto played = Outlines([&](const auto& each) {
    SetRandSeed(PuzzleRecord.Seed);
    game.GenerateOutlines([&](TFormPiece&, const PieceSides& sides) { each(sides); });
  });
  const auto previewed = Outlines([&](const auto& each) {
    ForEachCutOutline(window.Preview().Cut(), TTemplates(), [&](int, const PieceSides& sides) { each(sides); });
  });
  EXPECT_EQ(previewed.size(), static_cast<size_t>(PuzzleRecord.PieceCount));
  EXPECT_TRUE(previewed == played);
}

TEST_F(MakerWindowTest, MessagePreviewLooksAsTheSplashShowsTheMessage) {
  struct Case {
    const char* Text;
    int Alignment;
    bool Bold;
    Colour Background;
  };
  for (const Case& c : {Case{"Happy birthday!\nFrom all of us", 2, true, MakeColour(255, 251, 240)},
                        Case{"Left and plain", 0, false, MakeColour(200, 230, 255)},
                        Case{"Café crème, à bientôt", 1, false, MakeColour(255, 255, 255)},
                        Case{"Wszystkiego najlepszego, Łukasz!\nお誕生日おめでとう", 2, false, MakeColour(255, 255, 255)},
                        Case{"عيد ميلاد سعيد", 0, false, MakeColour(255, 255, 255)}}) {
    const MessageControls& opening = window.Opening();
    opening.Text->setPlainText(QString::fromUtf8(c.Text));
    opening.Alignment->setCurrentIndex(c.Alignment);
    opening.Bold->setChecked(c.Bold);
    opening.Background->SetValue(c.Background);
    opening.TextColour->SetValue(MakeColour(0, 0, 128));

    const GiftHeader settings = window.Request("unused").Settings;
    QtHost host;
    ApplyGiftMessage(host.SplashForm(), {settings.OpeningMessage, settings.OpeningColourName, settings.OpeningAlignment,
                                         settings.OpeningFont});
    SplashForm splash(host);
    QWidget* splashMemo = splash.Component("Memo1");
    QTextEdit& preview = opening.Preview->Memo();
    ASSERT_EQ(preview.size(), splashMemo->size()) << c.Text;
    const QImage previewed = preview.grab().toImage(), shown = splashMemo->grab().toImage();
    if (previewed != shown) {
      previewed.save(QString::fromStdString((fs::temp_directory_path() / "maker-preview.png").string()));
      shown.save(QString::fromStdString((fs::temp_directory_path() / "maker-splash.png").string()));
    }
    EXPECT_TRUE(previewed == shown) << c.Text;
  }
}

TEST_F(MakerWindowTest, WrittenGiftCarriesEveryChoice) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(1600, 1200))));
  window.PieceCount().setValue(300);
  window.Style().setCurrentIndex(3);
  window.Oddness().setValue(2);
  window.FunPieces().setValue(0);
  window.Rotation().setChecked(true);
  window.Outline().setCurrentIndex(window.Outline().count() - 1);
  window.Mystery().setChecked(true);
  window.BoardColour().SetValue(MakeColour(10, 120, 30));
  window.Title().setText("Garden, été");
  window.Creator().setText("Ann");
  window.Description().setPlainText("Two lines\nof words");
  window.Opening().Text->setPlainText("Hello");
  window.Opening().Italic->setChecked(true);
  window.Opening().Size->setValue(18);
  window.Opening().Alignment->setCurrentIndex(0);
  window.Closing().Text->setPlainText("Well done");
  window.Closing().Background->SetValue(MakeColour(255, 0, 0));
  const std::string gift = (dir / "gift").string();
  ASSERT_TRUE(window.WriteGift(QString::fromStdString(gift)));

  const GiftHeader h = FindGiftHeader(ProgramFile(gift));
  EXPECT_EQ(h.RequestedCount, 300);
  EXPECT_EQ(h.PieceStyle, 4);
  EXPECT_EQ(h.Oddness, 2);
  EXPECT_EQ(h.RotationOn, 1);
  EXPECT_EQ(h.OutlineIndex, window.Outline().count() - 1);
  EXPECT_EQ(h.MysteryMode, 1);
  EXPECT_EQ(h.BoardColour, MakeColour(10, 120, 30));
  EXPECT_EQ(h.Seed, window.Seed());
  EXPECT_EQ(Windows1252ToUtf8(h.Title), "Garden, été");
  EXPECT_EQ(h.CreatorName, "Ann");
  EXPECT_EQ(h.Description, "Two lines\r\nof words");
  EXPECT_EQ(h.OpeningMessage, "Hello");
  EXPECT_EQ(h.OpeningFont.Style, 2);
  EXPECT_EQ(h.OpeningFont.Height, -24) << "18 points at 96 dpi";
  EXPECT_EQ(h.OpeningAlignment, 0);
  EXPECT_EQ(h.ClosingMessage, "Well done");
  EXPECT_EQ(StringToColour(h.ClosingColourName), MakeColour(255, 0, 0));
  EXPECT_EQ(h.ClosingAlignment, 2);
  EXPECT_GT(h.PictureSize, 0);
}

TEST_F(MakerWindowTest, TheNextWindowStartsWithTheLastGiftsSettings) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  window.PieceCount().setValue(432);
  window.Style().setCurrentIndex(4);
  window.Mystery().setChecked(true);
  window.Opening().Text->setPlainText("See you soon");
  window.Opening().Alignment->setCurrentIndex(1);
  ASSERT_TRUE(window.WriteGift(QString::fromStdString((dir / "gift").string())));
  const MakerWindow next({player.string(), ""});
  EXPECT_EQ(next.PieceCount().value(), 432);
  EXPECT_EQ(next.Style().currentIndex(), 4);
  EXPECT_TRUE(next.Mystery().isChecked());
  EXPECT_EQ(next.Opening().Text->toPlainText(), "See you soon");
  EXPECT_EQ(next.Opening().Alignment->currentIndex(), 1);
}

TEST_F(MakerWindowTest, ErrorsShowBesideTheirFieldAndWriteNothing) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  const std::string gift = (dir / "gift").string();
  struct Case {
    const char* Name;
    std::function<void()> Break;
    std::string Output;
    std::string Field;
  };
  const Case cases[] = {
      {"text holding the header's marker", [&] { window.Title().setText("Snow $#GiftHdrStart#$"); }, gift,
       "Settings.Title"},
      {"message longer than a gift holds",
       [&] { window.Closing().Text->setPlainText(QString(2049, QChar(0x03A9))); }, gift, "Settings.ClosingMessage"},
      {"unwritable folder", [] {}, (dir / "missing" / "gift").string(), "OutputPath"},
  };
  for (const Case& c : cases) {
    window.Title().setText("Fine");
    window.Closing().Text->setPlainText("");
    c.Break();
    EXPECT_FALSE(window.WriteGift(QString::fromStdString(c.Output))) << c.Name;
    EXPECT_FALSE(window.ErrorOf(c.Field).isEmpty()) << c.Name;
    EXPECT_FALSE(fs::exists(c.Output)) << c.Name;
  }
  EXPECT_FALSE(window.OpenPicture(QString::fromStdString(player.string())));
  EXPECT_FALSE(window.ErrorOf("PicturePath").isEmpty());
}

// "Try it" keeps only the newest try in the cache: earlier gifts and the games saved
// beside them go, and a missing folder is made.
TEST(TryItGift, OnlyTheNewestTryStays) {
  const fs::path folder = fs::temp_directory_path() / ("try_it_" + std::to_string(::getpid())) / "try-it";
  EXPECT_EQ(NextTryItGift(QString::fromStdString(folder.string()), 5).toStdString(), (folder / "5-gift").string());
  ASSERT_TRUE(fs::is_directory(folder));
  for (const char* name : {"1-gift", "1-gift.sav", "7-gift", "7-gift.sav.partial-Ab12Cd"})
    std::ofstream(folder / name) << "an earlier try";
  EXPECT_EQ(NextTryItGift(QString::fromStdString(folder.string()), 9).toStdString(), (folder / "9-gift").string());
  EXPECT_TRUE(fs::is_empty(folder));
  fs::remove_all(folder.parent_path());
}

}  // namespace
}  // namespace quill::testing
