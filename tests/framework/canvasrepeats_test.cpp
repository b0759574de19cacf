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
#include <string>
#include <vector>

namespace {

constexpr int Width = 160;
constexpr int Height = 100;

// The drawing window's mapping on a small client area.
void MapLikeTheWindow(TDC& dc) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({10000, 10000});
    dc.SetViewportExt({Width, -Height});
    dc.SetViewportOrg({0, Height});
    dc.SetWindowOrg({-666, -666});
}

QImage GreyCanvas() {
    QImage canvas(Width, Height, QImage::Format_RGB32);
    canvas.fill(0xFFC0C0C0u);
    return canvas;
}

// Replays recorded primitives one by one, each through a fresh context.
QImage DrawnOneByOne(const TRecordingDC& recorded) {
    QImage canvas = GreyCanvas();
    for (const TRecordingDC::TCall& call : recorded.Calls()) {
        TCanvasDC dc(canvas);
        MapLikeTheWindow(dc);
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
