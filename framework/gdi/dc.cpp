#include "framework/gdi/dc.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

int ClampToInt(std::int64_t v) {
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// a * b / c rounded to nearest with halves away from zero, as MulDiv does.
// Operands are 32-bit values widened to 64 bits, so the product cannot
// overflow.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0)
        return 0;
    std::int64_t num = a * b;
    bool negative = (num < 0) != (c < 0);
    std::int64_t an = std::llabs(num), ac = std::llabs(c);
    std::int64_t q = (an + ac / 2) / ac;
    return negative ? -q : q;
}

// The anchors count 0, 1, 2 from the box's start: none, half or all of its
// extent lies before the point.
template <typename TAnchor>
int ExtentBefore(int extent, TAnchor anchor) {
    return extent * static_cast<int>(anchor) / 2;
}

} // namespace

TDC::~TDC() = default;

int TDC::SetMapMode(int mode) {
    ForgetMapped();
    return std::exchange(MapMode, mode);
}

TSize TDC::SetWindowExt(TSize extent) {
    ForgetMapped();
    return std::exchange(WindowExt, extent);
}

TSize TDC::SetViewportExt(TSize extent) {
    ForgetMapped();
    return std::exchange(ViewportExt, extent);
}

TPoint TDC::SetWindowOrg(TPoint origin) {
    ForgetMapped();
    return std::exchange(WindowOrg, origin);
}

TPoint TDC::SetViewportOrg(TPoint origin) {
    ForgetMapped();
    return std::exchange(ViewportOrg, origin);
}

int TDC::SetROP2(int mode) {
    return std::exchange(Rop2, mode);
}

int TDC::SetBkMode(int mode) {
    return std::exchange(BkMode, mode);
}

void TDC::ForgetMapped() {
    MappedX.Clear();
    MappedY.Clear();
    MappedWidths.Clear();
}

TAxisMapping TDC::XMapping() const {
    return {MapMode != MM_TEXT, WindowOrg.X, WindowExt.Cx, ViewportExt.Cx, ViewportOrg.X};
}

TAxisMapping TDC::YMapping() const {
    return {MapMode != MM_TEXT, WindowOrg.Y, WindowExt.Cy, ViewportExt.Cy, ViewportOrg.Y};
}

TPoint TDC::LogicalToDevice(TPoint logical) const {
    TPoint device;
    if (!MappedX.Find(logical.X, device.X)) {
        device.X = XMapping()(logical.X);
        MappedX.Add(logical.X, device.X);
    }
    if (!MappedY.Find(logical.Y, device.Y)) {
        device.Y = YMapping()(logical.Y);
        MappedY.Add(logical.Y, device.Y);
    }
    return device;
}

int TDC::LogicalToDeviceWidth(int logicalWidth) const {
    if (MapMode == MM_TEXT)
        return logicalWidth;
    int width;
    if (!MappedWidths.Find(logicalWidth, width)) {
        width = ClampToInt(std::llabs(MulDivRound(logicalWidth, ViewportExt.Cx, WindowExt.Cx)));
        MappedWidths.Add(logicalWidth, width);
    }
    return width;
}

void TDC::MoveTo(int x, int y) {
    Position = {x, y};
}

void TDC::LineTo(int x, int y) {
    DrawLine(Position, {x, y});
    Position = {x, y};
}

TColor TDC::SetTextColor(TColor color) {
    return std::exchange(TextColor, color);
}

std::optional<TColor> TDC::SetTextOutline(std::optional<TColor> color) {
    return std::exchange(TextOutline, color);
}

void TDC::TextOut(int x, int y, std::string_view text, TTextAnchor anchor) {
    const TPoint at = LogicalToDevice({x, y});
    const TSize size = GetTextExtent(text);
    DrawText({at.X - ExtentBefore(size.Cx, anchor.Horizontal),
              at.Y - ExtentBefore(size.Cy, anchor.Vertical)},
             text);
}

void TDC::DrawCurveShapes(std::span<const TCurveShape> shapes, const TPen* pen) {
    for (const TCurveShape& shape : shapes) {
        const TPen previous = pen ? SelectObject(*pen) : TPen{};
        if (shape.Kind == TCurveShape::TKind::Segment) {
            const TPoint ends[2] = {shape.A, shape.B};
            Polyline(ends, 2);
        } else {
            Ellipse(shape.A.X, shape.A.Y, shape.B.X, shape.B.Y);
        }
        if (pen)
            SelectObject(previous);
    }
}
