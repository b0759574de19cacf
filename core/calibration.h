#pragma once

#include "core/graphscale.h"
#include "core/scaleranges.h"
#include "framework/gdi/types.h"

#include <string>

// Calibration by clicked points: two logical positions of known X and two
// of known Y, with their values, give the ranges of the whole graph square
// (the line through the two points of each axis, extended to its edges, on
// a linear or a log axis). The picture stays where it is; only the ranges
// change.

// Two clicks along one axis: their logical positions on that axis (x for the
// X axis, y for the Y axis) and the values typed for them.
struct TAxisCalibration {
    int Position1 = 0, Position2 = 0;
    double Value1 = 0, Value2 = 0;
    TAxisKind Kind = TAxisKind::Linear;
};

enum class TCalibrationResult {
    Done,
    SameXPosition,
    SameYPosition,
    EqualXValues,
    EqualYValues,
    XValueNotPositive, // on a log X axis
    YValueNotPositive, // on a log Y axis
    OutsideDoubles,    // a range bound or width beyond the doubles
};

// Works out the ranges that put each value at its position, X checked
// before Y; ranges are written only when the result is Done. Each clicked
// position carries its value exactly where the position is an edge of the
// square, and to within the last bits elsewhere.
TCalibrationResult Calibrate(const TAxisCalibration& x, const TAxisCalibration& y,
                             TScaleRanges& ranges);

// The message that tells the user why a calibration was refused.
std::string CalibrationMessage(TCalibrationResult result);

// The four clicks of a calibration, in the order they are asked for: two
// points of known X, then two of known Y. Of an X point only its logical x
// counts, of a Y point only its y. A second point at the first one's
// position is refused, and asked for again.
class TCalibrationClicks {
public:
    static constexpr int Count = 4;

    void Begin() {
        Taken = 0;
        Active = true;
    }
    void End() { Active = false; }
    bool IsActive() const { return Active; }
    // All four are in.
    bool IsComplete() const { return Active && Taken == Count; }

    // Takes the click asked for (none once all four are in): Done, or the
    // refusal of a second point at the first one's position, which is not
    // taken.
    TCalibrationResult Take(TPoint logical);
    // "Click a point of known X (1 of 2)" and so on for the click asked for.
    std::string Prompt() const;

    // The X and Y clicks with the values typed for them.
    TAxisCalibration X(double value1, double value2, TAxisKind kind) const;
    TAxisCalibration Y(double value1, double value2, TAxisKind kind) const;

private:
    TPoint Points[Count];
    int Taken = 0;
    bool Active = false;
};
