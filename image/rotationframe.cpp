#include "image/rotationframe.h"

#include "core/graphscale.h"
#include "image/pixelrotation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double InverseGraphExtent = 1.0L / GraphExtent;

// A corner stays well inside int, however far a picture squeezed to a few
// pixels stretches the frame: the drawing clips it anyway.
constexpr long double CornerLimit = 1000.0L * GraphExtent;

int Rounded(long double v) {
    const long double kept = std::clamp(v, -CornerLimit, CornerLimit);
    return static_cast<int>(RoundHalfDown(static_cast<double>(kept)));
}

} // namespace

int SliderPendingRotation(int position) {
    const int scaled = (RotationSliderMiddle - position) * GraphExtent / 100;
    return static_cast<int>(scaled * 0.125);
}

double PendingRotationSine(int pendingRotation) {
    return static_cast<double>(pendingRotation * InverseGraphExtent);
}

double PictureStretch(const TRect& shown, std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter) {
    const double width = static_cast<double>(shown.Right) - shown.Left;
    const double height = static_cast<double>(shown.Bottom) - shown.Top;
    if (width <= 0 || height <= 0)
        return 1.0;
    const double aspect = xPelsPerMeter > 0 && yPelsPerMeter > 0
                              ? static_cast<double>(xPelsPerMeter) / yPelsPerMeter
                              : 1.0;
    // The shown part fills one square, so on the screen a pixel column is
    // side / width wide and a pixel row side / height high.
    return aspect * height / width;
}

std::array<TPoint, 3> TurnedGraphSquareCorners(int pendingRotation, double stretch) {
    const long double s = pendingRotation * InverseGraphExtent;
    const long double c = std::sqrt(1.0L - s * s);
    const long double q = std::isfinite(stretch) && stretch > 0 ? stretch : 1.0L;
    // Turned in physical units: the x side gains s / q of the y axis, the y
    // side s q of the x axis.
    const long double xs = GraphExtent * s / q, ys = GraphExtent * s * q, ec = GraphExtent * c;
    return {{{Rounded(-ys), Rounded(ec)},
             {Rounded(ec - ys), Rounded(xs + ec)},
             {Rounded(ec), Rounded(xs)}}};
}
