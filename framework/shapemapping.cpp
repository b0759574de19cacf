#include "framework/shapemapping.h"

#include <algorithm>

void TShapeMapping::Follow(const TAxisMapping& x, const TAxisMapping& y) {
    if (x == X && y == Y)
        return;
    X = x;
    Y = y;
    for (std::array<TCorner, 2>* corner : {&From, &To, &First, &Second})
        for (TCorner& axis : *corner)
            axis.Forget();
}

TRect TShapeMapping::SymbolBox(TPoint a, TPoint b) {
    const int x0 = First[0](X, a.X), y0 = First[1](Y, a.Y);
    const int x1 = Second[0](X, b.X), y1 = Second[1](Y, b.Y);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}
