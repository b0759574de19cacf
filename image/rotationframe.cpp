#include "image/rotationframe.h"

#include "core/graphscale.h"
#include "image/pixelrotation.h"

#include <cmath>

namespace {

constexpr long double InverseGraphExtent = 1.0L / GraphExtent;

int Rounded(long double v) {
    return static_cast<int>(RoundHalfDown(static_cast<double>(v)));
}

} // namespace

int SliderPendingRotation(int position) {
    const int scaled = (RotationSliderMiddle - position) * GraphExtent / 100;
    return static_cast<int>(scaled * 0.125);
}

double PendingRotationSine(int pendingRotation) {
    return static_cast<double>(pendingRotation * InverseGraphExtent);
}

std::array<TPoint, 3> TurnedGraphSquareCorners(int pendingRotation) {
    const long double s = pendingRotation * InverseGraphExtent;
    const long double c = std::sqrt(1.0L - s * s);
    const long double es = GraphExtent * s, ec = GraphExtent * c;
    return {{{Rounded(-es), Rounded(ec)},
             {Rounded(ec - es), Rounded(es + ec)},
             {Rounded(ec), Rounded(es)}}};
}
