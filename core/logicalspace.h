#pragma once

#include "core/graphscale.h"
#include "framework/gdi/types.h"

// The drawing window's logical space, in whole units with y upwards. The
// client area shows -666..9334 on both axes whatever its size in pixels;
// the graph square is 0..GraphExtent, the image square reaches 133 units
// beyond it on every side, and the dotted grid lies every 866 units. The
// window's painting and mapping, the mouse arithmetic, the rotation frame
// and the X-session scripts (through kestrova --print-constants) all take
// these numbers from here.
inline constexpr int LogicalOriginOffset = 666;
inline constexpr int LogicalClientExtent = 10000;
// The logical point at the client area's bottom left corner.
inline constexpr int LogicalWindowOrigin = -LogicalOriginOffset;
inline constexpr int ImageSquareLow = -133;
inline constexpr int ImageSquareHigh = GraphExtent + 133;
inline constexpr int LogicalGridStep = 866;

static_assert(ImageSquareHigh == 8801);

// How a device context shows the logical space in a client area of the
// given size: the whole extent across the client area, y upwards, the
// window origin at the bottom left corner. ClientToLogical (core/mousemapping.h)
// is its inverse in whole units.
struct TLogicalMapping {
    TSize WindowExt;
    TSize ViewportExt;
    TPoint ViewportOrg;
    TPoint WindowOrg;
};

constexpr TLogicalMapping LogicalMapping(TSize client) {
    return {{LogicalClientExtent, LogicalClientExtent},
            {client.Cx, -client.Cy},
            {0, client.Cy},
            {LogicalWindowOrigin, LogicalWindowOrigin}};
}
