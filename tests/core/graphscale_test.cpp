#include "core/graphscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int Extent = 8668;

TGraphScale ScaleOf(double xmin, double ymin, double xmax, double ymax) {
    TGraphScale s;
    s.SetScale(0, Extent, Extent, 0, xmin, ymin, xmax, ymax);
    return s;
}

TEST(GraphScale, StartsAtZeroToHundredOnTheGraphSquare) {
    TGraphScale s;
    EXPECT_EQ(s.GetLogLeft(), 0);
    EXPECT_EQ(s.GetLogRight(), 8668);
    EXPECT_EQ(s.GetLogTop(), 8668);
    EXPECT_EQ(s.GetLogBottom(), 0);
    EXPECT_DOUBLE_EQ(s.GetXFactor(), 86.68);
    EXPECT_DOUBLE_EQ(s.GetYFactor(), 86.68);
    EXPECT_EQ(s.ToLogicalX(0), 0);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(50), 4334);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(100), 8668);
    EXPECT_DOUBLE_EQ(s.ToLogicalY(100), 8668);
    EXPECT_EQ(s.ToGraphY(0), 0);
    EXPECT_DOUBLE_EQ(s.ToGraphX(4334), 50);
}

TEST(GraphScale, FactorsFollowTheRanges) {
    TGraphScale s = ScaleOf(10, -1, 20, 1);
    EXPECT_DOUBLE_EQ(s.GetXFactor(), 866.8);
    EXPECT_DOUBLE_EQ(s.GetYFactor(), 4334);
    EXPECT_DOUBLE_EQ(s.ToLogicalY(0), 4334);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(15), 4334);
}

TEST(GraphScale, ConversionsAreInverse) {
    TGraphScale s = ScaleOf(-3.25, 1e-6, 1234.5, 7e-6);
    for (double x : {-3.25, 0.0, 17.125, 1234.5})
        EXPECT_NEAR(s.ToGraphX(s.ToLogicalX(x)), x, 1e-12 * 1234.5);
    for (double y : {1e-6, 3.3e-6, 7e-6})
        EXPECT_NEAR(s.ToGraphY(s.ToLogicalY(y)), y, 1e-18);
}

TEST(GraphScale, ReversedRangeRunsTheOtherWay) {
    TGraphScale s = ScaleOf(100, 0, 0, 100);
    EXPECT_LT(s.GetXFactor(), 0);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(100), 0);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(0), 8668);
}

TEST(GraphScale, EqualSmallBoundsAreSeparatedByTheTinyGap) {
    TGraphScale s = ScaleOf(0, 5e-5, 0, 5e-5);
    EXPECT_EQ(s.GetXMax(), 1e-20);
    EXPECT_DOUBLE_EQ(s.GetXFactor(), 8.668e23);
    EXPECT_EQ(s.GetYMax(), 5e-5 + 1e-20);
    EXPECT_GT(s.GetYMax(), s.GetYMin());
}

TEST(GraphScale, EqualLargeBoundsStillGiveAUsableScale) {
    // 1e-20 is lost when added to 42 or -1e10: the range must not stay empty.
    TGraphScale s = ScaleOf(42, -1e10, 42, -1e10);
    EXPECT_GT(s.GetXMax(), s.GetXMin());
    EXPECT_GT(s.GetYMax(), s.GetYMin());
    EXPECT_TRUE(std::isfinite(s.GetXFactor()));
    EXPECT_TRUE(std::isfinite(s.GetYFactor()));
    EXPECT_DOUBLE_EQ(s.ToLogicalX(42), 0);
    EXPECT_DOUBLE_EQ(s.ToGraphX(0), 42);
    EXPECT_TRUE(std::isfinite(s.ToGraphX(4334)));
    EXPECT_TRUE(std::isfinite(s.ToGraphY(8668)));
}

constexpr TAxisKind Lin = TAxisKind::Linear, Log = TAxisKind::Log10;

TGraphScale LogScaleOf(double xmin, double ymin, double xmax, double ymax, TAxisKind xKind = Log,
                       TAxisKind yKind = Log) {
    TGraphScale s;
    s.SetScale(0, Extent, Extent, 0, xmin, ymin, xmax, ymax, xKind, yKind);
    return s;
}

TEST(LogScale, DecadesShareTheSquareEvenly) {
    TGraphScale s = LogScaleOf(1, 0.01, 1000, 100);
    EXPECT_EQ(s.GetXKind(), Log);
    EXPECT_DOUBLE_EQ(s.GetXFactor(), Extent / 3.0) << "logical units per decade";
    EXPECT_EQ(s.ToLogicalX(1), 0);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(10), Extent / 3.0);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(1000), Extent);
    EXPECT_DOUBLE_EQ(s.ToLogicalY(1), Extent / 2.0);
    EXPECT_EQ(s.ToGraphX(0), 1) << "the edge gives the minimum exactly";
    EXPECT_EQ(s.ToGraphY(0), 0.01);
    EXPECT_DOUBLE_EQ(s.ToGraphX(Extent / 3.0 * 2), 100);
    EXPECT_DOUBLE_EQ(s.ToGraphY(-666), std::pow(10.0, -2 - 666 * 4.0 / Extent)) << "margin";
    for (double x : {1e-3, 0.5, 1.0, 7.25, 999.0, 1e6})
        EXPECT_NEAR(s.ToGraphX(s.ToLogicalX(x)), x, 1e-14 * x);
}

TEST(LogScale, ValuesAtOrBelowZeroHaveNoPosition) {
    TGraphScale s = LogScaleOf(1, 0, 100, 100, Log, Lin);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {0.0, -0.0, -5.0, nan})
        EXPECT_TRUE(std::isnan(s.ToLogicalX(v))) << v;
    EXPECT_FALSE(s.HasPosition(0, 5));
    EXPECT_FALSE(s.HasPosition(-1, 5));
    EXPECT_TRUE(s.HasPosition(1e-300, -5)) << "Y is linear";
    EXPECT_EQ(s.ToLogicalY(-50), -4334);
    EXPECT_TRUE(ScaleOf(0, 0, 100, 100).HasPosition(-1, -1));
}

TEST(LogScale, EachAxisChosenAloneAndEightArgumentsMeanLinear) {
    TGraphScale s = LogScaleOf(10, 10, 1000, 1000, Lin, Log);
    EXPECT_EQ(s.GetXKind(), Lin);
    EXPECT_DOUBLE_EQ(s.ToLogicalX(505), Extent / 2.0);
    EXPECT_DOUBLE_EQ(s.ToLogicalY(100), Extent / 2.0);
    s.SetScale(0, Extent, Extent, 0, 0, 0, 100, 100);
    EXPECT_EQ(s.GetYKind(), Lin);
    EXPECT_DOUBLE_EQ(s.ToLogicalY(50), 4334);
}

TEST(LogScale, BoundsThatDoNotFitALogAxisGiveALinearOne) {
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [lo, hi] : {std::pair{0.0, 10.0}, {-1.0, 10.0}, {1.0, inf}}) {
        TGraphScale s = LogScaleOf(lo, 1, hi, 10);
        EXPECT_EQ(s.GetXKind(), Lin) << lo << ".." << hi;
        EXPECT_EQ(s.GetYKind(), Log);
        EXPECT_EQ(s.ToLogicalX(lo), 0);
    }
}

TEST(LogScale, EqualOrReversedBoundsStayUsable) {
    TGraphScale s = LogScaleOf(42, 1e300, 42, std::nextafter(1e300, 2e300));
    for (double f : {s.GetXFactor(), s.GetYFactor()})
        EXPECT_TRUE(std::isfinite(f));
    EXPECT_GT(s.GetXMax(), s.GetXMin());
    EXPECT_EQ(s.ToLogicalX(42), 0);
    EXPECT_TRUE(std::isfinite(s.ToGraphY(4334)));
    TGraphScale reversed = LogScaleOf(1000, 1, 1, 10);
    EXPECT_LT(reversed.GetXFactor(), 0);
    EXPECT_DOUBLE_EQ(reversed.ToLogicalX(1), Extent);
}

TEST(LogScale, SpanOfMoreDecadesThanADoubleHoldsStillConverts) {
    TGraphScale s = LogScaleOf(1e-300, 1, 1e300, 10);
    // Six hundred decades: most of the square lies beyond 10^308 times the
    // minimum.
    EXPECT_DOUBLE_EQ(s.ToGraphX(Extent), 1e300);
    const double nearRight = s.ToGraphX(8000); // 10^553.8 times the minimum
    EXPECT_TRUE(std::isfinite(nearRight));
    EXPECT_GT(nearRight, 1e253);
    EXPECT_DOUBLE_EQ(ShiftByDecades(1e-300, 400), 1e100);
    EXPECT_EQ(ShiftByDecades(3.7, 0), 3.7);
}

} // namespace
