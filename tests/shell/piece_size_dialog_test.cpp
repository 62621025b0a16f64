// The piece size dialog on the offscreen platform, run for a playing 4 × 3 puzzle of
// 160 × 120 pixels (cells of 40): its components, captions and hints, the style
// buttons with their lamps and the preview, the scale check, Apply, OK, Cancel, the
// keyboard, the undo step, and the four commands that open it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <functional>

#include "../unit/move_fixture.h"
#include "app/indicator_lamp.h"
#include "app/piece_size_dialog.h"
#include "common/records.h"
#include "language_support.h"
#include "main_window_fixture.h"
#include "modal_helpers.h"
#include "accelerator_clashes.h"
#include "text_fit.h"
#include "pieces/lattice.h"

namespace quill::testing {
namespace {

const char* const kLamps[] = {"LEDClassic", "LEDBlip", "LEDSquare", "LEDStar", "LEDRound", "LEDMix"};
const char* const kStyleButtons[] = {"BtnClassic", "BtnBlip", "BtnSquare", "BtnStar", "BtnRound", "BtnMix"};

class PieceSizeDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    GiftHeader header = DefaultGiftHeader();
    header.RequestedCount = 12;
    header.Oddness = 3;
    window = OpenGift(header);
    window->resize(640, 480);
    StartPlaying(*window);
  }

  TJigsaw& Game() { return window->Game(); }
  PieceSizeDialog& Dialog() { return window->AuxForms()->PieceSizeDlg(); }
  // The dialog as "&Piece Size..." shows it, without waiting for it.
  PieceSizeDialog& Prepared() {
    Dialog().Prepare(Game(), nullptr);
    return Dialog();
  }
  template <typename T>
  T& Part(const char* name) {
    auto* part = qobject_cast<T*>(Dialog().Component(name));
    EXPECT_NE(part, nullptr) << name;
    return *part;
  }
  QScrollBar& Bar(const char* name) { return Part<QScrollBar>(name); }
  QString Text(const char* label) { return Part<QLabel>(label).text(); }
  bool LampOn(const char* lamp) { return Part<IndicatorLamp>(lamp).IsOn(); }
  int PieceWidth() { return Game().Piece(5).Width; }

  // Opens the dialog with the command `open` and runs `act` on it; `act` closes it.
  void RunDialog(const std::function<void()>& open, std::function<void(PieceSizeDialog&)> act) {
    host.SetQuiet(false);
    bool shown = false;
    WhenShown<PieceSizeDialog>([&shown, act](PieceSizeDialog& dialog) {
      shown = true;
      act(dialog);
    });
    open();
    host.SetQuiet(true);
    EXPECT_TRUE(shown) << "the dialog came up";
  }
  void Trigger(const char* item) { window->Menus().Action(item)->trigger(); }
  void Click(const char* button) { Part<QAbstractButton>(button).click(); }

  // The preview as the game draws it on an empty paint box.
  Bitmap ExpectedPreview(int scale, int style, int oddness) {
    Bitmap box(Dialog().Preview().Width(), Dialog().Preview().Height());
    Canvas canvas(box);
    canvas.Brush().Color = Dialog().Preview().PixelAt(0, 0);
    canvas.FillRect(box.Bounds());
    EXPECT_TRUE(Game().DrawShapePreview(&canvas, scale, style, oddness));
    return box;
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(PieceSizeDialogTest, ShowsItsComponentsWithTheirCaptionsAndHints) {
  PieceSizeDialog& dialog = Prepared();
  EXPECT_EQ(dialog.windowTitle(), "Set Piece Size and Shape");
  const struct {
    const char* Name;
    int Min, Max, Value, Small, Large;
  } bars[] = {{"ScrollBarScale", 10, 300, 100, 10, 20}, {"ScrollBarOdd", 0, 10, 3, 1, 1},
              {"ScrollBarCust", 0, 10, 0, 1, 1}};
  for (const auto& b : bars) {
    SCOPED_TRACE(b.Name);
    QScrollBar& bar = Bar(b.Name);
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.minimum(), b.Min);
    EXPECT_EQ(bar.maximum(), b.Max);
    EXPECT_EQ(bar.value(), b.Value);
    EXPECT_EQ(bar.singleStep(), b.Small);
    EXPECT_EQ(bar.pageStep(), b.Large);
  }
  EXPECT_EQ(Text("LabelScale"), "100%");
  EXPECT_EQ(Text("LabelOdd"), "3");
  EXPECT_EQ(Text("LabelCust"), "0%");
  QStringList captions;
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->objectName().isEmpty()) captions << label->text();
  EXPECT_TRUE(captions.contains("Oddness:"));
  EXPECT_TRUE(captions.contains("Fun pieces:"));

  const struct {
    const char* Name;
    QString Tip, Status;
  } hints[] = {
      {"PanelScale", "", "Set the size of pieces"},
      {"PanelOdd", "", "Set the amount of shape irregularity"},
      {"ScrollBarCust", "", "Set the percentage of custom pieces in jigsaw"},
      {"BtnClassic", "Classic", "The traditional jigsaw piece style"},
      {"BtnBlip", "Blip", "Straight edges and round tabs"},
      {"BtnSquare", "Squares", "Straight edges and no tabs"},
      {"BtnStar", "Stars", "Straight edges and pointed tabs"},
      {"BtnRound", "Bubbles", "Curved edges and no tabs"},
      {"BtnMix", "Mixture", "A random mixture of all the different styles"},
      {"ApplyBtn", "Apply changes", "Apply changes"},
      {"OKBtn", "", "Press OK to apply the new size"},
      {"HelpBtn", "Help on this screen", "Help on this screen"},
  };
  for (const auto& h : hints) {
    SCOPED_TRACE(h.Name);
    QWidget& part = Part<QWidget>(h.Name);
    EXPECT_EQ(part.toolTip(), h.Tip);
    EXPECT_EQ(part.statusTip(), h.Status);
  }
  for (const auto& [name, caption] : {std::pair{"ApplyBtn", "Apply"}, {"OKBtn", "OK"}, {"CancelBtn", "Cancel"}})
    EXPECT_EQ(Part<QAbstractButton>(name).text(), caption) << name;
  EXPECT_TRUE(Part<QAbstractButton>("HelpBtn").text().isEmpty()) << "only its glyph shows";
  EXPECT_TRUE(dialog.HelpButton().isHidden()) << "the main window hides it when it is first shown";
  EXPECT_TRUE(qobject_cast<QPushButton*>(&Part<QAbstractButton>("OKBtn"))->isDefault());
  // The gift's style is the Classic one.
  for (const char* lamp : kLamps) EXPECT_EQ(LampOn(lamp), lamp == std::string("LEDClassic")) << lamp;
  EXPECT_EQ(DifferingPixels(dialog.Preview(), ExpectedPreview(100, 1, 3)), 0);
}

TEST_F(PieceSizeDialogTest, StyleButtonLightsItsLampAndRedrawsThePreview) {
  PieceSizeDialog& dialog = Prepared();
  EXPECT_FALSE(dialog.Changed());
  for (int style = 6; style >= 1; --style) {
    SCOPED_TRACE(kStyleButtons[style - 1]);
    Click(kStyleButtons[style - 1]);
    EXPECT_EQ(dialog.SelectedStyle(), style);
    for (int lamp = 1; lamp <= 6; ++lamp) EXPECT_EQ(LampOn(kLamps[lamp - 1]), lamp == style) << kLamps[lamp - 1];
    EXPECT_EQ(DifferingPixels(dialog.Preview(), ExpectedPreview(100, style, 3)), 0);
    EXPECT_TRUE(dialog.Changed());
  }
  EXPECT_EQ(PuzzleRecord.PieceStyle, 1) << "nothing is applied yet";
}

// Cells of 40 at 100 %: at 20 % they are 8 pixels, the smallest that can be cut; at
// 10 % the scale bar goes back to the last scale accepted.
TEST_F(PieceSizeDialogTest, ScaleTooSmallToCutGoesBackToTheLastAccepted) {
  PieceSizeDialog& dialog = Prepared();
  QScrollBar& scale = Bar("ScrollBarScale");
  for (const auto& [set, shown] : {std::pair{150, 150}, {10, 150}, {20, 20}, {10, 20}, {300, 300}}) {
    SCOPED_TRACE(set);
    scale.setValue(set);
    EXPECT_EQ(scale.value(), shown);
    EXPECT_EQ(Text("LabelScale"), QString::number(shown) + "%");
    EXPECT_EQ(DifferingPixels(dialog.Preview(), ExpectedPreview(shown, 1, 3)), 0);
  }
  Bar("ScrollBarOdd").setValue(7);
  Bar("ScrollBarCust").setValue(4);
  EXPECT_EQ(Text("LabelOdd"), "7");
  EXPECT_EQ(Text("LabelCust"), "40%");
  EXPECT_EQ(PuzzleRecord.Scale, 100) << "nothing is applied yet";
}

// Apply cuts the pieces at once; Cancel afterwards puts the old size and shape back.
TEST_F(PieceSizeDialogTest, ApplyRecutsAndCancelAfterwardsRestoresTheOldSize) {
  const int oldWidth = PieceWidth();
  int appliedWidth = 0;
  std::string solvedApplied;
  RunDialog([&] { window->SpeedBar().Button("SpeedSize")->click(); },
            [&](PieceSizeDialog& dialog) {
              Bar("ScrollBarScale").setValue(150);
              Click("BtnStar");
              Click("ApplyBtn");
              EXPECT_EQ(PuzzleRecord.Scale, 150);
              EXPECT_EQ(PuzzleRecord.PieceStyle, 4);
              EXPECT_EQ(Game().Picture.Width(), 240);
              appliedWidth = PieceWidth();
              Game().Tick();
              solvedApplied = host.MainForm().Get("SolvedStatus").Text;
              EXPECT_FALSE(dialog.Changed());
              Click("CancelBtn");
            });
  EXPECT_GT(appliedWidth, oldWidth) << "the pieces were cut larger";
  EXPECT_EQ(solvedApplied, "Solved 0 of 12") << "the grid stays: only the pieces' size changes";
  EXPECT_EQ(PuzzleRecord.Scale, 100);
  EXPECT_EQ(PuzzleRecord.PieceStyle, 1);
  EXPECT_EQ(Game().Picture.Width(), 160);
  EXPECT_EQ(PieceWidth(), oldWidth);
}

// The keyboard moves the scale bar, which has the focus, and Enter is OK: the new
// size is applied. Undo of the size/shape step gives the old size back, redo the new.
TEST_F(PieceSizeDialogTest, KeyboardScaleAndEnterApplyAndUndoRedoTheStep) {
  const int oldWidth = PieceWidth();
  RunDialog([&] { Trigger("PieceSize"); },
            [&](PieceSizeDialog& dialog) {
              ASSERT_EQ(dialog.focusWidget(), &Bar("ScrollBarScale"));
              for (const int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Return}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(dialog.focusWidget(), &press);
              }
            });
  EXPECT_EQ(PuzzleRecord.Scale, 140) << "two small steps of 10 and a large one of 20";
  const int newWidth = PieceWidth();
  EXPECT_EQ(host.MainForm().Get("UndoItem").Hint, "Undo size/shape");
  Trigger("UndoItem");
  EXPECT_EQ(PuzzleRecord.Scale, 100);
  EXPECT_EQ(PieceWidth(), oldWidth);
  Trigger("RedoItem");
  EXPECT_EQ(PieceWidth(), newWidth);
}

TEST_F(PieceSizeDialogTest, EveryPieceSizeCommandOpensTheDialogWithAnUndoStep) {
  for (const char* name : {"PieceSize", "PieceSize1", "PieceSize2", "SpeedSize"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(host.MainForm().Get(name).Enabled) << "enabled while playing";
    const std::function<void()> open = std::string(name) == "SpeedSize"
                                           ? std::function<void()>([&] { window->SpeedBar().Button(name)->click(); })
                                           : std::function<void()>([&] { Trigger(name); });
    RunDialog(open, [](PieceSizeDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(host.MainForm().Get("UndoItem").Hint, "Undo size/shape");
    EXPECT_EQ(PuzzleRecord.Scale, 100);
  }
}

TEST_F(PieceSizeDialogTest, LongHintsGoToTheMainWindowsStatusLine) {
  Prepared();
  for (const auto& [name, status] :
       {std::pair{"PanelScale", "Set the size of pieces"}, {"BtnBlip", "Straight edges and round tabs"}}) {
    QWidget& part = Part<QWidget>(name);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&part, &enter);
    EXPECT_EQ(window->StatusLine().text(), status);
  }
}

// At 120 and 144 dots per inch the dialog grows, so every caption, value and button
// can still be read whole, in every language of the interface.
TEST_F(PieceSizeDialogTest, EveryTextFitsAt96120And144DotsPerInch) {
  for (const auto& [language, dpi] : LanguagesAndDpis()) {
    SCOPED_TRACE(::testing::Message() << dpi << " dpi in \"" << language << "\"");
    const LanguageScope scope(language);
    const FontDpi font(dpi);
    PieceSizeDialog dialog;
    dialog.Prepare(Game(), nullptr);
    qobject_cast<QScrollBar*>(dialog.Component("ScrollBarScale"))->setValue(300);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(CutTexts(dialog), std::vector<std::string>{});
  }
}

// In every language each scroll bar's label, check box and button has an Alt letter
// of its own.
TEST_F(PieceSizeDialogTest, EveryControlHasAnAltLetterOfItsOwnInEveryLanguage) {
  for (const char* language : kEveryLanguage) {
    SCOPED_TRACE(::testing::Message() << "in \"" << language << "\"");
    const LanguageScope scope(language);
    PieceSizeDialog dialog;
    dialog.Prepare(Game(), nullptr);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(ClashingAccelerators(dialog), std::vector<std::string>{});
  }
}

TEST_F(PieceSizeDialogTest, TheGiftsSkinLiesBehindTheDialog) {
  Bitmap skin(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) skin.SetPixel(x, y, MakeColour(uint8_t(60 * x), 90, uint8_t(60 * y)));
  Dialog().Prepare(Game(), &skin);
  const QImage shot = Dialog().grab().toImage();
  for (const QPoint at : {QPoint(1, 1), QPoint(6, 3)}) {
    const Colour expected = static_cast<Colour>(skin.PixelAt(at.x() % 4, at.y() % 4));
    EXPECT_EQ(shot.pixelColor(at), QColor(RedOf(expected), GreenOf(expected), BlueOf(expected)));
  }
}

}  // namespace
}  // namespace quill::testing
