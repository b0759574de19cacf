#include "framework/shapemapping.h"

void TShapeMapping::StartOver(const TAxisMapping& x, const TAxisMapping& y) {
    X = x;
    Y = y;
    for (std::array<TCorner, 2>* corner : {&From, &To, &First, &Second})
        for (TCorner& axis : *corner)
            axis.Forget();
}
