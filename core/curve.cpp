#include "core/curve.h"

#include "core/clipsegment.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/gdi/gdiobjects.h"
#include "framework/gdi/dc.h"
#include "framework/gdi/globalmemory.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct TSquare {
    double XLo, XHi, YLo, YHi;
};

TSquare GraphSquare() {
    return {std::min(GraphScale.GetLogLeft(), GraphScale.GetLogRight()),
            std::max(GraphScale.GetLogLeft(), GraphScale.GetLogRight()),
            std::min(GraphScale.GetLogBottom(), GraphScale.GetLogTop()),
            std::max(GraphScale.GetLogBottom(), GraphScale.GetLogTop())};
}

// Truncation toward zero into a GDI coordinate. Callers hand in values that
// lie in or next to the graph square; the clamp only keeps a value outside
// int's range from being undefined behaviour.
int ToGdi(double v) {
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    // Within int's range the conversion itself truncates; every point
    // drawn comes this way.
    if (v > lo - 1.0 && v < hi + 1.0)
        return static_cast<int>(v);
    return static_cast<int>(std::clamp(std::trunc(v), lo, hi));
}

// A symbol's radius along one axis: a hundredth of the square, in whole
// logical units.
double SymbolRadius(double low, double high) {
    return std::trunc((high - low) * 0.01);
}

// "Lies right of the square" as drawing stops on it. NaN is no position at
// all, so it does not count as beyond the right edge.
bool NotRightOfSquare(double lx) {
    return !(lx > GraphScale.GetLogRight());
}

// Selects the curve's pen for one drawing call and puts the previous back.
class TPenSelection {
public:
    TPenSelection(TDC& dc, const TPen* pen) : Dc(dc), Selected(pen != nullptr) {
        if (Selected)
            Previous = Dc.SelectObject(*pen);
    }
    ~TPenSelection() {
        if (Selected)
            Dc.SelectObject(Previous);
    }
    TPenSelection(const TPenSelection&) = delete;
    TPenSelection& operator=(const TPenSelection&) = delete;

private:
    TDC& Dc;
    bool Selected;
    TPen Previous;
};

} // namespace

// One drawing call or pass over a curve: the graph square and the
// symbols' radii, which stay for the pass, and what may be left out without
// changing a pixel, in a context that only makes pixels, with the copy mix
// mode and a pen one device pixel wide: a segment whose ends map to one
// device pixel (a line leaves out its last pixel, so it draws nothing), and
// a symbol on exactly the device pixels of the symbol this curve drew last
// while nothing at all was drawn since (drawn again, it would change
// nothing). The curve keeps what it drew last from call to call, so points
// read one by one, curves taking turns, are left out as well. A dense curve
// lands hundreds of points on one pixel; each of them then costs a
// comparison.
class TCurve::TPass {
public:
    TPass(TDC* dc, const TPen* pen, TDrawnLast& last)
        : Square(GraphSquare()), Rx(SymbolRadius(Square.XLo, Square.XHi)),
          Ry(SymbolRadius(Square.YLo, Square.YHi)), Dc(dc), Last(last),
          Enabled(dc && dc->OnlyPixelsCount() && dc->GetROP2() == R2_COPYPEN &&
                  dc->LogicalToDeviceWidth((pen ? *pen : dc->GetPen()).Width) <= 1) {
        if (!Enabled || Last.Dc != dc || Last.Drawings != dc->DrawingCount())
            Last.SymbolShown = false;
    }

    const TSquare Square;
    const double Rx, Ry;

    bool SegmentDrawsNothing(int x0, int y0, int x1, int y1) const {
        if (!Enabled)
            return false;
        if (x0 == x1 && y0 == y1)
            return true;
        const TPoint from = Dc->LogicalToDevice({x0, y0});
        const TPoint to = Dc->LogicalToDevice({x1, y1});
        return from.X == to.X && from.Y == to.Y;
    }
    // True when the symbol with this logical box is on the canvas as the
    // last one drawn; otherwise it is taken to be drawn now.
    bool SymbolShownAlready(int left, int top, int right, int bottom) {
        if (!Enabled)
            return false;
        // Within one pass the mapping stays, so one logical box is one
        // device box.
        if (Last.SymbolShown && LogicalKnown && left == Logical.Left && top == Logical.Top &&
            right == Logical.Right && bottom == Logical.Bottom)
            return true;
        const TPoint a = Dc->LogicalToDevice({left, top});
        const TPoint b = Dc->LogicalToDevice({right, bottom});
        const bool shown = Last.SymbolShown && a.X == Last.Device.Left &&
                           a.Y == Last.Device.Top && b.X == Last.Device.Right &&
                           b.Y == Last.Device.Bottom;
        Logical = {left, top, right, bottom};
        LogicalKnown = true;
        Last.Device = {a.X, a.Y, b.X, b.Y};
        Last.SymbolShown = true;
        return shown;
    }
    // After the curve drew a segment (symbol: false) or its symbol.
    void Drew(bool symbol) {
        if (!Enabled)
            return;
        Last.SymbolShown = symbol;
        Last.Dc = Dc;
        Last.Drawings = Dc->DrawingCount();
    }

private:
    TDC* Dc;
    TDrawnLast& Last;
    const bool Enabled;
    bool LogicalKnown = false;
    TRect Logical;
};

TCurve::TCurve(std::uint32_t increment) : Increment(increment == 0 ? 1 : increment) {}

TCurve::~TCurve() {
    Reset();
}

std::uint32_t TCurve::GetCapacity() const {
    if (!DataHandle)
        return 0;
    return (Count + Increment - 1) / Increment * Increment;
}

TCurvePoint TCurve::GetLastPoint() const {
    if (!DataHandle || Count == 0)
        return {};
    return DataHandle[Count - 1];
}

void TCurve::Lock() {
    FirstPoint = DataHandle;
    CursorPoint = DataHandle ? DataHandle + (Cursor - 1) : nullptr;
    LastPoint = (DataHandle && Count > 0) ? DataHandle + (Count - 1) : nullptr;
}

// Makes room for point number count + 1: a first block of Increment points,
// or Increment more whenever the block is exactly full.
bool TCurve::GrowFor(std::uint32_t count) {
    if (count == 0) {
        DataHandle = static_cast<TCurvePoint*>(GlobalAllocBlock(Increment * sizeof(TCurvePoint)));
        return DataHandle != nullptr;
    }
    if (count % Increment != 0)
        return true;
    if (count > std::numeric_limits<std::uint32_t>::max() - Increment)
        return false; // Count could not number the new points
    std::size_t bytes = (static_cast<std::size_t>(count) + Increment) * sizeof(TCurvePoint);
    void* grown = GlobalReAllocBlock(DataHandle, bytes);
    if (!grown)
        return false;
    DataHandle = static_cast<TCurvePoint*>(grown);
    return true;
}

void TCurve::WidenBounds(double x, double y) {
    if (x > XMax)
        XMax = x;
    else if (x < XMin)
        XMin = x;
    if (y > YMax)
        YMax = y;
    else if (y < YMin)
        YMin = y;
}

void TCurve::AddPoint(double x, double y) {
    if (OutOfMemory)
        return;
    if (!GrowFor(Count)) {
        OutOfMemory = 1;
        return;
    }
    const TCurvePoint point{x, y};
    TPass pass(Dc, Pen, DrawnLast);
    if (Count == 0) {
        XMin = XMax = x;
        YMin = YMax = y;
        PenX = GraphScale.ToLogicalX(x);
        PenY = GraphScale.ToLogicalY(y);
        if (DrawSymbols)
            DrawSymbolAt(PenX, PenY, pass);
    } else {
        WidenBounds(x, y);
        const double lx = GraphScale.ToLogicalX(x);
        const double ly = GraphScale.ToLogicalY(y);
        if (DrawLines)
            DrawSegmentTo(lx, ly, pass);
        if (DrawSymbols)
            DrawSymbolAt(lx, ly, pass);
    }
    ++Count;
    Lock();
    *LastPoint = point;
    AtEnd = 0;
}

void TCurve::DeleteLastPoint() {
    if (Count == 0)
        return;
    if (Count == 1) {
        Reset();
        return;
    }
    Lock();
    const TCurvePoint last = *LastPoint;
    Cursor = 1;
    AtEnd = 0;
    OutOfMemory = 0;
    --Count;
    const bool strictlyInside = XMin < last.X && last.X < XMax && YMin < last.Y && last.Y < YMax;
    if (!strictlyInside)
        UpdateBounds();
}

void TCurve::Reset() {
    GlobalFreeBlock(DataHandle);
    DataHandle = nullptr;
    FirstPoint = LastPoint = CursorPoint = nullptr;
    Count = 0;
    Cursor = 1;
    AtEnd = 1;
    OutOfMemory = 0;
}

void TCurve::Rewind() {
    if (Count == 0)
        return;
    Cursor = 1;
    AtEnd = 0;
}

bool TCurve::NextPoint(TCurvePoint& point) {
    if (AtEnd)
        return false;
    Lock();
    point = *CursorPoint;
    if (Cursor < Count)
        ++Cursor;
    else
        AtEnd = 1;
    return true;
}

void TCurve::UpdateBounds() {
    if (Count == 0)
        return;
    Lock();
    XMin = XMax = FirstPoint->X;
    YMin = YMax = FirstPoint->Y;
    for (const TCurvePoint* p = FirstPoint + 1; p <= LastPoint; ++p)
        WidenBounds(p->X, p->Y);
}

bool TCurve::DrawSymbol(const TCurvePoint& point) {
    TPass pass(Dc, Pen, DrawnLast);
    return DrawSymbolAt(GraphScale.ToLogicalX(point.X), GraphScale.ToLogicalY(point.Y), pass);
}

bool TCurve::DrawSegment(const TCurvePoint& point) {
    TPass pass(Dc, Pen, DrawnLast);
    return DrawSegmentTo(GraphScale.ToLogicalX(point.X), GraphScale.ToLogicalY(point.Y), pass);
}

bool TCurve::DrawSymbolAt(double lx, double ly, TPass& pass) {
    const TSquare& sq = pass.Square;
    // Written so that NaN fails the test and is never drawn.
    const bool inside = lx >= sq.XLo && lx <= sq.XHi && ly >= sq.YLo && ly <= sq.YHi;
    if (inside && Dc) {
        const int left = ToGdi(lx - pass.Rx), top = ToGdi(ly - pass.Ry);
        const int right = ToGdi(lx + pass.Rx), bottom = ToGdi(ly + pass.Ry);
        if (!pass.SymbolShownAlready(left, top, right, bottom)) {
            TPenSelection pen(*Dc, Pen);
            Dc->Ellipse(left, top, right, bottom);
            pass.Drew(true);
        }
    }
    return NotRightOfSquare(lx);
}

bool TCurve::DrawSegmentTo(double lx, double ly, TPass& pass) {
    if (lx == PenX && ly == PenY)
        return NotRightOfSquare(lx);
    if (PenX > lx)
        RightwardOnly = 0;
    double x0 = PenX, y0 = PenY, x1 = lx, y1 = ly;
    PenX = lx;
    PenY = ly;
    if (ClipSegment(x0, y0, x1, y1) && Dc) {
        const int ax = ToGdi(x0), ay = ToGdi(y0), bx = ToGdi(x1), by = ToGdi(y1);
        if (pass.SegmentDrawsNothing(ax, ay, bx, by))
            return NotRightOfSquare(lx);
        TPenSelection pen(*Dc, Pen);
        const TPoint ends[2] = {{ax, ay}, {bx, by}};
        Dc->Polyline(ends, 2);
        pass.Drew(false);
    }
    return NotRightOfSquare(lx);
}

// Each point is converted once for its segment and its symbol: on a log
// axis the conversion is the dearest part of drawing.
void TCurve::Draw() {
    if (Count == 0)
        return;
    Lock();
    const TCurvePoint* const first = FirstPoint;
    const TCurvePoint* const last = LastPoint;
    PenX = GraphScale.ToLogicalX(first->X);
    PenY = GraphScale.ToLogicalY(first->Y);
    TPass pass(Dc, Pen, DrawnLast);
    if (DrawSymbols)
        DrawSymbolAt(PenX, PenY, pass);
    for (const TCurvePoint* p = first + 1; p <= last; ++p) {
        const double lx = GraphScale.ToLogicalX(p->X);
        const double ly = GraphScale.ToLogicalY(p->Y);
        if (DrawLines && !DrawSegmentTo(lx, ly, pass) && RightwardOnly)
            break;
        if (DrawSymbols && !DrawSymbolAt(lx, ly, pass) && RightwardOnly)
            break;
    }
}
