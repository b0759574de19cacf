// Dense curves land many points on one device pixel; the canvas leaves out
// what would not change a pixel. These tests compare every pixel with the
// same primitives each drawn through a context of its own, which can leave
// nothing out.
#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/canvasdc.h"
#include "framework/gdi/recordingdc.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int Width = 160;
constexpr int Height = 100;

// The drawing window's mapping on a small client area; zoomed in, the
// middle of the square fills it and symbols reach over its edges.
void MapLikeTheWindow(TDC& dc, bool zoomed = false) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({10000, 10000});
    const int zoom = zoomed ? 4 : 1;
    dc.SetViewportExt({Width * zoom, -Height * zoom});
    dc.SetViewportOrg(zoomed ? TPoint{-3 * Width / 2, 5 * Height / 2} : TPoint{0, Height});
    dc.SetWindowOrg({-666, -666});
}

QImage GreyCanvas() {
    QImage canvas(Width, Height, QImage::Format_RGB32);
    canvas.fill(0xFFC0C0C0u);
    return canvas;
}

// Replays recorded primitives one by one, each through a fresh context.
QImage DrawnOneByOne(const TRecordingDC& recorded, bool zoomed = false) {
    QImage canvas = GreyCanvas();
    for (const TRecordingDC::TCall& call : recorded.Calls()) {
        TCanvasDC dc(canvas);
        MapLikeTheWindow(dc, zoomed);
        dc.SelectObject(call.Pen);
        dc.SelectObject(call.Brush);
        dc.SetROP2(call.Rop2);
        const std::vector<TPoint>& p = call.Points;
        switch (call.Op) {
        case TRecordingDC::TOp::Ellipse:
            dc.Ellipse(p[0].X, p[0].Y, p[1].X, p[1].Y);
            break;
        case TRecordingDC::TOp::Polyline:
            dc.Polyline(p.data(), static_cast<int>(p.size()));
            break;
        default:
            ADD_FAILURE() << "a curve draws only ellipses and polylines";
        }
    }
    return canvas;
}

int DifferentPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

struct TDrawing {
    const char* Name;
    // Draws two curves into the context: by Draw (a repaint) or point by
    // point, the curves taking turns (a file read with two columns).
    std::function<void(TCurve&, TCurve&, TDC&)> Draw;
};

// A flat curve packed hundreds of points to a pixel, and a wavy one that
// crosses it again and again, both with a symbol at every point.
void FillCurves(TCurve& flat, TCurve& wavy, TDC* dc) {
    flat.Dc = wavy.Dc = dc;
    for (int i = 0; i < 4000; ++i) {
        const double x = i * 0.025;
        flat.AddPoint(x, 50.0 + 0.001 * i);
        wavy.AddPoint(x, 50.0 + 30.0 * std::sin(x * 0.4));
    }
}

const TDrawing Drawings[] = {
    {"Repaint",
     [](TCurve& flat, TCurve& wavy, TDC& dc) {
         FillCurves(flat, wavy, nullptr);
         flat.Dc = wavy.Dc = &dc;
         flat.Draw();
         wavy.Draw();
     }},
    {"PointsAsTheyAreRead", [](TCurve& flat, TCurve& wavy, TDC& dc) { FillCurves(flat, wavy, &dc); }},
};

class CanvasRepeats : public ::testing::TestWithParam<TDrawing> {
protected:
    void SetUp() override {
        ResetCurveFlags();
        GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100);
    }
    void TearDown() override { ResetCurveFlags(); }

    // The canvas as the curves draw it, and as each primitive drawn alone
    // gives it.
    void Compare(const TPen& flatPen, const TPen& wavyPen) {
        QImage canvas = GreyCanvas();
        {
            TCanvasDC dc(canvas);
            MapLikeTheWindow(dc);
            TCurve flat(100), wavy(100);
            flat.Pen = &flatPen;
            wavy.Pen = &wavyPen;
            GetParam().Draw(flat, wavy, dc);
        }
        TRecordingDC recorded;
        MapLikeTheWindow(recorded);
        TCurve flat(100), wavy(100);
        flat.Pen = &flatPen;
        wavy.Pen = &wavyPen;
        GetParam().Draw(flat, wavy, recorded);
        ASSERT_GE(recorded.Calls().size(), 8000u) << "every primitive asked for is recorded";
        EXPECT_EQ(DifferentPixels(canvas, DrawnOneByOne(recorded)), 0);
    }
};

TEST_P(CanvasRepeats, LeavesEveryPixelAsDrawingEachPrimitiveWould) {
    Compare({TColor(255, 255, 0), 1, PS_SOLID}, {TColor(255, 0, 0), 1, PS_SOLID});
}

TEST_P(CanvasRepeats, DashedAndWidePensToo) {
    Compare({TColor(0, 0, 255), 1, PS_DASH}, {TColor(255, 255, 255), 30, PS_SOLID});
}

TEST_P(CanvasRepeats, SymbolsAloneToo) {
    DrawLines = 0;
    Compare({TColor(255, 255, 0), 1, PS_SOLID}, {TColor(255, 0, 0), 1, PS_SOLID});
}

INSTANTIATE_TEST_SUITE_P(Drawings, CanvasRepeats, ::testing::ValuesIn(Drawings),
                         [](const auto& drawing) { return std::string(drawing.param.Name); });

// What the curves are drawn with and where: the switches, the tools the
// window leaves selected, the axes and the view.
struct TSetting {
    const char* Name;
    TPen Flat{TColor(255, 255, 0), 1, PS_SOLID};
    TPen Wavy{TColor(255, 0, 0), 1, PS_SOLID};
    bool Lines = true;
    bool Symbols = true;
    TBrush Brush{};
    int Rop2 = R2_COPYPEN;
    TAxisKind Axes = TAxisKind::Linear;
    double Min = 0, Max = 100;
    bool Zoomed = false;
};

void PrintTo(const TSetting& setting, std::ostream* out) {
    *out << setting.Name;
}

void PrintTo(const TDrawing& drawing, std::ostream* out) {
    *out << drawing.Name;
}

TSetting Setting(const char* name, const std::function<void(TSetting&)>& change) {
    TSetting setting{name};
    change(setting);
    return setting;
}

const TSetting Settings[] = {
    {"SymbolsAndLines"},
    Setting("SymbolsOnly", [](TSetting& s) { s.Lines = false; }),
    Setting("LinesOnly", [](TSetting& s) { s.Symbols = false; }),
    // Zoomed in, a symbol has an inside to fill and an outline to pattern.
    Setting("FilledSymbols",
            [](TSetting& s) { s.Brush = {TColor(0, 0, 255), BS_SOLID}, s.Zoomed = true; }),
    Setting("HollowSymbols",
            [](TSetting& s) { s.Brush = {TColor(0, 0, 255), BS_HOLLOW}, s.Zoomed = true; }),
    Setting("DottedPen", [](TSetting& s) { s.Wavy.Style = PS_DOT, s.Zoomed = true; }),
    Setting("LogAxes", [](TSetting& s) { s.Axes = TAxisKind::Log10, s.Min = 1; }),
    Setting("PointsOffTheSquare", [](TSetting& s) { s.Min = 30, s.Max = 60; }),
    Setting("ZoomedView", [](TSetting& s) { s.Zoomed = true; }),
    Setting("WidePen", [](TSetting& s) { s.Wavy.Width = 30; }),
    Setting("Xor", [](TSetting& s) { s.Rop2 = R2_XORPEN; }),
};

class CanvasRuns : public ::testing::TestWithParam<std::tuple<TDrawing, TSetting>> {
protected:
    void SetUp() override {
        const TSetting& setting = std::get<1>(GetParam());
        ResetCurveFlags();
        DrawLines = setting.Lines;
        DrawSymbols = setting.Symbols;
        GraphScale.SetScale(0, 8668, 8668, 0, setting.Min, setting.Min, setting.Max, setting.Max,
                            setting.Axes, setting.Axes);
    }
    void TearDown() override { ResetCurveFlags(); }

    void Draw(TDC& dc) const {
        const TSetting& setting = std::get<1>(GetParam());
        MapLikeTheWindow(dc, setting.Zoomed);
        dc.SelectObject(setting.Brush);
        dc.SetROP2(setting.Rop2);
        TCurve flat(100), wavy(100);
        flat.Pen = &setting.Flat;
        wavy.Pen = &setting.Wavy;
        std::get<0>(GetParam()).Draw(flat, wavy, dc);
    }
};

TEST_P(CanvasRuns, LeaveEveryPixelAsDrawingEachPrimitiveAloneWould) {
    QImage canvas = GreyCanvas();
    {
        TCanvasDC dc(canvas);
        Draw(dc);
    }
    TRecordingDC recorded;
    Draw(recorded);
    ASSERT_GE(recorded.Calls().size(), 2000u);
    const QImage alone = DrawnOneByOne(recorded, std::get<1>(GetParam()).Zoomed);
    ASSERT_NE(DifferentPixels(alone, GreyCanvas()), 0) << "the curves show";
    EXPECT_EQ(DifferentPixels(canvas, alone), 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, CanvasRuns,
                         ::testing::Combine(::testing::ValuesIn(Drawings), ::testing::ValuesIn(Settings)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).Name) +
                                    std::get<1>(row.param).Name;
                         });

// A shape drawn again after another context drew over it must come back.
TEST(CanvasRepeatsAcrossContexts, AShapeDrawnOverElsewhereIsDrawnAgain) {
    QImage canvas = GreyCanvas();
    TCanvasDC first(canvas);
    first.SelectObject(TBrush{TColor(255, 0, 0), BS_SOLID});
    first.Ellipse(10, 10, 40, 30);
    {
        TCanvasDC second(canvas);
        second.SelectObject(TBrush{TColor(0, 0, 255), BS_SOLID});
        second.Rectangle(0, 0, 60, 60);
    }
    first.Ellipse(10, 10, 40, 30);
    EXPECT_EQ(canvas.pixel(25, 20), 0xFFFF0000u);
}

} // namespace
