#pragma once

#include "framework/gdi/types.h"

#include <optional>

class TDC;

// The loupe's arithmetic, free of any window: the loupe shows the drawing
// window's picture magnified about a client pixel (the pointer), that pixel's
// top left corner at the loupe's centre, where ClientToLogical puts the
// pointer's logical point. A loupe pixel is then 1/magnification of a client
// pixel, and a click in the loupe names a logical point on that finer step.

inline constexpr int LoupeMagnifications[] = {4, 8, 16};

// The magnification one wheel notch further in (notches > 0) or out.
int NextLoupeMagnification(int magnification, int notches);

// Puts a device context of the loupe into the drawing window's logical
// coordinates, magnified about the client pixel `pointer`.
void PrepareLoupeDC(TDC& dc, TSize client, TPoint pointer, int magnification, TSize loupe);

// The logical point under loupe pixel `at`: ClientToLogical on a client area
// magnification times larger, so on the same grid of logical units.
std::optional<TPoint> LoupeToLogical(TPoint at, TSize client, TPoint pointer, int magnification,
                                     TSize loupe);
