// The main window as designed: its menus and pop-up menus with captions, shortcuts,
// hints and initial ticks, the tool bar and tray bar buttons, the status line and
// the board. The window's own start-up hides what this edition does not offer.
#include <initializer_list>
#include <tuple>

#include "ui/form_layouts.h"

namespace quill {
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
    {component::kMainMenu, "", "", ""},

    {component::kFileMenu, component::kMainMenu, "&File", ""},
    {component::kFileNewItem, component::kFileMenu, "&Create...", "|Create a new jigsaw"},
    {component::kFileOpenItem, component::kFileMenu, "&Open...", "|Open or create a jigsaw", 0, "Ctrl+O"},
    {component::kFileSaveItem, component::kFileMenu, "&Save", "|Save the jigsaw in progress", 0, "Ctrl+S"},
    {component::kFileSaveAsItem, component::kFileMenu, "Save &As...", "|Save the jigsaw under a new name"},
    {component::kFileSaveGiftItem, component::kFileMenu, "Save as &Gift...", "|Save the jigsaw as a gift"},
    {component::kFileSaveSaverItem, component::kFileMenu, "Save as Screen Sa&ver...", "|Save the jigsaw as a screensaver", kHidden},
    {component::kFileDelete, component::kFileMenu, "&Delete...", "|Delete a jigsaw"},
    {component::kFileSep1, component::kFileMenu, "-", "", kSeparator},
    {component::kFilePrintItem, component::kFileMenu, "&Print...", "|Print the picture", 0, "Ctrl+P"},
    {component::kFilePrintSetupItem, component::kFileMenu, "P&rint Setup...", "|Set up the printer"},
    {component::kFileSep2, component::kFileMenu, "-", "", kSeparator},
    {component::kRestart1, component::kFileMenu, "Re&start...", "|Restart the jigsaw from scratch", kHidden},
    {component::kFileSep3, component::kFileMenu, "-", "", kSeparator},
    {component::kMRU1, component::kFileMenu, "&1", "|Open this recent jigsaw", kHidden},
    {component::kMRU2, component::kFileMenu, "&2", "|Open this recent jigsaw", kHidden},
    {component::kMRU3, component::kFileMenu, "&3", "|Open this recent jigsaw", kHidden},
    {component::kMRU4, component::kFileMenu, "&4", "|Open this recent jigsaw", kHidden},
    {component::kMRU5, component::kFileMenu, "&5", "|Open this recent jigsaw", kHidden},
    {component::kMRU6, component::kFileMenu, "&6", "|Open this recent jigsaw", kHidden},
    {component::kMRU7, component::kFileMenu, "&7", "|Open this recent jigsaw", kHidden},
    {component::kMRU8, component::kFileMenu, "&8", "|Open this recent jigsaw", kHidden},
    {component::kFileExitItem, component::kFileMenu, "E&xit", "|Close the jigsaw"},

    {component::kViewMenu, component::kMainMenu, "&View", ""},
    {component::kToolbar, component::kViewMenu, "&Tool bar", "|Show or hide the tool bar", kTicked},
    {component::kStatusbar, component::kViewMenu, "&Status bar", "|Show or hide the status bar", kTicked},
    {component::kTraybar, component::kViewMenu, "T&ray bar", "|Show or hide the tray bar", kTicked},
    {component::kViewSep1, component::kViewMenu, "-", "", kSeparator},
    {component::kPicture, component::kViewMenu, "&Picture", "|Show the picture window", 0, "F3"},
    {component::kLoupe, component::kViewMenu, "&Loupe", "|Show the magnifying glass", 0, "F4"},
    {component::kGhostpicture, component::kViewMenu, "&Ghost picture", "|Show a faded picture on the board", kTicked, "F5"},
    {component::kZoompicture, component::kViewMenu, "&Zoom picture", "|Display the picture full-screen", kDisabled, "F2"},
    {component::kViewSep2, component::kViewMenu, "-", "", kSeparator},
    {component::kBoardColor, component::kViewMenu, "&Board Color", "|Choose the colour of the board"},
    {component::kCustom1, component::kBoardColor, "Custom...", "|Pick any colour for the board", kRadio},
    {component::kMatching1, component::kBoardColor, "Matching", "|A board colour that matches the picture", kRadio},
    {component::kContrasting1, component::kBoardColor, "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {component::kDefault1, component::kBoardColor, "Default", "|The board colour the jigsaw came with", kTicked | kRadio},

    {component::kToolsMenu, component::kMainMenu, "&Tools", ""},
    {component::kArrangeAtEdge, component::kToolsMenu, "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {component::kArrangeInGrid, component::kToolsMenu, "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {component::kDisarrange, component::kToolsMenu, "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {component::kToolsSep1, component::kToolsMenu, "-", "", kSeparator},
    {component::kPieceSize, component::kToolsMenu, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {component::kToolsSep2, component::kToolsMenu, "-", "", kSeparator},
    {component::kUndoItem, component::kToolsMenu, "&Undo", "|Undo the last step", kDisabled, "Ctrl+Z"},
    {component::kRedoItem, component::kToolsMenu, "&Redo", "|Redo the step just undone", kDisabled, "Shift+Ctrl+Z"},
    {component::kToolsSep3, component::kToolsMenu, "-", "", kSeparator},
    {component::kDemoItem, component::kToolsMenu, "&Demo", "|Watch the jigsaw solve itself"},
    {component::kMoreTips, component::kToolsMenu, "More &Tips...", "|Read tips on playing"},
    {component::kScreensaver, component::kToolsMenu, "&Screensaver...", "|Use the picture as a screensaver"},
    {component::kWallpaper, component::kToolsMenu, "&Wallpaper", "|Use the picture as the desktop wallpaper"},

    {component::kTraysMenu, component::kMainMenu, "T&rays", ""},
    {component::kNewTray, component::kTraysMenu, "&New Tray", "|Create a new tray for storing pieces", kDisabled},
    {component::kTraysSep1, component::kTraysMenu, "-", "", kSeparator},
    {component::kShowTrays, component::kTraysMenu, "&Show", "|Open trays", kDisabled},
    {component::kShowAllTrays, component::kShowTrays, "Show &All Trays", "|Open every tray", 0, "", 0},
    {component::kShowUsedTrays, component::kShowTrays, "Show &Used Trays", "|Open the trays that hold pieces", 0, "", 1},
    {component::kShowUnusedTrays, component::kShowTrays, "Show &Empty Trays", "|Open the empty trays", 0, "", 2},
    {component::kHideTrays, component::kTraysMenu, "&Hide", "|Minimise trays", kDisabled},
    {component::kHideAllTrays, component::kHideTrays, "Hide &All Trays", "|Minimise every tray", 0, "", 3},
    {component::kHideUsedTrays, component::kHideTrays, "Hide &Used Trays", "|Minimise the trays that hold pieces", 0, "", 4},
    {component::kHideUnusedTrays, component::kHideTrays, "Hide &Empty Trays", "|Minimise the empty trays", 0, "", 5},
    {component::kDeleteTrays, component::kTraysMenu, "&Delete", "|Delete trays", kDisabled},
    {component::kDeleteAllTrays, component::kDeleteTrays, "Delete &All Trays", "|Delete every tray; its pieces go to the board", 0, "", 6},
    {component::kDeleteUsedTrays, component::kDeleteTrays, "Delete &Used Trays", "|Delete the trays that hold pieces", 0, "", 7},
    {component::kDeleteUnusedTrays, component::kDeleteTrays, "Delete &Empty Trays", "|Delete the empty trays", 0, "", 8},

    {component::kOptionsMenu, component::kMainMenu, "&Options", ""},
    {component::kSound, component::kOptionsMenu, "&Sound", "|Turn sound effects on or off", kTicked},
    {component::kMusic, component::kOptionsMenu, "&Music", "|Turn background music on or off", kTicked},
    {component::kOptionsSep1, component::kOptionsMenu, "-", "", kSeparator},
    {component::kShadows, component::kOptionsMenu, "Sha&dows", "|Moving pieces cast a shadow", kTicked},
    {component::kOutlines, component::kOptionsMenu, "&Outlines", "|Choose the look of the piece edges"},
    {component::kOutlinesNone, component::kOutlines, "&None", "|Pieces have no outline", kTicked | kRadio},
    {component::kOutlineFoil, component::kOutlines, "&Foil", "|Pieces are made out of thin foil", kRadio},
    {component::kOutlinesPaper, component::kOutlines, "&Paper", "|Pieces are made out of paper", kRadio},
    {component::kOutlinesCard, component::kOutlines, "&Card", "|Pieces are made out of thick card", kRadio},
    {component::kOutlinesWood, component::kOutlines, "&Wood", "|Pieces are made out of chunky wood", kRadio},
    {component::kOutlinesSep, component::kOutlines, "-", "", kSeparator},
    {component::kAntiAlias, component::kOutlines, "&Smooth", "|Remove jaggies from piece outlines using smoothing", kTicked},
    {component::kAutoOutline, component::kOutlines, "&Auto hide", "|Remove outlines from solved pieces"},
    {component::kOptionsSep2, component::kOptionsMenu, "-", "", kSeparator},
    {component::kSortByShape, component::kOptionsMenu, "Sort by S&hape", "|Put edge pieces first when arranging", kTicked},
    {component::kSortByColor, component::kOptionsMenu, "Sort by &Color", "|Put similar colors together when arranging", kTicked},
    {component::kOptionsSep3, component::kOptionsMenu, "-", "", kSeparator},
    {component::kShowTimer, component::kOptionsMenu, "&Timer display", "|Show the time taken", kTicked},
    {component::kShowNum, component::kOptionsMenu, "&Number display", "|Show the number of pieces solved", kTicked},
    {component::kOptionsSep4, component::kOptionsMenu, "-", "", kSeparator},
    {component::kRotation, component::kOptionsMenu, "&Rotating Pieces", "|Pieces can be turned"},
    {component::kMystery, component::kOptionsMenu, "M&ystery Mode", "|Hide the jigsaw preview pictures"},
    {component::kOptionsSep5, component::kOptionsMenu, "-", "", kSeparator},
    {component::kTimelimit, component::kOptionsMenu, "Time &Limit...", "|Set a time limit for the jigsaw"},
    {component::kAdvOptions, component::kOptionsMenu, "&Advanced...", "|Change the advanced options", 0, "F8"},

    {component::kCheatMenu, component::kMainMenu, "&Cheat", ""},
    {component::kAllowCheating, component::kCheatMenu, "Allow &Cheating", "|Allow the cheat commands", kTicked},
    {component::kCheatSep1, component::kCheatMenu, "-", "", kSeparator},
    {component::kHint1, component::kCheatMenu, "&Hint!", "|Flash the next two pieces to solve", kDisabled, "Ctrl+F1"},
    {component::kRightWayUp1, component::kCheatMenu, "&Right Way Up!", "|Turn every piece the right way up", kDisabled},
    {component::kSolve2, component::kCheatMenu, "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {component::kInternetMenu, component::kMainMenu, "&Internet", ""},
    {component::kWebLink, component::kInternetMenu, "", "Visit the Quillmere web site"},
    {component::kPurchaseFull, component::kInternetMenu, "&Purchase the full version...", "|Visit our online store"},
    {component::kJigSearch, component::kInternetMenu, "Jigsaw &Search...", "|Search the web for jigsaws", kHidden},
    {component::kChkUpdate, component::kInternetMenu, "Check for &Updates...", "|Look for a newer version", kHidden},

    {component::kHelpMenu, component::kMainMenu, "&Help", ""},
    {component::kHelpContentsItem, component::kHelpMenu, "&Contents", "|Show the help contents", 0, "F1"},
    {component::kHelpSearchItem, component::kHelpMenu, "&Search for Help On...", "|Search the help"},
    {component::kWhatsNewItem, component::kHelpMenu, "&What's New", "|What is new in this version"},
    {component::kHelpFAQ, component::kHelpMenu, "&FAQ", "|Frequently asked questions"},
    {component::kHelpOrderItem, component::kHelpMenu, "How to &Order", "|How to order the full version"},
    {component::kHelpQuickItem, component::kHelpMenu, "&Quick Help!", "|Display mouse and keyboard controls"},
    {component::kHelpSep1, component::kHelpMenu, "-", "", kSeparator},
    {component::kHelpAboutJigItem, component::kHelpMenu, "About this &Jigsaw...", "|Show the jigsaw's title, creator and progress",
     kHidden},
    {component::kHelpAboutItem, component::kHelpMenu, "&About...", "|About this program"},

    {component::kPopupPlay, "", "", ""},
    {component::kMoveGhost, component::kPopupPlay, "&Move ghost", "|Move the ghost picture to another place"},
    {component::kFindPiece, component::kPopupPlay, "&Find piece!", "|Flash the piece that belongs here"},
    {component::kFetchPiece, component::kPopupPlay, "Fe&tch piece!", "|Bring the piece that belongs here"},
    {component::kPlaySep1, component::kPopupPlay, "-", "", kSeparator},
    {component::kArrangeAtEdge2, component::kPopupPlay, "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {component::kArrangeInGrid2, component::kPopupPlay, "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {component::kDisarrange2, component::kPopupPlay, "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {component::kPlaySep2, component::kPopupPlay, "-", "", kSeparator},
    {component::kPieceSize1, component::kPopupPlay, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {component::kHint2, component::kPopupPlay, "&Hint!", "|Flash the next two pieces to solve", kDisabled},
    {component::kSolve1, component::kPopupPlay, "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {component::kPopupPiece, "", "", ""},
    {component::kShowSolution, component::kPopupPiece, "S&how Solution!", "|Flash where this piece belongs"},
    {component::kSolvePiece, component::kPopupPiece, "S&olve Piece!", "|Put this piece where it belongs"},
    {component::kPieceSep1, component::kPopupPiece, "-", "", kSeparator},
    {component::kRotateRight, component::kPopupPiece, "Rotate &Right", "|Turn the piece a quarter turn clockwise", kDisabled},
    {component::kRotateLeft, component::kPopupPiece, "Rotate &Left", "|Turn the piece a quarter turn anticlockwise", kDisabled},
    {component::kRightWayUp2, component::kPopupPiece, "Right &Way Up!", "|Turn this piece the right way up"},
    {component::kPieceSep2, component::kPopupPiece, "-", "", kSeparator},
    {component::kUnlock, component::kPopupPiece, "&Unlock", "|Disconnect the piece from its neighbours"},
    {component::kSendToBack, component::kPopupPiece, "Send To &Back", "|Put the piece behind all others"},
    {component::kPieceSep3, component::kPopupPiece, "-", "", kSeparator},
    {component::kShowNeighbor, component::kPopupPiece, "&Show Neighbor!", "|Flash a piece that fits this one"},
    {component::kFetchNeighbor, component::kPopupPiece, "&Fetch Neighbor!", "|Bring a piece that fits this one"},
    {component::kPieceSep4, component::kPopupPiece, "-", "", kSeparator},
    {component::kPieceSize2, component::kPopupPiece, "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},

    {component::kPopupTray, "", "", ""},
    {component::kTraySelectAll, component::kPopupTray, "Se&lect all pieces", "|Pick up every piece in this tray"},
    {component::kTrayToBack, component::kPopupTray, "&Send Tray to Back", "|Put this tray behind the others"},
    {component::kTrayDrop, component::kPopupTray, "D&rop all pieces", "|Empty this tray onto the board"},
    {component::kTrayGet, component::kPopupTray, "&Get pieces", "|Gather single pieces into this tray"},
    {component::kTrayGetAll, component::kTrayGet, "&All pieces", "|Gather every single piece", 0, "", 1},
    {component::kTrayGetEdge, component::kTrayGet, "&Edge pieces", "|Gather the single edge pieces", 0, "", 2},
    {component::kTrayGetMiddle, component::kTrayGet, "&Middle pieces", "|Gather the single middle pieces", 0, "", 3},
    {component::kTrayGetFun, component::kTrayGet, "&Fun pieces", "|Gather the single fun pieces", 0, "", 4},
    {component::kTraySep1, component::kPopupTray, "-", "", kSeparator},
    {component::kArrangeAtEdgeT, component::kPopupTray, "Arrange at &Edge", "|Arrange this tray's pieces around its edge",
     kDisabled},
    {component::kArrangeInGridT, component::kPopupTray, "Arrange in &Grid", "|Arrange this tray's pieces in a grid", kDisabled},
    {component::kDisarrangeTray, component::kPopupTray, "D&isarrange Tray", "|Scatter this tray's pieces at random", kDisabled},
    {component::kTraySep2, component::kPopupTray, "-", "", kSeparator},
    {component::kTrayColor, component::kPopupTray, "Tray &Color", "|Choose the colour of this tray"},
    {component::kCustom2, component::kTrayColor, "Custom...", "|Pick any colour for the tray", kRadio},
    {component::kMatching2, component::kTrayColor, "Matching", "|A tray colour that matches the picture", kRadio},
    {component::kContrasting2, component::kTrayColor, "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {component::kDefault2, component::kTrayColor, "Default", "|The tray takes the board colour", kRadio},
    {component::kTrayRename, component::kPopupTray, "&Tray Description...", "|Give this tray a name"},
    {component::kTraySep3, component::kPopupTray, "-", "", kSeparator},
    {component::kTrayDelete, component::kPopupTray, "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {component::kPopupTrayIcon, "", "", ""},
    {component::kTrayRename1, component::kPopupTrayIcon, "&Tray Description...", "|Give this tray a name"},
    {component::kTrayColor1, component::kPopupTrayIcon, "Tray &Color", "|Choose the colour of this tray"},
    {component::kCustom3, component::kTrayColor1, "Custom...", "|Pick any colour for the tray", kRadio},
    {component::kMatching3, component::kTrayColor1, "Matching", "|A tray colour that matches the picture", kRadio},
    {component::kContrasting3, component::kTrayColor1, "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {component::kDefault3, component::kTrayColor1, "Default", "|The tray takes the board colour", kRadio},
    {component::kTrayIconSep1, component::kPopupTrayIcon, "-", "", kSeparator},
    {component::kTrayDelete1, component::kPopupTrayIcon, "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {component::kColorPopup, "", "", ""},
    {component::kCustom, component::kColorPopup, "Custom...", "|Pick any colour for the board", kRadio},
    {component::kMatching, component::kColorPopup, "Matching", "|A board colour that matches the picture", kRadio},
    {component::kContrasting, component::kColorPopup, "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {component::kDefaultColor, component::kColorPopup, "Default", "|The board colour the jigsaw came with", kTicked | kRadio},
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
    {component::kSpeedOpen, 4, "Open|Open or create a jigsaw"},
    {component::kSpeedSave, 38, "Save|Save the jigsaw in progress"},
    {component::kSpeedPicture, 82, "Picture|Toggle the picture overlay (F3)", kDisabled},
    {component::kSpeedLoupe, 116, "Loupe|Toggle the magnifying glass (F4)", kDisabled},
    {component::kSpeedGhost, 150, "Ghost Picture|Toggle the ghost picture backdrop", kDisabled},
    {component::kSpeedZoom, 205, "Zoom|Display the jigsaw image full-screen (F2)", kDisabled},
    {component::kSpeedColor, 239, "Board color|Choose a new background board color", kDisabled},
    {component::kSpeedSize, 283, "Piece size and shape|Change the size and shape of pieces", kDisabled},
    {component::kSpeedEdge, 317, "Arrange at edge|Arrange pieces around edge", kDisabled},
    {component::kSpeedGrid, 351, "Arrange in grid|Arrange pieces in a grid", kDisabled},
    {component::kSpeedNewBox, 385, "New tray|Create a new tray for storing pieces", kDisabled},
    {component::kSpeedSound, 429, "Sound|Turn sound effects on/off", kTicked},
    {component::kSpeedMusic, 463, "Music|Turn background music on/off", kTicked},
    {component::kSpeedHint, 507, "Hint|Flash the next two pieces to solve", kDisabled},
    {component::kSpeedHelp, 541, "Quick Help|Display mouse and keyboard controls"},
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
  form.Define(component::kSpeedBar, speedBar);
  for (const Button& b : kSpeedButtons) {
    ComponentState c;
    c.Parent = component::kSpeedBar;
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
       {std::tuple{component::kSpeedGhostOn, "+", "Brighten ghost|Increase the ghost picture brightness", 3},
        std::tuple{component::kSpeedGhostOff, "~", "Fade ghost|Decrease the ghost picture brightness", 20}}) {
    ComponentState c;
    c.Parent = component::kSpeedBar;
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
  form.Define(component::kStatusLine, statusLine);
  // The status line's panels and progress bar, hidden until play starts or a long
  // operation runs.
  for (const auto& [name, hint, width] :
       {std::tuple{component::kTimerStatus, "|Time in hours and minutes since jigsaw started", 90},
        std::tuple{component::kSolvedStatus, "|Number of pieces solved out of total", 140},
        std::tuple{component::kProgBar, "", 150}}) {
    ComponentState c;
    c.Parent = component::kStatusLine;
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
  form.Define(component::kBoxBar, boxBar);
  for (const auto& [name, caption, hint] :
       {std::tuple{component::kSpeedBoxLeft, "<", "Scroll left|Show the trays further left"},
        std::tuple{component::kSpeedBoxRight, ">", "Scroll right|Show the trays further right"},
        std::tuple{component::kSpeedBoxUp, "^", "Scroll up|Show the trays further up"},
        std::tuple{component::kSpeedBoxDown, "v", "Scroll down|Show the trays further down"}}) {
    ComponentState c;
    c.Parent = component::kBoxBar;
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
  boxBtn.Parent = component::kBoxBar;
  boxBtn.Visible = false;
  boxBtn.Left = 22;
  boxBtn.Top = 4;
  boxBtn.Width = 46;
  boxBtn.Height = 33;
  form.Define(component::kBoxBtn, boxBtn);

  ComponentState paintBox;
  paintBox.Parent = kMainFormName;
  paintBox.Width = 800;
  paintBox.Height = 500;
  form.Define(component::kPaintBox1, paintBox);
}

}  // namespace quill
