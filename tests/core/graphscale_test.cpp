#include "core/graphscale.h"

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
