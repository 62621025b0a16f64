// The main window's commands: the menu items, tool buttons and shortcuts that toggle
// the options held in check marks, show the picture views, set the ghost picture's
// brightness, restart the jigsaw, show the dialogs, and the docking of the two bars.
#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QEvent>
#include <QMenu>
#include <QToolButton>
#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "app/bar_docking.h"
#include "app/main_window.h"
#include "app/sounds.h"
#include "app/tray_dialog.h"
#include "app/about_jig_dialog.h"
#include "app/quick_help_dialog.h"
#include "app/about_box.h"
#include "app/window_placement.h"
#include "app/zoom_form.h"
#include "common/translate.h"

namespace quill {
namespace {

constexpr const char* kPreviewInMysteryQuestion =
    TextMark("Messages",
             "You are in Mystery Mode and the picture is hidden!\n\nPress Yes to exit Mystery Mode and reveal the jigsaw.");
constexpr const char* kLeaveMysteryQuestion =
    TextMark("Messages", "Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.");
constexpr const char* kEnterMysteryQuestion =
    TextMark("Messages", "Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.");
constexpr const char* kRightWayUpQuestion =
    TextMark("Messages", "Press 'Yes' to turn all pieces the right way up.");
constexpr const char* kRestartQuestion =
    TextMark("Messages", "This will restart the jigsaw from scratch. Are you sure?");

constexpr int kDimmestGhost = 1;
constexpr int kBrightestGhost = 10;

// The auto-solve speed dialog's controls: the gauge of the share solved, the speed
// track bar (1 slow .. 10 fastest, 5 at first, its ends labelled "slow" and "fast")
// and "Stop!", which closes it.
struct SolveDialogControls {
  QProgressBar* Gauge = nullptr;
  QSlider* Speed = nullptr;
};

// Closing the speed dialog, by "Stop!" or otherwise, runs `onClose`.
class CloseWatcher : public QObject {
 public:
  CloseWatcher(QObject* parent, std::function<void()> onClose) : QObject(parent), onClose_(std::move(onClose)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) onClose_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onClose_;
};

// The controls are made inside the dialog's window the first time it is used.
SolveDialogControls SolveDialogOf(QWidget& dialog, const std::function<void()>& onClose) {
  SolveDialogControls controls{dialog.findChild<QProgressBar*>("SolveGauge"), dialog.findChild<QSlider*>("SpeedBar")};
  if (controls.Speed != nullptr) return controls;
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(6, 6, 6, 6);
  controls.Gauge = new QProgressBar(&dialog);
  controls.Gauge->setObjectName("SolveGauge");
  controls.Gauge->setToolTip(QCoreApplication::translate("SolveDialog", "Percentage complete"));
  controls.Gauge->setRange(0, 100);
  controls.Speed = new QSlider(Qt::Horizontal, &dialog);
  controls.Speed->setObjectName("SpeedBar");
  controls.Speed->setRange(1, 10);
  controls.Speed->setValue(5);
  auto* stop = new QPushButton(QCoreApplication::translate("SolveDialog", "Stop!"), &dialog);
  stop->setObjectName("OKBtn");
  QObject::connect(stop, &QPushButton::clicked, &dialog, &QWidget::close);
  auto* row = new QHBoxLayout;
  row->addWidget(controls.Gauge);
  row->addWidget(stop);
  layout->addLayout(row);
  layout->addWidget(controls.Speed);
  auto* ends = new QHBoxLayout;
  ends->addWidget(new QLabel(QCoreApplication::translate("SolveDialog", "slow"), &dialog));
  ends->addStretch();
  ends->addWidget(new QLabel(QCoreApplication::translate("SolveDialog", "fast"), &dialog));
  layout->addLayout(ends);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.installEventFilter(new CloseWatcher(&dialog, onClose));
  return controls;
}

}  // namespace

// A command completes the game's running glide or flash first (the game's rule for
// commands during an animation); a hint asked for again during its flash is let be
// by the game itself, so the hint items skip this.
void MainWindow::OnItem(const char* name, std::function<void()> handler) {
  if (QAction* action = menus_->Action(name))
    connect(action, &QAction::triggered, this, [this, name, handler = std::move(handler)] {
      Guarded([&] {
        CompleteGameAnimation(name);
        handler();
      });
    });
}

void MainWindow::CompleteGameAnimation(const std::string& command) {
  static const std::set<std::string> kLetBe{"Hint1", "Hint2", "SpeedHint"};
  if (game_ && !kLetBe.contains(command)) game_->CompleteAnimation();
}

void MainWindow::OnTickItem(const char* name, std::function<void()> handler) {
  OnItem(name, [this, name, handler = std::move(handler)] {
    FlipTick(name);  // undoes the tick the menu set by itself
    handler();
  });
}

void MainWindow::OnButton(const char* name, std::function<void()> handler) {
  toolCommands_[QString::fromLatin1(name)] = std::move(handler);
}

void MainWindow::FlipTick(const char* name) { host_.MainForm().SetChecked(name, !host_.MainForm().Checked(name)); }

void MainWindow::ConnectToolButtons() {
  UiState& form = host_.MainForm();
  OnButton("SpeedPicture", [this] { PictureClick(); });
  OnButton("SpeedLoupe", [this] { LoupeClick(); });
  OnButton("SpeedGhost", [this] { GhostClick(); });
  OnButton("SpeedGhostOn", [this] { GhostBtnChange(+1); });
  OnButton("SpeedGhostOff", [this] { GhostBtnChange(-1); });
  OnButton("SpeedZoom", [this] { ZoomClick(); });
  OnButton("SpeedColor", [this] { ShowColorPopup(); });
  // These two stay down while on; the click has already moved them.
  OnButton("SpeedSound", [this, &form] { SoundClick(form.Get("SpeedSound").Down); });
  OnButton("SpeedMusic", [this, &form] { MusicClick(form.Get("SpeedMusic").Down); });
}

void MainWindow::ConnectViewCommands() {
  BarsToggle("Toolbar", "SpeedBar");
  BarsToggle("Statusbar", "StatusLine");
  BarsToggle("Traybar", "BoxBar");
  OnTickItem("Picture", [this] { PictureClick(); });
  OnTickItem("Loupe", [this] { LoupeClick(); });
  OnTickItem("Ghostpicture", [this] { GhostClick(); });
  OnItem("Zoompicture", [this] { ZoomClick(); });
}

// The bar shows as long as its item is ticked; the board takes the room that is left
// (its resize refits the game's board).
void MainWindow::BarsToggle(const char* item, const char* bar) {
  OnItem(item, [this, item, bar] { host_.MainForm().SetVisible(bar, host_.MainForm().Checked(item)); });
}

void MainWindow::ConnectOptionCommands() {
  UiState& form = host_.MainForm();
  OnItem("Sound", [this, &form] { SoundClick(form.Checked("Sound")); });
  OnItem("Music", [this, &form] { MusicClick(form.Checked("Music")); });
  for (const auto& [item, panel] : {std::pair{"ShowTimer", "TimerStatus"}, std::pair{"ShowNum", "SolvedStatus"}})
    OnItem(item, [this, &form, item, panel] {
      if (game_->IsPlaying()) form.SetVisible(panel, form.Checked(item));
    });
  OnTickItem("Rotation", [this] { RotationClick(); });
  OnTickItem("Mystery", [this] { MysteryClick(); });
  // SortByShape and SortByColor only carry their ticks, which the arrange commands read.
}

void MainWindow::ConnectCheatCommands() {
  OnItem("AllowCheating", [this] { CheatingClick(); });
  auto onPlaying = [this](const char* name, std::function<void()> step) {
    OnItem(name, [this, step = std::move(step)] {
      if (FPlaying) step();
    });
  };
  // The piece under the pointer at the press that opened the menu is the game's FPiece.
  for (const char* name : {"FindPiece", "ShowSolution"}) onPlaying(name, [this] { game_->FlashSolution(); });
  for (const char* name : {"FetchPiece", "SolvePiece"}) onPlaying(name, [this] { game_->SolveOnePiece(); });
  onPlaying("ShowNeighbor", [this] { game_->ShowNeighbour(); });
  onPlaying("FetchNeighbor", [this] { game_->FetchNeighbour(); });
  ConnectSolvingAids(onPlaying);
}

// The auto-solve shows the speed dialog while it runs; the game's OnAutoSolveEnded
// hides it.
void MainWindow::ConnectSolvingAids(const std::function<void(const char*, std::function<void()>)>& onPlaying) {
  auto hint = [this] {
    if (FPlaying) game_->Hint();
  };
  for (const char* name : {"Hint1", "Hint2"}) onPlaying(name, hint);
  OnButton("SpeedHint", hint);
  onPlaying("RightWayUp1", [this] { game_->AllRightWayUp(); });
  onPlaying("RightWayUp2", [this] { game_->RightWayUp(); });
  auto solve = [this] {
    if (FSolving || !auxForms_) return;
    QWidget& dialog = auxForms_->SolveDlg();
    const SolveDialogControls controls = SolveDialogOf(dialog, [this] {
      if (game_) game_->StopAutoSolve();
    });
    controls.Gauge->setValue(0);
    PlaceView(dialog, *this, ViewPlace::OverBoardLeft);
    dialog.show();
    FSolving = true;
    game_->AutoSolve([speed = controls.Speed] { return speed->value(); },
                     [gauge = controls.Gauge](int32_t percent) { gauge->setValue(percent); });
    if (!game_->FAutoSolving) {
      FSolving = false;
      dialog.hide();
    }
  };
  for (const char* name : {"Solve1", "Solve2"}) onPlaying(name, solve);
  if (QAction* popup = menus_->Action("PopupPiece"); popup && popup->menu())
    connect(popup->menu(), &QMenu::aboutToShow, this, [this] {
      if (game_) game_->PreparePiecePopup();
    });
}

// "&Undo" and "&Redo": the game enables them and names their steps in their hints.
void MainWindow::ConnectUndoCommands() {
  OnItem("UndoItem", [this] {
    if (FPlaying) game_->UndoRedo(true);
  });
  OnItem("RedoItem", [this] {
    if (FPlaying) game_->UndoRedo(false);
  });
}

// The arranging commands get the invoking item's name (the tray pop-up's own items
// arrange that tray) and the ticks of the two sort options; the piece pop-up's
// commands act on the piece that was right-clicked.
void MainWindow::ConnectArrangeCommands() {
  UiState& form = host_.MainForm();
  const auto onPlaying = [this](const char* name, std::function<void()> step) {
    auto guarded = [this, step = std::move(step)] {
      if (FPlaying) step();
    };
    if (std::string_view(name).starts_with("Speed")) {
      OnButton(name, std::move(guarded));
    } else {
      OnItem(name, std::move(guarded));
    }
  };
  for (const char* name : {"ArrangeAtEdge", "ArrangeAtEdge2", "ArrangeAtEdgeT", "SpeedEdge"})
    onPlaying(name, [this, &form, name] {
      game_->EdgeLayout(name, form.Checked("SortByShape"), form.Checked("SortByColor"));
    });
  for (const char* name : {"ArrangeInGrid", "ArrangeInGrid2", "ArrangeInGridT", "SpeedGrid"})
    onPlaying(name, [this, &form, name] {
      game_->GridLayout(name, form.Checked("SortByShape"), form.Checked("SortByColor"));
    });
  for (const char* name : {"Disarrange", "Disarrange2", "DisarrangeTray"})
    onPlaying(name, [this, name] { game_->DisarrangePieces(name, false); });
  onPlaying("RotateRight", [this] { game_->RotatePiece(1); });
  onPlaying("RotateLeft", [this] { game_->RotatePiece(3); });
  onPlaying("Unlock", [this] { game_->UnlockPiece(); });
  onPlaying("SendToBack", [this] { game_->SendPieceToBack(); });
}

// ---- Dialogs ------------------------------------------------------------------------

void MainWindow::ConnectDialogCommands() {
  for (const char* name : {"TrayRename", "TrayRename1"})
    OnItem(name, [this] {
      if (FPlaying) TrayRenameClick();
    });
  // Hidden until the game plays.
  OnItem("HelpAboutJigItem", [this] { ShowAboutJigDialog(host_, this, PuzzleRecord, game_->Texts()); });
  OnItem("HelpQuickItem", [this] { ShowQuickHelpDialog(host_, this); });
  OnButton("SpeedHelp", [this] { ShowQuickHelpDialog(host_, this); });
  OnItem("HelpAboutItem", [this] { ShowAboutBox(host_, this); });
  for (const char* name : {"PieceSize", "PieceSize1", "PieceSize2"}) OnItem(name, [this] { PieceSizeClick(); });
  OnButton("SpeedSize", [this] { PieceSizeClick(); });
}

void MainWindow::PieceSizeClick() {
  if (!FPlaying || !auxForms_) return;
  PieceSizeDialog& dialog = auxForms_->PieceSizeDlg();
  game_->ChangePieceSize([this, &dialog] { return dialog.Run(host_, *game_) == QDialog::Accepted; });
}

// The current tray is the one whose pop-up menu was opened.
void MainWindow::TrayRenameClick() {
  if (const auto description = AskTrayDescription(host_, this, game_->TrayDescription()))
    game_->RenameTray(*description);
}

// ---- Picture views and Mystery mode -----------------------------------------------

bool MainWindow::LeaveMysteryToPreview() {
  UiState& form = host_.MainForm();
  if (!form.Checked("Mystery")) return true;
  if (!host_.AskYesNo(kPreviewInMysteryQuestion)) return false;
  form.SetChecked("Mystery", false);
  return true;
}

void MainWindow::PictureClick() {
  if (!LeaveMysteryToPreview()) return;
  FlipTick("Picture");
  if (game_->IsPlaying() && auxForms_) auxForms_->OverlayForm().setVisible(host_.MainForm().Checked("Picture"));
}

// The loupe is no preview of the whole picture: Mystery mode does not ask.
void MainWindow::LoupeClick() {
  FlipTick("Loupe");
  if (game_->IsPlaying() && auxForms_) auxForms_->LoupeForm().setVisible(host_.MainForm().Checked("Loupe"));
}

// The game redraws the backdrop at the next paint when the tick differs from the
// one it drew.
void MainWindow::GhostClick() {
  if (!LeaveMysteryToPreview()) return;
  FlipTick("Ghostpicture");
  board_->update();
}

void MainWindow::ZoomClick() {
  if (!LeaveMysteryToPreview()) return;
  if (game_->IsPlaying()) ShowZoomForm(host_, this, game_->Unscaled());
}

void MainWindow::MysteryClick() {
  UiState& form = host_.MainForm();
  const bool wasOn = form.Checked("Mystery");
  if (!host_.AskYesNo(wasOn ? kLeaveMysteryQuestion : kEnterMysteryQuestion)) return;
  form.SetChecked("Mystery", !wasOn);
  if (wasOn) return;
  // The overlay hides but keeps its tick; the ghost goes until the user asks for it.
  if (auxForms_) auxForms_->OverlayForm().hide();
  form.SetChecked("Ghostpicture", false);
  board_->update();
}

// ---- Ghost brightness ----------------------------------------------------------

// "+" (step 1) and "~" (step -1). A hidden ghost is shown first at the level it had.
void MainWindow::GhostBtnChange(int step) {
  UiState& form = host_.MainForm();
  if (form.Checked("Mystery")) return;
  if (!form.Checked("Ghostpicture")) {
    form.SetChecked("Ghostpicture", true);
  } else {
    const int level = std::clamp(FGhostLevel + step, kDimmestGhost, kBrightestGhost);
    UpdateGhostButtons(level);
    if (level == FGhostLevel) return;
    FGhostLevel = level;
    game_->GhostLevel = level;
  }
  board_->update();
}

void MainWindow::UpdateGhostButtons(int level) {
  UiState& form = host_.MainForm();
  level = std::clamp(level, kDimmestGhost, kBrightestGhost);
  const bool ghostOffered = form.Get("SpeedGhost").Enabled;
  form.SetEnabled("SpeedGhostOff", ghostOffered && level > kDimmestGhost);
  form.SetEnabled("SpeedGhostOn", ghostOffered && level < kBrightestGhost);
}

// ---- Options -------------------------------------------------------------------

void MainWindow::SoundClick(bool on) {
  UiState& form = host_.MainForm();
  form.SetChecked("Sound", on);
  form.SetDown("SpeedSound", on);
  game_->SetSound(on);
}

void MainWindow::MusicClick(bool on) {
  UiState& form = host_.MainForm();
  form.SetChecked("Music", on);
  if (on)
    StartMusic();
  else if (MusicPlayer* player = MusicPlayer::Of(*this))
    player->Stop();
  form.SetDown("SpeedMusic", form.Checked("Music"));  // StartMusic unticks it for a gift without music
}

// The game asks what to do with turned pieces and says whether rotation is on now.
void MainWindow::RotationClick() {
  UiState& form = host_.MainForm();
  form.SetChecked("Rotation", game_->SetRotating(!form.Checked("Rotation"), kRightWayUpQuestion));
}

void MainWindow::CheatingClick() { game_->SetCheating(host_.MainForm().Checked("AllowCheating"), true); }

void MainWindow::ShowColorPopup() {
  QAction* popup = menus_->Action("ColorPopup");
  QToolButton* button = speedBar_->Row().Button("SpeedColor");
  if (popup && popup->menu() && button) popup->menu()->popup(button->mapToGlobal(button->rect().center()));
}

// ---- Restart -------------------------------------------------------------------

void MainWindow::Restart1Click() {
  game_->StopAutoSolve();
  if (host_.AskYesNoCancel(kRestartQuestion) != ChoiceAnswer::Yes) return;
  // The new game starts also when the saved one cannot be removed (the user is told).
  DeleteSavedGame();
  // Board events wait until the new game plays; the board shows nothing of the old one.
  FPlaying = false;
  board_->ShowBitmap(nullptr);
  game_.reset();
  CreateGame();
  game_->LoadGift();
  StartGame(false);
}

void MainWindow::DeleteSavedGame() {
  game_->StopAutoSolve();
  game_->DeleteSavedGame();
}

// ---- Docking -------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
    if (watched == speedBar_) SyncBarDock(*speedBar_, "SpeedBar", false);
    if (watched == boxBar_) SyncBarDock(*boxBar_, "BoxBar", true);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SyncBarDock(QToolBar& bar, const std::string& name, bool swapSizes) {
  if (DockBar(host_.MainForm(), name, AlignOfArea(toolBarArea(&bar)), swapSizes) && &bar == boxBar_)
    boxBar_->Row().ReportGeometry();
}

void MainWindow::ShowStatusHintsOfPopups() {
  // Pop-up menus are windows of their own, so their items' hints are passed on here.
  for (const char* name : {"PopupPlay", "PopupPiece", "PopupTray", "PopupTrayIcon", "ColorPopup"}) {
    QAction* popup = menus_->Action(name);
    if (!popup || !popup->menu()) continue;
    connect(popup->menu(), &QMenu::hovered, this,
            [this](QAction* item) { host_.MainForm().SetCaption("StatusLine", item->statusTip().toStdString()); });
  }
}

}  // namespace quill
