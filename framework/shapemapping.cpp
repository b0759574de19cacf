#include "framework/shapemapping.h"

void TShapeMapping::Follow(const TAxisMapping& x, const TAxisMapping& y) {
    if (x == X && y == Y)
        return;
    X = x;
    Y = y;
    for (std::array<TCorner, 2>* corner : {&From, &To, &First, &Second})
        for (TCorner& axis : *corner)
            axis.Forget();
}
