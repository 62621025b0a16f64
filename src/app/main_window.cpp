#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <array>
#include <cstdio>
#include <exception>

#include "app/cursors.h"
#include "app/qt_colours.h"
#include "app/skin.h"
#include "app/sounds.h"
#include "app/web_site.h"
#include "common/errors.h"
#include "common/start_marks.h"
#include "common/translate.h"
#include "game/progress.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

// Commands of the full game that this edition does not offer; hidden at start.
constexpr std::array kUnofferedCommands = {
    component::kAdvOptions,       component::kFileOpenItem,     component::kFileSaveItem,
    component::kFileSaveAsItem,   component::kFilePrintItem,    component::kFilePrintSetupItem,
    component::kFileSaveGiftItem, component::kFileDelete,       component::kTimelimit,
    component::kDemoItem,         component::kMoreTips,         component::kScreensaver,
    component::kWallpaper,        component::kHelpContentsItem, component::kHelpOrderItem,
    component::kHelpFAQ,          component::kHelpSearchItem,   component::kWhatsNewItem,
};
constexpr std::array kPopupMenus = {component::kPopupPlay, component::kPopupPiece, component::kPopupTray,
                                    component::kPopupTrayIcon, component::kColorPopup};
// Follows the reason a save at exit failed.
constexpr const char* kCloseUnsavedQuestion = TextMark("Messages",
                                                      "\n\nThe game has not been saved. Close the jigsaw without "
                                                      "saving it?\nChoose No to go back to the game.");

// The hourglass over every window for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(kHourglassCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs a function when the scope ends, also by an exception.
template <typename F>
class Finally {
 public:
  explicit Finally(F f) : f_(std::move(f)) {}
  ~Finally() { f_(); }
  Finally(const Finally&) = delete;
  Finally& operator=(const Finally&) = delete;

 private:
  F f_;
};

}  // namespace

MainWindow::MainWindow(QtHost& host, std::string programPath, QWidget* parent)
    : QMainWindow(parent), host_(host), programPath_(std::move(programPath)) {
  setObjectName(kMainFormName);
  host_.SetDialogParent(this);
  UiState& form = host_.MainForm();
  const ComponentState& self = form.Get(kMainFormName);
  resize(self.Width, self.Height);

  BuildMenus();
  speedBar_ = new SpeedBarWidget(form, component::kSpeedBar, this);
  addToolBar(Qt::TopToolBarArea, speedBar_);
  form.Update(component::kSpeedBar, [](ComponentState& c) { c.Align = ControlAlign::Top; });
  board_ = new BoardWidget(form, this);
  setCentralWidget(board_);
  host_.SetBoardWidget(board_);
  boxBar_ = new TrayBarWidget(form, this);
  addToolBar(Qt::BottomToolBarArea, boxBar_);
  boxBar_->Row().SetMenuRequest([this](const QPoint& point) {
    if (QAction* popup = menus_->Action(component::kPopupTrayIcon); popup && popup->menu()) popup->menu()->popup(point);
  });
  speedBar_->installEventFilter(this);
  boxBar_->installEventFilter(this);
  BuildStatusLine();
  host_.SetSkinHandler([this] { ApplySkin(*this, host_.SkinPicture(), host_.SkinColour()); });
  ConnectCommands();
  FormCreate();
  RouteBoardInput();
}

MainWindow::~MainWindow() { FormDestroy(); }

void MainWindow::BuildMenus() {
  menus_ = std::make_unique<MenuBinding>(host_.MainForm());
  menus_->BuildMenuBar(*menuBar(), component::kMainMenu);
  for (const char* popup : kPopupMenus)
    if (host_.MainForm().Has(popup)) menus_->BuildPopup(popup, this);
}

void MainWindow::BuildStatusLine() {
  UiState& form = host_.MainForm();
  statusMirror_ = std::make_unique<StateMirror>(form);
  statusLine_ = new QLabel(this);
  statusLine_->setObjectName(component::kStatusLine);
  statusBar()->addWidget(statusLine_, 1);
  statusMirror_->Watch(component::kStatusLine, [this](const ComponentState& c) {
    statusLine_->setText(ToQString(Shown(kMessagesContext, c.Caption)));
    statusBar()->setVisible(c.Visible);
  });
  for (const char* name : {component::kTimerStatus, component::kSolvedStatus}) {
    if (!form.Has(name)) continue;
    auto* panel = new QLabel(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    statusBar()->addPermanentWidget(panel);
    statusMirror_->Watch(name, [panel](const ComponentState& c) {
      panel->setText(ToQString(c.Text));
      panel->setAlignment(c.Alignment == TextAlignment::Right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
      panel->setStatusTip(ToQString(LongHint(Shown(kMainFormName, c.Hint))));
      panel->setMinimumWidth(c.Width);
      panel->setVisible(c.Visible);
    });
  }
  if (form.Has(component::kProgBar)) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(component::kProgBar);
    statusBar()->addPermanentWidget(bar);
    statusMirror_->Watch(component::kProgBar, [bar](const ComponentState& c) {
      bar->setValue(c.Tag);
      bar->setFixedWidth(c.Width);
      bar->setVisible(c.Visible);
    });
  }
}

void MainWindow::ConnectCommands() {
  connect(&speedBar_->Row(), &ToolButtonRow::Clicked, this, [this](const QString& name) {
    if (auto it = toolCommands_.find(name); it != toolCommands_.end())
      Guarded([&] {
        CompleteGameAnimation(name.toStdString());
        it->second();
      });
  });
  OnItem(component::kFileExitItem, [this] { close(); });
  OnItem(component::kRestart1, [this] { Restart1Click(); });
  OnItem(component::kWebLink, [this] { OpenWebPage(kProductWebSite, host_); });
  OnItem(component::kPurchaseFull, [this] { OpenWebPage(std::string(kProductWebSite) + kStorePage, host_); });
  ConnectTrayCommands();
  ConnectViewCommands();
  ConnectOptionCommands();
  ConnectCheatCommands();
  ConnectUndoCommands();
  ConnectArrangeCommands();
  ConnectDialogCommands();
  ConnectToolButtons();
  ShowStatusHintsOfPopups();
  // Options that change the picture of the board take effect at its next paint.
  const char* outlineItems[] = {component::kOutlinesNone, component::kOutlineFoil, component::kOutlinesPaper,
                                component::kOutlinesCard, component::kOutlinesWood};
  for (int style = 0; style <= kOutlineWood; ++style)
    OnItem(outlineItems[style], [this, style] {
      TickOutlineRadioItem(host_.MainForm(), style);
      host_.MainForm().SetTag(component::kOutlines, style);
      board_->update();
    });
  OnItem(component::kShadows, [this] { game_->SetShadows(host_.MainForm().Checked(component::kShadows)); });
  OnItem(component::kAntiAlias, [this] { game_->SetSmooth(host_.MainForm().Checked(component::kAntiAlias)); });
  OnItem(component::kAutoOutline, [this] { game_->SetAutoHide(host_.MainForm().Checked(component::kAutoOutline)); });
}

void MainWindow::ConnectTrayCommands() {
  auto onPlaying = [this](const char* name, auto handler) {
    if (QAction* action = menus_->Action(name))
      connect(action, &QAction::triggered, this, [this, handler] {
        if (FPlaying) Guarded(handler);
      });
  };
  onPlaying(component::kNewTray, [this] { game_->AddTray(); });
  OnButton(component::kSpeedNewBox, [this] {
    if (FPlaying) game_->AddTray();
  });
  const char* trayMenuItems[] = {
      component::kShowAllTrays,   component::kShowUsedTrays,   component::kShowUnusedTrays,
      component::kHideAllTrays,   component::kHideUsedTrays,   component::kHideUnusedTrays,
      component::kDeleteAllTrays, component::kDeleteUsedTrays, component::kDeleteUnusedTrays};
  for (int tag = 0; tag < 9; ++tag) onPlaying(trayMenuItems[tag], [this, tag] { game_->TraysCommand(tag); });
  onPlaying(component::kTraySelectAll, [this] { game_->SelectTrayPieces(); });
  onPlaying(component::kTrayToBack, [this] { game_->SendTrayToBack(); });
  onPlaying(component::kTrayDrop, [this] {
    game_->RecordUndoPoint(kUndoTrayOperation);
    game_->EmptyTray();
  });
  const char* getItems[] = {component::kTrayGetAll, component::kTrayGetEdge, component::kTrayGetMiddle,
                            component::kTrayGetFun};
  for (int kind = 1; kind <= 4; ++kind)
    onPlaying(getItems[kind - 1], [this, kind] {
      game_->RecordUndoPoint(kUndoTrayOperation);
      game_->GetPieces(kind);
    });
  for (const auto& items : TJigsaw::kTrayColourItems)
    for (int k = 0; k < kColourKinds; ++k)
      onPlaying(items[k], [this, kind = static_cast<ColourKind>(k)] { game_->SetTrayColour(kind); });
  for (const char* name : {component::kTrayDelete, component::kTrayDelete1})
    onPlaying(name, [this] {
      game_->RecordUndoPoint(kUndoTrayOperation);
      game_->RemoveTray();
    });
  for (const auto& items : TJigsaw::kBoardColourItems)
    for (int k = 0; k < kColourKinds; ++k)
      onPlaying(items[k], [this, kind = static_cast<ColourKind>(k)] { game_->SetBoardColour(kind); });
  onPlaying(component::kMoveGhost, [this] {
    if (LeaveMysteryToPreview()) game_->MoveGhost();  // it shows a hidden ghost
  });
}

// The board's events go to the game while it is played (the wheel at any time:
// the game checks that itself).
void MainWindow::RouteBoardInput() {
  board_->OnPress = [this](MouseButton button, int x, int y, Qt::MouseButtons held) {
    if (!FPlaying || ((held & Qt::LeftButton) && (held & Qt::RightButton))) return;
    Guarded([&] { game_->BoardMouseDown(button, x, y); });
  };
  board_->OnRelease = [this](MouseButton button, int x, int y) {
    if (FPlaying) Guarded([&] { game_->BoardMouseUp(button, x, y); });
  };
  board_->OnMove = [this](int x, int y, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    const ShiftState held = ShiftStateOf(modifiers, buttons);
    if (FPlaying) {
      Guarded([&] { game_->BoardMouseMove(x, y); });
      if (!(held == FLastShift)) Guarded([&] { game_->ShowMouseHelp(held); });
    }
    FLastShift = held;
  };
  board_->OnWheel = [this](int delta) { Guarded([&] { game_->BoardMouseWheel(delta); }); };
  board_->BeforePaint = [this] {
    if (FPlaying) Guarded([&] { game_->Paint(); });
  };
  host_.SetPopupHandler([this](const std::string& menu, Point boardPoint) {
    QAction* popup = menus_->Action(menu);
    if (popup && popup->menu()) popup->menu()->exec(board_->mapToGlobal(board_->WidgetPointOf(boardPoint)));
  });
  board_->OnResize = [this](int width, int height) {
    if (FPlaying) Guarded([&] {
        game_->CompleteAnimation();
        game_->FitBoard(width, height);
      });
  };
}

ShiftState MainWindow::ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  return {.Shift = modifiers.testFlag(Qt::ShiftModifier),
          .Ctrl = modifiers.testFlag(Qt::ControlModifier),
          .Alt = modifiers.testFlag(Qt::AltModifier),
          .AnyButton = buttons != Qt::NoButton};
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  QMainWindow::keyPressEvent(event);
  if (FPlaying) Guarded([&] { game_->ShowMouseHelp(ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons())); });
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  QMainWindow::keyReleaseEvent(event);
  if (FPlaying) Guarded([&] { game_->ShowMouseHelp(ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons())); });
}

// ---- Start-up -------------------------------------------------------------------

void MainWindow::FormCreate() {
  UiState& form = host_.MainForm();
  // The sounds object and the music player are the window's children, found by name.
  new TSounds(MakeWaveOutput(), this);
  new MusicPlayer(host_, [this] { return host_.MusicFile(); }, MakeMusicOutput(), this);
  FDockSize = form.Get(component::kSpeedBar).Height;
  form.SetCaption(kMainFormName, "Quillmere Gift");
  setWindowTitle(ToQString(form.Get(kMainFormName).Caption));
  FGhostLevel = 5;
  CreateGame();
  form.SetCaption(component::kWebLink, kProductWebSite);
  form.SetHint(component::kWebLink, "Visit the Quillmere web site");
  FTimer.setInterval(100);
  connect(&FTimer, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
  // The game's glides, flashes and auto-solve advance on the host's ticks; a modal
  // dialog holds them still, as it holds the user.
  host_.SetAnimationTickHandler([this] {
    if (!game_) {
      host_.WantAnimationTicks(false);
    } else if (!QApplication::activeModalWidget()) {
      Guarded([this] { game_->AnimationTick(); });
    }
  });
  HideUnofferedCommands();
}

void MainWindow::CreateGame() {
  game_ = std::make_unique<TJigsaw>(host_, programPath_);
  if (TSounds* sounds = TSounds::Of(*this)) game_->Config().SetSoundOutput(sounds->ConfigOutput());
  game_->GhostLevel = FGhostLevel;
  game_->Attended = [this] {
    const QWidget* active = QApplication::activeWindow();
    return IsAttended({.MainForm = active == this,
                       .AutoSolveDialog = auxForms_ && active == &auxForms_->SolveDlg(),
                       .Overlay = auxForms_ && active == &auxForms_->OverlayForm(),
                       .AutoSolving = FSolving,
                       .Application = active != nullptr});
  };
  game_->OnTrayButtonMenu = [this](TBox& tray) { game_->SetCurrentTray(&tray); };
  game_->OnAutoSolveEnded = [this] {
    FSolving = false;
    if (auxForms_) auxForms_->SolveDlg().hide();
  };
  game_->FitOverlayToPicture = [this](int32_t, int32_t) {
    if (auxForms_) auxForms_->OverlayForm().FitHeightToPicture();
  };
}

void MainWindow::HideUnofferedCommands() {
  UiState& form = host_.MainForm();
  form.SetVisible(component::kRestart1, true);
  for (const char* name : kUnofferedCommands) form.SetVisible(name, false);
  // SpeedPicture takes the place of SpeedOpen; the row keeps its spacing.
  const int shift = form.Get(component::kSpeedPicture).Left - form.Get(component::kSpeedOpen).Left;
  form.SetVisible(component::kSpeedOpen, false);
  form.SetVisible(component::kSpeedSave, false);
  for (const std::string& button : form.Children(component::kSpeedBar))
    form.Update(button, [shift](ComponentState& c) { c.Left -= shift; });
}

SplashForm& MainWindow::CreateSplashForm() {
  delete splash_;
  splash_ = new SplashForm(host_, this);
  // Play and the web link wait for the puzzle: the loading screen shows them greyed,
  // and a click there, which the busy start would drop, cannot look taken.
  SetSplashButtonsEnabled(false);
  splash_->show();
  return *splash_;
}

void MainWindow::CreateAuxiliaryForms() {
  auxForms_ = std::make_unique<AuxiliaryForms>(this, host_.MainForm());
  auxForms_->OverlayForm().SetPictureSource([this]() -> const Bitmap* { return FPlaying ? &game_->Picture : nullptr; });
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  Guarded([this] { FormShow(); });
}

void MainWindow::FormShow() {
  if (auxForms_) auxForms_->PieceSizeDlg().HelpButton().hide();
  try {
    game_->LoadGift();
    MarkStartStep("gift-loaded");
  } catch (...) {
    // No game: the empty window stays open until the user closes it.
    if (splash_) splash_->hide();
    throw;
  }
  if (splash_) {
    splash_->ApplySkin(host_.SkinPicture());
    // The puzzle is built at the first tick; it comes as soon as the loading screen
    // is on the screen, rather than a whole interval later.
    connect(
        splash_, &SplashForm::OnScreen, this,
        [this] {
          if (FirstTick) Guarded([this] { Timer1Timer(); });
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
  }
  FTimer.start();
}

void MainWindow::CheckMusicDevice() {
  UiState& form = host_.MainForm();
  if (MusicCanPlay()) {
    // Music this player cannot decode (an older gift's MIDI file) counts as none: off
    // without a word, and the message comes only when the user ticks Music.
    if (const MusicPlayer* player = MusicPlayer::Of(*this); player && !player->HasMusic()) {
      form.SetChecked(component::kMusic, false);
      form.SetDown(component::kSpeedMusic, false);
    }
    return;
  }
  form.SetChecked(component::kMusic, false);
  form.SetEnabled(component::kMusic, false);
  form.SetEnabled(component::kSpeedMusic, false);
  form.SetDown(component::kSpeedMusic, false);
}

void MainWindow::Timer1Timer() {
  if (!FirstTick) {
    if (FPlaying) game_->Tick();
    return;
  }
  FirstTick = false;
  MarkStartStep("first-tick");
  FTimer.setInterval(1000);
  // The start sequence runs outside the timer's handler, so the timer keeps ticking
  // behind the modal "Play..." screen.
  QMetaObject::invokeMethod(
      this, [this] { Guarded([this] { RunStartSequence(); }); }, Qt::QueuedConnection);
}

void MainWindow::RunStartSequence() {
  bool resumed = false;
  std::exception_ptr failure;
  {
    WaitCursor hourglass;
    SetSplashButtonsEnabled(false);
    try {
      resumed = StartGame(true);
    } catch (...) {
      failure = std::current_exception();
    }
    if (splash_) splash_->hide();
    SetSplashButtonsEnabled(true);
  }
  // The welcome screen waits for the user, so the hourglass is lifted meanwhile.
  ShowSplashAsWelcome(resumed);
  if (splash_ && !splash_->State().Checked(component::kSaveResumeBox)) {
    WaitCursor hourglass;
    RestartFromScratch();
  }
  if (failure) std::rethrow_exception(failure);
  // Whether music can play here is found out only now, once the player has chosen to
  // play: asking the sound server would otherwise hold up the start.
  CheckMusicDevice();
  StartMusic();
}

bool MainWindow::StartGame(bool resume) {
  UiState& form = host_.MainForm();
  if (form.Checked(component::kMystery)) {
    form.SetChecked(component::kPicture, false);
    form.SetChecked(component::kGhostpicture, false);
  }
  game_->BuildPuzzle();
  const QSize board = board_->BoardSize();
  bool resumed = false;
  if (resume)
    resumed = game_->ResumeGame(board.width(), board.height());
  else
    game_->StartWithoutSavedGame(board.width(), board.height());
  MarkStartStep("scattered");
  FPlaying = true;
  game_->FitBoard(board.width(), board.height());
  MarkStartStep("board-fitted");
  board_->ShowBitmap(&game_->BoardBitmap);
  board_->repaint();
  MarkStartStep("board-drawn");
  UpdateGhostButtons(FGhostLevel);
  if (auxForms_) auxForms_->OverlayForm().FitHeightToPicture();
  if (form.Checked(component::kPicture) && auxForms_) {
    auxForms_->OverlayForm().show();
    auxForms_->OverlayForm().update();
  }
  return resumed;
}

void MainWindow::ShowSplashAsWelcome(bool resumed) {
  if (!splash_) return;
  if (resumed) ArrangeSplashWithCheckBox(QT_TRANSLATE_NOOP("SplashForm", "Resume game..."));
  if (!FPlaying) return;
  splash_->SetStayOnTop(false);
  // Runs once the screen's own loop has handled what was waiting, its showing too.
  QTimer::singleShot(0, splash_, [] { MarkStartStep("play-screen-waiting"); });
  host_.RunModal(*splash_);
}

// The user declined to resume: the saved game goes and the gift starts anew, also
// when the file cannot be removed (the user is told so).
void MainWindow::RestartFromScratch() {
  DeleteSavedGame();
  game_->LoadGift();
  StartGame(false);
}

void MainWindow::StartMusic() {
  if (MusicPlayer* player = MusicPlayer::Of(*this)) player->StartMusic();
}

void MainWindow::SetSplashButtonsEnabled(bool enabled) {
  if (!splash_) return;
  splash_->State().SetEnabled(component::kOkBtn, enabled);
  splash_->State().SetEnabled(component::kWebBtn, enabled);
}

// OkBtn shrinks to four sixths of its height, its glyph moves right of the caption,
// and the check box shows below it with the caption given.
void MainWindow::ArrangeSplashWithCheckBox(const std::string& caption) {
  UiState& splash = splash_->State();
  splash.SetHeight(component::kOkBtn, splash.Get(component::kOkBtn).Height * 4 / 6);
  splash.SetCaption(component::kSaveResumeBox, caption);
  splash.SetVisible(component::kSaveResumeBox, true);
}

// ---- Shut-down ------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  try {
    if (FormClose())
      event->accept();
    else
      event->ignore();
  } catch (const std::exception& e) {
    // The window stays open and in play; closing it again runs the sequence anew.
    event->ignore();
    host_.ReportError(e.what());
  }
}

bool MainWindow::FormClose() {
  if (game_) game_->StopAutoSolve();
  MusicPlayer* player = MusicPlayer::Of(*this);
  const bool musicPlayed = player && host_.MainForm().Checked(component::kMusic) && player->IsPlaying();
  if (musicPlayed) player->Stop();
  if (AskToSaveOnExit() && !SaveBeforeClosing()) {
    // Back to the game as it was.
    if (musicPlayed) StartMusic();
    return false;
  }
  FTimer.stop();
  FPlaying = false;
  return true;
}

bool MainWindow::AskToSaveOnExit() {
  Finally freeSplash([this] { delete splash_; });
  delete splash_;
  host_.NewSplashForm();
  splash_ = new SplashForm(host_, this);
  splash_->BorrowExitButton();
  ArrangeSplashWithCheckBox(QT_TRANSLATE_NOOP("SplashForm", "Save game..."));
  game_->ShowClosingMessage();
  if (!FPlaying) splash_->State().SetCaption(component::kGiftLab, GiftLabelText(""));
  host_.RunModal(*splash_);
  // A gift whose game never started has no position to keep.
  return splash_->State().Checked(component::kSaveResumeBox) && game_->IsPlaying();
}

bool MainWindow::SaveBeforeClosing() {
  try {
    game_->SaveGame();
    return true;
  } catch (const UserError& error) {
    return host_.AskYesNo(error.what() + Shown(kMessagesContext, kCloseUnsavedQuestion));
  }
}

void MainWindow::FormDestroy() {
  if (MusicPlayer* player = MusicPlayer::Of(*this)) player->Stop();  // lets go of the file
  if (!host_.MusicFile().empty()) std::remove(host_.MusicFile().c_str());
  game_.reset();
  host_.SetSkinHandler({});
  delete TSounds::Of(*this);
}

// ---- Events ---------------------------------------------------------------------

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    host_.MainForm().SetCaption(component::kStatusLine, static_cast<QStatusTipEvent*>(event)->tip().toStdString());
    return true;
  }
  return QMainWindow::event(event);
}

void MainWindow::Guarded(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& e) {
    host_.ReportError(e.what());
  }
}

}  // namespace quill
