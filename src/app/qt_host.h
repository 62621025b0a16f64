// The window system as the game code sees it (Host), on Qt: the main window's and
// the splash form's component states, message boxes and questions, desktop colours,
// a private temporary folder, the screen depth, the music file and the skin picture.
// Created by the program entry (or a test) before the main window, which uses it.
#pragma once
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/ui_state.h"

class QTemporaryDir;
class QWidget;

namespace quill {

class BoardWidget;

// The title of the program's message boxes and questions.
inline constexpr const char* kProgramTitle = "Quillmere Gift";

class QtHost : public Host {
 public:
  QtHost();
  ~QtHost() override;

  UiState& MainForm() override { return mainForm_; }
  UiState& SplashForm() override { return *splashForm_; }
  // Replaces the splash form's state by a fresh design-time one, as a newly
  // created splash form has it; returns it.
  UiState& NewSplashForm();

  void ShowMessage(const std::string& text, MessageKind kind) override;
  bool AskYesNo(const std::string& question) override;
  Colour SystemColour(int index) override;
  std::string PrivateTempDirectory() override;
  int ScreenColourDepth() override;
  void SetMusicFile(const std::string& path) override { musicFile_ = path; }
  void SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) override;

  // The board: repaints of the board widget, its cursor, the pointer on it.
  void InvalidateBoard(const Rect& rect, bool now) override;
  void SetCursor(CursorShape shape) override;
  Point PointerOnBoard() override;
  Rect FormRectOnBoard(const Rect& rect) override;
  void RepaintStatus() override;
  // The game's animations: a precise timer calls the tick handler every
  // kAnimationTickMs while they run, and is stopped otherwise, so the program idles
  // between frames and after the last.
  void WantAnimationTicks(bool on) override;
  void SetAnimationTickHandler(std::function<void()> handler) { tickHandler_ = std::move(handler); }
  bool AnimationTicking() const { return animationTimer_.isActive(); }
  static constexpr int kAnimationTickMs = 10;
  // Paints with QPainter straight into the 24-bit bitmap's rows (other formats are
  // left as they are).
  void DrawText(Bitmap& target, const Rect& clip, int x, int y, const std::string& text, const FontState& font,
                Colour background) override;
  bool ShiftHeld() override;
  bool CtrlHeld() override;
  bool LeftButtonHeld() override;
  void ShowPopupMenu(const std::string& menu, Point boardPoint) override;
  // The main window shows its pop-up menus through this.
  void SetPopupHandler(std::function<void(const std::string&, Point)> handler) { popupHandler_ = std::move(handler); }
  int TextWidth(const std::string& text) override;
  void ShowCongratulations(const std::string& status) override;
  void ShowZoomedPicture(const Bitmap& picture) override;
  bool AskOkCancel(const std::string& question) override;
  ChoiceAnswer AskYesNoCancel(const std::string& question) override;
  ChoiceAnswer AskYesNoCancelAll(const std::string& question) override;
  bool ChooseColour(Colour& colour) override;

  // The widget that shows the board bitmap (PaintBox1); board rectangles and points
  // go through its mapping to device pixels.
  void SetBoardWidget(BoardWidget* board);

  // The application's handler for an error that stopped an operation: the text in
  // a message box and on standard error.
  void ReportError(const std::string& text) { ShowMessage(text, MessageKind::Error); }

  // Shows a dialog modally and returns its result. In quiet mode nothing is shown
  // and the dialog counts as closed with Esc (Rejected).
  int RunModal(QDialog& dialog);

  // Quiet mode, for tests: message boxes go to standard error only, questions are
  // answered No, modal dialogs are not shown.
  void SetQuiet(bool quiet) { quiet_ = quiet; }
  // Quiet mode answers every question with this (No unless set; Yes counts as OK),
  // and keeps the questions asked.
  void SetQuietAnswer(ChoiceAnswer answer) { quietAnswer_ = answer; }
  const std::vector<std::string>& QuestionsAsked() const { return questionsAsked_; }
  bool Quiet() const { return quiet_; }

  // The window that message boxes belong to.
  void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

  const std::string& MusicFile() const { return musicFile_; }
  const Bitmap* SkinPicture() const { return skin_.get(); }
  int SkinToolbarHeight() const { return skinToolbarHeight_; }
  // The average colour of the skin's top band, as high as the tool bar; the button
  // face (a system colour) without a skin.
  Colour SkinColour() const { return skinColour_; }
  // Runs after the gift has handed over a skin (the main window applies it).
  void SetSkinHandler(std::function<void()> handler) { skinHandler_ = std::move(handler); }

 private:
  UiState mainForm_;
  std::unique_ptr<UiState> splashForm_;
  bool quiet_ = false;
  ChoiceAnswer quietAnswer_ = ChoiceAnswer::No;
  std::vector<std::string> questionsAsked_;
  // In quiet mode: notes the question and gives the quiet answer.
  ChoiceAnswer QuietAnswer(const std::string& question);
  QPointer<QWidget> dialogParent_;
  QPointer<BoardWidget> board_;
  std::string musicFile_;
  std::unique_ptr<QTemporaryDir> privateTemp_;  // made on first use
  std::unique_ptr<Bitmap> skin_;
  int skinToolbarHeight_ = 0;
  Colour skinColour_ = kSystemButtonFace;
  std::function<void()> skinHandler_;
  std::function<void(const std::string&, Point)> popupHandler_;
  std::function<void()> tickHandler_;
  QTimer animationTimer_;
};

}  // namespace quill
