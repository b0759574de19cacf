#include "core/calibration.h"

#include "testcurves.h"

#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr TAxisKind Lin = TAxisKind::Linear, Log = TAxisKind::Log10;
using R = TCalibrationResult;

TAxisCalibration Axis(int p1, double v1, int p2, double v2, TAxisKind kind = Lin) {
    return {p1, p2, v1, v2, kind};
}

// The scale a calibration sets, and a check that each click reads back as
// its value under it.
class Calibration : public CurveTest {
protected:
    TScaleRanges Apply(const TAxisCalibration& x, const TAxisCalibration& y) {
        TScaleRanges r;
        EXPECT_EQ(Calibrate(x, y, r), R::Done);
        GraphScale.SetScale(0, GraphExtent, GraphExtent, 0, r.MinX, r.MinY, r.MaxX, r.MaxY, x.Kind,
                            y.Kind);
        return r;
    }
    static void ExpectReadsBack(const TAxisCalibration& x, const TAxisCalibration& y) {
        const double ulps = 8 * std::numeric_limits<double>::epsilon();
        EXPECT_NEAR(GraphScale.ToGraphX(x.Position1), x.Value1, ulps * Span(x));
        EXPECT_NEAR(GraphScale.ToGraphX(x.Position2), x.Value2, ulps * Span(x));
        EXPECT_NEAR(GraphScale.ToGraphY(y.Position1), y.Value1, ulps * Span(y));
        EXPECT_NEAR(GraphScale.ToGraphY(y.Position2), y.Value2, ulps * Span(y));
    }
    // What one logical unit is worth near the clicked values, in the worst
    // case: the whole range on a linear axis, the larger value on a log one.
    static double Span(const TAxisCalibration& a) {
        return a.Kind == Lin ? std::fabs(a.Value2 - a.Value1) * GraphExtent /
                                   std::abs(a.Position2 - a.Position1)
                             : std::max(a.Value1, a.Value2) * 2.5;
    }
};

TEST_F(Calibration, ClicksOnTheEdgesGiveTheirValuesExactly) {
    TScaleRanges r = Apply(Axis(0, -0.1, GraphExtent, 0.7), Axis(GraphExtent, 3e-7, 0, 1e-7));
    EXPECT_EQ(r.MinX, -0.1);
    EXPECT_EQ(r.MaxX, 0.7);
    EXPECT_EQ(r.MinY, 1e-7);
    EXPECT_EQ(r.MaxY, 3e-7);
    r = Apply(Axis(0, 0.3, GraphExtent, 3e5, Log), Axis(0, 7, GraphExtent, 7e-9, Log));
    EXPECT_EQ(r.MinX, 0.3);
    EXPECT_EQ(r.MaxX, 3e5);
    EXPECT_EQ(r.MinY, 7) << "a log axis may run downwards too";
    EXPECT_EQ(r.MaxY, 7e-9);
}

TEST_F(Calibration, InnerClicksAreExtendedToTheEdges) {
    struct TCase {
        TAxisCalibration X, Y;
        TScaleRanges Expected;
    };
    const TCase cases[] = {
        {Axis(1000, 0, 5000, 80), Axis(7000, 40, 1000, 0), {-20, 153.36, -40 / 6.0, 51.12}},
        // Points in the margins, and the other way round.
        {Axis(9000, 5, -500, -5), Axis(-600, 1e6, 9100, 2e6),
         {-5 + 500 / 950.0, 5 - 332 / 950.0, 1e6 + 6e8 / 9700, 2e6 - 432e6 / 9700}},
        // A decade every 1000 and every 2000 logical units.
        {Axis(1000, 1, 5000, 1e4, Log), Axis(2000, 0.5, 6000, 50, Log),
         {0.1, std::pow(10, 7.668), 0.05, 50 * std::pow(10, 1.334)}},
    };
    for (const TCase& c : cases) {
        TScaleRanges r = Apply(c.X, c.Y);
        for (auto [got, want] : {std::pair{r.MinX, c.Expected.MinX}, {r.MaxX, c.Expected.MaxX},
                                 {r.MinY, c.Expected.MinY}, {r.MaxY, c.Expected.MaxY}})
            EXPECT_NEAR(got, want, 1e-13 * std::fabs(want));
        ExpectReadsBack(c.X, c.Y);
    }
}

TEST_F(Calibration, EachRefusalSaysWhich) {
    const double big = std::numeric_limits<double>::max();
    struct TCase {
        TAxisCalibration X, Y;
        R Expected;
    };
    const TCase cases[] = {
        {Axis(100, 1, 100, 2), Axis(100, 1, 100, 1), R::SameXPosition},
        {Axis(100, 1, 200, 2), Axis(300, 1, 300, 2), R::SameYPosition},
        {Axis(100, 2, 200, 2), Axis(100, 1, 200, 2), R::EqualXValues},
        {Axis(100, 1, 200, 2), Axis(100, -0.0, 200, 0.0), R::EqualYValues},
        {Axis(100, 0, 200, 2, Log), Axis(100, 1, 200, 2), R::XValueNotPositive},
        {Axis(100, 1, 200, 2), Axis(100, 1, 200, -2, Log), R::YValueNotPositive},
        {Axis(100, 1, 200, -2), Axis(100, 1, 200, -2, Log), R::YValueNotPositive},
        // Neighbouring doubles whose logarithms are alike.
        {Axis(100, 1e300, 200, std::nextafter(1e300, big), Log), Axis(100, 1, 200, 2),
         R::EqualXValues},
        {Axis(0, -big, GraphExtent, big), Axis(100, 1, 200, 2), R::OutsideDoubles},
        {Axis(4000, 0, 4001, 1e305), Axis(100, 1, 200, 2), R::OutsideDoubles},
        {Axis(100, 1, 200, 2), Axis(4000, 1, 4001, 1e10, Log), R::OutsideDoubles},
        {Axis(100, 1, 200, 2), Axis(4000, 1e-300, 4001, 1e-290, Log), R::OutsideDoubles},
    };
    std::set<std::string> messages;
    for (const TCase& c : cases) {
        TScaleRanges r{1, 2, 3, 4};
        EXPECT_EQ(Calibrate(c.X, c.Y, r), c.Expected) << CalibrationMessage(c.Expected);
        EXPECT_EQ(r.MinX, 1) << "ranges untouched";
        EXPECT_EQ(r.MaxY, 4);
        messages.insert(CalibrationMessage(c.Expected));
    }
    EXPECT_EQ(messages.size(), 7u) << "one message per refusal";
    EXPECT_EQ(messages.count(""), 0u);
}

} // namespace
