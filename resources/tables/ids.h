#pragma once

// Every id the program's parts share, named once: the commands (menu items,
// tool-bar buttons, accelerators; a command's tool-bar glyph is
// resources/glyphs/<id>.bmp and its hint is the string of the same id), the
// popup hints, the dialog controls, the child windows, and the names of the
// menu, dialog, cursor and icon resources. The logical-space constants come
// with it. New commands and controls get their names here; nothing else
// spells out an id as a number.

#include "core/logicalspace.h"

// Commands.
inline constexpr int CM_FILENEW = 201;
inline constexpr int CM_OPENDATA = 203;
inline constexpr int CM_OPENIMAGE = 205;
inline constexpr int CM_SAVEDATAAS = 209;
inline constexpr int CM_IMPORTPICTURE = 215;
inline constexpr int CM_EXIT = 219;
// File|Recent: the files opened or saved last, newest first, one command
// each from CM_RECENTFILE1 on (the File menu's own numbers are taken).
inline constexpr int RecentFileCount = 8;
inline constexpr int CM_RECENTFILE1 = 701;
inline constexpr int CM_SCALE = 221;
inline constexpr int CM_BKCOLOR = 223;
inline constexpr int CM_SYMBOLS = 225;
inline constexpr int CM_LINES = 227;
inline constexpr int CM_IMAGE = 231;
inline constexpr int CM_AXISVALUES = 233;
inline constexpr int CM_TRUECOLOURS = 235;
inline constexpr int CM_DRAW = 241;
inline constexpr int CM_CALIBRATE = 243;
inline constexpr int CM_DELETELASTPOINT = 261;
inline constexpr int CM_RECALL = 263;
inline constexpr int CM_HELPCONTENTS = 281;
inline constexpr int CM_ABOUT = 283;
inline constexpr int CM_UNDO = 291;
inline constexpr int CM_REDO = 293;
inline constexpr int CM_ZOOMIN = 251;
inline constexpr int CM_ZOOMOUT = 253;
inline constexpr int CM_BACK = 255;
inline constexpr int CM_FORWARD = 257;
inline constexpr int CM_LOUPE = 259;

// Strings that are no command's hint: each popup's hint, one below its first item.
inline constexpr int IDS_FILEPOPUP = 200;
inline constexpr int IDS_RECENTPOPUP = CM_RECENTFILE1 - 1;
inline constexpr int IDS_VIEWPOPUP = 220;
inline constexpr int IDS_TOOLPOPUP = 240;
inline constexpr int IDS_HELPPOPUP = 280;
inline constexpr int IDS_EDITPOPUP = CM_UNDO - 1;

// Controls of the Scale dialog.
inline constexpr int IDC_MINX = 201;
inline constexpr int IDC_MINY = 202;
inline constexpr int IDC_MAXX = 203;
inline constexpr int IDC_MAXY = 204;
inline constexpr int IDC_FITX = 205;
inline constexpr int IDC_FITY = 206;
// Log axes, in the Scale and Calibrate dialogs.
inline constexpr int IDC_LOGX = 207;
inline constexpr int IDC_LOGY = 208;
// The values of the Calibrate dialog's clicked points.
inline constexpr int IDC_VALUEX1 = 211;
inline constexpr int IDC_VALUEX2 = 212;
inline constexpr int IDC_VALUEY1 = 213;
inline constexpr int IDC_VALUEY2 = 214;
// The About dialog's text.
inline constexpr int IDC_ABOUTTEXT = 301;
// A control the program never addresses.
inline constexpr int IDC_STATIC = -1;
// The drawing window's rotation slider.
inline constexpr int IDW_ROTATIONSLIDER = 501;

// Accelerator tables.
inline constexpr int IDA_MAIN = 601;

// Named resources: menu, dialog templates, cursors, icon.
inline constexpr const char* IDM_COMMANDS = "COMMANDS";
inline constexpr const char* IDD_ABOUT = "ABOUTDIAL";
inline constexpr const char* IDD_SETSCALE = "SET_SCALE_DIAL";
inline constexpr const char* IDD_CALIBRATE = "CALIBRATE_DIAL";
inline constexpr const char* IDCUR_CROSS = "CROSSCURSOR";
inline constexpr const char* IDCUR_DRAG = "DRAGCURSOR";
inline constexpr const char* IDCUR_DROPPOINT = "DROPPOINTCURSOR";
inline constexpr const char* IDCUR_ALIGN = "ALIGNCURSOR";
inline constexpr const char* IDI_KESTROVA = "KESTROVA_ICON";

// Program-wide names: the title, the help file beside the program, the
// settings file.
inline constexpr const char* AppTitle = "Kestrova";
inline constexpr const char* HelpFileName = "kestrova.hlp";
inline constexpr const char* IniFileName = "kestrova.ini";
