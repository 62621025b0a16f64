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
};

// Menus and their items in menu order. Hints: short part, "|", long part shown in the
// status line.
const Item kMenuItems[] = {
    {"MainMenu", "", "", ""},
    {"FileMenu", "MainMenu", "&File", ""},
    {"FileNewItem", "FileMenu", "&Create...", "|Create a new jigsaw"},
    {"FileOpenItem", "FileMenu", "&Open...", "|Open or create a jigsaw"},
    {"FileSaveItem", "FileMenu", "&Save", "|Save the jigsaw in progress", 0, "Ctrl+S"},
    {"FileSaveAsItem", "FileMenu", "Save &As...", "|Save the jigsaw under a new name"},
    {"FileSaveGiftItem", "FileMenu", "Save as &Gift...", "|Save the jigsaw as a gift"},
    {"FileSaveSaverItem", "FileMenu", "Save as Screen Sa&ver...", "|Save the jigsaw as a screensaver", kHidden},
    {"FileDelete", "FileMenu", "&Delete...", "|Delete a jigsaw"},
    {"FilePrintItem", "FileMenu", "&Print...", "|Print the picture"},
    {"FilePrintSetupItem", "FileMenu", "P&rint Setup...", "|Set up the printer"},
    {"FileSep1", "FileMenu", "-", "", kSeparator},
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

    {"OptionsMenu", "MainMenu", "&Options", ""},
    {"Sound", "OptionsMenu", "&Sound", "|Turn sound effects on or off", kTicked},
    {"Music", "OptionsMenu", "&Music", "|Turn background music on or off", kTicked},
    {"Shadows", "OptionsMenu", "Sha&dows", "|Moving pieces cast a shadow", kTicked},
    {"Outlines", "OptionsMenu", "&Outlines", "|Choose the look of the piece edges"},
    {"OutlinesNone", "Outlines", "&None", "|Pieces have no outline", kTicked | kRadio},
    {"OutlineFoil", "Outlines", "&Foil", "|Pieces look like foil", kRadio},
    {"OutlinesPaper", "Outlines", "&Paper", "|Pieces look like paper", kRadio},
    {"OutlinesCard", "Outlines", "&Card", "|Pieces look like card", kRadio},
    {"OutlinesWood", "Outlines", "&Wood", "|Pieces look like wood", kRadio},
    {"OutlinesSep", "Outlines", "-", "", kSeparator},
    {"AntiAlias", "Outlines", "&Smooth", "|Smooth the piece outlines", kTicked},
    {"AutoOutline", "Outlines", "&Auto hide", "|Hide the outlines of solved pieces"},
    {"SortByShape", "OptionsMenu", "Sort by S&hape", "|Arrange pieces sorted by shape", kTicked},
    {"SortByColor", "OptionsMenu", "Sort by &Color", "|Arrange pieces sorted by colour", kTicked},
    {"ShowTimer", "OptionsMenu", "&Timer display", "|Show the time taken", kTicked},
    {"ShowNum", "OptionsMenu", "&Number display", "|Show the number of pieces solved", kTicked},
    {"Rotation", "OptionsMenu", "&Rotating Pieces", "|Pieces can be turned"},
    {"Mystery", "OptionsMenu", "M&ystery Mode", "|Hide the jigsaw preview pictures"},
    {"AllowCheating", "OptionsMenu", "Allow &Cheating", "|Allow the cheat commands", kTicked},

    {"HelpMenu", "MainMenu", "&Help", ""},
    {"HelpAboutItem", "HelpMenu", "&About...", "|About this program"},
    {"WebLink", "HelpMenu", "", "Visit the Quillmere web site"},
    {"Restart1", "FileMenu", "Re&start...", "|Restart the jigsaw from scratch", kHidden},

    {"PopupPiece", "", "", ""},
    {"RotateRight", "PopupPiece", "Rotate &Right", "|Turn the piece a quarter turn clockwise", kDisabled},
    {"RotateLeft", "PopupPiece", "Rotate &Left", "|Turn the piece a quarter turn anticlockwise", kDisabled},
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

  ComponentState paintBox;
  paintBox.Parent = kMainFormName;
  paintBox.Width = 800;
  paintBox.Height = 500;
  form.Define("PaintBox1", paintBox);
}

}  // namespace quill
