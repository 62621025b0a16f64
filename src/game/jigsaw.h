// The game object: one puzzle, from reading the gift to the board. This top layer
// holds the game's own state and the gift; the piece collection below it owns the
// pieces and the configuration (the tray and move layers join between them as they
// are built).
#pragma once
#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/move.h"
#include "common/average_colour.h"
#include "game/board_mouse.h"
#include "game/gift_header.h"
#include "game/gift_texts.h"
#include "game/program_file.h"
#include "game/status_progress.h"
#include "game/undo.h"
#include "pieces/band.h"
#include "pieces/lattice.h"
#include "pieces/pieces.h"
#include "pieces/side_points.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "ui/component_names.h"
#include "ui/host.h"

namespace quill {

struct CutAhead;
struct CutPiece;
class ProgressSteps;

enum class GameState : uint8_t { Idle = 0, Playing = 2 };

struct SavedGame;

// The settings of the pieces' size and shape that the piece size dialog changes.
struct PieceShape {
  int32_t Scale = 100;   // percent of the gift picture's size
  int32_t Style = 1;     // 1 Classic .. 6 Mix
  int32_t Oddness = 0;   // 0..10
  int32_t Fun = 0;       // share of fun pieces in tens of percent, 0..10
  friend bool operator==(const PieceShape&, const PieceShape&) = default;
};

// Outlines are generated at four times the picture's size in 16-bit coordinates.
constexpr int kMaxPictureSide = 8191;

class TJigsaw : public TMove {
 public:
  // programPath: the file the gift is read from (the player's own file).
  TJigsaw(Host& host, std::string programPath);
  ~TJigsaw() override;
  TJigsaw(const TJigsaw&) = delete;
  TJigsaw& operator=(const TJigsaw&) = delete;

  // Reads the gift appended to the program file and puts its settings into the
  // puzzle record, the menus and the splash form. Raises UserError on a missing or
  // damaged header.
  void LoadGift();
  // Decodes the JPEG block at [offset, offset + size) of the program file.
  void LoadJpegBlock(Bitmap& target, int32_t offset, int32_t size);
  // The bytes of that block; raises the damaged-gift error when it lies outside
  // the file.
  std::vector<uint8_t> ReadJpegBlock(int32_t offset, int32_t size);
  // Writes the gift's music to the temporary folder; returns its path or "".
  std::string ExtractMusic(const ProgramFile& source);
  // Fills the exit splash with the gift label and the closing message.
  void ShowClosingMessage();

  // Decodes the gift's picture, fits the grid to it and creates the pieces with the
  // shapes that the puzzle's seed gives. Raises UserError when the picture block is
  // missing, does not decode or is too large; the size is judged from the JPEG's
  // header, before any memory is taken for the pixels.
  void BuildPuzzle();
  // The gift cut on other threads since the program started (StartCuttingAhead):
  // the next BuildPuzzle waits for it and takes what matches its own cutting.
  void TakeCuttingAhead(std::future<std::unique_ptr<CutAhead>> cutting);
  // Generates the lattice from the puzzle record (the caller has seeded the random
  // generator with the puzzle's seed), sets every piece's template number, shape
  // class and tab code, and hands each piece's four side lists to `each`.
  void GenerateOutlines(const std::function<void(TFormPiece&, const PieceSides&)>& each);

  // ---- Cutting (build_puzzle.cpp) ----
  // Cuts the pieces of `list` out of the picture. With regenerate (list = every
  // piece; the caller has seeded the random generator with the puzzle's seed): a new
  // lattice, every piece's masks, bevel and edge sprites, solved place and size, the
  // cell and atlas sizes, `Thickness` and `MaskBuffer`. Without: only the bevel and
  // edge sprites of the list's pieces, for their current rotation, from the lattice
  // of the last cutting (after turning pieces, so light still comes from the top
  // left). Reports progress with "Generating: " when regenerating.
  void CutPieces(const TPieceList& list, bool regenerate, const ProgressReport& progress = {});
  // The packed 1-bit masks of all pieces at their atlas cells (RenderAtlases and
  // BuildSolidSprites read them); lives from one cutting to the next.
  std::vector<uint8_t> MaskBuffer;
  // ---- End of cutting ----

  // Lays the pieces out for a new game on a board of the given size: each piece in
  // a group of its own, scattered at random (the draws follow the cutting's); the
  // backdrop takes the window's colour and the ghost is centred.
  void NewLayout(int32_t boardWidth, int32_t boardHeight);
  // The same without composing the board bitmap, for a start that fits the board
  // (and so composes it) next.
  void LayOutNewGame(int32_t boardWidth, int32_t boardHeight);
  // Lays the board out again after the records were replaced (a saved game read,
  // an undo step): board pieces from their normalised places, groups in shape, the
  // board colour of the record.
  void RestoreLayout(int32_t boardWidth, int32_t boardHeight);
  // ---- The saved game (saved_game.cpp) ----
  // Starts play on a board of the given size, from the saved game when there is one
  // (true: at its name, or this gift's save at the old name), else with a new
  // layout. A saved game that is damaged, made by a newer version or made from
  // another gift is refused with a message and changes nothing: the game starts new.
  // Temporaries left by a save that crashed are removed first.
  bool ResumeGame(int32_t boardWidth, int32_t boardHeight);
  // Starts play with a new layout, whatever saved game there is. A new layout's
  // board bitmap (here and from ResumeGame) is composed by the FitBoard that follows.
  void StartWithoutSavedGame(int32_t boardWidth, int32_t boardHeight);
  // Writes the position to the saved game file, replacing it only once the new one
  // is whole. Raises UserError when the file cannot be created or written.
  void SaveGame();
  // Deletes the saved game file if there is one (and this gift's save at the old
  // name). When one cannot be removed, tells the user so and returns false.
  bool DeleteSavedGame();
  // The program's path with ".sav" appended.
  std::string SavedGameFile() const;
  // Turned pieces get bevel and edge sprites for their new rotation.
  void RebuildShading(const TPieceList& list) override { CutPieces(list, false); }
  void PiecesJoined() override { Config().PlaySound(SoundEffect::Join); }

  // Cuts every piece again from outlines of the puzzle's seed (the generator is
  // seeded here), with the hourglass and "Generating: " in the status bar.
  void Regenerate();
  // The status line and progress bar of long operations.
  TStatusProgress StatusProgress{TheHost().MainForm(), TheHost()};

  // ---- Playing (play.cpp) ----
  // Stores the state; playing enables the play commands and shows the status panels.
  void SetGameState(GameState state);
  // Sizes the board to width × height and redraws it; while idle only the backdrop.
  // Given how the board looked `before` a change, only what changed is drawn when
  // the backdrop and the trays are as they were.
  void FitBoard(int32_t width, int32_t height, const BoardLook* before = nullptr);
  // Rescales the picture to percent of its own size and cuts every piece again;
  // nothing for 0. Raises UserError, changing nothing, for a negative percent or one
  // that makes the picture larger than kMaxPictureSide.
  void SetScale(int32_t percent);
  // Brings the board bitmap up to date with the ghost and outline options before the
  // shell shows it.
  void Paint();
  // Takes the ghost's check mark and level into the configuration the backdrop is
  // rendered from; true when either changed, so the backdrop needs rendering.
  bool TakeUpGhostSettings();
  // Redraws the whole board bitmap (backdrop, trays, pieces) and shows it.
  void RedrawBoard();
  // Trays in the old board colour take the new one.
  void ReplaceTrayColour(Colour oldColour, Colour newColour);
  // The board colour by kind: the window's colour, trays of the old colour, the board
  // refitted and the kind ticked in both colour menus. False when nothing changed.
  bool SetBoardColour(ColourKind kind);
  // The two colour menus of a board or a tray, each with its items by colour kind;
  // the items of a kind are ticked together.
  using ColourMenus = std::array<std::array<const char*, kColourKinds>, 2>;
  static constexpr ColourMenus kBoardColourItems = {{
      {component::kCustom, component::kMatching, component::kContrasting, component::kDefaultColor},
      {component::kCustom1, component::kMatching1, component::kContrasting1, component::kDefault1},
  }};
  static constexpr ColourMenus kTrayColourItems = {{
      {component::kCustom2, component::kMatching2, component::kContrasting2, component::kDefault2},
      {component::kCustom3, component::kMatching3, component::kContrasting3, component::kDefault3},
  }};
  // "&Move ghost": the ghost picture follows the pointer until the next release; a
  // hidden ghost is shown (and ticked) first.
  void MoveGhost();
  void SetSound(bool on);
  void SetShadows(bool on);
  void SetAutoHide(bool on);
  void SetSmooth(bool on);
  // Makes what keeps a copy of an option follow the configuration: the pieces'
  // smoothing, the rotate commands and the sound button. Run when the options were
  // read from a saved game.
  void TakeUpOptions();
  // The one-second tick: ghost hold, status panels, clock and completion.
  void Tick();
  // Whether the user counts as being at the game this second (the shell knows which
  // window is active); the clock runs only then.
  std::function<bool()> Attended;
  // Gives the picture overlay window the picture's proportions when a layout is made
  // or restored (the shell sets it; the arguments are the picture's size).
  std::function<void(int32_t width, int32_t height)> FitOverlayToPicture;
  // The main window's ghost brightness level (1..10).
  int32_t GhostLevel = 5;

  // ---- Piece size and shape (piece_size.cpp) ----
  // The scale, style, oddness and fun share of the puzzle record.
  PieceShape CurrentPieceShape() const;
  // Whether the pieces can be cut at `scale` percent: cells of 8 to 512 pixels each
  // way and a picture no larger than kMaxPictureSide. With a canvas, a valid scale
  // also draws the preview of one piece of that scale's cell in `style` and
  // `oddness` on it.
  bool DrawShapePreview(Canvas* canvas, int32_t scale, int32_t style, int32_t oddness) const;
  // The piece size dialog's Apply: puts the shape into the puzzle record (the style
  // pinned to 1..6) and cuts the pieces at its scale. When the bitmaps cannot be had
  // it says so and falls back to 100 %; any other failure is shown with its own text
  // and the shape before is put back.
  void ApplyPieceShape(const PieceShape& shape);
  // "&Piece Size...": records a "size/shape" undo step, runs the dialog (`runDialog`
  // answers whether it ended with OK) and, when it ended otherwise, puts back the
  // shape it found if Apply changed it. Nothing while pieces are carried.
  void ChangePieceSize(const std::function<bool()>& runDialog);
  // ---- End of piece size and shape ----

  // ---- Board mouse control (board_mouse.cpp) ----
  void BoardMouseDown(MouseButton button, int32_t x, int32_t y);
  void BoardMouseMove(int32_t x, int32_t y);
  void BoardMouseUp(MouseButton button, int32_t x, int32_t y);
  void BoardMouseWheel(int32_t delta);
  void ShowMouseHelp(const ShiftState& held);
  // A carried selection or a band selection is on the board.
  bool SelectionActive() const;
  // Puts an active selection back (the arrange commands need the pieces down).
  void ReleaseSelection();

  // ---- Tray commands (tray_commands.cpp); they act on the current tray ----
  void AddTray();
  void RemoveTray();
  void RemoveTrays(const std::vector<TBox*>& trays) override;
  void EmptyTrayOntoBoard(TBox& tray) override;
  void SelectTrayPieces();
  void SendTrayToBack();
  std::string TrayDescription() const;
  void RenameTray(const std::string& description);
  // Default: the tray takes the board's colour.
  void SetTrayColour(ColourKind kind);
  void EmptyTray();
  // Kind 1 all, 2 edge, 3 middle, 4 fun: loose board pieces into the tray.
  void GetPieces(int32_t kind);
  void SetCurrentTray(TBox* tray) { FTray = tray; }
  TBox* CurrentTray() const { return FTray; }

  // ---- Arrangement and piece commands (arrangement_commands.cpp) ----
  // The arranging commands act on the board, or on the current tray when `item` is
  // one of the tray pop-up's own items ("ArrangeInGridT", "ArrangeAtEdgeT",
  // "DisarrangeTray"). They move only loose pieces (neither joined nor placed), sorted
  // by shape, by colour, by both, or at random when neither tick is given.
  // Rows of loose pieces from the top-left corner of the tray, as close as they fit.
  void GridLayout(const std::string& item, bool byShape, bool byColour);
  // Rings of loose pieces along the tray's edges, the middle left free for the picture.
  void EdgeLayout(const std::string& item, bool byShape, bool byColour);
  // Scatters the single pieces (keepPositions: leaves them where they are) and, with
  // rotating pieces on, gives them random turns.
  void DisarrangePieces(const std::string& item, bool keepPositions);
  // Turns FPiece with its group, or the carried selection, by quarterTurns clockwise
  // (1 right, 3 left), joining fitting neighbours afterwards.
  void RotatePiece(int quarterTurns);
  // Puts FPiece's group behind every other piece of its tray.
  void SendPieceToBack();
  // Takes FPiece out of its group.
  void UnlockPiece();
  // Board places of the arranging commands for `count` loose pieces in `area` (a
  // tray's inner rectangle), in the order the sorted pieces take them. GridPlaces is
  // empty when the area is too narrow for a single column.
  static std::vector<Point> GridPlaces(int32_t count, const Rect& area, int32_t cellWidth);
  static std::vector<Point> EdgePlaces(int32_t count, const Rect& area, int32_t cellWidth, int32_t scaledWidth,
                                       int32_t scaledHeight);

 private:
  // Puts a lifted selection back, picks the tray for `item` and records the undo
  // step; none when the tray holds no pieces.
  TBox* BeginArranging(const std::string& item, int32_t boardKind, int32_t trayKind);
  // Moves the tray's loose pieces, in list order, to the places in turn.
  void PlaceLoosePieces(TBox& tray, const std::vector<Point>& places);
  // Back to drawing order, and the tray shown again.
  void FinishArranging(TBox& tray);
  // The piece pop-up shows its piece raised; the piece commands put it down first.
  void LowerRaisedPiece();

 public:
  // ---- End of arrangement and piece commands ----

  // ---- Animations (animation.cpp) ----
  // Glides, flashes and the auto-solve are states that the host's timer advances:
  // while one runs the game asks the host for ticks (Host::WantAnimationTicks) and
  // the host calls AnimationTick every few milliseconds; between ticks the window
  // is the user's. One rule holds for the user's input meanwhile:
  // - a command (a menu item, a tool button, a tray bar button) calls
  //   CompleteAnimation first: a glide jumps to its end and is put down, a flash
  //   leaves the board as it was; an auto-solve goes on with its next pass unless
  //   the command stops it (the commands that change the position or the cheats do);
  // - a press on the board ends a glide that may be ended (the auto-solve's) where
  //   it is, and completes any other animation as a command does; pointer moves,
  //   releases and the wheel are left alone while a glide or flash runs.
  bool Animating() const { return FFlash.has_value() || Gliding() || FLanding.has_value() || FSolve.has_value(); }
  // A glide or a flash is under way (the auto-solve may be between its moves).
  bool MovingOrFlashing() const { return FFlash.has_value() || Gliding() || FLanding.has_value(); }
  bool Flashing() const { return FFlash.has_value(); }
  // Advances every running animation to the host's clock.
  void AnimationTick();
  void CompleteAnimation();
  // A press on the board while a glide or flash runs (see above).
  void PressDuringAnimation();

 protected:
  // Tray bar clicks are commands: they complete the running animation first.
  void BeforeBarCommand() override { CompleteAnimation(); }

 public:

  // ---- Solving aids (solving_aids.cpp) ----
  // Every aid counts as a cheat in the puzzle record, and does nothing while cheating
  // is off ("Allow &Cheating" unticked). The board clicks and the pop-up
  // menus set FPiece, FNeighbour, FTray and FMouse before they run one. The virtual
  // ones are the board clicks' steps, which tests may watch instead of running.
  // "&Hint!": flashes a piece on the rim of the board's largest group together with
  // its first grid neighbour in another group; nothing during a drag or once solved.
  void Hint();
  // Puts FPiece (or, without one, the piece whose solved place is under FMouse on the
  // ghost) onto its place on the ghost, joining what fits there.
  virtual void SolveOnePiece();
  // Flashes FPiece (or the piece whose place is under FMouse) and its place on the ghost.
  virtual void FlashSolution();
  // Flashes FPiece and FNeighbour in turn.
  virtual void ShowNeighbour();
  // Glides FNeighbour's group to where it fits FPiece and joins it there.
  virtual void FetchNeighbour();
  // Turns FPiece's group the right way up and joins what fits.
  void RightWayUp();
  // Turns every piece the right way up (an undo step "right way up").
  virtual void AllRightWayUp();
  // AllRightWayUp without the cheating check: switching rotation off turns the
  // pieces upright also while cheating is off.
  void TurnAllRightWayUp();
  // Solves the puzzle piece by piece, one pass at a time on the animation ticks,
  // until it is complete or StopAutoSolve is called. `speed` is read before every
  // piece (1 slow .. 10 fastest); `showPercent` hears the share of joined pieces
  // when it changes. Does nothing while an auto-solve runs already.
  void AutoSolve(const std::function<int32_t()>& speed, const std::function<void(int32_t)>& showPercent = {});
  // Ends the running auto-solve after the piece it is moving, which is put down
  // at its place at once. Commands that change the position or the cheats (undo,
  // arranging, the rotation switch, the aids) call it first.
  void StopAutoSolve();
  // Told whenever an auto-solve ends, whatever ended it.
  std::function<void()> OnAutoSolveEnded;
  // Before the piece pop-up opens: FNeighbour towards FMouse and the cheat items'
  // enabled states.
  void PreparePiecePopup();

 private:
  // A piece on the rim of the board's largest group, chosen at random; none when
  // the board holds no pieces.
  TFormPiece* RandomRimPiece();
  // The first grid neighbour (top, right, bottom, left) in another group, or none.
  TFormPiece* NeighbourInOtherGroup(TFormPiece& piece);
  // Opens the tray holding the piece when it is minimised.
  void OpenTrayOf(const TFormPiece& piece);
  // Flashes the two pieces in turn, 8 times.
  void FlashPair(TFormPiece& first, TFormPiece& second);
  // The piece whose solved place on the ghost lies under FMouse.
  TFormPiece* PieceAtGhostPoint() const;
  // Board place of a piece's solved position when the picture lies at origin.
  static Point HomePlace(const TFormPiece& piece, Point origin);
  // Lifts the piece's group and starts gliding it so that the piece ends at
  // `target`; the glide puts it down into tray when it ends.
  void GlideGroupTo(TFormPiece& piece, Point target, int32_t step, bool abortable, TBox& tray, bool connect);
  // Turns the piece's group by quarter turns without joining.
  void TurnGroup(TFormPiece& piece, int quarterTurns);
  // The auto-solve's steps: the start of a pass chooses the anchor (the first pass
  // also glides it to its home place); the neighbour's move glides one neighbour to
  // fit it; the end of a pass closes emptied trays.
  void StartSolvePass();
  void MoveSolveNeighbour();
  void EndSolvePass();
  void EndAutoSolve();
  // False while cheating is off: then every aid does nothing. Otherwise a running
  // auto-solve is stopped, so the aid is not undone by the solve's next moves.
  bool MayCheat();
  void CountCheat();
  // Every piece is joined, or there is only one: nothing is left to solve.
  bool PuzzleWhole() const;

  // ---- Animation states (animation.cpp) ----
  // One frame of a flash: a piece raised, or with `Place` the picture's part shown
  // at that place; each is shown for a moment, then the board as it was as long.
  struct FlashFrame {
    TFormPiece* Piece = nullptr;
    std::optional<Rect> Place;
  };
  struct FlashRun {
    std::vector<FlashFrame> Frames;
    std::optional<Rect> RepaintAfter;  // drawn again when the flash is over
    size_t Next = 0;                   // the frame shown or to show
    bool Shown = false;
    Rect Raised;                       // where the raised piece was shown
    int64_t Due = 0;                   // when the next change comes
    bool SavedShadows = false;         // the option, forced on meanwhile
  };
  // Where a glide's selection is put down when the glide ends.
  struct GlideLanding {
    TBox* Tray = nullptr;
    bool Connect = false;
  };
  enum class SolveStage : uint8_t { PassStart, Neighbour, PassEnd };
  struct SolveRun {
    std::function<int32_t()> Speed;
    std::function<void(int32_t)> ShowPercent;
    SolveStage Stage = SolveStage::PassStart;
    bool First = true;
    int32_t ShownPercent = -1;
    int32_t PassSpeed = 0;
    TFormPiece* Anchor = nullptr;
  };
  // Shows the first frame now and the rest on the ticks, with shadows forced on.
  void StartFlash(std::vector<FlashFrame> frames, std::optional<Rect> repaintAfter = {});
  void ShowFlashFrame(bool shown);
  void AdvanceFlash(int64_t now);
  void FinishFlash();
  // Puts a glide's selection down once the glide is over.
  void LandGlide();
  // Asks the host for ticks while anything runs, and for none afterwards.
  void UpdateAnimationTicks();
  std::optional<FlashRun> FFlash;
  int FMenusOpen = 0;  // pop-up menus of the board open now
  std::optional<GlideLanding> FLanding;
  std::optional<SolveRun> FSolve;

 public:
  // ---- End of solving aids ----

  // ---- Undo and redo (undo.cpp) ----
  // Records an undo step of `kind` (see UndoStepName) with a snapshot of the
  // position as it is now. Virtual, so tests can watch the steps asked for.
  virtual void RecordUndoPoint(int32_t kind);
  // "&Undo" (undo) or "&Redo" one step; nothing while pieces are carried or dragged.
  void UndoRedo(bool undo);
  // Writes the position into an undo step; puts the position of a step back.
  void TakeSnapshot(TUndoEvent& event);
  void ApplySnapshot(const TUndoEvent& event);
  // ---- End of undo and redo ----

  // ---- Rotation and cheating switches (option_commands.cpp) ----
  // "Allow &Cheating": with store the configuration takes the option; while playing
  // the cheat commands are enabled or disabled by it.
  void SetCheating(bool on, bool store);
  // "&Rotating Pieces": switches rotation on or off while playing, asking whether to
  // turn some pieces (on) or, with `question`, to turn every piece the right way up
  // (off, when any piece is turned). Returns the option as it now is, which the
  // caller ticks; the rotate commands follow it.
  bool SetRotating(bool on, const std::string& question);

  TFormPiece* FPiece = nullptr;      // the piece under the pointer at the last press
  TFormPiece* FNeighbour = nullptr;  // its neighbour chosen by the neighbour cheat
  TBox* FTray = nullptr;             // the current tray
  Point FMouse;                      // the last press or wheel turn
  int32_t FWheelPiece = 0;           // the piece last turned by the wheel, -1 after a press
  int32_t FWheelTravel = 0;          // wheel movement not yet a whole notch; 0 after a press
  MouseOptions MouseOpts;

  // The gift's picture at its own size, never scaled: kept apart from `Picture` only
  // once a scale other than the gift's own was set (until then it is `Picture`).
  Bitmap FUnscaled;
  const Bitmap& Unscaled() const;

  bool IsPlaying() const { return FState == GameState::Playing; }
  const GiftHeader& Header() const { return FHeader; }
  // The gift's texts in UTF-8: its text block's, or the header's for a gift without
  // one. Filled by LoadGift.
  const GiftTexts& Texts() const { return FTexts; }
  // The language the sender fixed for the player ("pl", "de", ...); empty: the
  // recipient's own.
  const std::string& GiftLanguage() const { return FTexts.Language; }
  const std::string& ProgramPath() const { return FProgramPath; }
  Colour GiftBoardColour() const { return FHeader.BoardColour; }

 private:
  // Puts a read and checked saved game into the records, pieces, trays and options.
  void ApplySavedGame(const SavedGame& saved);

  void ApplySkin(const ProgramFile& file);
  void LoadTemplates(const ProgramFile& file, int64_t blockEnd);
  void CopySettingsToPuzzleRecord();
  void ApplyOptionsToMenus();

  // ---- Cutting (build_puzzle.cpp) ----
  // Makes the lattice of the puzzle record, drawing from the random generator, and
  // gives the pieces their template numbers and shape classes.
  void MakeLattice();
  // Hands the side lists of each piece of `list`, in list order, to `each`, after
  // setting its tab code; from the lattice made last.
  void ForEachPieceOutline(const TPieceList& list, const std::function<void(TFormPiece&, const PieceSides&)>& each);
  std::unique_ptr<TLattice> FLattice;  // the lattice of the last cutting
  // ---- End of cutting ----

  // ---- Board mouse control (board_mouse.cpp) ----
  void SetStatusLine(const std::string& text);
  void NeighbourCheatPress(MouseButton button);
  void GhostCheatPress(MouseButton button, bool onGhost);
  void TurnClickPress(MouseButton button);
  void RightPress();
  void PlainPress(int32_t x, int32_t y);
  void ShowTrayMenu();
  // Shows a pop-up menu of the main form at FMouse.
  void ShowBoardMenu(const char* menu);
  void ReleaseBand();
  void FinishResize();
  Canvas FBoardCanvas{BoardBitmap};  // the rubber band draws here
  TBand FBand;
  CursorShape FResizeCursor = CursorShape::Default;

  // ---- Undo and redo (undo.cpp) ----
  // The program's history, emptied first when it holds steps of another puzzle.
  TUndo& UndoSteps();
  // ---- End of undo and redo ----

  // Puts `shape` into the puzzle record and cuts the pieces at its scale; when that
  // fails, the fallbacks of ApplyPieceShape, with `before` as the shape put back.
  void CutAtShape(const PieceShape& shape, const PieceShape& before);

  // The colour of a kind (the colour dialog preset to `colour` for Custom); false
  // when the dialog was cancelled.
  bool ColourOfKind(ColourKind kind, Colour& colour);
  // Ticks the item of `kind` in both menus and unticks the others.
  void TickColourKind(const ColourMenus& menus, ColourKind kind);

  // ---- Tray commands ----
  // Lifts the pieces of list and puts them down in target without joining.
  void MovePiecesWithoutJoining(const TPieceList& list, int filter, TBox& target);

  // Sets the piece's tab code from its tab pattern and rotation.
  static void SetTabCode(TFormPiece& piece, int pattern);
  // Cuts the pieces of `list` from their outlines in the lattice; raises UserError
  // for an outline larger than a damaged template could make it.
  std::vector<CutPiece> CutOutlinesOf(const TPieceList& list, std::span<const uint8_t> rotations, int32_t bevelWidth,
                                      const ProgressSteps& steps);
  // Cuts every piece anew through CutPuzzle, the lattice from the generator as it
  // stands; takes `ahead`'s cut instead when it was cut from the same request.
  void CutWholePuzzle(const TPieceList& list, const ProgressReport& progress, CutAhead* ahead);
  static std::vector<uint8_t> RotationsOf(const TPieceList& list);
  // The cutting ahead, until BuildPuzzle collects it; nothing on a failure.
  std::unique_ptr<CutAhead> CollectCutAhead();
  std::future<std::unique_ptr<CutAhead>> cuttingAhead_;

  Host& host_;
  GameState FState = GameState::Idle;
  GiftHeader FHeader{};
  GiftTexts FTexts;
  std::string FProgramPath;
};

// The puzzle's settings from the gift's header into a puzzle record, as a new game
// starts with them.
void CopyGiftSettings(const GiftHeader& header, TPuzzleRecord& record);
// Reads the gift's piece templates, whose block ends where the header starts;
// raises TemplateReadError for a block that does not hold them.
void LoadGiftTemplates(const ProgramFile& file, const GiftHeader& header, int64_t blockEnd, TTemplates& templates);

// The gift label of the splash form for a creator version such as "v6.13".
std::string GiftLabelText(const std::string& creatorVersion);
// The major version shown in the gift label: "v6.13" gives "6".
std::string MajorVersion(const std::string& creatorVersion);

// Puts a sender's message into the splash form's memo with its colour, alignment
// and font; an empty message hides the memo and shortens the form.
struct GiftMessage {
  const std::string& Text;        // UTF-8; "\n" or CR LF line breaks
  const std::string& ColourName;
  uint8_t Alignment;
  const GiftFont& Font;
};
void ApplyGiftMessage(UiState& splash, const GiftMessage& message);

}  // namespace quill
