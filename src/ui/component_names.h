// The names of the forms' components: the menus and their items, the tool bar, the
// status line, the tray bar, the board and the parts of the splash form. The layout
// tables (main_form_layout.cpp, splash_layout.cpp) define the components under these
// names, and the core and the shell find them by these names alone. The names stay
// as they are: tests and the shell's object names rely on them.
#pragma once

namespace quill {

// Names of forms themselves inside their UiState (the form's own size and colour).
inline constexpr const char* kMainFormName = "MainForm";
inline constexpr const char* kSplashFormName = "SplashForm";

// A tray's button on the tray bar is this prefix followed by the tray's number.
inline constexpr const char* kTrayButtonPrefix = "TrayButton";

namespace component {

// The menu bar and the pop-up menus, each menu followed by its items.
inline constexpr const char* kMainMenu = "MainMenu";

inline constexpr const char* kFileMenu = "FileMenu";
inline constexpr const char* kFileNewItem = "FileNewItem";
inline constexpr const char* kFileOpenItem = "FileOpenItem";
inline constexpr const char* kFileSaveItem = "FileSaveItem";
inline constexpr const char* kFileSaveAsItem = "FileSaveAsItem";
inline constexpr const char* kFileSaveGiftItem = "FileSaveGiftItem";
inline constexpr const char* kFileSaveSaverItem = "FileSaveSaverItem";
inline constexpr const char* kFileDelete = "FileDelete";
inline constexpr const char* kFileSep1 = "FileSep1";
inline constexpr const char* kFilePrintItem = "FilePrintItem";
inline constexpr const char* kFilePrintSetupItem = "FilePrintSetupItem";
inline constexpr const char* kFileSep2 = "FileSep2";
inline constexpr const char* kRestart1 = "Restart1";
inline constexpr const char* kFileSep3 = "FileSep3";
inline constexpr const char* kMRU1 = "MRU1";
inline constexpr const char* kMRU2 = "MRU2";
inline constexpr const char* kMRU3 = "MRU3";
inline constexpr const char* kMRU4 = "MRU4";
inline constexpr const char* kMRU5 = "MRU5";
inline constexpr const char* kMRU6 = "MRU6";
inline constexpr const char* kMRU7 = "MRU7";
inline constexpr const char* kMRU8 = "MRU8";
inline constexpr const char* kFileExitItem = "FileExitItem";

inline constexpr const char* kViewMenu = "ViewMenu";
inline constexpr const char* kToolbar = "Toolbar";
inline constexpr const char* kStatusbar = "Statusbar";
inline constexpr const char* kTraybar = "Traybar";
inline constexpr const char* kViewSep1 = "ViewSep1";
inline constexpr const char* kPicture = "Picture";
inline constexpr const char* kLoupe = "Loupe";
inline constexpr const char* kGhostpicture = "Ghostpicture";
inline constexpr const char* kZoompicture = "Zoompicture";
inline constexpr const char* kViewSep2 = "ViewSep2";
inline constexpr const char* kBoardColor = "BoardColor";
inline constexpr const char* kCustom1 = "Custom1";
inline constexpr const char* kMatching1 = "Matching1";
inline constexpr const char* kContrasting1 = "Contrasting1";
inline constexpr const char* kDefault1 = "Default1";

inline constexpr const char* kToolsMenu = "ToolsMenu";
inline constexpr const char* kArrangeAtEdge = "ArrangeAtEdge";
inline constexpr const char* kArrangeInGrid = "ArrangeInGrid";
inline constexpr const char* kDisarrange = "Disarrange";
inline constexpr const char* kToolsSep1 = "ToolsSep1";
inline constexpr const char* kPieceSize = "PieceSize";
inline constexpr const char* kToolsSep2 = "ToolsSep2";
inline constexpr const char* kUndoItem = "UndoItem";
inline constexpr const char* kRedoItem = "RedoItem";
inline constexpr const char* kToolsSep3 = "ToolsSep3";
inline constexpr const char* kDemoItem = "DemoItem";
inline constexpr const char* kMoreTips = "MoreTips";
inline constexpr const char* kScreensaver = "Screensaver";
inline constexpr const char* kWallpaper = "Wallpaper";

inline constexpr const char* kTraysMenu = "TraysMenu";
inline constexpr const char* kNewTray = "NewTray";
inline constexpr const char* kTraysSep1 = "TraysSep1";
inline constexpr const char* kShowTrays = "ShowTrays";
inline constexpr const char* kShowAllTrays = "ShowAllTrays";
inline constexpr const char* kShowUsedTrays = "ShowUsedTrays";
inline constexpr const char* kShowUnusedTrays = "ShowUnusedTrays";
inline constexpr const char* kHideTrays = "HideTrays";
inline constexpr const char* kHideAllTrays = "HideAllTrays";
inline constexpr const char* kHideUsedTrays = "HideUsedTrays";
inline constexpr const char* kHideUnusedTrays = "HideUnusedTrays";
inline constexpr const char* kDeleteTrays = "DeleteTrays";
inline constexpr const char* kDeleteAllTrays = "DeleteAllTrays";
inline constexpr const char* kDeleteUsedTrays = "DeleteUsedTrays";
inline constexpr const char* kDeleteUnusedTrays = "DeleteUnusedTrays";

inline constexpr const char* kOptionsMenu = "OptionsMenu";
inline constexpr const char* kSound = "Sound";
inline constexpr const char* kMusic = "Music";
inline constexpr const char* kOptionsSep1 = "OptionsSep1";
inline constexpr const char* kShadows = "Shadows";
inline constexpr const char* kOutlines = "Outlines";
inline constexpr const char* kOutlinesNone = "OutlinesNone";
inline constexpr const char* kOutlineFoil = "OutlineFoil";
inline constexpr const char* kOutlinesPaper = "OutlinesPaper";
inline constexpr const char* kOutlinesCard = "OutlinesCard";
inline constexpr const char* kOutlinesWood = "OutlinesWood";
inline constexpr const char* kOutlinesSep = "OutlinesSep";
inline constexpr const char* kAntiAlias = "AntiAlias";
inline constexpr const char* kAutoOutline = "AutoOutline";
inline constexpr const char* kOptionsSep2 = "OptionsSep2";
inline constexpr const char* kSortByShape = "SortByShape";
inline constexpr const char* kSortByColor = "SortByColor";
inline constexpr const char* kOptionsSep3 = "OptionsSep3";
inline constexpr const char* kShowTimer = "ShowTimer";
inline constexpr const char* kShowNum = "ShowNum";
inline constexpr const char* kOptionsSep4 = "OptionsSep4";
inline constexpr const char* kRotation = "Rotation";
inline constexpr const char* kMystery = "Mystery";
inline constexpr const char* kOptionsSep5 = "OptionsSep5";
inline constexpr const char* kTimelimit = "Timelimit";
inline constexpr const char* kAdvOptions = "AdvOptions";

inline constexpr const char* kCheatMenu = "CheatMenu";
inline constexpr const char* kAllowCheating = "AllowCheating";
inline constexpr const char* kCheatSep1 = "CheatSep1";
inline constexpr const char* kHint1 = "Hint1";
inline constexpr const char* kRightWayUp1 = "RightWayUp1";
inline constexpr const char* kSolve2 = "Solve2";

inline constexpr const char* kInternetMenu = "InternetMenu";
inline constexpr const char* kWebLink = "WebLink";
inline constexpr const char* kPurchaseFull = "PurchaseFull";
inline constexpr const char* kJigSearch = "JigSearch";
inline constexpr const char* kChkUpdate = "ChkUpdate";

inline constexpr const char* kHelpMenu = "HelpMenu";
inline constexpr const char* kHelpContentsItem = "HelpContentsItem";
inline constexpr const char* kHelpSearchItem = "HelpSearchItem";
inline constexpr const char* kWhatsNewItem = "WhatsNewItem";
inline constexpr const char* kHelpFAQ = "HelpFAQ";
inline constexpr const char* kHelpOrderItem = "HelpOrderItem";
inline constexpr const char* kHelpQuickItem = "HelpQuickItem";
inline constexpr const char* kHelpSep1 = "HelpSep1";
inline constexpr const char* kHelpAboutJigItem = "HelpAboutJigItem";
inline constexpr const char* kHelpAboutItem = "HelpAboutItem";

inline constexpr const char* kPopupPlay = "PopupPlay";
inline constexpr const char* kMoveGhost = "MoveGhost";
inline constexpr const char* kFindPiece = "FindPiece";
inline constexpr const char* kFetchPiece = "FetchPiece";
inline constexpr const char* kPlaySep1 = "PlaySep1";
inline constexpr const char* kArrangeAtEdge2 = "ArrangeAtEdge2";
inline constexpr const char* kArrangeInGrid2 = "ArrangeInGrid2";
inline constexpr const char* kDisarrange2 = "Disarrange2";
inline constexpr const char* kPlaySep2 = "PlaySep2";
inline constexpr const char* kPieceSize1 = "PieceSize1";
inline constexpr const char* kHint2 = "Hint2";
inline constexpr const char* kSolve1 = "Solve1";

inline constexpr const char* kPopupPiece = "PopupPiece";
inline constexpr const char* kShowSolution = "ShowSolution";
inline constexpr const char* kSolvePiece = "SolvePiece";
inline constexpr const char* kPieceSep1 = "PieceSep1";
inline constexpr const char* kRotateRight = "RotateRight";
inline constexpr const char* kRotateLeft = "RotateLeft";
inline constexpr const char* kRightWayUp2 = "RightWayUp2";
inline constexpr const char* kPieceSep2 = "PieceSep2";
inline constexpr const char* kUnlock = "Unlock";
inline constexpr const char* kSendToBack = "SendToBack";
inline constexpr const char* kPieceSep3 = "PieceSep3";
inline constexpr const char* kShowNeighbor = "ShowNeighbor";
inline constexpr const char* kFetchNeighbor = "FetchNeighbor";
inline constexpr const char* kPieceSep4 = "PieceSep4";
inline constexpr const char* kPieceSize2 = "PieceSize2";

inline constexpr const char* kPopupTray = "PopupTray";
inline constexpr const char* kTraySelectAll = "TraySelectAll";
inline constexpr const char* kTrayToBack = "TrayToBack";
inline constexpr const char* kTrayDrop = "TrayDrop";
inline constexpr const char* kTrayGet = "TrayGet";
inline constexpr const char* kTrayGetAll = "TrayGetAll";
inline constexpr const char* kTrayGetEdge = "TrayGetEdge";
inline constexpr const char* kTrayGetMiddle = "TrayGetMiddle";
inline constexpr const char* kTrayGetFun = "TrayGetFun";
inline constexpr const char* kTraySep1 = "TraySep1";
inline constexpr const char* kArrangeAtEdgeT = "ArrangeAtEdgeT";
inline constexpr const char* kArrangeInGridT = "ArrangeInGridT";
inline constexpr const char* kDisarrangeTray = "DisarrangeTray";
inline constexpr const char* kTraySep2 = "TraySep2";
inline constexpr const char* kTrayColor = "TrayColor";
inline constexpr const char* kCustom2 = "Custom2";
inline constexpr const char* kMatching2 = "Matching2";
inline constexpr const char* kContrasting2 = "Contrasting2";
inline constexpr const char* kDefault2 = "Default2";
inline constexpr const char* kTrayRename = "TrayRename";
inline constexpr const char* kTraySep3 = "TraySep3";
inline constexpr const char* kTrayDelete = "TrayDelete";

inline constexpr const char* kPopupTrayIcon = "PopupTrayIcon";
inline constexpr const char* kTrayRename1 = "TrayRename1";
inline constexpr const char* kTrayColor1 = "TrayColor1";
inline constexpr const char* kCustom3 = "Custom3";
inline constexpr const char* kMatching3 = "Matching3";
inline constexpr const char* kContrasting3 = "Contrasting3";
inline constexpr const char* kDefault3 = "Default3";
inline constexpr const char* kTrayIconSep1 = "TrayIconSep1";
inline constexpr const char* kTrayDelete1 = "TrayDelete1";

inline constexpr const char* kColorPopup = "ColorPopup";
inline constexpr const char* kCustom = "Custom";
inline constexpr const char* kMatching = "Matching";
inline constexpr const char* kContrasting = "Contrasting";
inline constexpr const char* kDefaultColor = "DefaultColor";

// The tool bar and its buttons, left to right.
inline constexpr const char* kSpeedBar = "SpeedBar";
inline constexpr const char* kSpeedOpen = "SpeedOpen";
inline constexpr const char* kSpeedSave = "SpeedSave";
inline constexpr const char* kSpeedPicture = "SpeedPicture";
inline constexpr const char* kSpeedLoupe = "SpeedLoupe";
inline constexpr const char* kSpeedGhost = "SpeedGhost";
inline constexpr const char* kSpeedZoom = "SpeedZoom";
inline constexpr const char* kSpeedColor = "SpeedColor";
inline constexpr const char* kSpeedSize = "SpeedSize";
inline constexpr const char* kSpeedEdge = "SpeedEdge";
inline constexpr const char* kSpeedGrid = "SpeedGrid";
inline constexpr const char* kSpeedNewBox = "SpeedNewBox";
inline constexpr const char* kSpeedSound = "SpeedSound";
inline constexpr const char* kSpeedMusic = "SpeedMusic";
inline constexpr const char* kSpeedHint = "SpeedHint";
inline constexpr const char* kSpeedHelp = "SpeedHelp";
inline constexpr const char* kSpeedGhostOn = "SpeedGhostOn";
inline constexpr const char* kSpeedGhostOff = "SpeedGhostOff";

// The status line and its panels.
inline constexpr const char* kStatusLine = "StatusLine";
inline constexpr const char* kTimerStatus = "TimerStatus";
inline constexpr const char* kSolvedStatus = "SolvedStatus";
inline constexpr const char* kProgBar = "ProgBar";

// The tray bar, its scroll buttons and the hidden button every tray's button copies.
inline constexpr const char* kBoxBar = "BoxBar";
inline constexpr const char* kSpeedBoxLeft = "SpeedBoxLeft";
inline constexpr const char* kSpeedBoxRight = "SpeedBoxRight";
inline constexpr const char* kSpeedBoxUp = "SpeedBoxUp";
inline constexpr const char* kSpeedBoxDown = "SpeedBoxDown";
inline constexpr const char* kBoxBtn = "BoxBtn";

// The board.
inline constexpr const char* kPaintBox1 = "PaintBox1";

// The splash form's parts.
inline constexpr const char* kPanel1 = "Panel1";
inline constexpr const char* kProduct = "Product";
inline constexpr const char* kProductShad = "ProductShad";
inline constexpr const char* kCopyrite = "Copyrite";
inline constexpr const char* kPanel2 = "Panel2";
inline constexpr const char* kGiftLab = "GiftLab";
inline constexpr const char* kMemo1 = "Memo1";
inline constexpr const char* kPanel3 = "Panel3";
inline constexpr const char* kWebBtn = "WebBtn";
inline constexpr const char* kOrderBtn = "OrderBtn";
inline constexpr const char* kPlayPanel = "PlayPanel";
inline constexpr const char* kOkBtn = "OkBtn";
inline constexpr const char* kSaveResumeBox = "SaveResumeBox";
inline constexpr const char* kExitBtn = "ExitBtn";

}  // namespace component
}  // namespace quill
