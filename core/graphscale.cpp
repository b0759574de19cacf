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

bool FitsLogAxis(double min, double max) {
    return min > 0 && max > 0 && std::isfinite(min) && std::isfinite(max);
}

// One axis of SetScale: the factor of the edges' span over the range, and
// for a log axis the logarithm of the minimum. Returns the kind the axis
// really gets.
TAxisKind SetAxis(TAxisKind kind, double span, double min, double& max, double& factor,
                  double& logMin) {
    if (kind == TAxisKind::Log10 && FitsLogAxis(min, max)) {
        logMin = std::log10(min);
        factor = span / (std::log10(max) - logMin);
        if (!std::isfinite(factor)) {
            // Bounds so close that their logarithms are equal.
            max = min * std::pow(10.0, TGraphScale::LogAxisGap);
            factor = span / TGraphScale::LogAxisGap;
        }
        return TAxisKind::Log10;
    }
    SeparateEqualBounds(min, max);
    factor = span / (max - min);
    return TAxisKind::Linear;
}

} // namespace

TGraphScale GraphScale;

TGraphScale::TGraphScale() {
    SetScale(0, GraphExtent, GraphExtent, 0, 0.0, 0.0, 100.0, 100.0);
}

void TGraphScale::SetScale(int left, int top, int right, int bottom, double xmin, double ymin,
                           double xmax, double ymax, TAxisKind xKind, TAxisKind yKind) {
    LogLeft = left;
    LogTop = top;
    LogRight = right;
    LogBottom = bottom;
    XMin = xmin;
    YMin = ymin;
    XMax = xmax;
    YMax = ymax;
    XKind = SetAxis(xKind, LogRight - LogLeft, XMin, XMax, XFactor, LogXMin);
    YKind = SetAxis(yKind, LogTop - LogBottom, YMin, YMax, YFactor, LogYMin);
}

double TGraphScale::LogToLogical(double v, double logMin, double factor, double edge) {
    if (!(v > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return (std::log10(v) - logMin) * factor + edge;
}

double TGraphScale::LogToGraph(double l, double edge, double factor, double min) {
    return ShiftByDecades(min, (l - edge) / factor);
}

double ShiftByDecades(double v, double decades) {
    // Scaling v keeps it exact for no shift; only a shift by more decades
    // than a double spans needs the power of the whole logarithm.
    const double ratio = std::pow(10.0, decades);
    if (std::isfinite(ratio) && ratio > 0)
        return v * ratio;
    return std::pow(10.0, std::log10(v) + decades);
}
