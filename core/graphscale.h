#pragma once

// The graph square is the logical square from 0 to GraphExtent on both axes.
inline constexpr int GraphExtent = 8668;

// The one mapping between graph units (the user's X and Y) and the window's
// logical graph square. SetScale is the only writer; it always recomputes
// both factors from the ranges, so they never disagree. The conversions take
// and give doubles: whoever hands a logical value to drawing truncates it.
class TGraphScale {
public:
    TGraphScale();

    // Logical edges come in rectangle order (left, top, right, bottom); graph
    // values as XMin, YMin, XMax, YMax. A range whose bounds are equal is
    // first separated by 1e-20; if that does not change the double (bounds
    // of magnitude above about 1.2e-4), the maximum becomes the next double
    // above the minimum, so the factor stays finite and the scale usable.
    void SetScale(int left, int top, int right, int bottom, double xmin, double ymin, double xmax,
                  double ymax);

    double ToLogicalX(double x) const { return (x - XMin) * XFactor + LogLeft; }
    double ToLogicalY(double y) const { return (y - YMin) * YFactor + LogBottom; }
    double ToGraphX(double lx) const { return (lx - LogLeft) / XFactor + XMin; }
    double ToGraphY(double ly) const { return (ly - LogBottom) / YFactor + YMin; }

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

private:
    double LogLeft, LogRight, LogTop, LogBottom;
    double XMin, XMax, YMin, YMax;
    double XFactor, YFactor;
};

extern TGraphScale GraphScale;
