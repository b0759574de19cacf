#pragma once

#include "framework/gdi/gdiobjects.h"
#include "framework/gdi/types.h"

#include <cstdlib>

// GDI's way of stepping a one-pixel line: Bresenham from the first point,
// the last point excluded, every pixel visited once. Lines joined end to end
// therefore touch each shared vertex once, which keeps XOR drawing exact.
template <class TPlot> void ForEachLinePixel(TPoint from, TPoint to, TPlot&& plot) {
    int x = from.X, y = from.Y;
    const int dx = std::abs(to.X - from.X), dy = std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
    if (dx >= dy) {
        int error = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            plot(x, y);
            if (error > 0) {
                y += sy;
                error -= 2 * dx;
            }
            error += 2 * dy;
            x += sx;
        }
    } else {
        int error = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            plot(x, y);
            if (error > 0) {
                x += sx;
                error -= 2 * dy;
            }
            error += 2 * dx;
            y += sy;
        }
    }
}

// The on/off pattern of a cosmetic pen, stepped one pixel at a time and
// carried on from one line of a polyline to the next: dot 3/3, dash 18/6,
// dash-dot 9,6,3,6, dash-dot-dot 9,3,3,3,3,3; solid is always on.
class TPenPattern {
public:
    explicit TPenPattern(TPenStyle style);

    // Whether the next pixel is drawn; advances the pattern.
    bool Next() {
        if (Count == 0)
            return true;
        const bool on = (Index % 2) == 0;
        if (++Step == Lengths[Index]) {
            Step = 0;
            Index = (Index + 1) % Count;
        }
        return on;
    }

private:
    const int* Lengths = nullptr;
    int Count = 0;
    int Index = 0;
    int Step = 0;
};
