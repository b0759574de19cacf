#include "framework/gdi/types.h"

#include <cmath>
#include <utility>

TRect TRect::Normalized() const {
    TRect r = *this;
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

namespace {

double LinearLight(int component) {
    const double v = component / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

} // namespace

// Black wins while its contrast ratio, (L + 0.05) / 0.05, is at least
// white's, 1.05 / (L + 0.05): from a luminance of about 0.179 up.
TColor ContrastingColor(TColor background) {
    const double luminance = 0.2126 * LinearLight(background.Red()) +
                             0.7152 * LinearLight(background.Green()) +
                             0.0722 * LinearLight(background.Blue());
    const double withBlack = (luminance + 0.05) / 0.05;
    const double withWhite = 1.05 / (luminance + 0.05);
    return withBlack >= withWhite ? TColor(0, 0, 0) : TColor(255, 255, 255);
}
