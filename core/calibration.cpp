#include "core/calibration.h"

#include <cmath>

namespace {

struct TAxisRange {
    double Min = 0, Max = 0;
};

// Where edge lies along the line from position 1 (t = 0) to position 2
// (t = 1).
double Fraction(const TAxisCalibration& axis, int edge) {
    return (static_cast<double>(edge) - axis.Position1) /
           (static_cast<double>(axis.Position2) - axis.Position1);
}

// Extended from whichever clicked value is nearer, so that a click on an
// edge gives that edge's value unchanged.
double LinearAt(const TAxisCalibration& axis, double t) {
    const double span = axis.Value2 - axis.Value1;
    return t <= 0.5 ? axis.Value1 + t * span : axis.Value2 - (1 - t) * span;
}

double LogAt(const TAxisCalibration& axis, double decades, double t) {
    return t <= 0.5 ? ShiftByDecades(axis.Value1, t * decades)
                    : ShiftByDecades(axis.Value2, (t - 1) * decades);
}

bool IsPositiveNumber(double v) {
    return v > 0 && std::isfinite(v);
}

// The range of one axis whose clicks passed CheckAxis. Values whose
// logarithms are equal are as good as equal on a log axis.
TCalibrationResult CalibrateAxis(const TAxisCalibration& axis, TCalibrationResult equalValues,
                                 TAxisRange& range) {
    const double tMin = Fraction(axis, 0), tMax = Fraction(axis, GraphExtent);
    if (axis.Kind == TAxisKind::Linear) {
        range = {LinearAt(axis, tMin), LinearAt(axis, tMax)};
        return std::isfinite(range.Max - range.Min) ? TCalibrationResult::Done
                                                    : TCalibrationResult::OutsideDoubles;
    }
    const double decades = std::log10(axis.Value2) - std::log10(axis.Value1);
    if (decades == 0)
        return equalValues;
    range = {LogAt(axis, decades, tMin), LogAt(axis, decades, tMax)};
    return IsPositiveNumber(range.Min) && IsPositiveNumber(range.Max)
               ? TCalibrationResult::Done
               : TCalibrationResult::OutsideDoubles;
}

// The checks of one axis that need no arithmetic, in the order they are
// reported.
TCalibrationResult CheckAxis(const TAxisCalibration& axis, TCalibrationResult samePosition,
                             TCalibrationResult equalValues, TCalibrationResult notPositive) {
    if (axis.Position1 == axis.Position2)
        return samePosition;
    if (axis.Value1 == axis.Value2)
        return equalValues;
    if (axis.Kind == TAxisKind::Log10 && !(axis.Value1 > 0 && axis.Value2 > 0))
        return notPositive;
    return TCalibrationResult::Done;
}

} // namespace

TCalibrationResult Calibrate(const TAxisCalibration& x, const TAxisCalibration& y,
                             TScaleRanges& ranges) {
    using R = TCalibrationResult;
    if (R r = CheckAxis(x, R::SameXPosition, R::EqualXValues, R::XValueNotPositive); r != R::Done)
        return r;
    if (R r = CheckAxis(y, R::SameYPosition, R::EqualYValues, R::YValueNotPositive); r != R::Done)
        return r;
    TAxisRange xr, yr;
    if (R r = CalibrateAxis(x, R::EqualXValues, xr); r != R::Done)
        return r;
    if (R r = CalibrateAxis(y, R::EqualYValues, yr); r != R::Done)
        return r;
    ranges = {xr.Min, xr.Max, yr.Min, yr.Max};
    return R::Done;
}

std::string CalibrationMessage(TCalibrationResult result) {
    switch (result) {
    case TCalibrationResult::Done:
        return {};
    case TCalibrationResult::SameXPosition:
        return "The two points of known X lie at the same X position. Click two points apart.";
    case TCalibrationResult::SameYPosition:
        return "The two points of known Y lie at the same Y position. Click two points apart.";
    case TCalibrationResult::EqualXValues:
        return "The two values of X are equal. Type two different values.";
    case TCalibrationResult::EqualYValues:
        return "The two values of Y are equal. Type two different values.";
    case TCalibrationResult::XValueNotPositive:
        return "A log X axis takes only values above zero.";
    case TCalibrationResult::YValueNotPositive:
        return "A log Y axis takes only values above zero.";
    case TCalibrationResult::OutsideDoubles:
        return "These values would give ranges too large for Kestrova's numbers.";
    }
    return {};
}

TCalibrationResult TCalibrationClicks::Take(TPoint logical) {
    if (!Active || Taken == Count)
        return TCalibrationResult::Done;
    if (Taken == 1 && logical.X == Points[0].X)
        return TCalibrationResult::SameXPosition;
    if (Taken == 3 && logical.Y == Points[2].Y)
        return TCalibrationResult::SameYPosition;
    Points[Taken++] = logical;
    return TCalibrationResult::Done;
}

std::string TCalibrationClicks::Prompt() const {
    if (Taken >= Count)
        return {};
    const char axis = Taken < 2 ? 'X' : 'Y';
    return std::string("Click a point of known ") + axis + " (" + std::to_string(Taken % 2 + 1) +
           " of 2)";
}

TAxisCalibration TCalibrationClicks::X(double value1, double value2, TAxisKind kind) const {
    return {Points[0].X, Points[1].X, value1, value2, kind};
}

TAxisCalibration TCalibrationClicks::Y(double value1, double value2, TAxisKind kind) const {
    return {Points[2].Y, Points[3].Y, value1, value2, kind};
}
