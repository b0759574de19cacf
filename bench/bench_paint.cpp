// A full repaint of the drawing window holding 20 curves of 50,000 points
// (lines and symbols), against the same primitives drawn straight with
// QPainter on a canvas of the same size.
#include "offscreenmain.h"

#include "core/axisvalues.h"
#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/canvasdc.h"
#include "window/drawwindow.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cmath>
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

struct TFilledWindow {
    TFilledWindow() {
        Window.GetHandle()->resize(CanvasWidth, CanvasHeight);
        for (int c = 0; c < Curves; ++c) {
            Window.MakeCurve(c);
            for (int i = 0; i < PointsPerCurve; ++i)
                Window.AddDataPoint(c, CurveX(i), CurveY(c, i));
        }
    }
    TDrawWindow Window;
};

void BM_RepaintDrawWindow(benchmark::State& state) {
    TFilledWindow filled;
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(QColor(192, 192, 192));
        TCanvasDC dc(canvas);
        filled.Window.Paint(dc, true, filled.Window.GetClientRect());
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_RepaintDrawWindow)->Unit(benchmark::kMillisecond);

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

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
