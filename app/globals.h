#pragma once

#include "resources/tables/ids.h"

class TButtonGadget;
class TStatusBar;

// The references to the main frame's parts that the drawing window's frame
// link (app/mainframelink.h) passes on; the program-wide names AppTitle,
// HelpFileName and IniFileName come with the ids header.

// Set while the main window is made, valid until the program ends; null
// before.
extern TStatusBar* MainStatusBar;
extern TButtonGadget* DrawButton;
