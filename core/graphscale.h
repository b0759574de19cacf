#pragma once

// The graph square is the logical square from 0 to GraphExtent on both axes.
inline constexpr int GraphExtent = 8668;

// How an axis spreads its range over the graph square: evenly, or evenly in
// the base-10 logarithm of the value.
enum class TAxisKind { Linear, Log10 };

// The one mapping between graph units (the user's X and Y) and the window's
// logical graph square. SetScale is the only writer; it always recomputes
// both factors from the ranges, so they never disagree. The conversions take
// and give doubles: whoever hands a logical value to drawing truncates it.
//
// A linear axis maps v to (v - Min) * Factor + edge. A log axis maps it to
// (log10(v) - log10(Min)) * Factor + edge, its factor counting logical units
// per decade; a value at or below zero has no place on it and maps to NaN,
// which drawing leaves out.
class TGraphScale {
public:
    TGraphScale();

    // Logical edges come in rectangle order (left, top, right, bottom); graph
    // values as XMin, YMin, XMax, YMax. On a linear axis a range whose bounds
    // are equal is first separated by 1e-20; if that does not change the
    // double (bounds of magnitude above about 1.2e-4), the maximum becomes
    // the next double above the minimum, so the factor stays finite and the
    // scale usable. A log axis needs two positive finite bounds (callers
    // check); given others it is set up linear, and equal bounds are moved
    // apart by LogAxisGap decades.
    void SetScale(int left, int top, int right, int bottom, double xmin, double ymin, double xmax,
                  double ymax, TAxisKind xKind = TAxisKind::Linear,
                  TAxisKind yKind = TAxisKind::Linear);

    double ToLogicalX(double x) const {
        return XKind == TAxisKind::Linear ? (x - XMin) * XFactor + LogLeft
                                          : LogToLogical(x, LogXMin, XFactor, LogLeft);
    }
    double ToLogicalY(double y) const {
        return YKind == TAxisKind::Linear ? (y - YMin) * YFactor + LogBottom
                                          : LogToLogical(y, LogYMin, YFactor, LogBottom);
    }
    double ToGraphX(double lx) const {
        return XKind == TAxisKind::Linear ? (lx - LogLeft) / XFactor + XMin
                                          : LogToGraph(lx, LogLeft, XFactor, XMin);
    }
    double ToGraphY(double ly) const {
        return YKind == TAxisKind::Linear ? (ly - LogBottom) / YFactor + YMin
                                          : LogToGraph(ly, LogBottom, YFactor, YMin);
    }

    // False when the point has no place on the square's axes: a value at or
    // below zero (or NaN) on a log axis. Always true on linear axes.
    bool HasPosition(double x, double y) const {
        return (XKind == TAxisKind::Linear || x > 0) && (YKind == TAxisKind::Linear || y > 0);
    }

    double GetLogLeft() const { return LogLeft; }
    double GetLogRight() const { return LogRight; }
    double GetLogTop() const { return LogTop; }
    double GetLogBottom() const { return LogBottom; }
    double GetXMin() const { return XMin; }
    double GetXMax() const { return XMax; }
    double GetYMin() const { return YMin; }
    double GetYMax() const { return YMax; }
    double GetXFactor() const { return XFactor; }
    double GetYFactor() const { return YFactor; }
    TAxisKind GetXKind() const { return XKind; }
    TAxisKind GetYKind() const { return YKind; }

    // Decades between the bounds of a log axis whose bounds were equal.
    static constexpr double LogAxisGap = 1e-12;

private:
    static double LogToLogical(double v, double logMin, double factor, double edge);
    static double LogToGraph(double l, double edge, double factor, double min);

    double LogLeft, LogRight, LogTop, LogBottom;
    double XMin, XMax, YMin, YMax;
    double XFactor, YFactor;
    TAxisKind XKind = TAxisKind::Linear, YKind = TAxisKind::Linear;
    double LogXMin = 0, LogYMin = 0; // log10 of XMin, YMin on a log axis
};

extern TGraphScale GraphScale;

// v (above zero) times 10 to the power of decades; v itself for 0 decades.
// A result beyond the doubles is infinite or zero.
double ShiftByDecades(double v, double decades);
