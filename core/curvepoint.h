#pragma once

// One data point in graph units. Points lie back to back in a curve's block,
// 16 bytes each, X first.
struct TCurvePoint {
    double X = 0.0;
    double Y = 0.0;
    friend bool operator==(const TCurvePoint&, const TCurvePoint&) = default;
};

static_assert(sizeof(TCurvePoint) == 16, "points are stored as two packed doubles");
