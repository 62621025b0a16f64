// The modal dialogs on the offscreen platform: the tray description dialog (its
// caption, the 128-character edit field, OK and Cancel, and the text reaching the
// current tray through the tray pop-up's item).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "app/tray_dialog.h"
#include "main_window_fixture.h"

namespace quill::testing {
namespace {

template <typename T>
T* Find(const SkinnedDialog& dialog, const char* name) {
  return qobject_cast<T*>(dialog.Component(name));
}

// Types `text` into `widget` key by key, as the keyboard would.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
  }
}

// Runs `act` on the modal dialog of type D as soon as it is shown.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      act(*dialog);
    }
  });
  poll->start(10);
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

}  // namespace
}  // namespace quill::testing
