#pragma once

#include "framework/gdi/dc.h"

#include <algorithm>
#include <array>
#include <utility>

// Maps the corners of curve shapes to device pixels with a context's
// mapping, keeping the last two values of each corner (a segment's ends, a
// symbol's edges) from one shape and one run to the next while the mapping
// stays. Along a dense curve a corner keeps its logical value for many
// points, and a file read column by column brings two curves in turns.
class TShapeMapping {
public:
    // Starts over when the context's mapping changed since the last run.
    void Follow(const TAxisMapping& x, const TAxisMapping& y) {
        if (!(x == X && y == Y))
            StartOver(x, y);
    }

    TPoint SegmentFrom(TPoint logical) { return {From[0](X, logical.X), From[1](Y, logical.Y)}; }
    TPoint SegmentTo(TPoint logical) { return {To[0](X, logical.X), To[1](Y, logical.Y)}; }
    // The device box of an ellipse, edges ordered.
    TRect SymbolBox(TPoint a, TPoint b) {
        const int x0 = First[0](X, a.X), y0 = First[1](Y, a.Y);
        const int x1 = Second[0](X, b.X), y1 = Second[1](Y, b.Y);
        return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    }

private:
    void StartOver(const TAxisMapping& x, const TAxisMapping& y);

    class TCorner {
    public:
        int operator()(const TAxisMapping& mapping, int logical) {
            if (Known > 0 && Logical[0] == logical)
                return Device[0];
            if (Known > 1 && Logical[1] == logical) {
                std::swap(Logical[0], Logical[1]);
                std::swap(Device[0], Device[1]);
                return Device[0];
            }
            Logical[1] = Logical[0];
            Device[1] = Device[0];
            Logical[0] = logical;
            Device[0] = mapping(logical);
            Known = Known < 2 ? Known + 1 : 2;
            return Device[0];
        }
        void Forget() { Known = 0; }

    private:
        std::array<int, 2> Logical{};
        std::array<int, 2> Device{};
        int Known = 0;
    };

    TAxisMapping X{false, 0, 1, 1, 0};
    TAxisMapping Y{false, 0, 1, 1, 0};
    // x and y of a segment's start and end, and of a symbol's two corners.
    std::array<TCorner, 2> From, To, First, Second;
};
