#pragma once

class TButtonGadget;
class TStatusBar;

// Program-wide names and the references to the main frame's parts that the
// drawing window uses.
inline constexpr const char* AppTitle = "Kestrova";
inline constexpr const char* HelpFileName = "kestrova.hlp";
inline constexpr const char* IniFileName = "kestrova.ini";

// Set while the main window is made, valid until the program ends; null
// before (and in a drawing window made without the frame).
extern TStatusBar* MainStatusBar;
extern TButtonGadget* DrawButton;
