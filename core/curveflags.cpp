#include "core/curveflags.h"

int DrawSymbols = 1;
int DrawLines = 1;
int OutOfMemory = 0;
int RightwardOnly = 1;

void ResetCurveFlags() {
    DrawSymbols = 1;
    DrawLines = 1;
    OutOfMemory = 0;
    RightwardOnly = 1;
}
