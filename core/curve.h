#pragma once

#include "core/curvepoint.h"
#include "framework/gdi/types.h"

#include <cstdint>
#include <span>

class TDC;
struct TPen;

// Curve slots the window holds: indexes 0 to MaxCurves - 1.
inline constexpr int MaxCurves = 20;

// One digitized curve: its points in the order they were added, held in one
// block that grows by Increment points at a time and never shrinks while the
// curve lives, the exact bounding box of those points, and a read cursor
// (Rewind, NextPoint). A curve draws itself into Dc with Pen, through the
// process-wide GraphScale, clipped to the graph square; the window owns Dc
// and Pen and sets them before each drawing occasion.
class TCurve {
public:
    explicit TCurve(std::uint32_t increment);
    TCurve(const TCurve&) = delete;
    TCurve& operator=(const TCurve&) = delete;
    ~TCurve();

    // Draws the point (segment, then symbol) and stores it at the end. Sets
    // OutOfMemory instead when the block cannot grow; callers test the flag.
    void AddPoint(double x, double y);
    // Removes the last point and keeps the box exact. Draws nothing.
    void DeleteLastPoint();
    // Releases the block: an empty curve again; clears OutOfMemory.
    void Reset();
    void Rewind();
    // Hands out the point under the cursor; false once the pass is over.
    bool NextPoint(TCurvePoint& point);
    void UpdateBounds();

    // Each returns false when the point lies right of the graph square.
    bool DrawSymbol(const TCurvePoint& point);
    bool DrawSegment(const TCurvePoint& point);
    void Draw();

    std::uint32_t GetCount() const { return Count; }
    // The point added last; a zero point while the curve is empty.
    TCurvePoint GetLastPoint() const;
    std::uint32_t GetIncrement() const { return Increment; }
    // Room in the block, in points (0 without a block).
    std::uint32_t GetCapacity() const;
    double GetXMin() const { return XMin; }
    double GetXMax() const { return XMax; }
    double GetYMin() const { return YMin; }
    double GetYMax() const { return YMax; }
    bool IsAtEnd() const { return AtEnd != 0; }
    // The points in order, for reading without moving the cursor.
    std::span<const TCurvePoint> GetPoints() const { return {DataHandle, Count}; }

    TDC* Dc = nullptr;
    const TPen* Pen = nullptr;

private:
    class TPass;
    struct TPlaced;
    void Lock();
    bool GrowForNextPoint();
    void WidenBounds(double x, double y);
    // The drawing of DrawSymbol and DrawSegment at points already placed
    // in logical units, in one drawing pass.
    bool DrawSymbolAt(const TPlaced& at, TPass& pass);
    bool DrawSegmentTo(TPlaced& from, const TPlaced& to, TPass& pass);

    TCurvePoint* DataHandle = nullptr;
    TCurvePoint* FirstPoint = nullptr;
    TCurvePoint* LastPoint = nullptr;
    TCurvePoint* CursorPoint = nullptr;
    std::uint32_t Increment;
    std::uint32_t Cursor = 1;
    std::uint32_t Count = 0;
    // Count % Increment, followed as Count changes: a point read is added
    // without a division.
    std::uint32_t CountPastStep = 0;
    double PenX = 0.0;
    double PenY = 0.0;
    int AtEnd = 1;
    double XMin = 0.0, XMax = 0.0, YMin = 0.0, YMax = 0.0;
};
