// The piece collection (`TPieces`), bottom layer of the game object: owns every
// piece and the configuration, knows the grid the pieces were cut from, answers
// neighbour and group questions, joins and detaches pieces, and keeps groups in
// view. The tray, moving and game layers derive from it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "common/config.h"
#include "pieces/arrangement.h"
#include "pieces/piece.h"
#include "pieces/piece_drawing.h"
#include "pieces/sprite.h"
#include "raster/bitmap.h"
#include "raster/rect.h"
#include "ui/ui_state.h"

namespace quill {

// One direction of a piece's neighbourhood: the grid neighbour (none at the border)
// and the square around the place where the piece must lie to fit it.
struct TNeighbourSnap {
  TFormPiece* Piece = nullptr;
  Rect Snap;
};
using TNeighbourSnaps = std::array<TNeighbourSnap, 4>;

class TPieces {
 public:
  // Creates the configuration from the main window's menus and makes it the
  // process-wide `JigConfig`.
  explicit TPieces(UiState& mainForm);
  virtual ~TPieces();
  TPieces(const TPieces&) = delete;
  TPieces& operator=(const TPieces&) = delete;

  TJigConfig& Config() { return *config_; }
  const TJigConfig& Config() const { return *config_; }

  // Lifecycle: one zero-filled piece per index of `PuzzleRecord.PieceCount`.
  void CreatePieceList();
  void FreePieceList();
  int32_t Count() const { return static_cast<int32_t>(PieceList.size()); }
  TFormPiece& Piece(int32_t index) const { return *PieceList[static_cast<size_t>(index)]; }
  // Every piece, in index order.
  TPieceList AllPieces() const;

  // Sets the board position and stores its normalised form for `area`.
  void MoveTo(TFormPiece& piece, int32_t x, int32_t y, const Rect& area) const;
  // Whether the piece's face shows at board point (x, y): inside its mask, and not
  // an edge pixel that the piece covers less than half (what lies beneath shows
  // there).
  bool IsOpaqueAt(const TFormPiece& piece, int32_t x, int32_t y) const;
  // Whether drawing the piece covers board point (x, y): its face there, or with the
  // Wood style its wood edge. What presses and the wheel hit.
  bool ShowsAt(const TFormPiece& piece, int32_t x, int32_t y) const;

  // Grid and neighbours.
  TFormPiece* Neighbour(const TFormPiece& piece, int direction) const;
  TFormPiece* NeighbourTowards(const TFormPiece& piece, Point point) const;
  // Also sets `Surrounded` of the piece.
  TNeighbourSnaps NeighbourSnapRects(int32_t index);
  // Where `piece` must lie to fit against `other` in other's place and rotation.
  static Point FitPosition(const TFormPiece& piece, const TFormPiece& other);
  void ClassifyPieces(const TPieceList& list) const;
  // The first piece in index order whose solved place contains picture point (x, y).
  TFormPiece* FindAtHome(int32_t x, int32_t y) const;
  // A piece of the list that meets rect shrunk by half a cell, tried from both ends.
  TFormPiece* FindInArea(const TPieceList& list, const Rect& rect) const;

  // Groups.
  // Joins piece's group to other, its fitting neighbour; grows dirty by every
  // moved piece's rectangle before and after the move.
  void JoinPieces(TFormPiece& piece, TFormPiece& other, Rect& dirty);
  // Told after every join; the game plays the join sound.
  virtual void PiecesJoined() {}
  // Takes the piece out of its group as a single piece on top.
  void DetachPiece(TFormPiece& piece);
  void SendGroupToBack(const TFormPiece& piece);
  int32_t GroupSize(const TFormPiece& piece) const;
  // For a list sorted by group: consecutive new ids from `NextGroup`, one per run.
  void RenumberGroups(const TPieceList& list);
  void UpdateJoinedSides(TFormPiece& piece);
  void UpdateAllJoinedSides();
  // (originX, originY): the board position of the picture's top-left corner.
  bool TestAtHome(TFormPiece& piece, int32_t originX, int32_t originY);
  void MoveHomePieces(const TPieceList& list, int32_t originX, int32_t originY, const Rect& area) const;

  // Positions. Normalised positions are in the coordinates of the unscaled picture
  // and survive a change of board size.
  static void OffsetList(const TPieceList& list, int32_t dx, int32_t dy);
  void StoreNormalised(const TPieceList& list, const Rect& area) const;
  void RestoreNormalised(TFormPiece& piece, const Rect& area) const;
  // Moves rect back until it overlaps area by min(40, half a cell); true if moved.
  bool KeepInArea(Rect& rect, const Rect& area) const;
  // Moves rect so it sticks out of the board by at most half a cell; true if moved.
  bool KeepOnBoard(Rect& rect) const;
  // For a list sorted by group: rebuilds every group's shape around its first piece
  // and pulls groups that left the area back into view.
  void FitGroups(const TPieceList& list, const Rect& area, bool restore) const;
  static void SetHidden(const TPieceList& list, bool value);
  static void SetPlaced(const TPieceList& list, bool value);

  // ---- Arrangement: sorting, turning and scattering (arrangement.cpp) ----
  // Sorts the list in place by a `PieceSortKey` (only its low 7 bits count); other
  // keys and an empty list leave it as it is.
  static void SortPieces(TPieceList& list, int key);
  // Ranks every piece by colour similarity: `Colour` becomes the piece's position in
  // a chain of close colours that starts with piece 0. `picture` is the cut picture.
  void SortByColour(const Bitmap& picture, const ProgressReport& progress = {});
  // Sets every piece's `Colour` from ranks by piece index (as ColourRanks gives them).
  void SetColourRanks(std::span<const int32_t> ranks);
  // With rotating pieces on, gives every loose piece of the list a random quarter
  // turn: into `Rotation` when direct, else into `PendingTurns`.
  void RandomiseRotation(const TPieceList& list, bool direct) const;
  // Turns each piece of the list by extraTurns + its pending turns: its mask cell,
  // size, rotation and tab code. Callers cut the pieces' sprites again afterwards.
  void RotatePieces(const TPieceList& list, int extraTurns, bool showWaitCursor, bool showProgress,
                    const ProgressReport& progress = {});
  // Appends, in index order, every piece with pending turns.
  void ListPendingRotation(TPieceList& list) const;
  // Gives every loose piece of the list a group of its own at a random place in area
  // and a new random sort key.
  void ScatterPieces(const TPieceList& list, const Rect& area) const;

 private:
  // Turns one piece's mask cell by 1..3 quarter turns through `RotateMask`.
  void TurnMaskCell(const TFormPiece& piece, int turns);
  // Rebuilds a wood-style piece's thickness image from the turned mask left in
  // `RotateMask`.
  void RebuildTurnedSolidSprite(TFormPiece& piece, WoodTurnScratch& scratch);

 public:
  // ---- End of arrangement ----

  bool AllJoined = false;  // JoinedCount reached the piece count
  int32_t Thickness = 0;   // wood thickness in pixels, set when cutting
  // Every piece in index order; never re-sorted.
  std::vector<std::unique_ptr<TFormPiece>> PieceList;
  Bitmap Picture;                                 // the whole puzzle picture, 24 bit
  Bitmap CellBackup;                              // one cell
  Bitmap MaskAtlas{1, 1, PixelFormat::Mono1};     // each piece's mask as it lies: black inside
  Bitmap BoardBitmap;                             // the composed board
  Bitmap RotateMask{1, 1, PixelFormat::Mono1};    // one-cell scratch for turning

 private:
  void StoreNormalisedPiece(TFormPiece& piece, const Rect& area) const;
  // Places the rest of one group's run around its first piece and pulls the run back
  // into the area when none of it is still there.
  void FitRun(const TPieceList& run, const Rect& area, bool restore) const;

  std::unique_ptr<TJigConfig> config_;

  // ---- Piece images and drawing (piece_drawing.cpp) ----
  // Declared after the configuration, which the sprite takes its smoothing from.
 public:
  // Makes `MaskAtlas` (black inside) and the one-cell scratch bitmaps from the packed
  // masks of the last cutting, at the cell and atlas sizes of the puzzle record; also
  // builds the wood edges. Reports progress with "Drawing: ". Pieces take their
  // pixels from `Picture` as they are drawn, so there is no image of them to render.
  // `maskAtlas`, when given, is the mask atlas already made from maskBuffer, and is
  // taken as it is.
  void RenderAtlases(std::span<const uint8_t> maskBuffer, const ProgressReport& progress = {},
                     Bitmap* maskAtlas = nullptr);
  // With the Wood style builds every piece's SolidSprite from the packed masks;
  // otherwise releases them.
  void BuildSolidSprites(std::span<const uint8_t> maskBuffer);
  // Draws the pieces of a list, in its order (back to front), onto target within
  // clip (nullptr: anywhere); with the Wood style each group's wood edges first.
  void DrawPieces(const TPieceList& list, Bitmap& target, const Rect* clip);
  // One piece at its board place: its image through its mask, the bevel, and the
  // edge blended with what lay beneath. Nothing for a hidden piece.
  void DrawPiece(const TFormPiece& piece, Bitmap& target, const Rect* clip);
  // One piece's wood edge (Wood style). Nothing for a hidden piece.
  void DrawPieceSolid(const TFormPiece& piece, Bitmap& target, const Rect* clip);
  // ANDs every piece's mask into target at its board place: the union of their
  // shapes in black.
  void DrawPieceMasks(const TPieceList& list, Bitmap& target) const;

 private:
  // How many bands of rows DrawPieces shares `area` among: 1 (drawn by the calling
  // thread) unless the area is large and the pieces many.
  int DrawingBands(size_t pieces, const Rect& area) const;
  // The drawing of pieces with a sprite and a scratch cell (what lies beneath an
  // edge) that no other thread uses at the same time.
  void DrawPiecesWith(const TPieceList& list, Bitmap& target, const Rect* clip, TSprite& sprite,
                      Bitmap& backup) const;
  void DrawPieceWith(const TFormPiece& piece, Bitmap& target, const Rect* clip, TSprite& sprite,
                     Bitmap& backup) const;
  void DrawPieceSolidWith(const TFormPiece& piece, Bitmap& target, const Rect* clip, const TSprite& sprite) const;

 public:

  // Threads that cutting, atlas rendering and composing large areas share their work
  // among; 0 or less: one per processor core. The pieces and the composed pixels come
  // out the same whatever the number.
  int ImagingThreads = 0;
  int ImagingThreadCount() const;  // ImagingThreads, or the number of cores
  Bitmap SolidTexture = LoadSolidTexture();  // 8-bit wood texture
  TSprite Sprite = MakePieceSprite(SolidTexture, config_->Smooth);
  // ---- End of piece images and drawing ----
};

}  // namespace quill
