#pragma once

#include "core/logicalspace.h"
#include "framework/gdi/types.h"

#include <optional>

// The arithmetic behind the drawing window's mouse handling, free of any
// window: client pixels to logical units, the rectangle a drag spans, the
// graph scale a zoom drag asks for, and the part of the image a stretch drag
// leaves shown. The window decides when each applies.

// Moves equal graph limits of a zoom apart before the scale is set.
inline constexpr double DragEpsilon = 2.225074e-305;

// Pixel (x, y) of a client area of the given size to whole logical units, in
// integer arithmetic; a point outside counts as the nearest edge point. No
// result for a client area of zero width or height.
std::optional<TPoint> ClientToLogical(TPoint client, TSize clientSize);

// The rectangle between two logical points, normalized so that Left <= Right
// and Top <= Bottom (Top is then the lower edge on screen).
TRect DragRectangle(TPoint start, TPoint end);

// True when the rectangle has no area, which makes a drag change nothing.
bool IsEmptyDrag(const TRect& dragRect);

// Sets GraphScale so that the dragged logical rectangle becomes the graph
// square, reading its corners under the scale in force. Refuses, leaving the
// scale as it was, when a limit or the width of a range would not be a
// finite number (a drag into the margins of a range near the largest
// double), since such a scale could not convert positions back, or when a
// limit on a log axis would underflow to zero. The axes keep their kinds.
bool ZoomToDrag(const TRect& dragRect);

// The part of the image shown after a stretch drag over dragRect, from the
// part shown before, clamped to the image.
TRect StretchedImageRect(const TRect& shown, const TRect& dragRect, int imageWidth,
                         int imageHeight);

// A press and release closer than this many client pixels (along x plus
// along y) are a click, however the hand slipped, not a drag; a platform
// that asks for a longer distance before a drag starts gets its own.
inline constexpr int MinDragDistance = 4;
bool IsClick(TPoint press, TPoint release, int platformDragDistance);
