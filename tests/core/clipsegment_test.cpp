#include "core/clipsegment.h"

#include "testcurves.h"

#include <limits>

namespace {

using Clip = CurveTest;

struct TSeg {
    double X0, Y0, X1, Y1;
};

bool Clipped(TSeg& s) {
    return ClipSegment(s.X0, s.Y0, s.X1, s.Y1);
}

TEST_F(Clip, InsideSegmentIsUnchanged) {
    TSeg s{100, 200, 8000, 8600};
    ASSERT_TRUE(Clipped(s));
    EXPECT_EQ(s.X0, 100);
    EXPECT_EQ(s.Y0, 200);
    EXPECT_EQ(s.X1, 8000);
    EXPECT_EQ(s.Y1, 8600);
}

TEST_F(Clip, CuttingInAndOut) {
    TSeg out{4334, 4334, 13002, 4334};
    ASSERT_TRUE(Clipped(out));
    EXPECT_DOUBLE_EQ(out.X1, 8668);
    EXPECT_DOUBLE_EQ(out.X0, 4334);

    TSeg across{-4334, 4334, 13002, 4334};
    ASSERT_TRUE(Clipped(across));
    EXPECT_DOUBLE_EQ(across.X0, 0);
    EXPECT_DOUBLE_EQ(across.X1, 8668);

    TSeg diagonal{-1000, -1000, 9668, 9668};
    ASSERT_TRUE(Clipped(diagonal));
    EXPECT_DOUBLE_EQ(diagonal.X0, 0);
    EXPECT_DOUBLE_EQ(diagonal.Y0, 0);
    EXPECT_DOUBLE_EQ(diagonal.X1, 8668);
    EXPECT_DOUBLE_EQ(diagonal.Y1, 8668);
}

TEST_F(Clip, InvisibleSegments) {
    TSeg parallelAbove{-100, 9000, 9000, 9000};
    EXPECT_FALSE(Clipped(parallelAbove));
    TSeg passingTheCorner{-1000, 8000, 500, 10000}; // misses the upper left corner
    EXPECT_FALSE(Clipped(passingTheCorner));
    TSeg whollyLeft{-10, 0, -1, 8668};
    EXPECT_FALSE(Clipped(whollyLeft));
}

TEST_F(Clip, EdgeSegmentsAreVisible) {
    TSeg onEdge{0, 0, 0, 8668};
    EXPECT_TRUE(Clipped(onEdge));
    TSeg point{8668, 8668, 8668, 8668};
    EXPECT_TRUE(Clipped(point));
}

TEST_F(Clip, NonFiniteEndsAreNeverVisible) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (TSeg s : {TSeg{4334, 4334, inf, 4334}, TSeg{-inf, 4334, 4334, 4334},
                   TSeg{4334, nan, 4334, 4334}, TSeg{4334, 4334, 4334, -inf}})
        EXPECT_FALSE(Clipped(s));
}

TEST_F(Clip, EndsFartherApartThanTheLargestDouble) {
    // The difference overflows; the crossing is still found on the square
    // (how much of it survives is a matter of rounding at this magnitude).
    const double big = std::numeric_limits<double>::max();
    TSeg s{-big, 4334, big, 4334};
    ASSERT_TRUE(Clipped(s));
    EXPECT_EQ(s.Y0, 4334);
    EXPECT_EQ(s.Y1, 4334);
    for (double x : {s.X0, s.X1}) {
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 8668);
    }
    TSeg away{-big, 9000, big, 9500};
    EXPECT_FALSE(Clipped(away)) << "passes above the square";
}

TEST_F(Clip, HugeEndsStayOnTheSquare) {
    // Rounding at 1e300 is far coarser than the square; the result must
    // still lie on it.
    TSeg s{-1e300, -1e300, 1e300, 1e300};
    ASSERT_TRUE(Clipped(s));
    for (double v : {s.X0, s.Y0, s.X1, s.Y1}) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 8668);
    }
}

} // namespace
