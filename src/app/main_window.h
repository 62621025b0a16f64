// The main window (`TMainForm`): menus, the tool bar SpeedBar, the status
// line and the board PaintBox1, and the spine of the program: creating the game
// object, loading the gift when first shown, the start sequence on the first timer
// tick with the splash as loading and "Play..." screen, and the closing sequence
// with the exit splash. Created first by the program entry, or by a test with any
// gift file as its program path.
#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/aux_forms.h"
#include "app/board_widget.h"
#include "app/menu_binding.h"
#include "app/qt_host.h"
#include "app/splash_form.h"
#include "app/state_mirror.h"
#include "app/tool_bar.h"
#include "app/tray_bar_widget.h"
#include "game/jigsaw.h"

namespace quill {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // FormCreate: builds the window from the host's main form state and creates the
  // game object, which reads its gift from `programPath`.
  MainWindow(QtHost& host, std::string programPath, QWidget* parent = nullptr);
  // FormDestroy.
  ~MainWindow() override;

  // The entry's steps after creating the window: the splash form, shown at once as
  // the loading screen, then the auxiliary windows.
  SplashForm& CreateSplashForm();
  void CreateAuxiliaryForms();

  bool Playing() const { return FPlaying; }
  TJigsaw& Game() { return *game_; }
  SplashForm* Splash() const { return splash_; }
  MenuBinding& Menus() { return *menus_; }
  ToolButtonRow& SpeedBar() { return speedBar_->Row(); }
  TrayBarRow& BoxBar() { return boxBar_->Row(); }
  BoardWidget& PaintBox1() { return *board_; }
  QLabel& StatusLine() { return *statusLine_; }
  QTimer& Timer() { return FTimer; }
  int DockSize() const { return FDockSize; }
  int GhostLevel() const { return FGhostLevel; }
  AuxiliaryForms* AuxForms() const { return auxForms_.get(); }
  SpeedBarWidget& SpeedBarDock() { return *speedBar_; }
  TrayBarWidget& BoxBarDock() { return *boxBar_; }

 protected:
  void showEvent(QShowEvent* event) override;   // FormShow, the first time
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool event(QEvent* event) override;            // hints into the status line
  bool eventFilter(QObject* watched, QEvent* event) override;  // bars docked
  void keyPressEvent(QKeyEvent* event) override;   // FormKeyDown: the mouse help line
  void keyReleaseEvent(QKeyEvent* event) override;  // FormKeyUp

 private:
  void BuildMenus();
  void BuildStatusLine();
  void ConnectCommands();
  void ConnectTrayCommands();
  void RouteBoardInput();
  void CreateGame();

  // ---- Commands (main_commands.cpp) ----
  // Connects a menu item; a tick item's own tick is put back first, so the handler
  // flips it as its command decides (questions may stop it).
  void OnItem(const char* name, std::function<void()> handler);
  void OnTickItem(const char* name, std::function<void()> handler);
  // A tool button's click runs `handler`.
  void OnButton(const char* name, std::function<void()> handler);
  // Before a command: the game's running glide or flash is completed (the hint's
  // own items excepted).
  void CompleteGameAnimation(const std::string& command);
  void ConnectToolButtons();
  void ConnectViewCommands();
  void ConnectOptionCommands();
  void ConnectCheatCommands();
  void ConnectSolvingAids(const std::function<void(const char*, std::function<void()>)>& onPlaying);
  void ConnectUndoCommands();
  void ConnectArrangeCommands();
  // The tray description, quick help, about and piece size dialogs.
  void ConnectDialogCommands();
  void TrayRenameClick();
  void PieceSizeClick();
  void ShowStatusHintsOfPopups();
  void FlipTick(const char* name);
  void BarsToggle(const char* item, const char* bar);
  // The preview commands ask to leave Mystery mode first; false when the user stays.
  bool LeaveMysteryToPreview();
  void PictureClick();
  void LoupeClick();
  void GhostClick();
  void ZoomClick();
  void GhostBtnChange(int step);
  void UpdateGhostButtons(int level);
  void MysteryClick();
  void SoundClick(bool on);
  void MusicClick(bool on);
  void RotationClick();
  void CheatingClick();
  void ShowColorPopup();
  void Restart1Click();
  // Deletes the saved game file before a restart; joins here with the saved game.
  void DeleteSavedGame();
  // A bar dragged to another edge: its Align follows the area it was docked in.
  void SyncBarDock(QToolBar& bar, const std::string& name, bool swapSizes);
  static ShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
  void FormCreate();
  void HideUnofferedCommands();
  void FormShow();
  void CheckMusicDevice();
  void Timer1Timer();
  void RunStartSequence();
  // Builds the puzzle and starts play, from the saved game when resume is set and
  // there is one (true).
  bool StartGame(bool resume);
  void RestartFromScratch();
  void StartMusic();
  void ShowSplashAsWelcome(bool resumed);
  void ArrangeSplashWithCheckBox(const std::string& caption);
  void SetSplashButtonsEnabled(bool enabled);
  // The closing sequence; false when the user goes back to the game because the
  // position could not be saved.
  bool FormClose();
  // The exit splash with the closing message and "Save game..."; true when the game
  // is to be saved.
  bool AskToSaveOnExit();
  // Saves the position; when that fails, asks whether to close without it. False
  // when the user goes back to the game.
  bool SaveBeforeClosing();
  void FormDestroy();
  // Runs a step; an exception it raises goes to the application's handler.
  void Guarded(const std::function<void()>& step);

  QtHost& host_;
  std::string programPath_;
  std::unique_ptr<MenuBinding> menus_;
  SpeedBarWidget* speedBar_ = nullptr;
  TrayBarWidget* boxBar_ = nullptr;
  BoardWidget* board_ = nullptr;
  QLabel* statusLine_ = nullptr;
  std::unique_ptr<StateMirror> statusMirror_;
  QPointer<SplashForm> splash_;
  std::unique_ptr<AuxiliaryForms> auxForms_;
  std::unique_ptr<TJigsaw> game_;

  QTimer FTimer;
  int FDockSize = 0;
  bool FPlaying = false;
  bool FSolving = false;  // an auto-solve runs below the event loop
  int FGhostLevel = 5;
  bool FirstTick = true;
  ShiftState FLastShift;
  bool shown_ = false;
  std::map<QString, std::function<void()>> toolCommands_;
};

}  // namespace quill
