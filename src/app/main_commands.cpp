// The main window's commands: the menu items, tool buttons and shortcuts that toggle
// the options held in check marks, show the picture views, set the ghost picture's
// brightness, restart the jigsaw, show the dialogs, and the docking of the two bars.
#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "app/about_box.h"
#include "app/about_jig_dialog.h"
#include "app/bar_docking.h"
#include "app/main_window.h"
#include "app/quick_help_dialog.h"
#include "app/sounds.h"
#include "app/tray_dialog.h"
#include "app/window_placement.h"
#include "app/zoom_form.h"
#include "common/translate.h"
#include "ui/component_names.h"

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
  static const std::set<std::string> kLetBe{component::kHint1, component::kHint2, component::kSpeedHint};
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
  OnButton(component::kSpeedPicture, [this] { PictureClick(); });
  OnButton(component::kSpeedLoupe, [this] { LoupeClick(); });
  OnButton(component::kSpeedGhost, [this] { GhostClick(); });
  OnButton(component::kSpeedGhostOn, [this] { GhostBtnChange(+1); });
  OnButton(component::kSpeedGhostOff, [this] { GhostBtnChange(-1); });
  OnButton(component::kSpeedZoom, [this] { ZoomClick(); });
  OnButton(component::kSpeedColor, [this] { ShowColorPopup(); });
  // These two stay down while on; the click has already moved them.
  OnButton(component::kSpeedSound, [this, &form] { SoundClick(form.Get(component::kSpeedSound).Down); });
  OnButton(component::kSpeedMusic, [this, &form] { MusicClick(form.Get(component::kSpeedMusic).Down); });
}

void MainWindow::ConnectViewCommands() {
  BarsToggle(component::kToolbar, component::kSpeedBar);
  BarsToggle(component::kStatusbar, component::kStatusLine);
  BarsToggle(component::kTraybar, component::kBoxBar);
  OnTickItem(component::kPicture, [this] { PictureClick(); });
  OnTickItem(component::kLoupe, [this] { LoupeClick(); });
  OnTickItem(component::kGhostpicture, [this] { GhostClick(); });
  OnItem(component::kZoompicture, [this] { ZoomClick(); });
}

// The bar shows as long as its item is ticked; the board takes the room that is left
// (its resize refits the game's board).
void MainWindow::BarsToggle(const char* item, const char* bar) {
  OnItem(item, [this, item, bar] { host_.MainForm().SetVisible(bar, host_.MainForm().Checked(item)); });
}

void MainWindow::ConnectOptionCommands() {
  UiState& form = host_.MainForm();
  OnItem(component::kSound, [this, &form] { SoundClick(form.Checked(component::kSound)); });
  OnItem(component::kMusic, [this, &form] { MusicClick(form.Checked(component::kMusic)); });
  for (const auto& [item, panel] : {std::pair{component::kShowTimer, component::kTimerStatus},
                                    std::pair{component::kShowNum, component::kSolvedStatus}})
    OnItem(item, [this, &form, item, panel] {
      if (game_->IsPlaying()) form.SetVisible(panel, form.Checked(item));
    });
  OnTickItem(component::kRotation, [this] { RotationClick(); });
  OnTickItem(component::kMystery, [this] { MysteryClick(); });
  // SortByShape and SortByColor only carry their ticks, which the arrange commands read.
}

void MainWindow::ConnectCheatCommands() {
  OnItem(component::kAllowCheating, [this] { CheatingClick(); });
  auto onPlaying = [this](const char* name, std::function<void()> step) {
    OnItem(name, [this, step = std::move(step)] {
      if (FPlaying) step();
    });
  };
  // The piece under the pointer at the press that opened the menu is the game's FPiece.
  for (const char* name : {component::kFindPiece, component::kShowSolution})
    onPlaying(name, [this] { game_->FlashSolution(); });
  for (const char* name : {component::kFetchPiece, component::kSolvePiece})
    onPlaying(name, [this] { game_->SolveOnePiece(); });
  onPlaying(component::kShowNeighbor, [this] { game_->ShowNeighbour(); });
  onPlaying(component::kFetchNeighbor, [this] { game_->FetchNeighbour(); });
  ConnectSolvingAids(onPlaying);
}

// The auto-solve shows the speed dialog while it runs; the game's OnAutoSolveEnded
// hides it.
void MainWindow::ConnectSolvingAids(const std::function<void(const char*, std::function<void()>)>& onPlaying) {
  auto hint = [this] {
    if (FPlaying) game_->Hint();
  };
  for (const char* name : {component::kHint1, component::kHint2}) onPlaying(name, hint);
  OnButton(component::kSpeedHint, hint);
  onPlaying(component::kRightWayUp1, [this] { game_->AllRightWayUp(); });
  onPlaying(component::kRightWayUp2, [this] { game_->RightWayUp(); });
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
  for (const char* name : {component::kSolve1, component::kSolve2}) onPlaying(name, solve);
  if (QAction* popup = menus_->Action(component::kPopupPiece); popup && popup->menu())
    connect(popup->menu(), &QMenu::aboutToShow, this, [this] {
      if (game_) game_->PreparePiecePopup();
    });
}

// "&Undo" and "&Redo": the game enables them and names their steps in their hints.
void MainWindow::ConnectUndoCommands() {
  OnItem(component::kUndoItem, [this] {
    if (FPlaying) game_->UndoRedo(true);
  });
  OnItem(component::kRedoItem, [this] {
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
  for (const char* name :
       {component::kArrangeAtEdge, component::kArrangeAtEdge2, component::kArrangeAtEdgeT, component::kSpeedEdge})
    onPlaying(name, [this, &form, name] {
      game_->EdgeLayout(name, form.Checked(component::kSortByShape), form.Checked(component::kSortByColor));
    });
  for (const char* name :
       {component::kArrangeInGrid, component::kArrangeInGrid2, component::kArrangeInGridT, component::kSpeedGrid})
    onPlaying(name, [this, &form, name] {
      game_->GridLayout(name, form.Checked(component::kSortByShape), form.Checked(component::kSortByColor));
    });
  for (const char* name : {component::kDisarrange, component::kDisarrange2, component::kDisarrangeTray})
    onPlaying(name, [this, name] { game_->DisarrangePieces(name, false); });
  onPlaying(component::kRotateRight, [this] { game_->RotatePiece(1); });
  onPlaying(component::kRotateLeft, [this] { game_->RotatePiece(3); });
  onPlaying(component::kUnlock, [this] { game_->UnlockPiece(); });
  onPlaying(component::kSendToBack, [this] { game_->SendPieceToBack(); });
}

// ---- Dialogs ------------------------------------------------------------------------

void MainWindow::ConnectDialogCommands() {
  for (const char* name : {component::kTrayRename, component::kTrayRename1})
    OnItem(name, [this] {
      if (FPlaying) TrayRenameClick();
    });
  // Hidden until the game plays.
  OnItem(component::kHelpAboutJigItem, [this] { ShowAboutJigDialog(host_, this, PuzzleRecord, game_->Texts()); });
  OnItem(component::kHelpQuickItem, [this] { ShowQuickHelpDialog(host_, this); });
  OnButton(component::kSpeedHelp, [this] { ShowQuickHelpDialog(host_, this); });
  OnItem(component::kHelpAboutItem, [this] { ShowAboutBox(host_, this); });
  for (const char* name : {component::kPieceSize, component::kPieceSize1, component::kPieceSize2})
    OnItem(name, [this] { PieceSizeClick(); });
  OnButton(component::kSpeedSize, [this] { PieceSizeClick(); });
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
  if (!form.Checked(component::kMystery)) return true;
  if (!host_.AskYesNo(kPreviewInMysteryQuestion)) return false;
  form.SetChecked(component::kMystery, false);
  return true;
}

void MainWindow::PictureClick() {
  if (!LeaveMysteryToPreview()) return;
  FlipTick(component::kPicture);
  if (game_->IsPlaying() && auxForms_)
    auxForms_->OverlayForm().setVisible(host_.MainForm().Checked(component::kPicture));
}

// The loupe is no preview of the whole picture: Mystery mode does not ask.
void MainWindow::LoupeClick() {
  FlipTick(component::kLoupe);
  if (game_->IsPlaying() && auxForms_) auxForms_->LoupeForm().setVisible(host_.MainForm().Checked(component::kLoupe));
}

// The game redraws the backdrop at the next paint when the tick differs from the
// one it drew.
void MainWindow::GhostClick() {
  if (!LeaveMysteryToPreview()) return;
  FlipTick(component::kGhostpicture);
  board_->update();
}

void MainWindow::ZoomClick() {
  if (!LeaveMysteryToPreview()) return;
  if (game_->IsPlaying()) ShowZoomForm(host_, this, game_->Unscaled());
}

void MainWindow::MysteryClick() {
  UiState& form = host_.MainForm();
  const bool wasOn = form.Checked(component::kMystery);
  if (!host_.AskYesNo(wasOn ? kLeaveMysteryQuestion : kEnterMysteryQuestion)) return;
  form.SetChecked(component::kMystery, !wasOn);
  if (wasOn) return;
  // The overlay hides but keeps its tick; the ghost goes until the user asks for it.
  if (auxForms_) auxForms_->OverlayForm().hide();
  form.SetChecked(component::kGhostpicture, false);
  board_->update();
}

// ---- Ghost brightness ----------------------------------------------------------

// "+" (step 1) and "~" (step -1). A hidden ghost is shown first at the level it had.
void MainWindow::GhostBtnChange(int step) {
  UiState& form = host_.MainForm();
  if (form.Checked(component::kMystery)) return;
  if (!form.Checked(component::kGhostpicture)) {
    form.SetChecked(component::kGhostpicture, true);
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
  const bool ghostOffered = form.Get(component::kSpeedGhost).Enabled;
  form.SetEnabled(component::kSpeedGhostOff, ghostOffered && level > kDimmestGhost);
  form.SetEnabled(component::kSpeedGhostOn, ghostOffered && level < kBrightestGhost);
}

// ---- Options -------------------------------------------------------------------

void MainWindow::SoundClick(bool on) {
  UiState& form = host_.MainForm();
  form.SetChecked(component::kSound, on);
  form.SetDown(component::kSpeedSound, on);
  game_->SetSound(on);
}

void MainWindow::MusicClick(bool on) {
  UiState& form = host_.MainForm();
  form.SetChecked(component::kMusic, on);
  if (on)
    StartMusic();
  else if (MusicPlayer* player = MusicPlayer::Of(*this))
    player->Stop();
  form.SetDown(component::kSpeedMusic,
               form.Checked(component::kMusic));  // StartMusic unticks it for a gift without music
}

// The game asks what to do with turned pieces and says whether rotation is on now.
void MainWindow::RotationClick() {
  UiState& form = host_.MainForm();
  form.SetChecked(component::kRotation, game_->SetRotating(!form.Checked(component::kRotation), kRightWayUpQuestion));
}

void MainWindow::CheatingClick() { game_->SetCheating(host_.MainForm().Checked(component::kAllowCheating), true); }

void MainWindow::ShowColorPopup() {
  QAction* popup = menus_->Action(component::kColorPopup);
  QToolButton* button = speedBar_->Row().Button(component::kSpeedColor);
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
    if (watched == speedBar_) SyncBarDock(*speedBar_, component::kSpeedBar, false);
    if (watched == boxBar_) SyncBarDock(*boxBar_, component::kBoxBar, true);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SyncBarDock(QToolBar& bar, const std::string& name, bool swapSizes) {
  if (DockBar(host_.MainForm(), name, AlignOfArea(toolBarArea(&bar)), swapSizes) && &bar == boxBar_)
    boxBar_->Row().ReportGeometry();
}

void MainWindow::ShowStatusHintsOfPopups() {
  // Pop-up menus are windows of their own, so their items' hints are passed on here.
  for (const char* name : {component::kPopupPlay, component::kPopupPiece, component::kPopupTray,
                           component::kPopupTrayIcon, component::kColorPopup}) {
    QAction* popup = menus_->Action(name);
    if (!popup || !popup->menu()) continue;
    connect(popup->menu(), &QMenu::hovered, this, [this](QAction* item) {
      host_.MainForm().SetCaption(component::kStatusLine, item->statusTip().toStdString());
    });
  }
}

}  // namespace quill
