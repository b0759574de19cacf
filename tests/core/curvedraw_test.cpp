#include "framework/gdi/recordingdc.h"
#include "testcurves.h"

#include <cmath>
#include <limits>

namespace {

using Op = TRecordingDC::TOp;

class CurveDraw : public CurveTest {
protected:
    void SetUp() override {
        CurveTest::SetUp();
        Curve.Dc = &Dc;
        Curve.Pen = &Yellow;
    }
    std::vector<TRecordingDC::TCall> Ellipses() const { return Dc.CallsOf(Op::Ellipse); }
    std::vector<TRecordingDC::TCall> Lines() const { return Dc.CallsOf(Op::Polyline); }

    TRecordingDC Dc;
    TPen Yellow{TColor(255, 255, 0), 1, PS_SOLID};
    TCurve Curve{100};
};

std::vector<TPoint> Box(int l, int t, int r, int b) {
    return {{l, t}, {r, b}};
}

TEST_F(CurveDraw, FirstPointDrawsItsSymbolWithTheCurvesPen) {
    Curve.AddPoint(50, 50);
    ASSERT_EQ(Dc.Calls().size(), 1u);
    EXPECT_EQ(Ellipses()[0].Points, Box(4248, 4248, 4420, 4420));
    EXPECT_EQ(Ellipses()[0].Pen, Yellow);
    EXPECT_EQ(Dc.GetPen(), TPen{}) << "the previous pen is selected back";
}

TEST_F(CurveDraw, CoordinatesAreTruncatedTowardZero) {
    Curve.AddPoint(0.5, 0.5); // logical 43.34
    EXPECT_EQ(Ellipses()[0].Points, Box(-42, -42, 129, 129));
    Curve.AddPoint(99.99, 0.5); // logical 8667.1332
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0].Points, (std::vector<TPoint>{{43, 43}, {8667, 43}}));
    EXPECT_EQ(Lines()[0].Pen, Yellow);
}

TEST_F(CurveDraw, SymbolsOnTheEdgeAreDrawnAndBeyondItAreNot) {
    Curve.AddPoint(100, 100);
    Curve.AddPoint(0, 0);
    EXPECT_EQ(Ellipses().size(), 2u);
    Dc.Clear();
    TCurve other(100);
    other.Dc = &Dc;
    other.AddPoint(100.0001, 50);
    other.AddPoint(50, -0.0001);
    EXPECT_TRUE(Ellipses().empty());
}

TEST_F(CurveDraw, SegmentsAreClippedToTheSquare) {
    DrawSymbols = 0;
    Curve.AddPoint(50, 50);
    Curve.AddPoint(150, 50); // leaves to the right
    Curve.AddPoint(150, 150);     // outside to outside, not crossing
    Curve.AddPoint(-50, -50);     // crosses the whole square diagonally
    Curve.AddPoint(-50, 120);     // outside, parallel to the left edge
    ASSERT_EQ(Lines().size(), 2u);
    EXPECT_EQ(Lines()[0].Points, (std::vector<TPoint>{{4334, 4334}, {8668, 4334}}));
    EXPECT_EQ(Lines()[1].Points, (std::vector<TPoint>{{8668, 8668}, {0, 0}}));
}

TEST_F(CurveDraw, SamePositionDrawsNoSegment) {
    Curve.AddPoint(20, 20);
    Curve.AddPoint(20, 20);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Ellipses().size(), 2u);
}

TEST_F(CurveDraw, SwitchesChooseWhatIsDrawn) {
    DrawLines = 0;
    Curve.AddPoint(10, 10);
    Curve.AddPoint(20, 20);
    EXPECT_TRUE(Lines().empty());
    DrawLines = 1;
    DrawSymbols = 0;
    Dc.Clear();
    Curve.Draw();
    EXPECT_TRUE(Ellipses().empty());
    EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(CurveDraw, DrawRepeatsWhatAddingDrew) {
    for (double x : {10.0, 30.0, 20.0, 90.0})
        Curve.AddPoint(x, x / 2);
    const auto added = Dc.Calls().size();
    std::vector<TRecordingDC::TCall> whileAdding = Dc.Calls();
    Dc.Clear();
    Curve.Draw();
    ASSERT_EQ(Dc.Calls().size(), added);
    for (std::size_t i = 0; i < added; ++i)
        EXPECT_EQ(Dc.Calls()[i].Points, whileAdding[i].Points) << "call " << i;
}

// A repaint hands a long curve over in runs; a context that draws every
// call sees the calls adding the points made, each with the curve's pen.
TEST_F(CurveDraw, ALongCurveDrawsCallForCallWhatAddingDrew) {
    for (int i = 0; i < 1000; ++i)
        Curve.AddPoint(i * 0.1, 50 + 40 * std::sin(i * 0.05));
    const std::vector<TRecordingDC::TCall> whileAdding = Dc.Calls();
    Dc.Clear();
    Curve.Draw();
    ASSERT_EQ(Dc.Calls().size(), whileAdding.size());
    for (std::size_t i = 0; i < whileAdding.size(); ++i) {
        EXPECT_EQ(Dc.Calls()[i].Op, whileAdding[i].Op) << "call " << i;
        EXPECT_EQ(Dc.Calls()[i].Points, whileAdding[i].Points) << "call " << i;
        EXPECT_EQ(Dc.Calls()[i].Pen, Yellow) << "call " << i;
    }
    EXPECT_EQ(Dc.GetPen(), TPen{});
}

TEST_F(CurveDraw, RightwardOnlyEndsACurveAtItsFirstExitToTheRight) {
    DrawLines = 0; // store without clearing the flag
    for (TCurvePoint p : {TCurvePoint{10, 10}, {150, 20}, {60, 30}, {70, 40}})
        Curve.AddPoint(p.X, p.Y);
    DrawLines = 1;
    Dc.Clear();
    Curve.Draw();
    EXPECT_EQ(Lines().size(), 1u) << "only the segment into the first point beyond the edge";
    EXPECT_EQ(Ellipses().size(), 1u);
    EXPECT_EQ(RightwardOnly, 1);

    TCurve backwards(100);
    backwards.Dc = &Dc;
    backwards.AddPoint(50, 50);
    backwards.AddPoint(40, 50); // right to left: cleared for good
    EXPECT_EQ(RightwardOnly, 0);
    Dc.Clear();
    Curve.Draw();
    EXPECT_EQ(Lines().size(), 3u) << "drawn whole once the flag is gone";
    EXPECT_EQ(Ellipses().size(), 3u);
}

TEST_F(CurveDraw, NonFinitePositionsAreNeverDrawn) {
    // 1e308 under a range of 1e-300 maps to an infinite logical x.
    GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 1e-300, 100);
    Curve.AddPoint(0, 50);
    Curve.AddPoint(1e308, 50);
    Curve.AddPoint(-1e308, 60);
    Curve.AddPoint(std::numeric_limits<double>::quiet_NaN(), 70);
    Curve.AddPoint(0, 80);
    EXPECT_EQ(Ellipses().size(), 2u);
    EXPECT_TRUE(Lines().empty()) << "every segment has a non-finite end but the last";
    EXPECT_EQ(Curve.GetCount(), 5u);

    Dc.Clear();
    Curve.Draw();
    EXPECT_EQ(Ellipses().size(), 2u) << "the point after NaN is still drawn";
}

TEST_F(CurveDraw, LogAxesLeaveOutPointsAtOrBelowZero) {
    // X from 1 to 10^4 and Y from 0.1 to 1000: 2167 logical units a decade.
    GraphScale.SetScale(0, 8668, 8668, 0, 1, 0.1, 1e4, 1000, TAxisKind::Log10, TAxisKind::Log10);
    DrawSymbols = 0;
    for (TCurvePoint p : {TCurvePoint{1, 1}, {100, 10}, {0, 10}, {1000, -5}, {1e4, 1000}})
        Curve.AddPoint(p.X, p.Y);
    EXPECT_EQ(Curve.GetCount(), 5u) << "kept in their place";
    EXPECT_EQ(Lines().size(), 1u) << "no segment to or from a point without a place";
    DrawSymbols = 1;
    Dc.Clear();
    Curve.Draw();
    EXPECT_EQ(Lines().size(), 1u);
    ASSERT_EQ(Ellipses().size(), 3u) << "the points after them are drawn";
    EXPECT_EQ(Lines()[0].Points, (std::vector<TPoint>{{0, 2167}, {4334, 4334}}));
    EXPECT_EQ(Ellipses()[2].Points, Box(8668 - 86, 8668 - 86, 8668 + 86, 8668 + 86));
}

TEST_F(CurveDraw, HugeFiniteValuesAreClippedSafely) {
    Curve.AddPoint(50, 50);
    Curve.AddPoint(1e300, -1e300);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    for (const TPoint& p : lines[0].Points) {
        EXPECT_GE(p.X, 0);
        EXPECT_LE(p.X, 8668);
        EXPECT_GE(p.Y, 0);
        EXPECT_LE(p.Y, 8668);
    }
}

TEST_F(CurveDraw, NothingIsDrawnWithoutAContext) {
    TCurve loose(100);
    loose.AddPoint(10, 10);
    loose.AddPoint(20, 20);
    loose.Draw();
    EXPECT_EQ(loose.GetCount(), 2u);
    EXPECT_TRUE(Dc.Calls().empty());
}

} // namespace
