#include "core/curve.h"

#include "core/clipsegment.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/gdi/gdiobjects.h"
#include "framework/gdi/dc.h"
#include "framework/gdi/globalmemory.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

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

} // namespace

// A point in logical units, worked out once for the segment that ends on
// it, its symbol and the segment that starts from it: whether it lies in
// the square and, only then, its truncation.
struct TCurve::TPlaced {
    double X, Y;
    bool Inside;
    TPoint Gdi;
};

// One drawing call or pass over a curve: the graph square and the
// symbols' radii, which stay for the pass, and the shapes to draw, handed
// to the context in runs as long as the room given, and whatever is left
// when the pass ends. A context that only makes pixels draws a run without
// a call per shape and leaves out the shapes that could not change a pixel
// (a dense curve lands hundreds of points on one).
class TCurve::TPass {
public:
    TPass(TDC* dc, const TPen* pen, std::span<TCurveShape> room)
        : Square(GraphSquare()), Rx(SymbolRadius(Square.XLo, Square.XHi)),
          Ry(SymbolRadius(Square.YLo, Square.YHi)), Dc(dc), Pen(pen), Room(room) {}
    ~TPass() { Flush(); }
    TPass(const TPass&) = delete;
    TPass& operator=(const TPass&) = delete;

    const TSquare Square;
    const double Rx, Ry;
    const double Right = GraphScale.GetLogRight();
    // Every value the pass truncates lies in the square or within a radius
    // of it; where all of those fit an int, no clamp is needed.
    const bool Fits = Square.XLo - Rx > std::numeric_limits<int>::min() &&
                      Square.XHi + Rx < std::numeric_limits<int>::max() &&
                      Square.YLo - Ry > std::numeric_limits<int>::min() &&
                      Square.YHi + Ry < std::numeric_limits<int>::max();

    int Gdi(double v) const { return Fits ? static_cast<int>(v) : ToGdi(v); }

    // Whether the point lies in the square (NaN does not); without a branch
    // for each edge, as a dense curve crosses none of them.
    bool Contains(double lx, double ly) const {
        return (lx >= Square.XLo) & (lx <= Square.XHi) & (ly >= Square.YLo) & (ly <= Square.YHi);
    }

    TPlaced Place(double lx, double ly) const {
        const bool inside = Contains(lx, ly);
        return {lx, ly, inside, inside ? TPoint{Gdi(lx), Gdi(ly)} : TPoint{}};
    }

    // "Lies right of the square" as drawing stops on it. NaN is no
    // position at all, so it does not count as beyond the right edge.
    bool NotRight(double lx) const { return !(lx > Right); }

    // Only while the curve has a context.
    void Add(TCurveShape::TKind kind, TPoint a, TPoint b) {
        Room[Count++] = {kind, a, b};
        if (Count == Room.size())
            Flush();
    }

private:
    void Flush() {
        if (Count != 0)
            Dc->DrawCurveShapes(Room.first(Count), Pen);
        Count = 0;
    }

    TDC* const Dc;
    const TPen* const Pen;
    const std::span<TCurveShape> Room;
    std::size_t Count = 0;
};

// Shapes a repaint hands to the context at once: enough that the call costs
// nothing per shape, few enough to stay in the nearest cache.
constexpr std::size_t ShapesPerRun = 256;

inline bool TCurve::DrawSymbolAt(const TPlaced& at, TPass& pass) {
    if (at.Inside && Dc) {
        pass.Add(TCurveShape::TKind::Symbol, {pass.Gdi(at.X - pass.Rx), pass.Gdi(at.Y - pass.Ry)},
                 {pass.Gdi(at.X + pass.Rx), pass.Gdi(at.Y + pass.Ry)});
    }
    return pass.NotRight(at.X);
}

// From is where the pen is (PenX, PenY), and moves on with it.
inline bool TCurve::DrawSegmentTo(TPlaced& from, const TPlaced& to, TPass& pass) {
    if (to.X == PenX && to.Y == PenY)
        return pass.NotRight(to.X);
    if (PenX > to.X)
        RightwardOnly = 0;
    double x0 = PenX, y0 = PenY, x1 = to.X, y1 = to.Y;
    PenX = to.X;
    PenY = to.Y;
    // A dense curve in view has millions of segments inside the square,
    // which clipping would leave as they are.
    if (from.Inside && to.Inside) {
        if (Dc)
            pass.Add(TCurveShape::TKind::Segment, from.Gdi, to.Gdi);
    } else if (ClipSegment(x0, y0, x1, y1) && Dc) {
        pass.Add(TCurveShape::TKind::Segment, {pass.Gdi(x0), pass.Gdi(y0)},
                 {pass.Gdi(x1), pass.Gdi(y1)});
    }
    from = to;
    return pass.NotRight(to.X);
}

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

// Makes room for one more point: a first block of Increment points, or
// Increment more whenever the block is exactly full.
bool TCurve::GrowForNextPoint() {
    if (Count == 0) {
        DataHandle = static_cast<TCurvePoint*>(GlobalAllocBlock(Increment * sizeof(TCurvePoint)));
        return DataHandle != nullptr;
    }
    if (CountPastStep != 0)
        return true;
    if (Count > std::numeric_limits<std::uint32_t>::max() - Increment)
        return false; // Count could not number the new points
    std::size_t bytes = (static_cast<std::size_t>(Count) + Increment) * sizeof(TCurvePoint);
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
    if (!GrowForNextPoint()) {
        OutOfMemory = 1;
        return;
    }
    const TCurvePoint point{x, y};
    std::array<TCurveShape, 2> room;
    TPass pass(Dc, Pen, room);
    if (Count == 0) {
        XMin = XMax = x;
        YMin = YMax = y;
        PenX = GraphScale.ToLogicalX(x);
        PenY = GraphScale.ToLogicalY(y);
        if (DrawSymbols)
            DrawSymbolAt(pass.Place(PenX, PenY), pass);
    } else {
        WidenBounds(x, y);
        const TPlaced at = pass.Place(GraphScale.ToLogicalX(x), GraphScale.ToLogicalY(y));
        if (DrawLines) {
            TPlaced pen = pass.Place(PenX, PenY);
            DrawSegmentTo(pen, at, pass);
        }
        if (DrawSymbols)
            DrawSymbolAt(at, pass);
    }
    ++Count;
    CountPastStep = CountPastStep + 1 == Increment ? 0 : CountPastStep + 1;
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
    CountPastStep = CountPastStep == 0 ? Increment - 1 : CountPastStep - 1;
    const bool strictlyInside = XMin < last.X && last.X < XMax && YMin < last.Y && last.Y < YMax;
    if (!strictlyInside)
        UpdateBounds();
}

void TCurve::Reset() {
    GlobalFreeBlock(DataHandle);
    DataHandle = nullptr;
    FirstPoint = LastPoint = CursorPoint = nullptr;
    Count = 0;
    CountPastStep = 0;
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
    std::array<TCurveShape, 1> room;
    TPass pass(Dc, Pen, room);
    return DrawSymbolAt(pass.Place(GraphScale.ToLogicalX(point.X), GraphScale.ToLogicalY(point.Y)),
                        pass);
}

bool TCurve::DrawSegment(const TCurvePoint& point) {
    std::array<TCurveShape, 1> room;
    TPass pass(Dc, Pen, room);
    TPlaced pen = pass.Place(PenX, PenY);
    return DrawSegmentTo(
        pen, pass.Place(GraphScale.ToLogicalX(point.X), GraphScale.ToLogicalY(point.Y)), pass);
}

// Each point is converted once for its segment and its symbol: on a log
// axis the conversion is the dearest part of drawing.
void TCurve::Draw() {
    if (Count == 0)
        return;
    Lock();
    const TCurvePoint* const first = FirstPoint;
    const TCurvePoint* const last = LastPoint;
    // A copy the pass's own stores cannot alias, so the loop keeps it in
    // registers.
    const TGraphScale scale = GraphScale;
    PenX = scale.ToLogicalX(first->X);
    PenY = scale.ToLogicalY(first->Y);
    std::array<TCurveShape, ShapesPerRun> room;
    TPass pass(Dc, Pen, room);
    const bool lines = DrawLines != 0, symbols = DrawSymbols != 0;
    TPlaced pen = pass.Place(PenX, PenY);
    if (symbols)
        DrawSymbolAt(pen, pass);
    for (const TCurvePoint* p = first + 1; p <= last; ++p) {
        const TPlaced at = pass.Place(scale.ToLogicalX(p->X), scale.ToLogicalY(p->Y));
        if (lines && !DrawSegmentTo(pen, at, pass) && RightwardOnly)
            break;
        if (symbols && !DrawSymbolAt(at, pass) && RightwardOnly)
            break;
    }
}
