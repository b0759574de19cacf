#include "core/loupemapping.h"

#include "core/mousemapping.h"
#include "framework/gdi/dc.h"

#include <algorithm>
#include <iterator>

namespace {

// The pointer's corner in loupe pixels of the magnified client area.
TPoint MagnifiedOrigin(TPoint pointer, int magnification, TSize loupe) {
    return {pointer.X * magnification - loupe.Cx / 2, pointer.Y * magnification - loupe.Cy / 2};
}

} // namespace

int NextLoupeMagnification(int magnification, int notches) {
    const int* first = std::begin(LoupeMagnifications);
    const int* last = std::end(LoupeMagnifications) - 1;
    const int* at = std::find(first, last + 1, magnification);
    if (at == last + 1)
        return *first;
    if (notches > 0)
        return at == last ? *at : *(at + 1);
    if (notches < 0)
        return at == first ? *at : *(at - 1);
    return *at;
}

void PrepareLoupeDC(TDC& dc, TSize client, TPoint pointer, int magnification, TSize loupe) {
    const TPoint origin = MagnifiedOrigin(pointer, magnification, loupe);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({LogicalClientExtent, LogicalClientExtent});
    dc.SetViewportExt({client.Cx * magnification, -client.Cy * magnification});
    dc.SetViewportOrg({-origin.X, client.Cy * magnification - origin.Y});
    dc.SetWindowOrg({-LogicalOriginOffset, -LogicalOriginOffset});
    dc.SetBkMode(TRANSPARENT);
}

std::optional<TPoint> LoupeToLogical(TPoint at, TSize client, TPoint pointer, int magnification,
                                     TSize loupe) {
    const TPoint origin = MagnifiedOrigin(pointer, magnification, loupe);
    return ClientToLogical({origin.X + at.X, origin.Y + at.Y},
                           {client.Cx * magnification, client.Cy * magnification});
}
