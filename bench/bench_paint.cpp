// Full repaints of the real drawing window (offscreen), its curves read
// from data files through File|Open Data:
// - 20 curves of 50,000 points (lines and symbols), against the floor of
//   filling every pixel the paint's primitives cover as spans, and against
//   the same primitives drawn straight with QPainter;
// - 30 million points in view, which must repaint in under a second.
#include "benchapp.h"
#include "offscreenmain.h"

#include "core/axisvalues.h"
#include "core/graphscale.h"
#include "framework/ellipseshape.h"
#include "framework/gdi/recordingdc.h"
#include "framework/linerasteriser.h"
#include "framework/pixelop.h"
#include "framework/window.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr int Curves = 20;
constexpr int PointsPerCurve = 50000;
constexpr int CanvasWidth = 1600;
constexpr int CanvasHeight = 1000;

double CurveY(int curve, int i) {
    return 50.0 + 40.0 * std::sin(i * 0.0005 + curve) * std::cos(i * 0.013);
}

double CurveX(int i) {
    return 100.0 * i / (PointsPerCurve - 1);
}

// A window holding the 20 curves, read from a file of X and 20 columns.
struct TFilledWindow {
    TFilledWindow() { App.OpenData(File.Path); }
    TBenchDataFile File{"kestrova-bench-paint.dat", PointsPerCurve, Curves, [](int line, int column) {
                            return column == 0 ? CurveX(line) : CurveY(column - 1, line);
                        }, 7};
    TBenchApp App{CanvasWidth, CanvasHeight};
};

void BM_RepaintDrawWindow(benchmark::State& state) {
    TFilledWindow filled;
    for (auto _ : state)
        filled.App.Repaint();
}
BENCHMARK(BM_RepaintDrawWindow)->Unit(benchmark::kMillisecond);

// A run of pixels in one row, all set to one colour.
struct TSpan {
    int Y, Left, Count;
    std::uint32_t Pixel;
};

// Every pixel each primitive of the window's paint covers, as the paint
// asks for them (before any is found to repeat the one before), in the
// order drawn: ellipses as their interior and outline rows, lines pixel by
// pixel with their pen's pattern, runs along a row merged.
class TSpanList {
public:
    explicit TSpanList(TWindow& window) {
        TRecordingDC dc;
        window.Paint(dc, true, window.GetClientRect());
        Symbols = dc.CallsOf(TRecordingDC::TOp::Ellipse).size();
        for (const TRecordingDC::TCall& call : dc.Calls()) {
            const std::uint32_t pen = 0xFF000000u | TPixelOp::ToRgb(call.Pen.Color);
            if (call.Op == TRecordingDC::TOp::Ellipse)
                AddEllipse(dc, call, pen);
            else if (call.Op == TRecordingDC::TOp::Line || call.Op == TRecordingDC::TOp::Polyline)
                for (std::size_t i = 1; i < call.Points.size(); ++i)
                    AddLine(dc.LogicalToDevice(call.Points[i - 1]),
                            dc.LogicalToDevice(call.Points[i]), call.Pen.Style, pen);
        }
    }

    std::vector<TSpan> Spans;
    std::size_t Pixels = 0;
    std::size_t Symbols = 0;

private:
    void Add(int y, int left, int right, std::uint32_t pixel) {
        left = std::max(left, 0);
        right = std::min(right, CanvasWidth - 1);
        if (y < 0 || y >= CanvasHeight || left > right)
            return;
        if (!Spans.empty() && Spans.back().Y == y && Spans.back().Pixel == pixel &&
            Spans.back().Left + Spans.back().Count == left) {
            Spans.back().Count += right - left + 1;
        } else {
            Spans.push_back({y, left, right - left + 1, pixel});
        }
        Pixels += static_cast<std::size_t>(right - left + 1);
    }

    void AddLine(TPoint from, TPoint to, TPenStyle style, std::uint32_t pixel) {
        TPenPattern pattern(style);
        ForEachLinePixel(from, to, [&](int x, int y) {
            if (pattern.Next())
                Add(y, x, x, pixel);
        });
    }

    void AddEllipse(const TDC& dc, const TRecordingDC::TCall& call, std::uint32_t pen) {
        const TPoint a = dc.LogicalToDevice(call.Points[0]);
        const TPoint b = dc.LogicalToDevice(call.Points[1]);
        const TRect box = TRect{a.X, a.Y, b.X, b.Y}.Normalized();
        const auto key = std::make_tuple(box.Width(), box.Height(), call.Pen.Style);
        auto& shape = Shapes[key];
        if (!shape)
            shape = std::make_unique<TEllipseShape>(box.Width(), box.Height(), call.Pen.Style);
        const std::uint32_t brush = 0xFF000000u | TPixelOp::ToRgb(call.Brush.Color);
        for (const TEllipseShape::TSpan& s : shape->Interior())
            Add(box.Top + s.Y, box.Left + s.Left, box.Left + s.Right, brush);
        for (const TEllipseShape::TPixel& p : shape->Outline())
            Add(box.Top + p.Y, box.Left + p.X, box.Left + p.X, pen);
    }

    std::map<std::tuple<int, int, TPenStyle>, std::unique_ptr<TEllipseShape>> Shapes;
};

// The floor: the canvas erased, then those pixels filled span by span.
void BM_FillSameSpans(benchmark::State& state) {
    TFilledWindow filled;
    const TSpanList list(filled.App.Window());
    const TColor background = filled.App.Window().GetBkgndColor();
    if (list.Symbols != std::size_t{Curves} * PointsPerCurve)
        state.SkipWithError("the window does not hold every point");
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(QColor(background.Red(), background.Green(), background.Blue()));
        auto* bits = reinterpret_cast<std::uint32_t*>(canvas.bits());
        const std::ptrdiff_t stride = canvas.bytesPerLine() / 4;
        for (const TSpan& span : list.Spans)
            std::fill_n(bits + span.Y * stride + span.Left, span.Count, span.Pixel);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.counters["pixels"] = static_cast<double>(list.Pixels);
}
BENCHMARK(BM_FillSameSpans)->Unit(benchmark::kMillisecond);

// The same picture with QPainter alone: device coordinates worked out with
// the window's mapping, one drawLine per segment and one drawEllipse per
// symbol, as the window issues them, and the values at the grid lines
// written black over a white outline.
void BM_RepaintQPainterReference(benchmark::State& state) {
    GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100);
    const auto dx = [](double lx) { return static_cast<int>(std::lround((lx + 666) * CanvasWidth / 10000)); };
    const auto dy = [](double ly) {
        return CanvasHeight - static_cast<int>(std::lround((ly + 666) * CanvasHeight / 10000));
    };
    std::vector<std::vector<QPoint>> points(Curves);
    for (int c = 0; c < Curves; ++c)
        for (int i = 0; i < PointsPerCurve; ++i)
            points[c].emplace_back(dx(GraphScale.ToLogicalX(CurveX(i))),
                                   dy(GraphScale.ToLogicalY(CurveY(c, i))));
    const int rx = dx(86) - dx(0), ry = dy(0) - dy(86);
    const QColor colours[] = {Qt::yellow, Qt::red, Qt::blue, Qt::white};
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(QColor(192, 192, 192));
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        painter.drawLine(dx(0), dy(0), dx(8668), dy(0));
        painter.drawLine(dx(0), dy(0), dx(0), dy(8668));
        QPen grid(Qt::black, 1, Qt::CustomDashLine);
        grid.setDashPattern({3, 3});
        painter.setPen(grid);
        for (int v = 866; v <= 8668; v += 866) {
            painter.drawLine(dx(v), dy(0), dx(v), dy(8668));
            painter.drawLine(dx(0), dy(v), dx(8668), dy(v));
        }
        QFont font;
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        for (const TAxis axis : {TAxis::X, TAxis::Y}) {
            for (const TAxisValue& value : AxisValues(GraphScale, axis, 866)) {
                const QString text = QString::fromStdString(value.Text);
                const QPoint at = axis == TAxis::X ? QPoint(dx(value.Logical), dy(-40))
                                                   : QPoint(dx(-40), dy(value.Logical));
                const int flags = axis == TAxis::X ? Qt::AlignHCenter | Qt::AlignTop
                                                   : Qt::AlignRight | Qt::AlignVCenter;
                const QRect box = axis == TAxis::X ? QRect(at.x() - 50, at.y(), 100, 30)
                                                   : QRect(at.x() - 100, at.y() - 15, 100, 30);
                painter.setPen(Qt::white);
                for (int oy = -1; oy <= 1; ++oy)
                    for (int ox = -1; ox <= 1; ++ox)
                        if (ox != 0 || oy != 0)
                            painter.drawText(box.translated(ox, oy), flags, text);
                painter.setPen(Qt::black);
                painter.drawText(box, flags, text);
            }
        }
        painter.setBrush(Qt::white);
        for (int c = 0; c < Curves; ++c) {
            painter.setPen(colours[std::min(c, 3)]);
            const std::vector<QPoint>& p = points[c];
            painter.drawEllipse(p[0], rx, ry);
            for (std::size_t i = 1; i < p.size(); ++i) {
                if (p[i] != p[i - 1])
                    painter.drawLine(p[i - 1], p[i]);
                painter.drawEllipse(p[i], rx, ry);
            }
        }
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_RepaintQPainterReference)->Unit(benchmark::kMillisecond);

// 30 million points in view: 20 smooth curves of 1.5 million points each,
// so that a pixel column holds about a thousand points of every curve.
constexpr int DenseLines = 1'500'000;

void BM_Repaint30MillionPoints(benchmark::State& state) {
    const TBenchDataFile file("kestrova-bench-dense.dat", DenseLines, Curves,
                              [](int line, int column) {
                                  const double x = 100.0 * line / DenseLines;
                                  return column == 0
                                             ? x
                                             : 50.0 + 45.0 * std::sin(x * 0.07 * column + column);
                              },
                              7);
    TBenchApp app(CanvasWidth, CanvasHeight);
    app.OpenData(file.Path);
    for (auto _ : state)
        app.Repaint();
    state.SetItemsProcessed(state.iterations() * std::int64_t{DenseLines} * Curves);
}
BENCHMARK(BM_Repaint30MillionPoints)->Unit(benchmark::kMillisecond);

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
