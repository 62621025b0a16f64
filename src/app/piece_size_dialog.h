// The piece size dialog (TPieceSizeDlg), "Set Piece Size and Shape": three scroll
// bars for the scale, the oddness and the share of fun pieces, six style buttons with
// their lamps, a live preview of one piece, and Apply, OK, Cancel and Help. It exists
// for the whole run (made by the program entry) and is run by "&Piece Size..." for
// the game object of the moment; Apply and OK cut that game's pieces anew.
#pragma once
#include <array>

#include "app/dialog_support.h"
#include "game/jigsaw.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace quill {

class IndicatorLamp;
class QtHost;
class ShapePreviewBox;

// The name the dialog gives piece style 1 (Classic) .. 6 (Mix), and its hint, in the
// interface's language.
std::string PieceStyleName(int style);
std::string PieceStyleHint(int style);

class PieceSizeDialog : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit PieceSizeDialog(QWidget* parent = nullptr);

  // Shows the dialog modally for `game` (FormShow first) and returns its result.
  int Run(QtHost& host, TJigsaw& game);
  // FormShow: the skin and colours, the scroll bars, labels and lamps from the puzzle
  // record, the preview; nothing changed yet. Run calls it; tests may call it alone.
  void Prepare(TJigsaw& game, const Bitmap* skin);

  // The chosen style, 1 Classic .. 6 Mix.
  int SelectedStyle() const { return style_; }
  bool Changed() const { return changed_; }
  QAbstractButton& HelpButton() const;
  // The preview as drawn, paint box pixels.
  const Bitmap& Preview() const;

 protected:
  bool event(QEvent* event) override;  // hints into the main window's status line

 private:
  QWidget* BuildScrollBars();
  QWidget* BuildStyleButtons();
  QWidget* BuildPreview();
  QLayout* BuildButtonRow();
  // The change handler of all three scroll bars: the preview of the scale, style and
  // oddness; a scale that cannot be cut sends the scale bar back to the last one
  // accepted.
  void ScrollBarScaleChange();
  void BtnPieceClick(int style);
  void ApplyBtnClick();
  void OKBtnClick();
  // The scroll bars, lamps and preview of the puzzle's present shape.
  void ShowPuzzleShape();
  void SelectStyle(int style);
  void ShowLabels();

  TJigsaw* game_ = nullptr;
  QScrollBar* scrollBarScale_ = nullptr;
  QScrollBar* scrollBarOdd_ = nullptr;
  QScrollBar* scrollBarCust_ = nullptr;
  QLabel* labelScale_ = nullptr;
  QLabel* labelOdd_ = nullptr;
  QLabel* labelCust_ = nullptr;
  std::array<QToolButton*, kMixStyle> styleButtons_{};
  std::array<IndicatorLamp*, kMixStyle> lamps_{};
  ShapePreviewBox* paintBox_ = nullptr;
  QPushButton* helpBtn_ = nullptr;
  int style_ = 1;
  bool changed_ = false;
  int lastAcceptedScale_ = 100;
};

}  // namespace quill
