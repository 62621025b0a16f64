// The main window as designed: its menus and pop-up menus with captions, shortcuts,
// hints and initial ticks, the tool bar and tray bar buttons, the status line and
// the board. The window's own start-up hides what this edition does not offer.
#include <initializer_list>
#include <tuple>

#include "ui/form_layouts.h"

namespace quill {

using namespace component;

namespace {

// Flags of a component in the table below.
enum : unsigned {
  kTicked = 1,
  kDisabled = 2,
  kHidden = 4,
  kRadio = 8,
  kSeparator = 16,
};

struct Item {
  const char* name;
  const char* parent;
  const char* caption;
  const char* hint;
  unsigned flags = 0;
  const char* shortcut = "";
  int32_t tag = 0;
};

// Menus and their items in menu order. Hints: short part, "|", long part shown in the
// status line.
const Item kMenuItems[] = {
    {kMainMenu, "", "", ""},

    {kFileMenu, kMainMenu, "&File", ""},
    {kFileNewItem, kFileMenu, "&Create...", "|Create a new jigsaw"},
    {kFileOpenItem, kFileMenu, "&Open...", "|Open or create a jigsaw", 0, "Ctrl+O"},
    {kFileSaveItem, kFileMenu, "&Save", "|Save the jigsaw in progress", 0, "Ctrl+S"},
    {kFileSaveAsItem, kFileMenu, "Save &As...", "|Save the jigsaw under a new name"},
    {kFileSaveGiftItem, kFileMenu, "Save as &Gift...", "|Save the jigsaw as a gift"},
    {kFileSaveSaverItem, kFileMenu, "Save as Screen Sa&ver...", "|Save the jigsaw as a screensaver", kHidden},
    {kFileDelete, kFileMenu, "&Delete...", "|Delete a jigsaw"},
    {kFileSep1, kFileMenu, "-", "", kSeparator},
    {kFilePrintItem, kFileMenu, "&Print...", "|Print the picture", 0, "Ctrl+P"},
    {kFilePrintSetupItem, kFileMenu, "P&rint Setup...", "|Set up the printer"},
    {kFileSep2, kFileMenu, "-", "", kSeparator},
    {kRestart1, kFileMenu, "Re&start...", "|Restart the jigsaw from scratch", kHidden},
    {kFileSep3, kFileMenu, "-", "", kSeparator},
    {kMRU1, kFileMenu, "&1", "|Open this recent jigsaw", kHidden},
    {kMRU2, kFileMenu, "&2", "|Open this recent jigsaw", kHidden},
    {kMRU3, kFileMenu, "&3", "|Open this recent jigsaw", kHidden},
    {kMRU4, kFileMenu, "&4", "|Open this recent jigsaw", kHidden},
    {kMRU5, kFileMenu, "&5", "|Open this recent jigsaw", kHidden},
    {kMRU6, kFileMenu, "&6", "|Open this recent jigsaw", kHidden},
    {kMRU7, kFileMenu, "&7", "|Open this recent jigsaw", kHidden},
    {kMRU8, kFileMenu, "&8", "|Open this recent jigsaw", kHidden},
    {kFileExitItem, kFileMenu, "E&xit", "|Close the jigsaw"},

    {kViewMenu, kMainMenu, "&View", ""},
    {kToolbar, kViewMenu, "&Tool bar", "|Show or hide the tool bar", kTicked},
    {kStatusbar, kViewMenu, "&Status bar", "|Show or hide the status bar", kTicked},
    {kTraybar, kViewMenu, "T&ray bar", "|Show or hide the tray bar", kTicked},
    {kViewSep1, kViewMenu, "-", "", kSeparator},
    {kPicture, kViewMenu, "&Picture", "|Show the picture window", 0, "F3"},
    {kLoupe, kViewMenu, "&Loupe", "|Show the magnifying glass", 0, "F4"},
    {kGhostpicture, kViewMenu, "&Ghost picture", "|Show a faded picture on the board", kTicked, "F5"},
    {kZoompicture, kViewMenu, "&Zoom picture", "|Display the picture full-screen", kDisabled, "F2"},
    {kViewSep2, kViewMenu, "-", "", kSeparator},
    {kBoardColor, kViewMenu, "&Board Color", "|Choose the colour of the board"},
    {kCustom1, kBoardColor, "Custom...", "|Pick any colour for the board", kRadio},
    {kMatching1, kBoardColor, "Matching", "|A board colour that matches the picture", kRadio},
    {kContrasting1, kBoardColor, "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {kDefault1, kBoardColor, "Default", "|The board colour the jigsaw came with", kTicked | kRadio},

    {kToolsMenu, kMainMenu, "&Tools", ""},
    {kArrangeAtEdge, kToolsMenu, "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {kArrangeInGrid, kToolsMenu, "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {kDisarrange, kToolsMenu, "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {kToolsSep1, kToolsMenu, "-", "", kSeparator},
    {kPieceSize, kToolsMenu, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {kToolsSep2, kToolsMenu, "-", "", kSeparator},
    {kUndoItem, kToolsMenu, "&Undo", "|Undo the last step", kDisabled, "Ctrl+Z"},
    {kRedoItem, kToolsMenu, "&Redo", "|Redo the step just undone", kDisabled, "Shift+Ctrl+Z"},
    {kToolsSep3, kToolsMenu, "-", "", kSeparator},
    {kDemoItem, kToolsMenu, "&Demo", "|Watch the jigsaw solve itself"},
    {kMoreTips, kToolsMenu, "More &Tips...", "|Read tips on playing"},
    {kScreensaver, kToolsMenu, "&Screensaver...", "|Use the picture as a screensaver"},
    {kWallpaper, kToolsMenu, "&Wallpaper", "|Use the picture as the desktop wallpaper"},

    {kTraysMenu, kMainMenu, "T&rays", ""},
    {kNewTray, kTraysMenu, "&New Tray", "|Create a new tray for storing pieces", kDisabled},
    {kTraysSep1, kTraysMenu, "-", "", kSeparator},
    {kShowTrays, kTraysMenu, "&Show", "|Open trays", kDisabled},
    {kShowAllTrays, kShowTrays, "Show &All Trays", "|Open every tray", 0, "", 0},
    {kShowUsedTrays, kShowTrays, "Show &Used Trays", "|Open the trays that hold pieces", 0, "", 1},
    {kShowUnusedTrays, kShowTrays, "Show &Empty Trays", "|Open the empty trays", 0, "", 2},
    {kHideTrays, kTraysMenu, "&Hide", "|Minimise trays", kDisabled},
    {kHideAllTrays, kHideTrays, "Hide &All Trays", "|Minimise every tray", 0, "", 3},
    {kHideUsedTrays, kHideTrays, "Hide &Used Trays", "|Minimise the trays that hold pieces", 0, "", 4},
    {kHideUnusedTrays, kHideTrays, "Hide &Empty Trays", "|Minimise the empty trays", 0, "", 5},
    {kDeleteTrays, kTraysMenu, "&Delete", "|Delete trays", kDisabled},
    {kDeleteAllTrays, kDeleteTrays, "Delete &All Trays", "|Delete every tray; its pieces go to the board", 0, "", 6},
    {kDeleteUsedTrays, kDeleteTrays, "Delete &Used Trays", "|Delete the trays that hold pieces", 0, "", 7},
    {kDeleteUnusedTrays, kDeleteTrays, "Delete &Empty Trays", "|Delete the empty trays", 0, "", 8},

    {kOptionsMenu, kMainMenu, "&Options", ""},
    {kSound, kOptionsMenu, "&Sound", "|Turn sound effects on or off", kTicked},
    {kMusic, kOptionsMenu, "&Music", "|Turn background music on or off", kTicked},
    {kOptionsSep1, kOptionsMenu, "-", "", kSeparator},
    {kShadows, kOptionsMenu, "Sha&dows", "|Moving pieces cast a shadow", kTicked},
    {kOutlines, kOptionsMenu, "&Outlines", "|Choose the look of the piece edges"},
    {kOutlinesNone, kOutlines, "&None", "|Pieces have no outline", kTicked | kRadio},
    {kOutlineFoil, kOutlines, "&Foil", "|Pieces are made out of thin foil", kRadio},
    {kOutlinesPaper, kOutlines, "&Paper", "|Pieces are made out of paper", kRadio},
    {kOutlinesCard, kOutlines, "&Card", "|Pieces are made out of thick card", kRadio},
    {kOutlinesWood, kOutlines, "&Wood", "|Pieces are made out of chunky wood", kRadio},
    {kOutlinesSep, kOutlines, "-", "", kSeparator},
    {kAntiAlias, kOutlines, "&Smooth", "|Remove jaggies from piece outlines using smoothing", kTicked},
    {kAutoOutline, kOutlines, "&Auto hide", "|Remove outlines from solved pieces"},
    {kOptionsSep2, kOptionsMenu, "-", "", kSeparator},
    {kSortByShape, kOptionsMenu, "Sort by S&hape", "|Put edge pieces first when arranging", kTicked},
    {kSortByColor, kOptionsMenu, "Sort by &Color", "|Put similar colors together when arranging", kTicked},
    {kOptionsSep3, kOptionsMenu, "-", "", kSeparator},
    {kShowTimer, kOptionsMenu, "&Timer display", "|Show the time taken", kTicked},
    {kShowNum, kOptionsMenu, "&Number display", "|Show the number of pieces solved", kTicked},
    {kOptionsSep4, kOptionsMenu, "-", "", kSeparator},
    {kRotation, kOptionsMenu, "&Rotating Pieces", "|Pieces can be turned"},
    {kMystery, kOptionsMenu, "M&ystery Mode", "|Hide the jigsaw preview pictures"},
    {kOptionsSep5, kOptionsMenu, "-", "", kSeparator},
    {kTimelimit, kOptionsMenu, "Time &Limit...", "|Set a time limit for the jigsaw"},
    {kAdvOptions, kOptionsMenu, "&Advanced...", "|Change the advanced options", 0, "F8"},

    {kCheatMenu, kMainMenu, "&Cheat", ""},
    {kAllowCheating, kCheatMenu, "Allow &Cheating", "|Allow the cheat commands", kTicked},
    {kCheatSep1, kCheatMenu, "-", "", kSeparator},
    {kHint1, kCheatMenu, "&Hint!", "|Flash the next two pieces to solve", kDisabled, "Ctrl+F1"},
    {kRightWayUp1, kCheatMenu, "&Right Way Up!", "|Turn every piece the right way up", kDisabled},
    {kSolve2, kCheatMenu, "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {kInternetMenu, kMainMenu, "&Internet", ""},
    {kWebLink, kInternetMenu, "", "Visit the Quillmere web site"},
    {kPurchaseFull, kInternetMenu, "&Purchase the full version...", "|Visit our online store"},
    {kJigSearch, kInternetMenu, "Jigsaw &Search...", "|Search the web for jigsaws", kHidden},
    {kChkUpdate, kInternetMenu, "Check for &Updates...", "|Look for a newer version", kHidden},

    {kHelpMenu, kMainMenu, "&Help", ""},
    {kHelpContentsItem, kHelpMenu, "&Contents", "|Show the help contents", 0, "F1"},
    {kHelpSearchItem, kHelpMenu, "&Search for Help On...", "|Search the help"},
    {kWhatsNewItem, kHelpMenu, "&What's New", "|What is new in this version"},
    {kHelpFAQ, kHelpMenu, "&FAQ", "|Frequently asked questions"},
    {kHelpOrderItem, kHelpMenu, "How to &Order", "|How to order the full version"},
    {kHelpQuickItem, kHelpMenu, "&Quick Help!", "|Display mouse and keyboard controls"},
    {kHelpSep1, kHelpMenu, "-", "", kSeparator},
    {kHelpAboutJigItem, kHelpMenu, "About this &Jigsaw...", "|Show the jigsaw's title, creator and progress",
     kHidden},
    {kHelpAboutItem, kHelpMenu, "&About...", "|About this program"},

    {kPopupPlay, "", "", ""},
    {kMoveGhost, kPopupPlay, "&Move ghost", "|Move the ghost picture to another place"},
    {kFindPiece, kPopupPlay, "&Find piece!", "|Flash the piece that belongs here"},
    {kFetchPiece, kPopupPlay, "Fe&tch piece!", "|Bring the piece that belongs here"},
    {kPlaySep1, kPopupPlay, "-", "", kSeparator},
    {kArrangeAtEdge2, kPopupPlay, "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {kArrangeInGrid2, kPopupPlay, "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {kDisarrange2, kPopupPlay, "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {kPlaySep2, kPopupPlay, "-", "", kSeparator},
    {kPieceSize1, kPopupPlay, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {kHint2, kPopupPlay, "&Hint!", "|Flash the next two pieces to solve", kDisabled},
    {kSolve1, kPopupPlay, "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {kPopupPiece, "", "", ""},
    {kShowSolution, kPopupPiece, "S&how Solution!", "|Flash where this piece belongs"},
    {kSolvePiece, kPopupPiece, "S&olve Piece!", "|Put this piece where it belongs"},
    {kPieceSep1, kPopupPiece, "-", "", kSeparator},
    {kRotateRight, kPopupPiece, "Rotate &Right", "|Turn the piece a quarter turn clockwise", kDisabled},
    {kRotateLeft, kPopupPiece, "Rotate &Left", "|Turn the piece a quarter turn anticlockwise", kDisabled},
    {kRightWayUp2, kPopupPiece, "Right &Way Up!", "|Turn this piece the right way up"},
    {kPieceSep2, kPopupPiece, "-", "", kSeparator},
    {kUnlock, kPopupPiece, "&Unlock", "|Disconnect the piece from its neighbours"},
    {kSendToBack, kPopupPiece, "Send To &Back", "|Put the piece behind all others"},
    {kPieceSep3, kPopupPiece, "-", "", kSeparator},
    {kShowNeighbor, kPopupPiece, "&Show Neighbor!", "|Flash a piece that fits this one"},
    {kFetchNeighbor, kPopupPiece, "&Fetch Neighbor!", "|Bring a piece that fits this one"},
    {kPieceSep4, kPopupPiece, "-", "", kSeparator},
    {kPieceSize2, kPopupPiece, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},

    {kPopupTray, "", "", ""},
    {kTraySelectAll, kPopupTray, "Se&lect all pieces", "|Pick up every piece in this tray"},
    {kTrayToBack, kPopupTray, "&Send Tray to Back", "|Put this tray behind the others"},
    {kTrayDrop, kPopupTray, "D&rop all pieces", "|Empty this tray onto the board"},
    {kTrayGet, kPopupTray, "&Get pieces", "|Gather single pieces into this tray"},
    {kTrayGetAll, kTrayGet, "&All pieces", "|Gather every single piece", 0, "", 1},
    {kTrayGetEdge, kTrayGet, "&Edge pieces", "|Gather the single edge pieces", 0, "", 2},
    {kTrayGetMiddle, kTrayGet, "&Middle pieces", "|Gather the single middle pieces", 0, "", 3},
    {kTrayGetFun, kTrayGet, "&Fun pieces", "|Gather the single fun pieces", 0, "", 4},
    {kTraySep1, kPopupTray, "-", "", kSeparator},
    {kArrangeAtEdgeT, kPopupTray, "Arrange at &Edge", "|Arrange this tray's pieces around its edge",
     kDisabled},
    {kArrangeInGridT, kPopupTray, "Arrange in &Grid", "|Arrange this tray's pieces in a grid", kDisabled},
    {kDisarrangeTray, kPopupTray, "D&isarrange Tray", "|Scatter this tray's pieces at random", kDisabled},
    {kTraySep2, kPopupTray, "-", "", kSeparator},
    {kTrayColor, kPopupTray, "Tray &Color", "|Choose the colour of this tray"},
    {kCustom2, kTrayColor, "Custom...", "|Pick any colour for the tray", kRadio},
    {kMatching2, kTrayColor, "Matching", "|A tray colour that matches the picture", kRadio},
    {kContrasting2, kTrayColor, "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {kDefault2, kTrayColor, "Default", "|The tray takes the board colour", kRadio},
    {kTrayRename, kPopupTray, "&Tray Description...", "|Give this tray a name"},
    {kTraySep3, kPopupTray, "-", "", kSeparator},
    {kTrayDelete, kPopupTray, "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {kPopupTrayIcon, "", "", ""},
    {kTrayRename1, kPopupTrayIcon, "&Tray Description...", "|Give this tray a name"},
    {kTrayColor1, kPopupTrayIcon, "Tray &Color", "|Choose the colour of this tray"},
    {kCustom3, kTrayColor1, "Custom...", "|Pick any colour for the tray", kRadio},
    {kMatching3, kTrayColor1, "Matching", "|A tray colour that matches the picture", kRadio},
    {kContrasting3, kTrayColor1, "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {kDefault3, kTrayColor1, "Default", "|The tray takes the board colour", kRadio},
    {kTrayIconSep1, kPopupTrayIcon, "-", "", kSeparator},
    {kTrayDelete1, kPopupTrayIcon, "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {kColorPopup, "", "", ""},
    {kCustom, kColorPopup, "Custom...", "|Pick any colour for the board", kRadio},
    {kMatching, kColorPopup, "Matching", "|A board colour that matches the picture", kRadio},
    {kContrasting, kColorPopup, "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {kDefaultColor, kColorPopup, "Default", "|The board colour the jigsaw came with", kTicked | kRadio},
};

ComponentState FromItem(const Item& item) {
  ComponentState c;
  c.Parent = item.parent;
  c.Caption = item.caption;
  c.Hint = item.hint;
  c.ShortCut = item.shortcut;
  c.Checked = item.flags & kTicked;
  c.Enabled = !(item.flags & kDisabled);
  c.Visible = !(item.flags & kHidden);
  c.RadioItem = item.flags & kRadio;
  c.Separator = item.flags & kSeparator;
  c.Tag = item.tag;
  return c;
}

struct Button {
  const char* name;
  int left;
  const char* hint;
  unsigned flags = 0;
};

// Tool bar buttons, left to right, 34 × 34 unless said otherwise.
const Button kSpeedButtons[] = {
    {kSpeedOpen, 4, "Open|Open or create a jigsaw"},
    {kSpeedSave, 38, "Save|Save the jigsaw in progress"},
    {kSpeedPicture, 82, "Picture|Toggle the picture overlay (F3)", kDisabled},
    {kSpeedLoupe, 116, "Loupe|Toggle the magnifying glass (F4)", kDisabled},
    {kSpeedGhost, 150, "Ghost Picture|Toggle the ghost picture backdrop", kDisabled},
    {kSpeedZoom, 205, "Zoom|Display the jigsaw image full-screen (F2)", kDisabled},
    {kSpeedColor, 239, "Board color|Choose a new background board color", kDisabled},
    {kSpeedSize, 283, "Piece size and shape|Change the size and shape of pieces", kDisabled},
    {kSpeedEdge, 317, "Arrange at edge|Arrange pieces around edge", kDisabled},
    {kSpeedGrid, 351, "Arrange in grid|Arrange pieces in a grid", kDisabled},
    {kSpeedNewBox, 385, "New tray|Create a new tray for storing pieces", kDisabled},
    {kSpeedSound, 429, "Sound|Turn sound effects on/off", kTicked},
    {kSpeedMusic, 463, "Music|Turn background music on/off", kTicked},
    {kSpeedHint, 507, "Hint|Flash the next two pieces to solve", kDisabled},
    {kSpeedHelp, 541, "Quick Help|Display mouse and keyboard controls"},
};

}  // namespace

void DefineMainForm(UiState& form) {
  ComponentState self;
  self.Caption = "Quillmere Gift";
  self.Color = 0xFF00000F;  // clBtnFace until the gift gives its board colour
  self.Width = 800;
  self.Height = 600;
  form.Define(kMainFormName, self);

  for (const Item& item : kMenuItems) form.Define(item.name, FromItem(item));

  ComponentState speedBar;
  speedBar.Parent = kMainFormName;
  speedBar.Height = 41;
  form.Define(kSpeedBar, speedBar);
  for (const Button& b : kSpeedButtons) {
    ComponentState c;
    c.Parent = kSpeedBar;
    c.Left = b.left;
    c.Top = 3;
    c.Width = 34;
    c.Height = 34;
    c.Hint = b.hint;
    c.Down = b.flags & kTicked;
    c.Enabled = !(b.flags & kDisabled);
    form.Define(b.name, c);
  }
  for (const auto& [name, caption, hint, top] :
       {std::tuple{kSpeedGhostOn, "+", "Brighten ghost|Increase the ghost picture brightness", 3},
        std::tuple{kSpeedGhostOff, "~", "Fade ghost|Decrease the ghost picture brightness", 20}}) {
    ComponentState c;
    c.Parent = kSpeedBar;
    c.Left = 184;
    c.Top = top;
    c.Width = 15;
    c.Height = 14;
    c.Caption = caption;
    c.Hint = hint;
    c.Enabled = false;
    form.Define(name, c);
  }

  ComponentState statusLine;
  statusLine.Parent = kMainFormName;
  statusLine.Height = 22;
  form.Define(kStatusLine, statusLine);
  // The status line's panels and progress bar, hidden until play starts or a long
  // operation runs.
  for (const auto& [name, hint, width] :
       {std::tuple{kTimerStatus, "|Time in hours and minutes since jigsaw started", 90},
        std::tuple{kSolvedStatus, "|Number of pieces solved out of total", 140},
        std::tuple{kProgBar, "", 150}}) {
    ComponentState c;
    c.Parent = kStatusLine;
    c.Width = width;
    c.Height = 18;
    c.Hint = hint;
    c.Visible = false;
    form.Define(name, c);
  }

  // The tray bar: its scroll buttons, and the invisible button every tray's button
  // is copied from.
  // Tray buttons are 46 wide with 6 pixels between them, so a 596-pixel bar holds 10
  // between its scroll buttons.
  ComponentState boxBar;
  boxBar.Parent = kMainFormName;
  boxBar.Height = 41;
  boxBar.Width = 596;
  boxBar.Align = ControlAlign::Bottom;
  form.Define(kBoxBar, boxBar);
  for (const auto& [name, caption, hint] :
       {std::tuple{kSpeedBoxLeft, "<", "Scroll left|Show the trays further left"},
        std::tuple{kSpeedBoxRight, ">", "Scroll right|Show the trays further right"},
        std::tuple{kSpeedBoxUp, "^", "Scroll up|Show the trays further up"},
        std::tuple{kSpeedBoxDown, "v", "Scroll down|Show the trays further down"}}) {
    ComponentState c;
    c.Parent = kBoxBar;
    c.Left = 2;
    c.Top = 4;
    c.Width = 16;
    c.Height = 33;
    c.Caption = caption;
    c.Hint = hint;
    c.Enabled = false;
    form.Define(name, c);
  }
  ComponentState boxBtn;
  boxBtn.Parent = kBoxBar;
  boxBtn.Visible = false;
  boxBtn.Left = 22;
  boxBtn.Top = 4;
  boxBtn.Width = 46;
  boxBtn.Height = 33;
  form.Define(kBoxBtn, boxBtn);

  ComponentState paintBox;
  paintBox.Parent = kMainFormName;
  paintBox.Width = 800;
  paintBox.Height = 500;
  form.Define(kPaintBox1, paintBox);
}

}  // namespace quill
