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
    {"MainMenu", "", "", ""},

    {"FileMenu", "MainMenu", "&File", ""},
    {"FileNewItem", "FileMenu", "&Create...", "|Create a new jigsaw"},
    {"FileOpenItem", "FileMenu", "&Open...", "|Open or create a jigsaw", 0, "Ctrl+O"},
    {"FileSaveItem", "FileMenu", "&Save", "|Save the jigsaw in progress", 0, "Ctrl+S"},
    {"FileSaveAsItem", "FileMenu", "Save &As...", "|Save the jigsaw under a new name"},
    {"FileSaveGiftItem", "FileMenu", "Save as &Gift...", "|Save the jigsaw as a gift"},
    {"FileSaveSaverItem", "FileMenu", "Save as Screen Sa&ver...", "|Save the jigsaw as a screensaver", kHidden},
    {"FileDelete", "FileMenu", "&Delete...", "|Delete a jigsaw"},
    {"FileSep1", "FileMenu", "-", "", kSeparator},
    {"FilePrintItem", "FileMenu", "&Print...", "|Print the picture", 0, "Ctrl+P"},
    {"FilePrintSetupItem", "FileMenu", "P&rint Setup...", "|Set up the printer"},
    {"FileSep2", "FileMenu", "-", "", kSeparator},
    {"Restart1", "FileMenu", "Re&start...", "|Restart the jigsaw from scratch", kHidden},
    {"FileSep3", "FileMenu", "-", "", kSeparator},
    {"MRU1", "FileMenu", "&1", "|Open this recent jigsaw", kHidden},
    {"MRU2", "FileMenu", "&2", "|Open this recent jigsaw", kHidden},
    {"MRU3", "FileMenu", "&3", "|Open this recent jigsaw", kHidden},
    {"MRU4", "FileMenu", "&4", "|Open this recent jigsaw", kHidden},
    {"MRU5", "FileMenu", "&5", "|Open this recent jigsaw", kHidden},
    {"MRU6", "FileMenu", "&6", "|Open this recent jigsaw", kHidden},
    {"MRU7", "FileMenu", "&7", "|Open this recent jigsaw", kHidden},
    {"MRU8", "FileMenu", "&8", "|Open this recent jigsaw", kHidden},
    {"FileExitItem", "FileMenu", "E&xit", "|Close the jigsaw"},

    {"ViewMenu", "MainMenu", "&View", ""},
    {"Toolbar", "ViewMenu", "&Tool bar", "|Show or hide the tool bar", kTicked},
    {"Statusbar", "ViewMenu", "&Status bar", "|Show or hide the status bar", kTicked},
    {"Traybar", "ViewMenu", "T&ray bar", "|Show or hide the tray bar", kTicked},
    {"ViewSep1", "ViewMenu", "-", "", kSeparator},
    {"Picture", "ViewMenu", "&Picture", "|Show the picture window", 0, "F3"},
    {"Loupe", "ViewMenu", "&Loupe", "|Show the magnifying glass", 0, "F4"},
    {"Ghostpicture", "ViewMenu", "&Ghost picture", "|Show a faded picture on the board", kTicked, "F5"},
    {"Zoompicture", "ViewMenu", "&Zoom picture", "|Display the picture full-screen", kDisabled, "F2"},
    {"ViewSep2", "ViewMenu", "-", "", kSeparator},
    {"BoardColor", "ViewMenu", "&Board Color", "|Choose the colour of the board"},
    {"Custom1", "BoardColor", "Custom...", "|Pick any colour for the board", kRadio},
    {"Matching1", "BoardColor", "Matching", "|A board colour that matches the picture", kRadio},
    {"Contrasting1", "BoardColor", "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {"Default1", "BoardColor", "Default", "|The board colour the jigsaw came with", kTicked | kRadio},

    {"ToolsMenu", "MainMenu", "&Tools", ""},
    {"ArrangeAtEdge", "ToolsMenu", "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {"ArrangeInGrid", "ToolsMenu", "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {"Disarrange", "ToolsMenu", "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {"ToolsSep1", "ToolsMenu", "-", "", kSeparator},
    {"PieceSize", "ToolsMenu", "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {"ToolsSep2", "ToolsMenu", "-", "", kSeparator},
    {"UndoItem", "ToolsMenu", "&Undo", "|Undo the last step", kDisabled, "Ctrl+Z"},
    {"RedoItem", "ToolsMenu", "&Redo", "|Redo the step just undone", kDisabled, "Shift+Ctrl+Z"},
    {"ToolsSep3", "ToolsMenu", "-", "", kSeparator},
    {"DemoItem", "ToolsMenu", "&Demo", "|Watch the jigsaw solve itself"},
    {"MoreTips", "ToolsMenu", "More &Tips...", "|Read tips on playing"},
    {"Screensaver", "ToolsMenu", "&Screensaver...", "|Use the picture as a screensaver"},
    {"Wallpaper", "ToolsMenu", "&Wallpaper", "|Use the picture as the desktop wallpaper"},

    {"TraysMenu", "MainMenu", "T&rays", ""},
    {"NewTray", "TraysMenu", "&New Tray", "|Create a new tray for storing pieces", kDisabled},
    {"TraysSep1", "TraysMenu", "-", "", kSeparator},
    {"ShowTrays", "TraysMenu", "&Show", "|Open trays", kDisabled},
    {"ShowAllTrays", "ShowTrays", "Show &All Trays", "|Open every tray", 0, "", 0},
    {"ShowUsedTrays", "ShowTrays", "Show &Used Trays", "|Open the trays that hold pieces", 0, "", 1},
    {"ShowUnusedTrays", "ShowTrays", "Show &Empty Trays", "|Open the empty trays", 0, "", 2},
    {"HideTrays", "TraysMenu", "&Hide", "|Minimise trays", kDisabled},
    {"HideAllTrays", "HideTrays", "Hide &All Trays", "|Minimise every tray", 0, "", 3},
    {"HideUsedTrays", "HideTrays", "Hide &Used Trays", "|Minimise the trays that hold pieces", 0, "", 4},
    {"HideUnusedTrays", "HideTrays", "Hide &Empty Trays", "|Minimise the empty trays", 0, "", 5},
    {"DeleteTrays", "TraysMenu", "&Delete", "|Delete trays", kDisabled},
    {"DeleteAllTrays", "DeleteTrays", "Delete &All Trays", "|Delete every tray; its pieces go to the board", 0, "", 6},
    {"DeleteUsedTrays", "DeleteTrays", "Delete &Used Trays", "|Delete the trays that hold pieces", 0, "", 7},
    {"DeleteUnusedTrays", "DeleteTrays", "Delete &Empty Trays", "|Delete the empty trays", 0, "", 8},

    {"OptionsMenu", "MainMenu", "&Options", ""},
    {"Sound", "OptionsMenu", "&Sound", "|Turn sound effects on or off", kTicked},
    {"Music", "OptionsMenu", "&Music", "|Turn background music on or off", kTicked},
    {"OptionsSep1", "OptionsMenu", "-", "", kSeparator},
    {"Shadows", "OptionsMenu", "Sha&dows", "|Moving pieces cast a shadow", kTicked},
    {"Outlines", "OptionsMenu", "&Outlines", "|Choose the look of the piece edges"},
    {"OutlinesNone", "Outlines", "&None", "|Pieces have no outline", kTicked | kRadio},
    {"OutlineFoil", "Outlines", "&Foil", "|Pieces are made out of thin foil", kRadio},
    {"OutlinesPaper", "Outlines", "&Paper", "|Pieces are made out of paper", kRadio},
    {"OutlinesCard", "Outlines", "&Card", "|Pieces are made out of thick card", kRadio},
    {"OutlinesWood", "Outlines", "&Wood", "|Pieces are made out of chunky wood", kRadio},
    {"OutlinesSep", "Outlines", "-", "", kSeparator},
    {"AntiAlias", "Outlines", "&Smooth", "|Remove jaggies from piece outlines using smoothing", kTicked},
    {"AutoOutline", "Outlines", "&Auto hide", "|Remove outlines from solved pieces"},
    {"OptionsSep2", "OptionsMenu", "-", "", kSeparator},
    {"SortByShape", "OptionsMenu", "Sort by S&hape", "|Put edge pieces first when arranging", kTicked},
    {"SortByColor", "OptionsMenu", "Sort by &Color", "|Put similar colors together when arranging", kTicked},
    {"OptionsSep3", "OptionsMenu", "-", "", kSeparator},
    {"ShowTimer", "OptionsMenu", "&Timer display", "|Show the time taken", kTicked},
    {"ShowNum", "OptionsMenu", "&Number display", "|Show the number of pieces solved", kTicked},
    {"OptionsSep4", "OptionsMenu", "-", "", kSeparator},
    {"Rotation", "OptionsMenu", "&Rotating Pieces", "|Pieces can be turned"},
    {"Mystery", "OptionsMenu", "M&ystery Mode", "|Hide the jigsaw preview pictures"},
    {"OptionsSep5", "OptionsMenu", "-", "", kSeparator},
    {"Timelimit", "OptionsMenu", "Time &Limit...", "|Set a time limit for the jigsaw"},
    {"AdvOptions", "OptionsMenu", "&Advanced...", "|Change the advanced options", 0, "F8"},

    {"CheatMenu", "MainMenu", "&Cheat", ""},
    {"AllowCheating", "CheatMenu", "Allow &Cheating", "|Allow the cheat commands", kTicked},
    {"CheatSep1", "CheatMenu", "-", "", kSeparator},
    {"Hint1", "CheatMenu", "&Hint!", "|Flash the next two pieces to solve", kDisabled, "Ctrl+F1"},
    {"RightWayUp1", "CheatMenu", "&Right Way Up!", "|Turn every piece the right way up", kDisabled},
    {"Solve2", "CheatMenu", "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {"InternetMenu", "MainMenu", "&Internet", ""},
    {"WebLink", "InternetMenu", "", "Visit the Quillmere web site"},
    {"PurchaseFull", "InternetMenu", "&Purchase the full version...", "|Visit our online store"},
    {"JigSearch", "InternetMenu", "Jigsaw &Search...", "|Search the web for jigsaws", kHidden},
    {"ChkUpdate", "InternetMenu", "Check for &Updates...", "|Look for a newer version", kHidden},

    {"HelpMenu", "MainMenu", "&Help", ""},
    {"HelpContentsItem", "HelpMenu", "&Contents", "|Show the help contents", 0, "F1"},
    {"HelpSearchItem", "HelpMenu", "&Search for Help On...", "|Search the help"},
    {"WhatsNewItem", "HelpMenu", "&What's New", "|What is new in this version"},
    {"HelpFAQ", "HelpMenu", "&FAQ", "|Frequently asked questions"},
    {"HelpOrderItem", "HelpMenu", "How to &Order", "|How to order the full version"},
    {"HelpQuickItem", "HelpMenu", "&Quick Help!", "|Display mouse and keyboard controls"},
    {"HelpSep1", "HelpMenu", "-", "", kSeparator},
    {"HelpAboutJigItem", "HelpMenu", "About this &Jigsaw...", "|Show the jigsaw's title, creator and progress",
     kHidden},
    {"HelpAboutItem", "HelpMenu", "&About...", "|About this program"},

    {"PopupPlay", "", "", ""},
    {"MoveGhost", "PopupPlay", "&Move ghost", "|Move the ghost picture to another place"},
    {"FindPiece", "PopupPlay", "&Find piece!", "|Flash the piece that belongs here"},
    {"FetchPiece", "PopupPlay", "Fe&tch piece!", "|Bring the piece that belongs here"},
    {"PlaySep1", "PopupPlay", "-", "", kSeparator},
    {"ArrangeAtEdge2", "PopupPlay", "Arrange at &Edge", "|Arrange the loose pieces around the edge", kDisabled},
    {"ArrangeInGrid2", "PopupPlay", "Arrange in &Grid", "|Arrange the loose pieces in a grid", kDisabled},
    {"Disarrange2", "PopupPlay", "&Disarrange", "|Scatter the loose pieces at random", kDisabled},
    {"PlaySep2", "PopupPlay", "-", "", kSeparator},
    {"PieceSize1", "PopupPlay", "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},
    {"Hint2", "PopupPlay", "&Hint!", "|Flash the next two pieces to solve", kDisabled},
    {"Solve1", "PopupPlay", "&Auto-Solve!", "|Let the jigsaw solve itself", kDisabled},

    {"PopupPiece", "", "", ""},
    {"ShowSolution", "PopupPiece", "S&how Solution!", "|Flash where this piece belongs"},
    {"SolvePiece", "PopupPiece", "S&olve Piece!", "|Put this piece where it belongs"},
    {"PieceSep1", "PopupPiece", "-", "", kSeparator},
    {"RotateRight", "PopupPiece", "Rotate &Right", "|Turn the piece a quarter turn clockwise", kDisabled},
    {"RotateLeft", "PopupPiece", "Rotate &Left", "|Turn the piece a quarter turn anticlockwise", kDisabled},
    {"RightWayUp2", "PopupPiece", "Right &Way Up!", "|Turn this piece the right way up"},
    {"PieceSep2", "PopupPiece", "-", "", kSeparator},
    {"Unlock", "PopupPiece", "&Unlock", "|Disconnect the piece from its neighbours"},
    {"SendToBack", "PopupPiece", "Send To &Back", "|Put the piece behind all others"},
    {"PieceSep3", "PopupPiece", "-", "", kSeparator},
    {"ShowNeighbor", "PopupPiece", "&Show Neighbor!", "|Flash a piece that fits this one"},
    {"FetchNeighbor", "PopupPiece", "&Fetch Neighbor!", "|Bring a piece that fits this one"},
    {"PieceSep4", "PopupPiece", "-", "", kSeparator},
    {"PieceSize2", "PopupPiece", "&Piece Size...", "|Change the size and shape of the pieces", kDisabled},

    {"PopupTray", "", "", ""},
    {"TraySelectAll", "PopupTray", "Se&lect all pieces", "|Pick up every piece in this tray"},
    {"TrayToBack", "PopupTray", "&Send Tray to Back", "|Put this tray behind the others"},
    {"TrayDrop", "PopupTray", "D&rop all pieces", "|Empty this tray onto the board"},
    {"TrayGet", "PopupTray", "&Get pieces", "|Gather single pieces into this tray"},
    {"TrayGetAll", "TrayGet", "&All pieces", "|Gather every single piece", 0, "", 1},
    {"TrayGetEdge", "TrayGet", "&Edge pieces", "|Gather the single edge pieces", 0, "", 2},
    {"TrayGetMiddle", "TrayGet", "&Middle pieces", "|Gather the single middle pieces", 0, "", 3},
    {"TrayGetFun", "TrayGet", "&Fun pieces", "|Gather the single fun pieces", 0, "", 4},
    {"TraySep1", "PopupTray", "-", "", kSeparator},
    {"ArrangeAtEdgeT", "PopupTray", "Arrange at &Edge", "|Arrange this tray's pieces around its edge",
     kDisabled},
    {"ArrangeInGridT", "PopupTray", "Arrange in &Grid", "|Arrange this tray's pieces in a grid", kDisabled},
    {"DisarrangeTray", "PopupTray", "D&isarrange Tray", "|Scatter this tray's pieces at random", kDisabled},
    {"TraySep2", "PopupTray", "-", "", kSeparator},
    {"TrayColor", "PopupTray", "Tray &Color", "|Choose the colour of this tray"},
    {"Custom2", "TrayColor", "Custom...", "|Pick any colour for the tray", kRadio},
    {"Matching2", "TrayColor", "Matching", "|A tray colour that matches the picture", kRadio},
    {"Contrasting2", "TrayColor", "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {"Default2", "TrayColor", "Default", "|The tray takes the board colour", kRadio},
    {"TrayRename", "PopupTray", "&Tray Description...", "|Give this tray a name"},
    {"TraySep3", "PopupTray", "-", "", kSeparator},
    {"TrayDelete", "PopupTray", "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {"PopupTrayIcon", "", "", ""},
    {"TrayRename1", "PopupTrayIcon", "&Tray Description...", "|Give this tray a name"},
    {"TrayColor1", "PopupTrayIcon", "Tray &Color", "|Choose the colour of this tray"},
    {"Custom3", "TrayColor1", "Custom...", "|Pick any colour for the tray", kRadio},
    {"Matching3", "TrayColor1", "Matching", "|A tray colour that matches the picture", kRadio},
    {"Contrasting3", "TrayColor1", "Contrasting", "|A tray colour that contrasts with the picture", kRadio},
    {"Default3", "TrayColor1", "Default", "|The tray takes the board colour", kRadio},
    {"TrayIconSep1", "PopupTrayIcon", "-", "", kSeparator},
    {"TrayDelete1", "PopupTrayIcon", "&Delete Tray!", "|Delete this tray; its pieces go to the board"},

    {"ColorPopup", "", "", ""},
    {"Custom", "ColorPopup", "Custom...", "|Pick any colour for the board", kRadio},
    {"Matching", "ColorPopup", "Matching", "|A board colour that matches the picture", kRadio},
    {"Contrasting", "ColorPopup", "Contrasting", "|A board colour that contrasts with the picture", kRadio},
    {"DefaultColor", "ColorPopup", "Default", "|The board colour the jigsaw came with", kTicked | kRadio},
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
    {"SpeedOpen", 4, "Open|Open or create a jigsaw"},
    {"SpeedSave", 38, "Save|Save the jigsaw in progress"},
    {"SpeedPicture", 82, "Picture|Toggle the picture overlay (F3)", kDisabled},
    {"SpeedLoupe", 116, "Loupe|Toggle the magnifying glass (F4)", kDisabled},
    {"SpeedGhost", 150, "Ghost Picture|Toggle the ghost picture backdrop", kDisabled},
    {"SpeedZoom", 205, "Zoom|Display the jigsaw image full-screen (F2)", kDisabled},
    {"SpeedColor", 239, "Board color|Choose a new background board color", kDisabled},
    {"SpeedSize", 283, "Piece size and shape|Change the size and shape of pieces", kDisabled},
    {"SpeedEdge", 317, "Arrange at edge|Arrange pieces around edge", kDisabled},
    {"SpeedGrid", 351, "Arrange in grid|Arrange pieces in a grid", kDisabled},
    {"SpeedNewBox", 385, "New tray|Create a new tray for storing pieces", kDisabled},
    {"SpeedSound", 429, "Sound|Turn sound effects on/off", kTicked},
    {"SpeedMusic", 463, "Music|Turn background music on/off", kTicked},
    {"SpeedHint", 507, "Hint|Flash the next two pieces to solve", kDisabled},
    {"SpeedHelp", 541, "Quick Help|Display mouse and keyboard controls"},
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
  form.Define("SpeedBar", speedBar);
  for (const Button& b : kSpeedButtons) {
    ComponentState c;
    c.Parent = "SpeedBar";
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
       {std::tuple{"SpeedGhostOn", "+", "Brighten ghost|Increase the ghost picture brightness", 3},
        std::tuple{"SpeedGhostOff", "~", "Fade ghost|Decrease the ghost picture brightness", 20}}) {
    ComponentState c;
    c.Parent = "SpeedBar";
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
  form.Define("StatusLine", statusLine);
  // The status line's panels and progress bar, hidden until play starts or a long
  // operation runs.
  for (const auto& [name, hint, width] :
       {std::tuple{"TimerStatus", "|Time in hours and minutes since jigsaw started", 90},
        std::tuple{"SolvedStatus", "|Number of pieces solved out of total", 140},
        std::tuple{"ProgBar", "", 150}}) {
    ComponentState c;
    c.Parent = "StatusLine";
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
  form.Define("BoxBar", boxBar);
  for (const auto& [name, caption, hint] :
       {std::tuple{"SpeedBoxLeft", "<", "Scroll left|Show the trays further left"},
        std::tuple{"SpeedBoxRight", ">", "Scroll right|Show the trays further right"},
        std::tuple{"SpeedBoxUp", "^", "Scroll up|Show the trays further up"},
        std::tuple{"SpeedBoxDown", "v", "Scroll down|Show the trays further down"}}) {
    ComponentState c;
    c.Parent = "BoxBar";
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
  boxBtn.Parent = "BoxBar";
  boxBtn.Visible = false;
  boxBtn.Left = 22;
  boxBtn.Top = 4;
  boxBtn.Width = 46;
  boxBtn.Height = 33;
  form.Define("BoxBtn", boxBtn);

  ComponentState paintBox;
  paintBox.Parent = kMainFormName;
  paintBox.Width = 800;
  paintBox.Height = 500;
  form.Define("PaintBox1", paintBox);
}

}  // namespace quill
