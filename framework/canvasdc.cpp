#include "framework/canvasdc.h"

#include "framework/dibblit.h"
#include "framework/ellipseshape.h"
#include "framework/linerasteriser.h"
#include "framework/pixelop.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Counts every drawing into any canvas, and every new context (its canvas
// may have been filled before it was made): a shape is only skipped as a
// repeat when nothing at all was drawn since the first one.
std::uint64_t DrawingSerial = 0;

TRect PointsBox(const TPoint* points, int count) {
    TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i < count; ++i) {
        box.Left = std::min(box.Left, points[i].X);
        box.Right = std::max(box.Right, points[i].X);
        box.Top = std::min(box.Top, points[i].Y);
        box.Bottom = std::max(box.Bottom, points[i].Y);
    }
    return box;
}

// Boxes with inclusive edges.
bool Overlap(const TRect& a, const TRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

TPixelOp PenOp(const TDC& dc) {
    return {dc.GetROP2(), TPixelOp::ToRgb(dc.GetPen().Color)};
}

TPixelOp BrushOp(const TDC& dc) {
    return {dc.GetROP2(), TPixelOp::ToRgb(dc.GetBrush().Color)};
}

QPainter::CompositionMode Composition(int rop2) {
    switch (rop2) {
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// The application's font, drawn without smoothing so that each text pixel
// has the text colour exactly, as every other primitive has its colour.
QFont TextFont() {
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(TColor c) {
    return QColor(c.Red(), c.Green(), c.Blue());
}

// Liang-Barsky clipping of a device line to the canvas grown by one pixel,
// so the stepping never walks far outside. False when nothing is left.
bool ClipToCanvas(const TCanvasBits& bits, TPoint& from, TPoint& to) {
    const double xmin = -1, ymin = -1, xmax = bits.Width, ymax = bits.Height;
    const auto inside = [&](TPoint p) {
        return p.X >= xmin && p.X <= xmax && p.Y >= ymin && p.Y <= ymax;
    };
    if (inside(from) && inside(to))
        return true;
    const double x0 = from.X, y0 = from.Y, dx = double(to.X) - x0, dy = double(to.Y) - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const TPoint clippedFrom{static_cast<int>(std::lround(x0 + t0 * dx)),
                             static_cast<int>(std::lround(y0 + t0 * dy))};
    const TPoint clippedTo{static_cast<int>(std::lround(x0 + t1 * dx)),
                           static_cast<int>(std::lround(y0 + t1 * dy))};
    // A clipped end lies outside the canvas, so stepping up to it (end
    // excluded) still reaches every visible pixel.
    if (t1 < 1)
        to = {clippedTo.X + (dx > 0 ? 1 : dx < 0 ? -1 : 0), clippedTo.Y + (dy > 0 ? 1 : dy < 0 ? -1 : 0)};
    from = clippedFrom;
    return true;
}

} // namespace

TCanvasDC::TCanvasDC(QImage& canvas) : Canvas(canvas) {
    ++DrawingSerial;
    Refresh();
}

void TCanvasDC::Refresh() {
    if (Bits.Bits && reinterpret_cast<const std::uint32_t*>(Canvas.constBits()) == Bits.Bits &&
        Bits.Width == Canvas.width() && Bits.Height == Canvas.height())
        return;
    QtPainter.reset();
    KeptCount = 0;
    ++DrawingSerial;
    Bits.Bits = reinterpret_cast<std::uint32_t*>(Canvas.bits());
    Bits.Stride = static_cast<int>(Canvas.bytesPerLine() / 4);
    Bits.Width = Canvas.width();
    Bits.Height = Canvas.height();
}

TCanvasDC::~TCanvasDC() = default;

void TCanvasDC::Changed(const TRect&) {}

// The pen's device width is asked last: it costs a division.
bool TCanvasDC::RepeatsKeptShape(TShapeKind kind, const TRect& device) {
    if (OwnSerial != DrawingSerial) {
        KeptCount = 0;
        return false;
    }
    if (GetROP2() != R2_COPYPEN)
        return false;
    for (std::size_t i = 0; i < KeptCount; ++i) {
        const TKeptShape& kept = KeptShapes[i];
        if (kept.Kind == kind && kept.Device == device && kept.Pen == GetPen() &&
            kept.Brush == GetBrush())
            return kept.PenWidth == DevicePenWidth();
    }
    return false;
}

// Only the copy mix mode gives a pixel the same value however often it is
// drawn, so only its shapes are kept.
void TCanvasDC::Drew(TShapeKind kind, const TRect& device, const TRect& covered,
                     const TRect& changed) {
    if (OwnSerial != DrawingSerial)
        KeptCount = 0;
    OwnSerial = ++DrawingSerial;
    const bool keep = kind != TShapeKind::Other && GetROP2() == R2_COPYPEN;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < KeptCount; ++i) {
        const TKeptShape& shape = KeptShapes[i];
        if (Overlap(shape.Covered, changed))
            continue;
        // The new shape takes the place of the older one with its tools.
        if (keep && shape.Kind == kind && shape.Pen == GetPen() && shape.Brush == GetBrush())
            continue;
        if (kept != i)
            KeptShapes[kept] = shape;
        ++kept;
    }
    KeptCount = kept;
    if (keep) {
        if (KeptCount == MaxKeptShapes) {
            std::move(KeptShapes.begin() + 1, KeptShapes.end(), KeptShapes.begin());
            --KeptCount;
        }
        KeptShapes[KeptCount++] = {kind, device, covered, GetPen(), GetBrush(), DevicePenWidth()};
    }
    Changed(changed);
}

QPainter& TCanvasDC::Painter() {
    if (!QtPainter) {
        QtPainter = std::make_unique<QPainter>(&Canvas);
        QtPainter->setRenderHint(QPainter::Antialiasing, false);
    }
    QtPainter->setCompositionMode(Composition(GetROP2()));
    return *QtPainter;
}

int TCanvasDC::DevicePenWidth() const {
    return std::max(1, LogicalToDeviceWidth(GetPen().Width));
}

// The device pixels a GDI box call covers: left..right-1, top..bottom-1
// after mapping and ordering the corners.
TRect TCanvasDC::DeviceBox(int left, int top, int right, int bottom) const {
    const TPoint a = LogicalToDevice({left, top});
    const TPoint b = LogicalToDevice({right, bottom});
    return TRect{a.X, a.Y, b.X, b.Y}.Normalized();
}

void TCanvasDC::FillSpan(int y, int left, int right, const TPixelOp& op) {
    if (y < 0 || y >= Bits.Height)
        return;
    left = std::max(left, 0);
    right = std::min(right, Bits.Width - 1);
    if (left <= right)
        op.ApplyRun(Bits.Row(y) + left, right - left + 1);
}

// Spans of a shape whose box starts at the box's corner. A symbol wholly on
// the canvas in the copy mode has nothing to clip and nothing to mix:
// curves draw millions of them.
void TCanvasDC::FillSpans(const TRect& box, const std::vector<TEllipseShape::TSpan>& spans,
                          const TPixelOp& op) {
    if (op.Rop2 == R2_COPYPEN && box.Left >= 0 && box.Top >= 0 && box.Right <= Bits.Width &&
        box.Bottom <= Bits.Height) {
        const std::uint32_t pixel = 0xFF000000u | op.Rgb;
        for (const TEllipseShape::TSpan& s : spans) {
            std::uint32_t* const row = Bits.Row(box.Top + s.Y) + box.Left;
            std::fill(row + s.Left, row + s.Right + 1, pixel);
        }
        return;
    }
    for (const TEllipseShape::TSpan& s : spans)
        FillSpan(box.Top + s.Y, box.Left + s.Left, box.Left + s.Right, op);
}

void TCanvasDC::StrokeLine(TPoint from, TPoint to, TPenPattern& pattern) {
    if (!ClipToCanvas(Bits, from, to))
        return;
    const TPixelOp op = PenOp(*this);
    ForEachLinePixel(from, to, [&](int x, int y) {
        if (pattern.Next() && Bits.Contains(x, y))
            op.Apply(Bits.Row(y)[x]);
    });
}

void TCanvasDC::DevicePolyline(const TPoint* device, int count, bool closed) {
    if (count < 2 || GetPen().Style == PS_NULL)
        return;
    // A one-pixel line between two points on one pixel leaves out its only
    // pixel; the symbols of a dense curve bring many of them.
    const bool line = count == 2 && !closed;
    if (line && device[0] == device[1] && DevicePenWidth() == 1)
        return;
    const TRect ends{device[0].X, device[0].Y, device[1].X, device[1].Y};
    if (line && RepeatsKeptShape(TShapeKind::Line, ends))
        return;
    const int width = DevicePenWidth();
    if (width == 1) {
        TPenPattern pattern(GetPen().Style);
        for (int i = 1; i < count; ++i)
            StrokeLine(device[i - 1], device[i], pattern);
        if (closed)
            StrokeLine(device[count - 1], device[0], pattern);
    } else {
        // A wide pen is stroked as one outline and filled once, which Qt
        // does without touching a pixel twice.
        QPolygon polygon(count);
        for (int i = 0; i < count; ++i)
            polygon.setPoint(i, device[i].X, device[i].Y);
        QPainter& painter = Painter();
        QPen pen(ToQColor(GetPen().Color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
    const TRect box = PointsBox(device, count);
    Drew(line ? TShapeKind::Line : TShapeKind::Other, ends,
         {box.Left - width, box.Top - width, box.Right + width, box.Bottom + width});
}

void TCanvasDC::DrawLine(TPoint from, TPoint to) {
    Refresh();
    const TPoint ends[2] = {LogicalToDevice(from), LogicalToDevice(to)};
    DevicePolyline(ends, 2, false);
}

void TCanvasDC::Polyline(const TPoint* points, int count) {
    Refresh();
    // Curves draw segment by segment: two points need no allocation.
    if (count == 2) {
        const TPoint ends[2] = {LogicalToDevice(points[0]), LogicalToDevice(points[1])};
        DevicePolyline(ends, 2, false);
        return;
    }
    std::vector<TPoint> device(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        device[i] = LogicalToDevice(points[i]);
    DevicePolyline(device.data(), count, false);
}

void TCanvasDC::FillPolygonInterior(const TPoint* device, int count) {
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, device[i].X, device[i].Y);
    QPainter& painter = Painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(GetBrush().Color));
    painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void TCanvasDC::Polygon(const TPoint* points, int count) {
    Refresh();
    if (count < 2)
        return;
    std::vector<TPoint> device(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        device[i] = LogicalToDevice(points[i]);
    if (GetBrush().Style == BS_SOLID) {
        FillPolygonInterior(device.data(), count);
        Drew(TShapeKind::Other, {}, PointsBox(device.data(), count));
    }
    DevicePolyline(device.data(), count, true);
}

void TCanvasDC::Rectangle(int left, int top, int right, int bottom) {
    Refresh();
    const TRect box = DeviceBox(left, top, right, bottom);
    if (box.Width() <= 0 || box.Height() <= 0)
        return;
    const TPen& pen = GetPen();
    const int width = pen.Style == PS_NULL ? 0 : DevicePenWidth();
    // The pen's band straddles the box's edge: for width w it starts w/2
    // pixels outside the covered area.
    const TRect outer{box.Left - width / 2, box.Top - width / 2, box.Right - 1 + (width - 1) / 2,
                      box.Bottom - 1 + (width - 1) / 2};
    const TRect inner{outer.Left + width, outer.Top + width, outer.Right - width,
                      outer.Bottom - width};
    if (GetBrush().Style == BS_SOLID) {
        const TPixelOp brush = BrushOp(*this);
        for (int y = inner.Top; y <= inner.Bottom; ++y)
            FillSpan(y, inner.Left, inner.Right, brush);
    }
    if (width > 0 && pen.Style == PS_SOLID) {
        const TPixelOp op = PenOp(*this);
        for (int y = outer.Top; y <= outer.Bottom; ++y) {
            if (y < inner.Top || y > inner.Bottom) {
                FillSpan(y, outer.Left, outer.Right, op);
            } else {
                FillSpan(y, outer.Left, std::min(inner.Left - 1, outer.Right), op);
                FillSpan(y, std::max(inner.Right + 1, inner.Left), outer.Right, op);
            }
        }
    } else if (width > 0) {
        const TPoint corners[4] = {{box.Left, box.Top},
                                   {box.Right - 1, box.Top},
                                   {box.Right - 1, box.Bottom - 1},
                                   {box.Left, box.Bottom - 1}};
        DevicePolyline(corners, 4, true);
    }
    Drew(TShapeKind::Other, {}, outer);
}

void TCanvasDC::Ellipse(int left, int top, int right, int bottom) {
    Refresh();
    const TRect box = DeviceBox(left, top, right, bottom);
    const int w = box.Width(), h = box.Height();
    if (w <= 0 || h <= 0 || RepeatsKeptShape(TShapeKind::Ellipse, box))
        return;
    const TPen& pen = GetPen();
    if (pen.Style != PS_NULL && DevicePenWidth() > 1) {
        QPainter& painter = Painter();
        painter.setPen(QPen(ToQColor(pen.Color), DevicePenWidth()));
        painter.setBrush(GetBrush().Style == BS_SOLID ? QBrush(ToQColor(GetBrush().Color))
                                                       : QBrush(Qt::NoBrush));
        painter.drawEllipse(QRect(box.Left, box.Top, w - 1, h - 1));
        Drew(TShapeKind::Ellipse, box, {box.Left - w, box.Top - h, box.Right + w, box.Bottom + h});
        return;
    }
    const TEllipseShape& shape = EllipseShape(w, h, pen.Style);
    if (GetBrush().Style == BS_SOLID)
        FillSpans(box, pen.Style == PS_NULL ? shape.Filled() : shape.Interior(), BrushOp(*this));
    if (pen.Style != PS_NULL)
        FillSpans(box, shape.OutlineSpans(), PenOp(*this));
    Drew(TShapeKind::Ellipse, box, {box.Left, box.Top, box.Right - 1, box.Bottom - 1});
}

void TCanvasDC::DrawCurveShapes(std::span<const TCurveShape> shapes, const TPen* pen) {
    Refresh();
    const TPen previous = pen ? SelectObject(*pen) : GetPen();
    const bool direct =
        GetROP2() == R2_COPYPEN && GetPen().Style != PS_NULL && DevicePenWidth() == 1;
    if (direct)
        DrawCurveRun(shapes);
    SelectObject(previous);
    if (!direct)
        TDC::DrawCurveShapes(shapes, pen);
}

// Within a run the mapping and the tools stay, so a shape with the logical
// corners of the one on the canvas last lies on its pixels: drawn again, it
// could not change one. Until the run draws, that is any shape this
// context kept from before; then it is the run's last shape. What the run
// changed is counted once, as one box.
void TCanvasDC::DrawCurveRun(std::span<const TCurveShape> shapes) {
    struct TShown {
        // At first a segment without length, which no shape compared with
        // it can be.
        TCurveShape Logical;
        TShapeKind Kind = TShapeKind::Other;
        TRect Device;
        TRect Covered;
    } last;
    bool drew = false;
    TRect changed;
    const auto shownAlready = [&](const TCurveShape& logical, TShapeKind kind, const TRect& device,
                                  const TRect& covered) {
        const bool shown = (last.Kind == kind && last.Device == device) ||
                           (!drew && RepeatsKeptShape(kind, device));
        last = {logical, kind, device, covered};
        return shown;
    };
    const auto count = [&](const TRect& covered) {
        changed = drew ? TRect{std::min(changed.Left, covered.Left), std::min(changed.Top, covered.Top),
                               std::max(changed.Right, covered.Right),
                               std::max(changed.Bottom, covered.Bottom)}
                       : covered;
        drew = true;
    };
    // A symbol wholly on the canvas is copied; one reaching over its edges
    // is filled span by span, clipped.
    const TPenStyle style = GetPen().Style;
    const TPixelOp penOp = PenOp(*this);
    const bool filled = GetBrush().Style == BS_SOLID;
    const TPixelOp brushOp = BrushOp(*this);
    const std::uint32_t penPixel = 0xFF000000u | penOp.Rgb;
    const std::optional<std::uint32_t> brushPixel =
        filled ? std::optional<std::uint32_t>(0xFF000000u | brushOp.Rgb) : std::nullopt;
    // Rounding gives a symbol's box one of two sizes, in turns.
    std::array<const TEllipseStamp*, 2> stamps{};
    const TEllipseShape* ellipse = nullptr;
    Mapped.Follow(XMapping(), YMapping());
    for (const TCurveShape& shape : shapes) {
        if (shape.Kind == TCurveShape::TKind::Segment) {
            if (shape.A == shape.B || shape == last.Logical)
                continue;
            const TPoint a = Mapped.SegmentFrom(shape.A);
            const TPoint b = Mapped.SegmentTo(shape.B);
            if (a == b)
                continue;
            const TRect covered{std::min(a.X, b.X) - 1, std::min(a.Y, b.Y) - 1,
                                std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
            if (shownAlready(shape, TShapeKind::Line, {a.X, a.Y, b.X, b.Y}, covered))
                continue;
            TPenPattern pattern(style);
            StrokeLine(a, b, pattern);
            count(covered);
        } else {
            if (shape == last.Logical)
                continue;
            const TRect box = Mapped.SymbolBox(shape.A, shape.B);
            const int w = box.Width(), h = box.Height();
            if (w <= 0 || h <= 0)
                continue;
            const TRect covered{box.Left, box.Top, box.Right - 1, box.Bottom - 1};
            if (shownAlready(shape, TShapeKind::Ellipse, box, covered))
                continue;
            if (box.Left >= 0 && box.Top >= 0 && box.Right <= Bits.Width &&
                box.Bottom <= Bits.Height) {
                if (!stamps[0] || !stamps[0]->Matches(w, h, style, penPixel, brushPixel)) {
                    std::swap(stamps[0], stamps[1]);
                    if (!stamps[0] || !stamps[0]->Matches(w, h, style, penPixel, brushPixel))
                        stamps[0] = &EllipseStamp(w, h, style, penPixel, brushPixel);
                }
                stamps[0]->CopyTo(Bits, box.Left, box.Top);
            } else {
                if (!ellipse || !ellipse->Matches(w, h, style))
                    ellipse = &EllipseShape(w, h, style);
                if (filled)
                    FillSpans(box, ellipse->Interior(), brushOp);
                FillSpans(box, ellipse->OutlineSpans(), penOp);
            }
            count(covered);
        }
    }
    if (drew)
        Drew(last.Kind, last.Device, last.Covered, changed);
}

namespace {

// The kept item that matches, or a new one made with the arguments; the
// oldest goes when there are 16.
template <class T, class... TArgs>
const T& KeptOrMade(std::vector<std::unique_ptr<T>>& kept, const TArgs&... args) {
    for (const auto& item : kept)
        if (item->Matches(args...))
            return *item;
    constexpr std::size_t MaxKept = 16;
    if (kept.size() == MaxKept)
        kept.erase(kept.begin());
    kept.push_back(std::make_unique<T>(args...));
    return *kept.back();
}

} // namespace

const TEllipseShape& TCanvasDC::EllipseShape(int width, int height, TPenStyle style) {
    return KeptOrMade(EllipseShapes, width, height, style);
}

const TEllipseStamp& TCanvasDC::EllipseStamp(int width, int height, TPenStyle style,
                                             std::uint32_t pen, std::optional<std::uint32_t> brush) {
    return KeptOrMade(EllipseStamps, width, height, style, pen, brush);
}

void TCanvasDC::StretchBlt(int destX, int destY, int destWidth, int destHeight,
                           const TDibBits& source, const TRect& sourceRect, std::uint32_t rop) {
    Refresh();
    const TPoint a = LogicalToDevice({destX, destY});
    const TPoint b = LogicalToDevice({destX + destWidth, destY + destHeight});
    StretchDibToCanvas(Bits, TRect{a.X, a.Y, b.X, b.Y}, source, sourceRect, rop);
    Drew(TShapeKind::Other, {}, TRect{a.X, a.Y, b.X, b.Y}.Normalized());
}

TSize TCanvasDC::GetTextExtent(std::string_view text) const {
    return TextExtent(TextFont(), ToQString(text));
}

TSize TCanvasDC::TextExtent(const QFont& font, const QString& text) const {
    const QFontMetrics metrics(font, &Canvas);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void TCanvasDC::DrawText(TPoint deviceTopLeft, std::string_view text) {
    Refresh();
    const QString qtext = ToQString(text);
    const QFont font = TextFont();
    const TSize size = TextExtent(font, qtext);
    const QRect box(deviceTopLeft.X, deviceTopLeft.Y, size.Cx, size.Cy);
    QPainter& painter = Painter();
    painter.setFont(font);
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (const std::optional<TColor>& outline = GetTextOutline()) {
        // The text moved by one pixel every way, under the text itself.
        painter.setPen(ToQColor(*outline));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0)
                    painter.drawText(box.translated(dx, dy), flags, qtext);
    }
    painter.setPen(ToQColor(GetTextColor()));
    painter.drawText(box, flags, qtext);
    Drew(TShapeKind::Other, {}, {box.left() - 1, box.top() - 1, box.right() + 1, box.bottom() + 1});
}
