// The modal dialogs on the offscreen platform: the tray description dialog (its
// caption, the 128-character edit field, OK and Cancel, the skin, and the text
// reaching the current tray through the tray pop-up's item); the about-this-jigsaw
// dialog (its texts, the memo's pop-up, a dark colour scheme); the quick help rows;
// the about box; and the menu items and tool button that open them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "app/about_box.h"
#include "app/about_jig_dialog.h"
#include "app/congrats_dialog.h"
#include "app/quick_help_dialog.h"
#include "app/splash_form.h"
#include "app/tray_dialog.h"
#include "app/web_site.h"
#include "main_window_fixture.h"
#include "modal_helpers.h"
#include "language_support.h"
#include "accelerator_clashes.h"
#include "text_fit.h"

namespace quill::testing {
namespace {

template <typename T>
T* Find(const SkinnedDialog& dialog, const char* name) {
  return qobject_cast<T*>(dialog.Component(name));
}

// ---- Tray description --------------------------------------------------------------

class TrayDialogTest : public ::testing::Test {
 protected:
  QuillApplication& app = TestApplication();  // before any widget
  TrayDialog dialog{"Edges", nullptr};
};

TEST_F(TrayDialogTest, ShowsTheDescriptionUnderItsPrompt) {
  EXPECT_EQ(dialog.windowTitle(), "Tray Description");
  EXPECT_EQ(dialog.objectName(), "TrayDlg");
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  ASSERT_NE(Find<QLabel>(dialog, "Label1"), nullptr);
  EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text(), "Enter a name or short description for tray:");
  EXPECT_EQ(Find<QLineEdit>(dialog, "Descrip")->text(), "Edges");
  for (const auto& [name, caption] : {std::pair{"OKBtn", "OK"}, {"CancelBtn", "Cancel"}, {"HelpBtn", "Help"}}) {
    ASSERT_NE(Find<QPushButton>(dialog, name), nullptr) << name;
    EXPECT_EQ(Find<QPushButton>(dialog, name)->text(), caption);
  }
}

TEST_F(TrayDialogTest, TypingStopsAt128Characters) {
  auto* descrip = Find<QLineEdit>(dialog, "Descrip");
  dialog.open();
  for (const int length : {127, 128, 129}) {
    SCOPED_TRACE(length);
    descrip->clear();
    TypeText(descrip, QString(length, 'x'));
    EXPECT_EQ(dialog.Description(), std::string(std::min(length, 128), 'x'));
  }
}

TEST_F(TrayDialogTest, EditFieldTakesTheFocusWhenShownAndOkAccepts) {
  dialog.open();
  EXPECT_EQ(dialog.focusWidget(), dialog.Component("Descrip"));
  EXPECT_TRUE(Find<QPushButton>(dialog, "OKBtn")->isDefault());
  Find<QPushButton>(dialog, "OKBtn")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TrayDialogTest, CancelRejects) {
  dialog.open();
  Find<QPushButton>(dialog, "CancelBtn")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(TrayDialogSkin, SkinIsTiledFromTheTopLeftCorner) {
  TestApplication();
  Bitmap skin(6, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) skin.SetPixel(x, y, MakeColour(uint8_t(40 * x), uint8_t(50 * y), 200));
  TrayDialog dialog("", &skin);
  const QImage shot = dialog.grab().toImage();
  for (const QPoint at : {QPoint(0, 0), QPoint(3, 2), QPoint(9, 7)}) {
    SCOPED_TRACE(::testing::Message() << at.x() << "," << at.y());
    const Colour expected = static_cast<Colour>(skin.PixelAt(at.x() % 6, at.y() % 5));
    EXPECT_EQ(shot.pixelColor(at), QColor(RedOf(expected), GreenOf(expected), BlueOf(expected)));
  }
}

class TrayRenameTest : public MainWindowTest {
 protected:
  // A playing window with one tray, the current one as its pop-up makes it.
  TBox& PlayWithTray() {
    window = OpenGift(DefaultGiftHeader());
    window->resize(640, 480);
    StartPlaying(*window);
    window->Game().AddTray();
    TBox& tray = window->Game().TrayNo(window->Game().TrayListCount() - 1);
    window->Game().SetCurrentTray(&tray);
    host.SetQuiet(false);  // the dialog is shown and answered below
    return tray;
  }

  // Opens the dialog by `item`, types `text` and closes it with `button`.
  void Rename(const char* item, const QString& text, const char* button) {
    WhenShown<TrayDialog>([text, button](TrayDialog& dialog) {
      auto* descrip = qobject_cast<QLineEdit*>(dialog.Component("Descrip"));
      descrip->selectAll();
      TypeText(descrip, text);
      qobject_cast<QPushButton*>(dialog.Component(button))->click();
    });
    window->Menus().Action(item)->trigger();
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(TrayRenameTest, OkGivesTheTextToTheCurrentTray) {
  TBox& tray = PlayWithTray();
  Rename("TrayRename", "Edges", "OKBtn");
  EXPECT_EQ(tray.Title(), "Tray 1: Edges");
  EXPECT_EQ(host.MainForm().Get(tray.ButtonName()).Hint, "Edges|");
}

TEST_F(TrayRenameTest, TheDialogStartsWithTheDescriptionAndCancelKeepsIt) {
  TBox& tray = PlayWithTray();
  Rename("TrayRename1", "Edges", "OKBtn");
  QString shown;
  WhenShown<TrayDialog>([&shown](TrayDialog& dialog) {
    shown = QString::fromStdString(dialog.Description());
    dialog.reject();
  });
  window->Menus().Action("TrayRename")->trigger();
  EXPECT_EQ(shown, "Edges");
  Rename("TrayRename1", "Corners", "CancelBtn");
  EXPECT_EQ(tray.Title(), "Tray 1: Edges");
}

// ---- About this jigsaw --------------------------------------------------------------

AboutDialogTexts SampleAboutTexts() {
  AboutDialogTexts texts;
  texts.TitleName = "Harbour at dusk";
  texts.CreatorName = "Ann";
  texts.Memo = "For your birthday.\nLove, Ann";
  texts.JigStatus = "You have solved 7 out of 35 pieces without cheating!";
  texts.CreationStats = "Created 01/02/24 by version 6.13 ";
  texts.PuzzleStats = "35 pieces 5x7, (540x670)";
  return texts;
}

class AboutJigDialogTest : public ::testing::Test {
 protected:
  QPlainTextEdit* Memo() { return Find<QPlainTextEdit>(dialog, "Memo1"); }
  QAction* PopupItem(const char* name) { return dialog.Popup().findChild<QAction*>(name); }
  // Opens and closes the memo's pop-up, as a right click would.
  void OpenPopup() {
    dialog.Popup().popup(QPoint(0, 0));
    dialog.Popup().close();
  }

  QuillApplication& app = TestApplication();  // before any widget
  AboutJigDialog dialog{SampleAboutTexts(), nullptr};
};

TEST_F(AboutJigDialogTest, ShowsThePuzzlesTextsUnderTheirCaptions) {
  EXPECT_EQ(dialog.windowTitle(), "About this jigsaw");
  const AboutDialogTexts texts = SampleAboutTexts();
  const std::pair<const char*, std::string> values[] = {{"TitleName", texts.TitleName},
                                                        {"CreatorName", texts.CreatorName},
                                                        {"CreationStats", texts.CreationStats},
                                                        {"PuzzleStats", texts.PuzzleStats},
                                                        {"JigStatus", texts.JigStatus}};
  for (const auto& [name, text] : values) {
    ASSERT_NE(Find<QLabel>(dialog, name), nullptr) << name;
    EXPECT_EQ(Find<QLabel>(dialog, name)->text().toStdString(), text) << name;
  }
  EXPECT_TRUE(Find<QLabel>(dialog, "JigStatus")->wordWrap());
  auto* information = Find<QGroupBox>(dialog, "GroupBox1");
  ASSERT_NE(information, nullptr);
  EXPECT_EQ(information->title(), "Information");
  QStringList captions;
  for (const QLabel* label : information->findChildren<QLabel*>())
    if (label->objectName().isEmpty()) captions << label->text();
  EXPECT_EQ(captions, QStringList({"Title:", "Creator:", "Info:", "Status:"}));
  EXPECT_EQ(Find<QGroupBox>(dialog, "GroupBox2")->title(), "Description");
  EXPECT_EQ(Memo()->toPlainText(), "For your birthday.\nLove, Ann");
  EXPECT_TRUE(Memo()->isReadOnly());
  EXPECT_EQ(Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(AboutJigDialogTest, WithoutADescriptionTheMemoIsEmpty) {
  AboutDialogTexts texts = SampleAboutTexts();
  texts.Memo.reset();
  AboutJigDialog bare(texts, nullptr);
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(bare.Component("Memo1"))->toPlainText().isEmpty());
}

TEST_F(AboutJigDialogTest, CopyIsGreyedUntilTextIsSelectedAndSelectAllSelectsEverything) {
  dialog.open();
  const std::pair<const char*, QString> items[] = {
      {"Copy1", "&Copy"}, {"Edit1", "&Edit..."}, {"SelectAll1", "Select &All"}};
  for (const auto& [name, caption] : items) {
    ASSERT_NE(PopupItem(name), nullptr) << name;
    EXPECT_EQ(PopupItem(name)->text(), caption);
  }
  EXPECT_EQ(PopupItem("Copy1")->statusTip(), "Copy the selected text to the Windows clipboard");
  OpenPopup();
  EXPECT_FALSE(PopupItem("Copy1")->isEnabled());

  PopupItem("SelectAll1")->trigger();
  EXPECT_EQ(Memo()->textCursor().selectedText(), QString("For your birthday.") + QChar::ParagraphSeparator + "Love, Ann");
  EXPECT_EQ(dialog.focusWidget(), Memo());
  OpenPopup();
  EXPECT_TRUE(PopupItem("Copy1")->isEnabled());
  QApplication::clipboard()->clear();
  PopupItem("Copy1")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "For your birthday.\nLove, Ann");
}

TEST(AboutJigDialogScheme, UnderADarkSchemeLabelsAndMemoTakeTheWindowTextColour) {
  TestApplication();
  const QPalette original = QApplication::palette();
  QPalette dark = original;
  dark.setColor(QPalette::Window, QColor(30, 30, 30));
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Text, QColor(200, 200, 120));
  QApplication::setPalette(dark);
  {
    AboutJigDialog dialog(SampleAboutTexts(), nullptr);
    dialog.open();
    for (const char* name : {"TitleName", "CreatorName", "JigStatus"})
      EXPECT_EQ(qobject_cast<QLabel*>(dialog.Component(name))->palette().color(QPalette::WindowText),
                QColor(230, 230, 230))
          << name;
    EXPECT_EQ(dialog.Component("Memo1")->palette().color(QPalette::Text), QColor(230, 230, 230));
  }
  QApplication::setPalette(original);
}

TEST(FixTextColours, BlackTextsFollowTheSchemeAndOthersKeepTheirColours) {
  TestApplication();
  QWidget form;
  auto* black = new QLabel("black", &form);
  auto* red = new QLabel("red", &form);
  for (const auto& [label, colour] : {std::pair{black, QColor(Qt::black)}, {red, QColor(Qt::red)}}) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
  }
  FixTextColors(form);
  EXPECT_EQ(black->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
  EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(Qt::red));
}

// ---- Quick help --------------------------------------------------------------------

struct HelpRowText {
  QString Group, Left, Right;
  bool operator==(const HelpRowText&) const = default;
};

// The dialog's rows group by group, each group's left column of rows before its right.
std::vector<HelpRowText> RowsShown(const QuickHelpDialog& dialog) {
  std::vector<HelpRowText> rows;
  for (const QGroupBox* group : dialog.Component("Groups")->findChildren<QGroupBox*>()) {
    const auto* grid = qobject_cast<QGridLayout*>(group->layout());
    for (int column = 0; column < grid->columnCount(); column += 2)
      for (int row = 0; row < grid->rowCount(); ++row) {
        const QLayoutItem* left = grid->itemAtPosition(row, column);
        const QLayoutItem* right = grid->itemAtPosition(row, column + 1);
        if (!left) continue;
        rows.push_back({rows.empty() || rows.back().Group != group->title() ? group->title() : "",
                        qobject_cast<QLabel*>(left->widget())->text(), qobject_cast<QLabel*>(right->widget())->text()});
      }
  }
  for (size_t i = 1; i < rows.size(); ++i)
    if (rows[i].Group.isEmpty()) rows[i].Group = rows[i - 1].Group;
  return rows;
}

TEST(QuickHelpDialogTest, ShowsEveryRowOfItsFourGroups) {
  TestApplication();
  const std::vector<HelpRowText> expected = {
      {"Mouse click over a piece:", "Left mouse", "Move piece"},
      {"Mouse click over a piece:", "Right mouse", "Piece popup menu"},
      {"Mouse click over a piece:", "Shift+left mouse", "Fetch neighbor"},
      {"Mouse click over a piece:", "Shift+right mouse", "Show neighbor"},
      {"Mouse click over a piece:", "Ctrl+left mouse", "Rotate piece left"},
      {"Mouse click over a piece:", "Ctrl+right mouse", "Rotate piece right"},
      {"Mouse click over a piece:", "Ctrl+Shift+left mouse", "Solve this piece"},
      {"Mouse click over a piece:", "Ctrl+Shift+right mouse", "Show piece solution"},
      {"Mouse click over a piece:", "Scroll wheel click", "Hold piece"},
      {"Mouse click over a piece:", "Scroll wheel rotate", "Rotate piece"},
      {"Mouse click over background:", "Left mouse", "Drag band to select pieces"},
      {"Mouse click over background:", "Right mouse", "Board popup menu"},
      {"Mouse click over ghost:", "Left mouse (hold 3 seconds)", "Move ghost around"},
      {"Mouse click over ghost:", "Ctrl+Shift+left mouse", "Fetch piece to ghost"},
      {"Mouse click over ghost:", "Ctrl+Shift+right mouse", "Find piece to fit ghost"},
      {"Keyboard:", "F1", "Help"},
      {"Keyboard:", "F2", "Zoom picture"},
      {"Keyboard:", "F3", "Picture window"},
      {"Keyboard:", "F4", "Loupe window"},
      {"Keyboard:", "F5", "Ghost background"},
      {"Keyboard:", "F8", "Advanced options"},
      {"Keyboard:", "Ctrl+S", "Save game"},
      {"Keyboard:", "Ctrl+F1", "Hint!"},
      {"Keyboard:", "Ctrl+Z", "Undo"},
      {"Keyboard:", "Ctrl+shift+Z", "Redo"},
  };
  QuickHelpDialog dialog(nullptr);
  const std::vector<HelpRowText> shown = RowsShown(dialog);
  ASSERT_EQ(shown.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].Left.toStdString());
    EXPECT_EQ(shown[i].Group, expected[i].Group);
    EXPECT_EQ(shown[i].Left, expected[i].Left);
    EXPECT_EQ(shown[i].Right, expected[i].Right);
  }
}

TEST(QuickHelpDialogTest, KeysStandInTwoColumnsAndOkSitsCentredUnderTheFirstGroup) {
  TestApplication();
  QuickHelpDialog dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Quick help - shortcuts");
  EXPECT_GE(dialog.width(), 428);
  EXPECT_GE(dialog.height(), 567);
  const QList<QGroupBox*> groups = dialog.Component("Groups")->findChildren<QGroupBox*>();
  ASSERT_EQ(groups.size(), 4);
  const auto* keys = qobject_cast<QGridLayout*>(groups[3]->layout());
  EXPECT_EQ(qobject_cast<QLabel*>(keys->itemAtPosition(5, 0)->widget())->text(), "F8");
  EXPECT_EQ(qobject_cast<QLabel*>(keys->itemAtPosition(0, 2)->widget())->text(), "Ctrl+S");

  dialog.open();
  auto* ok = Find<QPushButton>(dialog, "OKBtn");
  EXPECT_TRUE(ok->isVisible());
  EXPECT_FALSE(Find<QPushButton>(dialog, "MoreBtn")->isVisible());
  EXPECT_EQ(Find<QPushButton>(dialog, "MoreBtn")->text(), "More...");
  const int groupCentre = groups[0]->mapTo(&dialog, groups[0]->rect().center()).x();
  const QRect okBox(ok->mapTo(&dialog, QPoint(0, 0)), ok->size());
  EXPECT_LE(std::abs(okBox.center().x() - groupCentre), 1);
  EXPECT_GT(okBox.top(), dialog.Component("ScrollBox1")->geometry().bottom());
  EXPECT_LE(okBox.bottom(), dialog.height());
  ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// ---- About box ---------------------------------------------------------------------

class AboutBoxTest : public ::testing::Test {
 protected:
  // Laid out as it is shown.
  void SetUp() override { box.show(); }
  QLabel* Label(const char* name) { return Find<QLabel>(box, name); }

  QuillApplication& app = TestApplication();  // before any widget
  QtHost host;
  AboutBox box{host};
};

TEST_F(AboutBoxTest, ShowsTheProductNameOverItsShadow) {
  EXPECT_EQ(box.windowTitle(), "About Quillmere Gift");
  QLabel* name = Label("ProductName");
  QLabel* shadow = Label("ProductShad");
  ASSERT_TRUE(name && shadow);
  EXPECT_EQ(name->text(), "Quillmere Gift");
  EXPECT_EQ(shadow->text(), "Quillmere Gift");
  EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(shadow->pos() - name->pos(), QPoint(2, 2));
  const QObjectList& siblings = name->parent()->children();
  EXPECT_GT(siblings.indexOf(name), siblings.indexOf(shadow)) << "the name lies over its shadow";
  EXPECT_EQ(Label("Comment")->text(), "This is a free gift - not for retail sale or distribution.");
}

TEST_F(AboutBoxTest, TwoLineNoticeStartsHalfALineBelowTheVersion) {
  QLabel* version = Label("Version");
  QLabel* notice = Label("Copyright");
  ASSERT_TRUE(version && notice);
  EXPECT_EQ(version->text(), "Version 3.03");
  EXPECT_EQ(notice->y(), version->y() + 3 * version->height() / 2);
  EXPECT_EQ(notice->text().count('\n'), 1);
  EXPECT_GE(notice->height(), 2 * notice->fontMetrics().lineSpacing());
}

TEST_F(AboutBoxTest, WebLabIsABlueUnderlinedLinkAndOkCloses) {
  QLabel* link = Label("WebLab");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->text(), kProductWebSite);
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  box.open();
  Find<QPushButton>(box, "OKButton")->click();
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

// ---- Texts at the font sizes of common desktops -------------------------------------

// At 96 dots per inch the dialogs look as designed; at 120 and 144 they grow, so every
// text can still be read whole, in every language of the interface.
TEST(DialogTexts, EveryTextFitsAt96120And144DotsPerInch) {
  TestApplication();
  QtHost host;
  const std::string status =
      "You solved all 100 pieces in 12 minutes and 34 seconds by cheating 3 times! Can you do it faster?";
  const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
      {"about box", [&] { return std::make_unique<AboutBox>(host); }},
      {"quick help", [] { return std::make_unique<QuickHelpDialog>(nullptr); }},
      {"tray description", [] { return std::make_unique<TrayDialog>("Edges", nullptr); }},
      {"about this jigsaw", [] { return std::make_unique<AboutJigDialog>(SampleAboutTexts(), nullptr); }},
      {"congratulation", [&] { return std::make_unique<CongratsDialog>(status, nullptr); }},
      {"splash", [&] { return std::make_unique<SplashForm>(host); }},
  };
  for (const char* language : kEveryLanguage) {
    const LanguageScope scope(language);
    for (const int dpi : {96, 120, 144}) {
      const FontDpi font(dpi);
      for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(::testing::Message() << name << " at " << dpi << " dpi in \"" << language << "\"");
        const std::unique_ptr<QWidget> dialog = make();
        dialog->show();
        QCoreApplication::processEvents();  // the scroll box settles its scroll bar
        EXPECT_EQ(CutTexts(*dialog), std::vector<std::string>{});
        dialog->hide();
      }
    }
  }
}

// In every language each button, check box and field label of a dialog has an Alt
// letter of its own.
TEST(DialogTexts, EveryControlHasAnAltLetterOfItsOwnInEveryLanguage) {
  TestApplication();
  QtHost host;
  const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
      {"about box", [&] { return std::make_unique<AboutBox>(host); }},
      {"quick help", [] { return std::make_unique<QuickHelpDialog>(nullptr); }},
      {"tray description", [] { return std::make_unique<TrayDialog>("Edges", nullptr); }},
      {"about this jigsaw", [] { return std::make_unique<AboutJigDialog>(SampleAboutTexts(), nullptr); }},
      {"congratulation", [&] { return std::make_unique<CongratsDialog>("Solved", nullptr); }},
      {"splash", [&] { return std::make_unique<SplashForm>(host); }},
  };
  for (const char* language : kEveryLanguage) {
    const LanguageScope scope(language);
    for (const auto& [name, make] : dialogs) {
      SCOPED_TRACE(::testing::Message() << name << " in \"" << language << "\"");
      const std::unique_ptr<QWidget> dialog = make();
      dialog->show();
      QCoreApplication::processEvents();
      EXPECT_EQ(ClashingAccelerators(*dialog), std::vector<std::string>{});
      dialog->hide();
    }
  }
}

// ---- Opening them from the main window ---------------------------------------------

class DialogCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window = OpenGift(DefaultGiftHeader());
    window->resize(640, 480);
    StartPlaying(*window);
    host.SetQuiet(false);  // the dialogs are shown and closed below
  }

  // Runs `open` and reports whether a dialog of type D came up; `inspect` looks at it
  // before it is closed.
  template <typename D>
  bool Opens(const std::function<void()>& open, const std::function<void(D&)>& inspect = {}) {
    bool shown = false;
    WhenShown<D>([&shown, inspect](D& dialog) {
      shown = true;
      if (inspect) inspect(dialog);
      dialog.accept();
    });
    open();
    return shown;
  }
  void Trigger(const char* item) { window->Menus().Action(item)->trigger(); }

  std::unique_ptr<MainWindow> window;
};

TEST_F(DialogCommandsTest, HelpItemsAndTheHelpButtonOpenTheirDialogs) {
  EXPECT_TRUE(Opens<QuickHelpDialog>([&] { Trigger("HelpQuickItem"); }));
  EXPECT_TRUE(Opens<QuickHelpDialog>([&] { window->SpeedBar().Button("SpeedHelp")->click(); }));
  EXPECT_TRUE(Opens<AboutBox>([&] { Trigger("HelpAboutItem"); }));
}

TEST_F(DialogCommandsTest, AboutThisJigsawShowsThePlayedPuzzle) {
  EXPECT_TRUE(host.MainForm().Get("HelpAboutJigItem").Visible);
  QString title, status;
  EXPECT_TRUE(Opens<AboutJigDialog>([&] { Trigger("HelpAboutJigItem"); },
                                     [&](AboutJigDialog& dialog) {
                                       title = qobject_cast<QLabel*>(dialog.Component("TitleName"))->text();
                                       status = qobject_cast<QLabel*>(dialog.Component("JigStatus"))->text();
                                     }));
  EXPECT_EQ(title.toStdString(), AboutTexts(PuzzleRecord).TitleName);
  EXPECT_EQ(status.toStdString(), AboutTexts(PuzzleRecord).JigStatus);
  EXPECT_FALSE(status.isEmpty());
}

}  // namespace
}  // namespace quill::testing
