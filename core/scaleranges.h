#pragma once

#include "core/graphscale.h"

#include <string>

class TCurve;

// What the Scale dialog and the status panes do with numbers, free of any
// window: the texts they show (always with a decimal point, whatever the
// user's locale), the box around all curves, and the check of the ranges
// the dialog is asked to apply.

// printf's "%*.*g" with n as both width and precision.
std::string FormatRangeValue(double value, int n);

// "X=%-10.10g" (or Y=): the cursor position panes of the status bar.
std::string FormatPositionPane(char axis, double value);

struct TDataBounds {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// The box around every point of slots 0..currentCurve (null slots and
// curves without points add nothing). True when the curves hold two or more
// points in all, which is enough to fit a range to.
bool DataBounds(const TCurve* const* curves, int currentCurve, TDataBounds& bounds);

// The same box for a fit onto the given axes: on a log axis only values
// above zero count, and an axis with none gets the bounds 0 to 0. The answer
// is DataBounds' (two or more points in all).
bool DataBounds(const TCurve* const* curves, int currentCurve, TDataBounds& bounds,
                TAxisKind xKind, TAxisKind yKind);

struct TScaleRanges {
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

// True when the ranges can become the graph scale: each minimum below its
// maximum, and the width of each range a finite number.
bool RangesAreValid(const TScaleRanges& r);

// True when every log axis among the two has a range above zero.
bool RangesFitAxes(const TScaleRanges& r, TAxisKind xKind, TAxisKind yKind);
