// The splash form on the offscreen platform: it shows what the gift loader puts into
// its state, closes up the gap of an empty message, and closes with OK or Esc.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QGlyphRun>
#include <QTextBlock>
#include <QTextLayout>
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

struct ScriptMessage {
  const char* name;
  const char* text;  // UTF-8
  Qt::LayoutDirection direction;
};

class SplashScriptTest : public SplashFormTest, public ::testing::WithParamInterface<ScriptMessage> {};

// Glyph 0 of a font is the box it draws for a character it lacks.
int MissingGlyphs(const QTextDocument& document) {
  int missing = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (const QGlyphRun& run : block.layout()->glyphRuns())
      for (quint32 glyph : run.glyphIndexes()) missing += glyph == 0;
  return missing;
}

// Where the memo's ink lies across its width: the mean column of pixels that differ
// from the background, as a fraction of the width; -1 without ink.
double InkCentre(const QImage& image, const QColor& background) {
  double sum = 0;
  long count = 0;
  // Past the frame, short of the scroll bar.
  for (int y = 4; y < image.height() - 4; ++y)
    for (int x = 4; x < image.width() - 24; ++x)
      if (image.pixelColor(x, y) != background) sum += x, ++count;
  return count ? sum / count / image.width() : -1;
}

// A message in any script is drawn with real glyphs (letters the memo's font lacks
// come from the system's fonts), each paragraph in its own direction: left-aligned
// Arabic starts at the right edge.
TEST_P(SplashScriptTest, MessageIsDrawnInItsScriptAndDirection) {
  GiftFont font;
  font.Name = "Arial";
  font.Height = -18;
  ApplyMessage(GetParam().text, "clWhite", 0, font);
  auto* memo = static_cast<QTextEdit*>(splash.Component("Memo1"));
  EXPECT_EQ(memo->toPlainText(), QString::fromUtf8(GetParam().text));
  EXPECT_EQ(MissingGlyphs(*memo->document()), 0);
  const QTextBlock first = memo->document()->firstBlock();
  EXPECT_EQ(first.textDirection(), GetParam().direction);
  splash.show();
  const double centre = InkCentre(memo->grab().toImage(), Qt::white);
  ASSERT_GE(centre, 0) << "nothing drawn";
  if (GetParam().direction == Qt::RightToLeft) EXPECT_GT(centre, 0.5);
  else EXPECT_LT(centre, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SplashScriptTest,
    ::testing::Values(ScriptMessage{"Polish", "Wszystkiego najlepszego, \u0141ukasz!", Qt::LeftToRight},
                      ScriptMessage{"Russian", "\u0421 \u0434\u043D\u0451\u043C \u0440\u043E\u0436\u0434\u0435\u043D\u0438\u044F!",
                                    Qt::LeftToRight},
                      ScriptMessage{"Japanese", "\u304A\u8A95\u751F\u65E5\u304A\u3081\u3067\u3068\u3046", Qt::LeftToRight},
                      ScriptMessage{"Arabic", "\u0639\u064A\u062F \u0645\u064A\u0644\u0627\u062F \u0633\u0639\u064A\u062F",
                                    Qt::RightToLeft},
                      ScriptMessage{"Hebrew", "\u05D9\u05D5\u05DD \u05D4\u05D5\u05DC\u05D3\u05EA \u05E9\u05DE\u05D7", Qt::RightToLeft},
                      ScriptMessage{"Emoji", "\U0001F382 \U0001F389", Qt::LeftToRight}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SplashFormTest, EachParagraphTakesItsOwnDirection) {
  ApplyMessage("Sto lat!\n\u0639\u064A\u062F \u0645\u064A\u0644\u0627\u062F\n\n12 \u05E9\u05DE\u05D7", "clWhite", 2,
               GiftFont{});
  const auto* memo = static_cast<QTextEdit*>(splash.Component("Memo1"));
  std::vector<Qt::LayoutDirection> directions;
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    directions.push_back(block.textDirection());
    EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignHCenter);
  }
  EXPECT_EQ(directions, (std::vector<Qt::LayoutDirection>{Qt::LeftToRight, Qt::RightToLeft, Qt::LeftToRight,
                                                           Qt::RightToLeft}));
}

}  // namespace
}  // namespace quill::testing
