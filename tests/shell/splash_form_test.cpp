// The splash form on the offscreen platform: it shows what the gift loader puts into
// its state, closes up the gap of an empty message, and closes with OK or Esc.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include "app/glyph_button.h"
#include "app/qt_host.h"
#include "app/splash_form.h"
#include "game/jigsaw.h"
#include "shell_support.h"

namespace quill::testing {
namespace {

class SplashFormTest : public ::testing::Test {
 protected:
  // Where a component's bottom edge lies, in the form's coordinates.
  int BottomOf(const char* name) {
    const QWidget* widget = splash.Component(name);
    return widget->mapTo(&splash, QPoint(0, widget->height())).y();
  }

  void ApplyMessage(const std::string& text, const std::string& colourName, uint8_t alignment,
                    const GiftFont& font) {
    ApplyGiftMessage(host.SplashForm(), {text, colourName, alignment, font});
  }

  QuillApplication& app = TestApplication();  // before any widget
  QtHost host;
  SplashForm splash{host};
};

TEST_F(SplashFormTest, HasTheDesignedSizeAndProductName) {
  EXPECT_EQ(splash.size(), QSize(434, 414));
  const auto* product = static_cast<QLabel*>(splash.Component("Product"));
  EXPECT_EQ(product->text(), "Quillmere Gift");
  EXPECT_EQ(product->font().pixelSize(), 33);
  EXPECT_TRUE(product->font().bold() && product->font().italic());
  EXPECT_EQ(static_cast<QLabel*>(splash.Component("Copyrite"))->text().left(15), "Version 3.03.  ");
  const QPoint shadowOffset = splash.Component("ProductShad")->pos() - product->pos();
  EXPECT_EQ(shadowOffset, QPoint(2, 2));
}

TEST_F(SplashFormTest, MemoShowsTheMessageWithItsLook) {
  GiftFont font;
  font.Name = "Arial";
  font.Height = -18;
  font.Style = 2;
  font.Color = 0x800000;  // navy
  ApplyMessage("Hello\r\nthere", "clCream", 2, font);
  const auto* memo = static_cast<QTextEdit*>(splash.Component("Memo1"));
  EXPECT_EQ(memo->toPlainText(), "Hello\nthere");
  EXPECT_EQ(memo->font().pixelSize(), 18);
  EXPECT_TRUE(memo->font().italic());
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 0, 0x80));
  EXPECT_EQ(memo->document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_FALSE(memo->isHidden());
}

TEST_F(SplashFormTest, EmptyMessageShortensTheFormAndKeepsButtonsAtTheBottom) {
  const int memoHeight = host.SplashForm().Get("Memo1").Height;
  const int productTop = host.SplashForm().Get("Product").Top;
  const int okGap = splash.height() - BottomOf("OkBtn");
  const int webGap = splash.height() - BottomOf("WebBtn");
  const int giftLabBottom = BottomOf("GiftLab");

  ApplyMessage("", "clWhite", 0, GiftFont{});
  EXPECT_TRUE(splash.Component("Memo1")->isHidden());
  EXPECT_EQ(splash.height(), 414 - memoHeight - productTop);
  EXPECT_EQ(splash.Component("Panel1")->height(), splash.height());
  EXPECT_EQ(splash.height() - BottomOf("OkBtn"), okGap);
  EXPECT_EQ(splash.height() - BottomOf("WebBtn"), webGap);
  EXPECT_EQ(BottomOf("GiftLab"), giftLabBottom);  // above the memo nothing moves
}

TEST_F(SplashFormTest, PlayClosesWithOkAndEscWithCancel) {
  splash.show();
  static_cast<GlyphButton*>(splash.Component("OkBtn"))->click();
  EXPECT_EQ(splash.result(), QDialog::Accepted);
  EXPECT_FALSE(splash.isVisible());

  splash.show();
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&splash, &esc);
  EXPECT_EQ(splash.result(), QDialog::Rejected);
  EXPECT_FALSE(splash.isVisible());

  splash.show();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(&splash, &enter);
  EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST_F(SplashFormTest, CheckBoxAndButtonsFollowTheState) {
  UiState& state = host.SplashForm();
  auto* box = static_cast<QCheckBox*>(splash.Component("SaveResumeBox"));
  EXPECT_TRUE(box->isHidden());
  state.SetCaption("SaveResumeBox", "Resume game...");
  state.SetVisible("SaveResumeBox", true);
  EXPECT_FALSE(box->isHidden());
  EXPECT_TRUE(box->isChecked());
  box->click();
  EXPECT_FALSE(state.Checked("SaveResumeBox"));

  auto* ok = static_cast<GlyphButton*>(splash.Component("OkBtn"));
  EXPECT_EQ(ok->Place(), GlyphButton::GlyphPlace::Above);
  state.SetHeight("OkBtn", state.Get("OkBtn").Height * 4 / 6);
  EXPECT_EQ(ok->Place(), GlyphButton::GlyphPlace::Right);
  EXPECT_EQ(ok->height(), 25);

  state.SetEnabled("WebBtn", false);
  EXPECT_FALSE(splash.Component("WebBtn")->isEnabled());
  splash.BorrowExitButton();
  EXPECT_EQ(ok->text(), "Exit...");
}

}  // namespace
}  // namespace quill::testing
