#pragma once

#include "framework/gdi/types.h"

// A point in a window's client coordinates lies within its client area.
inline bool IsInClientArea(const TRect& client, const TPoint& point) {
    return point.X >= 0 && point.Y >= 0 && point.X < client.Right && point.Y < client.Bottom;
}
