// The gift maker's window on the offscreen platform: the grid text and the cut
// preview follow the piece count and draw the player's own cut, the message
// previews look as the splash form shows the messages, and a gift written from the
// window carries every choice, or nothing is written and the error sits beside its
// field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "../../shell/accelerator_clashes.h"
#include "../../shell/language_support.h"
#include "../../shell/shell_support.h"
#include "../../shell/text_fit.h"
#include "app/qt_host.h"
#include "app/splash_form.h"
#include "common/colour_names.h"
#include "common/jpeg_decode.h"
#include "common/random.h"
#include "common/records.h"
#include "game/program_file.h"
#include "common/text_codec.h"
#include "game/gift_scan.h"
#include "game/gift_texts.h"
#include "headless_host.h"
#include "gift_maker.h"
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
    if (button->text() == "Ne&w shapes") button->click();
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

// Spins the event loop until `done` holds (or a generous limit passes, so a fault
// fails instead of hanging).
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return done();
}

// Each choice of stored size fits the picture as quillmere-wrap's --max-size and
// --keep-size do, says so, and the gift stores it so.
TEST_F(MakerWindowTest, TheStoredSizeChosenIsShownAndStored) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(3000, 2000))));
  struct Case {
    int Choice;
    const char* Shown;
    int Width, Height;
  };
  for (const Case& c : {Case{0, "1200 × 800", 1200, 800}, Case{1, "1620 × 1080", 1620, 1080},
                        Case{2, "2160 × 1440", 2160, 1440}, Case{3, "3000 × 2000", 3000, 2000}}) {
    window.Fitting().setCurrentIndex(c.Choice);
    EXPECT_TRUE(window.PictureSize().text().contains(QString::fromUtf8(c.Shown))) << window.PictureSize().text().toStdString();
    const std::string gift = (dir / "gift").string();
    ASSERT_TRUE(window.WriteGift(QString::fromStdString(gift))) << c.Choice;
    ProgramFile file(gift);
    const GiftHeader h = FindGiftHeader(file);
    const std::vector<uint8_t> stored = file.ReadBlock(h.PictureOffset, h.PictureSize);
    EXPECT_EQ(ReadJpegInfo(stored.data(), stored.size()), (JpegInfo{c.Width, c.Height, 3})) << c.Choice;
  }
}

// The size told before the gift is made is the size of the file made, as the
// settings change; a zip archive is told by its own size once made.
TEST_F(MakerWindowTest, TheGiftsSizeIsToldBeforeItIsMade) {
  EXPECT_EQ(window.EstimatedSize(), 0);
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(1600, 1200))));
  const std::string gift = (dir / "gift").string();
  for (const char* opening : {"", "A longer opening message that the header carries"}) {
    window.Opening().Text->setPlainText(opening);
    const int64_t told = window.EstimatedSize();
    ASSERT_TRUE(WaitFor([&] {
      return window.SizeText().text().contains(QString::fromStdString(ReadableSize(told)));
    })) << window.SizeText().text().toStdString();
    ASSERT_TRUE(window.WriteGift(QString::fromStdString(gift)));
    EXPECT_EQ(told, static_cast<int64_t>(fs::file_size(gift))) << opening;
  }
  const QString zip = QString::fromStdString((dir / "Garden.zip").string());
  ASSERT_TRUE(window.WriteGift(zip));
  GiftMadeDialog* made = window.ShowGiftMade();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->findChild<QLabel*>()->text().contains(
      QString::fromStdString(ReadableSize(static_cast<int64_t>(fs::file_size(zip.toStdString()))))));
  made->close();
}

// Where the portable player is installed, gifts carry it unless the person says
// otherwise: most recipients do not have Qt 6. Both sizes are told.
TEST_F(MakerWindowTest, GiftsRunAnywhereByDefaultWhereThePortablePlayerIsInstalled) {
  const fs::path portable = dir / "portable";
  std::ofstream(portable, std::ios::binary) << std::string(300000, 'p');
  MakerWindow both({player.string(), portable.string()});
  EXPECT_TRUE(both.Portable().isChecked());
  EXPECT_FALSE(window.Portable().isEnabled()) << "none installed";
  ASSERT_TRUE(both.OpenPicture(QString::fromStdString(Picture(640, 480))));
  EXPECT_TRUE(both.SizeText().text().contains("with everything it needs to run on any Linux computer"))
      << both.SizeText().text().toStdString();
  const int64_t told = both.EstimatedSize();
  const std::string gift = (dir / "gift").string();
  ASSERT_TRUE(both.WriteGift(QString::fromStdString(gift)));
  EXPECT_EQ(told, static_cast<int64_t>(fs::file_size(gift)));
  EXPECT_EQ(ReadWholeFile(gift).front(), 'p') << "the portable player was copied";
}

// What a gift cannot hold shows beside its field while typing, and goes once mended;
// a remembered text is checked when the next window opens.
TEST_F(MakerWindowTest, TextErrorsShowAsTypedAndGoWhenMended) {
  struct Case {
    const char* Name;
    std::function<void(const QString&)> Type;
    std::string Field;
    int TooLong;
  };
  const Case cases[] = {
      {"title", [&](const QString& text) { window.Title().setText(text); }, "Settings.Title", 300},
      {"closing message", [&](const QString& text) { window.Closing().Text->setPlainText(text); },
       "Settings.ClosingMessage", 5000},
  };
  for (const Case& c : cases) {
    c.Type(QString(c.TooLong, 'w'));
    EXPECT_TRUE(WaitFor([&] { return !window.ErrorOf(c.Field).isEmpty(); })) << c.Name;
    EXPECT_TRUE(window.ErrorOf(c.Field).contains(QString::number(c.TooLong) + " bytes of UTF-8")) << c.Name;
    const MakerWindow next({player.string(), ""});
    EXPECT_FALSE(next.ErrorOf(c.Field).isEmpty()) << c.Name << ": a remembered text is checked at start";
    c.Type("Snow");
    EXPECT_TRUE(WaitFor([&] { return window.ErrorOf(c.Field).isEmpty(); })) << c.Name;
  }
}

// Make gift with a fault shows the tab of the field at fault, with the cursor in it.
TEST_F(MakerWindowTest, TheFieldAtFaultIsShownAndFocused) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  window.Tabs().setCurrentIndex(0);
  window.Closing().Text->setPlainText(QString(5000, 'w'));
  EXPECT_FALSE(window.WriteGift(QString::fromStdString((dir / "gift").string())));
  EXPECT_EQ(window.Tabs().tabText(window.Tabs().currentIndex()), "M&essages");
  EXPECT_EQ(window.focusWidget(), window.Closing().Text);
}

// The font the box shows is the font the gift names and the preview draws.
TEST_F(MakerWindowTest, TheFontStoredIsTheFontShown) {
  const MessageControls& opening = window.Opening();
  const std::string shown = opening.Font->currentText().toStdString();
  EXPECT_EQ(window.Request("unused").Settings.OpeningFont.Name, shown);
  EXPECT_EQ(opening.Preview->Memo().font().family().toStdString(), shown);
}

// Everything typed is written as it changes: a session that ends without closing its
// window (a crash) leaves it for the next.
TEST_F(MakerWindowTest, SettingsAreKeptAsTheyChange) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  window.Title().setText("Garden");
  window.Opening().Text->setPlainText("Happy birthday");
  window.Fitting().setCurrentIndex(2);
  window.PieceCount().setValue(250);
  window.Language().setCurrentIndex(window.Language().findText("Nederlands"));
  const MakerWindow next({player.string(), ""});
  EXPECT_EQ(next.Language().currentText(), "Nederlands");
  EXPECT_EQ(next.Title().text(), "Garden");
  EXPECT_EQ(next.Opening().Text->toPlainText(), "Happy birthday");
  EXPECT_EQ(next.Fitting().currentIndex(), 2);
  EXPECT_EQ(next.PieceCount().value(), 250);
  MakerWindow third({player.string(), ""});
  third.OpenLastPicture();
  EXPECT_EQ(third.Request("unused").PicturePath, (dir / "picture.png").string());
}

// The sender may fix the language the gift speaks; by default it fixes none and the
// recipient's computer chooses. The choice is kept for the next window, and the
// dialog of the gift made names it.
TEST_F(MakerWindowTest, TheGiftSpeaksTheLanguageChosen) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  EXPECT_EQ(window.Language().currentIndex(), 0) << "the recipient's own by default";
  struct Case {
    const char* Shown;  // as the choice names it; null: the default
    const char* Stored;
  };
  for (const Case& c : {Case{"Polski", "pl"}, Case{"Portugu\u00EAs (Brasil)", "pt_BR"}, Case{"English", "en"},
                        Case{nullptr, ""}}) {
    SCOPED_TRACE(c.Stored);
    const int index = c.Shown ? window.Language().findText(QString::fromUtf8(c.Shown)) : 0;
    ASSERT_GE(index, 0);
    window.Language().setCurrentIndex(index);
    const std::string gift = (dir / "gift").string();
    ASSERT_TRUE(window.WriteGift(QString::fromStdString(gift)));
    EXPECT_EQ(ReadGiftLanguage(gift), c.Stored);
    const MakerWindow next({player.string(), ""});
    EXPECT_EQ(next.Language().currentIndex(), index);
    GiftMadeDialog* made = window.ShowGiftMade();
    ASSERT_NE(made, nullptr);
    const QString saved = made->findChild<QLabel*>()->text();
    if (c.Shown) {
      EXPECT_TRUE(saved.contains(QString::fromUtf8(c.Shown))) << saved.toStdString();
    } else {
      EXPECT_FALSE(saved.contains("Language")) << saved.toStdString();
    }
    EXPECT_EQ(made->Text().toPlainText(), SendingText("gift", c.Stored)) << "the text to send speaks as the gift";
    made->close();
  }
}

// Expects `problems` to find none on each tab of the shown window and on the dialog
// of the gift made; each finding names the tab or the dialog.
template <typename Problems>
void ExpectNoneOnEveryTabAndTheGiftMade(MakerWindow& shown, const QString& zip, Problems problems) {
  shown.show();
  for (int i = 0; i < shown.Tabs().count(); ++i) {
    shown.Tabs().setCurrentIndex(i);
    QCoreApplication::processEvents();
    EXPECT_EQ(problems(shown), std::vector<std::string>{}) << shown.Tabs().tabText(i).toStdString();
  }
  shown.hide();
  GiftMadeDialog made({zip, 17 << 20, 40 << 20, "Polski"}, SendingText("Garden.zip"));
  made.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(problems(made), std::vector<std::string>{}) << "the gift made";
}

// The window and the dialog of the gift made speak every language of the interface,
// and at 96, 120 and 144 dots per inch every label, button and group title in them
// can be read whole, even on a 1366 × 768 screen: the tabs may scroll down, never
// across.
TEST_F(MakerWindowTest, EveryTextFitsInEveryLanguageAt96120And144DotsPerInch) {
  const QString zip = QString::fromStdString((dir / "Garden.zip").string());
  for (const auto& [language, dpi] : LanguagesAndDpis()) {
    SCOPED_TRACE(::testing::Message() << dpi << " dpi in \"" << language << "\"");
    const LanguageScope scope(language);
    const FontDpi font(dpi);
    MakerWindow shown({player.string(), player.string()});
    ASSERT_TRUE(shown.OpenPicture(QString::fromStdString(Picture(640, 480))));
    shown.FitTo(QRect(0, 0, 1366, 740));
    ExpectNoneOnEveryTabAndTheGiftMade(shown, zip, [](const QWidget& w) { return CutTexts(w); });
    if (*language) {
      EXPECT_NE(shown.Tabs().tabText(0), "&Picture") << "the window is translated";
      const GiftMadeDialog made({zip, 17 << 20, 40 << 20, ""}, SendingText("Garden.zip"));
      EXPECT_NE(made.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->text(), "&Close")
          << "Qt's own buttons are translated too";
    }
  }
}

// In every language each control of the shown tab, the tab titles, the buttons below
// them and the menu bar have Alt letters of their own, and so has the dialog of the
// gift made.
TEST_F(MakerWindowTest, EveryControlHasAnAltLetterOfItsOwnInEveryLanguage) {
  const QString zip = QString::fromStdString((dir / "Garden.zip").string());
  for (const char* language : kEveryLanguage) {
    SCOPED_TRACE(::testing::Message() << "in \"" << language << "\"");
    const LanguageScope scope(language);
    MakerWindow shown({player.string(), player.string()});
    ASSERT_TRUE(shown.OpenPicture(QString::fromStdString(Picture(640, 480))));
    ExpectNoneOnEveryTabAndTheGiftMade(shown, zip, [](const QWidget& w) { return ClashingAccelerators(w); });
  }
}

// The text to send says how to open the gift; it is copied whole and kept for the
// next session.
TEST_F(MakerWindowTest, TheTextToSendIsCopiedAndKept) {
  ASSERT_TRUE(window.OpenPicture(QString::fromStdString(Picture(320, 240))));
  ASSERT_TRUE(window.WriteGift(QString::fromStdString((dir / "Garden.zip").string())));
  GiftMadeDialog* made = window.ShowGiftMade();
  ASSERT_NE(made, nullptr);
  made->Text().appendPlainText("Love, Ann");
  made->Copy().click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), made->Text().toPlainText());
  made->close();
  const MakerWindow next({player.string(), ""});
  EXPECT_TRUE(next.LastSendingText().endsWith("Love, Ann"));
  EXPECT_TRUE(next.LastSendingText().contains("extract")) << next.LastSendingText().toStdString();
}

// The text to send speaks the language the gift fixes, whatever the window speaks;
// without one, the window's.
TEST(SendingText, SpeaksTheGiftsLanguage) {
  TestApplication();
  struct Case {
    const char* Window;
    std::string Gift;
    const char* Says;
  };
  for (const Case& c : {Case{"", "pl", "Zapisz Garden.zip"}, Case{"de", "pt_BR", "Salve Garden.zip"},
                        Case{"de", "en", "Save Garden.zip"}, Case{"de", "", "Speichern Sie Garden.zip"},
                        Case{"ru", "ja", "Сохраните Garden.zip"}}) {
    const LanguageScope scope(c.Window);
    const QString text = SendingText("Garden.zip", c.Gift);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.Says))) << c.Window << " " << c.Gift << ": " << text.toStdString();
  }
}

TEST(SendingText, TellsHowToOpenTheGift) {
  struct Case {
    const char* File;
    std::vector<const char*> Says;
    const char* NeverSays;
  };
  for (const Case& c : {Case{"Garden.zip", {"Save Garden.zip and extract it", "Double-click Garden", "Allow executing as program", "chmod +x Garden"}, nullptr},
                        Case{"Garden", {"Save Garden.", "Double-click it", "Allow executing as program"}, "extract"}}) {
    const QString text = SendingText(c.File);
    for (const char* part : c.Says) EXPECT_TRUE(text.contains(part)) << c.File << ": " << part;
    if (c.NeverSays) {
      EXPECT_FALSE(text.contains(c.NeverSays)) << c.File;
    }
  }
}

// The window fits a 1366 × 768 screen, and on a 1920 × 1080 one no tab scrolls.
TEST_F(MakerWindowTest, TheWindowFitsTheScreen) {
  struct Case {
    QRect Room;  // the screen less a panel
    bool TabsWhole;
  };
  for (const Case& c : {Case{QRect(0, 0, 1366, 740), false}, Case{QRect(0, 0, 1920, 1050), true}}) {
    window.FitTo(c.Room);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_LE(window.frameGeometry().width(), c.Room.width());
    EXPECT_LE(window.frameGeometry().height(), c.Room.height());
    if (!c.TabsWhole) continue;
    for (int i = 0; i < window.Tabs().count(); ++i) {
      window.Tabs().setCurrentIndex(i);
      QCoreApplication::processEvents();
      auto* area = static_cast<QScrollArea*>(window.Tabs().widget(i));
      EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << window.Tabs().tabText(i).toStdString();
      EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << window.Tabs().tabText(i).toStdString();
    }
  }
  window.hide();
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
