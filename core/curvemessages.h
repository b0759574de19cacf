#pragma once

#include "framework/gdi/usermessage.h"

// The boxes shown when memory runs out for the curves, whether a click or
// a data file asked for the memory.

// No room for a new curve.
inline TUserMessage NoMemoryForCurveMessage() {
    return {"Sorry, not enough memory!", "", MB_OK, MB_ICONEXCLAMATION};
}

// No room for another point of a curve.
inline TUserMessage NoMemoryForPointsMessage() {
    return {"Sorry, not enough memory for more data!", "", MB_OK, MB_ICONEXCLAMATION};
}
