#include "app/globals.h"

TStatusBar* MainStatusBar = nullptr;
TButtonGadget* DrawButton = nullptr;
