// The game while it is played: its state, fitting the board to the window, the
// picture's scale, the option switches, painting and the one-second tick.
#include <algorithm>

#include "board/wait_cursor.h"
#include "common/average_colour.h"
#include "common/errors.h"
#include "common/random.h"
#include "common/records.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "game/progress.h"
#include "raster/blit.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

// Menu items and tool buttons that only make sense while a puzzle is played. The
// pop-ups' "&Piece Size..." items go with the Tools menu's.
constexpr const char* kPlayCommands[] = {
    component::kLoupe,
    component::kGhostpicture,
    component::kNewTray,
    component::kShowTrays,
    component::kHideTrays,
    component::kDeleteTrays,
    component::kPieceSize,
    component::kArrangeAtEdge,
    component::kArrangeInGrid,
    component::kDisarrange,
    component::kPicture,
    component::kZoompicture,
    component::kSpeedLoupe,
    component::kSpeedHint,
    component::kSpeedZoom,
    component::kSpeedColor,
    component::kSpeedGhost,
    component::kSpeedNewBox,
    component::kSpeedSize,
    component::kSpeedEdge,
    component::kSpeedGrid,
    component::kSpeedPicture,
    component::kPieceSize1,
    component::kPieceSize2,
    // The arranging items of the board's and a tray's pop-up menus.
    component::kArrangeAtEdge2,
    component::kArrangeInGrid2,
    component::kDisarrange2,
    component::kArrangeAtEdgeT,
    component::kArrangeInGridT,
    component::kDisarrangeTray,
};

// The snap divisors of the snap levels 0 to 4; this edition plays at level 2.
constexpr int32_t kSnapDivisors[] = {2, 3, 4, 6, 10};
constexpr int kSnapLevel = 2;

}  // namespace

void TJigsaw::SetGameState(GameState state) {
  FState = state;
  FDragState = DragState::Idle;
  if (state != GameState::Playing) return;
  UiState& form = MainForm();
  for (const char* name : kPlayCommands)
    if (form.Has(name)) form.SetEnabled(name, true);
  Config().SnapDivisor = kSnapDivisors[kSnapLevel];
  // The cheat commands follow the option as the game starts.
  SetCheating(Config().Cheating, false);
  form.SetVisible(component::kHelpAboutJigItem, true);
  form.SetVisible(component::kTimerStatus, form.Checked(component::kShowTimer));
  form.SetVisible(component::kSolvedStatus, form.Checked(component::kShowNum));
}

void TJigsaw::FitBoard(int32_t width, int32_t height, const BoardLook* before) {
  width = std::clamp<int32_t>(width, 0, UINT16_MAX);
  height = std::clamp<int32_t>(height, 0, UINT16_MAX);
  const Colour windowColour = MainForm().Get(kMainFormName).Color;
  FormColour = windowColour;  // new trays take the window's colour
  if (!IsPlaying()) {
    SetBackdropColour(windowColour);
    FMural.Resize(width, height);
    LayoutBar(false);
    return;
  }
  const WaitCursor hourglass(TheHost());
  SetBackdropColour(windowColour);
  TakeUpGhostSettings();  // rendered just below, so the next paint need not again
  SizeBoard(width, height);  // the board is composed once all is in place
  FitAllTrays();
  // Pieces lying on their solved places go where the ghost now is.
  const Rect ghost = FMural.GhostRect();
  MoveHomePieces(BoardTray().FPieces, ghost.Left, ghost.Top, BoardTray().BoxRect());
  if (before == nullptr || !RedrawChangesSince(*before)) RedrawBoard();
  LayoutBar(true);
}

void TJigsaw::ReplaceTrayColour(Colour oldColour, Colour newColour) { ReplaceColour(oldColour, newColour); }

bool TJigsaw::SetBoardColour(ColourKind kind) {
  if (!IsPlaying() || !IsColourKind(kind)) return false;
  UiState& form = MainForm();
  const Colour old = form.Get(kMainFormName).Color;
  Colour colour = old;
  if (!ColourOfKind(kind, colour)) return false;
  form.SetColour(kMainFormName, colour);
  ReplaceTrayColour(old, colour);
  FitBoard(Config().BoardWidth, Config().BoardHeight);
  TickColourKind(kBoardColourItems, kind);
  return true;
}

bool TJigsaw::ColourOfKind(ColourKind kind, Colour& colour) {
  switch (kind) {
    case ColourKind::Custom:
      return TheHost().ChooseColour(colour);
    case ColourKind::Matching:
      colour = MatchingColour(&Picture);
      return true;
    case ColourKind::Contrasting:
      colour = ContrastingColour(&Picture);
      return true;
    case ColourKind::Default:
      break;
  }
  colour = GiftBoardColour();
  return true;
}

void TJigsaw::TickColourKind(const ColourMenus& menus, ColourKind kind) {
  UiState& form = MainForm();
  for (const auto& items : menus)
    for (int k = 0; k < kColourKinds; ++k)
      if (form.Has(items[k])) form.SetChecked(items[k], static_cast<ColourKind>(k) == kind);
}

// A hidden ghost is shown first: it is ticked as the board is drawn with it from
// the drop on.
void TJigsaw::MoveGhost() {
  if (!IsPlaying() || FDragState != DragState::Idle) return;
  if (!Config().Ghost) {
    MainForm().SetChecked(component::kGhostpicture, true);
    Config().Ghost = true;
  }
  FDragState = DragState::Ghost;
  LiftGhost();
  const Point pointer = TheHost().PointerOnBoard();
  TrackPointer(pointer.X, pointer.Y);
  TheHost().SetCursor(CursorShape::SizeAll);
}

void TJigsaw::RedrawBoard() {
  FMural.CopyTo(BoardBitmap.Bounds(), BoardBitmap);
  DrawTrays(BoardBitmap, nullptr);
  FlushDirty();
  TheHost().InvalidateBoard(BoardBitmap.Bounds(), false);
}

void TJigsaw::SetScale(int32_t percent) {
  if (percent == 0) return;
  const int64_t width = int64_t{percent} * PuzzleRecord.PictureWidth / 100;
  const int64_t height = int64_t{percent} * PuzzleRecord.PictureHeight / 100;
  // The outlines hold four times the picture's size in 16-bit coordinates.
  if (percent < 0 || width > kMaxPictureSide || height > kMaxPictureSide)
    throw UserError(FillArgs(Tr("Messages", "The pieces cannot be cut at %1%: the picture would be larger than %2 "
                                            "pixels wide or high"),
                             {std::to_string(percent), std::to_string(kMaxPictureSide)}));
  PuzzleRecord.Scale = static_cast<int16_t>(percent);
  PuzzleRecord.ScaledWidth = static_cast<uint16_t>(width);
  PuzzleRecord.ScaledHeight = static_cast<uint16_t>(height);
  Regenerate();
  ClassifyPieces(AllPieces());
  // The unscaled picture is kept apart only once the two differ.
  if (FUnscaled.Width() == 0) FUnscaled = Picture;
  Bitmap scaled(PuzzleRecord.ScaledWidth, PuzzleRecord.ScaledHeight, PixelFormat::Rgb24);
  StretchBlt(scaled, 0, 0, scaled.Width(), scaled.Height(), FUnscaled, 0, 0, FUnscaled.Width(), FUnscaled.Height());
  Picture = std::move(scaled);
  RenderAtlases(MaskBuffer, StatusProgress.Report());
  FMural.SetPicture(&Picture, false);
  FitBoard(Config().BoardWidth, Config().BoardHeight);
}

const Bitmap& TJigsaw::Unscaled() const { return FUnscaled.Width() == 0 ? Picture : FUnscaled; }

bool TJigsaw::TakeUpGhostSettings() {
  TJigConfig& config = Config();
  const bool ghost = MainForm().Checked(component::kGhostpicture);
  if (ghost == config.Ghost && GhostLevel == config.DrawnGhostLevel) return false;
  config.Ghost = ghost;
  config.DrawnGhostLevel = GhostLevel;
  return true;
}

void TJigsaw::Paint() {
  TJigConfig& config = Config();
  UiState& form = MainForm();
  if (TakeUpGhostSettings()) {
    FMural.Render(config.Ghost);
    RedrawBoard();
  }
  const auto style = static_cast<uint32_t>(form.Get(component::kOutlines).Tag);
  if (style != config.OutlineStyle) {
    const bool wasWood = config.IsWoodStyle();
    config.OutlineStyle = style;
    Regenerate();
    RenderAtlases(MaskBuffer, StatusProgress.Report());
    if (wasWood)
      FitBoard(config.BoardWidth, config.BoardHeight);
    else
      RedrawBoard();
  }
}

// ---- Option switches ----

void TJigsaw::SetSound(bool on) {
  Config().Sound = on;
  if (on) Config().PlaySound(SoundEffect::Join);
}

void TJigsaw::SetShadows(bool on) { Config().Shadows = on; }

void TJigsaw::SetAutoHide(bool on) {
  Config().AutoHide = on;
  if (IsPlaying()) RedrawBoard();
}

void TJigsaw::SetSmooth(bool on) {
  Config().Smooth = on;
  Sprite.SetSmooth(on);
  if (IsPlaying()) RedrawBoard();
}

void TJigsaw::TakeUpOptions() {
  const TJigConfig& config = Config();
  Sprite.SetSmooth(config.Smooth);
  UiState& menus = MainForm();
  menus.SetEnabled(component::kRotateRight, config.Rotating);
  menus.SetEnabled(component::kRotateLeft, config.Rotating);
  menus.SetDown(component::kSpeedSound, config.Sound);
}

// ---- The tick ----

void TJigsaw::Tick() {
  if (!IsPlaying()) return;
  const Rect band = FBand.Current();
  const TickOutcome outcome = ProgressTicker.Tick({
      .Puzzle = PuzzleRecord,
      .Board = BoardRecord,
      .MainForm = MainForm(),
      .DragState = FDragState,
      .BandSmallOnGhost = band.Width() < 5 && band.Height() < 5 && FMural.OnGhost(band.Left, band.Top),
      .GhostShown = Config().Ghost,
      .Attended = !Attended || Attended(),
      .AllJoined = AllJoined,
      .AllInOneGroup =
          [this] {
            const int32_t group = Piece(0).Group;
            return std::all_of(PieceList.begin(), PieceList.end(), [group](const auto& p) { return p->Group == group; });
          },
      .TextWidth = [this](const std::string& text) { return TheHost().TextWidth(text); },
  });
  if (outcome.PickUpGhost) {
    FBand.Finish();
    FDragState = DragState::Ghost;
    LiftGhost();
    // The ghost keeps the point held under the pointer from now on: the first move
    // after the pick-up already moves it.
    const Point pointer = TheHost().PointerOnBoard();
    TrackPointer(pointer.X, pointer.Y);
    TheHost().SetCursor(CursorShape::SizeAll);
  }
  if (outcome.CompletedNow) {
    Config().PlaySoundAtOnce(SoundEffect::Completed);
    TheHost().ShowCongratulations(CongratsText(PuzzleRecord));
    if (outcome.ShowZoom) TheHost().ShowZoomedPicture(Unscaled());
  }
}

}  // namespace quill
