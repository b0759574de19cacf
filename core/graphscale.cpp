#include "core/graphscale.h"

#include <cmath>
#include <limits>

namespace {

constexpr double EqualBoundsGap = 1e-20;

// Separates equal bounds. The historic 1e-20 is kept; where it is lost in
// rounding the range would be empty and the factor a division by zero, so
// the maximum moves to the next representable double instead.
void SeparateEqualBounds(double min, double& max) {
    if (max != min)
        return;
    max += EqualBoundsGap;
    if (max == min)
        max = std::nextafter(min, std::numeric_limits<double>::infinity());
}

} // namespace

TGraphScale GraphScale;

TGraphScale::TGraphScale() {
    SetScale(0, GraphExtent, GraphExtent, 0, 0.0, 0.0, 100.0, 100.0);
}

void TGraphScale::SetScale(int left, int top, int right, int bottom, double xmin, double ymin,
                           double xmax, double ymax) {
    LogLeft = left;
    LogTop = top;
    LogRight = right;
    LogBottom = bottom;
    XMin = xmin;
    YMin = ymin;
    XMax = xmax;
    YMax = ymax;
    SeparateEqualBounds(XMin, XMax);
    SeparateEqualBounds(YMin, YMax);
    XFactor = (LogRight - LogLeft) / (XMax - XMin);
    YFactor = (LogTop - LogBottom) / (YMax - YMin);
}
